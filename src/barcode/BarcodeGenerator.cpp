#include "barcode/BarcodeGenerator.h"

#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QtDebug>
#include <exception>

namespace zelk {

namespace {

bool withinPixelLimit(QSizeF points, int dpi) {
    const qint64 w = pixelsForPoints(points.width(), dpi);
    const qint64 h = pixelsForPoints(points.height(), dpi);
    return w > 0 && h > 0 && w * h <= BarcodeLimits::maxPicturePixels;
}

float clampedFloat(float value, const StepperRange& r) {
    return static_cast<float>(r.clamp(value));
}

int clampedInt(int value, const StepperRange& r) {
    return static_cast<int>(r.clamp(value));
}

// The points of a DataMatrix symbol: the chosen size times the module, or
// for "Auto" the size the encoder picks, found by encoding at one pixel a
// point (cheap) only when the largest symbol would break the pixel limit.
QSizeF dataMatrixPoints(const QString& value, const TwoDSettings& s) {
    const QString rest = s.dmFormat.mid(1);
    const qsizetype x = rest.indexOf(QLatin1Char('X'));
    if (s.dmFormat != QLatin1String("Auto") && x >= 0)
        return QSizeF(rest.mid(x + 1).trimmed().toInt() * s.dmModuleSize,
                      rest.left(x).trimmed().toInt() * s.dmModuleSize);
    const QSizeF largest(144.0 * s.dmModuleSize, 144.0 * s.dmModuleSize);
    if (withinPixelLimit(largest, s.dpi))
        return largest;
    TwoDSettings probe = s;
    probe.dpi = 72;
    return sizeInPoints(TwoDBarcode::Draw_DataMatrix_Barcode(value, probe));
}

}  // namespace

BarcodeGenerator::BarcodeGenerator() : BarcodeGenerator(barcodeValueWithoutKerning) {}

BarcodeGenerator::BarcodeGenerator(bool valueWithoutKerning) : valueWithoutKerning_(valueWithoutKerning) {
    settings_.look.valueWithoutKerning = valueWithoutKerning;
}

BarcodeProductionSettings BarcodeGenerator::settingsFromGraphic(const SKTGraphic& g, bool valueWithoutKerning) {
    BarcodeProductionSettings s;
    s.liner_or_2D_font = g.linear_or_2d == 1 ? 1 : 0;
    s.symbology = BarcodeSymbologies::titleAt(g.barcode_font_index);

    BarcodeRenderSettings& look = s.look;
    look.valueFont = BarcodeLimits::clampedFont(g.value_font_val);
    look.headerFont = BarcodeLimits::clampedFont(g.header_font_val);
    look.footerFont = BarcodeLimits::clampedFont(g.footer_font_val);
    look.barColor = g.barcode_clr_val;
    look.backgroundColor = g.barcode_back_clr_val;
    look.valueColor = g.barcode_val_clr_val;
    look.headerColor = g.barcode_hdr_clr_val;
    look.footerColor = g.barcode_ftr_clr_val;
    look.fillTransparent = g._isDrawingFill;
    look.hideCaption = g.show_hide_val == 1;
    look.hideHeader = g.show_hide_hdr == 1;
    look.hideFooter = g.show_hide_ftr == 1;
    look.showValueOnTop = g.show_val_on_top == 1;
    look.valueWithoutKerning = valueWithoutKerning;
    const int alignments = static_cast<int>(BarcodeRenderSettings::alignmentTitles().size());
    look.headerAlignIndex = BarcodeLimits::indexOr(g.align_hdr_index, alignments, 1);
    look.footerAlignIndex = BarcodeLimits::indexOr(g.align_ftr_index, alignments, 1);
    look.barHeightMm = clampedFloat(g.linear_height_val, BarcodeLimits::barHeightMm);
    look.barWidthMils = clampedFloat(g.linear_width_val, BarcodeLimits::barWidthMils);
    look.valueMarginMm = clampedFloat(g.val_margin_val, BarcodeLimits::marginMm);
    look.headerMarginMm = clampedFloat(g.hdr_margin_val, BarcodeLimits::marginMm);
    look.footerMarginMm = clampedFloat(g.ftr_margin_val, BarcodeLimits::marginMm);
    look.tbMarginMm = clampedFloat(g.TB_marging_val, BarcodeLimits::marginMm);
    look.lrMarginMm = clampedFloat(g.LR_margin_val, BarcodeLimits::marginMm);
    look.dpi = BarcodeLimits::resolutionOf(g.dpi_val_index, g.dpi_custom_val);

    TwoDSettings& t = s.twoD;
    t.qrVersion = BarcodeLimits::indexOr(g.qr_version_index, 41, 0);
    t.qrEcLevel = BarcodeLimits::indexOr(g.qr_ec_index, 4, 0);
    t.qrSize = std::max(clampedInt(g.qr_size_val, BarcodeLimits::qrSize), BarcodeLimits::qrMinimumSize(t.qrVersion));
    t.pdfWidth = clampedInt(g.pdf_wdt_val, BarcodeLimits::pdfWidth);
    t.pdfHeight = clampedInt(g.pdf_hgt_val, BarcodeLimits::pdfHeight);
    t.pdfErrorLevel = clampedInt(g.pdf_ec_val, BarcodeLimits::pdfErrorLevel);
    t.dmModuleSize = clampedInt(g.dm_module_val, BarcodeLimits::dmModule);
    const QStringList& formats = TwoDBarcode::dataMatrixFormats();
    const QStringList& encodings = TwoDBarcode::dataMatrixEncodings();
    t.dmFormat = formats.at(BarcodeLimits::indexOr(g.dm_format_index, static_cast<int>(formats.size()), 0));
    t.dmEncoding = encodings.at(BarcodeLimits::indexOr(g.dm_encoding_index, static_cast<int>(encodings.size()), 0));
    t.dpi = look.dpi;
    return s;
}

void BarcodeGenerator::Set_Barcode_Prop_To_Control(const SKTGraphic& graphic) {
    settings_ = settingsFromGraphic(graphic, valueWithoutKerning_);
}

QImage BarcodeGenerator::drawSymbol(const QString& value) const {
    const TwoDSettings& t = settings_.twoD;
    const QString& title = settings_.symbology;
    if (title == QLatin1String("QR Code"))
        return withinPixelLimit(QSizeF(t.qrSize, t.qrSize), t.dpi) ? TwoDBarcode::Draw_QR_Barcode(value, t) : QImage();
    if (title == QLatin1String("PDF417"))
        return withinPixelLimit(QSizeF(t.pdfWidth, t.pdfHeight), t.dpi) ? TwoDBarcode::Draw_PDF_417_Barcode(value, t)
                                                                         : QImage();
    if (title == QLatin1String("DataMatrix"))
        return withinPixelLimit(dataMatrixPoints(value, t), t.dpi) ? TwoDBarcode::Draw_DataMatrix_Barcode(value, t)
                                                                   : QImage();
    return {};
}

std::unique_ptr<NKDBarcode> BarcodeGenerator::Generate_Barcode_Variable(const QString& value, const QString& header,
                                                                        const QString& footer) {
    image_2d_ = QImage();
    if (Trim_Str(value).isEmpty())
        return nullptr;
    if (settings_.isTwoD()) {
        image_2d_ = drawSymbol(value);
        return nullptr;
    }
    return NKDBarcodeFactory::build(settings_.symbology, value, header, footer, settings_.look);
}

QImage BarcodeGenerator::Get_Image_From_Val(const QString& value, const QString& header, const QString& footer) {
    try {
        std::unique_ptr<NKDBarcode> linear = Generate_Barcode_Variable(value, header, footer);
        if (settings_.isTwoD())
            return twoDPicture(image_2d_, header, footer, settings_.look);
        return linear ? linearPicture(*linear) : QImage();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        image_2d_ = QImage();
        return {};
    }
}

QImage BarcodeGenerator::linearPicture(const NKDBarcode& barcode) {
    if (!withinPixelLimit(BarcodeRenderer::viewSize(barcode), BarcodeLimits::linearDpi))
        return {};
    return BarcodeRenderer::bitmapFromBarcode(barcode, BarcodeLimits::linearDpi);
}

QImage BarcodeGenerator::twoDPicture(const QImage& symbol, const QString& header, const QString& footer,
                                     const BarcodeRenderSettings& look) {
    if (symbol.isNull())
        return {};
    const QSizeF frame(TwoDRenderer::Set_2d_Barcode_Width(symbol, header, footer, look),
                       TwoDRenderer::Set_2d_Barcode_Height(symbol, header, footer, look));
    if (!withinPixelLimit(frame, look.dpi))
        return {};
    return TwoDRenderer::imageFromBarcodeImage(symbol, header, footer, look);
}

}  // namespace zelk
