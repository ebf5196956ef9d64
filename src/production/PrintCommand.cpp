#include "production/PrintCommand.h"

#include "mainwindow/SKTWindowController.h"
#include "dialogs/PrintInfo.h"

#include <QAction>

void PrintCommand::install(SKTWindowController& window) {
    window.setPrintInfo(zelk::PrintInfo::defaults());
    if (QAction* print = window.actionNamed(QStringLiteral("Print_Button")))
        QObject::connect(print, &QAction::triggered, &window, &SKTWindowController::Print_method,
                         Qt::UniqueConnection);
}
