#pragma once
// Where a new profile graphic lands on a card side: the profile layout
// template pictures a landscape and a portrait card, each with one frame per
// slot (in the layout's own coordinates, y growing upwards) inside a template
// box of known height. A frame becomes a canvas rectangle (y growing
// downwards) by H - y - 20. A caption stands beside its value's place, clear
// of it: above it as high as the caption's own lines, or before it where the
// card's top edge is near (captionPlaceFor).
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace zelk {

struct ProfileLayoutTemplate {
    // The frame of each slot (name ... unique number, photo) in the layout's
    // coordinates, and the height H of the template box.
    QRectF frames[11];
    double boxHeight;
};

// The two layouts: landscape (a card at least as wide as high) and portrait.
const ProfileLayoutTemplate& landscapeProfileLayout();
const ProfileLayoutTemplate& portraitProfileLayout();

// The rectangle for a new graphic with the control ID on a card whose front
// has the given size (the front decides the orientation for both sides; a
// square card is landscape). IDs outside the eleven values and ten captions
// give (0, H - 20, 0, 0). Nothing is scaled. A caption's rectangle is as
// wide as a new text and `captionHeight` high, the height of its text.
QRectF profileControlRect(const QString& ctrl_ID, const QSizeF& frontCardSize, double captionHeight);

}  // namespace zelk
