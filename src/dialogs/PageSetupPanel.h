#pragma once
// The system's page-layout panel (QPageSetupDialog) on a copy of print
// settings, run through the dialog runner so that tests play it.
class QWidget;

namespace zelk {

class PrintInfo;

class PageSetupPanel {
public:
    // Runs the panel for the settings' printer, opened on their paper and
    // orientation with the printer's unprintable edges of that paper as its
    // margins; on OK the settings take the paper and orientation chosen (the
    // printer, duplex and job disposition stay). True when confirmed.
    static bool run(QWidget* parent, PrintInfo& info);
};

}  // namespace zelk
