// A two-sided design bound to a 1,000-row workbook (written by openpyxl):
// card n carries row n's texts, photo and barcodes, read back by pdftotext
// and zxing-cpp; cards made on 8 threads equal those made on 1; the live
// design is unchanged after a run, in normal and in group mode.
#include "BarcodeDecode.h"
#include "ProductionTestSupport.h"

#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"
#include "production/BatchSnapshot.h"

#include <QCryptographicHash>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

namespace zelk::test {
namespace {

constexpr int Rows = 1000;

QRgb photoColour(int row) { return qRgb(row % 256, (row * 7) % 256, 255 - row / 4); }

class BatchRunTest : public ProductionTest {
protected:
    void SetUp() override {
        ProductionTest::SetUp();
        ZipWorkFolder::setPathForTesting(data.filePath("ziptmp"));
        const QDir photos(data.filePath("photos"));
        QDir().mkpath(photos.path());
        for (int r = 0; r < Rows; ++r)
            writePhoto(photos.filePath(QStringLiteral("p%1.png").arg(r)), photoColour(r));
        const QString book = data.filePath("holders.xlsx");
        const ToolResult made = runTool(debianPython(), {"-c", R"(import sys, openpyxl
wb = openpyxl.Workbook(); ws = wb.active; ws.append(["Name", "Title", "Photo", "Code", "QR"])
for n in range(1, 1001):
    ws.append(["Holder %04d" % n, "Title %04d" % n, "%s/p%d.png" % (sys.argv[2], n - 1), "C128-%04d" % n, "QR-ROW-%04d" % n])
wb.save(sys.argv[1]))", book, photos.path()});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        // As the Excel import loads a sheet: the header row gives the titles.
        bool unpacked = false;
        SpreadsheetWriter::ReadWorkbook(book, true, &unpacked);
        ASSERT_TRUE(unpacked);
        Excel_Sheet_Number = 1;
        SpreadsheetWriter::ReadData_only_column();
        Data_From_Excel::defaultInstance()->loadSheet(SpreadsheetWriter::ReadWorkbook(QString(), false),
                                                      {0, 1, 2, 3, 4}, true);
        ASSERT_EQ(Data_From_Excel::defaultInstance()->rowCount(), Rows);

        writeSeries("lead", "\nsecond\n");
        auto qr = excelBound(GraphicKind::Barcode, QRectF(120, 40, 80, 80), 5);
        qr->linear_or_2d = 1;
        qr->barcode_font_index = BarcodeSymbologies::indexOf("QR Code");
        setSides({excelBound(GraphicKind::Text, QRectF(10, 8, 220, 18), 1),
                  excelBound(GraphicKind::Image, QRectF(10, 30, 50, 60), 3),
                  code128(excelBound(GraphicKind::Barcode, QRectF(70, 60, 160, 50), 4))},
                 {excelBound(GraphicKind::Text, QRectF(10, 8, 220, 18), 2), qr,
                  seriesBound(GraphicKind::Text, QRectF(10, 125, 100, 18), "lead", 0)});
        w().Check_Series_Or_Excel_Use_or_not();
        ASSERT_EQ(Total_Batch_Excel_Card, Rows);
    }
    void TearDown() override {
        ZipWorkFolder::setPathForTesting(QString());
        ProductionTest::TearDown();
    }

    // Copies of both sides, and their comparison with the live design.
    QList<GraphicList> copies() {
        QList<GraphicList> sides = {w().Get_Front_Controls_Array(), w().Get_Back_Controls_Array()};
        for (GraphicList& side : sides)
            for (auto& g : side)
                g = g->clone();
        return sides;
    }
    void expectDesign(const QList<GraphicList>& before) {
        const QList<GraphicList> now = {w().Get_Front_Controls_Array(), w().Get_Back_Controls_Array()};
        for (int s = 0; s < 2; ++s) {
            ASSERT_EQ(before[s].size(), now[s].size());
            for (int i = 0; i < now[s].size(); ++i)
                EXPECT_EQ(graphicDifferences(*before[s][i], *now[s][i]), QStringList()) << s << i;
        }
    }
    // Hashes of both sides of cards [0, count) at 36 dpi, made on `threads` threads.
    QList<QByteArray> produce(const BatchSnapshot& batch, int count, int threads) {
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        QList<int> sides(2 * count);
        std::iota(sides.begin(), sides.end(), 0);
        return QtConcurrent::blockingMapped(&pool, sides, [&](int k) {
            const QImage image =
                batch.Set_data_table_value_to_card(k / 2, k % 2 ? "B" : "F", false, producer).imageAtResolution(36);
            return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                            QCryptographicHash::Sha256);
        });
    }
};

TEST_F(BatchRunTest, CardNCarriesRowN) {
    const auto batch = w().takeBatchSnapshot();
    for (const int card : {0, 1, 499, 999}) {
        SCOPED_TRACE(card);
        const QString n = QStringLiteral("%1").arg(card + 1, 4, 10, QLatin1Char('0'));
        const ProducedCard front = batch->Set_data_table_value_to_card(card, "F", false, producer);
        const ProducedCard back = batch->Set_data_table_value_to_card(card, "B", false, producer);
        QString texts;
        for (const ProducedCard* side : {&front, &back}) {
            writeBytes(data.filePath("card.pdf"), side->cardImage().dataWithPDFInsideRect(side->cardImage().frame()));
            texts += QString::fromUtf8(runTool("pdftotext", {"-raw", data.filePath("card.pdf"), "-"}).out);
            // Barcodes are stored without loss; only the photo may be JPEG.
            const QString images = QString::fromUtf8(runTool("pdfimages", {"-list", data.filePath("card.pdf")}).out);
            EXPECT_LE(images.count(QStringLiteral(" jpeg ")), side == &front ? 1 : 0) << qPrintable(images);
        }
        EXPECT_TRUE(texts.contains("Holder " + n) && texts.contains("Title " + n)) << qPrintable(texts);
        // The series: a leading empty value, then "second", then nothing.
        EXPECT_EQ(texts.contains("second"), card == 1) << qPrintable(texts);

        const QImage image = front.imageAtResolution(300);
        EXPECT_EQ(zxingDecode(image, "Code128").value_or(Decoded{}).text, "C128-" + n);
        EXPECT_EQ(zxingDecode(back.imageAtResolution(300), "QRCode").value_or(Decoded{}).text, "QR-ROW-" + n);
        // The photo's centre (35, 60 points) at 300 dpi.
        const QColor photo = image.pixelColor(qRound(35 * 300 / 72.0), qRound(60 * 300 / 72.0));
        const QColor expected = photoColour(card);
        EXPECT_LE(std::abs(photo.red() - expected.red()) + std::abs(photo.green() - expected.green()) +
                      std::abs(photo.blue() - expected.blue()),
                  6);
    }
}

TEST_F(BatchRunTest, EightThreadsMakeTheCardsOfOneAndTheDesignStays) {
    const QList<GraphicList> design = copies();
    const auto batch = w().takeBatchSnapshot();
    const QList<QByteArray> one = produce(*batch, Rows, 1);
    EXPECT_EQ(produce(*batch, Rows, 8), one);
    EXPECT_NE(one.at(0), one.at(2));  // cards differ from each other
    expectDesign(design);
    EXPECT_EQ(Card_Front_Or_Back, 0);
    EXPECT_FALSE(Card_Value_In_Process);
}

TEST_F(BatchRunTest, GroupModeRunRestoresTheDesignItShowed) {
    Start_Card_Option = StartMode::GroupList;
    for (int r = 1; r <= 20; ++r)
        w().Create_Group_List(QStringLiteral("%1 - Holder %2").arg(r).arg(r, 4, 10, QLatin1Char('0')));
    w().Set_Graphic_Array_According_Side();
    w().Mark_Group_List_New_Selection(5);  // the canvas shows holder 6
    ASSERT_EQ(w().Get_Front_Controls_Array().first()->Text_Value, "Holder 0006");
    const QList<GraphicList> design = copies();
    ASSERT_TRUE(w().Set_Front_Back_Value_To_Print_Export_Mail());
    const auto batch = w().takeBatchSnapshot();
    EXPECT_EQ(batch->back.graphics.first()->Text_Value, "Title 0006");  // the other side holds the row too
    EXPECT_EQ(produce(*batch, 40, 8), produce(*batch, 40, 1));
    ASSERT_TRUE(w().Create_Card_Design_Again());
    expectDesign(design);
    EXPECT_EQ(Card_Front_Or_Back, 0);
}

}  // namespace
}  // namespace zelk::test
