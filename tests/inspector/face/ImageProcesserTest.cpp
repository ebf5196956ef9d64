#include "inspector/face/ImageProcesser.h"

#include "foundation/SKTGraphic.h"
#include "PixelTools.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QtMath>

#include <limits>

using zelk::test::maxChannelDifference;
using zelk::test::noiseImage;
using zelk::test::solidImage;

namespace {

// The image panel's settings; the defaults are its neutral values (reset).
struct Settings {
    bool grayscale = false, sepia = false, invert = false;
    float hue = 0, sat = 1, brt = 0, con = 1;
    int rotate = 0;
    float sharp = 0, ev = 0, blur = 0, transparency = 100;
    bool rotateOnBox = false, flipH = false, flipV = false, useImgRect = false;
    QRectF bound = QRectF(10, 20, 300, 200);
};

QImage run(const QImage& in, const Settings& s) {
    return ImageProcesser::Get_Processed_Image_Full_Combined(
        in, s.grayscale, s.sepia, s.invert, s.hue, s.sat, s.brt, s.con, s.rotate, s.sharp, s.ev,
        s.blur, s.transparency, s.rotateOnBox, s.flipH, s.flipV, s.useImgRect, s.bound);
}

QColor runOnColour(QColor c, const Settings& s) { return run(solidImage(4, 3, c), s).pixelColor(2, 1); }

}  // namespace

TEST(ImageProcesser, NullPictureGivesNull) {
    EXPECT_TRUE(run(QImage(), Settings{}).isNull());
    Settings s;
    s.grayscale = s.rotateOnBox = true;
    EXPECT_TRUE(run(QImage(), s).isNull());
}

// Every step at (or a hair off) its neutral value leaves the picture as it
// was, within one level: catches a wrong identity in any formula, the
// packing and the exposure curve's table.
TEST(ImageProcesser, NeutralSettingsKeepThePicture) {
    struct Case {
        const char* note;
        Settings s;
    };
    std::vector<Case> cases;
    cases.push_back({"all neutral", {}});
    Settings s;
    s.hue = 1e-4f;
    cases.push_back({"hue almost 0", s});
    s = {};
    s.sat = 0.9999f;
    cases.push_back({"saturation almost 1", s});
    s = {};
    s.brt = 1e-5f;
    cases.push_back({"brightness almost 0", s});
    s = {};
    s.con = 1.0001f;
    cases.push_back({"contrast almost 1", s});
    s = {};
    s.sharp = 1e-4f;
    cases.push_back({"sharpness almost 0", s});
    s = {};
    s.ev = 1e-4f;
    cases.push_back({"exposure almost 0", s});
    s = {};
    s.blur = 0.4f;
    cases.push_back({"blur radius below one half", s});
    s = {};
    s.rotateOnBox = true;
    cases.push_back({"turn by 0 on the box", s});
    s = {};
    s.transparency = 20;
    cases.push_back({"transparency is not applied here", s});
    for (bool alpha : {false, true}) {
        const QImage in = noiseImage(37, 23, alpha);
        for (const Case& c : cases) {
            const QImage out = run(in, c.s);
            EXPECT_EQ(out.size(), in.size()) << c.note;
            EXPECT_LE(maxChannelDifference(out, in), 1) << c.note << (alpha ? " (alpha)" : "");
        }
    }
}

TEST(ImageProcesser, ResultReportsTheInputSizeInPoints) {
    QImage in = noiseImage(300, 200, false);
    zelk::setReportedPointSize(in, QSizeF(150, 100));  // a 144 dpi picture
    Settings s;
    s.sepia = true;
    s.blur = 2;
    const QSizeF size = zelk::pictureSizeInPoints(run(in, s));
    EXPECT_NEAR(size.width(), 150, 0.05);
    EXPECT_NEAR(size.height(), 100, 0.05);
}

// Outputs of the colour steps for known inputs, worked out by hand from the
// formulas the filters document (levels of 255; one level of rounding).
TEST(ImageProcesser, ColourStepsGiveTheDocumentedValues) {
    struct Case {
        const char* note;
        QColor in;
        Settings s;
        QColor expected;
    };
    auto with = [](auto set) {
        Settings s;
        set(s);
        return s;
    };
    const Case cases[] = {
        // Monochrome with grey 0.5 is the BT.709 luminance 0.2125 r + 0.7154 g + 0.0721 b.
        {"grey of red", Qt::red, with([](Settings& s) { s.grayscale = true; }), QColor(54, 54, 54)},
        {"grey of green", Qt::green, with([](Settings& s) { s.grayscale = true; }), QColor(182, 182, 182)},
        {"grey of blue", Qt::blue, with([](Settings& s) { s.grayscale = true; }), QColor(18, 18, 18)},
        {"grey of white", Qt::white, with([](Settings& s) { s.grayscale = true; }), Qt::white},
        // Sepia matrix rows sum to 1.351, 1.203, 0.937.
        {"sepia of white", Qt::white, with([](Settings& s) { s.sepia = true; }), QColor(255, 255, 239)},
        {"sepia of mid grey", QColor(128, 128, 128), with([](Settings& s) { s.sepia = true; }),
         QColor(173, 154, 120)},
        {"sepia of red", Qt::red, with([](Settings& s) { s.sepia = true; }), QColor(100, 89, 69)},
        // With both, sepia works on the grey: 0.2125 x (1.351, 1.203, 0.937).
        {"grey then sepia of red", Qt::red, with([](Settings& s) { s.grayscale = s.sepia = true; }),
         QColor(73, 65, 51)},
        // A turn of a third about the grey axis takes red to green, two thirds to blue.
        {"hue +2pi/3 of red", Qt::red, with([](Settings& s) { s.hue = float(2 * M_PI / 3); }), Qt::green},
        {"hue +4pi/3 of red", Qt::red, with([](Settings& s) { s.hue = float(4 * M_PI / 3); }), Qt::blue},
        {"hue -2pi/3 of red", Qt::red, with([](Settings& s) { s.hue = float(-2 * M_PI / 3); }), Qt::blue},
        {"hue keeps grey", QColor(90, 90, 90), with([](Settings& s) { s.hue = 1.3f; }), QColor(90, 90, 90)},
        // Saturation 0 leaves the luminance.
        {"saturation 0 of red", Qt::red, with([](Settings& s) { s.sat = 0; }), QColor(54, 54, 54)},
        // Saturation 2: l + 2 (c - l) = (2 - 0.2125, -0.2125, -0.2125) clamped.
        {"saturation 2 of dark red", QColor(100, 0, 0), with([](Settings& s) { s.sat = 2; }),
         QColor(179, 0, 0)},
        // Brightness adds: 0.25 x 255 = 63.75.
        {"brightness +0.25 of black", Qt::black, with([](Settings& s) { s.brt = 0.25f; }), QColor(64, 64, 64)},
        // Contrast scales about 0.5: 1.5 x 200 - 63.75 = 236.25; 1.5 x 100 - 63.75 = 86.25.
        {"contrast 1.5 of 200", QColor(200, 200, 200), with([](Settings& s) { s.con = 1.5f; }),
         QColor(236, 236, 236)},
        {"contrast 1.5 of 100", QColor(100, 100, 100), with([](Settings& s) { s.con = 1.5f; }),
         QColor(86, 86, 86)},
        {"contrast 0 gives mid grey", QColor(10, 200, 90), with([](Settings& s) { s.con = 0; }),
         QColor(128, 128, 128)},
        // Exposure doubles linear light: sRGB 128 is 0.2159 linear, twice that
        // encodes to 0.688 (175.6); half of it to 0.362 (92.4).
        {"exposure +1 of mid grey", QColor(128, 128, 128), with([](Settings& s) { s.ev = 1; }),
         QColor(176, 176, 176)},
        {"exposure -1 of mid grey", QColor(128, 128, 128), with([](Settings& s) { s.ev = -1; }),
         QColor(92, 92, 92)},
        {"exposure +1 keeps black", Qt::black, with([](Settings& s) { s.ev = 1; }), Qt::black},
        {"exposure +3 clips white", QColor(200, 200, 200), with([](Settings& s) { s.ev = 3; }), Qt::white},
        // Sharpening a flat colour changes nothing: no detail to lift.
        {"sharpen flat", QColor(30, 140, 220), with([](Settings& s) { s.sharp = 2; }), QColor(30, 140, 220)},
        // Inversion: 1 - rgb.
        {"invert", QColor(10, 20, 30), with([](Settings& s) { s.invert = true; }), QColor(245, 235, 225)},
        // The inversion runs after the colour controls: 1 - (0 + 0.2).
        {"invert after brightness", Qt::black, with([](Settings& s) {
             s.invert = true;
             s.brt = 0.2f;
         }),
         QColor(204, 204, 204)},
    };
    for (const Case& c : cases)
        EXPECT_PIXEL_NEAR(run(solidImage(4, 3, c.in), c.s), 2, 1, c.expected, 1) << c.note;
}

TEST(ImageProcesser, InversionKeepsAlpha) {
    const QColor out = runOnColour(QColor(10, 20, 30, 100), [] {
        Settings s;
        s.invert = true;
        return s;
    }());
    EXPECT_TRUE(zelk::test::near(out, QColor(245, 235, 225, 100), 1)) << zelk::test::describe(out);
}

// A box blur of radius n spreads a single bright pixel evenly over the
// (2n + 1)^2 square around it: 255 / 25 = 10.2 for n = 2.
TEST(ImageProcesser, BlurOfAnImpulse) {
    QImage in = solidImage(21, 21, Qt::black);
    in.setPixelColor(10, 10, Qt::white);
    for (float radius : {2.0f, 2.4f, 1.6f}) {  // rounded to 2
        Settings s;
        s.blur = radius;
        const QImage out = run(in, s);
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 21; ++x) {
                const bool inside = std::abs(x - 10) <= 2 && std::abs(y - 10) <= 2;
                const int expected = inside ? 10 : 0;
                const QColor c = out.pixelColor(x, y);
                ASSERT_NEAR(c.red(), expected, 1) << "radius " << radius << " at " << x << "," << y;
                ASSERT_EQ(c.red(), c.green());
                ASSERT_EQ(c.alpha(), 255);
            }
        }
    }
}

// The blur against the plain definition, the mean over the square with the
// edge pixels repeated, for radii small and larger than the picture.
TEST(ImageProcesser, BlurMatchesTheBoxMeanAtAnyRadius) {
    const QImage in = noiseImage(23, 17, false, 3);
    for (int n : {1, 3, 8, 12, 30}) {
        Settings s;
        s.blur = float(n);
        const QImage out = run(in, s);
        int worst = 0;
        for (int y = 0; y < in.height(); ++y) {
            for (int x = 0; x < in.width(); ++x) {
                double sum[3] = {0, 0, 0};
                for (int dy = -n; dy <= n; ++dy)
                    for (int dx = -n; dx <= n; ++dx) {
                        const QColor c = in.pixelColor(std::clamp(x + dx, 0, in.width() - 1),
                                                       std::clamp(y + dy, 0, in.height() - 1));
                        sum[0] += c.red();
                        sum[1] += c.green();
                        sum[2] += c.blue();
                    }
                const double count = double(2 * n + 1) * (2 * n + 1);
                const QColor got = out.pixelColor(x, y);
                worst = std::max({worst, std::abs(got.red() - int(std::lround(sum[0] / count))),
                                  std::abs(got.green() - int(std::lround(sum[1] / count))),
                                  std::abs(got.blue() - int(std::lround(sum[2] / count)))});
            }
        }
        EXPECT_LE(worst, 1) << "radius " << n;
    }
}

TEST(ImageProcesser, TinyPicturesThroughEveryStep) {
    Settings s;
    s.grayscale = s.sepia = s.invert = true;
    s.hue = 0.5f;
    s.sat = 1.2f;
    s.brt = 0.1f;
    s.con = 1.1f;
    s.sharp = 0.7f;
    s.ev = 0.3f;
    s.blur = 3;
    s.flipH = s.flipV = s.rotateOnBox = true;
    s.rotate = 33;
    for (QSize size : {QSize(1, 1), QSize(1, 5), QSize(5, 1), QSize(2, 3)}) {
        for (bool alpha : {false, true}) {
            const QImage out = run(noiseImage(size.width(), size.height(), alpha), s);
            EXPECT_FALSE(out.isNull()) << size.width() << "x" << size.height();
        }
    }
}

TEST(ImageProcesser, AbsurdSettingsGiveAPictureNotAFault) {
    // Values no panel offers, as a damaged design may hold them: the chain
    // still returns a picture of the input's size.
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const QImage in = noiseImage(9, 7, true);
    for (float v : {inf, -inf, nan, 1e30f, -1e30f}) {
        Settings s;
        s.hue = s.sat = s.brt = s.con = s.sharp = s.ev = s.blur = v;
        s.rotate = std::numeric_limits<int>::min();
        s.rotateOnBox = true;
        EXPECT_FALSE(run(in, s).isNull()) << v;
        Settings e;
        e.ev = v;
        EXPECT_EQ(run(in, e).size(), in.size()) << v;
    }
}

TEST(ImageProcesser, BlurLendsNoColourFromTransparentPixels) {
    // Left half transparent red, right half opaque blue: the blurred edge
    // fades out in alpha but stays blue.
    QImage in(10, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            in.setPixelColor(x, y, x < 5 ? QColor(255, 0, 0, 0) : QColor(0, 0, 255));
    Settings s;
    s.blur = 1;
    const QImage out = run(in, s);
    const QColor edge = out.pixelColor(5, 1);
    EXPECT_NEAR(edge.alpha(), 170, 1);
    EXPECT_LE(edge.red(), 1);
    EXPECT_NEAR(edge.blue(), 255, 1);
}

TEST(ImageProcesser, SharpeningLiftsEdgesInLuminanceOnly) {
    // A coloured step: sharpening overshoots on both sides of the edge and
    // moves the three channels by the same amount (the chrominance stays).
    QImage in(20, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 20; ++x)
            in.setPixelColor(x, y, x < 10 ? QColor(80, 100, 120) : QColor(130, 150, 170));
    Settings s;
    s.sharp = 1;
    const QImage out = run(in, s);
    const QColor dark = out.pixelColor(9, 3), light = out.pixelColor(10, 3);
    EXPECT_LT(dark.red(), 80);
    EXPECT_GT(light.red(), 130);
    for (const auto& [after, before] : {std::pair{dark, QColor(80, 100, 120)}, {light, QColor(130, 150, 170)}}) {
        const int d = after.red() - before.red();
        EXPECT_NEAR(after.green() - before.green(), d, 1);
        EXPECT_NEAR(after.blue() - before.blue(), d, 1);
    }
    // Away from the edge nothing changes.
    EXPECT_PIXEL_NEAR(out, 2, 3, QColor(80, 100, 120), 1);
    EXPECT_PIXEL_NEAR(out, 17, 3, QColor(130, 150, 170), 1);
}

// Flips map (x, y) to (W - 1 - x, y) and (x, H - 1 - y) in pixels; both
// together give the half turn. Checked with and without a filter running.
TEST(ImageProcesser, FlipsGeometry) {
    const QImage in = noiseImage(5, 3, false, 11);
    for (bool filtered : {false, true}) {
        for (auto [flipH, flipV] : {std::pair{true, false}, {false, true}, {true, true}}) {
            Settings s;
            s.flipH = flipH;
            s.flipV = flipV;
            s.invert = filtered;
            const QImage out = run(in, s);
            ASSERT_EQ(out.size(), in.size());
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < 5; ++x) {
                    QColor src = in.pixelColor(flipH ? 4 - x : x, flipV ? 2 - y : y);
                    if (filtered)
                        src = QColor(255 - src.red(), 255 - src.green(), 255 - src.blue());
                    EXPECT_PIXEL_NEAR(out, x, y, src, 0) << "flipH " << flipH << " flipV " << flipV;
                }
            }
        }
    }
}

namespace {
// Blue picture with a red 10 x 10 block in its top-left corner.
QImage markedPicture(int w, int h) {
    QImage img = solidImage(w, h, Qt::blue);
    QPainter p(&img);
    p.fillRect(0, 0, 10, 10, Qt::red);
    return img;
}
}  // namespace

TEST(ImageProcesser, TurnOnTheBoxQuarterTurn) {
    // rotate 90 on 400 x 300: canvas 300 x 400 pixels, reported at 400 x 300
    // points, the picture turned clockwise as seen (top-left goes top-right).
    Settings s;
    s.rotateOnBox = true;
    s.rotate = 90;
    const QImage out = run(markedPicture(400, 300), s);
    ASSERT_EQ(out.size(), QSize(300, 400));
    const QSizeF pts = zelk::pictureSizeInPoints(out);
    EXPECT_NEAR(pts.width(), 400, 0.1);
    EXPECT_NEAR(pts.height(), 300, 0.1);
    EXPECT_PIXEL_NEAR(out, 295, 5, QColor(Qt::red), 2);
    EXPECT_PIXEL_NEAR(out, 5, 5, QColor(Qt::blue), 2);
    EXPECT_PIXEL_NEAR(out, 150, 200, QColor(Qt::blue), 2);
}

TEST(ImageProcesser, TurnOnTheBoxIgnoresTheBoundRectangle) {
    const QImage in = markedPicture(120, 80);
    Settings a;
    a.rotateOnBox = true;
    a.rotate = 30;
    Settings b = a;
    b.bound = QRectF(-50, 700, 13, 9);
    Settings c = a;
    c.useImgRect = true;
    const QImage ra = run(in, a);
    EXPECT_EQ(maxChannelDifference(ra, run(in, b)), 0);
    EXPECT_EQ(maxChannelDifference(ra, run(in, c)), 0);
}

TEST(ImageProcesser, RotatedCanvasHoldsTheWholeTurnedPicture) {
    // 45 degrees: (400 + 300) / sqrt(2) = 494.97 on both sides; the corners
    // of the canvas are empty, its centre is the picture.
    const QImage out = ImageProcesser::imageRotatedByDegrees_On_Ctrl_Bound(markedPicture(400, 300), 45, {});
    EXPECT_EQ(out.size(), QSize(495, 495));
    EXPECT_EQ(out.pixelColor(2, 2).alpha(), 0);
    EXPECT_EQ(out.pixelColor(492, 492).alpha(), 0);
    EXPECT_PIXEL_NEAR(out, 247, 247, QColor(Qt::blue), 2);
}

TEST(ImageProcesser, RotatedPositiveDegreesTurnCounterClockwise) {
    // +90: the top-left corner goes to the bottom-left.
    const QImage out = ImageProcesser::imageRotatedByDegrees_On_Ctrl_Bound(markedPicture(40, 20), 90, {});
    ASSERT_EQ(out.size(), QSize(20, 40));
    EXPECT_PIXEL_NEAR(out, 5, 35, QColor(Qt::red), 2);
    EXPECT_PIXEL_NEAR(out, 15, 5, QColor(Qt::blue), 2);
    EXPECT_TRUE(ImageProcesser::imageRotatedByDegrees_On_Ctrl_Bound(QImage(), 90, {}).isNull());
}

TEST(ImageProcesser, SizeCapOfBackgroundPictures) {
    struct Case {
        QSize pixels;
        QSizeF expected;
    };
    const Case cases[] = {
        {{1000, 300}, {724, 300}},   // width capped alone
        {{600, 500}, {600, 468}},    // height capped alone
        {{724, 468}, {724, 468}},    // at the cap: untouched
        {{2000, 1000}, {724, 468}},  // both, aspect not kept
        {{100, 50}, {100, 50}},
    };
    for (const Case& c : cases) {
        QImage img = noiseImage(c.pixels.width(), c.pixels.height(), false);
        const QImage before = img;
        QImage& same = ImageProcesser::Set_Dimaension(img);
        EXPECT_EQ(&same, &img);
        const QSizeF pts = zelk::pictureSizeInPoints(img);
        // Resolutions are whole dots per metre: a capped side is exact to a
        // fraction of a point.
        EXPECT_NEAR(pts.width(), c.expected.width(), 0.15) << c.pixels.width();
        EXPECT_NEAR(pts.height(), c.expected.height(), 0.15) << c.pixels.height();
        EXPECT_EQ(img.size(), c.pixels);
        EXPECT_EQ(maxChannelDifference(img, before), 0);
    }
    QImage none;
    EXPECT_TRUE(ImageProcesser::Set_Dimaension(none).isNull());
}
