// Card holders' names in Chinese, Japanese, Arabic, Hebrew, Devanagari and
// Thai, exported as PDF and read back by pdftotext; and the whole chain: a
// two-sided design of such names, a Code 128 placed through the Align
// fields and a QR Code, exported for 50 rows and read back by poppler and
// zxing-cpp.
#include "BarcodeDecode.h"
#include "ProductionTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SideGraphicsModel.h"
#include "dialogs/DialogGlobals.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "production/ExportBatchJob.h"
#include "production/ExportCardSupply.h"

#include <QDir>
#include <QRegularExpression>
#include <QTransform>

namespace zelk::test {
namespace {

constexpr int Rows = 50;
constexpr double Dpi = 300.0;

// Names whose every glyph stands for its own characters: a PDF's text is
// read glyph by glyph, so conjuncts and ligatures (Devanagari's प्त, Arabic's
// lam-alef), marks drawn before their letter (Devanagari's short i) and
// Thai's stacked marks and sara am would not read back as typed; pdftotext
// also spaces some Hebrew lines ending in final nun.
struct Script {
    const char* series;
    QStringList first;
    QStringList last;
};
const Script scripts[] = {
    {"zh", {"李", "王", "张", "刘", "陈"}, {"小龙", "伟", "芳", "秀英", "敏", "静", "丽", "强", "磊", "军"}},
    {"ja", {"山田", "佐藤", "鈴木", "高橋", "田中"}, {"太郎", "花子", "さくら", "ひろし", "ゆき", "健", "翔", "愛", "蓮", "陽菜"}},
    {"ar", {"محمد", "أحمد", "فاطمة", "عمر", "خديجة"}, {"حسن", "حسين", "سعيد", "كريم", "رشيد", "يوسف", "جميل", "زيد", "نور", "عمار"}},
    {"he", {"דוד", "שרה", "משה", "רחל", "יוסף"}, {"לוי", "לביא", "מזרחי", "פרץ", "ביטון", "אברהם", "פרידמן", "שמיר", "אזולאי", "גבאי"}},
    {"hi", {"राम", "मोहन", "सुरेश", "गोपाल", "रमेश"}, {"कुमार", "राव", "लाल", "दास", "गोयल", "चौधरी", "यादव", "जोशी", "साहनी", "मेहता"}},
    {"th", {"สมชาย", "สมศรี", "ประยุทธ", "มาลี", "สุดา"}, {"ใจดี", "รักไทย", "ทองมา", "บุญมา", "แสงทอง", "ทองดี", "บุญมี", "สุขใจ", "พรมมา", "วงศ์ใหญ่"}},
};

// Chinese and Japanese names are written without a space.
QString nameOf(const Script& s, int row) {
    const bool spaced = QLatin1String(s.series) != QLatin1String("zh") && QLatin1String(s.series) != QLatin1String("ja");
    return s.first.at(row % s.first.size()) + (spaced ? QStringLiteral(" ") : QString()) +
           s.last.at(row / s.first.size() % s.last.size());
}

class WorldNamesExportTest : public ProductionTest {
protected:
    void SetUp() override {
        ProductionTest::SetUp();
        w().setBarcodeProducer(&appProducer);
        for (const Script& s : scripts) {
            QStringList names;
            for (int r = 0; r < Rows; ++r)
                names << nameOf(s, r);
            writeSeries(QLatin1String(s.series), names.join(QLatin1Char('\n')).toUtf8());
        }
        QStringList codes, qrs;
        for (int r = 0; r < Rows; ++r) {
            codes << QStringLiteral("ID-%1").arg(r + 1, 4, 10, QLatin1Char('0'));
            qrs << QStringLiteral("QR-%1").arg(r + 1, 4, 10, QLatin1Char('0'));
        }
        writeSeries("codes", codes.join('\n').toUtf8());
        writeSeries("qrs", qrs.join('\n').toUtf8());
    }
    // Three names a side, one text per script, each bound to its series.
    static GraphicList namesOnSide(int side) {
        GraphicList texts;
        for (int i = 0; i < 3; ++i) {
            const Script& s = scripts[side * 3 + i];
            texts << seriesBound(GraphicKind::Text, QRectF(10, 10 + 30 * i, 140, 24), QLatin1String(s.series), 0);
        }
        return texts;
    }

    // Exports cards [0, count) as PDF, a file per side.
    QDir exportPdf(int count) {
        const QString folder = data.filePath("out");
        EXPECT_TRUE(QDir().mkpath(folder));
        ExportCardSupply::current().checkUse(w());
        replace_keep_file_flag = 0;
        ExportBatchJob job({folder, "PDF", "BOTH", false, false, 0, count, 0}, ExportCardSupply::current().cards(w()));
        job.run();
        EXPECT_EQ(job.filesWritten(), 2 * count);
        EXPECT_TRUE(job.unmadeCards().isEmpty()) << qPrintable(job.unmadeCards().join('\n'));
        return QDir(job.outputFolder());
    }

    // The lines pdftotext reads, without the direction marks it puts
    // around right-to-left text.
    static QStringList pdfLines(const QString& file) {
        const ToolResult r = runTool("pdftotext", {"-layout", file, "-"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QString text = QString::fromUtf8(r.out);
        text.remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]")));
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        return lines;
    }

    // The page as poppler draws it at Dpi.
    QImage pageImage(const QString& pdf) {
        const QString png = data.filePath("page");
        EXPECT_EQ(runTool("pdftoppm", {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, png}).exitCode, 0);
        return QImage(png + ".png");
    }

    BarcodeGenProducer appProducer;
};

TEST_F(WorldNamesExportTest, EveryScriptReadsBackFromThePdf) {
    setSides(namesOnSide(0), namesOnSide(1));
    const QDir out = exportPdf(1);
    const QStringList lines = pdfLines(out.filePath("Card_1_Front.PDF")) + pdfLines(out.filePath("Card_1_Back.PDF"));
    for (const Script& s : scripts)
        EXPECT_TRUE(lines.contains(nameOf(s, 0))) << s.series << ": " << qPrintable(lines.join(" | "));
}

TEST_F(WorldNamesExportTest, FiftyTwoSidedCardsReadBackWithTheirBarcodesWhereTheCanvasShowsThem) {
    auto code = code128(seriesBound(GraphicKind::Barcode, QRectF(20, 110, 10, 10), "codes", 0));
    code->linear_font_val = QStringLiteral("ID-0001");
    code->Set_Barcode_image(appProducer.produceBarcode(*code, code->linear_font_val, QString(), QString()));
    SideGraphicsModel::refitBarcode(code.get());
    auto qr = seriesBound(GraphicKind::Barcode, QRectF(160, 40, 70, 70), "qrs", 0);
    qr->linear_or_2d = 1;
    qr->barcode_font_index = BarcodeSymbologies::indexOf("QR Code");
    qr->two_d_font_val = QStringLiteral("QR-0001");
    qr->Set_Barcode_image(appProducer.produceBarcode(*qr, qr->two_d_font_val, QString(), QString()));
    SideGraphicsModel::refitBarcode(qr.get());
    setSides(namesOnSide(0) << code, namesOnSide(1) << qr);
    // The Code 128 goes where the Align tab's fields put it.
    w().currentCanvas()->setSelectionIndexes({3});
    w().Frame_main_Pic_X_Pos_Changed(120);
    w().Frame_main_Pic_Y_Pos_Changed(96);
    const QRectF shown = code->bounds();
    ASSERT_EQ(shown.topLeft(), QPointF(120, 96));
    const QSizeF card = w().Front_card_Prop.Card_Size;
    ASSERT_TRUE(QRectF(QPointF(), card).contains(shown));

    const QDir out = exportPdf(Rows);
    const QTransform toPixels = QTransform::fromScale(Dpi / 72.0, Dpi / 72.0);
    for (int r = 0; r < Rows; ++r) {
        SCOPED_TRACE(r + 1);
        const QString front = out.filePath(QStringLiteral("Card_%1_Front.PDF").arg(r + 1));
        const QString back = out.filePath(QStringLiteral("Card_%1_Back.PDF").arg(r + 1));
        const QStringList lines = pdfLines(front) + pdfLines(back);
        for (const Script& s : scripts)
            EXPECT_TRUE(lines.contains(nameOf(s, r))) << s.series << ": " << qPrintable(lines.join(" | "));

        // The Code 128 where the canvas shows it, the QR Code on the back.
        const QRect at = toPixels.mapRect(shown).toAlignedRect();
        EXPECT_EQ(zxingDecode(pageImage(front).copy(at), "Code128").value_or(Decoded{}).text,
                  QStringLiteral("ID-%1").arg(r + 1, 4, 10, QLatin1Char('0')));
        EXPECT_EQ(zxingDecode(pageImage(back), "QRCode").value_or(Decoded{}).text,
                  QStringLiteral("QR-%1").arg(r + 1, 4, 10, QLatin1Char('0')));
    }
}

}  // namespace
}  // namespace zelk::test
