// Drawing and hit testing of text graphics, laid out and sized as
// TextMeasure lays them out: the drawing keeps the layout its size was
// found with, and the drawn area needs only the kept measures.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTText.h"
#include "foundation/TextMeasure.h"

#include <QPainter>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using zelk::text::FieldSize;
using zelk::text::LaidOutText;
using zelk::text::shownText;
using zelk::text::UnitsPerPoint;

// The text whose lines the drawn area allows for: an empty text keeps the
// height of one line, so it can still be grabbed.
QString measuredText(const QString& shown) { return shown.isEmpty() ? QStringLiteral(" ") : shown; }

// The top of lines `drawnHeight` high in `box`, as the vertical alignment
// places them.
double linesTop(const SKTGraphic& g, const QRectF& box, double drawnHeight) {
    const Qt::Alignment v = zelk::verticalTextAlignment(g.text_alignmnet_Vert);
    if (v & Qt::AlignBottom)
        return box.bottom() - drawnHeight;
    if (v & Qt::AlignVCenter)
        return box.top() + (box.height() - drawnHeight) / 2;
    return box.top();
}

// What the text's own drawing may touch, its shadow left out, for lines of
// `drawnHeight` points as drawn. Lines wrap within the box's width, but run
// past its top, its foot or both where the box is shorter than they are.
QRectF contentArea(const SKTGraphic& g, double drawnHeight) {
    const QRectF box = g._bounds.normalized();
    const QRectF lines(box.left(), linesTop(g, box, drawnHeight), box.width(), drawnHeight);
    QRectF r = zelk::rotationAbout(box, g.text_rotation).mapRect(box.united(lines));
    const double stroke = g._isDrawingStroke ? zelk::graphicStrokePen(g).widthF() : 0.0;
    return r.adjusted(-stroke, -stroke, stroke, stroke);
}

}  // namespace

namespace zelk {

double fittedTextHeight(const SKTGraphic& g) { return fittedTextHeightAt(g, g._bounds.width()); }

double fittedTextHeightAt(const SKTGraphic& g, double width) {
    return std::ceil(text::linesOf(measuredText(shownText(g)), text::layoutFont(g),
                                   horizontalTextAlignment(g.text_alignmnet), width)
                         .height);
}

double smallestFieldPoints(double points) {
    // A hundredth of a pixel is left for rounding.
    const double pixels = std::ceil(points * SmallestFieldScale * UnitsPerPoint - 0.01);
    return std::min(points, pixels / UnitsPerPoint);
}

double drawnTextPointSize(const SKTGraphic& g) {
    return text::drawnSize(g, shownText(g), g._bounds.normalized()).points;
}

double wholeWordsPointSize(const SKTGraphic& g) {
    return text::wholeWordsSize(g, shownText(g), g._bounds.normalized().width());
}

double widestWordWidth(const SKTGraphic& g) { return text::widestWord(shownText(g), text::layoutFont(g)); }

bool breaksAWordAt(const SKTGraphic& g, double points) {
    const QString shown = shownText(g);
    if (shown.isEmpty() || !(points > 0))
        return false;
    return text::linesOf(shown, text::atSize(text::layoutFont(g), points), horizontalTextAlignment(g.text_alignmnet),
                         g._bounds.normalized().width())
        .wordBroken;
}

namespace {

// Each word of a text as it prints: `word` is called with the line, the
// word's first character and the one after it, its box on the card, and the
// mapping of the layout's units onto the card.
void forEachPrintedWord(const SKTGraphic& g,
                        const std::function<void(const QTextLine&, int, int, const QRectF&, const QTransform&)>& word) {
    const QString text = shownText(g);
    if (!isExactlyText(&g) || text.isEmpty() || !drawableBounds(g._bounds))
        return;
    const QRectF box = g._bounds.normalized();
    LaidOutText drawn;
    text::drawnSize(g, text, box, FieldSize::Searched, &drawn);
    const double top = linesTop(g, box, drawn.height);
    const QTransform turn = rotationAbout(box, g.text_rotation);
    const QTransform onCard =
        QTransform::fromScale(1 / UnitsPerPoint, 1 / UnitsPerPoint) * QTransform::fromTranslate(box.left(), top) * turn;
    const QTextLayout& layout = *drawn.layout;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        // The letters stand on the line's baseline, as high and as deep as
        // the fonts they are drawn in (what a PDF's text layer gives them).
        double baseline = line.y() + line.height() - line.descent(), ascent = line.ascent(), descent = line.descent();
        if (const QList<QGlyphRun> runs = line.glyphRuns(); !runs.isEmpty()) {
            ascent = descent = 0;
            for (const QGlyphRun& run : runs) {
                ascent = std::max(ascent, run.rawFont().ascent());
                descent = std::max(descent, run.rawFont().descent());
                if (!run.positions().isEmpty())
                    baseline = run.positions().first().y();
            }
        }
        const double y = top + (baseline - ascent) / UnitsPerPoint;
        const double h = (ascent + descent) / UnitsPerPoint;
        const qsizetype end = line.textStart() + line.textLength();
        qsizetype start = -1;
        for (qsizetype at = line.textStart(); at <= end; ++at) {
            const bool blank = at == end || text.at(at).isSpace();
            if (!blank && start < 0) {
                start = at;
            } else if (blank && start >= 0) {
                const double x0 = line.cursorToX(int(start)) / UnitsPerPoint, x1 = line.cursorToX(int(at)) / UnitsPerPoint;
                word(line, int(start), int(at),
                     turn.mapRect(QRectF(QPointF(box.left() + std::min(x0, x1), y),
                                         QPointF(box.left() + std::max(x0, x1), y + h))),
                     onCard);
                start = -1;
            }
        }
    }
}

}  // namespace

QList<QRectF> printedWordBoxes(const SKTGraphic& g) {
    QList<QRectF> out;
    forEachPrintedWord(g, [&out](const QTextLine&, int, int, const QRectF& box, const QTransform&) { out << box; });
    return out;
}

QList<QPainterPath> printedWordOutlines(const SKTGraphic& g) {
    QList<QPainterPath> out;
    forEachPrintedWord(g, [&out](const QTextLine& line, int from, int to, const QRectF&, const QTransform& onCard) {
        QPainterPath letters;
        for (const QGlyphRun& run : line.glyphRuns(from, to - from)) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype k = 0; k < glyphs.size() && k < at.size(); ++k)
                letters.addPath(run.rawFont().pathForGlyph(glyphs.at(k)).translated(at.at(k)));
        }
        out << onCard.map(letters);
    });
    return out;
}

}  // namespace zelk

void SKTText::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    // Laid out once, for the drawing and for the area it may touch.
    const QString text = shownText(*this);
    LaidOutText drawn;
    zelk::text::drawnSize(*this, measuredText(text), box, FieldSize::Searched, &drawn);
    auto draw = [&](QPainter& p) {
        p.save();
        p.setTransform(zelk::rotationAbout(box, text_rotation), true);
        QPainterPath outline;
        outline.addRect(box);
        zelk::fillGraphicPath(p, *this, outline);
        if (!text.isEmpty()) {
            const double top = linesTop(*this, box, drawn.height);
            p.save();
            p.setPen(zelk::withAlpha(txt_clr, alpha_val));
            p.translate(box.left(), top);
            p.scale(1 / UnitsPerPoint, 1 / UnitsPerPoint);
            drawn.layout->draw(&p, QPointF(0, 0));
            p.restore();
        }
        zelk::strokeGraphicPath(p, *this, outline);
        p.restore();
    };
    zelk::paintWithShadow(painter, *this, contentArea(*this, drawn.height), draw);
}

bool SKTText::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    // The rotated box, as it is seen on the card.
    bool invertible = false;
    const QTransform back = zelk::rotationAbout(_bounds, text_rotation).inverted(&invertible);
    return _bounds.normalized().contains(invertible ? back.map(point) : point);
}

QRectF SKTText::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    const double height =
        zelk::text::drawnSize(*this, measuredText(shownText(*this)), _bounds.normalized(), FieldSize::FloorWhereItFits)
            .height;
    const QRectF r = contentArea(*this, height);
    return r.united(zelk::shadowArea(*this, r));
}
