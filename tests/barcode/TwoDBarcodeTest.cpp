// The 2D production paths and the finished 2D picture: sizes in points,
// pixels at the resolution, margins, texts and decoding of the result.
#include "BarcodeDecode.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"

#include <gtest/gtest.h>
#include <thread>

using zelk::BarcodeRenderSettings;
using zelk::TwoDRenderer;
using zelk::TwoDSettings;
using zelk::test::onWhite;
using zelk::test::zxingDecode;

namespace {

BarcodeRenderSettings withoutTexts() {
    BarcodeRenderSettings s;
    s.hideHeader = true;
    s.hideFooter = true;
    return s;
}

}  // namespace

TEST(TwoDBarcode, QrPictureSizeFollowsPointsAndResolution) {
    struct Case {
        int size, dpi, version;
        QString value;
        int pixels;  // 0: no picture
    };
    const Case cases[] = {
        {60, 600, 0, "0123", 500},                    // 60 × 600 / 72
        {60, 300, 0, "0123", 250},
        {60, 600, 40, "0123", 500},                   // 177 modules, 2 pixels each
        {21, 72, 1, "0123", 21},
        {20, 72, 1, "0123", 0},                       // fewer pixels than modules
        {60, 600, 1, QString(26, 'A'), 0},            // does not fit the requested version
        {60, 600, 0, "https://www.example.com/a/rather/long/path/to/a/visitor/card?id=000123", 500},
        {60, 600, 0, QString(), 0},
        {10000000, 600, 0, "0123", 0},                // beyond any picture's size
    };
    for (const Case& c : cases) {
        TwoDSettings s;
        s.qrSize = c.size;
        s.dpi = c.dpi;
        s.qrVersion = c.version;
        const QImage img = TwoDBarcode::Draw_QR_Barcode(c.value, s);
        if (c.pixels == 0) {
            EXPECT_TRUE(img.isNull()) << c.value.toStdString();
            continue;
        }
        ASSERT_FALSE(img.isNull()) << c.value.toStdString();
        EXPECT_EQ(img.width(), c.pixels);
        EXPECT_EQ(img.height(), c.pixels);
        EXPECT_DOUBLE_EQ(zelk::sizeInPoints(img).width(), c.size);
        // Small pictures are enlarged pixel for pixel for the reader.
        const int k = std::max(2, 200 / img.width());
        const QImage big = img.scaled(img.width() * k, img.height() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const auto d = zxingDecode(onWhite(big, 40), QStringLiteral("QRCode"));
        ASSERT_TRUE(d.has_value()) << c.value.toStdString() << " " << c.size << " " << c.dpi << " v" << c.version;
        EXPECT_EQ(d->text, c.value);
    }
}

// 1 mm margins round a 60-point symbol: 60 + 2 × 2.8346472 + 15 wide and
// 60 + 2 × 2.8346472 high; without side margins the 15 points go too.
TEST(TwoDBarcode, FrameOfTheFinishedPicture) {
    TwoDSettings q;
    const QImage symbol = TwoDBarcode::Draw_QR_Barcode("0123", q);
    ASSERT_FALSE(symbol.isNull());
    BarcodeRenderSettings s = withoutTexts();
    EXPECT_NEAR(TwoDRenderer::Set_2d_Barcode_Width(symbol, "HEADER", "FOOTER", s), 80.669296, 1e-4);
    EXPECT_NEAR(TwoDRenderer::Set_2d_Barcode_Height(symbol, "HEADER", "FOOTER", s), 65.669296, 1e-4);
    s.lrMarginMm = 0;
    EXPECT_NEAR(TwoDRenderer::Set_2d_Barcode_Width(symbol, "HEADER", "FOOTER", s), 60.0, 1e-4);

    // Shown texts add their heights and gaps; a long header widens the frame.
    BarcodeRenderSettings t;
    const float h = TwoDRenderer::Set_2d_Barcode_Height(symbol, "HEADER", "FOOTER", t);
    EXPECT_GT(h, 65.669296 + 2 * 2.8346472 + 2 * 8);
    const QString wide(40, QLatin1Char('W'));
    EXPECT_GT(TwoDRenderer::Set_2d_Barcode_Width(symbol, wide, "", t), 200.0);
}

TEST(TwoDBarcode, FinishedPicturesDecodeWithTextsAndMargins) {
    const QString value = QStringLiteral("Zelk ID · Besucher 0042");
    TwoDSettings q;
    q.dpi = 300;
    BarcodeRenderSettings s;
    s.dpi = 300;
    const QImage qr = TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_QR_Barcode(value, q), "HEADER",
                                                          "FOOTER", s);
    ASSERT_FALSE(qr.isNull());
    const QSizeF pts = zelk::sizeInPoints(qr);
    EXPECT_EQ(qr.width(), zelk::pixelsForPoints(pts.width(), 300));
    const auto dq = zxingDecode(onWhite(qr, 20), QStringLiteral("QRCode"));
    ASSERT_TRUE(dq.has_value());
    EXPECT_EQ(dq->text, value);
    // White background without the transparent flag, the header's ink on top.
    EXPECT_EQ(qr.pixel(0, 0), qRgba(255, 255, 255, 255));
    bool ink = false;
    const int band = zelk::pixelsForPoints(2.8346472 + 10, 300);
    for (int y = 0; y < band && !ink; ++y)
        for (int x = 0; x < qr.width() && !ink; ++x)
            ink = qGray(qr.pixel(x, y)) < 100;
    EXPECT_TRUE(ink);

    TwoDSettings d;
    d.dmModuleSize = 3;
    d.dpi = 300;
    s.fillTransparent = true;
    const QImage dm = TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_DataMatrix_Barcode(value, d), "", "", s);
    ASSERT_FALSE(dm.isNull());
    EXPECT_EQ(qAlpha(dm.pixel(0, 0)), 0);
    const auto dz = zxingDecode(onWhite(dm, 20), QStringLiteral("DataMatrix"));
    ASSERT_TRUE(dz.has_value());
    EXPECT_EQ(dz->text, value);
    const auto dd = zelk::test::dmtxDecode(onWhite(dm, 20));
    ASSERT_TRUE(dd.has_value());
    EXPECT_EQ(*dd, value.toUtf8());

    EXPECT_TRUE(TwoDRenderer::imageFromBarcodeImage(QImage(), "H", "F", s).isNull());
}

// Production copies its parameters, so symbols are made on several threads at
// once with the same result as on one.
TEST(TwoDBarcode, PathsRunOnAnyThread) {
    TwoDSettings s;
    s.dpi = 150;
    const QImage qrRef = TwoDBarcode::Draw_QR_Barcode("thread safe 0123", s);
    const QImage dmRef = TwoDBarcode::Draw_DataMatrix_Barcode("thread safe 0123", s);
    ASSERT_FALSE(qrRef.isNull());
    ASSERT_FALSE(dmRef.isNull());
    std::vector<std::thread> threads;
    std::atomic<int> same{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10; ++i) {
                const bool ok = TwoDBarcode::Draw_QR_Barcode("thread safe 0123", s) == qrRef &&
                                TwoDBarcode::Draw_DataMatrix_Barcode("thread safe 0123", s) == dmRef;
                same += ok ? 1 : 0;
            }
        });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(same.load(), 40);
}

TEST(TwoDBarcode, IncreaseDpiKeepsPointsAndHardEdges) {
    QImage src(2, 2, QImage::Format_ARGB32);
    src.fill(Qt::white);
    src.setPixel(0, 0, qRgba(0, 0, 0, 255));
    zelk::setSizeInPoints(src, QSizeF(2, 2));
    const QImage out = Increase_DPI(src, 600);
    ASSERT_EQ(out.width(), 17);  // ceil(600 × 2 / 72)
    EXPECT_NEAR(zelk::sizeInPoints(out).width(), 2.0, 1e-9);
    EXPECT_EQ(out.pixel(0, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(out.pixel(16, 16), qRgba(255, 255, 255, 255));
    EXPECT_TRUE(Increase_DPI(QImage(), 600).isNull());
}
