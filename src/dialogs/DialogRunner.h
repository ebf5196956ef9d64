#pragma once
// How a window of the program is shown application-modal. Every Open_Wnd
// goes through run(); tests install a function that plays the user instead
// (sets the controls, presses OK or Cancel) so a dialog's logic runs without
// a modal loop.
#include <functional>

class QDialog;

namespace zelk {

class DialogRunner {
public:
    // Gets the dialog and returns its result code (1 OK, 0 cancel).
    using Runner = std::function<int(QDialog* dialog)>;

    // Shows the dialog application-modal until it ends, hides it, and
    // returns its code; or hands it to the installed runner.
    static int run(QDialog* dialog);
    // Installs a runner and returns the previous one; an empty runner
    // restores the modal loop.
    static Runner install(Runner runner);
};

// Installs a runner for its own lifetime (tests).
class ScopedDialogRunner {
public:
    explicit ScopedDialogRunner(DialogRunner::Runner runner) : previous_(DialogRunner::install(std::move(runner))) {}
    ~ScopedDialogRunner() { DialogRunner::install(std::move(previous_)); }
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;

private:
    DialogRunner::Runner previous_;
};

}  // namespace zelk
