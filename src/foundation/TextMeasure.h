#pragma once
// How a text graphic's text is laid out and measured, and the size a field
// is drawn at in its box. Every measurement (the height of a text's lines
// at a width and whether a word of it is wider than the line, the widest
// paragraph and word, the size chosen for a field) is cached, so that the
// placement rule, which measures the same texts many times over, lays a
// text out once for a given value, font, size and width.
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <Qt>

#include <memory>

class SKTGraphic;

namespace zelk::text {

// The text is laid out on a fixed 96 dpi device with design metrics;
// layout units per point.
constexpr double UnitsPerPoint = 96.0 / 72.0;

// The graphic's font as laid out (no hinting, its letter spacing, held to
// sane sizes), at its own size or at `points`.
QFont layoutFont(const SKTGraphic& g);
QFont atSize(const QFont& font, double points);

// The text as drawn: its letter case applied, paragraph breaks as line
// separators of one layout.
QString shownText(const SKTGraphic& g);

// The text laid out in lines `width` points wide (a too long word broken
// where it must; unwrapped where the width is 0): the layout, the height of
// its lines in points, and, where `weighWords`, whether a word (a run
// without blanks) of it is wider than the line and broken for that.
struct LaidOutText {
    std::unique_ptr<QTextLayout> layout;
    double height = 0;
    bool wordBroken = false;
};
LaidOutText laidOut(const QString& text, const QFont& font, Qt::Alignment alignment, double width,
                    bool weighWords = true);

// The same measures, cached: laid out only the first time.
struct Lines {
    double height = 0;
    bool wordBroken = false;
};
Lines linesOf(const QString& text, const QFont& font, Qt::Alignment alignment, double width);

// The width in points of the widest paragraph of a text laid out unwrapped,
// and of its widest word laid out alone; cached.
double naturalWidth(const QString& text, const QFont& font);
double widestWord(const QString& text, const QFont& font);

// Of `values`, the one drawn widest in `g` (its font, its letter case),
// each distinct one measured once; the first of the widest, empty where
// every value is.
QString widestDrawn(const SKTGraphic& g, const QStringList& values);

// The size a graphic's text is drawn at in `box`, and the height of its
// lines there. A user's text, and a field whose lines fit the box with no
// word broken, at its own size; a field whose lines need more height than
// the box or break a word wider than it, at the largest size down to
// SmallestFieldScale of its own at which its lines fit with no word broken;
// where none does both, the largest at which its lines fit (the smallest
// where none fits). FloorWhereItFits spares the search where it only
// matters whether the lines overrun the box: the smallest size is measured
// for any that fits. Cached; `drawn`, where given, receives the layout at
// that size.
enum class FieldSize { Searched, FloorWhereItFits };
struct DrawnSize {
    double points = 0;
    double height = 0;
};
DrawnSize drawnSize(const SKTGraphic& g, const QString& text, const QRectF& box,
                    FieldSize sizing = FieldSize::Searched, LaidOutText* drawn = nullptr);

// The largest size down to SmallestFieldScale of its own at which no word
// of a graphic's text is wider than lines `width` points wide, found as
// drawnSize searches (each size laid out once, as linesOf); its own size
// where none is, or where even the smallest breaks one.
double wholeWordsSize(const SKTGraphic& g, const QString& text, double width);

}  // namespace zelk::text
