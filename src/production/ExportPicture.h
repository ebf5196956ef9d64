#pragma once
// What an exported file shows: a card side (drawn as vectors into every
// file, so a PDF stays vector and rasters are drawn at 600 dpi), a bitmap
// (a photo, a visitor pass), or front and back together. A value: any
// thread may encode it, several at once.
#include "inspector/face/TransformedCardImage.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace zelk {

class ExportPicture {
public:
    ExportPicture() = default;
    explicit ExportPicture(TransformedCardImage card);
    explicit ExportPicture(QImage bitmap);
    // A drawing of `size` points painted by `paint` (points, y down, origin
    // at the top-left corner): vector in a PDF, drawn afresh at the
    // resolution of a raster file (600 dpi with increase_dpi).
    ExportPicture(const QSizeF& size, std::function<void(QPainter&)> paint);
    // Both sides in one picture: side by side with the front on the left,
    // or stacked with the front on top; each drawn whole at its own size on
    // a picture twice the front's width or height. Null when either is.
    static ExportPicture combined(const ExportPicture& front, const ExportPicture& back, bool sideBySide);

    bool isNull() const { return !paint_; }
    // In points.
    QSizeF size() const { return frame_.size(); }

    // The bytes of a file of that extension (zelk::CardFileEncoder). A
    // bitmap keeps its own pixels in raster files unless `increase_dpi`
    // redraws it at 600 dpi. Empty with the reason in *why on failure.
    QByteArray encode(const QString& extension, bool increase_dpi, QString* why = nullptr) const;

private:
    QRectF frame_;
    std::function<void(QPainter&)> paint_;
    QImage bitmap_;
};

}  // namespace zelk
