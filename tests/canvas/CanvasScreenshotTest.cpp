// The canvas as a person sees it: the card centred in its scroll view,
// rulers, grid, graphics and the handles of the selected ones. The picture
// is written to the build folder (canvas-screenshot.png) for a look; set
// ZELK_SCREENSHOT_HOLD_MS to keep the window up that long on a real display.
#include "CanvasTestSupport.h"

#include "TestSupport.h"
#include "canvas/CardFaceHook.h"
#include "canvas/SKTRulerView.h"
#include "canvas/SKTZoomingScrollView.h"
#include "canvas/SWCenteringClipView.h"
#include "canvas/SideSnapshot.h"

#include <QDir>
#include <QPainter>

using namespace zelk;
using namespace zelk::test;

namespace {

// A plain white card with a dark border, standing in for the card face.
class PlainCardFace : public CardFaceHook {
public:
    void Card_Base_Drawing(QPainter& p, const SideSnapshot& side) const override {
        p.fillRect(side.cardRect, Qt::white);
        p.setClipRect(side.cardRect);
    }
    void Card_Border_Drawing(QPainter& p, const SideSnapshot& side) const override {
        p.save();
        p.setPen(QPen(QColor(40, 40, 40), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(side.cardRect.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
    }
};

TEST(SWCenteringClipView, CentresWhatFitsAndScrollsWhatDoesNot) {
    EXPECT_EQ(SWCenteringClipView::documentOrigin({100, 50}, {300, 250}, {0, 0}), QPoint(100, 100));
    EXPECT_EQ(SWCenteringClipView::documentOrigin({500, 50}, {300, 250}, {120, 40}), QPoint(-120, 100));
    EXPECT_EQ(SWCenteringClipView::documentOrigin({500, 50}, {300, 250}, {900, 0}), QPoint(-200, 100));
    EXPECT_EQ(SWCenteringClipView::maximumScroll({500, 50}, {300, 250}), QPoint(200, 0));
}

class CanvasScreenshot : public CanvasFixture {
protected:
    void TearDown() override { CardFaceHook::install(nullptr); }
};

TEST_F(CanvasScreenshot, CardCentredWithRulersGridAndHandles) {
    CardFaceHook::install(std::make_shared<PlainCardFace>());
    grid.setAlwaysShown(true);

    auto title = add(GraphicKind::Text, QRectF(20, 12, 200, 24));
    title->Set_text_value(QStringLiteral("ZELK ID CARD"));
    title->text_ctrl_font.setPointSizeF(16);
    title->text_ctrl_font.setBold(true);
    auto photo = add(GraphicKind::Shape, QRectF(16, 45, 70, 90));
    photo->_fillColor = QColor(90, 140, 210);
    auto badge = add(GraphicKind::Shape, QRectF(180, 95, 45, 45));
    badge->shape_type = QStringLiteral("C");
    badge->_fillColor = QColor(240, 180, 40);
    auto rule = add(GraphicKind::Line, QRectF(100, 70, 120, 0));
    rule->_strokeWidth = 2;
    auto name = add(GraphicKind::Text, QRectF(100, 48, 120, 18));
    name->Set_text_value(QStringLiteral("Ann Lee"));
    view->setSelectionIndexes({1, 2});

    SKTZoomingScrollView scroll;
    scroll.resize(760, 520);
    scroll.setDocumentView(view.get());
    view.release();  // the scroll view's clip view owns the canvas now
    SKTGraphicView* canvas = scroll.documentView();
    scroll.setScaleFactor(2.0);
    scroll.show();
    QApplication::processEvents();

    const QSize clip = scroll.viewport()->size();
    EXPECT_EQ(canvas->size(), QSize(486, 306));
    EXPECT_EQ(canvas->pos(), QPoint((clip.width() - 486) / 2, (clip.height() - 306) / 2));
    EXPECT_EQ(scroll.horizontalRuler()->zeroOffset(), canvas->pos().x());
    EXPECT_EQ(scroll.verticalRuler()->zeroOffset(), canvas->pos().y());

    if (const int hold = qEnvironmentVariableIntValue("ZELK_SCREENSHOT_HOLD_MS"); hold > 0) {
        scroll.setWindowTitle(QStringLiteral("Canvas"));
        scroll.move(0, 0);
        QTest::qWait(hold);
    }

    const QImage shot = scroll.grab().toImage();
    const QString path = QDir(binaryDir()).filePath(QStringLiteral("canvas-screenshot.png"));
    ASSERT_TRUE(shot.save(path)) << path.toStdString();

    const QPoint card = canvas->mapTo(&scroll, QPoint(0, 0));
    auto pixel = [&](double x, double y) {  // model points on the card
        return QColor(shot.pixel(card + QPointF(x * 2, y * 2).toPoint()));
    };
    // On the card: white between grid lines, and a grid line.
    EXPECT_EQ(pixel(4.5 + 0.2, 4.5 + 0.2), QColor(Qt::white));
    EXPECT_NE(pixel(9, 4.7), QColor(Qt::white));
    // Handles on the selected photo frame's corner; none on the unselected title.
    EXPECT_EQ(pixel(16, 45 + 0.6), QColor(0x30, 0x60, 0xd0));
    EXPECT_NE(pixel(20, 12 + 0.6), QColor(0x30, 0x60, 0xd0));
    // A graphic between the grid lines (which are drawn over the graphics).
    EXPECT_EQ(pixel(49.5, 92.5), QColor(90, 140, 210));
}

}  // namespace
