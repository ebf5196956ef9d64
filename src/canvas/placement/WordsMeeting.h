#pragma once
// Which fields of a side print words that read wrong, and why: words that
// meet another text's words, a picture or a shape, or leave the card; words
// across the edge of a shape; words on ground their colour does not read
// on. Measured on the words as they are printed, not on the boxes they
// stand in, so that what the user is told is what the printed card shows.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class SKTGraphic;

namespace zelk {

class FieldGround;

// What is wrong with a field's printed words, the worst first.
enum class ReadsWrong {
    Meets,         // a word meets another text's words, a picture or a shape, or its letters leave the card
    AcrossAnEdge,  // a word lies across the edge or the stroke of a shape, or the words lie on and off one
    Unreadable,    // a word stands on ground its colour does not read on
};

struct FieldReadingWrong {
    QString id;
    ReadsWrong why;
    bool operator==(const FieldReadingWrong&) const = default;
};

// The shown text fields of a side (a profile's, the desk's or a group
// project's captions and values) whose printed words read wrong, each once,
// in the side's order, with the worst that is wrong:
// - Meets: a word meets a word of another shown text, a picture, or a shape
//   (not a backdrop) that does not hold all of the field's words; or the
//   letters of a word lie past the card's edge or outline;
// - AcrossAnEdge: a word meets the edge (the stroke, a point at least) of a
//   backdrop or of a shape that holds all of its words, or some of its
//   words lie on a backdrop and some off it;
// - Unreadable: a word stands on ground (`ground`, the side without its
//   fields) on which its colour reads below the contrast a field keeps
//   (LeastMovedContrast; or, for a box the design or the user placed, that
//   of the box they gave it): a field in the box its owner gave it, or
//   locked, stands where they put it and is never named for its ground.
// Words that only touch (a tenth of a point either way) do not meet.
QList<FieldReadingWrong> fieldsReadingWrong(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                            const FieldGround& ground);

}  // namespace zelk
