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
#include "foundation/DrawingCodes.h"
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

// The cards of a batch that read wrong as poppler (the words) and
// Ghostscript (the pictures and bars, without the words) read the exported
// PDFs, from 1: words that meet others', that stand past the card, or that
// lie on a picture's or a barcode's ink where no word of the design does.
QList<int> cardsReadingWrongInPdfs(const QString& folder, int cards, const QString& designPdf, const QSizeF& size) {
    QStringList pdfs{designPdf};
    for (int n = 1; n <= cards; ++n)
        pdfs << QStringLiteral("%1/Card_%2_Front.PDF").arg(folder).arg(n);
    const QList<QImage> ink = pdfPagesWithoutText(pdfs, 288);
    const QRectF card(QPointF(0, 0), size);
    const auto meet = [](const QRectF& a, const QRectF& b) {
        const QRectF both = a & b;
        return both.width() > 0.1 && both.height() > 0.1;
    };
    // Ink the design's own words lie on.
    const QList<PdfWord> designWords = pdfWords(designPdf);
    const auto byTheDesign = [&designWords, &ink](int x, int y) {
        return ink.value(0).pixel(x, y) != qRgb(255, 255, 255) &&
               std::any_of(designWords.cbegin(), designWords.cend(),
                           [at = QPointF(x + 0.5, y + 0.5) / 4](const PdfWord& w) { return w.box.contains(at); });
    };
    QList<int> wrong;
    for (int n = 1; n <= cards; ++n) {
        const QList<PdfWord> words = pdfWords(pdfs.at(n));
        bool reads = ink.size() == pdfs.size();
        for (qsizetype i = 0; i < words.size() && reads; ++i) {
            const QRectF& w = words.at(i).box;
            reads = card.adjusted(-0.5, -0.5, 0.5, 0.5).contains(w);
            for (qsizetype j = i + 1; j < words.size(); ++j)
                reads = reads && !meet(w, words.at(j).box);
            const QRect under = QRectF(w.adjusted(0.1, 0.1, -0.1, -0.1).topLeft() * 4, w.adjusted(0.1, 0.1, -0.1, -0.1).bottomRight() * 4)
                                    .toAlignedRect() & ink.at(n).rect();
            for (int y = under.top(); y <= under.bottom() && reads; ++y)
                for (int x = under.left(); x <= under.right() && reads; ++x)
                    reads = ink.at(n).pixel(x, y) == qRgb(255, 255, 255) || byTheDesign(x, y);
        }
        if (!reads)
            wrong << n;
    }
    return wrong;
}

// The user's own texts and barcodes bound to a workbook's columns: the
// export and the print name exactly the cards whose words meet others',
// leave the card or lie over a picture or a barcode's bars, as the PDFs
// show them, and on each the columns whose values ran there (of two that
// meet, the one whose words ran out of its box), whatever the boxes do;
// what the design's own words lay over a picture is not named; a batch
// whose values fit says nothing more.
TEST_F(UnmadeCardsTest, TheRowsWhoseValuesRunOverOthersAreNamed) {
    const QSizeF size = w().document()->documentSize();
    auto text = [](int column, const QRectF& box, double points, const QString& shown) {
        auto t = excelBound(GraphicKind::Text, box, column);
        t->text_ctrl_font.setPointSizeF(points);
        t->text_alignmnet = 0;
        t->Set_text_value(shown);  // as the canvas shows it: the first row's value
        return t;
    };
    // As the barcode tool leaves it, fitted to the picture of its value.
    auto barcode = [this](int column, const QPointF& at, const char* symbology, const QString& value) {
        auto code = excelBound(GraphicKind::Barcode, QRectF(at, QSizeF(10, 10)), column);
        code->barcode_font_index = BarcodeSymbologies::indexOf(QString::fromLatin1(symbology));
        code->show_hide_hdr = code->show_hide_ftr = 1;
        code->linear_width_val = 10;
        code->Set_Barcode_image(appProducer.produceBarcode(*code, value, QString(), QString()));
        SideGraphicsModel::refitBarcode(code.get());
        return code;
    };
    // Where its picture's dark pixels lie in its box.
    auto inkOf = [](const std::shared_ptr<SKTGraphic>& g) {
        const QImage picture = g->_barcode_image.convertToFormat(QImage::Format_RGB32);
        QRect dark;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qGray(picture.pixel(x, y)) < 128)
                    dark |= QRect(x, y, 1, 1);
        const QRectF box = g->bounds();
        return QRectF(box.x() + dark.x() * box.width() / picture.width(), box.y() + dark.y() * box.height() / picture.height(),
                      dark.width() * box.width() / picture.width(), dark.height() * box.height() / picture.height());
    };
    auto logo = [this](const QRectF& box) {
        auto g = makeGraphic(GraphicKind::Image);
        static_cast<SKTImage&>(*g).setFilePath(writePhoto(data.filePath("logo.png"), qRgb(30, 90, 160)), true);
        g->setBounds(box);
        return g;
    };
    auto rowsOf = [](const QStringList& first, const QStringList& second, const QStringList& third = {}) {
        QList<QStringList> rows;
        for (qsizetype r = 0; r < first.size(); ++r)
            rows << (QStringList{first.at(r), second.value(r)} + (third.isEmpty() ? QStringList() : QStringList{third.value(r)}));
        return rows;
    };
    const QStringList longNames = {
        "A\u00efsha Garc\u00eda-L\u00f3pez", "Bartholomew Achterberg", "Siobh\u00e1n N\u00ed Dhonnchadha",
        "Oluwaseun Adebayo-Castellanos", "Zo\u00eb M\u00fcller-Westerhagen", "Marie-Claire Beaumont",
        "Thandiwe Bergstr\u00f6m-Nakamura", "Jos\u00e9 Mar\u00eda Iglesias", "Kristj\u00e1n \u00de\u00f3r Sigur\u00f0sson",
        "Anneliese Vandenberghe", "Maximiliana Featherstone", "Chidimma Okonkwo-Eze"};
    const QStringList shortNames = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ida", "Jo", "Kay", "Lu"};
    QStringList ids, sales;
    for (int row = 1; row <= 12; ++row) {
        ids << QStringLiteral("%1").arg(row, 6, 10, QLatin1Char('0'));
        sales << QStringLiteral("Sales");
    }
    // Three texts as the Text tool leaves them (70 x 20 points, 12 points)
    // bound to Name, ID and Dept, a Code 39 of the ID, the Dept over a logo.
    auto nameIdDept = [&](const QStringList& names) {
        return GraphicList{text(1, QRectF(12, 40, 70, 20), 12, names.first()), text(2, QRectF(12, 70, 70, 20), 12, ids.first()),
                           text(3, QRectF(12, 100, 70, 20), 12, sales.first()),
                           barcode(2, QPointF(110, 40), "Code 39", QStringLiteral("000000")), logo(QRectF(50, 96, 40, 28))};
    };
    // A ward under a patient's name, their boxes overlapping by 1.5 points:
    // a name on two lines runs over the ward.
    const QStringList patients = {"Ida Wren", "Tom\u00e1s Ruiz", "Lea Hart", "Hildegard Oyelaran-Fitzwilliam", "Ugo Sala",
                                  "Mei Chen", "Ola Berg", "Nils Dahl", "Bartosz Wi\u015bniewski-Kowalczyk", "Eva Kos",
                                  "Ana Reis", "Jon Moe"};
    const QStringList wards = {"Ward 3", "Ward 1", "Ward 7", "Ward 2", "Ward 5", "Ward 3",
                               "Ward 4", "Ward 6", "Ward 1", "Ward 2", "Ward 8", "Ward 5"};
    // A guest's box reaching 40 points past the card's right edge: the
    // first row's name on the card, the longer ones cut at its edge.
    const QStringList guests = {"Lu Wen", "Konstantinos Papadopoulos", "Ana", "Emil", "Maximiliana Featherstone", "Bo"};
    const QString dark = writePhoto(data.filePath("holder.png"), qRgb(40, 40, 60));
    const QStringList holders = {"Ida Park", "Maximiliana Featherstone-Whitby", "Bo", "Konstantinos Papadopoulos",
                                 "Oluwaseun Adebayo-Castellanos", "Emil"};
    const QStringList holderPhotos = {dark, "", dark, "", dark, ""};
    // A gate's name over a Code 128 of the gate's number, which the longer
    // numbers make wider than the design's: its white margin over the name.
    auto gateOverCode = [&](double intoTheMargin) {
        auto code = barcode(2, QPointF(120, 60), "Code 128", QStringLiteral("12"));
        auto grown = barcode(2, QPointF(120, 60), "Code 128", QStringLiteral("1234567"));
        grown->setBounds(QRectF(code->bounds().center() - QPointF(grown->bounds().width() / 2, grown->bounds().height() / 2),
                                grown->bounds().size()));
        auto gate = text(1, QRectF(0, 70, 100, 20), 10, QStringLiteral("Gate"));
        const double left = grown->bounds().left() + intoTheMargin - printedWordBoxes(*gate).first().right();
        gate->setBounds(QRectF(left, 70, code->bounds().left() - 1 - left, 20));
        return GraphicList{gate, code};
    };
    // A bay's name over a Code 39 (its white margin over the bars) that a
    // name on two lines reaches: `past` points past the top of the
    // barcode's box (inside it), or before it.
    auto bayOverCode = [&](double past) {
        auto bay = text(1, QRectF(20, 40, 90, 20), 10, QStringLiteral("Bay 4"));
        auto twoLines = text(1, bay->bounds(), 10, QStringLiteral("Bay 12 North Annexe"));
        auto code = barcode(2, QPointF(20, 0), "Code 39", QStringLiteral("B4"));
        code->setBounds(QRectF(QPointF(20, printedWordBoxes(*twoLines).last().bottom() - past), code->bounds().size()));
        SideGraphicsModel::refitBarcode(code.get());
        return GraphicList{bay, code};
    };
    const QStringList bays = {"Bay 4", "Bay 12 North Annexe", "Bay 7", "Bay 12 North Annexe", "Bay 1", "Bay 2"};
    const QStringList bayCodes = {"B4", "B12", "B7", "B12", "B1", "B2"};
    const QStringList gates = {"Gate", "Gate", "Gate", "Gate", "Gate", "Gate"};
    const QStringList gateCodes = {"12", "1234567", "1234567", "12", "1234567", "12"};

    const struct Batch {
        const char* note;
        QStringList titles;
        QList<QStringList> rows;
        std::function<GraphicList()> design;
        std::optional<ToldCards> told = {};  // by default, only what the PDFs show
    } batches[] = {
        {"long names", {"Name", "ID", "Dept"}, rowsOf(longNames, ids, sales), [&] { return nameIdDept(longNames); }},
        {"short names", {"Name", "ID", "Dept"}, rowsOf(shortNames, ids, sales), [&] { return nameIdDept(shortNames); }, ToldCards{}},
        {"boxes overlapping by 1.5 points",
         {"Patient", "Ward"},
         rowsOf(patients, wards),
         [&] {
             return GraphicList{text(1, QRectF(12, 14, 100, 20), 12, patients.first()),
                                text(2, QRectF(12, 32.5, 100, 20), 12, wards.first())};
         },
         ToldCards{{4, {{"Patient", ReadsWrong::Meets}}}, {9, {{"Patient", ReadsWrong::Meets}}}}},
        {"a box past the card's right edge",
         {"Guest"},
         rowsOf(guests, {}),
         [&] { return GraphicList{text(1, QRectF(size.width() - 50, 50, 90, 20), 11, guests.first())}; },
         ToldCards{{2, {{"Guest", ReadsWrong::LeavesTheCard}}}, {5, {{"Guest", ReadsWrong::LeavesTheCard}}}}},
        {"a barcode grown past its box, its margin over a name", {"Gate", "Code"}, rowsOf(gates, gateCodes),
         [&] { return gateOverCode(3); }, ToldCards{}},
        {"a barcode grown over a name", {"Gate", "Code"}, rowsOf(gates, gateCodes),
         [&] { return gateOverCode(inkOf(barcode(2, QPointF(), "Code 128", "1234567")).left() + 3); },
         ToldCards{{2, {{"Code", ReadsWrong::Meets}}}, {3, {{"Code", ReadsWrong::Meets}}}, {5, {{"Code", ReadsWrong::Meets}}}}},
        // The ground under a card's fields is the card without them.
        // The ground under a card's fields is the card without them: a
        // holder without a photo has none under their name.
        {"a profile's name running where the photo stands, some holders without one", {"Holder", "Photo"},
         rowsOf(holders, holderPhotos),
         [&] {
             auto name = text(1, QRectF(20, 60, 200, 20), 12, holders.first());
             name->control_ID = Fup_Name;
             name->setPlacedByRule();  // where it is held to read on what is under it
             auto photo = excelBound(GraphicKind::Image, QRectF(110, 50, 90, 50), 2);
             static_cast<SKTImage&>(*photo).setFilePath(holderPhotos.first(), true);
             photo->control_ID = Fup_Photo;
             return GraphicList{name, photo};
         },
         ToldCards{{5, {{"Name", ReadsWrong::Meets}}}}},
        {"words ending 0.4 points into a barcode's box", {"Bay", "Code"}, rowsOf(bays, bayCodes),
         [&] { return bayOverCode(0.4); }, ToldCards{}},
        {"words ending 0.14 points before a barcode's box", {"Bay", "Code"}, rowsOf(bays, bayCodes),
         [&] { return bayOverCode(-0.14); }, ToldCards{}},
    };
    for (const Batch& batch : batches) {
        SCOPED_TRACE(batch.note);
        clearTable();
        for (const QString& title : batch.titles)
            Data_From_Excel::defaultInstance()->addDataColumn(title);
        for (const QStringList& row : batch.rows)
            Data_From_Excel::defaultInstance()->Create_List_By_Array(row, int(batch.titles.size()));
        setSides(batch.design());
        const QString designPdf = data.filePath("design.pdf");
        writeBytes(designPdf, SKTRenderingView(w().designSide(0).cardRect, w().designSide(0), "t")
                                  .dataWithPDFInsideRect(w().designSide(0).cardRect));

        Player player;
        player.folder = data.path();
        player.setUp = Player::frontsAsPdf;
        QDir(data.filePath(ExportBatchJob::FolderName)).removeRecursively();
        w().Export_Button();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w().exportRunning(); }, 120000));
        const QString message = player.afterExportMessage;
        EXPECT_TRUE(message.startsWith(QStringLiteral("Card has been exported successfully."))) << qPrintable(message);
        const QString told = message.section(QStringLiteral("\n\n"), 1);
        const ToldCards named = cardsToldIn(told);
        EXPECT_EQ(named.keys(), cardsReadingWrongInPdfs(data.filePath(ExportBatchJob::FolderName), int(batch.rows.size()),
                                                        designPdf, size))
            << qPrintable(message);
        if (batch.told) {
            EXPECT_EQ(named, *batch.told) << qPrintable(message);
        } else {
            // Named by the column whose words ran out of their box, not the
            // ID they run over.
            for (const auto& fields : named)
                EXPECT_EQ(fields.keys(), QStringList{"Name"}) << qPrintable(message);
            EXPECT_FALSE(named.isEmpty());
        }

        // The 2 x 2 print names the same cards.
        const PrintJob job(sheetsOf(int(batch.rows.size()), 2, 2), w().designSide(0), w().designSide(1),
                           w().printCardSource(false, true));
        QTemporaryDir dir;
        printToPdf(job, (int(batch.rows.size()) + 3) / 4, dir.filePath("cards.pdf"));
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
    QMap<int, QList<NamedReadingWrong>> thirteen, eleven;
    for (int n = 0; n < 26; n += 2)
        thirteen.insert(n, {off("Name")});
    for (int n = 0; n < 11; ++n)
        eleven.insert(n, {off("Name")});
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
        // One card past the tenth, told without a number.
        {eleven, false,
         "On cards 1, 2, 3, 4, 5, 6, 7, 8, 9 and 10, Name runs off the card. On one more card, too, values do not "
         "fit or do not read. Shorten its value, or make room on the card (fewer fields, a smaller photo or a larger "
         "card)."},
        {eleven, true,
         "On the cards of lines 1, 2, 3, 4, 5, 6, 7, 8, 9 and 10, Name runs off the card. On the card of one more "
         "line, too, values do not fit or do not read. Select a line in the list to see what is wrong on its card."},
        // A field wrong one way on one card and another way on the next is
        // given what to do about each.
        {{{1, {over("Team")}}, {2, {{"Team", ReadsWrong::Unreadable}}}},
         false,
         "On card 2, Team overlaps other text or pictures. On card 3, Team does not read on what is under it. "
         "Shorten its value, or make room on the card (fewer fields, a smaller photo or a larger card). Give it "
         "another colour (all texts at once with the Card panel's \"Content of all texts\"), or move it where it "
         "reads."},
        // Across a shape's edge on one card and a picture's on the next.
        {{{1, {{"Team", ReadsWrong::AcrossAnEdge, false}}}, {2, {{"Team", ReadsWrong::AcrossAnEdge, true}}}},
         false,
         "On card 2, Team lies across the edge of a shape. On card 3, Team lies across the edge of a picture. Move it "
         "wholly onto the shape or off it, or shorten its value. Move it wholly onto the picture or off it, or shorten "
         "its value."},
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
    // Told without a warning of Qt's (an argument with no place for it).
    static QStringList warned;
    warned.clear();
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (type == QtWarningMsg)
            warned << m;
    });
    for (const auto& c : cases)
        EXPECT_EQ(cardsReadingWrongMessage(c.cards, c.lines).toStdString(), c.told);
    qInstallMessageHandler(before);
    EXPECT_TRUE(warned.isEmpty()) << qPrintable(warned.join(u'\n'));
}

}  // namespace
}  // namespace zelk::test
