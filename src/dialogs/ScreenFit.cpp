#include "dialogs/ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QScreen* screenOf(const QWidget* window) {
    QScreen* screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QMargins zelk::windowFrame(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    QMargins frame = handle ? handle->frameMargins() : QMargins();
    frame.setTop(std::max(frame.top(), TitleBarRoom));
    frame.setLeft(std::max(frame.left(), 2));
    frame.setRight(std::max(frame.right(), 2));
    frame.setBottom(std::max(frame.bottom(), 2));
    return frame;
}

QSize zelk::roomOnScreen(const QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size().shrunkBy(windowFrame(window));
}

void zelk::fitOnScreen(QWidget* window) {
    if (!window || !screenOf(window))
        return;
    if (window->layout())
        window->layout()->activate();
    // A window never sized takes its size hint when it shows: it is sized
    // here only when that would not fit.
    const bool sized = window->testAttribute(Qt::WA_Resized);
    const QSize wanted = sized ? window->size() : window->sizeHint();
    const QSize fitted = wanted.boundedTo(roomOnScreen(window)).expandedTo(window->minimumSize());
    if (fitted != wanted || (sized && fitted != window->size()))
        window->resize(fitted);
    // A window not placed yet is centred by the toolkit when it shows.
    if (!window->testAttribute(Qt::WA_Moved))
        return;
    const QRect screen = screenOf(window)->availableGeometry();
    const QMargins frame = windowFrame(window);
    const QRect before = window->geometry().marginsAdded(frame);
    QRect outer = before;
    outer.moveRight(std::min(outer.right(), screen.right()));
    outer.moveBottom(std::min(outer.bottom(), screen.bottom()));
    outer.moveLeft(std::max(outer.left(), screen.left()));
    outer.moveTop(std::max(outer.top(), screen.top()));
    if (outer.topLeft() != before.topLeft())
        window->move(window->pos() + (outer.topLeft() - before.topLeft()));
}
