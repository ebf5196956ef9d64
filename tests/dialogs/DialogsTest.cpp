// The shared small dialogs, played through the dialog runner.
#include "TestServices.h"

#include "dialogs/AccessoryViewController.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/saveDialogCustomView.h"
#include "dialogs/SavePanelSupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct Play {
    Replcae_Confirm_Box::Button button;
    bool tick;           // the user's "Apply to All"
    bool showCheck;      // apply_chk_show
    int expected;
    bool stops;
};

TEST(Replcae_Confirm_Box, AnsweredFromAWorkerThread) {
    const Play plays[] = {
        {Replcae_Confirm_Box::Keep, true, true, 3, false},
        {Replcae_Confirm_Box::Replace, false, true, 0, false},
        {Replcae_Confirm_Box::Cancel, true, true, 5, true},
        {Replcae_Confirm_Box::Keep, true, false, 1, false},  // hidden box: applies to nothing
    };
    for (const Play& p : plays) {
        SCOPED_TRACE(p.expected);
        Stop_SMS_Sending_Now = false;
        Msg_Apply_All_Chk = true;
        replace_keep_file_flag = -1;
        bool ranOnGui = false;
        bool startedChecked = false;
        zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
            ranOnGui = QThread::currentThread() == qApp->thread();
            auto* box = static_cast<Replcae_Confirm_Box*>(d);
            startedChecked = box->Apply_All_Chk->isChecked();
            box->Apply_All_Chk->setChecked(p.tick);
            if (p.button == Replcae_Confirm_Box::Keep)
                box->Keep_Clicked();
            else if (p.button == Replcae_Confirm_Box::Replace)
                box->Replace_Clicked();
            else
                box->Cancel_Clicked();
            return box->result();
        });
        int seenByWorker = -1;
        QThread* worker = QThread::create([&] {
            Replcae_Confirm_Box* box = Replcae_Confirm_Box::defaultInstance();
            box->title_val = QStringLiteral("Export");
            box->msg_val_str = QStringLiteral("Card_1.png already exists.");
            box->apply_chk_show = p.showCheck;
            seenByWorker = box->Open_box_in_thread();
        });
        worker->start();
        QElapsedTimer timer;
        timer.start();
        while (!worker->isFinished() && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(worker->wait(1000));
        delete worker;
        EXPECT_TRUE(ranOnGui);
        EXPECT_TRUE(startedChecked);  // from Msg_Apply_All_Chk
        EXPECT_EQ(seenByWorker, p.expected);
        EXPECT_EQ(replace_keep_file_flag.load(), p.expected);
        EXPECT_EQ(Stop_SMS_Sending_Now.load(), p.stops);
        EXPECT_EQ(Replcae_Confirm_Box::defaultInstance()->thread(), qApp->thread());
    }
    Stop_SMS_Sending_Now = false;
    Msg_Apply_All_Chk = false;
}

TEST(Replcae_Confirm_Box, ClosingWithoutAButtonCancels) {
    Stop_SMS_Sending_Now = false;
    zelk::test::ScopedDialogRunner runner([](QDialog*) { return 0; });
    Replcae_Confirm_Box* box = Replcae_Confirm_Box::defaultInstance();
    box->apply_chk_show = false;
    EXPECT_EQ(box->Open_box_in_thread(), 4);
    EXPECT_TRUE(Stop_SMS_Sending_Now.load());
    Stop_SMS_Sending_Now = false;
}

TEST(Open_Export_Log, OkOpensWhatIsTickedAndBothButtonsResetTheBox) {
    QTemporaryDir dir;
    const QString back = dir.filePath(QStringLiteral("Card_Back.png"));
    const QString front = dir.filePath(QStringLiteral("Card_Front.png"));
    QFile(back).open(QIODevice::WriteOnly);
    QFile(front).open(QIODevice::WriteOnly);
    zelk::test::RecordedOpens opened;
    Open_Export_Log box;
    struct Case {
        bool tick;
        bool ok;
        QString backPath;
        QStringList opened;
        int code;
    };
    const Case cases[] = {
        {true, true, back, {front, back}, 1},
        {true, true, dir.filePath(QStringLiteral("missing.png")), {front}, 1},
        {false, true, back, {}, 1},
        {true, false, back, {}, 0},
    };
    for (const Case& c : cases) {
        opened.urls.clear();
        box._open_log_path->setText(front);
        box.Export_Back_File_Path = c.backPath;
        zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
            auto* b = static_cast<Open_Export_Log*>(d);
            b->_open_log_chk->setChecked(c.tick);
            c.ok ? b->OK_Clicked() : b->Cancel_Clicked();
            return b->result();
        });
        EXPECT_EQ(box.Open_Wnd(), c.code);
        EXPECT_EQ(opened.paths(), c.opened);
        EXPECT_TRUE(box._open_log_chk->isChecked());
        EXPECT_TRUE(box.Export_Back_File_Path.isEmpty());
    }
}

TEST(SaveAccessories, NamesTakeTheChosenExtension) {
    const struct {
        const char* name;
        const char* ext;
        const char* out;
    } names[] = {{"Card_1.png", "jpg", "Card_1.jpg"}, {"List", "txt", "List.txt"},
                 {"a.b.c", "xlsx", "a.b.xlsx"},      {".hidden", "png", ".hidden.png"}};
    for (const auto& n : names)
        EXPECT_EQ(AccessoryViewController::nameWithExtension(QString::fromLatin1(n.name), QString::fromLatin1(n.ext)),
                  QString::fromLatin1(n.out));

    const struct {
        const char* item;
        const char* ext;
    } items[] = {{"PNG", "png"}, {"jpg", "jpg"}, {"PNG image (*.png)", "png"}, {"Text (*.TXT)", "txt"},
                 {"PDF Document", ""}, {"", ""}};
    for (const auto& it : items)
        EXPECT_EQ(saveDialogCustomView::extensionOfItem(QString::fromLatin1(it.item)), QString::fromLatin1(it.ext))
            << it.item;
}

TEST(SaveAccessories, ChoosingAFormatRenamesAndRestrictsThePanel) {
    QFileDialog panel;
    panel.setOption(QFileDialog::DontUseNativeDialog, true);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.selectFile(QStringLiteral("Card_1.jpg"));
    AccessoryViewController accessory;
    accessory.attachTo(&panel, 0);
    accessory.selectFormat(2);
    EXPECT_EQ(zelk::panelFileName(&panel), QStringLiteral("Card_1.png"));
    EXPECT_EQ(panel.nameFilters(), QStringList{QStringLiteral("*.png")});
    EXPECT_EQ(panel.defaultSuffix(), QStringLiteral("png"));

    saveDialogCustomView view;
    view.setFormats({QStringLiteral("Excel (*.xlsx)"), QStringLiteral("Text (*.txt)")}, 1);
    view.attachTo(&panel);
    EXPECT_EQ(zelk::panelFileName(&panel), QStringLiteral("Card_1.txt"));
    EXPECT_EQ(view.selectedExtension(), QStringLiteral("txt"));
}

}  // namespace

#include "dialogs/Long_SMS_Dlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

TEST(Long_SMS_Dlg, ShowsTheTwoGlobalsWithOneOkButton) {
    const struct {
        QString title, text;
    } cases[] = {
        {QStringLiteral("Encoding Mode :"), QStringLiteral("Line one\n\nLine three\n") + QString(400, QLatin1Char('x'))},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        Cutom_Msg_Title = c.title;
        Cutom_Msg_Val = c.text;
        Msg_Apply_All_Chk = true;
        zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
            auto* box = static_cast<Long_SMS_Dlg*>(d);
            EXPECT_EQ(box->_Msg_Title->text(), c.title);
            EXPECT_EQ(box->_Msg_Val->toPlainText(), c.text);
            EXPECT_EQ(box->yes_button->text(), QStringLiteral("OK"));
            EXPECT_FALSE(box->yes_button->isHidden());
            EXPECT_TRUE(box->no_button->isHidden());
            EXPECT_TRUE(box->apply_chk->isHidden());
            box->yes_button->click();
            return box->result();
        });
        EXPECT_EQ(Long_SMS_Dlg::defaultInstance()->Open_Long_sms_Dialog(), 1);
        // The hidden box, unticked as made, still decides the flag.
        EXPECT_FALSE(Msg_Apply_All_Chk);
    }
}

}  // namespace
