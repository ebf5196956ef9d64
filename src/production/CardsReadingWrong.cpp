// A run's cards measured for fields that read wrong, and the closing
// message's sentence on them.
#include "production/CardsReadingWrong.h"

#include "canvas/CardReadingWrong.h"
#include "canvas/ReadingWrongMessage.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "production/BatchSnapshot.h"

namespace zelk {

CardsReadingWrong::CardsReadingWrong(const BatchSnapshot* batch) {
    for (int side = 0; side < 2 && batch; ++side) {
        shared_[size_t(side)] = true;
        for (const std::shared_ptr<const SKTGraphic>& g : (side == 0 ? batch->front : batch->back).graphics)
            if (g && !isFieldId(g->control_ID) && batch->values.valueFor(*g, 0))
                shared_[size_t(side)] = false;
    }
}

QStringList CardsReadingWrong::of(const ProducedCard& card) const {
    if (!card.ok() || !card.fieldsTakeValues)
        return {};
    // The measures and the names only read the graphics.
    QList<std::shared_ptr<SKTGraphic>> graphics;
    for (const std::shared_ptr<const SKTGraphic>& g : card.side.graphics)
        graphics << std::const_pointer_cast<SKTGraphic>(g);
    const size_t side = card.card_side == CardSide::FrontName ? 0 : 1;
    if (shared_[side])
        std::call_once(drawn_[side], [&] { grounds_[side] = fieldGroundOf(card.side); });
    const QList<FieldReadingWrong> fields =
        fieldsReadingWrong(graphics, CardArea(card.side.cardRect, card.side.Card_Shape),
                           shared_[side] ? grounds_[side] : fieldGroundOf(card.side));
    QStringList names;
    for (const NamedReadingWrong& f : namedOn(fields, graphics))
        if (!names.contains(f.name))
            names << f.name;
    return names;
}

QString cardsReadingWrongMessage(const QMap<int, QStringList>& cards, bool groupLines) {
    QStringList numbers, names;
    for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        if (numbers.size() < LinesNamedAtMost)
            numbers << QString::number(it.key() + 1);
        for (const QString& name : it.value())
            if (!names.contains(name))
                names << name;
    }
    if (numbers.isEmpty())
        return {};
    qsizetype more = 0;
    for (const QStringList& fields : cards)
        more += fields.isEmpty() ? 0 : 1;
    more -= numbers.size();
    if (more > 0)
        numbers << QStringLiteral("%1 more").arg(more);
    const bool many = numbers.size() > 1;
    const QString which = groupLines ? (many ? QStringLiteral("the cards of lines %1") : QStringLiteral("the card of line %1"))
                                     : (many ? QStringLiteral("cards %1") : QStringLiteral("card %1"));
    // A group project shows a line's card with what is wrong on it.
    return QStringLiteral("On %1 %2: %3 %4")
        .arg(which.arg(listedNames(numbers)),
             names.size() > 1 ? QStringLiteral("fields do not fit or do not read")
                              : QStringLiteral("a field does not fit or does not read"),
             withFullStop(listedNames(names)),
             groupLines ? QStringLiteral("Select a line in the list to see what is wrong on its card.")
                        : QStringLiteral("Shorten those values, or make room for them on the card."));
}

}  // namespace zelk
