#pragma once
// The photo filter chain every image graphic's picture goes through, and the
// size cap of card background pictures. Class operations only: nothing is
// kept between calls, so any thread may call them at the same time.
#include <QImage>
#include <QRectF>
#include <QSizeF>

class ImageProcesser {
public:
    ImageProcesser() = delete;

    // The fixed chain, in this order: monochrome, sepia, hue, colour controls,
    // luminance sharpening, exposure, box blur, colour inversion, then the
    // flips and, with yes_rotate_on_box, the turn of the picture inside its
    // box. The values are the image panel's, unscaled: hue in radians, sat a
    // factor, brt an offset, con a factor, r the sharpness, g the exposure in
    // EV stops, b the blur radius in pixels. Neutral: hue 0, sat 1, brt 0,
    // con 1, r 0, g 0, b 0, flags off. tranprency is not applied here: the
    // graphic draws its picture with that opacity. img_bound_rect and
    // use_img_rect do not change the result (the turn depends only on the
    // picture and the angle). The result reports the input's size in points;
    // a null input gives a null result.
    static QImage Get_Processed_Image_Full_Combined(
        const QImage& image, bool grayscale, bool sepia, bool invrtclr, float hue, float sat,
        float brt, float con, qint32 rotate, float r, float g, float b, float tranprency,
        bool yes_rotate_on_box, bool flip_H, bool flip_V, bool use_img_rect,
        const QRectF& img_bound_rect);

    // The picture turned by `degrees` about its centre (positive turns
    // counter-clockwise as seen), on a transparent canvas the size of the
    // turned picture's bounding box, reported at the input's size in points,
    // so a box the result is drawn into holds the whole turned picture.
    static QImage imageRotatedByDegrees_On_Ctrl_Bound(const QImage& image, double degrees,
                                                      const QRectF& img_bound_rect);

    // Caps the picture's reported size (in points) at 724 wide and 468 high,
    // each side on its own; the pixels are not touched. Returns `image`.
    static QImage& Set_Dimaension(QImage& image);
};

namespace zelk {

// Sets the resolution so that the picture reports `points` (each axis on its
// own; the size in points is pictureSizeInPoints, foundation/SKTGraphic.h);
// the pixels stay. An axis of one point per pixel gets the resolution a new
// picture starts with, which counts as 72 dpi exactly.
void setReportedPointSize(QImage& image, const QSizeF& points);

}  // namespace zelk
