// The card tabs writing the side's card properties, the card size, the
// background pictures and their gallery, and the card and binding combos.
#include "InspectorTestSupport.h"
#include "PageSetupHand.h"

#include "canvas/ToolKind.h"
#include "foundation/Units.h"
#include "canvas/ToolPalette.h"

#include "inspector/AlignPanel.h"
#include "inspector/BackgroundGallery.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/PanelKit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTableView>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace zelk::test {
namespace {

using K = GraphicKind;

TEST_F(InspectorTest, CardTabsWriteTheSideWithoutAnUndoStep) {
    CardPanel* c = p->card;
    const QColor red(200, 0, 0), green(0, 150, 0, 120);
    struct Case {
        const char* note;
        std::function<void()> set;
        std::function<void(const Card_Property&)> check;
    };
    const Case cases[] = {
        {"everything on; opacity 50 reaches the solid and hatch colours only; 45.7 degrees store 45",
         [&] {
             setQuietly(c->Card_border_chk, true);
             c->Card_bordr_clr->setColor(red);
             setQuietly(c->Card_bor_Stepper, 3);
             c->Card_border_style->setCurrentIndex(2);
             setQuietly(c->Card_Style_fill_rd, true);
             c->Card_fill_clr->setColor(red);
             c->Card_hatch_bk_clr->setColor(red);
             c->Card_fill_Grd_1_clr->setColor(green);
             setQuietly(c->Card_grad_Stepper, 45.7);
             setQuietly(c->Card_alpha_Stepper, 50);
             c->card_name->setText(QStringLiteral("  Staff\n"));
             setQuietly(c->enable_watermark_chk, true);
             c->watermark_text->setText(QStringLiteral("COPY"));
             setQuietly(c->wm_transp_slider, 40);
         },
         [&](const Card_Property& P) {
             EXPECT_TRUE(P.Card_border_chk);
             EXPECT_EQ(P.Card_bordr_clr, red);
             EXPECT_EQ(P.Card_bor_Stepper, 3);
             EXPECT_EQ(P.Card_border_style, QStringLiteral("DO"));
             EXPECT_EQ(P.Card_fill_style, QStringLiteral("H"));
             EXPECT_FLOAT_EQ(P.Card_alpha_Stepper, 0.5f);
             EXPECT_NEAR(P.Card_fill_clr.alphaF(), 0.5, 0.01);
             EXPECT_NEAR(P.Card_hatch_bk_clr.alphaF(), 0.5, 0.01);
             EXPECT_EQ(P.Card_fill_Grd_1_clr, green);
             EXPECT_EQ(P.Card_grad_Stepper, 45);
             EXPECT_EQ(P.Card_Name, QStringLiteral("Staff"));
             EXPECT_TRUE(P.Watermark_Used);
             EXPECT_EQ(P.Watermark_Text, QStringLiteral("COPY"));
             EXPECT_FLOAT_EQ(P.Watermark_Transp, 0.4f);
         }},
        {"border off keeps colour and width; no dash item keeps the code; a blank name is Untitled",
         [&] {
             setQuietly(c->Card_border_chk, false);
             c->Card_bordr_clr->setColor(green);
             setQuietly(c->Card_bor_Stepper, 9);
             c->Card_border_style->setCurrentIndex(-1);
             c->card_name->setText(QStringLiteral(" \t "));
         },
         [&](const Card_Property& P) {
             EXPECT_FALSE(P.Card_border_chk);
             EXPECT_EQ(P.Card_bordr_clr, red);
             EXPECT_EQ(P.Card_bor_Stepper, 3);
             EXPECT_EQ(P.Card_border_style, QStringLiteral("DO"));
             EXPECT_EQ(P.Card_Name, QStringLiteral("Untitled"));
             EXPECT_EQ(P.Card_Cat_index, -1);
             EXPECT_EQ(P.Card_Sub_Category, QString());
         }},
    };
    const int steps = undoSteps();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.note);
        k.set();
        w->Update_Card_Graphics();
        k.check(w->Front_card_Prop);
        EXPECT_EQ(w->Back_card_Prop.Card_Name, w->Front_card_Prop.Card_Name);
    }
    EXPECT_EQ(undoSteps(), steps);
}

TEST_F(InspectorTest, CardSizeMovesBothSidesAndContentFontSparesColoursAndLockedTexts) {
    CardPanel* c = p->card;
    auto front = add(K::Text, QRectF(10, 20, 40, 10));
    auto locked = add(K::Text, QRectF(10, 40, 40, 10));
    locked->ctrl_is_locked = true;
    front->txt_clr = QColor(0, 0, 200);
    auto back = makeGraphic(K::Shape);
    back->_bounds = QRectF(30, 30, 20, 20);
    w->_graphicView_BACK->mutableGraphics().append(back);
    w->Show_RHS_Properties(nullptr);

    // 85.6 x 54 mm: each length x 2.834645669291 (single precision).
    setQuietly(c->width_Stepper, 85.6);
    setQuietly(c->height_Stepper, 54.0);
    w->Apply_Size_Clicked();
    EXPECT_NEAR(w->_graphicView->canvasSize().width(), 242.646, 0.001);
    EXPECT_NEAR(w->_graphicView->canvasSize().height(), 153.071, 0.001);
    // Twice the size: both sides' graphics double (a typed size waits for Apply).
    setQuietly(c->width_Stepper, 171.2);
    c->height_Stepper->setValue(108.0);
    EXPECT_NEAR(w->_graphicView->canvasSize().height(), 153.071, 0.001);
    c->height_Stepper->stepBy(1);
    c->height_Stepper->stepBy(-1);
    EXPECT_NEAR(front->_bounds.x(), 20, 0.01);
    EXPECT_NEAR(back->_bounds.width(), 40, 0.01);
    EXPECT_NEAR(w->Front_card_Prop.Card_Size.width(), 485.29, 0.01);

    const QFont before = locked->text_ctrl_font;
    QFont bigger = front->text_ctrl_font;
    bigger.setPointSizeF(bigger.pointSizeF() + 7);
    w->changeAllTextFont(bigger);
    EXPECT_EQ(front->text_ctrl_font, bigger);
    EXPECT_EQ(front->txt_clr, QColor(0, 0, 200));
    EXPECT_EQ(locked->text_ctrl_font, before);
    EXPECT_EQ(w->Front_card_Prop.Card_Content_font, bigger);
}

// Card and graphic sizes show their unit's precision without float noise;
// a field left as shown keeps its full value, a typed one is applied.
TEST_F(InspectorTest, SizesShowTheirUnitsPrecisionAndAFieldLeftAloneKeepsItsValue) {
    const double mmPerInch = 25.4;
    const struct {
        MeasureUnit unit;
        double widthMm, heightMm;  // the card
        const char *width, *height, *graphic;
    } cases[] = {
        {MeasureUnit::Mm, 85.6, 54.0, "85.6", "54", "30.05"},                             // CR80
        {MeasureUnit::Mm, 3.63 * mmPerInch, 2.37 * mmPerInch, "92.2", "60.2", "30.05"},  // CR90
        {MeasureUnit::Cm, 85.6, 54.0, "8.56", "5.4", "3.005"},
        {MeasureUnit::Inch, 85.6, 54.0, "3.3701", "2.126", "1.1831"},  // 85.6 / 25.4 = 3.37007...
    };
    CardPanel* c = p->card;
    // A graphic 30.05 mm wide, which single precision keeps as 30.0499...
    auto g = add(K::Shape, QRectF(10, 10, MM_to_Points_Convert(30.05), 20));
    for (const auto& k : cases) {
        SCOPED_TRACE(k.width);
        ::Measument_Unit_Is = int(k.unit);
        w->On_OK_of_Unit_Panel();
        const QSizeF card(MM_to_Points_Convert(k.widthMm), MM_to_Points_Convert(k.heightMm));
        w->Set_Document_Size(card);
        w->SetDocumentCanvasSize(card);
        w->Show_RHS_Properties(nullptr);
        EXPECT_EQ(c->width_Stepper->text(), QString::fromLatin1(k.width));
        EXPECT_EQ(c->height_Stepper->text(), QString::fromLatin1(k.height));
        select({g});
        QDoubleSpinBox* graphicWidth = p->align->frame_main_pic_width;
        EXPECT_EQ(graphicWidth->text(), QString::fromLatin1(k.graphic));
        // Leaving a field as it is shown changes nothing; a typed value counts.
        for (QDoubleSpinBox* field : {static_cast<QDoubleSpinBox*>(c->width_Stepper), graphicWidth}) {
            const double before = field->value();
            field->interpretText();
            EXPECT_EQ(field->value(), before);
        }
        const double widthBefore = g->width();
        graphicWidth->findChild<QLineEdit*>()->setText(QStringLiteral("2"));
        graphicWidth->interpretText();
        EXPECT_EQ(graphicWidth->value(), 2.0);
        EXPECT_NE(g->width(), widthBefore);
        g->_bounds.setWidth(MM_to_Points_Convert(30.05));
    }
    ::Measument_Unit_Is = int(MeasureUnit::Mm);
    w->On_OK_of_Unit_Panel();
}

// Typed into the field beside the slider, the opacity reaches the slider
// and the side (Enter, or leaving the field, ends the typing).
TEST_F(InspectorTest, TheWatermarkOpacityTakesATypedValue) {
    CardPanel* c = p->card;
    setQuietly(c->enable_watermark_chk, true);
    w->Enable_Watermark_Clicked();
    c->wm_transp_val->selectAll();
    QTest::keyClicks(c->wm_transp_val, QStringLiteral("35"));
    QTest::keyClick(c->wm_transp_val, Qt::Key_Return);
    EXPECT_EQ(c->wm_transp_slider->value(), 35);
    EXPECT_FLOAT_EQ(w->Front_card_Prop.Watermark_Transp, 0.35f);
    // The slider still writes the field.
    c->wm_transp_slider->setValue(70);
    EXPECT_EQ(c->wm_transp_val->value(), 70);
    EXPECT_FLOAT_EQ(w->Front_card_Prop.Watermark_Transp, 0.7f);
}

// Undo holds a side's graphics, not the card: after the graphics were
// scaled to a new card, no step recorded on the old card comes back.
TEST_F(InspectorTest, ACardSizeChangeLeavesNoStepOfTheOldCardToUndo) {
    QAction* undo = w->actionNamed(QStringLiteral("Undo_Button"));
    QAction* redo = w->actionNamed(QStringLiteral("Redo_Button"));
    w->Select_back_side();
    w->toolPalette()->selectTool(LineTool);
    w->Select_front_side();
    w->toolPalette()->selectTool(RectangleTool);
    ASSERT_TRUE(undo->isEnabled());
    const QRectF onCR80 = w->Get_Front_Controls_Array().first()->bounds();
    const QRectF lineOnCR80 = w->Get_Back_Controls_Array().first()->bounds();

    w->Show_RHS_Properties(nullptr);
    w->Preset_ComboBox->setCurrentIndex(0);    // landscape
    w->Category_ComboBox->setCurrentIndex(0);  // plastic cards
    int cr100 = -1;
    for (int row = 0; row < w->ListData.size(); ++row)
        if (w->Get_Item_Text(row).startsWith(QLatin1String("CR100 ")))
            cr100 = row;
    ASSERT_GE(cr100, 0);
    w->ColList->selectRow(cr100);
    // CR100: 3.88 x 2.63 in.
    ASSERT_NEAR(w->_graphicView->canvasSize().width(), 3.88 * 72, 0.1);
    const QRectF onCR100 = w->Get_Front_Controls_Array().first()->bounds();
    ASSERT_GT(onCR100.width(), onCR80.width());
    const QRectF lineOnCR100 = w->Get_Back_Controls_Array().first()->bounds();
    ASSERT_GT(lineOnCR100.width(), lineOnCR80.width());

    for (SKTGraphicView* canvas : {w->_graphicView, w->_graphicView_BACK}) {
        EXPECT_FALSE(canvas->canUndo());
        EXPECT_FALSE(canvas->canRedo());
    }
    EXPECT_FALSE(undo->isEnabled());
    undo->trigger();
    redo->trigger();
    ASSERT_EQ(w->Get_Front_Control_Count(), 1);
    EXPECT_EQ(w->Get_Front_Controls_Array().first()->bounds(), onCR100);

    // Steps taken on the new card undo and redo as ever.
    w->toolPalette()->selectTool(CircleTool);
    ASSERT_EQ(w->Get_Front_Control_Count(), 2);
    undo->trigger();
    ASSERT_EQ(w->Get_Front_Control_Count(), 1);
    EXPECT_EQ(w->Get_Front_Controls_Array().first()->bounds(), onCR100);
    redo->trigger();
    EXPECT_EQ(w->Get_Front_Control_Count(), 2);
    w->Select_back_side();
    EXPECT_FALSE(undo->isEnabled());
    ASSERT_EQ(w->Get_Back_Control_Count(), 1);
    EXPECT_EQ(w->Get_Back_Controls_Array().first()->bounds(), lineOnCR100);
}

TEST_F(InspectorTest, PaperSizeNameEditsAndBackgroundPictures) {
    ScopedDialogRunner runner([](QDialog* d) {
        choosePaper(d, "A6");
        return 1;
    });
    w->Page_From_Printer_Click();
    // ISO 216 A6: 105 x 148 mm.
    EXPECT_NEAR(w->_graphicView->canvasSize().width(), 105 * 2.834645669291, 0.01);
    EXPECT_NEAR(w->_graphicView->canvasSize().height(), 148 * 2.834645669291, 0.01);

    CardPanel* c = p->card;
    c->card_name->setText(QStringLiteral("Set by the program"));
    EXPECT_NE(w->Front_card_Prop.Card_Name, QStringLiteral("Set by the program"));
    c->card_name->clear();
    QTest::keyClicks(c->card_name, QStringLiteral("Visitors"));
    EXPECT_EQ(w->Front_card_Prop.Card_Name, QStringLiteral("Visitors"));
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("Visitors")));

    QImage big(1000, 1000, QImage::Format_RGB32);
    big.fill(Qt::red);
    const QString path = data.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(big.save(path));
    w->set_Back_BG_Image(path);
    const Card_Property& B = w->Back_card_Prop;
    EXPECT_TRUE(B.Card_fill_chk);
    EXPECT_EQ(B.Card_fill_style, QStringLiteral("I"));
    EXPECT_NEAR(pictureSizeInPoints(B.Card_BG_Image).width(), 724, 0.1);
    EXPECT_NEAR(pictureSizeInPoints(B.Card_BG_Image).height(), 468, 0.1);
    EXPECT_EQ(c->Card_Image_path_BACK->toPlainText(), path);
    w->set_Front_BG_Image(QString());
    EXPECT_EQ(w->Front_card_Prop.Card_fill_style, QStringLiteral("S"));
}

TEST_F(InspectorTest, GalleryListsPicturesReordersAndDressesTheFront) {
    QDir folder(data.path());
    folder.mkdir(QStringLiteral("bg"));
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    for (const char* name : {"a.PNG", "b.jpg", "c.jpeg"})
        ASSERT_TRUE(tile.save(folder.filePath(QStringLiteral("bg/") + QLatin1String(name)), "PNG"));
    writeBytes(folder.filePath(QStringLiteral("bg/d.txt")), "x");
    BackgroundGallery gallery;
    ASSERT_TRUE(gallery.Load_and_fill_backgrounds(folder.filePath(QStringLiteral("bg"))));
    QStringList titles;
    for (const MyImageObject& item : gallery.images)
        titles << item.imageTitle();
    EXPECT_EQ(titles, (QStringList{"a", "b"}));
    EXPECT_FALSE(gallery.Load_and_fill_backgrounds(folder.filePath(QStringLiteral("none"))));
    EXPECT_EQ(gallery.numberOfItemsInImageBrowser(), 2);

    gallery.images.clear();
    for (const char* id : {"0", "1", "2", "3", "4"})
        gallery.addImageWithPath(QLatin1String(id), QLatin1String(id), QLatin1String(id));
    gallery.moveItemsAtIndexes({0, 1}, 4);
    QStringList order;
    for (const MyImageObject& item : gallery.images)
        order << item.imageUID();
    EXPECT_EQ(order, (QStringList{"2", "3", "0", "1", "4"}));
    EXPECT_FALSE(gallery.removeRows(0, 2));

    // The shipped gallery: a pick while the back is shown dresses the front only.
    ASSERT_GE(p->backgrounds->numberOfItemsInImageBrowser(), 12);
    w->Select_back_side();
    const Card_Property backBefore = w->Back_card_Prop;
    w->imageBrowserSelectionDidChange(3);
    EXPECT_EQ(w->Front_card_Prop.Card_BG_Image_Path, p->backgrounds->itemAtIndex(3).path());
    EXPECT_FALSE(w->Front_card_Prop.Card_BG_Image.isNull());
    EXPECT_EQ(w->Back_card_Prop.Card_BG_Image_Path, backBefore.Card_BG_Image_Path);
    EXPECT_EQ(w->Back_card_Prop.Card_fill_style, backBefore.Card_fill_style);

    // The card tabs then name the card "Untitled" (their name field is
    // empty), which the title does not repeat beside the unsaved design's
    // own "Untitled".
    w->Update_Card_Graphics();
    ASSERT_EQ(w->Front_card_Prop.Card_Name, QStringLiteral("Untitled"));
    w->Set_Log_Name_In_Title();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Untitled - ") + w->App_Name);
    p->card->card_name->clear();
    QTest::keyClicks(p->card->card_name, QStringLiteral("Staff"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Staff - Untitled - ") + w->App_Name);
}

TEST_F(InspectorTest, SidesAndBindingCombos) {
    w->Select_back_side();
    p->card->Sides_ComboBox->setCurrentIndex(1);
    EXPECT_EQ(::Card_Front_Or_Back, 0);
    EXPECT_EQ(w->myTargetView->currentIndex(), 0);
    EXPECT_FALSE(w->back_side_btn->isEnabled());
    EXPECT_EQ(w->Front_card_Prop.Card_Side, QStringLiteral("1"));

    auto g = add(K::Text);
    select({g});
    w->Data_source_type->setCurrentIndex(1);  // "Series", and there is none
    EXPECT_EQ(sink.shown, QStringList{"Please create batch processing series first."});
    EXPECT_EQ(g->data_source_type, 0);

    sink.shown.clear();
    for (const QString& prompt : {QStringLiteral("<--Select-->"), QStringLiteral("  ")}) {
        fillCombo(w->Batch_Series, {QStringLiteral("x"), prompt});
        w->Batch_Series->setCurrentIndex(1);
    }
    EXPECT_EQ(sink.shown, QStringList());
    EXPECT_EQ(g->batch_list_name, QString());
}

}  // namespace
}  // namespace zelk::test
