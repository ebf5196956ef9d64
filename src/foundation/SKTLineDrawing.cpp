// Drawing and hit testing of line graphics: a stroke across the bounds in
// the direction of _line_ori, with the cap of _line_cap_style. A line is its
// stroke, so it draws whatever _isDrawingStroke holds.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTLine.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace {

QPainterPath linePath(const SKTGraphic& g) {
    const QLineF l = zelk::lineInBounds(g._bounds.normalized(), g._line_ori);
    QPainterPath path(l.p1());
    path.lineTo(l.p2());
    return path;
}

QRectF lineArea(const SKTGraphic& g) {
    const QPainterPath path = linePath(g);
    QRectF r = path.boundingRect();
    if (std::isfinite(g._strokeWidth) && g._strokeWidth > 0) {
        QPainterPathStroker stroker(zelk::graphicStrokePen(g, zelk::lineCapStyle(g._line_cap_style)));
        stroker.setDashPattern(Qt::SolidLine);
        r = r.united(stroker.createStroke(path).boundingRect());
    }
    return r;
}

constexpr double GrabTolerance = 3.0;

}  // namespace

void SKTLine::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QPainterPath path = linePath(*this);
    const QPen pen = zelk::graphicStrokePen(*this, zelk::lineCapStyle(_line_cap_style));
    zelk::paintWithShadow(painter, *this, lineArea(*this), [&](QPainter& p) {
        p.strokePath(path, pen);
    });
}

void SKTLine::drawHandles(QPainter& painter, double scale) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QLineF l = zelk::lineInBounds(_bounds.normalized(), _line_ori);
    zelk::drawHandleAt(painter, l.p1(), scale);
    zelk::drawHandleAt(painter, l.p2(), scale);
}

bool SKTLine::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    const QLineF l = zelk::lineInBounds(_bounds.normalized(), _line_ori);
    const QPointF d = l.p2() - l.p1();
    const double len2 = d.x() * d.x() + d.y() * d.y();
    double t = 0;
    if (len2 > 0)
        t = std::clamp(QPointF::dotProduct(point - l.p1(), d) / len2, 0.0, 1.0);
    const QPointF nearest = l.p1() + d * t;
    const double w = std::isfinite(_strokeWidth) ? _strokeWidth : 0.0;
    return QLineF(point, nearest).length() <= std::max(w / 2, GrabTolerance);
}

int SKTLine::handleUnderPoint(QPointF point, double scale) const {
    if (!zelk::drawableBounds(_bounds))
        return zelk::NoHandle;
    const QLineF l = zelk::lineInBounds(_bounds.normalized(), _line_ori);
    if (zelk::isOnHandle(point, l.p2(), scale))
        return zelk::LineEndHandle;
    if (zelk::isOnHandle(point, l.p1(), scale))
        return zelk::LineBeginHandle;
    return zelk::NoHandle;
}

QRectF SKTLine::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    const QRectF r = lineArea(*this);
    return r.united(zelk::shadowArea(*this, r));
}
