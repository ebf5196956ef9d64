#pragma once
// What the two windows that mail on a worker share (the Mail window and the
// visitor details' mail window): the sender field and its Settings button,
// the Close and Send row, the address check, the server settings of each
// message, the run's worker thread, its Stop and the closing message.
//
// While a run is on, the window does not close: Escape and the window's
// close button ask to stop the run instead.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QThread;
class SKTWindowController;
namespace zelk {
struct MailMessage;
class SendMailJob;
class StopQuestion;
}

class MailSendWindow : public QDialog {
    Q_OBJECT
public:
    // Stops a run still on the worker and waits for it.
    ~MailSendWindow() override;

    QLineEdit* from_txt = nullptr;  // the sender, from the mail settings
    QPushButton* send_button = nullptr;

    // Opens the mail settings and shows the sender they give.
    void Setting_Button();
    static bool isValidEmail(const QString& text);

    // A run is on the worker.
    bool running() const { return worker_ != nullptr; }
    // Waits for the run to end (the closing message included); tests.
    void waitForRun();

    // Closes the window with code 0 unless a run is on.
    virtual void Close_Button() = 0;
    // Escape and the close button: Close_Button, or during a run its Stop.
    void reject() override;

signals:
    // The run ended and its closing message was shown.
    void runFinished();

protected:
    // A window of its own with the dialog background and `title`.
    MailSendWindow(SKTWindowController& hub, QWidget* parent, const QString& title);

    // Makes from_txt (read-only) and its Settings button, which opens the
    // mail settings; returns the button, to be laid out beside the field.
    QPushButton* makeSender(QWidget* parent);
    // Close and Send (the default button) at the right of a row added to
    // `layout`; returns Close.
    QPushButton* addSendButtons(QBoxLayout* layout);
    // The run's Stop, with its question.
    virtual void askStop() = 0;
    // That question; the end of a run waits for its answer.
    virtual zelk::StopQuestion& stopQuestion() = 0;
    // The sender as a message carries it: from_txt trimmed and lower-cased.
    QString senderAddress() const;
    // The recipients of `typed` for `sender`; on a refusal the user is told
    // why and nothing is returned.
    std::optional<QStringList> checkedRecipients(const QString& sender, const QString& typed) const;
    // A message from `sender` through the server of the mail settings.
    static zelk::MailMessage serverMessage(const QString& sender);

    // Runs job_ on the worker; finishRun follows on this thread.
    void startRun();
    // Joins the ended worker; false when no run was on.
    bool joinRun();
    // The closing message of `job`, then runFinished: success when every
    // mail went; a run stopped without a failed send counts what was not
    // sent; otherwise the count before `failure`.
    void tellOutcome(const zelk::SendMailJob& job, const QString& failure);
    virtual void finishRun() = 0;

    SKTWindowController& hub_;
    std::shared_ptr<zelk::SendMailJob> job_;

private:
    QThread* worker_ = nullptr;
};
