// The mail settings file, the settings window, the rules the mail windows
// share, and the call of the mail script as a recording script sees it.
#include "MailTestSupport.h"

#include "foundation/Preferences.h"
#include "mail/Email_Setting.h"
#include "mail/SendMailJob.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <sys/stat.h>

namespace zelk::test {
namespace {

mode_t modeOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & 07777;
}

// plistlib, Python's own reader, as an outside check of the saved file.
QJsonObject readByPlistlib(const QString& path) {
    const ToolResult r = runTool(debianPython(), {"-c",
                                                  "import json,plistlib,sys;"
                                                  "print(json.dumps(plistlib.load(open(sys.argv[1],'rb'))))",
                                                  path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

TEST(MailRules, isValidEmail) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"a@b.cd", true},            // six characters: letter, "@", letter, "." and two letters
        {"a@b.c", false},            // the same shape one letter shorter
        {"a.b@cd", true},            // the only "." before the "@"
        {"ab@cde", false},           // no "."
        {"a@b@c.de", false},         // two "@"
        {"  ann@desk.test \n", true},  // trimmed first
        {"", false},
        {"@@@...", false},
        {"@.....", true},  // nothing else is checked
    };
    for (const Case& c : cases)
        EXPECT_EQ(mail::isValidEmail(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(MailRules, RecipientList) {
    struct Case {
        const char* typed;
        QStringList list;  // empty: refused
    };
    const Case cases[] = {
        {"Ann@Desk.test", {"ann@desk.test"}},
        {" ann@desk.test , bob@desk.test,", {"ann@desk.test", "bob@desk.test"}},  // empty parts ignored
        {"ann@desk.test,,  ,bob@desk.test", {"ann@desk.test", "bob@desk.test"}},
        {"ann@desk.test, bob", {}},  // one failing part refuses the list
        {",", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const auto list = mail::recipientList(QString::fromLatin1(c.typed));
        EXPECT_EQ(list.value_or(QStringList()), c.list) << c.typed;
        EXPECT_EQ(list.has_value(), !c.list.isEmpty()) << c.typed;
    }
}

// Send tells one refusal at a time: the sender first, then an empty entry,
// then a list that does not pass.
TEST(MailRules, SendRecipientsRefusesTheFirstFaultOnly) {
    struct Case {
        const char* sender;
        const char* typed;
        const QString* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {"", "", &mail::settingsMessage},
        {"", "bob", &mail::settingsMessage},
        {"desk@zelk.test", " \n\t ", &mail::noRecipientMessage},
        {"desk@zelk.test", ", ,", &mail::invalidRecipientMessage},
        {"desk@zelk.test", "ann@desk.test, bob", &mail::invalidRecipientMessage},
        {"desk@zelk.test", "Ann@Desk.test,", nullptr},
    };
    for (const Case& c : cases) {
        QString refusal = QStringLiteral("untouched");
        const auto list = mail::sendRecipients(QString::fromLatin1(c.sender), QString::fromLatin1(c.typed), &refusal);
        if (c.refusal) {
            EXPECT_FALSE(list.has_value()) << c.typed;
            EXPECT_EQ(refusal, *c.refusal) << c.typed;
        } else {
            EXPECT_EQ(list.value_or(QStringList()), QStringList{"ann@desk.test"});
            EXPECT_EQ(refusal, QStringLiteral("untouched"));
        }
    }
}

TEST(MailRules, PauseText) {
    struct Case {
        qint64 ms;
        const char* text;
    };
    const Case cases[] = {
        {90000, "Pausing the process for 1 Minute 30 Seconds."},
        {3600000, "Pausing the process for 1 Hour 0 Minute 0 Second."},
        {1000, "Pausing the process for 1 Second."},
        {5000, "Pausing the process for 5 Seconds."},
        {7322000, "Pausing the process for 2 Hours 2 Minutes 2 Seconds."},
        {120000, "Pausing the process for 2 Minutes 0 Second."},
        {999, "Pausing the process for 0 Second."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mail::pauseText(c.ms), QString::fromLatin1(c.text)) << c.ms;
}

class MailSettingsTest : public MailTest {
protected:
    QString path() const { return Preferences::defaultPath(); }
    Email_Setting& settingsWindow() {
        Email_Setting* s = Email_Setting::forHub(w());
        s->loadPreferences();
        return *s;
    }
    void fill(Email_Setting& s, const QString& sender, const QString& to = QStringLiteral("ann@desk.test")) {
        s._send_mail_sender_mail->setText(sender);
        s._send_mail_password->setText(QStringLiteral("secret"));
        s._send_mail_smtp->setText(QStringLiteral("127.0.0.1"));
        s._send_mail_port->setText(QStringLiteral("2525"));
        s._send_mail_to->setText(to);
    }
};

TEST_F(MailSettingsTest, AMissingFileReadsAsTheDefaultsAndIsNotCreated) {
    ASSERT_FALSE(QFile::exists(path()));
    const Preferences p = Preferences::sharedInstance();
    for (const QString& v : {p.send_email_Recipient(), p.send_email_SenderEmail(), p.send_email_Password(),
                             p.send_email_SMTP_server(), p.send_email_PORT_num()}) {
        EXPECT_FALSE(v.isNull());
        EXPECT_TRUE(v.isEmpty());
    }
    EXPECT_TRUE(p.send_email_enable_ssl().isNull());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(MailSettingsTest, AFlushIsReadByTheNextStoreAndByPlistlibWithModeOwnerOnly) {
    // An old file readable by everyone, with a key of another program.
    writeBytes(path(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                       "<key>Other</key><string>kept</string></dict></plist>\n");
    QFile::setPermissions(path(), QFileDevice::Permissions(0x6644));
    Preferences first = Preferences::sharedInstance();
    first.setsend_email_SenderEmail(QStringLiteral("Desk@Zelk.test"));
    first.setsend_email_Password(QStringLiteral("pässwörd"));
    first.setsend_email_enable_ssl(QStringLiteral("Y"));
    ASSERT_TRUE(first.flush());
    EXPECT_EQ(modeOf(path()), 0600u);
    const Preferences second = Preferences::sharedInstance();
    EXPECT_EQ(second.send_email_SenderEmail(), QStringLiteral("Desk@Zelk.test"));
    EXPECT_EQ(second.send_email_Password(), QStringLiteral("pässwörd"));
    EXPECT_EQ(second.send_email_enable_ssl(), QStringLiteral("Y"));
    const QJsonObject read = readByPlistlib(path());
    EXPECT_EQ(read.value("Other").toString(), QStringLiteral("kept"));
    EXPECT_EQ(read.value("SendEmailSender").toString(), QStringLiteral("Desk@Zelk.test"));
    EXPECT_EQ(read.value("SendEmailPwd").toString(), QStringLiteral("pässwörd"));
    EXPECT_EQ(read.value("SendEnableSSL").toString(), QStringLiteral("Y"));
    // A new file too.
    QFile::remove(path());
    ASSERT_TRUE(Preferences::sharedInstance().flush());
    EXPECT_EQ(modeOf(path()), 0600u);
}

TEST_F(MailSettingsTest, AnUnreadableFileStaysIntactUntilSave) {
    const QByteArray broken = "<?xml version=\"1.0\"?><plist><dict><key>SendEmailSender</key>";
    writeBytes(path(), broken);
    w().Get_Email_Details();
    EXPECT_EQ(sender_email, QString());
    Email_Setting& s = settingsWindow();
    EXPECT_TRUE(s._send_mail_sender_mail->text().isEmpty());
    EXPECT_TRUE(s._send_mail_tls->isChecked());
    EXPECT_EQ(fileBytes(path()), broken);
    fill(s, QStringLiteral("desk@zelk.test"));
    s.Save_Button();
    EXPECT_EQ(s.result(), 1);
    EXPECT_EQ(readByPlistlib(path()).value("SendEmailSender").toString(), QStringLiteral("desk@zelk.test"));
    EXPECT_EQ(modeOf(path()), 0600u);
}

TEST_F(MailSettingsTest, SaveChecksTheEntriesAndWritesThemAsTyped) {
    struct Case {
        const char* sender;
        const char* password;
        const char* smtp;
        const char* port;
        const char* message;  // nullptr: saved
    };
    const Case cases[] = {
        {"", "p", "s", "25", "Please enter sender E-mail."},
        {"desk@zelk", "p", "s", "25", "Please enter valid sender E-mail address."},
        {"desk@zelk.test", "", "s", "25", "Please enter password."},
        {"desk@zelk.test", "p", "", "25", "Please enter SMTP server."},
        {"desk@zelk.test", "p", "s", "", "Please enter port number."},
        {"DESK@Zelk.Test", " ", " ", "x", nullptr},  // blanks are not empty; the port is not a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sender);
        Email_Setting& s = settingsWindow();
        s._send_mail_sender_mail->setText(QString::fromLatin1(c.sender));
        s._send_mail_password->setText(QString::fromLatin1(c.password));
        s._send_mail_smtp->setText(QString::fromLatin1(c.smtp));
        s._send_mail_port->setText(QString::fromLatin1(c.port));
        s._send_mail_to->setText(QStringLiteral("not an address"));  // checked only for the test mail
        s.setResult(0);
        sink.shown.clear();
        s.Save_Button();
        if (c.message) {
            EXPECT_EQ(sink.shown, QStringList{QString::fromLatin1(c.message)});
            EXPECT_EQ(s.result(), 0);
        } else {
            EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
            EXPECT_EQ(s.result(), 1);
        }
    }
    const Preferences p = Preferences::sharedInstance();
    EXPECT_EQ(p.send_email_SenderEmail(), QStringLiteral("DESK@Zelk.Test"));
    EXPECT_EQ(p.send_email_Recipient(), QStringLiteral("not an address"));
    EXPECT_EQ(p.send_email_enable_ssl(), QStringLiteral("N"));
}

TEST_F(MailSettingsTest, TheSecurityChoiceIsSavedAndLoaded) {
    struct Case {
        const char* stored;  // nullptr: absent
        bool sslTicked;
    };
    for (const Case& c : {Case{"Y", true}, Case{"N", false}, Case{nullptr, false}, Case{"y", false}}) {
        Preferences p = Preferences::sharedInstance();
        if (c.stored)
            p.setsend_email_enable_ssl(QString::fromLatin1(c.stored));
        else
            QFile::remove(path());
        if (c.stored) {
            ASSERT_TRUE(p.flush());
        }
        Email_Setting& s = settingsWindow();
        EXPECT_EQ(s._send_mail_ssl->isChecked(), c.sslTicked) << (c.stored ? c.stored : "absent");
        EXPECT_EQ(s._send_mail_tls->isChecked(), !c.sslTicked);
    }
    Email_Setting& s = settingsWindow();
    fill(s, QStringLiteral("desk@zelk.test"));
    s.SSL_Selected();
    s.Save_Button();
    EXPECT_EQ(Preferences::sharedInstance().send_email_enable_ssl(), QStringLiteral("Y"));
    s.TLS_Selected();
    s.Save_Button();
    EXPECT_EQ(Preferences::sharedInstance().send_email_enable_ssl(), QStringLiteral("N"));
}

TEST_F(MailSettingsTest, ResetDeletesTheFileAndEmptiesTheSendingValues) {
    Email_Setting& s = settingsWindow();
    fill(s, QStringLiteral("desk@zelk.test"));
    s.SSL_Selected();
    s.Save_Button();
    w().Get_Email_Details();
    EXPECT_EQ(send_enable_ssl, QStringLiteral("Y"));
    sink.answers.push_back(MessageAnswer::No);
    s.Reset_Button();
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(s._send_mail_sender_mail->text(), QStringLiteral("desk@zelk.test"));
    sink.answers.push_back(MessageAnswer::Yes);
    s.Reset_Button();
    EXPECT_EQ(sink.shown.last(), QStringLiteral("Are you sure you want to reset current email settings?"));
    EXPECT_FALSE(QFile::exists(path()));
    for (QLineEdit* f : {s._send_mail_to, s._send_mail_sender_mail, s._send_mail_smtp, s._send_mail_port,
                         s._send_mail_password})
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(s._send_mail_tls->isChecked());
    EXPECT_FALSE(s._send_mail_ssl->isChecked());
    EXPECT_EQ(sender_email, QString());
    EXPECT_EQ(send_enable_ssl, QString());
}

TEST_F(MailSettingsTest, TheTestMailUsesTheValuesAsTyped) {
    SmtpServer server(QStringLiteral("implicit"));
    Email_Setting& s = settingsWindow();
    fill(s, QStringLiteral("Desk@Zelk.test"), QStringLiteral("Ann@Desk.test"));
    s._send_mail_port->setText(server.port());
    sink.shown.clear();
    MailScript::setTimeoutMs(4000);  // the two ends would each wait for the other
    s.Send_Test_Email();
    MailScript::setTimeoutMs(60000);
    // Implicit TLS is not ticked: STARTTLS against an implicit-TLS port fails.
    EXPECT_EQ(sink.shown, QStringList{mail::notSentMessage});
    EXPECT_EQ(s._send_mail_result_status->text(), mail::notSentMessage);
    s.SSL_Selected();
    sink.shown.clear();
    s.Send_Test_Email();
    EXPECT_EQ(sink.shown, QStringList{mail::sentMessage});
    const QList<ReceivedMail> mails = server.mails();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].rcpt_tos, QStringList{"ann@desk.test"});
    EXPECT_EQ(mails[0].from, QStringLiteral("desk@zelk.test"));
    EXPECT_EQ(mails[0].subject, QStringLiteral("Zelk ID Card Test Mail"));
    EXPECT_EQ(mails[0].body, QStringLiteral("This is test mail sent by Zelk ID Card."));
    EXPECT_TRUE(mails[0].attachments.isEmpty());
    EXPECT_FALSE(QFile::exists(path()));  // a test saves nothing

    s._send_mail_to->setText(QStringLiteral("ann@desk"));
    sink.shown.clear();
    s.Send_Test_Email();
    EXPECT_EQ(sink.shown, QStringList{"Please enter valid recipient E-mail address."});
}

// The mail script replaced by a recording one in a resources folder of the
// test's own.
class RecordedCallTest : public MailTest {
protected:
    void SetUp() override {
        MailTest::SetUp();
        ASSERT_TRUE(resources.isValid());
        ASSERT_TRUE(QFile::copy(sourceDir() + QStringLiteral("/tests/mail/resources/pyth_mail.py"),
                                resources.filePath(QStringLiteral("pyth_mail.py"))));
        previous_ = Resource_Path;
        Resource_Path = resources.path();
    }
    void TearDown() override {
        Resource_Path = previous_;
        MailTest::TearDown();
    }
    QJsonObject record() const {
        return QJsonDocument::fromJson(fileBytes(resources.filePath(QStringLiteral("record.json")))).object();
    }
    QTemporaryDir resources;

private:
    QString previous_;
};

TEST_F(RecordedCallTest, ArgumentsEnvironmentAndStandardInput) {
    MailMessage m;
    m.toAddress = QStringLiteral("ann@desk.test");
    m.withSender = QStringLiteral("desk@zelk.test");
    m.withPwd = QStringLiteral("pä ss");
    m.withSMTP = QStringLiteral("127.0.0.1");
    m.withPort = QStringLiteral("2525");
    m.withBody = QStringLiteral("Body");
    struct Case {
        const char* ssl;
        QStringList attachments;
        const char* expectedSsl;
    };
    for (const Case& c : {Case{"Y", {}, "Y"}, Case{"", {"/a b/one.pdf", "two.pdf"}, "N"}, Case{"N", {}, "N"}}) {
        m.enable_ssl = QString::fromLatin1(c.ssl);
        m.Attachments = c.attachments;
        ASSERT_TRUE(SendMailJob::scriptSender()(m, {}));
        const QJsonObject r = record();
        QStringList argv;
        for (const auto& a : r.value("argv").toArray())
            argv << a.toString();
        const QString script = resources.filePath(QStringLiteral("pyth_mail.py"));
        EXPECT_EQ(argv, QStringList({script, "desk@zelk.test", "127.0.0.1", "2525", "desk@zelk.test", "ann@desk.test",
                                     "", "Body", QString::fromLatin1(c.expectedSsl)}) +
                            c.attachments);
        const QJsonObject env = r.value("env").toObject();
        EXPECT_EQ(env.keys(), QStringList({"PATH", "PYTHONPATH", "SSL_CERT_FILE"}));
        EXPECT_EQ(env.value("PATH").toString(), QStringLiteral("/bin:/usr/bin:/usr/local/bin"));
        EXPECT_EQ(env.value("PYTHONPATH").toString(), QString());
        EXPECT_EQ(env.value("SSL_CERT_FILE").toString(), TestCertificate::get().cert);
        EXPECT_EQ(QByteArray::fromBase64(r.value("stdin").toString().toLatin1()),
                  QByteArray("p\xc3\xa4 ss\nDescription"));
    }
    // Without SSL_CERT_FILE of its own, the program passes two variables.
    qunsetenv("SSL_CERT_FILE");
    ASSERT_TRUE(SendMailJob::scriptSender()(m, {}));
    EXPECT_EQ(record().value("env").toObject().keys(), QStringList({"PATH", "PYTHONPATH"}));
}

TEST_F(RecordedCallTest, OnlyExitStatusZeroIsSent) {
    MailMessage m;
    m.toAddress = QStringLiteral("ann@desk.test");
    writeBytes(resources.filePath(QStringLiteral("exit_status.txt")), "3");
    EXPECT_FALSE(SendMailJob::scriptSender()(m, {}));
    writeBytes(resources.filePath(QStringLiteral("exit_status.txt")), "0");
    EXPECT_TRUE(SendMailJob::scriptSender()(m, {}));
    // No script at all: a failure, not a crash or a success.
    QFile::remove(resources.filePath(QStringLiteral("pyth_mail.py")));
    EXPECT_FALSE(SendMailJob::scriptSender()(m, {}));
}

TEST_F(RecordedCallTest, ThePauseLastsTheTimeSetAndNeverFollowsTheLastTurn) {
    // Four recipients, a pause of 2 s after every 2nd mail: one pause only.
    // A turn without a pause is only bound to be shorter than a pause, which
    // a loaded machine meets.
    SendMailJob::Settings s;
    s.recipients = QStringList{"a@b.cd", "e@f.gh", "i@j.kl", "m@n.op"};
    s.delayed = true;
    s.pauseAfter = 2;
    s.pauseMs = 2000;
    QList<qint64> sendTimes;
    QElapsedTimer t;
    t.start();
    SendMailJob job(s, nullptr, {}, {}, nullptr, [&](const MailMessage&, const std::function<bool()>&) {
        sendTimes << t.elapsed();
        return true;
    });
    job.run();
    ASSERT_EQ(sendTimes.size(), 4);
    EXPECT_TRUE(job.allSent());
    EXPECT_LT(sendTimes[1] - sendTimes[0], s.pauseMs);
    EXPECT_GE(sendTimes[2] - sendTimes[1], s.pauseMs);  // 2 s is a pause of 2 s
    EXPECT_LT(sendTimes[3] - sendTimes[2], s.pauseMs);
    EXPECT_LT(t.elapsed() - sendTimes[3], s.pauseMs);  // none after the last
}

}  // namespace
}  // namespace zelk::test
