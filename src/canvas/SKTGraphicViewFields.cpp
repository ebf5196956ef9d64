// Where the canvas puts a field it makes by control ID (a profile's, the
// desk's or a group project's): beside its value for a caption, with its
// caption's spot reserved for a value of a stamping, else at its rule's place or
// filling the card line by line, by the rule of placement/.
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/FieldPlacement.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/SKTDocument.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"

#include <optional>

using zelk::GraphicKind;

namespace {

std::optional<zelk::FlowOrder> flowOrderOf(SKTGraphicView::FieldFlow flow) {
    switch (flow) {
    case SKTGraphicView::FieldFlow::Lines:
        return zelk::FlowOrder::FewestLines;
    case SKTGraphicView::FieldFlow::PackedLines:
        return zelk::FlowOrder::ReadingOrder;
    case SKTGraphicView::FieldFlow::RulePlaces:
        break;
    }
    return std::nullopt;
}

}  // namespace

void SKTGraphicView::placeNewField(const std::shared_ptr<SKTGraphic>& g, bool again) {
    const QString& ctrl_ID = g->control_ID;
    const bool isText = zelk::isExactlyText(g.get());
    const zelk::ProfileField* field = zelk::profileFieldForId(ctrl_ID);
    const bool caption = field && field->captionId == ctrl_ID;
    const auto partner = field ? model_.textOrImageWithId(caption ? field->valueId : field->captionId) : nullptr;
    const auto value = caption ? partner : nullptr;
    const bool shownCaption = isText && field && !caption && partner && partner->ctrl_is_visible;
    // A value laid out anew takes along the caption the rule placed with
    // it; a new one goes beside a caption that stands where it is (the
    // user's, a locked one, the design's, one placed before it).
    const auto movingCaption = shownCaption && again && partner->boxOwner() == zelk::BoxOwner::Rule &&
                                       !partner->ctrl_is_locked
                                   ? partner
                                   : nullptr;
    const auto standingCaption = shownCaption && !movingCaption ? partner : nullptr;
    const zelk::CardArea card = fieldCard();
    const GraphicList& side = graphics();
    // A batch's fields take the room their lines need, no more.
    const QList<QSizeF> sizes = zelk::fieldSizes(*g, card.rect.size(), fieldScales_, !fieldBatchOpen_);
    // What the side shows (the field itself and the partner it goes beside
    // or takes along aside); a text keeps off the pairing zones of the
    // other fields, so that no caption reads as another field's.
    const SKTGraphic* beside = value ? value.get() : caption ? nullptr : partner.get();
    zelk::Taken taken = zelk::takenOn(side, card.rect, g.get(), beside, zelk::fieldRole(ctrl_ID), false);
    if (isText && pairingLevel_ != PairingLevel::None)
        taken.pairing = zelk::pairingZonesOn(side, g.get(), partner.get());
    if (pairingLevel_ == PairingLevel::Captions) {
        taken.pairing.besideValues.clear();
        taken.pairing.besideCaptions.clear();
    }
    // Nothing stands straight after a caption but its own value: the run-on
    // space after each is taken, also after the spots reserved for the captions
    // of the batch's values (which are taken, but that of this caption's
    // own value).
    taken.drawn += zelk::spacesAfterCaptions(side, g.get(), beside);
    for (auto reserved = captionSpots_.cbegin(); reserved != captionSpots_.cend(); ++reserved)
        if (reserved.key() != value.get()) {
            const QRectF spot = captionSpotOf(*reserved.key(), reserved.value());
            taken.drawn << spot << QRectF(spot.right(), spot.top(), reserved.value().space, spot.height());
        }
    // Nor does a caption end straight before anything but its own value.
    if (caption && isText)
        zelk::takeSpacesBefore(taken.drawn, zelk::runOnSpaceAt(*g, g->text_ctrl_font.pointSizeF() * fieldScales_.largest));

    if (value && value->ctrl_is_visible)
        placeCaptionBesideValue(*g, *value, sizes, taken);
    else if (standingCaption)
        placeValueBesideCaption(*g, *standingCaption, sizes, taken);
    else if (movingCaption)
        partner->setBounds(captionSpotOf(*g, placeValueWithCaptionSpot(*g, *movingCaption, sizes, taken)));
    else if (fieldBatchOpen_ && !nextValueCaption_.isEmpty() && isText) {
        const std::shared_ptr<SKTGraphic> next = zelk::makeGraphic(GraphicKind::Text);
        next->setBounds(QRectF(0, 0, zelk::NewTextWidth, zelk::NewTextHeight));
        next->Set_text_value(nextValueCaption_);
        captionSpots_.insert(g.get(), placeValueWithCaptionSpot(*g, *next, sizes, taken));
    } else if (const auto flow = flowOrderOf(fieldFlow_); flow && isText)
        g->setBounds(zelk::flowPlaceFor(sizes, taken, card, *flow));
    else
        g->setBounds(zelk::fieldPlaceFor(sizes, g->bounds().topLeft(), taken, card));
    g->setPlacedByRule();
    if (fieldBatchOpen_)
        fieldBatch_ << g.get();
}

void SKTGraphicView::placeCaptionBesideValue(SKTGraphic& g, SKTGraphic& value, const QList<QSizeF>& sizes,
                                             const zelk::Taken& taken) {
    const QRectF drawn = value.drawingBounds();
    if (const auto reserved = captionSpots_.constFind(&value); reserved != captionSpots_.cend()) {
        // Its spot was reserved when its value was placed: the two were placed
        // as one, wherever that was.
        g.setBounds(captionSpotOf(value, *reserved));
        return;
    }
    // Beside the value as drawn; a value made before keeps its place, and
    // its caption, where it stands apart, stands nearer to it than to
    // another value.
    const bool valueMoves = fieldBatch_.contains(&value);
    const zelk::BesidePlace at =
        zelk::besidePlaceFor(drawn, sizes, {zelk::Beside::Above, zelk::Beside::Before}, taken, fieldCard(), valueMoves,
                             zelk::fieldRects(graphics(), zelk::FieldRole::Value, nullptr, &value));
    g.setBounds(at.field);
    if (valueMoves)
        value.setBounds(value.bounds().translated(at.partner.topLeft() - drawn.topLeft()));
}

void SKTGraphicView::placeValueBesideCaption(SKTGraphic& g, const SKTGraphic& caption, const QList<QSizeF>& sizes,
                                             const zelk::Taken& taken) {
    // Under it or after it on its line, nearer it than any other caption.
    const zelk::BesidePlace at = zelk::besidePlaceFor(
        caption.drawingBounds(), sizes, {zelk::Beside::Below, zelk::Beside::After}, taken, fieldCard(), false,
        zelk::fieldRects(graphics(), zelk::FieldRole::Caption, &g, &caption));
    g.setBounds(at.field);
}

SKTGraphicView::CaptionSpot SKTGraphicView::placeValueWithCaptionSpot(SKTGraphic& g, const SKTGraphic& caption,
                                                                       const QList<QSizeF>& sizes,
                                                                       const zelk::Taken& taken) {
    // The caption's size at the batch's share, on one line.
    const zelk::CardArea card = fieldCard();
    const double share = fieldScales_.largest;
    const QSizeF captionSize = zelk::fieldSizes(caption, card.rect.size(), {share, share}, false).first();
    const zelk::CaptionSpotPlace at = zelk::valuePlaceWithCaptionSpot(captionSize, sizes, g.bounds().topLeft(), taken,
                                                                      card, flowOrderOf(fieldFlow_));
    g.setBounds(at.value);
    return {at.above, at.caption, zelk::runOnSpaceAt(caption, caption.text_ctrl_font.pointSizeF() * share)};
}

QRectF SKTGraphicView::captionSpotOf(const SKTGraphic& value, const CaptionSpot& reserved) {
    const QRectF drawn = value.drawingBounds();
    const QSizeF& s = reserved.caption;
    return reserved.above ? QRectF(QPointF(drawn.left(), drawn.top() - s.height()), s)
                      : QRectF(QPointF(drawn.left() - s.width(), drawn.top()), s);
}

zelk::FieldGround SKTGraphicView::fieldGround() const {
    if (fieldBatchOpen_ && batchGround_)
        return *batchGround_;
    const zelk::CanvasHost* h = host();
    const QRectF card = cardRect();
    if (!h || card.isEmpty())
        return {};
    // The design without its fields (texts and photo): what a batch of
    // fields changes is never part of it, so one reading serves the batch.
    // A field is kept off the others (and the photo) by what they cover.
    GraphicList under;
    for (const std::shared_ptr<SKTGraphic>& g : graphics())
        if (g && !zelk::isFieldId(g->control_ID))
            under << g;
    const int faceSide = side_ == SKTDocument::TempSide ? h->Card_Front_Or_Back() : side_;
    const auto side =
        zelk::SideSnapshot::take(&under, h->frontCardProperty(), h->backCardProperty(), h->Card_Shape(), faceSide, card);
    // A pixel a point: a cell of the ground.
    zelk::FieldGround ground(SKTRenderingView(card, side, QString()).imageAtResolution(72), card);
    if (fieldBatchOpen_)
        batchGround_ = ground;
    return ground;
}
