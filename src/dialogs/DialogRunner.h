#pragma once
// How a window of the program is shown application-modal. Every Open_Wnd
// goes through run(), which hands the dialog to the installed services
// (zelk::Services::runDialog): tests play the user there instead (set the
// controls, press OK or Cancel), so a dialog's logic runs without a modal
// loop.
class QDialog;

namespace zelk {

class DialogRunner {
public:
    // Runs the dialog until it ends, hides it, and returns its result code
    // (1 OK, 0 cancel). The dialog opens no larger than its screen allows
    // (zelk::fitOnScreen).
    static int run(QDialog* dialog);
};

}  // namespace zelk
