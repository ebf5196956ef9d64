#pragma once
// Room for the live layout's panes: the visitor desk's entry panel and the
// group list sit left of the canvas and the inspector.
#include <QRect>

namespace zelk {

// The frame of a window that lacks `lacking` pixels for its panes: wider by
// what it lacks, at most as wide as its screen's available area, and moved
// left as far as it then runs past that area's right edge. The same frame
// when it lacks nothing or cannot grow.
QRect widenedForPanes(const QRect& frame, int lacking, const QRect& screen);

}  // namespace zelk
