// Every road that moves a barcode on the canvas: the card made by the batch
// path carries the barcode where the canvas shows it, and it decodes there.
#include "BarcodeDecode.h"
#include "ProductionTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SideGraphicsModel.h"
#include "mainwindow/DesignFile.h"
#include "production/BatchSnapshot.h"

#include <functional>

namespace zelk::test {
namespace {

constexpr double Dpi = 300.0;
const QString Value = QStringLiteral("ROW-0001");

class BarcodePlacementTest : public ProductionTest {
protected:
    void SetUp() override {
        ProductionTest::SetUp();
        writeSeries("codes", Value.toUtf8() + "\nROW-0002\n");
        auto code = code128(seriesBound(GraphicKind::Barcode, QRectF(20, 20, 10, 10), "codes", 0));
        code->linear_font_val = Value;
        code->Set_Barcode_image(producer.produceBarcode(*code, Value, QString(), QString()));
        SideGraphicsModel::refitBarcode(code.get());
        pictureSize = code->bounds().size();
        setSides({code});
        w().Check_Series_Or_Excel_Use_or_not();
        canvas().setSelectionIndexes({0});
        canvas().resetUndoHistory();
    }
    SKTGraphicView& canvas() { return *w().currentCanvas(); }
    std::shared_ptr<SKTGraphic> code() { return w().Get_Front_Controls_Array().first(); }

    // Card 0 as the batch makes it: its barcode stands on the rectangle the
    // canvas shows and decodes from that part of the card.
    void expectProducedWhereShown() {
        const QRectF shown = code()->bounds();
        const auto batch = w().takeBatchSnapshot();
        const ProducedCard card = batch->Set_data_table_value_to_card(0, "F", false, producer);
        ASSERT_TRUE(card.ok()) << qPrintable(card.reason);
        const QRectF made = card.side.graphics.first()->bounds();
        EXPECT_NEAR(made.center().x(), shown.center().x(), 0.01);
        EXPECT_NEAR(made.center().y(), shown.center().y(), 0.01);
        EXPECT_NEAR(made.width(), pictureSize.width(), 0.01);
        const QImage image = card.imageAtResolution(Dpi);
        const QRect px = QTransform::fromScale(Dpi / 72.0, Dpi / 72.0).mapRect(shown).toAlignedRect();
        ASSERT_TRUE(image.rect().contains(px)) << "shown inside the card";
        EXPECT_EQ(zxingDecode(image.copy(px), "Code128").value_or(Decoded{}).text, Value);
    }

    QSizeF pictureSize;
};

TEST_F(BarcodePlacementTest, EveryRoadThatMovesTheBarcode) {
    const QSizeF card = w().Front_card_Prop.Card_Size;
    const struct Road {
        const char* name;
        std::function<void()> move;
    } roads[] = {
        {"X field", [this] { w().Frame_main_Pic_X_Pos_Changed(70); }},
        {"Y field", [this] { w().Frame_main_Pic_Y_Pos_Changed(90); }},
        {"both fields then undo of the second",
         [this] {
             w().Frame_main_Pic_X_Pos_Changed(60);
             w().Frame_main_Pic_Y_Pos_Changed(100);
             ASSERT_TRUE(canvas().undo());
             ASSERT_EQ(code()->bounds().topLeft(), QPointF(60, 20));
         }},
        {"centre command", [this] { w().Align_Center_Clicked(); }},
        {"nudge", [this] { canvas().nudgeSelection(15, 25); }},
        {"larger card",
         [this, card] {
             w().SetDocumentCanvasSize(card * 1.4);
             w().Card_Control_Size_Change_or_not();
         }},
        {"smaller card",
         [this, card] {
             w().Frame_main_Pic_X_Pos_Changed(110);
             w().SetDocumentCanvasSize(QSizeF(card.width() * 0.85, card.height() * 0.7));
             w().Card_Control_Size_Change_or_not();
         }},
        {"field, cut and paste",
         [this] {
             w().Frame_main_Pic_Y_Pos_Changed(80);
             canvas().cut();
             ASSERT_EQ(w().Get_Front_Control_Count(), 0);
             canvas().paste();
             ASSERT_EQ(w().Get_Front_Control_Count(), 1);
         }},
        {"field, save and open",
         [this] {
             w().Frame_main_Pic_X_Pos_Changed(50);
             w().Frame_main_Pic_Y_Pos_Changed(70);
             const QString path = data.filePath("placed.did");
             ASSERT_TRUE(DesignFile::writeDesignFile(path, w().currentDesignContents(), "L").ok);
             ASSERT_EQ(w().Read_and_load_design_Log_NEW_METHOD(path, "L", true), 1);
             w().Check_Series_Or_Excel_Use_or_not();
         }},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        TearDown();
        SetUp();
        const QRectF before = code()->bounds();
        road.move();
        ASSERT_EQ(w().Get_Front_Control_Count(), 1);
        EXPECT_GT(QLineF(before.center(), code()->bounds().center()).length(), 10.0) << "the barcode moved";
        EXPECT_EQ(code()->bounds().size(), pictureSize) << "not stretched";
        expectProducedWhereShown();
    }
}

}  // namespace
}  // namespace zelk::test
