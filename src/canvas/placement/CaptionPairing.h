#pragma once
// Captions kept to their own values: which field is a caption and which a
// value, and the zones kept on the fields' lines so that a line reads as
// captions each followed by their own value. A search keeps clear of those
// zones in levels: all of it, then the part that keeps captions to their
// values, then none.
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// What a field plays beside its partner: a caption (a profile's or a
// user-added row's), a value, or neither (the photo, a user's graphic).
enum class FieldRole { None, Caption, Value };
FieldRole fieldRole(const QString& ctrl_ID);

// The ID of a field's partner: a caption's value, a value's caption ("" for
// what has none).
QString partnerIdOf(const QString& ctrl_ID);

// The squared distance between two rectangles (0 where they meet).
double distance2(const QRectF& a, const QRectF& b);

// How a caption stands with its value (their boxes, the value's text `em`
// high): above it (its foot on the value's top or within an em over it, the
// value starting under it, not an em before it), before it on its line
// (its right edge within an em and a half before the value's left, the two
// overlapping down), or apart (the user put it elsewhere).
enum class Standing { Apart, Above, Before };
Standing standingOf(const QRectF& caption, const QRectF& value, double em);

// The zones on the lines of a side's shown fields kept so that a line reads
// as captions each followed by their own value: right after a caption no
// other field's value (nor right below one whose own value is not beside
// it), right before a value no other field's caption, and no two values,
// nor two captions, run together, for an em and a half of their text.
struct PairingZones {
    QList<QRectF> afterCaptions, beforeValues;
    QList<QRectF> besideValues;    // kept by values only
    QList<QRectF> besideCaptions;  // kept by captions only
    bool isEmpty() const {
        return afterCaptions.isEmpty() && beforeValues.isEmpty() && besideValues.isEmpty() && besideCaptions.isEmpty();
    }
};
// The pairing zones of a side's shown fields; `self` and its `partner`
// leave theirs out.
PairingZones pairingZonesOn(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self = nullptr,
                            const SKTGraphic* partner = nullptr);

// The levels a new field is placed clear of, in turn: all of `zones`, then
// those that keep a caption to its own value (no two values, nor two
// captions, kept apart), then none.
QList<PairingZones> pairingLevels(const PairingZones& zones);

// What a single field of `role` keeps clear of for `zones`: a value the
// zones after captions and beside values, a caption those before values
// and beside captions.
QList<QRectF> takenFromField(const PairingZones& zones, FieldRole role);

// takenFromField at each of the pairing levels, each once (a later level
// that keeps as much as the one before is left out), the last one none.
QList<QList<QRectF>> takenFromFieldByLevel(const PairingZones& zones, FieldRole role);

// The first clear place `clear` finds at the levels of `levels`
// (takenFromFieldByLevel), the most kept first. Where the first has none,
// the last (none kept) is sought next: where that has none either, no
// level between has one, each keeping more; none then.
template <class Place, class Clear>
std::optional<Place> clearAtFirstLevel(const QList<QList<QRectF>>& levels, const Clear& clear) {
    if (levels.isEmpty())
        return clear(QList<QRectF>{});
    if (std::optional<Place> at = clear(levels.first()); at || levels.size() == 1)
        return at;
    std::optional<Place> loosest = clear(levels.last());
    if (!loosest)
        return std::nullopt;
    for (qsizetype i = 1; i + 1 < levels.size(); ++i)
        if (std::optional<Place> at = clear(levels.at(i)))
            return at;
    return loosest;
}

// What a box of `size` keeps clear of for `zones` when it holds a caption
// at `caption` and a value at `value` (within it, from its top left; an
// empty one for a part it does not hold): each zone becomes the rectangle
// that the box meets exactly where its part would meet the zone.
QList<QRectF> takenFromUnit(const PairingZones& zones, const QSizeF& size, const QRectF& caption, const QRectF& value);
// The same for one part of such a box, at `part` within it, kept clear of
// `zones`: the places of the box's top left at which the part meets one.
QList<QRectF> takenFromPart(const QList<QRectF>& zones, const QSizeF& size, const QRectF& part);

// How far after a caption, on its line, nothing but its own value may
// stand, whatever else a layout lets go: an em and a half of its text at
// `points` (the size it is drawn at), so that nothing after it reads as
// its value. Every road that places a field keeps it.
double runOnSpaceAt(const SKTGraphic& caption, double points);
double runOnSpaceOf(const SKTGraphic& caption);
// That space for a caption (a field's, by its ID) about to be drawn in a
// box of `size`: at the size its text is drawn at there, which the box's
// whole points may make larger than the share it was made for.
double runOnSpaceIn(const SKTGraphic& caption, const QSizeF& size);
// That space after a caption drawn over `drawn`, on its line.
QRectF runOnSpaceAfter(const SKTGraphic& caption, const QRectF& drawn);

// The part of the run-on space (`space` wide) after a caption at `caption`
// within a box of `size` (from its top left) that lies past the box's right
// edge; empty where the box holds all of it. A box that holds a caption
// keeps that part clear of what is drawn (takenFromPart), as it keeps
// itself: nothing but the caption's own value follows it on its line.
QRectF runOnSpacePast(const QSizeF& size, const QRectF& caption, double space);

// What no caption is followed by but its own value: the run-on space after
// each shown caption of a side (`self` and `partner` left out).
QList<QRectF> spacesAfterCaptions(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self = nullptr,
                                  const SKTGraphic* partner = nullptr);
// Where a caption would end within `space` before one of `rects`, on its
// line: each of them taken that much farther left.
void takeSpacesBefore(QList<QRectF>& rects, double space);

// The drawn rectangles of the shown fields of `role` on a side, `self` and
// `partner` left out: the fields a caption standing apart from its value
// must not stand nearer to than to its own.
QList<QRectF> fieldRects(const QList<std::shared_ptr<SKTGraphic>>& side, FieldRole role,
                         const SKTGraphic* self = nullptr, const SKTGraphic* partner = nullptr);

// The part of its box a value bound to a workbook column or a series is
// drawn in, where the placement rule laid the box out for a wider value of
// its column (the widest, so that each card holds its own) and its caption
// stands before it on its line or above it (`side` holds the caption): as
// much as the value needs at the size it is drawn at in the whole box,
// from the edge that faces the caption, level with the caption's line
// (before it) or its start (above it), so that every card, and the design
// itself, reads each value beside its own caption. Nothing where the box
// stays whole: a box of the design's or the user's keeps its alignment, a
// value without a caption beside it its box.
std::optional<QRectF> partBesideCaption(const SKTGraphic& value, const QList<std::shared_ptr<const SKTGraphic>>& side);
// A copy of a value in that part, as a side draws it and prints its words;
// none where it is drawn in its own box.
std::shared_ptr<SKTGraphic> copyBesideCaption(const SKTGraphic& value,
                                              const QList<std::shared_ptr<const SKTGraphic>>& side);

}  // namespace zelk
