#pragma once
// Where a field that a profile, the visitor desk or a group project adds
// lands on a side that has no frame for it: the place its rule gives (the
// profile layout, the partner rule, the next new-control point) unless the
// new graphic would lie on a graphic that is shown there; then the nearest
// place on the card where it lies on none; where the card has no such
// place, the rule's place after all.
#include "foundation/ProfileFieldTable.h"  // isFieldId

#include <QList>
#include <QRectF>
#include <QString>
#include <memory>

class SKTGraphic;

namespace zelk {

// The size a text created by ID starts at, before it fits its lines.
constexpr double NewTextWidth = 70.0;
constexpr double NewTextHeight = 20.0;

// Between a placed field and what it is kept clear of, in points.
constexpr double FieldClearance = 2.0;

// `wanted` when it meets none of `taken` (touching is not meeting);
// otherwise the rectangle of its size inside `card`, clear of every one of
// `taken` by FieldClearance, whose corner lies nearest to `wanted`'s (the
// upper, then the left one of equals); `wanted` when there is none.
QRectF clearPlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card);

// What the shown graphics of a side cover as drawn, `except` left out.
QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except = nullptr);

// A caption of `caption`'s size beside its value: above it, its foot on the
// value's top; where that leaves the card, before the value; where that
// leaves it too, after it.
QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card);

// The same places clear of `taken`: the first of above, before and after
// the value that lies on the card and meets none of `taken`; where none
// does, the clear place nearest to captionPlaceFor's.
QRectF clearCaptionPlaceFor(const QRectF& value, const QSizeF& caption, const QList<QRectF>& taken,
                            const QRectF& card);

// The height a text's box takes after its text changed: the height of its
// lines (fittedTextHeight). A field's box grows only into the room below it
// that stays on `card` and meets no other graphic of `side` that is shown or
// is a hidden field's frame (kept for when that field shows); its drawing
// shrinks to what that room holds.
double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card);

}  // namespace zelk
