// The progress sheet: its Stop question and its refresh from a job's count.
#include "TestServices.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <atomic>

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
