// The Mail window's runs against a server on 127.0.0.1: a chosen file, the
// current card, and the cards of a bound series every way they go out; the
// card files are read back with pdftotext.
#include "MailTestSupport.h"

#include "dialogs/Send_Modeless.h"
#include "mail/Send_Mail.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace zelk::test {
namespace {

const QStringList two = {"ann@desk.test", "bob@desk.test"};

class CardMailTest : public MailTest {
protected:
    void SetUp() override {
        MailTest::SetUp();
        server = std::make_unique<SmtpServer>(QStringLiteral("starttls"));
        useServer(*server);
    }
    void TearDown() override {
        server.reset();
        MailTest::TearDown();
    }
    // Five two-sided cards: each side names its card.
    void bindSeries() {
        writeSeries("fronts", "Alder-1\nBirch-2\nCedar-3\nDamson-4\nElder-5\n");
        writeSeries("backs", "Reverse-1\nReverse-2\nReverse-3\nReverse-4\nReverse-5\n");
        setSides({seriesBound(GraphicKind::Text, QRectF(10, 10, 160, 24), "fronts", 0)},
                 {seriesBound(GraphicKind::Text, QRectF(10, 10, 160, 24), "backs", 0)});
        w().Check_Series_Or_Excel_Use_or_not();
        ASSERT_EQ(Total_Batch_Excel_Card, 5);
    }
    Send_Mail& open(const QStringList& to) {
        Send_Mail* m = Send_Mail::forHub(w());
        m->prepareWindow();
        m->to_txt->setPlainText(to.join(QStringLiteral(", ")));
        return *m;
    }
    void withSeries(Send_Mail& m) {
        ASSERT_TRUE(m.send_with_batch_chk->isEnabled());
        m.send_with_batch_chk->setChecked(true);
        m.send_with_batch_chk_select();
        ASSERT_TRUE(m.export_range_box->isEnabled());
    }
    void send(Send_Mail& m) {
        m.Send_Button();
        m.waitForRun();
    }
    // Recipient and the card values each attachment's PDF shows, mail by
    // mail, a line each.
    std::string delivered() { return deliveredLines().join('\n').toStdString(); }
    static std::string lines(const QStringList& l) { return l.join('\n').toStdString(); }
    QStringList deliveredLines() {
        QStringList lines;
        for (const ReceivedMail& mail : server->mails()) {
            QStringList parts{mail.rcpt_tos.join(',')};
            for (int i = 0; i < mail.files.size(); ++i)
                parts << mail.attachments[i] + QLatin1Char('=') + pdfText(mail.files[i]).simplified();
            lines << parts.join(' ');
        }
        return lines;
    }

    std::unique_ptr<SmtpServer> server;
};

TEST_F(CardMailTest, WithoutTheCardTheChosenFileGoesToEachRecipientUnchanged) {
    const QString file = data.filePath(QStringLiteral("notes.bin"));
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += char(i * 7);
    writeBytes(file, bytes);
    Send_Mail& m = open(two);
    m.subject_txt->setText(QStringLiteral("Ünïcode subject"));
    m.message_txt->setPlainText(QStringLiteral("Line one\nLine two"));
    m.rd_without_barcode->click();
    EXPECT_FALSE(m.send_sett_box->isEnabled());
    m.attachment->setText(QStringLiteral("  ") + file + QStringLiteral(" "));
    send(m);
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    const QList<ReceivedMail> mails = server->mails();
    ASSERT_EQ(mails.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(mails[i].rcpt_tos, QStringList{two[i]});
        EXPECT_EQ(mails[i].subject, QStringLiteral("Ünïcode subject"));
        EXPECT_EQ(mails[i].body, QStringLiteral("Line one\r\nLine two"));
        ASSERT_EQ(mails[i].attachments, QStringList{"notes.bin"});
        EXPECT_EQ(fileBytes(mails[i].files[0]), bytes);
    }
}

TEST_F(CardMailTest, TheSameCardGoesToThreeRecipientsAsAVectorPdf) {
    auto text = makeGraphic(GraphicKind::Text);
    text->_bounds = QRectF(10, 10, 160, 24);
    text->Set_text_value(QStringLiteral("Visitor Quill"));
    setSides({text});
    Send_Mail& m = open({"ann@desk.test", "bob@desk.test", "cy@desk.test"});
    EXPECT_EQ(m.card_side_str, QStringLiteral("F"));
    EXPECT_FALSE(m.matrix_card_side->button(0)->isEnabled());
    EXPECT_FALSE(m.export_range_box->isEnabled());
    m.file_name_txt->setText(QStringLiteral(" Desk/Pass "));
    send(m);
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    EXPECT_EQ(delivered(), lines(QStringList({"ann@desk.test Desk_Pass_Front.pdf=Visitor Quill",
                                        "bob@desk.test Desk_Pass_Front.pdf=Visitor Quill",
                                        "cy@desk.test Desk_Pass_Front.pdf=Visitor Quill"})));
    // The card files went with the run.
    EXPECT_EQ(QDir(tmp.path()).entryList({"zelk-mail-*"}, QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST_F(CardMailTest, EveryCardOfTheSeriesGoesToEveryoneBackFirst) {
    bindSeries();
    Send_Mail& m = open(two);
    EXPECT_EQ(m.card_side_str, QStringLiteral("BOTH"));
    withSeries(m);
    EXPECT_EQ(m.Total_Text->text(), QStringLiteral("5"));
    const QList<GraphicList> before = {w().Get_Front_Controls_Array(), w().Get_Back_Controls_Array()};
    send(m);
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    QStringList expected;
    const QStringList fronts = {"Alder-1", "Birch-2", "Cedar-3", "Damson-4", "Elder-5"};
    for (int card = 0; card < 5; ++card)
        for (const QString& r : two)
            expected << QStringLiteral("%1 Zelk_ID_Card_Back.pdf=Reverse-%2 Zelk_ID_Card_Front.pdf=%3")
                            .arg(r)
                            .arg(card + 1)
                            .arg(fronts[card]);
    EXPECT_EQ(delivered(), lines(expected));
    // The live design was never touched: the same graphics, unbound values.
    EXPECT_EQ(w().Get_Front_Controls_Array(), before[0]);
    EXPECT_EQ(w().Get_Back_Controls_Array(), before[1]);
    EXPECT_EQ(m.send_modls_wnd->curr_msg_count_str, QStringLiteral("5 / 5 "));
}

TEST_F(CardMailTest, ARangeOfCardsGoesToEveryone) {
    bindSeries();
    Send_Mail& m = open(two);
    withSeries(m);
    m.mail_card_side_CellClick(1);
    m.Sel_print_rd->click();
    m.from_Text->setText("3");
    m.To_Text->setText("5");
    send(m);
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    EXPECT_EQ(delivered(), lines(QStringList({"ann@desk.test Zelk_ID_Card_Front.pdf=Cedar-3",
                                        "bob@desk.test Zelk_ID_Card_Front.pdf=Cedar-3",
                                        "ann@desk.test Zelk_ID_Card_Front.pdf=Damson-4",
                                        "bob@desk.test Zelk_ID_Card_Front.pdf=Damson-4",
                                        "ann@desk.test Zelk_ID_Card_Front.pdf=Elder-5",
                                        "bob@desk.test Zelk_ID_Card_Front.pdf=Elder-5"})));
    EXPECT_EQ(m.send_modls_wnd->_tot_msg_cnt->text(), QStringLiteral("3"));

    // From after to: refused before anything is sent.
    m.from_Text->setText("5");
    m.To_Text->setText("3");
    m.Send_Button();
    EXPECT_FALSE(m.running());
    EXPECT_EQ(lastMessage(), QStringLiteral("Please select valid range."));
}

TEST_F(CardMailTest, OneCardPerRecipient) {
    bindSeries();
    Send_Mail& m = open(two);
    withSeries(m);
    m.mail_card_side_CellClick(2);
    m.rd_one_per_recp->click();
    EXPECT_FALSE(m.Total_Text->isEnabled());
    send(m);
    EXPECT_EQ(lastMessage(), mail::sentMessage);
    EXPECT_EQ(delivered(), lines(QStringList({"ann@desk.test Zelk_ID_Card_Back.pdf=Reverse-1",
                                        "bob@desk.test Zelk_ID_Card_Back.pdf=Reverse-2"})));
}

TEST_F(CardMailTest, AWrongPasswordGivesTheCountedFailure) {
    bindSeries();
    sender_pwd = QStringLiteral("wrong");
    Send_Mail& m = open(two);
    withSeries(m);
    m.mail_card_side_CellClick(1);
    send(m);
    // To everyone: a refused card skips to the next card, so all ten are tried.
    EXPECT_EQ(lastMessage(), QStringLiteral("10 of 10 e-mails were not sent.\n\n") + mail::cardMailFailedMessage);
    EXPECT_EQ(server->authLog().size(), 5);
    EXPECT_TRUE(server->mails().isEmpty());
}

TEST_F(CardMailTest, StopDuringAPauseEndsTheRun) {
    Send_Mail& m = open({"ann@desk.test", "bob@desk.test", "cy@desk.test"});
    m.rd_without_barcode->click();
    m.delayed_delv_chk->click();
    EXPECT_TRUE(m.delayed_box->isEnabled());
    m.mail_count_txt->setText("1");
    m.sec_stepper->setValue(59);
    EXPECT_EQ(m.sec_txt->text(), QStringLiteral("59"));
    m.min_stepper->setValue(1);
    m.Send_Button();
    QLabel* pause = m.send_modls_wnd->pause_label;
    ASSERT_TRUE(waitUntil([&] { return pause->text().startsWith("Pausing the process for 1 Minute 5"); }))
        << pause->text().toStdString();
    sink.answers.push_back(MessageAnswer::Yes);
    m.send_modls_wnd->_stop_btn->click();
    m.waitForRun();
    EXPECT_EQ(server->mails().size(), 1);
    EXPECT_EQ(lastMessage(), mail::stoppedMessage(2, 3));
    EXPECT_TRUE(pause->text().isEmpty());
}

TEST_F(CardMailTest, EntriesAreCheckedBeforeAnythingIsSent) {
    struct Case {
        const char* to;
        const char* fileName;
        QString message;
    };
    const Case cases[] = {
        {"", "Zelk_ID_Card", mail::noRecipientMessage},
        {"ann@desk.test, bob@desk", "Zelk_ID_Card", mail::invalidRecipientMessage},
        {"ann@desk.test", "?*|/\"", QStringLiteral("Please enter valid file name.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        Send_Mail& m = open({QString::fromLatin1(c.to)});
        m.file_name_txt->setText(QString::fromLatin1(c.fileName));
        m.Send_Button();
        EXPECT_FALSE(m.running());
        EXPECT_EQ(lastMessage(), c.message);
    }
    sender_email.clear();
    Send_Mail& m = open({"ann@desk.test"});
    m.Send_Button();
    EXPECT_EQ(lastMessage(), mail::settingsMessage);
    EXPECT_TRUE(server->mails().isEmpty());
}

TEST_F(CardMailTest, TheMailCommandOpensTheWindowAsTheCardIs) {
    bindSeries();
    int opened = 0;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* m = qobject_cast<Send_Mail*>(d)) {
            ++opened;
            EXPECT_EQ(m->card_side_str, QStringLiteral("BOTH"));
            EXPECT_TRUE(m->matrix_card_side->button(2)->isEnabled());
            EXPECT_TRUE(m->send_with_batch_chk->isEnabled());
            EXPECT_FALSE(m->send_with_batch_chk->isChecked());
            EXPECT_FALSE(m->export_range_box->isEnabled());
            EXPECT_EQ(m->from_txt->text(), QStringLiteral("desk@zelk.test"));
            EXPECT_EQ(m->file_name_txt->text(), QStringLiteral("Zelk_ID_Card"));
            EXPECT_FALSE(m->delayed_box->isEnabled());
            m->Close_Button();
        }
        return 0;
    });
    w().Mail_Button();
    EXPECT_EQ(opened, 1);
}

TEST_F(CardMailTest, TheRangeFieldsKeepToTheCardsOfTheBatch) {
    bindSeries();
    Send_Mail& m = open(two);
    // Without a batch the range box is off and the steppers go to 999999.
    EXPECT_EQ(m.To_Stepper->maximum(), 999999);
    withSeries(m);
    m.Sel_print_rd->click();
    EXPECT_EQ(m.To_Stepper->maximum(), 5);
    struct Case {
        QLineEdit* field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {m.To_Text, "", "1"},       {m.To_Text, "0", "1"},       {m.To_Text, "9", "5"},
        {m.To_Text, "4", "4"},      {m.from_Text, "", "1"},      {m.from_Text, "12", "5"},
        {m.Total_Text, "0", "1"},   {m.Total_Text, "99", "5"},   {m.Total_Text, "3", "3"},
    };
    for (const Case& c : cases) {
        c.field->setText(QString::fromLatin1(c.typed));
        m.controlTextDidChange(c.field);
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    EXPECT_EQ(m.To_Stepper->value(), 4);
    // Unticking the batch gives a total of 1 and turns the range box off.
    m.send_with_batch_chk->setChecked(false);
    m.send_with_batch_chk_select();
    EXPECT_EQ(m.Total_Text->text(), QStringLiteral("1"));
    EXPECT_FALSE(m.export_range_box->isEnabled());
}

TEST_F(CardMailTest, EveryCountIsShownWholeBesideItsArrows) {
    bindSeries();
    Send_Mail& m = open(two);
    withSeries(m);
    m.delayed_delv_chk->click();
    m.show();
    QCoreApplication::processEvents();
    const std::pair<const char*, QSpinBox*> counts[] = {
        {"total", m.Total_Stepper}, {"from", m.from_Stepper}, {"to", m.To_Stepper},
        {"mails", m.mail_count_stepper}, {"hours", m.hour_stepper}, {"minutes", m.min_stepper},
        {"seconds", m.sec_stepper},
    };
    for (const auto& [name, count] : counts) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(count->isVisible());
        // Room for its largest number as well as its arrows.
        EXPECT_GE(count->width(), count->sizeHint().width());
        EXPECT_EQ(count->text(), QString::number(count->value()));
    }
    EXPECT_EQ(m.Total_Stepper->text(), QStringLiteral("5"));
    m.hide();
}

TEST_F(CardMailTest, InVisitorModeOnlyTheCurrentCardOrAFileCanBeSent) {
    bindSeries();
    Start_Card_Option = QStringLiteral("V");
    Send_Mail& m = open(two);
    Start_Card_Option.clear();
    EXPECT_FALSE(m.send_with_batch_chk->isEnabled());
    EXPECT_FALSE(m.send_with_excel_chk->isEnabled());
    EXPECT_FALSE(m.send_with_batch_chk->isChecked());
    EXPECT_FALSE(m.export_range_box->isEnabled());
}

}  // namespace
}  // namespace zelk::test
