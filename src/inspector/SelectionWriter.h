#pragma once
// The panels' common write: only unlocked graphics of the panel's kind
// take a panel's values, each started as an edit of the canvas.
#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"

namespace zelk {

// Each selected graphic of exactly the kind that is not locked, in
// selection order, with the size of the selection. False when nothing is
// selected: the writer then does nothing at all.
template <typename Write>
bool writeSelected(SKTGraphicView* canvas, bool (*isKind)(const SKTGraphic*), Write write) {
    const GraphicList selected = canvas->selectedGraphics();
    if (selected.isEmpty())
        return false;
    for (const std::shared_ptr<SKTGraphic>& g : selected) {
        if (!isKind(g.get()) || g->ctrl_is_locked)
            continue;
        write(*g, selected.size());
        canvas->startEditingGraphic(g);
    }
    return true;
}

}  // namespace zelk
