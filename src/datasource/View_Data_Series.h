#pragma once
// The read-only viewer of one series: its name, its values (the value-list
// reading of the file) and "Total Rows : %d". The opener sets file_name.
#include <QDialog>
#include <QString>
#include <QStringList>

class PleaseWait_Modeless;
class QLabel;
class QListView;
class QStringListModel;

class View_Data_Series : public QDialog {
    Q_OBJECT
public:
    static View_Data_Series* defaultInstance();

    // The series to show, without extension.
    QString file_name;

    QLabel* series_name = nullptr;
    QLabel* list_count = nullptr;
    QListView* List = nullptr;
    QStringList ListData;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

    // Fills the list from the series file and runs the viewer.
    void Open_Wnd();
    // Shows the series a chooser names; no series chosen (empty or the
    // chooser's "<--Select-->") asks the user to choose one.
    static void openNamed(const QString& name);
    void Load_file_Func(const QString& path);
    // Adds a row for the line when it is not blank (trimmed).
    void Create_Avail_List(const QString& line);
    void Update_batch_List_Count();
    void OK_Btn_Clicked();

private:
    explicit View_Data_Series(QWidget* parent = nullptr);
    QStringListModel* model_ = nullptr;
};
