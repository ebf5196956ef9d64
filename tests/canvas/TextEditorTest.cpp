// The in-place text editor: it lies over its text as the card draws it and
// goes away on Escape or on a click anywhere else.
#include "CanvasTestSupport.h"

#include "foundation/DrawingCodes.h"

#include <QFocusEvent>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

using namespace zelk;
using namespace zelk::test;

namespace {

class TextEditor : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    // A centred red name in DejaVu Sans 14 pt.
    std::shared_ptr<SKTGraphic> styledText(const QRectF& frame) {
        auto text = add(GraphicKind::Text, frame);
        text->Set_text_value(QStringLiteral("Mina Okafor"));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(14);
        text->text_ctrl_font = font;
        text->txt_clr = QColor(190, 20, 30);
        text->text_alignmnet = 2;
        return text;
    }
};

// The box around the red letters' pixels (the caret is black).
QRect inkBox(const QImage& picture, const QRect& within) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - c.green() > 80)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

TEST_F(TextEditor, LiesInTheFrameInTheTextsStyleWithoutFrameScrollBarsOrGround) {
    const struct {
        const char* note;
        double zoom;
        int rotation;
        int alignment;  // stored code
        Qt::Alignment expected;
    } cases[] = {
        {"centred at 200 %", 2.0, 0, 2, Qt::AlignHCenter},
        {"right-aligned at 75 %, turned 30 degrees: edited level", 0.75, 30, 1, Qt::AlignRight},
        {"left at 100 %", 1.0, 0, 0, Qt::AlignLeft},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        doc.graphics.clear();
        view->setScaleFactor(c.zoom);
        auto text = styledText(QRectF(20, 30, 120, 40));
        text->text_rotation = c.rotation;
        text->text_alignmnet = c.alignment;
        text->alpha_val = 0.5f;
        view->startEditingGraphic(text);
        QPlainTextEdit* e = view->editor();
        ASSERT_NE(e, nullptr);

        EXPECT_EQ(e->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(e->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(e->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(e->palette().color(QPalette::Base).alpha(), 0);
        EXPECT_FALSE(e->viewport()->autoFillBackground());
        EXPECT_EQ(e->geometry(), QRectF(view->widgetPoint(QPointF(20, 30)), view->widgetPoint(QPointF(140, 70)))
                                     .toAlignedRect());
        EXPECT_EQ(e->document()->defaultTextOption().alignment(), c.expected);
        EXPECT_EQ(e->document()->documentMargin(), 0);
        // A point of the font is a point of the card: at the zoom, pixels.
        EXPECT_EQ(QFontInfo(e->font()).family(), QStringLiteral("DejaVu Sans"));
        EXPECT_NEAR(e->font().pointSizeF() * e->logicalDpiY() / 72.0, 14 * c.zoom, 0.01);

        // Typing in it shows the letters in the text's colour.
        QTest::keyClick(e, Qt::Key_End);
        EXPECT_EQ(e->palette().color(QPalette::Text), withAlpha(text->txt_clr, 0.5));
        view->endEditing(false);
    }
}

// After a panel write the canvas looks as it does without the editor; once
// the user types in place, the letters are the editor's, where the card put
// them, at the same size.
TEST_F(TextEditor, ShowsTheTextWhereAndAsTheCardDrawsIt) {
    view->setScaleFactor(2.0);
    auto text = styledText(QRectF(20, 30, 160, 24));
    const QRect area = QRectF(view->widgetPoint(QPointF(10, 20)), view->widgetPoint(QPointF(190, 70))).toRect();
    const QImage card = view->grab().toImage();

    view->startEditingGraphic(text);  // as the panels do
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(view->grab().toImage(), card);

    QTest::keyClick(view->editor(), Qt::Key_End);
    const QImage typing = view->grab().toImage();
    const QRect cardInk = inkBox(card, area), typingInk = inkBox(typing, area);
    ASSERT_FALSE(cardInk.isEmpty());
    ASSERT_FALSE(typingInk.isEmpty());
    // One letter at 14 pt and 200 % is about 28 pixels high.
    EXPECT_NEAR(typingInk.center().x(), cardInk.center().x(), 3);
    EXPECT_NEAR(typingInk.top(), cardInk.top(), 2);
    EXPECT_NEAR(typingInk.width(), cardInk.width(), 0.03 * cardInk.width());
    EXPECT_NEAR(typingInk.height(), cardInk.height(), 2);
    view->endEditing(false);
    EXPECT_EQ(view->grab().toImage(), card);
}

TEST_F(TextEditor, EscapeOrAClickAnywhereElseEndsTheEditing) {
    auto text = styledText(QRectF(20, 30, 120, 30));
    QLineEdit elsewhere;  // a field of another window
    const auto focusOut = [&](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(view->editor(), &out);
    };
    const struct {
        const char* note;
        bool typing;  // the user has typed in place (else a panel started it)
        std::function<void()> act;
        bool ends;
    } cases[] = {
        {"a click in the editor while typing keeps it", true,
         [&] { QTest::mouseClick(view->editor()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); }, false},
        {"a key typed in the editor keeps it", false, [&] { QTest::keyClick(view->editor(), Qt::Key_A); }, false},
        {"its context menu taking the keyboard keeps it", true, [&] { focusOut(Qt::PopupFocusReason); }, false},
        {"the keyboard going elsewhere", true, [&] { focusOut(Qt::TabFocusReason); }, true},
        {"Escape in the editor", true, [&] { QTest::keyClick(view->editor(), Qt::Key_Escape); }, true},
        {"Escape on the canvas", false, [&] { QTest::keyClick(view.get(), Qt::Key_Escape); }, true},
        {"a click on the canvas", true, [&] { click(QPointF(200, 140)); }, true},
        {"a click in another window", false, [&] { QTest::mouseClick(&elsewhere, Qt::LeftButton); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        view->startEditingGraphic(text);
        ASSERT_TRUE(view->isEditing());
        if (c.typing)
            QTest::keyClick(view->editor(), Qt::Key_End);
        c.act();
        EXPECT_EQ(view->isEditing(), !c.ends);
        view->endEditing(false);
    }
    EXPECT_EQ(text->Text_Value, QStringLiteral("Mina Okafor"));  // Escape kept the text

    // A click on a restyled text reaches the card, which picks the text.
    view->startEditingGraphic(text);
    click(QPointF(30, 40));
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(view->Selected_Graphic(), text);
}

}  // namespace
