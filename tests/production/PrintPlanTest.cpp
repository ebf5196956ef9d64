// Which card each cell of each page shows, the page counts, the preview's
// limit and the range of a run.
#include "production/PrintPlan.h"
#include "production/PrintRange.h"
#include "production/Printing_View.h"

#include "platform/MessageSink.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace zelk;

namespace {

PrintJobSettings run(const QString& side, const QString& algn, int cards, int rows, int cols, int start = 0) {
    PrintJobSettings s;
    s.paper = QSizeF(595, 842);
    s.Print_Card_Side = side;
    s.Print_Card_Algn = algn;
    s.Duplex_Printing = algn == QLatin1String("DU") || algn == QLatin1String("DD");
    s.Total_Label = s.Duplex_Printing ? 2 * cards : cards;
    s.Print_Row = rows;
    s.Print_Col = cols;
    s.Print_Start = start;
    return s;
}

// Every page drawn in the given order, each cell written as its card and the
// sides it draws ("3F", "3B", "3FBt": t for a turned back, "." empty).
QStringList pages(const PrintPlan& plan, const QList<int>& order) {
    QStringList out;
    for (int page : order) {
        QString line;
        for (int k = 0; k < plan.cellsPerPage(); ++k) {
            const PrintPlan::Cell c = plan.cell(page, k);
            if (c.isEmpty()) {
                line += QStringLiteral(". ");
                continue;
            }
            line += QString::number(c.card) + (c.drawFront ? "F" : "") + (c.frontTurned ? "t" : "") +
                    (c.drawBack ? "B" : "") + (c.backTurned ? "t" : "") + " ";
        }
        out << line.trimmed();
    }
    return out;
}

}  // namespace

TEST(PrintPlan, CardOfEveryCell) {
    struct Case {
        const char* name;
        PrintJobSettings s;
        QStringList want;  // by hand from the arrangements' table
    } cases[] = {
        {"7 cards, 2x3, F: page 2 holds one card", run("F", "UD", 7, 2, 3),
         {"0F 1F 2F 3F 4F 5F", "6F . . . . ."}},
        {"B", run("B", "UD", 3, 1, 2), {"0B 1B", "2B ."}},
        {"U", run("BOTH", "U", 2, 1, 1), {"0FB", "1FB"}},
        {"UD turns every back", run("BOTH", "UD", 2, 1, 2), {"0FBt 1FBt"}},
        {"L", run("BOTH", "L", 3, 1, 2), {"0FB 1FB", "2FB ."}},
        {"DU: fronts on odd pages, backs on even", run("BOTH", "DU", 3, 1, 1), {"0F", "0B", "1F", "1B", "2F", "2B"}},
        {"DD turns the backs", run("BOTH", "DD", 2, 1, 1), {"0F", "0Bt", "1F", "1Bt"}},
        // Range 5 to 9: Print_Start 4, five cards.
        {"range 5 to 9 across pages", run("F", "UD", 5, 1, 3, 4), {"4F 5F 6F", "7F 8F ."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintPlan plan(c.s);
        QList<int> inOrder, reversedTwice;
        for (int p = 1; p <= plan.pageCount(); ++p)
            inOrder << p;
        EXPECT_EQ(pages(plan, inOrder), c.want);
        // Pages drawn backwards, each twice, show the same cards.
        for (int p = plan.pageCount(); p >= 1; --p)
            reversedTwice << p << p;
        QStringList twice;
        for (int i = c.want.size() - 1; i >= 0; --i)
            twice << c.want.at(i) << c.want.at(i);
        EXPECT_EQ(pages(plan, reversedTwice), twice);
    }
}

TEST(PrintPlan, OneSideTurnedAndDataShorterThanTheRun) {
    PrintJobSettings s = run("F", "UD", 5, 1, 3);
    s.Print_One_Card_Algn = QStringLiteral("D");
    s.useData = true;
    s.dataCards = 4;
    EXPECT_EQ(pages(PrintPlan(s), {1, 2}), QStringList({"0Ft 1Ft 2Ft", "3Ft . ."}));
}

TEST(PrintPlan, PageCountsAndThePreviewLimit) {
    // ceil(cards / cells), doubled for duplex.
    EXPECT_EQ(PrintPlan(run("F", "UD", 7, 2, 3)).pageCount(), 2);
    EXPECT_EQ(PrintPlan(run("F", "UD", 6, 2, 3)).pageCount(), 1);
    EXPECT_EQ(PrintPlan(run("BOTH", "DU", 3, 1, 1)).pageCount(), 6);
    EXPECT_EQ(PrintPlan(run("F", "UD", 0, 1, 1)).pageCount(), 0);

    QStringList shown;
    MessageSink::install([&](MessageButtons, const QString& text) {
        shown << text;
        return MessageAnswer::Ok;
    });
    PrintJobSettings s = run("F", "UD", 60, 1, 1);
    EXPECT_EQ(Printing_View(QRectF(0, 0, 595, 842), s).numberOfPages(), 60);
    EXPECT_TRUE(shown.isEmpty());
    s.preview = true;
    EXPECT_EQ(Printing_View(QRectF(0, 0, 595, 842), s).numberOfPages(), 50);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains(QStringLiteral("previewer shows print previews of only first 50 sheets")));
    MessageSink::install({});
}

TEST(PrintRange, StartTotalAndRefusals) {
    struct Case {
        const char* name;
        bool all;
        int total, from, to;
        bool useData;
        int dataCards;
        bool duplex;
        int start, labels;
        const char* message;
    } cases[] = {
        {"all of 7 without data", true, 7, 1, 1, false, 1, false, 0, 7, ""},
        {"range 3 to 5", false, 0, 3, 5, true, 10, false, 2, 3, ""},
        {"range 3 to 5, duplex", false, 0, 3, 5, true, 10, true, 2, 6, ""},
        {"range 5 to 3", false, 0, 5, 3, true, 10, false, 0, 0, "Please select valid range."},
        // A negative "from" and a "to" past the data are brought inside 1..10.
        {"bounded to the data", false, 0, -4, 25, true, 10, false, 0, 10, ""},
        {"total past the data", true, 40, 1, 1, true, 10, false, 0, 10, ""},
        {"nothing to print", true, 0, 1, 1, false, 1, false, 0, 0, "There is no barcode to print."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintRange r = PrintRange::resolve(c.all, c.total, c.from, c.to, c.useData, c.dataCards, c.duplex);
        EXPECT_EQ(r.ok, QString::fromUtf8(c.message).isEmpty());
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        if (r.ok) {
            EXPECT_EQ(r.Print_Start, c.start);
            EXPECT_EQ(r.Total_Label, c.labels);
        }
    }
    // A card of 100 x 150 mm on paper of 105 x 148 mm asks before printing.
    EXPECT_TRUE(PrintRange::cardExceedsPaper(283.46f, 425.2f, 0, 0, 0, 0, 0, 0, 297.64, 419.53));
    EXPECT_FALSE(PrintRange::cardExceedsPaper(242.65f, 153.07f, 12, 12, 12, 12, 0, 0, 595, 842));
}
