#pragma once
// Designs drawn at random for the tests of a profile's stamping: a card,
// portrait or landscape, with a dark band or panel over one side or a
// background picture dark on one side, none to three graphics of the
// user's own at random places, and the fields stamped on it twice, with
// short values and then with long ones.
#include "RandomDraw.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zelk::test {

// Where a dark part of the card lies.
enum class DarkSide { Top, Foot, Left, Right };

// A graphic the user placed on the design before stamping.
struct RandomOwnGraphic {
    enum class Kind { Text, Shape, Picture, Barcode } kind;
    QRectF box;        // a text's or a barcode's top left and width, the height fitted
    QColor colour;     // a text's colour, a shape's fill, a picture's
    QString text;      // a text's words, a barcode's value
    double points = 10;
};

struct RandomDesign {
    std::uint32_t seed = 0;
    QSizeF card;  // a CR80 card, landscape or portrait
    int shape = 0;  // 0 square corners, 1 rounded
    DarkSide side = DarkSide::Top;
    double darkShare = 0.4;         // of the card's height or width
    bool picture = false;           // a background picture, else a filled shape
    QColor dark;                    // the band's, the panel's or the picture's dark part
    QList<RandomOwnGraphic> own;    // none to three
    QList<int> fieldSlots;           // the profile's slots stamped, in slot order
    bool photo = false;
    QStringList shortValues, longValues;  // a value for each slot of the profile
    // The dark part on the card.
    QRectF darkRect() const;
    QString describe() const;
};

RandomDesign drawDesign(std::uint32_t seed);

}  // namespace zelk::test
