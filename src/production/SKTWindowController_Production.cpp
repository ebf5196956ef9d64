// The main window's production topic: the batch state of a run (which
// sources are used, the dataset binding table, the card count), the copy a
// run makes its cards from, the design rebuilt after a run, the inspector's
// data-source panel and the group-mode list. The rules live in DataBinding,
// BatchValues and BatchSnapshot; this file wires them to the window.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/View_Data_Series.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/Utilities.h"
#include "foundation/WorkbookPicturePath.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/ShownCardNotice.h"
#include "mainwindow/BarcodeProducer.h"
#include "mainwindow/DesignBackup.h"
#include "production/BatchSnapshot.h"
#include "production/DataBinding.h"
#include "production/GroupListModel.h"
#include "production/ProductionGlobals.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

QString reasonOf(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

bool twoSided() { return ::CARD_SIDE_STR == CardSide::TwoSided; }

// The batch state as the hub holds it now, for the live group-list fill and
// for the copy a run takes.
BatchValues liveBatchValues() {
    BatchValues v;
    v.Use_Data_Sheet_Values = ::Use_Data_Sheet_Values;
    v.Use_Excel_Binding_Values = ::Use_Excel_Binding_Values;
    v.data_table_content = ::data_table_content;
    const Data_From_Excel* table = Data_From_Excel::defaultInstance();
    v.excelRows = table->ListData;
    v.excelTitles = table->columnTitles();
    v.Data_table_rows = ::Data_table_rows;
    v.Excel_table_rows = ::Excel_table_rows;
    v.Total_Batch_Excel_Card = ::Total_Batch_Excel_Card;
    v.resourceRoot = Resource_Path;
    v.excelSourcePath = ::Excel_Source_Path;
    return v;
}

}  // namespace

// ---------------------------------------------------------------- batch state

void SKTWindowController::Check_Series_Or_Excel_Use_or_not() {
    Check_Data_Sheet_Value_Use_or_Not();
    Check_Excel_Binding_Value_Use_or_Not();
    Get_total_Card_count();
}

void SKTWindowController::Check_Data_Sheet_Value_Use_or_Not() {
    try {
        ::data_table_content.clear();
        ::Use_Data_Sheet_Values = false;
        ::Use_Data_Sheet_Values =
            Check_Front_Side_Dataset_Is_Used() || (twoSided() && Check_Back_Side_Dataset_Is_Used());
        if (::Use_Data_Sheet_Values) {
            Create_Dataset_binding_table();
            Calculate_data_table_rows();
        }
    } catch (const std::exception& e) {
        Show_MessageBox(reasonOf(e));
    }
}

void SKTWindowController::Check_Excel_Binding_Value_Use_or_Not() {
    try {
        ::Use_Excel_Binding_Values =
            Check_Front_Side_Excel_Binding_Is_Used() || (twoSided() && Check_Back_Side_Excel_Binding_Is_Used());
        // Bound to columns of an empty table: produced like a design
        // without bindings.
        if (::Use_Excel_Binding_Values && Calculate_Excel_table_rows() == 0)
            ::Use_Excel_Binding_Values = false;
    } catch (const std::exception& e) {
        Show_MessageBox(reasonOf(e));
    }
}

bool SKTWindowController::Check_Front_Side_Dataset_Is_Used() {
    return DataBinding::sideUsesSeries(Get_Front_Controls_Array());
}

bool SKTWindowController::Check_Back_Side_Dataset_Is_Used() {
    return DataBinding::sideUsesSeries(Get_Back_Controls_Array());
}

bool SKTWindowController::Check_Front_Side_Excel_Binding_Is_Used() {
    return DataBinding::sideUsesExcel(Get_Front_Controls_Array());
}

bool SKTWindowController::Check_Back_Side_Excel_Binding_Is_Used() {
    return DataBinding::sideUsesExcel(Get_Back_Controls_Array());
}

void SKTWindowController::Create_Dataset_binding_table() {
    try {
        ::data_table_content = DataBinding::Create_Dataset_binding_table(
            Get_datasheet_File_Name_Array(), Get_Front_Controls_Array(), Get_Back_Controls_Array(), twoSided(),
            Data_Folder_Path);
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void SKTWindowController::Add_dataset_col_in_binding_table(const QString& name, int dataset_index) {
    try {
        DataBinding::Add_dataset_col_in_binding_table(::data_table_content, name, dataset_index, Data_Folder_Path);
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

int SKTWindowController::Get_Data_SetIndex_According_Name(const QString& name) const {
    return DataBinding::Get_Data_SetIndex_According_Name(Get_datasheet_File_Name_Array(), name);
}

void SKTWindowController::Calculate_data_table_rows() {
    ::Data_table_rows = DataBinding::Calculate_data_table_rows(::data_table_content);
}

int SKTWindowController::Calculate_Excel_table_rows() {
    ::Excel_table_rows = Data_From_Excel::defaultInstance()->rowCount();
    return ::Excel_table_rows;
}

void SKTWindowController::Get_total_Card_count() {
    if (::Use_Data_Sheet_Values)
        Calculate_data_table_rows();
    else
        ::Data_table_rows = 0;
    if (::Use_Excel_Binding_Values)
        Calculate_Excel_table_rows();
    else
        ::Excel_table_rows = 0;
    ::Total_Batch_Excel_Card = DataBinding::Get_total_Card_count(::Data_table_rows, ::Excel_table_rows);
}

QString SKTWindowController::Get_First_Value_Of_Dataset(const QString& name) const {
    return DataBinding::Get_First_Value_Of_Dataset(Data_Folder_Path, name);
}

QString SKTWindowController::Get_First_Value_Of_Excel_Binding(int column) const {
    return Data_From_Excel::firstColumnValue(Data_From_Excel::defaultInstance()->ListData, column);
}

QString SKTWindowController::Get_sel_row_col_value_of_dataset(int row, int col) const {
    return DataBinding::Get_sel_row_col_value_of_dataset(::data_table_content, row, col);
}

QString SKTWindowController::Get_sel_row_col_value_of_Excel(int row, int col) const {
    return DataBinding::Get_sel_row_col_value_of_Excel(Data_From_Excel::defaultInstance()->ListData,
                                                       ::Excel_table_rows, row, col);
}

QString SKTWindowController::Get_Excel_Column_Name_Of_Index(int column) const {
    return Data_From_Excel::defaultInstance()->columnTitles().value(column);
}

// ---------------------------------------------------------------- a run

bool SKTWindowController::Set_Front_Back_Value_To_Print_Export_Mail() {
    if (!Create_Design_Backup_Array())
        return false;
    // A group project shows the selected holder on both sides: the other
    // side takes the row too, so that the run's copy holds it.
    if (::Start_Card_Option == StartMode::GroupList) {
        const int side = ::Card_Front_Or_Back;
        ::Card_Front_Or_Back = side == CardSide::Front ? CardSide::Back : CardSide::Front;
        Graphics_array_Batch =
            ::Card_Front_Or_Back == CardSide::Front ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
        Assign_value_to_card_in_group_mode_list_selection();
        Refresh_Canvas();
        ::Card_Front_Or_Back = side;
    }
    return true;
}

std::shared_ptr<const BatchSnapshot> SKTWindowController::takeBatchSnapshot() const {
    auto batch = std::make_shared<BatchSnapshot>();
    batch->front = designSide(CardSide::Front);
    batch->back = designSide(CardSide::Back);
    batch->values = liveBatchValues();
    batch->CARD_SIDE_STR = ::CARD_SIDE_STR;
    batch->Mirror_Image_Create = ::Mirror_Image_Create;
    batch->Mirror_Vertical_Not_Horz = ::Mirror_Vertical_Not_Horz;
    batch->drawEachColumnAtOneSize();
    return batch;
}

zelk::SideSnapshot SKTWindowController::designSide(int side) const {
    const SKTDocument& d = *document();
    const QRectF card(QPointF(0, 0), d.documentSize());
    return zelk::SideSnapshot::take(side == CardSide::Front ? &d.graphics : &d.graphics_back, &Front_card_Prop,
                                    &Back_card_Prop, ::Card_Shape, side, card);
}

zelk::BarcodeProducer& SKTWindowController::barcodeProducer() const {
    return barcodeProducer_ ? *barcodeProducer_ : zelk::defaultBarcodeProducer();
}

void SKTWindowController::Assign_Batch_Values_To_Control(int index) {
    const QString failure = liveBatchValues().Assign_Batch_Values_To_Control(Graphics_array_Batch, index,
                                                                             barcodeProducer(),
                                                                             BatchValues::Target::Live);
    if (!failure.isEmpty())
        Show_MessageBox(failure);
}

bool SKTWindowController::Create_Card_Design_Again() {
    if (Graphics_array_Batch_Front_Bkup.isEmpty() || Graphics_array_Batch_BAck_Bkup.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("Create_Card_Design_Again: there is no batch backup."));
        return false;
    }
    const zelk::DesignRestoreResult restored = DesignBackup::restoreDesignBackup(
        Graphics_array_Batch_Front_Bkup.first(), Graphics_array_Batch_BAck_Bkup.first());
    if (!restored.ok) {
        Show_NSLog_Message(restored.logText);
        Show_MessageBox(restored.message);
        return false;
    }
    // The archives hold each barcode's own fitting rectangle: it comes back
    // as it was, not refitted to the bounds.
    const std::pair<SKTGraphicView*, const QList<std::shared_ptr<SKTGraphic>>*> sides[] = {
        {_graphicView, &restored.front}, {_graphicView_BACK, &restored.back}};
    for (const auto& [canvas, graphics] : sides) {
        canvas->delete_all_control();
        canvas->mutableGraphics() = *graphics;
    }
    document()->notifyGraphicsChanged(SKTDocument::FrontSide);
    document()->notifyGraphicsChanged(SKTDocument::BackSide);
    Refresh_Canvas();
    return true;
}

// ---------------------------------------------------------------- data-source panel

void SKTWindowController::Change_Data_Source_To_selected_Control(int kind, const QString& ser_name,
                                                                 int ser_col_index) {
    if (::Not_Draw_Only_Prop_Change)
        return;
    try {
        const std::shared_ptr<SKTGraphic> selected = Get_Selected_Graphic();
        if (!selected)
            return;
        const GraphicList selection = currentCanvas()->selectedGraphics();
        GraphicList targets;
        if (zelk::isExactlyImage(selected.get())) {
            const auto images = std::count_if(selection.cbegin(), selection.cend(),
                                              [](const auto& g) { return zelk::isExactlyImage(g.get()); });
            if (images > 1) {
                Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.")
                                    .arg(QStringLiteral("Select")));
                return;
            }
            targets = {selected};  // locked or not
        } else {
            // Barcodes are bound in the barcode settings window.
            for (const auto& g : selection) {
                if (zelk::isExactlyText(g.get()) && !g->ctrl_is_locked)
                    targets.append(g);
            }
        }

        QString value;
        if (kind == DataSourceType::Series)
            value = Get_First_Value_Of_Dataset(ser_name);
        else if (kind == DataSourceType::ExcelColumn)
            value = Get_First_Value_Of_Excel_Binding(ser_col_index);
        bool shown = false;
        for (const auto& g : targets) {
            switch (kind) {
            case DataSourceType::Manual:
                g->Set_Data_source_type(DataSourceType::Manual);
                g->Set_Excel_binding(false);
                g->Set_Excel_binding_Index(DataSourceType::None);
                g->Set_Batch_List_Index(DataSourceType::None);
                g->Set_Batch_List_Name(QString());
                break;
            case DataSourceType::Series:
                g->Set_Data_source_type(DataSourceType::Series);
                g->Set_Batch_List_Name(ser_name);
                g->Set_Batch_List_Index(ser_col_index);
                break;
            case DataSourceType::ExcelColumn:
                g->Set_Data_source_type(DataSourceType::ExcelColumn);
                g->Set_Excel_binding_Index(ser_col_index);
                break;
            default:
                continue;
            }
            if (ser_col_index < 0)
                continue;
            if (zelk::isExactlyImage(g.get()))
                static_cast<SKTImage&>(*g).setFilePath(
                    kind == DataSourceType::ExcelColumn ? zelk::workbookPicturePath(value, ::Excel_Source_Path) : value,
                    true);
            else
                g->Set_text_value(value);
            shown = true;
        }
        if (shown) {
            Insert_In_Undo_Redo();
            Refresh_Canvas();
        }
    } catch (const std::exception& e) {
        Show_MessageBox(reasonOf(e));
    }
}

void SKTWindowController::Fill_Excel_Col_Name_In_Combo(QComboBox* combo) const {
    if (!combo)
        return;
    try {
        combo->setCurrentIndex(-1);
        combo->clear();
        combo->addItems(Data_From_Excel::defaultInstance()->columnTitles());
        // Items added to an empty combo select the first: no column is chosen yet.
        combo->setCurrentIndex(-1);
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void SKTWindowController::Fill_Data_Set_File_Name_In_Combo(QComboBox* combo) const {
    if (!combo)
        return;
    try {
        combo->setCurrentIndex(-1);
        combo->clear();
        if (combo->isEditable())
            combo->setEditText(QString());
        combo->addItems(Get_datasheet_File_Name_Array());
        combo->setCurrentIndex(-1);
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void SKTWindowController::Update_Dataset_If_Datasource_Is_Series(QComboBox* kind_combo,
                                                                 QComboBox* value_combo_obj) const {
    if (!kind_combo || !value_combo_obj || kind_combo->currentIndex() != DataSourceType::Series)
        return;
    const QString chosen = value_combo_obj->currentIndex() >= 0 ? value_combo_obj->currentText() : QString();
    Fill_Data_Set_File_Name_In_Combo(value_combo_obj);
    if (!chosen.isEmpty())
        value_combo_obj->setCurrentIndex(value_combo_obj->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SKTWindowController::Update_Excel_Column_If_Datasource_Is_Excel(QComboBox* kind_combo) const {
    if (!kind_combo || kind_combo->count() != 3 || kind_combo->currentIndex() != DataSourceType::ExcelColumn)
        return;
    // The combo announces "Excel" once more, so that its owner refills the
    // columns; the pass through "Manual" is silent, or the owner would
    // unbind the selected graphics on the way.
    {
        const QSignalBlocker quiet(kind_combo);
        kind_combo->setCurrentIndex(DataSourceType::Manual);
    }
    kind_combo->setCurrentIndex(DataSourceType::ExcelColumn);
}

void SKTWindowController::Add_Excel_Col_Name_In_Combo(QComboBox* kind_combo) const {
    if (kind_combo && kind_combo->count() == 2)
        kind_combo->addItem(QStringLiteral("Excel"));
}

void SKTWindowController::Remove_Excel_Col_Name_In_Combo(QComboBox* kind_combo) const {
    if (!kind_combo || kind_combo->count() != 3)
        return;
    const int at = kind_combo->findText(QStringLiteral("Excel"));
    if (at >= 0)
        kind_combo->removeItem(at);
}

void SKTWindowController::View_batch_Series_Button() {
    if (!Data_source_type)
        return;
    try {
        const QString kind = Data_source_type->currentText();
        if (kind == QLatin1String("Manual"))
            return;
        if (kind == QLatin1String("Series")) {
            View_Data_Series::openNamed(Batch_Series ? Batch_Series->currentText() : QString());
            return;
        }
        Data_From_Excel::defaultInstance()->Open_Wnd();
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void SKTWindowController::Data_Source_Help_Button() {
    // The long-text window comes with the barcode production; until then
    // the help goes through the message box.
    const QString title = QStringLiteral("Batch Processing Settings Help :");
    const QString body = QStringLiteral(
        "Select Data Source as 'Manual' to enter value manually.\n"
        "Select 'Series' to fetch the value from the list of existing Batch Processing Series.\n"
        "Select 'Excel' to fetch the value from the selected excel file.");
    Show_MessageBox(title + QLatin1Char('\n') + body);
}

// ---------------------------------------------------------------- group-mode list

QTableView* SKTWindowController::groupListView() {
    if (!GroupList) {
        groupListModel_ = new zelk::GroupListModel(&GroupListData, this);
        GroupList = new QTableView(this);
        GroupList->setObjectName(QStringLiteral("GroupList"));
        GroupList->setModel(groupListModel_);
        GroupList->setSelectionBehavior(QAbstractItemView::SelectRows);
        GroupList->setSelectionMode(QAbstractItemView::SingleSelection);
        GroupList->horizontalHeader()->setStretchLastSection(true);
        GroupList->horizontalHeader()->hide();
        GroupList->verticalHeader()->hide();
        GroupList->hide();  // the group topic places it
        connect(GroupList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { groupListSelectionDidChange(); });
    }
    return GroupList;
}

void SKTWindowController::Create_Group_List(const QString& text) {
    groupListView();
    groupListModel_->appendRow({{zelk::GroupListModel::ColumnIdentifier, Trim_Str(text)}});
}

void SKTWindowController::Mark_Group_List_New_Selection(int row) {
    QTableView* list = groupListView();
    if (row < 0 || row >= groupListModel_->rowCount())
        return;
    list->selectionModel()->select(groupListModel_->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(groupListModel_->index(row, 0));
    list->setFocus();
}

void SKTWindowController::groupListSelectionDidChange() {
    setLive_mode_list_value_change(true);
    const int shown = ::Card_Front_Or_Back == CardSide::Back ? CardSide::Back : CardSide::Front;
    try {
        // Both sides take the selected holder, cards and panels, so that a
        // side switch or a save never meets another holder's values. The
        // hidden side goes first: the shown side's selection stays last.
        for (const int side : {1 - shown, shown}) {
            ::Card_Front_Or_Back = side;
            Graphics_array_Batch = side == CardSide::Front ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
            Assign_value_to_card_in_group_mode_list_selection();
        }
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
    ::Card_Front_Or_Back = shown;
    Graphics_array_Batch = shown == CardSide::Front ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    setLive_mode_list_value_change(false);
    if (::Start_Card_Option != StartMode::GroupList)
        return;
    // The undo steps were made on the holder shown before: undone under
    // another line, they would put that holder on this one's card.
    if (selectedGroupLine() != groupRowShown_)
        startUndoHistory();
    refreshUndoRedo();
    Show_RHS_Properties(Get_Selected_Graphic().get());
    // Told once for the line shown, its values in on both sides.
    zelk::ShownCardNotice::of(*this).measure();
}

void SKTWindowController::Assign_value_to_card_in_group_mode_list_selection() {
    if (::Start_Card_Option != StartMode::GroupList || !GroupList)
        return;
    const QModelIndexList rows = GroupList->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const int row = rows.first().row();
    if (row < 0 || row >= GroupListData.size())
        return;
    // The live side on purpose: the canvas shows the selected holder.
    const QString failure = liveBatchValues().Assign_Batch_Values_To_Control(
        Graphics_array_Batch, row, barcodeProducer(), BatchValues::Target::Live);
    if (!failure.isEmpty())
        Show_NSLog_Message(failure);
    if (Set_GP_mode_Value_From_Excel)
        Set_GP_mode_Value_From_Excel(::Card_Front_Or_Back == CardSide::Back ? CardSide::BackName
                                                                             : CardSide::FrontName,
                                     row);
    Refresh_Canvas();
}
