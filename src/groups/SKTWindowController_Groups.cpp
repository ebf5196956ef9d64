// Group projects on the main window: the group table with its manual-photo
// columns, the group list, the column bindings of the profile slots, and
// the start chooser's "G" road.
#include "mainwindow/SKTWindowController.h"

#include "canvas/FieldBatchTries.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "foundation/WorkbookPicturePath.h"
#include "groups/GroupMode.h"
#include "groups/Group_Mode_Wizard.h"
#include "inspector/InspectorRules.h"
#include "groups/Update_XL_Column.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/ShownCardNotice.h"
#include "production/GroupListModel.h"
#include "production/ProductionGlobals.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QGridLayout>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QVBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QScrollArea>
#include <QTableView>

namespace {

using zelk::TextPlaceholder;

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
            row.insert(Data_From_Excel::keyOfColumn(column), NO_Image_Path);
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
        return TextPlaceholder;
    const QVariantMap& values = table->ListData.at(row);
    const auto it = values.constFind(Data_From_Excel::keyOfColumn(col));
    return it == values.constEnd() ? TextPlaceholder : it->toString();
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
    const QString shown = !picture && value.isEmpty() ? TextPlaceholder : value;
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
        // The side's panel row follows the graphic, with its side current.
        if (w.visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo) {
            const QScopedValueRollback<int> current(::Card_Front_Or_Back, side);
            w.visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(*g);
        }
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
    // Where each bound slot shows, decided from the sides as they stand: a
    // template's shown fields stay as they are; a column that would show
    // nowhere gets one hidden frame shown, the front's where there is one,
    // so that the field is not on both sides.
    struct Slot {
        QString id, value;
        int column;
        bool front, back;
    };
    QList<Slot> bound;
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
        const int column = excel_cb_value[size_t(i)];
        if (column == -1)
            continue;
        const QString& id = fields.at(i).valueId;
        const auto onFront = _graphicView ? _graphicView->Selcect_Ctrl_With_ID(id) : nullptr;
        const auto onBack = _graphicView_BACK ? _graphicView_BACK->Selcect_Ctrl_With_ID(id) : nullptr;
        bool front = !onFront || onFront->ctrl_is_visible, back = !onBack || onBack->ctrl_is_visible;
        if (!its_update && !(onFront && onFront->ctrl_is_visible) && !(onBack && onBack->ctrl_is_visible)) {
            front = onFront || !onBack;
            back = !front;
        }
        bound.append({id, Get_Excel_Table_Item_Text(0, column), column, front, back});
    }
    // A new project shows the photo its column feeds, also a template's
    // frame that waits hidden until used; an update keeps what is shown.
    QList<std::pair<int, QString>> photos;  // the column and value of each side's
    for (int side = 0; side < 2; ++side) {
        const int column = excel_cb_value[side == 0 ? 10 : 11];
        QString value = column == -1 ? QString() : Get_Excel_Table_Item_Text(0, column);
        if (value == TextPlaceholder)
            value.clear();
        photos.append({column, value});
    }
    // Each side's fields laid out as one batch, as a stamping's: the row
    // starts again from the boxes the design gave its fields, whatever an
    // earlier row made of them, the photo is placed first, and each value
    // first takes its own box before one that outgrew its box moves.
    for (int side = 0; side < 2; ++side) {
        SKTGraphicView* canvas = side == 0 ? _graphicView : _graphicView_BACK;
        if (!canvas)
            continue;
        canvas->backToOwnersBoxes();
        const int photoColumn = photos.at(side).first;
        const QString& photo = photos.at(side).second;
        const bool photoShown = !its_update || visibilityOn(canvas, Fup_Photo);
        QSet<QString> shown;
        for (const Slot& s : bound)
            if (side == 0 ? s.front : s.back)
                shown << s.id;
        if (photoColumn != -1 && photoShown)
            shown << Fup_Photo;
        QList<std::pair<QString, QString>> values;
        for (const Slot& s : bound)
            if (side == 0 ? s.front : s.back)
                values << std::pair(s.id, s.value);
        // What the user placed or locked keeps its box; the rest goes around it.
        const zelk::FieldBatchResult laidOut = zelk::layOutFieldBatch(*canvas, shown, values, [&](bool) {
            canvas->holdOutgrownFields();
            if (photoColumn != -1)
                checkAndCreateControl(*this, tools_, side, Fup_Photo, photo, true, photoColumn, photoShown, its_update,
                                      side == 0);
            for (const Slot& s : bound)
                checkAndCreateControl(*this, tools_, side, s.id, s.value, false, s.column, side == 0 ? s.front : s.back,
                                      its_update, true);
            canvas->settleOutgrownFields();
            return true;
        });
        // The first line's card: what reads wrong there is told with it.
        zelk::ShownCardNotice::of(*this).keep(side, laidOut.readingWrong);
        canvas->update();
    }
    ::Fill_User_Profile = wasFilling;
    // The list's selection fills the side's graphics as they are now,
    // those just made included.
    Set_Graphic_Array_According_Side();
    Mark_Group_List_New_Selection(0);
    zelk::ShownCardNotice::of(*this).show();
}

void SKTWindowController::Hide_Unbound_Template_Fields() {
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK}) {
        if (!canvas)
            continue;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
            if (excel_cb_value[size_t(i)] != -1)
                continue;
            const auto g = canvas->Selcect_Ctrl_With_ID(fields.at(i).valueId);
            if (g && zelk::isExactlyText(g.get()))
                g->Set_Ctrl_Is_Visible(false);
        }
        canvas->update();
    }
    if (excel_cb_value[11] == -1 && _graphicView_BACK) {
        const auto photo = _graphicView_BACK->Selcect_Ctrl_With_ID(Fup_Photo);
        if (photo && zelk::isExactlyImage(photo.get()) &&
            zelk::AppPaths::isNoPicture(photo->_file_path))
            photo->Set_Ctrl_Is_Visible(false);
    }
}

namespace {

void unbind(SKTGraphic& g) {
    g.Set_Data_source_type(DataSourceType::Manual);
    g.Set_Excel_binding(false);
    g.Set_Excel_binding_Index(-1);
}

}  // namespace

int SKTWindowController::Get_Col_Index_of_Dynamic_Control(const QString& ctrl_id) {
    const QList<QStringList>* list =
        visitorPanels.dynamicControlList ? visitorPanels.dynamicControlList(::Card_Front_Or_Back) : nullptr;
    if (!list)
        return -1;
    for (const QStringList& entry : *list)
        if (entry.value(0) == ctrl_id)
            return entry.value(3, QStringLiteral("-1")).toInt();
    return -1;
}

void SKTWindowController::Update_excel_col_binding_on_panel(int side) {
    const GraphicList& graphics = side == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    for (const auto& g : graphics) {
        if (g->kind() != zelk::GraphicKind::Text && g->kind() != zelk::GraphicKind::Image)
            continue;
        const QString id = Trim_Str(g->control_ID);
        if (id.isEmpty() || !g->ctrl_is_visible)
            continue;
        const int column = Get_Excel_Coulmn_Index_According_ID(id);
        if (column >= 0) {
            g->Set_Data_source_type(DataSourceType::ExcelColumn);
            g->Set_Excel_binding(true);
            g->Set_Excel_binding_Index(column);
        }
    }
}

void SKTWindowController::Update_Value_For_Dynamic_Control(const QString& mode, const QString& ctrl_id) {
    const int side = ::Card_Front_Or_Back != 0 ? 1 : 0;
    const QList<QStringList>* list = visitorPanels.dynamicControlList ? visitorPanels.dynamicControlList(side) : nullptr;
    if (!list)
        return;
    // The find-or-create below refreshes panel rows; the list stays as is.
    const QList<QStringList> entries = *list;
    ::Not_Draw_Only_Prop_Change = true;
    const bool wasFilling = ::Fill_User_Profile;
    ::Fill_User_Profile = true;
    for (const QStringList& entry : entries) {
        if (entry.size() < 5)
            continue;
        const QString& id = entry.at(0);
        if (mode == QStringLiteral("S") && id != ctrl_id)
            continue;
        Show_NSLog_Message(QStringLiteral("ID : %1 - VAL : %2 - VISIBLE : %3 - INDX : %4")
                               .arg(id, entry.at(1), entry.at(2), entry.at(3)));
        const VisitorPanels::DynamicRow row = visitorPanels.dynamicRow ? visitorPanels.dynamicRow(id)
                                                                        : VisitorPanels::DynamicRow{};
        const int column = entry.at(3).toInt();
        QString value = row.box ? row.box->text() : QString();
        if (entry.at(3) != QStringLiteral("-1"))
            value = Get_Excel_Table_Item_Text(0, column);
        const bool visible = entry.at(2) == QStringLiteral("Y");
        if (row.check)
            row.check->setChecked(visible);
        const bool picture = entry.at(4) == QStringLiteral("P");
        if (picture) {
            if (value == TextPlaceholder)
                value.clear();
            const QImage image = zelk::AppPaths::isNoPicture(value)
                                     ? no_image_ctrl_GP
                                     : Get_Image_For_Path(value, false);
            if (row.picture && Set_Dynamic_Pic_Ctrl_Image)
                Set_Dynamic_Pic_Ctrl_Image(row.picture, image);
        }
        checkAndCreateControl(*this, tools_, side, id, value, picture, column, visible, true, false);
        if (row.box) {
            row.box->setText(value);
            row.box->setEnabled(row.check && row.check->isChecked());
        }
    }
    ::Fill_User_Profile = wasFilling;
    ::Not_Draw_Only_Prop_Change = false;
}

void SKTWindowController::Update_Excel_Btn_Clicked() {
    const int line = selectedGroupLine();
    if (visitorPanels.Create_Dynamic_Control_List)
        visitorPanels.Create_Dynamic_Control_List();
    QList<QStringList>* list =
        visitorPanels.dynamicControlList ? visitorPanels.dynamicControlList(::Card_Front_Or_Back) : nullptr;
    if (Update_XL_Column::defaultInstance()->Open_Wnd(*this, list) != 1)
        return;
    try {
        const int side = ::Card_Front_Or_Back;
        Update_Excel_Column_Binding_Update_Column();
        // The user-added fields take the columns the dialog gave their rows.
        Update_Value_For_Dynamic_Control(QStringLiteral("A"), QString());
        // Every shown text and picture of both sides follows its column.
        for (int s = 0; s < 2; ++s) {
            ::Card_Front_Or_Back = s;
            Update_excel_col_binding_on_panel(s);
        }
        ::Card_Front_Or_Back = side;
        if (side != 0)
            Show_Single_Mode_Back_Panel();
        else
            Show_Single_Mode_Front_Panel();
        if (line < 1)
            Select_Excel_First_Row();
        else
            Mark_Group_List_New_Selection(line);
        Refresh_Canvas();
        if (SKTGraphicView* canvas = currentCanvas())
            canvas->Clear_Control_Selection();
        Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
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
        const QScopedValueRollback<int> current(::Card_Front_Or_Back, onSide);
        visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(g);
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
            if (const auto g = photoCanvas->Selcect_Ctrl_With_ID(Fup_Photo)) {
                unbind(*g);
                if (visitorPanels.Set_User_Image_Control)
                    visitorPanels.Set_User_Image_Control(photoSide, g->_file_path, g->_contents, g->control_ID);
            }
            continue;
        }
        QString value = Get_Excel_Table_Item_Text(0, column);
        if (value == TextPlaceholder)
            value.clear();
        const QScopedValueRollback<int> current(::Card_Front_Or_Back, photoSide);
        checkAndCreateControl(*this, tools_, photoSide, Fup_Photo, value, true, column, true, false, false);
    }
    ::Fill_User_Profile = wasFilling;
    ::Not_Draw_Only_Prop_Change = false;
    for (SKTGraphicView* c : {_graphicView, _graphicView_BACK})
        c->update();
    Set_Graphic_Array_According_Side();
    Mark_Group_List_New_Selection(0);
}

int SKTWindowController::Get_Excel_Coulmn_Index_According_ID(const QString& controlId) {
    if (!controlId.contains(QStringLiteral("Fup_")))
        return Get_Col_Index_of_Dynamic_Control(controlId);
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
        if (fields.at(i).valueId == controlId)
            return excel_cb_value[size_t(i)];
    return -1;
}

namespace {

// The side's panel shows row `row`: the slots' values, the photo and the
// user-added fields bound to columns.
void fillPanelFromRow(SKTWindowController& w, const QString& sideLetter, int row) {
    const int side = sideLetter == CardSide::FrontName ? 0 : 1;
    const GraphicList& graphics = side == 0 ? w.Get_Front_Controls_Array() : w.Get_Back_Controls_Array();
    const QList<zelk::ProfileField>& fields = zelk::profileFieldTable();
    for (const auto& g : graphics) {
        if (g->kind() != zelk::GraphicKind::Text && g->kind() != zelk::GraphicKind::Image)
            continue;
        const QString id = Trim_Str(g->control_ID);
        if (id.isEmpty() || id.contains(QStringLiteral("_label")))
            continue;
        bool slot = false;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
            if (fields.at(i).valueId == id) {
                slot = true;
                const int column = w.excel_cb_value[size_t(i)];
                if (column != -1 && w.visitorPanels.setPanelSlotValue)
                    w.visitorPanels.setPanelSlotValue(side, i, w.Get_Excel_Table_Item_Text(row, column));
            }
        if (slot)
            continue;
        if (id == Fup_Photo) {
            const int column = w.excel_cb_value[side == 0 ? 10 : 11];
            if (column == -1 || !w.visitorPanels.Set_User_Image)
                continue;
            QString value = w.Get_Excel_Table_Item_Text(row, column);
            if (value == TextPlaceholder)
                value.clear();
            // A cell may name the picture beside the workbook.
            w.visitorPanels.Set_User_Image(side, zelk::workbookPicturePath(value, ::Excel_Source_Path), Fup_Photo);
            continue;
        }
        if (id.contains(QStringLiteral("Fup_")))
            continue;
        const int column = w.Get_Col_Index_of_Dynamic_Control(id);
        if (column == -1)
            continue;
        QString value = w.Get_Excel_Table_Item_Text(row, column);
        if (id.contains(QStringLiteral("_Photo"))) {
            if (value == TextPlaceholder)
                value.clear();
            if (w.visitorPanels.Set_User_Image_Control)
                w.visitorPanels.Set_User_Image_Control(side, value, g->_contents, id);
            // The row's own picture view shows the cell's picture too.
            const SKTWindowController::VisitorPanels::DynamicRow panelRow =
                w.visitorPanels.dynamicRow ? w.visitorPanels.dynamicRow(id)
                                           : SKTWindowController::VisitorPanels::DynamicRow{};
            const QString picture = zelk::workbookPicturePath(value, ::Excel_Source_Path);
            if (panelRow.picture && w.Set_Dynamic_Pic_Ctrl_Image)
                w.Set_Dynamic_Pic_Ctrl_Image(panelRow.picture, zelk::AppPaths::isNoPicture(value)
                                                                    ? w.no_image_ctrl_GP
                                                                    : w.Get_Image_For_Path(picture, false));
        }
        if (w.visitorPanels.Set_text_box_of_visitor_mode)
            w.visitorPanels.Set_text_box_of_visitor_mode(id, value);
    }
}

}  // namespace

namespace GroupMode {

namespace {

// The group pane left of the entry panel: the list of card holders and the
// row commands under it.
void buildGroupPane(SKTWindowController& window) {
    QWidget* pane = window.group_mode_view;
    if (!pane || pane->layout())
        return;
    if (window.gp_scrollView)
        window.gp_scrollView->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(pane);
    QTableView* list = window.groupListView();
    list->show();
    layout->addWidget(list, 1);
    auto* grid = new QGridLayout;
    using W = SKTWindowController;
    const std::pair<const char*, void (W::*)()> commands[] = {
        {"Add", &W::Add_In_Excel_Details_Btn_Clicked},
        {"Delete", &W::Delete_In_Excel_Details_Btn_Clicked},
        // The reminder after a picture is picked names this button.
        {"Save Details", &W::Save_In_Excel_Details_Btn_Clicked},
        {"Save and Next", &W::Save_Excel_Details_Btn_Clicked},
        {"View", &W::View_Excel_Btn_Clicked},
        {"Update", &W::Update_Excel_Btn_Clicked}};
    int at = 0;
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromLatin1(command.first), pane);
        QObject::connect(button, &QPushButton::clicked, &window, command.second);
        grid->addWidget(button, at / 2, at % 2);
        ++at;
    }
    layout->addLayout(grid);
    auto* moveNext = new QCheckBox(QStringLiteral("Move to the next record after saving"), pane);
    moveNext->setChecked(window.GP_Move_Next_Rcd);
    QObject::connect(moveNext, &QCheckBox::toggled, &window, [&window](bool on) { window.GP_Move_Next_Rcd = on; });
    layout->addWidget(moveNext);
}

}  // namespace

void install(SKTWindowController& window) {
    window.Open_Group_Mode_Wizard = [&window] { return Group_Mode_Wizard::defaultInstance()->Open_Wnd(window); };
    window.Load_Group_Mode_After_log_reading = [&window] {
        if (Start_Card_Option != QStringLiteral("G"))
            return;
        window.Ensure_Manual_Photo_Columns();
        window.Create_Group_List_By_Excel_List();
        window.Set_Group_Mode_List_Setting_After_Loading(Project_File_Name, QStringLiteral("U"));
        // A project made from a template was read in another start mode:
        // the group pane and the front panel, with its user rows, are shown
        // here, then filled from the first line.
        window.Set_Up_Panels_After_Reading();
        window.Select_Excel_First_Row();
        window.Set_Log_Name_In_Title();
    };
    window.Set_GP_mode_Value_From_Excel = [&window](const QString& side, int row) {
        fillPanelFromRow(window, side, row);
    };
    SKTWindowController::DesignModeSteps steps;
    steps.beforeSaving = [](SKTWindowController& w) { w.Save_Group_Mode_List_Details_In_XL_Data_List(); };
    // A project opened as a design file ("Open a design", Open) is set up
    // here, its list included. The wizard reads a project as a template
    // and sets it up once the project's path is known.
    steps.afterLoading = [](SKTWindowController& w, const zelk::DesignContents&) {
        if (!Project_File_Name.isEmpty())
            return w.Load_Group_Mode_After_log_reading();
        // A project saved before the manual-photo columns existed gets them.
        w.Ensure_Manual_Photo_Columns();
        w.Set_Up_Panels_After_Reading();
    };
    // The copy to the other side: the list is set up again without binding
    // anything (the copies keep theirs, but for the photo: it shows the
    // photo column of the side it now stands on, where that side has one,
    // as on screen), and both sides show the selected holder.
    steps.afterCopying = [](SKTWindowController& w, int side) {
        const int photoColumn = w.excel_cb_value[side == 0 ? 10 : 11];
        const auto photo = (side == 0 ? w._graphicView : w._graphicView_BACK)->Selcect_Ctrl_With_ID(Fup_Photo);
        if (photo && photoColumn >= 1) {
            photo->Set_Data_source_type(DataSourceType::ExcelColumn);
            photo->Set_Excel_binding(true);
            photo->Set_Excel_binding_Index(photoColumn);
        }
        w.Resync_Side_Panel(side);
        const int line = std::max(w.selectedGroupLine(), 0);
        w.Set_Group_Mode_List_Setting_After_Loading(Project_File_Name, QStringLiteral("A"));
        w.Mark_Group_List_New_Selection(line);
    };
    window.setDesignModeSteps(QStringLiteral("G"), steps);
    buildGroupPane(window);
}

}  // namespace GroupMode
