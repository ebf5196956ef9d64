#pragma once
// What a side draws under its fields, and what of it reads wrong there,
// read off a snapshot of the side: the same on the canvas and on a batch's
// card made on a worker.
#include "canvas/placement/Readability.h"
#include "canvas/placement/ReadingWrong.h"

#include <QList>
#include <functional>

class SKTGraphic;

namespace zelk {

class SideSnapshot;

// The side of the snapshot drawn without what is `leftOut` (by default its
// fields: texts, photo and rows), a pixel a point: what lies under them.
FieldGround fieldGroundOf(const SideSnapshot& side, const std::function<bool(const SKTGraphic&)>& leftOut = {});

// readingWrongAgainst over the snapshot's graphics, on its card and
// `ground`. Reads the snapshot only: safe on any thread for a snapshot of
// its own.
QList<WrongAgainst> readingWrongOn(const SideSnapshot& side, const FieldGround& ground,
                                   const std::function<bool(const SKTGraphic&)>& measured);

// The snapshot's graphics, as the measures read them.
QList<std::shared_ptr<SKTGraphic>> measuredGraphics(const SideSnapshot& side);

}  // namespace zelk
