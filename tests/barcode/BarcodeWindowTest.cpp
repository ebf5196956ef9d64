// The barcode settings window played through the dialog runner: what it
// offers, the data-source and series rules, refusals at OK, the control
// rules, and what OK and Cancel hand back.
#include "BarcodeDecode.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "../foundation/GraphicTestSupport.h"

#include "barcode/BarcodeDataSource.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeStepper.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/Barcode_Gen.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "TestServices.h"
#include "dialogs/Long_SMS_Dlg.h"
#include "foundation/Codes.h"
#include "platform/MessageSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <optional>
#include <functional>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

class FakeSource : public BarcodeDataSource {
public:
    bool visitor = false;
    bool excel = false;
    QStringList names;
    QMap<QString, QString> firstLines;
    QStringList columns;
    QStringList firstRow;
    QStringList viewed;

    bool visitorMode() const override { return visitor; }
    bool excelBindingInUse() const override { return excel; }
    QStringList seriesNames() const override { return names; }
    QString firstValueOfSeries(const QString& name) const override { return firstLines.value(name); }
    QStringList excelColumnTitles() const override { return columns; }
    QString firstValueOfExcelColumn(int column) const override { return firstRow.value(column); }
    void viewSeries(const QString& name) override { viewed << name; }
    void viewExcelTable() override { viewed << QStringLiteral("(table)"); }
};

std::shared_ptr<SKTGraphic> barcodeGraphic(const QString& title, const QString& value) {
    auto g = makeGraphic(GraphicKind::Barcode);
    g->barcode_font_index = BarcodeSymbologies::indexOf(title);
    g->linear_or_2d = BarcodeSymbologies::isTwoD(title) ? 1 : 0;
    g->linear_font_val = g->two_d_font_val = value;
    return g;
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void select(QComboBox* combo, const QString& text) {
    const int at = combo->findText(text);
    ASSERT_NE(at, -1) << text.toStdString();
    combo->setCurrentIndex(at);
}

class BarcodeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Barcode_Gen::setDataSource(&source);
        services_.emplace(zelk::test::changed([this](zelk::Services& s) {
            s.showMessage = [this](MessageButtons buttons, const QString& text) {
                shown << text.trimmed();
                return MessageSink::safeAnswer(buttons);
            };
        }));
    }
    void TearDown() override {
        services_.reset();
        Barcode_Gen::setDataSource(nullptr);
    }
    std::optional<zelk::test::ScopedServices> services_;
    // Opens the window on the graphic and lets `play` be the user, who ends
    // with OK or Cancel; the long-text box is read and confirmed.
    std::shared_ptr<SKTGraphic> open(const SKTGraphic& g, const std::function<void(Barcode_Gen&)>& play) {
        zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
            if (auto* box = qobject_cast<Long_SMS_Dlg*>(d)) {
                helpTitles << box->_Msg_Title->text();
                box->OKPressed();
                return 1;
            }
            auto* w = qobject_cast<Barcode_Gen*>(d);
            w->setResult(-1);
            play(*w);
            return w->result();
        });
        return Barcode_Gen::defaultInstance()->Open_Wnd(g);
    }
    FakeSource source;
    QStringList shown;
    QStringList helpTitles;
};

}  // namespace

TEST_F(BarcodeWindowTest, DataSourcesOffered) {
    const struct {
        bool visitor, excel;
        QStringList items;
    } cases[] = {
        {false, false, {"Manual", "Series"}},
        {false, true, {"Manual", "Series", "Excel"}},
        {true, true, {"Manual"}},
    };
    auto g = barcodeGraphic(QStringLiteral("Code 39"), QStringLiteral("A1"));
    for (const auto& c : cases) {
        source.visitor = c.visitor;
        source.excel = c.excel;
        open(*g, [&](Barcode_Gen& w) {
            EXPECT_EQ(itemsOf(w.Data_source_type), c.items);
            EXPECT_EQ(w.Batch_Series->isHidden(), c.visitor);
            EXPECT_EQ(w.view_series_btn->isHidden(), c.visitor);
            w.Cancel_Btn_Clicked();
        });
    }
}

TEST_F(BarcodeWindowTest, SeriesAndColumnsGiveTheValue) {
    source.names = {"Guests", "Staff"};
    source.firstLines = {{"Guests", "G-001"}, {"Staff", "S-042"}};
    auto gone = barcodeGraphic(QStringLiteral("Code 128"), QStringLiteral("OLD"));
    gone->Set_Data_source_type(DataSourceType::Series);
    gone->batch_list_name = QStringLiteral("Gone");
    const auto confirmed = open(*gone, [&](Barcode_Gen& w) {
        // The series' file is gone: nothing chosen, nothing shown, no OK.
        EXPECT_EQ(w.Batch_Series->currentIndex(), -1);
        EXPECT_TRUE(w.previewImage().isNull());
        w.View_batch_Series_Button();
        w.OK_Btn_Clicked();
        EXPECT_EQ(shown, QStringList({"Please select the series.", "Please select valid Series / Excel Column."}));
        select(w.Batch_Series, QStringLiteral("Staff"));
        EXPECT_EQ(w.dataText->text(), QStringLiteral("S-042"));
        EXPECT_EQ(w.dataText_2D->toPlainText(), QStringLiteral("S-042"));
        EXPECT_FALSE(w.previewImage().isNull());
        w.View_batch_Series_Button();
        w.OK_Btn_Clicked();
    });
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(source.viewed, QStringList{"Staff"});
    EXPECT_EQ(confirmed->data_source_type, DataSourceType::Series);
    EXPECT_EQ(confirmed->batch_list_name, QStringLiteral("Staff"));
    EXPECT_EQ(confirmed->batch_list_index, 1);
    const auto decoded = zxingDecode(onWhite(Barcode_Gen::defaultInstance()->output_image), "Code128");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->text, QStringLiteral("S-042"));

    // A column's first cell; an empty one gives a single space.
    source.excel = true;
    source.columns = {"No", "Name", "Badge"};
    source.firstRow = {"1", "Ann", ""};
    auto manual = barcodeGraphic(QStringLiteral("Code 128"), QStringLiteral("KEEP"));
    const auto bound = open(*manual, [&](Barcode_Gen& w) {
        select(w.Data_source_type, QStringLiteral("Excel"));
        EXPECT_EQ(itemsOf(w.Batch_Series), source.columns);
        EXPECT_EQ(w.Batch_Series->currentIndex(), -1);
        w.Batch_Series->setCurrentIndex(2);
        EXPECT_EQ(w.dataText->text(), QStringLiteral(" "));
        w.Batch_Series->setCurrentIndex(1);
        EXPECT_EQ(w.dataText->text(), QStringLiteral("Ann"));
        w.OK_Btn_Clicked();
    });
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->data_source_type, DataSourceType::ExcelColumn);
    EXPECT_EQ(bound->excel_col_indx, 1);

    // "Series" without any series empties the values and binds nothing.
    source.names.clear();
    open(*manual, [&](Barcode_Gen& w) {
        select(w.Data_source_type, QStringLiteral("Series"));
        EXPECT_TRUE(w.dataText->text().isEmpty());
        EXPECT_TRUE(w.dataText_2D->toPlainText().isEmpty());
        EXPECT_EQ(w.pass_barcode_control->data_source_type, DataSourceType::Manual);
        w.Cancel_Btn_Clicked();
    });
}

TEST_F(BarcodeWindowTest, OkRefusesValuesWithoutAPicture) {
    const struct {
        const char* title;
        QString value;
        const char* why;
    } cases[] = {
        {"Code 128", QStringLiteral("Zelk\u00b742"), "not ASCII"},
        {"QR Code", QStringLiteral("caf\u00e9"), "not ASCII in 2D either"},
        {"Code 39", QStringLiteral("   "), "blank"},
        {"EAN-13", QStringLiteral("ABC"), "refused by the symbology"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        shown.clear();
        auto g = barcodeGraphic(QLatin1String(c.title), c.value);
        bool stayedOpen = false;
        const auto result = open(*g, [&](Barcode_Gen& w) {
            w.OK_Btn_Clicked();
            stayedOpen = w.result() == -1;
            w.Cancel_Btn_Clicked();
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_FALSE(result);
        EXPECT_EQ(shown, QStringList{"Invalid barcode value."});
    }
}

TEST_F(BarcodeWindowTest, SizeAndResolutionRules) {
    auto qr = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("ID-7"));
    qr->qr_size_val = 40;
    open(*qr, [&](Barcode_Gen& w) {
        // Version 10 has 21 + 4 × 9 = 57 modules a side.
        w.qr_version_ComboBox->setCurrentIndex(10);
        EXPECT_EQ(w.HeightStepper_2D->intValue(), 57);
        EXPECT_EQ(QR_Version_Val, 10);

        const struct {
            const char* item;
            int dpi;
        } items[] = {{"300", 300}, {"Auto", 600}};
        for (const auto& i : items) {
            select(w.DPI_ComboBox, QLatin1String(i.item));
            EXPECT_EQ(w.usedDpi, i.dpi) << i.item;
            EXPECT_TRUE(w.dpi_Stepper->isHidden());
        }
        w.dpi_Stepper->setValue(450);
        select(w.DPI_ComboBox, QStringLiteral("Custom"));
        EXPECT_FALSE(w.dpi_Stepper->isHidden());
        EXPECT_EQ(w.usedDpi, 450);
        w.dpi_Stepper->setValue(500);  // typed: waits for the arrows
        EXPECT_EQ(w.usedDpi, 450);
        w.dpi_Stepper->stepBy(1);
        EXPECT_EQ(w.usedDpi, 501);
        w.Cancel_Btn_Clicked();
    });

    // "C8X32" with 4-point modules needs 128 × 32 points; larger sizes stay,
    // and a typed module size raises nothing.
    auto dm = barcodeGraphic(QStringLiteral("DataMatrix"), QStringLiteral("ID-7"));
    dm->dm_module_val = 4;
    open(*dm, [&](Barcode_Gen& w) {
        w.dm_widthStepper_2D->setValue(100);
        w.dm_HeightStepper_2D->setValue(50);
        select(w.dm_format_ComboBox, QStringLiteral("C8X32"));
        EXPECT_EQ(w.dm_widthStepper_2D->intValue(), 128);
        EXPECT_EQ(w.dm_HeightStepper_2D->intValue(), 50);
        w.dm_moduleStepper_2D->setValue(6);
        EXPECT_EQ(w.dm_widthStepper_2D->intValue(), 128);
        w.dm_moduleStepper_2D->stepBy(1);
        EXPECT_EQ(w.dm_widthStepper_2D->intValue(), 224);
        EXPECT_EQ(w.dm_HeightStepper_2D->intValue(), 56);
        w.Cancel_Btn_Clicked();
    });
}

TEST_F(BarcodeWindowTest, TextAndSymbologyRules) {
    auto g = barcodeGraphic(QStringLiteral("Code 39"), QStringLiteral("A1"));
    g->two_d_font_val.clear();
    open(*g, [&](Barcode_Gen& w) {
        const QString sixty = QStringLiteral(" ") + QString(60, QLatin1Char('H'));
        w.HeaderText->clear();
        QTest::keyClicks(w.HeaderText, sixty);
        EXPECT_EQ(w.HeaderText->text(), QString(50, QLatin1Char('H')));
        const QString padded = QStringLiteral("  ") + QString(50, QLatin1Char('F')) + QStringLiteral(" ");
        w.FooterText->clear();
        QTest::keyClicks(w.FooterText, padded);
        EXPECT_EQ(w.FooterText->text(), padded);

        select(w.barcodeTypePopup, QStringLiteral("UPCA"));
        EXPECT_FALSE(w.kerning_value_Checkbox->isEnabled());
        select(w.barcodeTypePopup, QStringLiteral("Code 39"));
        EXPECT_TRUE(w.kerning_value_Checkbox->isEnabled());
        EXPECT_TRUE(shown.isEmpty());

        // Into 2D with no 2D value.
        select(w.barcodeTypePopup, QStringLiteral("QR Code"));
        EXPECT_EQ(shown, QStringList{"Please enter barcode value"});
        EXPECT_TRUE(w.previewImage().isNull());
        w.Cancel_Btn_Clicked();
    });
}

// The error line comes and goes while the user types; the fields under it
// stay where the user aims.
TEST_F(BarcodeWindowTest, TheErrorLineLeavesTheFieldsInPlace) {
    const struct {
        const char* title;
        const char* start;  // a value the symbology takes: no error line at first
        QString typed;
        bool error;
    } cases[] = {
        {"Code 128", "Z1", QStringLiteral("A\u00b7"), true},  // not ASCII
        {"EAN-13", "590123412345", QStringLiteral("ABC"), true},  // refused by the symbology
        {"Code 128", "Z1", QStringLiteral("A1"), false},
        {"QR Code", "Z1", QStringLiteral("caf\u00e9"), true},
        {"QR Code", "Z1", QStringLiteral("Zelk"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title + (" " + c.typed.toStdString()));
        auto g = barcodeGraphic(QLatin1String(c.title), QLatin1String(c.start));
        open(*g, [&](Barcode_Gen& w) {
            w.show();
            EXPECT_FALSE(w.barcode_error_label->isVisible());
            const bool twoD = BarcodeSymbologies::isTwoD(QLatin1String(c.title));
            QWidget* field = twoD ? static_cast<QWidget*>(w.dataText_2D) : w.dataText;
            auto place = [&] {
                QList<QPoint> at;
                for (QWidget* f : {static_cast<QWidget*>(w.Data_source_type), field, static_cast<QWidget*>(w.HeaderText)})
                    at << f->mapTo(&w, QPoint(0, 0));
                return at;
            };
            const QList<QPoint> before = place();
            if (twoD)
                w.dataText_2D->clear();
            else
                w.dataText->clear();
            for (const QChar ch : c.typed)  // key by key, as typed, beyond ASCII too
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QCoreApplication::processEvents();
            EXPECT_EQ(w.barcode_error_label->isVisible(), c.error);
            EXPECT_EQ(place(), before);
            w.hide();
            w.Cancel_Btn_Clicked();
        });
    }
}

TEST_F(BarcodeWindowTest, ConfirmedUnchangedKeepsEveryField) {
    source.names = {"A", "B", "C", "D", "Staff list"};
    for (const char* title : {"QR Code", "Code 128"}) {
        SCOPED_TRACE(title);
        auto g = makeFilledGraphic(GraphicKind::Barcode);
        g->barcode_font_index = BarcodeSymbologies::indexOf(QLatin1String(title));
        g->linear_or_2d = BarcodeSymbologies::isTwoD(QLatin1String(title)) ? 1 : 0;
        // A consistent binding: its series' first line is the value.
        g->Set_Data_source_type(DataSourceType::Series);
        g->linear_font_val = g->two_d_font_val;
        source.firstLines = {{"Staff list", g->two_d_font_val}};
        g->_fillColor = QColor(Qt::transparent);
        const auto confirmed = open(*g, [](Barcode_Gen& w) { w.OK_Btn_Clicked(); });
        ASSERT_TRUE(confirmed) << shown.join('|').toStdString();
        const auto target = g->clone();
        Barcode_Gen::copyConfirmedSettings(*confirmed, *target);
        EXPECT_TRUE(graphicsMatch(*g, *target));
        const auto decoded = zxingDecode(onWhite(Barcode_Gen::defaultInstance()->output_image),
                                         g->linear_or_2d ? "QRCode" : "Code128");
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->text, g->two_d_font_val);
    }
}

TEST_F(BarcodeWindowTest, OkMakesThePictureOfTheConfirmedSettings) {
    // Resolution changes leave the preview as it is; the confirmed picture
    // still has the confirmed resolution and alignment.
    auto g = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("ID-9"));
    QImage preview;
    const auto confirmed = open(*g, [&](Barcode_Gen& w) {
        select(w.DPI_ComboBox, QStringLiteral("150"));
        preview = w.previewImage();
        w.OK_Btn_Clicked();
    });
    ASSERT_TRUE(confirmed);
    const QImage picture = Barcode_Gen::defaultInstance()->output_image;
    EXPECT_EQ(picture.width(), pixelsForPoints(sizeInPoints(picture).width(), 150));
    EXPECT_NE(preview.width(), picture.width());
    EXPECT_EQ(BarcodeLimits::resolutionOf(confirmed->dpi_val_index, confirmed->dpi_custom_val), 150);
}

TEST_F(BarcodeWindowTest, CancelChangesNothing) {
    source.names = {"Staff"};
    auto g = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("ID-1"));
    const auto before = g->clone();
    const auto result = open(*g, [&](Barcode_Gen& w) {
        select(w.Data_source_type, QStringLiteral("Series"));
        w.Batch_Series->setCurrentIndex(0);
        w.transparent_bkgnd->click();
        w.Cancel_Btn_Clicked();
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(Barcode_Gen::defaultInstance()->output_image.isNull());
    EXPECT_TRUE(graphicsMatch(*before, *g));
}

TEST_F(BarcodeWindowTest, HelpButtonsOpenTheLongTextBox) {
    auto g = barcodeGraphic(QStringLiteral("QR Code"), QStringLiteral("ID-1"));
    open(*g, [&](Barcode_Gen& w) {
        for (QToolButton* b : w.findChildren<QToolButton*>())
            if (b->text() == QLatin1String("?"))
                b->click();
        w.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(helpTitles.size(), 8);
    EXPECT_EQ(QSet<QString>(helpTitles.begin(), helpTitles.end()).size(), 8);
    EXPECT_FALSE(helpTitles.contains(QString()));
}

TEST(BarcodePictureHelpers, ResizeKeepsHardEdgesAndSaveWritesAPng) {
    QImage checker(2, 2, QImage::Format_ARGB32);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 0, qRgb(255, 255, 255));
    checker.setPixel(0, 1, qRgb(255, 255, 255));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    const QImage big = Barcode_Gen::Resize_Image(checker, QSizeF(8.9, 8.2));
    ASSERT_EQ(big.size(), QSize(8, 8));
    // No interpolation: each source pixel becomes a 4 × 4 block of its colour.
    for (const QPoint p : {QPoint(3, 3), QPoint(4, 3), QPoint(3, 4), QPoint(7, 7)})
        EXPECT_EQ(big.pixel(p), checker.pixel(p.x() / 4, p.y() / 4)) << p.x() << "," << p.y();
    EXPECT_TRUE(Barcode_Gen::Resize_Image(QImage(), QSizeF(8, 8)).isNull());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bar.png"));
    ASSERT_TRUE(Barcode_Gen::Save_Barcode_image(big, path));
    const ToolResult identify = runTool(QStringLiteral("identify"), {QStringLiteral("-format"), "%m %w %h", path});
    EXPECT_EQ(identify.out, QByteArray("PNG 8 8")) << identify.err.constData();
    EXPECT_FALSE(Barcode_Gen::Save_Barcode_image(big, dir.filePath(QStringLiteral("missing/bar.png"))));
}
