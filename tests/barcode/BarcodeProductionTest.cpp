// Production from a graphic's settings alone: every symbology of the list,
// the picture sizes of the size rules, hostile stored numbers, and two jobs
// producing side by side. Readable symbols are checked by zxing-cpp.
#include "BarcodeDecode.h"

#include "barcode/BarcodeGenerator.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/TwoDBarcode.h"
#include "foundation/SKTGraphic.h"

#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace zelk;
using namespace zelk::test;

namespace {

std::shared_ptr<SKTGraphic> barcodeGraphic(const QString& title, const QString& value) {
    auto g = makeGraphic(GraphicKind::Barcode);
    g->barcode_font_index = BarcodeSymbologies::indexOf(title);
    g->linear_or_2d = BarcodeSymbologies::isTwoD(title) ? 1 : 0;
    g->linear_font_val = g->two_d_font_val = value;
    return g;
}

QImage produce(const SKTGraphic& g, const QString& value, BarcodeGenerator* generator = nullptr) {
    BarcodeGenerator own(false);
    BarcodeGenerator& gen = generator ? *generator : own;
    gen.Set_Barcode_Prop_To_Control(g);
    return gen.Get_Image_From_Val(value, g.header_val, g.footer_val);
}

struct Symbol {
    const char* title;
    QString value;
    const char* format;  // zxing-cpp's name; "" where it has no reader
    QString expected;    // as a reader returns it (check digits added)
    ZxingOptions options = {};
};

}  // namespace

TEST(BarcodeProduction, EveryTitleWithItsLookOffTheDefaults) {
    // Expected texts: the symbologies' own check digits (GS1 for UPC/EAN).
    const Symbol symbols[] = {
        {"Code 39", "ZELK 42", "Code39", "ZELK 42"},
        {"Extended Code 39", "Zelk+42", "Code39", "Zelk+42", {true, false}},
        {"Interleaved 2 of 5", "123456", "ITF", "123456"},
        {"UPCA", "01234567890", "UPCA", "012345678905"},
        {"PostNet", "12345", "", ""},
        {"Modified Plessey", "123456", "", ""},
        {"Modified Plessey (Hex)", "12AB", "", ""},
        {"Industrial 2 of 5", "123456", "", ""},
        {"EAN-13", "400638133393", "EAN13", "4006381333931"},
        {"Code 128", "Zelk-0042", "Code128", "Zelk-0042"},
        {"Code 128 SET A", "ZELK", "Code128", "ZELK"},
        {"Code 128 SET B", "zelk", "Code128", "zelk"},
        {"Code 128 SET C", "123456", "Code128", "123456"},
        {"Codabar", "A123456B", "Codabar", "A123456B", {false, true}},
        {"UPCE", "0123456", "UPCE", "01234565"},
        {"EAN-8", "9638507", "EAN8", "96385074"},
        {"Royal Mail Barcode (RM4SCC / CBC)", "ZE1K2", "", ""},
        {"Planet", "12345678901", "", ""},
        {"Japan Post Barcode", "1234567", "", ""},
        {"QR Code", "https://zelk.example/card/42", "QRCode", "https://zelk.example/card/42"},
        {"PDF417", "Zelk ID 0042", "PDF417", "Zelk ID 0042"},
        {"DataMatrix", "ZELK-0042", "DataMatrix", "ZELK-0042"},
    };
    ASSERT_EQ(std::size(symbols), size_t(BarcodeSymbologies::titles().size()));
    for (const Symbol& s : symbols) {
        SCOPED_TRACE(s.title);
        auto g = barcodeGraphic(QLatin1String(s.title), s.value);
        g->header_val = QStringLiteral("Staff");
        g->footer_val = QStringLiteral("Valid 2026");
        g->align_hdr_index = 0;
        g->barcode_clr_val = QColor(0, 0, 110);
        g->barcode_back_clr_val = QColor(255, 255, 210);
        g->barcode_hdr_clr_val = QColor(Qt::darkRed);
        g->header_font_val = QFont(QStringLiteral("DejaVu Serif"), 8);
        g->linear_height_val = 9.0f;
        g->linear_width_val = 15.0f;
        g->TB_marging_val = g->LR_margin_val = 2.0f;
        g->qr_size_val = 80;
        g->pdf_wdt_val = 180;
        g->pdf_hgt_val = 60;
        g->dm_module_val = 3;
        g->dpi_val_index = BarcodeLimits::resolutionTitles().indexOf(QStringLiteral("300"));
        const QImage picture = produce(*g, s.value);
        ASSERT_FALSE(picture.isNull());
        if (g->linear_or_2d == 1) {
            // 2D pictures are at the chosen resolution.
            EXPECT_EQ(picture.width(), pixelsForPoints(sizeInPoints(picture).width(), 300));
        }
        if (*s.format) {
            const auto decoded = zxingDecode(onWhite(picture), QLatin1String(s.format), s.options);
            ASSERT_TRUE(decoded.has_value());
            EXPECT_EQ(decoded->text, s.expected);
        }
    }
}

TEST(BarcodeProduction, SizesFollowTheSettings) {
    // A 60-point QR at "Auto" (600 dpi): 60 × 600 / 72 = 500 pixels; 1 mm
    // margins are 2.8346472 points: 60 + 2 × 2.8346472 + 15 wide and
    // 60 + 2 × 2.8346472 high.
    auto qr = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("0123"));
    qr->show_hide_hdr = qr->show_hide_ftr = 1;
    BarcodeGenerator gen(false);
    const QImage picture = produce(*qr, QStringLiteral("0123"), &gen);
    EXPECT_EQ(gen.image_2d().size(), QSize(500, 500));
    EXPECT_NEAR(sizeInPoints(picture).width(), 80.669296, 1e-4);
    EXPECT_NEAR(sizeInPoints(picture).height(), 65.669296, 1e-4);

    // "C12X26": 12 rows and 26 columns of 3 points.
    auto dm = barcodeGraphic(QStringLiteral("DataMatrix"), QStringLiteral("0123"));
    dm->dm_module_val = 3;
    dm->dm_format_index = TwoDBarcode::dataMatrixFormats().indexOf(QStringLiteral("C12X26"));
    produce(*dm, QStringLiteral("0123"), &gen);
    EXPECT_EQ(sizeInPoints(gen.image_2d()), QSizeF(78, 36));

    // The stored unit is read by no one.
    auto unit = barcodeGraphic(QStringLiteral("Code 39"), QStringLiteral("A1"));
    const QImage before = produce(*unit, QStringLiteral("A1"));
    unit->barcode_unit_val = 7;
    EXPECT_EQ(produce(*unit, QStringLiteral("A1")), before);
}

TEST(BarcodeProduction, NothingToMakeGivesNoPicture) {
    BarcodeGenerator gen(false);
    auto qr = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("A"));
    ASSERT_FALSE(produce(*qr, QStringLiteral("A"), &gen).isNull());
    // An empty 2D value right after a picture: no picture, no symbol left over.
    EXPECT_TRUE(produce(*qr, QStringLiteral("   "), &gen).isNull());
    EXPECT_TRUE(gen.image_2d().isNull());

    auto linear = barcodeGraphic(QStringLiteral("Code 39"), QStringLiteral("A"));
    EXPECT_TRUE(produce(*linear, QStringLiteral(" \t"), &gen).isNull());
    linear->barcode_font_index = 999;  // a title no list has
    EXPECT_TRUE(produce(*linear, QStringLiteral("A"), &gen).isNull());
    qr->linear_or_2d = 0;  // a 2D title in linear mode
    EXPECT_TRUE(produce(*qr, QStringLiteral("A"), &gen).isNull());
    qr->linear_or_2d = 1;
    qr->qr_version_index = 1;  // more than version 1 holds
    EXPECT_TRUE(produce(*qr, QString(100, QLatin1Char('7')), &gen).isNull());
}

TEST(BarcodeProduction, HostileStoredNumbersStayInTheWindowsRanges) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* title;
        const char* note;
        std::function<void(SKTGraphic&)> hostile;
    } cases[] = {
        {"QR Code", "a QR size of a billion points", [](SKTGraphic& g) { g.qr_size_val = 1'000'000'000; }},
        {"QR Code", "a custom resolution of 0 dpi",
         [](SKTGraphic& g) {
             g.dpi_val_index = BarcodeLimits::customResolutionIndex();
             g.dpi_custom_val = QStringLiteral("0");
         }},
        {"QR Code", "a custom resolution of a million dpi",
         [](SKTGraphic& g) {
             g.dpi_val_index = BarcodeLimits::customResolutionIndex();
             g.dpi_custom_val = QStringLiteral("1000000");
             g.qr_size_val = 40;
         }},
        {"QR Code", "indexes outside their lists",
         [](SKTGraphic& g) {
             g.qr_version_index = 77;
             g.qr_ec_index = -4;
             g.dpi_val_index = 55;
             g.align_hdr_index = 9;
         }},
        {"DataMatrix", "a module of 5,000 points", [](SKTGraphic& g) { g.dm_module_val = 5000; }},
        {"PDF417", "a PDF417 of a million points", [](SKTGraphic& g) { g.pdf_wdt_val = g.pdf_hgt_val = 1'000'000; }},
        {"Code 128", "margins of a kilometre", [](SKTGraphic& g) { g.LR_margin_val = g.TB_marging_val = 1e6f; }},
        {"Code 128", "bars of no number", [nan](SKTGraphic& g) { g.linear_height_val = g.linear_width_val = nan; }},
        {"Code 128", "a header font of 50,000 points",
         [](SKTGraphic& g) { g.header_font_val.setPointSizeF(50000.0); }},
        {"Code 39", "negative sizes", [](SKTGraphic& g) { g.linear_height_val = g.val_margin_val = -20.0f; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const QString value = QStringLiteral("HOSTILE42");
        auto g = barcodeGraphic(QLatin1String(c.title), value);
        c.hostile(*g);
        const QImage picture = produce(*g, value);
        ASSERT_FALSE(picture.isNull());
        EXPECT_LE(qint64(picture.width()) * picture.height(), BarcodeLimits::maxPicturePixels);
        const QString format = c.title == QLatin1String("QR Code")      ? QStringLiteral("QRCode")
                               : c.title == QLatin1String("DataMatrix") ? QStringLiteral("DataMatrix")
                               : c.title == QLatin1String("PDF417")     ? QStringLiteral("PDF417")
                               : c.title == QLatin1String("Code 39")    ? QStringLiteral("Code39")
                                                                        : QStringLiteral("Code128");
        const auto decoded = zxingDecode(onWhite(picture), format);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, value);
    }
}

TEST(BarcodeProduction, TwoJobsProduceSideBySide) {
    // Each job has its own generator and its own graphics; a picture that
    // came out with another job's value, kind or resolution would show here.
    auto job = [](int id, QStringList* failures) {
        const char* titles[] = {"QR Code", "Code 128", "DataMatrix", "QR Code"};
        const char* formats[] = {"QRCode", "Code128", "DataMatrix", "QRCode"};
        BarcodeGenerator gen(id == 1);
        for (int i = 0; i < 1000; ++i) {
            const int kind = (i + id) % 4;
            const QString value = QStringLiteral("J%1-%2").arg(id).arg(i);
            auto g = barcodeGraphic(QLatin1String(titles[kind]), value);
            g->show_hide_hdr = g->show_hide_ftr = 1;
            g->qr_version_index = kind == 3 ? 2 + (i % 4) : 0;
            g->qr_ec_index = (i / 4) % 4;
            g->dm_module_val = 2 + i % 3;
            g->qr_size_val = 60 + (i % 5) * 8;
            const int dpi = 96 + 48 * ((i + id) % 4);
            g->dpi_val_index = BarcodeLimits::customResolutionIndex();
            g->dpi_custom_val = QString::number(dpi);
            const QImage picture = produce(*g, value, &gen);
            const auto decoded = picture.isNull() ? std::nullopt : zxingDecode(onWhite(picture), formats[kind]);
            const bool sized = kind == 1 || picture.width() == pixelsForPoints(sizeInPoints(picture).width(), dpi);
            if (!decoded || decoded->text != value || !sized)
                failures->append(QStringLiteral("%1 %2").arg(QLatin1String(titles[kind]), value));
        }
    };
    QStringList failures[2];
    QThread* a = QThread::create(job, 0, &failures[0]);
    QThread* b = QThread::create(job, 1, &failures[1]);
    a->start();
    b->start();
    a->wait();
    b->wait();
    delete a;
    delete b;
    EXPECT_TRUE(failures[0].isEmpty()) << failures[0].mid(0, 5).join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(failures[1].isEmpty()) << failures[1].mid(0, 5).join(QStringLiteral(", ")).toStdString();
}
