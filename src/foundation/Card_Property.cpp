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

void Card_Property::takeFaceOf(const Card_Property& other) {
    Card_Property face = other;
    face.Card_Side = Card_Side;
    face.Card_Side_Name = Card_Side_Name;
    face.Card_Shape = Card_Shape;
    face.Card_Name = Card_Name;
    face.Card_Location = Card_Location;
    face.Card_Size = Card_Size;
    face.Card_Preset = Card_Preset;
    face.Card_Category = Card_Category;
    face.Card_Sub_Category = Card_Sub_Category;
    face.Card_Cat_index = Card_Cat_index;
    face.Card_Create_Mode = Card_Create_Mode;
    *this = face;
}
