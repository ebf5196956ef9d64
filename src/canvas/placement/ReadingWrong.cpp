// Which fields of a side print words that read wrong: each shown text's
// printed words, set against the other texts' words, the pictures, the
// shapes, the card's outline and the ground under them.
#include "canvas/placement/ReadingWrong.h"

#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/Readability.h"
#include "canvas/placement/SideCover.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>

namespace zelk {

namespace {

bool meet(const QRectF& a, const QRectF& b) {
    const QRectF both = a & b;
    return both.width() > MeetingDepth && both.height() > MeetingDepth;
}

bool meetsAny(const QRectF& word, const QList<QRectF>& rects) {
    return std::any_of(rects.cbegin(), rects.cend(), [&word](const QRectF& r) { return meet(word, r); });
}

// The area of `path` in square points, counted on a grid of eighths of a
// point (a cell whose middle it covers); 0 where it covers no middle.
double areaOf(const QPainterPath& path) {
    constexpr double PerPoint = 8;
    const QRectF box = path.boundingRect();
    if (box.width() * box.height() < 1.0 / (PerPoint * PerPoint))
        return 0;
    QImage grid(int(std::ceil(box.width() * PerPoint)) + 1, int(std::ceil(box.height() * PerPoint)) + 1,
                QImage::Format_Grayscale8);
    grid.fill(0);
    {
        QPainter p(&grid);
        p.scale(PerPoint, PerPoint);
        p.translate(-box.topLeft());
        p.fillPath(path, Qt::white);
    }
    qsizetype inked = 0;
    for (int y = 0; y < grid.height(); ++y) {
        const uchar* line = grid.constScanLine(y);
        inked += std::count_if(line, line + grid.width(), [](uchar v) { return v > 127; });
    }
    return double(inked) / (PerPoint * PerPoint);
}

// Whether the letters of a word (their outline on the card) leave it: any
// of their ink lies past the card's edge, or more than InkPastOutline past
// the curve of its corners within it.
bool lettersLeave(const QPainterPath& letters, const CardArea& card) {
    QPainterPath beyond, rect;
    beyond.addRect(card.rect.united(letters.boundingRect()).adjusted(-1, -1, 1, 1));
    rect.addRect(card.rect);
    if (areaOf(letters.intersected(beyond.subtracted(rect))) > 0)
        return true;
    return card.shape != 0 && areaOf(letters.intersected(rect.subtracted(card.outline()))) >= InkPastOutline;
}

// What a shown graphic puts on the card, as a field's words are set
// against it.
struct Printed {
    qsizetype index = -1;
    const SKTGraphic* g = nullptr;
    std::shared_ptr<const SKTGraphic> drawn;  // a text as the side prints it
    QList<QRectF> words, covers, edges;
    QRectF area;
    // A shape whose outline is not its box (an ellipse, a rounded or turned
    // one): what it covers as drawn, and that less the band along its edge
    // (half its stroke, half a point at least) that words lie across.
    std::optional<QPainterPath> outline, inside;
    bool shape = false, backdrop = false;
    bool bars = false;  // its words are a barcode's bars
    bool text() const { return drawn != nullptr; }
};

// The area a shape whose outline is not its box covers as drawn, and its
// inside off the edge; none for a plain rectangle (its box is its area).
void outlineOf(const SKTGraphic& g, Printed& p) {
    const QRectF box = g.bounds().normalized();
    if (g.shape_type == ShapeCode::Rectangle && g.text_rotation % 90 == 0)
        return;
    const QPainterPath outline =
        rotationAbout(box, g.text_rotation)
            .map(shapeOutline(g.shape_type, g.bounds(), g.cor_rad_val, g.double_star_type, g.polygon_type));
    const double stroke = g._isDrawingStroke && std::isfinite(g._strokeWidth) ? std::max(g._strokeWidth, 0.0) : 0.0;
    QPainterPath area = outline;
    if (stroke > 0) {
        QPainterPathStroker half;
        half.setWidth(stroke);
        area = area.united(half.createStroke(outline));
    }
    QPainterPathStroker edge;
    edge.setWidth(std::max(stroke, 1.0));
    p.outline = area.simplified();
    p.inside = outline.subtracted(edge.createStroke(outline));
}

// How far past its drawing bounds (and its stroke's width) a graphic's
// cover is looked for: its edge is a point across, its stroke may be
// measured apart from its box.
constexpr double NearDrawing = 2.0;

// What a picture, a shape or a barcode covers, as words are set against
// it: a shape's and a backdrop's edges, a shape's outline where it is not
// its box, a barcode's bars (its words where it is measured itself), what
// anything else takes.
void coverOf(const SKTGraphic& g, Printed& p) {
    if (p.backdrop || p.shape)
        p.edges = edgeCover(g);
    if (isExactlyShape(&g))
        outlineOf(g, p);
    // A barcode is what it shows of its value: its bars.
    if (isExactlyBarcode(&g) && !p.backdrop)
        p.covers = barsOf(g);
    else if (!p.backdrop)
        p.covers = takenBy(g);
    if (p.bars)
        p.words = p.covers;
}

// Whether a field's words lie across the edge of a shape whose outline is
// not its box: a word meets what it covers but is not wholly inside it off
// its edge, or some words lie on it and some off it.
bool acrossTheOutline(const QList<QRectF>& words, const Printed& o) {
    bool on = false, off = false;
    for (const QRectF& w : words) {
        const QRectF deep = w.adjusted(MeetingDepth, MeetingDepth, -MeetingDepth, -MeetingDepth);
        const bool meets = deep.isValid() && o.outline->intersects(deep);
        if (meets && !o.inside->contains(deep))
            return true;
        (meets ? on : off) = true;
    }
    return on && off;
}

// The contrast a text's words keep on their ground: where a field's owner
// put it (its owner's box, or locked), none; a text of the user's keeps
// what a field placed by the rule keeps.
std::optional<double> keptContrastOf(const SKTGraphic& text, const FieldGround& ground) {
    if (ground.isNull())
        return std::nullopt;
    if (!isFieldId(text.control_ID))
        return LeastMovedContrast;
    if (text.ctrl_is_locked)
        return std::nullopt;
    if (text.boxOwner() == BoxOwner::Rule)
        return LeastMovedContrast;
    const QRectF own = text.design_box.normalized();
    if (own.isEmpty() || own == text.bounds().normalized())
        return std::nullopt;
    return ground.keptContrast(text.txt_clr, own);
}

// Whether the letters of `f`'s words (a barcode's bars) leave the card.
bool leavesTheCard(const Printed& f, const CardArea& card) {
    std::optional<QList<QPainterPath>> outlines;
    for (qsizetype i = 0; i < f.words.size(); ++i) {
        const QRectF& word = f.words.at(i);
        if (card.holds(word.adjusted(WithinSlack, WithinSlack, -WithinSlack, -WithinSlack)))
            continue;
        if (f.bars) {
            QPainterPath bars;
            bars.addRect(word);
            if (lettersLeave(bars, card))
                return true;
            continue;
        }
        if (!outlines)
            outlines = printedWordOutlines(*f.drawn);
        if (i >= outlines->size() || lettersLeave(outlines->at(i), card))
            return true;
    }
    return false;
}

void addWrongs(QList<WrongAgainst>& out, const Printed& f, const QList<Printed>& printed, const CardArea& card,
               const FieldGround& ground) {
    if (leavesTheCard(f, card))
        out.append({f.index, ReadsWrong::LeavesTheCard});
    QRectF all;
    for (const QRectF& word : f.words)
        all |= word;
    for (const Printed& o : printed) {
        if (o.g == f.g)
            continue;
        if (o.outline) {
            if (acrossTheOutline(f.words, o))
                out.append({f.index, ReadsWrong::AcrossAnEdge, o.index, false});
            continue;
        }
        // A shape that holds all of the words is their ground: only its
        // edge is in their way; a backdrop, only its edge, and the words
        // lie on it or off it. Over any other shape they lie across its
        // edges.
        const bool onIt = (o.shape || o.backdrop) && o.area.contains(all);
        const bool picture = !o.text() && !o.shape && !o.backdrop;
        const QList<QRectF>& theirs = o.text() ? o.words : onIt || o.backdrop ? o.edges : o.covers;
        // Over what it draws: words, a picture, or a shape's edge.
        const bool over = std::any_of(f.words.cbegin(), f.words.cend(),
                                      [&theirs](const QRectF& word) { return meetsAny(word, theirs); });
        const bool onAndOff =
            o.backdrop && !onIt &&
            std::any_of(f.words.cbegin(), f.words.cend(), [&o](const QRectF& w) { return meet(o.area, w); });
        if (over && (o.text() || picture))
            out.append({f.index, ReadsWrong::Meets, o.index});
        else if (over || onAndOff)
            out.append({f.index, ReadsWrong::AcrossAnEdge, o.index, o.backdrop && !isExactlyShape(o.g)});
    }
    if (!f.text())
        return;
    if (const std::optional<double> kept = keptContrastOf(*f.g, ground))
        for (const QRectF& word : f.words)
            if (ground.contrastUnder(f.drawn->txt_clr, word) < *kept - 0.001) {
                out.append({f.index, ReadsWrong::Unreadable});
                break;
            }
}

}  // namespace

QList<QRectF> barsOf(const SKTGraphic& barcode) {
    const QRectF box = barcode.bounds().normalized();
    if (barcode._barcode_image.isNull() || box.isEmpty())
        return {};
    // How light each pixel shows on a white card, through the colour table
    // of an indexed picture (as a barcode's is held), a row at a time; the
    // rows of a linear symbol repeat, and are read once.
    const QImage& held = barcode._barcode_image;
    const QImage picture =
        held.format() == QImage::Format_Indexed8 ? held : held.convertToFormat(QImage::Format_ARGB32);
    const bool indexed = picture.format() == QImage::Format_Indexed8;
    const auto light = [](QRgb c) { return uchar((qGray(c) * qAlpha(c) + 255 * (255 - qAlpha(c))) / 255); };
    std::array<uchar, 256> lightOf{};
    const QList<QRgb> table = picture.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        lightOf[size_t(i)] = light(table.at(i));
    const int width = picture.width(), height = picture.height();
    const size_t rowBytes = size_t(width) * (indexed ? 1 : 4);
    const auto sameAsAbove = [&picture, rowBytes](int y) {
        return y > 0 && std::memcmp(picture.constScanLine(y), picture.constScanLine(y - 1), rowBytes) == 0;
    };
    std::vector<uchar> row(static_cast<size_t>(width));
    const auto readRow = [&](int y) {
        const uchar* line = picture.constScanLine(y);
        for (int x = 0; x < width; ++x)
            row[size_t(x)] = indexed ? lightOf[line[x]] : light(reinterpret_cast<const QRgb*>(line)[x]);
    };
    int darkest = 255, lightest = 0;
    for (int y = 0; y < height; ++y) {
        if (sameAsAbove(y))
            continue;
        readRow(y);
        const auto [lo, hi] = std::minmax_element(row.cbegin(), row.cend());
        darkest = std::min<int>(darkest, *lo);
        lightest = std::max<int>(lightest, *hi);
    }
    // Bars are darker than what they stand on; a picture of one shade is
    // all bars where it is dark.
    if (lightest - darkest < 32)
        return darkest < 128 ? QList<QRectF>{box} : QList<QRectF>{};
    const int middle = (darkest + lightest) / 2;
    const double across = box.width() / width, down = box.height() / height;
    // A run of dark pixels on a row is a rectangle, grown down while the
    // rows below have the same run.
    QList<QRectF> bars;
    QHash<std::pair<int, int>, qsizetype> open, next;
    for (int y = 0; y < height; ++y) {
        if (sameAsAbove(y)) {
            for (const qsizetype at : std::as_const(open))
                bars[at].setBottom(box.top() + (y + 1) * down);
            continue;
        }
        readRow(y);
        next.clear();
        for (int x = 0; x < width;) {
            if (row[size_t(x)] >= middle) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < width && row[size_t(x)] < middle)
                ++x;
            const std::pair<int, int> run{from, x};
            if (const auto it = open.constFind(run); it != open.cend()) {
                bars[*it].setBottom(box.top() + (y + 1) * down);
                next.insert(run, *it);
            } else {
                next.insert(run, bars.size());
                bars << QRectF(box.left() + from * across, box.top() + y * down, (x - from) * across, down);
            }
        }
        std::swap(open, next);
    }
    return bars;
}

QList<WrongAgainst> readingWrongAgainst(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                        const FieldGround& ground,
                                        const std::function<bool(const SKTGraphic&)>& measured) {
    const std::vector<bool> backdrop = backdropsOf(side, card.rect);
    QList<Printed> printed;
    // A value is printed where the side draws it: beside its caption.
    const QList<std::shared_ptr<const SKTGraphic>> drawnSide(side.cbegin(), side.cend());
    for (qsizetype i = 0; i < side.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = side.at(i);
        if (!g || !g->ctrl_is_visible)
            continue;
        // A picture that shows nothing (a batch's card without its photo)
        // is not on the card.
        if (isExactlyImage(g.get()) && g->_contents_with_settings.isNull() && !g->_isDrawingStroke)
            continue;
        Printed p;
        p.index = i;
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
            p.bars = isExactlyBarcode(g.get()) && !p.backdrop && !p.area.isEmpty() && measured(*g);
            if (p.bars)
                coverOf(*g, p);
        }
        printed.append(std::move(p));
    }
    // What a picture, a shape or a barcode covers is worked out only where
    // a measured field's words come near it: words apart from its drawing
    // meet nothing of it.
    QList<QRectF> measuredWords;
    for (const Printed& f : printed)
        if (measured(*f.g))
            measuredWords << f.words;
    for (Printed& o : printed)
        if (!o.text() && !o.bars) {
            const double stroke = std::isfinite(o.g->_strokeWidth) ? std::max(o.g->_strokeWidth, 0.0) : 0.0;
            const double m = NearDrawing + stroke;
            const QRectF near = o.area.adjusted(-m, -m, m, m);
            if (std::any_of(measuredWords.cbegin(), measuredWords.cend(),
                            [&near](const QRectF& w) { return near.intersects(w); }))
                coverOf(*o.g, o);
        }
    QList<WrongAgainst> out;
    for (const Printed& f : printed)
        if (!f.words.isEmpty() && measured(*f.g))
            addWrongs(out, f, printed, card, ground);
    return out;
}

bool isMeasuredField(const SKTGraphic& g) {
    return isExactlyText(&g) && isFieldId(g.control_ID);
}

QList<FieldReadingWrong> fieldsAmong(const QList<WrongAgainst>& wrongs,
                                     const QList<std::shared_ptr<SKTGraphic>>& side) {
    QList<FieldReadingWrong> out;
    for (const WrongAgainst& w : wrongs) {
        if (!isMeasuredField(*side.at(w.index)))
            continue;
        const QString& id = side.at(w.index)->control_ID;
        const auto named =
            std::find_if(out.begin(), out.end(), [&id](const FieldReadingWrong& o) { return o.id == id; });
        if (named == out.end())
            out.append({id, w.why, w.pictureEdge});
        else if (w.why < named->why)
            *named = {id, w.why, w.pictureEdge};
    }
    return out;
}

QList<FieldReadingWrong> fieldsReadingWrong(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                                            const FieldGround& ground) {
    return fieldsAmong(readingWrongAgainst(side, card, ground, isMeasuredField), side);
}

}  // namespace zelk
