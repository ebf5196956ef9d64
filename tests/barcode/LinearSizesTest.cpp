// Size rules of linear pictures: units, heights, widths and margins.
#include <gtest/gtest.h>

#include "LinearTestSupport.h"

#include "barcode/BarcodeSizes.h"
#include "barcode/JapanPostBarcode.h"

using namespace zelk;
using namespace zelk::test;

TEST(LinearSizes, HeightStacksBarsTextsGapsAndMargins) {
    const BarcodeRenderSettings all;  // caption, header and footer shown; every margin 1 mm
    auto b = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("0123"), QStringLiteral("H"),
                                      QStringLiteral("F"), all);
    ASSERT_TRUE(b);
    const float mm = 2.8346472f;
    const float expected = 17.007883f + (b->captionHeight() * 72 + mm) + (b->headerHeight() * 72 + mm) +
                           (b->footerHeight() * 72 + mm) + 2 * mm;
    EXPECT_NEAR(b->height(), expected, 1e-3);
    EXPECT_GT(b->captionHeight(), 0.0f);
    // The bars get back exactly the bar height.
    EXPECT_NEAR(b->barTop(0), 17.007883f, 1e-3);

    BarcodeRenderSettings none = all;
    none.hideCaption = none.hideHeader = none.hideFooter = true;
    auto bare = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("0123"), QStringLiteral("H"),
                                         QStringLiteral("F"), none);
    EXPECT_NEAR(bare->height(), 17.007883f + 2 * mm, 1e-4);
    EXPECT_FLOAT_EQ(bare->barBottom(0), 0.0f);
    EXPECT_NEAR(bare->barTop(0), bare->height() - 2 * mm, 1e-4);
}

TEST(LinearSizes, WidthTakesTheWidestPartAndTheSideMargins) {
    BarcodeRenderSettings s = plainSettings();
    auto b = buildLinear(QStringLiteral("Code 39"), QStringLiteral("0123"), s);
    const float bars = 13 * 6 * 1.44f;
    EXPECT_NEAR(b->width(), bars + 2 * 2.8346472f + 15.0f, 1e-3);

    s.lrMarginMm = 0.0f;  // no margin: not even the 15 points
    EXPECT_NEAR(buildLinear(QStringLiteral("Code 39"), QStringLiteral("0123"), s)->width(), bars, 1e-3);

    // A header wider than the bars widens the picture only while shown.
    const QString wide = QStringLiteral("A HEADER MUCH WIDER THAN THE BARS");
    BarcodeRenderSettings shown;
    shown.lrMarginMm = 0.0f;
    auto h = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("0"), wide, QString(), shown);
    EXPECT_GT(h->headerWidth(), 13 * 3 * 1.44f);
    EXPECT_FLOAT_EQ(h->width(), h->headerWidth());
    BarcodeRenderSettings hidden = shown;
    hidden.hideHeader = true;
    auto nh = NKDBarcodeFactory::build(QStringLiteral("Code 39"), QStringLiteral("0"), wide, QString(), hidden);
    EXPECT_NEAR(nh->width(), 13 * 3 * 1.44f, 1e-3);
    EXPECT_LT(nh->height(), h->height());
}

// The Japan Post bar size follows the bar height within 8.5 to 11.5, while
// the frame still holds the caption, header and footer that it always prints.
TEST(LinearSizes, JapanPostSizeStaysApartFromTheFrame) {
    BarcodeRenderSettings s;
    auto b = NKDBarcodeFactory::build(QStringLiteral("Japan Post Barcode"), QStringLiteral("1234567"),
                                      QStringLiteral("H"), QStringLiteral("F"), s);
    ASSERT_TRUE(b);
    auto* jp = static_cast<JapanPostBarcode*>(b.get());
    EXPECT_FLOAT_EQ(jp->size(), 11.5f);
    EXPECT_NEAR(jp->barWidth(), 11.5f / 6.0f, 1e-5);
    const float frame = 17.007883f + b->captionHeight() * 72 + b->headerHeight() * 72 + b->footerHeight() * 72 +
                        5 * 2.8346472f;
    EXPECT_NEAR(b->height(), frame, 1e-3);
    EXPECT_NEAR(b->barTop(0), 3.6f * 1.15f / 0.3527777f, 1e-3);  // full start bar at size 11.5

    s.barHeightMm = 2.5f;  // 7.1 points, below the smallest size
    auto small = NKDBarcodeFactory::build(QStringLiteral("Japan Post Barcode"), QStringLiteral("1234567"),
                                          QStringLiteral("H"), QStringLiteral("F"), s);
    EXPECT_NEAR(static_cast<JapanPostBarcode*>(small.get())->size(), 8.5f, 1e-4);
    EXPECT_GT(small->height(), 7.08f + small->captionHeight() * 72);
}
