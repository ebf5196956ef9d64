// UPC/EAN captions: every digit drawn, where its layout says, clear of every
// bar and inside the picture, at print resolutions; the symbol still reads.
#include <gtest/gtest.h>

#include "BarcodeDecode.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcode.h"
#include "barcode/NKDBarcodeFactory.h"

#include <QTransform>

using namespace zelk;
using namespace zelk::test;

namespace {

// Bars black, digits red: each is told apart by its colour in the bitmap.
bool isBar(QRgb c) { return qAlpha(c) > 128 && qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }
bool isDigit(QRgb c) { return qAlpha(c) > 128 && qRed(c) > 150 && qRed(c) - qGreen(c) > 60 && qRed(c) - qBlue(c) > 60; }

struct Symbol {
    const char* title;
    const char* value;
    const char* format;
    const char* printed;  // the digits of the caption, left to right
    float mils;
    double fontSize;
    bool onTop;
};

const Symbol symbols[] = {
    {"EAN-13", "590123412345", "EAN13", "5901234123457", 20, 10, false},
    {"EAN-8", "9638507", "EAN8", "96385074", 20, 10, false},
    {"UPCA", "01234567890", "UPCA", "012345678905", 20, 10, false},
    {"UPCE", "0123456", "UPCE", "01234565", 20, 10, false},
    // A large font on narrow modules must shrink to stay off the bars.
    {"EAN-13", "400638133393", "EAN13", "4006381333931", 10, 18, false},
    {"UPCA", "03600029145", "UPCA", "036000291452", 13, 14, false},
    {"EAN-8", "9638507", "EAN8", "96385074", 20, 10, true},
};

TEST(UpcEanCaption, EveryDigitDrawnClearOfTheBarsAndInsideThePicture) {
    for (const Symbol& sym : symbols) {
        BarcodeRenderSettings s;
        s.barWidthMils = sym.mils;
        s.valueFont.setPointSizeF(sym.fontSize);
        s.valueColor = Qt::red;
        s.showValueOnTop = sym.onTop;
        const auto b = NKDBarcodeFactory::build(QLatin1String(sym.title), QLatin1String(sym.value), QString(),
                                                QString(), s);
        ASSERT_TRUE(b && b->isContentValid()) << sym.title;
        const QList<BarcodeRenderer::CaptionGlyph> glyphs = BarcodeRenderer::captionGlyphs(*b);
        QString printed;
        for (const auto& g : glyphs)
            printed += g.text;
        const QRectF picture(QPointF(), BarcodeRenderer::viewSize(*b));
        for (const double dpi : {300.0, 600.0}) {
            SCOPED_TRACE(testing::Message() << sym.title << " " << sym.mils << " mils " << sym.fontSize << " pt at "
                                            << dpi << " dpi" << (sym.onTop ? " on top" : ""));
            EXPECT_EQ(printed, QLatin1String(sym.printed));
            const QImage image =
                BarcodeRenderer::bitmapFromBarcode(*b, dpi).convertToFormat(QImage::Format_ARGB32);
            const QTransform toPixels = QTransform::fromScale(dpi / 72.0, dpi / 72.0);
            QList<QRect> boxes;
            for (const auto& g : glyphs) {
                EXPECT_TRUE(picture.contains(g.box)) << qPrintable(g.text);
                const QRect px = toPixels.mapRect(g.box).toAlignedRect().adjusted(-1, -1, 1, 1) & image.rect();
                boxes << px;
                int bars = 0, digit = 0;
                for (int y = px.top(); y <= px.bottom(); ++y)
                    for (int x = px.left(); x <= px.right(); ++x) {
                        bars += isBar(image.pixel(x, y));
                        digit += isDigit(image.pixel(x, y));
                    }
                EXPECT_EQ(bars, 0) << "digit " << qPrintable(g.text) << " on a bar";
                EXPECT_GT(digit, 0) << "digit " << qPrintable(g.text) << " not drawn";
            }
            // Nothing of the caption is drawn outside the digits' boxes, and
            // no drawn digit touches a bar.
            int stray = 0, touching = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    if (!isDigit(image.pixel(x, y)))
                        continue;
                    stray += std::none_of(boxes.cbegin(), boxes.cend(), [&](const QRect& r) {
                        return r.adjusted(-2, -2, 2, 2).contains(x, y);
                    });
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            touching += image.rect().contains(x + dx, y + dy) && isBar(image.pixel(x + dx, y + dy));
                }
            EXPECT_EQ(stray, 0);
            EXPECT_EQ(touching, 0);
            const auto decoded = zxingDecode(onWhite(image), QLatin1String(sym.format));
            ASSERT_TRUE(decoded);
            EXPECT_EQ(decoded->text, QLatin1String(sym.printed));
        }
    }
}

// The first digit stands in the left quiet zone, the groups under their
// halves, UPC's check digit after the end guard.
TEST(UpcEanCaption, DigitsStandBesideAndBetweenTheGuards) {
    struct Case {
        const char* title;
        const char* value;
        int alone;      // digits left of the first bar
        int afterEnd;   // digits right of the last bar
        int leftHalf;   // digits between the first bar and the middle
    } cases[] = {{"EAN-13", "590123412345", 1, 0, 6}, {"EAN-8", "9638507", 0, 0, 4},
                 {"UPCA", "01234567890", 1, 1, 5},    {"UPCE", "0123456", 1, 1, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const auto b = NKDBarcodeFactory::build(QLatin1String(c.title), QLatin1String(c.value), QString(),
                                                QString(), BarcodeRenderSettings{});
        ASSERT_TRUE(b);
        const double total = b->completeBarcode().size() * double(b->barWidth());
        const double x0 = (BarcodeRenderer::viewSize(*b).width() - total) / 2.0;
        int alone = 0, afterEnd = 0, leftHalf = 0;
        for (const auto& g : BarcodeRenderer::captionGlyphs(*b)) {
            alone += g.box.right() < x0;
            afterEnd += g.box.left() > x0 + total;
            leftHalf += g.box.left() > x0 && g.box.right() < x0 + total / 2;
        }
        EXPECT_EQ(alone, c.alone);
        EXPECT_EQ(afterEnd, c.afterEnd);
        if (QLatin1String(c.title) != QLatin1String("UPCE")) {  // one group, centred on its bars
            EXPECT_EQ(leftHalf, c.leftHalf);
        }
    }
}

}  // namespace
