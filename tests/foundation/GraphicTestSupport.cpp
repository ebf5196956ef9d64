#include "GraphicTestSupport.h"

#include <QPainter>
#include <QtEndian>

namespace zelk::test {

QStringList allGraphicFieldNames() {
    QStringList names;
#define ZELK_NAME_FIELD(name) names << QStringLiteral(#name);
    ZELK_SKTGRAPHIC_FIELDS(ZELK_NAME_FIELD)
#undef ZELK_NAME_FIELD
    return names;
}

QImage makeTestPicture(int width, int height, int dpi, QRgb seed) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int a = (x + y) % 3 == 0 ? 0 : 255;  // some fully transparent pixels
            image.setPixel(x, y, qRgba((qRed(seed) + x * 7) & 0xff, (qGreen(seed) + y * 11) & 0xff,
                                       (qBlue(seed) + x * y) & 0xff, a));
        }
    }
    if (dpi > 0) {
        const int dpm = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
    }
    return image;
}

void setEveryFieldOffDefault(SKTGraphic& g) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(17.5);
    font.setBold(true);
    font.setItalic(true);

    g._bounds = QRectF(12.25, 30.5, 144.75, 61.125);
    g.ctrl_is_locked = true;
    g.ctrl_is_visible = false;
    g.print_object = 1;
    g.control_ID = QStringLiteral("F_field3");
    g.Text_Value = QStringLiteral("Ana Lucía Ñúñez");
    g.data_source_type = 2;
    g.batch_list_name = QStringLiteral("Staff list");
    g.batch_list_index = 4;
    g.excel_binding = true;
    g.excel_col_indx = 7;
    g._isDrawingStroke = !g._isDrawingStroke;
    g._strokeColor = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.8f);
    g._strokeWidth = 3.5;
    g._stroke_border_type = QStringLiteral("DDD");
    g._isDrawingFill = !g._isDrawingFill;
    g._fillColor = QColor(10, 20, 30, 40);
    g._fill_type = QStringLiteral("G");
    g._fill_Grad_clr1 = QColor(200, 10, 10);
    g._fill_Grad_clr2 = QColor(10, 200, 10);
    g._fill_grad_angle = 135.5;
    g._fill_htch_clr = QColor(1, 2, 3);
    g._fill_hatch_type = QStringLiteral("Cross_1");
    g.alpha_val = 0.25f;
    g.alpha_val_stroke = 0.75f;
    g.shape_type = QStringLiteral("DS");
    g.cor_rad_val = 4.5f;
    g.double_star_type = 4;
    g.polygon_type = 7;
    g.text_rotation = 270;
    g._line_ori = 3;
    g._line_cap_style = 2;
    g._Text_contents = QStringLiteral("Line one\nLine two");
    g.txt_clr = QColor(255, 0, 128);
    g.text_ctrl_font = font;
    g.text_alignmnet = 1;
    g.text_alignmnet_Vert = 0;
    g.text_transfrom_case = 2;
    g.text_kerning = 1.25f;
    g.Drawing_Shadow = true;
    g.Shadow_Color = QColor(50, 60, 70, 80);
    g.Shadow_offset_X = -3.5f;
    g.Shadow_offset_Y = 6.25f;
    g.Shadow_blur = 8.0f;
    g.Shadow_transparency = 0.3f;
    g._file_path = QStringLiteral("/tmp/photos/holder 1.png");
    g._contents = makeTestPicture(9, 7, 144, qRgb(10, 20, 30));
    g._contents_with_settings = makeTestPicture(9, 7, 0, qRgb(90, 80, 70));
    g.gray_Scale = true;
    g.Sepia = true;
    g.invert_clr = true;
    g._isFlippedHorizontally = true;
    g._isFlippedVertically = true;
    g.hue_val = 0.5f;
    g.sat_val = 1.5f;
    g.brt_val = -0.25f;
    g.con_val = 2.0f;
    g.srp_val = 0.4f;
    g.ev_val = 1.5f;
    g.blr_val = 3.0f;
    g.img_trnsp_val = 55.0f;
    g.rotate_image = 90.0f;
    g.sign_or_fingureprint = QStringLiteral("F");

    g.linear_or_2d = 1;
    g.barcode_font_index = 5;
    g.linear_font_val = QStringLiteral("ABC-123");
    g.two_d_font_val = QStringLiteral("https://example.org/?id=7");
    g.header_val = QStringLiteral("Top");
    g.footer_val = QStringLiteral("Bottom");
    g.show_hide_hdr = 1;
    g.show_hide_ftr = 1;
    g.show_hide_val = 1;
    g.show_val_on_top = 1;
    g.align_hdr_index = 0;
    g.align_ftr_index = 2;
    g.linear_height_val = 9.5f;
    g.linear_width_val = 13.0f;
    g.qr_size_val = 90;
    g.qr_version_index = 7;
    g.qr_ec_index = 3;
    g.pdf_hgt_val = 33;
    g.pdf_wdt_val = 150;
    g.pdf_ec_val = 5;
    g.dm_module_val = 3;
    g.dm_format_index = 4;
    g.dm_encoding_index = 2;
    g.hdr_margin_val = 0.5f;
    g.ftr_margin_val = 1.5f;
    g.val_margin_val = 2.5f;
    g.TB_marging_val = 3.5f;
    g.LR_margin_val = 4.5f;
    QFont small = font;
    small.setPointSizeF(8.0);
    g.value_font_val = small;
    small.setPointSizeF(9.0);
    g.header_font_val = small;
    small.setPointSizeF(11.0);
    g.footer_font_val = small;
    g.barcode_hdr_clr_val = QColor(Qt::red);
    g.barcode_ftr_clr_val = QColor(Qt::green);
    g.barcode_val_clr_val = QColor(Qt::blue);
    g.barcode_back_clr_val = QColor(Qt::yellow);
    g.barcode_clr_val = QColor(Qt::darkMagenta);
    g.dpi_val_index = 3;
    g.dpi_custom_val = QStringLiteral("450");
    g.barcode_unit_val = 2;
    g._barcode_image = makeTestPicture(31, 12, 600, qRgb(0, 0, 0));
    g.bar_image_ctrl_bounds = QRectF(1, 2, 3, 4);
    g.box_owner = int(zelk::BoxOwner::User);
    g.design_box = QRectF(5, 6, 7, 8);
}

std::shared_ptr<SKTGraphic> makeFilledGraphic(GraphicKind kind) {
    std::shared_ptr<SKTGraphic> g = makeGraphic(kind);
    setEveryFieldOffDefault(*g);
    return g;
}

const QList<GraphicKind>& allGraphicKinds() {
    static const QList<GraphicKind> kinds = {GraphicKind::Text,    GraphicKind::Image,
                                             GraphicKind::Line,    GraphicKind::Shape,
                                             GraphicKind::Barcode, GraphicKind::Signature};
    return kinds;
}

::testing::AssertionResult graphicsMatch(const SKTGraphic& expected, const SKTGraphic& actual) {
    const QStringList differences = graphicDifferences(expected, actual);
    if (differences.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << qPrintable(graphicKindName(expected.kind())) << " vs "
           << qPrintable(graphicKindName(actual.kind())) << " differ in: "
           << qPrintable(differences.join(QStringLiteral(", ")));
}

namespace {

// CRC-32 of PNG chunks (ISO 3309 polynomial, as PNG uses it).
quint32 pngCrc(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xffffffffu;
}

}  // namespace

QByteArray pngHeaderClaiming(quint32 width, quint32 height) {
    QByteArray ihdr("IHDR");
    char body[13] = {};
    qToBigEndian(width, body);
    qToBigEndian(height, body + 4);
    body[8] = 8;  // bit depth
    body[9] = 6;  // RGBA
    ihdr.append(body, 13);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    char field[4];
    qToBigEndian(quint32(13), field);
    png.append(field, 4);
    png.append(ihdr);
    qToBigEndian(pngCrc(ihdr), field);
    png.append(field, 4);
    return png;
}

}  // namespace zelk::test
