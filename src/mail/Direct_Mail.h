#pragma once
// Mails one given file (a visitor's details) to each typed recipient, one
// mail per recipient, with its progress and Stop inside the window itself.
// The opener puts the file's path in the hidden field file_path_ctrl.
#include "dialogs/StopQuestion.h"
#include "mail/MailSendWindow.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class SKTWindowController;

class Direct_Mail : public MailSendWindow {
    Q_OBJECT
public:
    static Direct_Mail* forHub(SKTWindowController& hub);
    static Direct_Mail* defaultInstance();
    ~Direct_Mail() override;

    QLineEdit* to_txt = nullptr;
    QLineEdit* file_path_ctrl = nullptr;  // hidden
    QGroupBox* details_box = nullptr;
    QGroupBox* wait_box = nullptr;
    QProgressBar* _Curr_Progress = nullptr;
    QLabel* _curr_msg_cnt = nullptr;
    QPushButton* _stop_btn = nullptr;

    QString file_path;
    QString curr_msg_count_str;

    int Open_Wnd();
    // The window's state as it opens (the first steps of Open_Wnd).
    void prepareWindow();
    void Send_Button();
    void Stop_Sending_Pressed();
    void Close_Button() override;
    void update_sending_progress_bar();

private:
    explicit Direct_Mail(SKTWindowController& hub, QWidget* parent);
    void finishRun() override;
    void askStop() override { Stop_Sending_Pressed(); }
    zelk::StopQuestion& stopQuestion() override { return stopQuestion_; }
    void showProgress(bool on);

    QTimer* timer_ = nullptr;
    zelk::StopQuestion stopQuestion_;
    int list_count = 0;
};
