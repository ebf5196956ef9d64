#include "canvas/FieldPlacement.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace zelk {

QRectF clearPlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card) {
    auto clearOf = [&taken](const QRectF& r, double margin) {
        const QRectF grown = r.adjusted(-margin, -margin, margin, margin);
        return std::none_of(taken.cbegin(), taken.cend(), [&grown](const QRectF& t) { return grown.intersects(t); });
    };
    if (clearOf(wanted, 0))
        return wanted;
    // A free place, if there is one, can slide left and up until it touches
    // the card's edge or a taken rectangle: those are the corners to try,
    // and the wanted one.
    const double w = wanted.width(), h = wanted.height(), gap = FieldClearance;
    QList<double> xs = {wanted.x(), card.left() + gap, card.right() - gap - w};
    QList<double> ys = {wanted.y(), card.top() + gap, card.bottom() - gap - h};
    for (const QRectF& t : taken) {
        xs << t.right() + gap << t.left() - gap - w;
        ys << t.bottom() + gap << t.top() - gap - h;
    }
    // Nearest first (the upper, then the left one of equals), so that the
    // first clear one ends the search.
    auto inside = [&card, w, h](double x, double y) { return card.contains(QRectF(x, y, w, h)); };
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    struct Corner {
        double distance, y, x;
    };
    std::vector<Corner> corners;
    for (double y : ys)
        for (double x : xs)
            if (inside(x, y)) {
                const double dx = x - wanted.x(), dy = y - wanted.y();
                corners.push_back({dx * dx + dy * dy, y, x});
            }
    std::sort(corners.begin(), corners.end(), [](const Corner& a, const Corner& b) {
        return std::tie(a.distance, a.y, a.x) < std::tie(b.distance, b.y, b.x);
    });
    for (const Corner& c : corners) {
        const QRectF r(c.x, c.y, w, h);
        if (clearOf(r, gap - 0.001))
            return r;
    }
    return wanted;
}

QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* except) {
    QList<QRectF> out;
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && g.get() != except && g->ctrl_is_visible)
            out << g->drawingBounds();
    return out;
}

namespace {

// A caption's places beside its value, in the order they are tried: above
// it (its foot on the value's top), before it, after it.
std::array<QRectF, 3> captionPlaces(const QRectF& value, const QSizeF& caption) {
    return {QRectF(QPointF(value.x(), value.top() - caption.height()), caption),
            QRectF(QPointF(value.left() - caption.width(), value.y()), caption),
            QRectF(QPointF(value.right(), value.y()), caption)};
}

}  // namespace

QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card) {
    const auto [above, before, after] = captionPlaces(value, caption);
    if (above.top() >= card.top())
        return above;
    if (before.left() >= card.left())
        return before;
    return after;
}

QRectF clearCaptionPlaceFor(const QRectF& value, const QSizeF& caption, const QList<QRectF>& taken,
                            const QRectF& card) {
    for (const QRectF& r : captionPlaces(value, caption))
        if (card.contains(r) && clearPlaceFor(r, taken, card) == r)
            return r;
    return clearPlaceFor(captionPlaceFor(value, caption, card), taken, card);
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
