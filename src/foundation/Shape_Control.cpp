#include "foundation/Shape_Control.h"

Shape_Control::Shape_Control(const QString& shapeCode) {
    shape_type = shapeCode;
}

std::shared_ptr<SKTGraphic> Shape_Control::clone() const {
    return std::make_shared<Shape_Control>(*this);
}
