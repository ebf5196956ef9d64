#include "foundation/IndexedPicture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <array>
#include <cstring>

namespace zelk {

namespace {

void copyMetadata(const QImage& from, QImage& to) {
    to.setDotsPerMeterX(from.dotsPerMeterX());
    to.setDotsPerMeterY(from.dotsPerMeterY());
    to.setOffset(from.offset());
    to.setDevicePixelRatio(from.devicePixelRatio());
    for (const QString& key : from.textKeys())
        to.setText(key, from.text(key));
}

// Pixel values to table indexes: open addressing over twice the table's
// 256 entries, so that a lookup rarely probes more than once.
class ColourIndex {
public:
    // The index of `key`, added when new; -1 when the table is full.
    int indexOf(QRgb key) {
        size_t slot = (key * 2654435761u) >> 23;  // 9 bits
        while (used_[slot]) {
            if (keys_[slot] == key)
                return indexes_[slot];
            slot = (slot + 1) & 511;
        }
        if (count_ == 256)
            return -1;
        used_[slot] = true;
        keys_[slot] = key;
        indexes_[slot] = static_cast<uchar>(count_);
        colours_[static_cast<size_t>(count_)] = key;
        return count_++;
    }
    int count() const { return count_; }
    QRgb colour(int i) const { return colours_[static_cast<size_t>(i)]; }

private:
    std::array<bool, 512> used_{};
    std::array<QRgb, 512> keys_{};
    std::array<uchar, 512> indexes_{};
    std::array<QRgb, 256> colours_{};
    int count_ = 0;
};

}  // namespace

QImage IndexedPicture::compact(const QImage& picture) {
    if (picture.isNull() || picture.depth() <= 8)
        return picture;
    QImage source = picture;
    const QImage::Format f = picture.format();
    if (f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied && f != QImage::Format_RGB32)
        source = picture.convertToFormat(QImage::Format_ARGB32);
    const bool premultiplied = source.format() == QImage::Format_ARGB32_Premultiplied;
    const QRgb opaque = source.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;

    QImage out(source.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return picture;
    ColourIndex index;
    const int w = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* o = out.scanLine(y);
        // Rows repeat: the bars of a linear symbol, a 2D module's height.
        if (y > 0 && std::memcmp(in, source.constScanLine(y - 1), size_t(w) * sizeof(QRgb)) == 0) {
            std::memcpy(o, out.constScanLine(y - 1), size_t(w));
            continue;
        }
        // Pictures are runs of one colour: the last pixel's index is kept.
        QRgb last = in[0] | opaque;
        int lastIndex = index.indexOf(last);
        if (lastIndex < 0)
            return picture;
        for (int x = 0; x < w; ++x) {
            const QRgb key = in[x] | opaque;
            if (key != last) {
                lastIndex = index.indexOf(key);
                if (lastIndex < 0)
                    return picture;
                last = key;
            }
            o[x] = static_cast<uchar>(lastIndex);
        }
    }
    QList<QRgb> table;
    table.reserve(index.count());
    for (int i = 0; i < index.count(); ++i)
        table.append(premultiplied ? qUnpremultiply(index.colour(i)) : index.colour(i));
    out.setColorTable(table);
    copyMetadata(picture, out);
    return index.count() <= 2 ? packMono(out) : out;
}

QImage IndexedPicture::packMono(const QImage& indexed) {
    QImage mono(indexed.size(), QImage::Format_Mono);
    if (mono.isNull() || indexed.format() != QImage::Format_Indexed8)
        return indexed;
    QList<QRgb> table = indexed.colorTable().mid(0, 2);
    while (table.size() < 2)
        table.append(table.isEmpty() ? qRgba(0, 0, 0, 0) : table.first());
    mono.setColorTable(table);
    const int w = indexed.width();
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* s = indexed.constScanLine(y);
        uchar* d = mono.scanLine(y);
        if (y > 0 && std::memcmp(s, indexed.constScanLine(y - 1), size_t(w)) == 0) {
            std::memcpy(d, mono.constScanLine(y - 1), size_t(mono.bytesPerLine()));
            continue;
        }
        std::memset(d, 0, static_cast<size_t>(mono.bytesPerLine()));
        int x = 0;
        // Eight indexes of 0 or 1 at once: the multiplication moves the
        // lowest bit of byte i to bit 63 - i, and no two products meet.
        for (; x + 8 <= w; x += 8) {
            quint64 v;
            std::memcpy(&v, s + x, 8);
            v = qFromLittleEndian(v) & 0x0101010101010101ull;
            d[x >> 3] = static_cast<uchar>((v * 0x8040201008040201ull) >> 56);
        }
        for (; x < w; ++x)
            d[x >> 3] |= static_cast<uchar>((s[x] & 1) << (7 - (x & 7)));
    }
    copyMetadata(indexed, mono);
    return mono;
}

QByteArray IndexedPicture::png(const QImage& picture, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(PngQuality);
    if (writer.write(picture))
        return bytes;
    bytes.clear();
    buffer.seek(0);
    QImageWriter again(&buffer, "png");
    again.setQuality(PngQuality);
    if (again.write(picture.convertToFormat(QImage::Format_ARGB32)))
        return bytes;
    if (error)
        *error = again.errorString();
    return {};
}

}  // namespace zelk
