#include "production/BatchSnapshot.h"

#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

ProducedCard BatchSnapshot::Set_data_table_value_to_card(int index, const QString& card_side, bool /*print_box*/,
                                                        zelk::BarcodeProducer& producer) const {
    ProducedCard card;
    card.index = index;
    card.card_side = card_side == CardSide::FrontName ? CardSide::FrontName : CardSide::BackName;
    card.Mirror_Image_Create = Mirror_Image_Create;
    card.Mirror_Vertical_Not_Horz = Mirror_Vertical_Not_Horz;
    const zelk::SideSnapshot& design = card.card_side == CardSide::FrontName ? front : back;
    if (design.isNull()) {
        card.reason = QStringLiteral("Card %1: the %2 side was not copied for the run.")
                          .arg(index + 1)
                          .arg(card.card_side == CardSide::FrontName ? QStringLiteral("front")
                                                                      : QStringLiteral("back"));
        return card;
    }

    // Only the graphics that take a value of this card are copied again.
    QList<std::shared_ptr<SKTGraphic>> filled;
    zelk::SideSnapshot side = design;
    for (qsizetype i = 0; i < side.graphics.size(); ++i) {
        const SKTGraphic* g = side.graphics.at(i).get();
        if (!g || !values.valueFor(*g, index))
            continue;
        std::shared_ptr<SKTGraphic> copy = g->clone();
        filled.append(copy);
        side.graphics[i] = copy;
    }
    const QString failure =
        values.Assign_Batch_Values_To_Control(filled, index, producer, BatchValues::Target::Copies);
    if (!failure.isEmpty()) {
        // Each run names the card and side in its own words.
        card.reason = failure;
        return card;
    }
    // A value in a box the rule laid out for a wider one (its column's
    // widest) starts beside its caption, not centred in that box.
    for (const std::shared_ptr<SKTGraphic>& g : filled)
        if (const std::optional<QRectF> part = BatchValues::partBesideCaption(*g, side.graphics))
            g->_bounds = *part;
    card.side = std::move(side);
    return card;
}
