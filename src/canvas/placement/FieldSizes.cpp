// The sizes a field's box may take where it is placed: its lines at each
// share of its font size down to half, no narrower than its longest word,
// and the height a field's box grows to when its text changes.
#include "canvas/placement/FieldSizes.h"

#include "canvas/placement/SideCover.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelk {

namespace {

// The sizes between a field's own and the smallest it is drawn at that a
// place is searched for.
constexpr int FieldScaleSteps = 5;

}  // namespace

double drawnShare(const SKTGraphic& text) {
    const double own = text.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&text) || !(own > 0))
        return 1.0;
    return std::clamp(drawnTextPointSize(text) / own, SmallestFieldScale, 1.0);
}

double longestWordWidth(const SKTGraphic& text) {
    if (!isExactlyText(&text) || text._Text_contents.trimmed().isEmpty())
        return 0;
    // As a box made to the word's line: a point of slack.
    return std::ceil(widestWordWidth(text)) + 1;
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
    if (isExactlyImage(&field)) {
        // A picture at its own size, then smaller ones down to half, its
        // proportions kept (whatever share the texts beside it take).
        QList<QSizeF> sizes;
        for (double step : fieldScaleSteps())
            sizes << box.size() * step;
        return sizes;
    }
    if (!isExactlyText(&field) || field.Text_Value.isEmpty() || !(own > 0))
        return {box.size()};
    const double room = std::max(card.width() - 2 * FieldClearance, 1.0);
    const std::shared_ptr<SKTGraphic> t = field.clone();
    // No box narrower than its longest word, which would break inside it.
    const double word = longestWordWidth(field);
    QList<QSizeF> sizes;
    for (double step : fieldScaleSteps(scales)) {
        t->text_ctrl_font.setPointSizeF(std::max(own * step, smallestFieldPoints(own)));
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

QList<QSizeF> narrowestBoxesByLines(const SKTGraphic& text, const QSizeF& card, double scale, int lines) {
    const double own = text.text_ctrl_font.pointSizeF();
    if (!isExactlyText(&text) || text.Text_Value.isEmpty() || !(own > 0))
        return {};
    const std::shared_ptr<SKTGraphic> t = text.clone();
    t->text_ctrl_font.setPointSizeF(std::max(own * scale, smallestFieldPoints(own)));
    const double share = t->text_ctrl_font.pointSizeF() / own;
    const double room = std::max(card.width() - 2 * FieldClearance, 1.0);
    const double natural = static_cast<const SKTText&>(*t).naturalTextSize().width();
    const double word = std::ceil(longestWordWidth(text) * share) + 1;
    const double oneLine = fittedTextHeightAt(*t, natural);
    QList<QSizeF> out;
    for (int n = 1; n <= lines; ++n) {
        // The least whole width, between the longest word and the text on
        // one line, whose lines are no more than n.
        double lo = std::min(word, natural), hi = natural;
        if (fittedTextHeightAt(*t, lo) <= oneLine * n + 0.5)
            hi = lo;
        while (hi - lo > 1) {
            const double mid = std::floor((lo + hi) / 2);
            (fittedTextHeightAt(*t, mid) <= oneLine * n + 0.5 ? hi : lo) = mid;
        }
        const QSizeF s(std::ceil(hi), fittedTextHeightAt(*t, std::ceil(hi)));
        if (s.width() <= room && (out.isEmpty() || s.width() < out.last().width()))
            out << s;
        if (hi <= word)
            break;
    }
    return out;
}

double textHeightWithin(const SKTGraphic& g, const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card) {
    double lines = fittedTextHeight(g);
    const QRectF box = g.bounds().normalized();
    if (!isFieldId(g.control_ID))
        return lines;
    // A field with a word wider than its box is drawn smaller where that
    // keeps the word whole: its box takes the lines at that size, and keeps
    // its height, which held the word's line as it is drawn.
    if (const double whole = wholeWordsPointSize(g); whole < g.text_ctrl_font.pointSizeF()) {
        const std::shared_ptr<SKTGraphic> drawn = g.clone();
        drawn->text_ctrl_font.setPointSizeF(whole);
        lines = std::max(box.height(), fittedTextHeight(*drawn));
    }
    if (!(lines > box.height()))
        return lines;
    // What lies below the box across its width stops it; what it already
    // meets does not; of a backdrop, only its edge.
    auto below = [&box](const QRectF& r) {
        return r.left() < box.right() && r.right() > box.left() && r.top() >= box.bottom() - 0.001;
    };
    double bottom = std::max(card.rect.bottom(), box.bottom());
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& t = side.at(i);
        if (!t || t.get() == &g || !(t->ctrl_is_visible || reservedForWhenItShows(*t)))
            continue;
        for (const QRectF& r : backdrop[std::size_t(i)] ? edgeCover(*t) : takenBy(*t))
            if (below(r))
                bottom = std::min(bottom, r.top());
    }
    for (const QRectF& o : card.outside)
        if (below(o))
            bottom = std::min(bottom, o.top());
    return std::max(box.height(), std::min(lines, bottom - box.top()));
}

}  // namespace zelk
