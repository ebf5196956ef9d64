#pragma once
// The group-project wizard: a new project (name, folder, workbook, then a
// template from the gallery, then the sheet and the column of each profile
// slot), or an existing project from the project tree, or any design file.
// Open_Wnd returns 1 once a project is on the main window in start mode "G".
#include "groups/GroupProjects.h"
#include "mainwindow/TemplateBrowserControls.h"
#include "mainwindow/TemplateGallery.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class CreateFolder;
class PleaseWait_Modeless;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTreeWidget;
class SKTWindowController;

class Group_Mode_Wizard : public QDialog {
    Q_OBJECT
public:
    static Group_Mode_Wizard* defaultInstance();

    // Texts the user sees.
    static inline const QString EnterNameMessage = QStringLiteral("Please enter project name.");
    static inline const QString SelectPathMessage = QStringLiteral("Please select project path.");
    static inline const QString SelectExcelMessage = QStringLiteral("Please select excel file.");
    static inline const QString BadLogMessage = QStringLiteral("Please browse valid log file.");
    static inline const QString NoneColumnMessage = QStringLiteral("Default column should not be 'None'.");
    static inline const QString NoRowsMessage =
        QStringLiteral("Either file is corrupted or selected file contains invalid characters.");
    static inline const QString NoExcelDataMessage = QStringLiteral("There is no excel data to view.");
    static inline const QString DefaultProjectName = QStringLiteral("MyProject");
    // The manual-photo columns a group project's table ends with.
    static inline const QString FrontManualPhotoTitle = QStringLiteral("MFPC");
    static inline const QString BackManualPhotoTitle = QStringLiteral("MBPC");

    // Resets the wizard and runs it over the window: 1 after a project was
    // created or opened, 0 after Cancel.
    int Open_Wnd(SKTWindowController& window);

    // Actions.
    void OK_Click();
    void Back_Click();
    void Cancel_Click();
    void New_Radio_Click();
    void Open_Radio_Click();
    void Open_log_Radio_Click();
    void Browse_excel_Btn_Clicked();
    void Browse_log_Btn_Clicked();
    void View_Excel_Btn_Clicked();
    void Copy_Prj_Click();
    void Rename_Prj_Click();
    void Delete_Prj_Click();
    void New_Folder_Click();
    // The sheet combo chose its item `index`.
    void sheetSelectionDidChange(int index);
    // Reads the workbook's sheets into the sheet combo (first one selected).
    void Load_file_Func(const QString& path);

    void Fill_Folder_Combo_Box();
    void Fill_Tree_View();
    // The path of the selected tree row into Selected_GP_Project.
    void Get_Selected_Project_Path();
    void Show_And_Hide_Fisrt_Screen(bool keep);
    // The twelve column combos' choices into the window's column indexes
    // (-1 for "None").
    void Set_Group_Mode_Excel_Col_Index();
    // The please-wait sheet over the wizard while a workbook is read.
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

    // State.
    int next_counter = 0;
    int new_or_open_or_log = 0;
    QString Project_Name_Val;
    QString Project_Path_Val;
    QString Project_Excel_Val;
    QString final_grp_design_path;
    QString Selected_GP_Project;
    QString add_new_folder;
    int last_tree_sel_val = 0;
    GroupProjects projects;
    TemplateGallery gallery;

    // Controls.
    QWidget* first_screen = nullptr;
    QWidget* second_screen = nullptr;
    QWidget* third_screen = nullptr;
    QRadioButton* start_new_btn = nullptr;
    QRadioButton* open_exist_btn = nullptr;
    QRadioButton* open_log_btn = nullptr;
    QWidget* new_box = nullptr;
    QWidget* open_box = nullptr;
    QWidget* open_log_box = nullptr;
    QLineEdit* proj_name = nullptr;
    QComboBox* proj_path = nullptr;
    QLineEdit* excel_path = nullptr;
    QLineEdit* log_path = nullptr;
    QTreeWidget* treeView = nullptr;
    QPushButton* delete_folder_btn = nullptr;
    QComboBox* cat_cmbo_bx = nullptr;
    QComboBox* template_category_combo = nullptr;
    QLabel* sub_cat_title = nullptr;
    QListWidget* imageBrowser = nullptr;
    QSlider* _zoom_slider = nullptr;
    QWidget* template_btn_box = nullptr;
    QLabel* Pass_proj_name = nullptr;
    QLabel* Pass_proj_path = nullptr;
    QLabel* Pass_excel_file = nullptr;
    QComboBox* Sheet_ComboBox = nullptr;
    QCheckBox* contains_header = nullptr;
    std::array<QLabel*, 12> col_labels{};
    // name, title, company, slogan, address, phone, fax, e-mail, website,
    // unique number, front photo, back photo.
    std::array<QComboBox*, 12> col_combos{};
    QPushButton* ok_button = nullptr;
    QPushButton* back_button = nullptr;
    CreateFolder* Create_Folder_Window = nullptr;
    QComboBox* Create_Folder_Combo = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

protected:
    void reject() override { Cancel_Click(); }

private:
    explicit Group_Mode_Wizard(QWidget* parent = nullptr);
    void buildFirstScreen();
    void buildSecondScreen();
    void buildThirdScreen();
    void showScreen(int counter);
    void reloadBrowser();
    void refillUserTemplates();
    int selectedTreeRow() const;
    // The open-project and design-file ways: loads the file when its stored
    // table has rows.
    bool openProject(const QString& path, const QString& message);
    // The column screen's OK: false (wizard stays) on any refusal.
    bool commitNewProject();
    void resetColumnCombos(const QStringList& titles);

    SKTWindowController* window_ = nullptr;
    // The sheet number of each sheet combo item.
    QList<int> sheetNumbers_;
    zelk::TemplateBrowser browser_;
};
