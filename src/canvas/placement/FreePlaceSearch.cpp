// The search for a clear place: where a box of a given size lies on the
// card meeting nothing taken, nearest a wanted place or first in reading
// order.
#include "canvas/placement/FreePlaceSearch.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

namespace zelk {

namespace {

// Where a rectangle lies along one axis, as QRectF reads it: from `at` for
// `length`, backwards where the length is negative.
struct Span {
    double lo, hi;
};

Span spanOf(double at, double length) { return length < 0 ? Span{at + length, at} : Span{at, at + length}; }

// QRectF::contains along one axis: both spans have length, `inner` lies in
// `outer`.
bool spanContains(const Span& outer, const Span& inner) {
    return outer.lo != outer.hi && inner.lo != inner.hi && !(inner.lo < outer.lo || inner.hi > outer.hi);
}

// A candidate corner's distance to the wanted one, and the corner: the
// search's order (nearest, then upper, then left).
struct Corner {
    double distance, y, x;
    bool operator<(const Corner& o) const { return std::tie(distance, y, x) < std::tie(o.distance, o.y, o.x); }
};

// The candidate coordinates along one axis that keep a rectangle of
// `length` on the card, sorted, each once.
std::vector<double> onCard(std::vector<double> at, double length, const Span& card) {
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    at.erase(std::remove_if(at.begin(), at.end(),
                            [&](double a) { return !spanContains(card, spanOf(a, length)); }),
             at.end());
    return at;
}

// How many runs cover each of `n` positions in a row, as runs are added
// and taken away, and the free positions (covered by none) nearest a given
// one. Each node keeps the least count below it, less what its ancestors
// add to all of it.
class RowCover {
public:
    explicit RowCover(std::size_t n) : n_(n), low_(4 * n + 4), add_(4 * n + 4) {}
    // Adds `by` to the count of each position in [from, to).
    void change(std::size_t from, std::size_t to, int by) { change(1, 0, n_, from, to, by); }
    // The first free position at or after `from`, else n.
    std::size_t freeFrom(std::size_t from) const { return freeFrom(1, 0, n_, from, 0); }
    // The last free position before `to`, else n.
    std::size_t freeBefore(std::size_t to) const { return freeBefore(1, 0, n_, to, 0); }

private:
    void change(std::size_t node, std::size_t lo, std::size_t hi, std::size_t from, std::size_t to, int by) {
        if (to <= lo || hi <= from)
            return;
        if (from <= lo && hi <= to) {
            add_[node] += by;
            low_[node] += by;
            return;
        }
        const std::size_t mid = (lo + hi) / 2;
        change(2 * node, lo, mid, from, to, by);
        change(2 * node + 1, mid, hi, from, to, by);
        low_[node] = std::min(low_[2 * node], low_[2 * node + 1]) + add_[node];
    }
    std::size_t freeFrom(std::size_t node, std::size_t lo, std::size_t hi, std::size_t from, int above) const {
        if (hi <= from || low_[node] + above > 0)
            return n_;
        if (hi - lo == 1)
            return lo;
        above += add_[node];
        const std::size_t mid = (lo + hi) / 2, left = freeFrom(2 * node, lo, mid, from, above);
        return left != n_ ? left : freeFrom(2 * node + 1, mid, hi, from, above);
    }
    std::size_t freeBefore(std::size_t node, std::size_t lo, std::size_t hi, std::size_t to, int above) const {
        if (to <= lo || low_[node] + above > 0)
            return n_;
        if (hi - lo == 1)
            return lo;
        above += add_[node];
        const std::size_t mid = (lo + hi) / 2, right = freeBefore(2 * node + 1, mid, hi, to, above);
        return right != n_ ? right : freeBefore(2 * node, lo, mid, to, above);
    }

    std::size_t n_;
    std::vector<int> low_, add_;
};

}  // namespace

std::optional<QRectF> freePlaceIn(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& area,
                                  const QRectF& edges) {
    if (area.contains(wanted) &&
        std::none_of(taken.cbegin(), taken.cend(), [&wanted](const QRectF& t) { return wanted.intersects(t); }))
        return wanted;
    const double w = wanted.width(), h = wanted.height(), gap = FieldClearance;
    // A rectangle without area has no place (and none of the callers asks
    // for one).
    if (!(w > 0 && h > 0))
        return std::nullopt;
    // A free place, if there is one, can slide left and up until it comes
    // within the clearance of the card's edge or of a taken rectangle:
    // those are the corners to try, and the wanted one. A corner is clear
    // when the rectangle there, grown by the clearance (less a rounding's
    // tolerance), meets no taken one, and it keeps the clearance from the
    // card's edges.
    const QRectF& card = edges.isNull() ? area : edges;
    std::vector<double> xs = {wanted.x(), card.left() + gap, card.right() - gap - w};
    std::vector<double> ys = {wanted.y(), card.top() + gap, card.bottom() - gap - h};
    struct Block {
        Span x, y;
    };
    std::vector<Block> blocks;
    blocks.reserve(taken.size());
    for (const QRectF& t : taken) {
        xs.push_back(t.right() + gap);
        xs.push_back(t.left() - gap - w);
        ys.push_back(t.bottom() + gap);
        ys.push_back(t.top() - gap - h);
        const Span tx = spanOf(t.x(), t.width()), ty = spanOf(t.y(), t.height());
        if (tx.lo != tx.hi && ty.lo != ty.hi)  // a rectangle without area meets nothing
            blocks.push_back({tx, ty});
    }
    // (A billionth of a point is left for the rounding of the far edge.)
    const QRectF within = (area & card.adjusted(gap, gap, -gap, -gap)).adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
    xs = onCard(std::move(xs), w, spanOf(within.x(), within.width()));
    ys = onCard(std::move(ys), h, spanOf(within.y(), within.height()));
    if (xs.empty() || ys.empty())
        return std::nullopt;
    // The grown rectangle at a corner (x, y) spans x - margin for grownW, as
    // QRectF::adjusted makes it, and likewise down; it meets a taken one
    // across both. Along each axis those that meet a taken span form a run
    // of the sorted candidates, so a taken rectangle blocks a run of
    // corners in each of a run of rows.
    const double margin = gap - 0.001, grownW = w + margin + margin, grownH = h + margin + margin;
    auto meeting = [margin](const std::vector<double>& at, double grown, const Span& t) {
        const auto from = std::partition_point(at.cbegin(), at.cend(),
                                               [&](double a) { return !(t.lo < a - margin + grown); });
        const auto to = std::partition_point(from, at.cend(), [&](double a) { return a - margin < t.hi; });
        return std::pair(std::size_t(from - at.cbegin()), std::size_t(to - at.cbegin()));
    };
    // Where a taken rectangle's run of rows begins its run of corners
    // counts as blocked, and where the rows end, as free again.
    struct Change {
        std::size_t row, from, to;
        int by;
    };
    std::vector<Change> changes;
    changes.reserve(2 * blocks.size());
    for (const Block& t : blocks) {
        const auto [top, bottom] = meeting(ys, grownH, t.y);
        const auto [left, right] = meeting(xs, grownW, t.x);
        if (top < bottom && left < right)
            changes.insert(changes.end(), {{top, left, right, 1}, {bottom, left, right, -1}});
    }
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.row < b.row; });

    // Row by row from the top, the free corners nearest wanted's x: the
    // first at or right of it (those farther right are no nearer), and the
    // last left of it, and farther left as long as the rounding makes one as
    // near (it then wins as the left one). A row farther from wanted's
    // corner than the nearest clear one found holds no nearer one.
    const std::size_t nearX = std::lower_bound(xs.cbegin(), xs.cend(), wanted.x()) - xs.cbegin();
    RowCover cover(xs.size());
    std::optional<Corner> best;
    auto change = changes.cbegin();
    for (std::size_t row = 0; row < ys.size(); ++row) {
        for (; change != changes.cend() && change->row == row; ++change)
            cover.change(change->from, change->to, change->by);
        const double y = ys[row], dy = y - wanted.y();
        if (best && dy * dy > best->distance)
            continue;
        auto consider = [&](std::size_t i) {
            const double dx = xs[i] - wanted.x();
            const Corner c{dx * dx + dy * dy, y, xs[i]};
            if (!best || c < *best)
                best = c;
            return c.distance;
        };
        if (const std::size_t right = cover.freeFrom(nearX); right < xs.size())
            consider(right);
        if (std::size_t left = cover.freeBefore(nearX); left < xs.size()) {
            const double nearest = consider(left);
            while ((left = cover.freeBefore(left)) < xs.size() && consider(left) == nearest) {
            }
        }
    }
    if (!best)
        return std::nullopt;
    return QRectF(best->x, best->y, w, h);
}

std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const CardArea& card) {
    return freePlaceIn(wanted, withOutside(taken, card), card.rect);
}

std::optional<QRectF> firstInReadingOrder(const QSizeF& size, const QList<QRectF>& taken, const QRectF& card) {
    const double w = size.width(), h = size.height(), gap = FieldClearance, margin = gap - 0.001;
    std::vector<double> ys = {card.top() + gap};
    for (const QRectF& t : taken)
        ys.push_back(t.bottom() + gap);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    // What is taken, from the left: on each line, what meets it blocks the
    // spans of x its left may not take in that order.
    thread_local std::vector<QRectF> byLeft;
    byLeft.assign(taken.cbegin(), taken.cend());
    std::sort(byLeft.begin(), byLeft.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    for (double y : ys) {
        if (y < card.top() || y + h > card.bottom() - gap + 1e-9)
            continue;
        double x = card.left() + gap;
        for (const QRectF& t : byLeft) {
            if (!(t.top() < y + h + margin && t.bottom() > y - margin))
                continue;
            const double from = t.left() - margin - w, to = t.right() + margin;
            if (from >= x)
                break;
            if (to > x)
                x = std::max(x, to - margin + gap);
        }
        if (x + w <= card.right() - gap + 1e-9)
            return QRectF(x, y, w, h);
    }
    return std::nullopt;
}

}  // namespace zelk
