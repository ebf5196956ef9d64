// Postal codes and Industrial 2 of 5 compared bar by bar with zint's module
// dump (an independent encoder, used only as a checker).
#include <gtest/gtest.h>

#include "LinearTestSupport.h"
#include "TestSupport.h"

#include "barcode/JapanPostBarcode.h"
#include "barcode/NKDIndustrialTwoOfFiveBarcode.h"
#include "barcode/NKDPlanetBarcode.h"
#include "barcode/NKDRoyalMailBarcode.h"

using namespace zelk;
using namespace zelk::test;

namespace {

// zint --dump prints each row of modules as hexadecimal, four modules a digit.
QStringList zintRows(const QString& type, const QString& data) {
    const ToolResult r = runTool(QStringLiteral("zint"), {QStringLiteral("--dump"), QStringLiteral("-b"), type,
                                                          QStringLiteral("-d"), data});
    EXPECT_TRUE(r.started) << "zint is not installed";
    QStringList rows;
    for (const QString& line : QString::fromLatin1(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString bits;
        for (QChar c : line) {
            bool ok = false;
            const int v = QString(c).toInt(&ok, 16);
            if (ok)
                bits += QStringLiteral("%1").arg(v, 4, 2, QLatin1Char('0'));
        }
        rows.append(bits);
    }
    return rows;
}

// Bars of a four-state dump (ascender, tracker and descender rows) as
// 2 × ascender + descender; of a two-row dump (tall part, all bars) as 1 tall, 0 short.
QList<int> zintBars(const QStringList& rows) {
    QList<int> bars;
    if (rows.size() < 2)
        return bars;
    const QString& all = rows.at(1);
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i) != QLatin1Char('1'))
            continue;
        if (rows.size() == 3)
            bars.append(2 * (rows.at(0).at(i) == QLatin1Char('1')) + (rows.at(2).at(i) == QLatin1Char('1')));
        else
            bars.append(rows.at(0).at(i) == QLatin1Char('1') ? 1 : 0);
    }
    return bars;
}

// The same classification from the model's bar geometry, bar by bar.
QList<int> fourStateBars(const NKDBarcode& b, float trackerTop, float trackerBottom) {
    QList<int> bars;
    const QString m = b.completeBarcode();
    for (int i = 0; i < m.size(); ++i) {
        if (m.at(i) != QLatin1Char('1'))
            continue;
        const bool asc = b.barTop(i) > trackerTop + 0.01f;
        const bool desc = b.barBottom(i) < trackerBottom - 0.01f;
        bars.append(2 * asc + desc);
    }
    return bars;
}

QList<int> twoStateBars(const NKDBarcode& b) {
    QList<int> bars;
    const QString m = b.completeBarcode();
    for (int i = 0; i < m.size(); ++i)
        if (m.at(i) == QLatin1Char('1'))
            bars.append(b.barTop(i) > 5.0f ? 1 : 0);
    return bars;
}

constexpr float kMm = 0.03937007874015748f * 72.0f;

}  // namespace

TEST(PostalZint, PostnetAndPlanetBarHeights) {
    const struct {
        const char* title;
        const char* zintType;
        const char* value;
    } cases[] = {
        {"PostNet", "POSTNET", "12345"},       {"PostNet", "POSTNET", "123456789"},
        {"PostNet", "POSTNET", "12345678901"}, {"PostNet", "POSTNET", "00000"},
        {"PostNet", "POSTNET", "98765"},       {"Planet", "PLANET", "12345678901"},
        {"Planet", "PLANET", "98765432109"},   {"Planet", "PLANET", "12345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.title) + " " + c.value);
        auto b = NKDBarcodeFactory::create(QLatin1String(c.title), QLatin1String(c.value), true);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid());
        const QList<int> expected = zintBars(zintRows(QLatin1String(c.zintType), QLatin1String(c.value)));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(twoStateBars(*b), expected);
    }
}

TEST(PostalZint, RoyalMailFourStates) {
    for (const char* value : {"AB1", "SN34RD1A", "0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "Z", "LU17 3AB"}) {
        SCOPED_TRACE(value);
        QString v = QLatin1String(value);
        v.remove(QLatin1Char(' '));
        auto b = NKDBarcodeFactory::create(QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), v, true);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid());
        const QList<int> expected = zintBars(zintRows(QStringLiteral("RM4SCC"), v));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(fourStateBars(*b, 3.15f * kMm, 1.9f * kMm), expected);
    }
}

TEST(PostalZint, JapanPostFourStates) {
    const struct {
        const char* value;
        const char* zintData;  // what zint is given: a value past 20 codes is cut to its first 20
    } cases[] = {
        {"1234567", "1234567"},
        {"0000000", "0000000"},
        {"1234567A", "1234567A"},
        {"1234567-zz", "1234567-ZZ"},
        {"6540123789-A-K-Z", "6540123789-A-K-Z"},
        {"15400233-16-4-205", "15400233-16-4-205"},
        {"1234567890123456789012345", "12345678901234567890"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        auto b = NKDBarcodeFactory::create(QStringLiteral("Japan Post Barcode"), QLatin1String(c.value), true);
        ASSERT_TRUE(b);
        auto* jp = static_cast<JapanPostBarcode*>(b.get());
        const QList<int> expected = zintBars(zintRows(QStringLiteral("JAPANPOST"), QLatin1String(c.zintData)));
        ASSERT_FALSE(expected.isEmpty());
        const float s = jp->size() / 10.0f;
        EXPECT_EQ(fourStateBars(*b, 2.4f * s / 0.3527777777777777f, 1.2f * s / 0.3527777777777777f), expected);
        EXPECT_EQ(b->completeBarcode().size(), 133);
    }
}

TEST(PostalZint, IndustrialTwoOfFiveBars) {
    for (const char* value : {"1", "12", "0123456789", "98765"}) {
        SCOPED_TRACE(value);
        auto b = NKDBarcodeFactory::create(QStringLiteral("Industrial 2 of 5"), QLatin1String(value), true);
        ASSERT_TRUE(b);
        const QStringList rows = zintRows(QStringLiteral("C25IND"), QLatin1String(value));
        ASSERT_EQ(rows.size(), 1);
        // zint narrows the spaces to one module; the bars carry the data.
        EXPECT_EQ(barWidths(b->completeBarcode()), barWidths(rows.first()));
    }
}
