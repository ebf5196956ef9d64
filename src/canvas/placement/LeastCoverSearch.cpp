// The search for the least harm: where a box goes when the card has no
// clear place for it, covering the least of what is taken and never a
// picture or what lies beyond the card's outline.
#include "canvas/placement/LeastCoverSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace zelk {

double coverCell(const QRectF& card) {
    return std::max(1.0, std::sqrt(card.width() * card.height() / 250000.0));
}

namespace {

// A place of the least cover: how much of it lies beyond the card's
// outline, what it covers, how far it lies from the wanted one (squared),
// and whether it comes within the clearance of the edge or outline.
struct Covering {
    QRectF place;
    double past = std::numeric_limits<double>::infinity();
    double cost = std::numeric_limits<double>::infinity(), distance = 0;
    bool near = true;  // within the clearance of the card's edge or outline
    bool found() const { return std::isfinite(cost); }
};

// The places a box of `extent` is tried at along one axis: every cell from
// the low end, the high end and the wanted one.
std::vector<double> coverCandidates(double lo, double hi, double wanted, double cell) {
    std::vector<double> at = {std::clamp(wanted, lo, hi), hi};
    for (double v = lo; v < hi; v += cell)
        at.push_back(v);
    return at;
}

// The outline a least-covering place keeps to: what lies beyond it, and
// the same grown by the clearance.
struct OutlineMaps {
    const CoverMap* beyond = nullptr;
    const CoverMap* near = nullptr;
};

// The place of the box that covers the least of `cover` and none of
// `keepOff` (where there is none such, the least of all), where `fits` is
// given only where it holds (where it holds nowhere, as if not given); of
// equals, one that keeps the clearance from the card's edges and its
// outline, then the nearest to the wanted one. It never lies beyond the
// outline where it has a place inside it; where it has none (a box larger
// than the card's inside), it lies beyond it the least.
Covering leastCovering(const QSizeF& size, const QPointF& at, const CoverMap& cover, const CoverMap* keepOff,
                       const OutlineMaps& outline, const QRectF& card, const std::function<bool(const QRectF&)>& fits) {
    const double w = std::min(size.width(), card.width()), h = std::min(size.height(), card.height());
    const QPointF wanted = ontoCard(QRectF(at, QSizeF(w, h)), card).topLeft();
    const double cell = coverCell(card), gap = FieldClearance;
    std::vector<double> xs = coverCandidates(card.left(), card.right() - w, wanted.x(), cell);
    std::vector<double> ys = coverCandidates(card.top(), card.bottom() - h, wanted.y(), cell);
    // The places just clear of the card's edges, where the box leaves room.
    if (card.width() >= w + 2 * gap)
        xs.insert(xs.end(), {card.left() + gap, card.right() - gap - w});
    if (card.height() >= h + 2 * gap)
        ys.insert(ys.end(), {card.top() + gap, card.bottom() - gap - h});
    const QRectF inner = card.adjusted(gap - 1e-9, gap - 1e-9, -gap + 1e-9, -gap + 1e-9);
    // The cells of each candidate's span, once for all the maps, and
    // whether it comes within the clearance of the card's edges.
    std::vector<CoverMap::Cells> columns(xs.size()), rows(ys.size());
    std::vector<char> nearX(xs.size()), nearY(ys.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        columns[i] = cover.columns(xs[i], xs[i] + w);
        nearX[i] = xs[i] < inner.left() || xs[i] + w > inner.right();
    }
    for (std::size_t i = 0; i < ys.size(); ++i) {
        rows[i] = cover.rows(ys[i], ys[i] + h);
        nearY[i] = ys[i] < inner.top() || ys[i] + h > inner.bottom();
    }
    // Each row's cover by column, of every map, read once for the row.
    std::vector<double> avoidRow, beyondRow, costRow, nearRow;
    auto span = [](const std::vector<double>& row, const CoverMap::Cells& c) {
        return c.first >= c.second ? 0.0 : row[std::size_t(c.second)] - row[std::size_t(c.first)];
    };
    const double area = cover.cellArea();
    auto search = [&](const CoverMap* avoid, bool fitting) {
        Covering best;
        for (std::size_t yi = 0; yi < ys.size(); ++yi) {
            const CoverMap::Cells& r = rows[yi];
            if (avoid)
                avoid->rowProfile(r, avoidRow);
            if (outline.beyond)
                outline.beyond->rowProfile(r, beyondRow);
            if (outline.near)
                outline.near->rowProfile(r, nearRow);
            cover.rowProfile(r, costRow);
            for (std::size_t xi = 0; xi < xs.size(); ++xi) {
                const CoverMap::Cells& c = columns[xi];
                if (avoid && span(avoidRow, c) > 0)
                    continue;
                const QRectF box(xs[xi], ys[yi], w, h);
                const double past = outline.beyond ? span(beyondRow, c) * area : 0.0;
                const double cost = span(costRow, c) * area;
                const bool near = nearX[xi] || nearY[yi] || (outline.near && span(nearRow, c) > 0);
                const double dx = xs[xi] - wanted.x(), dy = ys[yi] - wanted.y(), distance = dx * dx + dy * dy;
                auto below = [](double a, double b) { return a < b - 1e-6; };
                auto same = [](double a, double b) { return std::abs(a - b) <= 1e-6 || a == b; };
                const bool better =
                    below(past, best.past) ||
                    (same(past, best.past) &&
                     (below(cost, best.cost) ||
                      (same(cost, best.cost) && (near < best.near || (near == best.near && distance < best.distance)))));
                if (better && (!fitting || fits(box)))
                    best = {box, past, cost, distance, near};
            }
        }
        return best;
    };
    for (const bool fitting : {true, false}) {
        if (fitting && !fits)
            continue;
        for (const CoverMap* avoid : {keepOff, static_cast<const CoverMap*>(nullptr)})
            if (const Covering best = search(avoid, fitting); best.found())
                return best;
    }
    return {};
}

}  // namespace

double freeArea(const QList<QRectF>& taken, const CardArea& card) {
    return CoverMap(withOutside(taken, card), card.rect, coverCell(card.rect)).uncovered();
}

// Of the smallest of `sizes` (by area, the first few), the larger of equals.
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const CardArea& card,
                          const std::function<bool(const QRectF&)>& fits) {
    QList<QSizeF> smallest = sizes;
    std::stable_sort(smallest.begin(), smallest.end(),
                     [](const QSizeF& a, const QSizeF& b) { return a.width() * a.height() < b.width() * b.height(); });
    smallest = smallest.mid(0, 3);
    const QRectF& rect = card.rect;
    const CoverMap cover(taken, rect, coverCell(rect));
    std::optional<CoverMap> keepOff;
    if (!pictures.isEmpty())
        keepOff.emplace(pictures, rect, coverCell(rect));
    // The outline's maps are the card's: made once for the card the thread
    // last searched.
    struct Outline {
        QRectF rect;
        QList<QRectF> outside;
        std::optional<CoverMap> beyond, near;
    };
    thread_local Outline last;
    OutlineMaps outline;
    if (!card.outside.isEmpty()) {
        if (last.rect != rect || last.outside != card.outside || !last.beyond) {
            last.rect = rect;
            last.outside = card.outside;
            last.beyond.emplace(card.outside, rect, coverCell(rect));
            QList<QRectF> grown;
            for (const QRectF& o : card.outside)
                grown << o.adjusted(-FieldClearance + 0.001, -FieldClearance + 0.001, FieldClearance - 0.001,
                                    FieldClearance - 0.001);
            last.near.emplace(grown, rect, coverCell(rect));
        }
        outline.beyond = &*last.beyond;
        outline.near = &*last.near;
    }
    Covering best;
    for (const QSizeF& s : sizes)
        if (smallest.contains(s)) {
            const Covering c = leastCovering(s, at, cover, keepOff ? &*keepOff : nullptr, outline, rect, fits);
            if (c.past < best.past - 1e-6 || (c.past < best.past + 1e-6 && c.cost < best.cost - 1e-6))
                best = c;
        }
    return best.place;
}

std::optional<QRectF> nearestUncovered(const QSizeF& size, const QPointF& at, const CoverMap& cover, const QRectF& card,
                                       const std::function<bool(const QRectF&)>& fits) {
    const double w = size.width(), h = size.height();
    // Where less of the card is uncovered than the box's area, no place is.
    if (w > card.width() || h > card.height() || cover.uncovered() < w * h - 1e-6)
        return std::nullopt;
    const QPointF wanted = ontoCard(QRectF(at, size), card).topLeft();
    const double cell = coverCell(card);
    const std::vector<double> xs = coverCandidates(card.left(), card.right() - w, wanted.x(), cell);
    const std::vector<double> ys = coverCandidates(card.top(), card.bottom() - h, wanted.y(), cell);
    // The cells of each candidate's span, once.
    std::vector<CoverMap::Cells> columns(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        columns[i] = cover.columns(xs[i], xs[i] + w);
    // The nearest of the places in the candidates' order (rows, then
    // columns) that the first found of equals wins: the rows and columns
    // are gone through nearest first, and a row or a column that lies
    // farther than the nearest place found holds none nearer.
    auto nearestFirst = [](const std::vector<double>& at, double wanted) {
        std::vector<std::size_t> order(at.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(at[a] - wanted) < std::abs(at[b] - wanted);
        });
        return order;
    };
    const std::vector<std::size_t> byY = nearestFirst(ys, wanted.y()), byX = nearestFirst(xs, wanted.x());
    std::optional<QRectF> best;
    double nearest = std::numeric_limits<double>::infinity();
    std::pair<std::size_t, std::size_t> first;  // the best's row and column in the candidates' order
    std::vector<double> row;
    for (const std::size_t yi : byY) {
        const double dy = ys[yi] - wanted.y();
        if (dy * dy > nearest)
            break;
        cover.rowProfile(cover.rows(ys[yi], ys[yi] + h), row);
        for (const std::size_t xi : byX) {
            const double dx = xs[xi] - wanted.x(), d = dx * dx + dy * dy;
            if (d > nearest)
                break;
            if (d == nearest && std::pair(yi, xi) > first)
                continue;
            if (const CoverMap::Cells& c = columns[xi]; c.first >= c.second || row[std::size_t(c.second)] - row[std::size_t(c.first)] <= 0)
                if (const QRectF r(xs[xi], ys[yi], w, h); fits(r)) {
                    nearest = d;
                    best = r;
                    first = {yi, xi};
                }
        }
    }
    return best;
}

QList<QRectF> grownByClearance(const QList<QRectF>& taken, const CardArea& card) {
    const double gap = FieldClearance;
    QList<QRectF> out;
    for (const QRectF& t : withOutside(taken, card))
        out << t.normalized().adjusted(-gap + 0.001, -gap + 0.001, gap - 0.001, gap - 0.001);
    const QRectF& r = card.rect;
    out << QRectF(r.left(), r.top(), r.width(), gap) << QRectF(r.left(), r.bottom() - gap, r.width(), gap)
        << QRectF(r.left(), r.top(), gap, r.height()) << QRectF(r.right() - gap, r.top(), gap, r.height());
    return out;
}

}  // namespace zelk
