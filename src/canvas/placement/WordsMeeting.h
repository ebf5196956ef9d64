#pragma once
// Which fields of a side print words that meet something else: another
// text's words, a picture, a shape, or the card's edge. Measured on the
// words as they are printed, not on the boxes they stand in, so that what
// the user is told is what the printed card shows.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QStringList>
#include <memory>

class SKTGraphic;

namespace zelk {

// The shown text fields of a side (a profile's, the desk's or a group
// project's captions and values) of which a printed word meets a word of
// another shown text, a picture, or a shape that is not the card's
// backdrop (a shape that holds all of the field's words is its ground, as
// a band is), or lies past the card's edge or outline: their IDs, each
// once, in the side's order. Words that only touch (a tenth of a point
// either way) do not meet.
QStringList fieldsWhoseWordsMeetOthers(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card);

}  // namespace zelk
