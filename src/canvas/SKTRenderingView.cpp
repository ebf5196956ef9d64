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

// Qt's PDF writer gives a page only whole points (85.6 mm is 242.65 pt and
// would become 243), while the painting itself is exact, with its top edge at
// the rounded page top. Rewrites the page's /MediaBox in place to the exact
// size, keeping the top edge where the painting has it: the new box text is
// written in no more characters than the old one (padded with blanks), so
// every byte offset of the file, and so its cross-reference table, stays
// valid. Data of another shape is left as it is.
void fitMediaBox(QByteArray& pdf, const QSizeF& size) {
    static const QByteArray key("/MediaBox [");
    const qsizetype at = pdf.indexOf(key);
    if (at < 0 || pdf.indexOf(key, at + 1) >= 0)
        return;  // one page expected
    const qsizetype begin = at + key.size();
    const qsizetype end = pdf.indexOf(']', begin);
    if (end < 0 || end - begin > 100)
        return;
    const QList<QByteArray> parts = pdf.mid(begin, end - begin).simplified().split(' ');
    if (parts.size() != 4)
        return;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok);
        if (!ok)
            return;
    }
    const double x0 = v[0], top = v[3];
    const double values[4] = {x0, top - size.height(), x0 + size.width(), top};
    const qsizetype room = end - begin;
    for (int decimals = 6; decimals >= 2; --decimals) {
        QByteArray box;
        for (int i = 0; i < 4; ++i) {
            QByteArray n = QByteArray::number(values[i], 'f', decimals);
            while (n.contains('.') && (n.endsWith('0') || n.endsWith('.')))
                n.chop(1);
            if (n == "-0")
                n = "0";
            box += (i ? " " : "") + n;
        }
        if (box.size() <= room) {
            box += QByteArray(room - box.size(), ' ');
            pdf.replace(begin, room, box);
            return;
        }
    }
}

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
    try {
        face.Card_Base_Drawing(painter, side_);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
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
    try {
        face.Card_Border_Drawing(painter, side_);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
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
    if (!device)
        return false;
    const QByteArray data = dataWithPDFInsideRect(rect);
    return !data.isEmpty() && device->write(data) == data.size();
}

bool SKTRenderingView::paintPDF(const QRectF& rect, QIODevice* device) const {
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
    if (!paintPDF(rect, &buffer))
        return {};
    buffer.close();
    fitMediaBox(data, rect.size());
    return data;
}

SKTRenderingView SKTRenderingView::image_From_Card_Graphics(const zelk::SideSnapshot& side,
                                                            bool print_box) {
    Q_UNUSED(print_box);
    return SKTRenderingView(side.cardRect, side, QStringLiteral("Print"));
}
