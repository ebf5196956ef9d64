#pragma once
// The clipboard of the canvases. Copied graphics travel as our own type
// (their GraphicArchive, so a paste restores every field) together with PDF,
// TIFF and PNG renderings for other applications. A paste takes our type or,
// failing that, any picture.
#include "canvas/SKTError.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>

class QClipboard;
class QMimeData;
class SKTGraphic;
class SKTImage;

namespace zelk {

class GraphicClipboard {
public:
    // SKTGraphicViewPasteboardType: the archive of the copied graphics.
    static inline const QString SKTGraphicViewPasteboardType =
        QStringLiteral("application/x-zelk-graphics");
    static inline const QString PdfType = QStringLiteral("application/pdf");
    static inline const QString TiffType = QStringLiteral("image/tiff");
    static inline const QString PngType = QStringLiteral("image/png");

    // Resolution of the TIFF and PNG renderings.
    static constexpr double RenderingDpi = 144.0;

    // The area the graphics' drawing covers, in points (empty for none).
    static QRectF drawingArea(const QList<std::shared_ptr<SKTGraphic>>& graphics);

    // A new clipboard payload for the graphics (index 0 topmost): the archive,
    // and the renderings when the graphics draw anything. The caller owns it.
    static QMimeData* mimeDataForGraphics(const QList<std::shared_ptr<SKTGraphic>>& graphics);
    // Puts that payload on the clipboard; one holding nothing leaves the
    // clipboard as it was.
    static void copyGraphics(const QList<std::shared_ptr<SKTGraphic>>& graphics,
                             QClipboard* clipboard = nullptr);

    enum class Content { Nothing, Graphics, Picture, Unreadable };
    struct ReadResult {
        Content content = Content::Nothing;
        QList<std::shared_ptr<SKTGraphic>> graphics;  // Content::Graphics
        QImage picture;                               // Content::Picture
        SKTError error;                               // Content::Unreadable
    };
    // What a paste of the data would insert. Our type wins over pictures;
    // data of our type or a picture that cannot be read gives Unreadable
    // with the SKTErrorWithCode error to show; no usable type gives Nothing.
    static ReadResult read(const QMimeData* data);

    // A new image graphic for a pasted picture. The picture is written to the
    // user's picture folder (UserPictureFolder) and the graphic names that
    // file, so that a saved design keeps it; the graphic then holds what a
    // reopened design would. nullptr, with the reason in *error, when the
    // picture cannot be written.
    static std::shared_ptr<SKTImage> pictureGraphic(const QImage& picture, QString* error = nullptr);

    // True when the data holds copied graphics (the paste button's state).
    static bool hasGraphics(const QMimeData* data);
};

}  // namespace zelk
