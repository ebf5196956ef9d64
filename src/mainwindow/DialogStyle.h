#pragma once
// The look every dialog of the program shares.
class QWidget;

namespace zelk {

// Dialog windows are drawn on red 241, green 244, blue 250.
void applyDialogBackground(QWidget* dialog);

}  // namespace zelk
