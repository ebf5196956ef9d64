#include "mail/Direct_Mail.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/Utilities.h"
#include "mail/MailRules.h"
#include "mail/SendMailJob.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using zelk::SendMailJob;

namespace {
Direct_Mail* instance = nullptr;
}

Direct_Mail* Direct_Mail::forHub(SKTWindowController& hub) {
    if (!instance || &instance->hub_ != &hub)
        new Direct_Mail(hub, &hub);
    return instance;
}

Direct_Mail* Direct_Mail::defaultInstance() { return instance; }

Direct_Mail::Direct_Mail(SKTWindowController& hub, QWidget* parent)
    : MailSendWindow(hub, parent, QStringLiteral("Mail Visitor Details")) {
    instance = this;
    auto* layout = new QVBoxLayout(this);

    details_box = new QGroupBox(this);
    auto* form = new QFormLayout(details_box);
    auto* fromRow = new QHBoxLayout;
    QPushButton* settings = makeSender(details_box);
    from_txt->setMinimumWidth(260);
    fromRow->addWidget(from_txt);
    fromRow->addWidget(settings);
    form->addRow(QStringLiteral("From:"), fromRow);
    to_txt = new QLineEdit(details_box);
    to_txt->setPlaceholderText(QStringLiteral("Separate the addresses with \",\""));
    form->addRow(QStringLiteral("To:"), to_txt);
    file_path_ctrl = new QLineEdit(details_box);
    file_path_ctrl->hide();
    layout->addWidget(details_box);

    wait_box = new QGroupBox(this);
    auto* wait = new QHBoxLayout(wait_box);
    _Curr_Progress = new QProgressBar(wait_box);
    _Curr_Progress->setTextVisible(false);
    _curr_msg_cnt = new QLabel(wait_box);
    _stop_btn = new QPushButton(QStringLiteral("Stop"), wait_box);
    wait->addWidget(_Curr_Progress, 1);
    wait->addWidget(_curr_msg_cnt);
    wait->addWidget(_stop_btn);
    layout->addWidget(wait_box);

    QPushButton* close = addSendButtons(layout);

    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &Direct_Mail::update_sending_progress_bar);
    connect(send_button, &QPushButton::clicked, this, &Direct_Mail::Send_Button);
    connect(_stop_btn, &QPushButton::clicked, this, &Direct_Mail::Stop_Sending_Pressed);
    connect(close, &QPushButton::clicked, this, &Direct_Mail::Close_Button);
}

Direct_Mail::~Direct_Mail() {
    if (instance == this)
        instance = nullptr;
}

void Direct_Mail::showProgress(bool on) {
    details_box->setEnabled(!on);
    send_button->setEnabled(!on);
    wait_box->setVisible(on);
    wait_box->setEnabled(on);
    _stop_btn->setEnabled(on);
}

void Direct_Mail::prepareWindow() {
    from_txt->setText(::sender_email);
    to_txt->clear();
    to_txt->setFocus();
    details_box->show();
    showProgress(false);
}

int Direct_Mail::Open_Wnd() {
    prepareWindow();
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Direct_Mail::Close_Button() {
    if (running())
        return;
    done(0);
}

void Direct_Mail::Stop_Sending_Pressed() {
    if (stopQuestion_.ask())
        Stop_SMS_Sending_Now = true;
}

void Direct_Mail::update_sending_progress_bar() {
    const int done = job_ ? job_->turnsBegun() : 0;
    _Curr_Progress->setValue(qBound(0, done, _Curr_Progress->maximum()));
    curr_msg_count_str = QStringLiteral("%1 / %2 ").arg(done).arg(list_count);
    _curr_msg_cnt->setText(curr_msg_count_str);
}

void Direct_Mail::Send_Button() {
    if (running())
        return;
    file_path = file_path_ctrl->text();
    const QString from = senderAddress();
    const std::optional<QStringList> recipients = checkedRecipients(from, to_txt->text());
    if (!recipients)
        return;
    const QFileInfo file(file_path);
    if (file_path.isEmpty() || !file.isFile() || file.size() == 0) {
        Show_MessageBox(QStringLiteral("The file to send does not exist."));
        return;
    }

    SendMailJob::Settings s;
    s.mode = SendMailJob::Mode::WithoutCard;
    s.continueAfterFailure = true;
    s.recipients = *recipients;
    s.attachment = file_path;
    s.message = serverMessage(from);
    s.message.withSubject = QStringLiteral("Visitor Details");
    s.message.withBody = QStringLiteral("Visitor Details sent by ") + hub_.App_Name + QStringLiteral(".");

    Stop_SMS_Sending_Now = false;
    auto job = std::make_shared<SendMailJob>(std::move(s), nullptr, zelk::ExportPicture(), zelk::ExportPicture(),
                                             nullptr);
    job_ = job;
    list_count = job->total();
    showProgress(true);
    _Curr_Progress->show();
    _Curr_Progress->setRange(0, list_count);
    _Curr_Progress->setValue(0);
    curr_msg_count_str = QStringLiteral("0 / %1").arg(list_count);
    _curr_msg_cnt->setText(curr_msg_count_str);
    timer_->start();
    startRun();
}

void Direct_Mail::finishRun() {
    if (!joinRun())
        return;
    timer_->stop();
    update_sending_progress_bar();
    const std::shared_ptr<SendMailJob> job = std::move(job_);
    showProgress(false);
    tellOutcome(*job, zelk::mail::notSentMessage);
}
