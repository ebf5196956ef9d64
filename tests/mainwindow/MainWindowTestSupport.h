#pragma once
// The main window under test: built over a temporary data folder, with the
// message boxes, the quit request and the file panels played by the test.
#include "TestServices.h"
#include "TestSupport.h"

#include "foundation/AppPaths.h"
#include "mainwindow/SKTWindowController.h"
#include "platform/MessageSink.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zelk::test {

// Records every message box and answers from a queue (the safe answer once
// the queue is empty), over the services installed. The line break that
// Show_MessageBox puts before its text is left out of the record.
class ScriptedSink {
public:
    QStringList shown;
    // For readable failures.
    std::string text() const { return shown.join(QStringLiteral(" | ")).toStdString(); }
    std::deque<MessageAnswer> answers;

private:
    ScopedServices installed_{changed([this](Services& s) {
        s.showMessage = [this](MessageButtons buttons, const QString& text) {
            shown << (buttons == MessageButtons::Ok && text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text);
            if (answers.empty())
                return MessageSink::safeAnswer(buttons);
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        };
    })};
};

// A user who reads the stop question of a run until the run's work is done
// (`workDone`), then gives `answer`: what else was shown while the question
// was open is kept, and `atAnswer` runs just before the answer.
class SlowStopAnswer : public ScopedServices {
public:
    SlowStopAnswer(ScriptedSink& sink, MessageAnswer answer, std::function<bool()> workDone,
                   std::function<void()> atAnswer = {})
        : ScopedServices(changed([=, this, &sink](Services& s) {
              s.showMessage = [=, this, &sink, inner = s.showMessage](MessageButtons b, const QString& text) {
                  if (text != QLatin1String("Are you sure you want to stop?"))
                      return inner(b, text);
                  sink.answers.push_front(answer);
                  const MessageAnswer given = inner(b, text);
                  const qsizetype before = sink.shown.size();
                  EXPECT_TRUE(QTest::qWaitFor(workDone, 60000));
                  QTest::qWait(1000);  // the worker's end reaches the GUI thread
                  shownMeanwhile = sink.shown.mid(before);
                  if (atAnswer)
                      atAnswer();
                  return given;
              };
          })) {}
    QStringList shownMeanwhile;
};

// The main window over a temporary data folder, with quiet services whose
// quit requests are counted and whose file panels give the paths below.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(data.isValid()); }
    void TearDown() override { window.reset(); }
    SKTWindowController& open() {
        window = std::make_unique<SKTWindowController>(
            SKTWindowController::Roots{resourceDir(), data.filePath(QStringLiteral("user"))});
        return *window;
    }

    QTemporaryDir data;
    int quitRequests = 0;
    QString nextSavePath;
    QString nextOpenPath;

private:
    Services played() {
        Services s = quietServices();
        s.quit = [this] { ++quitRequests; };
        s.chooseSavePath = [this](QWidget*, const QString&, const QString&, const QString&) { return nextSavePath; };
        s.chooseOpenPath = [this](QWidget*, const QString&, const QString&) { return nextOpenPath; };
        return s;
    }
    ScopedServices services_{played()};

protected:
    ScriptedSink sink;
    std::unique_ptr<SKTWindowController> window;
};

}  // namespace zelk::test
