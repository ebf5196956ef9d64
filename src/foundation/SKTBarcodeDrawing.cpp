// Drawing of barcode graphics: the barcode picture made by the barcode
// window, drawn into the bounds without smoothing so that bar edges stay
// sharp; a thin empty frame while the graphic has no picture yet, so it can
// still be seen and grabbed on the canvas.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTBarcode.h"

#include <QPainter>

void SKTBarcode::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    if (!_barcode_image.isNull()) {
        zelk::drawPictureInRect(painter, _barcode_image, box, 1.0, false);
        return;
    }
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

void SKTBarcode::drawHandles(QPainter& painter, double scale) const {
    SKTGraphic::drawHandles(painter, scale);
}

bool SKTBarcode::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    return SKTGraphic::isContentsUnderPoint(point);
}

int SKTBarcode::handleUnderPoint(QPointF point, double scale) const {
    return SKTGraphic::handleUnderPoint(point, scale);
}

QRectF SKTBarcode::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    return _bounds.normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
}
