// The printed page: card images placed, turned, mirrored and framed by crop
// marks as the settings ask, painted through QPrinter into a PDF and read
// back by poppler.
#include "PrintTestSupport.h"

#include <QPainter>
#include <QTemporaryDir>

using namespace zelk;
using namespace zelk::test;

namespace {

constexpr int Dpi = 144;

// A4-sized paper of 595 x 842 points with 30-point edges at the left and
// top, cells of the marked 100 x 60 card, alignment 1 (top left).
PrintJobSettings sheet(const QString& side, const QString& algn, int cards, int rows, int cols) {
    PrintJobSettings s;
    s.paper = QSizeF(595, 842);
    s.Left_Mar = s.Top_Mar = 30;
    s.Print_Card_Side = side;
    s.Print_Card_Algn = algn;
    s.Total_Label = cards;
    s.Print_Row = rows;
    s.Print_Col = cols;
    s.label_width = 100;
    s.label_hight = 60;
    return s;
}

}  // namespace

TEST(PrintedPage, PlacesTurnsMirrorsAndMarks) {
    QTemporaryDir dir;
    const MarkedCard card;
    struct Probe {
        double x, y;  // points from the paper's top left
        char want;
    };
    struct Case {
        const char* name;
        PrintJobSettings s;
        int pages, page;
        QList<Probe> probes;  // by hand from the cell table: first cell at (30, 30)
    };
    PrintJobSettings ud = sheet("BOTH", "UD", 2, 1, 2);
    ud.label_hight = 130;  // two cards and a side gap of 10
    ud.side_mar = 10;
    ud.horz_mar = 20;
    ud.Enable_Crop_Marks = true;
    PrintJobSettings mirrored = sheet("F", "UD", 1, 1, 1);
    mirrored.Mirror_Image_Create = mirrored.Mirror_Vertical_Not_Horz = true;
    PrintJobSettings turned = sheet("F", "UD", 1, 1, 1);
    turned.Print_One_Card_Algn = QStringLiteral("D");
    PrintJobSettings centred = sheet("F", "UD", 1, 1, 1);
    centred.label_align_val = 5;  // middle centre: x 30 + (565 - 100) / 2, y 842 - (812 - 60) / 2 - 60
    const Case cases[] = {
        {"UD: front above, back below turned; crop marks", ud, 1, 1,
         {{80, 40, 'r'}, {80, 80, 'w'}, {80, 110, 'w'}, {80, 145, 'b'},       // first cell
          {200, 40, 'r'}, {200, 145, 'b'}, {140, 40, 'w'},                    // second, 20 to the right
          {20, 30, 'g'}, {30, 20, 'g'}, {140, 30, 'g'}, {20, 160, 'g'}, {30, 170, 'g'}, {20, 60, 'w'}}},
        {"7 cards in 2x3: page 2 holds the first cell only", sheet("F", "UD", 7, 2, 3), 2, 2,
         {{80, 40, 'r'}, {180, 40, 'w'}, {80, 100, 'w'}}},
        {"vertical mirror", mirrored, 1, 1, {{80, 40, 'w'}, {80, 80, 'r'}}},
        {"one side turned", turned, 1, 1, {{80, 40, 'w'}, {80, 80, 'r'}}},
        {"middle centre", centred, 1, 1, {{312, 415, 'r'}, {312, 450, 'w'}, {80, 40, 'w'}}},
    };
    // A preview shows the same pages, its cards as pictures.
    for (const bool preview : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (preview ? ", preview" : ""));
            PrintJobSettings s = c.s;
            s.preview = preview;
            const PrintJob job(s, card.side(0), card.side(1), {});
            const QString pdf = printToPdf(job, job.view().numberOfPages(),
                                           dir.filePath(QString::fromLatin1(c.name) + (preview ? "-preview" : "")));
            ASSERT_EQ(pdfPageCount(pdf), c.pages);
            const QImage page = pdfPage(pdf, c.page, Dpi);
            for (const Probe& p : c.probes)
                EXPECT_EQ(spot(page, p.x, p.y, Dpi), p.want) << "at " << p.x << ", " << p.y;
            const CellArt art = job.pageArt(1).first();
            EXPECT_EQ(art.front.has_value(), !preview);
            EXPECT_EQ(art.frontPicture.isNull(), !preview);
            if (preview) {  // 100 x 60 points at the preview's resolution
                EXPECT_EQ(art.frontPicture.size(), QSize(209, 125));
            }
        }
}

TEST(PrintedPage, CardThatFailsShowsInvalidDataAndIsNamed) {
    QTemporaryDir dir;
    const MarkedCard card;
    PrintCardSource source;
    source.Use_Data_Sheet_Values = true;
    source.Total_Batch_Excel_Card = 3;
    source.card = [&card](int index, QChar side) {
        if (index == 1)
            return PrintCard{{}, QStringLiteral("No value in row 2.")};
        return PrintCard{card.side(side == QLatin1Char('F') ? 0 : 1), {}};
    };
    PrintJobSettings s = sheet("F", "UD", 3, 1, 3);
    s.useData = true;
    s.dataCards = 3;
    const PrintJob job(s, card.side(0), card.side(1), source);
    const QImage page = pdfPage(printToPdf(job, 1, dir.filePath("failed.pdf")), 1, Dpi);
    EXPECT_EQ(spot(page, 80, 40, Dpi), 'r');
    EXPECT_EQ(spot(page, 280, 40, Dpi), 'r');
    // The failed card's cell holds red text only, never the design's card.
    int red = 0;
    for (int y = 30 * 2; y < 90 * 2; ++y)
        for (int x = 130 * 2; x < 230 * 2; ++x)
            red += spot(page, x / 2.0, y / 2.0, Dpi) == 'r';
    EXPECT_GT(red, 20);
    EXPECT_LT(red, 2000);
    EXPECT_EQ(job.failures(), QStringList{QStringLiteral("Card 2: No value in row 2.")});
    EXPECT_TRUE(job.failureMessage().contains(QStringLiteral("\"Invalid Data\"")));
}

TEST(PrintedPage, VisitorPassKeepsItsSizeUnderTheTopEdge) {
    // A pass of 200 x 1000 points, painting beyond its edges, on 595 x 842 paper with edges of
    // 30 left, 10 right and 20 top: centred between the side edges, its top
    // on the top edge, the rest running off the bottom.
    PrintJobSettings s = sheet("F", "UD", 1, 1, 1);
    s.Rite_Mar = 10;
    s.Top_Mar = 20;
    const auto pass = [](QPainter& p) { p.fillRect(QRectF(-50, -50, 400, 1200), Qt::red); };
    QImage page(595, 842, QImage::Format_RGB32);
    QPainter painter(&page);
    Printing_View(QRectF(0, 0, 595, 842), s).Draw_visitor_pass(painter, QSizeF(200, 1000), pass);
    painter.end();
    // x = 30 + (555 - 200) / 2 = 207.5
    EXPECT_EQ(spot(page, 206, 100, 72), 'w');
    EXPECT_EQ(spot(page, 209, 100, 72), 'r');
    EXPECT_EQ(spot(page, 406, 100, 72), 'r');
    EXPECT_EQ(spot(page, 409, 100, 72), 'w');
    EXPECT_EQ(spot(page, 300, 19, 72), 'w');
    EXPECT_EQ(spot(page, 300, 21, 72), 'r');
    EXPECT_EQ(spot(page, 300, 841, 72), 'r');
}
