#pragma once
// A box the user placed (moved, resized or aligned) given a value it does
// not hold: where the box stands on the card, and how far it may grow. It
// keeps the place the user gave it: its new box holds the box the user
// left, and it grows only into clear room.
#include "canvas/placement/CardArea.h"
#include "canvas/placement/Readability.h"

#include <QList>
#include <QRectF>
#include <memory>

class SKTGraphic;

namespace zelk {

// The box a field the user placed keeps on the card: its own where the
// card holds it; where it runs past the card's edge, the part of it on the
// card (clear of the edge), a text's no wider than its value's line needs,
// so that its value starts at the edge the user put on the card; where
// none of it is on the card, moved onto it.
QRectF userBoxOnCard(const SKTGraphic& field, const CardArea& card);

// The box a field the user placed takes for its value: the box on the card
// (userBoxOnCard) where its value is drawn there whole at a size down to
// half its own. Else the box grows, holding the box the user left, first
// along its line (wider, either way), then downward (or upward, where the
// card's foot stops it), to the largest size its value is drawn at there,
// only into room that lies on the card and is clear of the side's other
// graphics, of the boxes reserved for its hidden fields, of the room after
// another caption and of ground on which its colour reads worse than in
// its box. A shape or picture the user put it on is its ground: it grows
// within it. What the box already meets stays met, no more. Where no room
// is clear, the box stays as it is, but as tall as its lines at half size
// on the card, so that no word of it is lost; what it then meets is told.
QRectF grownUserBox(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                    const FieldGround& ground = {});

// How wide the room is along the line of a box the user placed: the widest
// clear span of the card across its top to its foot that holds it. The
// fields with the least room grow first.
double roomAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card);

}  // namespace zelk
