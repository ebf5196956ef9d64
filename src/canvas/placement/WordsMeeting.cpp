// Which fields of a side print words that read wrong: each shown text's
// printed words, set against the other texts' words, the pictures, the
// shapes, the card's outline and the ground under them.
#include "canvas/placement/WordsMeeting.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/Readability.h"
#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace zelk {

namespace {

// Less than this either way is two glyph boxes touching, not meeting.
constexpr double Touching = 0.1;

bool meet(const QRectF& a, const QRectF& b) {
    const QRectF both = a & b;
    return both.width() > Touching && both.height() > Touching;
}

bool meetsAny(const QRectF& word, const QList<QRectF>& rects) {
    return std::any_of(rects.cbegin(), rects.cend(), [&word](const QRectF& r) { return meet(word, r); });
}

// Whether the letters of a word (its outline on the card) reach past the
// card's outline by more than a touch: a word box's corner past a rounded
// corner may hold no letter there.
bool lettersLeave(const QPainterPath& letters, const CardArea& card) {
    QPainterPath beyond;
    beyond.addRect(card.rect.united(letters.boundingRect()).adjusted(-1, -1, 1, 1));
    const QRectF past = letters.intersected(beyond.subtracted(card.outline())).boundingRect();
    return past.width() > Touching && past.height() > Touching;
}

// What a shown graphic puts on the card, as a field's words are set
// against it.
struct Printed {
    const SKTGraphic* g = nullptr;
    std::shared_ptr<const SKTGraphic> drawn;  // a text as the side prints it
    QList<QRectF> words, covers, edges;
    QRectF area;
    bool shape = false, backdrop = false;
};

// The contrast a field's words keep on their ground: where its owner put
// it (its owner's box, or locked), none.
std::optional<double> keptContrastOf(const SKTGraphic& field, const FieldGround& ground) {
    if (ground.isNull() || field.ctrl_is_locked)
        return std::nullopt;
    if (field.boxOwner() == BoxOwner::Rule)
        return LeastMovedContrast;
    const QRectF own = field.design_box.normalized();
    if (own.isEmpty() || own == field.bounds().normalized())
        return std::nullopt;
    return ground.keptContrast(field.txt_clr, own);
}

std::optional<ReadsWrong> whatReadsWrong(const Printed& f, const QList<Printed>& printed, const CardArea& card,
                                         const FieldGround& ground) {
    QRectF all;
    for (const QRectF& word : f.words)
        all |= word;
    std::optional<QList<QPainterPath>> outlines;
    for (qsizetype i = 0; i < f.words.size(); ++i)
        if (const QRectF& word = f.words.at(i); !card.holds(word.adjusted(Touching, Touching, -Touching, -Touching))) {
            if (!outlines)
                outlines = printedWordOutlines(*f.drawn);
            if (i >= outlines->size() || lettersLeave(outlines->at(i), card))
                return ReadsWrong::Meets;
        }
    bool acrossAnEdge = false;
    for (const Printed& o : printed) {
        if (o.g == f.g)
            continue;
        // A shape that holds all of the words is their ground: only its
        // edge is in their way; a backdrop, only its edge, and the words
        // lie on it or off it.
        const bool onIt = (o.shape || o.backdrop) && o.area.contains(all);
        const QList<QRectF>& theirs = !o.words.isEmpty() ? o.words : onIt || o.backdrop ? o.edges : o.covers;
        for (const QRectF& word : f.words)
            if (meetsAny(word, theirs)) {
                if (!o.words.isEmpty() || !(onIt || o.backdrop))
                    return ReadsWrong::Meets;
                acrossAnEdge = true;
            }
        if (o.backdrop && !onIt &&
            std::any_of(f.words.cbegin(), f.words.cend(), [&o](const QRectF& w) { return meet(o.area, w); }))
            acrossAnEdge = true;
    }
    if (acrossAnEdge)
        return ReadsWrong::AcrossAnEdge;
    if (const std::optional<double> kept = keptContrastOf(*f.g, ground))
        for (const QRectF& word : f.words)
            if (ground.contrastUnder(f.drawn->txt_clr, word) < *kept - 0.001)
                return ReadsWrong::Unreadable;
    return std::nullopt;
}

}  // namespace

QList<FieldReadingWrong> fieldsReadingWrong(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                            const FieldGround& ground) {
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    QList<Printed> printed;
    // A value is printed where the side draws it: beside its caption.
    const QList<std::shared_ptr<const SKTGraphic>> drawnSide(side.cbegin(), side.cend());
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || !g->ctrl_is_visible)
            continue;
        Printed p;
        p.g = g.get();
        if (isExactlyText(g.get())) {
            const std::shared_ptr<SKTGraphic> beside = copyBesideCaption(*g, drawnSide);
            p.drawn = beside ? beside : std::shared_ptr<const SKTGraphic>(g);
            p.words = printedWordBoxes(*p.drawn);
            if (p.words.isEmpty())
                continue;
        } else {
            p.area = g->drawingBounds();
            p.backdrop = backdrop[std::size_t(i)];
            p.shape = !p.backdrop && !(isExactlyImage(g.get()) || isExactlyBarcode(g.get()));
            if (p.backdrop || p.shape)
                p.edges = edgeCover(*g);
            if (!p.backdrop)
                p.covers = takenBy(*g);
        }
        printed.append(std::move(p));
    }
    QList<FieldReadingWrong> out;
    for (const Printed& f : printed) {
        const QString& id = f.g->control_ID;
        if (f.words.isEmpty() || !isFieldId(id) ||
            std::any_of(out.cbegin(), out.cend(), [&id](const FieldReadingWrong& o) { return o.id == id; }))
            continue;
        if (const std::optional<ReadsWrong> why = whatReadsWrong(f, printed, card, ground))
            out.append({id, *why});
    }
    return out;
}

}  // namespace zelk
