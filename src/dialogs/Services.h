#pragma once
// What the windows ask of the desktop and of the user, in one replaceable
// object: main() installs the desktop's, a test installs its own whole
// (playing the user, recording what would have opened) and puts the earlier
// one back. Every window reaches these here, never through a hook of its own.
#include "platform/MessageSink.h"

#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QUrl;
class QWidget;

namespace zelk {

struct Services {
    // ---- Always present: a member left empty does what the desktop does.
    // Runs a dialog until it ends and returns its code (1 OK, 0 cancel).
    std::function<int(QDialog* dialog)> runDialog;
    // Opens a file, folder or link in the desktop's application for it;
    // false when nothing took it.
    std::function<bool(const QUrl& url)> openUrl;
    // Ends the application (queued, so that it also ends an event loop that
    // has not started yet).
    std::function<void()> quit;
    // The file panels; each gives a path, or "" for cancel. `filter` is a
    // name filter such as "Design files (*.did)".
    std::function<QString(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)>
        chooseSavePath;
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)> chooseOpenPath;
    std::function<QString(QWidget* parent, const QString& title, const QString& start)> chooseFolder;

    // ---- Optional: empty means there is none.
    // The message boxes, installed into MessageSink so that the layers below
    // reach them too; empty: logged and answered safely.
    MessageSink::Handler showMessage;
    // What follows the closing of a design: the start chooser.
    std::function<void()> startChooser;
    // The card-holder profile window for a card of `total_side` sides ("1"
    // or "2"), and the stamping of the profile into a new design.
    std::function<void(const QString& total_side)> userProfile;
    std::function<void()> fillUserProfileDetails;
    // The start mode of the design on screen ("T", "W", "L", "V", "G").
    std::function<QString()> startMode;

    // The application's: modal loops, message boxes, file panels, the
    // desktop's openers, the application's quit.
    static Services desktop();

    // Installs `services` process-wide and returns the ones it replaces.
    // Call on the GUI thread.
    static Services install(Services services);
    // The installed services (the desktop's, without message boxes, before
    // any install). Safe from any thread.
    static std::shared_ptr<const Services> current();
};

// A window whose keyboard belongs to one widget of its own (the main
// window's: the canvas shown) names that widget here.
class KeyboardHome {
public:
    virtual QWidget* keyboardHome() const = 0;

protected:
    ~KeyboardHome() = default;
};

// The installed file panels, and after each the keyboard back with the
// window it was opened over, at once: on that window's keyboard home, else
// where it was before. Some window managers leave it nowhere otherwise.
QString chooseSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
QString chooseOpenPath(QWidget* parent, const QString& title, const QString& filter);
QString chooseFolder(QWidget* parent, const QString& title, const QString& start);

// Shows a file or folder on this computer in the desktop's application for
// it, through the installed openUrl. One that is not there, or that nothing
// took, is told to the user with its path. True when it was opened.
bool openLocalPath(const QString& path);

}  // namespace zelk
