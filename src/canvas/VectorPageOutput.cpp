#include "canvas/VectorPageOutput.h"

#include "foundation/DrawingCodes.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

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

bool paintPdf(const QRectF& rect, const QString& title, const zelk::VectorPageOutput::Paint& paint,
              QIODevice* device) {
    QPdfWriter writer(device);
    writer.setTitle(title);
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
    paint(painter);
    return painter.end();
}

}  // namespace

QImage zelk::VectorPageOutput::imageAtResolution(const QRectF& frame, double dpi, const Paint& paint) {
    if (!frame.isValid() || !zelk::drawableBounds(frame) || !std::isfinite(dpi) || dpi <= 0 || dpi > MaxDpi)
        return {};
    const double wp = pixelsFor(frame.width(), dpi);
    const double hp = pixelsFor(frame.height(), dpi);
    if (wp < 1 || hp < 1 || wp * hp > double(MaxImagePixels))
        return {};
    QImage image(int(wp), int(hp), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    QPainter painter(&image);
    painter.scale(dpi / 72.0, dpi / 72.0);
    painter.translate(-frame.topLeft());
    paint(painter);
    painter.end();
    return image;
}

QByteArray zelk::VectorPageOutput::pdfPage(const QRectF& rect, const QString& title, const Paint& paint) {
    if (!rect.isValid() || !zelk::drawableBounds(rect))
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    if (!paintPdf(rect, title, paint, &buffer))
        return {};
    buffer.close();
    fitMediaBox(data, rect.size());
    return data;
}
