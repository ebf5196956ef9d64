// A run's cards measured for what reads wrong on them, and the closing
// message's sentence on them.
#include "production/CardsReadingWrong.h"

#include "canvas/CardReadingWrong.h"
#include "canvas/ReadingWrongMessage.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "production/BatchSnapshot.h"
#include "production/ProducedCard.h"

#include <QSet>

#include <algorithm>

namespace zelk {

namespace {

// The name a graphic taking a run's values goes by: its column's title, or
// its series'.
QString boundName(const SKTGraphic& g, const BatchValues& values) {
    if (g.data_source_type == DataSourceType::ExcelColumn) {
        const QString title = values.excelTitles.value(g.excel_col_indx).simplified();
        return title.isEmpty() ? QStringLiteral("column %1").arg(g.excel_col_indx) : title;
    }
    return g.batch_list_name;
}

// Whether a graphic's words (a barcode's bars) run past the box it was
// given: a text's words its own, a barcode's bars the design's.
bool outOfItsBox(const SKTGraphic& g, const QRectF& designBox) {
    if (!isExactlyText(&g) && !isExactlyBarcode(&g))
        return false;
    const QRectF box = (isExactlyText(&g) ? g.bounds().normalized() : designBox)
                           .adjusted(-WithinSlack, -WithinSlack, WithinSlack, WithinSlack);
    const QList<QRectF> words = isExactlyText(&g) ? printedWordBoxes(g) : barsOf(g);
    return std::any_of(words.cbegin(), words.cend(), [&box](const QRectF& w) { return !box.contains(w); });
}

// What a run's cards draw under what takes their values: all but the
// fields and `bound`.
FieldGround groundUnder(const SideSnapshot& side, const QSet<const SKTGraphic*>& bound) {
    return fieldGroundOf(side, [&bound](const SKTGraphic& g) { return isFieldId(g.control_ID) || bound.contains(&g); });
}

}  // namespace

CardsReadingWrong::CardsReadingWrong(const BatchSnapshot* batch) {
    for (int side = 0; side < 2 && batch; ++side) {
        const SideSnapshot& design = side == 0 ? batch->front : batch->back;
        Side& s = sides_[size_t(side)];
        s.shared = true;
        bool fields = false;
        QSet<const SKTGraphic*> bound;
        for (qsizetype i = 0; i < design.graphics.size(); ++i) {
            const std::shared_ptr<const SKTGraphic>& g = design.graphics.at(i);
            if (!g || !batch->values.valueFor(*g, 0))
                continue;
            if (isFieldId(g->control_ID)) {
                fields = fields || isMeasuredField(*g);
            } else if (isExactlyText(g.get()) || isExactlyBarcode(g.get())) {
                s.bound.insert(i, {boundName(*g, batch->values), g->bounds().normalized()});
                bound << g.get();
            } else {
                s.shared = false;  // a picture that changes with the card: the ground under it too
            }
        }
        // Nothing measured on this side's cards, or a ground of each card's.
        if (design.isNull() || (!fields && s.bound.isEmpty()) || (s.bound.isEmpty() && !s.shared))
            continue;
        const FieldGround ground = groundUnder(design, bound);
        if (s.shared)
            s.ground = ground;
        // What the design's own words (and bars) do, as the canvas shows them.
        const auto isBound = [&bound](const SKTGraphic& g) { return bound.contains(&g); };
        if (!s.bound.isEmpty())
            s.design = readingWrongOn(design, ground, isBound);
    }
}

QList<NamedReadingWrong> CardsReadingWrong::of(const ProducedCard& card) const {
    const Side& s = sides_[card.card_side == CardSide::FrontName ? 0 : 1];
    if (!card.ok() || (!card.fieldsTakeValues && s.bound.isEmpty()))
        return {};
    const QList<std::shared_ptr<SKTGraphic>> graphics = measuredGraphics(card.side);
    QSet<const SKTGraphic*> bound;
    for (auto it = s.bound.cbegin(); it != s.bound.cend(); ++it)
        if (it.key() < graphics.size())
            bound << graphics.at(it.key()).get();
    const auto measured = [&bound, &card](const SKTGraphic& g) {
        return (card.fieldsTakeValues && isMeasuredField(g)) || bound.contains(&g);
    };
    const QList<WrongAgainst> wrongs =
        readingWrongOn(card.side, s.shared ? s.ground : groundUnder(card.side, bound), measured);
    QList<NamedReadingWrong> named = namedOn(fieldsAmong(wrongs, graphics), graphics);
    for (const WrongAgainst& w : wrongs) {
        const SKTGraphic& g = *graphics.at(w.index);
        if (!bound.contains(&g) || w.why == ReadsWrong::AcrossAnEdge)
            continue;
        const auto& [name, box] = s.bound.value(w.index);
        const SKTGraphic* other = w.other >= 0 ? graphics.at(w.other).get() : nullptr;
        // What the design's own words do over a picture (a text put on it),
        // or on ground they do not read on, is the user's doing; words over
        // words, or off the card, never are.
        const bool overAPicture = other && !(isExactlyText(&g) && isExactlyText(other));
        if ((overAPicture || w.why == ReadsWrong::Unreadable) && s.design.contains(WrongAgainst{w.index, w.why, w.other}))
            continue;
        // Of two that meet and are both named, the one whose words ran out
        // of its box.
        if (w.why == ReadsWrong::Meets && other &&
            (s.bound.contains(w.other) || (card.fieldsTakeValues && isMeasuredField(*other)))) {
            const QRectF otherBox = s.bound.value(w.other, {QString(), other->bounds().normalized()}).second;
            if (!outOfItsBox(g, box) && outOfItsBox(*other, otherBox))
                continue;
        }
        addReadingWrong(named, {{name, w.why, w.pictureEdge}});
    }
    return named;
}

void addReadingWrong(QList<NamedReadingWrong>& names, const QList<NamedReadingWrong>& more) {
    for (const NamedReadingWrong& m : more) {
        const auto told = std::find_if(names.begin(), names.end(),
                                       [&m](const NamedReadingWrong& n) { return n.name == m.name; });
        if (told == names.end())
            names << m;
        else if (m.why < told->why)
            *told = m;
    }
}

QString cardsReadingWrongMessage(const QMap<int, QList<NamedReadingWrong>>& cards, bool groupLines) {
    // The cards told of, and what is wrong on each as its own line tells it:
    // cards told alike are told together.
    QList<std::pair<QString, QStringList>> alike;
    QList<NamedReadingWrong> every;
    int told = 0, more = 0;
    for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        // Everything wrong with a name on any card, for what to do about
        // it: a name that overlaps on one card and does not read on another
        // (or lies across a shape's edge, then a picture's) is given each
        // piece of advice, each once.
        every << it.value();
        if (told == LinesNamedAtMost) {
            ++more;
            continue;
        }
        ++told;
        const QString what = readingWrongClauses(it.value()).join(QStringLiteral("; "));
        const auto same = std::find_if(alike.begin(), alike.end(), [&what](const auto& a) { return a.first == what; });
        if (same == alike.end())
            alike.append({what, {QString::number(it.key() + 1)}});
        else
            same->second << QString::number(it.key() + 1);
    }
    if (alike.isEmpty())
        return {};
    QStringList sentences;
    for (const auto& [what, numbers] : alike) {
        const bool many = numbers.size() > 1;
        const QString which = groupLines ? (many ? QStringLiteral("the cards of lines %1") : QStringLiteral("the card of line %1"))
                                         : (many ? QStringLiteral("cards %1") : QStringLiteral("card %1"));
        sentences << withFullStop(QStringLiteral("On %1, %2").arg(which.arg(listedNames(numbers)), what));
    }
    if (more > 0) {
        const QString which = more == 1 ? (groupLines ? QStringLiteral("the card of one more line") : QStringLiteral("one more card"))
                                        : (groupLines ? QStringLiteral("the cards of %1 more lines") : QStringLiteral("%1 more cards")).arg(more);
        sentences << QStringLiteral("On %1, too, values do not fit or do not read.").arg(which);
    }
    // A group project shows a line's card with what is wrong on it.
    if (groupLines)
        sentences << QStringLiteral("Select a line in the list to see what is wrong on its card.");
    else
        sentences << readingWrongAdvice(every);
    return sentences.join(QLatin1Char(' '));
}

}  // namespace zelk
