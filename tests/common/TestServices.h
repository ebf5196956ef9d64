#pragma once
// The services a test installs in place of the desktop's (header only: only
// the tests of the dialogs layer and above link it).
#include "dialogs/Services.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace zelk::test {

// Nothing reaches the desktop or waits for a user: dialogs end cancelled,
// message boxes get the safe answer, the choosers give "", opening and
// quitting do nothing.
inline Services quietServices() {
    Services s;
    s.runDialog = [](QDialog*) { return 0; };
    s.openUrl = [](const QUrl&) { return true; };
    s.quit = [] {};
    s.chooseSavePath = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
    s.chooseOpenPath = [](QWidget*, const QString&, const QString&) { return QString(); };
    s.chooseFolder = [](QWidget*, const QString&, const QString&) { return QString(); };
    s.showMessage = [](MessageButtons buttons, const QString&) { return MessageSink::safeAnswer(buttons); };
    return s;
}

// The services installed now with `change` applied: how a test plays one
// member over the services of its fixture.
inline Services changed(const std::function<void(Services&)>& change) {
    Services s = *Services::current();
    change(s);
    return s;
}

// Installs services whole for its lifetime, then puts the earlier ones back.
class ScopedServices {
public:
    explicit ScopedServices(Services services = quietServices())
        : previous_(Services::install(std::move(services))) {}
    ~ScopedServices() { Services::install(std::move(previous_)); }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services previous_;
};

// Plays the dialogs run through zelk::DialogRunner for its lifetime.
class ScopedDialogRunner : public ScopedServices {
public:
    explicit ScopedDialogRunner(std::function<int(QDialog*)> run)
        : ScopedServices(changed([&](Services& s) { s.runDialog = std::move(run); })) {}
};

// Records what the services would have opened, for its lifetime.
class RecordedOpens : public ScopedServices {
public:
    RecordedOpens()
        : ScopedServices(changed([this](Services& s) {
              s.openUrl = [this](const QUrl& url) {
                  urls << url;
                  return true;
              };
          })) {}
    QList<QUrl> urls;
    QStringList paths() const {
        QStringList p;
        for (const QUrl& url : urls)
            p << url.toLocalFile();
        return p;
    }
};

}  // namespace zelk::test
