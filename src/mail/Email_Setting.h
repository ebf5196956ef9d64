#pragma once
// The mail settings window: sender, password, server, port, SSL or TLS and
// a recipient for a test mail. It checks the entries, sends the test mail
// with the values as typed (off the GUI thread, behind a wait sheet),
// saves them to the settings file and resets them.
#include <QDialog>
#include <QString>

class PleaseWait_Modeless;
class QCheckBox;
class QLabel;
class QLineEdit;
class SKTWindowController;

class Email_Setting : public QDialog {
    Q_OBJECT
public:
    // The one window of the hub, made on first use as the hub's child.
    static Email_Setting* forHub(SKTWindowController& hub);
    static Email_Setting* defaultInstance();
    ~Email_Setting() override;

    QLineEdit* _send_mail_to = nullptr;
    QLineEdit* _send_mail_sender_mail = nullptr;
    QLineEdit* _send_mail_password = nullptr;
    QLineEdit* _send_mail_smtp = nullptr;
    QLineEdit* _send_mail_port = nullptr;
    QCheckBox* _send_mail_ssl = nullptr;
    QCheckBox* _send_mail_tls = nullptr;
    QLabel* _send_mail_result_status = nullptr;
    QLabel* _send_mail_test_mail = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

    // Loads the fields from the settings file and runs the window: 1 after
    // Save, 0 after Close.
    int Open_Wnd();
    void loadPreferences();
    // The checks in order; the first failure is told, its field focused.
    bool Check_Validation(bool forTestMail);
    static bool isValidEmail(const QString& text);
    // "Y" when SSL is ticked and TLS is not, else "N".
    QString sslFlag() const;

    void Send_Test_Email();
    void Save_Button();
    // False (and told) when the file could not be written.
    bool flushPreferences();
    void Close_Button();
    void Reset_Button();
    void SSL_Selected();
    void TLS_Selected();
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

private:
    explicit Email_Setting(SKTWindowController& hub, QWidget* parent);
    SKTWindowController& hub_;
};
