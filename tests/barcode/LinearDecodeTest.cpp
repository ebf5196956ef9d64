// Round trips through independent readers: each value is built as the
// producer builds it, rendered at three pixels a module on white, and read
// back by zxing-cpp and, where it knows the symbology, zbarimg.
#include <gtest/gtest.h>

#include "BarcodeDecode.h"
#include "LinearTestSupport.h"

#include "barcode/NKDUPCEBarcode.h"

#include <QSet>

using namespace zelk;
using namespace zelk::test;

namespace {

struct RoundTrip {
    const char* title;
    QString value;
    const char* format;   // zxing-cpp format name
    QString expected;     // what a reader returns (check digits, padding, case as the symbology adds)
    bool fullAscii = false;
    bool startStop = false;
    // zbarimg's text when it differs from `expected` (it prints Codabar's start
    // and stop and UPC as EAN-13); "" where zbar does not read the symbol
    // (full ASCII, control characters, UPC-E number system 1).
    const char* zbar = nullptr;
};

QString allAscii(int from, int to) {
    QString s;
    for (int c = from; c <= to; ++c)
        s += QChar(c);
    return s;
}

const QList<RoundTrip>& table() {
    static const QList<RoundTrip> t = {
        // Code 39: upper-cased, enclosing stars dropped, every character of the set.
        {"Code 39", "0123", "Code39", "0123"},
        {"Code 39", "A", "Code39", "A"},
        {"Code 39", "abc-123", "Code39", "ABC-123"},
        {"Code 39", "*HELLO WORLD*", "Code39", "HELLO WORLD"},
        {"Code 39", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%", "Code39",
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%"},
        // Extended Code 39: printable ASCII as typed, "*" and "/" included.
        {"Extended Code 39", "Hello, World!", "Code39", "Hello, World!", true, false, ""},
        {"Extended Code 39", allAscii(32, 63), "Code39", allAscii(32, 63), true, false, ""},
        {"Extended Code 39", allAscii(64, 95), "Code39", allAscii(64, 95), true, false, ""},
        {"Extended Code 39", allAscii(96, 126), "Code39", allAscii(96, 126), true, false, ""},
        {"Extended Code 39", "a*b/c", "Code39", "a*b/c", true, false, ""},
        // Interleaved 2 of 5: an odd count gains a leading 0.
        {"Interleaved 2 of 5", "123456", "ITF", "123456"},
        {"Interleaved 2 of 5", "1234567", "ITF", "01234567"},
        {"Interleaved 2 of 5", "12345678901234567890", "ITF", "12345678901234567890"},
        // Code 128, automatic set: C for digits (odd count ends in set B), B, A.
        {"Code 128", "0123", "Code128", "0123"},
        {"Code 128", "12345", "Code128", "12345"},
        {"Code 128", "1234567890123456789", "Code128", "1234567890123456789"},
        {"Code 128", "Hello World", "Code128", "Hello World"},
        {"Code 128", allAscii(32, 79), "Code128", allAscii(32, 79)},
        {"Code 128", allAscii(80, 126), "Code128", allAscii(80, 126)},
        {"Code 128", QStringLiteral("\x01" "AB\x02" "C"), "Code128", QStringLiteral("\x01" "AB\x02" "C"), false,
         false, ""},
        {"Code 128", QStringLiteral("ab\x01" "c\x02\x03" "de"), "Code128",
         QStringLiteral("ab\x01" "c\x02\x03" "de"), false, false, ""},
        // Fixed sets: the other set's characters are shifted or changed to.
        {"Code 128 SET A", "ABC", "Code128", "ABC"},
        {"Code 128 SET A", "ABcdE", "Code128", "ABcdE"},
        {"Code 128 SET A", "0123", "Code128", "0123"},
        {"Code 128 SET B", "abc", "Code128", "abc"},
        {"Code 128 SET B", QStringLiteral("ab\x09" "c"), "Code128", QStringLiteral("ab\x09" "c"), false, false, ""},
        {"Code 128 SET C", "123456", "Code128", "123456"},
        {"Code 128 SET C", "1234567", "Code128", "1234567"},
        {"Code 128 SET C", "5", "Code128", "5"},
        // Codabar: own start/stop kept, or A...A added.
        {"Codabar", "A123456B", "Codabar", "A123456B", false, true},
        {"Codabar", "123456", "Codabar", "123456", false, false, "A123456A"},
        {"Codabar", "12", "Codabar", "12", false, false, "A12A"},
        {"Codabar", "0123456789-$:/.+", "Codabar", "0123456789-$:/.+", false, false, "A0123456789-$:/.+A"},
        {"Codabar", "C0123456789D", "Codabar", "C0123456789D", false, true},
        {"Codabar", "D+-+C", "Codabar", "D+-+C", false, true},
        // UPC-A: check digit computed, or given and right.
        {"UPCA", "01234567890", "UPCA", "012345678905", false, false, "0012345678905"},
        {"UPCA", "036000291452", "UPCA", "036000291452", false, false, "0036000291452"},
        {"UPCA", "99999999999", "UPCA", "999999999993", false, false, "0999999999993"},
        // EAN-13: every leading digit's parity row.
        {"EAN-13", "400638133393", "EAN13", "4006381333931"},
        {"EAN-13", "5901234123457", "EAN13", "5901234123457"},
        {"EAN-13", "012345678901", "EAN13", "0123456789012"},
        {"EAN-13", "112345678901", "EAN13", "1123456789011"},
        {"EAN-13", "212345678901", "EAN13", "2123456789010"},
        {"EAN-13", "312345678901", "EAN13", "3123456789019"},
        {"EAN-13", "412345678901", "EAN13", "4123456789018"},
        {"EAN-13", "512345678901", "EAN13", "5123456789017"},
        {"EAN-13", "612345678901", "EAN13", "6123456789016"},
        {"EAN-13", "712345678901", "EAN13", "7123456789015"},
        {"EAN-13", "812345678901", "EAN13", "8123456789014"},
        {"EAN-13", "912345678901", "EAN13", "9123456789013"},
        // EAN-8.
        {"EAN-8", "9638507", "EAN8", "96385074"},
        {"EAN-8", "55123457", "EAN8", "55123457"},
        {"EAN-8", "0000000", "EAN8", "00000000"},
        // UPC-E: 7 digits, 8 with the check digit, or an 11-digit UPC-A to compress.
        {"UPCE", "0123456", "UPCE", "01234565", false, false, "0012345000065"},
        {"UPCE", "01234565", "UPCE", "01234565", false, false, "0012345000065"},
        {"UPCE", "01200000345", "UPCE", "01234505", false, false, "0012000003455"},
        {"UPCE", "1123456", "UPCE", "11234562", false, false, ""},
    };
    return t;
}

QString describe(const RoundTrip& r) {
    QString v;
    for (QChar c : r.value)
        v += c.unicode() < 32 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(r.title), v);
}

}  // namespace

TEST(LinearDecode, ZxingReadsEveryValueBack) {
    for (const RoundTrip& r : table()) {
        SCOPED_TRACE(describe(r).toStdString());
        auto b = buildLinear(QLatin1String(r.title), r.value);
        ASSERT_TRUE(b);
        const QImage img = onWhite(renderForReader(*b), 40);
        ZxingOptions o;
        o.code39FullAscii = r.fullAscii;
        o.codabarStartStop = r.startStop;
        auto d = zxingDecode(img, QLatin1String(r.format), o);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->text, r.expected);
    }
}

TEST(LinearDecode, ZbarReadsWhatItKnows) {
    for (const RoundTrip& r : table()) {
        if (r.zbar && !*r.zbar)
            continue;
        SCOPED_TRACE(describe(r).toStdString());
        auto b = buildLinear(QLatin1String(r.title), r.value);
        ASSERT_TRUE(b);
        auto d = zbarDecode(onWhite(renderForReader(*b), 40));
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, r.zbar ? QString::fromLatin1(r.zbar) : r.expected);
    }
}

// Every UPC-E check digit selects its own parity row; each number system
// digit inverts it.
TEST(LinearDecode, UpceParityRowsOfEveryCheckDigit) {
    QSet<QChar> checks[2];
    for (int ns = 0; ns < 2; ++ns) {
        for (int n = 0; n < 40 && checks[ns].size() < 10; ++n) {
            const QString value = QString::number(ns) + QStringLiteral("%1").arg((n * 7919 + 123) % 1000000, 6, 10,
                                                                                  QLatin1Char('0'));
            auto b = buildLinear(QStringLiteral("UPCE"), value);
            ASSERT_TRUE(b) << value.toStdString();
            const QChar check = QLatin1Char(b->checkDigit());
            if (checks[ns].contains(check))
                continue;
            checks[ns].insert(check);
            SCOPED_TRACE(value.toStdString());
            auto d = zxingDecode(onWhite(renderForReader(*b), 40), QStringLiteral("UPCE"));
            ASSERT_TRUE(d.has_value());
            EXPECT_EQ(d->text, value + check);
        }
        EXPECT_EQ(checks[ns].size(), 10);
    }
}
