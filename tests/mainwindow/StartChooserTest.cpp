// The start chooser's roads, played with fake steps that record every call.
#include "mainwindow/StartChooser.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>

namespace {

class FakeSteps : public zelk::StartChooserSteps {
public:
    std::deque<QString> choices;       // what the user picks each time the chooser shows
    std::deque<bool> stepResults;      // whether each road's step completes
    std::deque<int> groupResults;
    QStringList calls;
    QString mode;
    int undoEntries = 5;               // stacks start dirty
    bool undoEnabled = true;

    bool nextResult() {
        const bool r = stepResults.empty() ? true : stepResults.front();
        if (!stepResults.empty())
            stepResults.pop_front();
        return r;
    }
    QString chooseStartMode() override {
        calls << QStringLiteral("chooser");
        if (choices.empty())
            return {};
        const QString c = choices.front();
        choices.pop_front();
        return c;
    }
    void chooserClosed() override { calls << QStringLiteral("closed"); }
    void setStartMode(const QString& m) override { mode = m; }
    void endApplication() override { calls << QStringLiteral("end"); }
    bool runTemplateGallery() override { calls << QStringLiteral("gallery"); return nextResult(); }
    bool runCardWizard() override { calls << QStringLiteral("wizard"); return nextResult(); }
    bool runOpenDesign() override { calls << QStringLiteral("open"); return nextResult(); }
    bool runVisitorRoad() override { calls << QStringLiteral("visitor"); return nextResult(); }
    int runGroupWizard() override {
        calls << QStringLiteral("group");
        const int r = groupResults.empty() ? 1 : groupResults.front();
        if (!groupResults.empty())
            groupResults.pop_front();
        return r;
    }
    void Load_Group_Mode_After_log_reading() override { calls << QStringLiteral("loadGroup"); }
    void Fill_User_profile_Details() override { calls << QStringLiteral("profile"); }
    void clearUndoStacks() override { calls << QStringLiteral("clearUndo"); undoEntries = 0; }
    void pushUndoSnapshot() override { calls << QStringLiteral("push"); ++undoEntries; }
    void setUndoRedoEnabled(bool e) override { calls << QString::fromLatin1(e ? "undoOn" : "undoOff"); undoEnabled = e; }
};

struct Road {
    const char* mode;
    QStringList calls;      // after a completed step
    int undoEntries;
    bool undoEnabled;
};

TEST(StartChooser, EachRoadRunsItsStepAndLeavesTheUndoStacksAsItsModeWants) {
    const QList<Road> roads = {
        // Profile stamping comes after the template or card and before the stacks are cleared.
        {"T", {"chooser", "closed", "gallery", "profile", "clearUndo"}, 0, true},
        {"W", {"chooser", "closed", "wizard", "profile", "clearUndo"}, 0, true},
        {"L", {"chooser", "closed", "open", "clearUndo"}, 0, true},
        {"V", {"chooser", "closed", "visitor", "clearUndo"}, 0, true},
        // A group project starts with one snapshot and undo switched off.
        {"G", {"chooser", "closed", "group", "loadGroup", "clearUndo", "push", "undoOff"}, 1, false},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.mode);
        FakeSteps steps;
        steps.choices = {QString::fromLatin1(road.mode)};
        EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::Started);
        EXPECT_EQ(steps.calls, road.calls);
        EXPECT_EQ(steps.mode, QString::fromLatin1(road.mode));
        EXPECT_EQ(steps.undoEntries, road.undoEntries);
        EXPECT_EQ(steps.undoEnabled, road.undoEnabled);
    }
}

TEST(StartChooser, AStepThatDoesNotCompleteShowsTheChooserAgain) {
    FakeSteps steps;
    steps.choices = {QStringLiteral("T"), QStringLiteral("W"), QStringLiteral("L")};
    steps.stepResults = {false, false, true};
    EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::Started);
    EXPECT_EQ(steps.calls, (QStringList{"chooser", "closed", "gallery", "chooser", "closed", "wizard", "chooser",
                                        "closed", "open", "clearUndo"}));
    // Nothing of a failed road stamped a profile or touched the stacks.
    EXPECT_FALSE(steps.calls.contains(QStringLiteral("profile")));
    EXPECT_EQ(steps.mode, QStringLiteral("L"));
}

TEST(StartChooser, AGroupWizardOtherThanOneShowsTheChooserAgain) {
    FakeSteps steps;
    steps.choices = {QStringLiteral("G"), QStringLiteral("G")};
    steps.groupResults = {0, 1};
    EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::Started);
    EXPECT_EQ(steps.calls.count(QStringLiteral("group")), 2);
    EXPECT_EQ(steps.calls.count(QStringLiteral("loadGroup")), 1);
}

TEST(StartChooser, CancellingTheChooserEndsTheApplication) {
    for (const QString& answer : {QString(), QStringLiteral("X"), QStringLiteral("t")}) {
        SCOPED_TRACE(answer.toStdString());
        FakeSteps steps;
        steps.choices = {answer};
        EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::ApplicationEnded);
        // The Excel binding is forgotten on every close, also this one.
        EXPECT_EQ(steps.calls, (QStringList{"chooser", "closed", "end"}));
        EXPECT_EQ(steps.undoEntries, 5);
    }
}

TEST(StartChooser, CancelAfterAFailedStepStillEnds) {
    FakeSteps steps;
    steps.choices = {QStringLiteral("V")};
    steps.stepResults = {false};
    EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::ApplicationEnded);
    EXPECT_EQ(steps.calls.last(), QStringLiteral("end"));
    EXPECT_EQ(steps.calls.count(QStringLiteral("closed")), 2);
}

// Every run of the chooser is framed: the live layout goes before it (the
// previous mode still set), the ID-card captions come after it.
TEST(StartChooser, EachRunOfTheChooserIsFramedByTheLayoutAndCaptionSteps) {
    struct FramedSteps : FakeSteps {
        void beforeChooser() override { calls << QStringLiteral("liveOff:") + mode; }
        void afterChooser() override { calls << QStringLiteral("idCaptions"); }
    };
    FramedSteps steps;
    steps.mode = QStringLiteral("V");
    steps.choices = {QStringLiteral("V"), QStringLiteral("V")};
    steps.stepResults = {false, true};
    EXPECT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::Started);
    EXPECT_EQ(steps.calls, (QStringList{"liveOff:V", "chooser", "idCaptions", "closed", "visitor", "liveOff:V",
                                        "chooser", "idCaptions", "closed", "visitor", "clearUndo"}));
}

}  // namespace
