// Drawing of picture graphics: the filtered picture fills the bounds (the
// filter pipeline's result is drawn into the unfiltered picture's size,
// scaled to the bounds), with high-quality interpolation and the opacity
// img_trnsp_val / 100; then the border.
//
// An image casts no shadow: its panel has no shadow settings and turns
// Drawing_Shadow on for every picture it touches, so the flag says nothing
// about a picture, and a shadow would show through transparent logos.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTImage.h"

#include <QPainter>
#include <QPainterPath>

void SKTImage::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    zelk::drawPictureInRect(painter, _contents_with_settings, box, img_trnsp_val / 100.0);
    QPainterPath outline;
    outline.addRect(box);
    zelk::strokeGraphicPath(painter, *this, outline);
}

QRectF SKTImage::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    QPainterPath outline;
    outline.addRect(_bounds.normalized());
    return zelk::strokedArea(*this, outline);
}
