#include "imaging/MSSHandle.h"

#include "imaging/MSSCanvasDelegate.h"
#include "imaging/MSSSelector.h"

#include <QPainter>
#include <QPen>

MSSHandle::MSSHandle(int type, MSSSelector* selector) : type_(type), selector_(selector) {
    if (selector && selector->canvas() && selector->canvas()->handleStyle())
        style_ = *selector->canvas()->handleStyle();
}

MSSHandle::Cursor MSSHandle::cursor() const {
    switch (type_) {
    case 1:
    case 4:
        return Cursor::TopBottom;
    case 2:
    case 3:
        return Cursor::BottomTop;
    default:
        return Cursor::Cross;
    }
}

QPointF MSSHandle::cornerOf(int type, const QRectF& f) {
    switch (type) {
    case 1:
        return {f.x(), f.y() + f.height()};
    case 2:
        return {f.x() + f.width(), f.y() + f.height()};
    case 3:
        return {f.x(), f.y()};
    case 4:
        return {f.x() + f.width(), f.y()};
    default:
        return {};
    }
}

void MSSHandle::makeHandleFrameWithSelectorFrame() {
    if (type_ < 1 || type_ > 4 || !selector_) {
        frame_ = QRectF();
    } else {
        const QPointF c = cornerOf(type_, selector_->frame());
        const QSizeF s = style_.size;
        frame_ = QRectF(c.x() - s.width() / 2, c.y() - s.height() / 2, s.width(), s.height());
    }
    bounds_ = frame_;
    updateTrackingArea();
}

void MSSHandle::updateTrackingArea() { trackingArea_ = frame_.normalized(); }

QPainterPath MSSHandle::bezierPath() const {
    QPainterPath path;
    path.addEllipse(frame_);
    return path;
}

void MSSHandle::drawPath(QPainter& painter) {
    makeHandleFrameWithSelectorFrame();
    const QPainterPath path = bezierPath();
    painter.save();
    painter.setPen(QPen(style_.strokeColor, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.fillPath(path, style_.fillColor);
    painter.restore();
}
