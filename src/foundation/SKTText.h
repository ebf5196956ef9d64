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
    // Drawing and hit testing (bodies in SKTTextDrawing.cpp); handles are the
    // base's.
    void drawContents(QPainter& painter) const override;
    bool isContentsUnderPoint(QPointF point) const override;
    QRectF drawingBounds() const override;
};
