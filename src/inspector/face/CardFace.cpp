#include "inspector/face/CardFace.h"

#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/face/ImageProcesser.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

const Card_Property* sideProperty(const zelk::SideSnapshot& side) {
    return side.Card_Front_Or_Back != 0 ? side.Back_card_Prop.get() : side.Front_card_Prop.get();
}

// A brush repeating `tile` with its tiles anchored at the card's bottom-left
// corner, where the card's own (y-up) coordinate system starts: designs were
// made with patterns phased from there, so a card whose height is not a whole
// number of tiles shows a whole tile at its bottom-left. The tile spans its
// reported size in points.
QBrush tiledBrush(const QImage& tile, const QRectF& R) {
    QBrush brush(tile);
    const QSizeF points = zelk::pictureSizeInPoints(tile);
    QTransform t;
    t.translate(R.left(), R.bottom() - points.height());
    t.scale(points.width() / tile.width(), points.height() / tile.height());
    brush.setTransform(t);
    return brush;
}

QString reasonOf(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

}  // namespace

void CardFace::Card_Base_Drawing(QPainter& painter, const Card_Property& P, int Card_Shape,
                                 const QRectF& R) {
    // A card rectangle of damaged numbers draws nothing.
    if (!zelk::drawableBounds(R))
        return;
    const QPainterPath O = zelk::cardOutline(Card_Shape, R);
    painter.save();
    try {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(O, Qt::white);
        painter.setClipPath(O, Qt::IntersectClip);
        if (P.Card_fill_chk) {
            const QString& style = P.Card_fill_style;
            if (style == QLatin1String("G")) {
                // Three layers: the start colour, the gradient inside the
                // outline, the same gradient over the whole card (clipped):
                // translucent gradient colours compound, as designs expect.
                painter.fillPath(O, P.Card_fill_Grd_1_clr);
                painter.fillPath(O, zelk::gradientBrush(O.boundingRect(), P.Card_grad_Stepper,
                                                        P.Card_fill_Grd_1_clr, P.Card_fill_Grd_2_clr));
                painter.fillRect(R, zelk::gradientBrush(R, P.Card_grad_Stepper, P.Card_fill_Grd_1_clr,
                                                        P.Card_fill_Grd_2_clr));
            } else if (style == QLatin1String("H")) {
                painter.fillPath(O, P.Card_hatch_bk_clr);
                // A missing pattern leaves the background colour alone.
                const QImage pattern = zelk::hatchPatternImage(P.Card_hatch_style);
                if (!pattern.isNull())
                    painter.fillPath(O, tiledBrush(pattern, R));
            } else if (style == QLatin1String("I")) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                const QImage& picture = P.Card_BG_Image;
                if (!picture.isNull()) {
                    if (P.Card_BG_Image_Layout == QLatin1String("Tile")) {
                        // A tiled picture is drawn opaque: the opacity is
                        // the stretched picture's only.
                        painter.fillPath(O, tiledBrush(picture, R));
                    } else {
                        // Opacity fraction, clamped: a new side holds 100,
                        // which draws fully opaque.
                        const float a = P.Card_alpha_Stepper;
                        painter.setOpacity(std::isfinite(a) ? std::clamp(double(a), 0.0, 1.0) : 1.0);
                        painter.drawImage(R, picture);
                    }
                }
            } else {
                painter.fillPath(O, P.Card_fill_clr);
            }
        }
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
    painter.restore();
    // The clip stays for the graphics, the watermark and the border.
    painter.setClipPath(O, Qt::IntersectClip);
}

void CardFace::Card_Border_Drawing(QPainter& painter, const Card_Property& P, int Card_Shape,
                                   const QRectF& R) {
    if (!zelk::drawableBounds(R))
        return;
    // Beyond these the face looks the same (a border wider than the card
    // fills it; a glyph taller than the card is clipped), so values from a
    // damaged design are held there rather than handed to the rasteriser.
    const double largest = std::max(1.0, std::max(R.width(), R.height()));
    const QPainterPath O = zelk::cardOutline(Card_Shape, R);
    painter.save();
    try {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        if (P.Watermark_Used && !P.Watermark_Text.isEmpty()) {
            const QColor C = zelk::withAlpha(P.Watermark_Color, P.Watermark_Transp);
            QFont capped = P.Watermark_Font;
            if (capped.pointSizeF() > 4 * largest)
                capped.setPointSizeF(4 * largest);
            QFont font = zelk::fontInPoints(capped, painter.device());
            font.setKerning(false);
            const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
            const QFontMetricsF metrics(font, painter.device());
            // Only the height of the wrapped text is needed.
            const float h = float(metrics.boundingRect(QRectF(0, 0, R.width(), 1e6), flags,
                                                       P.Watermark_Text).height());
            const float height = float(R.height());
            float y = float(R.top());
            if (P.Watermark_Alignment == 1)
                y += (height - h) / 2.0f;
            else if (P.Watermark_Alignment == 2)
                y += height - h;
            // 0 and any other value: the top edge.
            painter.setFont(font);
            painter.setPen(C);
            painter.drawText(QRectF(R.left(), y, R.width(), R.height()), flags, P.Watermark_Text);
        }
        if (P.Card_border_chk) {
            // The outline flattened into straight segments, so the dashes run
            // on along the corners of a rounded card.
            QPainterPath flat;
            for (const QPolygonF& poly : O.toSubpathPolygons()) {
                flat.addPolygon(poly);
                flat.closeSubpath();
            }
            const double width = zelk::saneLength(P.Card_bor_Stepper, 4 * largest);
            painter.setPen(zelk::strokePen(P.Card_bordr_clr, width, P.Card_border_style));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(flat);
        }
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
    painter.restore();
}

void CardFace::Card_Base_Drawing(QPainter& painter, const zelk::SideSnapshot& side) const {
    if (const Card_Property* P = sideProperty(side))
        Card_Base_Drawing(painter, *P, side.Card_Shape, side.cardRect);
}

void CardFace::Card_Border_Drawing(QPainter& painter, const zelk::SideSnapshot& side) const {
    if (const Card_Property* P = sideProperty(side))
        Card_Border_Drawing(painter, *P, side.Card_Shape, side.cardRect);
}

void CardFace::install() { zelk::CardFaceHook::install(std::make_shared<CardFace>()); }
