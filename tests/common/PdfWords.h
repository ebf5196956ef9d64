#pragma once
// The words of a PDF as pdftotext reads them (-bbox): each with its box, in
// points from the page's top left, in pdftotext's order; where its
// pictures are drawn; and its pages as Ghostscript draws them without
// their text.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace zelk::test {

struct PdfWord {
    QRectF box;
    QString text;
};

// The words of every page of the PDF file at `path`.
QList<PdfWord> pdfWords(const QString& path);

// The same for a PDF held in memory.
QList<PdfWord> pdfWordsOf(const QByteArray& pdf);

// Where the pictures of a one-page PDF are drawn, in points from the page's
// top left (pdftocairo's SVG: an <image> placed by a <use> through its
// matrix).
QList<QRectF> pdfPictures(const QString& path);

// The pages of the PDF files at `paths`, files in order, as Ghostscript
// draws them at `dpi` (no smoothing) without their text: their pictures
// and drawings.
QList<QImage> pdfPagesWithoutText(const QStringList& paths, int dpi);

}  // namespace zelk::test
