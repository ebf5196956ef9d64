// Cards whose data names a barcode or a picture that cannot be made are not
// counted as made: the export writes nothing for them and names them at the
// end, the print shows "Invalid Data" in their cells. An empty value is a
// card without the barcode or picture. The program's own barcode producer.
// A card made whose name runs off it is named in the run's closing message.
#include "ExportTestSupport.h"
#include "PdfWords.h"
#include "PrintTestSupport.h"
#include "ProductionTestSupport.h"
#include "ToldCards.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideGraphicsModel.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTImage.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "production/BatchSnapshot.h"
#include "production/CardsReadingWrong.h"
#include "production/ExportBatchJob.h"
#include "production/PrintCardSource.h"

#include <QComboBox>
#include <QTest>
#include <algorithm>

namespace zelk::test {
namespace {

class UnmadeCardsTest : public ProductionTest {
protected:
    void SetUp() override {
        ProductionTest::SetUp();
        w().setBarcodeProducer(&appProducer);
        const QString photo = writePhoto(data.filePath("photo.png"), qRgb(200, 30, 30));
        const QString notAPicture = data.filePath("notes.png");
        writeBytes(notAPicture, "not a picture");
        // Column 1 the Code 128, 2 the photo, 3 the name printed on the card.
        setExcelRows({{"A-1", photo, "Ann"},
                      {QString(32767, QLatin1Char('x')), photo, "Bob"},  // longer than any barcode takes
                      {"ID\u008542", photo, "Cyd"},                      // a control character outside ASCII
                      {"\u05E9\u05DC\u05D5\u05DD", photo, "Dan"},        // right to left, not ASCII
                      {"A-5", data.filePath("gone.png"), "Eve"},        // no such file
                      {"", "", "Fay"},                                  // nothing: made without both
                      {"A-7", notAPicture, "Gil"},
                      {"A-8", photo, QString("Hal Featherstonehaugh ").repeated(20)}},  // past the card's foot
                     3);
        auto name = excelBound(GraphicKind::Text, QRectF(10, 100, 150, 30), 3);
        name->control_ID = Fup_Name;
        setSides({code128(excelBound(GraphicKind::Barcode, QRectF(10, 10, 150, 40), 1)),
                  excelBound(GraphicKind::Image, QRectF(170, 10, 50, 50), 2), name});
    }
    BarcodeGenProducer appProducer;
    // The rows (1-based) that cannot be made, and why.
    const QList<std::pair<int, QString>> unmade = {
        {2, "no barcode can be made of the value \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026\" (32767 characters)."},
        {3, "no barcode can be made of the value \"ID\uFFFD42\"."},
        {4, "no barcode can be made of the value \"\u05E9\u05DC\u05D5\u05DD\"."},
        {5, "the picture \"" + data.filePath("gone.png") + "\" cannot be read."},
        {7, "the picture \"" + data.filePath("notes.png") + "\" cannot be read."},
    };
    // A print of `cards` fronts of the design's size, `rows` by `columns` to
    // an A4 sheet, with the workbook's values.
    PrintJobSettings sheetsOf(int cards, int rows, int columns) {
        const QSizeF card = w().document()->documentSize();
        PrintJobSettings s;
        s.paper = QSizeF(595, 842);
        s.Left_Mar = s.Top_Mar = 20;
        s.Print_Card_Side = QStringLiteral("F");
        s.Total_Label = cards;
        s.Print_Row = rows;
        s.Print_Col = columns;
        s.label_width = float(card.width());
        s.label_hight = float(card.height());
        s.CARD_SIDE_STR = QStringLiteral("1");
        s.useData = true;
        s.dataCards = cards;
        return s;
    }
    static QString pdfText(const QString& pdf) {
        return QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out);
    }
};

TEST_F(UnmadeCardsTest, TheCardsReasons) {
    w().Check_Series_Or_Excel_Use_or_not();
    const auto batch = w().takeBatchSnapshot();
    QList<std::pair<int, QString>> failed;
    for (int n = 0; n < 8; ++n) {
        const ProducedCard card = batch->Set_data_table_value_to_card(n, "F", false, appProducer);
        if (!card.ok())
            failed.append({n + 1, card.reason});
        else if (n == 5) {  // the empty row: no barcode, no photo, the name
            EXPECT_TRUE(card.side.graphics.at(0)->_barcode_image.isNull() && card.side.graphics.at(1)->_contents.isNull());
        }
    }
    QList<std::pair<int, QString>> expected;
    for (const auto& [row, why] : unmade)
        expected.append({row, why});
    EXPECT_EQ(failed, expected);
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

TEST_F(UnmadeCardsTest, TheExportWritesTheMadeCardsAndNamesTheOthers) {
    Player player;
    player.folder = data.path();
    player.setUp = Player::frontsAsPdf;
    sink.shown.clear();
    w().Export_Button();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w().exportRunning(); }, 120000));
    const QDir out(data.filePath(ExportBatchJob::FolderName));
    EXPECT_EQ(out.entryList(QDir::Files, QDir::Name),
              (QStringList{"Card_1_Front.PDF", "Card_6_Front.PDF", "Card_8_Front.PDF"}));
    EXPECT_EQ(pdfText(out.filePath("Card_1_Front.PDF")).simplified(), "Ann");
    EXPECT_EQ(pdfText(out.filePath("Card_6_Front.PDF")).simplified(), "Fay");
    // Card 8's name runs past the card's foot: pdftotext reads fewer of its
    // 40 words than it holds.
    EXPECT_LT(pdfWords(out.filePath("Card_8_Front.PDF")).size(), 40);
    EXPECT_EQ(player.afterExportMessage.toStdString(),
              "3 of 8 cards have been exported.\n\nOn card 8, Name runs off the card. Shorten its value, or make room "
              "on the card (fewer fields, a smaller photo or a larger card).");
    ASSERT_EQ(sink.shown.size(), 1) << sink.text();
    const QString& told = sink.shown.first();
    EXPECT_TRUE(told.contains("These cards could not be made, and nothing was written for them:")) << qPrintable(told);
    for (int row = 1; row <= 7; ++row) {
        const auto it = std::find_if(unmade.begin(), unmade.end(), [row](const auto& u) { return u.first == row; });
        EXPECT_EQ(told.contains(QStringLiteral("Card %1 (front):").arg(row)), it != unmade.end()) << row;
        if (it != unmade.end()) {
            EXPECT_TRUE(told.contains(it->second)) << qPrintable(it->second);
        }
    }
}

TEST_F(UnmadeCardsTest, ThePrintShowsInvalidDataInTheirCells) {
    const PrintJob job(sheetsOf(8, 4, 2), w().designSide(0), w().designSide(1), w().printCardSource(false, true));
    QTemporaryDir dir;
    const QString text = pdfText(printToPdf(job, 1, dir.filePath("cards.pdf")));
    EXPECT_EQ(text.count("Invalid Data"), unmade.size()) << qPrintable(text);
    for (const char* name : {"Ann", "Fay", "Hal"})
        EXPECT_TRUE(text.contains(name)) << name;
    for (const char* name : {"Bob", "Cyd", "Dan", "Eve", "Gil"})
        EXPECT_FALSE(text.contains(name)) << name;
    QStringList expected;
    for (const auto& [row, why] : unmade)
        expected << QStringLiteral("Card %1: %2").arg(QString::number(row), why);
    EXPECT_EQ(job.failures(), expected);
    EXPECT_TRUE(job.failureMessage().contains("\"Invalid Data\""));
    EXPECT_EQ(cardsToldIn(cardsReadingWrongMessage(job.cardsReadingWrong(), false)),
              (ToldCards{{8, {{"Name", ReadsWrong::LeavesTheCard}}}}));
}

// The user's own texts, as the Text tool leaves them (70 x 20 points, 12
// points), bound to a workbook's Name, ID and Dept, and a Code 39 bound to
// its ID: the export and the print name the rows whose cards have words
// that meet others or the barcode, or leave the card, as pdftotext reads
// them, but for what the design itself lays over a picture (the Dept over
// a logo); a batch whose values fit says nothing more.
TEST_F(UnmadeCardsTest, TheRowsWhoseValuesRunOverOthersAreNamed) {
    const QStringList longNames = {
        "A\u00efsha Garc\u00eda-L\u00f3pez", "Bartholomew Achterberg", "Siobh\u00e1n N\u00ed Dhonnchadha",
        "Oluwaseun Adebayo-Castellanos", "Zo\u00eb M\u00fcller-Westerhagen", "Marie-Claire Beaumont",
        "Thandiwe Bergstr\u00f6m-Nakamura", "Jos\u00e9 Mar\u00eda Iglesias", "Kristj\u00e1n \u00de\u00f3r Sigur\u00f0sson",
        "Anneliese Vandenberghe", "Maximiliana Featherstone", "Chidimma Okonkwo-Eze"};
    const QStringList shortNames = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ida", "Jo", "Kay", "Lu"};
    for (const QStringList* names : {&longNames, &shortNames}) {
        SCOPED_TRACE(names->first().toStdString());
        clearTable();
        for (const char* title : {"Name", "ID", "Dept"})
            Data_From_Excel::defaultInstance()->addDataColumn(QString::fromLatin1(title));
        for (int row = 0; row < 12; ++row)
            Data_From_Excel::defaultInstance()->Create_List_By_Array(
                {names->at(row), QStringLiteral("%1").arg(row + 1, 6, 10, QLatin1Char('0')), QStringLiteral("Sales")}, 3);
        GraphicList side;
        for (int column = 1; column <= 3; ++column) {
            auto text = excelBound(GraphicKind::Text, QRectF(12, 40 + 30 * (column - 1), 70, 20), column);
            text->text_ctrl_font.setPointSizeF(12);
            // As the canvas shows it: the first row's value.
            text->Set_text_value(Data_From_Excel::defaultInstance()->ListData.at(0).value(QStringLiteral("Column%1").arg(column)).toString());
            side << text;
        }
        // As the barcode tool leaves it, fitted to the picture of its value.
        auto code = excelBound(GraphicKind::Barcode, QRectF(110, 40, 10, 10), 2);
        code->barcode_font_index = BarcodeSymbologies::indexOf(QStringLiteral("Code 39"));
        code->linear_font_val = QStringLiteral("000000");
        code->linear_width_val = 10;
        code->Set_Barcode_image(appProducer.produceBarcode(*code, code->linear_font_val, QString(), QString()));
        SideGraphicsModel::refitBarcode(code.get());
        side << code;
        auto logo = makeGraphic(GraphicKind::Image);
        static_cast<SKTImage&>(*logo).setFilePath(writePhoto(data.filePath("logo.png"), qRgb(30, 90, 160)), true);
        logo->setBounds(QRectF(50, 96, 40, 28));
        side << logo;
        setSides(side);
        const QString designPdf = data.filePath("design.pdf");
        writeBytes(designPdf, SKTRenderingView(w().designSide(0).cardRect, w().designSide(0), "t")
                                  .dataWithPDFInsideRect(w().designSide(0).cardRect));
        const QList<PdfWord> designWords = pdfWords(designPdf);
        const QList<QRectF> designPictures = pdfPictures(designPdf);

        // The rows whose cards read wrong, as poppler reads the exported PDFs.
        Player player;
        player.folder = data.path();
        player.setUp = Player::frontsAsPdf;
        QDir(data.filePath(ExportBatchJob::FolderName)).removeRecursively();
        w().Export_Button();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w().exportRunning(); }, 120000));
        const QRectF card(QPointF(0, 0), w().document()->documentSize());
        QList<int> wrong;
        for (int row = 1; row <= 12; ++row) {
            const QString pdf = data.filePath(QStringLiteral("%1/Card_%2_Front.PDF").arg(ExportBatchJob::FolderName).arg(row));
            const QList<PdfWord> words = pdfWords(pdf);
            const QList<QRectF> pictures = pdfPictures(pdf);
            auto meet = [](const QRectF& a, const QRectF& b) {
                const QRectF both = a & b;
                return both.width() > 0.1 && both.height() > 0.1;
            };
            // A picture the design's words meet already.
            auto laidOver = [&](const QRectF& p) {
                return std::any_of(designWords.cbegin(), designWords.cend(), [&](const PdfWord& d) {
                    return designPictures.contains(p) && meet(d.box, p);
                });
            };
            bool reads = true;
            for (qsizetype i = 0; i < words.size(); ++i) {
                reads = reads && card.adjusted(-1, -1, 1, 1).contains(words.at(i).box);
                for (qsizetype j = i + 1; j < words.size(); ++j)
                    reads = reads && !meet(words.at(i).box, words.at(j).box);
                for (const QRectF& p : pictures)
                    reads = reads && (!meet(words.at(i).box, p) || laidOver(p));
            }
            if (!reads)
                wrong << row;
        }
        // The rows the closing message names.
        const QString message = player.afterExportMessage;
        const QString told = message.section(QStringLiteral("\n\n"), 1);
        const ToldCards named = cardsToldIn(told);
        EXPECT_EQ(named.keys(), wrong) << qPrintable(message);
        // Named by the column whose words ran out of their box, not the ID
        // they run over.
        for (const auto& fields : named)
            EXPECT_EQ(fields.keys(), QStringList{"Name"}) << qPrintable(message);
        EXPECT_EQ(names == &longNames, !wrong.isEmpty());
        EXPECT_TRUE(message.startsWith(QStringLiteral("Card has been exported successfully."))) << qPrintable(message);

        // The 2 x 2 print names the same cards.
        const PrintJob job(sheetsOf(12, 2, 2), w().designSide(0), w().designSide(1), w().printCardSource(false, true));
        QTemporaryDir dir;
        printToPdf(job, 3, dir.filePath("cards.pdf"));
        EXPECT_EQ(cardsReadingWrongMessage(job.cardsReadingWrong(), false).toStdString(), told.toStdString());
    }
}

// The closing sentences: a group project's lines or a batch's cards, ten at
// most, each told what is wrong on it as its own line tells it, the cards
// told alike together; what to do about each kind of wrong, of "its value"
// where one field is told of it.
TEST(CardsReadingWrongMessage, NamesTenCardsAtMostAndWhatIsWrongOnEach) {
    const auto off = [](const char* name) { return NamedReadingWrong{name, ReadsWrong::LeavesTheCard}; };
    const auto over = [](const char* name) { return NamedReadingWrong{name, ReadsWrong::Meets}; };
    QMap<int, QList<NamedReadingWrong>> thirteen;
    for (int n = 0; n < 26; n += 2)
        thirteen.insert(n, {off("Name")});
    const struct {
        QMap<int, QList<NamedReadingWrong>> cards;
        bool lines;
        const char* told;
    } cases[] = {
        {{}, true, ""},
        {{{2, {off("Address")}}},
         true,
         "On the card of line 3, Address runs off the card. Select a line in the list to see what is wrong on its "
         "card."},
        {{{2, {over("Name"), off("Address")}}, {6, {over("Name")}}, {11, {over("Name")}}},
         false,
         "On card 3, Address runs off the card; Name overlaps other text or pictures. On cards 7 and 12, Name "
         "overlaps other text or pictures. Shorten their values, or make room on the card (fewer fields, a smaller "
         "photo or a larger card)."},
        {thirteen, true,
         "On the cards of lines 1, 3, 5, 7, 9, 11, 13, 15, 17 and 19, Name runs off the card. On the cards of 3 more "
         "lines, too, values do not fit or do not read. Select a line in the list to see what is wrong on its card."},
        // One field told of, on two cards: its value.
        {{{4, {over("Phone No.")}}, {5, {off("Phone No.")}}},
         false,
         "On card 5, Phone No. overlaps other text or pictures. On card 6, Phone No. runs off the card. Shorten its "
         "value, or make room on the card (fewer fields, a smaller photo or a larger card)."},
        // Each kind's advice counts the fields told of it.
        {{{0, {{"Team", ReadsWrong::Unreadable}, over("Name"), over("Title")}}},
         false,
         "On card 1, Name and Title overlap other text or pictures; Team does not read on what is under it. Shorten "
         "their values, or make room on the card (fewer fields, a smaller photo or a larger card). Give it another "
         "colour (all texts at once with the Card panel's \"Content of all texts\"), or move it where it reads."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cardsReadingWrongMessage(c.cards, c.lines).toStdString(), c.told);
}

}  // namespace
}  // namespace zelk::test
