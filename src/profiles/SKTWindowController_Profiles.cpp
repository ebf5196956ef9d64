// The main window's card-holder profile topic: the layout rectangles, the
// profile dialogs' opener and the stamping of profiles onto the sides.
#include "mainwindow/SKTWindowController.h"

#include "profiles/ProfileLayoutTemplate.h"

QRectF SKTWindowController::Get_Control_Rect_From_Template(const QString& ctrl_ID, const QString&) const {
    return zelk::profileControlRect(ctrl_ID, Front_card_Prop.Card_Size);
}
