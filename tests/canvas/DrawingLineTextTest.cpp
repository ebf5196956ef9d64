// Lines (dash periods, caps, orientations), texts (alignment codes, case,
// kerning, fitted height), pictures, barcodes, and the handles of each kind.
#include "RenderTestSupport.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTLine.h"
#include "foundation/SKTSignature.h"
#include "foundation/SKTText.h"

#include <gtest/gtest.h>

using namespace zelk::test;

namespace {

std::shared_ptr<SKTLine> line(QRectF bounds, double width, const QString& dash, int cap = 0, int ori = 0) {
    auto l = std::make_shared<SKTLine>();
    l->_bounds = bounds;
    l->_strokeWidth = width;
    l->_strokeColor = Qt::black;
    l->alpha_val_stroke = 1;
    l->_stroke_border_type = dash;
    l->_line_cap_style = cap;
    l->_line_ori = ori;
    return l;
}

bool dark(const QColor& c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

}  // namespace

TEST(DrawingLine, DashPeriodsAreInPointsWhateverTheWidth) {
    struct Case {
        const char* code;
        std::vector<std::pair<double, bool>> probes;  // x offset from the start, inked?
    };
    // Patterns in points, drawn from the start with phase 0 and butt caps:
    // "DA" 8 on 2 off; "DO" 4 on 6 off; "DD" 24,10,6,10; "DDD" 24,8,8,8,8,8.
    const std::vector<Case> cases = {
        {"S", {{1, true}, {9, true}, {19, true}, {45, true}}},
        {"DA", {{1, true}, {7, true}, {9, false}, {11, true}, {19, false}, {21, true}, {49, false}}},
        {"DO", {{1, true}, {3, true}, {5, false}, {9, false}, {11, true}, {15, false}, {21, true}}},
        {"DD", {{1, true}, {23, true}, {25, false}, {33, false}, {35, true}, {39, true}, {41, false}, {49, false}, {51, true}}},
        {"DDD", {{23, true}, {25, false}, {31, false}, {33, true}, {39, true}, {41, false}, {49, true}, {57, false}, {65, true}}},
        {"junk", {{1, true}, {9, true}, {19, true}}},
    };
    for (double width : {1.0, 2.0, 5.0}) {
        for (const Case& c : cases) {
            // 4 pixels per point; the line runs along y = 20 from x = 10.
            auto l = line(QRectF(10, 10, 100, 20), width, QString::fromLatin1(c.code));
            const QImage img = drawOnWhite(*l, QSizeF(120, 40), 288);
            for (auto [dx, inked] : c.probes)
                EXPECT_EQ(dark(at(img, 10 + dx, 20, 288)), inked)
                    << c.code << " width " << width << " at +" << dx;
        }
    }
}

TEST(DrawingLine, CapsKeepTheOriginalNumbering) {
    struct Case {
        int cap;
        bool beyondEnd, beyondCorner;
        const char* name;
    };
    // Width 10 from x = 20: a square cap reaches 5 points further with
    // square corners, a round one 5 points along the axis only.
    const std::vector<Case> cases = {
        {0, false, false, "0 butt"},
        {1, true, false, "1 round"},
        {2, true, true, "2 square"},
        {7, false, false, "unknown: butt"},
    };
    for (const Case& c : cases) {
        auto l = line(QRectF(20, 30, 60, 40), 10, QStringLiteral("S"), c.cap);
        const QImage img = drawOnWhite(*l, QSizeF(100, 100), 144);
        EXPECT_EQ(dark(at(img, 17, 50, 144)), c.beyondEnd) << c.name;
        EXPECT_EQ(dark(at(img, 16, 46, 144)), c.beyondCorner) << c.name;
        EXPECT_TRUE(dark(at(img, 50, 50, 144))) << c.name;
    }
}

TEST(DrawingLine, OrientationsAndHandles) {
    struct Case {
        int ori;
        QPointF begin, end, off;
    };
    const QRectF b(10, 10, 80, 60);
    const std::vector<Case> cases = {
        {0, {10, 40}, {90, 40}, {50, 15}},   // horizontal through the middle
        {1, {50, 10}, {50, 70}, {20, 40}},   // vertical through the middle
        {2, {10, 10}, {90, 70}, {80, 20}},   // top-left to bottom-right
        {3, {10, 70}, {90, 10}, {20, 20}},   // bottom-left to top-right
        {9, {10, 40}, {90, 40}, {50, 15}},   // unknown: horizontal
    };
    for (const Case& c : cases) {
        auto l = line(b, 3, QStringLiteral("S"), 0, c.ori);
        const QImage img = drawOnWhite(*l, QSizeF(100, 80));
        const QPointF mid = (c.begin + c.end) / 2;
        EXPECT_TRUE(dark(at(img, mid.x(), mid.y()))) << c.ori;
        EXPECT_TRUE(isWhite(at(img, c.off.x(), c.off.y()))) << c.ori;
        EXPECT_TRUE(l->isContentsUnderPoint(mid + QPointF(1, 1))) << c.ori;
        EXPECT_FALSE(l->isContentsUnderPoint(c.off)) << c.ori;
        EXPECT_EQ(l->handleUnderPoint(c.begin + QPointF(1, -1), 1.0), zelk::LineBeginHandle) << c.ori;
        EXPECT_EQ(l->handleUnderPoint(c.end, 1.0), zelk::LineEndHandle) << c.ori;
        EXPECT_EQ(l->handleUnderPoint(mid, 1.0), zelk::NoHandle) << c.ori;
    }
    // A width of 0 draws a hairline, dashed or not, without failing.
    for (const char* dash : {"S", "DA"}) {
        auto hair = line(b, 0, QString::fromLatin1(dash));
        EXPECT_FALSE(inkBox(drawOnWhite(*hair, QSizeF(100, 80)), 4).isEmpty()) << dash;
    }
}

TEST(DrawingGraphic, BoxHandlesFollowTheZoom) {
    auto img = std::make_shared<SKTImage>();
    img->_bounds = QRectF(10, 20, 100, 50);
    struct Case {
        QPointF p;
        int handle;
    };
    const std::vector<Case> cases = {
        {{10, 20}, zelk::UpperLeftHandle}, {{60, 20}, zelk::UpperMiddleHandle},
        {{110, 20}, zelk::UpperRightHandle}, {{10, 45}, zelk::MiddleLeftHandle},
        {{110, 45}, zelk::MiddleRightHandle}, {{10, 70}, zelk::LowerLeftHandle},
        {{60, 70}, zelk::LowerMiddleHandle}, {{110, 70}, zelk::LowerRightHandle},
        {{60, 45}, zelk::NoHandle},
    };
    for (const Case& c : cases)
        EXPECT_EQ(img->handleUnderPoint(c.p + QPointF(2, 2), 1.0), c.handle);
    // Handles are 6 pixels on screen: 2 points off a corner is on it at
    // 100 %, off it at 400 %.
    EXPECT_EQ(img->handleUnderPoint({12.5, 22.5}, 1.0), zelk::UpperLeftHandle);
    EXPECT_EQ(img->handleUnderPoint({12.5, 22.5}, 4.0), zelk::NoHandle);
    EXPECT_EQ(img->handleUnderPoint({10.5, 20.5}, 4.0), zelk::UpperLeftHandle);

    // Drawn handles sit on the corners.
    QImage canvas(130, 90, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    img->drawHandles(p, 1.0);
    p.end();
    EXPECT_FALSE(isWhite(canvas.pixelColor(10, 20)));
    EXPECT_FALSE(isWhite(canvas.pixelColor(110, 70)));
    EXPECT_TRUE(isWhite(canvas.pixelColor(60, 45)));
}

namespace {

std::shared_ptr<SKTText> text(const QString& s, int h, int v) {
    auto t = std::make_shared<SKTText>();
    t->_bounds = QRectF(20, 20, 200, 100);
    t->Set_text_value(s);
    t->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    t->text_ctrl_font.setPointSizeF(12);
    t->txt_clr = Qt::black;
    t->alpha_val = 1;
    t->text_alignmnet = h;
    t->text_alignmnet_Vert = v;
    return t;
}

}  // namespace

TEST(DrawingText, AlignmentCodes) {
    // Codes keep the original numbering: 0 left/top, 1 right/bottom, 2 centred.
    for (int h : {0, 1, 2}) {
        for (int v : {0, 1, 2}) {
            auto t = text(QStringLiteral("HHHH"), h, v);
            const QRect ink = inkBox(drawOnWhite(*t, QSizeF(240, 140)));
            ASSERT_FALSE(ink.isEmpty());
            const double cx = ink.center().x(), cy = ink.center().y();
            switch (h) {
            case 0: EXPECT_NEAR(ink.left(), 21, 3) << h << v; break;
            case 1: EXPECT_NEAR(ink.right(), 219, 3) << h << v; break;
            case 2: EXPECT_NEAR(cx, 120, 2) << h << v; break;
            }
            // Cap height of 12 pt text is about 9 pt; the line box is taller.
            switch (v) {
            case 0: EXPECT_LT(ink.top(), 28) << h << v; EXPECT_GT(ink.top(), 20) << h << v; break;
            case 1: EXPECT_GT(ink.bottom(), 110) << h << v; EXPECT_LT(ink.bottom(), 120) << h << v; break;
            case 2: EXPECT_NEAR(cy, 70, 4) << h << v; break;
            }
        }
    }
}

TEST(DrawingText, OpacityRotationKerningAndWrapping) {
    auto t = text(QStringLiteral("HHHH"), 2, 2);
    t->alpha_val = 0.5f;
    const QImage half = drawOnWhite(*t, QSizeF(240, 140));
    int darkest = 255;
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x)
            darkest = std::min(darkest, half.pixelColor(x, y).red());
    EXPECT_NEAR(darkest, 128, 6);  // the glyphs' solid stems at half opacity

    // Turned 90 degrees the text runs down the card.
    auto r = text(QStringLiteral("HHHHHHHH"), 2, 2);
    const QRect flat = inkBox(drawOnWhite(*r, QSizeF(240, 240)));
    r->text_rotation = 90;
    const QRect turned = inkBox(drawOnWhite(*r, QSizeF(240, 240)));
    EXPECT_GT(flat.width(), 2 * flat.height());
    EXPECT_GT(turned.height(), 2 * turned.width());

    // Kerning adds space between letters.
    auto k = text(QStringLiteral("HHHH"), 0, 0);
    const int plain = inkBox(drawOnWhite(*k, QSizeF(240, 140))).width();
    k->text_kerning = 5;
    EXPECT_NEAR(inkBox(drawOnWhite(*k, QSizeF(240, 140))).width() - plain, 15, 2);

    // A long text wraps at the box's width and the fitted height grows.
    auto w = text(QStringLiteral("one two three four five six seven eight nine ten"), 0, 0);
    w->_bounds.setWidth(60);
    const double oneLine = zelk::fittedTextHeight(*text(QStringLiteral("one"), 0, 0));
    EXPECT_GT(oneLine, 10);
    EXPECT_LT(oneLine, 20);
    EXPECT_GE(zelk::fittedTextHeight(*w), 4 * oneLine - 1);
    const QRect wrapped = inkBox(drawOnWhite(*w, QSizeF(240, 140)));
    EXPECT_LE(wrapped.right(), 80);
    // An empty text still measures one line.
    EXPECT_NEAR(zelk::fittedTextHeight(*text(QString(), 0, 0)), oneLine, 0.01);
}

TEST(DrawingText, CaseTransformCodes) {
    struct Case {
        int code;
        const char* in;
        const char* out;
    };
    const std::vector<Case> cases = {
        {0, "jean-luc PICARD", "jean-luc PICARD"},
        {1, "jean-luc picard", "JEAN-LUC PICARD"},
        {2, "Jean-Luc PICARD", "jean-luc picard"},
        {3, "jean-luc PICARD of earth", "Jean-Luc Picard Of Earth"},
        {9, "As Typed", "As Typed"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zelk::transformCase(QString::fromUtf8(c.in), c.code), QString::fromUtf8(c.out)) << c.code;
    EXPECT_EQ(zelk::transformCase(QStringLiteral("stra\u00dfe"), 1), QStringLiteral("STRASSE"));
}

TEST(DrawingPicture, FilteredPictureFillsTheBoundsAtItsOpacity) {
    // 2 x 2 quadrants; the unfiltered picture is larger, which must not
    // matter: the filtered one always fills the box.
    QImage q(2, 2, QImage::Format_ARGB32);
    q.setPixelColor(0, 0, Qt::red);
    q.setPixelColor(1, 0, Qt::green);
    q.setPixelColor(0, 1, Qt::blue);
    q.setPixelColor(1, 1, Qt::yellow);
    auto img = std::make_shared<SKTImage>();
    img->_bounds = QRectF(10, 10, 100, 60);
    img->_contents = QImage(300, 17, QImage::Format_ARGB32);
    img->_contents_with_settings = q;
    img->img_trnsp_val = 100;
    QImage out = drawOnWhite(*img, QSizeF(120, 80));
    EXPECT_TRUE(near(at(out, 30, 25), QColor(Qt::red), 30));
    EXPECT_TRUE(near(at(out, 90, 25), QColor(Qt::green), 30));
    EXPECT_TRUE(near(at(out, 30, 60), QColor(Qt::blue), 30));
    EXPECT_TRUE(near(at(out, 90, 60), QColor(Qt::yellow), 30));
    EXPECT_TRUE(isWhite(at(out, 5, 5)));
    EXPECT_TRUE(isWhite(at(out, 115, 75)));
    img->img_trnsp_val = 50;
    out = drawOnWhite(*img, QSizeF(120, 80));
    EXPECT_TRUE(near(at(out, 30, 25), QColor(255, 128, 128), 8));
    // Out of range opacities are held to 0 .. 100 %.
    img->img_trnsp_val = 250;
    EXPECT_TRUE(near(at(drawOnWhite(*img, QSizeF(120, 80)), 30, 25), QColor(Qt::red), 30));
    img->img_trnsp_val = -5;
    EXPECT_TRUE(isWhite(at(drawOnWhite(*img, QSizeF(120, 80)), 30, 25)));

    // A signature shows its picture the same way.
    auto sig = std::make_shared<SKTSignature>();
    sig->_bounds = img->_bounds;
    sig->_contents = q;
    EXPECT_TRUE(near(at(drawOnWhite(*sig, QSizeF(120, 80)), 90, 60), QColor(Qt::yellow), 30));
}

TEST(DrawingPicture, BarcodeDrawsItsPictureOrAnEmptyFrame) {
    auto bc = std::make_shared<SKTBarcode>();
    bc->_bounds = QRectF(10, 10, 100, 40);
    QImage none = drawOnWhite(*bc, QSizeF(120, 60));
    EXPECT_FALSE(isWhite(at(none, 10, 30), 20));  // the frame
    EXPECT_TRUE(isWhite(at(none, 60, 30)));       // nothing inside
    // Bars stay sharp: a picture of alternating columns scaled 10 times.
    QImage bars(10, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 10; ++x)
        bars.setPixelColor(x, 0, x % 2 ? Qt::white : Qt::black);
    bc->_barcode_image = bars;
    const QImage drawn = drawOnWhite(*bc, QSizeF(120, 60));
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(dark(at(drawn, 10 + 10 * x + 1, 30)), x % 2 == 0) << x;
        EXPECT_EQ(dark(at(drawn, 10 + 10 * x + 9, 30)), x % 2 == 0) << x;
    }
}

TEST(DrawingText, NaturalSizeKeepsEachParagraphOnOneLine) {
    // makeNaturalSize measures the text; the drawing must then not wrap it.
    for (const char* s : {"Ada Lovelace", "Chief Analyst, Analytical Engines", "WWWWWWWWWWWWWWWW",
                          "iiiiiiiiiiiiiiiiiiiiiiiiiiii", "two\nlines here"}) {
        for (double size : {6.0, 8.0, 9.5, 12.0, 18.0}) {
            for (float kern : {0.0f, 1.5f}) {
                auto t = text(QString::fromLatin1(s), 0, 0);
                t->text_ctrl_font.setPointSizeF(size);
                t->text_kerning = kern;
                t->makeNaturalSize();
                const int paragraphs = QString::fromLatin1(s).count(QLatin1Char('\n')) + 1;
                auto oneLine = text(QStringLiteral("x"), 0, 0);
                oneLine->text_ctrl_font.setPointSizeF(size);
                EXPECT_LE(zelk::fittedTextHeight(*t), paragraphs * zelk::fittedTextHeight(*oneLine) + 0.5)
                    << s << " at " << size << " kerning " << kern << " width " << t->_bounds.width();
            }
        }
    }
}

TEST(DrawingText, ABoxWithoutWidthShowsItsTextAtItsLeftEdge) {
    for (int h : {0, 1, 2}) {
        auto t = text(QStringLiteral("HHHH\nHH"), h, 0);
        t->_bounds = QRectF(30, 20, 0, 40);
        const QRect ink = inkBox(drawOnWhite(*t, QSizeF(240, 140)));
        ASSERT_FALSE(ink.isEmpty()) << h;
        EXPECT_NEAR(ink.left(), 31, 3) << h;
        EXPECT_LT(ink.right(), 80) << h;
    }
}

// A field's value that needs more lines than its box holds is drawn at the
// largest smaller size that fits, down to half its own; a user's own text
// and the invitation's keep their size and run past the box. The stored
// font stays, and the drawn area is what is inked.
TEST(DrawingText, AFieldTooLongForItsBoxIsDrawnSmallerInsideIt) {
    const QString title = QStringLiteral("Chief Executive Procurement Officer");
    struct Case {
        const char* note;
        QString id, value;
        enum { Own, Smaller, Half } size;
    };
    const Case cases[] = {
        {"a user's own text", QString(), title, Case::Own},
        {"the invitation's", QStringLiteral("PARTY_NAME"), title, Case::Own},
        {"a field that fits", Fup_Title, QStringLiteral("Engineer"), Case::Own},
        {"a field too long", Fup_Title, title, Case::Smaller},
        {"a caption too long", Fup_lbl_Title, title, Case::Smaller},
        {"a user-added row too long", QStringLiteral("F_field2"), title, Case::Smaller},
        {"a field too long even at half its size", Fup_Company, title.repeated(6), Case::Half},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        auto t = text(QStringLiteral("x"), 0, 0);
        t->_bounds = QRectF(20, 20, 100, 0);
        t->_bounds.setHeight(zelk::fittedTextHeight(*t));  // room for one line
        t->control_ID = c.id;
        t->Set_text_value(c.value);
        const double size = zelk::drawnTextPointSize(*t);
        const QRect ink = inkBox(drawOnWhite(*t, QSizeF(240, 240)));
        EXPECT_EQ(t->text_ctrl_font.pointSizeF(), 12);
        EXPECT_TRUE(QRectF(t->drawingBounds()).adjusted(-1, -1, 1, 1).contains(QRectF(ink)));
        switch (c.size) {
        case Case::Own:
            EXPECT_EQ(size, 12);
            EXPECT_EQ(ink.bottom() > t->bounds().bottom() + 1, c.value != QStringLiteral("Engineer"));
            break;
        case Case::Smaller: {
            EXPECT_GT(size, 6);
            EXPECT_LT(size, 12);
            EXPECT_EQ(t->drawingBounds(), t->bounds());
            EXPECT_LE(ink.bottom(), t->bounds().bottom() + 1);
            // The largest that fits: a little larger does not.
            auto larger = std::static_pointer_cast<SKTText>(t->clone());
            larger->text_ctrl_font.setPointSizeF(size + 0.1);
            EXPECT_GT(zelk::fittedTextHeight(*larger), t->bounds().height());
            break;
        }
        case Case::Half:
            EXPECT_EQ(size, 6);
            EXPECT_GT(ink.bottom(), t->bounds().bottom() + 1);
            break;
        }
    }
}
