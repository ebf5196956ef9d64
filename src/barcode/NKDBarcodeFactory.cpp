#include "NKDBarcodeFactory.h"

#include "BarcodeSizes.h"
#include "JapanPostBarcode.h"
#include "NKDCodabarBarcode.h"
#include "NKDCode128Barcode.h"
#include "NKDEAN8Barcode.h"
#include "NKDExtendedCode39Barcode.h"
#include "NKDIndustrialTwoOfFiveBarcode.h"
#include "NKDModifiedPlesseyHexBarcode.h"
#include "NKDPlanetBarcode.h"
#include "NKDRoyalMailBarcode.h"
#include "NKDUPCEBarcode.h"

namespace zelk {

namespace {

std::unique_ptr<NKDBarcode> newObject(const QString& t) {
    if (t == QLatin1String("Code 39"))
        return std::make_unique<NKDCode39Barcode>();
    if (t == QLatin1String("Extended Code 39"))
        return std::make_unique<NKDExtendedCode39Barcode>();
    if (t == QLatin1String("Interleaved 2 of 5"))
        return std::make_unique<NKDInterleavedTwoOfFiveBarcode>();
    if (t == QLatin1String("UPCA"))
        return std::make_unique<NKDUPCABarcode>();
    if (t == QLatin1String("PostNet"))
        return std::make_unique<NKDPostnetBarcode>();
    if (t == QLatin1String("Modified Plessey"))
        return std::make_unique<NKDModifiedPlesseyBarcode>();
    if (t == QLatin1String("Modified Plessey (Hex)"))
        return std::make_unique<NKDModifiedPlesseyHexBarcode>();
    if (t == QLatin1String("Industrial 2 of 5"))
        return std::make_unique<NKDIndustrialTwoOfFiveBarcode>();
    if (t == QLatin1String("EAN-13"))
        return std::make_unique<NKDEAN13Barcode>();
    const struct {
        const char* title;
        int set;
    } code128[] = {{"Code 128", NKDCode128Barcode::SetAuto},
                   {"Code 128 SET A", NKDCode128Barcode::SetA},
                   {"Code 128 SET B", NKDCode128Barcode::SetB},
                   {"Code 128 SET C", NKDCode128Barcode::SetC}};
    for (const auto& c : code128) {
        if (t == QLatin1String(c.title)) {
            auto b = std::make_unique<NKDCode128Barcode>();
            b->setCodeSet(c.set);
            return b;
        }
    }
    if (t == QLatin1String("Codabar"))
        return std::make_unique<NKDCodabarBarcode>();
    if (t == QLatin1String("UPCE"))
        return std::make_unique<NKDUPCEBarcode>();
    if (t == QLatin1String("EAN-8"))
        return std::make_unique<NKDEAN8Barcode>();
    if (t == QLatin1String("Royal Mail Barcode (RM4SCC / CBC)"))
        return std::make_unique<NKDRoyalMailBarcode>();
    if (t == QLatin1String("Planet"))
        return std::make_unique<NKDPlanetBarcode>();
    if (t == QLatin1String("Japan Post Barcode"))
        return std::make_unique<JapanPostBarcode>();
    return nullptr;
}

bool isSevenBitAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() > 127)
            return false;
    return true;
}

}  // namespace

std::unique_ptr<NKDBarcode> NKDBarcodeFactory::create(const QString& title, const QString& content,
                                                      bool printsCaption, const BarcodeRenderSettings& settings) {
    std::unique_ptr<NKDBarcode> b = newObject(title);
    if (!b)
        return nullptr;
    b->setRenderSettings(settings);
    if (!b->initWithContent(content, printsCaption))
        return nullptr;
    return b;
}

std::unique_ptr<NKDBarcode> NKDBarcodeFactory::build(const QString& title, const QString& value,
                                                     const QString& header, const QString& footer,
                                                     const BarcodeRenderSettings& s) {
    if (value.trimmed().isEmpty() || !isSevenBitAscii(value))
        return nullptr;
    const bool caption = !s.hideCaption;
    std::unique_ptr<NKDBarcode> b = create(title, value, caption, s);
    if (!b || !b->isContentValid())
        return nullptr;
    layout(*b, header, footer, s);
    return b;
}

void NKDBarcodeFactory::layout(NKDBarcode& b, const QString& header, const QString& footer,
                               const BarcodeRenderSettings& s) {
    const bool caption = !s.hideCaption;
    b.setRenderSettings(s);
    b.setHeader(header);
    b.setFooter(footer);
    b.setPrintsCaption(caption);
    b.setPrintsHeader(!s.hideHeader);
    b.setPrintsFooter(!s.hideFooter);
    b.setBarWidth(BarcodeSizes::milsToPoints(s.barWidthMils));
    b.setCaptionFontSize(static_cast<float>(s.valueFont.pointSizeF()));
    b.setHeaderFontSize(static_cast<float>(s.headerFont.pointSizeF()));
    b.setFooterFontSize(static_cast<float>(s.footerFont.pointSizeF()));
    BarcodeSizes::Set_Barcode_Height(b, s);
    b.calculateWidth();
    b.setWidth(BarcodeSizes::Set_Linear_Barcode_Width(b, s));
}

}  // namespace zelk
