#include "production/ExportCardSupply.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Codes.h"
#include "inspector/face/ImageTransforms.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/BatchSnapshot.h"
#include "production/CardsReadingWrong.h"
#include "production/ExportGlobals.h"
#include "production/ProducedCard.h"

#include <algorithm>

using zelk::CardSource;
using zelk::ExportCardSupply;

namespace {

TransformedCardImage cardImage(const zelk::SideSnapshot& side, bool mirror, bool vertical) {
    const SKTRenderingView view = SKTRenderingView::image_From_Card_Graphics(side, false);
    if (mirror)
        return ImageTransforms::Create_Mirror_Image_With_CG_Image(view, vertical);
    return TransformedCardImage(view, QTransform());
}

// Every card is made from one batch snapshot taken when the run starts, on
// the run's worker threads; the snapshot's mirror flags are the window's.
class BatchCards : public CardSource {
public:
    BatchCards(std::shared_ptr<const BatchSnapshot> batch, zelk::BarcodeProducer& producer, int count)
        : batch_(std::move(batch)), readingWrong_(batch_.get()), producer_(producer), count_(count) {}
    int count() const override { return count_; }
    Card card(int index, const QString& card_side) const override {
        const ProducedCard card = batch_->Set_data_table_value_to_card(index, card_side, false, producer_);
        if (!card.ok())
            return {TransformedCardImage(), card.reason.isEmpty() ? QStringLiteral("the card could not be made")
                                                                  : card.reason};
        return {card.cardImage(), QString(), readingWrong_.of(card)};
    }

private:
    std::shared_ptr<const BatchSnapshot> batch_;
    zelk::CardsReadingWrong readingWrong_;
    zelk::BarcodeProducer& producer_;
    int count_;
};

ExportCardSupply& installed() {
    static ExportCardSupply supply = ExportCardSupply::batch();
    return supply;
}

}  // namespace

ExportCardSupply ExportCardSupply::batch() {
    ExportCardSupply s;
    s.checkUse = [](SKTWindowController& w) { w.Check_Series_Or_Excel_Use_or_not(); };
    s.recount = [](SKTWindowController& w) { w.Get_total_Card_count(); };
    s.cards = [](SKTWindowController& w) -> std::shared_ptr<const CardSource> {
        return std::make_shared<BatchCards>(w.takeBatchSnapshot(), w.barcodeProducer(),
                                            std::max(1, Total_Batch_Excel_Card));
    };
    return s;
}

CardSource::Card ExportCardSupply::liveCard(const SKTWindowController& window, const QString& card_side) {
    const int side = card_side == QLatin1String("F") ? CardSide::Front : CardSide::Back;
    return {cardImage(window.designSide(side), Mirror_Image_Create, Mirror_Vertical_Not_Horz), QString()};
}

ExportCardSupply ExportCardSupply::install(ExportCardSupply supply) {
    return std::exchange(installed(), std::move(supply));
}

const ExportCardSupply& ExportCardSupply::current() {
    return installed();
}
