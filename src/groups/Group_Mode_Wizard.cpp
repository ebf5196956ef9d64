#include "groups/Group_Mode_Wizard.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/Utilities.h"
#include "groups/CreateFolder.h"
#include "groups/GroupTable.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/TemplateBrowserControls.h"
#include "mainwindow/SKTWindowController.h"
#include "mainwindow/UserTemplates.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int maxPreviewPixels = 300;

// Shows the wizard's please-wait sheet for as long as it lives, so that
// every way out of a read ends the sheet.
class WaitSheet {
public:
    explicit WaitSheet(Group_Mode_Wizard& wizard) : wizard_(wizard) { wizard_.Show_Create_Modeless(); }
    ~WaitSheet() { wizard_.Hide_Destroy_Modeless(); }
    WaitSheet(const WaitSheet&) = delete;
    WaitSheet& operator=(const WaitSheet&) = delete;

private:
    Group_Mode_Wizard& wizard_;
};

// A project or design file: a usable path whose extension is "did".
bool isDesignPath(const QString& path) {
    return GroupProjects::isUsableProject(path) &&
           Trim_Str(QFileInfo(path).suffix()).toLower() == design_file_EXT.toLower();
}

}  // namespace

Group_Mode_Wizard* Group_Mode_Wizard::defaultInstance() {
    static Group_Mode_Wizard* instance = new Group_Mode_Wizard();
    return instance;
}

Group_Mode_Wizard::Group_Mode_Wizard(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Group Project"));
    auto* layout = new QVBoxLayout(this);
    auto* stack = new QStackedWidget(this);
    first_screen = new QWidget(stack);
    second_screen = new QWidget(stack);
    third_screen = new QWidget(stack);
    stack->addWidget(first_screen);
    stack->addWidget(second_screen);
    stack->addWidget(third_screen);
    layout->addWidget(stack, 1);
    buildFirstScreen();
    buildSecondScreen();
    buildThirdScreen();

    auto* buttons = new QHBoxLayout;
    back_button = new QPushButton(QStringLiteral("Back"), this);
    buttons->addWidget(back_button);
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    ok->setText(QStringLiteral("Next"));
    ok_button = ok;
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Group_Mode_Wizard::OK_Click);
    connect(cancel, &QPushButton::clicked, this, &Group_Mode_Wizard::Cancel_Click);
    connect(back_button, &QPushButton::clicked, this, &Group_Mode_Wizard::Back_Click);

    Create_Folder_Window = new CreateFolder(this);
    plz_wait_Window = new PleaseWait_Modeless(this);
    Create_Folder_Combo = Create_Folder_Window->folder_combo;
    Create_Folder_Window->add_new_folder = &add_new_folder;
    resize(900, 640);
}

void Group_Mode_Wizard::buildFirstScreen() {
    auto* layout = new QVBoxLayout(first_screen);
    start_new_btn = new QRadioButton(QStringLiteral("Start a new project"), first_screen);
    open_exist_btn = new QRadioButton(QStringLiteral("Open an existing project"), first_screen);
    open_log_btn = new QRadioButton(QStringLiteral("Open a design file"), first_screen);
    auto* radios = new QButtonGroup(first_screen);
    for (QRadioButton* r : {start_new_btn, open_exist_btn, open_log_btn})
        radios->addButton(r);

    layout->addWidget(start_new_btn);
    new_box = new QGroupBox(first_screen);
    auto* form = new QFormLayout(new_box);
    proj_name = new QLineEdit(new_box);
    form->addRow(QStringLiteral("Project name :"), proj_name);
    auto* folderRow = new QHBoxLayout;
    proj_path = new QComboBox(new_box);
    proj_path->setMinimumWidth(260);
    auto* newFolder = new QPushButton(QStringLiteral("New Folder"), new_box);
    folderRow->addWidget(proj_path, 1);
    folderRow->addWidget(newFolder);
    form->addRow(QStringLiteral("Project folder :"), folderRow);
    auto* excelRow = new QHBoxLayout;
    excel_path = new QLineEdit(new_box);
    auto* browseExcel = new QPushButton(QStringLiteral("Browse"), new_box);
    excelRow->addWidget(excel_path, 1);
    excelRow->addWidget(browseExcel);
    form->addRow(QStringLiteral("Excel file :"), excelRow);
    layout->addWidget(new_box);

    layout->addWidget(open_exist_btn);
    open_box = new QGroupBox(first_screen);
    auto* openLayout = new QHBoxLayout(open_box);
    treeView = new QTreeWidget(open_box);
    treeView->setHeaderHidden(true);
    treeView->setMinimumHeight(180);
    openLayout->addWidget(treeView, 1);
    auto* treeButtons = new QVBoxLayout;
    auto* copy = new QPushButton(QStringLiteral("Copy"), open_box);
    auto* rename = new QPushButton(QStringLiteral("Rename"), open_box);
    auto* remove = new QPushButton(QStringLiteral("Delete"), open_box);
    delete_folder_btn = remove;
    for (QPushButton* b : {copy, rename, remove})
        treeButtons->addWidget(b);
    treeButtons->addStretch();
    openLayout->addLayout(treeButtons);
    layout->addWidget(open_box, 1);

    layout->addWidget(open_log_btn);
    open_log_box = new QGroupBox(first_screen);
    auto* logRow = new QHBoxLayout(open_log_box);
    log_path = new QLineEdit(open_log_box);
    auto* browseLog = new QPushButton(QStringLiteral("Browse"), open_log_box);
    logRow->addWidget(log_path, 1);
    logRow->addWidget(browseLog);
    layout->addWidget(open_log_box);

    connect(start_new_btn, &QRadioButton::clicked, this, &Group_Mode_Wizard::New_Radio_Click);
    connect(open_exist_btn, &QRadioButton::clicked, this, &Group_Mode_Wizard::Open_Radio_Click);
    connect(open_log_btn, &QRadioButton::clicked, this, &Group_Mode_Wizard::Open_log_Radio_Click);
    connect(newFolder, &QPushButton::clicked, this, &Group_Mode_Wizard::New_Folder_Click);
    connect(browseExcel, &QPushButton::clicked, this, &Group_Mode_Wizard::Browse_excel_Btn_Clicked);
    connect(browseLog, &QPushButton::clicked, this, &Group_Mode_Wizard::Browse_log_Btn_Clicked);
    connect(copy, &QPushButton::clicked, this, &Group_Mode_Wizard::Copy_Prj_Click);
    connect(rename, &QPushButton::clicked, this, &Group_Mode_Wizard::Rename_Prj_Click);
    connect(remove, &QPushButton::clicked, this, &Group_Mode_Wizard::Delete_Prj_Click);
    connect(treeView, &QTreeWidget::currentItemChanged, this, [this] { Get_Selected_Project_Path(); });
    connect(treeView, &QTreeWidget::itemDoubleClicked, this, [this] { OK_Click(); });
}

void Group_Mode_Wizard::buildSecondScreen() {
    auto* layout = new QVBoxLayout(second_screen);
    const zelk::TemplateBrowserControls browser = zelk::addTemplateBrowser(second_screen, layout);
    cat_cmbo_bx = browser.source;
    sub_cat_title = browser.categoryTitle;
    template_category_combo = browser.category;
    _zoom_slider = browser.zoom;
    imageBrowser = browser.browser;
    const zelk::UserTemplateButtons userButtons = zelk::addUserTemplateButtons(second_screen, true);
    template_btn_box = userButtons.box;
    layout->addWidget(template_btn_box);

    browser_ = zelk::TemplateBrowser(browser, gallery, template_btn_box, maxPreviewPixels);
    browser_.connect(this);
    // The user-template actions are the start chooser's gallery's own.
    connect(userButtons.copy, &QPushButton::clicked, this, [this] {
        if (zelk::copyChosenTemplate())
            refillUserTemplates();
    });
    connect(userButtons.rename, &QPushButton::clicked, this, [this] {
        if (zelk::renameChosenTemplate())
            refillUserTemplates();
    });
    connect(userButtons.remove, &QPushButton::clicked, this, [this] {
        if (zelk::deleteChosenTemplate())
            refillUserTemplates();
    });
}

void Group_Mode_Wizard::buildThirdScreen() {
    auto* layout = new QVBoxLayout(third_screen);
    auto* info = new QFormLayout;
    Pass_proj_name = new QLabel(third_screen);
    Pass_proj_path = new QLabel(third_screen);
    Pass_excel_file = new QLabel(third_screen);
    info->addRow(QStringLiteral("Project name :"), Pass_proj_name);
    info->addRow(QStringLiteral("Project folder :"), Pass_proj_path);
    info->addRow(QStringLiteral("Excel file :"), Pass_excel_file);
    auto* sheetRow = new QHBoxLayout;
    Sheet_ComboBox = new QComboBox(third_screen);
    contains_header = new QCheckBox(QStringLiteral("First row contains column titles"), third_screen);
    auto* view = new QPushButton(QStringLiteral("View Excel Data"), third_screen);
    sheetRow->addWidget(Sheet_ComboBox);
    sheetRow->addWidget(contains_header);
    sheetRow->addStretch();
    sheetRow->addWidget(view);
    info->addRow(QStringLiteral("Sheet :"), sheetRow);
    layout->addLayout(info);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 12; ++i) {
        col_labels[i] = new QLabel(third_screen);
        col_combos[i] = new QComboBox(third_screen);
        col_combos[i]->setMinimumWidth(220);
        grid->addWidget(col_labels[i], i % 6, (i / 6) * 2);
        grid->addWidget(col_combos[i], i % 6, (i / 6) * 2 + 1);
    }
    col_labels[10]->setText(QStringLiteral("Front Photo :"));
    col_labels[11]->setText(QStringLiteral("Back Photo :"));
    layout->addLayout(grid);
    layout->addStretch();
    connect(Sheet_ComboBox, &QComboBox::currentIndexChanged, this, &Group_Mode_Wizard::sheetSelectionDidChange);
    connect(view, &QPushButton::clicked, this, &Group_Mode_Wizard::View_Excel_Btn_Clicked);
}

void Group_Mode_Wizard::showScreen(int counter) {
    next_counter = counter;
    if (auto* stack = qobject_cast<QStackedWidget*>(first_screen->parentWidget()))
        stack->setCurrentIndex(counter);
    ok_button->setText(counter == 2 || (counter == 0 && new_or_open_or_log != 0) ? QStringLiteral("OK")
                                                                                 : QStringLiteral("Next"));
}

void Group_Mode_Wizard::reloadBrowser() { browser_.reload(); }

void Group_Mode_Wizard::refillUserTemplates() {
    gallery.Fill_Templates_User_Defined();
    reloadBrowser();
}

int Group_Mode_Wizard::Open_Wnd(SKTWindowController& window) {
    window_ = &window;
    Selected_Template_Path.clear();
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
        col_labels[i]->setText(*table.at(i).caption);
    Pass_proj_name->clear();
    Pass_proj_path->clear();
    Pass_excel_file->clear();
    if (window.visitorPanels.Reset_All_Visitor_Grp_Mode_Ctrl)
        window.visitorPanels.Reset_All_Visitor_Grp_Mode_Ctrl();
    {
        const QSignalBlocker b1(cat_cmbo_bx);
        const QSignalBlocker b2(template_category_combo);
        const QSignalBlocker b3(_zoom_slider);
        const QSignalBlocker b4(Sheet_ComboBox);
        cat_cmbo_bx->setCurrentIndex(0);
        template_category_combo->setCurrentIndex(0);
        _zoom_slider->setValue(50);
        Sheet_ComboBox->clear();
    }
    browser_.showSource(0);
    excel_path->clear();
    log_path->clear();
    gallery.zoomSliderDidChange(0.5);
    ::Excel_Sheet_Number = 1;
    sheetNumbers_.clear();
    contains_header->setChecked(true);
    resetColumnCombos({});
    Sel_Template_Category = QStringLiteral("C");
    gallery.Fill_Templates();
    reloadBrowser();
    proj_name->setText(DefaultProjectName);
    Fill_Folder_Combo_Box();
    Fill_Tree_View();
    Show_And_Hide_Fisrt_Screen(false);
    if (projects.project_created())
        Open_Radio_Click();
    showScreen(0);
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Group_Mode_Wizard::Show_And_Hide_Fisrt_Screen(bool keep) {
    if (!keep) {
        Project_Name_Val.clear();
        Project_Path_Val.clear();
        Project_Excel_Val.clear();
    }
    new_or_open_or_log = 0;
    start_new_btn->setChecked(true);
    SetObjEnabled(new_box, true);
    SetObjEnabled(open_box, false);
    SetObjEnabled(open_log_box, false);
    showScreen(keep ? 1 : 0);
}

void Group_Mode_Wizard::New_Radio_Click() { Show_And_Hide_Fisrt_Screen(false); }

void Group_Mode_Wizard::Open_Radio_Click() {
    new_or_open_or_log = 1;
    open_exist_btn->setChecked(true);
    SetObjEnabled(new_box, false);
    SetObjEnabled(open_box, true);
    SetObjEnabled(open_log_box, false);
    Get_Selected_Project_Path();
    showScreen(0);
}

void Group_Mode_Wizard::Open_log_Radio_Click() {
    new_or_open_or_log = 2;
    open_log_btn->setChecked(true);
    SetObjEnabled(new_box, false);
    SetObjEnabled(open_box, false);
    SetObjEnabled(open_log_box, true);
    showScreen(0);
}

void Group_Mode_Wizard::Browse_excel_Btn_Clicked() {
    // The unpacked workbook goes: the column screen must read it again.
    Delete_Excel_File_Temp_Folder();
    Pass_excel_file->clear();
    const QString path = zelk::chooseOpenPath(this, QStringLiteral("Excel file"),
                                              QStringLiteral("Workbooks (*.xlsx *.XLSX)"));
    if (path.isEmpty())
        return;
    excel_path->setText(path);
}

void Group_Mode_Wizard::Browse_log_Btn_Clicked() {
    const QString path = zelk::chooseOpenPath(
        this, QStringLiteral("Design file"), QStringLiteral("Design files (*.%1)").arg(design_file_EXT));
    if (!path.isEmpty())
        log_path->setText(path);
}

void Group_Mode_Wizard::View_Excel_Btn_Clicked() {
    if (window_ && window_->Calculate_Excel_table_rows() > 0)
        Data_From_Excel::defaultInstance()->Open_Wnd();
    else
        Show_MessageBox(NoExcelDataMessage);
}

// ---- Project tree and folders ----

void Group_Mode_Wizard::Fill_Folder_Combo_Box() {
    const QStringList folders = GroupProjects::folders();
    const QSignalBlocker b1(proj_path);
    const QSignalBlocker b2(Create_Folder_Combo);
    proj_path->clear();
    Create_Folder_Combo->clear();
    proj_path->addItems(folders);
    Create_Folder_Combo->addItems(folders);
    if (!folders.isEmpty()) {
        proj_path->setCurrentIndex(0);
        Create_Folder_Combo->setCurrentIndex(0);
        if (!add_new_folder.isEmpty())
            if (const qsizetype at = folders.indexOf(add_new_folder); at >= 0)
                proj_path->setCurrentIndex(int(at));
    }
}

void Group_Mode_Wizard::Fill_Tree_View() {
    projects.Fill_Tree_View();
    const QSignalBlocker blocker(treeView);
    treeView->clear();
    QTreeWidgetItem* folder = nullptr;
    int r = 0;
    for (const GroupProjects::Row& row : projects.rows()) {
        QTreeWidgetItem* item = row.folder || !folder ? new QTreeWidgetItem(treeView) : new QTreeWidgetItem(folder);
        item->setText(0, row.name);
        item->setData(0, Qt::UserRole, r++);
        if (row.folder)
            folder = item;
    }
    treeView->expandAll();
    const int select = std::max(last_tree_sel_val, 1);
    QTreeWidgetItemIterator it(treeView);
    for (; *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == select)
            treeView->setCurrentItem(*it);
    Get_Selected_Project_Path();
}

int Group_Mode_Wizard::selectedTreeRow() const {
    const QTreeWidgetItem* item = treeView->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void Group_Mode_Wizard::Get_Selected_Project_Path() {
    bool deleteFolder = false;
    Selected_GP_Project = projects.Get_Selected_Project_Path(selectedTreeRow(), &deleteFolder);
}

void Group_Mode_Wizard::Copy_Prj_Click() {
    last_tree_sel_val = selectedTreeRow();
    Get_Selected_Project_Path();
    if (!GroupProjects::isUsableProject(Selected_GP_Project))
        return Show_MessageBox(GroupProjects::SelectProjectMessage);
    if (Show_YES_NO_MessageBox(GroupProjects::CopyQuestion) != 1)
        return;
    GroupProjects::copyProject(Selected_GP_Project);
    Fill_Tree_View();
}

void Group_Mode_Wizard::Rename_Prj_Click() {
    last_tree_sel_val = selectedTreeRow();
    Get_Selected_Project_Path();
    if (!GroupProjects::isUsableProject(Selected_GP_Project))
        return Show_MessageBox(GroupProjects::SelectProjectMessage);
    const QString path = Selected_GP_Project;
    const QString oldName = QFileInfo(path).completeBaseName();
    Export_Template* dialog = Export_Template::defaultInstance();
    dialog->template_name->setText(oldName);
    dialog->template_passed = oldName;
    // A project's new name is checked in its own folder, not among the
    // templates; a taken one keeps the dialog open.
    dialog->nameCheck = [&path](const QString& rawName, QString* cleanName) {
        const QString name = GroupProjects::cleanName(rawName);
        if (name.isEmpty()) {
            Show_MessageBox(EnterNameMessage);
            return false;
        }
        const QString target = QFileInfo(path).dir().filePath(name + QLatin1Char('.') + design_file_EXT);
        if (QFileInfo::exists(target) && QFileInfo(target).fileName() != QFileInfo(path).fileName()) {
            Show_MessageBox(GroupProjects::NameExistsMessage);
            return false;
        }
        *cleanName = name;
        return true;
    };
    const int result = dialog->Open_Wnd(GroupProjects::RenameTitle, GroupProjects::NameCaption);
    dialog->nameCheck = nullptr;
    if (result == 1)
        GroupProjects::renameProject(path, export_template_name);
    dialog->template_passed.clear();
    Fill_Tree_View();
}

void Group_Mode_Wizard::Delete_Prj_Click() {
    last_tree_sel_val = selectedTreeRow();
    Get_Selected_Project_Path();
    const QString path = Selected_GP_Project;
    const QFileInfo info(path);
    const bool isAll = info.fileName() == GroupProjects::DefaultFolder &&
                       info.absolutePath() == QFileInfo(GroupProjects::base()).absoluteFilePath();
    if (path.isEmpty() || isAll || !info.exists())
        return Show_MessageBox(GroupProjects::SelectProjectMessage);
    if (info.isDir()) {
        if (Show_YES_NO_MessageBox(GroupProjects::DeleteFolderQuestion) == 1)
            GroupProjects::deleteFolder(path);
    } else if (Show_YES_NO_MessageBox(GroupProjects::DeleteProjectQuestion) == 1) {
        GroupProjects::deleteProject(path);
    }
    // The refill makes "All" again when its last project took it along.
    Fill_Tree_View();
    Fill_Folder_Combo_Box();
}

void Group_Mode_Wizard::New_Folder_Click() {
    Create_Folder_Window->Open_Wnd();
    Fill_Folder_Combo_Box();
    Fill_Tree_View();
}

// ---- Workbook and columns ----

void Group_Mode_Wizard::resetColumnCombos(const QStringList& titles) {
    for (QComboBox* combo : col_combos) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItem(QStringLiteral("None"));
        combo->addItems(titles);
        combo->setCurrentIndex(0);
    }
}

void Group_Mode_Wizard::Show_Create_Modeless() { plz_wait_Window->beginSheet(this); }

void Group_Mode_Wizard::Hide_Destroy_Modeless() { plz_wait_Window->endSheet(); }

void Group_Mode_Wizard::Load_file_Func(const QString& path) {
    const WaitSheet wait(*this);
    {
        const QSignalBlocker blocker(Sheet_ComboBox);
        Sheet_ComboBox->clear();
    }
    sheetNumbers_.clear();
    resetColumnCombos({});
    bool unpacked = false;
    Delete_Excel_File_Temp_Folder();
    SpreadsheetWriter::ReadWorkbook(path, true, &unpacked);
    if (!unpacked)
        return;
    sheetNumbers_ = SpreadsheetWriter::sheetNumbers();
    Sheet_ComboBox->addItems(SpreadsheetWriter::sheetNames());  // selects the first: its columns are read
}

void Group_Mode_Wizard::sheetSelectionDidChange(int index) {
    if (index < 0 || index >= sheetNumbers_.size())
        return resetColumnCombos({});
    ::Excel_Sheet_Number = sheetNumbers_.at(index);
    const SpreadsheetWriter::Rows header = SpreadsheetWriter::ReadData_only_column();
    resetColumnCombos(header.isEmpty() ? QStringList() : header.first());
}

void Group_Mode_Wizard::Set_Group_Mode_Excel_Col_Index() {
    if (!window_)
        return;
    for (int i = 0; i < 12; ++i) {
        const int item = col_combos[i]->currentIndex();
        window_->excel_cb_value[i] = item <= 0 ? -1 : item;
    }
}

// ---- The buttons ----

bool Group_Mode_Wizard::openProject(const QString& path, const QString& message) {
    if (!isDesignPath(path)) {
        Show_MessageBox(message);
        return false;
    }
    // A file whose table has no row would give a project without card
    // holders: refused before the design on screen changes.
    const zelk::DesignReadResult read = DesignFile::readDesignFile(path);
    if (read.ok() && read.contents->excelRows.isEmpty()) {
        Show_MessageBox(message);
        return false;
    }
    if (window_->Read_and_load_design_Log_NEW_METHOD(path, DesignFile::TemplateMode, true) != 1)
        return false;
    Start_Card_Option = QStringLiteral("G");
    Project_File_Name = path;
    return true;
}

void Group_Mode_Wizard::OK_Click() {
    if (next_counter == 0) {
        if (new_or_open_or_log == 1) {
            Get_Selected_Project_Path();
            if (openProject(Selected_GP_Project, GroupProjects::SelectProjectMessage))
                done(1);
            return;
        }
        if (new_or_open_or_log == 2) {
            if (openProject(Trim_Str(log_path->text()), BadLogMessage))
                done(1);
            return;
        }
        // The name becomes a file name inside the chosen folder.
        const QString name = GroupProjects::cleanName(proj_name->text());
        if (name.isEmpty())
            return Show_MessageBox(EnterNameMessage);
        if (proj_path->currentIndex() < 0)
            return Show_MessageBox(SelectPathMessage);
        const QString folder = Trim_Str(proj_path->currentText());
        if (folder.isEmpty())
            return Show_MessageBox(SelectPathMessage);
        const QString workbook = Trim_Str(excel_path->text());
        if (workbook.isEmpty())
            return Show_MessageBox(SelectExcelMessage);
        final_grp_design_path = GroupProjects::projectPath(folder, name);
        if (QFileInfo::exists(final_grp_design_path))
            return Show_MessageBox(GroupProjects::NameExistsMessage);
        Project_Name_Val = name;
        Project_Path_Val = folder;
        Project_Excel_Val = workbook;
        gallery.zoomSliderDidChange(0.5);
        {
            const QSignalBlocker blocker(_zoom_slider);
            _zoom_slider->setValue(50);
        }
        reloadBrowser();
        Show_And_Hide_Fisrt_Screen(true);
        return;
    }
    if (next_counter == 1) {
        // The template's design file must be there too: the commit loads it.
        if (!UserTemplates::isUsableChoice(Selected_Template_Path) ||
            !QFileInfo(TemplateGallery::designPathOfPreview(Selected_Template_Path)).isFile())
            return Show_MessageBox(UserTemplates::SelectTemplateMessage);
        showScreen(2);
        Pass_proj_name->setText(Project_Name_Val);
        Pass_proj_path->setText(Project_Path_Val);
        if (Pass_excel_file->text() != Project_Excel_Val) {
            Pass_excel_file->setText(Project_Excel_Val);
            Load_file_Func(Project_Excel_Val);
        }
        for (QComboBox* combo : col_combos)
            combo->setCurrentIndex(0);
        return;
    }
    if (next_counter == 2) {
        if (commitNewProject())
            done(1);
        return;
    }
    done(1);
}

bool Group_Mode_Wizard::commitNewProject() {
    if (col_combos[0]->currentIndex() < 1 || Trim_Str(col_combos[0]->currentText()).isEmpty()) {
        Show_MessageBox(NoneColumnMessage);
        return false;
    }
    // The rows are read before anything changes: the working folder may
    // have been emptied since the sheets were listed (a second Browse).
    const int sheetItem = Sheet_ComboBox->currentIndex();
    SpreadsheetWriter::Rows rows;
    {
        const WaitSheet wait(*this);
        bool unpacked = false;
        Delete_Excel_File_Temp_Folder();
        SpreadsheetWriter::ReadWorkbook(Project_Excel_Val, true, &unpacked);
        const QList<int> numbers = unpacked ? SpreadsheetWriter::sheetNumbers() : QList<int>();
        if (sheetItem >= 0 && sheetItem < numbers.size()) {
            ::Excel_Sheet_Number = numbers.at(sheetItem);
            rows = SpreadsheetWriter::ReadWorkbook(Project_Excel_Val, false);
        }
    }
    const zelk::GroupTable table = zelk::GroupTable::fromSheet(rows, contains_header->isChecked());
    if (table.rows.isEmpty()) {
        Show_MessageBox(NoRowsMessage);
        return false;
    }
    const QString templateDesign = TemplateGallery::designPathOfPreview(Selected_Template_Path);
    Set_Group_Mode_Excel_Col_Index();
    const std::array<int, 12> chosen = window_->excel_cb_value;
    if (window_->Read_and_load_design_Log_NEW_METHOD(templateDesign, DesignFile::TemplateMode, true) != 1)
        return false;
    window_->Check_For_Defalut_Photo_Control();
    Start_Card_Option = QStringLiteral("G");
    // Loading the template brought back the column indexes stored in it.
    window_->excel_cb_value = chosen;
    window_->Create_Excel_List_Func(table.titles, table.rows);
    window_->Update_Excel_Column_Binding(QStringLiteral("A"));
    window_->Hide_Unbound_Template_Fields();
    Excel_Binding_Use = true;
    Excel_Source_Path = Project_Excel_Val;
    Use_Excel_Binding_Values = true;
    Project_File_Name = final_grp_design_path;
    if (window_->Data_source_type)
        window_->Add_Excel_Col_Name_In_Combo(window_->Data_source_type);
    Create_Folder(QFileInfo(Project_File_Name).absolutePath());
    // The project exists only once written: a failed save keeps the wizard
    // open (the saver has said why).
    return window_->Save_project_file(false, false, DesignFile::DesignMode) == 1;
}

void Group_Mode_Wizard::Back_Click() {
    if (next_counter == 0)
        return Cancel_Click();
    showScreen(next_counter - 1);
}

void Group_Mode_Wizard::Cancel_Click() {
    Selected_Template_Path.clear();
    Card_Shape = 0;
    done(0);
}
