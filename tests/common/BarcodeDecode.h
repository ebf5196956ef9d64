#pragma once
// Decoding of rendered barcodes by independent readers (zxing-cpp in process,
// zbarimg and dmtxread as outside programs), for round-trip tests.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace zelk::test {

struct Decoded {
    QString text;        // the decoded text, UTF-8 interpreted
    QByteArray bytes;    // the raw decoded bytes
    QString ecLevel;     // error-correction level as the reader reports it
    QString format;      // the reader's name of the symbology
    QString symbologyId; // ISO/IEC 15424 identifier, e.g. "]Q1"
};

struct ZxingOptions {
    bool code39FullAscii = false;
    bool codabarStartStop = false;
};

// Puts a picture (possibly with transparent margins) on white with a quiet
// zone of `quiet` pixels on every side.
QImage onWhite(const QImage& img, int quiet = 20);

// format is a zxing-cpp format name: "QRCode", "PDF417", "DataMatrix",
// "Code39", "Code128", "EAN13", "EAN8", "UPCA", "UPCE", "ITF", "Codabar".
std::optional<Decoded> zxingDecode(const QImage& img, const QString& format,
                                   ZxingOptions options = {});

// Saves the picture to a temporary PNG and runs zbarimg (--raw); empty when
// it finds nothing.
std::optional<QString> zbarDecode(const QImage& img);

// Saves the picture to a temporary PNG and runs dmtxread.
std::optional<QByteArray> dmtxDecode(const QImage& img);

}  // namespace zelk::test
