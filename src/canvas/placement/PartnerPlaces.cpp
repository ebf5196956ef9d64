// Where a caption and its value land together: a field beside a partner
// that stands or moves with it, or the two placed as one unit.
#include "canvas/placement/PartnerPlaces.h"

#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

namespace zelk {

namespace {

// The field's place on a side of its partner, and the band along that side
// it may slide in while it still faces the partner over half its length.
struct SidePlace {
    QRectF place, band;
};

SidePlace sidePlace(const QRectF& p, const QSizeF& s, Beside side) {
    const double w = s.width(), h = s.height();
    switch (side) {
    case Beside::Above:
        return {QRectF(p.left(), p.top() - h, w, h), QRectF(p.left() - w / 2, p.top() - h, p.width() + w, h)};
    case Beside::Before:
        return {QRectF(p.left() - w, p.top(), w, h), QRectF(p.left() - w, p.top() - h / 2, w, p.height() + h)};
    case Beside::After:
        return {QRectF(p.right(), p.top(), w, h), QRectF(p.right(), p.top() - h / 2, w, p.height() + h)};
    case Beside::Below:
        break;
    }
    return {QRectF(p.left(), p.bottom(), w, h), QRectF(p.left() - w / 2, p.bottom(), p.width() + w, h)};
}

}  // namespace

BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const QList<QRectF>& taken, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& pictures) {
    return besidePlaceFor(partner, sizes, sides, Taken{taken, pictures, {}}, card, partnerMoves);
}

BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const Taken& taken, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& rivals) {
    const Beside first = sides.value(0, Beside::Above);
    // Apart from its partner, a field stands no nearer another of the
    // partner's role than its own.
    std::function<bool(const QRectF&)> nearerOwn;
    if (!rivals.isEmpty())
        nearerOwn = [&partner, &rivals](const QRectF& r) {
            const double own = distance2(r, partner);
            return std::none_of(rivals.cbegin(), rivals.cend(),
                                [&](const QRectF& o) { return distance2(r, o) < own - 1e-6; });
        };
    // The clear places, in the rule's order.
    auto clear = [&](const QList<QRectF>& taken) -> std::optional<BesidePlace> {
        const QList<QRectF> all = withOutside(taken, card);
        // A side's band lies outside the partner: only the rest can be in the way.
        for (const QSizeF& s : sizes) {
            for (Beside side : sides) {
                const QRectF r = sidePlace(partner, s, side).place;
                if (freePlaceIn(r, all, card.rect) == r)
                    return BesidePlace{r, partner};
            }
            for (Beside side : sides) {
                const SidePlace at = sidePlace(partner, s, side);
                if (const auto r = freePlaceIn(at.place, all, at.band & card.rect, card.rect))
                    return BesidePlace{*r, partner};
            }
        }
        if (partnerMoves) {
            // Nowhere beside it where it stands: the two go together where
            // both are clear.
            for (const QSizeF& s : sizes)
                for (Beside side : sides) {
                    const QRectF field = sidePlace(partner, s, side).place;
                    const QRectF both = field | partner;
                    if (const auto r = freePlaceIn(both, all, card.rect)) {
                        const QPointF by = r->topLeft() - both.topLeft();
                        return BesidePlace{field.translated(by), partner.translated(by)};
                    }
                }
            return std::nullopt;
        }
        // The partner stays: the field at the clear place nearest its first
        // side, nearer its partner than any rival.
        QList<QRectF> withPartner = all;
        withPartner << partner;
        std::optional<CoverMap> cover;
        for (const QSizeF& s : sizes) {
            const QRectF wanted = sidePlace(partner, s, first).place;
            if (const auto r = freePlaceIn(wanted, withPartner, card.rect); r && (!nearerOwn || nearerOwn(*r)))
                return BesidePlace{*r, partner};
            if (!nearerOwn)
                continue;
            if (!cover)
                cover.emplace(grownByClearance(taken + QList<QRectF>{partner}, card), card.rect, coverCell(card.rect));
            if (const auto r = nearestUncovered(s, wanted.topLeft(), *cover, card.rect, nearerOwn))
                return BesidePlace{*r, partner};
        }
        return std::nullopt;
    };
    auto search = [&](const QList<QRectF>& ground) {
        return clearAtFirstLevel<BesidePlace>(takenFromFieldByLevel(taken.pairing, taken.role),
                                              [&](const QList<QRectF>& zones) { return clear(taken.drawn + ground + zones); });
    };
    auto parts = [partnerMoves](const BesidePlace& p) {
        return partnerMoves ? QList<QRectF>{p.field, p.partner} : QList<QRectF>{p.field};
    };
    if (const auto at = readablePlace<BesidePlace>(taken, search, parts, card))
        return *at;
    if (partnerMoves) {
        // No clear place for the two: together where they cover the least.
        QList<QSizeF> units;
        QList<QRectF> fields;  // the field's place beside the partner where it stands, of each unit
        for (const QSizeF& s : sizes)
            for (Beside side : sides) {
                const QRectF field = sidePlace(partner, s, side).place;
                units << (field | partner).size();
                fields << field;
            }
        const QRectF wanted = fields.value(fields.size() - sides.size()) | partner;
        const QRectF r = leastCoveringPlace(units, wanted.topLeft(), taken.drawn, taken.pictures, card);
        const qsizetype chosen = std::max<qsizetype>(0, units.indexOf(r.size()));
        const QRectF both = fields.at(chosen) | partner;
        const QPointF by = r.topLeft() - both.topLeft();
        return {fields.at(chosen).translated(by), partner.translated(by)};
    }
    // The partner stays: the field where it covers the least, never over
    // its partner.
    QList<QRectF> withPartner = taken.drawn, keepOff = taken.pictures;
    withPartner << partner;
    keepOff << partner;
    return {leastCoveringPlace(sizes, sidePlace(partner, sizes.value(sizes.size() - 1), first).place.topLeft(),
                               withPartner, keepOff, card, {}, nearerOwn),
            partner};
}

PairPlace pairPlaceFor(const SKTGraphic& caption, const SKTGraphic& value, const QPointF& at,
                       const QList<Beside>& captionSides, const Taken& taken, const CardArea& card,
                       FieldScales scales) {
    // At each share of their sizes, largest first: the caption on its line,
    // the value in each of its boxes, the caption before or above it.
    struct Unit {
        QSizeF size, caption, value;
        bool before;
    };
    QList<Unit> units;
    QList<QSizeF> sizes;
    for (double scale : fieldScaleSteps(scales)) {
        const QSizeF c = fieldSizes(caption, card.rect.size(), {scale, scale}, false).value(0);
        const QList<QSizeF> values = fieldSizes(value, card.rect.size(), {scale, scale}, false);
        for (Beside side : captionSides)
            for (const QSizeF& v : values) {
                const bool before = side == Beside::Before;
                const QSizeF size = before ? QSizeF(c.width() + v.width(), std::max(c.height(), v.height()))
                                           : QSizeF(std::max(c.width(), v.width()), c.height() + v.height());
                units << Unit{size, c, v, before};
                sizes << size;
            }
    }
    if (units.isEmpty())
        return {caption.bounds(), value.bounds()};
    auto placed = [](const Unit& u, const QPointF& p) {
        return PairPlace{QRectF(p, u.caption),
                         QRectF(p + (u.before ? QPointF(u.caption.width(), 0) : QPointF(0, u.caption.height())),
                                u.value)};
    };
    // Clear of the fields' lines first (each part of the room its role
    // keeps), then clear of what is drawn.
    auto search = [&](const QList<QRectF>& ground) -> std::optional<PairPlace> {
        const QList<QRectF> all = withOutside(taken.drawn + ground, card);
        for (const PairingZones& level : pairingLevels(taken.pairing))
            for (qsizetype i = 0; i < units.size(); ++i) {
                const Unit& u = units.at(i);
                const PairPlace parts = placed(u, QPointF(0, 0));
                const QList<QRectF> taken = all + takenFromUnit(level, u.size, parts.caption, parts.value);
                if (const auto r = freePlaceIn(QRectF(at, sizes.at(i)), taken, card.rect))
                    return placed(u, r->topLeft());
            }
        return std::nullopt;
    };
    if (const auto pair = readablePlace<PairPlace>(
            taken, search, [](const PairPlace& p) { return QList<QRectF>{p.caption, p.value}; }, card))
        return *pair;
    const QRectF r = leastCoveringPlace(sizes, at, taken.drawn, taken.pictures, card);
    return placed(units.at(std::max<qsizetype>(0, sizes.indexOf(r.size()))), r.topLeft());
}

CaptionSpotPlace valuePlaceWithCaptionSpot(const QSizeF& caption, const QList<QSizeF>& valueSizes, const QPointF& rule,
                                           const Taken& taken, const CardArea& card,
                                           std::optional<FlowOrder> flow, double captionRunOn) {
    // Above it first, as the rule has it, then before it.
    struct Unit {
        QSizeF size;
        QRectF caption, value;  // the parts, from its top left
        bool above;
    };
    QList<Unit> units;
    const QSizeF& c = caption;
    for (const QSizeF& s : valueSizes) {
        units << Unit{QSizeF(std::max(c.width(), s.width()), c.height() + s.height()), QRectF(QPointF(0, 0), c),
                      QRectF(QPointF(0, c.height()), s), true};
        units << Unit{QSizeF(c.width() + s.width(), std::max(c.height(), s.height())), QRectF(QPointF(0, 0), c),
                      QRectF(QPointF(c.width(), 0), s), false};
    }
    const QRectF& rect = card.rect;
    const QPointF ruleAbove = rule - QPointF(0, c.height());
    qsizetype chosen = -1;
    QRectF unit;
    const QList<QRectF> all = taken.drawn + card.outside;
    // Each unit clear of the pairing levels in turn (a larger size, or
    // fewer lines, before two values kept apart), then of what is drawn
    // alone.
    const QList<PairingZones> levels = pairingLevels(taken.pairing);
    // Whatever zones a level lets go, nothing drawn stands in the run-on
    // space after the caption's spot.
    QList<QList<QRectF>> keptAfterCaption;
    for (const Unit& u : units) {
        const QRectF past = runOnSpacePast(u.size, u.caption, captionRunOn);
        keptAfterCaption << (past.isEmpty() ? all : all + takenFromPart(taken.drawn, u.size, past));
    }
    auto takenFor = [&](qsizetype i, const PairingZones& level) {
        const Unit& u = units.at(i);
        return keptAfterCaption.at(i) + takenFromUnit(level, u.size, u.caption, u.value);
    };
    // The clear place of a unit at a level: first in reading order, or
    // the nearest the rule.
    auto flowPlace = [&](qsizetype i, const PairingZones& level) {
        return clearFlowPlaceFor({units.at(i).size}, takenFor(i, level), rect);
    };
    auto freePlace = [&](qsizetype i, const PairingZones& level) {
        const Unit& u = units.at(i);
        const QPointF at = rule - (u.above ? QPointF(0, c.height()) : QPointF(c.width(), 0));
        return freePlaceFor(QRectF(at, u.size), takenFor(i, level), rect);
    };
    // What the loosest level keeps, every other keeps too: a unit with no
    // clear place at it has none at the others, which are then not
    // searched. Its places there are found once, for both.
    const qsizetype loosest = levels.size() - 1;
    std::vector<std::optional<std::optional<QRectF>>> flowLoosest(std::size_t(units.size())),
        freeLoosest(std::size_t(units.size()));
    auto placeAt = [&](auto& memo, auto search, qsizetype i, qsizetype level) {
        if (level != loosest)
            return search(i, levels.at(level));
        std::optional<std::optional<QRectF>>& m = memo[std::size_t(i)];
        if (!m)
            m = search(i, levels.at(level));
        return *m;
    };
    auto hasPlace = [&](auto& memo, auto search, qsizetype i) { return placeAt(memo, search, i, loosest).has_value(); };
    // Line by line: the value in its fewest lines that have a place (or
    // the card packed), the first in reading order.
    auto linesOf = [&](qsizetype i) { return flow == FlowOrder::FewestLines ? units.at(i).value.height() : 0.0; };
    auto order = [&](qsizetype i, qsizetype t, const QRectF& r) {
        return std::make_tuple(linesOf(i), t, r.top(), r.left(), r.width() * r.height());
    };
    for (const auto& [from, to] : {std::pair<qsizetype, qsizetype>(0, loosest), {loosest, loosest + 1}}) {
        // Of one unit, a later level's place orders after an earlier one's;
        // a unit whose values' lines, or level, already order after the
        // one chosen is not searched.
        qsizetype chosenLevel = 0;
        if (flow)
            for (qsizetype i = 0; i < units.size(); ++i) {
                if (from != loosest && !hasPlace(flowLoosest, flowPlace, i))
                    continue;
                for (qsizetype t = from; t < to; ++t) {
                    if (chosen >= 0 && std::pair(linesOf(i), t) > std::pair(linesOf(chosen), chosenLevel))
                        break;
                    if (const auto r = placeAt(flowLoosest, flowPlace, i, t)) {
                        if (chosen < 0 || order(i, t, *r) < order(chosen, chosenLevel, unit)) {
                            chosen = i;
                            chosenLevel = t;
                            unit = *r;
                        }
                        break;
                    }
                }
            }
        for (qsizetype i = 0; chosen < 0 && i < units.size(); ++i) {
            if (from != loosest && !hasPlace(freeLoosest, freePlace, i))
                continue;
            for (qsizetype t = from; t < to; ++t)
                if (const auto r = placeAt(freeLoosest, freePlace, i, t)) {
                    chosen = i;
                    unit = *r;
                    break;
                }
        }
        if (chosen >= 0)
            break;
    }
    if (chosen < 0) {
        QList<QSizeF> unitSizes;
        for (const Unit& u : units)
            unitSizes << u.size;
        // The unit a place is of: of its size, matched exactly first (the
        // search weighs boxes of the units' own sizes), the first for one
        // wider than the card.
        auto unitOf = [&](const QRectF& r) {
            for (qsizetype i = 0; i < unitSizes.size(); ++i)
                if (unitSizes.at(i).width() == r.width() && unitSizes.at(i).height() == r.height())
                    return i;
            return std::max<qsizetype>(0, unitSizes.indexOf(r.size()));
        };
        // Nothing drawn in the caption's run-on space, where the card has
        // such a place that covers no picture (the pictures kept first).
        auto whole = [](const QSizeF& s) { return std::optional<QRectF>(QRectF(QPointF(0, 0), s)); };
        auto runOn = [&](const QSizeF& s) {
            const Unit& u = units.at(unitOf(QRectF(QPointF(0, 0), s)));
            return std::optional<QRectF>(QRectF(u.caption.right(), u.caption.top(), captionRunOn, u.caption.height()));
        };
        unit = leastCoveringPlace(unitSizes, ruleAbove, taken.drawn, taken.pictures, card,
                                  captionRunOn > 0 ? QList<KeptClear>{{taken.pictures, whole}, {taken.drawn, runOn}}
                                                   : QList<KeptClear>{});
        chosen = unitOf(unit);
    }
    const Unit& u = units.at(chosen);
    return {ontoCard(u.value.translated(unit.topLeft()), rect), u.caption.size(), u.above};
}

QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card) {
    const QRectF above = sidePlace(value, caption, Beside::Above).place;
    return above.top() >= card.top() ? above : sidePlace(value, caption, Beside::Before).place;
}

}  // namespace zelk
