#include "production/Sample_Preview.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

Sample_Preview::Sample_Preview(const zelk::PrintJobSettings& settings, bool hasFrontImage)
    : s_(settings), geometry_(settings), hasFrontImage_(hasFrontImage) {}

void Sample_Preview::drawRect(QPainter& painter) const {
    const QRectF paper(QPointF(0, 0), s_.paper);
    painter.save();
    painter.fillRect(paper, Qt::white);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(paper.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(Qt::darkGray, 1.0));
    painter.drawRect(geometry_.toPainter(geometry_.printableArea()));

    const bool both = s_.Print_Card_Side == QLatin1String("BOTH");
    const bool backInCell = both && (s_.Print_Card_Algn == QLatin1String("U") ||
                                     s_.Print_Card_Algn == QLatin1String("UD") ||
                                     s_.Print_Card_Algn == QLatin1String("L"));
    const int rows = std::max(s_.Print_Row, 1), cols = std::max(s_.Print_Col, 1);
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            const zelk::SheetGeometry::CardRects rects = geometry_.cardRects(row, col);
            if (!hasFrontImage_) {
                Draw_Label_String(painter, rects.front, QStringLiteral("Invalid Data"), row, col);
                Draw_Margin_rect(painter, rects.front);
                continue;
            }
            const QString first = s_.Print_Card_Side == QLatin1String("B") ? QStringLiteral("Back")
                                                                            : QStringLiteral("Front");
            Draw_Label_String(painter, rects.front, first, row, col);
            Draw_Margin_rect(painter, rects.front);
            if (backInCell && rects.back) {
                Draw_Label_String(painter, *rects.back, QStringLiteral("Back"), row, col);
                Draw_Margin_rect(painter, *rects.back);
            }
        }
    }
    painter.restore();
}

void Sample_Preview::Draw_Label_String(QPainter& painter, const QRectF& rect, const QString& str_val, int row,
                                       int col) const {
    const bool placeholder = str_val == QLatin1String("Front") || str_val == QLatin1String("Back");
    const bool turned = s_.Print_One_Card_Algn == QLatin1String("D") ||
                        (s_.Print_Card_Side == QLatin1String("BOTH") && s_.Print_Card_Algn == QLatin1String("UD") &&
                         str_val == QLatin1String("Back"));
    const QString text =
        placeholder ? QStringLiteral("%1 %2").arg(str_val).arg((row - 1) * std::max(s_.Print_Col, 1) + col)
                    : str_val;
    QFont font;
    // Pixel units of the painter are points.
    font.setPixelSize(24);
    const QFontMetricsF metrics(font);
    const QSizeF textSize(metrics.horizontalAdvance(text), metrics.height());
    const QRectF r = geometry_.toPainter(rect);
    painter.save();
    painter.setFont(font);
    painter.setPen(placeholder ? QColor(Qt::gray) : QColor(Qt::red));
    if (!turned) {
        painter.drawText(QRectF(QPointF(r.center().x() - textSize.width() / 2, r.center().y() - textSize.height() / 2),
                                textSize),
                         Qt::AlignCenter, text);
    } else {
        // Turned about the rectangle's centre, the text sits from the middle
        // upwards by its height, as the upright text sits from the middle
        // downwards once turned back.
        painter.translate(r.center());
        painter.rotate(180);
        painter.drawText(QRectF(QPointF(-textSize.width() / 2, 0), textSize), Qt::AlignCenter, text);
    }
    painter.restore();
}

void Sample_Preview::Draw_Margin_rect(QPainter& painter, const QRectF& card) const {
    if (s_.Show_margin_rect) {
        const QRectF r = geometry_.toPainter(card);
        painter.save();
        painter.setPen(QPen(Qt::darkGray, 1.0));
        painter.setBrush(Qt::NoBrush);
        if (s_.Card_Shape == 1)
            painter.drawRoundedRect(r, 10, 10);
        else if (s_.Card_Shape == 2)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
        painter.restore();
    }
    if (s_.Enable_Crop_Marks) {
        for (const QLineF& line : zelk::SheetGeometry::cropMarks(card))
            Draw_Line(painter, line);
    }
}

void Sample_Preview::Draw_Line(QPainter& painter, const QLineF& line) const {
    painter.save();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(geometry_.toPainter(line));
    painter.restore();
}

QImage Sample_Preview::imageRepresentation(double pixelsPerPoint) const {
    if (s_.paper.isEmpty() || !(pixelsPerPoint > 0) || pixelsPerPoint > 8)
        return {};
    const QSize size(int(std::ceil(s_.paper.width() * pixelsPerPoint)),
                     int(std::ceil(s_.paper.height() * pixelsPerPoint)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(int(std::lround(pixelsPerPoint * 72.0 / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    drawRect(painter);
    painter.end();
    return image;
}
