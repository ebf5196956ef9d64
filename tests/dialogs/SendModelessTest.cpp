// The progress sheet: its Stop question and its refresh from a job's count.
#include "TestServices.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using zelk::MessageAnswer;
using zelk::MessageButtons;

TEST(Send_Modeless, StopAsksAndOnlyYesRaisesTheStopRequest) {
    ASSERT_EQ(Send_Modeless::defaultInstance(), nullptr);  // none before it is made
    Send_Modeless sheet;
    EXPECT_EQ(Send_Modeless::defaultInstance(), &sheet);
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        QString asked;
        zelk::test::ScopedServices s(zelk::test::changed([&](zelk::Services& svc) {
            svc.showMessage = [&](MessageButtons, const QString& text) {
                asked = text;
                return answer;
            };
        }));
        Stop_SMS_Sending_Now = false;
        replace_keep_file_flag = 3;
        sheet._stop_btn->click();
        EXPECT_EQ(asked, "Are you sure you want to stop?");
        EXPECT_EQ(Stop_SMS_Sending_Now.load(), answer == MessageAnswer::Yes);
        EXPECT_EQ(replace_keep_file_flag.load(), answer == MessageAnswer::Yes ? 5 : 3);
    }
}

TEST(Send_Modeless, TheSheetFollowsTheJobsCountOverItsWindow) {
    QWidget owner;
    owner.show();
    Send_Modeless sheet;
    std::atomic<int> done{0};
    sheet.prepareJob(10, "0 / 10 Card");
    sheet.beginSheet(&owner, [&] { return done.load(); });
    EXPECT_TRUE(sheet.isSheetShown());
    EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet.parentWidget(), &owner);
    EXPECT_EQ(sheet._curr_msg_cnt->text(), "0 / 10 Card");
    done = 4;
    // The GUI timer refreshes it twice a second.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet._curr_msg_cnt->text() == "4 / 10 "; }, 2000));
    EXPECT_EQ(sheet._Curr_Progress->value(), 4);
    sheet.endSheet();
    EXPECT_FALSE(sheet.isSheetShown());
}

TEST(Send_Modeless, EscapeAndTheCloseButtonAreStopAndTheSheetStays) {
    QWidget owner;
    owner.show();
    Send_Modeless sheet;
    struct Case {
        bool escape;  // else the window's close button
        MessageAnswer answer;
    };
    const Case cases[] = {{true, MessageAnswer::No}, {true, MessageAnswer::Yes},
                          {false, MessageAnswer::No}, {false, MessageAnswer::Yes}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.escape ? "Escape" : "close");
        QStringList asked;
        zelk::test::ScopedServices s(zelk::test::changed([&](zelk::Services& svc) {
            svc.showMessage = [&](MessageButtons, const QString& text) {
                asked << text;
                return c.answer;
            };
        }));
        sheet.prepareJob(5, "0 / 5");
        sheet.beginSheet(&owner, [] { return 1; });
        replace_keep_file_flag = 0;
        if (c.escape)
            QTest::keyClick(&sheet, Qt::Key_Escape);
        else
            EXPECT_FALSE(sheet.close());
        EXPECT_EQ(asked, QStringList{"Are you sure you want to stop?"});
        const bool yes = c.answer == MessageAnswer::Yes;
        EXPECT_EQ(Stop_SMS_Sending_Now.load(), yes);
        EXPECT_EQ(replace_keep_file_flag.load(), yes ? 5 : 0);
        // Only the job's end takes the sheet away.
        EXPECT_TRUE(sheet.isSheetShown());
        sheet.endSheet();
        EXPECT_FALSE(sheet.isSheetShown());
    }
}

// What waits for the stop question runs at once while none is open, after
// the answer while one is, and never once its context is gone.
TEST(Send_Modeless, WhatWaitsForTheStopQuestionRunsAfterTheAnswer) {
    Send_Modeless sheet;
    zelk::StopQuestion& question = sheet.stopQuestion();
    QStringList ran;
    question.afterAnswer(&sheet, [&] { ran << "idle"; });
    EXPECT_EQ(ran, QStringList{"idle"});

    auto gone = std::make_unique<QObject>();
    bool openMeanwhile = false;
    zelk::test::ScopedServices s(zelk::test::changed([&](zelk::Services& svc) {
        svc.showMessage = [&](MessageButtons, const QString&) {
            question.afterAnswer(&sheet, [&] { ran << "kept"; });
            question.afterAnswer(gone.get(), [&] { ran << "gone"; });
            gone.reset();
            QCoreApplication::processEvents();
            openMeanwhile = question.isOpen();
            EXPECT_EQ(ran, QStringList{"idle"});
            return MessageAnswer::No;
        };
    }));
    sheet._stop_btn->click();
    EXPECT_TRUE(openMeanwhile);
    EXPECT_FALSE(question.isOpen());
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, QStringList({"idle", "kept"}));
}
