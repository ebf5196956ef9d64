#include "mainwindow/DialogStyle.h"

#include <QPalette>
#include <QWidget>

void zelk::applyDialogBackground(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(241, 244, 250));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}
