#include "dialogs/DialogStyle.h"

#include <QBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

void zelk::applyDialogBackground(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(241, 244, 250));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

zelk::OkCancelButtons zelk::addOkCancelButtons(QWidget* dialog, QBoxLayout* row) {
    OkCancelButtons buttons;
    row->addStretch();
    buttons.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
    buttons.ok->setDefault(true);
    row->addWidget(buttons.cancel);
    row->addWidget(buttons.ok);
    return buttons;
}
