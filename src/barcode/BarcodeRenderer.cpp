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

// Draws a single line whose bounding box has its lower left corner at (x, yBottom).
void drawAtPoint(QPainter& p, const QString& text, const QFont& font, const QColor& color, double x,
                 double yBottom, double kern) {
    const TextOutline& o = outlineOf(text, font, kern, false);
    drawLine(p, text, font, color, x, yBottom - o.descent, kern);
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
        const QString left = b.leftCaption();
        if (!left.isEmpty())
            drawAtPoint(p, left, s.valueFont, s.valueColor, x0, H - (capBase + 3.0), 0.0);
        if (!caption.isEmpty()) {
            const QStringList parts = caption.split(QLatin1Char('\t'));
            QString text = parts.first();
            if (split) {
                text.clear();
                for (const QString& part : parts)
                    text += part + QLatin1Char('\t');
            }
            const double h = textHeight(s.valueFont);
            drawTextLine(p, text, s.valueFont, s.valueColor, Qt::AlignHCenter, up(0, capBase, W, h),
                         s.valueWithoutKerning ? 0.0 : 2.0);
        }
        const QString right = b.rightCaption();
        if (!right.isEmpty())
            drawAtPoint(p, right, s.valueFont, s.valueColor, x0 + total, H - (capBase + 3.0), 0.0);
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
