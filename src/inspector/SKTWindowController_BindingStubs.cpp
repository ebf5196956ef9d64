// Stand-ins for the binding operations until data binding lands: binding
// says it is not available yet, the look-ups find nothing.
#include "mainwindow/SKTWindowController.h"

#include "foundation/Codes.h"
#include "mainwindow/AppGlobals.h"

#include <QComboBox>

void SKTWindowController::Change_Data_Source_To_selected_Control(int, const QString&, int) {
    if (::Not_Draw_Only_Prop_Change || !Get_Selected_Graphic())
        return;
    Show_Not_Available(QStringLiteral("Data binding"));
}

int SKTWindowController::Get_Data_SetIndex_According_Name(const QString&) const { return DataSourceType::None; }

QString SKTWindowController::Get_First_Value_Of_Dataset(const QString&) const { return QString(); }

QString SKTWindowController::Get_First_Value_Of_Excel_Binding(int) const { return QString(); }

QString SKTWindowController::Get_Excel_Column_Name_Of_Index(int) const { return QString(); }

int SKTWindowController::Calculate_Excel_table_rows() { return 0; }

void SKTWindowController::Fill_Excel_Col_Name_In_Combo(QComboBox* combo) {
    if (combo)
        combo->clear();
}

void SKTWindowController::Add_Excel_Col_Name_In_Combo(QComboBox*) {}

void SKTWindowController::Remove_Excel_Col_Name_In_Combo(QComboBox*) {}
