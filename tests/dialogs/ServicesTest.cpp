// The services object: what a test installs is what every window reaches,
// message boxes included, until the guard puts the earlier services back.
#include "TestServices.h"

#include "dialogs/DialogRunner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using zelk::MessageAnswer;
using zelk::MessageButtons;
using zelk::MessageSink;

TEST(Services, ReplacedWholeAndRestored) {
    QStringList told;
    {
        zelk::Services s = zelk::test::quietServices();
        s.showMessage = [&](MessageButtons, const QString& text) {
            told << text;
            return MessageAnswer::Yes;
        };
        s.runDialog = [](QDialog* d) {
            EXPECT_FALSE(d->isHidden());  // shown by the player, hidden after
            return 1;
        };
        zelk::test::ScopedServices guard(s);
        // A worker's question is answered by the installed sink too.
        MessageAnswer fromWorker = MessageAnswer::Cancel;
        QThread* worker = QThread::create([&] { fromWorker = MessageSink::ask(MessageButtons::YesNo, "Replace?"); });
        worker->start();
        while (!worker->isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        worker->wait();
        delete worker;
        EXPECT_EQ(fromWorker, MessageAnswer::Yes);
        QDialog dialog;
        dialog.show();
        EXPECT_EQ(zelk::DialogRunner::run(&dialog), 1);
        EXPECT_TRUE(dialog.isHidden());
    }
    EXPECT_EQ(told, QStringList{"Replace?"});
    // The services before had no message boxes: the safe answer, nobody told.
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNo, "Delete?"), MessageAnswer::No);
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(zelk::Services::current()->showMessage);
}

}  // namespace
