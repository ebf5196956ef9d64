#pragma once
// A barcode graphic: its picture _barcode_image, made from its BarcodeSettings by the barcode window, drawn into its bounds.
#include "foundation/SKTGraphic.h"

class SKTBarcode : public SKTGraphic {
public:
    SKTBarcode();
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Barcode; }
    std::shared_ptr<SKTGraphic> clone() const override;
    // A barcode's size follows its settings: left as it is.
    void makeNaturalSize() override;
    // Drawing and hit testing (bodies in SKTGraphicDrawing.cpp).
    void drawContents(QPainter& painter) const override;
    void drawHandles(QPainter& painter, double scale) const override;
    bool isContentsUnderPoint(QPointF point) const override;
    int handleUnderPoint(QPointF point, double scale) const override;
    QRectF drawingBounds() const override;
};
