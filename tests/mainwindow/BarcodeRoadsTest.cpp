// The roads that give barcode graphics their pictures in the running
// program: the canvas's barcode tool and designs opened with or without
// stored pictures; and what the settings window reads of the design's data.
#include "DesignFileTestSupport.h"
#include "MainWindowTestSupport.h"

#include "BarcodeDecode.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/TwoDBarcode.h"
#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "foundation/Codes.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "mainwindow/HubBarcodeDataSource.h"

#include <QSet>

namespace zelk::test {
namespace {

std::shared_ptr<SKTGraphic> barcodeGraphic(const QString& title, const QString& value) {
    auto g = makeGraphic(GraphicKind::Barcode);
    g->barcode_font_index = BarcodeSymbologies::indexOf(title);
    g->linear_or_2d = BarcodeSymbologies::isTwoD(title) ? 1 : 0;
    g->linear_font_val = g->two_d_font_val = value;
    g->header_val = QStringLiteral("Visitor");
    g->_bounds = QRectF(10, 20, 30, 40);
    return g;
}

TEST_F(MainWindowTest, BarcodeToolPlacesTheCode39OfItsValue) {
    SKTWindowController& w = open();
    BarcodeGenProducer producer;
    w.setBarcodeProducer(&producer);
    const auto g = w._graphicView->createGraphicOfClass(GraphicKind::Barcode, false, QRectF(), CardSide::FrontName,
                                                        QString(), QString());
    ASSERT_TRUE(g);
    ASSERT_FALSE(g->_barcode_image.isNull());
    EXPECT_EQ(Barcode_output_image, g->_barcode_image);
    EXPECT_EQ(g->bar_image_ctrl_bounds, g->_bounds);
    const auto decoded = zxingDecode(onWhite(g->_barcode_image), "Code39");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->text, QStringLiteral("0123"));
}

TEST(BarcodeDesignFile, EverySymbologyReopensWithAndWithoutItsPicture) {
    // Expected texts carry the check digits the symbologies add (GS1).
    const struct {
        const char* title;
        const char* value;
        const char* format;  // "" where zxing-cpp has no reader
        const char* expected;
    } symbols[] = {
        {"Code 39", "ID 42", "Code39", "ID 42"},          {"Extended Code 39", "ID 42", "", ""},
        {"Interleaved 2 of 5", "123456", "ITF", "123456"}, {"UPCA", "01234567890", "UPCA", "012345678905"},
        {"PostNet", "12345", "", ""},                     {"Modified Plessey", "1234", "", ""},
        {"Modified Plessey (Hex)", "12AB", "", ""},       {"Industrial 2 of 5", "1234", "", ""},
        {"EAN-13", "400638133393", "EAN13", "4006381333931"}, {"Code 128", "Id-42", "Code128", "Id-42"},
        {"Code 128 SET A", "ID", "Code128", "ID"},        {"Code 128 SET B", "id", "Code128", "id"},
        {"Code 128 SET C", "1234", "Code128", "1234"},    {"Codabar", "123456", "Codabar", "123456"},
        {"UPCE", "0123456", "UPCE", "01234565"},          {"EAN-8", "9638507", "EAN8", "96385074"},
        {"Royal Mail Barcode (RM4SCC / CBC)", "ZE1K2", "", ""}, {"Planet", "12345678901", "", ""},
        {"Japan Post Barcode", "1234567", "", ""},        {"QR Code", "Visitor 42", "QRCode", "Visitor 42"},
        {"PDF417", "Visitor 42", "PDF417", "Visitor 42"}, {"DataMatrix", "Visitor 42", "DataMatrix", "Visitor 42"},
    };
    ASSERT_EQ(std::size(symbols), size_t(BarcodeSymbologies::titles().size()));
    BarcodeGenProducer producer;
    DesignContents design;
    for (const auto& s : symbols) {
        auto stored = barcodeGraphic(QLatin1String(s.title), QLatin1String(s.value));
        auto bare = stored->clone();
        stored->Set_Barcode_image(producer.produceBarcode(*stored, stored->linear_font_val, stored->header_val,
                                                          stored->footer_val));
        ASSERT_FALSE(stored->_barcode_image.isNull()) << s.title;
        design.frontGraphics << stored;
        design.backGraphics << bare;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badges.did"));
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);
    GraphicRecordContext context;
    context.producer = &producer;
    const DesignReadResult read = DesignFile::readDesignFile(path, context);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);

    for (int i = 0; i < int(std::size(symbols)); ++i) {
        SCOPED_TRACE(symbols[i].title);
        const SKTGraphic& withPicture = *read.contents->frontGraphics.at(i);
        const SKTGraphic& made = *read.contents->backGraphics.at(i);
        EXPECT_TRUE(graphicsMatch(*design.frontGraphics.at(i), withPicture));
        // Made on opening: only the picture and the size it gives are new.
        const QStringList changed = graphicDifferences(*design.backGraphics.at(i), made);
        EXPECT_TRUE(QSet<QString>(changed.begin(), changed.end()).subtract({"_barcode_image", "_bounds"}).isEmpty())
            << qPrintable(changed.join(' '));
        ASSERT_FALSE(made._barcode_image.isNull());
        if (!*symbols[i].format)
            continue;
        for (const SKTGraphic* g : {&withPicture, &made}) {
            const auto decoded = zxingDecode(onWhite(g->_barcode_image), QLatin1String(symbols[i].format));
            ASSERT_TRUE(decoded);
            EXPECT_EQ(decoded->text, QLatin1String(symbols[i].expected));
        }
    }
}

TEST(BarcodeDesignFile, AHostileSizeIsMadeNoLargerThanTheWindowAllows) {
    BarcodeGenProducer producer;
    DesignContents design;
    design.frontGraphics << barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("Visitor 42"));
    design.frontGraphics << design.frontGraphics.first()->clone();
    design.frontGraphics[0]->qr_size_val = 2'000'000'000;
    design.frontGraphics[1]->qr_size_val = int(BarcodeLimits::qrSize.maximum);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.did"));
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);
    GraphicRecordContext context;
    context.producer = &producer;
    const DesignReadResult read = DesignFile::readDesignFile(path, context);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
    const QImage hostile = read.contents->frontGraphics.at(0)->_barcode_image;
    EXPECT_EQ(hostile.size(), read.contents->frontGraphics.at(1)->_barcode_image.size());
    const auto decoded = zxingDecode(onWhite(hostile), "QRCode");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->text, QStringLiteral("Visitor 42"));
}

TEST_F(MainWindowTest, BarcodeWindowReadsTheDesignsSeriesTableAndMode) {
    open();
    SeriesFile::write(SeriesFile::filePath(QStringLiteral("Staff"), Data_Folder_Path), {"S-1", "S-2"});
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    table->loadSheet({{"Name", "Badge"}, {"Ann", ""}}, {0, 1}, true);
    HubBarcodeDataSource source;
    EXPECT_EQ(source.seriesNames(), QStringList{"Staff"});
    EXPECT_EQ(source.firstValueOfSeries(QStringLiteral("Staff")), QStringLiteral("S-1"));
    EXPECT_EQ(source.firstValueOfSeries(QStringLiteral("Gone")), QString());
    const QStringList titles = source.excelColumnTitles();
    ASSERT_EQ(titles.size(), 3);  // the row-number column first
    EXPECT_EQ(source.firstValueOfExcelColumn(titles.indexOf("Name")), QStringLiteral("Ann"));
    EXPECT_EQ(source.firstValueOfExcelColumn(titles.indexOf("Badge")), QString());

    const struct {
        QString mode;
        bool excel;
    } states[] = {{StartMode::Visitor, true}, {StartMode::Template, false}};
    const QString mode = Start_Card_Option;
    const bool excel = Excel_Binding_Use;
    for (const auto& s : states) {
        Start_Card_Option = s.mode;
        Excel_Binding_Use = s.excel;
        EXPECT_EQ(source.visitorMode(), s.mode == StartMode::Visitor);
        EXPECT_EQ(source.excelBindingInUse(), s.excel);
    }
    Start_Card_Option = mode;
    Excel_Binding_Use = excel;
    table->clearRows();
    table->removeDataColumns();
}

}  // namespace
}  // namespace zelk::test
