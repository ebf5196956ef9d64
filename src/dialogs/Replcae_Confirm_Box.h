#pragma once
// The keep-or-replace question about a file that exists already. A worker
// (export, crop, series jobs) asks it through Open_box_in_thread: the dialog
// runs on the GUI thread while the worker waits, and the answer is left in
// replace_keep_file_flag: Keep 1 (3 with "Apply to All"), Replace 0 (2),
// Cancel 4 (5); Cancel also sets Stop_SMS_Sending_Now.
#include <QDialog>
#include <QString>
#include <atomic>

class QCheckBox;
class QLabel;

// The request to stop a running job, written by the GUI thread and read by
// the job.
extern std::atomic<bool> Stop_SMS_Sending_Now;

class Replcae_Confirm_Box : public QDialog {
    Q_OBJECT
public:
    enum Button { Keep, Replace, Cancel };

    static Replcae_Confirm_Box* defaultInstance();

    // Set by the caller before Open_box_in_thread.
    QString title_val;
    QString msg_val_str;
    bool apply_chk_show = false;
    QString file_path_str;

    // Asks on the GUI thread (from any thread; the caller waits) and returns
    // the answer, also left in replace_keep_file_flag.
    int Open_box_in_thread();

    // The answer code of a button with the "Apply to All" box on or off.
    static int answerFor(Button button, bool applyToAll);

    // The button actions: store the answer and end the modal run (1 for
    // Keep and Replace, 0 for Cancel).
    void Keep_Clicked();
    void Replace_Clicked();
    void Cancel_Clicked();

    QCheckBox* Apply_All_Chk = nullptr;  // "Apply to All"
    QLabel* msg_label = nullptr;

private:
    explicit Replcae_Confirm_Box(QWidget* parent = nullptr);
    int runOnGuiThread();
    void answer(Button button);
};
