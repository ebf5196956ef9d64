#pragma once
// What the main window's status bar says of the card on screen whose
// fields read wrong, where no message box may stop the user: a group
// project's line as the list steps through it, the desk's pass as it is
// typed into. On one line, the fields' names first and what to do after,
// the whole of a stamping's message on its tooltip; told while that card
// shows and gone when it reads right.
#include "canvas/ReadingWrongMessage.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QTimer;
class SKTWindowController;

namespace zelk {

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
    // What the status bar is told ("" for nothing), and its tooltip: the
    // message a stamping would show for each side.
    QString text() const;
    QString toolTip() const;

signals:
    // A side was measured just now (what it costs is what the user waits).
    void measured();

private:
    explicit ShownCardNotice(SKTWindowController& window);
    // An edit of a side whose fields were named (a drag, an undo): measured
    // again once the edit is done, so that the notice does not outlive it.
    void edited(int side);

    SKTWindowController& window_;
    // The side's fields that read wrong, by their names on it.
    std::array<QList<NamedReadingWrong>, 2> fields_;
    // The side named before them.
    QString sideLabel(int side) const;
    // "Line 3: " on a group project's line, else "".
    QString linePrefix() const;
    std::array<bool, 2> pending_{};
    QTimer* soon_ = nullptr;
    QString shown_;
};

}  // namespace zelk
