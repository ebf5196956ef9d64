#pragma once
// A line across its bounds; _line_ori chooses which way it runs.
#include "foundation/SKTGraphic.h"

class SKTLine : public SKTGraphic {
public:
    SKTLine();
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Line; }
    std::shared_ptr<SKTGraphic> clone() const override;

    // Drawing and hit testing (bodies in SKTLineDrawing.cpp).
    void drawContents(QPainter& painter) const override;
    void drawHandles(QPainter& painter, double scale) const override;
    bool isContentsUnderPoint(QPointF point) const override;
    int handleUnderPoint(QPointF point, double scale) const override;
    QRectF drawingBounds() const override;
};
