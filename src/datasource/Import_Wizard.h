#pragma once
// The series import wizard: a series out of a workbook sheet, a text file
// (plain text, CSV or RTF), pasted text or the pictures of a folder. With
// file_name_required 1 the values become a new series named in the wizard;
// otherwise they go to the series manager's value list.
#include <QDialog>
#include <QString>
#include <QStringList>

class PleaseWait_Modeless;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class Import_Wizard : public QDialog {
    Q_OBJECT
public:
    static Import_Wizard* defaultInstance();

    // The chosen source: 0 workbook, 1 text file, 2 pasted text, 3 picture folder.
    int import_option = 0;
    // Set by the opener (see Generate_List).
    int file_name_required = 0;
    int file_name_Insert = 0;

    QRadioButton* Excel_RD = nullptr;
    QRadioButton* Text_RD = nullptr;
    QRadioButton* Mnul_RD = nullptr;
    QRadioButton* Image_RD = nullptr;
    QLineEdit* Excel_path = nullptr;
    QLineEdit* Text_path = nullptr;
    QLineEdit* Image_path = nullptr;
    QPushButton* Excel_btn = nullptr;
    QPushButton* Text_btn = nullptr;
    QPushButton* Image_btn = nullptr;
    QPlainTextEdit* ManualEdit = nullptr;
    QLineEdit* Text_file_name = nullptr;
    QLineEdit* Manual_file_name = nullptr;
    QLineEdit* Image_file_name = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

    // Resets the wizard (workbook source, empty fields) and runs it.
    void Open_Wnd();

    void Excel_RD_Pressed();
    void Text_RD_Pressed();
    void Manual_RD_Pressed();
    void Image_RD_Pressed();
    void Browse_Excel_Pressed();
    void Browse_Text_Pressed();
    void Browse_Image_Pressed();
    void OKPressed();
    void CancelPressed();
    void HelpPressed();

    void Enable_Disable_Excel_Option(bool flag);
    void Enable_Disable_Text_Option(bool flag);
    void Enable_Disable_Manual_Option(bool flag);
    void Enable_Disable_Image_Option(bool flag);

    // The three imports; false after a failure (its message shown).
    bool Create_And_Save_Text_Data_Sheet(const QString& path);
    bool Create_And_Save_Manual_Paste_data_Sheet();
    bool Create_And_Save_Image_data_Sheet(const QString& folder);

    // A value of a text file, cleaned.
    static QString chk_and_insert_validation(const QString& text);
    // The picture files of a folder (one level, links followed), in name
    // order with numbers compared as numbers.
    static QStringList imagePathsOf(const QString& folder);

    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

private:
    explicit Import_Wizard(QWidget* parent = nullptr);
    void selectSource(int option);
    // The series name of a named import, cleaned; nullopt after a refusal.
    bool takeName(QLineEdit* field, QString& name);
    // Writes or hands over the values; false after a failed write.
    bool deliver(const QString& name, const QStringList& values);
};
