// A card of a batch drawn, mirrored as its run asks.
#include "production/ProducedCard.h"

#include "canvas/SKTRenderingView.h"
#include "inspector/face/ImageTransforms.h"

#include <QTransform>

TransformedCardImage ProducedCard::cardImage() const {
    if (!ok())
        return {};
    const SKTRenderingView card = SKTRenderingView::image_From_Card_Graphics(side, false);
    if (Mirror_Image_Create)
        return ImageTransforms::Create_Mirror_Image_With_CG_Image(card, Mirror_Vertical_Not_Horz);
    return TransformedCardImage(card, QTransform());
}

QImage ProducedCard::imageAtResolution(double dpi) const {
    return cardImage().imageAtResolution(dpi);
}
