// The export as the user runs it: keep, replace and cancel answers, Stop,
// the range, failed writes, and the single export's name question.
#include "ExportTestSupport.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Send_Modeless.h"
#include "production/ExportBatchJob.h"
#include "foundation/Codes.h"
#include "production/ExportWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;
using Button = Replcae_Confirm_Box::Button;

namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class ExportRunTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        player.folder = data.path();
        ::CARD_SIDE_STR = QStringLiteral("2");
        Use_Data_Sheet_Values = false;
        ::Use_Excel_Binding_Values = false;
    }
    // Runs the export command and waits for its batch to end.
    void exportNow(SKTWindowController& w) {
        w.Export_Button();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.exportRunning(); }, 60000));
    }
    // Exports the fronts of ten cards, the fourth held until `cards`'s gate
    // opens, and waits until the sheet shows it in work.
    void exportHeldAtFour(SKTWindowController& w, TestCards& cards) {
        cards.holdAt = 3;
        player.setUp = [](ExportWindow& win) {
            win.matrix_export_card_side->button(1)->click();
            win.exportOkay();
        };
        w.Export_Button();
        ASSERT_TRUE(w.exportRunning());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.send_modls_wnd->_curr_msg_cnt->text() == "4 / 10 "; }, 30000));
    }
    QString out(const QString& name = {}) const {
        return QDir(data.filePath(ExportBatchJob::FolderName)).filePath(name);
    }
    Player player;
};

}  // namespace

TEST_F(ExportRunTest, KeepReplaceAndCancelWithAndWithoutApplyToAll) {
    const struct {
        Button button;
        bool all;
        int questions;       // one per existing file, or one for all of them
        const char* result;  // what the folder holds afterwards ("old" files were there)
    } cases[] = {
        {Button::Replace, false, 3, "Card_1_Front.png Card_2_Front.png Card_3_Front.png"},
        {Button::Replace, true, 1, "Card_1_Front.png Card_2_Front.png Card_3_Front.png"},
        {Button::Keep, false, 3, "Card_1_Front (1).png Card_1_Front.png Card_2_Front (1).png Card_2_Front.png "
                                 "Card_3_Front (1).png Card_3_Front.png"},
        {Button::Keep, true, 1, "Card_1_Front (1).png Card_1_Front.png Card_2_Front (1).png Card_2_Front.png "
                                "Card_3_Front (1).png Card_3_Front.png"},
        {Button::Cancel, false, 3, "Card_1_Front.png Card_2_Front.png Card_3_Front.png"},
        {Button::Cancel, true, 1, "Card_1_Front.png Card_2_Front.png Card_3_Front.png"},
    };
    const auto cards = std::make_shared<TestCards>(3);
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.button) * 2 + c.all);
        QTemporaryDir tmp;
        const QString folder = QDir(tmp.path()).filePath(ExportBatchJob::FolderName);
        QDir().mkpath(folder);
        for (int n = 1; n <= 3; ++n)
            writeBytes(QDir(folder).filePath(QStringLiteral("Card_%1_Front.png").arg(n)), "old");
        player.questions = 0;
        player.answers = {{c.button, c.all}, {c.button, c.all}, {c.button, c.all}};
        replace_keep_file_flag = 0;
        Stop_SMS_Sending_Now = false;
        ExportBatchJob job({tmp.path(), "png", "F", false, false, 0, 3, 2}, cards);
        job.run();
        EXPECT_EQ(player.questions, c.questions);
        EXPECT_EQ(filesIn(folder).join(' '), QString::fromLatin1(c.result));
        const bool replaced = c.button == Button::Replace;
        EXPECT_EQ(job.filesWritten(), c.button == Button::Cancel ? 0 : 3);
        EXPECT_EQ(job.stopped(), c.button == Button::Cancel && c.all);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(fileBytes(QDir(folder).filePath(QStringLiteral("Card_%1_Front.png").arg(n))) == "old", !replaced);
    }
}

TEST_F(ExportRunTest, StopDuringCardFourOfTenWritesNothingMore) {
    SKTWindowController& w = open();
    const auto cards = std::make_shared<TestCards>(10);
    ScopedCards supply(cards);
    // The sheet covers the window while card 4 is in work.
    exportHeldAtFour(w, *cards);
    EXPECT_TRUE(w.send_modls_wnd->isSheetShown());
    EXPECT_EQ(w.send_modls_wnd->windowModality(), Qt::WindowModal);
    EXPECT_EQ(w.send_modls_wnd->_tot_msg_cnt->text(), "10");
    sink.answers = {MessageAnswer::Yes};
    w.send_modls_wnd->_stop_btn->click();
    EXPECT_EQ(sink.shown.last(), "Are you sure you want to stop?");
    cards->gate.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.exportRunning(); }, 60000));
    EXPECT_EQ(filesIn(out()).join(' '), "Card_1_Front.PNG Card_2_Front.PNG Card_3_Front.PNG");
    EXPECT_FALSE(w.send_modls_wnd->isSheetShown());
    EXPECT_EQ(player.afterExportBoxes, 1);
    EXPECT_EQ(::Export_File_Path, data.filePath(ExportBatchJob::FolderName));
}

// The last card is written while the stop question is read: the export
// closes after the answer, its box never under the question.
TEST_F(ExportRunTest, ARunThatEndsUnderItsStopQuestionClosesAfterTheAnswer) {
    SKTWindowController& w = open();
    const auto cards = std::make_shared<TestCards>(10);
    ScopedCards supply(cards);
    exportHeldAtFour(w, *cards);
    int boxesAtAnswer = -1;
    SlowStopAnswer reader(sink, MessageAnswer::Yes, [&] { return filesIn(out()).size() == 10; },
                          [&] { boxesAtAnswer = player.afterExportBoxes; });
    cards->gate.release();
    w.send_modls_wnd->_stop_btn->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.exportRunning(); }, 60000));
    EXPECT_EQ(reader.shownMeanwhile, QStringList());
    EXPECT_EQ(boxesAtAnswer, 0);
    EXPECT_EQ(player.afterExportBoxes, 1);
    EXPECT_EQ(player.afterExportMessage, "Card has been exported successfully.");
}

TEST_F(ExportRunTest, EscapeOnTheSheetAndClosingTheWindowAskToStop) {
    enum class Press { EscapeOnSheet, CloseWindow };
    const struct {
        Press press;
        MessageAnswer answer;
        int files;  // of ten cards held at the fourth
        const char* message;
    } cases[] = {
        {Press::EscapeOnSheet, MessageAnswer::No, 10, "Card has been exported successfully."},
        {Press::EscapeOnSheet, MessageAnswer::Yes, 3, "3 of 10 cards have been exported."},
        {Press::CloseWindow, MessageAnswer::No, 10, "Card has been exported successfully."},
        {Press::CloseWindow, MessageAnswer::Yes, 3, "3 of 10 cards have been exported."},
    };
    SKTWindowController& w = open();
    w.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.press) * 2 + (c.answer == MessageAnswer::Yes));
        QDir(out()).removeRecursively();
        const auto cards = std::make_shared<TestCards>(10);
        ScopedCards supply(cards);
        player.afterExportMessage.clear();
        exportHeldAtFour(w, *cards);
        sink.shown.clear();
        sink.answers = {c.answer};
        if (c.press == Press::EscapeOnSheet)
            QTest::keyClick(w.send_modls_wnd, Qt::Key_Escape);
        else
            EXPECT_FALSE(w.close());
        EXPECT_EQ(sink.shown, QStringList{"Are you sure you want to stop?"});
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.send_modls_wnd->isSheetShown());  // Stop still within reach
        EXPECT_TRUE(w.exportRunning());
        cards->gate.release();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.exportRunning(); }, 60000));
        EXPECT_EQ(filesIn(out()).size(), c.files);
        EXPECT_EQ(player.afterExportMessage, QString::fromLatin1(c.message));
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.send_modls_wnd->isSheetShown());
    }
}

TEST_F(ExportRunTest, TheClosingMessageCountsTheCardsWrittenWhenAnyWasNot) {
    const struct {
        int side;             // the export window's side column: 0 both, 1 front
        int failAt;           // the card (0-based) that cannot be made, -1 none
        const char* failSide; // of that card; "" both
        int files;
        const char* message;
    } cases[] = {
        {1, -1, "", 4, "Card has been exported successfully."},
        {1, 2, "", 3, "3 of 4 cards have been exported."},
        // A card whose back alone fails writes neither side.
        {0, 1, "B", 6, "3 of 4 cards have been exported."},
        {0, 1, "F", 6, "3 of 4 cards have been exported."},
    };
    SKTWindowController& w = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failAt * 10 + c.side + QString::fromLatin1(c.failSide).size() * 100);
        QDir(out()).removeRecursively();
        const auto cards = std::make_shared<TestCards>(4);
        cards->failAt = c.failAt;
        cards->failSide = QString::fromLatin1(c.failSide);
        ScopedCards supply(cards);
        player.setUp = [&c](ExportWindow& win) {
            win.matrix_export_card_side->button(c.side)->click();
            win.exportOkay();
        };
        player.afterExportMessage.clear();
        exportNow(w);
        EXPECT_EQ(filesIn(out()).size(), c.files) << filesIn(out()).join(' ').toStdString();
        EXPECT_EQ(player.afterExportMessage, QString::fromLatin1(c.message));
    }
}

TEST_F(ExportRunTest, ASelectedRangeWritesItsCardsNamedByTheirRows) {
    SKTWindowController& w = open();
    const auto cards = std::make_shared<TestCards>(10);
    cards->failAt = 3;  // card 4 cannot be made: it writes and removes nothing
    ScopedCards supply(cards);
    QDir().mkpath(out());
    writeBytes(out("Card_4_Back.PNG"), "old");
    player.setUp = [this](ExportWindow& win) {
        win.matrix_export_card_side->button(2)->click();
        win.Sel_print_rd->click();
        for (const auto& [from, to] : {std::pair{"5", "3"}, std::pair{"3", "5"}}) {
            win.from_Text->setText(from);
            win.To_Text->setText(to);
            win.exportOkay();
            EXPECT_EQ(win.result(), int(QString(from) == "3"));
        }
        EXPECT_EQ(sink.shown, QStringList{"Please select valid range."});
    };
    exportNow(w);
    EXPECT_EQ(filesIn(out()).join(' '), "Card_3_Back.PNG Card_4_Back.PNG Card_5_Back.PNG");
    EXPECT_EQ(fileBytes(out("Card_4_Back.PNG")), "old");
    EXPECT_EQ(w.send_modls_wnd->_tot_msg_cnt->text(), "3");
    EXPECT_TRUE(sink.shown.last().endsWith("\n\nCard 4 (back): its photo is missing")) << sink.text();
    EXPECT_EQ(player.questions, 0);
    EXPECT_EQ(player.afterExportBoxes, 1);
}

TEST_F(ExportRunTest, AFailedWriteSaysWhereAndWhyKeepsTheOldFileAndShowsNoSuccess) {
    SKTWindowController& w = open();
    ScopedCards supply(std::make_shared<TestCards>(2));
    const QString plain = data.filePath("plain");
    writeBytes(plain, "a file, not a folder");
    const struct {
        bool batch;
        QString target;       // the folder (batch) or the save panel's path
        QString link;         // made a link to /dev/full first
        const char* message;  // part of the message shown
        const char* count;    // how the message ends, when it counts the cards
    } cases[] = {
        {false, data.filePath("Card_1.PNG"), data.filePath("Card_1_Front.PNG"), "The disk is full", ""},
        {false, plain + "/Card_1.PNG", {}, "is a file, not a folder", ""},
        {true, data.path(), out("Card_1_Front.PNG"), "The disk is full", "\n\n0 of 2 cards have been exported."},
        {true, data.path(), out("Card_2_Front.PNG"), "The disk is full", "\n\n1 of 2 cards have been exported."},
        {true, plain, {}, "Unable to continue saving", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        QDir(out()).removeRecursively();
        QFile::remove(data.filePath("Card_1_Front.PNG"));
        if (!c.link.isEmpty()) {
            QDir().mkpath(QFileInfo(c.link).path());
            ASSERT_TRUE(QFile::link("/dev/full", c.link));
        }
        if (c.batch && !QFileInfo(out("Card_2_Front.PNG")).isSymLink()) {
            QDir().mkpath(out());
            writeBytes(out("Card_2_Front.PNG"), "old");
        }
        ExportCardSupply single = ExportCardSupply::current();
        single.checkUse = [](SKTWindowController&) { Use_Data_Sheet_Values = false; };
        const ExportCardSupply previous = c.batch ? ExportCardSupply::current() : ExportCardSupply::install(single);
        player.folder = c.target;
        player.savePaths = {c.target};
        player.answers = {{Button::Replace, false}};
        player.afterExportBoxes = 0;
        player.setUp = [](ExportWindow& win) {
            win.matrix_export_card_side->button(1)->click();
            win.exportOkay();
        };
        sink.shown.clear();
        sink.answers = {MessageAnswer::Yes};  // replace the file asked about
        exportNow(w);
        if (!c.batch)
            ExportCardSupply::install(previous);
        EXPECT_TRUE(sink.text().find(c.message) != std::string::npos) << sink.text();
        if (*c.count) {
            EXPECT_TRUE(!sink.shown.isEmpty() && sink.shown.last().endsWith(QLatin1String(c.count))) << sink.text();
        }
        if (!c.link.isEmpty()) {
            EXPECT_TRUE(sink.text().find(c.link.toStdString()) != std::string::npos) << sink.text();
            EXPECT_TRUE(QFileInfo(c.link).symLinkTarget() == "/dev/full" && !QFileInfo(c.link).isFile());
        }
        EXPECT_EQ(player.afterExportBoxes, 0);
        if (c.batch && c.link == out("Card_1_Front.PNG")) {  // the run ended before card 2
            EXPECT_EQ(fileBytes(out("Card_2_Front.PNG")), "old");
        }
    }
}

TEST_F(ExportRunTest, TheSingleExportAsksAboutEveryFileItWouldReplace) {
    SKTWindowController& w = open();
    export_card_counter = 1;
    writeBytes(data.filePath("Card_1_Back.PNG"), "old");
    player.savePaths = {data.filePath("Card_1.PNG"), data.filePath("Card_2.PNG")};
    sink.answers = {MessageAnswer::No};
    w.Export_Button();
    EXPECT_EQ(sink.shown, QStringList{"Card_1_Back.PNG already exists. Do you want to replace it?"});
    EXPECT_EQ(player.suggested, (QStringList{"Card_1.PNG", "Card_2.PNG"}));
    EXPECT_EQ(fileBytes(data.filePath("Card_1_Back.PNG")), "old");
    EXPECT_EQ(filesIn(data.path()).filter("Card_2").join(' '), "Card_2_Back.PNG Card_2_Front.PNG");
    EXPECT_EQ(player.afterExportBoxes, 1);
    EXPECT_EQ(::Export_File_Path, data.filePath("Card_2_Front.PNG"));
    // The box names both files the export wrote, and keeps the back's to
    // itself: no later export names it.
    EXPECT_TRUE(::Export_Back_File_Path.isEmpty());
    EXPECT_EQ(player.afterExportPaths,
              (QStringList{data.filePath("Card_2_Front.PNG"), data.filePath("Card_2_Back.PNG")}));

    // The front alone: no back file is named from the export before.
    player.setUp = [](ExportWindow& win) {
        win.matrix_export_card_side->button(1)->click();
        win.exportOkay();
    };
    player.savePaths = {data.filePath("Card_3.PNG")};
    w.Export_Button();
    EXPECT_EQ(player.afterExportBoxes, 2);
    EXPECT_EQ(player.afterExportPaths, QStringList{data.filePath("Card_3_Front.PNG")});
}

// With no supply of its own installed, the export makes each card from the
// design's batch: a text bound to a series shows that card's value.
TEST_F(ExportRunTest, ABoundDesignExportsEachRowsValues) {
    SKTWindowController& w = open();
    QDir().mkpath(Data_Folder_Path);
    writeBytes(QDir(Data_Folder_Path).filePath("names.txt"), "Ann\nBob\nCy");
    auto g = makeGraphic(GraphicKind::Text);
    g->_bounds = QRectF(10, 10, 150, 30);
    g->Set_Data_source_type(DataSourceType::Series);
    g->Set_Batch_List_Name(QStringLiteral("names"));
    g->Set_Batch_List_Index(0);
    w.Get_Front_Controls_Array() = {g};
    ::CARD_SIDE_STR = QStringLiteral("1");
    player.setUp = Player::frontsAsPdf;
    exportNow(w);
    const QStringList names = {"Ann", "Bob", "Cy"};
    for (int n = 1; n <= 3; ++n) {
        const QString file = out(QStringLiteral("Card_%1_Front.PDF").arg(n));
        const ToolResult text = runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        EXPECT_EQ(QString::fromUtf8(text.out).simplified(), names[n - 1]) << qPrintable(file);
    }
}
