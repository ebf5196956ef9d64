// Every photo of a batch runs through this file's loops. They are written for
// the vectoriser, which GCC runs in full only from -O3 on: ask for it here so
// release builds of every flavour get vector code.
#if defined(__GNUC__) && !defined(__clang__) && defined(__OPTIMIZE__)
#pragma GCC optimize("O3")
#endif

#include "inspector/ImageProcesser.h"

#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <memory>
#include <vector>

// The chain reproduces the photo filters designs were made with, each as its
// platform documents it (the formula sits beside each step). Colour values are
// the picture's own encoded values as fractions 0..1, unpremultiplied, except
// where a step says it works in linear light. Rows are held as planes of
// floats so that every per-pixel step is a plain loop the compiler turns into
// vector instructions; the two neighbourhood steps (sharpening and blur) are
// separable passes whose cost does not grow with the radius.

namespace zelk {

namespace {
constexpr double kInchesPerMetre = 1.0 / 0.0254;
}

void setReportedPointSize(QImage& image, const QSizeF& points) {
    if (image.isNull() || !(points.width() > 0) || !(points.height() > 0))
        return;
    const QImage fresh(1, 1, QImage::Format_ARGB32);
    // dots per metre = pixels / inches x inches per metre, in whole dots.
    auto dpm = [](int pixels, double pts, int freshDpm) {
        if (std::abs(pts - pixels) < 1e-9)
            return freshDpm;
        const int v = std::max(1, int(std::lround(pixels / (pts / 72.0) * kInchesPerMetre)));
        // The starting value stands for 72 dpi; a picture that needs exactly
        // that resolution for another size takes the next dot instead.
        return v == freshDpm ? v + 1 : v;
    };
    image.setDotsPerMeterX(dpm(image.width(), points.width(), fresh.dotsPerMeterX()));
    image.setDotsPerMeterY(dpm(image.height(), points.height(), fresh.dotsPerMeterY()));
}

}  // namespace zelk

namespace {

// Per-pixel loops run in blocks of a fixed count, which the compiler
// vectorises even under its cheapest cost model; the tail runs plainly.
constexpr int kLane = 8;

template <typename F>
inline void eachPixel(int n, F&& f) {
    int i = 0;
    for (; i + kLane <= n; i += kLane)
        for (int j = 0; j < kLane; ++j)
            f(i + j);
    for (; i < n; ++i)
        f(i);
}

// Luminance weights of the platform's colour filters (ITU-R BT.709).
constexpr float kLumR = 0.2125f;
constexpr float kLumG = 0.7154f;
constexpr float kLumB = 0.0721f;

struct ChainSettings {
    bool grayscale = false;
    bool sepia = false;
    bool invert = false;
    float hue = 0;
    float sat = 1, brt = 0, con = 1;
    float sharpness = 0;
    float ev = 0;
    int blurRadius = 0;
    bool flipH = false;
    bool flipV = false;

    bool colourControls() const { return sat != 1.0f || brt != 0.0f || con != 1.0f; }
    bool sharpen() const { return sharpness != 0.0f; }
    bool exposure() const { return ev != 0.0f; }
    bool anyFilter() const {
        return grayscale || sepia || invert || hue != 0.0f || colourControls() || sharpen() ||
               exposure() || blurRadius > 0;
    }
};

inline float clamp01(float v) { return std::min(std::max(v, 0.0f), 1.0f); }

// One channel of the whole picture, row after row. Left uninitialised: the
// first pass writes every value.
using Plane = std::unique_ptr<float[]>;

struct Planes {
    int w = 0;
    int h = 0;
    bool alpha = false;
    Plane r, g, b, a, l;

    float* at(Plane& p, int y) { return p.get() + size_t(y) * size_t(w); }
    void allocate(Plane& p) { p.reset(new float[size_t(w) * size_t(h)]); }
};

// sRGB transfer (IEC 61966-2-1), used where a step works in linear light.
float srgbToLinear(float v) {
    return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}
float linearToSrgb(float l) {
    return l <= 0.0031308f ? 12.92f * l : 1.055f * std::pow(l, 1.0f / 2.4f) - 0.055f;
}

// Exposure as one curve over encoded values: decode, scale linear light,
// encode. Tabulated once per call at 8192 steps (the table stays in the
// first-level cache) and read at the nearest step: up to +4 EV, where the
// curve is steepest, that is within a quarter of one 8-bit level.
class ExposureCurve {
public:
    explicit ExposureCurve(float ev) : table_(kSteps + 1) {
        const float gain = std::exp2(ev);
        for (int i = 0; i <= kSteps; ++i)
            table_[size_t(i)] = linearToSrgb(clamp01(srgbToLinear(float(i) / kSteps) * gain));
    }
    float operator()(float v) const { return table_[size_t(int(clamp01(v) * kSteps + 0.5f))]; }

private:
    static constexpr int kSteps = 8192;
    std::vector<float> table_;
};

// ---- the per-pixel steps, each over one row of planes ----

// CIColorMonochrome, inputColor grey 0.5 (opaque), inputIntensity 1:
//   l = 0.2125 r + 0.7154 g + 0.0721 b
//   m = l < 0.5 ? 2 l c : 1 - 2 (1 - l)(1 - c)     (overlay of l with colour c)
//   out = mix(in, m, intensity)
// With c = 0.5 both branches give l: a plain luminance grey.
void monochromeRow(float* R, float* G, float* B, int n) {
    constexpr float c = 0.5f;
    constexpr float intensity = 1.0f;
    eachPixel(n, [&](int i) {
        const float l = kLumR * R[i] + kLumG * G[i] + kLumB * B[i];
        const float m = l < 0.5f ? 2.0f * l * c : 1.0f - 2.0f * (1.0f - l) * (1.0f - c);
        R[i] += (m - R[i]) * intensity;
        G[i] += (m - G[i]) * intensity;
        B[i] += (m - B[i]) * intensity;
    });
}

// CISepiaTone, inputIntensity 1: the photographic sepia matrix
//   r' = 0.393 r + 0.769 g + 0.189 b
//   g' = 0.349 r + 0.686 g + 0.168 b
//   b' = 0.272 r + 0.534 g + 0.131 b
// clamped to 0..1, then out = mix(in, sepia, intensity).
void sepiaRow(float* R, float* G, float* B, int n) {
    constexpr float intensity = 1.0f;
    eachPixel(n, [&](int i) {
        const float r = R[i], g = G[i], b = B[i];
        const float sr = clamp01(0.393f * r + 0.769f * g + 0.189f * b);
        const float sg = clamp01(0.349f * r + 0.686f * g + 0.168f * b);
        const float sb = clamp01(0.272f * r + 0.534f * g + 0.131f * b);
        R[i] = r + (sr - r) * intensity;
        G[i] = g + (sg - g) * intensity;
        B[i] = b + (sb - b) * intensity;
    });
}

// CIHueAdjust, inputAngle in radians: the colour turns by the angle about the
// grey axis (1, 1, 1) of RGB space, so greys stay and a positive angle moves
// red towards green. With c = cos a, s = sin a / sqrt(3), k = (1 - c) / 3:
//   | c+k  k-s  k+s |
//   | k+s  c+k  k-s |
//   | k-s  k+s  c+k |
void hueRow(float* R, float* G, float* B, int n, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle) / std::sqrt(3.0f);
    const float k = (1.0f - c) / 3.0f;
    const float d = c + k, p = k + s, m = k - s;
    eachPixel(n, [&](int i) {
        const float r = R[i], g = G[i], b = B[i];
        R[i] = d * r + m * g + p * b;
        G[i] = p * r + d * g + m * b;
        B[i] = m * r + p * g + d * b;
    });
}

// CIColorControls:
//   saturation: rgb = mix(l, rgb, sat) with l the BT.709 luminance
//   brightness: rgb = rgb + brt
//   contrast:   rgb = (rgb - 0.5) * con + 0.5
void colourControlsRow(float* R, float* G, float* B, int n, float sat, float brt, float con) {
    eachPixel(n, [&](int i) {
        const float l = kLumR * R[i] + kLumG * G[i] + kLumB * B[i];
        R[i] = ((l + (R[i] - l) * sat + brt) - 0.5f) * con + 0.5f;
        G[i] = ((l + (G[i] - l) * sat + brt) - 0.5f) * con + 0.5f;
        B[i] = ((l + (B[i] - l) * sat + brt) - 0.5f) * con + 0.5f;
    });
}

void luminanceRow(const float* R, const float* G, const float* B, float* L, int n) {
    eachPixel(n, [&](int i) { L[i] = kLumR * R[i] + kLumG * G[i] + kLumB * B[i]; });
}

// ---- the chain ----

void loadPlanes(const QImage& in, Planes& P, const ChainSettings& s) {
    P.allocate(P.r);
    P.allocate(P.g);
    P.allocate(P.b);
    if (P.alpha)
        P.allocate(P.a);
    if (s.sharpen())
        P.allocate(P.l);
    constexpr float k = 1.0f / 255.0f;
    for (int y = 0; y < P.h; ++y) {
        const auto* px = reinterpret_cast<const quint32*>(in.constScanLine(y));
        float* R = P.at(P.r, y);
        float* G = P.at(P.g, y);
        float* B = P.at(P.b, y);
        eachPixel(P.w, [&](int i) {
            R[i] = float((px[i] >> 16) & 0xffu) * k;
            G[i] = float((px[i] >> 8) & 0xffu) * k;
            B[i] = float(px[i] & 0xffu) * k;
        });
        if (P.alpha) {
            float* A = P.at(P.a, y);
            eachPixel(P.w, [&](int i) { A[i] = float(px[i] >> 24) * k; });
        }
        // Monochrome feeds sepia, sepia (or monochrome, or the input) feeds
        // the hue step, and so on down the fixed order.
        if (s.grayscale)
            monochromeRow(R, G, B, P.w);
        if (s.sepia)
            sepiaRow(R, G, B, P.w);
        if (s.hue != 0.0f)
            hueRow(R, G, B, P.w, s.hue);
        if (s.colourControls())
            colourControlsRow(R, G, B, P.w, s.sat, s.brt, s.con);
        if (s.sharpen())
            luminanceRow(R, G, B, P.at(P.l, y), P.w);
    }
}

// CISharpenLuminance, inputSharpness s: an unsharp mask of the luminance
// alone, so the chrominance stays:
//   d = s * (l - blur(l)),  rgb = rgb + d
// with blur the 3 x 3 binomial kernel (1 2 1)(1 2 1)^T / 16, edges repeated.
// Then CIExposureAdjust, inputEV e, on linear light:
//   linear(rgb') = linear(rgb) * 2^e
void sharpenAndExpose(Planes& P, const ChainSettings& s) {
    const int w = P.w;
    std::vector<float> vert(static_cast<size_t>(w) + 2);
    std::vector<float> delta(static_cast<size_t>(w));
    const ExposureCurve curve(s.ev);
    for (int y = 0; y < P.h; ++y) {
        float* R = P.at(P.r, y);
        float* G = P.at(P.g, y);
        float* B = P.at(P.b, y);
        if (s.sharpen()) {
            const float* up = P.at(P.l, std::max(y - 1, 0));
            const float* mid = P.at(P.l, y);
            const float* down = P.at(P.l, std::min(y + 1, P.h - 1));
            float* V = vert.data() + 1;  // V[-1] and V[w] repeat the edge columns
            eachPixel(w, [&](int i) { V[i] = up[i] + 2.0f * mid[i] + down[i]; });
            V[-1] = V[0];
            V[w] = V[w - 1];
            const float sharp = s.sharpness;
            float* D = delta.data();
            eachPixel(w, [&](int i) {
                const float blurred = (V[i - 1] + 2.0f * V[i] + V[i + 1]) * (1.0f / 16.0f);
                D[i] = sharp * (mid[i] - blurred);
            });
            eachPixel(w, [&](int i) {
                R[i] += D[i];
                G[i] += D[i];
                B[i] += D[i];
            });
        }
        if (s.exposure()) {
            for (int i = 0; i < w; ++i) {
                R[i] = curve(R[i]);
                G[i] = curve(G[i]);
                B[i] = curve(B[i]);
            }
        }
    }
}

// One row of planes to packed 32-bit pixels (0xAARRGGBB): clamp, the colour
// inversion (1 - rgb, alpha kept), then to 8 bits with rounding.
template <bool HasAlpha, bool Premultiplied>
void packRowT(const float* R, const float* G, const float* B, const float* A, bool invert,
              quint32* out, int n) {
    const float base = invert ? 255.0f : 0.0f;
    const float scale = invert ? -255.0f : 255.0f;
    eachPixel(n, [&](int i) {
        float r = R[i], g = G[i], b = B[i];
        float a = 1.0f;
        if constexpr (HasAlpha) {
            a = clamp01(A[i]);
            if constexpr (Premultiplied) {
                const float u = a > 0.0f ? 1.0f / a : 0.0f;
                r *= u;
                g *= u;
                b *= u;
            }
        }
        const int ri = int(base + scale * clamp01(r) + 0.5f);
        const int gi = int(base + scale * clamp01(g) + 0.5f);
        const int bi = int(base + scale * clamp01(b) + 0.5f);
        const int ai = int(a * 255.0f + 0.5f);
        out[i] = (quint32(ai) << 24) | (quint32(ri) << 16) | (quint32(gi) << 8) | quint32(bi);
    });
}

void packRow(const float* R, const float* G, const float* B, const float* A, bool premultiplied,
             bool invert, quint32* out, int n) {
    if (!A)
        packRowT<false, false>(R, G, B, A, invert, out, n);
    else if (premultiplied)
        packRowT<true, true>(R, G, B, A, invert, out, n);
    else
        packRowT<true, false>(R, G, B, A, invert, out, n);
}

void storeRow(QImage& out, int y, const quint32* row, const ChainSettings& s) {
    // The flips are placed while storing: flip_H maps x to W - x, flip_V
    // maps y to H - y; both together give the half turn.
    const int w = out.width();
    const int ty = s.flipV ? out.height() - 1 - y : y;
    auto* dst = reinterpret_cast<quint32*>(out.scanLine(ty));
    if (s.flipH)
        std::reverse_copy(row, row + w, dst);
    else
        std::copy(row, row + w, dst);
}

// Running means of Count planes of one row at once, edges repeated.
template <int Count>
void runningMeanRow(const std::array<float*, 4>& row, const std::array<float*, 4>& dst,
                    std::array<float, 4> sum, int w, int n, float norm) {
    int x = 0;
    // Where neither end of the window leaves the row, no clamping is needed.
    const int lo = std::min(n, w), hi = std::max(lo, w - n - 1);
    for (; x < lo; ++x) {
        const int add = std::min(x + n + 1, w - 1), sub = 0;
        for (int p = 0; p < Count; ++p) {
            dst[p][x] = sum[p] * norm;
            sum[p] += row[p][add] - row[p][sub];
        }
    }
    for (; x < hi; ++x) {
        for (int p = 0; p < Count; ++p) {
            dst[p][x] = sum[p] * norm;
            sum[p] += row[p][x + n + 1] - row[p][x - n];
        }
    }
    for (; x < w; ++x) {
        const int add = std::min(x + n + 1, w - 1), sub = std::max(x - n, 0);
        for (int p = 0; p < Count; ++p) {
            dst[p][x] = sum[p] * norm;
            sum[p] += row[p][add] - row[p][sub];
        }
    }
}

// CIBoxBlur, inputRadius b: every pixel becomes the mean of the square of
// (2n + 1) x (2n + 1) pixels around it, n = b rounded; a radius below one
// half leaves the picture. Colours are averaged premultiplied by alpha so
// transparent pixels lend no colour; pixels beyond the edge repeat the edge.
// Running sums, one pass across and one down, keep it linear in the pixels.
void blurAndPack(Planes& P, const ChainSettings& s, QImage& out) {
    const int w = P.w, h = P.h, n = s.blurRadius;
    const int planeCount = P.alpha ? 4 : 3;
    std::array<Plane*, 4> planes = {&P.r, &P.g, &P.b, &P.a};
    if (P.alpha) {
        for (int y = 0; y < h; ++y) {
            float* R = P.at(P.r, y);
            float* G = P.at(P.g, y);
            float* B = P.at(P.b, y);
            const float* A = P.at(P.a, y);
            eachPixel(w, [&](int i) {
                R[i] *= A[i];
                G[i] *= A[i];
                B[i] *= A[i];
            });
        }
    }
    const float norm = 1.0f / float(2 * n + 1);
    // Across: the planes of a row are summed in one loop, which keeps several
    // independent running sums in flight.
    std::vector<float> tmp(size_t(w) * planeCount);
    for (int y = 0; y < h; ++y) {
        std::array<float*, 4> row{};
        std::array<float*, 4> dst{};
        std::array<float, 4> sum{};
        for (int p = 0; p < planeCount; ++p) {
            row[p] = P.at(*planes[p], y);
            dst[p] = tmp.data() + size_t(p) * w;
            sum[p] = float(n + 1) * row[p][0];
            for (int k = 1; k <= n; ++k)
                sum[p] += row[p][std::min(k, w - 1)];
        }
        if (planeCount == 4)
            runningMeanRow<4>(row, dst, sum, w, n, norm);
        else
            runningMeanRow<3>(row, dst, sum, w, n, norm);
        for (int p = 0; p < planeCount; ++p)
            std::copy(dst[p], dst[p] + w, row[p]);
    }
    // Down: one accumulator row per plane moves down the picture.
    std::vector<float> acc(size_t(w) * planeCount);
    std::vector<float> mean(size_t(w) * planeCount);
    for (int p = 0; p < planeCount; ++p) {
        float* S = acc.data() + size_t(p) * w;
        const float* first = P.at(*planes[p], 0);
        eachPixel(w, [&](int i) { S[i] = float(n + 1) * first[i]; });
        for (int k = 1; k <= n; ++k) {
            const float* r = P.at(*planes[p], std::min(k, h - 1));
            eachPixel(w, [&](int i) { S[i] += r[i]; });
        }
    }
    std::vector<quint32> packed(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        for (int p = 0; p < planeCount; ++p) {
            float* S = acc.data() + size_t(p) * w;
            float* M = mean.data() + size_t(p) * w;
            const float* add = P.at(*planes[p], std::min(y + n + 1, h - 1));
            const float* sub = P.at(*planes[p], std::max(y - n, 0));
            eachPixel(w, [&](int i) {
                M[i] = S[i] * norm;
                S[i] += add[i] - sub[i];
            });
        }
        packRow(mean.data(), mean.data() + w, mean.data() + 2 * size_t(w),
                P.alpha ? mean.data() + 3 * size_t(w) : nullptr, P.alpha, s.invert, packed.data(), w);
        storeRow(out, y, packed.data(), s);
    }
}

QImage runChain(const QImage& image, const ChainSettings& s) {
    const bool alpha = image.hasAlphaChannel();
    QImage output;
    if (!s.anyFilter()) {
        // Nothing to filter: only the flips, if any.
        output = (s.flipH || s.flipV) ? image.mirrored(s.flipH, s.flipV) : image.copy();
    } else {
        const QImage in = (image.format() == QImage::Format_ARGB32 ||
                           image.format() == QImage::Format_RGB32)
                              ? image
                              : image.convertToFormat(alpha ? QImage::Format_ARGB32
                                                            : QImage::Format_RGB32);
        Planes P;
        P.w = in.width();
        P.h = in.height();
        P.alpha = alpha;
        output = QImage(P.w, P.h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (output.isNull())
            throw std::bad_alloc();
        loadPlanes(in, P, s);
        if (s.sharpen() || s.exposure())
            sharpenAndExpose(P, s);
        if (s.blurRadius > 0) {
            blurAndPack(P, s, output);
        } else {
            std::vector<quint32> packed(static_cast<size_t>(P.w));
            for (int y = 0; y < P.h; ++y) {
                packRow(P.at(P.r, y), P.at(P.g, y), P.at(P.b, y), alpha ? P.at(P.a, y) : nullptr,
                        false, s.invert, packed.data(), P.w);
                storeRow(output, y, packed.data(), s);
            }
        }
    }
    output.setDotsPerMeterX(image.dotsPerMeterX());
    output.setDotsPerMeterY(image.dotsPerMeterY());
    return output;
}

}  // namespace

QImage ImageProcesser::Get_Processed_Image_Full_Combined(
    const QImage& image, bool grayscale, bool sepia, bool invrtclr, float hue, float sat,
    float brt, float con, qint32 rotate, float r, float g, float b, float tranprency,
    bool yes_rotate_on_box, bool flip_H, bool flip_V, bool use_img_rect,
    const QRectF& img_bound_rect) {
    Q_UNUSED(tranprency);  // the graphic applies it when it draws the picture
    if (image.isNull())
        return {};
    QImage output;
    try {
        ChainSettings s;
        s.grayscale = grayscale;
        s.sepia = sepia;
        // The colour inversion runs last among the filters, after the blur, so
        // it inverts the colours the other settings produced.
        s.invert = invrtclr;
        s.hue = std::isfinite(hue) ? hue : 0.0f;
        s.sat = std::isfinite(sat) ? sat : 1.0f;
        s.brt = std::isfinite(brt) ? brt : 0.0f;
        s.con = std::isfinite(con) ? con : 1.0f;
        s.sharpness = std::isfinite(r) ? r : 0.0f;
        s.ev = std::isfinite(g) ? g : 0.0f;
        // A radius larger than the picture averages it all: cap it there.
        const float maxRadius = float(std::max(image.width(), image.height()));
        s.blurRadius = (std::isfinite(b) && b >= 0.5f) ? int(std::lround(std::min(b, maxRadius))) : 0;
        s.flipH = flip_H;
        s.flipV = flip_V;
        output = runChain(image, s);
        if (!yes_rotate_on_box)
            return output;
        const QRectF bound = use_img_rect ? QRectF(QPointF(0, 0), zelk::pictureSizeInPoints(image))
                                          : img_bound_rect;
        return imageRotatedByDegrees_On_Ctrl_Bound(output, -double(rotate), bound);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        return output.isNull() ? image : output;
    }
}

QImage ImageProcesser::imageRotatedByDegrees_On_Ctrl_Bound(const QImage& image, double degrees,
                                                           const QRectF& img_bound_rect) {
    // The bound rectangle's origin cancels out when the picture is centred on
    // the canvas, and its size is not used: the turn depends on the picture
    // and the angle alone.
    Q_UNUSED(img_bound_rect);
    if (image.isNull())
        return {};
    QImage canvas;
    try {
        if (std::isfinite(degrees) && std::remainder(degrees, 90.0) == 0.0) {
            // Whole quarter turns move pixels exactly (and quickly): no
            // resampling, nothing lost at the edges.
            const int quarters = int(((std::lround(degrees / 90.0) % 4) + 4) % 4);
            canvas = quarters == 0 ? image.copy()
                                   : image.transformed(QTransform().rotate(-90.0 * quarters));
            zelk::setReportedPointSize(canvas, zelk::pictureSizeInPoints(image));
            return canvas;
        }
        const double theta = qDegreesToRadians(degrees);
        const double w = image.width(), h = image.height();
        const double c = std::abs(std::cos(theta)), s = std::abs(std::sin(theta));
        // Bounding box of the turned picture; the tiny allowance keeps a
        // quarter turn of a 400 x 300 picture at exactly 300 x 400.
        const int cw = std::max(1, int(std::ceil(w * c + h * s - 1e-6)));
        const int ch = std::max(1, int(std::ceil(w * s + h * c - 1e-6)));
        canvas = QImage(cw, ch, QImage::Format_ARGB32_Premultiplied);
        if (canvas.isNull())
            throw std::bad_alloc();
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        // A turn about the canvas centre. Positive degrees turn counter-
        // clockwise as seen; the canvas has y growing downwards, where Qt's
        // positive angle turns clockwise, hence the sign.
        painter.translate(cw / 2.0, ch / 2.0);
        painter.rotate(-degrees);
        painter.translate(-w / 2.0, -h / 2.0);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), image);
        painter.end();
        zelk::setReportedPointSize(canvas, zelk::pictureSizeInPoints(image));
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    }
    return canvas;
}

QImage& ImageProcesser::Set_Dimaension(QImage& image) {
    const QSizeF size = zelk::pictureSizeInPoints(image);
    float width = float(size.width());
    float height = float(size.height());
    bool capped = false;
    if (width > 724.0f) {
        width = 724.0f;
        capped = true;
    }
    if (height > 468.0f) {
        height = 468.0f;
        capped = true;
    }
    if (capped)
        zelk::setReportedPointSize(image, QSizeF(width, height));
    return image;
}
