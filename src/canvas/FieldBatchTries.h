#pragma once
// How a batch of fields (a profile's stamping, a group project's row) is
// laid out on a side as one layout: the tries made (the share its new
// fields take, their flow, the pairing zones kept, the order of the
// values), how each is scored, and which one stays.
#include "canvas/placement/ReadingWrong.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class SKTGraphic;
class SKTGraphicView;

namespace zelk {

// What a batch came to: whether every try it made ran through, and the
// fields of its layout whose printed words read wrong (each once).
struct FieldBatchResult {
    bool done = false;
    QList<FieldReadingWrong> readingWrong;
    // Of the layout that stays: how many names the card's message gives
    // the fields that read wrong (those that only do not read where the
    // batch keeps their colour readable), and how many of the fields it
    // laid out read as another field's or run into another on their line.
    int wrongInTry = 0, readAsAnother = 0;
};

// What the last batch laid out came to.
const FieldBatchResult& lastFieldBatch();

// Whether a field keeps the box it has whatever a batch lays out: one the
// user placed or locked. It is filled first, in its own box, and every try
// lays the rest out around it.
bool holdsItsBoxInABatch(const SKTGraphic& field);

// Which of its tries a batch makes: all (none set), or only those this
// accepts by the share of their fields' size and of the photo's; for
// looking at what a batch would come to at one size.
using BatchTryFilter = std::function<bool(double fieldShare, double photoShare)>;
BatchTryFilter& batchTryFilter();

// Lays a batch out on `canvas`: first each field of `values` (ID and value,
// the batch's) that holds its box in a batch (holdsItsBoxInABatch) takes
// its value, once, in its box, and the batch's fields the rule placed are
// hidden, to be placed anew around them; then `attempt` makes the batch's
// fields (`widestFirst`: the values with the widest unbreakable line
// first), false where it failed; `shown` are the IDs of the fields it
// shows. The fields it makes share one size, the largest at which all of
// them land clear of the rest: a try that left one where it had no room is
// undone and made again with smaller new fields, down to half their size,
// then beside the photo made smaller, down to half its own. Each try is
// scored by what the card's message would tell of it: where none leaves
// every field reading right, the one it would name the fewest fields of
// stays, then the one with the fewest read as another's; of those told
// alike, the first made: the larger fields, and the photo at the larger
// share. The canvas's field
// batch is open for each try and closed at the end. The result names every
// field of the side whose printed words then read wrong
// (SKTGraphicView::fieldsReadingWrong), those the user placed or locked
// included.
FieldBatchResult layOutFieldBatch(SKTGraphicView& canvas, const QSet<QString>& shown,
                                  const QList<std::pair<QString, QString>>& values,
                                  const std::function<bool(bool widestFirst)>& attempt);

}  // namespace zelk
