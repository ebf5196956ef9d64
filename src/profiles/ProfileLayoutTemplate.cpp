#include "profiles/ProfileLayoutTemplate.h"

#include "foundation/Codes.h"

namespace zelk {

// Chosen so that every value, caption and the photo fall inside a CR80 card
// (243.8 x 153.1 points) in either orientation: the photo on the left (or
// on top), the texts in two columns of five, 27 points apart.
const ProfileLayoutTemplate& landscapeProfileLayout() {
    static const ProfileLayoutTemplate layout = {
        {
            {80, 140, 70, 20},   // name
            {80, 113, 70, 20},   // title
            {80, 86, 70, 20},    // company name
            {80, 59, 70, 20},    // slogan
            {80, 32, 70, 20},    // address
            {160, 140, 70, 20},  // phone
            {160, 113, 70, 20},  // fax
            {160, 86, 70, 20},   // e-mail
            {160, 59, 70, 20},   // website
            {160, 32, 70, 20},   // unique number
            {12, 138, 60, 76},   // photo
        },
        180,
    };
    return layout;
}

const ProfileLayoutTemplate& portraitProfileLayout() {
    static const ProfileLayoutTemplate layout = {
        {
            {8, 150, 70, 20},   // name
            {8, 123, 70, 20},   // title
            {8, 96, 70, 20},    // company name
            {8, 69, 70, 20},    // slogan
            {8, 42, 70, 20},    // address
            {80, 150, 70, 20},  // phone
            {80, 123, 70, 20},  // fax
            {80, 96, 70, 20},   // e-mail
            {80, 69, 70, 20},   // website
            {80, 42, 70, 20},   // unique number
            {46, 238, 60, 76},  // photo
        },
        270,
    };
    return layout;
}

QRectF profileControlRect(const QString& ctrl_ID, const QSizeF& frontCardSize) {
    const bool landscape = frontCardSize.width() >= frontCardSize.height();
    const ProfileLayoutTemplate& layout = landscape ? landscapeProfileLayout() : portraitProfileLayout();
    QRectF rect(0, 0, 0, 0);
    for (int i = 0; i < 11; ++i) {
        if (ctrl_ID == ProfileValueIds.at(i)) {
            rect = layout.frames[i];
            break;
        }
        // The photo has no caption place.
        if (i < 10 && ctrl_ID == ProfileCaptionIds.at(i)) {
            rect = layout.frames[i];
            rect.moveTop(rect.y() + 10);
            break;
        }
    }
    rect.moveTop(layout.boxHeight - rect.y() - 20);
    return rect;
}

}  // namespace zelk
