#pragma once
// The keyed archive of one graphic or of an array of graphics: the unit of
// the clipboard, the undo snapshots and the batch backup.
//
// Encoding: CBOR (RFC 8949). One graphic is a map holding its kind name under
// "$class", the archive format version under "$version", and every field of
// the record under the field's own name (pictures as PNG bytes). An array is
// a CBOR array of such maps.
//
// Reading is strict: a truncated, malformed or hostile archive, an unknown
// kind or version, a missing field or a field of the wrong type or range is
// refused as a whole with an error; a reader never hands out a graphic it
// filled only in part, and leaves what it loads into untouched.
#include <QByteArray>
#include <QCborMap>
#include <QCborValue>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class SKTGraphic;

class GraphicArchive {
public:
    static constexpr int FormatVersion = 1;
    static inline const QString ClassKey = QStringLiteral("$class");
    static inline const QString VersionKey = QStringLiteral("$version");

    // Stored pictures beyond these are refused when written and when read:
    // pixels, side and the bytes they take decoded.
    static constexpr qint64 MaxPicturePixels = 40'000'000;
    static constexpr int MaxPictureSide = 32'768;
    static constexpr qint64 MaxPictureBytes = MaxPicturePixels * 4;

    // The archive's bytes; empty when a picture of a graphic lies beyond the
    // picture limits (nothing is written that the reader would refuse).
    static QByteArray archivedData(const SKTGraphic& graphic);
    static QByteArray archivedData(const QList<std::shared_ptr<SKTGraphic>>& graphics);

    // Whether the PNG's header (size, and the format it decodes to) lies
    // within the picture limits. Writers ask it of what they wrote.
    static bool pictureWithinLimits(const QByteArray& png);
    // The PNG picture within the picture limits; a null image, with the
    // reason in *error, for any other bytes. Every picture within the limits
    // is read, whatever the image reader's own allocation limit.
    static QImage readPicture(const QByteArray& png, QString* error = nullptr);

    // The graphic of the archive, or nullptr with the reason in *error.
    static std::shared_ptr<SKTGraphic> unarchiveGraphic(const QByteArray& data,
                                                        QString* error = nullptr);
    // Replaces *out with the graphics of an array archive and returns true;
    // on any error returns false and leaves *out as it was.
    static bool unarchiveGraphics(const QByteArray& data,
                                  QList<std::shared_ptr<SKTGraphic>>* out,
                                  QString* error = nullptr);

    // The same, one level down, for callers that embed graphics in larger
    // CBOR documents (an empty map when a picture lies beyond the limits).
    static QCborMap toCbor(const SKTGraphic& graphic);
    static std::shared_ptr<SKTGraphic> fromCbor(const QCborValue& value, QString* error = nullptr);
};
