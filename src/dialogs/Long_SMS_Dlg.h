#pragma once
// The long-text box: a title and a text too long for a message box, with one
// "OK" button. The caller sets Cutom_Msg_Title and Cutom_Msg_Val, then opens
// it; help texts use it.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class Long_SMS_Dlg : public QDialog {
    Q_OBJECT
public:
    static Long_SMS_Dlg* defaultInstance();

    // Shows the two globals and runs the box modally; 1 after OK.
    int Open_Long_sms_Dialog();
    // OK: keeps the (hidden) apply-to-all box's state in Msg_Apply_All_Chk
    // and ends the run with 1.
    void OKPressed();

    QLabel* _Msg_Title = nullptr;
    QPlainTextEdit* _Msg_Val = nullptr;
    QCheckBox* apply_chk = nullptr;
    QPushButton* yes_button = nullptr;
    QPushButton* no_button = nullptr;
    int modl_response = 0;

private:
    explicit Long_SMS_Dlg(QWidget* parent = nullptr);
};
