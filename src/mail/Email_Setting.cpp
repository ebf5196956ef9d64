#include "mail/Email_Setting.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "foundation/Preferences.h"
#include "foundation/Utilities.h"
#include "mail/MailButtonRow.h"
#include "mail/MailRules.h"
#include "mail/SendMailJob.h"
#include "mainwindow/SKTWindowController.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {
Email_Setting* instance = nullptr;
}

Email_Setting* Email_Setting::forHub(SKTWindowController& hub) {
    if (!instance || &instance->hub_ != &hub)
        new Email_Setting(hub, &hub);
    return instance;
}

Email_Setting* Email_Setting::defaultInstance() { return instance; }

Email_Setting::Email_Setting(SKTWindowController& hub, QWidget* parent) : QDialog(parent), hub_(hub) {
    instance = this;
    setWindowFlag(Qt::Window, true);
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("E-mail Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    _send_mail_sender_mail = new QLineEdit(this);
    _send_mail_password = new QLineEdit(this);
    _send_mail_password->setEchoMode(QLineEdit::Password);
    _send_mail_smtp = new QLineEdit(this);
    _send_mail_port = new QLineEdit(this);
    _send_mail_port->setMaximumWidth(90);
    form->addRow(QStringLiteral("Sender E-mail:"), _send_mail_sender_mail);
    form->addRow(QStringLiteral("Password:"), _send_mail_password);
    form->addRow(QStringLiteral("SMTP server:"), _send_mail_smtp);
    form->addRow(QStringLiteral("Port:"), _send_mail_port);
    auto* security = new QHBoxLayout;
    _send_mail_ssl = new QCheckBox(QStringLiteral("SSL"), this);
    _send_mail_tls = new QCheckBox(QStringLiteral("TLS"), this);
    _send_mail_ssl->setToolTip(QStringLiteral("Encrypted from the start (usually port 465)"));
    _send_mail_tls->setToolTip(QStringLiteral("Encryption started with STARTTLS (usually port 587)"));
    security->addWidget(_send_mail_ssl);
    security->addWidget(_send_mail_tls);
    security->addStretch();
    form->addRow(QStringLiteral("Security:"), security);
    layout->addLayout(form);

    auto* test = new QFormLayout;
    _send_mail_to = new QLineEdit(this);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(_send_mail_to);
    auto* testButton = new QPushButton(QStringLiteral("Test"), this);
    testRow->addWidget(testButton);
    test->addRow(QStringLiteral("Test mail to:"), testRow);
    layout->addLayout(test);
    _send_mail_test_mail = new QLabel(this);
    _send_mail_test_mail->hide();
    _send_mail_result_status = new QLabel(this);
    _send_mail_result_status->setWordWrap(true);
    _send_mail_result_status->setMinimumWidth(380);
    // Room for the longest result, so that the window keeps its size.
    _send_mail_result_status->setMinimumHeight(_send_mail_result_status->fontMetrics().lineSpacing() * 9);
    _send_mail_result_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(_send_mail_result_status);

    const QList<QPushButton*> buttons = zelk::mail::addButtonRow(
        layout, this, {QStringLiteral("Reset")}, {QStringLiteral("Close"), QStringLiteral("Save")});
    QPushButton* const reset = buttons.at(0);
    QPushButton* const close = buttons.at(1);
    QPushButton* const save = buttons.at(2);

    plz_wait_Window = new PleaseWait_Modeless(this);

    connect(testButton, &QPushButton::clicked, this, &Email_Setting::Send_Test_Email);
    connect(save, &QPushButton::clicked, this, &Email_Setting::Save_Button);
    connect(close, &QPushButton::clicked, this, &Email_Setting::Close_Button);
    connect(reset, &QPushButton::clicked, this, &Email_Setting::Reset_Button);
    connect(_send_mail_ssl, &QCheckBox::clicked, this, &Email_Setting::SSL_Selected);
    connect(_send_mail_tls, &QCheckBox::clicked, this, &Email_Setting::TLS_Selected);
}

Email_Setting::~Email_Setting() {
    if (instance == this)
        instance = nullptr;
}

int Email_Setting::Open_Wnd() {
    loadPreferences();
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Email_Setting::loadPreferences() {
    const Preferences p = Preferences::sharedInstance();
    _send_mail_to->setText(p.send_email_Recipient());
    _send_mail_sender_mail->setText(p.send_email_SenderEmail());
    _send_mail_smtp->setText(p.send_email_SMTP_server());
    _send_mail_port->setText(p.send_email_PORT_num());
    _send_mail_password->setText(p.send_email_Password());
    const bool ssl = p.send_email_enable_ssl() == QLatin1String("Y");
    _send_mail_ssl->setChecked(ssl);
    _send_mail_tls->setChecked(!ssl);
    _send_mail_result_status->clear();
}

bool Email_Setting::isValidEmail(const QString& text) { return zelk::mail::isValidEmail(text); }

QString Email_Setting::sslFlag() const {
    return _send_mail_ssl->isChecked() && !_send_mail_tls->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
}

bool Email_Setting::Check_Validation(bool forTestMail) {
    struct Check {
        bool failed;
        const char* message;
        QLineEdit* field;
    };
    const QString sender = _send_mail_sender_mail->text().toLower();
    const QString recipient = _send_mail_to->text().toLower();
    const Check checks[] = {
        {sender.isEmpty(), "Please enter sender E-mail.", _send_mail_sender_mail},
        {!isValidEmail(sender), "Please enter valid sender E-mail address.", _send_mail_sender_mail},
        {_send_mail_password->text().isEmpty(), "Please enter password.", _send_mail_password},
        {_send_mail_smtp->text().isEmpty(), "Please enter SMTP server.", _send_mail_smtp},
        {_send_mail_port->text().isEmpty(), "Please enter port number.", _send_mail_port},
        {forTestMail && recipient.isEmpty(), "Please enter recipient E-mail address.", _send_mail_to},
        {forTestMail && !isValidEmail(recipient), "Please enter valid recipient E-mail address.", _send_mail_to},
    };
    for (const Check& c : checks) {
        if (c.failed) {
            Show_MessageBox(QString::fromLatin1(c.message));
            c.field->setFocus();
            return false;
        }
    }
    return true;
}

void Email_Setting::Send_Test_Email() {
    if (!Check_Validation(true))
        return;
    zelk::MailMessage m;
    m.toAddress = Trim_Str(_send_mail_to->text().toLower());
    m.withSender = _send_mail_sender_mail->text().toLower();
    m.withPwd = _send_mail_password->text();
    m.withSMTP = _send_mail_smtp->text();
    m.withPort = _send_mail_port->text();
    m.enable_ssl = sslFlag();
    m.withBody = QStringLiteral("This is test mail sent by ") + hub_.App_Name + QStringLiteral(".");
    m.withSubject = hub_.App_Name + QStringLiteral(" Test Mail");
    Show_Create_Modeless();
    _send_mail_result_status->setText(QStringLiteral("It may take a while, Please wait..."));
    // The exchange may take long: the window keeps painting behind its sheet.
    bool sent = false;
    const zelk::SendMailJob::Send send = zelk::SendMailJob::scriptSender();
    QThread* worker = QThread::create([&] { sent = send(m, {}); });
    QEventLoop wait;
    connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
    worker->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    Hide_Destroy_Modeless();
    const QString result = sent ? zelk::mail::sentMessage : zelk::mail::notSentMessage;
    _send_mail_result_status->setText(result);
    Show_MessageBox(result);
}

void Email_Setting::Save_Button() {
    if (!Check_Validation(false))
        return;
    if (!flushPreferences())
        return;
    done(1);
}

bool Email_Setting::flushPreferences() {
    Preferences p = Preferences::sharedInstance();
    p.setsend_email_Recipient(_send_mail_to->text());
    p.setsend_email_SenderEmail(_send_mail_sender_mail->text());
    p.setsend_email_Password(_send_mail_password->text());
    p.setsend_email_SMTP_server(_send_mail_smtp->text());
    p.setsend_email_PORT_num(_send_mail_port->text());
    p.setsend_email_enable_ssl(sslFlag());
    QString why;
    if (!p.flush(&why)) {
        Show_MessageBox(QStringLiteral("The E-mail settings could not be saved:\n\n%1\n\n%2").arg(p.path(), why));
        return false;
    }
    return true;
}

void Email_Setting::Close_Button() { done(0); }

void Email_Setting::Reset_Button() {
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset current email settings?")) != 1)
        return;
    Delete_File(Preferences::defaultPath());
    for (QLineEdit* f : {_send_mail_to, _send_mail_sender_mail, _send_mail_smtp, _send_mail_port, _send_mail_password})
        f->clear();
    _send_mail_test_mail->clear();
    _send_mail_ssl->setChecked(false);
    _send_mail_tls->setChecked(true);
    hub_.Get_Email_Details();
}

void Email_Setting::SSL_Selected() {
    _send_mail_ssl->setChecked(true);
    _send_mail_tls->setChecked(false);
}

void Email_Setting::TLS_Selected() {
    _send_mail_tls->setChecked(true);
    _send_mail_ssl->setChecked(false);
}

void Email_Setting::Show_Create_Modeless() { plz_wait_Window->beginSheet(this); }

void Email_Setting::Hide_Destroy_Modeless() { plz_wait_Window->endSheet(); }
