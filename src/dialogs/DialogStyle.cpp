#include "dialogs/DialogStyle.h"

#include "foundation/AppPaths.h"

#include <QBoxLayout>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QSpacerItem>
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
    // Title bars draw the title in bold, as "<title> — <application>", or
    // the application's name alone.
    const QString name = QString::fromLatin1(zelk::AppPaths::applicationName);
    const QString title = dialog->windowTitle();
    const QString shown = title.isEmpty() || title == name ? name : title + QStringLiteral(" \u2014 ") + name;
    QFont font = dialog->font();
    font.setBold(true);
    // The bar's buttons (close, maximise, minimise) and its margins.
    constexpr int ButtonsRoom = 130;
    const int need = QFontMetrics(font).horizontalAdvance(shown) + ButtonsRoom;
    // A message box sets its own size as it opens, from its layout's.
    if (qobject_cast<QMessageBox*>(dialog)) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
            grid->addItem(new QSpacerItem(need, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                          1, grid->columnCount());
        return;
    }
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), need));
}
