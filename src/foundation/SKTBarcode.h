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
    // Drawing and drawn area (bodies in SKTBarcodeDrawing.cpp); hit testing
    // and handles are the base's.
    void drawContents(QPainter& painter) const override;
    QRectF drawingBounds() const override;
};
