// A text graphic: its copy and the size that fits its text.
#include "foundation/SKTText.h"

#include "foundation/DrawingCodes.h"
#include "foundation/TextMeasure.h"

#include <cmath>

SKTText::SKTText() {
    // A text shows its letters only; a border or a fill is the user's choice.
    _isDrawingStroke = false;
    _isDrawingFill = false;
}

std::shared_ptr<SKTGraphic> SKTText::clone() const {
    return std::make_shared<SKTText>(*this);
}

QSizeF SKTText::naturalTextSize() const {
    // Measured the way the text is drawn (zelk::text): one point of slack
    // keeps the drawing from wrapping the widest line.
    const double width = std::ceil(zelk::text::naturalWidth(zelk::text::shownText(*this), zelk::text::layoutFont(*this))) + 1.0;
    return QSizeF(width, zelk::fittedTextHeightAt(*this, width));
}

void SKTText::makeNaturalSize() {
    if (ctrl_is_locked)
        return;
    const QSizeF size = naturalTextSize();
    // An empty text keeps its width: a zero-wide box could not be grabbed.
    const double width = _Text_contents.isEmpty() ? _bounds.width() : size.width();
    setBounds(QRectF(_bounds.topLeft(), QSizeF(width, size.height())));
}
