#pragma once
// The row of buttons at the foot of every mail window: the `leading`
// buttons at the left, then a stretch, then the `trailing` ones, the last
// of which is the window's default button.
#include <QList>
#include <QStringList>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace zelk::mail {

// Adds the row to `layout`; returns the buttons, leading then trailing, in
// the order given.
QList<QPushButton*> addButtonRow(QBoxLayout* layout, QWidget* parent, const QStringList& leading,
                                 const QStringList& trailing);

}  // namespace zelk::mail
