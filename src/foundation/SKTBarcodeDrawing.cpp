// Drawing of barcode graphics: the barcode picture made by the barcode
// window, drawn into the bounds without smoothing so that bar edges stay
// sharp and stored without loss; a thin empty frame while the graphic has no picture yet, so it can
// still be seen and grabbed on the canvas.
#include "foundation/DrawingCodes.h"
#include "foundation/IndexedPicture.h"
#include "foundation/SKTBarcode.h"

#include <QPaintEngine>
#include <QPainter>

void SKTBarcode::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    if (!_barcode_image.isNull()) {
        // A PDF page (export, print) would otherwise store the bars as JPEG.
        painter.save();
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QPaintEngine* engine = painter.paintEngine();
        if (engine && engine->type() == QPaintEngine::Pdf) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            zelk::IndexedPicture::drawOnPage(painter, _barcode_image, box);
        } else {
            zelk::drawPictureInRect(painter, _barcode_image, box, 1.0, false);
        }
        painter.restore();
        return;
    }
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

QRectF SKTBarcode::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    return _bounds.normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
}
