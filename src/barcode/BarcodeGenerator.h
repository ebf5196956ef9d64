#pragma once
// Barcode production without a window. The transfer turns a graphic's
// barcode settings into a settings value; production turns that value with
// a barcode value, a header and a footer into a picture.
//
// Each caller keeps its own generator (the canvas, design loading, each
// export, print or mail job): generators share nothing, so a job produces
// on its own thread while the window and other jobs produce on theirs.
#include "barcode/BarcodeProductionSettings.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>

class NKDBarcode;
class SKTGraphic;

namespace zelk {

class BarcodeGenerator {
public:
    // Takes the process-wide caption kerning setting as it is now: a job
    // makes its generator on the GUI thread when it starts.
    BarcodeGenerator();
    explicit BarcodeGenerator(bool valueWithoutKerning);

    // The transfer: the settings value of the graphic's barcode fields, its
    // numbers clamped to the settings window's ranges (BarcodeLimits).
    void Set_Barcode_Prop_To_Control(const SKTGraphic& graphic);
    // A value made elsewhere (the settings window's controls).
    void setSettings(const BarcodeProductionSettings& settings) { settings_ = settings; }
    const BarcodeProductionSettings& settings() const { return settings_; }

    // The picture of `value` with the header and footer, from the settings
    // value alone; null when no barcode can be made (empty value, a title
    // without a path, a value the symbology refuses or that does not fit, a
    // picture beyond BarcodeLimits::maxPicturePixels).
    QImage Get_Image_From_Val(const QString& value, const QString& header, const QString& footer);

    // Building: the sized linear object, or nullptr in 2D mode and on
    // refusal; a 2D symbol's bitmap (before header, footer and margins) is
    // left in image_2d(), which every building clears first.
    std::unique_ptr<NKDBarcode> Generate_Barcode_Variable(const QString& value, const QString& header,
                                                          const QString& footer);
    const QImage& image_2d() const { return image_2d_; }
    void clearSymbol() { image_2d_ = QImage(); }

    // The settings value of a graphic's barcode fields.
    static BarcodeProductionSettings settingsFromGraphic(const SKTGraphic& graphic, bool valueWithoutKerning);
    // Pictures of a built linear object and of a 2D symbol with its header,
    // footer and margins; null when larger than the pixel limit.
    static QImage linearPicture(const NKDBarcode& barcode);
    static QImage twoDPicture(const QImage& symbol, const QString& header, const QString& footer,
                              const BarcodeRenderSettings& look);

private:
    QImage drawSymbol(const QString& value) const;

    bool valueWithoutKerning_;
    BarcodeProductionSettings settings_;
    QImage image_2d_;
};

}  // namespace zelk
