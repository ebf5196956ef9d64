#include "canvas/SKTZoomingScrollView.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRulerView.h"
#include "canvas/SWCenteringClipView.h"

#include <QEvent>
#include <QScrollBar>

SKTZoomingScrollView::SKTZoomingScrollView(QWidget* parent) : QAbstractScrollArea(parent) {
    setViewport(new SWCenteringClipView(this));
    hRuler_ = new SKTRulerView(Qt::Horizontal, this);
    vRuler_ = new SKTRulerView(Qt::Vertical, this);
    setViewportMargins(SKTRulerView::Thickness, SKTRulerView::Thickness, 0, 0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

SWCenteringClipView* SKTZoomingScrollView::clipView() const {
    return static_cast<SWCenteringClipView*>(viewport());
}

void SKTZoomingScrollView::setDocumentView(SKTGraphicView* canvas) {
    if (canvas_) {
        canvas_->removeEventFilter(this);
        disconnect(canvas_, nullptr, this, nullptr);
    }
    canvas_ = canvas;
    hRuler_->setCanvas(canvas);
    vRuler_->setCanvas(canvas);
    if (canvas_) {
        canvas_->setParent(viewport());
        canvas_->installEventFilter(this);
        connect(canvas_, &SKTGraphicView::scaleFactorChanged, this, [this] { layoutDocument(); });
        canvas_->show();
    }
    layoutDocument();
}

double SKTZoomingScrollView::scaleFactor() const {
    return canvas_ ? canvas_->scaleFactor() : 1.0;
}

void SKTZoomingScrollView::setScaleFactor(double scale) {
    if (canvas_)
        canvas_->setScaleFactor(scale);
    layoutDocument();
}

void SKTZoomingScrollView::setRulerUnit(zelk::MeasureUnit unit) {
    hRuler_->setUnit(unit);
    vRuler_->setUnit(unit);
}

void SKTZoomingScrollView::setRulersVisible(bool visible) {
    rulersVisible_ = visible;
    const int t = visible ? SKTRulerView::Thickness : 0;
    setViewportMargins(t, t, 0, 0);
    hRuler_->setVisible(visible);
    vRuler_->setVisible(visible);
    layoutDocument();
}

void SKTZoomingScrollView::layoutDocument() {
    if (laying_)
        return;
    laying_ = true;
    const QSize clip = viewport()->size();
    const QSize doc = canvas_ ? canvas_->size() : QSize(0, 0);
    const QPoint max = SWCenteringClipView::maximumScroll(doc, clip);
    horizontalScrollBar()->setRange(0, max.x());
    horizontalScrollBar()->setPageStep(clip.width());
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setRange(0, max.y());
    verticalScrollBar()->setPageStep(clip.height());
    verticalScrollBar()->setSingleStep(10);
    if (canvas_)
        canvas_->move(SWCenteringClipView::documentOrigin(
            doc, clip, QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value())));
    const QRect vp = viewport()->geometry();
    const int t = SKTRulerView::Thickness;
    hRuler_->setGeometry(vp.left(), vp.top() - t, vp.width(), t);
    vRuler_->setGeometry(vp.left() - t, vp.top(), t, vp.height());
    hRuler_->update();
    vRuler_->update();
    laying_ = false;
}

void SKTZoomingScrollView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layoutDocument();
}

void SKTZoomingScrollView::scrollContentsBy(int, int) {
    layoutDocument();
}

bool SKTZoomingScrollView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize)
        layoutDocument();
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool SKTZoomingScrollView::viewportEvent(QEvent* event) {
    // The clip view paints its own background; the canvas paints the card.
    if (event->type() == QEvent::Resize)
        layoutDocument();
    return QAbstractScrollArea::viewportEvent(event);
}
