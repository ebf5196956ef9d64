#include "inspector/ArrangeMenu.h"

#include "canvas/SKTGrid.h"
#include "mainwindow/SKTWindowController.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void ArrangeMenu::install(SKTWindowController& window) {
    const QString menuName = QStringLiteral("arrange_menu");
    if (window.menuBar()->findChild<QMenu*>(menuName))
        return;
    auto* menu = new QMenu(QObject::tr("&Arrange"), window.menuBar());
    menu->setObjectName(menuName);
    // Before the menu that holds the series commands, or last.
    QAction* before = nullptr;
    const QAction* series = window.actionNamed(QStringLiteral("Batch_Series_Button"));
    for (QAction* entry : window.menuBar()->actions())
        if (entry->menu() && series && entry->menu()->actions().contains(series))
            before = entry;
    window.menuBar()->insertMenu(before, menu);

    using W = SKTWindowController;
    auto command = [&](const char* name, const QString& text, void (W::*op)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, &window, op);
        return action;
    };
    command("Align_Left_Button", QObject::tr("Align Left Edges"), &W::Align_Left_Clicked);
    command("Align_Right_Button", QObject::tr("Align Right Edges"), &W::Align_Right_Clicked);
    command("Align_Top_Button", QObject::tr("Align Top Edges"), &W::Align_Top_Clicked);
    command("Align_Bottom_Button", QObject::tr("Align Bottom Edges"), &W::Align_Bottom_Clicked);
    command("Align_Horz_Button", QObject::tr("Align Horizontal Centres"), &W::Align_Horz_Clicked);
    command("Align_Vert_Button", QObject::tr("Align Vertical Centres"), &W::Align_Vert_Clicked);
    command("Align_Center_Button", QObject::tr("Centre on Card"), &W::Align_Center_Clicked);
    menu->addSeparator();
    command("Make_Same_Width_Button", QObject::tr("Make Same Width"), &W::Make_Same_Width_Clicked);
    command("Make_Same_Height_Button", QObject::tr("Make Same Height"), &W::Make_Same_Height_Clicked);
    command("Make_Fit_To_Label_Button", QObject::tr("Fit to Card"), &W::Make_Fit_To_Label_Clicked);
    command("Make_Natural_Button", QObject::tr("Make Natural Size"), &W::Make_Natural_Clicked);
    menu->addSeparator();
    command("Align_To_Grid_Button", QObject::tr("Align to Grid"), &W::Align_To_Grid_Clicked);
    command("Grid_Button", QObject::tr("Grid..."), &W::toggleGridShowing);
    QAction* snap = command("Snap_To_Grid_Button", QObject::tr("Snap to Grid"), &W::toggleGridConstraining);
    snap->setCheckable(true);
    snap->setChecked(window.grid()->isConstraining());
    // The check follows the grid, whichever way it was toggled.
    QObject::connect(snap, &QAction::triggered, snap,
                     [snap, &window] { snap->setChecked(window.grid()->isConstraining()); });
    menu->addSeparator();
    command("Units_Button", QObject::tr("Units..."), &W::doPreferences);
}
