#pragma once
// Windows open no larger than their screen leaves them beside the desktop's
// title bar and frame, and wholly on that screen: a window laid out for a
// large screen still shows its buttons on a 1280 x 720 one.
#include <QMargins>
#include <QSize>

class QWidget;

namespace zelk {

// The frame the desktop draws round the window: measured once it has been
// shown, else a title bar of TitleBarRoom pixels and a thin border.
QMargins windowFrame(const QWidget* window);
constexpr int TitleBarRoom = 30;
// The largest size the window may take on its screen (the primary screen
// while it has none).
QSize roomOnScreen(const QWidget* window);
// Shrinks the window to that room, never below its smallest size, and moves
// a window placed earlier back onto its screen.
void fitOnScreen(QWidget* window);

}  // namespace zelk
