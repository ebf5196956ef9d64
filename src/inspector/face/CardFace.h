#pragma once
// The card face of a side: beneath the graphics the white outline, the
// side's fill and the clip to the outline; above them the watermark and the
// border. Drawn from a side snapshot (or from the side's values) with the
// caller's painter, in card coordinates: points, origin at the card's
// top-left corner, y growing downwards. No globals and no widgets are read,
// so render workers may draw faces at the same time.
#include "canvas/CardFaceHook.h"

#include <QPainterPath>
#include <QRectF>

class Card_Property;
class QPainter;

class CardFace : public zelk::CardFaceHook {
public:
    // The hook the renderer calls: base, then the graphics, then border.
    void Card_Base_Drawing(QPainter& painter, const zelk::SideSnapshot& side) const override;
    void Card_Border_Drawing(QPainter& painter, const zelk::SideSnapshot& side) const override;

    // Installs the card face as the renderer's process-wide hook. Call once
    // on the GUI thread at start-up; the hatch pattern folder is read at
    // drawing time, so it may be set before or after.
    static void install();

    // The same drawing over the side's values. Card_Shape: 1 rounded
    // rectangle (corner radius 10), 2 oval, anything else a rectangle; R is
    // the card rectangle.
    //
    // Base: fills the outline white, then the side's fill ("G" gradient, "H"
    // hatch pattern, "I" picture stretched or tiled, anything else solid),
    // and leaves the clip to the outline in force for the rest of the paint.
    static void Card_Base_Drawing(QPainter& painter, const Card_Property& P, int Card_Shape,
                                  const QRectF& R);
    // Border: the watermark, then the border line, centred on the outline
    // (the base's clip cuts its outer half away).
    static void Card_Border_Drawing(QPainter& painter, const Card_Property& P, int Card_Shape,
                                    const QRectF& R);
};
