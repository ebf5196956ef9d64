// Drawing and hit testing of shape graphics (Shape_Control): the outline of
// its ShapeCode, filled, then stroked, the whole turned by text_rotation
// about the centre.
#include "foundation/DrawingCodes.h"
#include "foundation/Shape_Control.h"

#include <QHash>
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

// What decides the area a shape's outline and stroke cover. Stroking an
// outline is dear, and a placement asks every shape of a side for its
// area many times over while none of them changes.
struct OutlineKey {
    QRectF bounds;
    QString shape, border;
    float corner;
    int star, sides, turn;
    bool stroked;
    double strokeWidth;
    bool operator==(const OutlineKey&) const = default;
};
size_t qHash(const OutlineKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.bounds.x(), k.bounds.y(), k.bounds.width(), k.bounds.height(), k.shape, k.border,
                      k.corner, k.star, k.sides, k.turn, k.stroked, k.strokeWidth);
}

// The area of the placed outline and its stroke, cached per thread (the
// export's workers draw too) for the last few thousand shapes asked.
QRectF outlineArea(const SKTGraphic& g) {
    thread_local QHash<OutlineKey, QRectF> cache;
    const OutlineKey key{g._bounds,         g.shape_type,   g._stroke_border_type, g.cor_rad_val,    g.double_star_type,
                         g.polygon_type,    g.text_rotation, g._isDrawingStroke,   g._strokeWidth};
    if (const auto at = cache.constFind(key); at != cache.cend())
        return *at;
    if (cache.size() >= 4096)
        cache.clear();
    const QRectF area = zelk::strokedArea(g, placedOutline(g));
    cache.insert(key, area);
    return area;
}

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
    const QRectF r = outlineArea(*this);
    return r.united(zelk::shadowArea(*this, r));
}
