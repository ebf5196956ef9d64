// What the graphics of a side take from a field placed on it: what they
// cover as drawn, the pictures among them, and the card's backdrops, which
// take only their edges.
#include "canvas/placement/SideCover.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelk {

namespace {

// A text box left empty, without fill or border, puts nothing on the card
// (the text tool leaves one each time it is chosen).
bool drawsNothing(const SKTGraphic& g) {
    return isExactlyText(&g) && g._Text_contents.isEmpty() && !g._isDrawingFill && !g._isDrawingStroke;
}

// Below this, across or down, no field fits inside a hollow shape: the shape
// takes all it covers (and the searches meet one rectangle, not its sides).
constexpr double SmallestHollow = 24.0;

// A shape drawn without fill, its outline stroked, large enough to hold a
// field: only the stroke is on the card. (One drawn with neither stands for
// what the user keeps free.)
bool hollow(const SKTGraphic& g) {
    if (!isExactlyShape(&g) || g._isDrawingFill || !g._isDrawingStroke)
        return false;
    const QRectF box = g.bounds().normalized();
    return std::min(box.width(), box.height()) >= SmallestHollow;
}

// Whether a shown graphic of the user's may be a backdrop: a shape or a
// picture that covers at least half of the card.
bool backdropLike(const SKTGraphic& g, const QRectF& card) {
    if (!g.ctrl_is_visible || !(isExactlyShape(&g) || isExactlyImage(&g)) || isFieldId(g.control_ID) || hollow(g))
        return false;
    const double half = 0.5 * card.width() * card.height();
    // Its box first (its drawing, with a stroke, is dearer to measure).
    const QRectF box = g.bounds().normalized() & card;
    if (box.width() * box.height() < 0.8 * half)
        return false;
    const QRectF on = g.drawingBounds() & card;
    return on.width() * on.height() >= half;
}

// Rectangles that cover the stroke of a hollow shape's outline: the
// outline cut into bands two points high, each band's stretches of the
// outline widened by the stroke (by twice its half where sharp corners may
// reach out), bands alike merged.
QList<QRectF> strokeCover(const SKTGraphic& g, double strokeWidth) {
    const QRectF box = g.bounds().normalized();
    const QPainterPath outline =
        rotationAbout(box, g.text_rotation)
            .map(shapeOutline(g.shape_type, g.bounds(), g.cor_rad_val, g.double_star_type, g.polygon_type));
    const double width = std::max(std::isfinite(strokeWidth) ? strokeWidth : 0.0, 1.0);
    const bool square = g.text_rotation % 90 == 0 &&
                        (g.shape_type == ShapeCode::Rectangle || g.shape_type == ShapeCode::RoundedRectangle ||
                         g.shape_type == ShapeCode::Circle);
    const double reach = square ? width / 2 : width;
    QList<QLineF> edges;
    for (const QPolygonF& p : outline.toSubpathPolygons())
        for (qsizetype i = 0; i + 1 < p.size(); ++i)
            edges << QLineF(p.at(i), p.at(i + 1));
    constexpr double Band = 2.0;
    const QRectF all = outline.boundingRect().adjusted(-reach, -reach, reach, reach);
    QList<QRectF> out;
    QList<std::pair<double, double>> above;  // the spans of the band above, to merge into
    qsizetype aboveFrom = 0;
    for (double top = all.top(); top < all.bottom(); top += Band) {
        const double bottom = std::min(top + Band, all.bottom());
        // The part of each edge within the band's reach, as a span across.
        QList<std::pair<double, double>> spans;
        for (const QLineF& e : edges) {
            const double lo = top - reach, hi = bottom + reach;
            const double y1 = e.y1(), y2 = e.y2();
            if (std::max(y1, y2) < lo || std::min(y1, y2) > hi)
                continue;
            // A level edge spans its length; a sloped one the part of it
            // within the band's reach.
            double x1 = e.x1(), x2 = e.x2();
            if (y1 != y2) {
                auto xAt = [&e](double y) { return e.x1() + (e.x2() - e.x1()) * (y - e.y1()) / (e.y2() - e.y1()); };
                x1 = xAt(std::clamp(y1, lo, hi));
                x2 = xAt(std::clamp(y2, lo, hi));
            }
            spans.append({std::min(x1, x2) - reach, std::max(x1, x2) + reach});
        }
        std::sort(spans.begin(), spans.end());
        QList<std::pair<double, double>> merged;
        for (const auto& sp : spans)
            if (!merged.isEmpty() && sp.first <= merged.last().second)
                merged.last().second = std::max(merged.last().second, sp.second);
            else
                merged << sp;
        if (merged == above) {
            for (qsizetype i = aboveFrom; i < out.size(); ++i)
                out[i].setBottom(bottom);
            continue;
        }
        aboveFrom = out.size();
        for (const auto& [from, to] : merged)
            out << QRectF(from, top, to - from, bottom - top);
        above = merged;
    }
    return out;
}

}  // namespace

QList<QRectF> takenBy(const SKTGraphic& g) {
    if (hollow(g))
        return strokeCover(g, g._strokeWidth);
    return {g.drawingBounds()};
}

QList<QRectF> edgeCover(const SKTGraphic& g) {
    if (isExactlyShape(&g))
        return strokeCover(g, g._isDrawingStroke ? g._strokeWidth : 1.0);
    // A picture's edge: a point across, on its drawn rectangle.
    const QRectF r = g.drawingBounds();
    constexpr double Half = 0.5;
    return {QRectF(r.left() - Half, r.top() - Half, r.width() + 2 * Half, 2 * Half),
            QRectF(r.left() - Half, r.bottom() - Half, r.width() + 2 * Half, 2 * Half),
            QRectF(r.left() - Half, r.top() + Half, 2 * Half, r.height() - 2 * Half),
            QRectF(r.right() - Half, r.top() + Half, 2 * Half, r.height() - 2 * Half)};
}

std::vector<bool> backdropsOf(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card) {
    // From the bottom of the stack up: a candidate is a backdrop when all it
    // meets below it is.
    std::vector<bool> backdrop(std::size_t(side.size()), false);
    for (qsizetype i = side.size() - 1; i >= 0; --i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || !backdropLike(*g, card))
            continue;
        const QRectF drawn = g->drawingBounds();
        bool behind = true;
        for (qsizetype j = i + 1; j < side.size() && behind; ++j) {
            const std::shared_ptr<SKTGraphic>& below = side.at(j);
            behind = !below || backdrop[std::size_t(j)] || !below->ctrl_is_visible || drawsNothing(*below) ||
                     !below->drawingBounds().intersects(drawn);
        }
        backdrop[std::size_t(i)] = behind;
    }
    return backdrop;
}

SideDrawn drawnAndPictures(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* except,
                           const SKTGraphic* partner) {
    const std::vector<bool> backdrop = backdropsOf(side, card);
    QList<QRectF> drawn, pictures, shapes;
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || g.get() == except || !g->ctrl_is_visible || drawsNothing(*g))
            continue;
        // A field goes on a backdrop or beside it, never across its edge.
        if (backdrop[std::size_t(i)]) {
            if (g.get() != partner)
                drawn << edgeCover(*g);
            continue;
        }
        const QRectF r = g->drawingBounds();
        if (g.get() != partner)
            drawn << takenBy(*g);
        (isExactlyImage(g.get()) || isExactlyBarcode(g.get()) ? pictures : shapes) << r;
    }
    // A border drawn just around a picture goes with it.
    for (QRectF& p : pictures)
        for (const QRectF& o : shapes)
            if (o.contains(p) && o.width() * o.height() <= 2 * p.width() * p.height())
                p = o;
    return {drawn, pictures};
}

QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                         const SKTGraphic* except, const SKTGraphic* partner) {
    return drawnAndPictures(side, card, except, partner).drawn;
}

QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                           const SKTGraphic* except) {
    return drawnAndPictures(side, card, except, nullptr).pictures;
}

int notClearCount(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  const std::function<bool(const SKTGraphic&)>& counted) {
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    QList<std::pair<const SKTGraphic*, QRectF>> drawn;
    for (qsizetype i = 0; i < side.size(); ++i)
        if (const std::shared_ptr<SKTGraphic>& g = side.at(i); g && g->ctrl_is_visible && !drawsNothing(*g))
            for (const QRectF& r : backdrop[std::size_t(i)] ? edgeCover(*g) : takenBy(*g))
                drawn.append({g.get(), r});
    int count = 0;
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || !g->ctrl_is_visible || !counted(*g))
            continue;
        QList<QRectF> taken;
        for (const auto& [other, r] : drawn)
            if (other != g.get())
                taken << r;
        if (!liesClear(g->drawingBounds(), taken, card))
            ++count;
    }
    return count;
}

bool reservedForWhenItShows(const SKTGraphic& field) {
    return isFieldId(field.control_ID) && field.boxOwner() != BoxOwner::Rule;
}

bool liesClear(const QRectF& drawn, const QList<QRectF>& taken, const CardArea& card) {
    constexpr double Slack = 0.01;
    const QRectF inner = drawn.adjusted(Slack, Slack, -Slack, -Slack);
    return card.holds(drawn) &&
           std::none_of(taken.cbegin(), taken.cend(), [&inner](const QRectF& r) { return inner.intersects(r); });
}

}  // namespace zelk
