#pragma once
// Makes the barcode object of a linear or postal symbology title and sizes it
// from the look settings, as the barcode producer does before drawing.
#include "BarcodeRenderSettings.h"
#include "NKDBarcode.h"

#include <QString>
#include <memory>

namespace zelk {

class NKDBarcodeFactory {
public:
    // The object of a title of the symbology list, initialised with the
    // content (Code 128 titles set their code set first); nullptr for a 2D or
    // unknown title or a null content. The settings are handed to the object
    // before its creation so that its captions are measured with them.
    static std::unique_ptr<NKDBarcode> create(const QString& title, const QString& content, bool printsCaption,
                                              const BarcodeRenderSettings& settings = {});

    // A barcode ready for the renderer: made from the title and value, refused
    // (nullptr) when the value is empty after trimming, not 7-bit ASCII or not
    // valid for the symbology; then given header, footer, print flags, module
    // width, font sizes, height and width from the settings.
    static std::unique_ptr<NKDBarcode> build(const QString& title, const QString& value, const QString& header,
                                             const QString& footer, const BarcodeRenderSettings& settings);

    // Gives a made barcode its header, footer, print flags, module width,
    // font sizes, height and width from the settings (the second half of
    // build), so that a new look needs no new encoding.
    static void layout(NKDBarcode& barcode, const QString& header, const QString& footer,
                       const BarcodeRenderSettings& settings);
};

}  // namespace zelk
