#pragma once
// One card of a batch, as Set_data_table_value_to_card makes it: the side
// filled with the card's values, as a snapshot that the renderer paints on
// any device (a 600-dpi image, a PDF page, a printer page), mirrored when
// the run asks for it. A card whose values could not be assigned is no
// card: it carries only the reason.
#include "canvas/SideSnapshot.h"
#include "inspector/face/TransformedCardImage.h"

#include <QImage>
#include <QString>

class ProducedCard {
public:
    // True when the card was made; otherwise `reason` says why not.
    bool ok() const { return reason.isEmpty() && !side.isNull(); }

    int index = 0;             // the 0-based card (row) of the batch
    QString card_side;         // "F" or "B", the side produced
    zelk::SideSnapshot side;   // the side with the card's values; null when failed
    QString reason;
    // A field (a profile's, a group project's or the desk's text) took a
    // value of the card: only then can its fields read otherwise than the
    // design's.
    bool fieldsTakeValues = false;
    bool Mirror_Image_Create = false;
    bool Mirror_Vertical_Not_Horz = false;

    // The card image: the renderer's vector card of the side, mirrored top
    // to bottom (Mirror_Vertical_Not_Horz) or left to right when
    // Mirror_Image_Create is set. Null for a failed card.
    TransformedCardImage cardImage() const;
    // The card image as a bitmap at `dpi`; a null image for a failed card or
    // a resolution the renderer refuses.
    QImage imageAtResolution(double dpi) const;
};
