#pragma once
// Small pixel helpers shared by the inspector tests.
#include <QColor>
#include <QImage>
#include <QRandomGenerator>

#include <cstdlib>
#include <string>

namespace zelk::test {

// A picture of one colour (unpremultiplied ARGB32).
inline QImage solidImage(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// Noise with a fixed seed, so every run checks the same picture.
inline QImage noiseImage(int w, int h, bool withAlpha, quint32 seed = 7) {
    QRandomGenerator rng(seed);
    QImage img(w, h, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<quint32*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 v = rng.generate();
            row[x] = withAlpha ? v : (v | 0xff000000u);
        }
    }
    return img;
}

// Largest difference of any channel (alpha included) over two pictures of
// the same size, compared premultiplied (as they show when drawn: a colour
// under alpha 0 is no colour); -1 when the sizes differ.
inline int maxChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    const QImage ca = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage cb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int worst = 0;
    for (int y = 0; y < ca.height(); ++y) {
        const auto* ra = reinterpret_cast<const quint32*>(ca.constScanLine(y));
        const auto* rb = reinterpret_cast<const quint32*>(cb.constScanLine(y));
        for (int x = 0; x < ca.width(); ++x)
            for (int shift = 0; shift < 32; shift += 8)
                worst = std::max(worst, std::abs(int((ra[x] >> shift) & 0xff) - int((rb[x] >> shift) & 0xff)));
    }
    return worst;
}

inline bool near(QColor actual, QColor expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance &&
           std::abs(actual.alpha() - expected.alpha()) <= tolerance;
}

inline std::string describe(QColor c) {
    return "(" + std::to_string(c.red()) + ", " + std::to_string(c.green()) + ", " +
           std::to_string(c.blue()) + ", " + std::to_string(c.alpha()) + ")";
}

}  // namespace zelk::test

// EXPECT a pixel colour within a tolerance per channel, with a readable
// message; more text may be streamed after it.
#define EXPECT_PIXEL_NEAR(image, x, y, expected, tol)                                           \
    EXPECT_TRUE(zelk::test::near((image).pixelColor((x), (y)), (expected), (tol)))              \
        << "pixel (" << (x) << ", " << (y) << ") is "                                           \
        << zelk::test::describe((image).pixelColor((x), (y))) << ", expected "                  \
        << zelk::test::describe(expected) << " "
