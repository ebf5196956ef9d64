#include "canvas/FieldPlacement.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace zelk {

namespace {

// The sizes between a field's own and the smallest it is drawn at that a
// place is searched for.
constexpr int FieldScaleSteps = 5;

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

std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card) {
    if (card.contains(wanted) &&
        std::none_of(taken.cbegin(), taken.cend(), [&wanted](const QRectF& t) { return wanted.intersects(t); }))
        return wanted;
    const double w = wanted.width(), h = wanted.height(), gap = FieldClearance;
    // A rectangle without area has no place (and none of the callers asks
    // for one).
    if (!(w > 0 && h > 0))
        return std::nullopt;
    // A free place, if there is one, can slide left and up until it touches
    // the card's edge or a taken rectangle: those are the corners to try,
    // and the wanted one. A corner is clear when the rectangle there, grown
    // by the clearance (less a rounding's tolerance), meets no taken one.
    std::vector<double> xs = {wanted.x(), card.left() + gap, card.right() - gap - w};
    std::vector<double> ys = {wanted.y(), card.top() + gap, card.bottom() - gap - h};
    struct Taken {
        Span x, y;
    };
    std::vector<Taken> blocks;
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
    xs = onCard(std::move(xs), w, spanOf(card.x(), card.width()));
    ys = onCard(std::move(ys), h, spanOf(card.y(), card.height()));
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
    for (const Taken& t : blocks) {
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

QRectF ontoCard(const QRectF& r, const QRectF& card) {
    const double w = std::min(r.width(), card.width()), h = std::min(r.height(), card.height());
    return QRectF(std::clamp(r.x(), card.left(), card.right() - w), std::clamp(r.y(), card.top(), card.bottom() - h),
                  w, h);
}

namespace {

// A text box left empty, without fill or border, puts nothing on the card
// (the text tool leaves one each time it is chosen).
bool drawsNothing(const SKTGraphic& g) {
    return isExactlyText(&g) && g._Text_contents.isEmpty() && !g._isDrawingFill && !g._isDrawingStroke;
}

}  // namespace

QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except,
                         const SKTGraphic* partner) {
    QList<QRectF> out;
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && g.get() != except && g.get() != partner && g->ctrl_is_visible && !drawsNothing(*g))
            out << g->drawingBounds();
    return out;
}

QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except) {
    QList<QRectF> pictures, others;
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || g.get() == except || !g->ctrl_is_visible || drawsNothing(*g))
            continue;
        (isExactlyImage(g.get()) || isExactlyBarcode(g.get()) ? pictures : others) << g->drawingBounds();
    }
    // A frame drawn just around a picture goes with it.
    for (QRectF& p : pictures)
        for (const QRectF& o : others)
            if (o.contains(p) && o.width() * o.height() <= 2 * p.width() * p.height())
                p = o;
    return pictures;
}

double longestWordWidth(const SKTGraphic& text) {
    if (!isExactlyText(&text))
        return 0;
    SKTText probe(static_cast<const SKTText&>(text));
    double widest = 0;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : text.Text_Value.split(blanks, Qt::SkipEmptyParts)) {
        probe.Set_text_value(word);
        widest = std::max(widest, probe.naturalTextSize().width());
    }
    return widest;
}

bool liesClear(const QRectF& drawn, const QList<QRectF>& others, const QRectF& card) {
    constexpr double Slack = 0.01;
    const QRectF inner = drawn.adjusted(Slack, Slack, -Slack, -Slack);
    return card.adjusted(-Slack, -Slack, Slack, Slack).contains(drawn) &&
           std::none_of(others.cbegin(), others.cend(), [&inner](const QRectF& r) { return inner.intersects(r); });
}

QList<QSizeF> fieldSizes(const SKTGraphic& field, const QSizeF& card, FieldScales scales, bool startWidthFirst) {
    const QRectF box = field.bounds().normalized();
    const double own = field.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&field) || field.Text_Value.isEmpty() || !(own > 0))
        return {box.size()};
    const double room = std::max(card.width() - 2 * FieldClearance, 1.0);
    const double largest = std::clamp(scales.largest, SmallestFieldScale, 1.0);
    const double smallest = std::clamp(scales.smallest, SmallestFieldScale, largest);
    const int steps = largest - smallest < 0.001 ? 0 : FieldScaleSteps;
    const std::shared_ptr<SKTGraphic> t = field.clone();
    // No box narrower than its longest word, which would break inside it.
    const double word = longestWordWidth(field);
    QList<QSizeF> sizes;
    for (int step = 0; step <= steps; ++step) {
        t->text_ctrl_font.setPointSizeF(own * (largest - (largest - smallest) * step / std::max(steps, 1)));
        // As wide as its longest line where the card has room for it (a new
        // text's width at least, where that comes first), then boxes of
        // about two and three lines of it, a new text's width, and a short
        // text's own.
        const double share = t->text_ctrl_font.pointSizeF() / own;
        const double line = std::min(static_cast<const SKTText&>(*t).naturalTextSize().width(), room);
        const double least = std::min(line, std::ceil(word * share) + 1);
        const double start = std::min(NewTextWidth, room);
        QList<double> widths = {startWidthFirst ? std::max(line, start) : line};
        for (double w : {std::ceil(line / 2) + 2, std::ceil(line / 3) + 2, start, line})
            if (w < widths.last() - 4 && w >= least)
                widths << w;
        QList<QSizeF> scale;
        for (double w : widths) {
            t->setBounds(QRectF(box.topLeft(), QSizeF(w, box.height())));
            const QSizeF s(w, fittedTextHeight(*t));
            // A narrower box of as many lines takes less room; a new text's
            // width is kept where it holds the lines.
            if (!scale.isEmpty() && s.height() <= scale.last().height() &&
                (scale.last().width() > start || !startWidthFirst))
                scale.last() = s;
            else
                scale << s;
        }
        for (const QSizeF& s : scale)
            if (!sizes.contains(s))
                sizes << s;
    }
    return sizes;
}

namespace {

// A place of the least cover, what it covers and how far it lies from the
// wanted one (squared).
struct Covering {
    QRectF place;
    double cost = std::numeric_limits<double>::infinity(), distance = 0;
};

// What a side's rectangles cover, counted on a grid of cells over the card
// (a cell any of them touches counts whole) and summed, so that what a box
// anywhere covers is read at once.
class CoverMap {
public:
    CoverMap(const QList<QRectF>& rects, const QRectF& card, double cell)
        : card_(card), cell_(cell), cols_(cellsAlong(card.width())), rows_(cellsAlong(card.height())),
          sums_(size_t(cols_ + 1) * size_t(rows_ + 1), 0.0) {
        // Each rectangle's corners into a difference grid, then summed twice:
        // once into the count of each cell, once into the counts' sums.
        std::vector<double> diff(sums_.size(), 0.0);
        auto at = [this](int col, int row) { return size_t(row) * size_t(cols_ + 1) + size_t(col); };
        for (const QRectF& r : rects) {
            const auto [c0, c1] = span(r.left() - card.left(), r.right() - card.left(), cols_);
            const auto [r0, r1] = span(r.top() - card.top(), r.bottom() - card.top(), rows_);
            if (c0 >= c1 || r0 >= r1)
                continue;
            diff[at(c0, r0)] += 1;
            diff[at(c1, r0)] -= 1;
            diff[at(c0, r1)] -= 1;
            diff[at(c1, r1)] += 1;
        }
        for (int row = 0; row < rows_; ++row)
            for (int col = 0; col < cols_; ++col) {
                double& d = diff[at(col, row)];
                if (col > 0)
                    d += diff[at(col - 1, row)];
                if (row > 0)
                    d += diff[at(col, row - 1)];
                if (col > 0 && row > 0)
                    d -= diff[at(col - 1, row - 1)];
                sums_[at(col + 1, row + 1)] = d + sums_[at(col, row + 1)] + sums_[at(col + 1, row)] - sums_[at(col, row)];
                if (d < 0.5)
                    uncovered_ += cell_ * cell_;
            }
    }
    // The room no rectangle touches, in square points.
    double uncovered() const { return uncovered_; }
    // What the box covers, in square points.
    double covered(const QRectF& box) const {
        const auto [c0, c1] = span(box.left() - card_.left(), box.right() - card_.left(), cols_);
        const auto [r0, r1] = span(box.top() - card_.top(), box.bottom() - card_.top(), rows_);
        if (c0 >= c1 || r0 >= r1)
            return 0;
        auto at = [this](int col, int row) { return sums_[size_t(row) * size_t(cols_ + 1) + size_t(col)]; };
        return (at(c1, r1) - at(c0, r1) - at(c1, r0) + at(c0, r0)) * cell_ * cell_;
    }

private:
    int cellsAlong(double length) const { return std::max(1, int(std::ceil(length / cell_ - 1e-9))); }
    // The cells from `from` to `to` (from the card's edge) touch, as [first, end).
    std::pair<int, int> span(double from, double to, int cells) const {
        const int first = std::clamp(int(std::floor(from / cell_ + 1e-9)), 0, cells);
        const int end = std::clamp(int(std::ceil(to / cell_ - 1e-9)), 0, cells);
        return {first, end};
    }
    QRectF card_;
    double cell_;
    int cols_, rows_;
    std::vector<double> sums_;
    double uncovered_ = 0;
};

// The cell of the cover maps: a point, coarser on a large card so that a
// map holds at most about a quarter of a million cells.
double coverCell(const QRectF& card) {
    return std::max(1.0, std::sqrt(card.width() * card.height() / 250000.0));
}

// The places a box of `extent` is tried at along one axis: every cell from
// the low end, the high end and the wanted one.
std::vector<double> coverCandidates(double lo, double hi, double wanted, double cell) {
    std::vector<double> at = {std::clamp(wanted, lo, hi), hi};
    for (double v = lo; v < hi; v += cell)
        at.push_back(v);
    return at;
}

// The place of the box that covers the least of `cover` and none of
// `keepOff` (where there is none such, the least of all), the nearest to
// the wanted one of equals.
Covering leastCovering(const QSizeF& size, const QPointF& at, const CoverMap& cover, const CoverMap* keepOff,
                       const QRectF& card) {
    const double w = std::min(size.width(), card.width()), h = std::min(size.height(), card.height());
    const QPointF wanted = ontoCard(QRectF(at, QSizeF(w, h)), card).topLeft();
    const double cell = coverCell(card);
    const std::vector<double> xs = coverCandidates(card.left(), card.right() - w, wanted.x(), cell);
    const std::vector<double> ys = coverCandidates(card.top(), card.bottom() - h, wanted.y(), cell);
    auto search = [&](const CoverMap* avoid) {
        Covering best;
        for (double y : ys)
            for (double x : xs) {
                const QRectF r(x, y, w, h);
                if (avoid && avoid->covered(r) > 0)
                    continue;
                const double cost = cover.covered(r);
                const double dx = x - wanted.x(), dy = y - wanted.y(), distance = dx * dx + dy * dy;
                if (cost < best.cost - 1e-6 || (cost < best.cost + 1e-6 && distance < best.distance))
                    best = {r, cost, distance};
            }
        return best;
    };
    Covering best = search(keepOff);
    if (!std::isfinite(best.cost))
        best = search(nullptr);
    return best;
}

}  // namespace

double freeRoom(const QList<QRectF>& taken, const QRectF& card) {
    return CoverMap(taken, card, coverCell(card)).uncovered();
}

// Of the smallest of `sizes` (by area, the first few), the larger of equals.
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const QRectF& card) {
    QList<QSizeF> smallest = sizes;
    std::stable_sort(smallest.begin(), smallest.end(),
                     [](const QSizeF& a, const QSizeF& b) { return a.width() * a.height() < b.width() * b.height(); });
    smallest = smallest.mid(0, 3);
    const CoverMap cover(taken, card, coverCell(card));
    std::optional<CoverMap> keepOff;
    if (!pictures.isEmpty())
        keepOff.emplace(pictures, card, coverCell(card));
    Covering best;
    for (const QSizeF& s : sizes)
        if (smallest.contains(s)) {
            const Covering c = leastCovering(s, at, cover, keepOff ? &*keepOff : nullptr, card);
            if (c.cost < best.cost - 1e-6)
                best = c;
        }
    return best.place;
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const QRectF& card,
                     const QList<QRectF>& pictures) {
    for (const QSizeF& s : sizes)
        if (const auto r = freePlaceFor(QRectF(at, s), taken, card))
            return *r;
    return leastCoveringPlace(sizes, at, taken, pictures, card);
}

namespace {

// The first clear place of `size` in reading order: its top at the card's
// (less the clearance) or just under what is taken, its left likewise.
std::optional<QRectF> firstInReadingOrder(const QSizeF& size, const QList<QRectF>& taken, const QRectF& card) {
    const double w = size.width(), h = size.height(), gap = FieldClearance, margin = gap - 0.001;
    std::vector<double> ys = {card.top() + gap};
    for (const QRectF& t : taken)
        ys.push_back(t.bottom() + gap);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    for (double y : ys) {
        if (y < card.top() || y + h > card.bottom() - gap + 1e-9)
            continue;
        // What meets the line, as spans of x its left may not take.
        std::vector<std::pair<double, double>> blocked;
        for (const QRectF& t : taken)
            if (t.top() < y + h + margin && t.bottom() > y - margin)
                blocked.push_back({t.left() - margin - w, t.right() + margin});
        std::sort(blocked.begin(), blocked.end());
        double x = card.left() + gap;
        for (const auto& [from, to] : blocked) {
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

}  // namespace

QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const QRectF& card,
                    const QList<QRectF>& pictures) {
    std::optional<QRectF> first;
    for (const QSizeF& s : sizes)
        if (const auto r = firstInReadingOrder(s, taken, card))
            if (!first || std::make_tuple(r->top(), r->left(), r->width() * r->height()) <
                              std::make_tuple(first->top(), first->left(), first->width() * first->height()))
                first = r;
    return first ? *first : leastCoveringPlace(sizes, card.topLeft(), taken, pictures, card);
}

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
                           const QList<QRectF>& taken, const QRectF& card, bool partnerMoves,
                           const QList<QRectF>& pictures) {
    // A side's band lies outside the partner: only the rest can be in the way.
    for (const QSizeF& s : sizes) {
        for (Beside side : sides) {
            const QRectF r = sidePlace(partner, s, side).place;
            if (freePlaceFor(r, taken, card) == r)
                return {r, partner};
        }
        for (Beside side : sides) {
            const SidePlace at = sidePlace(partner, s, side);
            if (const auto r = freePlaceFor(at.place, taken, at.band & card))
                return {*r, partner};
        }
    }
    const Beside first = sides.value(0, Beside::Above);
    if (partnerMoves) {
        // Nowhere beside it where it stands: the two go together where both
        // are clear.
        for (const QSizeF& s : sizes)
            for (Beside side : sides) {
                const QRectF field = sidePlace(partner, s, side).place;
                const QRectF both = field | partner;
                if (const auto r = freePlaceFor(both, taken, card)) {
                    const QPointF by = r->topLeft() - both.topLeft();
                    return {field.translated(by), partner.translated(by)};
                }
            }
    }
    // The partner stays: the field goes to the clear place nearest its
    // first side, else where it covers the least, never over its partner.
    QList<QRectF> withPartner = taken;
    withPartner << partner;
    for (const QSizeF& s : sizes)
        if (const auto r = freePlaceFor(sidePlace(partner, s, first).place, withPartner, card))
            return {*r, partner};
    QList<QRectF> keepOff = pictures;
    keepOff << partner;
    return {leastCoveringPlace(sizes, sidePlace(partner, sizes.value(sizes.size() - 1), first).place.topLeft(),
                               withPartner, keepOff, card),
            partner};
}

QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card) {
    const QRectF above = sidePlace(value, caption, Beside::Above).place;
    return above.top() >= card.top() ? above : sidePlace(value, caption, Beside::Before).place;
}

double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card) {
    const double lines = fittedTextHeight(g);
    const QRectF box = g.bounds().normalized();
    if (!isFieldId(g.control_ID) || !(lines > box.height()))
        return lines;
    // What lies below the box across its width stops it; what it already
    // meets does not.
    double bottom = std::max(card.bottom(), box.bottom());
    for (const std::shared_ptr<SKTGraphic>& t : side) {
        if (!t || t.get() == &g || !(t->ctrl_is_visible || isFieldId(t->control_ID)))
            continue;
        const QRectF r = t->drawingBounds();
        if (r.left() < box.right() && r.right() > box.left() && r.top() >= box.bottom() - 0.001)
            bottom = std::min(bottom, r.top());
    }
    return std::max(box.height(), std::min(lines, bottom - box.top()));
}

}  // namespace zelk
