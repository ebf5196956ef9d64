#include "dialogs/Services.h"

#include "dialogs/WidgetMessageSink.h"
#include "foundation/Utilities.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMetaObject>
#include <QMutex>
#include <QPointer>
#include <QUrl>

namespace zelk {
namespace {

// Fills the members that must always be present with the desktop's.
Services completed(Services s) {
    if (!s.runDialog)
        s.runDialog = [](QDialog* dialog) {
            dialog->setWindowModality(Qt::ApplicationModal);
            return dialog->exec();
        };
    if (!s.openUrl)
        s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // Queued: at start-up the event loop is not running yet, and quit()
    // alone would be lost.
    if (!s.quit)
        s.quit = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    if (!s.chooseSavePath)
        s.chooseSavePath = [](QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, title, suggested, filter);
        };
    if (!s.chooseOpenPath)
        s.chooseOpenPath = [](QWidget* parent, const QString& title, const QString& filter) {
            return QFileDialog::getOpenFileName(parent, title, QString(), filter);
        };
    if (!s.chooseFolder)
        s.chooseFolder = [](QWidget* parent, const QString& title, const QString& start) {
            return QFileDialog::getExistingDirectory(parent, title, start);
        };
    return s;
}

QMutex installLock;

std::shared_ptr<const Services>& installed() {
    static std::shared_ptr<const Services> services = std::make_shared<const Services>(completed({}));
    return services;
}

}  // namespace

Services Services::desktop() {
    Services s = completed({});
    s.showMessage = &WidgetMessageSink::show;
    return s;
}

Services Services::install(Services services) {
    auto next = std::make_shared<const Services>(completed(std::move(services)));
    MessageSink::install(next->showMessage);
    std::shared_ptr<const Services> previous;
    {
        QMutexLocker lock(&installLock);
        previous = std::exchange(installed(), std::move(next));
    }
    return *previous;
}

std::shared_ptr<const Services> Services::current() {
    QMutexLocker lock(&installLock);
    return installed();
}

namespace {

// Runs a file panel over `parent` and gives the keyboard back to the
// parent's window when it closes.
template <class Panel>
QString withKeyboardBack(QWidget* parent, Panel panel) {
    const QPointer<QWidget> before = QApplication::focusWidget();
    const QString chosen = panel(Services::current());
    QWidget* window = parent ? parent->window() : nullptr;
    if (!window || !window->isVisible())
        return chosen;
    window->activateWindow();
    QWidget* target = nullptr;
    if (const auto* home = dynamic_cast<const KeyboardHome*>(window))
        target = home->keyboardHome();
    if (!target && before && before->window() == window)
        target = before;
    if (target && target->isVisible() && target->isEnabled())
        target->setFocus(Qt::ActiveWindowFocusReason);
    return chosen;
}

}  // namespace

QString chooseSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
    return withKeyboardBack(parent, [&](const std::shared_ptr<const Services>& s) {
        return s->chooseSavePath(parent, title, suggested, filter);
    });
}

QString chooseOpenPath(QWidget* parent, const QString& title, const QString& filter) {
    return withKeyboardBack(
        parent, [&](const std::shared_ptr<const Services>& s) { return s->chooseOpenPath(parent, title, filter); });
}

QString chooseFolder(QWidget* parent, const QString& title, const QString& start) {
    return withKeyboardBack(
        parent, [&](const std::shared_ptr<const Services>& s) { return s->chooseFolder(parent, title, start); });
}

bool openLocalPath(const QString& path) {
    if (!QFileInfo::exists(path)) {
        Show_MessageBox(QStringLiteral("This cannot be shown: there is no file or folder at\n%1").arg(path));
        return false;
    }
    if (!Services::current()->openUrl(QUrl::fromLocalFile(path))) {
        Show_NSLog_Message(QStringLiteral("Nothing opened ") + path);
        Show_MessageBox(QStringLiteral("This could not be opened: the desktop has no program for it. "
                                       "Open it yourself:\n%1").arg(path));
        return false;
    }
    return true;
}

}  // namespace zelk
