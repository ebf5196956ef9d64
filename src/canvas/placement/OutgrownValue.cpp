// A field whose value changed where it stands: whether its box holds the
// new value whole, and where it goes where it does not: grown where it
// stands, moved with its partner as one, or left in its box.
#include "canvas/placement/OutgrownValue.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "canvas/placement/SideCover.h"
#include "canvas/placement/UserBox.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zelk {

bool breaksAWord(const SKTGraphic& text) {
    if (!isExactlyText(&text) || text.Text_Value.isEmpty())
        return false;
    return breaksAWordAt(text, drawnTextPointSize(text));
}

bool holdsItsValue(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                   BoxOwner owner) {
    if (!isExactlyText(&field) || field.Text_Value.isEmpty())
        return true;
    const std::shared_ptr<SKTGraphic> grown = field.clone();
    if (const double h = textHeightWithin(field, side, card); owner != BoxOwner::User && h > 0 && std::isfinite(h))
        grown->setHeight(h);
    const QRectF box = grown->bounds().normalized();
    const double points = drawnTextPointSize(*grown);
    const std::shared_ptr<SKTGraphic> drawn = grown->clone();
    drawn->text_ctrl_font.setPointSizeF(points);
    // A point is left for the rounding of a box made to its lines.
    if (breaksAWordAt(*grown, points) || fittedTextHeight(*drawn) > box.height() + 1)
        return false;
    return card.holds(grown->drawingBounds());
}

namespace {

// The caption (or value) of a field, where it is a text, and how the two
// stand (standingOf). A hidden one whose box is reserved for when it shows (a
// template's caption not ticked yet) is the field's partner as a shown one
// is: its box goes with the field, so that it stands beside its value when
// it shows.
struct Partner {
    const SKTGraphic* g = nullptr;
    Standing standing = Standing::Apart;
    bool fieldIsCaption = false;
    double em = 0;  // the value's text's height
    bool standsWith() const { return g && standing != Standing::Apart; }
};

Partner partnerOf(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side) {
    const QString id = partnerIdOf(field.control_ID);
    if (id.isEmpty())
        return {};
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || g.get() == &field || g->control_ID != id)
            continue;
        if (!isExactlyText(g.get()) || g->Text_Value.isEmpty() || !(g->ctrl_is_visible || reservedForWhenItShows(*g)))
            return {};
        const bool fieldIsCaption = fieldRole(field.control_ID) == FieldRole::Caption;
        const SKTGraphic& value = fieldIsCaption ? *g : field;
        const QRectF caption = (fieldIsCaption ? field : *g).bounds();
        const double em = drawnTextPointSize(value);
        return {g.get(), standingOf(caption, value.bounds(), em), fieldIsCaption, em};
    }
    return {};
}

// Whether the field, at `at`, still stands with its partner as it did.
bool standsAsItDid(const Partner& p, const QRectF& at) {
    if (!p.standsWith())
        return true;
    const QRectF other = p.g->bounds();
    return standingOf(p.fieldIsCaption ? at : other, p.fieldIsCaption ? other : at, p.em) == p.standing;
}

// The boxes of the side's hidden fields, reserved for when they show, but
// those of `field` and `partner`, and those `own` already meets; but for
// `usedOnly`, only those of fields whose partner shows (a caption not
// ticked beside its value): a field the card shows nothing of keeps its
// box for a stamping that shows it, which lays every field out anew.
QList<QRectF> hiddenBoxes(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic& field,
                           const SKTGraphic* partner, const QRectF& own = QRectF(), bool usedOnly = false) {
    auto partnerShows = [&side](const SKTGraphic& f) {
        const QString id = partnerIdOf(f.control_ID);
        return !id.isEmpty() && std::any_of(side.cbegin(), side.cend(), [&id](const std::shared_ptr<SKTGraphic>& g) {
            return g && g->control_ID == id && g->ctrl_is_visible;
        });
    };
    QList<QRectF> out;
    for (const std::shared_ptr<SKTGraphic>& f : side)
        if (f && f.get() != &field && f.get() != partner && !f->ctrl_is_visible && reservedForWhenItShows(*f) &&
            (!usedOnly || partnerShows(*f)))
            if (const QRectF box = f->bounds().normalized(); !box.intersects(own))
                out << box;
    return out;
}

// How a field is placed anew: as one its box no longer holds (at its
// sizes, none narrower than its box, clear of every hidden field's box,
// else where it covers the least), or as one its box holds only drawn
// smaller (roomierPlace: at narrower sizes too, a caption standing above it
// or before it no wider than its words, clear of the boxes of the hidden
// fields whose partners show, else nowhere).
enum class Search { Outgrown, Roomier };

// What of `others` a box covers, in square points.
double coveredBy(const QRectF& box, const QList<QRectF>& rects) {
    double area = 0;
    for (const QRectF& o : rects) {
        const QRectF both = box & o.normalized();
        area += both.width() * both.height();
    }
    return area;
}

// Where a field's colour reads worse than its box lets it (or than
// LeastMovedContrast), its box left out.
QList<QRectF> unreadableFor(const SKTGraphic& g, const FieldGround& ground) {
    const QRectF own = g.bounds().normalized();
    return ground.unreadable(g.txt_clr, ground.keptContrast(g.txt_clr, own), own);
}

// The parts of `zone` beyond `own`: the zone itself where they do not meet.
QList<QRectF> beyond(const QRectF& zone, const QRectF& own) {
    if (!zone.intersects(own))
        return {zone};
    QList<QRectF> out;
    const QRectF z = zone.normalized();
    if (z.left() < own.left())
        out << QRectF(QPointF(z.left(), z.top()), QPointF(own.left(), z.bottom()));
    if (z.right() > own.right())
        out << QRectF(QPointF(own.right(), z.top()), QPointF(z.right(), z.bottom()));
    const double left = std::max(z.left(), own.left()), right = std::min(z.right(), own.right());
    if (z.top() < own.top())
        out << QRectF(QPointF(left, z.top()), QPointF(right, own.top()));
    if (z.bottom() > own.bottom())
        out << QRectF(QPointF(left, own.bottom()), QPointF(right, z.bottom()));
    return out;
}

// A field's box as it stands, the sizes it may grow to, largest share
// first, what it keeps clear of where it stands, and, for a box the rule
// placed, its partner standing with it and what that keeps clear of where
// the field takes it along; where each of the two would not read.
struct OutgrownField {
    QRectF own;
    QList<QSizeF> sizes;
    QList<QRectF> taken;         // the partner standing with it aside
    QRectF partner;               // its drawing, kept clear of where it stays
    QList<QRectF> partnerTaken;  // where it moves along with the field
    QList<QRectF> fieldUnreadable, partnerUnreadable;  // unreadableFor each
    bool narrowed = false;  // a box the user ran past the card's edge
};

OutgrownField outgrownFieldOf(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                      BoxOwner owner, FieldScales scales, const FieldGround& ground, const Partner& partner,
                      Search search = Search::Outgrown) {
    OutgrownField out;
    out.own = field.bounds().normalized();
    if (owner == BoxOwner::User) {
        out.narrowed = !card.rect.contains(out.own);
        out.own = userBoxOnCard(field, card);
    }
    // Along its line: its widest box (its lines fewest) at each share,
    // largest first, before narrower boxes of more lines.
    QList<QSizeF> narrower;
    for (const double share : fieldScaleSteps(scales)) {
        const QList<QSizeF> at = fieldSizes(field, card.rect.size(), {share, share}, false);
        for (qsizetype i = 0; i < at.size(); ++i)
            (owner == BoxOwner::User && i > 0 ? narrower : out.sizes) << at.at(i);
    }
    out.sizes += narrower;
    for (QSizeF& s : out.sizes)
        s = (search == Search::Roomier ? s.expandedTo(QSizeF(0, out.own.height())) : s.expandedTo(out.own.size()))
                .boundedTo(card.rect.size());
    out.sizes.erase(std::unique(out.sizes.begin(), out.sizes.end()), out.sizes.end());
    out.fieldUnreadable = unreadableFor(field, ground);
    if (owner == BoxOwner::User) {
        // A row the user placed over something (a band, a picture) stays over it.
        out.taken = drawnRects(side, card.rect, &field);
        out.taken.removeIf([&out](const QRectF& r) { return r.intersects(out.own); });
        out.taken += out.fieldUnreadable;
        return out;
    }
    // The rule's box keeps the hidden fields' boxes and the other fields'
    // pairing zones: of a zone it already stands in, only what lies beyond
    // it, so that it grows where it stands but goes no deeper into it.
    const SKTGraphic* with = partner.standsWith() ? partner.g : nullptr;
    auto takenFrom = [&](const SKTGraphic& g, const SKTGraphic* other, const QList<QRectF>& unreadable) {
        const QRectF own = g.bounds().normalized();
        QList<QRectF> taken =
            drawnRects(side, card.rect, &g, other) + hiddenBoxes(side, g, other, own, search == Search::Roomier);
        for (const QRectF& zone : takenFromField(pairingZonesOn(side, &g, partner.g), fieldRole(g.control_ID)))
            taken += beyond(zone, own);
        return taken + unreadable;
    };
    out.taken = takenFrom(field, with, out.fieldUnreadable);
    if (with) {
        out.partner = with->drawingBounds();
        out.partnerUnreadable = unreadableFor(*with, ground);
        out.partnerTaken = takenFrom(*with, &field, out.partnerUnreadable);
    } else if (partner.g) {
        out.taken << partner.g->drawingBounds();
    }
    return out;
}

// Where a box of size `s` stands: moved only as far as it must to lie on
// the card, inside its outline; a row the user placed along its line
// (within `line`, the span its partner leaves it) first, else moved onto
// the card as little as it can.
std::optional<QRectF> inPlace(const QRectF& own, const QSizeF& s, const CardArea& card, BoxOwner owner,
                              const QRectF& line = QRectF()) {
    const QRectF wanted(own.topLeft(), s);
    if (owner == BoxOwner::User) {
        const QRectF along = QRectF(card.rect.left(), own.top(), card.rect.width(), s.height()) & card.rect &
                             (line.isNull() ? card.rect : line);
        if (const auto r = freePlaceIn(wanted, card.outside, along, card.rect))
            return r;
        if (const QRectF onto = ontoCard(wanted, card.rect); card.holds(onto))
            return onto;
    }
    return freePlaceFor(wanted, {}, card);
}

// The span of the card a row may slide along while it still stands with
// its partner: after a caption before it, no farther left than its
// caption above it, and a caption no farther right than its value.
QRectF lineLeftBy(const Partner& p, const QRectF& own, const CardArea& card) {
    QRectF line = card.rect;
    if (!p.standsWith())
        return line;
    const QRectF other = p.g->bounds().normalized();
    if (p.standing == Standing::Before) {
        if (p.fieldIsCaption)
            line.setRight(std::min(line.right(), other.left()));
        else
            line.setLeft(std::max(line.left(), other.right()));
    } else {
        line.setLeft(std::max(line.left(), std::min(own.left(), other.left())));
    }
    return line;
}

// The first of its sizes that lies clear where it stands, still standing
// with its partner; a row the user placed keeps its corner where a size
// lets it (drawn smaller where it must), before it slides along its line.
// A box the rule placed that must move onto the card takes its partner
// along where both then lie clear.
std::optional<OutgrownPlace> clearInPlace(const OutgrownField& r, const CardArea& card, BoxOwner owner,
                                          const Partner& p) {
    auto fits = [&](const QRectF& at) {
        return liesClear(at, r.taken, card) && !at.intersects(r.partner) && standsAsItDid(p, at);
    };
    const QRectF line = lineLeftBy(p, r.own, card);
    if (owner == BoxOwner::User) {
        for (const QSizeF& s : r.sizes)
            if (const QRectF at(r.own.topLeft(), s); fits(at))
                return OutgrownPlace{at, std::nullopt};
        // Narrowed to the card's edge, it keeps the edge the user put on
        // the card: slid along its line, it would leave its caption.
        if (r.narrowed)
            return std::nullopt;
        // Else grown along its line either way into clear room, over the
        // box the user gave it still.
        QList<QRectF> taken = withOutside(r.taken, card);
        if (!r.partner.isNull())
            taken << r.partner;
        for (const QSizeF& s : r.sizes) {
            const QRectF along =
                QRectF(r.own.right() - s.width(), r.own.top(), 2 * s.width() - r.own.width(), s.height()) & card.rect & line;
            if (const auto at = freePlaceIn(QRectF(r.own.topLeft(), s), taken, along, card.rect); at && fits(*at))
                return OutgrownPlace{*at, std::nullopt};
        }
    }
    for (const QSizeF& s : r.sizes) {
        const auto at = inPlace(r.own, s, card, owner, line);
        if (!at)
            continue;
        if (const QPointF by = at->topLeft() - r.own.topLeft(); !r.partner.isNull() && !by.isNull()) {
            const QRectF partnerAt = p.g->bounds().translated(by);
            if (liesClear(*at, r.taken, card) && liesClear(r.partner.translated(by), r.partnerTaken, card) &&
                !at->intersects(partnerAt))
                return OutgrownPlace{*at, partnerAt};
        }
        if (fits(*at))
            return OutgrownPlace{*at, std::nullopt};
    }
    return std::nullopt;
}

// A field and its partner as one: each part's box from the unit's top
// left, and its size.
struct Unit {
    QSizeF size;
    QRectF field, partner;
    QPointF corner;  // where the unit's top left stands now
};

// The unit of the field at size `s` with its partner as they stand: the
// caption kept above the value, or before it, at its own size, as far from
// it and as far along as it stood; in a roomier search a caption's box no
// wider than its words (above a value, than the value where that is wider).
Unit unitOf(const SKTGraphic& field, const Partner& p, const QSizeF& s, Search search = Search::Outgrown) {
    const QRectF own = field.bounds().normalized();
    if (!p.standsWith())
        return {s, QRectF(QPointF(0, 0), s), QRectF(), own.topLeft()};
    const QRectF other = p.g->bounds().normalized();
    const QRectF caption0 = p.fieldIsCaption ? own : other, value0 = p.fieldIsCaption ? other : own;
    QSizeF captionSize = p.fieldIsCaption ? s : caption0.size();
    if (search == Search::Roomier && !p.fieldIsCaption && isExactlyText(p.g)) {
        const double words = std::ceil(static_cast<const SKTText&>(*p.g).naturalTextSize().width()) + 1;
        captionSize.setWidth(std::min(caption0.width(), p.standing == Standing::Above ? std::max(words, s.width()) : words));
    }
    const QSizeF valueSize = p.fieldIsCaption ? value0.size() : s;
    // The caption from the value's top left.
    QPointF captionAt;
    if (p.standing == Standing::Above)
        captionAt = QPointF(caption0.left() - value0.left(),
                            -(captionSize.height() + std::max(0.0, value0.top() - caption0.bottom())));
    else
        captionAt = QPointF(-(captionSize.width() + std::max(0.0, value0.left() - caption0.right())),
                            caption0.top() - value0.top());
    const QRectF caption(captionAt, captionSize), value(QPointF(0, 0), valueSize);
    const QRectF both = caption | value;
    const QPointF from = both.topLeft();
    const QRectF c = caption.translated(-from), v = value.translated(-from);
    // The value's own corner, where it stands now, takes the unit with it.
    return {both.size(), p.fieldIsCaption ? c : v, p.fieldIsCaption ? v : c, value0.topLeft() + from};
}

// A part's taken rectangles seen from its unit (takenFromPart) come out
// turned inside out where they are thinner than the rest of the unit
// beside the part (a strip of ground one point high under a caption above
// a value of three lines); the search would take such a one for the whole
// span between its edges. Each becomes the thinnest rectangle at its far
// edge: the unit meets it wherever it met the part's rectangle, and a
// little farther, never across the span.
QList<QRectF> rightSideOut(QList<QRectF> rects) {
    constexpr double Thin = 1e-6;
    for (QRectF& r : rects) {
        if (r.width() < 0)
            r = QRectF(r.right(), r.top(), Thin, r.height());
        if (r.height() < 0)
            r = QRectF(r.left(), r.bottom(), r.width(), Thin);
    }
    return rects;
}

// The nearest place of the field and a partner standing with it, as one,
// clear of the rest (`taken`) as outgrownPlace has it; none where there is
// none.
std::optional<OutgrownPlace> movedWithPartner(const SKTGraphic& field, const Partner& p, const OutgrownField& r,
                                              const QList<QRectF>& taken,
                                              const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                              Search search) {
    const SKTGraphic* partner = p.standsWith() ? p.g : nullptr;
    const QList<QRectF> takenOrOutside = withOutside(taken, card);
    // Never clear of no pairing zone at all: a caption would read as another
    // field's.
    QList<PairingZones> levels = pairingLevels(pairingZonesOn(side, &field, partner));
    if (levels.size() > 1)
        levels.removeLast();
    const FieldRole role = fieldRole(field.control_ID);
    for (const PairingZones& level : levels)
        for (const QSizeF& s : r.sizes) {
            const Unit u = unitOf(field, p, s, search);
            QList<QRectF> unitTaken = takenOrOutside;
            if (partner)
                unitTaken += takenFromUnit(level, u.size, p.fieldIsCaption ? u.field : u.partner,
                                      p.fieldIsCaption ? u.partner : u.field);
            else
                unitTaken += takenFromPart(takenFromField(level, role), u.size, u.field);
            unitTaken += takenFromPart(r.fieldUnreadable, u.size, u.field) + takenFromPart(r.partnerUnreadable, u.size, u.partner);
            if (const auto at = freePlaceIn(QRectF(u.corner, u.size), rightSideOut(unitTaken), card.rect)) {
                const QPointF by = at->topLeft();
                OutgrownPlace out{u.field.translated(by), std::nullopt};
                if (partner)
                    out.partner = u.partner.translated(by);
                return out;
            }
        }
    return std::nullopt;
}

// Where no place is clear: a box that holds its value drawn at half (but
// for a word longer than the box, broken inside it) keeps it; one whose
// lines would run past its foot over the rest (a box made for a short
// value) goes with its partner to the place that covers the least, where
// that covers less than its lines would.
std::optional<OutgrownPlace> leastHarm(const SKTGraphic& field, const Partner& p, const OutgrownField& r,
                                       const QList<QRectF>& taken, const QList<std::shared_ptr<SKTGraphic>>& side,
                                       const CardArea& card) {
    const SKTGraphic* partner = p.standsWith() ? p.g : nullptr;
    const QList<QSizeF>& sizes = r.sizes;
    const std::shared_ptr<SKTGraphic> half = field.clone();
    if (const double h = textHeightWithin(field, side, card); h > 0 && std::isfinite(h))
        half->setHeight(h);
    const QRectF box = half->bounds().normalized();
    half->text_ctrl_font.setPointSizeF(smallestFieldPoints(field.text_ctrl_font.pointSizeF()));
    const QRectF lines(box.topLeft(), QSizeF(box.width(), std::max(box.height(), fittedTextHeight(*half))));
    // What runs off the card is lost, not merely covered: it counts four times.
    const double offCard = lines.width() * lines.height() - coveredBy(lines, {card.rect}) + coveredBy(lines, card.outside);
    const double staying = coveredBy(lines, taken) + 4 * offCard;
    if (staying <= 0 || sizes.isEmpty())
        return std::nullopt;
    QList<Unit> units;
    QList<QSizeF> unitSizes;
    for (const QSizeF& s : sizes) {
        units << unitOf(field, p, s);
        unitSizes << units.last().size;
    }
    // Never onto ground where either would read worse than in its box.
    auto partOf = [&](QRectF Unit::*part) {
        return [&units, &unitSizes, part](const QSizeF& s) -> std::optional<QRectF> {
            const qsizetype i = unitSizes.indexOf(s);
            return i < 0 ? std::nullopt : std::optional<QRectF>(units.at(i).*part);
        };
    };
    QList<KeptClear> kept{{r.fieldUnreadable, partOf(&Unit::field)}};
    if (partner)
        kept.append({r.partnerUnreadable, partOf(&Unit::partner)});
    const QRectF at =
        leastCoveringPlace(unitSizes, units.first().corner, taken, pictureRects(side, card.rect, &field), card, kept);
    if (at.isEmpty() || !keepsClear(kept, at) || coveredBy(at, taken + card.outside) >= staying)
        return std::nullopt;
    const Unit& u = units.at(std::max<qsizetype>(0, unitSizes.indexOf(at.size())));
    OutgrownPlace out{u.field.translated(at.topLeft()), std::nullopt};
    if (partner)
        out.partner = u.partner.translated(at.topLeft());
    return out;
}

// Where a field the rule placed lies clear at its sizes at `scales`: grown
// where it stands, else moved with its partner; else, for an outgrown one,
// the place that covers the least (leastHarm).
std::optional<OutgrownPlace> placeOf(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                     const CardArea& card, const FieldGround& ground, FieldScales scales,
                                     Search search) {
    const Partner partner = partnerOf(field, side);
    const OutgrownField r = outgrownFieldOf(field, side, card, BoxOwner::Rule, scales, ground, partner, search);
    if (auto at = clearInPlace(r, card, BoxOwner::Rule, partner))
        return at;
    // A partner the user locked beside it holds it where it stands.
    if (partner.standsWith() && partner.g->ctrl_is_locked)
        return std::nullopt;
    // What the unit keeps clear of wherever it goes: the side's drawing
    // and the boxes of its hidden fields, reserved for when they show.
    const SKTGraphic* with = partner.standsWith() ? partner.g : nullptr;
    const QList<QRectF> taken =
        drawnRects(side, card.rect, &field, with) + hiddenBoxes(side, field, with, QRectF(), search == Search::Roomier);
    if (auto moved = movedWithPartner(field, partner, r, taken, side, card, search))
        return moved;
    return search == Search::Outgrown ? leastHarm(field, partner, r, taken, side, card) : std::nullopt;
}

}  // namespace

std::optional<OutgrownPlace> outgrownPlace(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card, const FieldGround& ground, FieldScales scales) {
    return placeOf(field, side, card, ground, scales, Search::Outgrown);
}

bool drawnSmallerThan(const SKTGraphic& field, double share) {
    // A hundredth for the whole pixels a font is set at.
    return isExactlyText(&field) && !field.Text_Value.isEmpty() && drawnShare(field) < share - 0.01;
}

std::optional<OutgrownPlace> roomierPlace(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                          const CardArea& card, const FieldGround& ground, double share) {
    if (fieldRole(field.control_ID) != FieldRole::Value)
        return std::nullopt;
    return placeOf(field, side, card, ground, {share, share}, Search::Roomier);
}

std::optional<QRectF> clearBoxAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card, const FieldGround& ground) {
    const Partner partner = partnerOf(field, side);
    OutgrownField r = outgrownFieldOf(field, side, card, BoxOwner::User, {}, ground, partner);
    // The boxes of the side's hidden fields are reserved for when they show,
    // as when a box grows down (textHeightWithin).
    r.taken += hiddenBoxes(side, field, nullptr, r.own);
    const auto at = clearInPlace(r, card, BoxOwner::User, partner);
    return at ? std::optional<QRectF>(at->field) : std::nullopt;
}

}  // namespace zelk
