// Where a field alone lands: nearest the place its rule gives, or, filling
// the card line by line, first in reading order; clear of the side, then
// of the fields' lines, where the card has room.
#include "canvas/placement/FieldPlaces.h"

#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "canvas/placement/SideCover.h"

#include <tuple>
#include <utility>

namespace zelk {

Taken takenOn(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* self,
                     const SKTGraphic* partner, FieldRole role, bool keepPairing) {
    auto [drawn, pictures] = drawnAndPictures(side, card, self, partner);
    Taken taken{std::move(drawn), std::move(pictures), {}, role};
    if (keepPairing && role != FieldRole::None)
        taken.pairing = pairingZonesOn(side, self, partner);
    return taken;
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const CardArea& card,
                     const QList<QRectF>& pictures) {
    const QList<QRectF> all = withOutside(taken, card);
    for (const QSizeF& s : sizes)
        if (const auto r = freePlaceIn(QRectF(at, s), all, card.rect))
            return *r;
    return leastCoveringPlace(sizes, at, taken, pictures, card);
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const Taken& taken, const CardArea& card) {
    auto search = [&](const QList<QRectF>& ground) {
        return clearAtFirstLevel<QRectF>(takenFromFieldByLevel(taken.pairing, taken.role),
                                         [&](const QList<QRectF>& zones) -> std::optional<QRectF> {
                                             const QList<QRectF> all = withOutside(taken.drawn + ground + zones, card);
                                             for (const QSizeF& s : sizes)
                                                 if (const auto r = freePlaceIn(QRectF(at, s), all, card.rect))
                                                     return r;
                                             return std::nullopt;
                                         });
    };
    if (const auto r = readablePlace<QRectF>(taken, search, [](const QRectF& r) { return QList<QRectF>{r}; }, card))
        return *r;
    return leastCoveringPlace(sizes, at, taken.drawn, taken.pictures, card);
}

std::optional<QRectF> clearFlowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                                        FlowOrder order) {
    const QList<QRectF> all = withOutside(taken, card);
    auto key = [order](const QRectF& r) {
        return std::make_tuple(order == FlowOrder::FewestLines ? r.height() : 0.0, r.top(), r.left(), r.width());
    };
    std::optional<QRectF> first;
    for (const QSizeF& s : sizes)
        if (const auto r = firstInReadingOrder(s, all, card.rect))
            if (!first || key(*r) < key(*first))
                first = r;
    return first;
}

QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                    const QList<QRectF>& pictures, FlowOrder order) {
    const std::optional<QRectF> first = clearFlowPlaceFor(sizes, taken, card, order);
    return first ? *first : leastCoveringPlace(sizes, card.rect.topLeft(), taken, pictures, card);
}

QRectF flowPlaceFor(const QList<QSizeF>& sizes, const Taken& taken, const CardArea& card, FlowOrder order) {
    // The pairing levels in turn; filling in fewest lines, a
    // later level's place where it holds fewer lines.
    // Where the level that keeps the most has no clear place, none kept is
    // tried next: where that has none either, no level between has one.
    std::optional<QRectF> first;
    std::optional<std::optional<QRectF>> loosest;
    bool tried = false;
    for (const QList<QRectF>& zones : takenFromFieldByLevel(taken.pairing, taken.role))
        if (!zones.isEmpty()) {
            if (tried && !first && !loosest && !*(loosest = clearFlowPlaceFor(sizes, taken.drawn, card, order)))
                break;
            tried = true;
            if (const auto r = clearFlowPlaceFor(sizes, taken.drawn + zones, card, order))
                if (!first || (order == FlowOrder::FewestLines && r->height() < first->height()))
                    first = r;
        }
    if (first)
        return *first;
    const std::optional<QRectF> none = loosest ? *loosest : clearFlowPlaceFor(sizes, taken.drawn, card, order);
    return none ? *none : leastCoveringPlace(sizes, card.rect.topLeft(), taken.drawn, taken.pictures, card);
}

}  // namespace zelk
