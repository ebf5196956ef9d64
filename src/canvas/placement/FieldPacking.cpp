// Packing a crowded card's values and captions as units, the first free
// place in reading order filled with the unit that fills it best.
#include "canvas/placement/FieldPacking.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/FreePlaceSearch.h"

#include <optional>
#include <tuple>

namespace zelk {

namespace {

// One form of a unit: its size, its value's box within it, and the part
// of its caption's run-on space that lies past it (empty where none does).
struct Form {
    QSizeF size;
    QRectF value;
    bool above;
    QRectF runOn = {};
};

QList<Form> formsOf(const PackedUnit& u) {
    QList<Form> out;
    const QSizeF& c = u.caption;
    for (const QSizeF& v : u.valueSizes) {
        if (c.isEmpty()) {
            out << Form{v, QRectF(QPointF(0, 0), v), true};
            continue;
        }
        out << Form{QSizeF(std::max(c.width(), v.width()), c.height() + v.height()),
                    QRectF(QPointF(0, c.height()), v), true};
        out << Form{QSizeF(c.width() + v.width(), std::max(c.height(), v.height())), QRectF(QPointF(c.width(), 0), v),
                    false};
    }
    for (Form& f : out)
        f.runOn = runOnSpacePast(f.size, QRectF(QPointF(0, 0), c), u.captionRunOn);
    return out;
}

}  // namespace

QHash<QString, PackedPlace> packFields(const QList<PackedUnit>& units, const QList<QRectF>& taken,
                                       const QList<QRectF>& drawn, const CardArea& card) {
    QList<QRectF> all = withOutside(taken, card);
    // What a caption's run-on space keeps clear of: what is drawn, and the
    // units packed.
    QList<QRectF> things = drawn;
    // Each form's first clear place, kept until a unit placed meets it:
    // what is added never opens an earlier place.
    struct Form_ {
        Form form;
        std::optional<QRectF> at;
        bool known = false;
    };
    QList<QList<Form_>> forms;
    for (const PackedUnit& u : units) {
        QList<Form_> own;
        for (const Form& f : formsOf(u))
            own.append({f, std::nullopt, false});
        forms << own;
    }
    QList<bool> left(units.size(), true);
    QHash<QString, PackedPlace> out;
    for (qsizetype placed = 0; placed < units.size(); ++placed) {
        // Each unit in its form that comes first in reading order, the
        // least tall there (then the widest); of those, the first, then the
        // widest (then the tallest): as keys, the least.
        using Key = std::tuple<double, double, double, double>;
        std::optional<Key> best;
        QRectF at;
        qsizetype unit = -1, form = -1;
        for (qsizetype i = 0; i < units.size(); ++i) {
            if (!left.at(i))
                continue;
            std::optional<Key> own;
            QRectF ownAt;
            qsizetype ownForm = -1;
            for (qsizetype f = 0; f < forms.at(i).size(); ++f) {
                Form_& form_ = forms[i][f];
                if (!form_.known) {
                    const Form& f = form_.form;
                    form_.at = firstInReadingOrder(
                        f.size, f.runOn.isEmpty() ? all : all + takenFromPart(things, f.size, f.runOn), card.rect);
                    form_.known = true;
                }
                if (const std::optional<QRectF>& r = form_.at) {
                    const Key key(r->top(), r->left(), r->height(), -r->width());
                    if (!own || key < *own) {
                        own = key;
                        ownAt = *r;
                        ownForm = f;
                    }
                }
            }
            if (!own)
                continue;
            const Key key(ownAt.top(), ownAt.left(), -ownAt.width(), -ownAt.height());
            if (!best || key < *best) {
                best = key;
                at = ownAt;
                unit = i;
                form = ownForm;
            }
        }
        if (unit < 0)
            break;
        const Form& chosen = forms.at(unit).at(form).form;
        left[unit] = false;
        out.insert(units.at(unit).id,
                   PackedPlace{chosen.value.translated(at.topLeft()), units.at(unit).caption, chosen.above,
                               units.at(unit).captionRunOn});
        const QRectF added[] = {at, QRectF(at.right(), at.top(), units.at(unit).runOn, at.height())};
        all << added[0] << added[1];
        things << at;
        // The places the unit now stands on, or within the clearance of,
        // are sought again, and those whose caption's run-on space it
        // stands in.
        for (QList<Form_>& own : forms)
            for (Form_& f : own)
                if (f.at) {
                    for (const QRectF& a : added)
                        if (f.at->adjusted(-FieldClearance, -FieldClearance, FieldClearance, FieldClearance)
                                .intersects(a))
                            f.known = false;
                    if (!f.form.runOn.isEmpty() &&
                        f.form.runOn.translated(f.at->topLeft())
                            .adjusted(-FieldClearance, -FieldClearance, FieldClearance, FieldClearance)
                            .intersects(at))
                        f.known = false;
                }
    }
    return out;
}

}  // namespace zelk
