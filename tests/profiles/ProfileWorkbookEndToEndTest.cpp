// The road a user takes to bind a workbook of card holders: chosen in the
// side profile dialog, profile slots on its columns, a text and a Code 128
// bound through the inspector's "Excel" source, the batch exported as PDF.
// Checked with outside tools only: pdftotext reads each card's values,
// pdftoppm rasterises it for zxing-cpp and for a pixel sample of the photo.
#include "ProfileTestSupport.h"

#include "../production/ExportTestSupport.h"

#include "BarcodeDecode.h"
#include "HolderFields.h"
#include "PdfWords.h"
#include "barcode/BarcodeStepper.h"
#include "barcode/Barcode_Gen.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "mainwindow/HubBarcodeDataSource.h"
#include "production/ExportBatchJob.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace zelk::test {
namespace {

constexpr int Holders = 200;

QString nameOf(int i) {
    static const QStringList first = {QStringLiteral("Zoë Ångström"), QStringLiteral("Иван Петров"),
                                      QStringLiteral("王小明"), QStringLiteral("José Núñez")};
    return QStringLiteral("%1 %2").arg(first.at(i % first.size())).arg(i + 1);
}
QString idOf(int i) { return QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0')); }
QString codeOf(int i) { return QStringLiteral("ZK%1").arg(i + 1, 5, 10, QLatin1Char('0')); }
// A colour of its own for each holder's photo.
QRgb colourOf(int i) { return qRgb(30 + (i % 10) * 22, 20 + (i / 10) * 11, 128); }

QString withoutSpaces(QString s) {
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

class ProfileWorkbookEndToEnd : public ProfileDialogTest {
protected:
    // The batch exported as PDF, a file per card's front, into the folder
    // returned.
    QDir exportFrontsAsPdf() {
        ::CARD_SIDE_STR = QStringLiteral("1");
        Player player;
        player.folder = data.path();
        player.setUp = Player::frontsAsPdf;
        window->Export_Button();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->exportRunning(); }, 600000));
        return QDir(data.filePath(ExportBatchJob::FolderName));
    }
};

TEST_F(ProfileWorkbookEndToEnd, TwoHundredCardHoldersExportedAsPdf) {
    CardFace::install();
    BarcodeGenProducer producer;
    window->setBarcodeProducer(&producer);

    // The workbook and its photos beside it, named relative to it.
    const QString folder = data.filePath("holders");
    ASSERT_TRUE(QDir().mkpath(folder + "/photos"));
    QStringList rows;
    for (int i = 0; i < Holders; ++i) {
        QImage photo(60, 76, QImage::Format_RGB32);
        photo.fill(colourOf(i));
        ASSERT_TRUE(photo.save(QStringLiteral("%1/photos/p%2.png").arg(folder).arg(i + 1)));
        rows << QStringLiteral("[%1, %2, %3, %4]")
                    .arg(QStringLiteral("\"%1\"").arg(nameOf(i)), QStringLiteral("\"%1\"").arg(idOf(i)),
                         QStringLiteral("\"%1\"").arg(codeOf(i)), QStringLiteral("\"photos/p%1.png\"").arg(i + 1));
    }
    const QString book =
        workbook("holders/holders.xlsx", "[[\"Name\", \"ID\", \"Code\", \"Photo\"], " + rows.join(", ") + "]");

    // The side dialog: the workbook, then name, number and photo on its columns.
    Show_User_Profile* d = Show_User_Profile::defaultInstance();
    importColumns = {0, 1, 2, 3};
    nextOpenPath = book;
    play = [&](QDialog* dialog) {
        if (dialog != d)
            return 0;
        d->Browse_excel_Btn_Clicked();
        EXPECT_EQ(d->excel_path_field->text(), book);
        const std::pair<int, int> bindings[] = {{SlotName, 1}, {SlotUnique, 2}, {SlotPhoto, 4}};
        for (const auto& [slot, column] : bindings) {
            rowOf(d, slot).ds_combo->setCurrentIndex(2);
            rowOf(d, slot).ser_col_cb->setCurrentIndex(column);
        }
        EXPECT_EQ(rowOf(d, SlotName).value->text(), nameOf(0));
        EXPECT_EQ(d->image_path_val->text(), QDir(folder).filePath("photos/p1.png"));
        d->OK_Btn_Clicked();
        return d->result();
    };
    window->User_Profile_Button_Clicked();
    ASSERT_TRUE(::Excel_Binding_Use);
    ASSERT_EQ(tableRows().size(), Holders);
    SKTGraphicView* front = window->_graphicView;
    const auto photo = front->Selcect_Ctrl_With_ID(Fup_Photo);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->excel_col_indx, 4);
    ASSERT_EQ(window->Data_source_type->count(), 3);  // the inspector offers "Excel" now

    // A text of the design bound through the inspector's "Excel" source, and
    // a Code 128 bound in the barcode window that the inspector opens.
    auto codeText = makeGraphic(GraphicKind::Text);
    codeText->Set_text_value(QStringLiteral("code"));
    codeText->setBounds(QRectF(85, 125, 70, 20));
    front->mutableGraphics().prepend(codeText);
    front->setSelectionIndexes({0});
    front->setSelected_Graphic(codeText);
    window->Data_source_type->setCurrentIndex(2);
    window->Batch_Series->setCurrentIndex(3);
    ASSERT_EQ(codeText->data_source_type, DataSourceType::ExcelColumn);
    ASSERT_EQ(codeText->excel_col_indx, 3);
    EXPECT_EQ(codeText->Text_Value, codeOf(0));

    auto code = makeGraphic(GraphicKind::Barcode);
    code->setBounds(QRectF(90, 62, 140, 40));
    code->bar_image_ctrl_bounds = code->bounds();
    front->mutableGraphics().prepend(code);
    front->setSelectionIndexes({0});
    front->setSelected_Graphic(code);
    HubBarcodeDataSource barcodeData;
    Barcode_Gen::setDataSource(&barcodeData);
    bool barcodeWindow = false;
    play = [&](QDialog* dialog) {
        auto* w = qobject_cast<Barcode_Gen*>(dialog);
        if (!w)
            return 0;
        barcodeWindow = true;
        w->barcodeTypePopup->setCurrentIndex(w->barcodeTypePopup->findText(QStringLiteral("Code 128")));
        w->Data_source_type->setCurrentIndex(w->Data_source_type->findText(QStringLiteral("Excel")));
        w->Batch_Series->setCurrentIndex(3);
        w->widthStepper->setValue(10);  // narrow enough for its quiet zones to fit the card
        w->OK_Btn_Clicked();
        return w->result();
    };
    window->View_barcode_prop_Button();
    ASSERT_TRUE(barcodeWindow);
    ASSERT_EQ(code->data_source_type, DataSourceType::ExcelColumn);
    ASSERT_EQ(code->excel_col_indx, 3);
    front->Clear_Control_Selection();

    const QDir out = exportFrontsAsPdf();

    int decoded = 0, photos = 0, texts = 0;
    for (int i = 0; i < Holders; ++i) {
        SCOPED_TRACE(i);
        const QString pdf = out.filePath(QStringLiteral("Card_%1_Front.PDF").arg(i + 1));
        ASSERT_TRUE(QFile::exists(pdf));
        // Compatibility forms folded: the CJK font maps some ideographs to
        // their radicals (小 read as U+2F29).
        const QString page = withoutSpaces(
            QString::fromUtf8(runTool("pdftotext", {pdf, "-"}).out).normalized(QString::NormalizationForm_KC));
        const bool allTexts = page.contains(withoutSpaces(nameOf(i))) && page.contains(idOf(i)) &&
                              page.contains(codeOf(i)) && !page.contains(codeOf((i + 1) % Holders));
        EXPECT_TRUE(allTexts) << page.toStdString();
        texts += allTexts;

        // 300 dpi: 300 / 72 pixels per point.
        const QString png = data.filePath("page");
        ASSERT_EQ(runTool("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, png}).exitCode, 0);
        const QImage raster(png + ".png");
        ASSERT_FALSE(raster.isNull());
        const auto barcode = zxingDecode(raster, "Code128");
        EXPECT_TRUE(barcode && barcode->text == codeOf(i));
        decoded += barcode && barcode->text == codeOf(i);

        // The photo's centre: (12 + 30, 22 + 36) points.
        const QColor sample = raster.pixelColor(qRound(42 * 300 / 72.0), qRound(58 * 300 / 72.0));
        const QColor want = QColor::fromRgb(colourOf(i));
        const bool near = std::abs(sample.red() - want.red()) <= 4 && std::abs(sample.green() - want.green()) <= 4 &&
                          std::abs(sample.blue() - want.blue()) <= 4;
        EXPECT_TRUE(near) << sample.name().toStdString() << " for " << want.name().toStdString();
        photos += near;
    }
    EXPECT_EQ(texts, Holders);
    EXPECT_EQ(decoded, Holders);
    EXPECT_EQ(photos, Holders);
}

// Workbooks of card holders whose columns run from short values to long
// ones, on a blank card: name, title, company and number bound to the
// columns, each with its caption.
struct Batch {
    const char* name;
    QList<QStringList> rows;  // a holder's name, title, company and number
};
void PrintTo(const Batch& b, std::ostream* os) { *os << b.name; }

// Values of 1 to 30 characters.
QList<QStringList> twelveShortAndLong() {
    const QStringList names = {"Al", "Bo Li", "Ana Ruiz", "Zoë Ångström", "Ingrid Bergström", "Maximilian Ober",
                               "Jo", "Oluwaseun Bartholomew-Achter", "Li", "Katarzyna Wiśniewska", "Ed Ng",
                               "Hannah Montgomery-Whitfield"};
    const QStringList departments = {"R", "HR", "Finance", "Night Logistics Dispatch", "IT", "Sales",
                                     "Research and Development EMEA", "Ops", "Legal", "QA", "Facilities", "PR"};
    QList<QStringList> rows;
    for (int i = 0; i < 12; ++i)
        rows << QStringList{names.at(i), departments.at(i), QString(i + 1, QChar(u'1' + i % 9)),
                            QStringLiteral("EMP-%1").arg(QString(i * 2, QLatin1Char('7')) + QString::number(i))};
    return rows;
}

// Nineteen rows of one to three letters but for a name of 32 characters, a
// title of 48 and a company of 80, which take one, five and five lines.
QList<QStringList> fewLongAmongShortOnes() {
    const QStringList names = {"Å", "Bo", "Ngozi Adaeze Okonkwo-Fairweather", "Ed", "Zoë", "Iv", "Mo", "Kai"};
    const QStringList titles = {"PI", "QA", "Head of Cryogenic Beamline Operations and Safety", "R", "HR", "IT", "Dev"};
    const QStringList companies = {"Co", "ZK", "Acme", "Northern Lights Synchrotron Research Consortium for Cryogenic Beamline Studies"};
    QList<QStringList> rows;
    for (int i = 0; i < 19; ++i)
        rows << QStringList{names.at(i % names.size()), titles.at(i % titles.size()),
                            companies.at(i % companies.size()), QStringLiteral("N-%1").arg(i + 1)};
    return rows;
}

// Sixteen names of 16 narrow characters and one of 15 capitals, drawn
// twice as wide.
QList<QStringList> wideNameAmongLongerOnes() {
    QList<QStringList> rows;
    for (int i = 0; i < 17; ++i)
        rows << QStringList{i == 9 ? "MWAMBWEMBWA WOM" : "Lili Fijl-Itilli", "Fitter", "Tidal Crew",
                            QStringLiteral("T-%1").arg(i + 1)};
    return rows;
}

// Seventeen rows of short values but for a name, a title, a company and a
// number of 45 to 150 characters, for which the card's fields are laid out
// smaller than their own size: a short value would fit larger.
QList<QStringList> longestLaidOutSmaller() {
    QList<QStringList> rows;
    for (int i = 0; i < 17; ++i)
        rows << (i == 5 ? QStringList{"Ngozi Adaeze Okonkwo-Fairweather of the Northern Lights Synchrotron Guild",
                                      "Head of Cryogenic Beamline Operations, Safety and Outreach for the Northern Hemisphere Sites",
                                      "Northern Lights Synchrotron Research Consortium for Cryogenic Beamline Studies and Applied "
                                      "Accelerator Physics, Kiruna Campus, Building C",
                                      "N-2026-0457-QX9-NIGHTSHIFT-LOGISTICS-0042-B7X"}
                        : QStringList{"Bo", "QA", "Co", QStringLiteral("N-%1").arg(i + 1)});
    return rows;
}

double gapBetween(const QRectF& a, const QRectF& b) {
    return std::hypot(std::max({0.0, b.left() - a.right(), a.left() - b.right()}),
                      std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()}));
}

class ShortAndLongValues : public ProfileWorkbookEndToEnd, public ::testing::WithParamInterface<Batch> {};

// Every card of the batch, read from its PDF, holds its row's values
// whole; no two of its words meet; each value starts beside its own
// caption (after it on its line, or under its start), the caption nearest
// it; and a column's values are all drawn at one size: its box, laid out
// for the widest drawn, holds each at its own.
TEST_P(ShortAndLongValues, EachCardWholeBesideItsCaptions) {
    CardFace::install();
    const QList<QStringList>& cards = GetParam().rows;
    QStringList rows;
    for (const QStringList& c : cards)
        rows << QStringLiteral("[\"%1\"]").arg(c.join("\", \""));
    const QString book =
        workbook("batch.xlsx", "[[\"Name\", \"Title\", \"Company\", \"Number\"], " + rows.join(", ") + "]");

    struct Field {
        int slot;
        QString valueId, captionId;
    };
    const QList<Field> fields = {{SlotName, Fup_Name, Fup_lbl_Name},
                                 {SlotTitle, Fup_Title, Fup_lbl_Title},
                                 {SlotCompany, Fup_Company, Fup_lbl_Company},
                                 {SlotUnique, Fup_UniqueNo, Fup_lbl_UniqueNo}};
    Show_User_Profile* d = Show_User_Profile::defaultInstance();
    importColumns = {0, 1, 2, 3};
    nextOpenPath = book;
    play = [&](QDialog* dialog) {
        if (dialog != d)
            return 0;
        d->Browse_excel_Btn_Clicked();
        for (int column = 1; const Field& f : fields) {
            rowOf(d, f.slot).value_chk->setChecked(true);
            d->Value_Chk_Clicked(f.slot);
            rowOf(d, f.slot).label_chk->setChecked(true);
            d->Label_Chk_Clicked(f.slot);
            rowOf(d, f.slot).ds_combo->setCurrentIndex(2);
            rowOf(d, f.slot).ser_col_cb->setCurrentIndex(column++);
        }
        d->OK_Btn_Clicked();
        return d->result();
    };
    window->User_Profile_Button_Clicked();
    ASSERT_EQ(tableRows().size(), cards.size());
    SKTGraphicView* front = window->_graphicView;
    const auto company = front->Selcect_Ctrl_With_ID(Fup_Company);
    ASSERT_TRUE(company && company->ctrl_is_visible);
    EXPECT_EQ(company->Text_Value, cards.first().at(2));  // the side shows the first row

    // The card the user sees and prints without the workbook: the design
    // itself, showing the first row.
    const QString design = data.filePath("design.pdf");
    {
        const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
        const GraphicList& graphics = front->graphics();
        writeBytes(design, SKTRenderingView(card,
                                            SideSnapshot::take(&graphics, &window->Front_card_Prop,
                                                               &window->Back_card_Prop, ::Card_Shape, 0, card),
                                            "t")
                               .dataWithPDFInsideRect(card));
    }
    const QDir out = exportFrontsAsPdf();
    QList<QList<double>> heights(fields.size());  // each column's words' height, card by card
    for (int at = -1; at < cards.size(); ++at) {
        const int i = std::max(at, 0);
        SCOPED_TRACE(at < 0 ? std::string("the design") : std::to_string(i));
        const QString pdf = at < 0 ? design : out.filePath(QStringLiteral("Card_%1_Front.PDF").arg(i + 1));
        ASSERT_TRUE(QFile::exists(pdf));
        const QString raw = withoutSpaces(
            QString::fromUtf8(runTool("pdftotext", {"-raw", pdf, "-"}).out).normalized(QString::NormalizationForm_KC));
        for (const QString& value : cards.at(i))
            EXPECT_TRUE(raw.contains(withoutSpaces(value))) << value.toStdString() << " in " << raw.toStdString();
        const QList<PdfWord> words = pdfWords(pdf);
        for (qsizetype a = 0; a < words.size(); ++a)
            for (qsizetype b = a + 1; b < words.size(); ++b) {
                const QRectF both = words.at(a).box & words.at(b).box;
                EXPECT_FALSE(both.width() > 0.1 && both.height() > 0.1)
                    << words.at(a).text.toStdString() << " meets " << words.at(b).text.toStdString();
            }

        // A field's words: those inside its box on the side, which every
        // card's value is drawn in.
        auto wordsOf = [&](const QString& id, QRectF* first = nullptr) {
            QRectF all;
            const auto g = front->Selcect_Ctrl_With_ID(id);
            for (const PdfWord& w : words)
                if (g && g->drawingBounds().adjusted(-1, -1, 1, 1).contains(w.box)) {
                    all |= w.box;
                    if (first && (first->isNull() || w.box.top() < first->top() - 1 ||
                                  (w.box.top() < first->bottom() && w.box.left() < first->left())))
                        *first = w.box;
                }
            return all;
        };
        for (qsizetype f = 0; f < fields.size(); ++f) {
            QRectF first;
            const QRectF value = wordsOf(fields.at(f).valueId, &first), caption = wordsOf(fields.at(f).captionId);
            ASSERT_FALSE(first.isNull() || caption.isNull()) << cards.at(i).at(f).toStdString();
            if (at >= 0)
                heights[f] << first.height();
            const std::string read = cards.at(i).at(f).toStdString() + " " + rectText(first).toStdString() +
                                     " beside " + rectText(caption).toStdString();
            const double em = first.height();
            const bool after = first.top() < caption.bottom() && first.bottom() > caption.top() &&
                               first.left() >= caption.right() - 0.5 && first.left() - caption.right() <= 1.5 * em;
            // Under it: its lines (centred, of which the widest starts
            // where the box does) from the caption's start.
            const bool under = first.top() >= caption.bottom() - 0.5 && first.top() - caption.bottom() <= em &&
                               std::abs(value.left() - caption.left()) <= em;
            EXPECT_TRUE(after || under) << read;
            for (const Field& other : fields) {
                EXPECT_LE(gapBetween(value, caption), gapBetween(value, wordsOf(other.captionId)))
                    << read << " nearer " << other.captionId.toStdString();
            }
        }
    }
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const auto [least, most] = std::minmax_element(heights.at(f).cbegin(), heights.at(f).cend());
        EXPECT_NEAR(*least, *most, 0.05) << fields.at(f).valueId.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Workbooks, ShortAndLongValues,
    ::testing::Values(Batch{"TwelveRowsOfShortAndLongValues", twelveShortAndLong()},
                      Batch{"FewLongAmongShortOnes", fewLongAmongShortOnes()},
                      Batch{"AWideNameAmongLongerWrittenOnes", wideNameAmongLongerOnes()},
                      Batch{"ShortValuesOfAColumnLaidOutSmaller", longestLaidOutSmaller()}),
    [](const ::testing::TestParamInfo<Batch>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test
