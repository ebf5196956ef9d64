#include "BarcodeRenderer.h"

#include "BarcodeSizes.h"
#include "NKDBarcode.h"
#include "foundation/IndexedPicture.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

// Fonts are sized in points of the default logical resolution; this factor
// makes one font unit one point.
double pointScale() {
    static const double scale = [] {
        QFont probe;
        probe.setPointSizeF(72.0);
        const int px = QFontInfo(probe).pixelSize();
        return px > 0 ? 72.0 / px : 1.0;
    }();
    return scale;
}

constexpr double kTabStop = 28.0;

// Advances of the parts of a line split at tabs, each part's x offset.
double layoutLine(const QStringList& parts, const QFontMetricsF& fm, QList<double>* offsets) {
    double x = 0.0;
    for (int i = 0; i < parts.size(); ++i) {
        if (offsets)
            offsets->append(x);
        x += fm.horizontalAdvance(parts.at(i));
        if (i + 1 < parts.size())
            x = (std::floor(x / kTabStop) + 1.0) * kTabStop;
    }
    return x;
}

Qt::Alignment alignmentOf(int index) {
    const QString t = BarcodeRenderSettings::alignmentTitle(index);
    if (t == QLatin1String("Center"))
        return Qt::AlignHCenter;
    if (t == QLatin1String("Right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// The outline of one line of text with its origin at the start of the
// baseline, with its advance and ascent. Outlines are kept per thread, as a
// batch draws the same header, footer and fonts on every card.
struct TextOutline {
    QStringList parts;
    QList<double> offsets;  // x of each tab-separated part
    double width = 0.0;
    double ascent = 0.0;
    double descent = 0.0;
    bool hasPath = false;
    QPainterPath path;
};

TextOutline& outlineOf(const QString& text, const QFont& font, double kern, bool needPath) {
    thread_local QHash<QString, TextOutline> cache;
    const QString key = font.key() + QLatin1Char('|') + QString::number(kern) + QLatin1Char('|') + text;
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 512)
            cache.clear();
        const QFontMetricsF fm(BarcodeRenderer::pointFont(font, kern));
        TextOutline o;
        o.parts = text.split(QLatin1Char('\t'));
        o.width = layoutLine(o.parts, fm, &o.offsets);
        o.ascent = fm.ascent();
        o.descent = fm.descent();
        it = cache.insert(key, o);
    }
    if (needPath && !it->hasPath) {
        const QFont f = BarcodeRenderer::pointFont(font, kern);
        for (int i = 0; i < it->parts.size(); ++i)
            it->path.addText(QPointF(it->offsets.at(i), 0.0), f, it->parts.at(i));
        it->hasPath = true;
    }
    return *it;
}

// Bitmaps take text through the glyph cache, far cheaper than filling
// outlines; the font is sized for the image's resolution so that one unit is
// still one point. Vector outputs keep the outlines.
bool drawsGlyphs(const QPainter& p) {
    return p.device() && p.device()->devType() == QInternal::Image && p.device()->logicalDpiY() > 0;
}

// Qt's raster engine keeps glyphs of up to 64 pixels in its cache and fills
// the outline of every larger one each time, hinting it first: a 10-point
// caption at 600 dpi. Such glyphs are kept here as pictures in their colour,
// placed at whole pixels.
constexpr double kLargestCachedGlyph = 64.0;

struct GlyphPicture {
    QImage image;
    QPoint origin;  // the start of the baseline in the picture
};

const GlyphPicture& glyphPicture(const QFont& f, const QColor& color, double scale, int dotsPerMeter,
                                 const QString& ch) {
    thread_local QHash<QString, GlyphPicture> cache;
    const QString key = f.key() + QLatin1Char('|') + QString::number(color.rgba()) + QLatin1Char('|') +
                        QString::number(scale) + QLatin1Char('|') + QString::number(dotsPerMeter) +
                        QLatin1Char('|') + ch;
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    if (cache.size() > 1024)
        cache.clear();
    // The font is sized for the device's resolution, so the picture has it too.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDotsPerMeterX(dotsPerMeter);
    probe.setDotsPerMeterY(dotsPerMeter);
    const QRectF box = QFontMetricsF(f, &probe).boundingRect(ch);
    const QRect device = QTransform::fromScale(scale, scale).mapRect(box).toAlignedRect().adjusted(-2, -2, 2, 2);
    GlyphPicture g;
    g.image = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
    g.image.setDotsPerMeterX(dotsPerMeter);
    g.image.setDotsPerMeterY(dotsPerMeter);
    g.image.fill(Qt::transparent);
    g.origin = -device.topLeft();
    QPainter gp(&g.image);
    gp.setRenderHint(QPainter::Antialiasing, true);
    gp.translate(g.origin);
    gp.scale(scale, scale);
    gp.setFont(f);
    gp.setPen(color);
    gp.drawText(QPointF(0, 0), ch);
    gp.end();
    return *cache.insert(key, g);
}

void drawLine(QPainter& p, const QString& text, const QFont& font, const QColor& color, double x,
              double baseline, double kern) {
    const bool glyphs = drawsGlyphs(p);
    const TextOutline& o = outlineOf(text, font, kern, !glyphs);
    if (!glyphs) {
        p.fillPath(o.path.translated(x, baseline), color);
        return;
    }
    QFont f(BarcodeRenderer::pointFont(font, kern));
    double size = font.pointSizeF();
    if (size <= 0.0)
        size = font.pixelSize() > 0 ? font.pixelSize() : 10.0;
    f.setPointSizeF(size * 72.0 / p.device()->logicalDpiY());
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.0);
    p.save();
    p.setFont(f);
    p.setPen(color);
    const QTransform t = p.transform();
    const bool pictures = t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0 &&
                          size * t.m11() > kLargestCachedGlyph;
    const int dotsPerMeter = static_cast<const QImage*>(p.device())->dotsPerMeterY();
    // Each character goes where the outline layout (in points, spacing
    // included) puts it, whatever the device's resolution.
    const QFontMetricsF fm(BarcodeRenderer::pointFont(font, kern));
    for (int k = 0; k < o.parts.size(); ++k) {
        const QString& part = o.parts.at(k);
        for (int i = 0; i < part.size();) {
            const int len = (part.at(i).isHighSurrogate() && i + 1 < part.size()) ? 2 : 1;
            const double at = i == 0 ? 0.0 : fm.horizontalAdvance(part.left(i));
            const QPointF origin(x + o.offsets.at(k) + at, baseline);
            if (pictures) {
                const GlyphPicture& g = glyphPicture(f, color, t.m11(), dotsPerMeter, part.mid(i, len));
                const QPointF d = t.map(origin);
                p.resetTransform();
                p.drawImage(QPoint(qRound(d.x()), qRound(d.y())) - g.origin, g.image);
                p.setTransform(t);
            } else {
                p.drawText(origin, part.mid(i, len));
            }
            i += len;
        }
    }
    p.restore();
}

// ---- UPC/EAN captions: the digits between and beside the guard bars

// A dark run of the module string, in points, and whether it reaches below
// the data bars (a guard bar).
struct BarRun {
    double left = 0.0;
    double right = 0.0;
    bool guard = false;
};

QList<BarRun> barRuns(const NKDBarcode& b, double x0) {
    const QString modules = b.completeBarcode();
    const double bw = b.barWidth();
    QList<BarRun> runs;
    QList<float> bottoms;
    for (int i = 0; i < modules.size(); ++i) {
        if (modules.at(i) != QLatin1Char('1'))
            continue;
        int j = i;
        while (j + 1 < modules.size() && modules.at(j + 1) == QLatin1Char('1'))
            ++j;
        runs.append({x0 + i * bw, x0 + (j + 1) * bw, false});
        bottoms.append(b.barBottom(j));  // a run stands on its last module, as drawn
        i = j;
    }
    if (bottoms.isEmpty())
        return runs;
    const float dataBottom = *std::max_element(bottoms.cbegin(), bottoms.cend());
    for (int k = 0; k < runs.size(); ++k)
        runs[k].guard = bottoms.at(k) < dataBottom;
    return runs;
}

// The ink box of each character of a line whose baseline starts at (x, y),
// placed as drawLine places them.
QList<BarcodeRenderer::CaptionGlyph> glyphsOf(const QString& text, const QFont& font, double kern, double x,
                                              double y) {
    const QFontMetricsF fm(BarcodeRenderer::pointFont(font, kern));
    QList<BarcodeRenderer::CaptionGlyph> out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace())
            continue;
        const QRectF ink = fm.boundingRect(text.at(i));
        out.append({QString(text.at(i)), ink.translated(x + (i == 0 ? 0.0 : fm.horizontalAdvance(text.left(i))), y)});
    }
    return out;
}

QRectF inkOf(const QString& text, const QFont& font, double kern) {
    QRectF box;
    for (const auto& g : glyphsOf(text, font, kern, 0.0, 0.0))
        box = box.united(g.box);
    return box;
}

struct CaptionPiece {
    QString text;
    double x = 0.0;  // start of the baseline
};

struct CaptionLayout {
    QList<CaptionPiece> pieces;
    QFont font;
    double kern = 0.0;
    double baseline = 0.0;
};

// The first digit right-aligned in the left quiet zone, each group of the
// caption centred between the guard bars around it, the last digit after the
// end guard; the font shrinks when a part would not fit its place, so that
// no digit touches a bar or leaves the picture.
CaptionLayout captionLayout(const NKDBarcode& b, double capBase) {
    const BarcodeRenderSettings& s = b.renderSettings();
    const QSizeF size = BarcodeRenderer::viewSize(b);
    const double W = size.width();
    const double total = b.completeBarcode().size() * double(b.barWidth());
    const double x0 = (W - total) / 2.0;
    const double pad = std::max(double(b.barWidth()), 1.0);

    CaptionLayout layout;
    layout.font = s.valueFont;
    layout.kern = s.valueWithoutKerning ? 0.0 : 2.0;
    const QFontMetricsF fm(BarcodeRenderer::pointFont(s.valueFont));
    layout.baseline = size.height() - capBase - BarcodeRenderer::textHeight(s.valueFont) + fm.ascent();

    QList<double> guards;  // left, right of each guard bar
    for (const BarRun& r : barRuns(b, x0))
        if (r.guard)
            guards << r.left << r.right;
    if (guards.isEmpty())
        guards << x0 << x0 << x0 + total << x0 + total;
    // The widest spaces between guard bars hold the groups, left to right.
    QStringList groups;
    for (const QString& part : b.caption().split(QLatin1Char('\t')))
        if (!part.trimmed().isEmpty())
            groups << part.trimmed();
    QList<std::pair<double, double>> gaps;
    for (int i = 1; i + 2 < guards.size(); i += 2)
        if (guards.at(i + 1) > guards.at(i))
            gaps.append({guards.at(i), guards.at(i + 1)});
    if (gaps.isEmpty())
        gaps.append({x0, x0 + total});
    if (gaps.size() < groups.size())
        groups = QStringList{groups.join(QLatin1Char(' '))};
    std::sort(gaps.begin(), gaps.end(),
              [](const auto& a, const auto& c) { return a.second - a.first > c.second - c.first; });
    gaps = gaps.mid(0, groups.size());
    std::sort(gaps.begin(), gaps.end());

    // Where each piece goes: its text, its room, and how it sits in it.
    enum class Sit { Right, Centre, Left };
    struct Place {
        QString text;
        double from, to;
        Sit sit;
    };
    QList<Place> places;
    if (!b.leftCaption().isEmpty())
        places.append({b.leftCaption(), 0.0, guards.first() - pad, Sit::Right});
    for (int i = 0; i < groups.size(); ++i)
        places.append({groups.at(i), gaps.at(i).first + pad, gaps.at(i).second - pad, Sit::Centre});
    if (!b.rightCaption().isEmpty())
        places.append({b.rightCaption(), guards.last() + pad, W, Sit::Left});

    double scale = 1.0;
    for (const Place& place : places) {
        const double ink = inkOf(place.text, layout.font, layout.kern).width();
        if (ink > 0.0)
            scale = std::min(scale, std::max(0.0, place.to - place.from) / ink);
    }
    if (scale < 1.0) {
        double pt = layout.font.pointSizeF();
        if (pt <= 0.0)
            pt = layout.font.pixelSize() > 0 ? layout.font.pixelSize() : 10.0;
        layout.font.setPointSizeF(std::max(0.5, pt * scale * 0.98));
        layout.kern *= scale;
    }
    for (const Place& place : places) {
        const QRectF ink = inkOf(place.text, layout.font, layout.kern);
        double x = place.from - ink.left();
        if (place.sit == Sit::Right)
            x = place.to - ink.right();
        else if (place.sit == Sit::Centre)
            x = (place.from + place.to) / 2.0 - (ink.left() + ink.right()) / 2.0;
        layout.pieces.append({place.text, x});
    }
    return layout;
}

// The line of the value text above the footer, or above the bars when the
// value is shown on top (over the last bar drawn, as drawBarcode has it).
double captionBase(const NKDBarcode& b) {
    const BarcodeRenderSettings& s = b.renderSettings();
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    const double ftrH = b.printsFooter() ? b.footerHeight() * 72.0 : 0.0;
    if (!s.showValueOnTop)
        return ftrH + m.footer + m.tb;
    const int last = int(b.completeBarcode().lastIndexOf(QLatin1Char('1')));
    double lastH = 0.0;
    if (last >= 0)
        lastH = b.drawsBarBottoms() ? b.barTop(last) - b.barBottom(last) : b.barTop(last);
    return ftrH + m.footer + lastH + m.value + m.tb;
}

}  // namespace

QFont BarcodeRenderer::pointFont(const QFont& font, double kern) {
    QFont f(font);
    double size = font.pointSizeF();
    if (size <= 0.0)
        size = font.pixelSize() > 0 ? font.pixelSize() : 10.0;
    f.setPointSizeF(size * pointScale());
    f.setLetterSpacing(QFont::AbsoluteSpacing, kern);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double BarcodeRenderer::capHeight(const QFont& font) {
    return QFontMetricsF(pointFont(font)).capHeight();
}

double BarcodeRenderer::textHeight(const QFont& font) {
    return QFontMetricsF(pointFont(font)).height();
}

double BarcodeRenderer::textWidth(const QString& text, const QFont& font, double kern) {
    if (text.isEmpty())
        return 0.0;
    const QFontMetricsF fm(pointFont(font, kern));
    return layoutLine(text.split(QLatin1Char('\t')), fm, nullptr);
}

void BarcodeRenderer::drawTextLine(QPainter& p, const QString& text, const QFont& font, const QColor& color,
                                   Qt::Alignment align, const QRectF& rect, double kern) {
    if (text.isEmpty())
        return;
    const TextOutline& o = outlineOf(text, font, kern, false);
    double x = rect.left();
    if (align & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - o.width) / 2.0;
    else if (align & Qt::AlignRight)
        x = rect.right() - o.width;
    drawLine(p, text, font, color, x, rect.top() + o.ascent, kern);
}

void BarcodeRenderer::drawBandText(QPainter& p, const QString& text, const QFont& font, const QColor& color,
                                   int alignIndex, const QRectF& rect) {
    drawTextLine(p, text, font, color, alignmentOf(alignIndex), rect, 2.0);
}

QSizeF BarcodeRenderer::viewSize(const NKDBarcode& b) {
    double w = b.width();
    if (b.printsHeader())
        w = std::max(w, double(b.headerWidth()));
    if (b.printsFooter())
        w = std::max(w, double(b.footerWidth()));
    return QSizeF(w, b.height());
}

void BarcodeRenderer::drawBarcode(QPainter& p, const NKDBarcode& b) {
    const BarcodeRenderSettings& s = b.renderSettings();
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    const QSizeF size = viewSize(b);
    const double W = size.width();
    const double H = size.height();
    // Rectangles below are given with their lower edge at y above the bottom
    // of the view; this turns them into painter coordinates.
    auto up = [H](double x, double y, double w, double h) { return QRectF(x, H - y - h, w, h); };

    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s.fillTransparent) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRectF(0, 0, W, H), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        p.fillRect(QRectF(0, 0, W, H), s.backgroundColor);
    }

    const double capH = b.printsCaption() ? b.captionHeight() * 72.0 : 0.0;
    const double hdrH = b.printsHeader() ? b.headerHeight() * 72.0 : 0.0;
    const double ftrH = b.printsFooter() ? b.footerHeight() * 72.0 : 0.0;
    const QString modules = b.completeBarcode();
    const int n = static_cast<int>(modules.size());
    const double bw = b.barWidth();
    const double total = n * bw;
    const double x0 = (W - total) / 2.0;
    const QString caption = b.caption();
    const bool split = !b.leftCaption().isEmpty() || caption.split(QLatin1Char('\t')).size() > 1;
    const bool top = s.showValueOnTop;
    // UPC/EAN guard bars reach down into the caption band below the bars; with
    // the value on top there is no band below, so every bar stands on the base.
    const bool guardsIntoCaption = split && !top;
    const bool ownBottoms = guardsIntoCaption || b.drawsBarBottoms();
    const double base = top ? ftrH + m.footer + m.tb : capH + ftrH + m.value + m.footer + m.tb;

    // Bars: runs of dark modules, each standing on the geometry of its last module.
    double x = x0;
    int run = 0;
    bool inRun = false;
    int lastDark = -1;
    double lastH = 0.0;
    auto drawRun = [&]() {
        double h = b.barTop(lastDark);
        double y = base;
        if (ownBottoms) {
            // The UPC/EAN bottoms are heights above the bottom of the caption
            // band (base - capH): data bars end on the base line, guards lower.
            // Their tops stay where barTop puts them. Four-state bottoms are
            // heights above the base itself.
            const double from = guardsIntoCaption ? base - capH : base;
            const double bottom = b.barBottom(lastDark);
            y = from + bottom;
            h = base + b.barTop(lastDark) - y;
        }
        p.fillRect(up(x, y, bw * run, h), s.barColor);
        lastH = h;
    };
    for (int i = 0; i < n; ++i) {
        if (modules.at(i) == QLatin1Char('1')) {
            inRun = true;
            ++run;
            lastDark = i;
            if (i == n - 1)
                drawRun();
        } else {
            if (inRun)
                drawRun();
            x += bw * (run + 1);
            run = 0;
            inRun = false;
        }
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    if (b.printsCaption()) {
        const double capBase = top ? ftrH + m.footer + lastH + m.value + m.tb : ftrH + m.footer + m.tb;
        if (split) {
            const CaptionLayout layout = captionLayout(b, capBase);
            for (const CaptionPiece& piece : layout.pieces)
                drawLine(p, piece.text, layout.font, s.valueColor, piece.x, layout.baseline, layout.kern);
        } else if (!caption.isEmpty()) {
            const double h = textHeight(s.valueFont);
            drawTextLine(p, caption.split(QLatin1Char('\t')).first(), s.valueFont, s.valueColor, Qt::AlignHCenter,
                         up(0, capBase, W, h), s.valueWithoutKerning ? 0.0 : 2.0);
        }
    }
    if (b.printsHeader()) {
        const double h = textHeight(s.headerFont);
        drawBandText(p, b.header(), s.headerFont, s.headerColor, s.headerAlignIndex,
                     up(0, H - hdrH - m.tb, W, h));
    }
    if (b.printsFooter()) {
        const double h = textHeight(s.footerFont);
        drawBandText(p, b.footer(), s.footerFont, s.footerColor, s.footerAlignIndex, up(0, m.tb, W, h));
    }
    p.restore();
}

QList<BarcodeRenderer::CaptionGlyph> BarcodeRenderer::captionGlyphs(const NKDBarcode& b) {
    QList<CaptionGlyph> out;
    if (!b.printsCaption() || (b.leftCaption().isEmpty() && b.caption().split(QLatin1Char('\t')).size() < 2))
        return out;
    const CaptionLayout layout = captionLayout(b, captionBase(b));
    for (const CaptionPiece& piece : layout.pieces)
        out += glyphsOf(piece.text, layout.font, layout.kern, piece.x, layout.baseline);
    return out;
}

QPicture BarcodeRenderer::imageFromBarcode(const NKDBarcode& b) {
    QPicture picture;
    if (!b.isContentValid())
        return picture;
    const QSizeF size = viewSize(b);
    QPainter p(&picture);
    drawBarcode(p, b);
    p.end();
    picture.setBoundingRect(QRect(0, 0, static_cast<int>(std::ceil(size.width())),
                                  static_cast<int>(std::ceil(size.height()))));
    return picture;
}

QImage BarcodeRenderer::bitmapFromBarcode(const NKDBarcode& b, double dpi) {
    if (!b.isContentValid() || dpi <= 0.0)
        return QImage();
    const QSizeF size = viewSize(b);
    const double scale = dpi / 72.0;
    const int w = static_cast<int>(std::ceil(size.width() * scale));
    const int h = static_cast<int>(std::ceil(size.height() * scale));
    if (w <= 0 || h <= 0)
        return QImage();
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    // The view ends inside the last column and row of pixels; they take the
    // background too.
    img.fill(b.renderSettings().fillTransparent ? QColor(Qt::transparent) : b.renderSettings().backgroundColor);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    QPainter p(&img);
    p.scale(scale, scale);
    drawBarcode(p, b);
    p.end();
    return IndexedPicture::compact(img);
}

QByteArray BarcodeRenderer::pdfFromBarcode(const NKDBarcode& b) {
    if (!b.isContentValid())
        return QByteArray();
    const QSizeF size = viewSize(b);
    if (size.width() <= 0.0 || size.height() <= 0.0)
        return QByteArray();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        // PDF pages here are whole points: round up so nothing is cut.
        const QSizeF page(std::ceil(size.width()), std::ceil(size.height()));
        writer.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        QPainter p(&writer);
        drawBarcode(p, b);
        p.end();
    }
    buffer.close();
    return data;
}

}  // namespace zelk
