#pragma once
// The current drawing tool (Selected_Control_Tool, a ToolKind number).
// Choosing a tool posts SKTSelectedToolDidChange; the main window answers by
// creating a graphic of that tool's kind on the current side's canvas.
#include "canvas/ToolKind.h"

#include <QObject>

namespace zelk {

class ToolPalette : public QObject {
    Q_OBJECT
public:
    explicit ToolPalette(QObject* parent = nullptr);

    int Selected_Control_Tool() const { return tool_; }
    // Makes the tool current and posts SKTSelectedToolDidChange (also when
    // the tool was current already: choosing a tool again creates another
    // graphic). Unknown numbers choose the arrow.
    void selectTool(int tool);
    // The arrow tool, posted like any other choice.
    void selectArrowTool() { selectTool(ArrowTool); }
    // Changes the current tool without posting: used by the canvas once it
    // has created the tool's graphic, and before creating a text by ID.
    void setToolQuietly(int tool);

    // The palette of the process, used by canvases that were given none.
    static ToolPalette* shared();

signals:
    void SKTSelectedToolDidChange(int tool);

private:
    int tool_ = ArrowTool;
};

}  // namespace zelk
