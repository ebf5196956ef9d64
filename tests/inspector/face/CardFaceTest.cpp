#include "inspector/face/CardFace.h"

#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/DrawingCodes.h"
#include "PixelTools.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <limits>

using zelk::test::solidImage;

namespace {

const QColor kOutside(255, 0, 255);  // what the device held before the paint

class CardFaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        zelk::setHatchPatternFolder(zelk::test::resourceDir() + QStringLiteral("/Fill_Style_Image"));
    }

    // One paint in the renderer's order: base, the graphics, border. The
    // "graphics" default to nothing; the card is w x h points, one pixel each.
    static QImage paint(const Card_Property& P, int shape, int w = 200, int h = 120,
                        const std::function<void(QPainter&)>& graphics = {}) {
        QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
        img.fill(kOutside);
        QPainter painter(&img);
        const QRectF R(0, 0, w, h);
        CardFace::Card_Base_Drawing(painter, P, shape, R);
        if (graphics)
            graphics(painter);
        CardFace::Card_Border_Drawing(painter, P, shape, R);
        return img;
    }

    static Card_Property filled(const QString& style) {
        Card_Property P;
        P.Card_fill_chk = true;
        P.Card_fill_style = style;
        return P;
    }
};

void coverAll(QPainter& p) { p.fillRect(QRectF(-50, -50, 1000, 1000), Qt::black); }

}  // namespace

TEST_F(CardFaceTest, FillOffShowsWhiteWhateverTheFillFieldsHold) {
    for (const char* style : {"S", "G", "H", "I"}) {
        Card_Property P = filled(QString::fromLatin1(style));
        P.Card_fill_chk = false;
        P.Card_fill_clr = Qt::red;
        P.Card_fill_Grd_1_clr = Qt::red;
        P.Card_fill_Grd_2_clr = Qt::blue;
        P.Card_hatch_bk_clr = Qt::green;
        P.Card_hatch_style = QStringLiteral("Cross");
        P.Card_BG_Image = solidImage(4, 4, Qt::blue);
        const QImage img = paint(P, 0);
        EXPECT_PIXEL_NEAR(img, 100, 60, QColor(Qt::white), 0) << style;
        EXPECT_PIXEL_NEAR(img, 0, 0, QColor(Qt::white), 0) << style;
    }
}

TEST_F(CardFaceTest, SolidFillAndItsOpacity) {
    struct Case {
        const char* note;
        QString style;
        QColor fill;
        QColor expected;
    };
    const Case cases[] = {
        {"solid", "S", Qt::red, Qt::red},
        // The card opacity rides in the colour's alpha: red at 0.5 over the white base.
        {"solid at 0.5", "S", QColor(255, 0, 0, 128), QColor(255, 127, 127)},
        {"unknown style draws solid", "Q", Qt::blue, Qt::blue},
        {"empty style draws solid", "", Qt::green, Qt::green},
    };
    for (const Case& c : cases) {
        Card_Property P = filled(c.style);
        P.Card_fill_clr = c.fill;
        EXPECT_PIXEL_NEAR(paint(P, 0), 100, 60, c.expected, 1) << c.note;
    }
}

TEST_F(CardFaceTest, GradientRunsAtItsAngle) {
    Card_Property P = filled(QStringLiteral("G"));
    P.Card_fill_Grd_1_clr = Qt::red;
    P.Card_fill_Grd_2_clr = Qt::blue;
    struct Case {
        int angle;
        QPoint start, end;  // where the first and the second colour sit
    };
    // Counter-clockwise from the horizontal as seen: 0 left to right, 90
    // bottom to top, 180 right to left, 270 top to bottom.
    const Case cases[] = {
        {0, {0, 60}, {199, 60}},
        {90, {100, 119}, {100, 0}},
        {180, {199, 60}, {0, 60}},
        {270, {100, 0}, {100, 119}},
    };
    for (const Case& c : cases) {
        P.Card_grad_Stepper = c.angle;
        const QImage img = paint(P, 0);
        EXPECT_PIXEL_NEAR(img, c.start.x(), c.start.y(), QColor(Qt::red), 6) << c.angle;
        EXPECT_PIXEL_NEAR(img, c.end.x(), c.end.y(), QColor(Qt::blue), 6) << c.angle;
        // Half way the two mix evenly.
        EXPECT_PIXEL_NEAR(img, 100, 60, QColor(128, 0, 127), 6) << c.angle;
    }
}

TEST_F(CardFaceTest, TranslucentGradientLayersCompound) {
    // Start colour, gradient in the outline, gradient over the card: three
    // layers of red at alpha 0.5 over white leave 1/8 of the white.
    Card_Property P = filled(QStringLiteral("G"));
    P.Card_fill_Grd_1_clr = QColor(255, 0, 0, 128);
    P.Card_fill_Grd_2_clr = QColor(255, 0, 0, 128);
    for (int shape : {0, 1, 2})
        EXPECT_PIXEL_NEAR(paint(P, shape), 100, 60, QColor(255, 32, 32), 2) << shape;
}

TEST_F(CardFaceTest, HatchPatternOverItsBackground) {
    Card_Property P = filled(QStringLiteral("H"));
    P.Card_hatch_bk_clr = Qt::yellow;
    P.Card_hatch_style = QStringLiteral("Horizontal");
    // The pattern is an 8-point tile with its ink on the tile's top row. The
    // tiles start at the card's bottom-left corner: on a card 124 high the
    // lowest tile begins at 116, so ink lies on rows 116, 108, ... 4.
    const QImage img = paint(P, 0, 200, 124);
    const QColor ink = zelk::hatchPatternImage(QStringLiteral("Horizontal")).pixelColor(0, 0);
    ASSERT_EQ(ink.alpha(), 255);
    for (int y : {116, 108, 60, 4})
        EXPECT_PIXEL_NEAR(img, 50, y, ink, 1) << y;
    for (int y : {0, 3, 5, 117, 123})
        EXPECT_PIXEL_NEAR(img, 50, y, QColor(Qt::yellow), 1) << y;
}

TEST_F(CardFaceTest, HatchBackgroundOpacityAndMissingPattern) {
    Card_Property P = filled(QStringLiteral("H"));
    P.Card_hatch_bk_clr = QColor(0, 0, 255, 128);
    for (const char* name : {"No_Such_Pattern", "", "../banner"}) {
        P.Card_hatch_style = QString::fromLatin1(name);
        const QImage img = paint(P, 0, 200, 124);
        // Only the background colour, at its opacity, over the white base.
        for (int y : {0, 4, 60, 116})
            EXPECT_PIXEL_NEAR(img, 50, y, QColor(127, 127, 255), 1) << name << " row " << y;
    }
}

TEST_F(CardFaceTest, StretchedPictureAndItsOpacity) {
    // 2 x 2 picture stretched over the card: one colour per quarter.
    QImage pic(2, 2, QImage::Format_ARGB32);
    pic.setPixelColor(0, 0, Qt::red);
    pic.setPixelColor(1, 0, Qt::green);
    pic.setPixelColor(0, 1, Qt::blue);
    pic.setPixelColor(1, 1, Qt::black);
    struct Case {
        float alpha;
        double coverage;  // share of the picture over the white base
    };
    // A new side holds 100, which draws opaque (clamped); 0.5 lets the white
    // base show through by half.
    for (const Case& c : {Case{100.0f, 1.0}, Case{1.0f, 1.0}, Case{0.5f, 0.5}, Case{0.0f, 0.0}}) {
        Card_Property P = filled(QStringLiteral("I"));
        P.Card_BG_Image = pic;
        P.Card_BG_Image_Layout = QStringLiteral("Stretch");
        P.Card_alpha_Stepper = c.alpha;
        const QImage img = paint(P, 0);
        auto mix = [&](QColor q) {
            auto ch = [&](int v) { return int(std::lround(255 + (v - 255) * c.coverage)); };
            return QColor(ch(q.red()), ch(q.green()), ch(q.blue()));
        };
        EXPECT_PIXEL_NEAR(img, 20, 20, mix(Qt::red), 2) << c.alpha;
        EXPECT_PIXEL_NEAR(img, 180, 20, mix(Qt::green), 2) << c.alpha;
        EXPECT_PIXEL_NEAR(img, 20, 100, mix(Qt::blue), 2) << c.alpha;
        EXPECT_PIXEL_NEAR(img, 180, 100, mix(Qt::black), 2) << c.alpha;
    }
}

TEST_F(CardFaceTest, TiledPictureIgnoresOpacityAndStartsAtTheBottomLeft) {
    QImage tile = solidImage(10, 10, Qt::green);
    tile.setPixelColor(0, 0, Qt::red);
    Card_Property P = filled(QStringLiteral("I"));
    P.Card_BG_Image = tile;
    P.Card_BG_Image_Layout = QStringLiteral("Tile");
    P.Card_alpha_Stepper = 0.5f;
    const QImage img = paint(P, 0, 200, 124);
    // Tiles at y = 114, 104, ..., 4: the red corner pixel of each tile.
    for (const QPoint& p : {QPoint(0, 114), QPoint(10, 114), QPoint(190, 4), QPoint(50, 64)})
        EXPECT_PIXEL_NEAR(img, p.x(), p.y(), QColor(Qt::red), 0) << p.x() << "," << p.y();
    EXPECT_PIXEL_NEAR(img, 5, 119, QColor(Qt::green), 0);
    EXPECT_PIXEL_NEAR(img, 5, 0, QColor(Qt::green), 0);
}

TEST_F(CardFaceTest, PictureStyleWithoutPictureIsWhite) {
    Card_Property P = filled(QStringLiteral("I"));
    P.Card_fill_clr = Qt::red;
    EXPECT_PIXEL_NEAR(paint(P, 0), 100, 60, QColor(Qt::white), 0);
}

TEST_F(CardFaceTest, ClipToTheOutlineStaysForTheGraphics) {
    // The graphics paint black over everything; only the outline shows them.
    struct Case {
        int shape;
        bool cornerInside;  // the pixel at (1, 1)
        bool edgeInside;    // (12, 0): past a rounded corner of radius 10
    };
    const Case cases[] = {
        {0, true, true},    // rectangle
        {1, false, true},   // rounded rectangle, radius 10
        {2, false, false},  // oval
        {3, true, true},    // any other value: rectangle
        {-1, true, true},
    };
    Card_Property P;
    P.Card_fill_chk = false;
    for (const Case& c : cases) {
        const QImage img = paint(P, c.shape, 200, 120, coverAll);
        EXPECT_PIXEL_NEAR(img, 1, 1, c.cornerInside ? QColor(Qt::black) : kOutside, 0) << c.shape;
        EXPECT_PIXEL_NEAR(img, 12, 0, c.edgeInside ? QColor(Qt::black) : kOutside, 0) << c.shape;
        EXPECT_PIXEL_NEAR(img, 100, 60, QColor(Qt::black), 0) << c.shape;
    }
    // Without graphics, the white base shows inside the oval only.
    const QImage oval = paint(P, 2);
    EXPECT_PIXEL_NEAR(oval, 1, 1, kOutside, 0);
    EXPECT_PIXEL_NEAR(oval, 100, 1, QColor(Qt::white), 0);
}

namespace {
// Rows holding dark watermark ink: first and last.
std::pair<int, int> inkRows(const QImage& img) {
    int first = -1, last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).red() < 100) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}
std::pair<int, int> inkColumns(const QImage& img) {
    int first = img.width(), last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).red() < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}
}  // namespace

TEST_F(CardFaceTest, WatermarkAlignments) {
    Card_Property P;
    P.Card_fill_chk = false;
    P.Watermark_Used = true;
    P.Watermark_Text = QStringLiteral("HHHH");
    P.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 30);
    P.Watermark_Color = Qt::black;
    P.Watermark_Transp = 1.0f;
    const int h = 200;
    struct Case {
        int alignment;
        const char* where;
    };
    for (const Case& c : {Case{0, "top"}, Case{1, "middle"}, Case{2, "bottom"}, Case{3, "top"}, Case{-4, "top"}}) {
        P.Watermark_Alignment = c.alignment;
        const QImage img = paint(P, 0, 300, h);
        const auto [top, bottom] = inkRows(img);
        ASSERT_GE(top, 0) << c.alignment;
        const int height = bottom - top;
        EXPECT_GT(height, 15);
        EXPECT_LT(height, 40);
        const std::string where = c.where;
        if (where == "top")
            EXPECT_LT(top, 15) << c.alignment;
        else if (where == "bottom")
            EXPECT_GT(bottom, h - 15) << c.alignment;
        else
            EXPECT_NEAR((top + bottom) / 2.0, h / 2.0, 8) << c.alignment;
        // Centred across the card.
        const auto [left, right] = inkColumns(img);
        EXPECT_NEAR((left + right) / 2.0, 150, 3) << c.alignment;
    }
}

TEST_F(CardFaceTest, WatermarkTransparencyAndWrapping) {
    Card_Property P;
    P.Card_fill_chk = false;
    P.Watermark_Used = true;
    P.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 40, QFont::Black);
    P.Watermark_Color = QColor(0, 0, 0, 40);  // its own alpha is replaced
    P.Watermark_Transp = 0.5f;
    P.Watermark_Text = QStringLiteral("I");
    P.Watermark_Alignment = 0;
    const QImage img = paint(P, 0, 300, 200);
    int darkest = 255;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            darkest = std::min(darkest, img.pixelColor(x, y).red());
    EXPECT_NEAR(darkest, 128, 3);
    // Text longer than a line wraps at the card width: two lines, each centred.
    P.Watermark_Transp = 1.0f;
    P.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 20);
    P.Watermark_Text = QStringLiteral("WWWWWW WWWWWW");
    const QImage wrapped = paint(P, 0, 200, 200);
    const auto [top, bottom] = inkRows(wrapped);
    EXPECT_GT(bottom - top, 30);
    // Inside the card with room to spare, and centred.
    const auto [left, right] = inkColumns(wrapped);
    EXPECT_GT(left, 0);
    EXPECT_LT(right, 199);
    EXPECT_NEAR((left + right) / 2.0, 100, 6);
}

TEST_F(CardFaceTest, WatermarkOffOrEmptyDrawsNothing) {
    Card_Property P;
    P.Card_fill_chk = false;
    P.Watermark_Used = false;
    P.Watermark_Text = QStringLiteral("SECRET");
    P.Watermark_Color = Qt::black;
    EXPECT_EQ(inkRows(paint(P, 0)).first, -1);
    P.Watermark_Used = true;
    P.Watermark_Text.clear();
    EXPECT_EQ(inkRows(paint(P, 0)).first, -1);
}

TEST_F(CardFaceTest, BorderWidthsShowHalfInside) {
    Card_Property P;
    P.Card_fill_chk = false;
    P.Card_border_chk = true;
    P.Card_bordr_clr = Qt::red;
    P.Card_border_style = QStringLiteral("S");
    for (int width : {2, 4, 10}) {
        P.Card_bor_Stepper = width;
        const QImage img = paint(P, 0);
        const int inside = width / 2;
        for (int i = 0; i < inside; ++i) {
            EXPECT_PIXEL_NEAR(img, 100, i, QColor(Qt::red), 0) << width;
            EXPECT_PIXEL_NEAR(img, i, 60, QColor(Qt::red), 0) << width;
            EXPECT_PIXEL_NEAR(img, 199 - i, 60, QColor(Qt::red), 0) << width;
            EXPECT_PIXEL_NEAR(img, 100, 119 - i, QColor(Qt::red), 0) << width;
        }
        EXPECT_PIXEL_NEAR(img, 100, inside, QColor(Qt::white), 0) << width;
    }
    P.Card_border_chk = false;
    EXPECT_PIXEL_NEAR(paint(P, 0), 100, 0, QColor(Qt::white), 0);
}

TEST_F(CardFaceTest, BorderDashes) {
    // Share of ink along the top edge, away from the corners, per DashCode.
    struct Case {
        const char* code;
        double ink;
    };
    const Case cases[] = {
        {"S", 1.0}, {"XX", 1.0}, {"", 1.0},
        {"DA", 8.0 / 10.0},
        {"DO", 4.0 / 10.0},
        {"DD", 30.0 / 50.0},
        {"DDD", 40.0 / 64.0},
    };
    Card_Property P;
    P.Card_fill_chk = false;
    P.Card_border_chk = true;
    P.Card_bordr_clr = Qt::red;
    P.Card_bor_Stepper = 4;
    for (const Case& c : cases) {
        P.Card_border_style = QString::fromLatin1(c.code);
        const QImage img = paint(P, 0, 660, 100);
        int ink = 0;
        for (int x = 10; x < 650; ++x)
            ink += img.pixelColor(x, 0).green() < 128 ? 1 : 0;
        EXPECT_NEAR(ink / 640.0, c.ink, 0.03) << c.code;
    }
}

TEST_F(CardFaceTest, DashesFollowTheRoundedCorners) {
    // The pattern runs on around the rounded corners: the dashed outline
    // holds about 8/10 of the solid one's ink, corners included.
    Card_Property P;
    P.Card_fill_chk = false;
    P.Card_border_chk = true;
    P.Card_bordr_clr = Qt::red;
    P.Card_bor_Stepper = 4;
    auto inkCount = [&](const QString& code) {
        P.Card_border_style = code;
        const QImage img = paint(P, 1, 200, 120);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += (c.red() > 200 && c.green() < 100) ? 1 : 0;
            }
        return n;
    };
    const int solid = inkCount(QStringLiteral("S"));
    ASSERT_GT(solid, 0);
    EXPECT_NEAR(double(inkCount(QStringLiteral("DA"))) / solid, 0.8, 0.05);
    // Ink inside the rounded corner: the band along the arc.
    P.Card_border_style = QStringLiteral("S");
    const QImage img = paint(P, 1, 200, 120);
    EXPECT_PIXEL_NEAR(img, 3, 3, QColor(Qt::red), 40);  // 9.2 from the arc centre (10, 10)
}

TEST_F(CardFaceTest, HookDrawsTheSnapshotsSide) {
    auto front = std::make_shared<Card_Property>(QStringLiteral("F"));
    auto back = std::make_shared<Card_Property>(QStringLiteral("B"));
    front->Card_fill_clr = Qt::red;
    back->Card_fill_clr = Qt::blue;
    back->Card_border_chk = true;
    back->Card_bordr_clr = Qt::green;
    back->Card_bor_Stepper = 6;
    zelk::SideSnapshot side;
    side.Front_card_Prop = front;
    side.Back_card_Prop = back;
    side.Card_Shape = 2;
    side.cardRect = QRectF(0, 0, 200, 120);
    const CardFace face;
    auto render = [&](int frontOrBack) {
        side.Card_Front_Or_Back = frontOrBack;
        QImage img(200, 120, QImage::Format_ARGB32_Premultiplied);
        img.fill(kOutside);
        QPainter p(&img);
        face.Card_Base_Drawing(p, side);
        coverAll(p);  // the graphics, clipped to the oval
        face.Card_Border_Drawing(p, side);
        return img;
    };
    const QImage f = render(0);
    EXPECT_PIXEL_NEAR(f, 1, 1, kOutside, 0);
    EXPECT_PIXEL_NEAR(f, 100, 60, QColor(Qt::black), 0);
    EXPECT_PIXEL_NEAR(f, 100, 1, QColor(Qt::black), 0);  // the front has no border
    const QImage b = render(1);
    EXPECT_PIXEL_NEAR(b, 100, 1, QColor(Qt::green), 0);
    EXPECT_PIXEL_NEAR(b, 1, 1, kOutside, 0);
    // The side's fill: drawn beneath, seen where nothing covers it.
    side.Card_Front_Or_Back = 7;  // any value but 0 is the back
    QImage plain(200, 120, QImage::Format_ARGB32_Premultiplied);
    plain.fill(kOutside);
    {
        QPainter p(&plain);
        face.Card_Base_Drawing(p, side);
    }
    EXPECT_PIXEL_NEAR(plain, 100, 60, QColor(Qt::blue), 0);
    // Installed as the renderer's hook.
    CardFace::install();
    EXPECT_NE(dynamic_cast<const CardFace*>(zelk::CardFaceHook::installed().get()), nullptr);
    zelk::CardFaceHook::install(nullptr);
}

TEST_F(CardFaceTest, DamagedNumbersDrawNothingOrHoldToTheCard) {
    // Values a damaged design may carry: the face is drawn (or skipped)
    // without reaching the rasteriser with them.
    Card_Property P = filled(QStringLiteral("G"));
    P.Card_grad_Stepper = std::numeric_limits<int>::max();
    P.Card_alpha_Stepper = std::numeric_limits<float>::quiet_NaN();
    P.Card_border_chk = true;
    P.Card_bor_Stepper = std::numeric_limits<int>::max();
    P.Card_border_style = QStringLiteral("DDD");
    P.Watermark_Used = true;
    P.Watermark_Text = QStringLiteral("X");
    P.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 30);
    P.Watermark_Font.setPointSizeF(1e7);
    P.Watermark_Transp = std::numeric_limits<float>::infinity();
    P.Watermark_Color = Qt::black;
    // A border wider than the card fills it.
    const QImage img = paint(P, 1);
    EXPECT_PIXEL_NEAR(img, 100, 60, QColor(Qt::black), 0);
    P.Card_bor_Stepper = -5;  // a negative width is the thinnest line
    paint(P, 2);
    P.Card_fill_style = QStringLiteral("I");
    P.Card_BG_Image = solidImage(3, 3, Qt::red);
    EXPECT_PIXEL_NEAR(paint(P, 0), 100, 1, QColor(Qt::red), 0);  // NaN opacity: opaque
    for (const QRectF& R : {QRectF(0, 0, qQNaN(), 10), QRectF(0, 0, 1e300, 1e300), QRectF(-1e9, 0, 5, 5)}) {
        QImage out = solidImage(20, 20, kOutside);
        QPainter p(&out);
        CardFace::Card_Base_Drawing(p, P, 0, R);
        CardFace::Card_Border_Drawing(p, P, 0, R);
        p.end();
        EXPECT_PIXEL_NEAR(out, 10, 10, kOutside, 0);
    }
}
