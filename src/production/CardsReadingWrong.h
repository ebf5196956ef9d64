#pragma once
// What a run tells of its cards whose fields read wrong: each card measured
// on the run's workers as it is made, and the closing message's sentence
// that names the cards (a group project's lines) and their fields, short
// however many there are.
#include "canvas/placement/Readability.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <mutex>

class BatchSnapshot;
class ProducedCard;

namespace zelk {

// The fields of a run's cards that read wrong. One for each run, shared by
// its workers.
class CardsReadingWrong {
public:
    // Whether each side's ground is the same under every card is read off
    // `batch` here; it is not kept.
    explicit CardsReadingWrong(const BatchSnapshot* batch);

    // The names (as the card gives them) of the fields of `card` whose
    // printed words read wrong (fieldsReadingWrong): none where no field
    // took a value of the card. Safe from any thread.
    QStringList of(const ProducedCard& card) const;

private:
    // The ground under each side's fields, drawn once for the run where no
    // graphic but the fields takes values: the same under every card.
    mutable std::array<std::once_flag, 2> drawn_;
    mutable std::array<FieldGround, 2> grounds_;
    std::array<bool, 2> shared_{};
};

// The lines named before "and N more".
constexpr int LinesNamedAtMost = 10;

// The sentence naming the cards of `cards` (the 0-based card, and the
// names of its fields that read wrong): "On the cards of lines 3, 7 and 12
// fields do not fit or do not read: Address and Company Slogan. ..." for a
// group project's lines (`groupLines`), "On cards 3, 7 and 12 ..." for
// other batches; "" when none. Each field is named once, in card order.
QString cardsReadingWrongMessage(const QMap<int, QStringList>& cards, bool groupLines);

}  // namespace zelk
