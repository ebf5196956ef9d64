#include "platform/MessageSink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

using zelk::MessageAnswer;
using zelk::MessageButtons;
using zelk::MessageSink;

namespace {

// Restores the default sink when a test ends, whatever it installed.
struct SinkGuard {
    ~SinkGuard() { MessageSink::install({}); }
};

// Runs `work` on a worker thread while this (the GUI) thread serves events,
// as the application's event loop would.
template <typename Work>
void runOnWorker(Work work) {
    QThread* worker = QThread::create(work);
    worker->start();
    const QDeadlineTimer deadline(30000);
    while (!worker->isFinished() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(worker->wait(1000)) << "worker still waiting for its answer";
    delete worker;
}

}  // namespace

TEST(MessageSink, WorkerWaitsForTheGuiThreadsAnswer) {
    SinkGuard guard;
    struct Case { MessageButtons buttons; MessageAnswer given; };
    const Case cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageAnswer::Yes},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Yes},
        {MessageButtons::YesNoCancel, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
    };
    for (const Case& c : cases) {
        std::atomic<bool> workerReturned{false};
        QThread* seenThread = nullptr;
        QString seenText;
        MessageButtons seenButtons{};
        MessageSink::install([&](MessageButtons buttons, const QString& text) {
            seenThread = QThread::currentThread();
            seenText = text;
            seenButtons = buttons;
            // The worker is still blocked inside ask() while the box is up.
            EXPECT_FALSE(workerReturned.load());
            return c.given;
        });
        MessageAnswer answer{};
        runOnWorker([&] {
            answer = MessageSink::ask(c.buttons, QStringLiteral("Save the design?"));
            workerReturned = true;
        });
        EXPECT_EQ(answer, c.given);
        EXPECT_EQ(seenThread, QCoreApplication::instance()->thread());
        EXPECT_EQ(seenText, QStringLiteral("Save the design?"));
        EXPECT_EQ(seenButtons, c.buttons);
    }
}

TEST(MessageSink, GuiThreadCallIsAnsweredDirectly) {
    SinkGuard guard;
    int calls = 0;
    MessageSink::install([&](MessageButtons, const QString&) {
        ++calls;
        return MessageAnswer::Yes;
    });
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNo, QStringLiteral("q")), MessageAnswer::Yes);
    EXPECT_EQ(calls, 1);
}

TEST(MessageSink, WithoutAHandlerOrWhenItFailsTheSafeAnswerIsGiven) {
    SinkGuard guard;
    MessageSink::install({});
    EXPECT_EQ(MessageSink::ask(MessageButtons::Ok, QStringLiteral("info")), MessageAnswer::Ok);
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNo, QStringLiteral("delete?")), MessageAnswer::No);
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNoCancel, QStringLiteral("save?")), MessageAnswer::Cancel);

    MessageSink::install([](MessageButtons, const QString&) -> MessageAnswer {
        throw std::runtime_error("no display");
    });
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNo, QStringLiteral("delete?")), MessageAnswer::No);
    MessageAnswer fromWorker = MessageAnswer::Yes;
    runOnWorker([&] { fromWorker = MessageSink::ask(MessageButtons::YesNoCancel, QStringLiteral("save?")); });
    EXPECT_EQ(fromWorker, MessageAnswer::Cancel);
}

TEST(MessageSink, InstallReturnsThePreviousHandler) {
    SinkGuard guard;
    MessageSink::install([](MessageButtons, const QString&) { return MessageAnswer::Yes; });
    MessageSink::Handler previous =
        MessageSink::install([](MessageButtons, const QString&) { return MessageAnswer::No; });
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous(MessageButtons::YesNo, QString()), MessageAnswer::Yes);
    MessageSink::install(previous);
    EXPECT_EQ(MessageSink::ask(MessageButtons::YesNo, QStringLiteral("q")), MessageAnswer::Yes);
}
