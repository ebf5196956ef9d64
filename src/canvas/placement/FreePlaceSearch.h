#pragma once
// The search for a clear place: where a box of a given size lies on the
// card, meeting nothing taken and kept FieldClearance from it, nearest a
// wanted place or first in reading order.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace zelk {

// The rectangle of `wanted`'s size on `card`, meeting none of `taken`
// (touching is not meeting): `wanted` itself when it is such, else the one
// clear of every one of `taken`, of the card's outline and of its edges by
// FieldClearance whose corner lies nearest to `wanted`'s (the upper, then
// the left one of equals); none when the card has no such place.
std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const CardArea& card);

// The same search within `area` of a card whose rectangle is `edges` (the
// area itself where none is given): `taken` holds what lies beyond the
// card's outline too (withOutside).
std::optional<QRectF> freePlaceIn(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& area,
                                  const QRectF& edges = QRectF());

// The first clear place of `size` in reading order: its top at the card's
// (less the clearance) or just under what is taken, its left likewise.
// `taken` holds what lies beyond the card's outline too.
std::optional<QRectF> firstInReadingOrder(const QSizeF& size, const QList<QRectF>& taken, const QRectF& card);

}  // namespace zelk
