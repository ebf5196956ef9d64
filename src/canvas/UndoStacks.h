#pragma once
// The undo and redo stacks of one card side. Each entry is an UndoSnapshot:
// the GraphicArchive of every graphic of the side. The top of the undo stack
// is the side as it is now; undo moves that entry to the redo stack and
// gives back the one below it. Typing changes the side without a step: the
// side it leaves is kept beside the stacks and goes on the undo stack when
// the next step (or an undo) comes, so that no undo passes over it.
#include "foundation/Card_Property.h"

#include <QByteArray>
#include <QList>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

using UndoSnapshot = QByteArray;

// A step that also changed the side's card face (the copy of the other
// side) keeps the face before and after it beside its snapshot.
struct FaceChange {
    Card_Property before;
    Card_Property after;
};

class UndoStacks {
public:
    // Entries kept on each stack; the oldest are dropped beyond it.
    static constexpr int MaxSteps = 200;

    // Empties both stacks and records the side as it is now, the state the
    // first undo goes back to.
    void reset(const QList<std::shared_ptr<SKTGraphic>>& graphics);
    void clear();

    // Records the side as it is now and empties the redo stack; `face` when
    // the step changed the card face too. A side the top entry already
    // holds, with the face left alone, records nothing: every undo changes
    // what the user sees.
    void record(const QList<std::shared_ptr<SKTGraphic>>& graphics, const std::optional<FaceChange>& face = {});

    // The last step goes on to leave the side as it is now (a text placed
    // blank and then typed in place is one step); a step amended back to
    // the side before it is dropped. Records a step when there is no step
    // to amend or typing came after it.
    void amend(const QList<std::shared_ptr<SKTGraphic>>& graphics);

    // The side as typing left it (a change without a step of its own): the
    // side the next step starts from, which Undo of that step gives back.
    // Typing that ends where the last step left the side leaves nothing.
    void keepTyped(const QList<std::shared_ptr<SKTGraphic>>& graphics);

    // Whether the side as it is now is the top of the undo stack (or the
    // side typing left).
    bool isTop(const QList<std::shared_ptr<SKTGraphic>>& graphics) const;

    bool canUndo() const { return undo_.size() > (typed_ ? 0 : 1); }
    bool canRedo() const { return !redo_.isEmpty(); }

    // The side before the last step (undo) or after the step last undone
    // (redo), read into *out; false (and *out untouched) when there is no such
    // step or its snapshot cannot be read, in which case the stacks are left
    // as they were. Undo with typing kept takes the typing back. *face
    // receives the card face that step gives back, or none when the step
    // left the face alone.
    bool undo(QList<std::shared_ptr<SKTGraphic>>* out, std::optional<Card_Property>* face = nullptr);
    bool redo(QList<std::shared_ptr<SKTGraphic>>* out, std::optional<Card_Property>* face = nullptr);

    int undoCount() const { return int(undo_.size()); }
    int redoCount() const { return int(redo_.size()); }

private:
    struct Entry {
        UndoSnapshot graphics;
        std::shared_ptr<const FaceChange> face;
    };
    // An entry on top, the oldest beyond the limit dropped.
    void push(Entry entry);
    // The kept typing becomes the top entry.
    void settleTyped();

    QList<Entry> undo_;
    QList<Entry> redo_;
    std::optional<UndoSnapshot> typed_;
};

}  // namespace zelk
