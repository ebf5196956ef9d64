#pragma once
// Cards and pages for the printing tests: a design whose sides show which
// way up they are, print jobs written to PDF through QPrinter, and the pages
// read back by poppler.
#include "TestSupport.h"

#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Shape_Control.h"
#include "production/PrintJob.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zelk::test {

inline std::shared_ptr<SKTGraphic> filledRect(const QRectF& bounds, const QColor& colour) {
    auto s = std::make_shared<Shape_Control>(QStringLiteral("R"));
    s->_bounds = bounds;
    s->_isDrawingFill = true;
    s->_fillColor = colour;
    s->_isDrawingStroke = false;
    return s;
}

// A 100 x 60 point card: the front's top half red, the back's top half blue,
// so a turned side shows its colour in its lower half.
struct MarkedCard {
    QList<std::shared_ptr<SKTGraphic>> front{filledRect(QRectF(0, 0, 100, 30), Qt::red)};
    QList<std::shared_ptr<SKTGraphic>> back{filledRect(QRectF(0, 0, 100, 30), Qt::blue)};
    Card_Property frontProp{QStringLiteral("F")}, backProp{QStringLiteral("B")};
    QRectF card{0, 0, 100, 60};

    SideSnapshot side(int which) const {
        return SideSnapshot::take(which == 0 ? &front : &back, &frontProp, &backProp, 0, which, card);
    }
};

// Paints the job's pages into a PDF of the job's paper (full page, 1 point to
// the point) and returns its path.
inline QString printToPdf(const PrintJob& job, int pages, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(job.settings().paper, QPageSize::Point));
    printer.setPageMargins(QMarginsF());
    EXPECT_TRUE(job.paint(printer, pages));
    return path;
}

// The pages of a PDF, as poppler counts them.
inline int pdfPageCount(const QString& pdf) {
    const ToolResult r = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(r.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page `page` (from 1) of a PDF, rasterised by poppler at `dpi`.
inline QImage pdfPage(const QString& pdf, int page, int dpi) {
    const QString prefix = pdf + QStringLiteral("-page");
    const ToolResult r = runTool(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-f", QString::number(page),
                                                             "-l", QString::number(page), "-singlefile", "-png", pdf,
                                                             prefix});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The colour class of a spot (points, at `dpi`): 'r'ed, 'b'lue, 'w'hite,
// 'g'rey (light marks), or '?' for anything else.
inline char spot(const QImage& img, double x, double y, int dpi) {
    const QColor c = img.pixelColor(int(x * dpi / 72.0), int(y * dpi / 72.0));
    if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
        return 'r';
    if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
        return 'b';
    if (c.red() > 245 && c.green() > 245 && c.blue() > 245)
        return 'w';
    if (std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12 && c.red() > 120)
        return 'g';
    return '?';
}

}  // namespace zelk::test
