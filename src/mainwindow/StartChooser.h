#pragma once
// The start chooser's state machine: the user picks a start mode, the step
// of that mode runs, a step that does not complete shows the chooser again,
// and cancelling the chooser ends the application.
//
// Every dialog and every effect on the main window is behind
// StartChooserSteps, so the roads are tested with fakes; the main window
// provides the real steps.
#include <QString>

namespace zelk {

// What the chooser asks of the rest of the program, in the order it asks.
class StartChooserSteps {
public:
    virtual ~StartChooserSteps();

    // Before each run of the chooser, while the previous start mode is still
    // set: the live layout of visitor and group modes goes.
    virtual void beforeChooser() {}
    // Once the chooser closed: the ID-card captions.
    virtual void afterChooser() {}
    // Runs the chooser window; the chosen StartMode ("T", "W", "L", "V",
    // "G"), or "" when the chooser was cancelled.
    virtual QString chooseStartMode() = 0;
    // The chooser window has closed: the Excel binding's path is forgotten
    // and the table's rows are removed (its columns stay).
    virtual void chooserClosed() = 0;
    // Start_Card_Option := mode.
    virtual void setStartMode(const QString& mode) = 0;
    // Ends the application.
    virtual void endApplication() = 0;

    // "T": the template gallery (all categories) and the loading of the
    // chosen template; true when a template was loaded.
    virtual bool runTemplateGallery() = 0;
    // "W": the card wizard; true when it applied its card settings and
    // opened an empty design.
    virtual bool runCardWizard() = 0;
    // "L": the open panel and the loading of the chosen design file.
    virtual bool runOpenDesign() = 0;
    // "V": the gallery limited to the visitor category, the loading of the
    // chosen template and the visitor set-up after it.
    virtual bool runVisitorRoad() = 0;
    // "G": the group-project wizard's result (1 when a project was made or
    // opened) and, on 1, its loading into the main window.
    virtual int runGroupWizard() = 0;
    virtual void Load_Group_Mode_After_log_reading() = 0;

    // After "T" and "W": the card-holder profile stamping.
    virtual void Fill_User_profile_Details() = 0;
    // The undo and redo stacks of both sides.
    virtual void clearUndoStacks() = 0;
    virtual void pushUndoSnapshot() = 0;
    virtual void setUndoRedoEnabled(bool enabled) = 0;
};

}  // namespace zelk

class StartChooser {
public:
    enum Result { Started, ApplicationEnded };

    // The chooser loop. Returns once a road completed (Started), or once
    // the chooser was cancelled and the application asked to end.
    static Result Open_Start_Window(zelk::StartChooserSteps& steps);

    // Start modes the chooser offers.
    static bool isStartMode(const QString& mode);
};
