#include "canvas/UndoStacks.h"

#include "foundation/GraphicArchive.h"
#include "foundation/Utilities.h"

#include <utility>

namespace zelk {

namespace {

bool readSnapshot(const UndoSnapshot& snapshot, QList<std::shared_ptr<SKTGraphic>>* out) {
    QString error;
    QList<std::shared_ptr<SKTGraphic>> restored;
    if (!GraphicArchive::unarchiveGraphics(snapshot, &restored, &error)) {
        Show_NSLog_Message(error);
        return false;
    }
    *out = restored;
    return true;
}

}  // namespace

void UndoStacks::clear() {
    undo_.clear();
    redo_.clear();
    typed_.reset();
}

void UndoStacks::reset(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    clear();
    undo_.append({GraphicArchive::archivedData(graphics), nullptr});
}

void UndoStacks::push(Entry entry) {
    undo_.append(std::move(entry));
    // Keep the oldest entry beyond the limit out, but never the last one.
    while (undo_.size() > MaxSteps)
        undo_.removeFirst();
}

void UndoStacks::settleTyped() {
    if (typed_)
        push({*std::exchange(typed_, std::nullopt), nullptr});
}

void UndoStacks::record(const QList<std::shared_ptr<SKTGraphic>>& graphics, const std::optional<FaceChange>& face) {
    settleTyped();
    UndoSnapshot now = GraphicArchive::archivedData(graphics);
    // A step that left the side as the last one did (a tool's record of the
    // side before it, a command that moved nothing) would take a press of
    // Undo that changes nothing; the redo history still fits the side.
    if (!face && !undo_.isEmpty() && undo_.last().graphics == now)
        return;
    push({std::move(now), face ? std::make_shared<const FaceChange>(*face) : nullptr});
    redo_.clear();
}

void UndoStacks::amend(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    if (typed_ || undo_.size() < 2) {
        record(graphics);
        return;
    }
    undo_.last().graphics = GraphicArchive::archivedData(graphics);
    redo_.clear();
    // Amended back to the side below it, the step is none.
    if (undo_.last().graphics == undo_.at(undo_.size() - 2).graphics && !undo_.last().face)
        undo_.removeLast();
}

void UndoStacks::keepTyped(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    if (undo_.isEmpty())
        return;
    UndoSnapshot now = GraphicArchive::archivedData(graphics);
    if (now == undo_.last().graphics) {
        typed_.reset();
        return;
    }
    typed_ = std::move(now);
    redo_.clear();
}

bool UndoStacks::isTop(const QList<std::shared_ptr<SKTGraphic>>& graphics) const {
    if (undo_.isEmpty())
        return false;
    return (typed_ ? *typed_ : undo_.last().graphics) == GraphicArchive::archivedData(graphics);
}

bool UndoStacks::undo(QList<std::shared_ptr<SKTGraphic>>* out, std::optional<Card_Property>* face) {
    if (!out || !canUndo() || !readSnapshot(undo_.at(undo_.size() - (typed_ ? 1 : 2)).graphics, out))
        return false;
    settleTyped();
    redo_.append(undo_.takeLast());
    if (face)
        *face = redo_.last().face ? std::optional(redo_.last().face->before) : std::nullopt;
    return true;
}

bool UndoStacks::redo(QList<std::shared_ptr<SKTGraphic>>* out, std::optional<Card_Property>* face) {
    if (!out || !canRedo() || !readSnapshot(redo_.last().graphics, out))
        return false;
    undo_.append(redo_.takeLast());
    if (face)
        *face = undo_.last().face ? std::optional(undo_.last().face->after) : std::nullopt;
    return true;
}

}  // namespace zelk
