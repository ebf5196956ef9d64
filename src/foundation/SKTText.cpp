#include "foundation/SKTText.h"

#include <QFontMetricsF>
#include <QImage>

SKTText::SKTText() {
    // A text shows its letters only; a border or a fill is the user's choice.
    _isDrawingStroke = false;
    _isDrawingFill = false;
}

std::shared_ptr<SKTGraphic> SKTText::clone() const {
    return std::make_shared<SKTText>(*this);
}

QSizeF SKTText::naturalTextSize() const {
    // Measure at 72 dpi, so one unit is one point whatever the screen.
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(2835);
    device.setDotsPerMeterY(2835);
    QFont font = text_ctrl_font;
    if (text_kerning != 0.0f)
        font.setLetterSpacing(QFont::AbsoluteSpacing, text_kerning);
    const QFontMetricsF metrics(font, &device);
    const QStringList lines = _Text_contents.split(QLatin1Char('\n'));
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSizeF(std::ceil(width), std::ceil(metrics.lineSpacing() * lines.size()));
}

void SKTText::makeNaturalSize() {
    if (ctrl_is_locked)
        return;
    const QSizeF size = naturalTextSize();
    // An empty text keeps its width: a zero-wide box could not be grabbed.
    const double width = _Text_contents.isEmpty() ? _bounds.width() : size.width();
    setBounds(QRectF(_bounds.topLeft(), QSizeF(width, size.height())));
}
