// Drawing and hit testing of shape graphics (Shape_Control): the outline of
// its ShapeCode, filled, then stroked, the whole turned by text_rotation
// about the centre.
#include "foundation/DrawingCodes.h"
#include "foundation/Shape_Control.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace {

// The outline as it lies on the card, rotation applied.
QPainterPath placedOutline(const SKTGraphic& g) {
    const QPainterPath outline = zelk::shapeOutline(g.shape_type, g._bounds, g.cor_rad_val,
                                                    g.double_star_type, g.polygon_type);
    return zelk::rotationAbout(g._bounds.normalized(), g.text_rotation).map(outline);
}

// Near enough to grab a thin outline, in points.
constexpr double GrabTolerance = 3.0;

}  // namespace

void Shape_Control::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    // The shape is drawn turned, not its outline alone: a gradient or a
    // hatch turns with the shape it fills.
    const QPainterPath outline = zelk::shapeOutline(shape_type, _bounds, cor_rad_val,
                                                    double_star_type, polygon_type);
    const QTransform turn = zelk::rotationAbout(_bounds.normalized(), text_rotation);
    zelk::paintWithShadow(painter, *this, zelk::strokedArea(*this, turn.map(outline)), [&](QPainter& p) {
        p.save();
        p.setTransform(turn, true);
        zelk::fillGraphicPath(p, *this, outline);
        zelk::strokeGraphicPath(p, *this, outline);
        p.restore();
    });
}

bool Shape_Control::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    const QPainterPath outline = placedOutline(*this);
    // A shape with neither fill nor outline is still found by its area, or
    // it could never be selected again.
    if (_isDrawingFill || !_isDrawingStroke)
        if (outline.contains(point))
            return true;
    if (_isDrawingStroke) {
        QPainterPathStroker stroker;
        const double w = std::isfinite(_strokeWidth) ? _strokeWidth : 0.0;
        stroker.setWidth(std::max(w, 2 * GrabTolerance));
        stroker.setJoinStyle(Qt::MiterJoin);
        return stroker.createStroke(outline).contains(point);
    }
    return false;
}

QRectF Shape_Control::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    const QRectF r = zelk::strokedArea(*this, placedOutline(*this));
    return r.united(zelk::shadowArea(*this, r));
}
