// What the graphics of a side take from a field placed on it: what they
// cover as drawn, the pictures among them, and the card's ground, which
// takes nothing.
#include "canvas/placement/SideCover.h"

#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <utility>

namespace zelk {

namespace {

// A text box left empty, without fill or border, puts nothing on the card
// (the text tool leaves one each time it is chosen).
bool drawsNothing(const SKTGraphic& g) {
    return isExactlyText(&g) && g._Text_contents.isEmpty() && !g._isDrawingFill && !g._isDrawingStroke;
}

// Whether a shown graphic of the user's may be the ground: a shape or a
// picture that covers at least half of the card.
bool groundLike(const SKTGraphic& g, const QRectF& card) {
    if (!g.ctrl_is_visible || !(isExactlyShape(&g) || isExactlyImage(&g)) || isFieldId(g.control_ID))
        return false;
    const double half = 0.5 * card.width() * card.height();
    // Its frame first (its drawing, with a stroke, is dearer to measure).
    const QRectF frame = g.bounds().normalized() & card;
    if (frame.width() * frame.height() < 0.8 * half)
        return false;
    const QRectF on = g.drawingBounds() & card;
    return on.width() * on.height() >= half;
}

}  // namespace

std::vector<bool> groundOf(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card) {
    // From the bottom of the stack up: a candidate is ground when all it
    // meets below it is.
    std::vector<bool> ground(std::size_t(side.size()), false);
    for (qsizetype i = side.size() - 1; i >= 0; --i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || !groundLike(*g, card))
            continue;
        const QRectF drawn = g->drawingBounds();
        bool behind = true;
        for (qsizetype j = i + 1; j < side.size() && behind; ++j) {
            const std::shared_ptr<SKTGraphic>& below = side.at(j);
            behind = !below || ground[std::size_t(j)] || !below->ctrl_is_visible || drawsNothing(*below) ||
                     !below->drawingBounds().intersects(drawn);
        }
        ground[std::size_t(i)] = behind;
    }
    return ground;
}

SideDrawn drawnAndPictures(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* except,
                           const SKTGraphic* partner) {
    const std::vector<bool> ground = groundOf(side, card);
    QList<QRectF> drawn, pictures, others;
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || g.get() == except || !g->ctrl_is_visible || drawsNothing(*g) || ground[std::size_t(i)])
            continue;
        const QRectF r = g->drawingBounds();
        if (g.get() != partner)
            drawn << r;
        (isExactlyImage(g.get()) || isExactlyBarcode(g.get()) ? pictures : others) << r;
    }
    // A frame drawn just around a picture goes with it.
    for (QRectF& p : pictures)
        for (const QRectF& o : others)
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
    const std::vector<bool> ground = groundOf(side, card.rect);
    QList<std::pair<const SKTGraphic*, QRectF>> drawn;
    for (qsizetype i = 0; i < side.size(); ++i)
        if (const std::shared_ptr<SKTGraphic>& g = side.at(i);
            g && g->ctrl_is_visible && !drawsNothing(*g) && !ground[std::size_t(i)])
            drawn.append({g.get(), g->drawingBounds()});
    int count = 0;
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || !g->ctrl_is_visible || !counted(*g))
            continue;
        QList<QRectF> others;
        for (const auto& [other, r] : drawn)
            if (other != g.get())
                others << r;
        if (!liesClear(g->drawingBounds(), others, card))
            ++count;
    }
    return count;
}

bool liesClear(const QRectF& drawn, const QList<QRectF>& others, const CardArea& card) {
    constexpr double Slack = 0.01;
    const QRectF inner = drawn.adjusted(Slack, Slack, -Slack, -Slack);
    return card.holds(drawn) &&
           std::none_of(others.cbegin(), others.cend(), [&inner](const QRectF& r) { return inner.intersects(r); });
}

}  // namespace zelk
