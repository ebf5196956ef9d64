// How a text is laid out and measured, and the size a field is drawn at,
// each measurement cached so that a text is laid out once for a given value,
// font, size and width.
//
// The text is laid out once for every device, on a fixed 96 dpi layout
// device with design metrics, so that a card breaks its lines in the same
// places on screen, in a 600 dpi export and in a PDF; the painter's
// transform then scales the layout to points and on to the device, and PDF
// output keeps the glyphs as text. (96 dpi is Qt's own font resolution: on
// a device of another resolution Qt drops a font's letter spacing.)
#include "foundation/TextMeasure.h"

#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>

namespace zelk::text {

namespace {

QImage layoutDevice() {
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(3780);  // 96.01 dpi; logicalDpi rounds to 96
    device.setDotsPerMeterY(3780);
    return device;
}

// Letters beyond this size (70 cm) or spacing beyond this (in points) come
// from a damaged design; they are held there so layout stays bounded.
constexpr double MaxFontPoints = 2000;
constexpr double MaxKerning = 1000;

// The step in points the size is searched to.
constexpr double FieldScaleStep = 0.05;

// ---- What the cached measures are known by ----

// What of a font decides how a text lays out in it. A font is cached as these
// values, never as a QFont, whose font engines belong to the thread that
// laid out with it.
struct FontKey {
    explicit FontKey(const QFont& f)
        : families(f.families()), styleName(f.styleName()), points(f.pointSizeF()), spacing(f.letterSpacing()),
          wordSpacing(f.wordSpacing()), pixels(f.pixelSize()), weight(f.weight()), style(f.style()),
          stretch(f.stretch()), spacingType(f.letterSpacingType()), capitalization(f.capitalization()),
          hinting(f.hintingPreference()), strategy(f.styleStrategy()), hint(f.styleHint()), kerning(f.kerning()),
          fixedPitch(f.fixedPitch()) {}
    QStringList families;
    QString styleName;
    double points, spacing, wordSpacing;
    int pixels, weight, style, stretch, spacingType, capitalization, hinting, strategy, hint;
    bool kerning, fixedPitch;
    bool operator==(const FontKey& o) const {
        return points == o.points && spacing == o.spacing && wordSpacing == o.wordSpacing && pixels == o.pixels &&
               weight == o.weight && style == o.style && stretch == o.stretch && spacingType == o.spacingType &&
               capitalization == o.capitalization && hinting == o.hinting && strategy == o.strategy &&
               hint == o.hint && kerning == o.kerning && fixedPitch == o.fixedPitch && families == o.families &&
               styleName == o.styleName;
    }
};
size_t qHash(const FontKey& k, size_t seed = 0) { return qHashMulti(seed, k.families, k.points, k.weight, k.spacing); }

// A text laid out in lines of a width.
struct LinesKey {
    QString text;
    FontKey font;
    int alignment;
    double width;
    bool operator==(const LinesKey& o) const {
        return width == o.width && alignment == o.alignment && text == o.text && font == o.font;
    }
};
size_t qHash(const LinesKey& k, size_t seed = 0) { return qHashMulti(seed, k.text, k.font, k.alignment, k.width); }

// A text laid out unwrapped: its widest paragraph, or its widest word.
struct NaturalKey {
    QString text;
    FontKey font;
    bool words;
    bool operator==(const NaturalKey& o) const { return words == o.words && text == o.text && font == o.font; }
};
size_t qHash(const NaturalKey& k, size_t seed = 0) { return qHashMulti(seed, k.text, k.font, k.words); }

// A field's text in a box.
struct SizeKey {
    QString text;
    FontKey font;
    int alignment;
    double width, height;
    FieldSize sizing;
    bool operator==(const SizeKey& o) const {
        return width == o.width && height == o.height && sizing == o.sizing && alignment == o.alignment &&
               text == o.text && font == o.font;
    }
};
size_t qHash(const SizeKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.font, k.width, k.height, int(k.sizing));
}

// Measures cached for every thread that draws (the canvas, the export's
// workers), behind one lock each, and bounded: when the newer generation is
// full it replaces the older, so that what is still measured stays.
template <class Key, class Value>
class Cache {
public:
    std::optional<Value> find(const Key& key) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (const auto it = now_.constFind(key); it != now_.cend())
            return *it;
        if (const auto it = before_.constFind(key); it != before_.cend()) {
            const Value v = *it;
            put(key, v);
            return v;
        }
        return std::nullopt;
    }
    void keep(const Key& key, const Value& value) {
        const std::lock_guard<std::mutex> lock(mutex_);
        put(key, value);
    }

private:
    // A generation's entries: about a hundred fields' values, each at all
    // the sizes and widths a placement tries, within a megabyte or two.
    static constexpr qsizetype Generation = 4096;
    void put(const Key& key, const Value& value) {
        if (now_.size() >= Generation) {
            before_ = std::move(now_);
            now_ = QHash<Key, Value>();
        }
        now_.insert(key, value);
    }
    std::mutex mutex_;
    QHash<Key, Value> now_, before_;
};

Cache<LinesKey, Lines>& cachedLines() {
    static Cache<LinesKey, Lines> cache;
    return cache;
}
Cache<NaturalKey, double>& cachedNatural() {
    static Cache<NaturalKey, double> cache;
    return cache;
}
Cache<SizeKey, DrawnSize>& cachedSizes() {
    static Cache<SizeKey, DrawnSize> cache;
    return cache;
}

// ---- Laying out ----

// The widest line of `text` laid out unwrapped, in layout units.
double unwrappedWidth(const QString& text, const QFont& font) {
    QImage device = layoutDevice();
    QTextLayout layout(text, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    double widest = 0;
    if (QTextLine line = layout.createLine(); line.isValid()) {
        line.setLineWidth(1e6);
        widest = line.naturalTextWidth();
    }
    layout.endLayout();
    return widest;
}

bool isBlank(QChar c) { return c.isSpace(); }

// The blank-free runs of a text.
QStringList wordsOf(const QString& text) {
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || isBlank(text.at(i));
        if (!blank && start < 0)
            start = i;
        else if (blank && start >= 0) {
            words << text.mid(start, i - start);
            start = -1;
        }
    }
    return words;
}

// Whether a line of the layout ends inside a word (not at a blank) that is
// wider than the line: a word broken because it does not fit, not one
// broken at a hyphen where its rest went to the next line.
bool breaksAWordWiderThan(const QTextLayout& layout, const QString& text, const QFont& font, double lineWidth) {
    for (int i = 0; i + 1 < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qsizetype end = line.textStart() + line.textLength();
        if (end <= 0 || end >= text.size() || isBlank(text.at(end - 1)) || isBlank(text.at(end)))
            continue;
        qsizetype from = end, to = end;
        while (from > 0 && !isBlank(text.at(from - 1)))
            --from;
        while (to < text.size() && !isBlank(text.at(to)))
            ++to;
        if (naturalWidth(text.mid(from, to - from), font) * UnitsPerPoint > lineWidth)
            return true;
    }
    return false;
}

}  // namespace

QFont layoutFont(const SKTGraphic& g) {
    QFont font = g.text_ctrl_font;
    font.setHintingPreference(QFont::PreferNoHinting);
    if (font.pointSizeF() > MaxFontPoints)
        font.setPointSizeF(MaxFontPoints);
    if (std::isfinite(g.text_kerning) && g.text_kerning != 0.0f)
        font.setLetterSpacing(QFont::AbsoluteSpacing,
                              std::clamp(double(g.text_kerning), -MaxKerning, MaxKerning) * UnitsPerPoint);
    return font;
}

QFont atSize(const QFont& font, double points) {
    QFont f = font;
    f.setPointSizeF(points);
    return f;
}

QString shownText(const SKTGraphic& g) {
    // Paragraph breaks of the text storage become line separators of one
    // layout, so alignment and wrapping apply to the whole text.
    QString text = transformCase(g._Text_contents, g.text_transfrom_case);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

LaidOutText laidOut(const QString& text, const QFont& font, Qt::Alignment alignment, double width, bool weighWords) {
    QImage device = layoutDevice();
    LaidOutText t{std::make_unique<QTextLayout>(text, font, &device)};
    QTextLayout& layout = *t.layout;
    QTextOption option;
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    double lineWidth = saneLength(width, MaxDrawingCoordinate) * UnitsPerPoint;
    const bool wraps = lineWidth > 0;
    if (!wraps) {
        // A box without width shows its lines unwrapped, aligned within the
        // widest of them rather than within an endless line.
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(1e6);
            lineWidth = std::max(lineWidth, line.naturalTextWidth());
        }
        layout.endLayout();
        lineWidth = std::max(lineWidth, 1.0);
    }
    double y = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    t.height = y / UnitsPerPoint;
    t.wordBroken = weighWords && wraps && breaksAWordWiderThan(layout, text, font, lineWidth);
    return t;
}

Lines linesOf(const QString& text, const QFont& font, Qt::Alignment alignment, double width) {
    const LinesKey key{text, FontKey(font), int(alignment), width};
    if (const auto cached = cachedLines().find(key))
        return *cached;
    const LaidOutText t = laidOut(text, font, alignment, width);
    const Lines lines{t.height, t.wordBroken};
    cachedLines().keep(key, lines);
    return lines;
}

double naturalWidth(const QString& text, const QFont& font) {
    const NaturalKey key{text, FontKey(font), false};
    if (const auto cached = cachedNatural().find(key))
        return *cached;
    double widest = 0;
    for (const QString& paragraph : QString(text).replace(QChar::LineSeparator, QLatin1Char('\n')).split(QLatin1Char('\n')))
        widest = std::max(widest, unwrappedWidth(paragraph, font));
    const double points = widest / UnitsPerPoint;
    cachedNatural().keep(key, points);
    return points;
}

QString widestDrawn(const SKTGraphic& g, const QStringList& values) {
    // Fewer characters may draw wider (capitals beside narrow letters).
    const std::shared_ptr<SKTGraphic> probe = g.clone();
    const QFont font = layoutFont(g);
    QSet<QString> measured;
    QString widest;
    double most = -1;
    for (const QString& value : values) {
        if (value.isEmpty() || measured.contains(value))
            continue;
        measured.insert(value);
        probe->Set_text_value(value);
        if (const double w = naturalWidth(shownText(*probe), font); w > most) {
            most = w;
            widest = value;
        }
    }
    return widest;
}

double widestWord(const QString& text, const QFont& font) {
    const NaturalKey key{text, FontKey(font), true};
    if (const auto cached = cachedNatural().find(key))
        return *cached;
    double widest = 0;
    for (const QString& word : wordsOf(text))
        widest = std::max(widest, naturalWidth(word, font));
    cachedNatural().keep(key, widest);
    return widest;
}

namespace {

// The largest size in points from `floor` up to `size` at which `holds`
// holds of a text's lines (`lines` lays it out at a size), where it holds
// at the floor (whose lines are `low`): halved down to FieldScaleStep, so
// that every search of a text at a width tries the same sizes.
template <class LinesAt, class Holds>
DrawnSize largestHolding(double floor, double size, const Lines& low, LinesAt lines, Holds holds) {
    DrawnSize best{floor, low.height};
    double fails = size;
    while (fails - best.points > FieldScaleStep) {
        const double mid = (best.points + fails) / 2;
        if (const Lines tried = lines(mid); holds(tried))
            best = {mid, tried.height};
        else
            fails = mid;
    }
    return best;
}

}  // namespace

double wholeWordsSize(const SKTGraphic& g, const QString& text, double width) {
    const QFont font = layoutFont(g);
    const Qt::Alignment alignment = horizontalTextAlignment(g.text_alignmnet);
    const double size = font.pointSizeF(), floor = smallestFieldPoints(size);
    auto lines = [&](double points) { return linesOf(text, points == size ? font : atSize(font, points), alignment, width); };
    auto whole = [](const Lines& l) { return !l.wordBroken; };
    if (text.isEmpty() || !(size > 0) || whole(lines(size)))
        return size;
    const Lines low = lines(floor);
    return whole(low) ? largestHolding(floor, size, low, lines, whole).points : size;
}

DrawnSize drawnSize(const SKTGraphic& g, const QString& text, const QRectF& box, FieldSize sizing,
                    LaidOutText* drawn) {
    const QFont font = layoutFont(g);
    const Qt::Alignment alignment = horizontalTextAlignment(g.text_alignmnet);
    const double size = font.pointSizeF();
    auto at = [&](double points) { return points == size ? font : atSize(font, points); };
    if (text.isEmpty() || !isFieldId(g.control_ID) || !(size > 0)) {
        if (!drawn)
            return {size, linesOf(text, font, alignment, box.width()).height};
        *drawn = laidOut(text, font, alignment, box.width(), false);
        return {size, drawn->height};
    }
    const SizeKey key{text, FontKey(font), int(alignment), box.width(), box.height(), sizing};
    if (const auto cached = cachedSizes().find(key)) {
        if (drawn)
            *drawn = laidOut(text, at(cached->points), alignment, box.width(), false);
        return *cached;
    }
    // The own size laid out: for the drawing too, where it is drawn at it.
    Lines own;
    if (drawn) {
        *drawn = laidOut(text, font, alignment, box.width());
        own = {drawn->height, drawn->wordBroken};
        cachedLines().keep(LinesKey{text, FontKey(font), int(alignment), box.width()}, own);
    } else {
        own = linesOf(text, font, alignment, box.width());
    }
    const double room = box.height() + 0.01, floor = smallestFieldPoints(size);
    auto lines = [&](double points) { return linesOf(text, at(points), alignment, box.width()); };
    auto whole = [room](const Lines& l) { return l.height <= room && !l.wordBroken; };
    auto largest = [&](const Lines& low, auto holds) { return largestHolding(floor, size, low, lines, holds); };
    DrawnSize out{size, own.height};
    if (!whole(own)) {
        if (sizing == FieldSize::FloorWhereItFits) {
            // The lines as drawn lie within the box wherever they fit it at
            // its own size or at the floor.
            if (own.height > room)
                out = {floor, lines(floor).height};
        } else if (const Lines low = lines(floor); whole(low)) {
            out = largest(low, whole);
        } else if (own.height > room) {
            // No size keeps every word whole: the largest at which the lines fit.
            out = low.height > room ? DrawnSize{floor, low.height}
                                    : largest(low, [room](const Lines& l) { return l.height <= room; });
        }
    }
    cachedSizes().keep(key, out);
    if (drawn && out.points != size)
        *drawn = laidOut(text, at(out.points), alignment, box.width(), false);
    return out;
}

}  // namespace zelk::text
