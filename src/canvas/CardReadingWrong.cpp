// The ground under a side's fields and what reads wrong on it, from a
// snapshot of the side.
#include "canvas/CardReadingWrong.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

namespace zelk {

FieldGround fieldGroundOf(const SideSnapshot& side, const std::function<bool(const SKTGraphic&)>& leftOut) {
    if (side.isNull() || side.cardRect.isEmpty())
        return {};
    // What a batch changes is never part of it, so one reading serves the
    // batch.
    SideSnapshot under = side;
    under.graphics.clear();
    for (const std::shared_ptr<const SKTGraphic>& g : side.graphics)
        if (g && !(leftOut ? leftOut(*g) : isFieldId(g->control_ID)))
            under.graphics << g;
    return FieldGround(SKTRenderingView(side.cardRect, under, QString()).imageAtResolution(72), side.cardRect);
}

QList<std::shared_ptr<SKTGraphic>> measuredGraphics(const SideSnapshot& side) {
    // The measures only read the graphics.
    QList<std::shared_ptr<SKTGraphic>> graphics;
    for (const std::shared_ptr<const SKTGraphic>& g : side.graphics)
        graphics << std::const_pointer_cast<SKTGraphic>(g);
    return graphics;
}

QList<WrongAgainst> readingWrongOn(const SideSnapshot& side, const FieldGround& ground,
                                   const std::function<bool(const SKTGraphic&)>& measured) {
    if (side.isNull())
        return {};
    return readingWrongAgainst(measuredGraphics(side), CardArea(side.cardRect, side.Card_Shape), ground, measured);
}

}  // namespace zelk
