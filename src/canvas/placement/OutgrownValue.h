#pragma once
// A field whose value changed where it stands (a profile stamped again, a
// group row, a desk row the user placed): whether its box holds the new
// value whole, and the box it takes where it does not. The box the user
// gave it is kept where it holds the value; else it grows as a new field's
// would, no smaller than the user made it and moved no farther than it
// must.
#include "canvas/placement/CardArea.h"
#include "canvas/placement/FieldSizes.h"

#include <QList>
#include <QRectF>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// Who placed a field's box, which decides how it may hold a longer value:
// the rule (a field the canvas or a stamping placed: its box grows into
// the room below it and its value is drawn smaller, down to half, and it
// may move), or the user (a row the user moved or resized: it holds its
// value as it stands, at its own size, and only widens along its line
// before it grows or shrinks).
enum class BoxOwner { Rule, User };

// Whether a text field's box on `side` holds its value whole: on the card
// and inside its outline, no word broken inside it at the size it is drawn
// at, and its lines within its foot.
bool holdsItsValue(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                   BoxOwner owner = BoxOwner::Rule);

// Whether a text's longest word, at the size it is drawn at, is wider than
// its box: the word breaks, inside it or at a hyphen.
bool breaksAWord(const SKTGraphic& text);

// The box a text field takes on `side` when its box no longer holds its
// value, of its sizes at `scales` (fieldSizes: the largest share first,
// from its longest line's width down to boxes of more lines; along its
// line, its longest line's width at every share first; none narrower than
// its longest word, none smaller than the box it has): the first that lies
// clear of the rest where it stands (along its line: at its corner first,
// and clear of the rest but what the user put it over), moved only as far
// as it must to stay on the card, inside its outline; else, where it may
// move: the nearest clear place of one of them, or where none has one the
// place that covers the least (leastCoveringPlace); else where it stands,
// the one that covers the least of the rest.
QRectF regrownBox(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  BoxOwner owner, FieldScales scales = {});

// The box a field of the design's own takes along its line where one of
// its sizes lies clear of the rest there and of the frames of the side's
// hidden fields (kept for when they show), as regrownBox along its line;
// none where each would cover something: the design's box stays.
std::optional<QRectF> clearBoxAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card);

}  // namespace zelk
