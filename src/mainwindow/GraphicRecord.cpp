#include "mainwindow/GraphicRecord.h"

#include "foundation/Codes.h"
#include "foundation/GraphicArchive.h"
#include "foundation/IndexedPicture.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTSignature.h"
#include "foundation/Utilities.h"
#include "foundation/ValueCodecs.h"
#include "mainwindow/BarcodeProducer.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <charconv>
#include <cmath>

// The stored fields of a graphic record after the type code, in file order
// (format version 1). Frozen: a new model field goes at the end under a new
// format version, never in between, or older files would be read shifted.
// The unfiltered and filtered pictures of image and signature graphics are
// left out: they are loaded again from _file_path.
#define ZELK_GRAPHIC_RECORD_FIELDS(X)                                          \
    X(_bounds) X(ctrl_is_locked) X(ctrl_is_visible) X(print_object)            \
    X(control_ID) X(Text_Value)                                                \
    X(data_source_type) X(batch_list_name) X(batch_list_index)                 \
    X(excel_binding) X(excel_col_indx)                                         \
    X(_isDrawingStroke) X(_strokeColor) X(_strokeWidth) X(_stroke_border_type) \
    X(_isDrawingFill) X(_fillColor) X(_fill_type) X(_fill_Grad_clr1)           \
    X(_fill_Grad_clr2) X(_fill_grad_angle) X(_fill_htch_clr)                   \
    X(_fill_hatch_type) X(alpha_val) X(alpha_val_stroke)                       \
    X(shape_type) X(cor_rad_val) X(double_star_type) X(polygon_type)           \
    X(text_rotation) X(_line_ori) X(_line_cap_style)                           \
    X(_Text_contents) X(txt_clr) X(text_ctrl_font) X(text_alignmnet)           \
    X(text_alignmnet_Vert) X(text_transfrom_case) X(text_kerning)              \
    X(Drawing_Shadow) X(Shadow_Color) X(Shadow_offset_X) X(Shadow_offset_Y)    \
    X(Shadow_blur) X(Shadow_transparency)                                      \
    X(_file_path) X(gray_Scale)                                                \
    X(Sepia) X(invert_clr) X(_isFlippedHorizontally) X(_isFlippedVertically)   \
    X(hue_val) X(sat_val) X(brt_val) X(con_val) X(srp_val) X(ev_val)           \
    X(blr_val) X(img_trnsp_val) X(rotate_image)                                \
    X(sign_or_fingureprint)                                                    \
    X(linear_or_2d) X(barcode_font_index) X(linear_font_val)                   \
    X(two_d_font_val) X(header_val) X(footer_val) X(show_hide_hdr)             \
    X(show_hide_ftr) X(show_hide_val) X(show_val_on_top) X(align_hdr_index)    \
    X(align_ftr_index) X(linear_height_val) X(linear_width_val)                \
    X(qr_size_val) X(qr_version_index) X(qr_ec_index) X(pdf_hgt_val)           \
    X(pdf_wdt_val) X(pdf_ec_val) X(dm_module_val) X(dm_format_index)           \
    X(dm_encoding_index) X(hdr_margin_val) X(ftr_margin_val)                   \
    X(val_margin_val) X(TB_marging_val) X(LR_margin_val) X(value_font_val)     \
    X(header_font_val) X(footer_font_val) X(barcode_hdr_clr_val)               \
    X(barcode_ftr_clr_val) X(barcode_val_clr_val) X(barcode_back_clr_val)      \
    X(barcode_clr_val) X(dpi_val_index) X(dpi_custom_val) X(barcode_unit_val)  \
    X(_barcode_image) X(bar_image_ctrl_bounds)

// The fields format version 2 adds at the end of a record: who placed a
// field's box, and the box the design (or the user) gave it where the rule
// has since changed it. A version 1 record ends before them: its fields' boxes count
// as the design's, where they stand.
#define ZELK_GRAPHIC_RECORD_FIELDS_2(X) X(box_owner) X(design_box)

namespace {

// Numbers beyond this come only from damaged files; they are kept away from
// drawing as the graphic archive keeps them.
constexpr double MaxMagnitude = 1e9;

#define ZELK_COUNT_FIELD(name) +1
constexpr int RecordFieldCount1 = 0 ZELK_GRAPHIC_RECORD_FIELDS(ZELK_COUNT_FIELD);
constexpr int RecordFieldCount = RecordFieldCount1 ZELK_GRAPHIC_RECORD_FIELDS_2(ZELK_COUNT_FIELD);
#undef ZELK_COUNT_FIELD

template <class T>
QString shortestNumber(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The whole text as one number of type T ("1e3", "-0.5"; no blanks, no "+").
template <class T>
bool parseNumber(const QString& text, T& out) {
    const QByteArray bytes = text.toLatin1();
    if (bytes.isEmpty() || text.size() != bytes.size() || bytes.size() > 64)
        return false;
    T value{};
    const char* end = bytes.constData() + bytes.size();
    const auto result = std::from_chars(bytes.constData(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return false;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value) || std::abs(double(value)) > MaxMagnitude)
            return false;
    }
    out = value;
    return true;
}

// `count` numbers joined by ":".
bool parseNumbers(const QString& text, int count, double* out) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!parseNumber(parts.at(i), out[i]))
            return false;
    }
    return true;
}

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

}  // namespace

const int GraphicRecord::ElementCount = 1 + RecordFieldCount;

int GraphicRecord::elementCount(int formatVersion) {
    return formatVersion == 1 ? 1 + RecordFieldCount1 : ElementCount;
}

QString GraphicRecord::encodeValue(bool value) { return zelk::flagToString(value); }
QString GraphicRecord::encodeValue(int value) { return QString::number(value); }
QString GraphicRecord::encodeValue(float value) { return shortestNumber(value); }
QString GraphicRecord::encodeValue(double value) { return shortestNumber(value); }
QString GraphicRecord::encodeValue(const QString& value) { return value; }
QString GraphicRecord::encodeValue(const QColor& value) {
    return value.isValid() ? zelk::colorToString(value) : QString();
}
QString GraphicRecord::encodeValue(const QFont& value) { return zelk::fontToString(value); }
QString GraphicRecord::encodeValue(const QRectF& value) {
    return shortestNumber(value.x()) + QLatin1Char(':') + shortestNumber(value.y()) + QLatin1Char(':')
           + shortestNumber(value.width()) + QLatin1Char(':') + shortestNumber(value.height());
}
QString GraphicRecord::encodeValue(const QPointF& value) {
    return shortestNumber(value.x()) + QLatin1Char(':') + shortestNumber(value.y());
}
QString GraphicRecord::encodeValue(const QSizeF& value) {
    return shortestNumber(value.width()) + QLatin1Char(':') + shortestNumber(value.height());
}

std::optional<QString> GraphicRecord::encodePicture(const QImage& picture, QString* error) {
    if (picture.isNull())
        return QString();
    const auto tooLarge = [&] {
        setError(error, QStringLiteral("picture of %1 x %2 pixels is too large to store")
                            .arg(picture.width())
                            .arg(picture.height()));
        return std::nullopt;
    };
    // Cheap refusal before encoding; the written header decides below.
    if (qint64(picture.width()) * picture.height() > GraphicArchive::MaxPicturePixels)
        return tooLarge();
    QString reason;
    const QByteArray bytes = zelk::IndexedPicture::png(zelk::IndexedPicture::compact(picture), &reason);
    if (bytes.isEmpty()) {
        setError(error, QStringLiteral("picture cannot be encoded: %1").arg(reason));
        return std::nullopt;
    }
    if (!GraphicArchive::pictureWithinLimits(bytes))
        return tooLarge();
    return QString::fromLatin1(bytes.toBase64());
}

bool GraphicRecord::decodeValue(const QString& text, bool& out) {
    if (text != StoredFlag::Yes && text != StoredFlag::No)
        return false;
    out = text == StoredFlag::Yes;
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, int& out) { return parseNumber(text, out); }
bool GraphicRecord::decodeValue(const QString& text, float& out) { return parseNumber(text, out); }
bool GraphicRecord::decodeValue(const QString& text, double& out) { return parseNumber(text, out); }
bool GraphicRecord::decodeValue(const QString& text, QString& out) {
    out = text;
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, QColor& out) {
    if (text.isEmpty()) {
        out = QColor();
        return true;
    }
    double c[4];
    if (!parseNumbers(text, 4, c))
        return false;
    for (double v : c) {
        if (v < 0.0 || v > 1.0)
            return false;
    }
    out = zelk::colorFromString(text);
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, QFont& out) {
    return zelk::tryFontFromString(text, out);
}
bool GraphicRecord::decodeValue(const QString& text, QRectF& out) {
    double c[4];
    if (!parseNumbers(text, 4, c))
        return false;
    out = QRectF(c[0], c[1], c[2], c[3]);
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, QPointF& out) {
    double c[2];
    if (!parseNumbers(text, 2, c))
        return false;
    out = QPointF(c[0], c[1]);
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, QSizeF& out) {
    double c[2];
    if (!parseNumbers(text, 2, c))
        return false;
    out = QSizeF(c[0], c[1]);
    return true;
}
bool GraphicRecord::decodeValue(const QString& text, QImage& out) {
    if (text.isEmpty()) {
        out = QImage();
        return true;
    }
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return false;
    QImage picture = GraphicArchive::readPicture(decoded.decoded);
    if (picture.isNull())
        return false;
    out = picture;
    return true;
}

qint64 GraphicRecord::storedPicturePixels(const QStringList& record) {
    static const int at = int(elementNames().indexOf(QStringLiteral("_barcode_image")));
    if ((record.size() != ElementCount && record.size() != elementCount(1)) || record.at(at).isEmpty())
        return 0;
    // The signature and the IHDR chunk, which PNG requires first (ISO/IEC
    // 15948, 11.2.2): 8 + 4 (length) + 4 ("IHDR") + 4 (width) + 4 (height)
    // bytes, i.e. the first 32 Base64 characters.
    const QByteArray head = QByteArray::fromBase64(record.at(at).left(32).toLatin1());
    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    if (head.size() < 24 || !head.startsWith(pngSignature) || head.mid(12, 4) != "IHDR")
        return 0;
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    const qint64 width = qFromBigEndian<quint32>(bytes + 16);
    const qint64 height = qFromBigEndian<quint32>(bytes + 20);
    return width * height;
}

QString GraphicRecord::typeCode(zelk::GraphicKind kind) {
    using zelk::GraphicKind;
    switch (kind) {
    case GraphicKind::Line: return GraphicRecordCode::Line;
    case GraphicKind::Text: return GraphicRecordCode::Text;
    case GraphicKind::Shape: return GraphicRecordCode::Shape;
    case GraphicKind::Image: return GraphicRecordCode::Image;
    case GraphicKind::Barcode: return GraphicRecordCode::Barcode;
    case GraphicKind::Signature: return GraphicRecordCode::Signature;
    }
    return {};
}

std::optional<zelk::GraphicKind> GraphicRecord::kindOfTypeCode(const QString& code) {
    using zelk::GraphicKind;
    for (GraphicKind kind : {GraphicKind::Line, GraphicKind::Text, GraphicKind::Shape,
                             GraphicKind::Image, GraphicKind::Barcode, GraphicKind::Signature}) {
        if (typeCode(kind) == code)
            return kind;
    }
    return std::nullopt;
}

QStringList GraphicRecord::elementNames() {
    QStringList names{QStringLiteral("type code")};
#define ZELK_NAME_FIELD(name) names << QStringLiteral(#name);
    ZELK_GRAPHIC_RECORD_FIELDS(ZELK_NAME_FIELD)
    ZELK_GRAPHIC_RECORD_FIELDS_2(ZELK_NAME_FIELD)
#undef ZELK_NAME_FIELD
    return names;
}

QStringList GraphicRecord::Get_Control_Prop_To_Array(const SKTGraphic& g, QString* error) {
    QStringList record;
    record.reserve(ElementCount);
    record << typeCode(g.kind());
    bool ok = true;
    auto put = [&](const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QImage>) {
            const std::optional<QString> text = encodePicture(value, error);
            ok = ok && text.has_value();
            record << text.value_or(QString());
        } else {
            record << encodeValue(value);
        }
    };
#define ZELK_WRITE_FIELD(name) put(g.name);
    ZELK_GRAPHIC_RECORD_FIELDS(ZELK_WRITE_FIELD)
    ZELK_GRAPHIC_RECORD_FIELDS_2(ZELK_WRITE_FIELD)
#undef ZELK_WRITE_FIELD
    if (!ok)
        return {};
    return record;
}

QString GraphicRecord::barcodeProductionValue(const SKTGraphic& g, const QString& firstBoundValue) {
    const bool bound = g.data_source_type == DataSourceType::Series
                       || g.data_source_type == DataSourceType::ExcelColumn;
    const QString boundValue = Trim_Str(firstBoundValue);
    if (bound && !boundValue.isEmpty())
        return boundValue;
    return Trim_Str(g.linear_or_2d == 1 ? g.two_d_font_val : g.linear_font_val);
}

std::shared_ptr<SKTGraphic> GraphicRecord::Create_Control_From_Array(
    const QStringList& record, const zelk::GraphicRecordContext& context, QString* error, int formatVersion) {
    if (record.size() != elementCount(formatVersion)) {
        setError(error, QStringLiteral("graphic record of %1 elements, %2 expected")
                            .arg(record.size())
                            .arg(elementCount(formatVersion)));
        return nullptr;
    }
    const std::optional<zelk::GraphicKind> kind = kindOfTypeCode(record.first());
    if (!kind) {
        setError(error, QStringLiteral("unknown graphic type code \"%1\"").arg(record.first().left(16)));
        return nullptr;
    }
    std::shared_ptr<SKTGraphic> g = zelk::makeGraphic(*kind);
    int position = 1;
    QString failedField;
    auto take = [&](const char* name, auto& field) {
        if (!failedField.isEmpty())
            return;
        if (!decodeValue(record.at(position), field))
            failedField = QString::fromLatin1(name);
        else
            ++position;
    };
#define ZELK_READ_FIELD(name) take(#name, g->name);
    ZELK_GRAPHIC_RECORD_FIELDS(ZELK_READ_FIELD)
    if (formatVersion != 1) {
        ZELK_GRAPHIC_RECORD_FIELDS_2(ZELK_READ_FIELD)
    }
#undef ZELK_READ_FIELD
    if (!failedField.isEmpty()) {
        setError(error, QStringLiteral("graphic record position %1 (%2): not a valid value")
                            .arg(position)
                            .arg(failedField));
        return nullptr;
    }

    // Pictures of older designs were stored with 32 bits a pixel.
    g->_barcode_image = zelk::IndexedPicture::compact(g->_barcode_image);

    // Pictures of pictures come from their files, through the window's
    // path relocation and filters.
    if (*kind == zelk::GraphicKind::Image)
        static_cast<SKTImage&>(*g).setFilePath(g->_file_path, false);
    else if (*kind == zelk::GraphicKind::Signature)
        static_cast<SKTSignature&>(*g).setFilePath(g->_file_path);

    if (*kind == zelk::GraphicKind::Barcode && g->_barcode_image.isNull()) {
        const bool bound = g->data_source_type == DataSourceType::Series
                           || g->data_source_type == DataSourceType::ExcelColumn;
        const QString firstBound =
            bound && context.firstBoundValue ? context.firstBoundValue(*g) : QString();
        const QString value = barcodeProductionValue(*g, firstBound);
        zelk::BarcodeProducer& producer =
            context.producer ? *context.producer : zelk::defaultBarcodeProducer();
        const QImage picture = producer.produceBarcode(*g, value, g->header_val, g->footer_val);
        if (!picture.isNull())
            g->Set_Barcode_image(picture);
    }
    return g;
}
