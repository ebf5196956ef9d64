#pragma once
// A picture graphic: the filtered picture _contents_with_settings drawn into its bounds.
#include "foundation/SKTGraphic.h"

class SKTImage : public SKTGraphic {
public:
    SKTImage();
    zelk::GraphicKind kind() const override { return zelk::GraphicKind::Image; }
    std::shared_ptr<SKTGraphic> clone() const override;
    // Takes the picture's own size in points and clears both flips.
    void makeNaturalSize() override;

    // Relocates the path through the host (an empty path for none), stores it
    // as _file_path and, with set_txt_path_also and a non-empty path, as
    // Text_Value; then loads the picture (setFileNSImage).
    void setFilePath(const QString& path, bool set_txt_path_also);
    // Loads _contents as a preview of the file at _file_path (a null picture
    // when there is none; once per load, see PictureLoadCache) and makes the
    // filtered picture through the host.
    void setFileNSImage();
    // Replaces the filtered picture.
    void setFileNSImage_Variable(const QImage& picture) { _contents_with_settings = picture; }
    // Drawing and drawn area (bodies in SKTImageDrawing.cpp); hit testing and
    // handles are the base's.
    void drawContents(QPainter& painter) const override;
    QRectF drawingBounds() const override;
};
