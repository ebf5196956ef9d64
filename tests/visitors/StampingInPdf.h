#pragma once
// A stamping as a PDF of its side shows it, to compare stampings by: the
// names of the fields whose printed words read wrong (each once, under the
// worst that holds), the fields read as another's, and the words broken.
// Read with independent tools, never with the batch's own counts.
#include "FieldsOnDesignsSupport.h"

#include <functional>
#include <map>
#include <tuple>

namespace zelk::test {

struct ShownInPdf {
    std::map<ReadsWrong, QStringList> names;
    // The fields whose words stand astride an edge of dark ground, where
    // whether they read is a pixel's call; and of those, the ones the PDF
    // shows not reading (and named for nothing worse).
    QStringList astride, astrideUnread;
    QStringList misread, why;  // the fields read as another's, and how
    int broken = 0;            // values and captions with a word the PDF breaks

    // The names told (those that do not read only where they count); with
    // `astrideToo`, those astride an edge counted as not reading.
    int told(bool unreadableCounts = true, bool astrideToo = false) const {
        int n = 0;
        for (const auto& [kind, list] : names)
            n += kind == ReadsWrong::Unreadable && !unreadableCounts ? 0 : int(list.size());
        return n + (unreadableCounts && astrideToo ? int(astrideUnread.size()) : 0);
    }
    std::tuple<int, int, int> score(bool unreadableCounts = true, bool astrideToo = false) const {
        return {told(unreadableCounts, astrideToo), int(misread.size()), broken};
    }
    QString describe(bool unreadableCounts = true) const {
        QStringList by;
        for (const auto& [kind, list] : names)
            if (!list.isEmpty())
                by << QStringLiteral("%1: %2").arg(int(kind)).arg(list.join(", "));
        return QStringLiteral("%1 told (%2), %3 read as another's (%4), %5 with a word broken")
            .arg(told(unreadableCounts))
            .arg(by.join("; "))
            .arg(misread.size())
            .arg(why.join(", "))
            .arg(broken);
    }
};

// The fields of `side` a stamping of `stamped` shows, read from a PDF of
// the side (`pdf`) and its ink PDFs (`ink`), where `astride` tells a word
// box astride an edge of dark ground (none, where not given):
// - by kind, the names of the fields whose printed words leave the card,
//   meet others, lie across an edge or stand where they do not read;
// - the fields read as another's: a value nearer another caption than its
//   own, box to box or word to word as the page prints them; a caption followed straight on its line, within an em and a half,
//   by anything but its own value; a value followed so by other words;
// - the values and captions of those reading right with a word broken.
inline ShownInPdf shownInPdf(const QString& pdf, const InkPdf& ink, const SideGraphics& side, const QSizeF& card,
                             const QList<HolderSample>& stamped,
                             const std::function<bool(const QRectF&)>& astride = {}) {
    std::map<ReadsWrong, QStringList> ids;
    ids[ReadsWrong::LeavesTheCard] = fieldsLeavingInPdf(ink, side, card, ::Card_Shape);
    ids[ReadsWrong::Meets] = fieldsMeetingInPdf(pdf, side, card);
    for (const auto& [id, why] : fieldsAcrossOrUnreadableInPdf(pdf, side, card))
        ids[why] << id;
    auto shownWithId = [&side](const QString& id) -> std::shared_ptr<SKTGraphic> {
        for (const auto& g : side)
            if (g && g->control_ID == id && g->ctrl_is_visible && isExactlyText(g.get()) && !g->Text_Value.isEmpty())
                return g;
        return nullptr;
    };
    QStringList onAnEdge;
    if (astride)
        for (const auto& g : side)
            if (g && g->ctrl_is_visible && isExactlyText(g.get()) && isFieldId(g->control_ID))
                for (const QRectF& w : printedWordBoxes(*g))
                    if (astride(w))
                        onAnEdge << namesOfFields({g->control_ID}, side);
    ShownInPdf out;
    out.astride = onAnEdge;
    QStringList named;
    for (ReadsWrong why : {ReadsWrong::LeavesTheCard, ReadsWrong::Meets, ReadsWrong::AcrossAnEdge, ReadsWrong::Unreadable})
        for (const QString& name : namesOfFields(ids[why], side))
            if (!named.contains(name)) {
                named << name;
                (why == ReadsWrong::Unreadable && onAnEdge.contains(name) ? out.astrideUnread : out.names[why]) << name;
            }
    // Each field's words as the page prints them, all of them.
    QHash<const SKTGraphic*, QRectF> wordsOf;
    for (const auto& [owner, box] : ownedWords(readPdf(pdf), side))
        if (owner)
            wordsOf[owner] |= box;
    // A value nearer another caption than its own, box to box or word to
    // word as printed.
    auto nearer = [&wordsOf](const SKTGraphic& value, const SKTGraphic& other, const SKTGraphic& own) {
        if (gapBetween(value.drawingBounds(), other.drawingBounds()) <
            gapBetween(value.drawingBounds(), own.drawingBounds()) - 0.01)
            return true;
        const QRectF v = wordsOf.value(&value), o = wordsOf.value(&other), c = wordsOf.value(&own);
        return !v.isNull() && !o.isNull() && !c.isNull() && gapBetween(v, o) < gapBetween(v, c) - 0.01;
    };
    for (const HolderSample& h : stamped) {
        const auto value = shownWithId(h.valueId), own = shownWithId(h.captionId);
        for (const auto& field : {value, own}) {
            if (!field)
                continue;
            const double em = drawnTextPointSize(*field);
            for (const auto& other : side) {
                if (!other || other == field || !other->ctrl_is_visible ||
                    (isExactlyText(other.get()) && other->Text_Value.isEmpty()))
                    continue;
                QString how;
                if (field == value && own && other != own && fieldRole(other->control_ID) == FieldRole::Caption &&
                    nearer(*value, *other, *own))
                    how = QStringLiteral("\"%1\" reads as \"%2\"").arg(value->Text_Value, other->Text_Value);
                else if (!(field == own && other == value) && (field == own || isExactlyText(other.get())) &&
                         followedOnLine(field->drawingBounds(), other->drawingBounds(), 1.5 * em))
                    how = QStringLiteral("\"%1\" is followed by \"%2\"").arg(field->Text_Value, other->Text_Value);
                if (how.isEmpty())
                    continue;
                out.why << how;
                if (!out.misread.contains(field->control_ID))
                    out.misread << field->control_ID;
            }
        }
    }
    // Of the values and captions the PDF shows reading right: the page
    // cuts the words of those that leave the card, and pdftotext mixes
    // those of words over words.
    QStringList wrongIds;
    for (const auto& [why, list] : ids)
        wrongIds << list;
    QList<HolderSample> whole;
    for (const HolderSample& h : stamped) {
        if (!wrongIds.contains(h.valueId) && shownWithId(h.valueId))
            whole << h;
        if (!wrongIds.contains(h.captionId) && shownWithId(h.captionId))
            whole << HolderSample{h.captionId, h.captionId, h.caption, h.caption};
    }
    out.broken = int(wordsBrokenInPdf(pdf, whole).size());
    return out;
}

}  // namespace zelk::test
