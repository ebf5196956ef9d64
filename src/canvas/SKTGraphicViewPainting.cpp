// The canvas's painting: the side as every output draws it, with the
// canvas's own overlays (grid, handles, marquee).
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/SKTGrid.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/SKTDocument.h"

#include <QPainter>

// ---------------------------------------------------------------- painting

void SKTGraphicView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(scale_, scale_);
    const QRectF card = cardRect();

    // The side is drawn as every output draws it, with the graphics that are
    // not printed shown; the canvas's own overlays go over it, the grid
    // inside the card outline, the handles wherever the graphics reach.
    zelk::CanvasHost* h = host();
    const int faceSide = side_ == SKTDocument::TempSide ? h->Card_Front_Or_Back() : side_;
    const GraphicList& all = graphics();
    // While the user types in place, the editor shows the text being typed
    // and the card draws the rest of that graphic.
    GraphicList typing;
    if (editorEngaged_ && edited_) {
        if (const qsizetype i = all.indexOf(edited_); i >= 0) {
            typing = all;
            std::shared_ptr<SKTGraphic> blank = edited_->clone();
            blank->_Text_contents.clear();
            typing[i] = blank;
        }
    }
    const GraphicList* drawn = typing.isEmpty() ? &all : &typing;
    SKTRenderingView::drawSide(
        painter,
        zelk::SideSnapshot::sharing(drawn, h->frontCardProperty(), h->backCardProperty(), h->Card_Shape(),
                                    faceSide, card),
        SKTRenderingView::Unprinted::Draw, [this, card](QPainter& p) {
            if (_grid)
                _grid->drawRect(p, card, scale_);
        });

    if (!handlesHidden_) {
        const QList<int> selected = selectionIndexes();
        for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
            const SKTGraphic* g = all.at(*it).get();
            // A text being typed in place shows no handles; one merely
            // restyled (the editor waits over it) still looks selected.
            if (g && g->ctrl_is_visible && !(editorEngaged_ && edited_.get() == g))
                g->drawHandles(painter, scale_);
        }
    }
    if (drag_ == Drag::Marquee && !marquee_.isEmpty()) {
        painter.save();
        painter.setPen(QPen(QColor(80, 80, 80), 0));
        painter.setBrush(QColor(120, 120, 120, 40));
        painter.drawRect(marquee_);
        painter.restore();
    }
}
