#include "barcode/QREncoder.h"

#include "barcode/BarcodeGlobals.h"
#include "barcode/CQR_Encode.h"
#include "foundation/IndexedPicture.h"

#include <QtDebug>
#include <algorithm>
#include <cstring>
#include <exception>

namespace {

// Well-formed UTF-8 with at least one multi-byte sequence.
bool isMultiByteUtf8(const QByteArray& s) {
    bool multi = false;
    const auto* p = reinterpret_cast<const unsigned char*>(s.constData());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int extra;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        multi = multi || extra > 0;
        i += extra + 1;
    }
    return multi;
}

// ECI designators of ISO/IEC 18004 for the character sets of byte segments.
constexpr int kEciLatin1 = 3;
constexpr int kEciUtf8 = 26;

// The module grid (1 for dark) of one symbol of the bytes; nullptr when they
// do not fit. No symbol holds more than 7089 characters (all digits).
std::unique_ptr<DataMatrix> encodeBytes(int level, int version, const QByteArray& bytes, bool kanjiAllowed,
                                        int mask, int eci = -1) {
    try {
        if (bytes.isEmpty() || bytes.size() > 7089)
            return nullptr;
        auto encoder = std::make_unique<CQR_Encode>();
        encoder->setKanjiAllowed(kanjiAllowed);
        encoder->setEci(eci);
        if (!encoder->EncodeData(level, version, version == 0, mask, bytes.constData(), static_cast<int>(bytes.size())))
            return nullptr;
        auto grid = std::make_unique<DataMatrix>(encoder->m_nSymbleSize);
        for (int x = 0; x < encoder->m_nSymbleSize; ++x)
            for (int y = 0; y < encoder->m_nSymbleSize; ++y)
                grid->set(encoder->m_byModuleData[x][y] ? 1 : 0, x, y);
        return grid;
    } catch (const std::exception& e) {
        qWarning("QR encoding failed: %s", e.what());
        return nullptr;
    }
}

// Text goes in as ISO-8859-1 when every character is in it, one byte each,
// else as UTF-8. Readers guess the set of bytes that carry no designator
// (zbarimg takes "Ærøskøbing" in ISO-8859-1 for Shift JIS), so any text
// beyond ASCII names its set.
std::unique_ptr<DataMatrix> encodeText(int level, int version, const QString& text, int mask) {
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
    const QByteArray bytes = latin1 ? text.toLatin1() : text.toUtf8();
    const bool ascii = latin1 && std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return c >= 0; });
    return encodeBytes(level, version, bytes, false, mask, ascii ? -1 : (latin1 ? kEciLatin1 : kEciUtf8));
}

}  // namespace

std::unique_ptr<DataMatrix> QREncoder::encodeWithECLevel(int level, int version, const QString& string) {
    return encodeText(level, version, string, -1);
}

std::unique_ptr<DataMatrix> QREncoder::encodeCStringWithECLevel(int level, int version, const QByteArray& cstring,
                                                                int mask) {
    if (isMultiByteUtf8(cstring))
        return encodeText(level, version, QString::fromUtf8(cstring), mask);
    return encodeBytes(level, version, cstring, true, mask);
}

QImage QREncoder::renderDataMatrix(const DataMatrix& matrix, int imageDimension, int dpi) {
    const int n = static_cast<int>(matrix.dimension());
    if (n <= 0 || imageDimension <= 0 || dpi <= 0)
        return {};
    const int d = zelk::pixelsForPoints(imageDimension, dpi);
    const int s = d / n;
    if (s == 0) {
        qWarning("QR picture of %d points at %d dpi has fewer pixels than the %d modules of the symbol",
                 imageDimension, dpi, n);
        return {};
    }
    const int o = (d - s * n) / 2;
    // Light and dark modules, then the margin: without one the picture has
    // two colours and goes into one bit a pixel.
    QImage img(d, d, QImage::Format_Indexed8);
    if (img.isNull()) {
        qWarning("QR picture of %d pixels could not be allocated", d);
        return {};
    }
    img.setColorTable({qRgba(255, 255, 255, 255), qRgba(0, 0, 0, 255), qRgba(255, 255, 255, 0)});
    img.fill(2);
    for (int y = 0; y < n; ++y) {
        uchar* row = img.scanLine(o + y * s);
        for (int x = 0; x < n; ++x)
            std::memset(row + o + x * s, matrix.valueAt(x, y) ? 1 : 0, static_cast<size_t>(s));
        for (int r = 1; r < s; ++r)
            std::memcpy(img.scanLine(o + y * s + r), row, static_cast<size_t>(d));
    }
    if (o == 0 && s * n == d)
        img = zelk::IndexedPicture::packMono(img);
    zelk::setSizeInPoints(img, QSizeF(imageDimension, imageDimension));
    return img;
}
