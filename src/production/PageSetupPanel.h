#pragma once
// The system's page-layout panel (QPageSetupDialog) on a copy of print
// settings, run through the dialog runner so that tests play it.
class QWidget;

namespace zelk {

class PrintInfo;

class PageSetupPanel {
public:
    // Runs the panel for the settings' printer and paper; on OK the settings
    // take the paper and orientation chosen (the job disposition stays).
    // True when the panel was confirmed.
    static bool run(QWidget* parent, PrintInfo& info);
};

}  // namespace zelk
