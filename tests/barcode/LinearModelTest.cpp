// The linear and postal kinds: module strings, check characters, captions
// and validation, from the symbology standards and hand computations.
#include <gtest/gtest.h>

#include "LinearTestSupport.h"

#include "barcode/BarcodeSymbologies.h"
#include "barcode/JapanPostBarcode.h"
#include "barcode/NKDCodabarBarcode.h"
#include "barcode/NKDCode128Barcode.h"
#include "barcode/NKDEAN8Barcode.h"
#include "barcode/NKDInterleavedTwoOfFiveBarcode.h"
#include "barcode/NKDModifiedPlesseyHexBarcode.h"
#include "barcode/NKDRoyalMailBarcode.h"
#include "barcode/NKDUPCEBarcode.h"

#include <QBuffer>

using namespace zelk;
using namespace zelk::test;

TEST(LinearValidation, InvalidValuesAreRefusedAndNeverDrawn) {
    const struct {
        const char* title;
        QString value;
        const char* why;
    } cases[] = {
        {"Code 39", "AB*C", "star inside the data"},
        {"Code 39", "*ABC", "unpaired star"},
        {"Code 39", "A_B", "not in the set"},
        {"Extended Code 39", "tab\there", "control character"},
        {"Extended Code 39", QStringLiteral("x\x7f"), "DEL"},
        {"Interleaved 2 of 5", "12a4", "letter"},
        {"Industrial 2 of 5", "1 2", "space"},
        {"UPCA", "0123456789", "10 digits"},
        {"UPCA", "0123456789a", "letter"},
        {"UPCA", "036000291453", "wrong check digit"},
        {"UPCA", "0360002914521", "13 digits"},
        {"EAN-13", "5901234123458", "wrong check digit"},
        {"EAN-13", "59012341234570", "14 digits are refused, not cut"},
        {"EAN-13", "59012341234", "11 digits"},
        {"EAN-13", "59012341234a", "letter"},
        {"EAN-8", "96385075", "wrong check digit"},
        {"EAN-8", "963850", "6 digits"},
        {"EAN-8", "963850a", "letter"},
        {"EAN-8", "963850745", "9 digits"},
        {"UPCE", "2123456", "number system 2"},
        {"UPCE", "01234566", "wrong check digit"},
        {"UPCE", "01234567890", "UPC-A that cannot be compressed"},
        {"UPCE", "012345", "6 digits"},
        {"Code 128", QStringLiteral("caf\u00e9"), "not ASCII"},
        {"Code 128", QStringLiteral("a\x1e"), "record separator"},
        {"Code 128 SET A", QStringLiteral("A\x7f"), "DEL"},
        {"Code 128 SET B", QStringLiteral("ab\x1f"), "unit separator is in neither set"},
        {"Code 128 SET C", "12a", "letter in set C"},
        {"Code 128 SET C", "12 34", "space in set C"},
        {"Codabar", "A123", "start without stop"},
        {"Codabar", "12B34", "start/stop character inside"},
        {"Codabar", "AB", "no data"},
        {"Codabar", "12*", "not in the set"},
        {"Modified Plessey", "12A", "hex letter in the decimal kind"},
        {"Modified Plessey (Hex)", "12G", "not hex"},
        {"PostNet", "1234", "4 digits"},
        {"PostNet", "1234a", "letter"},
        {"PostNet", "123456789012", "12 digits"},
        {"Planet", "123456", "6 digits"},
        {"Royal Mail Barcode (RM4SCC / CBC)", "ab1", "lower case would print as trackers"},
        {"Royal Mail Barcode (RM4SCC / CBC)", "A B", "space"},
        {"Japan Post Barcode", "123-4567", "hyphen among the first seven"},
        {"Japan Post Barcode", "123456", "six digits"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.title) + ": " + c.why);
        EXPECT_FALSE(buildLinear(QLatin1String(c.title), c.value));
        auto raw = NKDBarcodeFactory::create(QLatin1String(c.title), c.value, true, plainSettings());
        ASSERT_TRUE(raw);
        EXPECT_FALSE(raw->isContentValid());
        EXPECT_TRUE(BarcodeRenderer::imageFromBarcode(*raw).isNull());
        EXPECT_TRUE(BarcodeRenderer::bitmapFromBarcode(*raw, 300).isNull());
        EXPECT_TRUE(BarcodeRenderer::pdfFromBarcode(*raw).isEmpty());
    }
}

TEST(LinearValidation, EmptyOrBlankValuesAndUnknownTitlesGiveNoBarcode) {
    for (const QString& title : BarcodeSymbologies::titles()) {
        SCOPED_TRACE(title.toStdString());
        EXPECT_FALSE(buildLinear(title, QString()));
        EXPECT_FALSE(buildLinear(title, QStringLiteral("   ")));
    }
    EXPECT_FALSE(NKDBarcodeFactory::create(QStringLiteral("QR Code"), QStringLiteral("0123"), true));
    EXPECT_FALSE(NKDBarcodeFactory::create(QStringLiteral("AZTEC"), QStringLiteral("0123"), true));
    EXPECT_FALSE(NKDBarcodeFactory::create(QStringLiteral("Code 39"), QString(), true));
}

TEST(LinearModel, Code128SetsAndCheck) {
    auto values = [](const NKDCode128Barcode& b) {
        QList<int> v;
        EXPECT_TRUE(b.symbolValues(&v));
        return v;
    };
    // Automatic choice of the start set.
    const struct {
        QString value;
        int set;
    } choice[] = {{"", NKDCode128Barcode::SetC},
                  {"0123", NKDCode128Barcode::SetC},
                  {"Hello", NKDCode128Barcode::SetB},
                  {QStringLiteral("\x01\x02" "a"), NKDCode128Barcode::SetA},
                  {QStringLiteral("\x01" "ab"), NKDCode128Barcode::SetB}};
    for (const auto& c : choice)
        EXPECT_EQ(NKDBarcode::make<NKDCode128Barcode>(c.value)->codeSet(), c.set) << c.value.toStdString();

    // Five digits: two pairs, then code B and the last digit ("12345" must not read "012345").
    auto five = NKDBarcode::make<NKDCode128Barcode>(QStringLiteral("12345"));
    EXPECT_EQ(values(*five), (QList<int>{12, 34, 100, 21}));
    // Check: (105 + 1×12 + 2×34 + 3×100 + 4×21) mod 103 = 569 mod 103 = 54.
    EXPECT_EQ(five->checkDigit(), 54);

    // Set B "AB": (104 + 33 + 2×34) mod 103 = 102.
    auto ab = std::make_unique<NKDCode128Barcode>();
    ab->setCodeSet(NKDCode128Barcode::SetB);
    ab->initWithContent(QStringLiteral("AB"), true);
    EXPECT_EQ(ab->checkDigit(), 102);
    EXPECT_EQ(ab->completeBarcode().size(), 11 * 4 + 13);
    EXPECT_TRUE(ab->completeBarcode().startsWith(QStringLiteral("11010010000")));
    EXPECT_TRUE(ab->completeBarcode().endsWith(QStringLiteral("1100011101011")));

    // Set A with lower case: one letter is shifted, a run changes set.
    auto a = std::make_unique<NKDCode128Barcode>();
    a->setCodeSet(NKDCode128Barcode::SetA);
    a->initWithContent(QStringLiteral("AbCde"), true);
    EXPECT_EQ(values(*a), (QList<int>{33, 98, 66, 35, 100, 68, 69}));
}

TEST(LinearModel, TwoOfFivePatterns) {
    auto i25 = NKDBarcode::make<NKDInterleavedTwoOfFiveBarcode>(QStringLiteral("12"));
    // "1" WNNNW in the bars, "2" NWNNW in the spaces, wide = three modules.
    EXPECT_EQ(i25->completeBarcode(), QStringLiteral("1010") + "111010001010111000" + "11101");
    auto odd = NKDBarcode::make<NKDInterleavedTwoOfFiveBarcode>(QStringLiteral("123"));
    auto padded = NKDBarcode::make<NKDInterleavedTwoOfFiveBarcode>(QStringLiteral("0123"));
    EXPECT_EQ(odd->completeBarcode(), padded->completeBarcode());
    EXPECT_EQ(odd->caption(), QStringLiteral("123"));
}

TEST(LinearModel, CodabarFramesAndGaps) {
    auto one = NKDBarcode::make<NKDCodabarBarcode>(QStringLiteral("5"));
    // A, narrow gap, 5, narrow gap, A (EN 798: A 0011010, 5 1000010).
    EXPECT_EQ(one->completeBarcode(), QStringLiteral("1011001001" "0" "110101001" "0" "1011001001"));
    EXPECT_TRUE(one->isContentValid());
    EXPECT_EQ(one->caption(), QStringLiteral("5"));
    auto own = NKDBarcode::make<NKDCodabarBarcode>(QStringLiteral("B+C"));
    // B 0101001, + 0010101, C 0001011 (wide elements two modules).
    EXPECT_EQ(own->completeBarcode(), QStringLiteral("1001001011" "0" "1011011011" "0" "1010010011"));
}

namespace {

// The check rule read literally: the odd-position digits as one decimal
// number, doubled with long arithmetic, its digits summed, plus the rest.
int literalMsiCheck(const QString& value) {
    QString odd;
    int sum = 0;
    for (int i = 0; i < value.size(); ++i) {
        const int posFromRight = static_cast<int>(value.size()) - i;
        if (posFromRight % 2 == 1)
            odd += value.at(i);
        else
            sum += value.at(i).unicode() - '0';
    }
    QString doubled;
    int carry = 0;
    for (int i = static_cast<int>(odd.size()) - 1; i >= 0; --i) {
        const int d = 2 * (odd.at(i).unicode() - '0') + carry;
        doubled.prepend(QChar('0' + d % 10));
        carry = d / 10;
    }
    if (carry)
        doubled.prepend(QLatin1Char('1'));
    for (QChar c : doubled)
        sum += c.unicode() - '0';
    return (10 - sum % 10) % 10;
}

}  // namespace

TEST(LinearModel, ModifiedPlesseyBitsAndCheck) {
    auto one = NKDBarcode::make<NKDModifiedPlesseyBarcode>(QStringLiteral("1"));
    const QString bits1 = QStringLiteral("1110") + QStringLiteral("1000").repeated(3);
    // Start 1,1,0,1; "1"; check of "1" is 8 (2 × 1 = 2, 10 − 2), bits 0,0,0,1; stop three dark
    // modules and 0,0,1,1.
    EXPECT_EQ(one->completeBarcode(), QStringLiteral("1110111010001110") + bits1 + "1000100010001110" +
                                          "111" + "1000100011101110");
    const struct {
        const char* value;
        char check;
    } checks[] = {{"1234567", '4'}, {"80523", '4'}, {"0", '0'}, {"1", '8'}};
    for (const auto& c : checks)
        EXPECT_EQ(NKDBarcode::make<NKDModifiedPlesseyBarcode>(QLatin1String(c.value))->checkDigit(), c.check)
            << c.value;
    // Long values, where a 32-bit doubling would overflow.
    for (const char* v : {"12345678901234567890123", "99999999999999999999999999999", "98765432109876543210"}) {
        auto b = NKDBarcode::make<NKDModifiedPlesseyBarcode>(QLatin1String(v));
        EXPECT_EQ(b->checkDigit(), '0' + literalMsiCheck(QLatin1String(v))) << v;
    }
    // Hex: "A" is 10 (bits 0,1,0,1); "1A": 2 × 10 = 20 → 2, plus 1 → check 7.
    auto hex = NKDBarcode::make<NKDModifiedPlesseyHexBarcode>(QStringLiteral("1a"));
    EXPECT_EQ(hex->content(), QStringLiteral("1A"));
    EXPECT_EQ(hex->checkDigit(), '7');
    EXPECT_EQ(hex->_encodeChar('A'), QStringLiteral("1000111010001110"));
    EXPECT_TRUE(hex->isContentValid());
}

TEST(LinearModel, UpcEanStructure) {
    EXPECT_EQ(swapParity(QStringLiteral("0001101")), QStringLiteral("0100111"));
    EXPECT_EQ(swapHandedness(QStringLiteral("0001101")), QStringLiteral("1110010"));

    auto upca = NKDBarcode::make<NKDUPCABarcode>(QStringLiteral("01234567890"));
    EXPECT_EQ(upca->completeBarcode().size(), 95);
    EXPECT_EQ(upca->checkDigit(), '5');
    EXPECT_EQ(upca->leftCaption(), QStringLiteral("0"));
    EXPECT_EQ(upca->caption(), QStringLiteral("12345\t67890"));
    EXPECT_EQ(upca->rightCaption(), QStringLiteral("5"));
    EXPECT_FLOAT_EQ(upca->width(), 95 * upca->barWidth() * 1.2f);
    // Guards reach down to 3.6 points, data bars end at the caption.
    EXPECT_FLOAT_EQ(upca->barBottom(2), 3.6f);
    EXPECT_FLOAT_EQ(upca->barBottom(47), 3.6f);
    EXPECT_FLOAT_EQ(upca->barBottom(20), upca->captionHeight() * 72.0f);

    auto ean13 = NKDBarcode::make<NKDEAN13Barcode>(QStringLiteral("5901234123458"));
    EXPECT_EQ(ean13->content(), QStringLiteral("590123412345"));
    EXPECT_EQ(ean13->checkDigit(), '8');  // kept as given, so that it is refused
    EXPECT_FALSE(ean13->isContentValid());
    auto good13 = NKDBarcode::make<NKDEAN13Barcode>(QStringLiteral("590123412345"));
    EXPECT_EQ(good13->caption(), QStringLiteral("  901234\t123457"));
    EXPECT_EQ(good13->leftCaption(), QStringLiteral("5"));
    EXPECT_TRUE(good13->rightCaption().isEmpty());

    auto ean8 = NKDBarcode::make<NKDEAN8Barcode>(QStringLiteral("9638507"));
    EXPECT_EQ(ean8->completeBarcode().size(), 67);
    EXPECT_EQ(ean8->caption(), QStringLiteral(" 9638\t5074"));
    EXPECT_TRUE(ean8->leftCaption().isEmpty());
    EXPECT_FLOAT_EQ(ean8->barBottom(33), 3.6f);

    auto upce = NKDBarcode::make<NKDUPCEBarcode>(QStringLiteral("0123456"));
    EXPECT_EQ(upce->completeBarcode().size(), 51);
    EXPECT_TRUE(upce->completeBarcode().endsWith(QStringLiteral("010101")));
    EXPECT_EQ(upce->caption(), QStringLiteral("123456"));
    EXPECT_EQ(upce->checkDigit(), '5');
    EXPECT_FLOAT_EQ(upce->barBottom(48), 3.6f);
    EXPECT_FLOAT_EQ(upce->barBottom(47), upce->captionHeight() * 72.0f);

    auto empty = NKDBarcode::make<NKDUPCABarcode>(QString(QLatin1String("")));
    EXPECT_TRUE(empty->barcode().isEmpty());
    EXPECT_EQ(empty->completeBarcode(), QStringLiteral("101101"));
    EXPECT_EQ(empty->width(), 0.0f);
}

TEST(LinearModel, UpcaToUpceCompression) {
    const struct {
        const char* upca;  // 11 digits, the check digit plays no part
        const char* upce;  // six data digits, "" when not compressible
    } cases[] = {
        {"01200000345", "123450"}, {"01210000345", "123451"}, {"01220000345", "123452"},
        {"01230000045", "123453"}, {"01234000005", "123454"}, {"01234500007", "123457"},
        {"11234500009", "123459"},
        {"01234500001", ""},  // last digit below 5 and nothing else to drop
        {"01200010345", ""},  // the fourth rule's dropped zeros are not zeros
        {"01230001045", ""},  // "00" rule with a non-zero digit where zeros go
        {"01234010005", ""},
        {"21200000345", ""},  // number system 2
    };
    for (const auto& c : cases) {
        const QString a = QLatin1String(c.upca) + QLatin1Char('0');
        const QString e = NKDUPCEBarcode::UPCAToUPCE(a);
        EXPECT_EQ(e, QLatin1String(c.upce)) << c.upca;
        if (!e.isEmpty()) {
            EXPECT_EQ(NKDUPCEBarcode::UPCEToUPCA(a.left(1) + e), QLatin1String(c.upca));
        }
    }
    EXPECT_TRUE(NKDUPCEBarcode::UPCAToUPCE(QStringLiteral("0120000034")).isEmpty());
}

TEST(PostalModel, RoyalMailAlwaysPrintsItsCaption) {
    auto b = NKDBarcode::make<NKDRoyalMailBarcode>(QStringLiteral("SN34RD1A"));
    EXPECT_EQ(b->checkDigit(), 'K');  // Royal Mail's published example "SN34RD1AK"
    b->setPrintsCaption(false);
    EXPECT_TRUE(b->printsCaption());
}

TEST(PostalModel, JapanPostConversionCheckAndSize) {
    const struct {
        const char* value;
        const char* codes;
        const char* readable;
        char check;
    } cases[] = {
        {"1234567", "1234567=============", "1234567", '/'},
        {"0000000", "0000000=============", "0000000", '8'},
        {"1234567A", "1234567:0===========", "1234567A", 0},
        {"1234567-ZZ", "1234567-<5<5========", "1234567-ZZ", 0},
        {"1234567890123456789012345", "12345678901234567890", "12345678901234567890", 0},
        {"1234567 abc!", "1234567:0:1:2=======", "1234567ABC", 0},
    };
    for (const auto& c : cases) {
        auto b = NKDBarcode::make<JapanPostBarcode>(QLatin1String(c.value));
        EXPECT_EQ(b->japanpostContents(), QLatin1String(c.codes)) << c.value;
        EXPECT_EQ(b->content(), QLatin1String(c.readable)) << c.value;
        if (c.check) {
            EXPECT_EQ(b->checkDigit(), c.check) << c.value;
        }
        EXPECT_TRUE(b->isContentValid());
        EXPECT_EQ(b->completeBarcode().size(), 133);
    }
    auto b = NKDBarcode::make<JapanPostBarcode>(QStringLiteral("1234567"));
    EXPECT_FLOAT_EQ(b->size(), 10.0f);
    b->setSize(7.0f);
    EXPECT_FLOAT_EQ(b->size(), 8.5f);
    b->setSize(12.0f);
    EXPECT_FLOAT_EQ(b->size(), 11.5f);
    b->setBarWidth(2.0f);
    EXPECT_NEAR(b->barWidth(), 1.9166666f, 1e-5);
    EXPECT_NEAR(b->size(), 11.5f, 1e-4);
    EXPECT_TRUE(b->printsHeader());
}

TEST(LinearModel, CodingAndCopy) {
    auto b = buildLinear(QStringLiteral("Code 128"), QStringLiteral("Zelk 42"));
    ASSERT_TRUE(b);
    QByteArray data;
    {
        QBuffer buf(&data);
        buf.open(QIODevice::WriteOnly);
        QDataStream out(&buf);
        b->encodeWithCoder(out);
    }
    NKDCode128Barcode back;
    QDataStream in(data);
    ASSERT_TRUE(back.initWithCoder(in));
    EXPECT_EQ(back.content(), b->content());
    EXPECT_EQ(back.printsCaption(), b->printsCaption());
    EXPECT_FLOAT_EQ(back.barWidth(), b->barWidth());
    EXPECT_FLOAT_EQ(back.width(), b->width());
    EXPECT_FLOAT_EQ(back.height(), b->height());
    EXPECT_FLOAT_EQ(back.caption_fontSize(), b->caption_fontSize());
    EXPECT_FLOAT_EQ(back.captionHeight(), b->captionHeight());
    EXPECT_EQ(back.checkDigit(), b->checkDigit());
    EXPECT_TRUE(back.header().isEmpty());

    auto c = b->copy();
    EXPECT_TRUE(c->isEqual(*b));
    EXPECT_EQ(c->completeBarcode(), b->completeBarcode());

    auto set = [](const NKDBarcode& x) { return static_cast<const NKDCode128Barcode&>(x).codeSet(); };
    auto a = buildLinear(QStringLiteral("Code 128 SET A"), QStringLiteral("ABC"));
    EXPECT_EQ(set(*a->copy()), NKDCode128Barcode::SetA);
}
