#pragma once
// What a run tells of its cards that read wrong: each card measured on the
// run's workers as it is made (its fields, and the user's own texts and
// barcodes that take its values, as they print), and the closing message's
// sentences that name the cards (a group project's lines) and what reads
// wrong on each, short however many there are.
#include "canvas/ReadingWrongMessage.h"
#include "canvas/placement/Readability.h"
#include "canvas/placement/ReadingWrong.h"

#include <QHash>
#include <QMap>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <mutex>

class BatchSnapshot;
class ProducedCard;

namespace zelk {

// What reads wrong on a run's cards. One for each run, shared by its
// workers.
class CardsReadingWrong {
public:
    // What takes the run's values, the design's own measure and whether
    // each side's ground is the same under every card are read off `batch`
    // here; it is not kept.
    explicit CardsReadingWrong(const BatchSnapshot* batch);

    // What reads wrong on `card`, by name, each once with the worst that is
    // wrong with it: its fields whose printed words read wrong
    // (fieldsReadingWrong), as the card names them, where a field took a
    // value of the card; and the user's own texts and barcodes that take
    // its values, by their column (or series), whose words (or bars) meet
    // another text's words, lie over a picture (or a barcode's bars), leave
    // the card or do not read, whatever their boxes do. Of two that meet
    // and are both named, only the one whose words ran out of its box (a
    // barcode's bars out of the design's) is named, unless both did. What
    // the design's own words (as the canvas shows them) do over a picture,
    // or on ground they do not read on, is the user's doing and is not
    // named; words over words, or off the card, always are. Safe from any
    // thread.
    QList<NamedReadingWrong> of(const ProducedCard& card) const;

private:
    struct Side {
        // The user's texts and barcodes that take the run's values, by
        // index, with their column's (or series') name and their box in the
        // design.
        QHash<qsizetype, std::pair<QString, QRectF>> bound;
        // What those read wrong against in the design, by their own words.
        QList<WrongAgainst> design;
        // The ground under what takes values, drawn once for the run where
        // nothing else takes any: the same under every card.
        bool shared = false;
        FieldGround ground;
    };
    std::array<Side, 2> sides_;
};

// What reads wrong on a card's sides: `more` added to `names`, each name
// once with the worst that is wrong with it.
void addReadingWrong(QList<NamedReadingWrong>& names, const QList<NamedReadingWrong>& more);

// The cards told of before "N more".
constexpr int LinesNamedAtMost = 10;

// The sentences naming the cards of `cards` (the 0-based card, and what
// reads wrong on it), in card order, the cards whose fields are wrong alike
// together: "On cards 3 and 7, Name runs off the card. On card 12, Name
// runs off the card; Team overlaps other text or pictures." and what to do;
// for a group project's lines (`groupLines`) "On the cards of lines 3 and
// 7, ..." and where to see it. "" when none.
QString cardsReadingWrongMessage(const QMap<int, QList<NamedReadingWrong>>& cards, bool groupLines);

}  // namespace zelk
