// The barcode panel: which barcode the settings window opens on, and what OK and Cancel leave.
#include "InspectorTestSupport.h"
#include "../foundation/GraphicTestSupport.h"

#include "BarcodeDecode.h"
#include "barcode/Barcode_Gen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zelk::test {
namespace {

struct BarcodePanelTest : InspectorTest {
    // The panel's button with `play` as the window's user; false when no window opened.
    bool openPlayed(const std::function<void(Barcode_Gen&)>& play) {
        bool opened = false;
        ScopedDialogRunner runner([&](QDialog* d) {
            opened = true;
            play(*qobject_cast<Barcode_Gen*>(d));
            return d->result();
        });
        p->View_barcode_prop_Button->click();
        return opened;
    }
};

TEST_F(BarcodePanelTest, RefusalsOpenNoWindow) {
    const auto text = add(GraphicKind::Text), one = add(GraphicKind::Barcode), two = add(GraphicKind::Barcode);
    const QString none = QStringLiteral("Please select control.");
    const QString several = QStringLiteral("Please select only one barcode control to view or update barcode properties.");
    for (const auto& [selection, message] : {std::pair{GraphicList{}, none}, {{text}, none}, {{one, text, two}, several}}) {
        select(selection, false);
        sink.shown.clear();
        EXPECT_FALSE(openPlayed({}));
        EXPECT_EQ(sink.shown, QStringList{message});
    }
}

TEST_F(BarcodePanelTest, OkWritesTheOneSelectedUnlockedBarcode) {
    for (const auto& c : {std::pair{false, true}, {true, true}, {false, false}}) {
        const bool locked = c.first, ok = c.second;  // clang 14 cannot capture structured bindings
        const auto text = add(GraphicKind::Text), barcode = add(GraphicKind::Barcode, QRectF(30, 40, 10, 10));
        text->linear_font_val = QStringLiteral("TEXT");
        text->print_object = 1;  // the print check box shows the text clicked last
        barcode->linear_font_val = QStringLiteral("BC-7");
        barcode->ctrl_is_locked = locked;
        const auto before = barcode->clone();
        select({text, barcode});
        const int steps = undoSteps();
        ASSERT_TRUE(openPlayed([&](Barcode_Gen& w) {
            EXPECT_EQ(w.dataText->text(), QStringLiteral("BC-7"));
            w.barcodeTypePopup->setCurrentIndex(w.barcodeTypePopup->findText(QStringLiteral("QR Code")));
            w.dataText_2D->setPlainText(QStringLiteral("Visitor 42"));
            ok ? w.OK_Btn_Clicked() : w.Cancel_Btn_Clicked();
        }));
        if (locked || !ok) {
            EXPECT_TRUE(graphicsMatch(*before, *barcode));
            EXPECT_TRUE(locked || (undoSteps() == steps && w->Get_Selected_Graphic() == barcode));
            continue;
        }
        EXPECT_EQ(undoSteps(), steps + 1);
        EXPECT_EQ(barcode->print_object, 1);
        EXPECT_EQ(barcode->_bounds, QRectF(QPointF(30, 40), pictureSizeInPoints(barcode->_barcode_image)));
        EXPECT_EQ(barcode->bar_image_ctrl_bounds, barcode->_bounds);
        const auto decoded = zxingDecode(onWhite(barcode->_barcode_image), QStringLiteral("QRCode"));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->text, QStringLiteral("Visitor 42"));
        EXPECT_EQ(barcode->two_d_font_val, decoded->text);
    }
}

}  // namespace
}  // namespace zelk::test
