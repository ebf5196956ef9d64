#include "canvas/EpsWriter.h"

#include <QPainter>

#include <cmath>
#include <zlib.h>

namespace {

// The picture's samples, rows top first, three bytes a pixel, clear parts
// on white.
QByteArray rgbSamples(const QImage& picture) {
    QImage flat(picture.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    const qsizetype row = qsizetype(flat.width()) * 3;
    QByteArray samples(row * flat.height(), Qt::Uninitialized);
    for (int y = 0; y < flat.height(); ++y)
        memcpy(samples.data() + row * y, flat.constScanLine(y), size_t(row));
    return samples;
}

QByteArray deflated(const QByteArray& data) {
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                  uLong(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}

// ASCII85 (PostScript Language Reference, 3rd ed., 3.13.3) in lines of at
// most 76 characters, ending with the "~>" marker. A line never starts with
// "%": document-structure readers would take it for a comment, and the
// decoder skips the blank put before it.
QByteArray ascii85(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() * 5 / 4 + data.size() / 60 + 16);
    int column = 0;
    auto put = [&](char c) {
        if (column == 0 && c == '%') {
            out += ' ';
            ++column;
        }
        out += c;
        if (++column >= 75) {
            out += '\n';
            column = 0;
        }
    };
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype n = data.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint32 v = quint32(bytes[i]) << 24 | quint32(bytes[i + 1]) << 16 | quint32(bytes[i + 2]) << 8 | bytes[i + 3];
        if (v == 0) {
            put('z');
            continue;
        }
        char group[5];
        for (int k = 4; k >= 0; --k) {
            group[k] = char('!' + v % 85);
            v /= 85;
        }
        for (char c : group)
            put(c);
    }
    if (const qsizetype rest = n - i) {
        quint32 v = 0;
        for (qsizetype k = 0; k < 4; ++k)
            v = v << 8 | (k < rest ? bytes[i + k] : 0);
        char group[5];
        for (int k = 4; k >= 0; --k) {
            group[k] = char('!' + v % 85);
            v /= 85;
        }
        for (qsizetype k = 0; k <= rest; ++k)
            put(group[k]);
    }
    if (column + 2 > 75)
        out += '\n';
    out += "~>\n";
    return out;
}

// A comment line holds printable ASCII only.
QByteArray commentText(const QString& text) {
    QByteArray out = text.toLatin1();
    for (char& c : out)
        if (c < 32 || c > 126)
            c = '?';
    return out;
}

QByteArray number(double v) {
    QByteArray n = QByteArray::number(v, 'f', 4);
    while (n.contains('.') && (n.endsWith('0') || n.endsWith('.')))
        n.chop(1);
    return n;
}

}  // namespace

QByteArray zelk::EpsWriter::page(const QImage& picture, const QSizeF& points, const QString& title) {
    if (picture.isNull() || !(points.width() > 0) || !(points.height() > 0) || !std::isfinite(points.width()) ||
        !std::isfinite(points.height()))
        return {};
    const QByteArray packed = deflated(rgbSamples(picture));
    if (packed.isEmpty())
        return {};
    const QByteArray w = QByteArray::number(picture.width());
    const QByteArray h = QByteArray::number(picture.height());
    // The document-structure header of EPSF-3.0 (Adobe Technical Note 5002).
    QByteArray eps;
    eps += "%!PS-Adobe-3.0 EPSF-3.0\n";
    eps += "%%Creator: Zelk ID Card\n";
    if (!title.isEmpty())
        eps += "%%Title: " + commentText(title) + '\n';
    eps += "%%BoundingBox: 0 0 " + QByteArray::number(qint64(std::ceil(points.width() - 1e-6))) + ' ' +
           QByteArray::number(qint64(std::ceil(points.height() - 1e-6))) + '\n';
    eps += "%%HiResBoundingBox: 0 0 " + number(points.width()) + ' ' + number(points.height()) + '\n';
    eps += "%%LanguageLevel: 3\n";
    eps += "%%Pages: 1\n";
    eps += "%%EndComments\n";
    eps += "%%Page: 1 1\n";
    eps += "save\n";
    eps += "/DeviceRGB setcolorspace\n";
    eps += number(points.width()) + ' ' + number(points.height()) + " scale\n";
    eps += "<<\n";
    eps += "  /ImageType 1 /Width " + w + " /Height " + h + " /BitsPerComponent 8\n";
    eps += "  /Decode [0 1 0 1 0 1] /ImageMatrix [" + w + " 0 0 -" + h + " 0 " + h + "]\n";
    eps += "  /DataSource currentfile /ASCII85Decode filter /FlateDecode filter\n";
    eps += ">> image\n";
    eps += ascii85(packed);
    eps += "restore\n";
    eps += "showpage\n";
    eps += "%%Trailer\n";
    eps += "%%EOF\n";
    return eps;
}
