#pragma once
// The progress sheet of the long jobs (batch export, mail, batch cropping):
// a count, a bar and a Stop button over the job's window while the job runs
// on a worker. It holds no job logic: the job fills it, a timer on the GUI
// thread refreshes it from the job's counter, and Stop only raises the
// shared stop request that the job polls between items.
//
// The sheet is window-modal: the window under it repaints but takes no
// command, so one long job runs at a time. Every call is made on the GUI
// thread (a worker hands its calls over and waits).
#include "dialogs/StopQuestion.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class Send_Modeless;

// The one progress sheet, recorded when it is made; nullptr before.
extern Send_Modeless* Send_Mod_DefaultInstance;

class Send_Modeless : public QDialog {
    Q_OBJECT
public:
    explicit Send_Modeless(QWidget* parent = nullptr);
    ~Send_Modeless() override;
    static Send_Modeless* defaultInstance() { return Send_Mod_DefaultInstance; }

    QLabel* tot_label = nullptr;
    QLabel* _tot_msg_cnt = nullptr;
    QLabel* _curr_msg_cnt = nullptr;
    QProgressBar* _Curr_Progress = nullptr;
    QProgressBar* Round_Progress = nullptr;
    QPushButton* _stop_btn = nullptr;
    QLabel* pause_label = nullptr;

    // Asks "Are you sure you want to stop?"; Yes sets Stop_SMS_Sending_Now
    // and replace_keep_file_flag to 5 (cancel all), No changes nothing.
    void Stop_Sending_Pressed();
    // Stop's question: a job that ends while it is open closes once it is
    // answered (StopQuestion::afterAnswer).
    zelk::StopQuestion& stopQuestion() { return stopQuestion_; }
    // Escape and the window's close button are Stop: the sheet stays until
    // its job ends, so the job's Stop stays within reach.
    void reject() override;

    // The steps every job takes. Before its loop: the controls set for
    // `total` items with the starting count text (with 0 and the total).
    void prepareJob(int total, const QString& startText);
    // Shows the sheet over `owner` and refreshes it every 0.5 s from `done`
    // (items done so far; read on the GUI thread, so it reads an atomic).
    void beginSheet(QWidget* owner, std::function<int()> done);
    // One refresh: the bar takes the count and the count text
    // "%d / %d " (done, total) is kept in curr_msg_count_str.
    void update_sending_progress_bar();
    // Stops the refresh, ends the sheet and hides the window.
    void endSheet();
    bool isSheetShown() const { return isVisible(); }

    // The last count text shown (the jobs' curr_msg_count_str).
    QString curr_msg_count_str;

private:
    QTimer* timer_ = nullptr;
    std::function<int()> done_;
    int total_ = 0;
    zelk::StopQuestion stopQuestion_;
};
