#pragma once
// The search for the least harm: where a box goes when the card has no
// clear place for it, covering the least of what is taken and never a
// picture or what lies beyond the card's outline; and the free area a side
// leaves.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zelk {

// What a side's rectangles cover, counted on a grid of cells over the card
// (a cell any of them touches counts whole) and summed, so that what a box
// anywhere covers is read at once.
class CoverMap {
public:
    CoverMap(const QList<QRectF>& rects, const QRectF& card, double cell)
        : card_(card), cell_(cell), cols_(cellsAlong(card.width())), rows_(cellsAlong(card.height())),
          sums_(size_t(cols_ + 1) * size_t(rows_ + 1), 0) {
        // Each rectangle's corners into a difference grid, then summed: each
        // cell's count is its row's run of the grid and the count above it,
        // and the counts' sums likewise. The grid and the row of counts are
        // the thread's own, cached for the next map: a search makes many.
        thread_local std::vector<std::int32_t> diff, above;
        diff.assign(sums_.size(), 0);
        above.assign(size_t(cols_), 0);
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
        int free = 0;
        for (int row = 0; row < rows_; ++row) {
            std::int32_t run = 0, counted = 0;
            const std::int32_t* d = &diff[at(0, row)];
            const std::int32_t* up = &sums_[at(1, row)];
            std::int32_t* sum = &sums_[at(1, row + 1)];
            for (int col = 0; col < cols_; ++col) {
                run += d[col];
                const std::int32_t count = run + above[size_t(col)];
                above[size_t(col)] = count;
                counted += count;
                sum[col] = counted + up[col];
                free += count == 0;
            }
        }
        uncovered_ = free * cell_ * cell_;
    }
    // The area no rectangle touches, in square points.
    double uncovered() const { return uncovered_; }
    // What the box covers, in square points.
    double covered(const QRectF& box) const {
        return covered(columns(box.left(), box.right()), rows(box.top(), box.bottom()));
    }
    // The cells a span across (or down) the card touches, as [first, end):
    // the same in every map of the card and cell.
    using Cells = std::pair<int, int>;
    Cells columns(double from, double to) const {
        return span(from - card_.left(), to - card_.left(), cols_);
    }
    Cells rows(double from, double to) const { return span(from - card_.top(), to - card_.top(), rows_); }
    // What a box over `rows` covers from the card's left to each column's
    // start, by column (cols + 1 of them, in cells): a box over columns
    // [c0, c1) of those rows covers (profile[c1] - profile[c0]) cells. The
    // counts are whole, so it is what covered() gives.
    void rowProfile(const Cells& rows, std::vector<double>& profile) const {
        const auto [r0, r1] = rows;
        profile.resize(size_t(cols_ + 1));
        const std::int32_t* top = &sums_[size_t(std::max(r0, 0)) * size_t(cols_ + 1)];
        const std::int32_t* bottom = &sums_[size_t(std::max(r1, r0)) * size_t(cols_ + 1)];
        for (int c = 0; c <= cols_; ++c)
            profile[size_t(c)] = r0 >= r1 ? 0.0 : double(bottom[c] - top[c]);
    }
    double cellArea() const { return cell_ * cell_; }
    // The cells a box over `cols` and `rows` covers, counted as rowProfile
    // counts them.
    std::int64_t count(const Cells& cols, const Cells& rows) const {
        const auto [c0, c1] = cols;
        const auto [r0, r1] = rows;
        if (c0 >= c1 || r0 >= r1)
            return 0;
        auto at = [this](int col, int row) {
            return std::int64_t(sums_[size_t(row) * size_t(cols_ + 1) + size_t(col)]);
        };
        return (at(c1, r1) - at(c1, r0)) - (at(c0, r1) - at(c0, r0));
    }
    double covered(const Cells& cols, const Cells& rows) const {
        const auto [c0, c1] = cols;
        const auto [r0, r1] = rows;
        if (c0 >= c1 || r0 >= r1)
            return 0;
        auto at = [this](int col, int row) { return sums_[size_t(row) * size_t(cols_ + 1) + size_t(col)]; };
        return double(at(c1, r1) - at(c0, r1) - at(c1, r0) + at(c0, r0)) * cell_ * cell_;
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
    std::vector<std::int32_t> sums_;
    double uncovered_ = 0;
};

// The cell of the cover maps: a point, coarser on a large card so that a
// map holds at most about a quarter of a million cells.
double coverCell(const QRectF& card);

// The area of `card`, inside its outline, that none of `taken` touches, in
// square points (to the point).
double freeArea(const QList<QRectF>& taken, const CardArea& card);

// A part of a place kept clear of some rects: of a box of the size given
// (as the search weighs it), the part, from the box's top left, that meets
// none of `rects`; none where no box of that size keeps it.
struct KeptClear {
    QList<QRectF> rects;
    std::function<std::optional<QRectF>(const QSizeF&)> part;
};

// Whether `box` keeps each of the parts `kept` names clear.
bool keepsClear(const QList<KeptClear>& kept, const QRectF& box);

// The rectangle of one of the smallest of `sizes` on `card` that covers
// the least of `taken` and none of `pictures` (where every place covers
// one, the least of all), the nearest to `at` of equals, and, where `kept`
// or `fits` is given, only where each of the parts kept keeps clear and
// `fits` holds (where that holds nowhere, as if neither were given). It
// keeps FieldClearance from the card's edges and outline where the card
// has room for that, and never lies beyond the outline where a size has a
// place inside it (where none has, it lies beyond it the least).
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const CardArea& card, const QList<KeptClear>& kept = {},
                          const std::function<bool(const QRectF&)>& fits = {});

// The place nearest `at` of a box of `size` that touches nothing of
// `cover` and where `fits` holds; none where there is no such place.
std::optional<QRectF> nearestUncovered(const QSizeF& size, const QPointF& at, const CoverMap& cover, const QRectF& card,
                                       const std::function<bool(const QRectF&)>& fits);

// What a field's box keeps its clearance from: `taken` and the outline
// grown by it, and the card's edges.
QList<QRectF> grownByClearance(const QList<QRectF>& taken, const CardArea& card);

}  // namespace zelk
