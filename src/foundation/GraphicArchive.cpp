#include "foundation/GraphicArchive.h"

#include "foundation/IndexedPicture.h"
#include "foundation/SKTGraphic.h"

#include <QBuffer>
#include <QHash>
#include <QMutex>
#include <QCborArray>
#include <QCborStreamReader>
#include <QImageReader>
#include <QImageWriter>
#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>
#include <type_traits>

namespace {

// Bounds on what a stored number may be. Any real design stays far inside
// them; they keep hostile values (NaN, 1e300 point fonts) away from drawing.
constexpr double MaxMagnitude = 1e9;
constexpr double MaxFontMetric = 10000.0;
constexpr int PngQuality = 50;

// ---- Writing ----

QCborValue encode(const QRectF& r) {
    return QCborArray{r.x(), r.y(), r.width(), r.height()};
}
QCborValue encode(bool v) { return QCborValue(v); }
QCborValue encode(int v) { return QCborValue(qint64(v)); }
QCborValue encode(float v) { return QCborValue(double(v)); }
QCborValue encode(double v) { return QCborValue(v); }
QCborValue encode(const QString& v) { return QCborValue(v); }
QCborValue encode(const QColor& c) {
    if (!c.isValid())
        return QCborValue(QCborValue::Null);
    const QRgba64 v = c.rgba64();
    return QCborArray{qint64(v.red()), qint64(v.green()), qint64(v.blue()), qint64(v.alpha())};
}
QCborValue encode(const QFont& f) { return QCborValue(f.toString()); }
// The PNG of the pictures archived last, by their contents' key: an undo
// snapshot at each edit would otherwise encode every picture of the side
// again although none changed. Shared by every thread that archives.
class PngCache {
public:
    std::optional<QByteArray> find(qint64 key) {
        const QMutexLocker lock(&mutex_);
        const auto it = png_.constFind(key);
        return it == png_.cend() ? std::nullopt : std::optional(*it);
    }
    void insert(qint64 key, const QByteArray& png) {
        const QMutexLocker lock(&mutex_);
        if (png_.size() >= MaxPictures)
            png_.clear();
        png_.insert(key, png);
    }

private:
    static constexpr qsizetype MaxPictures = 64;
    QMutex mutex_;
    QHash<qint64, QByteArray> png_;
};

PngCache& pngCache() {
    static PngCache cache;
    return cache;
}

QCborValue encode(const QImage& image) {
    if (image.isNull())
        return QCborValue(QCborValue::Null);
    if (const auto png = pngCache().find(image.cacheKey()))
        return QCborValue(*png);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Undo snapshots archive every picture of a side at each edit: a middle
    // deflate level is about twice as fast as the default for 10 % more bytes.
    writer.setQuality(PngQuality);
    if (!writer.write(image)) {
        // Formats PNG cannot take directly go through 32-bit ARGB.
        bytes.clear();
        buffer.seek(0);
        QImageWriter again(&buffer, "png");
        again.setQuality(PngQuality);
        again.write(image.convertToFormat(QImage::Format_ARGB32));
    }
    pngCache().insert(image.cacheKey(), bytes);
    return QCborValue(bytes);
}

// ---- Reading ----

struct Reader {
    const QCborMap& map;
    QString error;

    bool fail(const QString& key, const char* what) {
        if (error.isEmpty())
            error = QStringLiteral("field \"%1\": %2").arg(key, QString::fromLatin1(what));
        return false;
    }

    bool number(const QCborValue& v, double* out) {
        if (v.isDouble())
            *out = v.toDouble();
        else if (v.isInteger())
            *out = double(v.toInteger());
        else
            return false;
        return std::isfinite(*out) && std::abs(*out) <= MaxMagnitude;
    }

    bool read(const QString& key, const QCborValue& v, QRectF& out) {
        const QCborArray a = v.toArray();
        double c[4];
        if (!v.isArray() || a.size() != 4)
            return fail(key, "not a rectangle");
        for (int i = 0; i < 4; ++i) {
            if (!number(a.at(i), &c[i]))
                return fail(key, "not a rectangle");
        }
        out = QRectF(c[0], c[1], c[2], c[3]);
        return true;
    }
    bool read(const QString& key, const QCborValue& v, bool& out) {
        if (!v.isBool())
            return fail(key, "not a flag");
        out = v.toBool();
        return true;
    }
    bool read(const QString& key, const QCborValue& v, int& out) {
        if (!v.isInteger() || v.toInteger() < INT_MIN || v.toInteger() > INT_MAX)
            return fail(key, "not a whole number");
        out = int(v.toInteger());
        return true;
    }
    bool read(const QString& key, const QCborValue& v, double& out) {
        if (!number(v, &out))
            return fail(key, "not a number");
        return true;
    }
    bool read(const QString& key, const QCborValue& v, float& out) {
        double d = 0;
        if (!number(v, &d))
            return fail(key, "not a number");
        out = float(d);
        return true;
    }
    bool read(const QString& key, const QCborValue& v, QString& out) {
        if (!v.isString())
            return fail(key, "not a text");
        out = v.toString();
        return true;
    }
    bool read(const QString& key, const QCborValue& v, QColor& out) {
        if (v.isNull()) {
            out = QColor();
            return true;
        }
        const QCborArray a = v.toArray();
        if (!v.isArray() || a.size() != 4)
            return fail(key, "not a colour");
        quint16 c[4];
        for (int i = 0; i < 4; ++i) {
            const QCborValue e = a.at(i);
            if (!e.isInteger() || e.toInteger() < 0 || e.toInteger() > 65535)
                return fail(key, "not a colour");
            c[i] = quint16(e.toInteger());
        }
        out = QColor(QRgba64::fromRgba64(c[0], c[1], c[2], c[3]));
        return true;
    }
    bool read(const QString& key, const QCborValue& v, QFont& out) {
        if (!v.isString())
            return fail(key, "not a font");
        const QString text = v.toString();
        // QFont::toString writes the family and then numbers only (the last
        // item may be a style name); check them before Qt takes them.
        const QStringList items = text.split(QLatin1Char(','));
        if (items.size() < 2 || items.size() > 17 || items.first().trimmed().isEmpty())
            return fail(key, "not a font");
        for (int i = 1; i < items.size() && i < 16; ++i) {
            bool ok = false;
            const double n = items.at(i).trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(n) || std::abs(n) > MaxFontMetric)
                return fail(key, "not a font");
        }
        QFont font;
        if (!font.fromString(text))
            return fail(key, "not a font");
        const double size = font.pointSizeF();
        if (font.pixelSize() <= 0 && !(size > 0 && size <= MaxFontMetric))
            return fail(key, "font size out of range");
        out = font;
        return true;
    }
    bool read(const QString& key, const QCborValue& v, QImage& out) {
        if (v.isNull()) {
            out = QImage();
            return true;
        }
        if (!v.isByteArray())
            return fail(key, "not a picture");
        QString why;
        QImage image = GraphicArchive::readPicture(v.toByteArray(), &why);
        if (image.isNull()) {
            if (error.isEmpty())
                error = QStringLiteral("field \"%1\": %2").arg(key, why);
            return false;
        }
        out = image;
        return true;
    }

    // A field added later is missing from older archives: it keeps its
    // default there.
    template <class T>
    bool field(const QString& key, T& out, bool addedLater) {
        const QCborValue v = map.value(key);
        if (v.isUndefined())
            return addedLater || fail(key, "missing");
        return read(key, v, out);
    }
};

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

// One complete CBOR item, nothing after it.
bool parseWhole(const QByteArray& data, QCborValue* out, QString* error) {
    if (data.isEmpty()) {
        setError(error, QStringLiteral("empty archive"));
        return false;
    }
    QCborStreamReader reader(data);
    QCborValue value = QCborValue::fromCbor(reader);
    if (reader.lastError() != QCborError::NoError) {
        setError(error, QStringLiteral("malformed archive: %1").arg(reader.lastError().toString()));
        return false;
    }
    if (reader.currentOffset() != data.size()) {
        setError(error, QStringLiteral("malformed archive: data after the end"));
        return false;
    }
    *out = value;
    return true;
}

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

bool withinLimits(const QSize& size, QImage::Format format) {
    if (!size.isValid() || size.isEmpty() || format == QImage::Format_Invalid
        || size.width() > GraphicArchive::MaxPictureSide || size.height() > GraphicArchive::MaxPictureSide
        || qint64(size.width()) * size.height() > GraphicArchive::MaxPicturePixels)
        return false;
    const qint64 bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (qint64(size.width()) * bitsPerPixel + 31) / 32 * 4;
    return bytesPerLine * size.height() <= GraphicArchive::MaxPictureBytes;
}

}  // namespace

bool GraphicArchive::pictureWithinLimits(const QByteArray& png) {
    if (!png.startsWith(pngSignature))
        return false;
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    return withinLimits(reader.size(), reader.imageFormat());
}

QImage GraphicArchive::readPicture(const QByteArray& png, QString* error) {
    if (!png.startsWith(pngSignature)) {
        setError(error, QStringLiteral("not a PNG picture"));
        return {};
    }
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!withinLimits(size, format)) {
        setError(error, QStringLiteral("picture too large or unreadable"));
        return {};
    }
    // Qt's reader refuses pictures above its allocation limit (128 MB), which
    // lies below ours; a picture allocated here, of the header's size and
    // format, is filled without that check.
    QImage image(size, format);
    if (image.isNull() || !reader.read(&image) || image.size() != size) {
        setError(error, QStringLiteral("unreadable picture"));
        return {};
    }
    return image;
}

QCborMap GraphicArchive::toCbor(const SKTGraphic& g) {
    QCborMap map;
    map.insert(ClassKey, zelk::graphicKindName(g.kind()));
    map.insert(VersionKey, FormatVersion);
    bool tooLarge = false;
    auto put = [&](const QString& key, const auto& value) {
        const QCborValue v = encode(value);
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QImage>)
            tooLarge = tooLarge || (v.isByteArray() && !pictureWithinLimits(v.toByteArray()));
        map.insert(key, v);
    };
#define ZELK_WRITE_FIELD(name) put(QStringLiteral(#name), g.name);
    ZELK_SKTGRAPHIC_FIELDS(ZELK_WRITE_FIELD)
#undef ZELK_WRITE_FIELD
    return tooLarge ? QCborMap() : map;
}

std::shared_ptr<SKTGraphic> GraphicArchive::fromCbor(const QCborValue& value, QString* error) {
    if (!value.isMap()) {
        setError(error, QStringLiteral("not a graphic archive"));
        return nullptr;
    }
    const QCborMap map = value.toMap();
    const QCborValue version = map.value(VersionKey);
    if (!version.isInteger() || version.toInteger() != FormatVersion) {
        setError(error, QStringLiteral("unknown archive version"));
        return nullptr;
    }
    const QCborValue className = map.value(ClassKey);
    const std::optional<zelk::GraphicKind> kind =
        className.isString() ? zelk::graphicKindFromName(className.toString()) : std::nullopt;
    if (!kind) {
        setError(error, QStringLiteral("unknown graphic kind"));
        return nullptr;
    }
    std::shared_ptr<SKTGraphic> g = zelk::makeGraphic(*kind);
    Reader reader{map, {}};
    bool ok = true;
    // Named once: every undo step reads every graphic of its side.
    static const QStringList later = [] {
        QStringList names;
#define ZELK_NAME_FIELD(name) names << QStringLiteral(#name);
        ZELK_SKTGRAPHIC_LATER_FIELDS(ZELK_NAME_FIELD)
#undef ZELK_NAME_FIELD
        return names;
    }();
#define ZELK_READ_FIELD(name) \
    ok = ok && reader.field(QStringLiteral(#name), g->name, later.contains(QStringLiteral(#name)));
    ZELK_SKTGRAPHIC_FIELDS(ZELK_READ_FIELD)
#undef ZELK_READ_FIELD
    if (!ok) {
        setError(error, reader.error);
        return nullptr;
    }
    // Barcode pictures are held with a colour table; older archives hold 32 bits a pixel.
    g->_barcode_image = zelk::IndexedPicture::compact(g->_barcode_image);
    return g;
}

QByteArray GraphicArchive::archivedData(const SKTGraphic& graphic) {
    const QCborMap map = toCbor(graphic);
    return map.isEmpty() ? QByteArray() : QCborValue(map).toCbor();
}

QByteArray GraphicArchive::archivedData(const QList<std::shared_ptr<SKTGraphic>>& graphics) {
    QCborArray array;
    for (const auto& g : graphics) {
        if (!g)
            continue;
        const QCborMap map = toCbor(*g);
        if (map.isEmpty())
            return {};
        array.append(map);
    }
    return QCborValue(array).toCbor();
}

std::shared_ptr<SKTGraphic> GraphicArchive::unarchiveGraphic(const QByteArray& data, QString* error) {
    QCborValue value;
    if (!parseWhole(data, &value, error))
        return nullptr;
    return fromCbor(value, error);
}

bool GraphicArchive::unarchiveGraphics(const QByteArray& data,
                                       QList<std::shared_ptr<SKTGraphic>>* out, QString* error) {
    QCborValue value;
    if (!parseWhole(data, &value, error))
        return false;
    if (!value.isArray()) {
        setError(error, QStringLiteral("not an archive of graphics"));
        return false;
    }
    const QCborArray array = value.toArray();
    QList<std::shared_ptr<SKTGraphic>> graphics;
    graphics.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString itemError;
        std::shared_ptr<SKTGraphic> g = fromCbor(array.at(i), &itemError);
        if (!g) {
            setError(error, QStringLiteral("graphic %1: %2").arg(i).arg(itemError));
            return false;
        }
        graphics.append(std::move(g));
    }
    if (out)
        *out = std::move(graphics);
    return true;
}
