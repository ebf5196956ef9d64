// The canvas at 100 % shows what an output render of its side shows, and
// also the graphics that are not printed.
#include "CanvasTestSupport.h"

#include "canvas/CardFaceHook.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/Codes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace zelk;
using namespace zelk::test;

namespace {

// The side's fill inside a rounded outline (kept as the clip), and a frame.
class RoundedFace : public CardFaceHook {
public:
    void Card_Base_Drawing(QPainter& p, const SideSnapshot& s) const override {
        QPainterPath outline;
        outline.addRoundedRect(s.cardRect, 14, 14);
        p.fillPath(outline, s.sideProperty() ? s.sideProperty()->Card_fill_clr : QColor(Qt::white));
        p.setClipPath(outline, Qt::IntersectClip);
    }
    void Card_Border_Drawing(QPainter& p, const SideSnapshot& s) const override {
        p.setPen(QPen(QColor(30, 30, 90), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(s.cardRect, 14, 14);
    }
};

QImage gradient(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(200, 30, 30));
    g.setColorAt(1, QColor(30, 30, 200, 120));
    p.fillRect(img.rect(), g);
    return img;
}

// Pixels farther apart than 2 levels in a channel.
int differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            n += std::abs(p.red() - q.red()) > 2 || std::abs(p.green() - q.green()) > 2 ||
                 std::abs(p.blue() - q.blue()) > 2;
        }
    return n;
}

class CanvasMatchesRender : public CanvasFixture, public ::testing::WithParamInterface<bool> {
protected:
    void TearDown() override { CardFaceHook::install(nullptr); }

    QImage canvas() const { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The render laid on the canvas's own background, as the canvas shows it.
    QImage render() const {
        const SideSnapshot side = SideSnapshot::take(&doc.graphics, host.frontProperty, host.backProperty,
                                                     host.cardShape, 0, view->cardRect());
        QImage out(view->size(), QImage::Format_RGB32);
        out.fill(view->palette().color(view->backgroundRole()));
        QPainter(&out).drawImage(0, 0, SKTRenderingView::image_From_Card_Graphics(side).imageAtResolution(72));
        return out;
    }
};

TEST_P(CanvasMatchesRender, EveryKindPixelForPixel) {
    if (GetParam())
        CardFaceHook::install(std::make_shared<RoundedFace>());
    Card_Property front;
    front.Card_fill_clr = QColor(250, 240, 200);
    host.frontProperty = &front;

    auto text = add(GraphicKind::Text, QRectF(12, 8, 150, 22));
    text->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    text->text_ctrl_font.setPointSizeF(13);
    text->Set_text_value(QStringLiteral("Ann Lee \u00e9"));
    auto image = add(GraphicKind::Image, QRectF(10, 36, 60, 75));
    image->_contents = image->_contents_with_settings = gradient(40, 50);
    auto line = add(GraphicKind::Line, QRectF(80, 36, 150, 20));
    line->_strokeWidth = 3;
    QImage bars(21, 1, QImage::Format_ARGB32);
    for (int x = 0; x < bars.width(); ++x)
        bars.setPixelColor(x, 0, x % 3 ? Qt::black : Qt::white);
    auto code = add(GraphicKind::Barcode, QRectF(80, 60, 63, 30));
    code->_barcode_image = bars;
    auto sign = add(GraphicKind::Signature, QRectF(150, 60, 80, 30));
    sign->_contents = gradient(16, 6);
    double x = 10;
    for (const QString& shape : ShapeCode::All) {
        auto s = add(GraphicKind::Shape, QRectF(x, 115, 24, 28));
        s->shape_type = shape;
        s->_fillColor = QColor(40, 160, 90);
        s->_strokeWidth = 2;
        x += 28;
    }
    const QImage shown = canvas();
    EXPECT_EQ(differing(shown, render()), 0);

    // A graphic that is not printed stays on the canvas only.
    text->print_object = 1;
    EXPECT_EQ(canvas(), shown);
    EXPECT_GT(differing(shown, render()), 100);
}

INSTANTIATE_TEST_SUITE_P(Face, CanvasMatchesRender, ::testing::Bool());

}  // namespace
