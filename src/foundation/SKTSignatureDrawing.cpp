// Drawing of signature and fingerprint graphics: the picture fills the
// bounds, under the graphic's shadow, then the border.
#include "foundation/DrawingCodes.h"
#include "foundation/SKTSignature.h"

#include <QPainter>
#include <QPainterPath>

void SKTSignature::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    QPainterPath outline;
    outline.addRect(box);
    zelk::paintWithShadow(painter, *this, zelk::strokedArea(*this, outline), [&](QPainter& p) {
        zelk::drawPictureInRect(p, _contents, box, 1.0);
        zelk::strokeGraphicPath(p, *this, outline);
    });
}

