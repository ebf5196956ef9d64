#pragma once
// The main window under test: built over a temporary data folder, with the
// message boxes, the quit request and the file panels played by the test.
#include "TestSupport.h"

#include "foundation/AppPaths.h"
#include "mainwindow/SKTWindowController.h"
#include "platform/MessageSink.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace zelk::test {

// Records every message box and answers from a queue (the safe answer once
// the queue is empty). The line break that Show_MessageBox puts before its
// text is left out of the record.
class ScriptedSink {
public:
    ScriptedSink() {
        MessageSink::install([this](MessageButtons buttons, const QString& text) {
            shown << (buttons == MessageButtons::Ok && text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text);
            if (answers.empty())
                return MessageSink::safeAnswer(buttons);
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~ScriptedSink() { MessageSink::install({}); }
    QStringList shown;
    // For readable failures.
    std::string text() const { return shown.join(QStringLiteral(" | ")).toStdString(); }
    std::deque<MessageAnswer> answers;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        SKTWindowController::setQuitHandler([this] { ++quitRequests; });
        SKTWindowController::setSavePathChooser([this](const QString&) { return nextSavePath; });
        SKTWindowController::setOpenPathChooser([this] { return nextOpenPath; });
    }
    void TearDown() override {
        window.reset();
        SKTWindowController::setQuitHandler({});
        SKTWindowController::setSavePathChooser({});
        SKTWindowController::setOpenPathChooser({});
    }
    SKTWindowController& open() {
        window = std::make_unique<SKTWindowController>(
            SKTWindowController::Roots{resourceDir(), data.filePath(QStringLiteral("user"))});
        return *window;
    }

    QTemporaryDir data;
    ScriptedSink sink;
    int quitRequests = 0;
    QString nextSavePath;
    QString nextOpenPath;
    std::unique_ptr<SKTWindowController> window;
};

}  // namespace zelk::test
