// Where the canvas puts a field it makes by control ID (a profile's, the
// desk's or a group project's): beside its value for a caption, with its
// caption's spot reserved for a value of a stamping, else at its rule's place or
// filling the card line by line, by the rule of placement/.
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/CardReadingWrong.h"
#include "canvas/FieldPlacement.h"
#include "canvas/SideSnapshot.h"
#include "foundation/SKTDocument.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"

#include <algorithm>
#include <optional>

using zelk::GraphicKind;

namespace {

std::optional<zelk::FlowOrder> flowOrderOf(SKTGraphicView::FieldFlow flow) {
    switch (flow) {
    case SKTGraphicView::FieldFlow::Lines:
        return zelk::FlowOrder::FewestLines;
    case SKTGraphicView::FieldFlow::PackedLines:
    case SKTGraphicView::FieldFlow::Units:
        return zelk::FlowOrder::ReadingOrder;
    case SKTGraphicView::FieldFlow::RulePlaces:
        break;
    }
    return std::nullopt;
}

}  // namespace

namespace {

// A new field and the partner it is placed with: the value a caption goes
// beside, or the caption a value goes beside or takes along.
struct FieldAndPartner {
    bool isText = false;
    std::shared_ptr<SKTGraphic> partner, value, movingCaption, standingCaption;
};

FieldAndPartner partnersOf(const SKTGraphic& g, bool again, const zelk::SideGraphicsModel& model) {
    const QString& ctrl_ID = g.control_ID;
    FieldAndPartner out;
    out.isText = zelk::isExactlyText(&g);
    const zelk::ProfileField* field = zelk::profileFieldForId(ctrl_ID);
    const bool caption = field && field->captionId == ctrl_ID;
    out.partner = field ? model.textOrImageWithId(caption ? field->valueId : field->captionId) : nullptr;
    out.value = caption ? out.partner : nullptr;
    const bool shownCaption = out.isText && field && !caption && out.partner && out.partner->ctrl_is_visible;
    // A value laid out anew takes along the caption the rule placed with
    // it; a new one goes beside a caption that stands where it is (the
    // user's, a locked one, the design's, one placed before it).
    if (shownCaption && again && out.partner->boxOwner() == zelk::BoxOwner::Rule && !out.partner->ctrl_is_locked)
        out.movingCaption = out.partner;
    else if (shownCaption)
        out.standingCaption = out.partner;
    return out;
}

}  // namespace

void SKTGraphicView::placeNewField(const std::shared_ptr<SKTGraphic>& g, bool again) {
    const QString& ctrl_ID = g->control_ID;
    const FieldAndPartner p = partnersOf(*g, again, model_);
    const QRectF fieldBefore = g->bounds(), partnerBefore = p.partner ? p.partner->bounds() : QRectF();
    const zelk::ProfileField* field = zelk::profileFieldForId(ctrl_ID);
    const bool caption = field && field->captionId == ctrl_ID;
    const zelk::CardArea card = fieldCard();
    const GraphicList& side = graphics();
    // What the side shows (the field itself and the partner it goes beside
    // or takes along aside); a text keeps off the pairing zones of the
    // other fields, so that no caption reads as another field's.
    const SKTGraphic* beside = p.value ? p.value.get() : caption ? nullptr : p.partner.get();
    zelk::Taken taken = zelk::takenOn(side, card.rect, g.get(), beside, zelk::fieldRole(ctrl_ID), false);
    if (p.isText && pairingLevel_ != PairingLevel::None)
        taken.pairing = zelk::pairingZonesOn(side, g.get(), p.partner.get());
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
        if (reserved.key() != p.value.get()) {
            const QRectF spot = captionSpotOf(*reserved.key(), reserved.value());
            taken.drawn << spot << QRectF(spot.right(), spot.top(), reserved.value().space, spot.height());
        }
    // The units of the batch laid out together keep their places.
    if (packed_)
        for (auto unit = packed_->cbegin(); unit != packed_->cend(); ++unit)
            if (unit.key() != ctrl_ID && !packedPlaced_.contains(unit.key()))
                taken.drawn << unit->value
                            << QRectF(unit->value.topLeft() - (unit->above ? QPointF(0, unit->caption.height())
                                                                           : QPointF(unit->caption.width(), 0)),
                                      unit->caption);
    // Nor does a caption end straight before anything but its own value.
    if (caption && p.isText)
        zelk::takeSpacesBefore(taken.drawn, zelk::runOnSpaceAt(*g, g->text_ctrl_font.pointSizeF() * fieldScales_.largest));

    placeFieldOn(g, again, taken);
    if (p.isText && fieldBatchOpen_)
        placeWhereItReads(g, again, taken, p.partner, {fieldBefore, partnerBefore});
    g->setPlacedByRule();
    if (fieldBatchOpen_)
        fieldBatch_ << g.get();
}

void SKTGraphicView::placeWhereItReads(const std::shared_ptr<SKTGraphic>& g, bool again, const zelk::Taken& taken,
                                       const std::shared_ptr<SKTGraphic>& partner, const PlacedBoxes& before) {
    const QList<QRectF> ground = unreadableGroundFor(*g);
    if (ground.isEmpty())
        return;
    const zelk::CardArea card = fieldCard();
    // What the placing put on the card: the field, its partner where it
    // moved, its caption's spot; each clear of `rects`.
    auto clearOf = [&](const QList<QRectF>& rects) {
        QList<QRectF> drawn = {g->drawingBounds()};
        if (partner && partner->bounds() != before.partner)
            drawn << partner->drawingBounds();
        if (const auto spot = captionSpots_.constFind(g.get()); spot != captionSpots_.cend())
            drawn << captionSpotOf(*g, *spot);
        return std::all_of(drawn.cbegin(), drawn.cend(), [&](const QRectF& r) { return zelk::liesClear(r, rects, card); });
    };
    // Landed clear, but on ground it does not read on: placed again with
    // that ground taken, where that finds a clear place. (Where it found no
    // clear place, more taken would find none either.)
    if (!clearOf(taken.drawn) || clearOf(ground))
        return;
    const PlacedBoxes first{g->bounds(), partner ? partner->bounds() : QRectF()};
    const std::optional<CaptionSpot> firstSpot =
        captionSpots_.contains(g.get()) ? std::optional<CaptionSpot>(captionSpots_.value(g.get())) : std::nullopt;
    auto give = [&](const PlacedBoxes& at, const std::optional<CaptionSpot>& spot) {
        g->setBounds(at.field);
        if (partner)
            partner->setBounds(at.partner);
        captionSpots_.remove(g.get());
        if (spot)
            captionSpots_.insert(g.get(), *spot);
    };
    give(before, std::nullopt);
    zelk::Taken readable = taken;
    readable.drawn += ground;
    placeFieldOn(g, again, readable);
    if (!clearOf(readable.drawn))
        give(first, firstSpot);
}

void SKTGraphicView::placeFieldOn(const std::shared_ptr<SKTGraphic>& g, bool again, const zelk::Taken& taken) {
    const FieldAndPartner p = partnersOf(*g, again, model_);
    const zelk::CardArea card = fieldCard();
    // A batch's fields take the room their lines need, no more; its photo
    // no more than its share.
    QList<QSizeF> sizes = zelk::fieldSizes(*g, card.rect.size(), fieldScales_, !fieldBatchOpen_);
    if (const double most = g->bounds().width() * photoShare_ + 0.01; fieldBatchOpen_ && zelk::isExactlyImage(g.get())) {
        QList<QSizeF> within;
        for (const QSizeF& s : sizes)
            if (s.width() <= most)
                within << s;
        if (!within.isEmpty())
            sizes = within;
    }
    if (p.value && p.value->ctrl_is_visible)
        placeCaptionBesideValue(*g, *p.value, sizes, taken);
    else if (p.standingCaption)
        placeValueBesideCaption(*g, *p.standingCaption, sizes, taken);
    else if (fieldBatchOpen_ && fieldFlow_ == FieldFlow::Units && p.isText && placeAsUnit(*g)) {
        if (const auto spot = captionSpots_.constFind(g.get()); p.movingCaption && spot != captionSpots_.cend())
            p.movingCaption->setBounds(captionSpotOf(*g, *spot));
    } else if (p.movingCaption)
        p.movingCaption->setBounds(captionSpotOf(*g, placeValueWithCaptionSpot(*g, *p.movingCaption, sizes, taken)));
    else if (fieldBatchOpen_ && !nextValueCaption_.isEmpty() && p.isText) {
        const std::shared_ptr<SKTGraphic> next = zelk::makeGraphic(GraphicKind::Text);
        next->control_ID = zelk::partnerIdOf(g->control_ID);
        next->setBounds(QRectF(0, 0, zelk::NewTextWidth, zelk::NewTextHeight));
        next->Set_text_value(nextValueCaption_);
        captionSpots_.insert(g.get(), placeValueWithCaptionSpot(*g, *next, sizes, taken));
    } else if (const auto flow = flowOrderOf(fieldFlow_); flow && p.isText)
        g->setBounds(zelk::flowPlaceFor(sizes, taken, card, *flow));
    else
        g->setBounds(zelk::fieldPlaceFor(sizes, g->bounds().topLeft(), taken, card));
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
    const double runOn = zelk::runOnSpaceIn(caption, captionSize);
    const zelk::CaptionSpotPlace at = zelk::valuePlaceWithCaptionSpot(captionSize, sizes, g.bounds().topLeft(), taken,
                                                                      card, flowOrderOf(fieldFlow_), runOn);
    g.setBounds(at.value);
    return {at.above, at.caption, runOn};
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
    // A field is kept off the others (and the photo) by what they cover;
    // the ground is what the side draws without them.
    const int faceSide = side_ == SKTDocument::TempSide ? h->Card_Front_Or_Back() : side_;
    zelk::FieldGround ground = zelk::fieldGroundOf(zelk::SideSnapshot::sharing(
        &graphics(), h->frontCardProperty(), h->backCardProperty(), h->Card_Shape(), faceSide, card));
    if (fieldBatchOpen_)
        batchGround_ = ground;
    return ground;
}

QList<zelk::FieldReadingWrong> SKTGraphicView::fieldsReadingWrong() const {
    return zelk::fieldsReadingWrong(graphics(), fieldCard(), fieldGround());
}

void SKTGraphicView::keepFieldsReadable(const QList<QColor>& colours) {
    readableColours_.clear();
    unreadable_.clear();
    for (const QColor& c : colours)
        readableColours_ << c.rgba();
}

QList<QRectF> SKTGraphicView::unreadableGroundFor(const SKTGraphic& field) const {
    // A picture reads on any ground.
    const QRgb colour = field.txt_clr.rgba();
    if (!zelk::isExactlyText(&field) || (fieldBatchOpen_ && !readableColours_.contains(colour)))
        return {};
    if (const auto known = unreadable_.constFind(colour); fieldBatchOpen_ && known != unreadable_.cend())
        return *known;
    // The ground is read a point to a cell: half a cell along its edge is
    // let go.
    const QList<QRectF> out = fieldGround().unreadable(field.txt_clr, zelk::LeastMovedContrast, QRectF(), 0.5);
    if (fieldBatchOpen_)
        unreadable_.insert(colour, out);
    return out;
}

QHash<QString, zelk::PackedPlace> SKTGraphicView::packedUnits(const SKTGraphic& placing) const {
    const zelk::CardArea card = fieldCard();
    const GraphicList& side = graphics();
    const double share = fieldScales_.largest;
    QHash<QString, QString> texts;
    for (const auto& [id, value] : batchValues_)
        texts.insert(id, value);
    // The graphic of an ID as the batch makes it: found on the side, made
    // again with its style, or new.
    auto probeOf = [&](const QString& id, const QString& text) {
        const std::shared_ptr<SKTGraphic> found = model_.textOrImageWithId(id);
        const std::shared_ptr<SKTGraphic> again = fieldsMadeAgain_.value(id);
        const std::shared_ptr<SKTGraphic> probe =
            found ? found->clone() : again ? again->clone() : zelk::makeGraphic(GraphicKind::Text);
        probe->Set_text_value(text);
        return probe;
    };
    // What stands where the user, the design or a lock put it is gone
    // around; a value beside a caption that stands goes beside it.
    auto stands = [&](const QString& id) {
        const std::shared_ptr<SKTGraphic> g = model_.textOrImageWithId(id);
        return g && g.get() != &placing &&
               (!zelk::isExactlyText(g.get()) || g->boxOwner() != zelk::BoxOwner::Rule || g->ctrl_is_locked);
    };
    QList<zelk::PackedUnit> units;
    QList<QRectF> ground;
    for (const auto& [id, value] : batchValues_) {
        if (value.isEmpty() || zelk::fieldRole(id) != zelk::FieldRole::Value || stands(id))
            continue;
        const QString captionId = zelk::partnerIdOf(id);
        const std::shared_ptr<SKTGraphic> shownCaption = model_.textOrImageWithId(captionId);
        if (shownCaption && shownCaption->ctrl_is_visible && stands(captionId))
            continue;
        const std::shared_ptr<SKTGraphic> v = probeOf(id, value);
        // Its boxes, and the narrowest of each number of lines, which may
        // fill a line beside its caption.
        QList<QSizeF> sizes = zelk::fieldSizes(*v, card.rect.size(), fieldScales_, false);
        for (const QSizeF& narrowest : zelk::narrowestBoxesByLines(*v, card.rect.size(), share, 4))
            if (!sizes.contains(narrowest))
                sizes << narrowest;
        zelk::PackedUnit unit{id, sizes, QSizeF(), zelk::runOnSpaceAt(*v, v->text_ctrl_font.pointSizeF() * share)};
        // Its caption as the batch gives it, or as the rule placed it.
        const QString caption = texts.contains(captionId) ? texts.value(captionId)
                                : shownCaption && shownCaption->ctrl_is_visible ? shownCaption->Text_Value
                                                                                : QString();
        if (!captionId.isEmpty() && !caption.isEmpty()) {
            const std::shared_ptr<SKTGraphic> c = probeOf(captionId, caption);
            unit.caption = zelk::fieldSizes(*c, card.rect.size(), {share, share}, false).value(0);
            // At the size it is drawn at as the field it becomes.
            c->control_ID = captionId;
            unit.captionRunOn = zelk::runOnSpaceIn(*c, unit.caption);
        }
        if (units.isEmpty())
            ground = unreadableGroundFor(*v);
        units << unit;
    }
    zelk::Taken taken = zelk::takenOn(side, card.rect, nullptr, nullptr, zelk::FieldRole::Value, false);
    for (auto reserved = captionSpots_.cbegin(); reserved != captionSpots_.cend(); ++reserved)
        taken.drawn << captionSpotOf(*reserved.key(), reserved.value());
    QList<QRectF> all = taken.drawn + zelk::spacesAfterCaptions(side) + ground;
    all += zelk::takenFromField(zelk::pairingZonesOn(side), zelk::FieldRole::Value);
    return zelk::packFields(units, all, taken.drawn, card);
}

bool SKTGraphicView::placeAsUnit(SKTGraphic& g) {
    if (!packed_)
        packed_ = packedUnits(g);
    const auto unit = packed_->constFind(g.control_ID);
    if (unit == packed_->cend())
        return false;
    g.setBounds(unit->value);
    if (!unit->caption.isEmpty())
        captionSpots_.insert(&g, {unit->above, unit->caption, unit->captionRunOn});
    packedPlaced_.insert(g.control_ID);
    return true;
}
