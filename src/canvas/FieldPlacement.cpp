#include "canvas/FieldPlacement.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace zelk {

namespace {

// The sizes between a field's own and the smallest it is drawn at that a
// place is searched for.
constexpr int FieldScaleSteps = 5;

}  // namespace

std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card) {
    auto clearOf = [&taken](const QRectF& r, double margin) {
        const QRectF grown = r.adjusted(-margin, -margin, margin, margin);
        return std::none_of(taken.cbegin(), taken.cend(), [&grown](const QRectF& t) { return grown.intersects(t); });
    };
    auto inside = [&card](const QRectF& r) { return card.contains(r); };
    if (inside(wanted) && clearOf(wanted, 0))
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
            if (inside(QRectF(x, y, w, h))) {
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
    return std::nullopt;
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

QList<QSizeF> fieldSizes(const SKTGraphic& field, double largestScale) {
    const QRectF box = field.bounds().normalized();
    const double own = field.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&field) || field.Text_Value.isEmpty() || !(own > 0))
        return {box.size()};
    // The lines at the size the text is drawn at when its box holds them,
    // then at the smaller sizes a field's drawing takes in a shorter box.
    const std::shared_ptr<SKTGraphic> t = field.clone();
    const double largest = std::clamp(largestScale, SmallestFieldScale, 1.0);
    QList<QSizeF> sizes;
    for (int step = 0; step <= FieldScaleSteps; ++step) {
        t->text_ctrl_font.setPointSizeF(own * (largest - (largest - SmallestFieldScale) * step / FieldScaleSteps));
        const QSizeF s(box.width(), fittedTextHeight(*t));
        if (sizes.isEmpty() || s.height() < sizes.last().height())
            sizes << s;
    }
    return sizes;
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const QRectF& card) {
    for (const QSizeF& s : sizes)
        if (const auto r = freePlaceFor(QRectF(at, s), taken, card))
            return *r;
    return ontoCard(QRectF(at, sizes.value(sizes.size() - 1)), card);
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
                           const QList<QRectF>& taken, const QRectF& card) {
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
    // Nowhere beside it where it stands: the two go together where both are
    // clear.
    for (const QSizeF& s : sizes)
        for (Beside side : sides) {
            const QRectF field = sidePlace(partner, s, side).place;
            const QRectF both = field | partner;
            if (const auto r = freePlaceFor(both, taken, card)) {
                const QPointF by = r->topLeft() - both.topLeft();
                return {field.translated(by), partner.translated(by)};
            }
        }
    return {ontoCard(sidePlace(partner, sizes.value(sizes.size() - 1), sides.value(0, Beside::Above)).place, card),
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
