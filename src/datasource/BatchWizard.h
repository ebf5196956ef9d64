#pragma once
// The series manager. Its first screen lists the series of the data folder
// (open, new, import, generate, delete); its second edits the values of one
// series (add through the wizard or the generator, edit, delete, save,
// export to a workbook or a text file). The import dialogs and the
// generator hand values to it through BatchWizard_Window.
#include <QDialog>
#include <QString>
#include <QStringList>

class Load_Num_Info;
class Open_Export_Log;
class PleaseWait_Modeless;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;
class Update_Ex_Num;

class BatchWizard : public QDialog {
    Q_OBJECT
public:
    // The one object; also published as BatchWizard_Window.
    static BatchWizard* defaultInstance();

    // ---- First screen: the series ----
    QWidget* avl_list_box = nullptr;
    QWidget* btn_box1 = nullptr;
    QListView* List = nullptr;
    QLabel* batch_list_count = nullptr;  // "Total List : %d"
    QStringList ListData;                // the series names, trimmed

    // ---- Second screen: the values of one series ----
    QWidget* list_value_box = nullptr;
    QWidget* btn_box2 = nullptr;
    QListView* List_value = nullptr;
    QLineEdit* batch_list_name = nullptr;   // the name to save under
    QLineEdit* update_list_name = nullptr;  // hidden: the series opened, "" for a new one
    QLabel* batch_value_count = nullptr;    // "Total Rows : %d"
    QStringList ListData_value;             // trimmed, never empty

    Load_Num_Info* Load_Number_Window = nullptr;
    Update_Ex_Num* Update_Value_Wnd = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

    // Builds the data folder tree when missing, shows the first screen with
    // a fresh list of series and runs the manager.
    void Open_Wnd();

    // Values from the wizard, the generator and the workbook dialog: each
    // trimmed, blank ones dropped.
    void Create_Value_List(const QString& value);
    void Create_Value_List(const QStringList& values);
    // The list of series rebuilt from the data folder.
    void Fill_List();
    void Create_Avail_List(const QString& name);
    // The value editor's change of one row.
    void replaceValue(int row, const QString& value);

    // ---- Buttons ----
    void AddNew_Btn_Clicked();
    void Update_Btn_Clicked();
    void Import_Btn_Clicked();
    void CreateSeries_Btn_Clicked();
    void Delete_List_Btn_Clicked();
    void Close_Btn_Clicked();
    void Close_2_Btn_Clicked();
    void Help_Btn_Clicked();
    void Help_2_Btn_Clicked();
    void Import_Value_Btn_Clicked();
    void Series_Value_Btn_Clicked();
    void Delete_Rows_Btn_Clicked();
    void Save_Btn_Clicked();
    void Export_Value_Btn_Clicked();
    void Back_Btn_Clicked();
    void doubleClickInTable(QListView* table);

    void On_Update();
    void OnGetSelected();
    bool Batch_List_Selection_Validation();
    void Export_list_method_2();
    // Writes the value list to the path: a workbook for ".xlsx", else a
    // series text file (".txt" added to any other extension). False, with
    // "Error in file accessing." shown, when it could not be written.
    bool exportValues(const QString& path);
    // The file an export to `path` writes.
    static QString exportPathOf(const QString& path);
    void Open_Export_File_Box(const QString& path);

    void Show_hide_first_screen(bool hide);
    void Show_hide_Last_screen(bool hide);
    QString Get_List_Name_Text(int row) const;
    void Mark_List_New_Selection(int row);
    void Mark_List_New_Selection_Value(int row);
    void Update_batch_List_Count();
    void Update_Value_List_Count();
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

    // Blank lines before the last value of the series opened: saving drops
    // them and moves later values onto earlier cards.
    int openedEmptyValues() const { return openedEmptyValues_; }

private:
    explicit BatchWizard(QWidget* parent = nullptr);
    // The keep-or-clear question before values are added; false: abandon.
    bool prepareToAddValues();
    QList<int> selectedRows(QListView* table) const;
    int reportedRow(QListView* table) const;

    QStringListModel* seriesModel_ = nullptr;
    QStringListModel* valueModel_ = nullptr;
    Open_Export_Log* exportBox_ = nullptr;
    int openedEmptyValues_ = 0;
};

extern BatchWizard* BatchWizard_Window;
