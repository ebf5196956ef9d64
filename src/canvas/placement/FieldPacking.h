#pragma once
// A crowded card's fields packed together: each value with its caption as
// one unit, the first free place in reading order filled each time with
// the unit that fills it best, so that narrow room beside a photo takes
// what fits there and the card's wide lines the long values.
#include "canvas/placement/CardArea.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace zelk {

// A value to pack with its caption: the boxes the value may take (largest
// text first), its caption's box on one line (empty where it has none), the
// space kept after the unit on its line, so that the next unit's caption
// does not run into it, and the caption's run-on space, in which nothing
// but its own value stands.
struct PackedUnit {
    QString id;
    QList<QSizeF> valueSizes;
    QSizeF caption;
    double runOn = 0;
    double captionRunOn = 0;
};

// Where a unit was packed: the value's box, its caption's size, the
// caption's side (above the value, else before it on its line) and its
// run-on space.
struct PackedPlace {
    QRectF value;
    QSizeF caption;
    bool above = true;
    double captionRunOn = 0;
};

// The units laid out together on `card`, clear of `taken` and of each other
// (FieldClearance apart, the run-on space after each on its line), nothing
// of `drawn` nor of another unit in the run-on space after a unit's
// caption: each time, of every unit left in every form (its caption above
// or before its value, the value in each of its boxes), the one whose
// first clear place in reading order comes first, the widest of equals
// (then the tallest, then the first given). The places of those that found
// one, by ID.
QHash<QString, PackedPlace> packFields(const QList<PackedUnit>& units, const QList<QRectF>& taken,
                                       const QList<QRectF>& drawn, const CardArea& card);

}  // namespace zelk
