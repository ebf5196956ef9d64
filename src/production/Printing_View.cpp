#include "production/Printing_View.h"

#include "foundation/Utilities.h"

#include <QFont>
#include <QPainter>

const QString Printing_View::previewLimitMessage = QStringLiteral(
    "For Qualitative and Performance reason, previewer shows print previews of only first 50 sheets. However, "
    "printing has no such restriction.");

Printing_View::Printing_View(const QRectF& frame, const zelk::PrintJobSettings& settings)
    : Page_Size_rect(frame), settings_(settings), plan_(settings), geometry_(settings) {}

int Printing_View::numberOfPages() const {
    const int pages = plan_.pageCount();
    if (settings_.preview && pages > zelk::PrintPlan::PreviewPageLimit) {
        Show_MessageBox(previewLimitMessage);
        return zelk::PrintPlan::PreviewPageLimit;
    }
    return pages;
}

QRectF Printing_View::rectForPage(int) const {
    return Page_Size_rect;
}

void Printing_View::drawRect(QPainter& painter, int page, const QList<zelk::CellArt>& cells) const {
    painter.fillRect(Page_Size_rect, Qt::white);
    const int count = std::min<int>(plan_.cellsPerPage(), int(cells.size()));
    for (int k = 0; k < count; ++k) {
        const zelk::PrintPlan::Cell c = plan_.cell(page, k);
        if (c.isEmpty())
            continue;
        const zelk::CellArt& art = cells.at(k);
        const zelk::SheetGeometry::CardRects rects = geometry_.cardRects(c.row, c.col);
        if (!art.failure.isEmpty()) {
            Draw_Label_String(painter, rects.front, QStringLiteral("Invalid Data"));
            Draw_Margin_rect(painter, rects.front);
            continue;
        }
        auto draw = [&](const std::optional<TransformedCardImage>& card, const QImage& picture, const QRectF& r) {
            if (!picture.isNull())
                Draw_image_In_Rect(painter, picture, r);
            else if (card)
                Draw_image_In_Rect(painter, *card, r);
        };
        // One side fills the cell; both sides each take their rectangle.
        if (c.drawFront)
            draw(art.front, art.frontPicture, rects.front);
        if (c.drawBack && !rects.back)
            draw(art.back, art.backPicture, rects.front);
        Draw_Margin_rect(painter, rects.front);
        if (rects.back) {
            if (c.drawBack)
                draw(art.back, art.backPicture, *rects.back);
            if (*rects.back != rects.front)
                Draw_Margin_rect(painter, *rects.back);
        }
    }
}

void Printing_View::Draw_visitor_pass(QPainter& painter, const QSizeF& size,
                                      const std::function<void(QPainter&)>& pass) const {
    painter.fillRect(Page_Size_rect, Qt::white);
    if (!pass || size.isEmpty())
        return;
    const double W = settings_.paper.width(), H = settings_.paper.height();
    const double x = settings_.Left_Mar + ((W - settings_.Left_Mar - settings_.Rite_Mar) - size.width()) / 2;
    const double y = H - size.height() - settings_.Top_Mar;
    const QRectF target = geometry_.toPainter(QRectF(QPointF(x, y), size));
    painter.save();
    painter.translate(target.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), size), Qt::IntersectClip);
    pass(painter);
    painter.restore();
}

void Printing_View::Draw_image_In_Rect(QPainter& painter, const TransformedCardImage& image,
                                       const QRectF& drawing_rect) const {
    const QRectF frame = image.frame();
    if (image.isNull() || frame.isEmpty())
        return;
    const QRectF target = geometry_.toPainter(drawing_rect);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / frame.width(), target.height() / frame.height());
    painter.translate(-frame.topLeft());
    image.drawRect(painter);
    painter.restore();
}

void Printing_View::Draw_image_In_Rect(QPainter& painter, const QImage& picture, const QRectF& drawing_rect) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(geometry_.toPainter(drawing_rect), picture);
    painter.restore();
}

void Printing_View::Draw_Margin_rect(QPainter& painter, const QRectF& card) const {
    if (!settings_.Enable_Crop_Marks)
        return;
    for (const QLineF& line : zelk::SheetGeometry::cropMarks(card))
        Draw_Line(painter, line);
}

void Printing_View::Draw_Line(QPainter& painter, const QLineF& line) const {
    painter.save();
    painter.setPen(QPen(QColor(Qt::lightGray), 1.0));
    painter.drawLine(geometry_.toPainter(line));
    painter.restore();
}

void Printing_View::Draw_Label_String(QPainter& painter, const QRectF& rect, const QString& str_val) const {
    painter.save();
    QFont font;
    font.setBold(true);
    // Pixel units of the painter are points here, on every device.
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.drawText(geometry_.toPainter(rect), Qt::AlignCenter, str_val);
    painter.restore();
}
