#include "canvas/UndoStacks.h"

#include "foundation/GraphicArchive.h"
#include "foundation/Utilities.h"

namespace zelk {

void UndoStacks::clear() {
    undo_.clear();
    redo_.clear();
}

void UndoStacks::reset(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    clear();
    undo_.append(GraphicArchive::archivedData(graphics));
}

void UndoStacks::record(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    undo_.append(GraphicArchive::archivedData(graphics));
    // Keep the oldest entry beyond the limit out, but never the last one.
    while (undo_.size() > MaxSteps)
        undo_.removeFirst();
    redo_.clear();
}

bool UndoStacks::undo(QList<std::shared_ptr<SKTGraphic>>* out) {
    if (!out || !canUndo())
        return false;
    QString error;
    QList<std::shared_ptr<SKTGraphic>> restored;
    if (!GraphicArchive::unarchiveGraphics(undo_.at(undo_.size() - 2), &restored, &error)) {
        Show_NSLog_Message(error);
        return false;
    }
    redo_.append(undo_.takeLast());
    *out = restored;
    return true;
}

bool UndoStacks::redo(QList<std::shared_ptr<SKTGraphic>>* out) {
    if (!out || !canRedo())
        return false;
    QString error;
    QList<std::shared_ptr<SKTGraphic>> restored;
    if (!GraphicArchive::unarchiveGraphics(redo_.last(), &restored, &error)) {
        Show_NSLog_Message(error);
        return false;
    }
    undo_.append(redo_.takeLast());
    *out = restored;
    return true;
}

}  // namespace zelk
