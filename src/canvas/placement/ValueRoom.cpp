// A field whose value changed where it stands: whether its box holds the
// new value whole, and the box it grows to where it does not.
#include "canvas/placement/ValueRoom.h"

#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
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
                   Holding how) {
    if (!isExactlyText(&field) || field.Text_Value.isEmpty())
        return true;
    const std::shared_ptr<SKTGraphic> grown = field.clone();
    if (const double h = textHeightWithin(field, side, card); how == Holding::GrowingDown && h > 0 && std::isfinite(h))
        grown->setHeight(h);
    const QRectF box = grown->bounds().normalized();
    const double points = how == Holding::GrowingDown ? drawnTextPointSize(*grown) : field.text_ctrl_font.pointSizeF();
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

}  // namespace

QRectF regrownBox(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  Regrow how, FieldScales scales) {
    const QRectF own = field.bounds().normalized();
    // Along its line: its widest box (its lines fewest) at each share,
    // largest first, before narrower boxes of more lines.
    QList<QSizeF> sizes, narrower;
    for (const double share : fieldScaleSteps(scales)) {
        const QList<QSizeF> at = fieldSizes(field, card.rect.size(), {share, share}, false);
        for (qsizetype i = 0; i < at.size(); ++i)
            (how == Regrow::AlongItsLine && i > 0 ? narrower : sizes) << at.at(i);
    }
    sizes += narrower;
    for (QSizeF& s : sizes)
        s = s.expandedTo(own.size()).boundedTo(card.rect.size());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    // What it keeps clear of; a row the user placed over something (a band,
    // a picture) stays over it.
    QList<QRectF> others = drawnRects(side, card.rect, &field);
    if (how == Regrow::AlongItsLine)
        others.removeIf([&own](const QRectF& r) { return r.intersects(own); });
    // Where it stands: moved only as far as it must to lie on the card,
    // inside its outline; a row the user placed along its line first, else
    // moved onto the card as little as it can.
    auto inPlace = [&](const QSizeF& s) -> std::optional<QRectF> {
        const QRectF wanted(own.topLeft(), s);
        if (how == Regrow::AlongItsLine) {
            const QRectF line = QRectF(card.rect.left(), own.top(), card.rect.width(), s.height()) & card.rect;
            if (const auto r = freePlaceIn(wanted, card.outside, line, card.rect))
                return r;
            if (const QRectF onto = ontoCard(wanted, card.rect); card.holds(onto))
                return onto;
        }
        return freePlaceFor(wanted, {}, card);
    };
    // A row the user placed keeps its corner where a size lets it (drawn
    // smaller where it must), before it slides along its line.
    if (how == Regrow::AlongItsLine)
        for (const QSizeF& s : sizes)
            if (const QRectF r(own.topLeft(), s); liesClear(r, others, card))
                return r;
    for (const QSizeF& s : sizes)
        if (const auto r = inPlace(s); r && liesClear(*r, others, card))
            return *r;
    if (how == Regrow::MayMove) {
        const QList<QRectF> pictures = pictureRects(side, card.rect, &field);
        for (const QSizeF& s : sizes)
            if (const auto r = freePlaceFor(QRectF(own.topLeft(), s), others, card))
                return *r;
        // No clear place: where it covers the least, as a new field goes,
        // never over a picture where it need not be.
        return leastCoveringPlace(sizes, own.topLeft(), others, pictures, card);
    }
    std::optional<QRectF> best;
    double least = std::numeric_limits<double>::infinity();
    for (const QSizeF& s : sizes)
        if (const auto r = inPlace(s)) {
            if (const double c = coveredBy(*r, others); c < least - 1e-6) {
                least = c;
                best = r;
            }
        }
    return best ? *best : ontoCard(QRectF(own.topLeft(), sizes.value(0, own.size())), card.rect);
}

}  // namespace zelk
