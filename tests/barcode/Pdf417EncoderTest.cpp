// PDF417: segmentation and compaction by the rules of ISO/IEC 15438, the
// Reed-Solomon codewords checked against the generator's roots, the layout
// of rows and columns, and the error codes.
#include "barcode/Pdf417Encoder.h"
#include "barcode/TwoDBarcode.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Encoded {
    int error = 0;
    std::vector<int> codewords;  // all, length descriptor first
    int rows = 0, columns = 0, level = 0, dataCount = 0;
};

Encoded encode(const QByteArray& text, int options = PDF417_USE_ERROR_LEVEL, int level = 2, float aspect = 1.0f) {
    pdf417param p;
    pdf417init(&p);
    p.text = text.constData();
    p.lenText = static_cast<int>(text.size());
    p.options = options;
    p.errorLevel = level;
    p.aspectRatio = aspect;
    paintCode(&p);
    Encoded e;
    e.error = p.error;
    if (!p.error) {
        e.codewords.assign(p.codewords, p.codewords + p.lenCodewords);
        e.rows = p.codeRows;
        e.columns = p.codeColumns;
        e.level = p.errorLevel;
        e.dataCount = p.codewords[0];
    }
    pdf417free(&p);
    return e;
}

std::vector<int> dataCodewords(const Encoded& e, int from, int count) {
    return std::vector<int>(e.codewords.begin() + from, e.codewords.begin() + from + count);
}

}  // namespace

TEST(Pdf417Encoder, CompactionOfEachSegmentKind) {
    struct Case {
        QByteArray text;
        std::vector<int> first;  // codewords from index 1
        const char* source;
    };
    const Case cases[] = {
        // ISO/IEC 15438 numeric compaction example.
        {"000213298174000", {902, 1, 624, 434, 632, 282, 200}, "standard's example"},
        // Upper P, D, F; latch to mixed (28); 4, 1, 7; pad 29: pairs 30a + b.
        {"PDF417", {453, 178, 121, 239}, "hand computation from the sub-mode tables"},
        // Twelve digits alone become numeric; seven stay text.
        {"123456789012", {902}, "only segment of 8 or more digits"},
        {"1234567", {30 * 28 + 1}, "text: mixed latch, then 1"},
        // A run of six bytes latches with 924, five with 901.
        {"\x80\x81\x82\x83\x84\x85", {924}, "byte run, multiple of 6"},
        {"\x80\x81\x82\x83\x84", {901, 128, 129, 130, 131, 132}, "byte run, one codeword per byte"},
        // One high byte between texts of 2 and 1: one text with a byte shift.
        {"AB\xc9" "C", {1, 913, 0xC9, 2 * 30 + 29}, "A B, shift 913, C and pad"},
    };
    for (const Case& c : cases) {
        const Encoded e = encode(c.text);
        ASSERT_EQ(e.error, 0) << c.source;
        EXPECT_EQ(dataCodewords(e, 1, static_cast<int>(c.first.size())), c.first) << c.source;
    }
    // Thirteen digits inside a text form their own numeric segment.
    const Encoded mixed = encode("AB1234567890123CD");
    ASSERT_EQ(mixed.error, 0);
    const std::vector<int> head = dataCodewords(mixed, 1, 2);
    EXPECT_EQ(head[0], 1);   // A B
    EXPECT_EQ(head[1], 902);
    bool textLatch = false;
    for (int i = 3; i < mixed.dataCount; ++i)
        textLatch = textLatch || mixed.codewords[static_cast<size_t>(i)] == 900;
    EXPECT_TRUE(textLatch);
}

// Each symbol's codeword polynomial vanishes at the generator's roots
// 3^1 .. 3^k modulo 929 (ISO/IEC 15438 5.7).
TEST(Pdf417Encoder, ErrorCorrectionCodewordsMakeEveryRootVanish) {
    const QByteArray texts[] = {"PDF417", "Zelk ID card 0123456789 visitor pass",
                                QByteArray(300, 'x') + QByteArray("\x01\x02\xff", 3)};
    for (const QByteArray& t : texts) {
        for (int level = 0; level <= 8; ++level) {
            const Encoded e = encode(t, PDF417_USE_ERROR_LEVEL, level);
            ASSERT_EQ(e.error, 0);
            const int k = 2 << e.level;
            ASSERT_EQ(static_cast<int>(e.codewords.size()), e.dataCount + k);
            ASSERT_EQ(static_cast<int>(e.codewords.size()), e.rows * e.columns);
            int root = 1;
            for (int i = 1; i <= k; ++i) {
                root = root * 3 % 929;
                long long v = 0;
                for (int c : e.codewords)
                    v = (v * root + c) % 929;
                ASSERT_EQ(v, 0) << t.left(10).toStdString() << " level " << e.level << " root " << i;
            }
        }
    }
}

TEST(Pdf417Encoder, LevelAndShapeFollowTheData) {
    // Without a given level: fewer than 41 codewords take level 2 at least;
    // spare room in the rectangle raises it.
    const Encoded small = encode("0123", 0);
    ASSERT_EQ(small.error, 0);
    EXPECT_GE(small.level, 2);
    EXPECT_GE(small.rows, 3);
    for (const QByteArray& t : {QByteArray("short"), QByteArray(200, 'A'), QByteArray(900, '7'), QByteArray(1000, 'q')}) {
        for (int level : {0, 2, 5}) {
            const Encoded e = encode(t, PDF417_USE_ERROR_LEVEL, level);
            ASSERT_EQ(e.error, 0) << t.size();
            EXPECT_GE(e.rows, 3);
            EXPECT_LE(e.rows, 90);
            EXPECT_GE(e.columns, 1);
            EXPECT_LE(e.columns, 30);
            EXPECT_LE(e.rows * e.columns, 928);
            EXPECT_GE(e.level, level);  // spare room only raises the level
        }
    }
    // A fixed rectangle above 928 codewords is reshaped to 29 x 32 or 16 x 58.
    pdf417param p;
    pdf417init(&p);
    p.text = "AB";
    p.lenText = 2;
    p.options = PDF417_FIXED_RECTANGLE;
    p.codeColumns = 25;
    p.codeRows = 80;
    paintCode(&p);
    EXPECT_EQ(p.codeColumns, 29);
    EXPECT_EQ(p.codeRows, 32);
    pdf417free(&p);
}

TEST(Pdf417Encoder, ErrorCodes) {
    EXPECT_EQ(encode(QByteArray(5421, 'a')).error, PDF417_ERROR_TEXT_TOO_BIG);    // over 5,420 bytes
    EXPECT_EQ(encode(QByteArray(1200, '\xfe')).error, PDF417_ERROR_TEXT_TOO_BIG); // 1,000 byte codewords
    EXPECT_EQ(encode(QByteArray(3000, '7')).error, PDF417_ERROR_TEXT_TOO_BIG);     // 1,020 numeric codewords
    EXPECT_EQ(encode(QByteArray(2600, '7')).error, 0);                             // 887 fit with level 4
    EXPECT_EQ(encode(QByteArray(1900, 'a')).error, PDF417_ERROR_TEXT_TOO_BIG);     // 951 text codewords
    EXPECT_EQ(encode(QByteArray(1700, 'a')).error, 0);

    pdf417param p;
    pdf417init(&p);
    p.options = PDF417_USE_RAW_CODEWORDS;
    p.codewords[0] = 3;
    p.codewords[1] = 1;
    p.codewords[2] = 2;
    p.lenCodewords = 2;  // differs from the length descriptor
    paintCode(&p);
    EXPECT_EQ(p.error, PDF417_ERROR_INVALID_PARAMS);
    p.lenCodewords = 3;
    paintCode(&p);
    EXPECT_EQ(p.error, 0);
    pdf417free(&p);
}

// A value that does not fit gives no picture (never an earlier symbol's).
TEST(Pdf417Encoder, ValueThatDoesNotFitGivesNoPicture) {
    zelk::TwoDSettings s;
    EXPECT_TRUE(TwoDBarcode::Draw_PDF_417_Barcode(QString(2000, QChar(0x4e2d)), s).isNull());
    EXPECT_TRUE(TwoDBarcode::Draw_PDF_417_Barcode(QString(), s).isNull());
}
