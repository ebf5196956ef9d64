// The renderer: bar runs, colours, texts and their places, the picture's
// frame in each output, and four-state bars at their own heights.
#include <gtest/gtest.h>

#include "LinearTestSupport.h"
#include "TestSupport.h"

#include "barcode/BarcodeSizes.h"
#include "barcode/NKDRoyalMailBarcode.h"

#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <thread>
#include <vector>

using namespace zelk;
using namespace zelk::test;

namespace {

// A kind with a module string of our choosing.
class FixedModules : public NKDBarcode {
    NKD_BARCODE_KIND(FixedModules)
public:
    QString modules;
    QString barcode() const override { return modules; }
    bool isContentValid() const override { return true; }
};

constexpr double kScale = 4.0;  // pixels per point at 288 dots per inch

std::unique_ptr<FixedModules> fixed(const QString& modules, BarcodeRenderSettings s = {}) {
    s.tbMarginMm = s.lrMarginMm = s.valueMarginMm = s.headerMarginMm = s.footerMarginMm = 0.0f;
    auto b = std::make_unique<FixedModules>();
    b->modules = modules;
    b->setRenderSettings(s);
    b->initWithContent(QStringLiteral("x"), false);
    b->setBarWidth(1.0f);
    b->setHeight(10.0f);
    b->calculateWidth();
    return b;
}

QString darkColumns(const QImage& img, int row) {
    QString out;
    for (int x = 0; x < img.width(); ++x)
        out += qGray(img.pixel(x, row)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

// Bounding box of the pixels of one colour.
QRect extentOf(const QImage& img, QColor c) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) < 60 && std::abs(p.green() - c.green()) < 60 &&
                std::abs(p.blue() - c.blue()) < 60 && p.alpha() > 200)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

}  // namespace

TEST(Renderer, BarRunsAndModuleGeometry) {
    const struct {
        const char* modules;
        const char* columns;  // expected dark columns, one per module (4 pixels each)
    } cases[] = {
        {"1101", "1101"}, {"0001", "0001"}, {"0000", "0000"}, {"1", "1"}, {"1011001110", "1011001110"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modules);
        auto b = fixed(QLatin1String(c.modules));
        const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale);
        ASSERT_EQ(img.width(), 4 * static_cast<int>(strlen(c.modules)));
        QString expected;
        for (const char* p = c.columns; *p; ++p)
            expected += QString(4, QLatin1Char(*p));
        EXPECT_EQ(darkColumns(img, 0), expected);
        EXPECT_EQ(darkColumns(img, img.height() - 1), expected);
    }
}

TEST(Renderer, ColoursAndTransparency) {
    BarcodeRenderSettings s;
    s.barColor = Qt::blue;
    s.backgroundColor = Qt::yellow;
    auto b = fixed(QStringLiteral("10"), s);
    QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale);
    EXPECT_EQ(img.pixelColor(1, 5), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(6, 5), QColor(Qt::yellow));

    s.fillTransparent = true;
    img = BarcodeRenderer::bitmapFromBarcode(*fixed(QStringLiteral("10"), s), 72 * kScale);
    EXPECT_EQ(img.pixelColor(6, 5).alpha(), 0);
    EXPECT_EQ(img.pixelColor(1, 5), QColor(Qt::blue));
}

TEST(Renderer, FrameOfEveryOutput) {
    auto b = buildLinear(QStringLiteral("Code 128"), QStringLiteral("Zelk 0123"), BarcodeRenderSettings{});
    ASSERT_TRUE(b);
    const QSizeF size = BarcodeRenderer::viewSize(*b);
    EXPECT_FLOAT_EQ(size.width(), b->width());
    EXPECT_FLOAT_EQ(size.height(), b->height());

    const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 300);
    EXPECT_EQ(img.width(), static_cast<int>(std::ceil(size.width() * 300 / 72)));
    EXPECT_EQ(img.height(), static_cast<int>(std::ceil(size.height() * 300 / 72)));
    EXPECT_EQ(img.dotsPerMeterX(), 11811);  // 300 dots per inch
    EXPECT_EQ(img.dotsPerMeterY(), 11811);

    const QPicture pic = BarcodeRenderer::imageFromBarcode(*b);
    EXPECT_FALSE(pic.isNull());
    EXPECT_EQ(pic.boundingRect(), QRect(0, 0, static_cast<int>(std::ceil(size.width())),
                                        static_cast<int>(std::ceil(size.height()))));
    // Played back at 300 dots per inch, the picture gives the bitmap's bars.
    QImage played(img.size(), QImage::Format_ARGB32_Premultiplied);
    played.fill(Qt::white);
    QPainter p(&played);
    p.scale(300.0 / 72, 300.0 / 72);
    p.drawPicture(0, 0, pic);
    p.end();
    const int barRow = img.height() / 3;
    EXPECT_EQ(darkColumns(played, barRow), darkColumns(img, barRow));

    const QByteArray pdf = BarcodeRenderer::pdfFromBarcode(*b);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("b.pdf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    const ToolResult info = runTool(QStringLiteral("pdfinfo"), {f.fileName()});
    ASSERT_EQ(info.exitCode, 0);
    const QString out = QString::fromLatin1(info.out);
    const int at = out.indexOf(QStringLiteral("Page size:"));
    ASSERT_GE(at, 0);
    const QStringList words = out.mid(at).section(QLatin1Char('\n'), 0, 0).simplified().split(QLatin1Char(' '));
    ASSERT_GE(words.size(), 5);
    // The page is the frame rounded up to whole points.
    EXPECT_EQ(words.at(2).toDouble(), std::ceil(size.width()));
    EXPECT_EQ(words.at(4).toDouble(), std::ceil(size.height()));
}

TEST(Renderer, TextBandsStackAroundTheBars) {
    BarcodeRenderSettings s;
    s.headerColor = Qt::red;
    s.footerColor = Qt::blue;
    s.valueColor = Qt::green;
    for (bool onTop : {false, true}) {
        SCOPED_TRACE(onTop ? "value on top" : "value below");
        s.showValueOnTop = onTop;
        auto b = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("AB12"),
                                          QStringLiteral("HEAD"), QStringLiteral("FOOT"), s);
        const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale);
        const QRect header = extentOf(img, Qt::red);
        const QRect footer = extentOf(img, Qt::blue);
        const QRect value = extentOf(img, Qt::green);
        const QRect bars = extentOf(img, Qt::black);
        ASSERT_FALSE(header.isEmpty() || footer.isEmpty() || value.isEmpty() || bars.isEmpty());
        EXPECT_LT(header.bottom(), bars.top());
        EXPECT_GT(footer.top(), bars.bottom());
        if (onTop) {
            EXPECT_LT(value.bottom(), bars.top());
            EXPECT_GT(value.top(), header.bottom());
        } else {
            EXPECT_GT(value.top(), bars.bottom());
            EXPECT_LT(value.bottom(), footer.top());
        }
    }
}

TEST(Renderer, HeaderAlignmentAndValueSpacing) {
    BarcodeRenderSettings s;
    s.headerColor = Qt::red;
    s.valueColor = Qt::green;
    s.lrMarginMm = 0.0f;
    auto headerBox = [&](int align) {
        s.headerAlignIndex = align;
        auto b = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("ABCDEFGH"),
                                          QStringLiteral("HI"), QString(), s);
        const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale);
        return std::make_pair(extentOf(img, Qt::red), img.width());
    };
    const auto [left, w] = headerBox(0);
    EXPECT_LT(left.left(), 2 * kScale);
    const auto [center, w1] = headerBox(1);
    EXPECT_NEAR(center.left(), w1 - 1 - center.right(), 3 * kScale);
    const auto [right, w2] = headerBox(2);
    EXPECT_GT(right.right(), w2 - 4 * kScale);
    EXPECT_EQ(headerBox(7).first, left);  // an unknown item keeps the default alignment

    auto valueWidth = [&](bool noKerning) {
        s.valueWithoutKerning = noKerning;
        auto b = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("ABCDEFGH"), QString(),
                                          QString(), s);
        return extentOf(BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale), Qt::green).width();
    };
    // Seven gaps of 2 points of letter spacing.
    EXPECT_NEAR(valueWidth(false) - valueWidth(true), 7 * 2 * kScale, 2 * kScale);
}

// Four-state bars stand at their own heights: ascenders, descenders and
// trackers are told apart by where they start and end.
TEST(Renderer, FourStateBarsKeepTheirBottoms) {
    for (const char* title : {"Royal Mail Barcode (RM4SCC / CBC)", "Japan Post Barcode"}) {
        SCOPED_TRACE(title);
        BarcodeRenderSettings s;
        s.barColor = Qt::red;
        auto b = NKDBarcodeFactory::build(QLatin1String(title), QStringLiteral("1234567AB"), QString(), QString(),
                                          s);
        ASSERT_TRUE(b);
        const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 72 * kScale);
        const double W = BarcodeRenderer::viewSize(*b).width();
        const QString m = b->completeBarcode();
        const double x0 = (W - m.size() * b->barWidth()) / 2.0;
        double lowest = 1e9;
        QList<std::tuple<int, double, double>> bars;  // module, bottom, top in points above the picture's foot
        for (int i = 0; i < m.size(); ++i) {
            if (m.at(i) != QLatin1Char('1'))
                continue;
            const int x = static_cast<int>((x0 + (i + 0.5) * b->barWidth()) * kScale);
            int top = -1;
            int bottom = -1;
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y) == QColor(Qt::red)) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
            ASSERT_GE(top, 0) << "module " << i;
            const double foot = (img.height() - 1 - bottom) / kScale;
            const double head = (img.height() - top) / kScale;
            bars.append({i, foot, head});
            lowest = std::min(lowest, foot);
        }
        QSet<int> heights;
        for (const auto& [i, foot, head] : bars) {
            EXPECT_NEAR(foot - lowest, b->barBottom(i), 0.5) << "module " << i;
            EXPECT_NEAR(head - lowest, b->barTop(i), 0.5) << "module " << i;
            heights.insert(qRound((head - foot) * 10));
        }
        EXPECT_GE(heights.size(), 3);  // full, ascender/descender, tracker
    }
}

// Sizing and drawing read only the barcode and its settings value, so
// batches may render on worker threads; the result equals the main thread's.
TEST(Renderer, WorkerThreadsDrawTheSamePictures) {
    const BarcodeRenderSettings s;
    auto render = [&](int i) {
        auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), QStringLiteral("ZELK-%1").arg(i),
                                          QStringLiteral("HEADER"), QStringLiteral("FOOTER"), s);
        return BarcodeRenderer::bitmapFromBarcode(*b, 150);
    };
    constexpr int kThreads = 4;
    constexpr int kEach = 5;
    std::vector<QImage> results(kThreads * kEach);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int k = 0; k < kEach; ++k)
                results[t * kEach + k] = render(t * kEach + k);
        });
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < kThreads * kEach; ++i)
        EXPECT_EQ(results[i], render(i)) << i;
}

// Bitmaps draw text through the glyph cache and pictures as outlines: at any
// resolution both put the same text in the same place.
TEST(Renderer, BitmapTextMatchesPictureText) {
    BarcodeRenderSettings s;
    s.valueColor = Qt::green;
    s.headerColor = Qt::red;
    s.headerAlignIndex = 2;
    auto b = NKDBarcodeFactory::build(QStringLiteral("EAN-13"), QStringLiteral("590123412345"),
                                      QStringLiteral("RIGHT HEADER"), QString(), s);
    ASSERT_TRUE(b);
    const QPicture pic = BarcodeRenderer::imageFromBarcode(*b);
    for (double dpi : {150.0, 288.0, 600.0}) {
        SCOPED_TRACE(dpi);
        const QImage bitmap = BarcodeRenderer::bitmapFromBarcode(*b, dpi);
        QImage played(bitmap.size(), QImage::Format_ARGB32_Premultiplied);
        played.fill(Qt::transparent);
        QPainter p(&played);
        p.scale(dpi / 72, dpi / 72);
        p.drawPicture(0, 0, pic);
        p.end();
        const double tolerance = 0.75 * dpi / 72;  // three quarters of a point
        for (QColor c : {QColor(Qt::green), QColor(Qt::red)}) {
            const QRect a = extentOf(bitmap, c);
            const QRect e = extentOf(played, c);
            ASSERT_FALSE(a.isEmpty());
            EXPECT_NEAR(a.left(), e.left(), tolerance);
            EXPECT_NEAR(a.right(), e.right(), tolerance);
            EXPECT_NEAR(a.top(), e.top(), tolerance);
            EXPECT_NEAR(a.bottom(), e.bottom(), tolerance);
        }
    }
}

// UPC/EAN: the data bars stand on the bottom line of the bars, like any other
// barcode's, and only the guard bars reach further down into the caption.
TEST(Renderer, UpcEanDataBarsReachTheBaseAndGuardsGoLower) {
    BarcodeRenderSettings s;
    auto b = NKDBarcodeFactory::build(QStringLiteral("EAN-13"), QStringLiteral("590123412345"),
                                      QString(), QString(), s);
    ASSERT_TRUE(b);
    const QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 288).convertToFormat(QImage::Format_ARGB32);
    const QString modules = b->completeBarcode();
    const double pxPerModule = b->barWidth() * 288 / 72;
    const double x0 = (img.width() - modules.size() * pxPerModule) / 2;
    auto barSpan = [&](int module) {
        const int x = static_cast<int>(x0 + (module + 0.5) * pxPerModule);
        // The first unbroken dark run from the top: the bar itself, not
        // caption digits that may stand below it.
        auto dark = [&](int y) {
            const QColor c = img.pixelColor(x, y);
            return c.alpha() > 128 && c.lightness() < 100;
        };
        int first = 0;
        while (first < img.height() && !dark(first))
            ++first;
        if (first == img.height())
            return std::pair{-1, -1};
        int last = first;
        while (last + 1 < img.height() && dark(last + 1))
            ++last;
        return std::pair{first, last};
    };
    const auto guard = barSpan(static_cast<int>(modules.size()) - 1);  // the end guard's last bar
    int dataModule = -1;
    for (int i = 10; i < 40; ++i)
        if (modules.at(i) == QLatin1Char('1')) {
            dataModule = i;
            break;
        }
    ASSERT_GE(dataModule, 0);
    const auto data = barSpan(dataModule);
    ASSERT_GE(guard.first, 0);
    ASSERT_GE(data.first, 0);
    EXPECT_NEAR(data.first, guard.first, 2);  // same top
    // Guards reach down into the caption band, to 3.6 pt above its bottom;
    // data bars stop on the band's top, so they are shorter by exactly that.
    const double pxPerPoint = 288.0 / 72;
    const double captionPx = b->captionHeight() * 72 * pxPerPoint;
    EXPECT_NEAR(guard.second - data.second, captionPx - 3.6 * pxPerPoint, 2.0);
}
