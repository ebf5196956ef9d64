// A batch's cards made from the snapshot of the design taken when its run
// starts: each card's copies filled with its row's values, a column's
// values at one size.
#include "production/BatchSnapshot.h"

#include "canvas/placement/CaptionPairing.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/TextMeasure.h"


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
        card.fieldsTakeValues = card.fieldsTakeValues || (zelk::isExactlyText(g) && zelk::isFieldId(g->control_ID));
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
    card.side = std::move(side);
    return card;
}

void BatchSnapshot::drawEachColumnAtOneSize() {
    namespace text = zelk::text;
    for (zelk::SideSnapshot* side : {&front, &back})
        for (std::shared_ptr<const SKTGraphic>& g : side->graphics) {
            if (!g || !zelk::isExactlyText(g.get()) || g->boxOwner() != zelk::BoxOwner::Rule ||
                g->data_source_type != DataSourceType::ExcelColumn || zelk::fieldRole(g->control_ID) != zelk::FieldRole::Value)
                continue;
            // The widest drawn of the column's values.
            QStringList column;
            for (int row = 0; row < values.Excel_table_rows; ++row)
                if (const std::optional<QString> value = values.valueFor(*g, row))
                    column << *value;
            const QString widest = text::widestDrawn(*g, column);
            if (widest.isEmpty())
                continue;
            const std::shared_ptr<SKTGraphic> probe = g->clone();
            probe->Set_text_value(widest);
            const double points = text::drawnSize(*probe, text::shownText(*probe), g->bounds().normalized()).points;
            if (points > 0 && points < g->text_ctrl_font.pointSizeF() - 0.001) {
                probe->text_ctrl_font.setPointSizeF(points);
                probe->Set_text_value(g->Text_Value);
                g = probe;
            }
        }
}
