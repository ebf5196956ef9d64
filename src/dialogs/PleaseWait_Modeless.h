#pragma once
// The please-wait window a dialog shows as a sheet over itself while it
// works on the GUI thread.
#include <QDialog>

class PleaseWait_Modeless : public QDialog {
    Q_OBJECT
public:
    explicit PleaseWait_Modeless(QWidget* parent = nullptr);

    // Shows the window over `owner`, blocking input to it only, and lets it
    // paint before the work starts.
    void beginSheet(QWidget* owner);
    // Ends the sheet and orders the window out.
    void endSheet();
    bool isSheetShown() const { return isVisible(); }
};
