// Designs come from files and from other machines: whatever numbers a
// graphic holds, drawing it, measuring it and hit testing it must end
// quickly without fault (the sanitizers watch for undefined behaviour).
#include "RenderTestSupport.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<QRectF> hostileBounds() {
    return {QRectF(kNaN, 0, 10, 10), QRectF(0, 0, kInf, 10), QRectF(-kInf, -kInf, kInf, kInf),
            QRectF(0, 0, 1e300, 1e300), QRectF(1e12, 1e12, 5, 5), QRectF(50, 50, -40, -30),
            QRectF(10, 10, 0, 0), QRectF(10, 10, 1e-300, 1e-300), QRectF(0, 0, 60, 40)};
}

void spoil(SKTGraphic& g, int variant) {
    const double doubles[] = {kNaN, kInf, -kInf, 1e300, -1e9, 0, 1e-300, 3};
    const double d = doubles[variant % 8];
    const int ints[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), -1, 0, 7};
    const int n = ints[variant % 5];
    g._isDrawingFill = true;
    g._isDrawingStroke = true;
    g._strokeWidth = d;
    g._stroke_border_type = DashCode::All.at(variant % 5);
    g._fill_type = QStringList{"S", "G", "H", "?"}.at(variant % 4);
    g._fill_grad_angle = d;
    g._fill_hatch_type = QStringLiteral("Dots");
    g.alpha_val = float(d);
    g.alpha_val_stroke = float(d);
    g.cor_rad_val = float(d);
    g.double_star_type = n;
    g.polygon_type = n;
    g.text_rotation = n;
    g._line_ori = n;
    g._line_cap_style = n;
    g.text_alignmnet = n;
    g.text_alignmnet_Vert = n;
    g.text_transfrom_case = n;
    g.text_kerning = float(d);
    g.Drawing_Shadow = true;
    g.Shadow_offset_X = float(d);
    g.Shadow_offset_Y = float(-d);
    g.Shadow_blur = float(d);
    g.Shadow_transparency = float(d);
    g.img_trnsp_val = float(d);
    g.text_ctrl_font.setPointSizeF(std::isfinite(d) && d > 0 && d < 1e6 ? d : 12);
    g.Set_text_value(QStringLiteral("Hostile \u202e text \U0001F600 with\nlines"));
    g._contents = QImage(3, 2, QImage::Format_ARGB32);
    g._contents.fill(Qt::red);
    g._contents_with_settings = g._contents;
    g._barcode_image = g._contents;
}

}  // namespace

TEST(DrawingHostileValues, EveryKindDrawsMeasuresAndHitTestsQuickly) {
    QElapsedTimer timer;
    timer.start();
    int drawn = 0;
    for (zelk::GraphicKind kind : {zelk::GraphicKind::Text, zelk::GraphicKind::Image, zelk::GraphicKind::Line,
                                   zelk::GraphicKind::Shape, zelk::GraphicKind::Barcode, zelk::GraphicKind::Signature}) {
        const QStringList shapes = kind == zelk::GraphicKind::Shape ? ShapeCode::All : QStringList{QString()};
        for (const QString& code : shapes) {
            int variant = 0;
            for (const QRectF& b : hostileBounds()) {
                for (int v = 0; v < 8; ++v, ++variant) {
                    auto g = zelk::makeGraphic(kind);
                    if (!code.isEmpty())
                        g->shape_type = code;
                    spoil(*g, variant);
                    g->_bounds = b;
                    QImage img(80, 60, QImage::Format_ARGB32_Premultiplied);
                    img.fill(Qt::white);
                    QPainter p(&img);
                    p.scale(0.8, 0.8);
                    g->drawContents(p);
                    g->drawHandles(p, v % 2 ? 0.0 : 3.0);
                    p.end();
                    (void)g->drawingBounds();
                    (void)g->isContentsUnderPoint(QPointF(20, 20));
                    (void)g->isContentsUnderPoint(QPointF(kNaN, 1));
                    (void)g->handleUnderPoint(QPointF(10, 10), kNaN);
                    (void)zelk::fittedTextHeight(*g);
                    ++drawn;
                }
            }
        }
    }
    EXPECT_EQ(drawn, (5 + 8) * 9 * 8);
    EXPECT_LT(timer.elapsed(), 60000);
}

TEST(DrawingHostileValues, ACardOfHostileGraphicsStillRenders) {
    QList<std::shared_ptr<SKTGraphic>> graphics;
    int variant = 0;
    for (const QRectF& b : hostileBounds()) {
        auto g = zelk::makeGraphic(variant % 2 ? zelk::GraphicKind::Shape : zelk::GraphicKind::Text);
        spoil(*g, variant++);
        g->_bounds = b;
        graphics.append(g);
    }
    // A sane graphic at the bottom must still show.
    auto sane = zelk::makeGraphic(zelk::GraphicKind::Shape);
    sane->_bounds = QRectF(0, 0, 100, 60);
    sane->_isDrawingFill = true;
    sane->_fillColor = Qt::blue;
    graphics.append(sane);
    Card_Property f, b;
    const auto side = zelk::SideSnapshot::take(&graphics, &f, &b, 0, 0, QRectF(0, 0, 100, 60));
    const SKTRenderingView view(side.cardRect, side, QString());
    const QImage img = view.imageAtResolution(300);
    ASSERT_FALSE(img.isNull());
    EXPECT_FALSE(view.dataWithPDFInsideRect(side.cardRect).isEmpty());
}
