#pragma once
// Whole-picture operations the rest of the application applies to card
// images and photos: the mirror and the half turn of a rendered card (both
// stay vector pictures, so print and export keep their full resolution), the
// bordered copy of a photo and the file preview.
//
// Every operation returns its result directly and draws on the calling
// thread: QPainter on a QImage is safe on any thread, so a
// print or export worker needs no trip to the GUI thread.
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "inspector/face/TransformedCardImage.h"

class SKTRenderingView;

class ImageTransforms {
public:
    ImageTransforms() = delete;

    // The card image drawn mirrored: top to bottom when `vertical` is set
    // (callers pass Mirror_Vertical_Not_Horz), else left to right; the size
    // never changes.
    static TransformedCardImage Create_Mirror_Image_With_CG_Image(const SKTRenderingView& picture,
                                                                  bool vertical);

    // The card turned by half a turn, for cards printed upside down. `angle`
    // and `dr_rect` do not change the result: it is always 180 degrees.
    static TransformedCardImage imageRotatedByDegrees_Angle(const SKTRenderingView& picture,
                                                            double angle, const QRectF& dr_rect);

    // A copy of the picture with a border of `width` points in the colour
    // along its edge, dashed by the DashCode `BorderType`. The line is centred
    // on the edge, so the inner half of the width shows.
    static QImage image_Drawing_with_border(const QImage& picture, float width,
                                            const QString& BorderType, const QColor& brdr_clr);

    // A preview of the picture file: upright by the orientation the file
    // records, its larger side at most size.width() pixels (truncated), never
    // enlarged, one pixel per point. `asIcon` has no effect. A file that holds
    // no readable picture gives a null image (no stand-in icon: a caller must
    // never show an icon as if it were the photo).
    static QImage imageWithPreviewOfFileAtPath(const QString& path, const QSizeF& size, bool asIcon);
    static QImage Thimbnail_Using_CG_Image(const QString& path, const QSizeF& size);
};
