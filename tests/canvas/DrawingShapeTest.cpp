// Shapes: where each outline fills and where it does not, rotation, the
// opacity rule, gradient direction, hatch patterns and shadows.
#include "RenderTestSupport.h"

#include "foundation/DrawingCodes.h"
#include "foundation/Codes.h"
#include "foundation/Shape_Control.h"

#include <QDir>
#include <QFileInfo>
#include "TestSupport.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelk::test;

namespace {

std::shared_ptr<Shape_Control> filledShape(const QString& code, QRectF bounds = QRectF(10, 10, 100, 80)) {
    auto s = std::make_shared<Shape_Control>(code);
    s->_bounds = bounds;
    s->_isDrawingFill = true;
    s->_fill_type = QStringLiteral("S");
    s->_fillColor = QColor(Qt::red);
    s->alpha_val = 1.0f;
    s->_isDrawingStroke = false;
    return s;
}

const QSizeF kCanvas(120, 100);

struct ShapeCase {
    const char* code;
    int cornerRadius, polygonSides;
    std::vector<QPointF> inside, outside;
    const char* why;
};

}  // namespace

TEST(DrawingShape, EachKindFillsItsOutlineOnly) {
    // Bounds (10,10)-(110,90): centre (60,50).
    const std::vector<ShapeCase> cases = {
        {"R", 0, 0, {{60, 50}, {12, 12}, {108, 88}}, {{8, 50}, {60, 93}, {112, 50}}, "the bounds"},
        {"C", 0, 0, {{60, 50}, {60, 12}, {12, 50}}, {{13, 13}, {107, 87}}, "inscribed ellipse"},
        {"RR", 20, 0, {{60, 50}, {60, 12}, {12, 50}}, {{11, 11}, {109, 89}}, "corners cut by radius 20"},
        {"RR", 0, 0, {{11, 11}, {109, 89}}, {{8, 8}}, "radius 0 is a rectangle"},
        {"T", 0, 0, {{60, 14}, {12, 88}, {107, 88}, {60, 80}}, {{14, 14}, {106, 14}}, "apex at the top middle"},
        {"D", 0, 0, {{60, 12}, {12, 50}, {107, 50}, {60, 87}}, {{15, 15}, {105, 85}, {105, 15}}, "edge middles"},
        {"S", 0, 0, {{60, 50}, {60, 13}, {16, 42}}, {{15, 85}, {60, 88}, {15, 15}}, "five points, notch at the bottom"},
        {"DS", 0, 0, {{60, 50}, {60, 16}}, {{13, 13}, {107, 87}}, "centre and tips, not the corners"},
        {"P", 0, 6, {{60, 50}, {60, 12}, {60, 88}}, {{13, 13}, {107, 13}}, "hexagon, corner up"},
        {"P", 0, 4, {{60, 12}, {12, 50}}, {{15, 15}, {105, 85}}, "four sides, corner up: a diamond"},
        {"P", 0, 0, {{60, 50}, {60, 80}}, {{14, 14}}, "no sides stored: drawn as a triangle"},
        {"XX", 0, 0, {{12, 12}, {108, 88}}, {{8, 8}}, "unknown code: a rectangle"},
    };
    for (const ShapeCase& c : cases) {
        auto s = filledShape(QString::fromLatin1(c.code));
        s->cor_rad_val = float(c.cornerRadius);
        s->polygon_type = c.polygonSides;
        const QImage img = drawOnWhite(*s, kCanvas);
        for (const QPointF& p : c.inside)
            EXPECT_TRUE(near(at(img, p.x(), p.y()), QColor(Qt::red), 40))
                << c.code << " (" << c.why << ") should fill " << p.x() << "," << p.y();
        for (const QPointF& p : c.outside)
            EXPECT_TRUE(isWhite(at(img, p.x(), p.y()), 30))
                << c.code << " (" << c.why << ") should not fill " << p.x() << "," << p.y();
        // Nothing at all outside the bounds.
        const QRect ink = inkBox(img);
        EXPECT_TRUE(QRect(9, 9, 102, 82).contains(ink)) << c.code;
    }
}

TEST(DrawingShape, DoubleStarKindsHaveTheirNumberOfPoints) {
    // Kind k has k + 3 long points. For kinds 1, 3 and 5 (4, 6 and 8 points)
    // the star is symmetric, so its centre is the middle of the bounds and
    // its tips span the full height; count the long tips as runs of ink on
    // the curve that lies at 80 % of the long points' reach.
    for (int kind : {1, 3, 5}) {
        const int n = kind + 3;
        double xReach = 0;
        for (int j = 0; j < n; ++j)
            xReach = std::max(xReach, std::abs(std::sin(2 * M_PI * j / n)));
        auto s = filledShape(QStringLiteral("DS"), QRectF(0, 0, 400, 400));
        s->double_star_type = kind;
        const QImage img = drawOnWhite(*s, QSizeF(400, 400));
        int runs = 0;
        bool prev = false, first = false;
        const int steps = 3600;
        for (int i = 0; i < steps; ++i) {
            const double a = 2 * M_PI * i / steps;
            const double x = 200 + 0.8 * std::sin(a) * 200 / xReach;
            const double y = 200 - 0.8 * std::cos(a) * 200;
            const bool ink = !isWhite(at(img, x, y), 60);
            if (i == 0)
                first = ink;
            if (ink && !prev)
                ++runs;
            prev = ink;
        }
        if (first && prev)
            --runs;  // the run through angle 0 was counted twice
        EXPECT_EQ(runs, n) << "kind " << kind;
    }
    // Kinds out of range are brought into it rather than drawing nothing.
    for (int kind : {0, -3, 6, 1000}) {
        auto s = filledShape(QStringLiteral("DS"));
        s->double_star_type = kind;
        EXPECT_TRUE(near(at(drawOnWhite(*s, kCanvas), 60, 50), QColor(Qt::red), 40)) << kind;
    }
}

TEST(DrawingShape, RotationTurnsAboutTheCentre) {
    // A 100 x 20 bar through (60,50) turned 90 degrees stands upright.
    auto s = filledShape(QStringLiteral("R"), QRectF(10, 40, 100, 20));
    s->text_rotation = 90;
    const QImage img = drawOnWhite(*s, kCanvas);
    EXPECT_TRUE(near(at(img, 60, 12), QColor(Qt::red), 40));
    EXPECT_TRUE(near(at(img, 60, 88), QColor(Qt::red), 40));
    EXPECT_TRUE(isWhite(at(img, 15, 50)));
    EXPECT_TRUE(isWhite(at(img, 105, 50)));
}

TEST(DrawingShape, AGradientTurnsWithItsShape) {
    // Left-to-right red to blue in a wide bar; turned 90 degrees clockwise
    // the red end is at the top.
    auto s = filledShape(QStringLiteral("R"), QRectF(10, 40, 100, 20));
    s->_fill_type = QStringLiteral("G");
    s->_fill_Grad_clr1 = QColor(Qt::red);
    s->_fill_Grad_clr2 = QColor(Qt::blue);
    s->text_rotation = 90;
    const QImage img = drawOnWhite(*s, kCanvas);
    EXPECT_GT(at(img, 60, 3).red(), 220);
    EXPECT_GT(at(img, 60, 97).blue(), 220);
}

TEST(DrawingShape, OpacityRule) {
    struct Case {
        const char* what;
        QString fillType;
        QColor stored;
        float alpha;
        QColor expected;
    };
    QColor halfRed(Qt::red);
    halfRed.setAlphaF(0.5f);
    const std::vector<Case> cases = {
        // alpha_val replaces the stored alpha of a solid fill.
        {"solid, opaque colour, alpha 0.5", "S", QColor(Qt::red), 0.5f, QColor(255, 128, 128)},
        {"solid, translucent colour, alpha 1", "S", halfRed, 1.0f, QColor(255, 0, 0)},
        {"solid, alpha 0", "S", QColor(Qt::red), 0.0f, QColor(255, 255, 255)},
        // and of the colour behind a hatch (no pattern found here).
        {"hatch background, alpha 0.5", "H", QColor(Qt::red), 0.5f, QColor(255, 128, 128)},
    };
    for (const Case& c : cases) {
        auto s = filledShape(QStringLiteral("R"));
        s->_fill_type = c.fillType;
        s->_fillColor = c.stored;
        s->_fill_htch_clr = c.stored;
        s->_fill_hatch_type = QStringLiteral("no-such-pattern");
        s->alpha_val = c.alpha;
        const QImage img = drawOnWhite(*s, kCanvas);
        EXPECT_TRUE(near(at(img, 60, 50), c.expected, 3)) << c.what << ": " << at(img, 60, 50).name().toStdString();
    }

    // Gradient colours keep their own alpha whatever alpha_val holds.
    auto g = filledShape(QStringLiteral("R"));
    g->_fill_type = QStringLiteral("G");
    g->_fill_Grad_clr1 = halfRed;
    g->_fill_Grad_clr2 = halfRed;
    g->alpha_val = 0.1f;
    EXPECT_TRUE(near(at(drawOnWhite(*g, kCanvas), 60, 50), QColor(255, 128, 128), 3));

    // The stroke takes alpha_val_stroke, not alpha_val.
    auto st = filledShape(QStringLiteral("R"));
    st->_isDrawingFill = false;
    st->_isDrawingStroke = true;
    st->_strokeWidth = 6;
    st->_strokeColor = QColor(0, 0, 255, 40);
    st->alpha_val = 0.1f;
    st->alpha_val_stroke = 1.0f;
    EXPECT_TRUE(near(at(drawOnWhite(*st, kCanvas), 10, 50), QColor(Qt::blue), 3));
    st->alpha_val_stroke = 0.5f;
    EXPECT_TRUE(near(at(drawOnWhite(*st, kCanvas), 10, 50), QColor(128, 128, 255), 3));
}

TEST(DrawingShape, GradientRunsCounterClockwiseFromTheLeft) {
    struct Case {
        double angle;
        QPointF startSide, endSide;
    };
    // Red at the start, blue at the end; 90 runs from the bottom to the top.
    const std::vector<Case> cases = {
        {0, {12, 50}, {108, 50}},
        {90, {60, 88}, {60, 12}},
        {180, {108, 50}, {12, 50}},
        {270, {60, 12}, {60, 88}},
        {-90, {60, 12}, {60, 88}},
    };
    for (const Case& c : cases) {
        auto s = filledShape(QStringLiteral("R"));
        s->_fill_type = QStringLiteral("G");
        s->_fill_Grad_clr1 = QColor(Qt::red);
        s->_fill_Grad_clr2 = QColor(Qt::blue);
        s->_fill_grad_angle = c.angle;
        const QImage img = drawOnWhite(*s, kCanvas);
        const QColor a = at(img, c.startSide.x(), c.startSide.y());
        const QColor b = at(img, c.endSide.x(), c.endSide.y());
        EXPECT_GT(a.red(), 230) << c.angle;
        EXPECT_LT(a.blue(), 25) << c.angle;
        EXPECT_GT(b.blue(), 230) << c.angle;
        EXPECT_LT(b.red(), 25) << c.angle;
        // Half way the two colours mix.
        const QColor m = at(img, 60, 50);
        EXPECT_NEAR(m.red(), 128, 20) << c.angle;
    }
}

TEST(DrawingShape, HatchTilesThePatternOverItsBackground) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A 4 x 4 tile with its top row black: horizontal lines every 4 points.
    QImage tile(4, 4, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    for (int x = 0; x < 4; ++x)
        tile.setPixelColor(x, 0, Qt::black);
    ASSERT_TRUE(tile.save(dir.filePath(QStringLiteral("Lines.png"))));
    const QString before = zelk::hatchPatternFolder();
    zelk::setHatchPatternFolder(dir.path());

    auto s = filledShape(QStringLiteral("R"), QRectF(0, 0, 40, 40));
    s->_fill_type = QStringLiteral("H");
    s->_fill_htch_clr = QColor(Qt::yellow);
    s->_fill_hatch_type = QStringLiteral("Lines");
    const QImage img = drawOnWhite(*s, QSizeF(40, 40));
    EXPECT_TRUE(near(img.pixelColor(10, 8), QColor(Qt::black), 5));
    EXPECT_TRUE(near(img.pixelColor(10, 9), QColor(Qt::yellow), 5));
    EXPECT_TRUE(near(img.pixelColor(10, 12), QColor(Qt::black), 5));

    // A missing pattern, or a name reaching out of the folder, leaves the
    // background alone.
    for (const char* name : {"Missing", "../Lines", ""}) {
        s->_fill_hatch_type = QString::fromLatin1(name);
        const QImage bg = drawOnWhite(*s, QSizeF(40, 40));
        EXPECT_TRUE(near(bg.pixelColor(10, 8), QColor(Qt::yellow), 5)) << name;
    }
    zelk::setHatchPatternFolder(before);
}

TEST(DrawingShape, ShadowOffsetsRightAndUp) {
    auto s = filledShape(QStringLiteral("R"), QRectF(40, 40, 40, 20));
    s->Drawing_Shadow = true;
    s->Shadow_Color = QColor(Qt::black);
    s->Shadow_transparency = 1.0f;
    s->Shadow_blur = 0;
    s->Shadow_offset_X = 10;
    s->Shadow_offset_Y = 10;  // up on the card
    const QImage img = drawOnWhite(*s, kCanvas);
    EXPECT_TRUE(near(at(img, 60, 50), QColor(Qt::red), 10));     // the shape over its shadow
    EXPECT_TRUE(near(at(img, 85, 35), QColor(Qt::black), 20));   // shadow right and above
    EXPECT_TRUE(isWhite(at(img, 85, 65)));                        // not below
    // Transparency 0.5 gives a half-dark shadow; blur spreads it.
    s->Shadow_transparency = 0.5f;
    EXPECT_NEAR(at(drawOnWhite(*s, kCanvas), 85, 35).red(), 128, 12);
    s->Shadow_blur = 6;
    const QImage blurred = drawOnWhite(*s, kCanvas);
    EXPECT_FALSE(isWhite(at(blurred, 93, 35), 2));  // beyond the sharp edge at 90
    EXPECT_TRUE(s->drawingBounds().contains(QRectF(50, 30, 40, 20)));
}

TEST(DrawingShape, InkStaysInsideTheDrawingBounds) {
    for (const QString& code : ShapeCode::All) {
        auto s = filledShape(code, QRectF(60, 60, 80, 50));
        s->_isDrawingStroke = false;
        (void)s->drawingBounds();  // asked before the stroke and the turn: not kept past them
        s->_isDrawingStroke = true;
        s->_strokeWidth = 1;
        s->_strokeColor = Qt::black;
        s->text_rotation = 30;
        s->Drawing_Shadow = true;
        s->Shadow_transparency = 1;
        s->Shadow_blur = 3;
        s->Shadow_offset_X = -7;
        s->Shadow_offset_Y = 9;
        (void)s->drawingBounds();  // nor before its pen widened
        s->_strokeWidth = 8;
        const QImage img = drawOnWhite(*s, QSizeF(200, 200));
        const QRect ink = inkBox(img, 4);
        ASSERT_FALSE(ink.isEmpty()) << code.toStdString();
        const QRect allowed = s->drawingBounds().toAlignedRect().adjusted(-1, -1, 1, 1);
        EXPECT_TRUE(allowed.contains(ink)) << code.toStdString();
    }
}

TEST(DrawingShape, HitTesting) {
    auto circle = filledShape(QStringLiteral("C"));
    EXPECT_TRUE(circle->isContentsUnderPoint({60, 50}));
    EXPECT_FALSE(circle->isContentsUnderPoint({12, 12}));  // corner of the bounds

    auto frame = filledShape(QStringLiteral("R"));
    frame->_isDrawingFill = false;
    frame->_isDrawingStroke = true;
    frame->_strokeWidth = 1;
    EXPECT_FALSE(frame->isContentsUnderPoint({60, 50}));   // the hole of an outline
    EXPECT_TRUE(frame->isContentsUnderPoint({11.5, 50}));  // near the outline

    auto ghost = filledShape(QStringLiteral("R"));
    ghost->_isDrawingFill = false;
    ghost->_isDrawingStroke = false;
    EXPECT_TRUE(ghost->isContentsUnderPoint({60, 50}));    // still selectable

    auto bar = filledShape(QStringLiteral("R"), QRectF(10, 40, 100, 20));
    bar->text_rotation = 90;
    EXPECT_TRUE(bar->isContentsUnderPoint({60, 15}));
    EXPECT_FALSE(bar->isContentsUnderPoint({15, 50}));
}

TEST(DrawingShape, ShippedHatchPatternsDrawOverTheirBackground) {
    const QDir folder(resourceDir() + QStringLiteral("/Fill_Style_Image"));
    const QStringList files = folder.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << folder.path().toStdString();
    const QString before = zelk::hatchPatternFolder();
    zelk::setHatchPatternFolder(folder.path());
    for (const QString& file : files) {
        auto s = filledShape(QStringLiteral("R"), QRectF(0, 0, 64, 64));
        s->_fill_type = QStringLiteral("H");
        s->_fill_htch_clr = QColor(Qt::yellow);
        s->_fill_hatch_type = QFileInfo(file).completeBaseName();
        const QImage img = drawOnWhite(*s, QSizeF(64, 64));
        int background = 0, pattern = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                (near(img.pixelColor(x, y), QColor(Qt::yellow), 8) ? background : pattern)++;
        EXPECT_GT(background, 64 * 64 / 10) << file.toStdString();
        EXPECT_GT(pattern, 64 * 64 / 50) << file.toStdString();
    }
    zelk::setHatchPatternFolder(before);
}
