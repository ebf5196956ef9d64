#include "datasource/BatchWizard.h"

#include "datasource/Generate_List.h"
#include "datasource/Import_Wizard.h"
#include "datasource/InUseAlert.h"
#include "datasource/Load_Num_Info.h"
#include "datasource/SeriesFile.h"
#include "datasource/SeriesSupport.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/Update_Ex_Num.h"
#include "dialogs/AccessoryViewController_XL_TXT.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace series = zelk::series;

BatchWizard* BatchWizard_Window = nullptr;

namespace {

QListView* makeList(QWidget* parent, QStringListModel* model) {
    auto* view = new QListView(parent);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setUniformItemSizes(true);
    view->setMinimumSize(300, 260);
    return view;
}

// A column of buttons at the right of a list, each wired to its action.
QWidget* buttonColumn(QWidget* parent, BatchWizard* w,
                      const QList<std::pair<QString, void (BatchWizard::*)()>>& buttons) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    for (const auto& [title, action] : buttons) {
        if (title.isEmpty()) {
            column->addStretch();
            continue;
        }
        auto* b = new QPushButton(title, box);
        b->setObjectName(title);
        QObject::connect(b, &QPushButton::clicked, w, action);
        column->addWidget(b);
    }
    return box;
}

}  // namespace

BatchWizard* BatchWizard::defaultInstance() {
    if (!BatchWizard_Window)
        BatchWizard_Window = new BatchWizard;
    return BatchWizard_Window;
}

BatchWizard::BatchWizard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchWizard"));
    setWindowTitle(QStringLiteral("Data Series"));
    zelk::applyDialogBackground(this);
    auto* layout = new QHBoxLayout(this);
    seriesModel_ = new QStringListModel(this);
    valueModel_ = new QStringListModel(this);

    avl_list_box = new QWidget(this);
    auto* first = new QVBoxLayout(avl_list_box);
    first->setContentsMargins(0, 0, 0, 0);
    first->addWidget(new QLabel(QStringLiteral("Series:"), avl_list_box));
    List = makeList(avl_list_box, seriesModel_);
    first->addWidget(List);
    batch_list_count = new QLabel(avl_list_box);
    first->addWidget(batch_list_count);
    btn_box1 = buttonColumn(this, this,
                            {{QStringLiteral("New"), &BatchWizard::AddNew_Btn_Clicked},
                             {QStringLiteral("Open"), &BatchWizard::Update_Btn_Clicked},
                             {QStringLiteral("Import..."), &BatchWizard::Import_Btn_Clicked},
                             {QStringLiteral("Create..."), &BatchWizard::CreateSeries_Btn_Clicked},
                             {QStringLiteral("Delete"), &BatchWizard::Delete_List_Btn_Clicked},
                             {QString(), nullptr},
                             {QStringLiteral("Help"), &BatchWizard::Help_Btn_Clicked},
                             {QStringLiteral("Close"), &BatchWizard::Close_Btn_Clicked}});

    list_value_box = new QWidget(this);
    auto* second = new QVBoxLayout(list_value_box);
    second->setContentsMargins(0, 0, 0, 0);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Series name:"), list_value_box));
    batch_list_name = new QLineEdit(list_value_box);
    nameRow->addWidget(batch_list_name);
    second->addLayout(nameRow);
    update_list_name = new QLineEdit(list_value_box);
    update_list_name->hide();
    List_value = makeList(list_value_box, valueModel_);
    second->addWidget(List_value);
    batch_value_count = new QLabel(list_value_box);
    second->addWidget(batch_value_count);
    btn_box2 = buttonColumn(this, this,
                            {{QStringLiteral("Import Values..."), &BatchWizard::Import_Value_Btn_Clicked},
                             {QStringLiteral("Generate Values..."), &BatchWizard::Series_Value_Btn_Clicked},
                             {QStringLiteral("Delete Values"), &BatchWizard::Delete_Rows_Btn_Clicked},
                             {QStringLiteral("Save"), &BatchWizard::Save_Btn_Clicked},
                             {QStringLiteral("Export..."), &BatchWizard::Export_Value_Btn_Clicked},
                             {QStringLiteral("Back"), &BatchWizard::Back_Btn_Clicked},
                             {QString(), nullptr},
                             {QStringLiteral("Help"), &BatchWizard::Help_2_Btn_Clicked},
                             {QStringLiteral("Close"), &BatchWizard::Close_2_Btn_Clicked}});
    layout->addWidget(avl_list_box, 1);
    layout->addWidget(list_value_box, 1);
    layout->addWidget(btn_box1);
    layout->addWidget(btn_box2);

    Load_Number_Window = new Load_Num_Info(this);
    Update_Value_Wnd = new Update_Ex_Num(this);
    plz_wait_Window = new PleaseWait_Modeless(this);
    connect(List, &QListView::doubleClicked, this, [this] { doubleClickInTable(List); });
    connect(List_value, &QListView::doubleClicked, this, [this] { doubleClickInTable(List_value); });
    Update_batch_List_Count();
    Update_Value_List_Count();
    Show_hide_Last_screen(true);
    resize(520, 420);
}

void BatchWizard::Open_Wnd() {
    Check_Path_And_Create_Files();
    Show_hide_Last_screen(true);
    Show_hide_first_screen(false);
    Fill_List();
    zelk::DialogRunner::run(this);
}

// ---------------------------------------------------------------- lists

void BatchWizard::Create_Value_List(const QString& value) { Create_Value_List(QStringList{value}); }

void BatchWizard::Create_Value_List(const QStringList& values) {
    for (const QString& value : values) {
        const QString v = Trim_Str(value);
        if (!v.isEmpty())
            ListData_value.append(v);
    }
    Update_Value_List_Count();
}

void BatchWizard::Fill_List() {
    ListData.clear();
    Update_batch_List_Count();
    for (const QString& name : Get_datasheet_File_Name_Array(Data_Folder_Path))
        Create_Avail_List(name);
}

void BatchWizard::Create_Avail_List(const QString& name) {
    const QString n = Trim_Str(name);
    if (n.isEmpty())
        return;
    ListData.append(n);
    Update_batch_List_Count();
}

void BatchWizard::replaceValue(int row, const QString& value) {
    if (row < 0 || row >= ListData_value.size())
        return;
    ListData_value[row] = value;
    Update_Value_List_Count();
}

void BatchWizard::Update_batch_List_Count() {
    seriesModel_->setStringList(ListData);
    batch_list_count->setText(QStringLiteral("Total List : %1").arg(ListData.size()));
}

void BatchWizard::Update_Value_List_Count() {
    valueModel_->setStringList(ListData_value);
    batch_value_count->setText(QStringLiteral("Total Rows : %1").arg(ListData_value.size()));
}

QList<int> BatchWizard::selectedRows(QListView* table) const {
    QList<int> rows;
    for (const QModelIndex& i : table->selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int BatchWizard::reportedRow(QListView* table) const {
    // The row last clicked when it is selected, else the last selected one.
    const QList<int> rows = selectedRows(table);
    if (rows.isEmpty())
        return -1;
    const int current = table->currentIndex().row();
    return rows.contains(current) ? current : rows.last();
}

void BatchWizard::Mark_List_New_Selection(int row) {
    List->selectionModel()->clear();
    const QModelIndex index = seriesModel_->index(row);
    List->setCurrentIndex(index);
    List->scrollTo(index);
    List->setFocus();
}

void BatchWizard::Mark_List_New_Selection_Value(int row) {
    List_value->selectionModel()->clear();
    const QModelIndex index = valueModel_->index(row);
    List_value->setCurrentIndex(index);
    List_value->scrollTo(index);
    List_value->setFocus();
}

QString BatchWizard::Get_List_Name_Text(int row) const { return Trim_Str(ListData.value(row)); }

// ---------------------------------------------------------------- screens

void BatchWizard::Show_hide_first_screen(bool hide) {
    avl_list_box->setVisible(!hide);
    btn_box1->setVisible(!hide);
    if (!hide)
        update_list_name->clear();
}

void BatchWizard::Show_hide_Last_screen(bool hide) {
    list_value_box->setVisible(!hide);
    btn_box2->setVisible(!hide);
}

void BatchWizard::Show_Create_Modeless() { plz_wait_Window->beginSheet(this); }

void BatchWizard::Hide_Destroy_Modeless() { plz_wait_Window->endSheet(); }

void BatchWizard::AddNew_Btn_Clicked() {
    Show_hide_first_screen(true);
    Show_hide_Last_screen(false);
    batch_list_name->setText(default_file_name);
    ListData_value.clear();
    openedEmptyValues_ = 0;
    Update_Value_List_Count();
}

void BatchWizard::Back_Btn_Clicked() {
    Show_hide_Last_screen(true);
    Show_hide_first_screen(false);
}

void BatchWizard::Close_Btn_Clicked() { done(0); }

void BatchWizard::Close_2_Btn_Clicked() { done(0); }

void BatchWizard::Help_Btn_Clicked() { Open_Help_File(); }

void BatchWizard::Help_2_Btn_Clicked() { Open_Help_File(); }

// ---------------------------------------------------------------- first screen

bool BatchWizard::Batch_List_Selection_Validation() {
    if (ListData.isEmpty()) {
        Show_MessageBox(QStringLiteral("Available list is empty."));
        return false;
    }
    const int row = reportedRow(List);
    if (row < 0 || Get_List_Name_Text(row).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select a record from the available list to continue."));
        List->setFocus();
        return false;
    }
    return true;
}

void BatchWizard::doubleClickInTable(QListView* table) {
    const QList<int> rows = selectedRows(table);
    if (rows.isEmpty())
        return;
    if (rows.size() > 1) {
        Show_MessageBox(QStringLiteral("Please select only one record to update."));
        return;
    }
    if (table == List)
        On_Update();
    else
        OnGetSelected();
}

void BatchWizard::Update_Btn_Clicked() { On_Update(); }

void BatchWizard::On_Update() {
    if (!Batch_List_Selection_Validation())
        return;
    const QString name = Get_List_Name_Text(reportedRow(List));
    const QString path = Trim_Str(series::pathOf(name));
    QFile probe(path);
    if (!probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        Show_MessageBox(series::kFileError);
        return;
    }
    probe.close();
    Show_hide_first_screen(true);
    Show_hide_Last_screen(false);
    batch_list_name->setText(name);
    update_list_name->setText(name);
    ListData_value.clear();
    Show_Create_Modeless();
    Create_Value_List(SeriesFile::readValueList(path));
    // Each line of the file is a card; blank ones inside the series would be
    // lost by a save, moving the values after them.
    const QStringList rows = SeriesFile::readRowList(path);
    openedEmptyValues_ = static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                                        [](const QString& r) { return Trim_Str(r).isEmpty(); }));
    if (rows.size() == 1 && openedEmptyValues_ == 1)
        openedEmptyValues_ = 0;  // an empty series
    Hide_Destroy_Modeless();
}

void BatchWizard::Import_Btn_Clicked() {
    Import_Wizard* wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 1;
    wizard->file_name_Insert = 1;
    wizard->Open_Wnd();
    raise();
    activateWindow();
}

void BatchWizard::CreateSeries_Btn_Clicked() {
    Generate_List* generator = Generate_List::defaultInstance();
    generator->file_name_required = 1;
    generator->file_name_Insert = 1;
    generator->Open_Wnd();
}

void BatchWizard::Delete_List_Btn_Clicked() {
    try {
        if (!Batch_List_Selection_Validation())
            return;
        if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected Batch Processing Series?")) != 1)
            return;
        const QList<int> rows = selectedRows(List);
        bool anyInUse = false;
        bool alert = true;
        for (int row : rows) {
            const QString name = Get_List_Name_Text(row);
            if (series::inUse(name)) {
                anyInUse = true;
                if (alert && zelk::InUseAlert::show(QStringLiteral("Series is in use\n\n") + name +
                                                    QStringLiteral("\n\nBatch Processing Series can't be delete "
                                                                   "because it is currently in use.")))
                    alert = false;
                continue;
            }
            Delete_File(series::pathOf(name));
        }
        if (anyInUse) {
            Fill_List();
            return;
        }
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            ListData.removeAt(*it);
        Update_batch_List_Count();
        const int next = rows.last() < ListData.size() ? rows.last() : (ListData.isEmpty() ? -1 : 0);
        if (next >= 0)
            Mark_List_New_Selection(next);
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

// ---------------------------------------------------------------- second screen

bool BatchWizard::prepareToAddValues() {
    if (ListData_value.isEmpty())
        return true;
    const int answer = zelk::DialogRunner::run(Load_Number_Window);
    if (answer == 1) {
        ListData_value.clear();
        openedEmptyValues_ = 0;
        Update_Value_List_Count();
        return true;
    }
    return answer == 0;
}

void BatchWizard::Import_Value_Btn_Clicked() {
    if (!prepareToAddValues())
        return;
    Import_Wizard* wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 0;
    wizard->file_name_Insert = 1;
    wizard->Open_Wnd();
}

void BatchWizard::Series_Value_Btn_Clicked() {
    if (!prepareToAddValues())
        return;
    Generate_List* generator = Generate_List::defaultInstance();
    generator->file_name_required = 0;
    generator->file_name_Insert = 1;
    generator->Open_Wnd();
}

void BatchWizard::OnGetSelected() {
    if (ListData_value.isEmpty())
        return;
    const int row = reportedRow(List_value);
    if (row < 0)
        return;
    const QString value = Trim_Str(ListData_value.at(row));
    Update_Value_Wnd->m_ex_num_str->setText(value);
    Update_Value_Wnd->m_s_number->setText(value);
    Update_Value_Wnd->m_ex_num_index->setText(QString::number(row));
    zelk::DialogRunner::run(Update_Value_Wnd);
}

void BatchWizard::Delete_Rows_Btn_Clicked() {
    if (ListData_value.isEmpty()) {
        Show_MessageBox(QStringLiteral("List is empty."));
        List_value->setFocus();
        return;
    }
    const QList<int> rows = selectedRows(List_value);
    if (rows.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select at least one record from the list to continue."));
        List_value->setFocus();
        return;
    }
    const int reported = reportedRow(List_value);
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        ListData_value.removeAt(*it);
    Update_Value_List_Count();
    if (reported - 1 >= 0 && reported - 1 < ListData_value.size())
        Mark_List_New_Selection_Value(reported - 1);
}

void BatchWizard::Save_Btn_Clicked() {
    if (ListData_value.isEmpty()) {
        Show_MessageBox(QStringLiteral("List is empty."));
        List_value->setFocus();
        return;
    }
    const std::optional<QString> name = series::cleanedName(batch_list_name->text());
    if (!name)
        return;
    const QString old = update_list_name->text();
    const QString target = series::pathOf(*name);
    const bool renamed = !old.isEmpty() && *name != old;
    // Neither the series opened nor the one it would replace may be in use.
    if (!old.isEmpty() && (series::inUse(old) || (renamed && series::inUse(*name)))) {
        Show_MessageBox(series::kInUseUpdate);
        return;
    }
    if (old.isEmpty() && series::inUse(*name)) {
        Show_MessageBox(series::kInUseCreate);
        return;
    }
    if (openedEmptyValues_ > 0 &&
        Show_YES_NO_MessageBox(QStringLiteral("This series contains %1 empty values. Saving removes them and moves "
                                              "the values after them to earlier cards. Do you want to save it?")
                                   .arg(openedEmptyValues_)) != 1)
        return;
    const bool targetExists = QFileInfo::exists(target);
    if (targetExists && (old.isEmpty() || renamed) && Show_YES_NO_MessageBox(series::kReplaceQuestion) != 1)
        return;

    Show_Create_Modeless();
    const bool written = SeriesFile::write(target, ListData_value, SeriesFile::WriteMode::TrimSkipEmpty);
    Hide_Destroy_Modeless();
    if (!written) {
        Show_MessageBox(series::kFileError);
        return;
    }
    // A series saved under a free name moves there: the old name goes only
    // once the series is safe under the new one. Saved over another series,
    // it leaves the one it was opened from.
    if (renamed && !targetExists)
        Delete_File(series::pathOf(old));
    openedEmptyValues_ = 0;
    Show_hide_Last_screen(true);
    Show_hide_first_screen(false);
    raise();
    Fill_List();
}

void BatchWizard::Export_Value_Btn_Clicked() {
    if (ListData_value.isEmpty()) {
        Show_MessageBox(QStringLiteral("List is empty."));
        List_value->setFocus();
        return;
    }
    Export_list_method_2();
}

void BatchWizard::Export_list_method_2() {
    QFileDialog panel(this, QStringLiteral("Export Series"));
    panel.setObjectName(QStringLiteral("savePanel"));
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    auto* accessory = new AccessoryViewController_XL_TXT(&panel);
    panel.selectFile(Remove_Reserve_Char_In_File_Name(batch_list_name->text()) + QStringLiteral(".xlsx"));
    accessory->attachTo(&panel, 0);
    if (zelk::DialogRunner::run(&panel) != 1)
        return;
    const QString path = panel.selectedFiles().value(0);
    if (path.isEmpty())
        return;
    raise();
    Show_Create_Modeless();
    const bool ok = exportValues(path);
    Hide_Destroy_Modeless();
    if (ok)
        Open_Export_File_Box(exportPathOf(path));
}

QString BatchWizard::exportPathOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("xlsx") || ext == QLatin1String("txt") ? path : path + QStringLiteral(".txt");
}

bool BatchWizard::exportValues(const QString& path) {
    const QString target = exportPathOf(path);
    bool ok = false;
    QString why;
    if (QFileInfo(target).suffix().toLower() == QLatin1String("xlsx")) {
        SpreadsheetWriter::Rows rows;
        rows.reserve(ListData_value.size() + 1);
        rows.append(QStringList{QStringLiteral("Batch Value")});
        for (const QString& v : ListData_value)
            rows.append(QStringList{v});
        ok = SpreadsheetWriter::WriteWorkbook(target, rows, false, &why);
    } else {
        ok = SeriesFile::write(target, ListData_value);
    }
    if (!ok)
        Show_MessageBox(series::fileErrorWithReason(why));
    return ok;
}

void BatchWizard::Open_Export_File_Box(const QString& path) {
    if (!exportBox_) {
        exportBox_ = new Open_Export_Log(this);
        exportBox_->setObjectName(QStringLiteral("Open_Export_Log"));
    }
    exportBox_->_open_log_path->setText(path);
    exportBox_->_open_log_message->setText(QStringLiteral("Record has been exported successfully."));
    exportBox_->_open_log_chk->setText(QFileInfo(path).isDir() ? QStringLiteral("Open containing folder.")
                                                              : QStringLiteral("Open exported file."));
    exportBox_->_open_log_chk->setFocus();
    exportBox_->Open_Wnd();
}
