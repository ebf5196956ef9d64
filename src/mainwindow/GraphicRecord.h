#pragma once
// One graphic of a design file: an array of strings whose element 0 is the
// type code ("L" line, "T" text, "D" shape, "I" image, "B" barcode,
// "S" signature) and whose other elements are the graphic's fields at fixed
// positions (docs/design-file.md, "Graphic record").
//
// Pictures of image and signature graphics are not stored: they are loaded
// again from the graphic's file path. The barcode picture is stored, as the
// Base64 text of a PNG file; a barcode record without one has its picture
// made again through the BarcodeProducer.
//
// These functions use no window and no process-wide value: the main window
// wraps them for saving and loading.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "foundation/SKTGraphic.h"

namespace zelk {

class BarcodeProducer;

// What loading a record needs from outside.
struct GraphicRecordContext {
    // Makes the picture of a barcode record stored without one; nullptr for
    // the default producer (no picture).
    BarcodeProducer* producer = nullptr;
    // The first value of the data series or Excel column the graphic is bound
    // to ("" when there is none). Asked only for a bound barcode that needs
    // its picture made.
    std::function<QString(const SKTGraphic&)> firstBoundValue;
};

}  // namespace zelk

class GraphicRecord {
public:
    // Elements of a record, type code included, as written now; and as a
    // file of a format version holds them (version 1 ends before the fields
    // version 2 adds).
    static const int ElementCount;
    static int elementCount(int formatVersion);

    // The record of a graphic; an empty list (and the reason in *error) when
    // the graphic holds something the reader would refuse (a barcode picture
    // beyond the picture limits).
    static QStringList Get_Control_Prop_To_Array(const SKTGraphic& graphic, QString* error = nullptr);

    // A new graphic from a record of a file of `formatVersion`, or nullptr
    // with the position and reason in *error: a wrong length, an unknown
    // type code, or a value of the wrong form at any position refuses the
    // whole record.
    static std::shared_ptr<SKTGraphic> Create_Control_From_Array(
        const QStringList& record, const zelk::GraphicRecordContext& context = {},
        QString* error = nullptr, int formatVersion = 2);

    // The name of the element at each position ("type code" at 0, then the
    // field names).
    static QStringList elementNames();

    // Type codes of the kinds.
    static QString typeCode(zelk::GraphicKind kind);
    static std::optional<zelk::GraphicKind> kindOfTypeCode(const QString& code);

    // The value a barcode's picture is made from when a record brings no
    // picture: the first bound value, trimmed, when the graphic is bound to a
    // series or an Excel column and that value is not empty; else the
    // graphic's own value (two_d_font_val for a 2D symbology, else
    // linear_font_val), trimmed.
    static QString barcodeProductionValue(const SKTGraphic& graphic, const QString& firstBoundValue);

    // The pixels the record's stored picture claims in its PNG header,
    // without decoding it (0 for none or an unreadable one): lets a reader
    // bound what a whole file may make it decode.
    static qint64 storedPicturePixels(const QStringList& record);

    // ---- Text forms of the values in records (numbers always with ".") ----
    static QString encodeValue(bool value);             // "Y" / "N"
    static QString encodeValue(int value);              // "%d"
    static QString encodeValue(float value);            // shortest text that reads back exactly
    static QString encodeValue(double value);
    static QString encodeValue(const QString& value);   // as it is
    static QString encodeValue(const QColor& value);    // "r:g:b:a", "" for no colour
    static QString encodeValue(const QFont& value);     // "<name>::::<size>"
    static QString encodeValue(const QRectF& value);    // "x:y:w:h"
    static QString encodeValue(const QPointF& value);   // "x:y"
    static QString encodeValue(const QSizeF& value);    // "w:h"
    // Base64 of the PNG file; "" for no picture. Empty optional when the
    // picture cannot be stored.
    static std::optional<QString> encodePicture(const QImage& picture, QString* error = nullptr);

    // Each returns false, leaving `out` alone, when the text is not of the
    // value's form (numbers finite and within +-1e9, colour components 0-1,
    // pictures PNG within the archive's picture limits).
    static bool decodeValue(const QString& text, bool& out);
    static bool decodeValue(const QString& text, int& out);
    static bool decodeValue(const QString& text, float& out);
    static bool decodeValue(const QString& text, double& out);
    static bool decodeValue(const QString& text, QString& out);
    static bool decodeValue(const QString& text, QColor& out);
    static bool decodeValue(const QString& text, QFont& out);
    static bool decodeValue(const QString& text, QRectF& out);
    static bool decodeValue(const QString& text, QPointF& out);
    static bool decodeValue(const QString& text, QSizeF& out);
    static bool decodeValue(const QString& text, QImage& out);
};
