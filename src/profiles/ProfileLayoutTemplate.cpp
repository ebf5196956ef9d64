#include "profiles/ProfileLayoutTemplate.h"

#include "canvas/FieldPlacement.h"
#include "foundation/Codes.h"

namespace zelk {

// Chosen so that every value, caption and the photo fall inside a CR80 card
// (243.8 x 153.1 points) in either orientation, with room for a value of two
// lines: eight texts in two columns, 33 points apart, beside (or below) the
// photo, and two more under it.
const ProfileLayoutTemplate& landscapeProfileLayout() {
    static const ProfileLayoutTemplate layout = {
        {
            {80, 140, 70, 20},   // name
            {80, 107, 70, 20},   // title
            {80, 74, 70, 20},    // company name
            {80, 41, 70, 20},    // slogan
            {160, 140, 70, 20},  // address
            {160, 107, 70, 20},  // phone
            {160, 74, 70, 20},   // fax
            {160, 41, 70, 20},   // e-mail
            {8, 54, 70, 20},     // website
            {8, 31, 70, 20},     // unique number
            {12, 138, 60, 72},   // photo
        },
        180,
    };
    return layout;
}

const ProfileLayoutTemplate& portraitProfileLayout() {
    static const ProfileLayoutTemplate layout = {
        {
            {8, 150, 70, 20},   // name
            {8, 117, 70, 20},   // title
            {8, 84, 70, 20},    // company name
            {8, 51, 70, 20},    // slogan
            {80, 150, 70, 20},  // address
            {80, 117, 70, 20},  // phone
            {80, 84, 70, 20},   // fax
            {80, 51, 70, 20},   // e-mail
            {8, 28, 70, 20},    // website
            {80, 28, 70, 20},   // unique number
            {46, 238, 60, 76},  // photo
        },
        270,
    };
    return layout;
}

QRectF profileControlRect(const QString& ctrl_ID, const QSizeF& frontCardSize, double captionHeight) {
    const bool landscape = frontCardSize.width() >= frontCardSize.height();
    const ProfileLayoutTemplate& layout = landscape ? landscapeProfileLayout() : portraitProfileLayout();
    auto onCanvas = [&layout](QRectF frame) {
        frame.moveTop(layout.boxHeight - frame.y() - 20);
        return frame;
    };
    for (int i = 0; i < 11; ++i) {
        if (ctrl_ID == ProfileValueIds.at(i))
            return onCanvas(layout.frames[i]);
        // The photo has no caption place.
        if (i < 10 && ctrl_ID == ProfileCaptionIds.at(i)) {
            const QRectF value = onCanvas(layout.frames[i]);
            return captionPlaceFor(value, QSizeF(NewTextWidth, captionHeight),
                                   QRectF(QPointF(0, 0), frontCardSize));
        }
    }
    return onCanvas(QRectF(0, 0, 0, 0));
}

}  // namespace zelk
