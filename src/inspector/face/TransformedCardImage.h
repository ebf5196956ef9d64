#pragma once
// A card image (the renderer's vector card of one side) mirrored or turned
// for printing: it draws the card under the transform, so texts, lines and
// pictures keep their full resolution on any device, exactly as the card
// image itself does. Made by ImageTransforms from an SKTRenderingView; a
// plain value, safe to draw on any thread.
#include "canvas/SKTRenderingView.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <optional>

class QPainter;

class TransformedCardImage {
public:
    TransformedCardImage() = default;
    // `transform` maps the card's frame (points, y down) onto itself.
    TransformedCardImage(SKTRenderingView card, const QTransform& transform);

    bool isNull() const { return !card_ || card_->isNull(); }
    // The card's frame and size in points: a mirror or a half turn keeps them.
    QRectF frame() const { return card_ ? card_->frame() : QRectF(); }
    QSizeF size() const { return frame().size(); }
    const QTransform& transform() const { return transform_; }

    // One paint into a painter whose user space is the card's (points, y
    // down). Leaves the painter's state as it found it.
    void drawRect(QPainter& painter) const;

    // As SKTRenderingView::imageAtResolution: ceil(size x dpi / 72) pixels,
    // recording the resolution, transparent outside the card outline; null
    // for a null card or a resolution out of range.
    QImage imageAtResolution(double dpi) const;

    // As SKTRenderingView::dataWithPDFInsideRect: one vector PDF page of
    // exactly the rectangle (points); texts stay texts. Empty for a null card.
    QByteArray dataWithPDFInsideRect(const QRectF& rect) const;

private:
    std::optional<SKTRenderingView> card_;
    QTransform transform_;
};
