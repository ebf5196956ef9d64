#include "dialogs/DialogRunner.h"

#include "dialogs/ScreenFit.h"
#include "dialogs/Services.h"

#include <QDialog>

int zelk::DialogRunner::run(QDialog* dialog) {
    if (!dialog)
        return 0;
    fitOnScreen(dialog);
    const int code = Services::current()->runDialog(dialog);
    dialog->hide();
    return code;
}
