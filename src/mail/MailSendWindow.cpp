#include "mail/MailSendWindow.h"

#include "dialogs/DialogStyle.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/StopQuestion.h"
#include "foundation/Utilities.h"
#include "mail/Email_Setting.h"
#include "mail/MailButtonRow.h"
#include "mail/MailRules.h"
#include "mail/SendMailJob.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QBoxLayout>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

MailSendWindow::MailSendWindow(SKTWindowController& hub, QWidget* parent, const QString& title)
    : QDialog(parent), hub_(hub) {
    setWindowFlag(Qt::Window, true);
    zelk::applyDialogBackground(this);
    setWindowTitle(title);
}

MailSendWindow::~MailSendWindow() {
    if (worker_) {
        Stop_SMS_Sending_Now = true;
        // Nobody waits for the message in flight any more.
        if (job_)
            job_->abort();
        worker_->disconnect(this);
        worker_->wait();
        delete worker_;
    }
}

bool MailSendWindow::isValidEmail(const QString& text) { return zelk::mail::isValidEmail(text); }

QPushButton* MailSendWindow::makeSender(QWidget* parent) {
    from_txt = new QLineEdit(parent);
    from_txt->setReadOnly(true);
    auto* settings = new QPushButton(QStringLiteral("Settings..."), parent);
    connect(settings, &QPushButton::clicked, this, &MailSendWindow::Setting_Button);
    return settings;
}

QPushButton* MailSendWindow::addSendButtons(QBoxLayout* layout) {
    const QList<QPushButton*> buttons =
        zelk::mail::addButtonRow(layout, this, {}, {QStringLiteral("Close"), QStringLiteral("Send")});
    send_button = buttons.at(1);
    return buttons.at(0);
}

void MailSendWindow::reject() {
    if (running())
        askStop();
    else
        Close_Button();
}

void MailSendWindow::Setting_Button() {
    Email_Setting::forHub(hub_)->Open_Wnd();
    hub_.Get_Email_Details();
    from_txt->setText(::sender_email);
}

QString MailSendWindow::senderAddress() const { return Trim_Str(from_txt->text().toLower()); }

std::optional<QStringList> MailSendWindow::checkedRecipients(const QString& sender, const QString& typed) const {
    QString refusal;
    std::optional<QStringList> recipients = zelk::mail::sendRecipients(sender, typed, &refusal);
    if (!recipients)
        Show_MessageBox(refusal);
    return recipients;
}

zelk::MailMessage MailSendWindow::serverMessage(const QString& sender) {
    zelk::MailMessage m;
    m.withSender = sender;
    m.withPwd = ::sender_pwd;
    m.withSMTP = ::sending_server;
    m.withPort = ::sending_port;
    m.enable_ssl = ::send_enable_ssl;
    return m;
}

void MailSendWindow::startRun() {
    std::shared_ptr<zelk::SendMailJob> job = job_;
    worker_ = QThread::create([job] { job->run(); });
    connect(
        worker_, &QThread::finished, this,
        [this] { stopQuestion().afterAnswer(this, [this] { finishRun(); }); }, Qt::QueuedConnection);
    worker_->start();
}

bool MailSendWindow::joinRun() {
    if (!worker_)
        return false;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    return true;
}

void MailSendWindow::tellOutcome(const zelk::SendMailJob& job, const QString& failure) {
    const int unsent = job.planned() - job.sent();
    if (job.allSent())
        Show_MessageBox(zelk::mail::sentMessage);
    else if (job.stoppedEarly() && job.failed() == 0)
        Show_MessageBox(zelk::mail::stoppedMessage(unsent, job.planned()));
    else
        Show_MessageBox(zelk::mail::unsentMessage(unsent, job.planned(), failure));
    emit runFinished();
}

void MailSendWindow::waitForRun() {
    if (!worker_)
        return;
    QEventLoop loop;
    connect(this, &MailSendWindow::runFinished, &loop, &QEventLoop::quit);
    loop.exec();
}
