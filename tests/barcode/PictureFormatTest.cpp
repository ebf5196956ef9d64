// Finished barcode pictures carry a colour table: one bit a pixel where two
// colours occur, eight where a smooth caption blends them, transparency kept;
// and they still decode.
#include "BarcodeDecode.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace zelk;

TEST(BarcodePicture, HeldWithAColourTableAndStillDecoded) {
    const QColor ink(20, 40, 140), paper(250, 240, 200);
    const struct {
        const char* format;  // zxing-cpp's name
        bool caption, transparent;
        QImage::Format held;
    } cases[] = {
        {"QRCode", false, false, QImage::Format_Mono},
        {"QRCode", true, false, QImage::Format_Indexed8},
        {"QRCode", false, true, QImage::Format_Indexed8},  // light modules, dark ones, transparent frame
        {"DataMatrix", false, false, QImage::Format_Mono},
        {"DataMatrix", false, true, QImage::Format_Indexed8},
        {"Code128", false, false, QImage::Format_Mono},
        {"Code128", true, false, QImage::Format_Indexed8},
        {"Code128", false, true, QImage::Format_Mono},
        {"Code128", true, true, QImage::Format_Indexed8},
    };
    const QString value = QStringLiteral("ZELK-0042-id");
    for (const auto& c : cases) {
        const std::string at = std::string(c.format) + (c.caption ? " caption" : "") + (c.transparent ? " clear" : "");
        const bool linear = QByteArray(c.format) == "Code128";
        BarcodeRenderSettings s;
        s.dpi = 300;
        s.fillTransparent = c.transparent;
        s.hideCaption = s.hideHeader = !c.caption;
        s.hideFooter = true;
        s.barColor = s.valueColor = s.headerColor = ink;
        s.backgroundColor = paper;
        QImage img;
        if (linear) {
            const auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), value, {}, {}, s);
            ASSERT_TRUE(b);
            img = BarcodeRenderer::bitmapFromBarcode(*b, s.dpi);
        } else {
            TwoDSettings t;
            t.dpi = s.dpi;
            const QImage symbol = QByteArray(c.format) == "QRCode" ? TwoDBarcode::Draw_QR_Barcode(value, t)
                                                                   : TwoDBarcode::Draw_DataMatrix_Barcode(value, t);
            img = TwoDRenderer::imageFromBarcodeImage(symbol, QStringLiteral("HEADER"), {}, s);
            // Composed from the tables or painted, the pixels are the painter's.
            QImage painted(img.size(), QImage::Format_ARGB32_Premultiplied);
            painted.fill(c.transparent ? Qt::transparent : Qt::white);
            QPainter p(&painted);
            p.scale(s.dpi / 72.0, s.dpi / 72.0);
            TwoDRenderer::drawBarcodeImage(p, symbol, QStringLiteral("HEADER"), {}, s);
            p.end();
            EXPECT_EQ(img.convertToFormat(QImage::Format_ARGB32_Premultiplied), painted) << at;
        }
        ASSERT_FALSE(img.isNull()) << at;
        EXPECT_EQ(img.format(), c.held) << at;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), c.transparent ? 0 : 255) << at;
        // The caption's smooth edges blend the ink into the background: a
        // linear symbol's paper, a 2D frame's white (or into nothing).
        const QColor back = linear ? paper : QColor(Qt::white);
        for (const QRgb rgb : img.colorTable()) {
            if (qAlpha(rgb) < 255 || (!linear && (rgb == qRgb(0, 0, 0) || rgb == qRgb(255, 255, 255))))
                continue;  // a 2D symbol's modules are black and white
            const double t = double(qRed(rgb) - back.red()) / (ink.red() - back.red());
            EXPECT_NEAR(qGreen(rgb), back.green() + t * (ink.green() - back.green()), 3) << at;
            EXPECT_NEAR(qBlue(rgb), back.blue() + t * (ink.blue() - back.blue()), 3) << at;
        }
        const auto d = test::zxingDecode(test::onWhite(img), QString::fromLatin1(c.format));
        ASSERT_TRUE(d) << at;
        EXPECT_EQ(d->text, value) << at;
    }
}
