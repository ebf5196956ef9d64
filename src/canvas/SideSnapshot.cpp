#include "canvas/SideSnapshot.h"

#include "canvas/CardFaceHook.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTGraphic.h"

namespace zelk {

SideSnapshot SideSnapshot::take(const QList<std::shared_ptr<SKTGraphic>>* graphics,
                                const Card_Property* frontProperty,
                                const Card_Property* backProperty,
                                int cardShape, int cardFrontOrBack, const QRectF& cardRect) {
    return make(graphics, true, frontProperty, backProperty, cardShape, cardFrontOrBack, cardRect);
}

SideSnapshot SideSnapshot::sharing(const QList<std::shared_ptr<SKTGraphic>>* graphics,
                                   const Card_Property* frontProperty,
                                   const Card_Property* backProperty,
                                   int cardShape, int cardFrontOrBack, const QRectF& cardRect) {
    return make(graphics, false, frontProperty, backProperty, cardShape, cardFrontOrBack, cardRect);
}

SideSnapshot SideSnapshot::make(const QList<std::shared_ptr<SKTGraphic>>* graphics, bool copy,
                                const Card_Property* frontProperty,
                                const Card_Property* backProperty,
                                int cardShape, int cardFrontOrBack, const QRectF& cardRect) {
    SideSnapshot s;
    s.cardFace = CardFaceHook::installed();
    if (!graphics)
        return s;
    s.null_ = false;
    s.graphics.reserve(graphics->size());
    for (const std::shared_ptr<SKTGraphic>& g : *graphics)
        if (g)
            s.graphics.append(copy ? g->clone() : std::shared_ptr<const SKTGraphic>(g));
    if (frontProperty)
        s.Front_card_Prop = std::make_shared<const Card_Property>(*frontProperty);
    if (backProperty)
        s.Back_card_Prop = std::make_shared<const Card_Property>(*backProperty);
    s.Card_Shape = cardShape;
    s.Card_Front_Or_Back = cardFrontOrBack;
    s.cardRect = cardRect;
    return s;
}

const Card_Property* SideSnapshot::sideProperty() const {
    return Card_Front_Or_Back != 0 ? Back_card_Prop.get() : Front_card_Prop.get();
}

}  // namespace zelk
