// QR Code encoder: module patterns against a reference grid, round trips
// through zxing-cpp, capacity limits against zint, and the renderer's pixels.
#include "BarcodeDecode.h"
#include "TestSupport.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/CQR_Encode.h"
#include "barcode/QREncoder.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

using zelk::test::onWhite;
using zelk::test::zxingDecode;

namespace {

// Runs zint and returns its exit code and standard output.
std::pair<int, QByteArray> zint(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("zint"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, {}};
    return {p.exitCode(), p.readAllStandardOutput()};
}

// zint --dump prints one line per row, the modules as hex bytes, MSB first,
// a last group of four or fewer modules as one hex digit.
std::vector<std::string> parseDump(const QByteArray& dump) {
    std::vector<std::string> rows;
    for (const QByteArray& line : dump.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.isEmpty())
            continue;
        std::string row;
        for (const QByteArray& hex : t.split(' ')) {
            bool ok = false;
            const int v = hex.toInt(&ok, 16);
            if (!ok)
                continue;
            for (int b = 4 * int(hex.size()) - 1; b >= 0; --b)
                row += (v >> b) & 1 ? '1' : '0';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> rowsOf(const DataMatrix& m) {
    std::vector<std::string> rows;
    for (int y = 0; y < m.dimension(); ++y) {
        std::string row;
        for (int x = 0; x < m.dimension(); ++x)
            row += m.valueAt(x, y) ? '1' : '0';
        rows.push_back(row);
    }
    return rows;
}

// A picture of 4 pixels per module on white with a quiet zone of 4 modules.
QImage pictureOf(const DataMatrix& m) {
    const int n = static_cast<int>(m.dimension());
    const QImage img = QREncoder::renderDataMatrix(m, 4 * n, 72);
    return onWhite(img, 16);
}

QString repeatTo(const QString& pattern, int codePoints) {
    const QList<uint> cps = pattern.toUcs4();
    QList<uint> out;
    for (int i = 0; i < codePoints; ++i)
        out.append(cps[i % cps.size()]);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(out.constData()), out.size());
}

const char* const kLevels[] = {"L", "M", "Q", "H"};

}  // namespace

// ISO/IEC 18004 Annex I: "01234567" at version 1-M. Every mask is compared
// with the grid zint prints for the same mask.
TEST(QREncoder, AnnexExampleMatchesReferenceGridForEveryMask) {
    for (int mask = 0; mask < 8; ++mask) {
        CQR_Encode enc;
        ASSERT_TRUE(enc.EncodeData(QR_LEVEL_M, 1, false, mask, "01234567"));
        DataMatrix grid(enc.m_nSymbleSize);
        for (int x = 0; x < enc.m_nSymbleSize; ++x)
            for (int y = 0; y < enc.m_nSymbleSize; ++y)
                grid.set(enc.m_byModuleData[x][y], x, y);
        const auto [rc, out] = zint({"-b", "QRCODE", "--vers=1", "--secure=2",
                                     QStringLiteral("--mask=%1").arg(mask), "--dump", "-d", "01234567"});
        ASSERT_EQ(rc, 0) << "zint failed for mask " << mask;
        std::vector<std::string> ref = parseDump(out);
        ASSERT_EQ(ref.size(), 21u);
        for (auto& r : ref)
            r.resize(21);
        EXPECT_EQ(rowsOf(grid), ref) << "mask " << mask;
    }
}

// Versions 1, 2, 7, 10, 27 and 40 at every level with data that needs
// exactly that version ("Auto" picks it), decoded by zxing-cpp.
TEST(QREncoder, RoundTripsThroughZxingAtEveryLevel) {
    struct Kind {
        const char* name;
        QString pattern;
    };
    const Kind kinds[] = {
        {"numeric", QStringLiteral("31415926535897932384626433832795")},
        {"alphanumeric", QStringLiteral("HELLO WORLD $%*+-./: 0123 QR")},
        {"byte", QStringLiteral("Größe café ñ 漢字テキスト 😀𝄞 ")},
        {"mixed", QStringLiteral("Order 12345678901234 ABCDEF-99 für ÄÖÜ x@y.z ")},
    };
    const int versions[] = {1, 2, 7, 10, 27, 40};
    for (const Kind& kind : kinds) {
        for (int level = 0; level < 4; ++level) {
            for (int version : versions) {
                // Longest text of this kind that "Auto" still puts in `version`.
                int lo = 1, hi = 8000;
                while (lo < hi) {
                    const int mid = (lo + hi + 1) / 2;
                    // A fixed mask keeps the search quick; the symbol size does not depend on it.
                    auto g = QREncoder::encodeCStringWithECLevel(level, 0, repeatTo(kind.pattern, mid).toUtf8(), 0);
                    if (g && g->dimension() <= 4 * version + 17)
                        lo = mid;
                    else
                        hi = mid - 1;
                }
                const QString text = repeatTo(kind.pattern, lo);
                auto grid = QREncoder::encodeWithECLevel(level, 0, text);
                ASSERT_TRUE(grid);
                ASSERT_EQ(grid->dimension(), 4 * version + 17) << kind.name << " v" << version;
                const auto d = zxingDecode(pictureOf(*grid), QStringLiteral("QRCode"));
                ASSERT_TRUE(d.has_value()) << kind.name << " v" << version << " " << kLevels[level];
                EXPECT_EQ(d->text, text) << kind.name << " v" << version << " " << kLevels[level];
                EXPECT_EQ(d->ecLevel.toStdString(), kLevels[level]) << kind.name << " v" << version;
            }
        }
    }
}

// The largest 8-bit text that fits each version and level is the one zint
// also accepts there; one byte more is refused by both, never truncated.
TEST(QREncoder, TooLongValuesAreRefusedAtEveryVersionAndLevel) {
    for (int version = 1; version <= 40; ++version) {
        for (int level = 0; level < 4; ++level) {
            int lo = 0, hi = 3000;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (QREncoder::encodeCStringWithECLevel(level, version, QByteArray(mid, 'a'), 0))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            ASSERT_GT(lo, 0);
            auto fits = QREncoder::encodeWithECLevel(level, version, QString(lo, QLatin1Char('a')));
            ASSERT_TRUE(fits);
            EXPECT_EQ(fits->dimension(), 4 * version + 17);
            const QString v = QStringLiteral("--vers=%1").arg(version);
            const QString s = QStringLiteral("--secure=%1").arg(level + 1);
            EXPECT_EQ(zint({"-b", "QRCODE", v, s, "--dump", "-d", QString(lo, QLatin1Char('a'))}).first, 0)
                << "v" << version << kLevels[level] << " " << lo;
            EXPECT_NE(zint({"-b", "QRCODE", v, s, "--dump", "-d", QString(lo + 1, QLatin1Char('a'))}).first, 0)
                << "v" << version << kLevels[level] << " " << lo + 1;
        }
    }
}

// Character capacities of ISO/IEC 18004 (data capacity table).
TEST(QREncoder, CapacitiesOfTheStandardAtVersionsOneAndForty) {
    struct Case {
        int version, level;
        QChar ch;
        int capacity;
    };
    const Case cases[] = {
        {1, 0, '7', 41},    {1, 1, '7', 34},    {1, 2, '7', 27},    {1, 3, '7', 17},
        {1, 0, 'A', 25},    {1, 1, 'A', 20},    {1, 2, 'A', 16},    {1, 3, 'A', 10},
        {40, 0, '7', 7089}, {40, 1, '7', 5596}, {40, 2, '7', 3993}, {40, 3, '7', 3057},
        {40, 3, 'A', 1852},  // 8-bit capacities are compared with zint at every version
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(QREncoder::encodeWithECLevel(c.level, c.version, QString(c.capacity, c.ch)))
            << c.version << " " << c.level << " " << c.capacity;
        EXPECT_FALSE(QREncoder::encodeWithECLevel(c.level, c.version, QString(c.capacity + 1, c.ch)))
            << c.version << " " << c.level << " " << c.capacity + 1;
    }
}

TEST(QREncoder, AutoChoosesTheSmallestVersionThatHoldsTheText) {
    struct Case {
        QString text;
        int level, version, dimension;  // dimension 0: no symbol
    };
    const Case cases[] = {
        {QString(25, 'A'), 0, 0, 21},  // alphanumeric capacity of 1-L
        {QString(26, 'A'), 0, 0, 25},  // one more needs version 2
        {QString(26, 'A'), 0, 1, 0},   // a requested version limits the capacity
        {QString(26, 'A'), 0, 2, 25},
        {QStringLiteral("0123"), 0, 10, 57},  // a larger requested version stays
        {QStringLiteral("https://www.example.com/cards/2026/visitor?id=12345&lang=en"), 0, 0, 33},
        {QString(), 0, 0, 0},
    };
    for (const Case& c : cases) {
        auto g = QREncoder::encodeWithECLevel(c.level, c.version, c.text);
        if (c.dimension == 0)
            EXPECT_FALSE(g) << c.text.toStdString();
        else {
            ASSERT_TRUE(g) << c.text.toStdString();
            EXPECT_EQ(g->dimension(), c.dimension) << c.text.toStdString();
        }
    }
    const QString url = QStringLiteral("https://www.example.com/cards/2026/visitor?id=12345&lang=en");
    auto g = QREncoder::encodeWithECLevel(0, 0, url);
    ASSERT_TRUE(g);
    const auto d = zxingDecode(pictureOf(*g), QStringLiteral("QRCode"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->text, url);
}

// Shift JIS text goes into Kanji segments; UTF-8 text of the same
// characters stays 8-bit. Both decode to the same characters.
TEST(QREncoder, KanjiModeOnlyForShiftJis) {
    const QByteArray sjis("\x93\xfa\x96\x7b\x8c\xea", 6);  // 日本語 in Shift JIS
    const QString text = QStringLiteral("日本語");
    // Three Kanji characters at 13 bits fit 1-H (72 bits); nine UTF-8 bytes do too.
    auto k = QREncoder::encodeCStringWithECLevel(3, 0, sjis);
    ASSERT_TRUE(k);
    auto dk = zxingDecode(pictureOf(*k), QStringLiteral("QRCode"));
    ASSERT_TRUE(dk);
    EXPECT_EQ(dk->text, text);

    auto u = QREncoder::encodeWithECLevel(3, 0, text);
    ASSERT_TRUE(u);
    auto du = zxingDecode(pictureOf(*u), QStringLiteral("QRCode"));
    ASSERT_TRUE(du);
    EXPECT_EQ(du->text, text);

    // Version 1-H holds 4 Kanji characters (ISO/IEC 18004 capacity table).
    const QByteArray four = sjis + QByteArray("\x93\xfa", 2);
    EXPECT_TRUE(QREncoder::encodeCStringWithECLevel(3, 1, four));
    EXPECT_FALSE(QREncoder::encodeCStringWithECLevel(3, 1, four + QByteArray("\x96\x7b", 2)));
}

TEST(QREncoder, RendersWholePixelsPerModuleWithTransparentMargins) {
    auto g = QREncoder::encodeWithECLevel(0, 1, QStringLiteral("0123"));
    ASSERT_TRUE(g);
    struct Case {
        int points, dpi, pixels, module, offset;
    };
    const Case cases[] = {
        {60, 72, 60, 2, 9},     // 21 modules: 42 pixels from pixel 9
        {61, 72, 61, 2, 9},     // the right and bottom margins take the odd pixel
        {60, 600, 500, 23, 8},  // 60 points at 600 dpi are 500 pixels
        {21, 72, 21, 1, 0},
    };
    for (const Case& c : cases) {
        const QImage img = QREncoder::renderDataMatrix(*g, c.points, c.dpi);
        ASSERT_EQ(img.width(), c.pixels);
        ASSERT_EQ(img.height(), c.pixels);
        EXPECT_NEAR(zelk::sizeInPoints(img).width(), c.points, 0.01);
        EXPECT_EQ(qAlpha(img.pixel(c.offset - (c.offset > 0), c.offset)), c.offset > 0 ? 0 : 255);
        EXPECT_EQ(img.pixel(c.offset, c.offset), qRgba(0, 0, 0, 255));  // finder corner
        const int end = c.offset + 21 * c.module;
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 21; ++x) {
                const QRgb want = g->valueAt(x, y) ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255);
                ASSERT_EQ(img.pixel(c.offset + x * c.module, c.offset + y * c.module), want);
                ASSERT_EQ(img.pixel(end - 1 - (20 - x) * c.module, end - 1 - (20 - y) * c.module), want);
            }
        if (end < c.pixels) {
            EXPECT_EQ(qAlpha(img.pixel(end, end)), 0);
        }
        // The light module between the finder's outer and inner ring is opaque white.
        EXPECT_EQ(img.pixel(c.offset + c.module, c.offset + c.module), qRgba(255, 255, 255, 255));
    }
    // Fewer pixels than modules: no picture rather than a blank one.
    EXPECT_TRUE(QREncoder::renderDataMatrix(*g, 20, 72).isNull());
    auto v40 = QREncoder::encodeWithECLevel(0, 40, QStringLiteral("0123"));
    ASSERT_TRUE(v40);
    EXPECT_TRUE(QREncoder::renderDataMatrix(*v40, 21, 600).isNull());   // 175 pixels < 177 modules
    EXPECT_FALSE(QREncoder::renderDataMatrix(*v40, 60, 600).isNull());  // 500 pixels: 2 per module
}

// Segmentation: bits written for small texts at version 1, terminator
// included (ISO/IEC 18004 bit lengths: mode 4, count 10/9/8, data).
TEST(QREncoder, SegmentsAreJoinedWhereThatIsShorter) {
    struct Case {
        const char* text;
        int bits;
        const char* why;
    };
    const Case cases[] = {
        {"01234567", 4 + 10 + 27 + 4, "one numeric segment: 10 + 10 + 7 data bits"},
        {"12AB", 4 + 9 + 22 + 4, "numeric 2 and alphanumeric 2 (21 + 24) joined: 35 bits"},
        {"abc", 4 + 8 + 24 + 4, "lower case is 8-bit"},
        {"AB1234567890123456CD", (4 + 9 + 11) + (4 + 10 + 50 + 4) + (4 + 9 + 11) + 4,
         "a long digit run keeps its own numeric segment between alphanumeric ones"},
    };
    for (const Case& c : cases) {
        CQR_Encode enc;
        ASSERT_TRUE(enc.EncodeData(QR_LEVEL_L, 1, false, 0, c.text)) << c.why;
        EXPECT_EQ(enc.m_ncDataCodeWordBit, c.bits) << c.why;
    }
}

// Text beyond ASCII names its character set (ECI), so that every reader
// gets it back; ISO-8859-1 text keeps one byte a character. The symbols equal
// zint's with the same designator (none for ASCII) and mask.
TEST(QREncoder, EveryReaderReadsTextBeyondAscii) {
    const struct {
        QString text;
        const char* eci;
        bool latin1;
    } cases[] = {
        {QStringLiteral("Zoë"), "--eci=3", true},
        {QStringLiteral("Ærøskøbing"), "--eci=3", true},
        {QStringLiteral("東京都"), "--eci=26", false},
        {QStringLiteral("Grüße 😀🎉"), "--eci=26", false},
        {QStringLiteral("Card 0042 ok"), nullptr, true},
    };
    for (const auto& c : cases) {
        const auto g = QREncoder::encodeWithECLevel(1, 0, c.text);
        ASSERT_TRUE(g);
        const QImage picture = pictureOf(*g);
        const auto z = zxingDecode(picture, QStringLiteral("QRCode"));
        ASSERT_TRUE(z) << c.text.toStdString();
        EXPECT_EQ(z->text, c.text);
        EXPECT_EQ(z->bytes, c.latin1 ? c.text.toLatin1() : c.text.toUtf8());
        EXPECT_EQ(zelk::test::zbarDecode(picture), c.text);

        const auto masked = QREncoder::encodeCStringWithECLevel(1, 0, c.text.toUtf8(), 0);
        ASSERT_TRUE(masked);
        QStringList args{"-b", "QRCODE", "--secure=2", "--mask=0", "--dump", "-d", c.text};
        if (c.eci)
            args.prepend(QString::fromLatin1(c.eci));
        std::vector<std::string> ref = parseDump(zint(args).second);
        for (auto& r : ref)
            r.resize(masked->dimension());
        EXPECT_EQ(rowsOf(*masked), ref) << c.text.toStdString();
    }
}

// The designator takes 12 bits: the longest text a version holds is the one
// zint also puts there with the same designator, and "Auto" takes one
// character more to the next version.
TEST(QREncoder, DesignatorCountsInTheCapacity) {
    const struct {
        QString first;
        const char* eci;
    } kinds[] = {{QStringLiteral("é"), "--eci=3"}, {QStringLiteral("東"), "--eci=26"}};
    for (const auto& kind : kinds) {
        for (int level : {0, 3}) {
            for (int version : {1, 9, 10, 26, 27, 40}) {
                int lo = 0, hi = 3000;
                while (lo < hi) {
                    const int mid = (lo + hi + 1) / 2;
                    const QString t = kind.first + QString(mid, QLatin1Char('a'));
                    if (QREncoder::encodeCStringWithECLevel(level, version, t.toUtf8(), 0))
                        lo = mid;
                    else
                        hi = mid - 1;
                }
                const QString text = kind.first + QString(lo, QLatin1Char('a'));
                const QStringList args{"-b", "QRCODE", QStringLiteral("--vers=%1").arg(version),
                                       QStringLiteral("--secure=%1").arg(level + 1), kind.eci, "--dump", "-d"};
                const std::string at = text.left(1).toStdString() + " v" + std::to_string(version) + kLevels[level];
                EXPECT_EQ(zint(args + QStringList{text}).first, 0) << at << " " << lo;
                EXPECT_NE(zint(args + QStringList{text + QLatin1Char('a')}).first, 0) << at << " " << lo + 1;
                const auto fits = QREncoder::encodeWithECLevel(level, 0, text);
                ASSERT_TRUE(fits) << at;
                EXPECT_EQ(fits->dimension(), 4 * version + 17) << at;
                const auto more = QREncoder::encodeWithECLevel(level, 0, text + QLatin1Char('a'));
                EXPECT_EQ(more ? more->dimension() : 0, version < 40 ? 4 * version + 21 : 0) << at;
            }
        }
    }
}
