#include "imaging/MSSCanvasController.h"

#include "imaging/MSSCanvas.h"
#include "imaging/MSSScaledImage.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

MSSCanvasController::MSSCanvasController(MSSCanvas* canvas, QWidget* contentView)
    : QObject(canvas), canvas_(canvas), contentView_(contentView) {
    prepareController();
}

// The canvas forgets its delegate by itself (a guarded pointer); the
// controller, a child of the canvas, may die while the canvas is dying.
MSSCanvasController::~MSSCanvasController() = default;

MSSCanvasController* MSSCanvasController::canvasControllerForCanvas(MSSCanvas* canvas, QWidget* contentView) {
    auto* c = new MSSCanvasController(canvas, contentView);
    canvas->delegate = c;
    return c;
}

void MSSCanvasController::prepareController() {
    cursorCanBeChanged_ = true;
    // The image view reports every change of its picture, scaling,
    // alignment and size; keys go to the canvas, not to it.
    if (auto* image = qobject_cast<MSSScaledImage*>(contentView_.data())) {
        image->setFocusPolicy(Qt::NoFocus);
        connect(image, &MSSScaledImage::displayChanged, this, &MSSCanvasController::resetCanvas);
    }
    selectors_.clear();
    currentSelector_ = nullptr;
    arrangeCanvas();
}

bool MSSCanvasController::allowIntersections() const { return !canvas_ || canvas_->allowIntersections; }

QRectF MSSCanvasController::defaultRectForFrame(const QRectF& f) const {
    double x = f.x(), y = f.y(), w = f.width(), h = f.height();
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    return QRectF(x, y, w, h);
}

QRectF MSSCanvasController::canvasFrame() const {
    if (auto* image = qobject_cast<MSSScaledImage*>(contentView_.data()))
        return image->scaledImageRect();
    return contentView_ ? QRectF(QPointF(0, 0), QSizeF(contentView_->size())) : QRectF();
}

void MSSCanvasController::arrangeCanvas() {
    if (!canvas_ || !contentView_)
        return;
    const QRectF f = canvasFrame();
    QRectF onScreen(f.x(), contentView_->height() - (f.y() + f.height()), f.width(), f.height());
    if (canvas_->parentWidget() != contentView_)
        canvas_->setParent(contentView_);
    canvas_->setGeometry(onScreen.toAlignedRect());
    canvas_->setVisible(!f.isEmpty());
    canvas_->raise();
}

void MSSCanvasController::redraw() {
    if (canvas_)
        canvas_->update();
}

void MSSCanvasController::addSelectorWithFrame(const QRectF& frame) {
    removeAllSelectorsFromCanvas();
    auto s = MSSSelector::selectorWithFrame(frame, this, false);
    selectors_ << s;
    currentSelector_ = s.get();
}

void MSSCanvasController::setPickerWithFrame(const QRectF& frame) {
    picker_ = MSSSelector::selectorWithFrame(frame, this, true);
    currentSelector_ = picker_.get();
}

void MSSCanvasController::markAllSelected(bool redrawNow) {
    for (const auto& s : selectors_)
        s->setSelected();
    if (redrawNow)
        redraw();
}

void MSSCanvasController::markAllUnselected(bool redrawNow) {
    for (const auto& s : selectors_)
        s->setUnselected();
    if (redrawNow)
        redraw();
}

void MSSCanvasController::removeAllSelectorsFromCanvas() {
    markAllSelected(false);
    removeMarkedSelectorsFromCanvas();
}

void MSSCanvasController::removeMarkedSelectorsFromCanvas() {
    currentSelector_ = nullptr;
    for (const auto& s : selectors_)
        if (s->isSelected())
            s->removeTrackingAreas();
    selectors_.erase(std::remove_if(selectors_.begin(), selectors_.end(),
                                    [](const std::shared_ptr<MSSSelector>& s) { return s->isSelected(); }),
                     selectors_.end());
    redraw();
    if (canvas_)
        canvas_->setCursor(Qt::ArrowCursor);
    canvasHasChanged();
}

void MSSCanvasController::mouseDown(const QPointF& p, bool command) {
    cursorCanBeChanged_ = false;
    markAllUnselected(true);
    const QRectF r(p, QSizeF(0, 0));
    currentSelector_ = nullptr;
    if (command || selectors_.isEmpty()) {
        addSelectorWithFrame(r);
        redraw();
        return;
    }
    for (const auto& s : selectors_) {
        if (s->intersectsFrame(r)) {
            currentSelector_ = s.get();
            s->touchedHandle(r);
            break;
        }
    }
    if (!currentSelector_)
        setPickerWithFrame(r);
    redraw();
}

void MSSCanvasController::mouseDragged(const QPointF& p) {
    MSSSelector* s = currentSelector_;
    if (!s)
        return;
    const int action = s->action();
    if (action == MSSSelector::Draw || action == MSSSelector::Resize)
        s->resizeToPoint(p);
    else if (action == MSSSelector::Move)
        s->moveSelectorToPoint(p);
    else
        return;
    redraw();
    if (s->touchedBoundaries())
        redraw();
}

void MSSCanvasController::mouseUp() {
    cursorCanBeChanged_ = true;
    MSSSelector* s = currentSelector_;
    if (!s) {
        redraw();
        return;
    }
    if (s->isPicker()) {
        const QRectF band = s->frame();
        for (const auto& other : selectors_)
            other->intersectsFrame(band);
        currentSelector_ = nullptr;
        picker_.reset();
    } else if (s->canDropOnCanvas()) {
        canvasHasChanged();
    } else {
        s->removeTrackingAreas();
        selectors_.erase(std::remove_if(selectors_.begin(), selectors_.end(),
                                        [s](const std::shared_ptr<MSSSelector>& x) { return x.get() == s; }),
                         selectors_.end());
        currentSelector_ = nullptr;
    }
    redraw();
}

void MSSCanvasController::keyDown(int qtKey, bool command) {
    switch (qtKey) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        removeMarkedSelectorsFromCanvas();
        break;
    case Qt::Key_A:
        if (command)
            markAllSelected(true);
        break;
    case Qt::Key_Escape:
        markAllUnselected(true);
        break;
    default:
        break;
    }
}

MSSHandle::Cursor MSSCanvasController::cursorAt(const QPointF& p) const {
    const QRectF at(p, QSizeF(0, 0));
    for (const auto& s : selectors_) {
        for (const MSSHandle& h : s->handles())
            if (!h.trackingArea().isNull() && MSSSelector::meets(h.trackingArea(), at))
                return h.cursor();
        if (!s->trackingArea().isEmpty() && MSSSelector::meets(s->trackingArea(), at))
            return MSSHandle::Cursor::OpenHand;
    }
    return MSSHandle::Cursor::Arrow;
}

void MSSCanvasController::mouseMoved(const QPointF& p) {
    if (cursorCanBeChanged_ && canvas_)
        canvas_->setCursor(cursorFor(cursorAt(p)));
}

void MSSCanvasController::mouseExited() {
    if (cursorCanBeChanged_ && canvas_)
        canvas_->setCursor(Qt::ArrowCursor);
}

QCursor MSSCanvasController::cursorFor(MSSHandle::Cursor kind) {
    // The two diagonal double arrows are drawn here: 18 x 18 with the hot
    // spot at (9, 9).
    auto diagonal = [](bool fromTopLeft) {
        QPixmap pm(18, 18);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF a = fromTopLeft ? QPointF(3, 3) : QPointF(3, 15);
        const QPointF b = fromTopLeft ? QPointF(15, 15) : QPointF(15, 3);
        const double sx = fromTopLeft ? 1 : 1, sy = fromTopLeft ? 1 : -1;
        QPolygonF headA{a, a + QPointF(6 * sx, 0), a + QPointF(0, 6 * sy)};
        QPolygonF headB{b, b - QPointF(6 * sx, 0), b - QPointF(0, 6 * sy)};
        for (int pass = 0; pass < 2; ++pass) {
            p.setPen(QPen(pass == 0 ? Qt::white : Qt::black, pass == 0 ? 3.5 : 1.5));
            p.setBrush(pass == 0 ? Qt::white : Qt::black);
            p.drawLine(a, b);
            p.drawPolygon(headA);
            p.drawPolygon(headB);
        }
        return QCursor(pm, 9, 9);
    };
    switch (kind) {
    case MSSHandle::Cursor::OpenHand:
        return QCursor(Qt::OpenHandCursor);
    case MSSHandle::Cursor::TopBottom:
        return diagonal(true);
    case MSSHandle::Cursor::BottomTop:
        return diagonal(false);
    case MSSHandle::Cursor::Cross:
        return QCursor(Qt::CrossCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

void MSSCanvasController::draw(QPainter& painter) {
    for (const auto& s : selectors_)
        s->drawPath(painter);
    if (currentSelector_)
        currentSelector_->drawPath(painter);
}
