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
    if (fitted != wanted)
        window->resize(fitted);
    // A window neither shown nor placed yet is centred by the toolkit when
    // it shows.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Moved))
        return;
    const QMargins frame = windowFrame(window);
    const QRect outer = window->geometry().marginsAdded(frame);
    const QPoint place = keptOnScreen(outer, screenOf(window)->availableGeometry());
    if (place != outer.topLeft())
        window->move(window->pos() + (place - outer.topLeft()));
}

void zelk::openLarge(QWidget* window) {
    if (!window || !screenOf(window))
        return;
    const QSizeF room = QSizeF(roomOnScreen(window)) * LargeWindowShare;
    window->resize(room.toSize().expandedTo(window->minimumSize()));
}

QPoint zelk::keptOnScreen(const QRect& frame, const QRect& available) {
    QPoint place = frame.topLeft();
    place.rx() -= std::max(0, frame.right() - available.right());
    place.ry() -= std::max(0, frame.bottom() - available.bottom());
    return QPoint(std::max(place.x(), available.left()), std::max(place.y(), available.top()));
}
