// Drawing and hit testing of text graphics.
//
// The text is laid out once for every device, on a fixed 96 dpi layout
// device with design metrics, so that a card breaks its lines in the same
// places on screen, in a 600 dpi export and in a PDF; the painter's
// transform then scales the layout to points and on to the device, and PDF
// output keeps the glyphs as text. (96 dpi is Qt's own font resolution:
// on a device of another resolution Qt drops a font's letter spacing.)
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTText.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double LayoutDpi = 96.0;
// Layout units per point.
constexpr double UnitsPerPoint = LayoutDpi / 72.0;

QImage layoutDevice() {
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(3780);  // 96.01 dpi; logicalDpi rounds to 96
    device.setDotsPerMeterY(3780);
    return device;
}

// Letters beyond this size (70 cm) or spacing beyond this (in points) come
// from a damaged design; they are held there so layout stays bounded.
constexpr double MaxFontPoints = 2000;
constexpr double MaxKerning = 1000;

QFont layoutFont(const SKTGraphic& g) {
    QFont font = g.text_ctrl_font;
    font.setHintingPreference(QFont::PreferNoHinting);
    if (font.pointSizeF() > MaxFontPoints)
        font.setPointSizeF(MaxFontPoints);
    if (std::isfinite(g.text_kerning) && g.text_kerning != 0.0f)
        font.setLetterSpacing(QFont::AbsoluteSpacing,
                              std::clamp(double(g.text_kerning), -MaxKerning, MaxKerning) * UnitsPerPoint);
    return font;
}

// Lays the graphic's text out in lines at the given width in points
// (wrapping at word boundaries, a too long word where it must); returns the
// total height in points. The layout itself is in layout units.
double layOut(QTextLayout& layout, const SKTGraphic& g, double width) {
    QTextOption option;
    option.setAlignment(zelk::horizontalTextAlignment(g.text_alignmnet));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    double lineWidth = zelk::saneLength(width, zelk::MaxDrawingCoordinate) * UnitsPerPoint;
    if (lineWidth <= 0) {
        // A box without width shows its lines unwrapped, aligned within the
        // widest of them rather than within an endless line.
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(1e6);
            lineWidth = std::max(lineWidth, line.naturalTextWidth());
        }
        layout.endLayout();
        lineWidth = std::max(lineWidth, 1.0);
    }
    double y = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y / UnitsPerPoint;
}

QString shownText(const SKTGraphic& g) {
    // Paragraph breaks of the text storage become line separators of one
    // layout, so alignment and wrapping apply to the whole text.
    QString text = zelk::transformCase(g._Text_contents, g.text_transfrom_case);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

// The step in points the size is searched to.
constexpr double FieldScaleStep = 0.05;

// The text laid out in a font: what is drawn, and the height of its lines
// in points.
struct LaidOutText {
    std::unique_ptr<QTextLayout> layout;
    double height = 0;
};

LaidOutText laidOut(const QString& text, const QFont& font, const SKTGraphic& g, double width) {
    QImage device = layoutDevice();
    LaidOutText t{std::make_unique<QTextLayout>(text, font, &device)};
    t.height = layOut(*t.layout, g, width);
    return t;
}

// Whether the size is searched for or the floor stands for it.
enum class FieldSize { Searched, FloorWhereItFits };

// The text laid out as it is drawn in `box`: in the graphic's own font, but
// a field whose lines need more height than the box is drawn at the largest
// size down to the floor at which they fit (the floor when none does).
// FloorWhereItFits spares that search where it only matters whether the
// lines overrun the box: the floor is laid out for any size that fits.
LaidOutText drawnText(const SKTGraphic& g, const QString& text, const QRectF& box,
                      FieldSize sizing = FieldSize::Searched) {
    const QFont font = layoutFont(g);
    const double size = font.pointSizeF(), room = box.height() + 0.01;
    LaidOutText own = laidOut(text, font, g, box.width());
    if (own.height <= room || text.isEmpty() || !zelk::isFieldId(g.control_ID) || !(size > 0))
        return own;
    auto at = [&](double points) {
        QFont f = font;
        f.setPointSizeF(points);
        return laidOut(text, f, g, box.width());
    };
    double fits = zelk::smallestFieldPoints(size), fails = size;
    LaidOutText best = at(fits);
    if (best.height > room || sizing == FieldSize::FloorWhereItFits)
        return best;
    while (fails - fits > FieldScaleStep) {
        const double mid = (fits + fails) / 2;
        LaidOutText tried = at(mid);
        if (tried.height <= room) {
            fits = mid;
            best = std::move(tried);
        } else {
            fails = mid;
        }
    }
    return best;
}

// The text whose lines the drawn area allows for: an empty text keeps the
// height of one line, so it can still be grabbed.
QString measuredText(const QString& shown) { return shown.isEmpty() ? QStringLiteral(" ") : shown; }

// The top of lines `drawnHeight` high in `box`, as the vertical alignment
// places them.
double linesTop(const SKTGraphic& g, const QRectF& box, double drawnHeight) {
    const Qt::Alignment v = zelk::verticalTextAlignment(g.text_alignmnet_Vert);
    if (v & Qt::AlignBottom)
        return box.bottom() - drawnHeight;
    if (v & Qt::AlignVCenter)
        return box.top() + (box.height() - drawnHeight) / 2;
    return box.top();
}

// What the text's own drawing may touch, its shadow left out, for lines of
// `drawnHeight` points as drawn. Lines wrap within the box's width, but run
// past its top, its foot or both where the box is shorter than they are.
QRectF contentArea(const SKTGraphic& g, double drawnHeight) {
    const QRectF box = g._bounds.normalized();
    const QRectF lines(box.left(), linesTop(g, box, drawnHeight), box.width(), drawnHeight);
    QRectF r = zelk::rotationAbout(box, g.text_rotation).mapRect(box.united(lines));
    const double stroke = g._isDrawingStroke ? zelk::graphicStrokePen(g).widthF() : 0.0;
    return r.adjusted(-stroke, -stroke, stroke, stroke);
}

double fittedHeight(const SKTGraphic& g) {
    return std::ceil(laidOut(measuredText(shownText(g)), layoutFont(g), g, g._bounds.width()).height);
}

}  // namespace

namespace zelk {

double fittedTextHeight(const SKTGraphic& g) { return fittedHeight(g); }

double smallestFieldPoints(double points) {
    // A hundredth of a pixel is left for rounding.
    const double pixels = std::ceil(points * SmallestFieldScale * UnitsPerPoint - 0.01);
    return std::min(points, pixels / UnitsPerPoint);
}

double drawnTextPointSize(const SKTGraphic& g) {
    return drawnText(g, shownText(g), g._bounds.normalized()).layout->font().pointSizeF();
}

}  // namespace zelk

void SKTText::drawContents(QPainter& painter) const {
    if (!zelk::drawableBounds(_bounds))
        return;
    const QRectF box = _bounds.normalized();
    // Laid out once, for the drawing and for the area it may touch.
    const QString text = shownText(*this);
    const LaidOutText drawn = drawnText(*this, measuredText(text), box);
    auto draw = [&](QPainter& p) {
        p.save();
        p.setTransform(zelk::rotationAbout(box, text_rotation), true);
        QPainterPath outline;
        outline.addRect(box);
        zelk::fillGraphicPath(p, *this, outline);
        if (!text.isEmpty()) {
            const double top = linesTop(*this, box, drawn.height);
            p.save();
            p.setPen(zelk::withAlpha(txt_clr, alpha_val));
            p.translate(box.left(), top);
            p.scale(1 / UnitsPerPoint, 1 / UnitsPerPoint);
            drawn.layout->draw(&p, QPointF(0, 0));
            p.restore();
        }
        zelk::strokeGraphicPath(p, *this, outline);
        p.restore();
    };
    zelk::paintWithShadow(painter, *this, contentArea(*this, drawn.height), draw);
}

bool SKTText::isContentsUnderPoint(QPointF point) const {
    if (!zelk::drawableBounds(_bounds))
        return false;
    // The rotated box, as it is seen on the card.
    bool invertible = false;
    const QTransform back = zelk::rotationAbout(_bounds, text_rotation).inverted(&invertible);
    return _bounds.normalized().contains(invertible ? back.map(point) : point);
}

QRectF SKTText::drawingBounds() const {
    if (!zelk::drawableBounds(_bounds))
        return QRectF();
    const double height =
        drawnText(*this, measuredText(shownText(*this)), _bounds.normalized(), FieldSize::FloorWhereItFits).height;
    const QRectF r = contentArea(*this, height);
    return r.united(zelk::shadowArea(*this, r));
}
