// A box the user placed given a value it does not hold: it stays where the
// user put it, its value drawn smaller there, and grows (along its line,
// then down or up) only into clear room.
#include "canvas/placement/UserBox.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"
#include "foundation/TextMeasure.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zelk {

namespace {

constexpr double Slack = 0.01;

// The parts of `b` beyond `u`, which `b` holds: what a box grows by.
QList<QRectF> partsBeyond(const QRectF& b, const QRectF& u) {
    QList<QRectF> out;
    if (b.left() < u.left() - Slack)
        out << QRectF(QPointF(b.left(), b.top()), QPointF(u.left(), b.bottom()));
    if (b.right() > u.right() + Slack)
        out << QRectF(QPointF(u.right(), b.top()), QPointF(b.right(), b.bottom()));
    if (b.top() < u.top() - Slack)
        out << QRectF(QPointF(u.left(), b.top()), QPointF(u.right(), u.top()));
    if (b.bottom() > u.bottom() + Slack)
        out << QRectF(QPointF(u.left(), u.bottom()), QPointF(u.right(), b.bottom()));
    return out;
}

// What a growing box keeps clear of: what stands within the clearance of
// the box the user left keeps standing as near as it does, the rest is
// kept the clearance from.
struct Limits {
    QList<QRectF> near, far;
    void add(const QRectF& r, const QRectF& u) {
        if (r.isEmpty())
            return;
        const double gap = FieldClearance;
        (r.adjusted(-gap, -gap, gap, gap).intersects(u) ? near : far) << r;
    }
};

// Whether `part`, by which a box grows beyond `u`, meets `r` that stands
// near it more than the box already does: what the user put the box over
// stays met as it is, and the box may grow along an edge of it that it
// stands over (no deeper than the clearance), never further onto it. One
// whose end stands over a heading does not grow across the heading.
bool meetsDeeper(const QRectF& part, const QRectF& r, const QRectF& u) {
    const QRectF meet = part.adjusted(Slack, Slack, -Slack, -Slack) & r;
    if (meet.isEmpty())
        return false;
    return !u.intersects(r) || std::min(meet.width(), meet.height()) > FieldClearance;
}

// The caption (or value) a field stands with, where it does, and how.
struct PartnerStanding {
    const SKTGraphic* partner = nullptr;
    Standing standing = Standing::Apart;
    bool fieldIsCaption = false;
    double em = 0;
};

PartnerStanding standingWith(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side) {
    const QString id = partnerIdOf(field.control_ID);
    if (id.isEmpty())
        return {};
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && g.get() != &field && g->control_ID == id && g->ctrl_is_visible && isExactlyText(g.get()) &&
            !g->Text_Value.isEmpty()) {
            const bool fieldIsCaption = fieldRole(field.control_ID) == FieldRole::Caption;
            const SKTGraphic& value = fieldIsCaption ? *g : field;
            const double em = drawnTextPointSize(value);
            const QRectF caption = (fieldIsCaption ? field : *g).bounds().normalized();
            return {g.get(), standingOf(caption, value.bounds().normalized(), em), fieldIsCaption, em};
        }
    return {};
}

// Whether the field at `b` still stands with its partner as it stood.
bool standsAsItStood(const PartnerStanding& s, const QRectF& b) {
    if (!s.partner || s.standing == Standing::Apart)
        return true;
    const QRectF other = s.partner->bounds().normalized();
    return standingOf(s.fieldIsCaption ? b : other, s.fieldIsCaption ? other : b, s.em) == s.standing;
}

Limits limitsOf(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                const FieldGround& ground, const QRectF& u, const SKTGraphic* partner) {
    Limits out;
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || g.get() == &field)
            continue;
        if (!g->ctrl_is_visible) {
            // A hidden field's box is reserved for when it shows.
            if (g.get() != partner && reservedForWhenItShows(*g))
                out.add(g->bounds().normalized(), u);
            continue;
        }
        if (isExactlyText(g.get()) && g->_Text_contents.isEmpty() && !g->_isDrawingFill && !g->_isDrawingStroke)
            continue;
        const QRectF drawn = g->drawingBounds();
        // A shape or picture of the user's that the box stands on is its
        // ground: it grows within it, not past its edge; nor across a
        // backdrop's edge from beside it.
        if (!isExactlyText(g.get()) && !isFieldId(g->control_ID) && drawn.contains(u)) {
            for (const QRectF& outside : partsBeyond(card.rect, drawn & card.rect))
                out.add(outside, u);
            continue;
        }
        for (const QRectF& r : backdrop[std::size_t(i)] ? edgeCover(*g) : takenBy(*g))
            out.add(r, u);
    }
    // Nothing but its own value straight after a caption; and a caption
    // ends straight before nothing.
    if (fieldRole(field.control_ID) == FieldRole::Caption) {
        const double space = runOnSpaceOf(field);
        for (QList<QRectF>* list : {&out.near, &out.far})
            takeSpacesBefore(*list, space);
    }
    for (const QRectF& r : spacesAfterCaptions(side, &field, partner))
        out.add(r, u);
    // The ground is read a point to a cell: half a cell along its edge is
    // let go.
    for (const QRectF& r : ground.unreadable(field.txt_clr, ground.keptContrast(field.txt_clr, u), u, 0.5))
        out.add(r, u);
    for (const QRectF& r : card.outside)
        out.add(r, u);
    return out;
}

// Whether `b`, which holds `u`, grows only into clear room: on the card
// (what it adds kept the clearance from the card's edges) and clear of
// what `limits` holds.
bool growsClear(const QRectF& b, const QRectF& u, const Limits& limits, const CardArea& card) {
    const QRectF& c = card.rect;
    const double gap = FieldClearance;
    if (b.left() < std::min(u.left(), c.left() + gap) - Slack || b.right() > std::max(u.right(), c.right() - gap) + Slack ||
        b.top() < std::min(u.top(), c.top() + gap) - Slack || b.bottom() > std::max(u.bottom(), c.bottom() - gap) + Slack)
        return false;
    const double margin = gap - 0.001;
    for (const QRectF& part : partsBeyond(b, u)) {
        const QRectF inner = part.adjusted(Slack, Slack, -Slack, -Slack);
        if (std::any_of(limits.near.cbegin(), limits.near.cend(), [&](const QRectF& r) { return meetsDeeper(part, r, u); }) ||
            std::any_of(limits.far.cbegin(), limits.far.cend(), [&](const QRectF& r) {
                return inner.intersects(r.adjusted(-margin, -margin, margin, margin));
            }))
            return false;
    }
    return true;
}

// A box of size `s` with its top at `top` that holds `u` and grows only
// into clear room, its left as near the user's as it can be; none where
// there is none.
std::optional<QRectF> placedHolding(const QRectF& u, const QSizeF& s, double top, const Limits& limits,
                                    const CardArea& card, const PartnerStanding& standing) {
    const double w = s.width(), gap = FieldClearance;
    const double lo = u.right() - w, hi = u.left();
    std::vector<double> xs = {u.left(), lo, card.rect.left() + gap, card.rect.right() - gap - w};
    for (const QRectF& r : limits.near)
        xs.insert(xs.end(), {r.right(), r.left() - w});
    for (const QRectF& r : limits.far)
        xs.insert(xs.end(), {r.right() + gap, r.left() - gap - w});
    xs.erase(std::remove_if(xs.begin(), xs.end(), [&](double x) { return x < lo - Slack || x > hi + Slack; }),
             xs.end());
    std::sort(xs.begin(), xs.end(), [&u](double a, double b) { return std::abs(a - u.left()) < std::abs(b - u.left()); });
    for (const double x : xs) {
        const QRectF b(std::clamp(x, lo, hi), top, w, s.height());
        if (growsClear(b, u, limits, card) && standsAsItStood(standing, b))
            return b;
    }
    return std::nullopt;
}

// Whether a text's lines, laid out in its box at its size, end each at a
// blank or after a hyphen or a slash: no word is cut but where it joins two.
bool breaksOnlyAtHyphens(const SKTGraphic& text) {
    const QString shown = text::shownText(text);
    const text::LaidOutText lines =
        text::laidOut(shown, text::layoutFont(text), horizontalTextAlignment(text.text_alignmnet),
                      text.bounds().normalized().width(), false);
    for (int i = 0; i + 1 < lines.layout->lineCount(); ++i) {
        const QTextLine line = lines.layout->lineAt(i);
        const qsizetype end = line.textStart() + line.textLength();
        if (end <= 0 || end >= shown.size())
            continue;
        const QChar before = shown.at(end - 1), after = shown.at(end);
        if (!(before.isSpace() || after.isSpace() || before == u'-' || before == u'/'))
            return false;
    }
    return true;
}

// The widest span of the card along the line of `u` (its top to its foot)
// that holds it and meets nothing `limits` holds: what it may grow across.
std::pair<double, double> clearSpanAlong(const QRectF& u, const Limits& limits, const CardArea& card) {
    const double gap = FieldClearance;
    double left = std::min(u.left(), card.rect.left() + gap), right = std::max(u.right(), card.rect.right() - gap);
    auto stop = [&](const QRectF& r, double keep) {
        if (!(r.top() < u.bottom() + keep && r.bottom() > u.top() - keep))
            return;
        if (r.right() <= u.left() + Slack)
            left = std::max(left, r.right() + keep);
        else if (r.left() >= u.right() - Slack)
            right = std::min(right, r.left() - keep);
    };
    for (const QRectF& r : limits.near)
        stop(r, 0);
    for (const QRectF& r : limits.far)
        stop(r, gap);
    return {std::min(left, u.left()), std::max(right, u.right())};
}

}  // namespace

QRectF userBoxOnCard(const SKTGraphic& field, const CardArea& card) {
    const QRectF own = field.bounds().normalized();
    if (card.rect.contains(own))
        return own;
    const double gap = FieldClearance;
    const QRectF edges = card.rect.adjusted(gap, gap, -gap, -gap);
    QRectF in = own & edges;
    if (!(in.width() > 0 && in.height() > 0))
        return ontoCard(own, edges);
    // The part past the edge was never on the card: a text's value, drawn
    // as aligned in what is left, would stand off from where the user
    // started it, away from its caption.
    if (isExactlyText(&field) && !field.Text_Value.isEmpty() && in.width() < own.width()) {
        const double line = std::ceil(static_cast<const SKTText&>(field).naturalTextSize().width());
        if (line < in.width()) {
            if (own.left() < edges.left() && own.right() <= edges.right())
                in.setLeft(in.right() - line);  // run past the left edge: its right edge stays
            else
                in.setWidth(line);
        }
    }
    return in;
}

double roomAlongItsLine(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card) {
    const QRectF u = userBoxOnCard(field, card);
    const PartnerStanding standing = standingWith(field, side);
    const auto [left, right] = clearSpanAlong(u, limitsOf(field, side, card, FieldGround(), u, standing.partner), card);
    return right - left;
}

QRectF grownUserBox(const SKTGraphic& field, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                    const FieldGround& ground) {
    const QRectF u = userBoxOnCard(field, card);
    const std::shared_ptr<SKTGraphic> probe = field.clone();
    probe->setBounds(u);
    const double own = field.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&field) || field.Text_Value.isEmpty() || !(own > 0))
        return u;
    // Drawn whole in a box, at a size down to half: no word broken; or, as
    // `breaks` lets it, none but at a hyphen or a slash (a double name), or
    // any (a web address wider than the room).
    enum class Breaks { None, AtHyphens, Any };
    auto holds = [&](const QRectF& b, Breaks breaks = Breaks::None) {
        probe->setBounds(b);
        const double points = drawnTextPointSize(*probe);
        const std::shared_ptr<SKTGraphic> drawn = probe->clone();
        drawn->text_ctrl_font.setPointSizeF(points);
        return fittedTextHeight(*drawn) <= b.height() + 1 &&
               (breaks == Breaks::Any || (breaks == Breaks::AtHyphens ? breaksOnlyAtHyphens(*drawn)
                                                                       : !breaksAWordAt(*probe, points)));
    };
    if (holds(u))
        return u;
    const PartnerStanding standing = standingWith(field, side);
    const Limits limits = limitsOf(field, side, card, ground, u, standing.partner);
    auto heightAt = [&](double share, double width) {
        const std::shared_ptr<SKTGraphic> t = field.clone();
        t->text_ctrl_font.setPointSizeF(std::max(own * share, smallestFieldPoints(own)));
        t->setBounds(QRectF(u.topLeft(), QSizeF(width, u.height())));
        return fittedTextHeight(*t);
    };
    // The widths tried at each share: the field's own boxes, the widest
    // clear span of its line and parts of it, and the user's.
    const std::pair<double, double> span = clearSpanAlong(u, limits, card);
    auto widths = [&](double share) {
        std::vector<double> out = {u.width(), span.second - span.first};
        for (const double part : {0.75, 0.5})
            out.push_back((span.second - span.first) * part);
        for (const QSizeF& s : fieldSizes(field, card.rect.size(), {share, share}, false))
            out.push_back(s.width());
        out.erase(std::remove_if(out.begin(), out.end(), [&](double w) { return w < u.width(); }), out.end());
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end(), [](double a, double b) { return std::abs(a - b) < 0.5; }),
                  out.end());
        return out;
    };
    const QList<double> shares = fieldScaleSteps();
    // Along its line: at each share, largest first, the narrowest box whose
    // lines are no taller than the user's.
    for (const double share : shares)
        for (const double w : widths(share))
            if (heightAt(share, w) <= u.height() + Slack)
                if (const auto b = placedHolding(u, QSizeF(w, u.height()), u.top(), limits, card, standing); b && holds(*b))
                    return *b;
    // Then down, or up where the foot of the card or something below stops
    // it, by as little as holds its lines at half size: the widest first;
    // its value then drawn at the largest size that box holds. Where no
    // box keeps every word whole, one that breaks a double name only at
    // its hyphen, else one that holds its lines.
    std::vector<std::pair<double, double>> downward;  // a height and a width
    for (const double w : widths(SmallestFieldScale))
        if (const double h = heightAt(SmallestFieldScale, w); h > u.height() + Slack)
            downward.push_back({h, -w});
    std::sort(downward.begin(), downward.end());
    for (const Breaks breaks : {Breaks::None, Breaks::AtHyphens, Breaks::Any})
        for (const auto& [h, negativeWidth] : downward)
            for (const double top : {u.top(), u.bottom() - h})
                if (const auto b = placedHolding(u, QSizeF(-negativeWidth, h), top, limits, card, standing);
                    b && holds(*b, breaks))
                    return *b;
    // No clear room: the box stays where the user put it, as tall as its
    // lines at half size where it can be on the card.
    const double need = heightAt(SmallestFieldScale, u.width());
    if (need <= u.height())
        return u;
    const double top = std::min(u.top(), std::max(card.rect.top(), card.rect.bottom() - need));
    return QRectF(u.left(), top, u.width(), std::max(need, u.bottom() - top));
}

}  // namespace zelk
