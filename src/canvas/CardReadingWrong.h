#pragma once
// What a side draws under its fields, and which of its fields read wrong
// there, read off a snapshot of the side: the same on the canvas and on a
// batch's card made on a worker.
#include "canvas/placement/Readability.h"
#include "canvas/placement/WordsMeeting.h"

#include <QList>

namespace zelk {

class SideSnapshot;

// The side of the snapshot drawn without its fields (texts, photo and
// rows), a pixel a point: what lies under the fields.
FieldGround fieldGroundOf(const SideSnapshot& side);

// fieldsReadingWrong over the snapshot's graphics, on its card and ground.
// Reads the snapshot only: safe on any thread for a snapshot of its own.
QList<FieldReadingWrong> fieldsReadingWrongOn(const SideSnapshot& side);

}  // namespace zelk
