#include "foundation/SKTBarcode.h"

SKTBarcode::SKTBarcode() {
    // The picture carries its own background; the frame is not drawn.
    _isDrawingStroke = false;
    _isDrawingFill = false;  // NO: an opaque background
}

std::shared_ptr<SKTGraphic> SKTBarcode::clone() const {
    return std::make_shared<SKTBarcode>(*this);
}

void SKTBarcode::makeNaturalSize() {}
