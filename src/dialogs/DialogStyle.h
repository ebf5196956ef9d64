#pragma once
// The look every dialog of the program shares.
class QBoxLayout;
class QPushButton;
class QWidget;

namespace zelk {

// Dialog windows are drawn on red 241, green 244, blue 250.
void applyDialogBackground(QWidget* dialog);

struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Makes the window at least as wide as the desktop's title bar needs to
// show its whole title, which the desktop follows with the application's
// name, beside the bar's own buttons. Call it once the title is set.
void keepTitleWhole(QWidget* dialog);

// Ends a button row: a stretch, then "Cancel" and "OK" (the default button)
// at its right end. The caller connects them.
OkCancelButtons addOkCancelButtons(QWidget* dialog, QBoxLayout* row);

}  // namespace zelk
