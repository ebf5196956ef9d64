#include "dialogs/DialogStyle.h"

#include "foundation/AppPaths.h"

#include <QBoxLayout>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

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

void zelk::keepTitleWhole(QWidget* dialog) {
    // Title bars draw the title in bold, as "<title> — <application>".
    const QString shown = dialog->windowTitle() + QStringLiteral(" \u2014 ") +
                          QString::fromLatin1(zelk::AppPaths::applicationName);
    QFont font = dialog->font();
    font.setBold(true);
    // The bar's buttons (close, maximise, minimise) and its margins.
    constexpr int ButtonsRoom = 130;
    const int need = QFontMetrics(font).horizontalAdvance(shown) + ButtonsRoom;
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), need));
}
