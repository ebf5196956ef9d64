// Where on a card a field may lie: the card's rectangle less what lies
// beyond its rounded or oval outline, kept as a staircase of strips.
#include "canvas/placement/CardArea.h"

#include "foundation/DrawingCodes.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zelk {

namespace {

// The card's rectangle less its outline's inset on each side of a strip
// one point high (or less at the foot), merged while the insets differ by
// at most half a point, at the largest inset of the merged ones: nothing
// inside the rest lies beyond the outline.
void addStrips(QList<QRectF>& out, const QRectF& card, const std::vector<std::pair<double, double>>& insets) {
    // `insets`: (strip's top, inset) from the top down; each strip ends where the next begins.
    std::size_t i = 0;
    while (i < insets.size()) {
        double low = insets[i].second, high = low;
        std::size_t j = i + 1;
        for (; j < insets.size(); ++j) {
            const double at = insets[j].second;
            if (std::max(high, at) - std::min(low, at) > 0.5)
                break;
            low = std::min(low, at);
            high = std::max(high, at);
        }
        const double top = insets[i].first, bottom = j < insets.size() ? insets[j].first : card.bottom();
        if (high > 0.01)
            out << QRectF(card.left(), top, high, bottom - top) << QRectF(card.right() - high, top, high, bottom - top);
        i = j;
    }
}

}  // namespace

CardArea::CardArea(const QRectF& r, int cardShape) : rect(r), shape(cardShape == 1 || cardShape == 2 ? cardShape : 0) {
    if (!(r.width() > 0 && r.height() > 0) || (shape != 1 && shape != 2))
        return;
    // Each strip is cut where the outline comes farthest in over its height.
    std::vector<std::pair<double, double>> insets;
    if (shape == 1) {
        // Quarter circles at the corners: the strips down the top corners'
        // arcs, and the same up the bottom ones.
        const double radius = std::min({CardCornerRadius, r.width() / 2, r.height() / 2});
        std::vector<std::pair<double, double>> top;
        for (double d = 0; d < radius; d += 1) {
            const double dy = radius - d;
            top.push_back({d, radius - std::sqrt(std::max(0.0, radius * radius - dy * dy))});
        }
        for (const auto& [d, inset] : top)
            insets.push_back({r.top() + d, inset});
        insets.push_back({r.top() + radius, 0});
        for (auto it = top.rbegin(); it != top.rend(); ++it)
            insets.push_back({r.bottom() - std::min(it->first + 1, radius), it->second});
        // The strip of the last one ends at the card's foot.
    } else {
        const double a = r.width() / 2, b = r.height() / 2, cy = r.center().y();
        for (double y = r.top(); y < r.bottom(); y += 1) {
            const double to = std::min(y + 1, r.bottom());
            const double d = std::min(std::max(std::abs(y - cy), std::abs(to - cy)), b);
            insets.push_back({y, a - a * std::sqrt(std::max(0.0, 1 - (d / b) * (d / b)))});
        }
    }
    addStrips(outside, r, insets);
}

QPainterPath CardArea::outline() const { return cardOutline(shape, rect); }

bool CardArea::holds(const QRectF& r) const {
    constexpr double Slack = 0.01;
    const QRectF inner = r.adjusted(Slack, Slack, -Slack, -Slack);
    return rect.adjusted(-Slack, -Slack, Slack, Slack).contains(r) &&
           std::none_of(outside.cbegin(), outside.cend(), [&inner](const QRectF& o) { return inner.intersects(o); });
}

QList<QRectF> withOutside(const QList<QRectF>& taken, const CardArea& card) {
    if (card.outside.isEmpty())
        return taken;
    QList<QRectF> all = taken;
    all += card.outside;
    return all;
}

QRectF ontoCard(const QRectF& r, const QRectF& card) {
    const double w = std::min(r.width(), card.width()), h = std::min(r.height(), card.height());
    return QRectF(std::clamp(r.x(), card.left(), card.right() - w), std::clamp(r.y(), card.top(), card.bottom() - h),
                  w, h);
}

}  // namespace zelk
