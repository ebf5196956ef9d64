#include "canvas/GraphicClipboard.h"

#include "canvas/CardFaceHook.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/UserPictureFolder.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>

namespace zelk {

namespace {

QByteArray encodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return {};
    return bytes;
}

}  // namespace

QRectF GraphicClipboard::drawingArea(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    QRectF area;
    for (const auto& g : graphics)
        if (g && g->ctrl_is_visible && g->print_object == 0)
            area = area.united(g->drawingBounds());
    return area;
}

QMimeData* GraphicClipboard::mimeDataForGraphics(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    auto* data = new QMimeData();
    // Graphics whose pictures lie beyond the archive's limits travel as
    // renderings only, which paste as one picture.
    const QByteArray archive = GraphicArchive::archivedData(graphics);
    if (!archive.isEmpty())
        data->setData(SKTGraphicViewPasteboardType, archive);

    const QRectF area = drawingArea(graphics);
    if (!area.isValid())
        return data;
    // The renderings show the graphics alone, without the card face.
    SideSnapshot snapshot = SideSnapshot::take(&graphics, nullptr, nullptr, 0, 0, area);
    snapshot.cardFace = std::make_shared<CardFaceHook>();
    const SKTRenderingView view(area, snapshot, QString());

    const QByteArray pdf = view.dataWithPDFInsideRect(area);
    if (!pdf.isEmpty())
        data->setData(PdfType, pdf);
    const QImage image = view.imageAtResolution(RenderingDpi);
    if (!image.isNull()) {
        const QByteArray tiff = encodeImage(image, "tiff");
        if (!tiff.isEmpty())
            data->setData(TiffType, tiff);
        const QByteArray png = encodeImage(image, "png");
        if (!png.isEmpty())
            data->setData(PngType, png);
    }
    return data;
}

void GraphicClipboard::copyGraphics(const QList<std::shared_ptr<SKTGraphic>>& graphics,
                                    QClipboard* clipboard) {
    if (!clipboard)
        clipboard = QGuiApplication::clipboard();
    std::unique_ptr<QMimeData> data(mimeDataForGraphics(graphics));
    // Graphics that yield nothing to offer leave what the user copied before.
    if (clipboard && !data->formats().isEmpty())
        clipboard->setMimeData(data.release());
}

std::shared_ptr<SKTImage> GraphicClipboard::pictureGraphic(const QImage& picture, QString* error) {
    QString why;
    const QString path = UserPictureFolder::storePicture(picture, &why);
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("The pasted picture cannot be kept: %1").arg(why);
        return nullptr;
    }
    auto image = std::make_shared<SKTImage>();
    image->setFilePath(path, true);
    return image;
}

bool GraphicClipboard::hasGraphics(const QMimeData* data) {
    return data && data->hasFormat(SKTGraphicViewPasteboardType);
}

GraphicClipboard::ReadResult GraphicClipboard::read(const QMimeData* data) {
    ReadResult result;
    if (!data)
        return result;

    if (data->hasFormat(SKTGraphicViewPasteboardType)) {
        QList<std::shared_ptr<SKTGraphic>> graphics;
        if (GraphicArchive::unarchiveGraphics(data->data(SKTGraphicViewPasteboardType), &graphics)) {
            result.content = Content::Graphics;
            result.graphics = graphics;
        } else {
            result.content = Content::Unreadable;
            result.error = SKTErrorWithCode(SKTUnknownPasteboardReadError);
        }
        return result;
    }

    // Any picture: the formats we write first, then whatever image type the
    // source offers, then a picture the platform decoded already.
    QStringList pictureTypes = {PngType, TiffType};
    for (const QString& f : data->formats())
        if (f.startsWith(QLatin1String("image/")) && !pictureTypes.contains(f))
            pictureTypes.append(f);
    bool offered = false;
    for (const QString& type : pictureTypes) {
        if (!data->hasFormat(type))
            continue;
        offered = true;
        const QImage image = QImage::fromData(data->data(type));
        if (!image.isNull()) {
            result.content = Content::Picture;
            result.picture = image;
            return result;
        }
    }
    if (data->hasImage()) {
        offered = true;
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull()) {
            result.content = Content::Picture;
            result.picture = image;
            return result;
        }
    }
    if (offered) {
        result.content = Content::Unreadable;
        result.error = SKTErrorWithCode(SKTImageReadError);
    }
    return result;
}

}  // namespace zelk
