#include "canvas/ToolPalette.h"

namespace zelk {

namespace {
int checkedTool(int tool) {
    return (tool >= FirstToolKind && tool <= LastToolKind) ? tool : int(ArrowTool);
}
}  // namespace

ToolPalette::ToolPalette(QObject* parent) : QObject(parent) {}

void ToolPalette::selectTool(int tool) {
    tool_ = checkedTool(tool);
    emit SKTSelectedToolDidChange(tool_);
}

void ToolPalette::setToolQuietly(int tool) {
    tool_ = checkedTool(tool);
}

ToolPalette* ToolPalette::shared() {
    static ToolPalette* palette = new ToolPalette();  // lives for the whole run
    return palette;
}

}  // namespace zelk
