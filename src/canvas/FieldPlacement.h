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
#include <functional>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// The size a text created by ID starts at, before it fits its lines.
constexpr double NewTextWidth = 70.0;
constexpr double NewTextHeight = 20.0;

// Between a placed field and what it is kept clear of, in points.
constexpr double FieldClearance = 2.0;

// The card a field is placed on: its rectangle and its outline. On a
// rounded (Card_Shape 1) or oval (2) card the parts of the rectangle beyond
// the outline are kept as a staircase of rectangles, which no field may
// meet; a plain card (any other shape) has none.
struct CardArea {
    CardArea(const QRectF& rect = QRectF(), int shape = 0);  // NOLINT: a plain card is its rectangle
    QRectF rect;
    QList<QRectF> outside;
    // A part of the card, its outline kept: where a search may look.
    CardArea within(const QRectF& part) const;
    // Whether `r` lies on the card, inside its outline (a hundredth of a
    // point is left for rounding).
    bool holds(const QRectF& r) const;
};

// The rectangle of `wanted`'s size on `card`, meeting none of `taken`
// (touching is not meeting): `wanted` itself when it is such, else the one
// clear of every one of `taken` and of the card's outline by FieldClearance
// whose corner lies nearest to `wanted`'s (the upper, then the left one of
// equals); none when the card has no such place.
std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const CardArea& card);

// `r` moved onto `card` as far as it must, and cut to the card's size.
QRectF ontoCard(const QRectF& r, const QRectF& card);

// Whether the graphic `side[index]` is the card's ground: a shape or a
// picture of the user's, shown, that covers most of the card and lies
// behind whatever it meets (a background rectangle or picture). Fields go
// on it: it takes no room.
bool isGround(const QList<std::shared_ptr<SKTGraphic>>& side, qsizetype index, const QRectF& card);

// What the shown graphics of a side cover as drawn, its ground, `except`
// and `partner` left out.
QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                         const SKTGraphic* except = nullptr, const SKTGraphic* partner = nullptr);

// What a field plays beside its partner: a caption (a profile's or a
// user-added row's), a value, or neither (the photo, a user's graphic).
enum class FieldRole { None, Caption, Value };
FieldRole fieldRole(const QString& ctrl_ID);

// The room on the lines of a side's shown fields kept so that a line reads
// as captions each followed by their own value: right after a caption no
// other field's value (nor right below one whose own value is not beside
// it), right before a value no other field's caption, and no two values
// run together, for an em and a half of their text. `self` and its
// `partner` leave theirs out.
struct LineRooms {
    QList<QRectF> afterCaptions, beforeValues;
    QList<QRectF> besideValues;  // kept by values only
    bool isEmpty() const { return afterCaptions.isEmpty() && beforeValues.isEmpty() && besideValues.isEmpty(); }
};
LineRooms lineRooms(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self = nullptr,
                    const SKTGraphic* partner = nullptr);

// The rooms a new field is placed clear of, in turn: all of `rooms`, then
// those that keep a caption to its own value (no two values kept apart),
// then none. Filling the card line by line (one size, its boxes of one to
// three lines), a box of fewer lines clear of the second comes before one
// of more clear of the first.
QList<LineRooms> lineTiers(const LineRooms& rooms);

// What a box of `size` keeps clear of for `rooms` when it holds a caption
// at `caption` and a value at `value` (within it, from its top left; an
// empty one for a part it does not hold): each room becomes the rectangle
// that the box meets exactly where its part would meet the room.
QList<QRectF> lineRoomsOf(const LineRooms& rooms, const QSizeF& size, const QRectF& caption, const QRectF& value);

// The ID of a field's partner: a caption's value, a value's caption ("" for
// what has none).
QString partnerIdOf(const QString& ctrl_ID);

// What of the room kept on the other fields' lines a shown caption or
// value of a side meets (its partner's left out): that which keeps a
// caption to its own value, else that between values, else none.
enum class LineHit { None, Values, Captions };
LineHit lineHit(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic& field);

// The drawn rectangles of the shown fields of `role` on a side, `self` and
// `partner` left out: the fields a caption standing apart from its value
// must not stand nearer to than to its own.
QList<QRectF> fieldRects(const QList<std::shared_ptr<SKTGraphic>>& side, FieldRole role,
                         const SKTGraphic* self = nullptr, const SKTGraphic* partner = nullptr);

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

// Whether a field drawn over `drawn` lies on `card`, inside its outline,
// and meets none of `others` (a hundredth of a point is left for rounding).
bool liesClear(const QRectF& drawn, const QList<QRectF>& others, const CardArea& card);

// The sizes a new field's box may take, largest text first: at each scale
// of `scales`, the text's lines in boxes from as wide as its longest line
// (no wider than the card's room; a short text first in a new text's
// width where `startWidthFirst`) down to narrower ones of more lines; its
// drawing then shrinks to fit the box. A picture takes its own size.
QList<QSizeF> fieldSizes(const SKTGraphic& field, const QSizeF& card, FieldScales scales = {},
                         bool startWidthFirst = true);

// The shares of its own size a field alone is drawn at, largest first.
QList<double> fieldScaleSteps(FieldScales scales = {});

// The share of its own font size a text is drawn at (1 for what is not a
// text).
double drawnShare(const SKTGraphic& text);

// The pictures of a side as drawn (images and barcodes, each with a frame
// drawn around it; not its ground), which no field may be put over to
// make room.
QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                           const SKTGraphic* except = nullptr);

// The room on `card`, inside its outline, that none of `taken` touches, in
// square points (to the point).
double freeRoom(const QList<QRectF>& taken, const CardArea& card);

// The rectangle of one of the smallest of `sizes` on `card` that covers
// the least of `taken` and none of `pictures` (where every place covers
// one, the least of all), the nearest to `at` of equals; never beyond the
// card's outline, and, where `fits` is given, only where it holds (where
// it holds nowhere, as if it were not given).
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const CardArea& card,
                          const std::function<bool(const QRectF&)>& fits = {});

// What a new field keeps clear of on a side: what its shown graphics
// cover (drawnRects), the pictures among them, never covered to make room
// (pictureRects), and the room kept on the fields' lines (lineRooms) for
// a field of its role, kept clear where the card has a place clear of it.
struct SideRoom {
    QList<QRectF> taken, pictures;
    LineRooms lines;
    FieldRole role = FieldRole::None;  // of the field placed (its lines)
};

// How many of the shown graphics of a side that are `counted` leave the
// card's outline or meet another shown graphic (its ground aside).
int notClearCount(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  const std::function<bool(const SKTGraphic&)>& counted);

// What `self` (of `role`), placed beside `partner`, keeps clear of on a
// side (each graphic drawn once): drawnRects and pictureRects with both
// left out, and the lines where `keepLines`.
SideRoom sideRoomFor(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* self,
                     const SKTGraphic* partner, FieldRole role, bool keepLines = true);

// Where a new field lands when its rule puts it at `at`: the first of its
// sizes that has a free place on the card (the nearest); where none has,
// the place of one of its smallest sizes that covers the least, clear of
// `pictures`.
QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const CardArea& card,
                     const QList<QRectF>& pictures = {});
// The same, clear of the side's lines where a size has a place so.
QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const SideRoom& room, const CardArea& card);

// Which of a field's sizes that have a clear place it takes when the
// fields fill the card line by line: the one of fewest lines (its text
// whole on a line where the card has one), or the one whose place comes
// first in reading order (the card packed, longer texts wrapped).
enum class FlowOrder { FewestLines, ReadingOrder };

// Where a field of many lands when the fields fill the card line by line:
// the clear place of one of its sizes, as `order` chooses it, the first in
// reading order (the upper, then the left one; the narrower of equals);
// where none has one, as fieldPlaceFor.
QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                    const QList<QRectF>& pictures = {}, FlowOrder order = FlowOrder::FewestLines);
QRectF flowPlaceFor(const QList<QSizeF>& sizes, const SideRoom& room, const CardArea& card,
                    FlowOrder order = FlowOrder::FewestLines);
// The clear place of flowPlaceFor; none where no size has one.
std::optional<QRectF> clearFlowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                                        FlowOrder order = FlowOrder::FewestLines);

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
// to the nearest place on the card where both are clear, or, where there
// is none, together to the place that covers the least. A partner that
// stays has the field apart: at the clear place nearest its first side,
// else at the place that covers the least (clear of `pictures` and of the
// partner); either way never nearer one of `rivals` (the fields of the
// partner's role) than its partner. `taken` leaves the partner out.
BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const QList<QRectF>& taken, const CardArea& card, bool partnerMoves = true,
                           const QList<QRectF>& pictures = {});
// The same, each clear place first sought clear of the side's lines.
BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const SideRoom& room, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& rivals = {});

// A caption and its value placed as one, at one share of their own sizes:
// the caption on the first of `captionSides` (Before or Above) of the
// value, the pair at the first of its sizes (largest first) that has a
// clear place on the card (first clear of the side's lines), the nearest
// to `at` (the pair's top left); where none has, the pair's place that
// covers the least, clear of the side's pictures.
struct PairPlace {
    QRectF caption, value;
};
PairPlace pairPlaceFor(const SKTGraphic& caption, const SKTGraphic& value, const QPointF& at,
                       const QList<Beside>& captionSides, const SideRoom& room, const CardArea& card,
                       FieldScales scales = {});

// The rule's place of a caption of `caption`'s size beside its value,
// regardless of the rest: above it (its foot on the value's top); where
// that leaves the card, before it.
QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card);

// The height a text's box takes after its text changed: the height of its
// lines (fittedTextHeight). A field's box grows only into the room below it
// that stays on `card`, inside its outline, and meets no other graphic of
// `side` that is shown (but its ground) or is a hidden field's frame (kept
// for when that field shows); its drawing shrinks to what that room holds.
double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card);

}  // namespace zelk
