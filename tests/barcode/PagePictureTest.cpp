// Barcode pictures on a PDF page: a black-and-white one goes to the page as
// a 1-bit picture, a coloured one as filled rectangles, and either, drawn at
// the picture's own resolution, gives back its bars pixel for pixel, reads
// as the picture does, and keeps its colours and its transparency.
#include "BarcodeDecode.h"
#include "TestSupport.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"
#include "foundation/SKTBarcode.h"

#include <algorithm>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

constexpr int Dpi = 600;

// A page with the barcode graphic in its top left corner at the picture's
// size, over a red ground, so that what the barcode leaves clear shows red.
// Page sizes are whole points: the page is a little larger.
QByteArray pageOf(const QImage& picture, double opacity = 1.0) {
    SKTBarcode g;
    g.Set_Barcode_image(picture);
    // Exactly one pixel to a page pixel (the resolution a picture records
    // is rounded to whole dots a metre).
    g._bounds = QRectF(0, 0, picture.width() * 72.0 / Dpi, picture.height() * 72.0 / Dpi);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(Dpi);
    writer.setPageSize(QPageSize(QSize(int(g._bounds.width()) + 2, int(g._bounds.height()) + 2), QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    QPainter p(&writer);
    p.scale(Dpi / 72.0, Dpi / 72.0);
    p.fillRect(g._bounds, Qt::red);
    p.setOpacity(opacity);
    g.drawContents(p);
    p.end();
    return pdf;
}

struct Listed {
    int oneBit = 0;
    int other = 0;
};

// pdfimages -list: the pictures one bit a pixel, and the others.
Listed imagesOf(const QString& pdf) {
    Listed l;
    const QList<QByteArray> lines = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).out.split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines.at(i).simplified().split(' ');
        if (f.size() < 8)
            continue;
        if (f.at(2) == "image" && f.at(5) == "gray" && f.at(6) == "1" && f.at(7) == "1")
            ++l.oneBit;
        else
            ++l.other;
    }
    return l;
}

QImage raster(const QString& pdf, const QString& stem) {
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(BarcodeOnPage, OneBitOrRectanglesReadAsThePictureAndKeepColours) {
    const QColor ink(20, 40, 140), paper(250, 240, 200);
    const struct Case {
        const char* name;
        const char* format;  // zxing-cpp's name
        QString symbology;
        QString value;
        bool caption, coloured, transparent;
        enum { None, OneBit, Any } images;  // the pictures on the page
    } cases[] = {
        {"code128 caption", "Code128", "Code 128", "ZELK-100042", true, false, false, Case::OneBit},
        {"code128 bars", "Code128", "Code 128", "ZELK-100042", false, false, false, Case::OneBit},
        {"ean13 guards", "EAN13", "EAN-13", "590123412345", true, false, false, Case::OneBit},
        {"qr", "QRCode", "QR Code", "https://example.org/card/42", false, false, false, Case::OneBit},
        // the caption's smoothed edges in pictures of their own
        {"code128 coloured", "Code128", "Code 128", "ZELK-100042", true, true, false, Case::Any},
        {"code128 clear", "Code128", "Code 128", "ZELK-100042", false, true, true, Case::None},
        {"qr clear frame", "QRCode", "QR Code", "https://example.org/card/42", false, false, true, Case::None},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        BarcodeRenderSettings s;
        s.dpi = Dpi;
        s.hideCaption = !c.caption;
        s.hideHeader = s.hideFooter = true;
        s.fillTransparent = c.transparent;
        if (c.coloured) {
            s.barColor = s.valueColor = ink;
            s.backgroundColor = paper;
        }
        QImage picture;
        if (QByteArray(c.format) == "QRCode") {
            TwoDSettings t;
            t.dpi = Dpi;
            picture = TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_QR_Barcode(c.value, t), {}, {}, s);
        } else {
            const auto b = NKDBarcodeFactory::build(c.symbology, c.value, {}, {}, s);
            ASSERT_TRUE(b) << c.name;
            picture = BarcodeRenderer::bitmapFromBarcode(*b, Dpi);
        }
        ASSERT_FALSE(picture.isNull()) << c.name;
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        writeBytes(pdf, pageOf(picture));

        const Listed images = imagesOf(pdf);
        if (c.images == Case::None) {
            EXPECT_EQ(images.oneBit + images.other, 0) << c.name;  // rectangles only
        }
        if (c.images == Case::OneBit) {
            EXPECT_GT(images.oneBit, 0) << c.name;
            EXPECT_EQ(images.other, 0) << c.name;
        }

        // Module for module: away from a caption's smooth edges (which may
        // go either way) the page shows the picture's colour, or that of a
        // pixel next to it (a reader may place a small picture's edge a
        // pixel off); clear pixels show the red ground.
        QList<QRgb> plain = {qRgb(255, 0, 0)};
        if (c.coloured)
            plain << ink.rgb() << paper.rgb();
        else
            plain << qRgb(0, 0, 0) << qRgb(255, 255, 255);
        auto nearest = [&](QRgb seen) {
            QRgb best = plain.first();
            int bestDiff = INT_MAX;
            for (const QRgb p : plain) {
                const int d = std::abs(qRed(seen) - qRed(p)) + std::abs(qGreen(seen) - qGreen(p)) +
                              std::abs(qBlue(seen) - qBlue(p));
                if (d < bestDiff) {
                    bestDiff = d;
                    best = p;
                }
            }
            return best;
        };
        const QImage bitmap = picture.convertToFormat(QImage::Format_ARGB32);
        const QImage whole = raster(pdf, dir.filePath(QString::fromLatin1(c.name)));
        ASSERT_GE(whole.width(), bitmap.width()) << c.name;
        ASSERT_GE(whole.height(), bitmap.height()) << c.name;
        const QImage page = whole.copy(bitmap.rect());
        auto expected = [&](int x, int y) {
            const QRgb want = bitmap.pixel(std::clamp(x, 0, bitmap.width() - 1), std::clamp(y, 0, bitmap.height() - 1));
            return qAlpha(want) == 0 ? qRgb(255, 0, 0) : want;
        };
        qint64 checked = 0, wrong = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                bool smooth = false;  // a caption's edge nearby
                for (int dy = -2; dy <= 2 && !smooth; ++dy)
                    for (int dx = -2; dx <= 2 && !smooth; ++dx)
                        smooth = !plain.contains(expected(x + dx, y + dy));
                if (smooth)
                    continue;
                ++checked;
                const QRgb seen = nearest(page.pixel(x, y));
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = expected(x + dx, y + dy) == seen;
                wrong += !near;
            }
        EXPECT_GT(checked, bitmap.width() * bitmap.height() / 2) << c.name;
        EXPECT_EQ(wrong, 0) << c.name;

        const auto fromPicture = zxingDecode(onWhite(picture), QString::fromLatin1(c.format));
        QImage onPage = page;
        if (c.transparent)  // the red ground as white, for the reader
            for (int y = 0; y < onPage.height(); ++y)
                for (int x = 0; x < onPage.width(); ++x)
                    if (onPage.pixel(x, y) == qRgb(255, 0, 0))
                        onPage.setPixel(x, y, qRgb(255, 255, 255));
        const auto fromPage = zxingDecode(onWhite(onPage), QString::fromLatin1(c.format));
        ASSERT_TRUE(fromPicture && fromPage) << c.name;
        EXPECT_EQ(fromPage->text, fromPicture->text) << c.name;
        EXPECT_EQ(fromPage->text, QByteArray(c.format) == "EAN13" ? QStringLiteral("5901234123457") : c.value)
            << c.name;
    }
}

TEST(BarcodeOnPage, TranslucentBarcodeDrawsEachPixelOnce) {
    BarcodeRenderSettings s;
    s.dpi = Dpi;
    s.hideCaption = s.hideHeader = s.hideFooter = true;
    const auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), QStringLiteral("ZELK-7"), {}, {}, s);
    ASSERT_TRUE(b);
    const QImage picture = BarcodeRenderer::bitmapFromBarcode(*b, Dpi);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("half.pdf"));
    writeBytes(pdf, pageOf(picture, 0.5));
    const QImage page = raster(pdf, dir.filePath(QStringLiteral("half")));
    ASSERT_FALSE(page.isNull());
    // Half black or half white over the red ground, wherever the picture is
    // black or white.
    int bars = 0, gaps = 0;
    const int y = picture.height() / 2;
    for (int x = 2; x < picture.width() - 2; ++x) {
        const QRgb want = picture.pixel(x, y);
        if (picture.pixel(x - 2, y) != want || picture.pixel(x + 2, y) != want)
            continue;  // an edge
        const QRgb seen = page.pixel(x, y);
        const bool dark = qGray(want) < 128;
        EXPECT_NEAR(qRed(seen), dark ? 128 : 255, 4) << x;
        EXPECT_NEAR(qGreen(seen), dark ? 0 : 128, 4) << x;
        (dark ? bars : gaps) += 1;
    }
    EXPECT_GT(bars, 100);
    EXPECT_GT(gaps, 100);
}
