#include "visitors/PaneRoom.h"

#include <algorithm>

namespace zelk {

QRect widenedForPanes(const QRect& frame, int lacking, const QRect& screen) {
    const int grow = std::min(lacking, screen.width() - frame.width());
    if (grow <= 0)
        return frame;
    QRect wider = frame.adjusted(0, 0, grow, 0);
    // Still on the screen: the window moves left as far as it grew past it.
    const int overflow = wider.right() - screen.right();
    if (overflow > 0)
        wider.moveLeft(std::max(screen.left(), frame.left() - overflow));
    return wider;
}

}  // namespace zelk
