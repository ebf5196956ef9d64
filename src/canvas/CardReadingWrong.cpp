// The ground under a side's fields and the fields that read wrong on it,
// from a snapshot of the side.
#include "canvas/CardReadingWrong.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

namespace zelk {

FieldGround fieldGroundOf(const SideSnapshot& side) {
    if (side.isNull() || side.cardRect.isEmpty())
        return {};
    // What a batch of fields changes is never part of it, so one reading
    // serves the batch.
    SideSnapshot under = side;
    under.graphics.clear();
    for (const std::shared_ptr<const SKTGraphic>& g : side.graphics)
        if (g && !isFieldId(g->control_ID))
            under.graphics << g;
    return FieldGround(SKTRenderingView(side.cardRect, under, QString()).imageAtResolution(72), side.cardRect);
}

QList<FieldReadingWrong> fieldsReadingWrongOn(const SideSnapshot& side) {
    if (side.isNull())
        return {};
    // The measures only read the graphics.
    QList<std::shared_ptr<SKTGraphic>> graphics;
    for (const std::shared_ptr<const SKTGraphic>& g : side.graphics)
        graphics << std::const_pointer_cast<SKTGraphic>(g);
    return fieldsReadingWrong(graphics, CardArea(side.cardRect, side.Card_Shape), fieldGroundOf(side));
}

}  // namespace zelk
