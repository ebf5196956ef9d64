// A field whose value changed where it stands: whether its box holds the
// new value whole, and the box it grows to where it does not.
#include "canvas/placement/OutgrownValue.h"

#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace zelk {

bool breaksAWord(const SKTGraphic& text) {
    if (!isExactlyText(&text) || text.Text_Value.isEmpty())
        return false;
    const std::shared_ptr<SKTGraphic> drawn = text.clone();
    drawn->text_ctrl_font.setPointSizeF(drawnTextPointSize(text));
    // A point is left for the rounding of a box made to its lines.
    return longestWordWidth(*drawn) > text.bounds().normalized().width() + 1;
}

bool holdsItsValue(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                   BoxOwner owner) {
    if (!isExactlyText(&field) || field.Text_Value.isEmpty())
        return true;
    const std::shared_ptr<SKTGraphic> grown = field.clone();
    if (const double h = textHeightWithin(field, side, card); owner == BoxOwner::Rule && h > 0 && std::isfinite(h))
        grown->setHeight(h);
    const QRectF box = grown->bounds().normalized();
    const double points = owner == BoxOwner::Rule ? drawnTextPointSize(*grown) : field.text_ctrl_font.pointSizeF();
    const std::shared_ptr<SKTGraphic> drawn = grown->clone();
    drawn->text_ctrl_font.setPointSizeF(points);
    // A point is left for the rounding of a box made to its lines.
    if (longestWordWidth(*drawn) > box.width() + 1 || fittedTextHeight(*drawn) > box.height() + 1)
        return false;
    return card.holds(grown->drawingBounds());
}

namespace {

// What of `others` a box covers, in square points.
double coveredBy(const QRectF& box, const QList<QRectF>& others) {
    double area = 0;
    for (const QRectF& o : others) {
        const QRectF both = box & o.normalized();
        area += both.width() * both.height();
    }
    return area;
}

// A field's box as it stands, the sizes it may grow to, largest share
// first, and what it keeps clear of.
struct Regrowing {
    QRectF own;
    QList<QSizeF> sizes;
    QList<QRectF> others;
};

Regrowing regrowingOf(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                      BoxOwner owner, FieldScales scales) {
    Regrowing out;
    out.own = field.bounds().normalized();
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
        s = s.expandedTo(out.own.size()).boundedTo(card.rect.size());
    out.sizes.erase(std::unique(out.sizes.begin(), out.sizes.end()), out.sizes.end());
    // A row the user placed over something (a band, a picture) stays over it.
    out.others = drawnRects(side, card.rect, &field);
    if (owner == BoxOwner::User)
        out.others.removeIf([&out](const QRectF& r) { return r.intersects(out.own); });
    return out;
}

// Where a box of size `s` stands: moved only as far as it must to lie on
// the card, inside its outline; a row the user placed along its line
// first, else moved onto the card as little as it can.
std::optional<QRectF> inPlace(const QRectF& own, const QSizeF& s, const CardArea& card, BoxOwner owner) {
    const QRectF wanted(own.topLeft(), s);
    if (owner == BoxOwner::User) {
        const QRectF line = QRectF(card.rect.left(), own.top(), card.rect.width(), s.height()) & card.rect;
        if (const auto r = freePlaceIn(wanted, card.outside, line, card.rect))
            return r;
        if (const QRectF onto = ontoCard(wanted, card.rect); card.holds(onto))
            return onto;
    }
    return freePlaceFor(wanted, {}, card);
}

// The first of its sizes that lies clear where it stands; a row the user
// placed keeps its corner where a size lets it (drawn smaller where it
// must), before it slides along its line.
std::optional<QRectF> clearInPlace(const Regrowing& r, const CardArea& card, BoxOwner owner) {
    if (owner == BoxOwner::User)
        for (const QSizeF& s : r.sizes)
            if (const QRectF at(r.own.topLeft(), s); liesClear(at, r.others, card))
                return at;
    for (const QSizeF& s : r.sizes)
        if (const auto at = inPlace(r.own, s, card, owner); at && liesClear(*at, r.others, card))
            return at;
    return std::nullopt;
}

}  // namespace

std::optional<QRectF> clearBoxAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side,
                                           const CardArea& card) {
    Regrowing r = regrowingOf(field, side, card, BoxOwner::User, {});
    // The frames of the side's hidden fields are kept for when they show,
    // as when a box grows down (textHeightWithin).
    for (const std::shared_ptr<SKTGraphic>& f : side)
        if (f && f.get() != &field && !f->ctrl_is_visible && isFieldId(f->control_ID))
            if (const QRectF frame = f->bounds().normalized(); !frame.intersects(r.own))
                r.others << frame;
    return clearInPlace(r, card, BoxOwner::User);
}

QRectF regrownBox(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  BoxOwner owner, FieldScales scales) {
    const Regrowing r = regrowingOf(field, side, card, owner, scales);
    if (const auto clear = clearInPlace(r, card, owner))
        return *clear;
    if (owner == BoxOwner::Rule) {
        const QList<QRectF> pictures = pictureRects(side, card.rect, &field);
        for (const QSizeF& s : r.sizes)
            if (const auto at = freePlaceFor(QRectF(r.own.topLeft(), s), r.others, card))
                return *at;
        // No clear place: where it covers the least, as a new field goes,
        // never over a picture where it need not be.
        return leastCoveringPlace(r.sizes, r.own.topLeft(), r.others, pictures, card);
    }
    std::optional<QRectF> best;
    double least = std::numeric_limits<double>::infinity();
    for (const QSizeF& s : r.sizes)
        if (const auto at = inPlace(r.own, s, card, owner)) {
            if (const double c = coveredBy(*at, r.others); c < least - 1e-6) {
                least = c;
                best = at;
            }
        }
    return best ? *best : ontoCard(QRectF(r.own.topLeft(), r.sizes.value(0, r.own.size())), card.rect);
}

}  // namespace zelk
