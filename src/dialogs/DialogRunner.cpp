#include "dialogs/DialogRunner.h"

#include <QDialog>
#include <QMutex>

namespace {

QMutex runnerLock;
zelk::DialogRunner::Runner& installed() {
    static zelk::DialogRunner::Runner runner;
    return runner;
}

}  // namespace

int zelk::DialogRunner::run(QDialog* dialog) {
    if (!dialog)
        return 0;
    Runner runner;
    {
        QMutexLocker lock(&runnerLock);
        runner = installed();
    }
    if (runner) {
        const int code = runner(dialog);
        dialog->hide();
        return code;
    }
    dialog->setWindowModality(Qt::ApplicationModal);
    const int code = dialog->exec();
    dialog->hide();
    return code;
}

zelk::DialogRunner::Runner zelk::DialogRunner::install(Runner runner) {
    QMutexLocker lock(&runnerLock);
    Runner previous = std::move(installed());
    installed() = std::move(runner);
    return previous;
}
