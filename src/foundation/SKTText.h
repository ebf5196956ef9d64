#pragma once
// A text graphic: Text_Value shown in text_ctrl_font, txt_clr and the text alignment.
#include "foundation/SKTGraphic.h"

class SKTText : public SKTGraphic {
public:
    SKTText();
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Text; }
    std::shared_ptr<SKTGraphic> clone() const override;
    // Fits the bounds to the text: the widest line by the lines' height.
    void makeNaturalSize() override;
    // The size of the text laid out in the font (one line per paragraph),
    // in points.
    QSizeF naturalTextSize() const;
    // Drawing and hit testing (bodies in SKTGraphicDrawing.cpp).
    void drawContents(QPainter& painter) const override;
    void drawHandles(QPainter& painter, double scale) const override;
    bool isContentsUnderPoint(QPointF point) const override;
    int handleUnderPoint(QPointF point, double scale) const override;
    QRectF drawingBounds() const override;
};
