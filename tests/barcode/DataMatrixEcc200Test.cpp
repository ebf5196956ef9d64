// DataMatrix ECC200: every size with every encodation of the settings list
// decoded by zxing-cpp and dmtxread, every size module for module as zint
// makes it, end-of-data rules of the forced encodations, the EPS rendered by
// Ghostscript, and size choice.
#include "BarcodeDecode.h"
#include "TestSupport.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/DataMatrixEcc200.h"
#include "barcode/TwoDBarcode.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zelk::test::dmtxDecode;
using zelk::test::onWhite;
using zelk::test::zxingDecode;

namespace {

struct Symbol {
    int W = 0, H = 0;
    std::vector<uint8_t> grid;
    QByteArray encoding;
};

Symbol encode(const QByteArray& data, int W = 0, int H = 0, const QByteArray& encoding = {}) {
    Symbol s{W, H, {}, encoding};
    s.grid = iec16022ecc200(&s.W, &s.H, &s.encoding, static_cast<int>(data.size()),
                            reinterpret_cast<const unsigned char*>(data.constData()), nullptr, nullptr, nullptr);
    return s;
}

// 4 pixels per module on white with a quiet zone.
QImage pictureOf(const Symbol& s) {
    QImage img;
    TwoDBarcode::makeEPS_Data_Matrix("x", s.W, s.H, s.grid, 4, 72, &img);
    return onWhite(img, 12);
}

QByteArray repeatTo(const QByteArray& pattern, int n) {
    QByteArray out;
    while (out.size() < n)
        out += pattern;
    return out.left(n);
}

// zint --dump: one line per row, top row first, each group of hex digits
// four modules a digit, most significant bit first. Returned bottom row
// first, as our grid is.
std::vector<std::string> zintRows(int vers, const QByteArray& data) {
    const auto r = zelk::test::runTool("zint", {"-b", "DATAMATRIX", QStringLiteral("--vers=%1").arg(vers), "--dump",
                                                "-d", QString::fromLatin1(data)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    std::vector<std::string> rows;
    for (const QByteArray& line : r.out.split('\n')) {
        std::string row;
        for (const char h : line.trimmed()) {
            if (h == ' ')
                continue;
            const int v = QByteArray(1, h).toInt(nullptr, 16);
            for (int b = 3; b >= 0; --b)
                row += (v >> b) & 1 ? '1' : '0';
        }
        if (!row.empty())
            rows.insert(rows.begin(), row);
    }
    return rows;
}

}  // namespace

// Each of the 30 sizes with "Auto", "Ascii", "C40", "Text" and "Base256", the
// value as long as the size holds in that encodation, so that every way of
// ending the data is met somewhere.
TEST(DataMatrixEcc200, EverySizeAndEncodationRoundTripsThroughZxingAndDmtxread) {
    const QByteArray pattern("Zelk ID 2026-12-06 CARD #42 visitor ok ");
    const QStringList& formats = TwoDBarcode::dataMatrixFormats();
    const QStringList& encodings = TwoDBarcode::dataMatrixEncodings();
    ASSERT_EQ(formats.size(), 31);
    int dmtxChecks = 0;
    for (qsizetype f = 1; f < formats.size(); ++f) {
        const QString rest = formats[f].mid(1);
        const int H = rest.section('X', 0, 0).toInt();
        const int W = rest.section('X', 1, 1).toInt();
        for (qsizetype e = 0; e < encodings.size(); ++e) {
            auto letters = [&](int n) {
                static const char l[] = {'A', 'C', 'T', 'B'};
                return e == 0 ? QByteArray() : QByteArray(n, l[e - 1]);
            };
            int lo = 0, hi = 3116;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                testing::internal::CaptureStderr();
                const Symbol s = encode(repeatTo(pattern, mid), W, H, letters(mid));
                testing::internal::GetCapturedStderr();
                if (!s.grid.empty())
                    lo = mid;
                else
                    hi = mid - 1;
            }
            ASSERT_GT(lo, 0) << formats[f].toStdString();
            const QByteArray data = repeatTo(pattern, lo);
            const Symbol s = encode(data, W, H, letters(lo));
            ASSERT_EQ(s.W, W);
            ASSERT_EQ(s.H, H);
            const QImage img = pictureOf(s);
            const auto z = zxingDecode(img, QStringLiteral("DataMatrix"));
            ASSERT_TRUE(z.has_value()) << formats[f].toStdString() << " " << encodings[e].toStdString();
            EXPECT_EQ(z->bytes, data) << formats[f].toStdString() << " " << encodings[e].toStdString();
            // dmtxread (libdmtx 0.7.5) disagrees at 144x144: it expects the
            // error correction codewords in plain rotation from block 0, not
            // in the ISO/IEC 16022 order that zint makes and zxing-cpp reads,
            // and reads neither ours nor zint's. zxing-cpp and the module
            // comparison with zint check that size.
            if (W == 144)
                continue;
            const auto d = dmtxDecode(img);
            ASSERT_TRUE(d.has_value()) << formats[f].toStdString() << " " << encodings[e].toStdString();
            EXPECT_EQ(*d, data) << formats[f].toStdString() << " " << encodings[e].toStdString();
            ++dmtxChecks;
        }
    }
    EXPECT_EQ(dmtxChecks, 145);
}

// The same codewords (ASCII digits, pads after them) give zint's symbol
// module for module at every size. 144x144 is the one size whose blocks
// differ in length (1558 data codewords: 156 in blocks 0-7, 155 in blocks 8
// and 9); its error correction codewords go on with the rotation where the
// data left it, so they start with those of block 8 (ISO/IEC 16022).
TEST(DataMatrixEcc200, SameModulesAsZintAtEverySize) {
    struct Size {
        int H, W, vers;  // zint's --vers for the size
    };
    const Size sizes[] = {
        {10, 10, 1},   {12, 12, 2},   {14, 14, 3},   {16, 16, 4},   {18, 18, 5},   {20, 20, 6},
        {22, 22, 7},   {24, 24, 8},   {26, 26, 9},   {32, 32, 10},  {36, 36, 11},  {40, 40, 12},
        {44, 44, 13},  {48, 48, 14},  {52, 52, 15},  {64, 64, 16},  {72, 72, 17},  {80, 80, 18},
        {88, 88, 19},  {96, 96, 20},  {104, 104, 21}, {120, 120, 22}, {132, 132, 23}, {144, 144, 24},
        {8, 18, 25},   {8, 32, 26},   {12, 26, 27},  {12, 36, 28},  {16, 36, 29},  {16, 48, 30},
    };
    const QByteArray digits("20261206144000918273645");
    struct Case {
        Size size;
        QByteArray data;
    };
    std::vector<Case> cases;
    for (const Size& z : sizes) {
        int bytes = 0;
        for (const auto& m : ecc200matrix())
            if (m.H == z.H && m.W == z.W)
                bytes = m.bytes;
        ASSERT_GT(bytes, 0) << z.H << "x" << z.W;
        cases.push_back({z, repeatTo(digits, bytes)});  // about half full: pads follow
        if (z.H == 144)
            cases.push_back({z, repeatTo(digits, 2 * bytes)});  // full, no pad
    }
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.size.H) + "x" + std::to_string(c.size.W) + " of " +
                                 std::to_string(c.data.size()) + " digits";
        const Symbol s = encode(c.data, c.size.W, c.size.H, QByteArray(c.data.size(), 'A'));
        ASSERT_EQ(s.grid.size(), static_cast<size_t>(c.size.W * c.size.H)) << name;
        const std::vector<std::string> rows = zintRows(c.size.vers, c.data);
        ASSERT_EQ(rows.size(), static_cast<size_t>(c.size.H)) << name;
        int differ = 0;
        for (int y = 0; y < c.size.H; ++y) {
            ASSERT_GE(rows[static_cast<size_t>(y)].size(), static_cast<size_t>(c.size.W)) << name;
            for (int x = 0; x < c.size.W; ++x)
                differ += (rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '1') !=
                          (s.grid[static_cast<size_t>(y * c.size.W + x)] != 0);
        }
        EXPECT_EQ(differ, 0) << name << ": modules unlike zint's";
        const auto z = zxingDecode(pictureOf(s), QStringLiteral("DataMatrix"));
        ASSERT_TRUE(z.has_value()) << name;
        EXPECT_EQ(z->bytes, c.data) << name;
    }
}

// Forced C40, Text, X12 and EDIFACT runs whose values do not end on a whole
// triple or group: nothing may be lost (ISO/IEC 16022 5.2.5.2, 5.2.7, 5.2.8).
TEST(DataMatrixEcc200, ForcedEncodationsKeepTheirLastValues) {
    struct Case {
        QByteArray data, encoding;
    };
    const Case cases[] = {
        {"A", "C"},           {"AB", "CC"},         {"ABCD", "CCCC"},       {"ABCDE", "CCCCC"},
        {"Ab", "CC"},         {"a", "C"},           {"ab", "TT"},           {"abcd", "TTTT"},
        {"A\xc3\xa9", "CCC"}, {"AB*", "XXX"},       {"AB*1", "XXXX"},       {"AB*12", "XXXXX"},
        {"ABC", "EEE"},       {"ABCD", "EEEE"},     {"ABCDE", "EEEEE"},     {"ABCDEFGH", "EEEECCCC"},
        {"ABCD1234", "EEEEXXXX"}, {"ABCDabcd", "EEEETTTT"}, {"AB12cd", "CCAATT"}, {"ABCDEF", "CCCBBB"},
        {"12ABCDEFGH", "AAEEEEEEEE"}, {"hello world", "TTTTTTTTTTT"},
    };
    for (const Case& c : cases) {
        const Symbol s = encode(c.data, 0, 0, c.encoding);
        ASSERT_FALSE(s.grid.empty()) << c.data.toStdString() << " " << c.encoding.toStdString();
        const QImage img = pictureOf(s);
        const auto z = zxingDecode(img, QStringLiteral("DataMatrix"));
        ASSERT_TRUE(z.has_value()) << c.data.toStdString() << " " << c.encoding.toStdString();
        EXPECT_EQ(z->bytes, c.data) << c.encoding.toStdString();
        const auto d = dmtxDecode(img);
        ASSERT_TRUE(d.has_value()) << c.data.toStdString() << " " << c.encoding.toStdString();
        EXPECT_EQ(*d, c.data) << c.encoding.toStdString();
    }
}

TEST(DataMatrixEcc200, AutomaticSizeIsTheFirstThatHoldsTheData) {
    struct Case {
        QByteArray data;
        int W, H;  // 0: no symbol
    };
    const Case cases[] = {
        {"123456", 10, 10},            // 3 ASCII digit pairs fill 10x10 exactly
        {"1234567890", 12, 12},        // 5 codewords: 12x12 comes before 8x18
        {"12345678", 12, 12},          // 4 codewords: no size holds exactly 4
        {QByteArray(3117, 'a'), 0, 0}, // longer than any search
        {QByteArray(1558 * 2, '7'), 144, 144},
        {QByteArray(1558 * 2 + 2, '7'), 0, 0},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        const Symbol s = encode(c.data);
        const std::string err = testing::internal::GetCapturedStderr();
        if (c.W == 0) {
            EXPECT_TRUE(s.grid.empty()) << c.data.size();
            EXPECT_EQ(err, "Cannot find suitable size, barcode too long\n");
        } else {
            ASSERT_FALSE(s.grid.empty()) << c.data.toStdString();
            EXPECT_EQ(s.W, c.W) << c.data.toStdString();
            EXPECT_EQ(s.H, c.H) << c.data.toStdString();
        }
    }
    int len = -1;
    EXPECT_EQ(encmake(0, reinterpret_cast<const unsigned char*>(""), &len, true), QByteArray(""));
}

TEST(DataMatrixEcc200, RefusalsNameTheirReason) {
    struct Case {
        QByteArray data;
        int W, H;
        QByteArray encoding;
        std::string message;
    };
    const Case cases[] = {
        {"0123456789012345", 10, 10, {}, "Cannot make barcode fit 10x10\n"},
        {"0123", 11, 11, {}, "Invalid size 11x11\n"},
        {"ABc", 0, 0, "XXX", "Cannot encode char 0x63 in X12\n"},
        {"AB\x7f", 0, 0, "EEE", "Cannot encode 0x7F in EDIFACT\n"},
        {"ABC", 0, 0, "AB", "Encoding string too short\n"},
        {"ABC", 0, 0, "AQA", "Unknown encoding Q\n"},
        {QByteArray(10, 'a'), 10, 10, QByteArray(10, 'B'), "Barcode too long for 10x10\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        const Symbol s = encode(c.data, c.W, c.H, c.encoding);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(s.grid.empty()) << c.message;
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(err.find(c.message), err.rfind(c.message)) << "reported once: " << err;
    }
}

// Base256 length of 300: the two length codewords 250 and 50, randomised by
// the 255-state algorithm of ISO/IEC 16022 Annex B.
TEST(DataMatrixEcc200, Base256LengthOfThreeHundredTakesTwoCodewords) {
    const QByteArray data(300, '\x01');
    std::vector<unsigned char> cw(400);
    int len = 0;
    ASSERT_TRUE(ecc200encode(cw.data(), 400, reinterpret_cast<const unsigned char*>(data.constData()), 300,
                             QByteArray(300, 'B').constData(), &len));
    EXPECT_EQ(len, 303);
    EXPECT_EQ(cw[0], 231);
    auto unrandomised = [&](int index) {
        const int pos = index + 1;
        const int v = cw[static_cast<size_t>(index)] - ((149 * pos) % 255) - 1;
        return v >= 0 ? v : v + 256;
    };
    EXPECT_EQ(unrandomised(1), 250);
    EXPECT_EQ(unrandomised(2), 50);
    EXPECT_EQ(unrandomised(3), 1);
}

// The DataMatrix picture: EPS text and the bitmap of the same geometry; the
// EPS rendered by Ghostscript gives the same modules.
TEST(DataMatrixEcc200, EpsRendersToTheSameModulesAsTheBitmap) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        QByteArray data;
        QString format;
    } cases[] = {{"1234", "C10X10"}, {"ID 0123456789", "C12X26"}, {"Visitor pass 42", "C16X48"}};
    for (const auto& c : cases) {
        zelk::TwoDSettings settings;
        settings.dmFormat = c.format;
        settings.dmModuleSize = 3;
        settings.dpi = 72;
        QByteArray eps;
        const QImage bitmap = TwoDBarcode::Draw_DataMatrix_Barcode(QString::fromUtf8(c.data), settings, &eps);
        ASSERT_FALSE(bitmap.isNull());
        ASSERT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: IEC16022 barcode/stamp generator\n"
                                   "%%BarcodeData: " + c.data + "\n%%BarcodeSize: "));
        ASSERT_TRUE(eps.endsWith("\n>}image\n"));
        const QString rest = c.format.mid(1);
        const int H = rest.section('X', 0, 0).toInt(), W = rest.section('X', 1, 1).toInt();
        EXPECT_NEAR(zelk::sizeInPoints(bitmap).width(), W * 3, 0.01);
        EXPECT_NEAR(zelk::sizeInPoints(bitmap).height(), H * 3, 0.01);
        const int k = bitmap.width() / (W + 2);
        ASSERT_EQ(bitmap.height(), (H + 2) * k);

        const QString in = dir.filePath(c.format + ".eps"), out = dir.filePath(c.format + ".png");
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(eps);
        f.close();
        // 720 dpi: 10 pixels per module of the 1-point EPS modules.
        const auto r = zelk::test::runTool("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop",
                                                   "-sDEVICE=pnggray", "-r720", "-sOutputFile=" + out, in});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QImage gsImg(out);
        ASSERT_EQ(gsImg.width(), (W + 2) * 10);
        ASSERT_EQ(gsImg.height(), (H + 2) * 10);
        for (int my = 0; my < H + 2; ++my)
            for (int mx = 0; mx < W + 2; ++mx) {
                const bool gsDark = qGray(gsImg.pixel(mx * 10 + 5, my * 10 + 5)) < 128;
                const bool bmDark = qGray(bitmap.pixel(mx * k + k / 2, my * k + k / 2)) < 128;
                ASSERT_EQ(gsDark, bmDark) << c.format.toStdString() << " module " << mx << "," << my;
            }
    }
}

TEST(DataMatrixEcc200, ProductionPathSizesAndDiagnostics) {
    zelk::TwoDSettings settings;
    settings.dmFormat = "C12X26";
    settings.dmModuleSize = 3;
    settings.dpi = 600;
    const QImage img = TwoDBarcode::Draw_DataMatrix_Barcode("0123", settings);
    ASSERT_FALSE(img.isNull());
    EXPECT_NEAR(zelk::sizeInPoints(img).width(), 78, 0.01);  // 26 × 3, the border included
    EXPECT_NEAR(zelk::sizeInPoints(img).height(), 36, 0.01);
    EXPECT_EQ(img.width() % 28, 0);

    settings.dmFormat = "C10X10";
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    const QImage none = TwoDBarcode::Draw_DataMatrix_Barcode("0123456789ABCDEFGHIJ", settings);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(none.isNull());
    EXPECT_NE(err.find("No barcode produced\n"), std::string::npos);
    EXPECT_NE(out.find("Size    : 10x10\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Barcode : 0123456789ABCDEFGHIJ\n"), std::string::npos) << out;
}
