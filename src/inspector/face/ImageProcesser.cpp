// Every photo of a batch runs through this file's loops. They are written for
// the vectoriser, which GCC runs in full only from -O3 on: ask for it here so
// release builds of every flavour get vector code. Nothing here relies on
// floating-point traps, and without them the clamps become compare-and-blend
// instead of branches.
#if defined(__GNUC__) && !defined(__clang__) && defined(__OPTIMIZE__)
#pragma GCC optimize("O3", "no-trapping-math")
#endif

#include "inspector/face/ImageProcesser.h"

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

// Written as two selects on values (not std::min/max, which pick by
// reference), so the vectoriser turns it into compare-and-blend. A NaN (from
// absurd settings) comes out as 0, so every later conversion to an integer
// or a table position stays in range.
inline float clamp01(float v) {
    v = v > 0.0f ? v : 0.0f;
    return v < 1.0f ? v : 1.0f;
}

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
    explicit ExposureCurve(float ev) {
        if (ev == 0.0f)
            return;  // no exposure step: no table
        table_.resize(kSteps + 1);
        const float gain = std::exp2(ev);
        for (int i = 0; i <= kSteps; ++i)
            table_[size_t(i)] = linearToSrgb(clamp01(srgbToLinear(float(i) / kSteps) * gain));
    }
    // A row in place, in two loops: the table positions (vector code), then
    // the look-ups.
    void applyRow(float* v, int* scratch, int n) const {
        eachPixel(n, [&](int i) { scratch[i] = index(v[i]); });
        const float* t = table_.data();
        for (int i = 0; i < n; ++i)
            v[i] = t[scratch[i]];
    }

private:
    static int index(float v) { return int(clamp01(v) * kSteps + 0.5f); }
    static constexpr int kSteps = 8192;
    std::vector<float> table_;
};

// ---- the per-pixel steps ----
//
// Monochrome, the hue turn and the colour controls are affine maps of the
// colour, rgb' = M rgb + o, so consecutive ones are composed into one map
// and a row is run through it once. Sepia clamps, so it stays a step of its
// own between them.

struct ColourMap {
    // Row-major 3 x 3 matrix and offset.
    std::array<float, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};
    std::array<float, 3> o{0, 0, 0};
    bool identity = true;

    // This map applied after `first`.
    ColourMap after(const ColourMap& first) const {
        if (first.identity)
            return *this;
        if (identity)
            return first;
        ColourMap c;
        c.identity = false;
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k)
                c.m[r * 3 + k] = m[r * 3] * first.m[k] + m[r * 3 + 1] * first.m[3 + k] +
                                 m[r * 3 + 2] * first.m[6 + k];
            c.o[r] = m[r * 3] * first.o[0] + m[r * 3 + 1] * first.o[1] + m[r * 3 + 2] * first.o[2] + o[r];
        }
        return c;
    }

    void applyRow(float* R, float* G, float* B, int n) const {
        if (identity)
            return;
        const float m0 = m[0], m1 = m[1], m2 = m[2], m3 = m[3], m4 = m[4], m5 = m[5], m6 = m[6],
                    m7 = m[7], m8 = m[8], o0 = o[0], o1 = o[1], o2 = o[2];
        eachPixel(n, [&](int i) {
            const float r = R[i], g = G[i], b = B[i];
            R[i] = m0 * r + m1 * g + m2 * b + o0;
            G[i] = m3 * r + m4 * g + m5 * b + o1;
            B[i] = m6 * r + m7 * g + m8 * b + o2;
        });
    }
};

// CIColorMonochrome, inputColor grey 0.5 (opaque), inputIntensity 1:
//   l = 0.2125 r + 0.7154 g + 0.0721 b
//   m = l < 0.5 ? 2 l c : 1 - 2 (1 - l)(1 - c)     (overlay of l with colour c)
//   out = mix(in, m, intensity)
// With c = 0.5 both branches give l, and intensity 1 keeps m alone: every
// channel becomes the luminance, a linear map.
ColourMap monochromeMap() {
    ColourMap c;
    c.identity = false;
    c.m = {kLumR, kLumG, kLumB, kLumR, kLumG, kLumB, kLumR, kLumG, kLumB};
    return c;
}

// CIHueAdjust, inputAngle in radians: the colour turns by the angle about the
// grey axis (1, 1, 1) of RGB space, so greys stay and a positive angle moves
// red towards green. With c = cos a, s = sin a / sqrt(3), k = (1 - c) / 3:
//   | c+k  k-s  k+s |
//   | k+s  c+k  k-s |
//   | k-s  k+s  c+k |
ColourMap hueMap(float angle) {
    ColourMap c;
    if (angle == 0.0f)
        return c;
    const float cs = std::cos(angle);
    const float sn = std::sin(angle) / std::sqrt(3.0f);
    const float k = (1.0f - cs) / 3.0f;
    const float d = cs + k, p = k + sn, q = k - sn;
    c.identity = false;
    c.m = {d, q, p, p, d, q, q, p, d};
    return c;
}

// CIColorControls:
//   saturation: rgb = mix(l, rgb, sat) with l the BT.709 luminance
//   brightness: rgb = rgb + brt
//   contrast:   rgb = (rgb - 0.5) * con + 0.5
// Together: rgb' = con * (sat * rgb + (1 - sat) * l) + (brt - 0.5) * con + 0.5.
ColourMap colourControlsMap(float sat, float brt, float con) {
    ColourMap c;
    if (sat == 1.0f && brt == 0.0f && con == 1.0f)
        return c;
    c.identity = false;
    const float lum[3] = {kLumR, kLumG, kLumB};
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 3; ++k)
            c.m[r * 3 + k] = con * ((r == k ? sat : 0.0f) + (1.0f - sat) * lum[k]);
        c.o[r] = (brt - 0.5f) * con + 0.5f;
    }
    return c;
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

void luminanceRow(const float* R, const float* G, const float* B, float* L, int n) {
    eachPixel(n, [&](int i) { L[i] = kLumR * R[i] + kLumG * G[i] + kLumB * B[i]; });
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

// A few rows of some planes, reused as the picture streams through: row k
// lives in slot k mod the slot count.
class RowRing {
public:
    RowRing(int width, int planes, int slotCount)
        : width_(width), planes_(planes), slots_(std::max(slotCount, 1)),
          data_(size_t(width) * size_t(planes) * size_t(slots_)) {}
    float* at(int row, int plane) {
        return data_.data() + (size_t(row % slots_) * size_t(planes_) + size_t(plane)) * size_t(width_);
    }

private:
    int width_;
    int planes_;
    int slots_;
    std::vector<float> data_;
};

// The chain over one picture, streamed row by row: every step of a row runs
// while the row is in the cache, and only the rows a neighbourhood step
// still needs are kept (three for the sharpening, 2n + 2 for a blur of
// radius n), so a photo of any size costs no more than its output in memory.
class ChainRunner {
public:
    ChainRunner(const QImage& in, const ChainSettings& s, QImage& out)
        : in_(in), s_(s), out_(out), w_(in.width()), h_(in.height()), alpha_(in.hasAlphaChannel()),
          colourPlanes_(alpha_ ? 4 : 3), n_(s.blurRadius),
          // Planes of the first stage: R, G, B, then A, then the luminance.
          first_(w_, colourPlanes_ + 1, 3),
          blurred_(w_, colourPlanes_, n_ > 0 ? std::min(2 * n_ + 2, h_) : 0),
          curve_(s.ev), vert_(size_t(w_) + 2), delta_(size_t(w_)), index_(size_t(w_)),
          packed_(size_t(w_)) {}

    void run() {
        if (n_ == 0) {
            for (int y = 0; y < h_; ++y) {
                finishRow(y);
                pack(y, first_.at(y, 0), first_.at(y, 1), first_.at(y, 2),
                     alpha_ ? first_.at(y, 3) : nullptr, false);
            }
            return;
        }
        blurDown();
    }

private:
    float* lum(int row) { return first_.at(row, colourPlanes_); }

    // Load a row and run the per-pixel colour steps on it. Monochrome feeds
    // sepia, sepia (or monochrome, or the input) feeds the hue step, and so
    // on down the fixed order.
    void loadRow(int y) {
        constexpr float k = 1.0f / 255.0f;
        const auto* px = reinterpret_cast<const quint32*>(in_.constScanLine(y));
        float* R = first_.at(y, 0);
        float* G = first_.at(y, 1);
        float* B = first_.at(y, 2);
        eachPixel(w_, [&](int i) {
            R[i] = float((px[i] >> 16) & 0xffu) * k;
            G[i] = float((px[i] >> 8) & 0xffu) * k;
            B[i] = float(px[i] & 0xffu) * k;
        });
        if (alpha_) {
            float* A = first_.at(y, 3);
            eachPixel(w_, [&](int i) { A[i] = float(px[i] >> 24) * k; });
        }
        if (s_.sepia) {
            beforeSepia_.applyRow(R, G, B, w_);
            sepiaRow(R, G, B, w_);
            afterSepia_.applyRow(R, G, B, w_);
        } else {
            afterSepia_.after(beforeSepia_).applyRow(R, G, B, w_);
        }
        if (s_.sharpen())
            luminanceRow(R, G, B, lum(y), w_);
    }

    void ensureLoaded(int row) {
        while (loaded_ < row)
            loadRow(++loaded_);
    }

    // CISharpenLuminance, inputSharpness s: an unsharp mask of the luminance
    // alone, so the chrominance stays:
    //   d = s * (l - blur(l)),  rgb = rgb + d
    // with blur the 3 x 3 binomial kernel (1 2 1)(1 2 1)^T / 16, edges repeated.
    // Then CIExposureAdjust, inputEV e, on linear light:
    //   linear(rgb') = linear(rgb) * 2^e
    // Then, ahead of a blur, the colours are premultiplied by alpha.
    void finishRow(int y) {
        ensureLoaded(std::min(y + 1, h_ - 1));
        float* R = first_.at(y, 0);
        float* G = first_.at(y, 1);
        float* B = first_.at(y, 2);
        if (s_.sharpen()) {
            const float* up = lum(std::max(y - 1, 0));
            const float* mid = lum(y);
            const float* down = lum(std::min(y + 1, h_ - 1));
            float* V = vert_.data() + 1;  // V[-1] and V[w] repeat the edge columns
            eachPixel(w_, [&](int i) { V[i] = up[i] + 2.0f * mid[i] + down[i]; });
            V[-1] = V[0];
            V[w_] = V[w_ - 1];
            const float sharp = s_.sharpness;
            float* D = delta_.data();
            eachPixel(w_, [&](int i) {
                const float blurred = (V[i - 1] + 2.0f * V[i] + V[i + 1]) * (1.0f / 16.0f);
                D[i] = sharp * (mid[i] - blurred);
            });
            eachPixel(w_, [&](int i) {
                R[i] += D[i];
                G[i] += D[i];
                B[i] += D[i];
            });
        }
        if (s_.exposure()) {
            curve_.applyRow(R, index_.data(), w_);
            curve_.applyRow(G, index_.data(), w_);
            curve_.applyRow(B, index_.data(), w_);
        }
        if (alpha_ && n_ > 0) {
            const float* A = first_.at(y, 3);
            eachPixel(w_, [&](int i) {
                R[i] *= A[i];
                G[i] *= A[i];
                B[i] *= A[i];
            });
        }
    }

    // CIBoxBlur, inputRadius b: every pixel becomes the mean of the square of
    // (2n + 1) x (2n + 1) pixels around it, n = b rounded; a radius below one
    // half leaves the picture. Colours are averaged premultiplied by alpha so
    // transparent pixels lend no colour; pixels beyond the edge repeat the
    // edge. Running sums, one across each row and one down the columns, keep
    // the cost independent of the radius.
    void blurAcross(int y) {
        finishRow(y);
        std::array<float*, 4> src{}, dst{};
        std::array<float, 4> sum{};
        for (int p = 0; p < colourPlanes_; ++p) {
            src[p] = first_.at(y, p);
            dst[p] = blurred_.at(y, p);
            // (n + 1) copies of the first pixel, then pixels 1..n, the ones
            // past the edge repeating the last.
            const int inside = std::min(n_, w_ - 1);
            sum[p] = float(n_ + 1) * src[p][0] + float(n_ - inside) * src[p][w_ - 1];
            for (int k = 1; k <= inside; ++k)
                sum[p] += src[p][k];
        }
        const float norm = 1.0f / float(2 * n_ + 1);
        if (colourPlanes_ == 4)
            runningMeanRow<4>(src, dst, sum, w_, n_, norm);
        else
            runningMeanRow<3>(src, dst, sum, w_, n_, norm);
    }

    void ensureBlurredAcross(int row) {
        while (blurredRows_ < row)
            blurAcross(++blurredRows_);
    }

    void blurDown() {
        const float norm = 1.0f / float(2 * n_ + 1);
        std::vector<float> acc(size_t(w_) * colourPlanes_);
        std::vector<float> mean(size_t(w_) * colourPlanes_);
        const int inside = std::min(n_, h_ - 1);
        ensureBlurredAcross(inside);
        for (int p = 0; p < colourPlanes_; ++p) {
            float* S = acc.data() + size_t(p) * w_;
            const float* first = blurred_.at(0, p);
            const float* last = blurred_.at(inside, p);
            const float firstCount = float(n_ + 1), lastCount = float(n_ - inside);
            eachPixel(w_, [&](int i) { S[i] = firstCount * first[i] + lastCount * last[i]; });
            for (int k = 1; k <= inside; ++k) {
                const float* r = blurred_.at(k, p);
                eachPixel(w_, [&](int i) { S[i] += r[i]; });
            }
        }
        for (int y = 0; y < h_; ++y) {
            const int addRow = std::min(y + n_ + 1, h_ - 1);
            const int subRow = std::max(y - n_, 0);
            ensureBlurredAcross(addRow);
            for (int p = 0; p < colourPlanes_; ++p) {
                float* S = acc.data() + size_t(p) * w_;
                float* M = mean.data() + size_t(p) * w_;
                const float* add = blurred_.at(addRow, p);
                const float* sub = blurred_.at(subRow, p);
                eachPixel(w_, [&](int i) {
                    M[i] = S[i] * norm;
                    S[i] += add[i] - sub[i];
                });
            }
            const size_t w = size_t(w_);
            pack(y, mean.data(), mean.data() + w, mean.data() + 2 * w,
                 alpha_ ? mean.data() + 3 * w : nullptr, alpha_);
        }
    }

    void pack(int y, const float* R, const float* G, const float* B, const float* A, bool premultiplied) {
        packRow(R, G, B, A, premultiplied, s_.invert, packed_.data(), w_);
        storeRow(out_, y, packed_.data(), s_);
    }

    const QImage& in_;
    const ChainSettings& s_;
    QImage& out_;
    const int w_, h_;
    const bool alpha_;
    const int colourPlanes_;
    const int n_;
    // Monochrome, then (sepia,) then the hue turn and the colour controls.
    const ColourMap beforeSepia_ = s_.grayscale ? monochromeMap() : ColourMap();
    const ColourMap afterSepia_ = colourControlsMap(s_.sat, s_.brt, s_.con).after(hueMap(s_.hue));
    RowRing first_;
    RowRing blurred_;
    ExposureCurve curve_;
    std::vector<float> vert_, delta_;
    std::vector<int> index_;
    std::vector<quint32> packed_;
    int loaded_ = -1;
    int blurredRows_ = -1;
};

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
        output = QImage(in.width(), in.height(), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (output.isNull() || in.isNull())
            throw std::bad_alloc();
        ChainRunner(in, s, output).run();
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
        // Beyond +-64 stops every pixel is white or black anyway.
        s.ev = std::isfinite(g) ? std::clamp(g, -64.0f, 64.0f) : 0.0f;
        // Any radius costs the same; the bound only keeps the sums in range.
        s.blurRadius = (std::isfinite(b) && b >= 0.5f) ? int(std::lround(std::min(b, 1.0e6f))) : 0;
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
            // No turn: the picture itself (a value: its pixels are shared
            // until either copy is written).
            canvas = quarters == 0 ? image
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
