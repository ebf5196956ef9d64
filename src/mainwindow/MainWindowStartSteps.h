#pragma once
// The start chooser's steps over the main window: the real dialogs and the
// real design. New_Project_And_Start runs a new project and the chooser.
#include "mainwindow/StartChooser.h"

#include <QString>

class SKTWindowController;

class MainWindowStartSteps : public zelk::StartChooserSteps {
public:
    explicit MainWindowStartSteps(SKTWindowController& window) : window_(window) {}

    // A new project: the design reset (folders included), the canvas and
    // inspector hidden, then the chooser; they show again once a road
    // completed. The chooser's result.
    static StartChooser::Result New_Project_And_Start(SKTWindowController& window);

    void beforeChooser() override;
    void afterChooser() override;
    QString chooseStartMode() override;
    void chooserClosed() override;
    void setStartMode(const QString& mode) override;
    void endApplication() override;
    bool runTemplateGallery() override;
    bool runCardWizard() override;
    bool runOpenDesign() override;
    bool runVisitorRoad() override;
    int runGroupWizard() override;
    void Load_Group_Mode_After_log_reading() override;
    void Fill_User_profile_Details() override;
    void clearUndoStacks() override;
    void pushUndoSnapshot() override;
    void setUndoRedoEnabled(bool enabled) override;

private:
    bool loadChosenTemplate();

    SKTWindowController& window_;
};
