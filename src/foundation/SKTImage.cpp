#include "foundation/SKTImage.h"

#include "foundation/ModelHost.h"
#include "foundation/PictureLoadCache.h"

SKTImage::SKTImage() {
    _isDrawingStroke = false;
    _isDrawingFill = false;
}

std::shared_ptr<SKTGraphic> SKTImage::clone() const {
    return std::make_shared<SKTImage>(*this);
}

void SKTImage::makeNaturalSize() {
    if (ctrl_is_locked)
        return;
    _isFlippedHorizontally = false;
    _isFlippedVertically = false;
    // Without a picture there is no size of its own to take.
    if (_contents.isNull())
        return;
    setBounds(QRectF(_bounds.topLeft(), zelk::pictureSizeInPoints(_contents)));
}

void SKTImage::setFilePath(const QString& path, bool set_txt_path_also) {
    const QString resolved = zelk::modelHost()->Check_Path_For_App_Resources(path);
    _file_path = resolved;
    if (set_txt_path_also && !resolved.isEmpty())
        Text_Value = resolved;
    setFileNSImage();
}

void SKTImage::setFileNSImage() {
    _contents = zelk::PictureLoadCache::picture(_file_path);
    _contents_with_settings =
        _contents.isNull() ? QImage() : zelk::modelHost()->Get_Image_With_Update_Settings(*this);
}
