#include "mainwindow/StartChooser.h"

zelk::StartChooserSteps::~StartChooserSteps() = default;

bool StartChooser::isStartMode(const QString& mode) {
    return mode == QLatin1String("T") || mode == QLatin1String("W") || mode == QLatin1String("L") ||
           mode == QLatin1String("V") || mode == QLatin1String("G");
}

StartChooser::Result StartChooser::Open_Start_Window(zelk::StartChooserSteps& steps) {
    for (;;) {
        steps.beforeChooser();
        const QString mode = steps.chooseStartMode();
        steps.afterChooser();
        steps.chooserClosed();
        if (!isStartMode(mode)) {
            steps.endApplication();
            return ApplicationEnded;
        }
        steps.setStartMode(mode);

        if (mode == QLatin1String("T") || mode == QLatin1String("W")) {
            const bool done = mode == QLatin1String("T") ? steps.runTemplateGallery() : steps.runCardWizard();
            if (!done)
                continue;
            steps.Fill_User_profile_Details();
            steps.clearUndoStacks();
            return Started;
        }
        if (mode == QLatin1String("L") || mode == QLatin1String("V")) {
            const bool done = mode == QLatin1String("L") ? steps.runOpenDesign() : steps.runVisitorRoad();
            if (!done)
                continue;
            // The loaded design is where undo starts: nothing of the design
            // shown before the chooser may come back.
            steps.clearUndoStacks();
            return Started;
        }
        // "G"
        if (steps.runGroupWizard() != 1)
            continue;
        steps.Load_Group_Mode_After_log_reading();
        steps.clearUndoStacks();
        steps.pushUndoSnapshot();
        steps.setUndoRedoEnabled(false);
        return Started;
    }
}
