#pragma once
// Everything a render of one card side reads, copied at one moment on the
// main thread. A snapshot from take() is a value: it shares nothing mutable
// with the live design, so workers can render it while the user goes on
// editing, and several workers can render one snapshot at once.
#include <QList>
#include <QRectF>
#include <memory>

class Card_Property;
class SKTGraphic;

namespace zelk {

class CardFaceHook;

class SideSnapshot {
public:
    SideSnapshot() = default;

    // Deep copies (SKTGraphic::clone) of the side's graphics, index 0 the
    // topmost, and copies of both sides' card properties. A null graphics
    // list gives a null snapshot, which renders to nothing.
    static SideSnapshot take(const QList<std::shared_ptr<SKTGraphic>>* graphics,
                             const Card_Property* frontProperty,
                             const Card_Property* backProperty,
                             int cardShape, int cardFrontOrBack, const QRectF& cardRect);
    // The same with the live graphics themselves instead of copies, for a
    // paint on the main thread that ends before the design changes (the
    // canvas): never hand it to a worker.
    static SideSnapshot sharing(const QList<std::shared_ptr<SKTGraphic>>* graphics,
                                const Card_Property* frontProperty,
                                const Card_Property* backProperty,
                                int cardShape, int cardFrontOrBack, const QRectF& cardRect);

    bool isNull() const { return null_; }

    // The properties of the side being drawn: the back's when
    // Card_Front_Or_Back is not 0, else the front's; null when not given.
    const Card_Property* sideProperty() const;

    QList<std::shared_ptr<const SKTGraphic>> graphics;
    std::shared_ptr<const Card_Property> Front_card_Prop;
    std::shared_ptr<const Card_Property> Back_card_Prop;
    int Card_Shape = 0;          // 1 rounded rectangle, 2 oval, else rectangle
    int Card_Front_Or_Back = 0;  // 0 front, else back
    QRectF cardRect;             // the card in points (the front canvas's bounds)
    // The card face installed when the snapshot was taken (never null after take()).
    std::shared_ptr<const CardFaceHook> cardFace;

private:
    static SideSnapshot make(const QList<std::shared_ptr<SKTGraphic>>* graphics, bool copy,
                             const Card_Property* frontProperty, const Card_Property* backProperty,
                             int cardShape, int cardFrontOrBack, const QRectF& cardRect);

    bool null_ = true;
};

}  // namespace zelk
