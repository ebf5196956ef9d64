#pragma once
// Which fields of a side print words that read wrong, and why: words whose
// letters leave the card; words that meet another text's words or a
// picture; words across the edge of a shape or of a picture behind the
// card; words on ground their colour does not read on. Measured on the
// words as they are printed, not on the boxes they stand in, so that what
// the user is told is what the printed card shows.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class SKTGraphic;

namespace zelk {

class FieldGround;

// What is wrong with a field's printed words, the worst first.
enum class ReadsWrong {
    LeavesTheCard,  // letters of a word lie past the card's edge or outline
    Meets,          // a word meets another text's words or a picture (an image or a barcode)
    AcrossAnEdge,   // a word lies across the edge of a shape or of a backdrop, or the words lie on and off one
    Unreadable,     // a word stands on ground its colour does not read on
};

struct FieldReadingWrong {
    QString id;
    ReadsWrong why;
    // Across an edge: the edge is a picture's (one behind the card), not a
    // shape's.
    bool pictureEdge = false;
    bool operator==(const FieldReadingWrong&) const = default;
};

// Two boxes (words, bars, pictures) meet only where they overlap by more
// than this both ways, in points: less is touching.
constexpr double MeetingDepth = 0.1;

// A word (or a bar) past a box, its own or the card, by no more than this,
// in points, lies within it.
constexpr double WithinSlack = 0.1;

// Ink of a word's letters past the curve of a rounded card's corner (or of
// an oval card) below this, in square points (about 26 pixels at 300 dpi),
// is a hair the cut of the card takes: the letters do not leave the card.
// Past the card's straight edges no ink is forgiven.
constexpr double InkPastOutline = 1.5;

// One thing a shown graphic of a side reads wrong against: the graphic of
// the side (by index) its words meet, or whose edge they lie across; -1
// for the card's outline and for the ground.
struct WrongAgainst {
    qsizetype index;  // the measured graphic, in the side
    ReadsWrong why;
    qsizetype other = -1;
    bool pictureEdge = false;
    bool operator==(const WrongAgainst&) const = default;
};

// The bars of a barcode as it draws them (its modules, its captions): the
// dark pixels of its picture in its box, as rectangles. What it shows of a
// value, not the quiet zone round it.
QList<QRectF> barsOf(const SKTGraphic& barcode);

// Everything each `measured` shown text (its printed words) or barcode (its
// bars) of a side reads wrong against, in the side's order:
// - LeavesTheCard: ink of a word's letters (of a barcode, of its bars) lies
//   past the card's edge, or more of it than InkPastOutline past the curve
//   of its rounded corners or oval;
// - Meets: a word meets a word of another shown text, or a picture (an
//   image, or a barcode's bars); a barcode, another text's words or a
//   picture;
// - AcrossAnEdge: a word meets a shape (a line or a shape, not a
//   backdrop) that does not hold all of the field's words, or the edge
//   (the stroke, a point at least) of a backdrop or of a shape that holds
//   all of them; or some of its words lie on a backdrop and some off it;
// - Unreadable: a word stands on ground (`ground`, the side without its
//   fields) on which its colour reads below the contrast the text keeps
//   (LeastMovedContrast where the placement rule placed it; where the
//   design or the user placed it elsewhere, that of the box they gave it):
//   a text in the box its owner gave it, or locked, stands where they put
//   it and is never named for its ground.
// Words that only touch (MeetingDepth either way) do not meet.
QList<WrongAgainst> readingWrongAgainst(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                        const FieldGround& ground,
                                        const std::function<bool(const SKTGraphic&)>& measured);

// Whether a graphic is a field whose words are measured: a shown text of a
// profile's, the desk's or a group project's (a caption or a value).
bool isMeasuredField(const SKTGraphic& g);

// The fields among `wrongs` (readingWrongAgainst over `side`), each once,
// in the side's order, with the worst that is wrong with them.
QList<FieldReadingWrong> fieldsAmong(const QList<WrongAgainst>& wrongs,
                                     const QList<std::shared_ptr<SKTGraphic>>& side);

// The shown text fields of a side whose printed words read wrong, each
// once, in the side's order, with the worst that is wrong with them.
QList<FieldReadingWrong> fieldsReadingWrong(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                            const FieldGround& ground);

}  // namespace zelk
