// A mailing run under the user's hand: Escape and the close button of the
// windows that mail ask to stop and never close a window with a run on;
// Stop lets the message in flight end and then sends nothing more. Against
// a server on 127.0.0.1 that holds each message a while.
#include "MailTestSupport.h"

#include "dialogs/Send_Modeless.h"
#include "mail/Direct_Mail.h"
#include "mail/Send_Mail.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace zelk::test {
namespace {

class MailStopTest : public MailTest {
protected:
    void SetUp() override {
        MailTest::SetUp();
        file = data.filePath(QStringLiteral("notes.txt"));
        writeBytes(file, "notes");
    }
    static QStringList recipients(int n) {
        QStringList list;
        for (int i = 1; i <= n; ++i)
            list << QStringLiteral("r%1@desk.test").arg(i);
        return list;
    }
    // The Mail window sending the file to `n` recipients, shown.
    Send_Mail& cardMail(int n) {
        Send_Mail* m = Send_Mail::forHub(w());
        m->prepareWindow();
        m->to_txt->setPlainText(recipients(n).join(QLatin1Char(',')));
        m->rd_without_barcode->click();
        m->attachment->setText(file);
        m->show();
        return *m;
    }
    Direct_Mail& directMail(int n) {
        Direct_Mail* m = Direct_Mail::forHub(w());
        m->prepareWindow();
        m->file_path_ctrl->setText(file);
        m->to_txt->setText(recipients(n).join(QLatin1Char(',')));
        m->show();
        return *m;
    }

    QString file;
};

TEST_F(MailStopTest, EscapeAndCloseAskToStopAndTheWindowStays) {
    enum class Window { CardMail, DirectMail };
    enum class Press { EscapeOnSheet, EscapeOnWindow, CloseWindow };
    struct Case {
        Window window;
        Press press;
        MessageAnswer answer;
        int delivered;       // of three
        QString closing;     // the message at the end
    };
    const QString sentAll = mail::sentMessage;
    const QString stopped = mail::stoppedMessage(2, 3);  // the first mail was in flight and went
    const Case cases[] = {
        {Window::CardMail, Press::EscapeOnSheet, MessageAnswer::No, 3, sentAll},
        {Window::CardMail, Press::EscapeOnSheet, MessageAnswer::Yes, 1, stopped},
        {Window::CardMail, Press::EscapeOnWindow, MessageAnswer::Yes, 1, stopped},
        {Window::CardMail, Press::CloseWindow, MessageAnswer::No, 3, sentAll},
        {Window::DirectMail, Press::EscapeOnWindow, MessageAnswer::Yes, 1, stopped},
        {Window::DirectMail, Press::CloseWindow, MessageAnswer::No, 3, sentAll},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(++number);
        SmtpServer server(QStringLiteral("starttls"), QStringLiteral("secret"), 0.8);
        useServer(server);
        sink.shown.clear();
        MailSendWindow* window = nullptr;
        Send_Modeless* sheet = nullptr;
        if (c.window == Window::CardMail) {
            Send_Mail& m = cardMail(3);
            window = &m;
            sheet = m.send_modls_wnd;
        } else {
            window = &directMail(3);
        }
        window->send_button->click();
        ASSERT_TRUE(window->running());
        // The first mail is in flight: the server holds each for 0.8 s.
        waitUntil([] { return false; }, 300);
        sink.answers.push_back(c.answer);
        switch (c.press) {
        case Press::EscapeOnSheet: QTest::keyClick(sheet, Qt::Key_Escape); break;
        case Press::EscapeOnWindow: QTest::keyClick(window, Qt::Key_Escape); break;
        case Press::CloseWindow: window->close(); break;
        }
        EXPECT_EQ(sink.shown.value(0), QStringLiteral("Are you sure you want to stop?"));
        EXPECT_TRUE(window->isVisible());
        if (sheet) {
            EXPECT_TRUE(sheet->isSheetShown());  // its Stop still within reach
        }
        window->waitForRun();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(server.mails().size(), c.delivered);
        EXPECT_EQ(lastMessage(), c.closing);
        window->hide();
    }
}

// Stop pressed, and the run sends its last mail while the question is still
// read: the closing message comes after the answer, never over the question.
TEST_F(MailStopTest, ARunThatEndsUnderItsStopQuestionClosesAfterTheAnswer) {
    for (const bool card : {true, false}) {
        SCOPED_TRACE(card ? "card mail" : "visitor details");
        SmtpServer server(QStringLiteral("starttls"), QStringLiteral("secret"), 0.3);
        useServer(server);
        sink.shown.clear();
        MailSendWindow* window = card ? static_cast<MailSendWindow*>(&cardMail(2)) : &directMail(2);
        window->send_button->click();
        bool openAtAnswer = false;
        SlowStopAnswer reader(sink, MessageAnswer::Yes, [&] { return server.mails().size() == 2; },
                              [&] { openAtAnswer = window->running(); });
        if (card)
            static_cast<Send_Mail*>(window)->send_modls_wnd->_stop_btn->click();
        else
            static_cast<Direct_Mail*>(window)->_stop_btn->click();
        window->waitForRun();
        EXPECT_EQ(reader.shownMeanwhile, QStringList());
        EXPECT_TRUE(openAtAnswer);
        EXPECT_EQ(sink.shown, QStringList({QStringLiteral("Are you sure you want to stop?"), mail::sentMessage}));
        window->hide();
    }
}

TEST_F(MailStopTest, StopLetsTheMessageInFlightEndAndCountsOnlyWhatWasNotSent) {
    SmtpServer server(QStringLiteral("starttls"), QStringLiteral("secret"), 1.0);
    useServer(server);
    Send_Mail& m = cardMail(6);
    m.Send_Button();
    // The count shows each mail as it begins: the third is in flight.
    ASSERT_TRUE(waitUntil([&] { return m.send_modls_wnd->_curr_msg_cnt->text() == QStringLiteral("3 / 6 "); }));
    sink.answers.push_back(MessageAnswer::Yes);
    m.send_modls_wnd->_stop_btn->click();
    m.waitForRun();
    EXPECT_EQ(server.mails().size(), 3);
    EXPECT_EQ(server.authLog().size(), 3);
    EXPECT_EQ(lastMessage(), mail::stoppedMessage(3, 6));
    m.hide();
}

TEST_F(MailStopTest, StopWaitsForASilentServerOnlyUntilTheTimeout) {
    SmtpServer server(QStringLiteral("silent"));
    useServer(server);
    MailScript::setTimeoutMs(3000);
    Direct_Mail& m = directMail(2);
    QElapsedTimer t;
    t.start();
    m.Send_Button();
    waitUntil([] { return false; }, 1000);
    sink.answers.push_back(MessageAnswer::Yes);
    m._stop_btn->click();
    m.waitForRun();
    // The first send ran to its timeout; the second was never tried.
    EXPECT_GE(t.elapsed(), 3000);
    EXPECT_LT(t.elapsed(), 20000);
    EXPECT_EQ(lastMessage(), QStringLiteral("2 of 2 e-mails were not sent.\n\n") + mail::notSentMessage);
    m.hide();
}

}  // namespace
}  // namespace zelk::test
