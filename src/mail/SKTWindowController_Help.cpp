// The hub's help and promotion commands.
#include "mainwindow/SKTWindowController.h"

#include "mail/Help_Support.h"
#include "mail/Promotion_Form.h"
#include "mail/Toolbar_help.h"

#include <QAction>
#include <QToolBar>

namespace {

void openPromotion(const QString& code) {
    Promotion_Form* form = Promotion_Form::defaultInstance();
    form->software_type = code;
    form->Open_Promotion_Window();
}

}  // namespace

void SKTWindowController::Help_Support_Clicked() {
    static Help_Support* window = new Help_Support(this);
    window->Open_Wnd();
}

void SKTWindowController::Zelk_SMS_Prmotion() { openPromotion(QStringLiteral("S")); }
void SKTWindowController::Zelk_Recovery_Prmotion() { openPromotion(QStringLiteral("R")); }
void SKTWindowController::Zelk_Barcode_Prmotion() { openPromotion(QStringLiteral("B")); }

void SKTWindowController::Set_Help_Toolbar_Item_Size() {
    auto* bar = findChild<QToolBar*>(QStringLiteral("command_toolbar"));
    auto* help = findChild<QAction*>(QStringLiteral("Help_Button"));
    if (bar && help)
        Toolbar_help::apply(bar->widgetForAction(help), Get_OS_Version());
}
