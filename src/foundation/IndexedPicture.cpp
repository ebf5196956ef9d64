#include "foundation/IndexedPicture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

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

// One byte a pixel with the picture's colour table, whatever its depth; a
// null image when the picture has more than 256 colours.
QImage indexedOf(const QImage& picture) {
    QImage pic = picture.depth() > 8 ? IndexedPicture::compact(picture) : picture;
    if (pic.format() == QImage::Format_Indexed8)
        return pic;
    if (pic.format() != QImage::Format_Mono && pic.format() != QImage::Format_MonoLSB)
        return {};
    QImage out(pic.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    const bool msb = pic.format() == QImage::Format_Mono;
    for (int y = 0; y < pic.height(); ++y) {
        const uchar* s = pic.constScanLine(y);
        uchar* d = out.scanLine(y);
        for (int x = 0; x < pic.width(); ++x)
            d[x] = msb ? (s[x >> 3] >> (7 - (x & 7))) & 1 : (s[x >> 3] >> (x & 7)) & 1;
    }
    out.setColorTable(pic.colorTable());
    return out;
}

// Columns [from, to) of a band of rows that go to the engine as a picture.
struct Span {
    int from;
    int to;
};

}  // namespace

void IndexedPicture::drawOnPage(QPainter& painter, const QImage& picture, const QRectF& target) {
    if (picture.isNull() || target.isEmpty())
        return;
    const QImage pic = indexedOf(picture);
    const QList<QRgb> table = pic.colorTable();
    if (pic.isNull() || table.isEmpty()) {
        painter.drawImage(target, picture);
        return;
    }
    const int w = pic.width();
    const int h = pic.height();
    // Rows repeat: the bars of a linear symbol, a 2D module's height.
    std::vector<bool> repeats(static_cast<size_t>(h));
    for (int y = 1; y < h; ++y)
        repeats[size_t(y)] = std::memcmp(pic.constScanLine(y), pic.constScanLine(y - 1), size_t(w)) == 0;
    auto same = [&](int y) { return bool(repeats[size_t(y)]); };

    // The two colours most pixels have; rows repeat, so each is counted once.
    std::array<qint64, 256> count{};
    {
        std::array<qint64, 256> row{};
        for (int y = 0; y < h; ++y) {
            if (!same(y)) {
                row.fill(0);
                const uchar* s = pic.constScanLine(y);
                for (int x = 0; x < w; ++x)
                    ++row[s[x]];
            }
            for (size_t i = 0; i < 256; ++i)
                count[i] += row[i];
        }
    }
    for (int i = int(table.size()); i < 256; ++i)
        if (count[size_t(i)] > 0) {  // an index outside the table
            painter.drawImage(target, picture);
            return;
        }
    // The commonest colours that can be seen (a clear ground draws nothing).
    int first = -1, second = -1;
    for (int i = 0; i < int(table.size()); ++i) {
        if (count[size_t(i)] == 0 || qAlpha(table[i]) == 0)
            continue;
        if (first < 0 || count[size_t(i)] > count[size_t(first)]) {
            second = first;
            first = i;
        } else if (second < 0 || count[size_t(i)] > count[size_t(second)]) {
            second = i;
        }
    }
    if (first < 0)
        return;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const bool opaque = std::all_of(table.begin(), table.end(), [](QRgb c) { return qAlpha(c) == 255; });
    const bool blackAndWhite = second >= 0 && opaque &&
                               ((table[first] == black && table[second] == white) ||
                                (table[first] == white && table[second] == black));
    // Pixels drawn in bulk: the two main colours (as rectangles, or in one
    // 1-bit picture); what cannot be seen is not drawn at all.
    std::array<bool, 256> bulk{};
    bulk[size_t(first)] = true;
    if (second >= 0)
        bulk[size_t(second)] = true;
    for (int i = 0; i < int(table.size()); ++i)
        bulk[size_t(i)] = bulk[size_t(i)] || qAlpha(table[i]) == 0;
    // Colours a 1-bit picture carries. In black and white the greys of
    // smoothed edges go to the nearer of the two; a grey many pixels share
    // is a colour of its own (a grey caption) and stays exact.
    std::array<bool, 256> oneBit{};
    std::array<uchar, 256> light{};
    if (blackAndWhite) {
        qint64 greys = 0;
        for (int i = 0; i < int(table.size()); ++i)
            if (!bulk[size_t(i)] && qIsGray(table[i]))
                greys += count[size_t(i)];
        for (int i = 0; i < int(table.size()); ++i) {
            oneBit[size_t(i)] = bulk[size_t(i)] ||
                                (qIsGray(table[i]) && count[size_t(i)] < std::max<qint64>(64, greys / 4));
            light[size_t(i)] = qGray(table[i]) >= 128;
        }
        bulk = oneBit;
    }

    // Bands of rows holding other colours, each cut into spans of columns
    // round those pixels (nearby spans joined: each is a picture of its own).
    std::vector<int> bandOf(size_t(h), -1);
    std::vector<std::vector<Span>> bands;
    std::vector<QRect> boxes;
    qint64 boxed = 0;
    {
        std::vector<uchar> columns(static_cast<size_t>(w));
        int top = -1;
        auto close = [&](int bottom) {
            std::vector<Span> spans;
            constexpr int gap = 24;
            for (int x = 0; x < w; ++x) {
                if (!columns[size_t(x)])
                    continue;
                if (!spans.empty() && x - spans.back().to < gap)
                    spans.back().to = x + 1;
                else
                    spans.push_back({x, x + 1});
            }
            for (const Span& s : spans) {
                boxes.emplace_back(s.from, top, s.to - s.from, bottom - top);
                boxed += qint64(s.to - s.from) * (bottom - top);
            }
            for (int y = top; y < bottom; ++y)
                bandOf[size_t(y)] = int(bands.size());
            bands.push_back(std::move(spans));
            std::fill(columns.begin(), columns.end(), 0);
            top = -1;
        };
        bool others = false;
        for (int y = 0; y < h; ++y) {
            const uchar* s = pic.constScanLine(y);
            const bool repeated = same(y);
            if (!repeated) {
                others = false;
                for (int x = 0; x < w && !others; ++x)
                    others = !bulk[s[x]];
            }
            if (!others) {
                if (top >= 0)
                    close(y);
                continue;
            }
            if (top < 0)
                top = y;
            if (!repeated)
                for (int x = 0; x < w; ++x)
                    columns[size_t(x)] |= uchar(!bulk[s[x]]);
        }
        if (top >= 0)
            close(h);
    }
    // A picture of many colours throughout (a photo) costs less whole.
    if (boxed * 2 > qint64(w) * h || boxes.size() > 256) {
        painter.drawImage(target, picture);
        return;
    }

    // Under a translucent painter nothing may be drawn twice.
    const bool translucent = painter.opacity() < 1.0;
    if (blackAndWhite && translucent && !boxes.empty()) {
        painter.drawImage(target, picture);
        return;
    }

    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / w, target.height() / h);
    if (blackAndWhite) {
        // One bit a pixel, the only pictures a page engine writes so. A
        // printer samples a picture at its pixels' centres; rectangles it
        // fills wherever they touch a pixel, which widens thin bars.
        // Rows repeated many times go as one row stretched over them (the
        // bars of a linear symbol are one row): a printer samples it as it
        // would the rows, and the engine compresses a fraction of the bytes.
        auto strip = [&](int top, int rows, int height) {
            QImage mono(w, rows, QImage::Format_Mono);
            mono.setColorTable({black, white});
            for (int y = 0; y < rows; ++y) {
                uchar* d = mono.scanLine(y);
                if (y > 0 && same(top + y)) {
                    std::memcpy(d, mono.constScanLine(y - 1), size_t(mono.bytesPerLine()));
                    continue;
                }
                std::memset(d, 0, size_t(mono.bytesPerLine()));
                const uchar* s = pic.constScanLine(top + y);
                for (int x = 0; x < w; ++x)
                    d[x >> 3] |= uchar(light[s[x]] << (7 - (x & 7)));
            }
            painter.drawImage(QRectF(0, top, w, height), mono);
        };
        constexpr int stretched = 16;
        auto runFrom = [&](int y) {
            int run = 1;
            while (y + run < h && same(y + run))
                ++run;
            return run;
        };
        for (int y = 0; y < h;) {
            const int run = runFrom(y);
            if (run >= stretched) {
                strip(y, 1, run);
                y += run;
                continue;
            }
            int end = y + run;
            for (int r; end < h && (r = runFrom(end)) < stretched;)
                end += r;
            strip(y, end - y, end - y);
            y = end;
        }
    } else {
        // Each main colour as one path of rectangles: one fill, so no seams
        // show between rows of modules. Where nothing is see-through the
        // commonest colour lies under the whole picture instead.
        const bool underlay = opaque && !translucent;
        const std::array<int, 2> colours{second, first};
        const std::array<bool, 2> filled{second >= 0, !underlay};
        if (underlay)
            painter.fillRect(QRectF(0, 0, w, h), QColor::fromRgba(table[first]));
        std::array<QPainterPath, 2> paths;
        auto emitRows = [&](int y, int rows) {
            const uchar* s = pic.constScanLine(y);
            const int band = bandOf[size_t(y)];
            static const std::vector<Span> none;
            const std::vector<Span>& skip = band >= 0 ? bands[size_t(band)] : none;
            size_t k = 0;
            int x = 0;
            while (x < w) {
                while (k < skip.size() && skip[k].to <= x)
                    ++k;
                if (k < skip.size() && skip[k].from <= x) {
                    x = skip[k].to;
                    continue;
                }
                const int end = k < skip.size() ? skip[k].from : w;
                int run = x + 1;
                while (run < end && s[run] == s[x])
                    ++run;
                for (size_t c = 0; c < 2; ++c)
                    if (filled[c] && colours[c] == s[x])
                        paths[c].addRect(QRectF(x, y, run - x, rows));
                x = run;
            }
        };
        int start = 0;
        for (int y = 1; y <= h; ++y) {
            if (y < h && same(y) && bandOf[size_t(y)] == bandOf[size_t(y - 1)])
                continue;
            emitRows(start, y - start);
            start = y;
        }
        for (size_t c = 0; c < 2; ++c)
            if (!paths[c].isEmpty())
                painter.fillPath(paths[c], QColor::fromRgba(table[colours[c]]));
    }
    // Other colours exactly, in pictures of their own.
    for (const QRect& box : boxes)
        painter.drawImage(QRectF(box), pic, QRectF(box));
    painter.restore();
}

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
