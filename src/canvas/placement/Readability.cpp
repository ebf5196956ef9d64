// Whether a field's text reads on what lies under it: the contrast of its
// colour with the ground, cell by cell, and where it would not read.
#include "canvas/placement/Readability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zelk {

namespace {

// The relative luminance of an sRGB colour (WCAG 2).
double luminanceOf(double r, double g, double b) {
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// The linear light of each 8-bit sRGB level.
const std::array<double, 256>& linearLevels() {
    static const std::array<double, 256> levels = [] {
        std::array<double, 256> out{};
        for (int i = 0; i < 256; ++i)
            out[size_t(i)] = luminanceOf(i / 255.0, 0, 0) / 0.2126;
        return out;
    }();
    return levels;
}

// The luminance of a pixel over white, its levels laid on white to the
// nearest 8-bit level.
double luminanceOf(QRgb p) {
    const int a = qAlpha(p);
    auto onWhite = [a](int c) { return a == 255 ? c : (c * a + 255 * (255 - a) + 127) / 255; };
    const std::array<double, 256>& l = linearLevels();
    return 0.2126 * l[size_t(onWhite(qRed(p)))] + 0.7152 * l[size_t(onWhite(qGreen(p)))] +
           0.0722 * l[size_t(onWhite(qBlue(p)))];
}

double luminanceOf(const QColor& c) {
    const QColor rgb = c.toRgb();
    return luminanceOf(rgb.redF(), rgb.greenF(), rgb.blueF());
}

double ratioOf(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

}  // namespace

FieldGround::FieldGround(const QImage& picture, const QRectF& card) : card_(card) {
    if (picture.isNull() || !(card.width() > 0 && card.height() > 0))
        return;
    cols_ = std::max(1, int(std::ceil(card.width() - 1e-9)));
    rows_ = std::max(1, int(std::ceil(card.height() - 1e-9)));
    luminance_.assign(size_t(cols_) * size_t(rows_), 0.0F);
    // Each cell the mean of the picture's pixels over it, on white.
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const double sx = image.width() / card.width(), sy = image.height() / card.height();
    // Each column's pixels, [first, past), found once for every row.
    std::vector<std::pair<int, int>> spans(static_cast<size_t>(cols_));
    for (int col = 0; col < cols_; ++col) {
        const int x0 = std::clamp(int(std::floor(col * sx)), 0, image.width() - 1);
        spans[size_t(col)] = {x0, std::clamp(int(std::ceil((col + 1) * sx)), x0 + 1, image.width())};
    }
    std::vector<double> sums(static_cast<size_t>(cols_));
    for (int row = 0; row < rows_; ++row) {
        const int y0 = std::clamp(int(std::floor(row * sy)), 0, image.height() - 1);
        const int y1 = std::clamp(int(std::ceil((row + 1) * sy)), y0 + 1, image.height());
        std::fill(sums.begin(), sums.end(), 0.0);
        for (int y = y0; y < y1; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int col = 0; col < cols_; ++col)
                for (int x = spans[size_t(col)].first; x < spans[size_t(col)].second; ++x)
                    sums[size_t(col)] += luminanceOf(line[x]);
        }
        float* out = &luminance_[size_t(row) * size_t(cols_)];
        for (int col = 0; col < cols_; ++col)
            out[col] = float(sums[size_t(col)] /
                             ((y1 - y0) * (spans[size_t(col)].second - spans[size_t(col)].first)));
    }
}

std::pair<int, int> FieldGround::cellsOf(double from, double to, int count) const {
    return {std::clamp(int(std::floor(from + 1e-6)), 0, count), std::clamp(int(std::ceil(to - 1e-6)), 0, count)};
}

double FieldGround::contrastAt(int col, int row, double textLuminance) const {
    return ratioOf(textLuminance, luminance_[size_t(row) * size_t(cols_) + size_t(col)]);
}

double FieldGround::contrastUnder(const QColor& colour, const QRectF& box) const {
    if (isNull())
        return std::numeric_limits<double>::infinity();
    const QRectF r = box.normalized();
    const auto [c0, c1] = cellsOf(r.left() - card_.left(), r.right() - card_.left(), cols_);
    const auto [r0, r1] = cellsOf(r.top() - card_.top(), r.bottom() - card_.top(), rows_);
    std::vector<double> ratios;
    const double text = luminanceOf(colour);
    for (int row = r0; row < r1; ++row)
        for (int col = c0; col < c1; ++col)
            ratios.push_back(contrastAt(col, row, text));
    if (ratios.empty())
        return std::numeric_limits<double>::infinity();
    const auto middle = ratios.begin() + std::ptrdiff_t(ratios.size() / 2);
    std::nth_element(ratios.begin(), middle, ratios.end());
    return *middle;
}

double FieldGround::keptContrast(const QColor& colour, const QRectF& box) const {
    return std::min(LeastMovedContrast, contrastUnder(colour, box));
}

QList<QRectF> FieldGround::unreadable(const QColor& colour, double least, const QRectF& own, double edge) const {
    QList<QRectF> out;
    if (isNull())
        return out;
    const double text = luminanceOf(colour);
    const QRectF o = own.normalized();
    // The own box's cells, columns then rows, each [first, past).
    const std::pair<int, int> ownCols =
        o.isEmpty() ? std::pair(0, 0) : cellsOf(o.left() - card_.left(), o.right() - card_.left(), cols_);
    const std::pair<int, int> ownRows =
        o.isEmpty() ? std::pair(0, 0) : cellsOf(o.top() - card_.top(), o.bottom() - card_.top(), rows_);
    // Which cells are unreadable, row by row (a row past the card's none).
    std::vector<char> bad(size_t(cols_) * size_t(rows_ + 2), 0);
    auto at = [&](int c, int row) -> char& { return bad[size_t(row + 1) * size_t(cols_) + size_t(c)]; };
    for (int row = 0; row < rows_; ++row)
        for (int c = 0; c < cols_; ++c) {
            const bool inOwn = row >= ownRows.first && row < ownRows.second && c >= ownCols.first && c < ownCols.second;
            at(c, row) = !inOwn && contrastAt(c, row, text) < least;
        }
    // Each row's runs of unreadable cells, cut where the rows above and
    // below change between unreadable and not (there, and only there, the
    // run's top or foot is the ground's edge); a piece the row above had
    // too, with the same top edge, grows the rectangle that piece began.
    struct Piece {
        int from, to;
        double left, right;  // across, the edge let go at the run's ends
        bool openAbove, openBelow;
        double top;
    };
    std::vector<Piece> open, next;
    auto close = [&](const Piece& p, int row) {
        const double bottom = row - (p.openBelow ? edge : 0.0);
        if (p.right > p.left && bottom > p.top)
            out << QRectF(card_.left() + p.left, card_.top() + p.top, p.right - p.left, bottom - p.top);
    };
    for (int row = 0; row <= rows_; ++row) {
        next.clear();
        for (int col = 0; row < rows_ && col < cols_;) {
            if (!at(col, row)) {
                ++col;
                continue;
            }
            int end = col + 1;
            while (end < cols_ && at(end, row))
                ++end;
            for (int from = col; from < end;) {
                const bool above = edge > 0 && !at(from, row - 1), below = edge > 0 && !at(from, row + 1);
                int to = from + 1;
                while (to < end && (edge > 0 && !at(to, row - 1)) == above && (edge > 0 && !at(to, row + 1)) == below)
                    ++to;
                next.push_back({from, to, from == col ? from + edge : double(from), to == end ? to - edge : double(to),
                                above, below, row + (above ? edge : 0.0)});
                from = to;
            }
            col = end;
        }
        for (const Piece& p : open) {
            const auto same = std::find_if(next.begin(), next.end(), [&p](const Piece& n) {
                return n.from == p.from && n.to == p.to && n.left == p.left && n.right == p.right && !n.openAbove &&
                       !p.openBelow;
            });
            if (same != next.end())
                same->top = p.top;
            else
                close(p, row);
        }
        open.swap(next);
    }
    return out;
}

}  // namespace zelk
