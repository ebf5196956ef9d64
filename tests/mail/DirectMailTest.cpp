// Mailing a visitor's file against a server on 127.0.0.1: the two kinds of
// TLS, the login with any password, refusals and a server that never
// answers (Stop is in MailStopTest).
#include "MailTestSupport.h"

#include "mail/Direct_Mail.h"
#include "mail/MailWindows.h"

#include <QLineEdit>
#include <QPushButton>

namespace zelk::test {
namespace {

class DirectMailTest : public MailTest {
protected:
    Direct_Mail& openWith(const QString& file, const QString& to) {
        Direct_Mail* m = Direct_Mail::forHub(w());
        m->prepareWindow();
        m->file_path_ctrl->setText(file);
        m->to_txt->setText(to);
        return *m;
    }
    QString visitorFile() {
        const QString path = data.filePath(QStringLiteral("Visitor 7.pdf"));
        QByteArray bytes("%PDF-1.4 visitor pass\n");
        for (int i = 0; i < 256; ++i)
            bytes += char(i);  // every byte value, to see that none is changed
        writeBytes(path, bytes);
        return path;
    }
};

TEST_F(DirectMailTest, LogsInOverStartTlsAndImplicitTlsAndSendsTheFileUnchanged) {
    struct Case {
        const char* mode;
        const char* ssl;
    };
    for (const Case& c : {Case{"starttls", "N"}, Case{"implicit", "Y"}}) {
        SCOPED_TRACE(c.mode);
        SmtpServer server(QString::fromLatin1(c.mode));
        useServer(server, QString::fromLatin1(c.ssl));
        const QString file = visitorFile();
        Direct_Mail& m = openWith(file, QStringLiteral(" Ann@Desk.test ,, bob@desk.test"));
        m.Send_Button();
        EXPECT_FALSE(m.details_box->isEnabled());
        EXPECT_TRUE(m.wait_box->isVisible() || m.wait_box->isVisibleTo(&m));
        m.waitForRun();
        EXPECT_EQ(lastMessage(), mail::sentMessage);
        EXPECT_TRUE(m.details_box->isEnabled());
        EXPECT_EQ(m.curr_msg_count_str, QStringLiteral("2 / 2 "));
        const QList<ReceivedMail> mails = server.mails();
        ASSERT_EQ(mails.size(), 2);
        // Recipients are trimmed and lower-cased; the empty part is ignored.
        EXPECT_EQ(mails[0].rcpt_tos, QStringList{"ann@desk.test"});
        EXPECT_EQ(mails[1].rcpt_tos, QStringList{"bob@desk.test"});
        for (const ReceivedMail& mail : mails) {
            EXPECT_TRUE(mail.tls);
            EXPECT_EQ(mail.subject, QStringLiteral("Visitor Details"));
            EXPECT_EQ(mail.body, QStringLiteral("Visitor Details sent by Zelk ID Card."));
            EXPECT_EQ(mail.from, QStringLiteral("desk@zelk.test"));
            ASSERT_EQ(mail.attachments, QStringList{"Visitor 7.pdf"});
            EXPECT_EQ(fileBytes(mail.files[0]), fileBytes(file));
        }
        EXPECT_EQ(server.authLog(), QStringList({"PLAIN desk@zelk.test ok", "PLAIN desk@zelk.test ok"}));
        sink.shown.clear();
    }
}

TEST_F(DirectMailTest, APasswordOutsideAsciiLogsIn) {
    SmtpServer server(QStringLiteral("starttls"), QStringLiteral("pässwörd €"));
    useServer(server);
    sender_pwd = QStringLiteral("pässwörd €");
    Direct_Mail& m = openWith(visitorFile(), QStringLiteral("ann@desk.test"));
    m.Send_Button();
    m.waitForRun();
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    EXPECT_EQ(server.mails().size(), 1);
}

TEST_F(DirectMailTest, AWrongPasswordIsCountedAndEveryRecipientTried) {
    SmtpServer server(QStringLiteral("starttls"));
    useServer(server);
    sender_pwd = QStringLiteral("wrong");
    Direct_Mail& m = openWith(visitorFile(), QStringLiteral("ann@desk.test,bob@desk.test,cy@desk.test"));
    m.Send_Button();
    m.waitForRun();
    EXPECT_EQ(lastMessage(), QStringLiteral("3 of 3 e-mails were not sent.\n\n") + mail::notSentMessage);
    EXPECT_EQ(server.authLog().size(), 3);
    EXPECT_TRUE(server.mails().isEmpty());
}

TEST_F(DirectMailTest, AServerWithoutStartTlsGetsNoLogin) {
    SmtpServer server(QStringLiteral("plain"));
    useServer(server);
    Direct_Mail& m = openWith(visitorFile(), QStringLiteral("ann@desk.test"));
    m.Send_Button();
    m.waitForRun();
    EXPECT_EQ(lastMessage(), QStringLiteral("1 of 1 e-mails were not sent.\n\n") + mail::notSentMessage);
    EXPECT_TRUE(server.authLog().isEmpty());
    EXPECT_TRUE(server.mails().isEmpty());
}

TEST_F(DirectMailTest, ASilentServerEndsInTheTimeout) {
    SmtpServer server(QStringLiteral("silent"));
    useServer(server);
    MailScript::setTimeoutMs(2000);
    QElapsedTimer t;
    t.start();
    Direct_Mail& m = openWith(visitorFile(), QStringLiteral("ann@desk.test"));
    m.Send_Button();
    m.waitForRun();
    EXPECT_LT(t.elapsed(), 30000);
    EXPECT_EQ(lastMessage(), QStringLiteral("1 of 1 e-mails were not sent.\n\n") + mail::notSentMessage);
}

TEST_F(DirectMailTest, EntriesAreCheckedBeforeAnythingIsSent) {
    struct Case {
        const char* sender;
        const char* to;
        bool file;
        QString message;
    };
    const Case cases[] = {
        {"  ", "ann@desk.test", true, mail::settingsMessage},
        {"desk@zelk.test", " \n ", true, mail::noRecipientMessage},
        {"desk@zelk.test", "ann@desk.test, bob", true, mail::invalidRecipientMessage},
        {"desk@zelk.test", ",", true, mail::invalidRecipientMessage},
        {"desk@zelk.test", "ann@desk.test", false, QStringLiteral("The file to send does not exist.")},
    };
    const QString empty = data.filePath(QStringLiteral("empty.pdf"));
    writeBytes(empty, QByteArray());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        Direct_Mail& m = openWith(c.file ? visitorFile() : empty, QString::fromLatin1(c.to));
        m.from_txt->setText(QString::fromLatin1(c.sender));
        m.Send_Button();
        EXPECT_FALSE(m.running());
        EXPECT_EQ(lastMessage(), c.message);
    }
    // A path that names no file at all.
    Direct_Mail& m = openWith(data.filePath(QStringLiteral("gone.pdf")), QStringLiteral("ann@desk.test"));
    m.Send_Button();
    EXPECT_EQ(lastMessage(), QStringLiteral("The file to send does not exist."));
}

TEST_F(DirectMailTest, TheHubOpenerPutsThePathInTheWindow) {
    MailWindows::install(w());
    ASSERT_TRUE(w().directMailWindow);
    QString shownPath, shownSender;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* m = qobject_cast<Direct_Mail*>(d)) {
            shownPath = m->file_path_ctrl->text();
            shownSender = m->from_txt->text();
            EXPECT_TRUE(m->file_path_ctrl->isHidden());
            EXPECT_FALSE(m->wait_box->isVisibleTo(m));
        }
        return 0;
    });
    EXPECT_EQ(w().directMailWindow(QStringLiteral("/tmp/pass.pdf")), 0);
    EXPECT_EQ(shownPath, QStringLiteral("/tmp/pass.pdf"));
    EXPECT_EQ(shownSender, QStringLiteral("desk@zelk.test"));
}

}  // namespace
}  // namespace zelk::test
