#pragma once
// Captions kept to their own values: which field is a caption and which a
// value, and the room kept on the fields' lines so that a line reads as
// captions each followed by their own value. A search keeps clear of that
// room in levels: all of it, then the part that keeps captions to their
// values, then none.
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

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

// The room on the lines of a side's shown fields kept so that a line reads
// as captions each followed by their own value: right after a caption no
// other field's value (nor right below one whose own value is not beside
// it), right before a value no other field's caption, and no two values
// run together, for an em and a half of their text.
struct PairingRooms {
    QList<QRectF> afterCaptions, beforeValues;
    QList<QRectF> besideValues;  // kept by values only
    bool isEmpty() const { return afterCaptions.isEmpty() && beforeValues.isEmpty() && besideValues.isEmpty(); }
};
// The pairing rooms of a side's shown fields; `self` and its `partner`
// leave theirs out.
PairingRooms pairingRoomsOn(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self = nullptr,
                            const SKTGraphic* partner = nullptr);

// The levels a new field is placed clear of, in turn: all of `rooms`, then
// those that keep a caption to its own value (no two values kept apart),
// then none.
QList<PairingRooms> pairingLevels(const PairingRooms& rooms);

// What a single field of `role` keeps clear of for `rooms`: a value the
// room after captions and beside values, a caption the room before values.
QList<QRectF> keptFromField(const PairingRooms& rooms, FieldRole role);

// keptFromField at each of the pairing levels, each once (a later level
// that keeps as much as the one before is left out), the last one none.
QList<QList<QRectF>> keptFromFieldByLevel(const PairingRooms& rooms, FieldRole role);

// What a box of `size` keeps clear of for `rooms` when it holds a caption
// at `caption` and a value at `value` (within it, from its top left; an
// empty one for a part it does not hold): each room becomes the rectangle
// that the box meets exactly where its part would meet the room.
QList<QRectF> keptFromUnit(const PairingRooms& rooms, const QSizeF& size, const QRectF& caption, const QRectF& value);

// Which pairing room of the other fields a shown caption or value of a
// side meets (its partner's left out): one that keeps a caption to its own
// value (a caption misread as another field's), else one between values
// (two values run together), else none.
enum class PairingBreach { None, ValuesRunTogether, CaptionMisread };
PairingBreach pairingBreachOf(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic& field);

// The drawn rectangles of the shown fields of `role` on a side, `self` and
// `partner` left out: the fields a caption standing apart from its value
// must not stand nearer to than to its own.
QList<QRectF> fieldRects(const QList<std::shared_ptr<SKTGraphic>>& side, FieldRole role,
                         const SKTGraphic* self = nullptr, const SKTGraphic* partner = nullptr);

}  // namespace zelk
