#pragma once
// Mails one given file (a visitor's details) to each typed recipient, one
// mail per recipient, with its progress and Stop inside the window itself.
// The opener puts the file's path in the hidden field file_path_ctrl.
#include <QDialog>
#include <QString>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class SKTWindowController;

namespace zelk {
class SendMailJob;
}

class Direct_Mail : public QDialog {
    Q_OBJECT
public:
    static Direct_Mail* forHub(SKTWindowController& hub);
    static Direct_Mail* defaultInstance();
    ~Direct_Mail() override;

    QLineEdit* from_txt = nullptr;
    QLineEdit* to_txt = nullptr;
    QLineEdit* file_path_ctrl = nullptr;  // hidden
    QGroupBox* details_box = nullptr;
    QGroupBox* wait_box = nullptr;
    QProgressBar* _Curr_Progress = nullptr;
    QLabel* _curr_msg_cnt = nullptr;
    QPushButton* _stop_btn = nullptr;
    QPushButton* send_button = nullptr;

    QString file_path;
    QString curr_msg_count_str;

    int Open_Wnd();
    // The window's state as it opens (the first steps of Open_Wnd).
    void prepareWindow();
    void Setting_Button();
    void Send_Button();
    void Stop_Sending_Pressed();
    void Close_Button();
    static bool isValidEmail(const QString& text);
    void update_sending_progress_bar();

    bool running() const { return worker_ != nullptr; }
    // Waits for the run to end (the closing message included); tests.
    void waitForRun();

signals:
    void runFinished();

private:
    explicit Direct_Mail(SKTWindowController& hub, QWidget* parent);
    void finishRun();
    void showProgress(bool on);

    SKTWindowController& hub_;
    std::shared_ptr<zelk::SendMailJob> job_;
    QThread* worker_ = nullptr;
    QTimer* timer_ = nullptr;
    int list_count = 0;
};
