#pragma once
// A field whose value changed in a box the design or the user placed (a
// template's box given a stamping's or a group row's value, a desk row):
// whether its box holds the new value whole, and where it goes where it
// does not. A box of the design's grows where it stands, else moves with
// the caption (or value) that stands with it, the two as they stood, onto
// ground where both read; where no place holds them it stays in its box.
// A value its box holds only drawn smaller moves so too, where a place
// holds it at its own size.
// (A box the user placed grows only into clear room, UserBox; one the
// rule placed is laid out anew instead, as a new field's.)
#include "canvas/placement/CardArea.h"
#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/Readability.h"
#include "foundation/SKTGraphic.h"  // BoxOwner

#include <QList>
#include <QRectF>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// How a box holds a longer value depends on who placed it (BoxOwner): a
// box the design or the rule placed grows into the room below it, its
// value drawn smaller (down to half), and may move; one the user placed
// holds its value as it stands, drawn smaller (down to half), before it
// grows.

// Whether a text field's box on `side` holds its value whole: on the card
// and inside its outline, no word broken inside it at the size it is drawn
// at, and its lines within its foot.
bool holdsItsValue(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                   BoxOwner owner = BoxOwner::Design);

// Whether a text's longest word, at the size it is drawn at, is wider than
// its box: the word breaks, inside it or at a hyphen.
bool breaksAWord(const SKTGraphic& text);

// Where a field the rule placed goes when its box no longer holds its
// value, and the caption (or value) that stands with it (standingOf), where
// that moves too.
struct OutgrownPlace {
    QRectF field;
    std::optional<QRectF> partner;
};

// For a field the rule placed, of its sizes at `scales` (fieldSizes, none
// smaller than its box): the first that lies clear where it stands (moved
// only as far as it must to stay on the card, inside its outline, and still
// standing with its partner), clear of the side's shown graphics, of the
// boxes of its hidden fields, of the other fields' pairing zones and of
// ground on which its colour reads worse than in its box (`ground`,
// FieldGround::keptContrast). Else it moves, with a partner that stands
// with it (not one locked), the partner at its own size where it stood
// beside it (a hidden caption's box too, reserved for when it shows), to the
// nearest place where both lie so clear, clear of the hidden fields'
// boxes too: first keeping all of the pairing zones, then those that keep
// captions to their own values. Where it has no such
// place, none: it stays in its box, drawn smaller (down to half, a word
// longer than the box broken inside it); but a box whose lines would run
// past its foot over the rest even at half (one made for a short value)
// goes with its partner to the place that covers the least
// (leastCoveringPlace), where that covers less than its lines would.
std::optional<OutgrownPlace> outgrownPlace(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card, const FieldGround& ground = {},
                                           FieldScales scales = {});

// Whether a text field is drawn smaller than `share` of its own size (its
// lines or a word of it too large for its box at that size).
bool drawnSmallerThan(const SKTGraphic& field, double share);

// For a value whose box holds it only drawn smaller than `share` of its
// own size: where it lies clear at that share as outgrownPlace has it
// (grown where it stands, else moved with its caption onto ground where
// both read, neither onto ground where it reads worse than in its box, so
// that a value on a band stays on it); but in boxes narrower than its own
// too, its caption no wider than its words (or than the value below it),
// and over the boxes of hidden fields the card shows nothing of (not a
// caption not ticked beside a shown value). None where the card has no
// such place (or for a caption): it stays in its box, drawn smaller. Never
// the place that covers the least: its box already covers nothing.
std::optional<OutgrownPlace> roomierPlace(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                          const CardArea& card, const FieldGround& ground = {}, double share = 1.0);

// The box a field of the design's own takes along its line where one of
// its sizes lies clear of the rest there, of the boxes of the side's
// hidden fields (reserved for when they show) and of ground on which it would
// not read, as a row the user placed grows; none where each would cover
// something: the design's box stays.
std::optional<QRectF> clearBoxAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card, const FieldGround& ground = {});

}  // namespace zelk
