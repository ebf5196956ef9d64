#pragma once
// What the main window's status bar says of the card on screen whose
// fields read wrong, where no message box may stop the user: a group
// project's line as the list steps through it, the desk's pass as it is
// typed into. The same sentences as a stamping's message, told while that
// card shows and gone when it reads right.
#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QTimer;
class SKTWindowController;

namespace zelk {

struct FieldReadingWrong;

class ShownCardNotice : public QObject {
    Q_OBJECT
public:
    // The window's notice, made the first time it is asked for.
    static ShownCardNotice& of(SKTWindowController& window);

    // Measures `side` (0 front, 1 back, -1 both) as the canvas holds it
    // and tells what reads wrong on the card.
    void measure(int side = -1);
    // The same once the user pauses (AfterTyping with no other call): a
    // card typed into is measured when the typing stops, not at each key.
    void measureSoon(int side);
    static constexpr int AfterTyping = 300;  // ms
    // A measure asked for with measureSoon is still to come.
    bool pending() const;
    // Keeps what the caller measured on `side` (a group row's layout) until
    // the notice is shown again (show) or the side measured.
    void keep(int side, const QList<FieldReadingWrong>& fields);
    // The status bar tells what is kept: "Line 3: " before it on a group
    // project, the side named where the other side also reads wrong or it
    // is not the side on screen; nothing where both sides read right.
    void show();
    // What the status bar is told ("" for nothing).
    QString text() const;

private:
    explicit ShownCardNotice(SKTWindowController& window);
    // An edit of a side whose fields were named (a drag, an undo): measured
    // again once the edit is done, so that the notice does not outlive it.
    void edited(int side);

    SKTWindowController& window_;
    std::array<QString, 2> sentences_;
    std::array<bool, 2> pending_{};
    QTimer* soon_ = nullptr;
    QString shown_;
};

}  // namespace zelk
