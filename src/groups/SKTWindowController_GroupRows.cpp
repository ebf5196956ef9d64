// Group projects on the main window: the rows of the group list, put on
// the card and taken back from the entry panels (add, delete, save).
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "foundation/WorkbookPicturePath.h"
#include "groups/GroupTable.h"
#include "groups/Group_Mode_Wizard.h"
#include "inspector/InspectorRules.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "production/GroupListModel.h"
#include "production/ProductionGlobals.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QSet>
#include <QTableView>

namespace {

const QString RecordAdded = QStringLiteral("Record added successfully.");
const QString RecordDeleted = QStringLiteral("Record deleted successfully.");
const QString RecordSaved = QStringLiteral("Record saved successfully.");
const QString OneRecordLeft = QStringLiteral("Unable to delete this record because project must have one record.");
const QString DeleteQuestion = QStringLiteral("Are you sure you want delete selected record?");
const QString UpdateReminder =
    QStringLiteral("Please click on 'Save Details' button to update your changes in your project data.");

int columnCount() { return int(Data_From_Excel::defaultInstance()->ColList().size()); }

// The photo at `path` shows the picture the cell names: the cell as
// written, read beside the workbook or from the resources. No picture at
// all (an empty cell, the placeholder) matches no picture.
bool samePicture(SKTWindowController& w, const QString& path, const QString& cell) {
    auto none = [](const QString& p) { return p.trimmed().isEmpty() || p == zelk::TextPlaceholder; };
    if (none(cell) || none(path))
        return none(cell) && none(path);
    return path == cell || path == w.Check_Path_For_App_Resources(cell) ||
           path == w.Check_Path_For_App_Resources(zelk::workbookPicturePath(cell, ::Excel_Source_Path));
}

}  // namespace

int SKTWindowController::selectedGroupLine() const {
    if (!GroupList)
        return -1;
    const QModelIndexList rows = GroupList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QVariantMap SKTWindowController::Get_Array_For_Excel_List(int n, int row_index, int add_or_save) {
    const Data_From_Excel* table = Data_From_Excel::defaultInstance();
    QVariantMap row;
    row.insert(QStringLiteral("Extension"),
               add_or_save == 0 ? zelk::GroupTable::nextRowNumber(table->ListData)
                                : table->Get_Item_Text(row_index, 0).toString());
    for (int j = 1; j < n; ++j) {
        const QVariant cell = add_or_save == 0 ? QVariant(QString()) : table->Get_Item_Text(row_index, j);
        const bool manualPhoto = j == excel_cb_value_f_man || j == excel_cb_value_b_man;
        if (cell.isValid() && !(add_or_save == 0 && manualPhoto))
            row.insert(Data_From_Excel::keyOfColumn(j), cell.toString());
        else
            row.insert(Data_From_Excel::keyOfColumn(j), manualPhoto ? NO_Image_Path : QString());
    }
    if (add_or_save == 2)
        return row;
    // Both panels show the holder of row_index; an entry that differs from
    // that holder's cell is an edit. A save takes the edits of both sides,
    // the shown side's last, so an entry left as it was never undoes the
    // other side's edit; an add also takes what the panels show.
    QSet<int> given;
    auto take = [&](int column, const QString& value, bool edited) {
        if (column < 1 || column >= n || (!edited && (add_or_save == 1 || given.contains(column))))
            return;
        row.insert(Data_From_Excel::keyOfColumn(column), value);
        given.insert(column);
    };
    const int shown = ::Card_Front_Or_Back != 0 ? 1 : 0;
    for (const int side : {1 - shown, shown}) {
        // The panel calls work on the current side's panel.
        const QScopedValueRollback<int> current(::Card_Front_Or_Back, side);
        if (visitorPanels.panelSlotValue)
            for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
                const int column = excel_cb_value[size_t(i)];
                QString value;
                bool ticked = false;
                if (column < 1 || !visitorPanels.panelSlotValue(side, i, &value, &ticked))
                    continue;
                if (add_or_save == 0 || ticked)
                    take(column, value, value != Get_Excel_Table_Item_Text(row_index, column));
            }
        const int photoColumn = excel_cb_value[side == 0 ? 10 : 11];
        if (photoColumn >= 1) {
            const auto photo = (side == 0 ? _graphicView : _graphicView_BACK)->Selcect_Ctrl_With_ID(Fup_Photo);
            // A side without a photo has changed no holder's photo: an add
            // gives the new row no picture, a save keeps the cell.
            const QString path = photo ? photo->_file_path : NO_Image_Path;
            take(photoColumn, path,
                 photo && !samePicture(*this, path, Get_Excel_Table_Item_Text(row_index, photoColumn)));
        }
        if (visitorPanels.Get_text_box_of_visitor_mode && visitorPanels.dynamicControlList)
            if (const QList<QStringList>* list = visitorPanels.dynamicControlList(side))
                for (const QStringList& entry : *list) {
                    const int column = entry.value(3, QStringLiteral("-1")).toInt();
                    const QString value = visitorPanels.Get_text_box_of_visitor_mode(entry.value(0));
                    take(column, value, value != Get_Excel_Table_Item_Text(row_index, column));
                }
    }
    return row;
}

void SKTWindowController::Save_Group_Mode_List_Details_In_XL_Data_List() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    const int r = std::max(selectedGroupLine(), 0);
    // A project without rows has nothing to store into.
    if (r >= table->rowCount())
        return;
    table->ListData[r] = Get_Array_For_Excel_List(columnCount(), r, 1);
    table->reloadData();
    Create_Group_List_By_Excel_List();
    Mark_Group_List_New_Selection(r);
}

int SKTWindowController::Save_gp_details_by_list() {
    Save_Group_Mode_List_Details_In_XL_Data_List();
    return Save_project_file(false, false, DesignFile::DesignMode);
}

void SKTWindowController::Add_In_Excel_Details_Btn_Clicked() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    table->ListData.append(Get_Array_For_Excel_List(columnCount(), std::max(selectedGroupLine(), 0), 0));
    table->reloadData();
    Create_Group_List_By_Excel_List();
    Calculate_Excel_table_rows();
    // The new line is selected before the save, which stores the panel into
    // the selected row: the panel holds the new holder, not the old line's.
    Mark_Group_List_New_Selection(int(GroupListData.size()) - 1);
    const int written = Save_project_file(false, false, DesignFile::DesignMode);
    Mark_Group_List_New_Selection(int(GroupListData.size()) - 1);
    if (written == 1)
        Show_MessageBox(RecordAdded);
}

void SKTWindowController::Delete_In_Excel_Details_Btn_Clicked() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    // The table's rows count, not the list's lines: without a name column
    // the list is empty.
    if (table->rowCount() <= 1) {
        Show_MessageBox(OneRecordLeft);
        return;
    }
    if (Show_YES_NO_MessageBox(DeleteQuestion) != 1)
        return;
    const int r = std::max(selectedGroupLine(), 0);
    if (r >= table->rowCount())
        return;
    table->ListData.removeAt(r);
    table->reloadData();
    // The line selected next shows another holder, even at the same number.
    forgetShownGroupRow();
    Create_Group_List_By_Excel_List();
    const int s = r >= 2 ? r - 1 : 0;
    Mark_Group_List_New_Selection(s);
    Calculate_Excel_table_rows();
    const int written = Save_project_file(false, false, DesignFile::DesignMode);
    Mark_Group_List_New_Selection(s);
    if (written == 1)
        Show_MessageBox(RecordDeleted);
}

void SKTWindowController::Save_In_Excel_Details_Btn_Clicked() {
    if (Save_gp_details_by_list() == 1)
        Show_MessageBox(RecordSaved);
}

void SKTWindowController::Save_Excel_Details_Btn_Clicked() {
    const int r = std::max(selectedGroupLine(), 0);
    if (Save_gp_details_by_list() == 1 && GP_Move_Next_Rcd && r < GroupListData.size() - 1)
        Mark_Group_List_New_Selection(r + 1);
}

void SKTWindowController::View_Excel_Btn_Clicked() {
    if (Calculate_Excel_table_rows() <= 0)
        Show_MessageBox(Group_Mode_Wizard::NoExcelDataMessage);
    else
        Data_From_Excel::defaultInstance()->Open_Wnd();
}

void SKTWindowController::Set_Group_Mode_List_Setting_After_Loading(const QString& path, const QString& a_or_u) {
    if (::Project_File_Name.isEmpty())
        return;
    Group_Mode_Wizard* wizard = Group_Mode_Wizard::defaultInstance();
    const QFileInfo file(path);
    wizard->Project_Name_Val = file.completeBaseName();
    wizard->Project_Path_Val = file.dir().dirName();
    wizard->Project_Excel_Val = ::Excel_Source_Path;
    Create_Group_List_By_Excel_List();
    Calculate_Excel_table_rows();
    // A copy to the other side keeps the bindings it copied.
    if (!::copy_card_design)
        Update_Excel_Column_Binding(a_or_u == QStringLiteral("U") ? QStringLiteral("U") : QStringLiteral("A"));
    ::Excel_Binding_Use = true;
    ::Use_Excel_Binding_Values = true;
    ::Project_File_Name = path;
    if (Data_source_type)
        Add_Excel_Col_Name_In_Combo(Data_source_type);
    if (Set_GP_mode_Value_From_Excel)
        Set_GP_mode_Value_From_Excel(::Card_Front_Or_Back != 0 ? CardSide::BackName : CardSide::FrontName, 0);
}

void SKTWindowController::Select_Excel_First_Row() {
    if (Set_GP_mode_Value_From_Excel)
        Set_GP_mode_Value_From_Excel(::Card_Front_Or_Back != 0 ? CardSide::BackName : CardSide::FrontName, 0);
    Mark_Group_List_New_Selection(0);
    selectArrowTool();
}

void SKTWindowController::Show_Message_To_Update_Data() {
    if (::Start_Card_Option != QStringLiteral("G"))
        return;
    const auto g = Get_Selected_Graphic();
    if (g && g->data_source_type == DataSourceType::ExcelColumn)
        Show_MessageBox(UpdateReminder);
}

void SKTWindowController::Group_Mode_Print_Export_Tail(bool dataSheetValues, bool excelValues) {
    if (::Start_Card_Option != QStringLiteral("G"))
        return;
    const int side = ::Card_Front_Or_Back;
    Check_Series_Or_Excel_Use_or_not();
    ::Use_Data_Sheet_Values = dataSheetValues;
    ::Use_Excel_Binding_Values = excelValues;
    Get_total_Card_count();
    Create_Card_Design_Again();
    ::Card_Front_Or_Back = side;
    Set_Graphic_Array_According_Side();
    Show_RHS_Properties(Get_Selected_Graphic().get());
}
