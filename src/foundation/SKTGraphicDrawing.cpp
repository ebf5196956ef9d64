// Drawing and hit testing shared by the graphic kinds: the selection
// handles of a box and the defaults the kinds build on. Each kind's own
// drawing is in its SKT...Drawing.cpp file.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <array>
#include <cmath>

namespace {

struct HandlePoint {
    int handle;
    QPointF at;
};

std::array<HandlePoint, 8> boxHandles(const QRectF& b) {
    const QRectF r = b.normalized();
    const double cx = r.center().x(), cy = r.center().y();
    return {{{zelk::UpperLeftHandle, r.topLeft()},
             {zelk::UpperMiddleHandle, QPointF(cx, r.top())},
             {zelk::UpperRightHandle, r.topRight()},
             {zelk::MiddleLeftHandle, QPointF(r.left(), cy)},
             {zelk::MiddleRightHandle, QPointF(r.right(), cy)},
             {zelk::LowerLeftHandle, r.bottomLeft()},
             {zelk::LowerMiddleHandle, QPointF(cx, r.bottom())},
             {zelk::LowerRightHandle, r.bottomRight()}}};
}

double handleHalfSide(double scale) {
    const double s = (std::isfinite(scale) && scale > 0) ? scale : 1.0;
    return zelk::HandleSideOnScreen / 2 / s;
}

}  // namespace

namespace zelk {

// Handles are drawn unrotated on the bounds: resizing works on the bounds.
void drawHandleAt(QPainter& painter, QPointF at, double scale) {
    const double h = handleHalfSide(scale);
    const QRectF r(at.x() - h, at.y() - h, 2 * h, 2 * h);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(Qt::white), 0));
    painter.setBrush(QColor(0x30, 0x60, 0xd0));
    painter.drawRect(r);
    painter.restore();
}

bool isOnHandle(QPointF point, QPointF at, double scale) {
    const double h = handleHalfSide(scale);
    return std::abs(point.x() - at.x()) <= h && std::abs(point.y() - at.y()) <= h;
}

}  // namespace zelk

void SKTGraphic::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    // A record without a kind of its own draws as a plain rectangle.
    QPainterPath outline;
    outline.addRect(_bounds.normalized());
    zelk::paintWithShadow(painter, *this, zelk::strokedArea(*this, outline), [&](QPainter& p) {
        zelk::fillGraphicPath(p, *this, outline);
        zelk::strokeGraphicPath(p, *this, outline);
    });
}

void SKTGraphic::drawHandles(QPainter& painter, double scale) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    for (const HandlePoint& h : boxHandles(_bounds))
        zelk::drawHandleAt(painter, h.at, scale);
}

bool SKTGraphic::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    return _bounds.normalized().contains(point);
}

int SKTGraphic::handleUnderPoint(QPointF point, double scale) const {
    if (!zelk::drawableBounds(_bounds))
        return zelk::NoHandle;
    // The last handle drawn is on top, so it is looked at first.
    const auto handles = boxHandles(_bounds);
    for (auto it = handles.rbegin(); it != handles.rend(); ++it)
        if (zelk::isOnHandle(point, it->at, scale))
            return it->handle;
    return zelk::NoHandle;
}

QRectF SKTGraphic::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    QPainterPath outline;
    outline.addRect(_bounds.normalized());
    const QRectF r = zelk::strokedArea(*this, outline);
    return r.united(zelk::shadowArea(*this, r));
}

namespace zelk {

QRectF strokedArea(const SKTGraphic& g, const QPainterPath& outline, Qt::PenCapStyle cap) {
    QRectF r = outline.boundingRect();
    if (g._isDrawingStroke && std::isfinite(g._strokeWidth) && g._strokeWidth > 0) {
        QPainterPathStroker stroker(graphicStrokePen(g, cap));
        stroker.setDashPattern(Qt::SolidLine);  // dashes only remove ink
        r = r.united(stroker.createStroke(outline).boundingRect());
    }
    return r;
}

}  // namespace zelk
