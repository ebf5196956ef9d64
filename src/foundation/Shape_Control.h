#pragma once
// A shape graphic: rectangle, circle, rounded rectangle, triangle, diamond, star, double star or polygon (shape_type, a ShapeCode).
#include "foundation/SKTGraphic.h"

class Shape_Control : public SKTGraphic {
public:
    explicit Shape_Control(const QString& shapeCode = QStringLiteral("R"));
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Shape; }
    std::shared_ptr<SKTGraphic> clone() const override;

    // Drawing and hit testing (bodies in SKTShapeDrawing.cpp); handles are the
    // base's.
    void drawContents(QPainter& painter) const override;
    bool isContentsUnderPoint(QPointF point) const override;
    QRectF drawingBounds() const override;
};
