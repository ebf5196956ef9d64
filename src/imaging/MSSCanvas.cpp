#include "imaging/MSSCanvas.h"

#include "imaging/MSSCanvasController.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

MSSCanvas::MSSCanvas(QWidget* parent) : QWidget(parent) {
    // No background of its own: the picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

QPointF MSSCanvas::toCanvas(const QPointF& w) const {
    const double h = delegate ? delegate->canvasSize().height() : height();
    return QPointF(w.x(), h - w.y());
}

QRectF MSSCanvas::toWidget(const QRectF& r) const {
    const double h = delegate ? delegate->canvasSize().height() : height();
    return QRectF(r.x(), h - (r.y() + r.height()), r.width(), r.height());
}

void MSSCanvas::paintEvent(QPaintEvent*) {
    if (!delegate)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The controller draws in canvas coordinates.
    const double h = delegate->canvasSize().height();
    p.translate(0, h);
    p.scale(1, -1);
    delegate->draw(p);
}

void MSSCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (delegate && event->button() == Qt::LeftButton)
        delegate->mouseDown(toCanvas(event->position()), event->modifiers() & Qt::ControlModifier);
}

void MSSCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!delegate)
        return;
    if (event->buttons() & Qt::LeftButton)
        delegate->mouseDragged(toCanvas(event->position()));
    else
        delegate->mouseMoved(toCanvas(event->position()));
}

void MSSCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (delegate && event->button() == Qt::LeftButton)
        delegate->mouseUp();
}

void MSSCanvas::keyPressEvent(QKeyEvent* event) {
    if (delegate)
        delegate->keyDown(event->key(), event->modifiers() & Qt::ControlModifier);
}

void MSSCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (delegate)
        delegate->mouseExited();
}
