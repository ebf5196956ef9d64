// Group projects on the main window: the group table with its manual-photo
// columns, the group list, the column bindings of the profile slots, and
// the start chooser's "G" road.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "groups/GroupMode.h"
#include "groups/Group_Mode_Wizard.h"
#include "groups/Update_XL_Column.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "production/GroupListModel.h"

#include <QCheckBox>
#include <QFileInfo>

namespace {

const QString TextHere = QStringLiteral("Text here");
const QString PhotoId = QStringLiteral("Fup_Photo");

QString columnKey(int column) { return QStringLiteral("Column%1").arg(column); }

// The number of the table column titled `title` (the row-number column is
// 0); -1 when there is none.
int columnTitled(const QString& title) {
    const QList<Data_From_Excel::Column>& columns = Data_From_Excel::defaultInstance()->ColList();
    for (int i = 1; i < columns.size(); ++i)
        if (columns.at(i).title == title)
            return i;
    return -1;
}

}  // namespace

void SKTWindowController::Reset_Group_Mode_Excel_Col_Index() {
    excel_cb_value.fill(-1);
    excel_cb_value_f_man = -1;
    excel_cb_value_b_man = -1;
}

void SKTWindowController::Create_Excel_List_Func(const QStringList& titles, const QList<QStringList>& rows) {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    table->removeDataColumns();
    for (const QString& title : titles)
        table->addDataColumn(title);
    Clear_Delete_Excel_table_rows();
    const int width = int(titles.size());
    for (const QStringList& row : rows) {
        QStringList values = row.mid(0, width);
        while (values.size() < width)
            values << QString();
        table->Create_List_By_Array(values, width);
    }
    Ensure_Manual_Photo_Columns();
    Create_Group_List_By_Excel_List();
}

void SKTWindowController::Ensure_Manual_Photo_Columns() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    bool added = false;
    for (const QString& title : {Group_Mode_Wizard::FrontManualPhotoTitle, Group_Mode_Wizard::BackManualPhotoTitle}) {
        if (columnTitled(title) >= 0)
            continue;
        // A new manual-photo column starts without a picture in every row.
        const int column = int(table->ColList().size());
        table->addDataColumn(title);
        for (QVariantMap& row : table->ListData)
            row.insert(columnKey(column), NO_Image_Path);
        added = true;
    }
    excel_cb_value_f_man = columnTitled(Group_Mode_Wizard::FrontManualPhotoTitle);
    excel_cb_value_b_man = columnTitled(Group_Mode_Wizard::BackManualPhotoTitle);
    table->setColumnHidden(excel_cb_value_f_man, true);
    table->setColumnHidden(excel_cb_value_b_man, true);
    if (added)
        table->reloadData();
}

QString SKTWindowController::Get_Excel_Table_Item_Text(int row, int col) const {
    const Data_From_Excel* table = Data_From_Excel::defaultInstance();
    if (col < 0 || row < 0 || row >= table->rowCount() || col >= table->ColList().size())
        return TextHere;
    const QVariantMap& values = table->ListData.at(row);
    const QString key = col == 0 ? QStringLiteral("Extension") : columnKey(col);
    const auto it = values.constFind(key);
    return it == values.constEnd() ? TextHere : it->toString();
}

void SKTWindowController::Create_Group_List_By_Excel_List() {
    groupListView();
    GroupListData.clear();
    const int rows = Data_From_Excel::defaultInstance()->rowCount();
    const int nameColumn = excel_cb_value[0];
    // Without a name column there is nothing to list.
    if (nameColumn >= 1)
        for (int r = 0; r < rows; ++r)
            GroupListData.append({{zelk::GroupListModel::ColumnIdentifier,
                                   Trim_Str(QStringLiteral("%1 - %2").arg(r + 1).arg(
                                       Get_Excel_Table_Item_Text(r, nameColumn)))}});
    groupListModel_->reload();
}

namespace {

// Finds the control with the ID on the side, or makes it there, and binds
// it to the column; see Update_Excel_Column_Binding.
void checkAndCreateControl(SKTWindowController& w, zelk::ToolPalette* tools, int side, const QString& id, const QString& value, bool picture,
                           int column, bool visible, bool its_update, bool chk_other_side) {
    SKTGraphicView* canvas = side == 0 ? w._graphicView : w._graphicView_BACK;
    SKTGraphicView* other = side == 0 ? w._graphicView_BACK : w._graphicView;
    if (!canvas)
        return;
    const bool found = canvas->Selcect_Ctrl_With_ID(id) != nullptr;
    if (!found) {
        if (chk_other_side && other && other->Selcect_Ctrl_With_ID(id))
            return;
        if (its_update)
            return;
    }
    const QRectF rect = found ? QRectF() : w.Get_Control_Rect_From_Template(id, value);
    tools->setToolQuietly(picture ? zelk::ImageTool : zelk::TextTool);
    if (picture)
        w.Library_Selected_Image_Path = value;
    const QString shown = !picture && value.isEmpty() ? TextHere : value;
    canvas->ReplaceGraphicText(picture ? zelk::GraphicKind::Image : zelk::GraphicKind::Text, !found, rect,
                               side == 0 ? CardSide::FrontName : CardSide::BackName, shown, id);
    canvas->Set_Selection_Index_According_ID(id);
    if (const auto g = canvas->Selected_Graphic()) {
        g->Set_Data_source_type(column < 0 ? DataSourceType::Manual : DataSourceType::ExcelColumn);
        g->Set_Excel_binding(column >= 0);
        g->Set_Excel_binding_Index(column);
        g->Set_Ctrl_Is_Visible(visible);
        if (!visible)
            canvas->Clear_Control_Selection();
    }
    tools->setToolQuietly(zelk::ArrowTool);
}

bool visibilityOn(SKTGraphicView* canvas, const QString& id) {
    const auto g = canvas ? canvas->Selcect_Ctrl_With_ID(id) : nullptr;
    return g ? g->ctrl_is_visible : true;
}

}  // namespace

void SKTWindowController::Update_Excel_Column_Binding(const QString& mode) {
    const bool its_update = mode == QStringLiteral("U");
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    const bool wasFilling = ::Fill_User_Profile;
    // One design change, not an undo step per graphic.
    ::Fill_User_Profile = true;
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
        const int column = excel_cb_value[size_t(i)];
        if (column == -1)
            continue;
        const QString& id = fields.at(i).valueId;
        const QString value = Get_Excel_Table_Item_Text(0, column);
        checkAndCreateControl(*this, tools_, 0, id, value, false, column, visibilityOn(_graphicView, id), its_update, true);
        checkAndCreateControl(*this, tools_, 1, id, value, false, column, visibilityOn(_graphicView_BACK, id), its_update,
                              true);
    }
    for (int side = 0; side < 2; ++side) {
        const int column = excel_cb_value[side == 0 ? 10 : 11];
        if (column == -1)
            continue;
        QString value = Get_Excel_Table_Item_Text(0, column);
        if (value == TextHere)
            value.clear();
        checkAndCreateControl(*this, tools_, side, PhotoId, value, true, column,
                              visibilityOn(side == 0 ? _graphicView : _graphicView_BACK, PhotoId), its_update,
                              side == 0);
    }
    ::Fill_User_Profile = wasFilling;
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK})
        if (canvas)
            canvas->update();
    Mark_Group_List_New_Selection(0);
}

namespace {

void unbind(SKTGraphic& g) {
    g.Set_Data_source_type(DataSourceType::Manual);
    g.Set_Excel_binding(false);
    g.Set_Excel_binding_Index(-1);
}

}  // namespace

void SKTWindowController::Update_Excel_Btn_Clicked() {
    if (visitorPanels.Create_Dynamic_Control_List)
        visitorPanels.Create_Dynamic_Control_List();
    QList<QStringList>* list =
        visitorPanels.dynamicControlList ? visitorPanels.dynamicControlList(::Card_Front_Or_Back) : nullptr;
    if (Update_XL_Column::defaultInstance()->Open_Wnd(*this, list) != 1)
        return;
    try {
        Update_Excel_Column_Binding_Update_Column();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

void SKTWindowController::Update_Excel_Column_Binding_Update_Column() {
    const Update_XL_Column* dialog = Update_XL_Column::defaultInstance();
    const int side = ::Card_Front_Or_Back != 0 ? 1 : 0;
    SKTGraphicView* canvas = side == 0 ? _graphicView : _graphicView_BACK;
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    // A panel row is brought in line while its graphic's side is current.
    auto refresh = [this](int onSide, SKTGraphic& g) {
        if (!visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo)
            return;
        const int saved = ::Card_Front_Or_Back;
        ::Card_Front_Or_Back = onSide;
        visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(g);
        ::Card_Front_Or_Back = saved;
    };
    ::Not_Draw_Only_Prop_Change = true;
    const bool wasFilling = ::Fill_User_Profile;
    ::Fill_User_Profile = true;
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
        const QString& id = fields.at(i).valueId;
        const int column = excel_cb_value[size_t(i)];
        const bool ticked = dialog->checks[size_t(i)]->isChecked();
        const QString value = Get_Excel_Table_Item_Text(0, column);
        const auto own = canvas->Selcect_Ctrl_With_ID(id);
        if (column == -1 && !ticked) {
            if (own) {
                own->Set_Ctrl_Is_Visible(false);
                refresh(side, *own);
                unbind(*own);
            }
        } else if (column == -1) {
            if (own) {
                int s = 0;
                for (SKTGraphicView* c : {_graphicView, _graphicView_BACK}) {
                    if (const auto g = c->Selcect_Ctrl_With_ID(id)) {
                        refresh(s, *g);
                        unbind(*g);
                    }
                    ++s;
                }
            } else {
                canvas->createGraphicOfClass(zelk::GraphicKind::Text, false, QRectF(),
                                             side == 0 ? CardSide::FrontName : CardSide::BackName, value, id);
            }
        } else {
            checkAndCreateControl(*this, tools_, side, id, value, false, column, ticked, false, false);
            if (i == 0 && ticked) {
                int s = 0;
                for (SKTGraphicView* c : {_graphicView, _graphicView_BACK}) {
                    if (const auto g = c->Selcect_Ctrl_With_ID(id))
                        refresh(s, *g);
                    ++s;
                }
            }
        }
    }
    // Both photos go to their own sides, whichever side is being edited.
    for (int photoSide = 0; photoSide < 2; ++photoSide) {
        const int column = excel_cb_value[photoSide == 0 ? 10 : 11];
        SKTGraphicView* photoCanvas = photoSide == 0 ? _graphicView : _graphicView_BACK;
        if (column == -1) {
            if (const auto g = photoCanvas->Selcect_Ctrl_With_ID(PhotoId)) {
                unbind(*g);
                if (visitorPanels.Set_User_Image_Control)
                    visitorPanels.Set_User_Image_Control(photoSide, g->_file_path, g->_contents, g->control_ID);
            }
            continue;
        }
        QString value = Get_Excel_Table_Item_Text(0, column);
        if (value == TextHere)
            value.clear();
        const int saved = ::Card_Front_Or_Back;
        ::Card_Front_Or_Back = photoSide;
        checkAndCreateControl(*this, tools_, photoSide, PhotoId, value, true, column, true, false, false);
        ::Card_Front_Or_Back = saved;
    }
    ::Fill_User_Profile = wasFilling;
    ::Not_Draw_Only_Prop_Change = false;
    for (SKTGraphicView* c : {_graphicView, _graphicView_BACK})
        c->update();
    Mark_Group_List_New_Selection(0);
}

int SKTWindowController::Get_Excel_Coulmn_Index_According_ID(const QString& controlId) {
    // User-added fields take their columns from the side panels' lists,
    // which the visitor desk keeps.
    if (!controlId.contains(QStringLiteral("Fup_")))
        return -1;
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
        if (fields.at(i).valueId == controlId)
            return excel_cb_value[size_t(i)];
    return -1;
}

namespace GroupMode {

void install(SKTWindowController& window) {
    window.Open_Group_Mode_Wizard = [&window] { return Group_Mode_Wizard::defaultInstance()->Open_Wnd(window); };
    window.Load_Group_Mode_After_log_reading = [&window] {
        if (Start_Card_Option != QStringLiteral("G"))
            return;
        window.Ensure_Manual_Photo_Columns();
        window.Create_Group_List_By_Excel_List();
        window.Mark_Group_List_New_Selection(0);
        window.Set_Log_Name_In_Title();
    };
    SKTWindowController::DesignModeSteps steps;
    // A project saved before the manual-photo columns existed gets them.
    steps.afterLoading = [](SKTWindowController& w, const zelk::DesignContents&) { w.Ensure_Manual_Photo_Columns(); };
    window.setDesignModeSteps(QStringLiteral("G"), steps);
}

}  // namespace GroupMode
