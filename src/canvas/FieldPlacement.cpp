#include "canvas/FieldPlacement.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"

#include <QHash>
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

// The search of freePlaceFor on a plain rectangle: `taken` holds what
// lies beyond the card's outline too.
std::optional<QRectF> freePlaceIn(const QRectF& wanted, const QList<QRectF>& taken, const QRectF& card) {
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

// `taken` and what lies beyond the card's outline.
QList<QRectF> withOutside(const QList<QRectF>& taken, const CardArea& card) {
    if (card.outside.isEmpty())
        return taken;
    QList<QRectF> all = taken;
    all += card.outside;
    return all;
}

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

CardArea::CardArea(const QRectF& r, int shape) : rect(r) {
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

CardArea CardArea::within(const QRectF& part) const {
    CardArea area = *this;
    area.rect = rect & part;
    return area;
}

bool CardArea::holds(const QRectF& r) const {
    constexpr double Slack = 0.01;
    const QRectF inner = r.adjusted(Slack, Slack, -Slack, -Slack);
    return rect.adjusted(-Slack, -Slack, Slack, Slack).contains(r) &&
           std::none_of(outside.cbegin(), outside.cend(), [&inner](const QRectF& o) { return inner.intersects(o); });
}

std::optional<QRectF> freePlaceFor(const QRectF& wanted, const QList<QRectF>& taken, const CardArea& card) {
    return freePlaceIn(wanted, withOutside(taken, card), card.rect);
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

namespace {

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

// Which graphics of a side are its ground (isGround), from the bottom of
// the stack up: a candidate is ground when all it meets below it is.
std::vector<bool> groundOf(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card) {
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

}  // namespace

bool isGround(const QList<std::shared_ptr<SKTGraphic>>& side, qsizetype index, const QRectF& card) {
    return index >= 0 && index < side.size() && groundOf(side, card)[std::size_t(index)];
}

namespace {

// What the shown graphics of a side cover as drawn, its ground, `except`
// and `partner` left out, and the pictures among them, `except` left out
// (each drawn once).
std::pair<QList<QRectF>, QList<QRectF>> drawnAndPictures(const QList<std::shared_ptr<SKTGraphic>>& side,
                                                         const QRectF& card, const SKTGraphic* except,
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

}  // namespace

QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                         const SKTGraphic* except, const SKTGraphic* partner) {
    return drawnAndPictures(side, card, except, partner).first;
}

QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                           const SKTGraphic* except) {
    return drawnAndPictures(side, card, except, nullptr).second;
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

SideRoom sideRoomFor(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* self,
                     const SKTGraphic* partner, FieldRole role, bool keepLines) {
    auto [drawn, pictures] = drawnAndPictures(side, card, self, partner);
    SideRoom room{std::move(drawn), std::move(pictures), {}, role};
    if (keepLines && role != FieldRole::None)
        room.lines = lineRooms(side, self, partner);
    return room;
}

FieldRole fieldRole(const QString& ctrl_ID) {
    if (const ProfileField* f = profileFieldForId(ctrl_ID)) {
        if (f->captionId == ctrl_ID.trimmed())
            return FieldRole::Caption;
        return f->slot == SlotPhoto ? FieldRole::None : FieldRole::Value;
    }
    if (ctrl_ID.contains(QLatin1String("_label")))
        return FieldRole::Caption;
    if (ctrl_ID.contains(QLatin1String("_field")))
        return FieldRole::Value;
    return FieldRole::None;
}

namespace {

// The shown texts of a side that are fields of a role (any role for None).
template <typename Visit>
void forShownFields(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self, const SKTGraphic* partner,
                    Visit visit) {
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || g.get() == self || g.get() == partner || !g->ctrl_is_visible || !isExactlyText(g.get()) ||
            g->Text_Value.isEmpty())
            continue;
        const FieldRole role = fieldRole(g->control_ID);
        if (role != FieldRole::None)
            visit(*g, role);
    }
}

// How far along its line a caption's or a value's kept room reaches, in ems.
constexpr double LineRoomEms = 1.5;

// The squared distance between two rectangles (0 where they meet).
double distance2(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, b.left() - a.right(), a.left() - b.right()});
    const double dy = std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

}  // namespace

LineRooms lineRooms(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self,
                    const SKTGraphic* partner) {
    // Each shown field drawn once; the values by ID: a caption whose own
    // value is not beside it keeps the room below it too, where its value
    // would be looked for.
    struct Shown {
        const SKTGraphic* g;
        FieldRole role;
        QRectF drawn;
    };
    QList<Shown> shown;
    QHash<QString, QRectF> values;
    forShownFields(side, nullptr, nullptr, [&](const SKTGraphic& g, FieldRole role) {
        shown.append({&g, role, g.drawingBounds()});
        if (role == FieldRole::Value)
            values.insert(g.control_ID, shown.last().drawn);
    });
    LineRooms out;
    for (const auto& [g, role, d] : shown) {
        if (g == self || g == partner)
            continue;
        const double em = drawnTextPointSize(*g), reach = LineRoomEms * em;
        if (role == FieldRole::Caption) {
            out.afterCaptions << QRectF(d.right(), d.top(), reach, d.height());
            const auto own = values.constFind(partnerIdOf(g->control_ID));
            if (own == values.cend() || distance2(d, *own) > em * em)
                out.afterCaptions << QRectF(d.left(), d.bottom(), d.width(), reach);
        } else {
            out.beforeValues << QRectF(d.left() - reach, d.top(), reach, d.height());
            out.besideValues << QRectF(d.left() - reach, d.top(), d.width() + 2 * reach, d.height());
        }
    }
    return out;
}

QList<LineRooms> lineTiers(const LineRooms& rooms) {
    QList<LineRooms> tiers;
    if (!rooms.isEmpty())
        tiers << rooms;
    if (!rooms.besideValues.isEmpty() && !(rooms.afterCaptions.isEmpty() && rooms.beforeValues.isEmpty()))
        tiers << LineRooms{rooms.afterCaptions, rooms.beforeValues, {}};
    tiers << LineRooms{};
    return tiers;
}

QList<QRectF> lineRoomsOf(const LineRooms& rooms, const QSizeF& size, const QRectF& caption, const QRectF& value) {
    // The box at p meets R where p lies in [R.left - w, R.right] x [R.top -
    // h, R.bottom]; its part at offset o of size s meets a room T where p
    // lies in [T.left - o.x - s.w, T.right - o.x] x (likewise down).
    auto through = [&size](const QRectF& part, const QList<QRectF>& of, QList<QRectF>& out) {
        if (part.isEmpty())
            return;
        for (const QRectF& t : of)
            out << QRectF(QPointF(t.left() + size.width() - part.right(), t.top() + size.height() - part.bottom()),
                          QPointF(t.right() - part.left(), t.bottom() - part.top()));
    };
    QList<QRectF> out;
    through(value, rooms.afterCaptions, out);
    through(value, rooms.besideValues, out);
    through(caption, rooms.beforeValues, out);
    return out;
}

namespace {

// What a single field of `role` keeps clear of for the rooms.
QList<QRectF> lineRoomsOfField(const LineRooms& rooms, FieldRole role) {
    return role == FieldRole::Value ? rooms.afterCaptions + rooms.besideValues
           : role == FieldRole::Caption ? rooms.beforeValues
                                        : QList<QRectF>{};
}

// The rooms a single field of `role` is placed clear of in turn (lineTiers),
// each once, the last one none.
QList<QList<QRectF>> fieldTiers(const LineRooms& rooms, FieldRole role) {
    QList<QList<QRectF>> out;
    // A later level holds a part of an earlier one: one of the same count is
    // the same.
    for (const LineRooms& tier : lineTiers(rooms))
        if (const QList<QRectF> r = lineRoomsOfField(tier, role); out.isEmpty() || r.size() != out.last().size())
            out << r;
    return out;
}

}  // namespace

QList<QRectF> fieldRects(const QList<std::shared_ptr<SKTGraphic>>& side, FieldRole role, const SKTGraphic* self,
                         const SKTGraphic* partner) {
    QList<QRectF> out;
    forShownFields(side, self, partner, [&](const SKTGraphic& g, FieldRole r) {
        if (r == role)
            out << g.drawingBounds();
    });
    return out;
}

QString partnerIdOf(const QString& ctrl_ID) {
    const QString id = ctrl_ID.trimmed();
    if (const ProfileField* f = profileFieldForId(id))
        return f->slot == SlotPhoto ? QString() : f->captionId == id ? f->valueId : f->captionId;
    if (id.contains(QLatin1String("_label")))
        return QString(id).replace(QLatin1String("_label"), QLatin1String("_field"));
    if (id.contains(QLatin1String("_field")))
        return QString(id).replace(QLatin1String("_field"), QLatin1String("_label"));
    return QString();
}

LineHit lineHit(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic& field) {
    const FieldRole role = fieldRole(field.control_ID);
    if (!isExactlyText(&field) || role == FieldRole::None)
        return LineHit::None;
    const QString partnerId = partnerIdOf(field.control_ID);
    const SKTGraphic* partner = nullptr;
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && !partnerId.isEmpty() && g->control_ID == partnerId && g->ctrl_is_visible) {
            partner = g.get();
            break;
        }
    const QRectF drawn = field.drawingBounds().adjusted(0.01, 0.01, -0.01, -0.01);
    auto meets = [&drawn](const QList<QRectF>& rooms) {
        return std::any_of(rooms.cbegin(), rooms.cend(), [&drawn](const QRectF& r) { return drawn.intersects(r); });
    };
    LineRooms all = lineRooms(side, &field, partner);
    const bool besideValues = role == FieldRole::Value && meets(all.besideValues);
    all.besideValues.clear();
    return meets(lineRoomsOfField(all, role)) ? LineHit::Captions : besideValues ? LineHit::Values : LineHit::None;
}

double drawnShare(const SKTGraphic& text) {
    const double own = text.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&text) || !(own > 0))
        return 1.0;
    return std::clamp(drawnTextPointSize(text) / own, SmallestFieldScale, 1.0);
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

bool liesClear(const QRectF& drawn, const QList<QRectF>& others, const CardArea& card) {
    constexpr double Slack = 0.01;
    const QRectF inner = drawn.adjusted(Slack, Slack, -Slack, -Slack);
    return card.holds(drawn) &&
           std::none_of(others.cbegin(), others.cend(), [&inner](const QRectF& r) { return inner.intersects(r); });
}

QList<double> fieldScaleSteps(FieldScales scales) {
    const double largest = std::clamp(scales.largest, SmallestFieldScale, 1.0);
    const double smallest = std::clamp(scales.smallest, SmallestFieldScale, largest);
    const int steps = largest - smallest < 0.001 ? 0 : FieldScaleSteps;
    QList<double> out;
    for (int step = 0; step <= steps; ++step)
        out << largest - (largest - smallest) * step / std::max(steps, 1);
    return out;
}

QList<QSizeF> fieldSizes(const SKTGraphic& field, const QSizeF& card, FieldScales scales, bool startWidthFirst) {
    const QRectF box = field.bounds().normalized();
    const double own = field.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&field) || field.Text_Value.isEmpty() || !(own > 0))
        return {box.size()};
    const double room = std::max(card.width() - 2 * FieldClearance, 1.0);
    const std::shared_ptr<SKTGraphic> t = field.clone();
    // No box narrower than its longest word, which would break inside it.
    const double word = longestWordWidth(field);
    QList<QSizeF> sizes;
    for (double step : fieldScaleSteps(scales)) {
        t->text_ctrl_font.setPointSizeF(own * step);
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
        return covered(columns(box.left(), box.right()), rows(box.top(), box.bottom()));
    }
    // The cells a span across (or down) the card touches, as [first, end):
    // the same in every map of the card and cell.
    using Cells = std::pair<int, int>;
    Cells columns(double from, double to) const {
        return span(from - card_.left(), to - card_.left(), cols_);
    }
    Cells rows(double from, double to) const { return span(from - card_.top(), to - card_.top(), rows_); }
    double covered(const Cells& cols, const Cells& rows) const {
        const auto [c0, c1] = cols;
        const auto [r0, r1] = rows;
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
// the wanted one of equals; never any of `never`, and where `fits` is
// given, only where it holds (where it holds nowhere, as if not given).
Covering leastCovering(const QSizeF& size, const QPointF& at, const CoverMap& cover, const CoverMap* keepOff,
                       const CoverMap* never, const QRectF& card, const std::function<bool(const QRectF&)>& fits) {
    const double w = std::min(size.width(), card.width()), h = std::min(size.height(), card.height());
    const QPointF wanted = ontoCard(QRectF(at, QSizeF(w, h)), card).topLeft();
    const double cell = coverCell(card);
    const std::vector<double> xs = coverCandidates(card.left(), card.right() - w, wanted.x(), cell);
    const std::vector<double> ys = coverCandidates(card.top(), card.bottom() - h, wanted.y(), cell);
    // The cells of each candidate's span, once for all the maps.
    std::vector<CoverMap::Cells> columns(xs.size()), rows(ys.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        columns[i] = cover.columns(xs[i], xs[i] + w);
    for (std::size_t i = 0; i < ys.size(); ++i)
        rows[i] = cover.rows(ys[i], ys[i] + h);
    auto search = [&](const CoverMap* avoid, bool fitting) {
        Covering best;
        for (std::size_t yi = 0; yi < ys.size(); ++yi)
            for (std::size_t xi = 0; xi < xs.size(); ++xi) {
                const CoverMap::Cells& c = columns[xi];
                const CoverMap::Cells& r = rows[yi];
                if ((never && never->covered(c, r) > 0) || (avoid && avoid->covered(c, r) > 0))
                    continue;
                const double cost = cover.covered(c, r);
                const double dx = xs[xi] - wanted.x(), dy = ys[yi] - wanted.y(), distance = dx * dx + dy * dy;
                if ((cost < best.cost - 1e-6 || (cost < best.cost + 1e-6 && distance < best.distance)) &&
                    (!fitting || fits(QRectF(xs[xi], ys[yi], w, h))))
                    best = {QRectF(xs[xi], ys[yi], w, h), cost, distance};
            }
        return best;
    };
    Covering best;
    for (const bool fitting : {true, false}) {
        if (fitting && !fits)
            continue;
        best = search(keepOff, fitting);
        if (!std::isfinite(best.cost))
            best = search(nullptr, fitting);
        if (std::isfinite(best.cost))
            return best;
    }
    // Nowhere inside the outline (a card smaller than the box): anywhere.
    if (never)
        return leastCovering(size, at, cover, keepOff, nullptr, card, {});
    return best;
}

}  // namespace

double freeRoom(const QList<QRectF>& taken, const CardArea& card) {
    return CoverMap(withOutside(taken, card), card.rect, coverCell(card.rect)).uncovered();
}

// Of the smallest of `sizes` (by area, the first few), the larger of equals.
QRectF leastCoveringPlace(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken,
                          const QList<QRectF>& pictures, const CardArea& card,
                          const std::function<bool(const QRectF&)>& fits) {
    QList<QSizeF> smallest = sizes;
    std::stable_sort(smallest.begin(), smallest.end(),
                     [](const QSizeF& a, const QSizeF& b) { return a.width() * a.height() < b.width() * b.height(); });
    smallest = smallest.mid(0, 3);
    const QRectF& rect = card.rect;
    const CoverMap cover(taken, rect, coverCell(rect));
    std::optional<CoverMap> keepOff, never;
    if (!pictures.isEmpty())
        keepOff.emplace(pictures, rect, coverCell(rect));
    if (!card.outside.isEmpty())
        never.emplace(card.outside, rect, coverCell(rect));
    Covering best;
    for (const QSizeF& s : sizes)
        if (smallest.contains(s)) {
            const Covering c =
                leastCovering(s, at, cover, keepOff ? &*keepOff : nullptr, never ? &*never : nullptr, rect, fits);
            if (c.cost < best.cost - 1e-6)
                best = c;
        }
    return best.place;
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const CardArea& card,
                     const QList<QRectF>& pictures) {
    const QList<QRectF> all = withOutside(taken, card);
    for (const QSizeF& s : sizes)
        if (const auto r = freePlaceIn(QRectF(at, s), all, card.rect))
            return *r;
    return leastCoveringPlace(sizes, at, taken, pictures, card);
}

QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const SideRoom& room, const CardArea& card) {
    for (const QList<QRectF>& lines : fieldTiers(room.lines, room.role))
        if (!lines.isEmpty()) {
            const QList<QRectF> all = withOutside(room.taken + lines, card);
            for (const QSizeF& s : sizes)
                if (const auto r = freePlaceIn(QRectF(at, s), all, card.rect))
                    return *r;
        }
    return fieldPlaceFor(sizes, at, room.taken, card, room.pictures);
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

std::optional<QRectF> clearFlowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                                        FlowOrder order) {
    const QList<QRectF> all = withOutside(taken, card);
    auto key = [order](const QRectF& r) {
        return std::make_tuple(order == FlowOrder::FewestLines ? r.height() : 0.0, r.top(), r.left(), r.width());
    };
    std::optional<QRectF> first;
    for (const QSizeF& s : sizes)
        if (const auto r = firstInReadingOrder(s, all, card.rect))
            if (!first || key(*r) < key(*first))
                first = r;
    return first;
}

QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                    const QList<QRectF>& pictures, FlowOrder order) {
    const std::optional<QRectF> first = clearFlowPlaceFor(sizes, taken, card, order);
    return first ? *first : leastCoveringPlace(sizes, card.rect.topLeft(), taken, pictures, card);
}

QRectF flowPlaceFor(const QList<QSizeF>& sizes, const SideRoom& room, const CardArea& card, FlowOrder order) {
    // The levels of the lines' room in turn; filling in fewest lines, a
    // later level's place where it holds fewer lines.
    std::optional<QRectF> first;
    for (const QList<QRectF>& lines : fieldTiers(room.lines, room.role))
        if (!lines.isEmpty())
            if (const auto r = clearFlowPlaceFor(sizes, room.taken + lines, card, order))
                if (!first || (order == FlowOrder::FewestLines && r->height() < first->height()))
                    first = r;
    return first ? *first : flowPlaceFor(sizes, room.taken, card, room.pictures, order);
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

namespace {

// The place nearest `at` of a box of `size` that touches nothing of
// `cover` and where `fits` holds; none where there is no such place.
std::optional<QRectF> nearestUncovered(const QSizeF& size, const QPointF& at, const CoverMap& cover, const QRectF& card,
                                       const std::function<bool(const QRectF&)>& fits) {
    const double w = size.width(), h = size.height();
    if (w > card.width() || h > card.height())
        return std::nullopt;
    const QPointF wanted = ontoCard(QRectF(at, size), card).topLeft();
    const double cell = coverCell(card);
    const std::vector<double> xs = coverCandidates(card.left(), card.right() - w, wanted.x(), cell);
    const std::vector<double> ys = coverCandidates(card.top(), card.bottom() - h, wanted.y(), cell);
    std::optional<QRectF> best;
    double nearest = std::numeric_limits<double>::infinity();
    for (double y : ys)
        for (double x : xs) {
            const double dx = x - wanted.x(), dy = y - wanted.y(), d = dx * dx + dy * dy;
            const QRectF r(x, y, w, h);
            if (d < nearest && cover.covered(r) <= 0 && fits(r)) {
                nearest = d;
                best = r;
            }
        }
    return best;
}

// What a field's box keeps its clearance from: `taken` and the outline
// grown by it, and the card's edges.
QList<QRectF> grownByClearance(const QList<QRectF>& taken, const CardArea& card) {
    const double gap = FieldClearance;
    QList<QRectF> out;
    for (const QRectF& t : withOutside(taken, card))
        out << t.normalized().adjusted(-gap + 0.001, -gap + 0.001, gap - 0.001, gap - 0.001);
    const QRectF& r = card.rect;
    out << QRectF(r.left(), r.top(), r.width(), gap) << QRectF(r.left(), r.bottom() - gap, r.width(), gap)
        << QRectF(r.left(), r.top(), gap, r.height()) << QRectF(r.right() - gap, r.top(), gap, r.height());
    return out;
}

}  // namespace

BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const QList<QRectF>& taken, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& pictures) {
    return besidePlaceFor(partner, sizes, sides, SideRoom{taken, pictures, {}}, card, partnerMoves);
}

BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const SideRoom& room, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& rivals) {
    const Beside first = sides.value(0, Beside::Above);
    // Apart from its partner, a field stands no nearer another of the
    // partner's role than its own.
    std::function<bool(const QRectF&)> nearerOwn;
    if (!rivals.isEmpty())
        nearerOwn = [&partner, &rivals](const QRectF& r) {
            const double own = distance2(r, partner);
            return std::none_of(rivals.cbegin(), rivals.cend(),
                                [&](const QRectF& o) { return distance2(r, o) < own - 1e-6; });
        };
    // The clear places, in the rule's order.
    auto clear = [&](const QList<QRectF>& taken) -> std::optional<BesidePlace> {
        const QList<QRectF> all = withOutside(taken, card);
        // A side's band lies outside the partner: only the rest can be in the way.
        for (const QSizeF& s : sizes) {
            for (Beside side : sides) {
                const QRectF r = sidePlace(partner, s, side).place;
                if (freePlaceIn(r, all, card.rect) == r)
                    return BesidePlace{r, partner};
            }
            for (Beside side : sides) {
                const SidePlace at = sidePlace(partner, s, side);
                if (const auto r = freePlaceIn(at.place, all, at.band & card.rect))
                    return BesidePlace{*r, partner};
            }
        }
        if (partnerMoves) {
            // Nowhere beside it where it stands: the two go together where
            // both are clear.
            for (const QSizeF& s : sizes)
                for (Beside side : sides) {
                    const QRectF field = sidePlace(partner, s, side).place;
                    const QRectF both = field | partner;
                    if (const auto r = freePlaceIn(both, all, card.rect)) {
                        const QPointF by = r->topLeft() - both.topLeft();
                        return BesidePlace{field.translated(by), partner.translated(by)};
                    }
                }
            return std::nullopt;
        }
        // The partner stays: the field at the clear place nearest its first
        // side, nearer its partner than any rival.
        QList<QRectF> withPartner = all;
        withPartner << partner;
        std::optional<CoverMap> cover;
        for (const QSizeF& s : sizes) {
            const QRectF wanted = sidePlace(partner, s, first).place;
            if (const auto r = freePlaceIn(wanted, withPartner, card.rect); r && (!nearerOwn || nearerOwn(*r)))
                return BesidePlace{*r, partner};
            if (!nearerOwn)
                continue;
            if (!cover)
                cover.emplace(grownByClearance(taken + QList<QRectF>{partner}, card), card.rect, coverCell(card.rect));
            if (const auto r = nearestUncovered(s, wanted.topLeft(), *cover, card.rect, nearerOwn))
                return BesidePlace{*r, partner};
        }
        return std::nullopt;
    };
    for (const QList<QRectF>& lines : fieldTiers(room.lines, room.role))
        if (const auto at = clear(room.taken + lines))
            return *at;
    if (partnerMoves) {
        // No clear place for the two: together where they cover the least.
        QList<QSizeF> units;
        QList<QRectF> fields;  // the field's place beside the partner where it stands, of each unit
        for (const QSizeF& s : sizes)
            for (Beside side : sides) {
                const QRectF field = sidePlace(partner, s, side).place;
                units << (field | partner).size();
                fields << field;
            }
        const QRectF wanted = fields.value(fields.size() - sides.size()) | partner;
        const QRectF r = leastCoveringPlace(units, wanted.topLeft(), room.taken, room.pictures, card);
        const qsizetype chosen = std::max<qsizetype>(0, units.indexOf(r.size()));
        const QRectF both = fields.at(chosen) | partner;
        const QPointF by = r.topLeft() - both.topLeft();
        return {fields.at(chosen).translated(by), partner.translated(by)};
    }
    // The partner stays: the field where it covers the least, never over
    // its partner.
    QList<QRectF> withPartner = room.taken, keepOff = room.pictures;
    withPartner << partner;
    keepOff << partner;
    return {leastCoveringPlace(sizes, sidePlace(partner, sizes.value(sizes.size() - 1), first).place.topLeft(),
                               withPartner, keepOff, card, nearerOwn),
            partner};
}

PairPlace pairPlaceFor(const SKTGraphic& caption, const SKTGraphic& value, const QPointF& at,
                       const QList<Beside>& captionSides, const SideRoom& room, const CardArea& card,
                       FieldScales scales) {
    // At each share of their sizes, largest first: the caption on its line,
    // the value in each of its boxes, the caption before or above it.
    struct Unit {
        QSizeF size, caption, value;
        bool before;
    };
    QList<Unit> units;
    QList<QSizeF> sizes;
    for (double scale : fieldScaleSteps(scales)) {
        const QSizeF c = fieldSizes(caption, card.rect.size(), {scale, scale}, false).value(0);
        const QList<QSizeF> values = fieldSizes(value, card.rect.size(), {scale, scale}, false);
        for (Beside side : captionSides)
            for (const QSizeF& v : values) {
                const bool before = side == Beside::Before;
                const QSizeF size = before ? QSizeF(c.width() + v.width(), std::max(c.height(), v.height()))
                                           : QSizeF(std::max(c.width(), v.width()), c.height() + v.height());
                units << Unit{size, c, v, before};
                sizes << size;
            }
    }
    if (units.isEmpty())
        return {caption.bounds(), value.bounds()};
    auto placed = [](const Unit& u, const QPointF& p) {
        return PairPlace{QRectF(p, u.caption),
                         QRectF(p + (u.before ? QPointF(u.caption.width(), 0) : QPointF(0, u.caption.height())),
                                u.value)};
    };
    // Clear of the fields' lines first (each part of the room its role
    // keeps), then clear of what is drawn.
    const QList<QRectF> all = withOutside(room.taken, card);
    for (const LineRooms& tier : lineTiers(room.lines)) {
        for (qsizetype i = 0; i < units.size(); ++i) {
            const Unit& u = units.at(i);
            const PairPlace parts = placed(u, QPointF(0, 0));
            const QList<QRectF> taken = all + lineRoomsOf(tier, u.size, parts.caption, parts.value);
            if (const auto r = freePlaceIn(QRectF(at, sizes.at(i)), taken, card.rect))
                return placed(u, r->topLeft());
        }
    }
    const QRectF r = leastCoveringPlace(sizes, at, room.taken, room.pictures, card);
    return placed(units.at(std::max<qsizetype>(0, sizes.indexOf(r.size()))), r.topLeft());
}

QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card) {
    const QRectF above = sidePlace(value, caption, Beside::Above).place;
    return above.top() >= card.top() ? above : sidePlace(value, caption, Beside::Before).place;
}

double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card) {
    const double lines = fittedTextHeight(g);
    const QRectF box = g.bounds().normalized();
    if (!isFieldId(g.control_ID) || !(lines > box.height()))
        return lines;
    // What lies below the box across its width stops it; what it already
    // meets does not, nor does the card's ground.
    auto below = [&box](const QRectF& r) {
        return r.left() < box.right() && r.right() > box.left() && r.top() >= box.bottom() - 0.001;
    };
    double bottom = std::max(card.rect.bottom(), box.bottom());
    const std::vector<bool> ground = groundOf(side, card.rect);
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& t = side.at(i);
        if (!t || t.get() == &g || ground[std::size_t(i)] || !(t->ctrl_is_visible || isFieldId(t->control_ID)))
            continue;
        if (const QRectF r = t->drawingBounds(); below(r))
            bottom = std::min(bottom, r.top());
    }
    for (const QRectF& o : card.outside)
        if (below(o))
            bottom = std::min(bottom, o.top());
    return std::max(box.height(), std::min(lines, bottom - box.top()));
}

}  // namespace zelk
