#pragma once
// Bitmaps and one-page PDFs of anything that paints itself in points (y
// down): the card image of a side and its mirrored or turned forms share
// these, so both give the same pixel sizes and the same exact page.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QIODevice;

namespace zelk {

class VectorPageOutput {
public:
    using Paint = std::function<void(QPainter&)>;

    // Largest resolution a bitmap is made at, dots per inch.
    static constexpr double MaxDpi = 4800.0;

    // `frame` as a bitmap of ceil(width x dpi / 72) by ceil(height x dpi /
    // 72) pixels, recording its resolution, transparent where `paint` leaves
    // it. A null image for a frame without area, a resolution out of range
    // (above MaxDpi) or a picture beyond 2^28 pixels.
    static QImage imageAtResolution(const QRectF& frame, double dpi, const Paint& paint);

    // One vector PDF page of exactly the rectangle's size in points (not
    // rounded to whole points), clipped to it; texts stay texts, each glyph
    // read back as the character it was drawn for. Empty for an
    // empty rectangle or a paint that fails.
    static QByteArray pdfPage(const QRectF& rect, const QString& title, const Paint& paint);
};

}  // namespace zelk
