#include "foundation/Card_Property.h"

#include "foundation/BarcodeSettings.h"

namespace {
// Watermarks are meant to be read across the card; 36 points suits a CR80 card.
constexpr double DefaultWatermarkSize = 36.0;
}  // namespace

Card_Property::Card_Property(const QString& sideName)
    : Card_Content_font(zelk::defaultFont(zelk::DefaultTextFontSize)),
      Watermark_Font(zelk::defaultFont(DefaultWatermarkSize)),
      Card_Side_Name(sideName) {}
