// Batches drawn at random, exported as PDF the way the user exports them:
// the closing message names exactly the cards whose printed words meet
// another text's words, lie over a picture (an image or a barcode's bars)
// or leave the card, and on each the fields that do, as poppler (the words)
// and Ghostscript (the pictures) read the PDFs; a batch where all fits says nothing more. What the design itself
// lays over a picture is the user's doing and is not named. A failing seed
// is printed, and its design, workbook and PDFs are left at failurePath.
#include "ExportTestSupport.h"
#include "PdfWords.h"
#include "ProductionTestSupport.h"
#include "RandomBatches.h"
#include "ToldCards.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideGraphicsModel.h"
#include "datasource/SpreadsheetWriter.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTDocument.h"
#include "mainwindow/DesignFile.h"
#include "production/CardsReadingWrong.h"
#include "production/ExportBatchJob.h"

#include <QTest>
#include <QTextDocumentFragment>

#include <algorithm>
#include <iostream>

namespace zelk::test {
namespace {

constexpr int Batches = 40;  // at the default count, over the shards
constexpr int Shards = 4;    // ctest cases that run side by side
constexpr int Dpi = 288;     // Ghostscript's pages: four pixels a point
constexpr double Pixel = 72.0 / Dpi;
// Two boxes meet where they overlap by more than this both ways, as the
// card's own measure has it; a word lies within a box it is past by no
// more than this.
constexpr double Meet = 0.1;
// How far poppler's word boxes and the layout's may differ.
constexpr double WordsUnsure = 0.05;
// The widest gap between a barcode's bars (or its caption's digits).
constexpr double WidestGap = 3.5;
// The room in a word's box beside its letters' ink, in points; under its
// baseline, and over its small letters, a share of its height (the font's
// descent, and its ascent less its x-height).
constexpr double LetterSide = 1.5;
constexpr double Descent = 0.22, OverSmallLetters = 0.4;

// What the PDFs show of a relation: where poppler's boxes or Ghostscript's
// pixels cannot tell, either answer is taken.
enum Answer { No = 0, Maybe = 1, Yes = 2 };
Answer both(Answer a, Answer b) { return std::min(a, b); }
Answer either(Answer a, Answer b) { return std::max(a, b); }
Answer notA(Answer a) { return Answer(Yes - a); }
Answer beyond(double amount, double limit, double unsure) {
    return amount > limit + unsure ? Yes : amount > limit - unsure ? Maybe : No;
}

// How far two boxes overlap: the lesser of the overlap's width and height,
// below 0 where they are apart.
double overlap(const QRectF& a, const QRectF& b) {
    return std::min(std::min(a.right(), b.right()) - std::max(a.left(), b.left()),
                    std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()));
}
double mostOverlap(const QList<QRectF>& a, const QList<QRectF>& b) {
    double most = -1e9;
    for (const QRectF& x : a)
        for (const QRectF& y : b)
            most = std::max(most, overlap(x, y));
    return most;
}
// How far any of `rects` lies past `box`.
double pastBox(const QList<QRectF>& rects, const QRectF& box) {
    double most = -1e9;
    for (const QRectF& r : rects)
        most = std::max({most, box.left() - r.left(), r.right() - box.right(), box.top() - r.top(), r.bottom() - box.bottom()});
    return most;
}
QString lettersOf(const QString& s) {
    QString out = s.normalized(QString::NormalizationForm_KC);
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
}

// What one card's PDF shows: each text's words, its barcode's bars, its
// picture.
struct Printed {
    QList<QList<QRectF>> words;  // by text
    QStringList letters;         // by text: its letters as printed, in order
    QList<QRectF> bars;          // black pixels of the page without its text, a run a rectangle
    QRectF picture;              // where the picture's colour is; empty: none
    QStringList strays;          // words no text of the card holds
};

// Each name on a card, whether it reads wrong there and whether its
// letters (its bars) leave the card.
using Expected = QMap<QString, std::pair<Answer, Answer>>;

// What the PDFs of a batch show, card by card, as the closing message is
// to tell it: from the design's PDF (what the design's own words do) and
// a card's.
class Reading {
public:
    Reading(const RandomBatch& b, const Printed& design, const QRectF& barcodeBox, const QList<double>& heights)
        : b_(b), d_(design), barcodeBox_(barcodeBox), heights_(heights), page_(QPointF(0, 0), b.card) {}

    Expected of(const Printed& p, const QStringList& values) const {
        Expected expected;
        auto tell = [&expected](const QString& name, Answer wrong, Answer leaves = No) {
            auto& e = expected[name];
            e = {either(e.first, wrong), either(e.second, leaves)};
        };
        for (qsizetype t = 0; t < texts(); ++t) {
            Answer leaves = hidden(p, values, t) ? Yes : No;
            for (const QRectF& word : p.words.at(t)) {
                // A word past the edge by more than the room beside, under or
                // over its letters is cut there; less, perhaps not.
                const double across = std::max(-word.left(), word.right() - page_.right());
                const double under = word.bottom() - page_.bottom(), over = -word.top();
                if (across > LetterSide || under > Descent * word.height() + Pixel ||
                    over > OverSmallLetters * word.height() + Pixel)
                    leaves = Yes;
                else if (!page_.contains(word))
                    leaves = either(leaves, Maybe);
            }
            tell(nameOf(t), leaves, leaves);
        }
        // Of two that meet, the one whose words ran out of its box; both
        // where neither or both did.
        auto pair = [&](qsizetype a, qsizetype c, Answer meets) {
            meets = orUnseen(meets, mayMeetUnseen(p, values, a, ink(p, c)) || mayMeetUnseen(p, values, c, ink(p, a)) ||
                                        (hidden(p, values, a) && hidden(p, values, c)));
            tell(nameOf(a), both(meets, notA(both(notA(outOfBox(p, values, a)), outOfBox(p, values, c)))));
            tell(nameOf(c), both(meets, notA(both(notA(outOfBox(p, values, c)), outOfBox(p, values, a)))));
        };
        // What the design's own words lay over a picture is the user's doing.
        const QStringList& shown = b_.rows.value(0);
        for (qsizetype t = 0; t < texts(); ++t) {
            for (qsizetype u = t + 1; u < texts(); ++u)
                pair(t, u, beyond(mostOverlap(p.words.at(t), p.words.at(u)), Meet, WordsUnsure));
            if (b_.picture)
                tell(nameOf(t), both(orUnseen(overPicture(p, p.words.at(t)), mayMeetUnseen(p, values, t, {*b_.picture})),
                                     notA(orUnseen(overPicture(d_, d_.words.at(t)), mayMeetUnseen(d_, shown, t, {*b_.picture})))));
            if (b_.barcodeColumn > 0)
                pair(t, texts(), both(beyond(mostOverlap(p.words.at(t), p.bars), Meet, Pixel),
                                      notA(orUnseen(beyond(mostOverlap(d_.words.at(t), d_.bars), Meet, Pixel),
                                                    mayMeetUnseen(d_, shown, t, d_.bars)))));
        }
        if (b_.barcodeColumn > 0 && !values.value(b_.barcodeColumn - 1).isEmpty()) {
            // Bars on the outermost pixels are cut, and none seen are wholly
            // past the edge; bars near it may go on past it, where no page
            // shows them.
            const Answer cut = p.bars.isEmpty() || nearEdge(p.bars, Pixel) ? Yes : nearEdge(p.bars, WidestGap) ? Maybe : No;
            tell(nameOf(texts()), cut, cut);
            if (b_.picture)
                tell(nameOf(texts()), both(overPicture(p, p.bars), notA(overPicture(d_, d_.bars))));
        }
        return expected;
    }

private:
    qsizetype texts() const { return b_.texts.size(); }  // the barcode's index
    QString nameOf(qsizetype t) const {
        return b_.titles.at((t == texts() ? b_.barcodeColumn : b_.texts.at(t).column) - 1);
    }
    const QList<QRectF>& ink(const Printed& on, qsizetype t) const { return t == texts() ? on.bars : on.words.at(t); }
    // Words past the page's edge that poppler does not read (their foot
    // past it): they reach into the page by their height at most, and
    // where they are is not known.
    bool hidden(const Printed& on, const QStringList& shown, qsizetype t) const {
        return t < texts() && on.letters.at(t).size() < lettersOf(shown.value(b_.texts.at(t).column - 1)).size();
    }
    bool nearEdge(const QList<QRectF>& rects, double by) const {
        const QRectF inside = page_.adjusted(by, by, -by, -by);
        return std::any_of(rects.cbegin(), rects.cend(), [&inside](const QRectF& r) { return !inside.contains(r); });
    }
    bool mayMeetUnseen(const Printed& on, const QStringList& shown, qsizetype t, const QList<QRectF>& what) const {
        return hidden(on, shown, t) && nearEdge(what, heights_.at(t) + 1);
    }
    static Answer orUnseen(Answer a, bool unseen) { return unseen ? either(a, Maybe) : a; }
    Answer outOfBox(const Printed& p, const QStringList& values, qsizetype t) const {
        if (t == texts())
            return beyond(pastBox(p.bars, barcodeBox_), Meet, Pixel);
        // Unseen words of a box on the page are out of it.
        const QRectF& box = b_.texts.at(t).box;
        const Answer seen = beyond(pastBox(p.words.at(t), box), Meet, WordsUnsure);
        return !hidden(p, values, t) ? seen : page_.contains(box) ? Yes : either(seen, Maybe);
    }
    // Where the barcode's white covers part of the picture, the picture
    // seen and the picture put there may tell apart.
    Answer overPicture(const Printed& on, const QList<QRectF>& what) const {
        const Answer seen = beyond(mostOverlap(what, {on.picture}), Meet, Pixel);
        return seen == beyond(mostOverlap(what, {*b_.picture}), Meet, Pixel) ? seen : Maybe;
    }

    const RandomBatch& b_;
    const Printed& d_;
    QRectF barcodeBox_;
    const QList<double>& heights_;
    QRectF page_;
};

class RandomBatchesTest : public ProductionTest, public ::testing::WithParamInterface<int> {
protected:
    // The design of `b` on the card, and the workbook in the Excel table.
    void lay(const RandomBatch& b) {
        w().document()->Set_Document_Size(b.card);
        ::Card_Shape = 0;
        clearTable();
        for (const QString& t : b.titles)
            Data_From_Excel::defaultInstance()->addDataColumn(t);
        for (const QStringList& r : b.rows)
            Data_From_Excel::defaultInstance()->Create_List_By_Array(r, int(b.titles.size()));
        setSides(designOf(b, data.filePath(QStringLiteral("picture.png")), [this](SKTGraphic& g, const QString& value) {
            g.barcode_font_index = BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
            g.show_hide_hdr = g.show_hide_ftr = 1;
            g.linear_width_val = 10;
            g.Set_Barcode_image(producer.produceBarcode(g, value, QString(), QString()));
            SideGraphicsModel::refitBarcode(&g);
        }));
        heights_.clear();
        for (const RandomText& t : b.texts) {
            const std::shared_ptr<SKTGraphic> probe = makeGraphic(GraphicKind::Text);
            probe->text_ctrl_font.setPointSizeF(t.points);
            probe->Set_text_value(QStringLiteral("Xg"));
            probe->setBounds(QRectF(0, 0, 500, 100));
            heights_ << printedWordBoxes(*probe).value(0).height();
        }
    }

    // The card's words set to the texts that print them: by the card's
    // values, and by height where more than one holds a word.
    Printed read(const RandomBatch& b, const QStringList& values, const QString& pdf) const {
        Printed p;
        p.words.resize(b.texts.size());
        p.letters.resize(b.texts.size());
        for (const PdfWord& word : pdfWords(pdf)) {
            const QString text = QTextDocumentFragment::fromHtml(word.text).toPlainText();
            qsizetype best = -1;
            for (qsizetype t = 0; t < b.texts.size(); ++t) {
                if (!lettersOf(values.value(b.texts.at(t).column - 1)).contains(lettersOf(text)))
                    continue;
                if (best < 0 || std::abs(word.box.height() - heights_.at(t)) < std::abs(word.box.height() - heights_.at(best)))
                    best = t;
            }
            if (best < 0) {
                p.strays << text;
                continue;
            }
            p.words[best] << word.box;
            p.letters[best] += lettersOf(text);
        }
        return p;
    }

    // The bars and the picture of each page as Ghostscript draws them
    // without their text.
    void readPictures(const RandomBatch& b, QList<Printed>& printed, const QStringList& pdfs) const {
        const QList<QImage> pages = pdfPagesWithoutText(pdfs, Dpi);
        ASSERT_EQ(pages.size(), printed.size());
        for (qsizetype n = 0; n < printed.size(); ++n) {
            const QImage& page = pages.at(n);
            Printed& p = printed[n];
            QRect picture;
            for (int y = 0; y < page.height(); ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
                for (int x = 0; x < page.width();) {
                    const QColor c(line[x]);
                    if (b.picture && std::abs(c.red() - b.pictureColour.red()) + std::abs(c.green() - b.pictureColour.green()) +
                                             std::abs(c.blue() - b.pictureColour.blue()) < 60)
                        picture |= QRect(x, y, 1, 1);
                    if (qGray(line[x]) >= 100) {
                        ++x;
                        continue;
                    }
                    int end = x;
                    while (end < page.width() && qGray(line[end]) < 100)
                        ++end;
                    p.bars << QRectF(x * Pixel, y * Pixel, (end - x) * Pixel, Pixel);
                    x = end;
                }
            }
            if (!picture.isEmpty())
                p.picture = QRectF(picture.x() * Pixel, picture.y() * Pixel, picture.width() * Pixel, picture.height() * Pixel);
        }
    }

    // Left to be opened where a seed fails: the design, the workbook and
    // the PDFs.
    QString leave(const RandomBatch& b, const QStringList& pdfs) {
        const QString test = QStringLiteral("RandomBatches");
        const QString did = failurePath(test, b.seed, QStringLiteral(".did"));
        DesignFile::writeDesignFile(did, w().currentDesignContents(), QStringLiteral("L"));
        SpreadsheetWriter::WriteWorkbook(failurePath(test, b.seed, QStringLiteral(".xlsx")), QList<QStringList>{b.titles} + b.rows);
        const QString folder = failurePath(test, b.seed, QStringLiteral("-pdf"));
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        for (const QString& pdf : pdfs)
            QFile::copy(pdf, folder + u'/' + QFileInfo(pdf).fileName());
        return did;
    }

    QList<double> heights_;  // by text: the height of its words
};

TEST_P(RandomBatchesTest, TheCardsNamedAreThoseWhosePrintedWordsMeetLieOverAPictureOrLeaveTheCard) {
    const QList<std::uint32_t> seeds = seedsToRun(Batches);
    int checked = 0, named = 0, unsure = 0;
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        // A seed replayed alone runs once.
        if (seeds.size() > 1 ? i % Shards != GetParam() : GetParam() != 0)
            continue;
        const RandomBatch b = drawBatch(seeds.at(i));
        SCOPED_TRACE(b.describe().toStdString());
        lay(b);
        QRectF barcodeBox;
        for (const auto& g : w().Get_Front_Controls_Array())
            if (isExactlyBarcode(g.get()))
                barcodeBox = g->bounds().normalized();

        // The design, and each card as the export writes it.
        const QString folder = data.filePath(QStringLiteral("seed-%1").arg(b.seed));
        QDir().mkpath(folder);
        const QString designPdf = folder + QStringLiteral("/design.pdf");
        const SideSnapshot design = w().designSide(0);
        writeBytes(designPdf, SKTRenderingView(design.cardRect, design, QStringLiteral("t")).dataWithPDFInsideRect(design.cardRect));
        Player player;
        player.folder = folder;
        player.setUp = Player::frontsAsPdf;
        w().Export_Button();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w().exportRunning(); }, 120000));
        const ToldCards told = cardsToldIn(player.afterExportMessage);

        QStringList pdfs{designPdf};
        QList<Printed> printed{read(b, b.rows.value(0), designPdf)};
        for (int card = 1; card <= b.rows.size(); ++card) {
            pdfs << QStringLiteral("%1/%2/Card_%3_Front.PDF").arg(folder, ExportBatchJob::FolderName).arg(card);
            printed << read(b, b.rows.at(card - 1), pdfs.last());
        }
        readPictures(b, printed, pdfs);
        const Reading reading(b, printed.first(), barcodeBox, heights_);

        // What the message tells of each card against what its PDF shows;
        // past the tenth card told of, cards are only counted.
        QStringList failures;
        const int lastTold = told.isEmpty() ? 0 : told.lastKey();
        int surelyMore = 0, perhapsMore = 0;
        for (int card = 1; card <= b.rows.size(); ++card) {
            const Printed& p = printed.at(card);
            if (!p.strays.isEmpty())
                failures << QStringLiteral("card %1: words no text holds: %2").arg(card).arg(p.strays.join(u' '));
            const Expected expected = reading.of(p, b.rows.at(card - 1));
            if (told.size() == LinesNamedAtMost && card > lastTold) {
                const auto wrongs = [&expected](Answer a) {
                    return std::any_of(expected.cbegin(), expected.cend(), [a](const auto& e) { return e.first >= a; });
                };
                surelyMore += wrongs(Yes) ? 1 : 0;
                perhapsMore += wrongs(Maybe) ? 1 : 0;
                continue;
            }
            const QMap<QString, ReadsWrong> toldOf = told.value(card);
            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                const auto [wrong, leaves] = it.value();
                unsure += wrong == Maybe ? 1 : 0;
                if (wrong == Yes && !toldOf.contains(it.key()))
                    failures << QStringLiteral("card %1: %2 reads wrong and is not named").arg(card).arg(it.key());
                if (wrong == No && toldOf.contains(it.key()))
                    failures << QStringLiteral("card %1: %2 is named but reads right").arg(card).arg(it.key());
                if (toldOf.contains(it.key()) && leaves != Maybe &&
                    (toldOf.value(it.key()) == ReadsWrong::LeavesTheCard) != (leaves == Yes))
                    failures << QStringLiteral("card %1: %2 is told %3")
                                    .arg(card)
                                    .arg(it.key(), leaves == Yes ? "not to leave the card" : "to leave the card");
            }
            for (const QString& name : toldOf.keys())
                if (!expected.contains(name))
                    failures << QStringLiteral("card %1: %2 is named, which is on no card").arg(card).arg(name);
            ++checked;
            named += toldOf.isEmpty() ? 0 : 1;
        }
        if (const int more = moreCardsTold(player.afterExportMessage); more < surelyMore || more > perhapsMore)
            failures << QStringLiteral("%1 more cards told of, where %2 to %3 read wrong").arg(more).arg(surelyMore).arg(perhapsMore);
        if (!failures.isEmpty())
            ADD_FAILURE() << "seed " << b.seed << " (replay with ZELK_RANDOM_SEED=" << b.seed << "), left at "
                          << qPrintable(leave(b, pdfs)) << ":\n"
                          << qPrintable(failures.join(u'\n')) << "\n" << qPrintable(player.afterExportMessage);
    }
    std::cout << "[ shard " << GetParam() << " ] " << checked << " cards, " << named << " named, " << unsure
              << " answers the PDFs cannot tell\n";
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomBatchesTest, ::testing::Range(0, Shards));

}  // namespace
}  // namespace zelk::test
