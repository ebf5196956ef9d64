// The values a card takes per kind and source, barcodes centred or absent,
// the sides, the mirror and the card that fails, over a run's copy.
#include "ProductionTestSupport.h"

#include "production/BatchSnapshot.h"

namespace zelk::test {
namespace {

const QRectF Narrow(100, 60, 40, 30);  // every barcode picture is wider

TEST_F(ProductionTest, ValuesPerKindAndSource) {
    const QString red = writePhoto(data.filePath("red.png"), qRgb(255, 0, 0));
    const QString blue = writePhoto(data.filePath("blue.png"), qRgb(0, 0, 255));
    writeSeries("texts", "T1\n T2 \nT3\n");
    writeSeries("pics", (red + "\n" + blue + "\n").toUtf8());
    writeSeries("codes", "C1\nC2\n");
    // Five rows, so the series are short; the last row's cells are empty and
    // the fourth code is not ASCII, which Code 128 refuses.
    setExcelRows({{"E1", red, "X1"}, {"E2", blue, "X2"}, {"E3", red, "X3"}, {"E4", blue, "\u00e9"}, {"", "", ""}},
                 3);
    auto own = [](std::shared_ptr<SKTGraphic> g) {
        g->linear_font_val = "OWN1";
        return code128(g);
    };
    auto notPrinted = excelBound(GraphicKind::Text, Narrow, 1);
    notPrinted->print_object = 1;
    notPrinted->Set_text_value("design");
    const GraphicList front = {
        seriesBound(GraphicKind::Text, Narrow, "texts", 5),  // stale index: found by name
        seriesBound(GraphicKind::Image, Narrow, "pics", 0),
        own(seriesBound(GraphicKind::Barcode, Narrow, "codes", 0)),
        seriesBound(GraphicKind::Text, Narrow, "deleted", 0),
        seriesBound(GraphicKind::Image, Narrow, "deleted", 0),
        own(seriesBound(GraphicKind::Barcode, Narrow, "deleted", 0)),
        excelBound(GraphicKind::Text, Narrow, 1),
        excelBound(GraphicKind::Image, Narrow, 2),
        own(excelBound(GraphicKind::Barcode, Narrow, 3)),
        notPrinted,
    };
    front.at(6)->Set_text_value("design");
    setSides(front, {seriesBound(GraphicKind::Text, Narrow, "texts", 0)});
    w().Check_Series_Or_Excel_Use_or_not();
    ASSERT_EQ(Total_Batch_Excel_Card, 5);
    const auto batch = w().takeBatchSnapshot();

    // By hand from the files above: "" is an empty text, no picture or no
    // barcode; a refused value is a card that cannot be made.
    const QStringList cards[] = {
        {"T1", red, "C1", "", "", "OWN1", "E1", red, "X1", "design"},
        {"T2", blue, "C2", "", "", "OWN1", "E2", blue, "X2", "design"},
        {"T3", "", "", "", "", "OWN1", "E3", red, "X3", "design"},
        {"", "", "", "", "", "OWN1", "E4", blue, "refused", "design"},
        {"", "", "", "", "", "OWN1", "", "", "", "design"},
        {"", "", "", "", "", "OWN1", "", "", "", "design"},  // beyond the batch
    };
    for (int n = 0; n < 6; ++n) {
        const ProducedCard card = batch->Set_data_table_value_to_card(n, "F", false, producer);
        if (cards[n].contains("refused")) {
            EXPECT_FALSE(card.ok());
            EXPECT_EQ(card.reason, QString("no barcode can be made of the value \"\u00e9\"."));
            continue;
        }
        ASSERT_TRUE(card.ok()) << qPrintable(card.reason);
        for (int i = 0; i < front.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "card " << n << ", graphic " << i);
            const SKTGraphic& g = *card.side.graphics.at(i);
            const QString& v = cards[n].at(i);
            if (g.kind() == GraphicKind::Text) {
                EXPECT_EQ(g.Text_Value, v);
            } else if (g.kind() == GraphicKind::Image) {
                EXPECT_EQ(g._file_path, v);
                EXPECT_EQ(g._contents_with_settings.isNull() ? QRgb(0) : g._contents_with_settings.pixel(8, 8),
                          v.isEmpty() ? QRgb(0) : QImage(v).pixel(8, 8));
            } else if (v.isEmpty()) {  // nothing drawn, size 0
                EXPECT_TRUE(g._barcode_image.isNull());
                EXPECT_EQ(g._bounds, QRectF(Narrow.topLeft(), QSizeF(0, 0)));
            } else {  // centred, overhanging the narrow rectangle equally
                EXPECT_EQ(g._barcode_image, producer.produceBarcode(g, v, g.header_val, g.footer_val));
                EXPECT_GT(g._bounds.width(), Narrow.width());
                EXPECT_NEAR(g._bounds.center().x(), Narrow.center().x(), 1e-3);
                EXPECT_NEAR(g._bounds.center().y(), Narrow.center().y(), 1e-3);
            }
        }
    }
    // Any side other than "F" is the back.
    for (const char* side : {"B", "X", ""}) {
        const ProducedCard back = batch->Set_data_table_value_to_card(1, side, false, producer);
        EXPECT_EQ(back.side.Card_Front_Or_Back, 1);
        EXPECT_EQ(back.side.graphics.first()->Text_Value, "T2");
    }
    // With Excel values off (a window's check box), the Excel graphics keep theirs.
    Use_Excel_Binding_Values = false;
    EXPECT_EQ(w().takeBatchSnapshot()->Set_data_table_value_to_card(0, "F", false, producer).side.graphics.at(6)
                  ->Text_Value, "design");
    // The run never wrote the live design.
    EXPECT_EQ(front.at(0)->Text_Value, "");
    EXPECT_TRUE(front.at(2)->_barcode_image.isNull());
}

TEST_F(ProductionTest, MirroredCardsAndFailedCards) {
    w().SetDocumentCanvasSize(QSizeF(100, 50));
    auto corner = makeGraphic(GraphicKind::Shape);  // black, top left
    corner->_bounds = QRectF(0, 0, 20, 20);
    corner->_isDrawingFill = true;
    corner->_fillColor = Qt::black;
    setSides({corner, code128(excelBound(GraphicKind::Barcode, Narrow, 1))});
    setExcelRows({{"A1"}}, 1);
    w().Check_Series_Or_Excel_Use_or_not();
    // Where the corner lands at 72 dpi: as designed, left to right, top to bottom.
    for (const auto& [mirror, vertical, dark] :
         {std::tuple{false, false, QPoint(5, 5)}, {true, false, QPoint(95, 5)}, {true, true, QPoint(5, 45)}}) {
        Mirror_Image_Create = mirror;
        Mirror_Vertical_Not_Horz = vertical;
        const QImage image =
            w().takeBatchSnapshot()->Set_data_table_value_to_card(0, "F", false, producer).imageAtResolution(72);
        EXPECT_LT(qGray(image.pixel(dark)), 40) << mirror << vertical;
        EXPECT_GT(qGray(image.pixel(100 - dark.x(), 50 - dark.y())), 200) << mirror << vertical;
    }

    // A producer that breaks down: no card and the reason, nothing shown.
    producer.fail = true;
    const ProducedCard failed = w().takeBatchSnapshot()->Set_data_table_value_to_card(0, "F", false, producer);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.imageAtResolution(72).isNull());
    EXPECT_EQ(failed.reason, "encoder out of memory");
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

}  // namespace
}  // namespace zelk::test
