// The search for the least harm: where a box goes when the card has no
// clear place for it, covering the least of what is taken and never a
// picture or what lies beyond the card's outline.
#include "canvas/placement/LeastCoverSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
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

// A rect as plain edges, met as QRectF::intersects meets it.
struct Edges {
    double left, top, right, bottom;
};

// The kept-clear rects as edges, each list once for every size searched
// (an empty rect meets nothing, and is left out).
std::vector<std::vector<Edges>> keptEdges(const QList<KeptClear>& kept) {
    std::vector<std::vector<Edges>> out;
    for (const KeptClear& k : kept) {
        std::vector<Edges>& edges = out.emplace_back();
        for (const QRectF& r : k.rects)
            if (const QRectF n = r.normalized(); n.width() > 0 && n.height() > 0)
                edges.push_back({n.left(), n.top(), n.right(), n.bottom()});
    }
    return out;
}

// Whether a box of one size keeps its parts clear, asked place by place
// along a row: the rects a part's row meets are picked once for the row.
class KeptParts {
public:
    KeptParts(const QList<KeptClear>& kept, const std::vector<std::vector<Edges>>& edges, const QSizeF& box,
              const std::function<bool(const QRectF&)>& holds)
        : edges_(edges), inRow_(edges.size()), box_(box), holds_(holds) {
        for (const KeptClear& k : kept) {
            const std::optional<QRectF> part = k.part(box);
            none_ = none_ || !part;
            parts_.push_back(part.value_or(QRectF()));
        }
    }
    bool given() const { return !parts_.empty() || holds_; }
    // Where a size keeps no part, no place of it fits.
    bool nowhere() const { return none_; }
    void row(double y) {
        y_ = y;
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            const QRectF& p = parts_[i];
            const double top = p.y() + y, bottom = top + p.height();
            inRow_[i].clear();
            if (p.width() > 0 && p.height() > 0)
                for (const Edges& d : edges_[i])
                    if (d.top < bottom && top < d.bottom)
                        inRow_[i].push_back(d);
        }
    }
    bool fits(double x) const {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            const double left = parts_[i].x() + x, right = left + parts_[i].width();
            for (const Edges& d : inRow_[i])
                if (d.left < right && left < d.right)
                    return false;
        }
        return !holds_ || holds_(QRectF(QPointF(x, y_), box_));
    }
    // The row's places a part surely cannot keep clear at, as open spans
    // of the box's left, sorted and joined: a rect's span narrowed by a
    // margin far above the rounding of the edges, so that a place at or
    // near a span's end is asked of fits().
    void blocked(std::vector<std::pair<double, double>>& spans) const {
        spans.clear();
        constexpr double margin = 1e-6;
        for (std::size_t i = 0; i < parts_.size(); ++i)
            for (const Edges& d : inRow_[i])
                if (const double lo = d.left - parts_[i].x() - parts_[i].width() + margin,
                    hi = d.right - parts_[i].x() - margin;
                    lo < hi)
                    spans.emplace_back(lo, hi);
        std::sort(spans.begin(), spans.end());
        std::size_t n = 0;
        for (const auto& s : spans)
            if (n > 0 && s.first < spans[n - 1].second)
                spans[n - 1].second = std::max(spans[n - 1].second, s.second);
            else
                spans[n++] = s;
        spans.resize(n);
    }

private:
    const std::vector<std::vector<Edges>>& edges_;
    std::vector<QRectF> parts_;
    std::vector<std::vector<Edges>> inRow_;
    QSizeF box_;
    const std::function<bool(const QRectF&)>& holds_;
    double y_ = 0;
    bool none_ = false;
};

// The place of the box that covers the least of `cover` and none of
// `keepOff` (where there is none such, the least of all), where `kept`
// and `fits` hold only where they hold somewhere; of equals, one that
// keeps the clearance from the card's edges and its outline, then the
// nearest to the wanted one, then the first in the search's order (rows,
// then columns). It never lies beyond the outline where it has a place
// inside it; where it has none (a box larger than the card's inside), it
// lies beyond it the least.
Covering leastCovering(const QSizeF& size, const QPointF& at, const CoverMap& cover, const CoverMap* keepOff,
                       const OutlineMaps& outline, const QRectF& card, const QList<KeptClear>& kept,
                       const std::vector<std::vector<Edges>>& keptRects,
                       const std::function<bool(const QRectF&)>& fits) {
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
    // What is covered or lies beyond is counted in whole cells, so places
    // are weighed by plain comparison: what lies beyond, what is covered,
    // the clearance, the distance, then the search's order.
    const double area = cover.cellArea();
    auto better = [](const Covering& a, const Covering& b) {
        return std::tie(a.past, a.cost, a.near, a.distance) < std::tie(b.past, b.cost, b.near, b.distance);
    };
    // Where places must keep clear, only those that do are weighed: few as
    // a rule, and found row by row between the spans where a part surely
    // meets what it keeps clear of; the best off `keepOff`, else the best.
    if (KeptParts parts(kept, keptRects, QSizeF(w, h), fits); parts.given() && !parts.nowhere()) {
        std::vector<std::size_t> byX(xs.size());
        for (std::size_t i = 0; i < byX.size(); ++i)
            byX[i] = i;
        std::stable_sort(byX.begin(), byX.end(), [&xs](std::size_t a, std::size_t b) { return xs[a] < xs[b]; });
        Covering best[2];  // off keepOff, and any
        std::pair<std::size_t, std::size_t> first[2];
        std::vector<std::pair<double, double>> spans;
        for (std::size_t yi = 0; yi < ys.size(); ++yi) {
            parts.row(ys[yi]);
            parts.blocked(spans);
            const CoverMap::Cells& r = rows[yi];
            const double dy = ys[yi] - wanted.y();
            auto weigh = [&](std::size_t xi) {
                const CoverMap::Cells& c = columns[xi];
                const double past = outline.beyond ? double(outline.beyond->count(c, r)) * area : 0.0;
                const double cost = double(cover.count(c, r)) * area;
                // No better than the worse of the two bests so far, at what
                // lies beyond and what is covered, it is taken by neither.
                if (std::tie(past, cost) > std::tie(best[0].past, best[0].cost))
                    return;
                const double dx = xs[xi] - wanted.x();
                const Covering place{QRectF(xs[xi], ys[yi], w, h), past, cost, dx * dx + dy * dy,
                                     nearX[xi] || nearY[yi] || (outline.near && outline.near->count(c, r) > 0)};
                const bool off = !keepOff || keepOff->count(c, r) <= 0;
                int clear = -1;  // asked once, where a search would take the place
                for (const int i : {0, 1})
                    if ((off || i == 1) &&
                        (better(place, best[i]) ||
                         (!better(best[i], place) && std::pair(yi, xi) < first[i])) &&
                        (clear >= 0 ? clear == 1 : (clear = parts.fits(xs[xi])) == 1)) {
                        best[i] = place;
                        first[i] = {yi, xi};
                    }
            };
            // The places between the spans (and at their ends).
            auto from = byX.begin();
            for (std::size_t s = 0; s <= spans.size(); ++s) {
                const double end = s < spans.size() ? spans[s].first : std::numeric_limits<double>::infinity();
                for (; from != byX.end() && xs[*from] <= end; ++from)
                    weigh(*from);
                if (s < spans.size())
                    from = std::lower_bound(from, byX.end(), spans[s].second,
                                            [&xs](std::size_t i, double v) { return xs[i] < v; });
            }
        }
        for (const Covering& b : best)
            if (b.found())
                return b;
    }
    // Each row's cover by column, of every map, read once for the row.
    std::vector<double> avoidRow, beyondRow, costRow, nearRow;
    auto span = [](const std::vector<double>& row, const CoverMap::Cells& c) {
        return c.first >= c.second ? 0.0 : row[std::size_t(c.second)] - row[std::size_t(c.first)];
    };
    auto search = [&](const CoverMap* avoid) {
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
            const double dy = ys[yi] - wanted.y();
            for (std::size_t xi = 0; xi < xs.size(); ++xi) {
                const CoverMap::Cells& c = columns[xi];
                if (avoid && span(avoidRow, c) > 0)
                    continue;
                const double dx = xs[xi] - wanted.x();
                const Covering place{QRectF(), outline.beyond ? span(beyondRow, c) * area : 0.0,
                                     span(costRow, c) * area, dx * dx + dy * dy,
                                     nearX[xi] || nearY[yi] || (outline.near && span(nearRow, c) > 0)};
                if (better(place, best)) {
                    best = place;
                    best.place = QRectF(xs[xi], ys[yi], w, h);
                }
            }
        }
        return best;
    };
    for (const CoverMap* avoid : {keepOff, static_cast<const CoverMap*>(nullptr)})
        if (const Covering best = search(avoid); best.found())
            return best;
    return {};
}

}  // namespace

bool keepsClear(const QList<KeptClear>& kept, const QRectF& box) {
    return std::all_of(kept.cbegin(), kept.cend(), [&box](const KeptClear& k) {
        const std::optional<QRectF> part = k.part(box.size());
        if (!part)
            return false;
        const QRectF at = part->translated(box.topLeft());
        return std::none_of(k.rects.cbegin(), k.rects.cend(), [&at](const QRectF& d) { return at.intersects(d); });
    });
}

double freeArea(const QList<QRectF>& taken, const CardArea& card) {
    return CoverMap(withOutside(taken, card), card.rect, coverCell(card.rect)).uncovered();
}

// Of the smallest of `sizes` (by area, the first few), the larger of equals.
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const CardArea& card, const QList<KeptClear>& kept,
                          const std::function<bool(const QRectF&)>& fits) {
    QList<QSizeF> smallest = sizes;
    std::stable_sort(smallest.begin(), smallest.end(),
                     [](const QSizeF& a, const QSizeF& b) { return a.width() * a.height() < b.width() * b.height(); });
    smallest = smallest.mid(0, 3);
    const QRectF& rect = card.rect;
    const CoverMap cover(taken, rect, coverCell(rect));
    // The pictures' map, and the outline's, change seldom between searches:
    // each is made once for what the thread last searched.
    struct Pictures {
        QRectF rect;
        QList<QRectF> pictures;
        std::optional<CoverMap> map;
    };
    thread_local Pictures lastPictures;
    const CoverMap* keepOff = nullptr;
    if (!pictures.isEmpty()) {
        if (lastPictures.rect != rect || lastPictures.pictures != pictures || !lastPictures.map) {
            lastPictures.rect = rect;
            lastPictures.pictures = pictures;
            lastPictures.map.emplace(pictures, rect, coverCell(rect));
        }
        keepOff = &*lastPictures.map;
    }
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
    const std::vector<std::vector<Edges>> keptRects = keptEdges(kept);
    Covering best;
    for (const QSizeF& s : sizes)
        if (smallest.contains(s)) {
            const Covering c = leastCovering(s, at, cover, keepOff, outline, rect, kept, keptRects, fits);
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
