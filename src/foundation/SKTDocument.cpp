#include "foundation/SKTDocument.h"

#include "foundation/SKTGraphic.h"

SKTDocument::SKTDocument(QObject* parent) : QObject(parent) {}

SKTDocument::~SKTDocument() = default;

GraphicList& SKTDocument::mutableGraphics(int side) {
    switch (side) {
    case BackSide: return graphics_back;
    case TempSide: return graphics_temp;
    default: return graphics;
    }
}

const GraphicList& SKTDocument::graphicsOfSide(int side) const {
    return const_cast<SKTDocument*>(this)->mutableGraphics(side);
}
