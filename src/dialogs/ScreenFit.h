#pragma once
// Windows open no larger than their screen leaves them beside the desktop's
// title bar and frame, and wholly on that screen: a window laid out for a
// large screen still shows its buttons on a 1280 x 720 one.
#include <QMargins>
#include <QPoint>
#include <QRect>
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
// a window shown or placed earlier back onto its screen.
void fitOnScreen(QWidget* window);
// A window whose content is worth all the room it gets (a print preview)
// opens over most of the room its screen leaves: LargeWindowShare of it
// each way.
constexpr double LargeWindowShare = 0.9;
void openLarge(QWidget* window);
// Where a window whose frame is `frame` goes to stay on `available`: where
// it is when it fits, else moved back as little as it must; a frame larger
// than the screen shows its top left.
QPoint keptOnScreen(const QRect& frame, const QRect& available);

}  // namespace zelk
