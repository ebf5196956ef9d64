// Captions kept to their own values: a field's role and partner, and the
// pairing zones of a side's fields, the levels they are kept at and which
// of them a field breaches.
#include "canvas/placement/CaptionPairing.h"

#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/TextMeasure.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace zelk {

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

// How far along its line a caption's or a value's pairing zone reaches, in ems.
constexpr double PairingZoneEms = 1.5;

}  // namespace

double distance2(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, b.left() - a.right(), a.left() - b.right()});
    const double dy = std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

Standing standingOf(const QRectF& caption, const QRectF& value, double em) {
    const QRectF c = caption.normalized(), v = value.normalized();
    // A point is left for rounding where the two touch.
    const double downGap = v.top() - c.bottom(), acrossGap = v.left() - c.right();
    const bool across = c.left() < v.right() && v.left() < c.right();
    const bool down = c.top() < v.bottom() && v.top() < c.bottom();
    // Above it: a value starts under its caption, not an em before it.
    if (across && downGap >= -1 && downGap <= em && v.left() >= c.left() - em)
        return Standing::Above;
    if (down && acrossGap >= -1 && acrossGap <= PairingZoneEms * em)
        return Standing::Before;
    return Standing::Apart;
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

PairingZones pairingZonesOn(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self,
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
    PairingZones out;
    for (const auto& [g, role, d] : shown) {
        if (g == self || g == partner)
            continue;
        const double em = drawnTextPointSize(*g), reach = PairingZoneEms * em;
        if (role == FieldRole::Caption) {
            out.afterCaptions << runOnSpaceAfter(*g, d);
            out.besideCaptions << QRectF(d.left() - reach, d.top(), d.width() + 2 * reach, d.height());
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

QList<PairingZones> pairingLevels(const PairingZones& zones) {
    QList<PairingZones> levels;
    if (!zones.isEmpty())
        levels << zones;
    if (!(zones.besideValues.isEmpty() && zones.besideCaptions.isEmpty()) &&
        !(zones.afterCaptions.isEmpty() && zones.beforeValues.isEmpty()))
        levels << PairingZones{zones.afterCaptions, zones.beforeValues, {}, {}};
    levels << PairingZones{};
    return levels;
}

QList<QRectF> takenFromUnit(const PairingZones& zones, const QSizeF& size, const QRectF& caption, const QRectF& value) {
    // The box at p meets R where p lies in [R.left - w, R.right] x [R.top -
    // h, R.bottom]; its part at offset o of size s meets a zone T where p
    // lies in [T.left - o.x - s.w, T.right - o.x] x (likewise down).
    return takenFromPart(zones.afterCaptions, size, value) + takenFromPart(zones.besideValues, size, value) +
           takenFromPart(zones.beforeValues, size, caption) + takenFromPart(zones.besideCaptions, size, caption);
}

QList<QRectF> takenFromPart(const QList<QRectF>& zones, const QSizeF& size, const QRectF& part) {
    QList<QRectF> out;
    if (part.isEmpty())
        return out;
    for (const QRectF& t : zones)
        out << QRectF(QPointF(t.left() + size.width() - part.right(), t.top() + size.height() - part.bottom()),
                      QPointF(t.right() - part.left(), t.bottom() - part.top()));
    return out;
}

QList<QRectF> takenFromField(const PairingZones& zones, FieldRole role) {
    return role == FieldRole::Value ? zones.afterCaptions + zones.besideValues
           : role == FieldRole::Caption ? zones.beforeValues + zones.besideCaptions
                                        : QList<QRectF>{};
}

double runOnSpaceAt(const SKTGraphic&, double points) { return PairingZoneEms * std::max(points, 0.0); }

double runOnSpaceOf(const SKTGraphic& caption) { return runOnSpaceAt(caption, drawnTextPointSize(caption)); }

double runOnSpaceIn(const SKTGraphic& caption, const QSizeF& size) {
    return runOnSpaceAt(caption,
                        text::drawnSize(caption, text::shownText(caption), QRectF(QPointF(0, 0), size)).points);
}

QRectF runOnSpaceAfter(const SKTGraphic& caption, const QRectF& drawn) {
    return QRectF(drawn.right(), drawn.top(), runOnSpaceOf(caption), drawn.height());
}

QRectF runOnSpacePast(const QSizeF& size, const QRectF& caption, double space) {
    const double from = std::max(caption.right(), size.width()), to = caption.right() + space;
    if (caption.isEmpty() || to <= from)
        return {};
    return QRectF(QPointF(from, caption.top()), QPointF(to, caption.bottom()));
}

QList<QRectF> spacesAfterCaptions(const QList<std::shared_ptr<SKTGraphic>>& side, const SKTGraphic* self,
                                  const SKTGraphic* partner) {
    QList<QRectF> out;
    forShownFields(side, self, partner, [&out](const SKTGraphic& g, FieldRole role) {
        if (role == FieldRole::Caption)
            out << runOnSpaceAfter(g, g.drawingBounds());
    });
    return out;
}

void takeSpacesBefore(QList<QRectF>& rects, double space) {
    for (QRectF& r : rects)
        r.setLeft(r.left() - space);
}

QList<QList<QRectF>> takenFromFieldByLevel(const PairingZones& zones, FieldRole role) {
    QList<QList<QRectF>> out;
    // A later level holds a part of an earlier one: one of the same count is
    // the same.
    for (const PairingZones& level : pairingLevels(zones))
        if (const QList<QRectF> r = takenFromField(level, role); out.isEmpty() || r.size() != out.last().size())
            out << r;
    return out;
}

QList<QRectF> fieldRects(const QList<std::shared_ptr<SKTGraphic>>& side, FieldRole role, const SKTGraphic* self,
                         const SKTGraphic* partner) {
    QList<QRectF> out;
    forShownFields(side, self, partner, [&](const SKTGraphic& g, FieldRole r) {
        if (r == role)
            out << g.drawingBounds();
    });
    return out;
}

std::optional<QRectF> partBesideCaption(const SKTGraphic& g, const QList<std::shared_ptr<const SKTGraphic>>& side) {
    if (!isExactlyText(&g) || g.boxOwner() != BoxOwner::Rule || g.text_rotation != 0 ||
        (g.data_source_type != DataSourceType::ExcelColumn && g.data_source_type != DataSourceType::Series) ||
        g.Text_Value.isEmpty() || fieldRole(g.control_ID) != FieldRole::Value)
        return std::nullopt;
    const QString captionId = partnerIdOf(g.control_ID);
    const auto caption = std::find_if(side.cbegin(), side.cend(), [&](const std::shared_ptr<const SKTGraphic>& c) {
        return c && c->control_ID == captionId && c->ctrl_is_visible && isExactlyText(c.get()) &&
               !c->Text_Value.isEmpty();
    });
    if (caption == side.cend())
        return std::nullopt;
    const QRectF box = g._bounds.normalized(), beside = (*caption)->_bounds.normalized();
    const QString shown = text::shownText(g);
    const text::DrawnSize drawn = text::drawnSize(g, shown, box);
    const Standing standing = standingOf(beside, box, drawn.points);
    if (standing == Standing::Apart)
        return std::nullopt;

    // Its widest line at that size: unwrapped where the box's width holds
    // it, else as its lines wrap there.
    const QFont font = text::atSize(text::layoutFont(g), drawn.points);
    double widest = text::naturalWidth(shown, font);
    if (widest > box.width()) {
        const text::LaidOutText lines =
            text::laidOut(shown, font, horizontalTextAlignment(g.text_alignmnet), box.width(), false);
        widest = 0;
        for (int i = 0; i < lines.layout->lineCount(); ++i)
            widest = std::max(widest, lines.layout->lineAt(i).naturalTextWidth() / text::UnitsPerPoint);
    }
    // A point of slack keeps the widest line from wrapping, as a text made
    // to its natural size has.
    const QSizeF need(std::min(box.width(), std::ceil(widest) + 1), std::min(box.height(), drawn.height));
    QRectF part(box.topLeft(), need);
    if (standing == Standing::Before)
        part.moveTop(std::clamp(beside.top(), box.top(), box.bottom() - need.height()));
    else
        part.moveLeft(std::clamp(beside.left(), box.left(), box.right() - need.width()));
    // Drawn there at the size it had in the whole box, or the box stays.
    if (part == box || text::drawnSize(g, shown, part).points != drawn.points)
        return std::nullopt;
    return part;
}

std::shared_ptr<SKTGraphic> copyBesideCaption(const SKTGraphic& value,
                                              const QList<std::shared_ptr<const SKTGraphic>>& side) {
    const std::optional<QRectF> part = partBesideCaption(value, side);
    if (!part)
        return nullptr;
    std::shared_ptr<SKTGraphic> copy = value.clone();
    copy->_bounds = *part;
    return copy;
}

}  // namespace zelk
