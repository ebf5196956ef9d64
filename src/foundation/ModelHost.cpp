#include "foundation/ModelHost.h"

#include "foundation/SKTGraphic.h"

#include <QFileInfo>
#include <QImageReader>
#include <atomic>

namespace zelk {

ModelHost::~ModelHost() = default;

void DefaultModelHost::Set_Control_Pos_And_Size(SKTGraphic*) {}

QImage DefaultModelHost::Get_Image_With_Update_Settings(const SKTGraphic& graphic) {
    return graphic._contents;
}

QString DefaultModelHost::Check_Path_For_App_Resources(const QString& path) {
    return path;
}

QImage DefaultModelHost::Get_Image_For_Path(const QString& path, bool asIcon) {
    // There are no file icons without a desktop; an icon is a small preview.
    return readPicturePreview(path, asIcon ? 64 : PreviewPictureSide);
}

namespace {
constexpr int Dpm72 = 2835;  // 72 dots per inch in whole dots per metre
}  // namespace

QImage readPicturePreview(const QString& path, int side) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    // Fitted inside side x side, never below one pixel a side: a thin strip
    // stays a strip of its own pixels.
    const auto fitted = [side](QSize size) {
        size.scale(side, side, Qt::KeepAspectRatio);
        return size.expandedTo(QSize(1, 1));
    };
    QImageReader reader(path);
    reader.setAutoTransform(true);  // photos are shown upright (EXIF orientation)
    const QSize size = reader.size();
    // A picture of palette colours is scaled only once it holds true
    // colours: Qt's smooth scaling of a two-colour picture far down turns it
    // white.
    const QImage::Format stored = reader.imageFormat();
    const bool palette =
        stored == QImage::Format_Mono || stored == QImage::Format_MonoLSB || stored == QImage::Format_Indexed8;
    if (!palette && size.isValid() && (size.width() > side || size.height() > side))
        reader.setScaledSize(fitted(size));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    // Formats that cannot scale while decoding come back at full size. A
    // palette picture first takes its nearest pixels down to a few times the
    // preview, so that its true-colour copy stays small. The bound is counted
    // wide: a side of INT_MAX (the picture whole) has no four times in int.
    const qint64 paletteBound = 4 * qint64(side);
    if (palette && (image.width() > paletteBound || image.height() > paletteBound))
        image = image.scaled(fitted(image.size()) * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // In true colours whatever its size: a window scales the preview again
    // to its own box.
    if (palette)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.width() > side || image.height() > side)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
                    .scaled(fitted(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // One pixel per point (72 dpi): the preview's size in points is its size
    // in pixels.
    image.setDotsPerMeterX(Dpm72);
    image.setDotsPerMeterY(Dpm72);
    return image;
}

namespace {
DefaultModelHost& defaultHost() {
    static DefaultModelHost host;
    return host;
}
std::atomic<ModelHost*> installedHost{nullptr};
}  // namespace

ModelHost* modelHost() {
    ModelHost* host = installedHost.load();
    return host ? host : &defaultHost();
}

void setModelHost(ModelHost* host) {
    installedHost.store(host);
}

}  // namespace zelk
