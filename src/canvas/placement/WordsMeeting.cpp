// Which fields of a side print words that meet others': each shown text's
// printed words, set against the other texts' words, the pictures, the
// shapes and the card's outline.
#include "canvas/placement/WordsMeeting.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>

namespace zelk {

namespace {

// Less than this either way is two glyph boxes touching, not meeting.
constexpr double Touching = 0.1;

bool meet(const QRectF& a, const QRectF& b) {
    const QRectF both = a & b;
    return both.width() > Touching && both.height() > Touching;
}

}  // namespace

QStringList fieldsWhoseWordsMeetOthers(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card) {
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    // Each shown graphic's printed words (a text's), or what it covers.
    struct Printed {
        const SKTGraphic* g;
        QList<QRectF> words, covers;
        bool shape = false;  // a shape: the ground of a text that lies wholly on it
    };
    QList<Printed> printed;
    // A value is printed where the side draws it: beside its caption.
    const QList<std::shared_ptr<const SKTGraphic>> drawnSide(side.cbegin(), side.cend());
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || !g->ctrl_is_visible || backdrop[std::size_t(i)])
            continue;
        if (isExactlyText(g.get())) {
            const std::shared_ptr<SKTGraphic> beside = copyBesideCaption(*g, drawnSide);
            if (QList<QRectF> words = printedWordBoxes(beside ? *beside : *g); !words.isEmpty())
                printed.append({g.get(), std::move(words), {}});
        } else {
            printed.append({g.get(), {}, takenBy(*g), !(isExactlyImage(g.get()) || isExactlyBarcode(g.get()))});
        }
    }
    QStringList out;
    for (const Printed& f : printed) {
        if (!isFieldId(f.g->control_ID) || f.words.isEmpty() || out.contains(f.g->control_ID))
            continue;
        QRectF all;
        for (const QRectF& word : f.words)
            all |= word;
        const bool meets = std::any_of(f.words.cbegin(), f.words.cend(), [&](const QRectF& word) {
            if (!card.holds(word.adjusted(Touching, Touching, -Touching, -Touching)))
                return true;
            return std::any_of(printed.cbegin(), printed.cend(), [&](const Printed& o) {
                if (o.g == f.g || (o.shape && o.g->drawingBounds().contains(all)))
                    return false;
                const QList<QRectF>& theirs = o.words.isEmpty() ? o.covers : o.words;
                return std::any_of(theirs.cbegin(), theirs.cend(), [&](const QRectF& r) { return meet(word, r); });
            });
        });
        if (meets)
            out << f.g->control_ID;
    }
    return out;
}

}  // namespace zelk
