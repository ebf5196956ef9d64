#pragma once
// The box offered after an export: the exported file (or folder) in the path
// text, the back side's file below it when both sides were written, a
// message, and a check box to open them (through the services' opener).
// The caller fills the fields and runs it modally through Open_Wnd.
#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;

class Open_Export_Log : public QDialog {
    Q_OBJECT
public:
    explicit Open_Export_Log(QWidget* parent = nullptr);

    QCheckBox* _open_log_chk = nullptr;
    QLineEdit* _open_log_path = nullptr;
    // The back side's file under the front's, shown only when there is one.
    QLineEdit* _open_log_back_path = nullptr;
    QLabel* _open_log_message = nullptr;
    // The back side's file of a two-sided export ("" for none); opened too
    // when it exists, and cleared when the box closes.
    QString Export_Back_File_Path;

    int Open_Wnd();
    void OK_Clicked();
    void Cancel_Clicked();
};
