#include "canvas/SKTRenderingView.h"

#include "canvas/CardFaceHook.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <exception>

namespace {

// Pixels of a side at a resolution; a hair under a whole number counts as
// that number, so 72 points at 600 dpi are 600 pixels and not 601.
double pixelsFor(double points, double dpi) {
    return std::ceil(points * dpi / 72.0 - 1e-6);
}

constexpr qint64 MaxImagePixels = qint64(1) << 28;

// Resolution of the PDF user space; the page itself is in points.
constexpr int PdfResolution = 1200;

}  // namespace

SKTRenderingView::SKTRenderingView(const QRectF& frame, zelk::SideSnapshot side,
                                   const QString& printJobTitle)
    : frame_(frame), side_(std::move(side)), title_(printJobTitle) {}

void SKTRenderingView::drawRect(QPainter& painter) const {
    if (side_.isNull())
        return;
    static const zelk::CardFaceHook noFace;
    const zelk::CardFaceHook& face = side_.cardFace ? *side_.cardFace : noFace;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // The base leaves its clip to the card outline in force for the
    // graphics and the border.
    face.Card_Base_Drawing(painter, side_);
    for (qsizetype i = side_.graphics.size() - 1; i >= 0; --i) {
        const SKTGraphic* g = side_.graphics.at(i).get();
        if (!g || !g->ctrl_is_visible || g->print_object != 0)
            continue;
        painter.save();
        try {
            g->drawContents(painter);
        } catch (const std::exception& e) {
            // One graphic that cannot draw must not cost the whole card.
            Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        }
        painter.restore();
    }
    face.Card_Border_Drawing(painter, side_);
    painter.restore();
}

QImage SKTRenderingView::imageAtResolution(double dpi) const {
    if (side_.isNull() || !frame_.isValid() || !zelk::drawableBounds(frame_) || !std::isfinite(dpi) ||
        dpi <= 0 || dpi > MaxDpi)
        return {};
    const double wp = pixelsFor(frame_.width(), dpi);
    const double hp = pixelsFor(frame_.height(), dpi);
    if (wp < 1 || hp < 1 || wp * hp > double(MaxImagePixels))
        return {};
    const int w = int(wp), h = int(hp);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    QPainter painter(&image);
    painter.scale(dpi / 72.0, dpi / 72.0);
    painter.translate(-frame_.topLeft());
    drawRect(painter);
    painter.end();
    return image;
}

bool SKTRenderingView::writePDFInsideRect(const QRectF& rect, QIODevice* device) const {
    if (side_.isNull() || !rect.isValid() || !zelk::drawableBounds(rect) || !device)
        return false;
    QPdfWriter writer(device);
    writer.setTitle(title_);
    writer.setCreator(QStringLiteral("Zelk ID Card"));
    writer.setResolution(PdfResolution);
    const QPageSize pageSize(rect.size(), QPageSize::Point, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double s = writer.resolution() / 72.0;
    painter.scale(s, s);
    painter.translate(-rect.topLeft());
    painter.setClipRect(rect);
    drawRect(painter);
    return painter.end();
}

QByteArray SKTRenderingView::dataWithPDFInsideRect(const QRectF& rect) const {
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    if (!writePDFInsideRect(rect, &buffer))
        return {};
    buffer.close();
    return data;
}

SKTRenderingView SKTRenderingView::image_From_Card_Graphics(const zelk::SideSnapshot& side,
                                                            bool print_box) {
    Q_UNUSED(print_box);
    return SKTRenderingView(side.cardRect, side, QStringLiteral("Print"));
}
