#include "canvas/SKTGrid.h"

#include <QPainter>
#include <QPen>

#include <cmath>

SKTGrid::SKTGrid(QObject* parent) : QObject(parent), _color(Qt::lightGray) {}

void SKTGrid::setColor(const QColor& color) {
    if (color == _color)
        return;
    _color = color;
    emit gridChanged();
}

void SKTGrid::setSpacing(double spacing) {
    if (!std::isfinite(spacing) || spacing == _spacing)
        return;
    _spacing = spacing;
    emit gridChanged();
}

void SKTGrid::setAlwaysShown(bool flag) {
    if (flag == alwaysShown_)
        return;
    alwaysShown_ = flag;
    emit alwaysShownChanged(flag);
    emit gridChanged();
}

void SKTGrid::setConstraining(bool flag) {
    constraining_ = flag;
}

bool SKTGrid::snaps() const {
    return constraining_ && std::isfinite(_spacing) && _spacing > 0;
}

static double roundToGrid(double v, double spacing) {
    return std::floor(v / spacing + 0.5) * spacing;
}

QPointF SKTGrid::alignedPoint(const QPointF& p) const {
    if (!(std::isfinite(_spacing) && _spacing > 0))
        return p;
    return QPointF(roundToGrid(p.x(), _spacing), roundToGrid(p.y(), _spacing));
}

QRectF SKTGrid::alignedRect(const QRectF& rect) const {
    if (!(std::isfinite(_spacing) && _spacing > 0))
        return rect;
    const QPointF origin = alignedPoint(rect.topLeft());
    const QPointF corner = alignedPoint(rect.bottomRight());
    return QRectF(origin, corner);
}

void SKTGrid::drawRect(QPainter& painter, const QRectF& rect, double scale) const {
    if (!alwaysShown_ || !(std::isfinite(_spacing) && _spacing > 0) || !(scale > 0))
        return;
    if (_spacing * scale < 4.0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(_color, 0));  // cosmetic: one pixel whatever the zoom
    const double x0 = std::ceil(rect.left() / _spacing) * _spacing;
    for (double x = x0; x <= rect.right(); x += _spacing)
        painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
    const double y0 = std::ceil(rect.top() / _spacing) * _spacing;
    for (double y = y0; y <= rect.bottom(); y += _spacing)
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
    painter.restore();
}
