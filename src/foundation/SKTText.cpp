#include "foundation/SKTText.h"

#include "foundation/DrawingCodes.h"

#include <QImage>
#include <QTextLayout>
#include <QTextOption>
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
    // Measured the way the text is drawn: laid out on a 96 dpi device with
    // design metrics and no hinting, then taken back to points, so the
    // natural size fits the drawn text on every device.
    constexpr double unitsPerPoint = 96.0 / 72.0;
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    QFont font = text_ctrl_font;
    font.setHintingPreference(QFont::PreferNoHinting);
    if (std::isfinite(text_kerning) && text_kerning != 0.0f)
        font.setLetterSpacing(QFont::AbsoluteSpacing, text_kerning * unitsPerPoint);

    double widest = 0;
    const QStringList lines =
        zelk::transformCase(_Text_contents, text_transfrom_case).split(QLatin1Char('\n'));
    for (const QString& text : lines) {
        QTextLayout layout(text, font, &device);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid()) {
            line.setLineWidth(1e6);
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
    }
    // One point of slack keeps the drawing from wrapping the widest line.
    const double width = std::ceil(widest / unitsPerPoint) + 1.0;
    SKTText probe(*this);
    probe._bounds.setWidth(width);
    return QSizeF(width, zelk::fittedTextHeight(probe));
}

void SKTText::makeNaturalSize() {
    if (ctrl_is_locked)
        return;
    const QSizeF size = naturalTextSize();
    // An empty text keeps its width: a zero-wide box could not be grabbed.
    const double width = _Text_contents.isEmpty() ? _bounds.width() : size.width();
    setBounds(QRectF(_bounds.topLeft(), QSizeF(width, size.height())));
}
