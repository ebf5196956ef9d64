#pragma once
// The number of a drawing tool (Selected_Control_Tool) and the graphic each
// tool creates. 0, 2 and 8 are fixed by the callers that choose tools by
// number (profiles, visitor desk, image library); the others are ours.
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

#include <QString>
#include <optional>

namespace zelk {

enum ToolKind : int {
    ArrowTool = 0,
    LineTool = 1,
    TextTool = 2,
    RectangleTool = 3,
    CircleTool = 4,
    RoundedRectangleTool = 5,
    BarcodeTool = 6,
    SignatureTool = 7,
    ImageTool = 8,
    TriangleTool = 9,
    DiamondTool = 10,
    StarTool = 11,
    DoubleStarTool = 12,
    PolygonTool = 13,
};

constexpr int FirstToolKind = ArrowTool;
constexpr int LastToolKind = PolygonTool;

// The kind a tool creates; none for the arrow and for unknown numbers.
inline std::optional<GraphicKind> graphicKindForTool(int tool) {
    switch (tool) {
    case LineTool: return GraphicKind::Line;
    case TextTool: return GraphicKind::Text;
    case BarcodeTool: return GraphicKind::Barcode;
    case SignatureTool: return GraphicKind::Signature;
    case ImageTool: return GraphicKind::Image;
    case RectangleTool: case CircleTool: case RoundedRectangleTool: case TriangleTool:
    case DiamondTool: case StarTool: case DoubleStarTool: case PolygonTool:
        return GraphicKind::Shape;
    default: return std::nullopt;
    }
}

// The ShapeCode a shape tool creates; empty for the other tools.
inline QString shapeCodeForTool(int tool) {
    switch (tool) {
    case RectangleTool: return ShapeCode::Rectangle;
    case CircleTool: return ShapeCode::Circle;
    case RoundedRectangleTool: return ShapeCode::RoundedRectangle;
    case TriangleTool: return ShapeCode::Triangle;
    case DiamondTool: return ShapeCode::Diamond;
    case StarTool: return ShapeCode::Star;
    case DoubleStarTool: return ShapeCode::DoubleStar;
    case PolygonTool: return ShapeCode::Polygon;
    default: return QString();
    }
}

// The tool that creates graphics of the kind (a shape by its ShapeCode);
// the arrow for an unknown shape code.
inline int toolForGraphic(GraphicKind kind, const QString& shapeCode = QString()) {
    switch (kind) {
    case GraphicKind::Line: return LineTool;
    case GraphicKind::Text: return TextTool;
    case GraphicKind::Barcode: return BarcodeTool;
    case GraphicKind::Signature: return SignatureTool;
    case GraphicKind::Image: return ImageTool;
    case GraphicKind::Shape:
        for (int t = FirstToolKind; t <= LastToolKind; ++t)
            if (!shapeCodeForTool(t).isEmpty() && shapeCodeForTool(t) == shapeCode)
                return t;
        return ArrowTool;
    }
    return ArrowTool;
}

}  // namespace zelk
