#pragma once
// Where a field that a profile, the visitor desk or a group project adds
// lands on a side that has no frame for it: at the size it is drawn at, on
// the card and clear of the graphics shown there, as near the place its rule
// gives (the profile layout, the partner rule, the next new-control point)
// as the card allows; a caption beside its value. Where the card has no room
// for its own size, the field takes a smaller one (and is drawn smaller in
// its frame); where it has none at all, the rule's place moved onto the card.
#include "foundation/DrawingCodes.h"      // SmallestFieldScale
#include "foundation/ProfileFieldTable.h"  // isFieldId

#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// The size a text created by ID starts at, before it fits its lines.
constexpr double NewTextWidth = 70.0;
constexpr double NewTextHeight = 20.0;

// Between a placed field and what it is kept clear of, in points.
constexpr double FieldClearance = 2.0;

// The rectangle of `wanted`'s size on `card`, meeting none of `taken`
// (touching is not meeting): `wanted` itself when it is such, else the one
// clear of every one of `taken` by FieldClearance whose corner lies nearest
// to `wanted`'s (the upper, then the left one of equals); none when the card
// has no such place.
std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card);

// `r` moved onto `card` as far as it must, and cut to the card's size.
QRectF ontoCard(const QRectF& r, const QRectF& card);

// What the shown graphics of a side cover as drawn, `except` and `partner`
// left out.
QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except = nullptr,
                         const SKTGraphic* partner = nullptr);

// The shares of its own font size a new field's text may be drawn at: all
// of them from the largest down (a field alone), or one (the fields of a
// stamping, which share their size).
struct FieldScales {
    double largest = 1.0;
    double smallest = SmallestFieldScale;
};

// The width of a text's longest word as drawn in its own font (0 for what
// is not a text).
double longestWordWidth(const SKTGraphic& text);

// Whether a field drawn over `drawn` lies on `card` and meets none of
// `others` (a hundredth of a point is left for rounding).
bool liesClear(const QRectF& drawn, const QList<QRectF>& others, const QRectF& card);

// The sizes a new field's box may take, largest text first: at each scale
// of `scales`, the text's lines in boxes from as wide as its longest line
// (no wider than the card's room; a short text first in a new text's
// width where `startWidthFirst`) down to narrower ones of more lines; its
// drawing then shrinks to fit the box. A picture takes its own size.
QList<QSizeF> fieldSizes(const SKTGraphic& field, const QSizeF& card, FieldScales scales = {},
                         bool startWidthFirst = true);

// The pictures of a side as drawn (images and barcodes, each with a frame
// drawn around it), which no field may be put over to make room.
QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except = nullptr);

// The room on `card` that none of `taken` touches, in square points (to
// the point).
double freeRoom(const QList<QRectF>& taken, const QRectF& card);

// The rectangle of one of the smallest of `sizes` on `card` that covers
// the least of `taken` and none of `pictures` (where every place covers
// one, the least of all), the nearest to `at` of equals.
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const QRectF& card);

// Where a new field lands when its rule puts it at `at`: the first of its
// sizes that has a free place on the card (the nearest); where none has,
// the place of one of its smallest sizes that covers the least, clear of
// `pictures`.
QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const QRectF& card,
                     const QList<QRectF>& pictures = {});

// Where a field of many lands when the fields fill the card line by line:
// the clear place of one of its sizes that comes first in reading order
// (the upper, then the left one; the one of least room of equals);
// where none has one, as fieldPlaceFor.
QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const QRectF& card,
                    const QList<QRectF>& pictures = {});

// The sides of a partner a field may stand on, aligned with its top or left
// edge: a caption above or before its value, a value after or below its
// caption.
enum class Beside { Above, Before, After, Below };

// A field beside its partner, and where the partner then stands.
struct BesidePlace {
    QRectF field;
    QRectF partner;
};

// A field of one of `sizes` (largest first) beside `partner`, on the first
// of `sides` (in that order) where it lies on the card clear of `taken`;
// else slid along that side of the partner as little as clears it; else,
// where the partner may move (made with the field), the two moved together
// to the nearest place on the card where both are clear; else the field
// alone at the clear place nearest its first side; where there is none,
// the field at the place that covers the least (clear of `pictures` and of
// the partner, which stays). `taken` leaves the partner out.
BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const QList<QRectF>& taken, const QRectF& card, bool partnerMoves = true,
                           const QList<QRectF>& pictures = {});

// The rule's place of a caption of `caption`'s size beside its value,
// regardless of the rest: above it (its foot on the value's top); where
// that leaves the card, before it.
QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card);

// The height a text's box takes after its text changed: the height of its
// lines (fittedTextHeight). A field's box grows only into the room below it
// that stays on `card` and meets no other graphic of `side` that is shown or
// is a hidden field's frame (kept for when that field shows); its drawing
// shrinks to what that room holds.
double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card);

}  // namespace zelk
