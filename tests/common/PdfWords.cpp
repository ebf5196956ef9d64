// Reads the words of a PDF with pdftotext, the independent reader the
// tests check exported cards with.
#include "PdfWords.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace zelk::test {

QList<PdfWord> pdfWords(const QString& path) {
    const QString xml = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}).out);
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" xMax="(-?[\d.]+)" yMax="(-?[\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> out;
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                    m.captured(5)});
    }
    return out;
}

QList<PdfWord> pdfWordsOf(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.pdf"));
    writeBytes(path, pdf);
    return pdfWords(path);
}

}  // namespace zelk::test
