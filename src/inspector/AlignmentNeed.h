#pragma once
// What an alignment or size command needs before it touches the canvas.
#include <QString>

namespace zelk {

enum class AlignmentNeed {
    Nothing,
    SeveralSelected,  // same width, same height: a reference and another graphic
    GridShown,        // grid align: the user sees what the graphics snap to
};

// The message that refuses the command, or "" when it may run.
QString alignmentRefusal(AlignmentNeed need, qsizetype selectedCount, bool gridShown);

}  // namespace zelk
