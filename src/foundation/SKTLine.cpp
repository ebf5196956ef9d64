#include "foundation/SKTLine.h"

SKTLine::SKTLine() {
    _isDrawingStroke = true;
    _isDrawingFill = false;
}

std::shared_ptr<SKTGraphic> SKTLine::clone() const {
    return std::make_shared<SKTLine>(*this);
}
