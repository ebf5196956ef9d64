#pragma once
// A field's sizes: the boxes a new field may take (its lines at each share
// of its font size, from its own down to half, no narrower than its
// longest word), the share it is drawn at, and the height its box grows to
// when its text changes.
#include "canvas/placement/CardArea.h"
#include "foundation/DrawingCodes.h"  // SmallestFieldScale

#include <QList>
#include <QSizeF>
#include <memory>

class SKTGraphic;

namespace zelk {

// The size a text created by ID starts at, before it fits its lines.
constexpr double NewTextWidth = 70.0;
constexpr double NewTextHeight = 20.0;

// The shares of its own font size a new field's text may be drawn at: all
// of them from the largest down (a field alone), or one (the fields of a
// stamping, which share their size).
struct FieldScales {
    double largest = 1.0;
    double smallest = SmallestFieldScale;
};

// The shares of its own size a field alone is drawn at, largest first.
QList<double> fieldScaleSteps(FieldScales scales = {});

// The sizes a new field's box may take, largest text first: at each scale
// of `scales`, the text's lines in boxes from as wide as its longest line
// (no wider than the card's room; a short text first in a new text's
// width where `startWidthFirst`) down to narrower ones of more lines; its
// drawing then shrinks to fit the box. A picture (an image: the photo)
// takes its own size, then smaller ones down to half, its proportions
// kept; any other graphic its own size.
QList<QSizeF> fieldSizes(const SKTGraphic& field, const QSizeF& card, FieldScales scales = {},
                         bool startWidthFirst = true);

// The narrowest boxes of a text at `scale` of its font size that hold it in
// one, two ... up to `lines` lines, no word broken, each no wider than the
// card's room (those the room allows, each once, fewest lines first).
QList<QSizeF> narrowestBoxesByLines(const SKTGraphic& text, const QSizeF& card, double scale, int lines);

// The width of a text's longest word as drawn in its own font (0 for what
// is not a text).
double longestWordWidth(const SKTGraphic& text);

// The share of its own font size a text is drawn at (1 for what is not a
// text).
double drawnShare(const SKTGraphic& text);

// The height a text's box takes after its text changed: the height of its
// lines (fittedTextHeight); for a field with a word wider than its box, of
// its lines at the size that keeps the word whole (wholeWordsPointSize),
// no lower than the box. A field's box grows only into the room below it
// that stays on `card`, inside its outline, and meets no other graphic of
// `side` that is shown (of a backdrop its edge) or is a hidden field's box (reserved
// for when that field shows); its drawing shrinks to what that room holds.
double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card);

}  // namespace zelk
