// Reads the words of a PDF with pdftotext, the independent reader the
// tests check exported cards with.
#include "PdfWords.h"

#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>

namespace zelk::test {

namespace {

// What a tool printed for a file, by the file's contents: a test that
// reads one PDF several ways runs each tool on it once.
template <typename Read>
QByteArray readOnce(const QString& tool, const QString& path, const Read& read) {
    static QHash<QByteArray, QByteArray> known;
    QFile file(path);
    const QByteArray key =
        tool.toUtf8() + QCryptographicHash::hash(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                                                  QCryptographicHash::Sha1);
    if (const auto it = known.constFind(key); it != known.cend())
        return *it;
    if (known.size() > 64)
        known.clear();
    return known[key] = read();
}

}  // namespace

QList<PdfWord> pdfWords(const QString& path) {
    const QString xml = QString::fromUtf8(readOnce(QStringLiteral("pdftotext"), path, [&path] {
        return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}).out;
    }));
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

QList<QRectF> pdfPictures(const QString& path) {
    static const QRegularExpression image(QStringLiteral(R"re(<image id="([^"]+)" width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression use(QStringLiteral(R"re(<use xlink:href="#([^"]+)" transform="matrix\(([^)]+)\)")re"));
    const QString svg = QString::fromUtf8(readOnce(QStringLiteral("pdftocairo"), path, [&path] {
        return runTool(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), path, QStringLiteral("-")}).out;
    }));
    QHash<QString, QSizeF> images;
    for (auto it = image.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        images.insert(m.captured(1), QSizeF(m.captured(2).toDouble(), m.captured(3).toDouble()));
    }
    QList<QRectF> out;
    for (auto it = use.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QStringList t = m.captured(2).split(u',');
        if (images.contains(m.captured(1)) && t.size() == 6)
            out << QTransform(t[0].toDouble(), t[1].toDouble(), t[2].toDouble(), t[3].toDouble(), t[4].toDouble(),
                              t[5].toDouble())
                       .mapRect(QRectF(QPointF(0, 0), images.value(m.captured(1))));
    }
    return out;
}

QList<QImage> pdfPagesWithoutText(const QStringList& paths, int dpi) {
    if (paths.isEmpty())
        return {};
    QTemporaryDir dir;
    QStringList args{QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                     QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=png16m"), QStringLiteral("-r%1").arg(dpi),
                     QStringLiteral("-dFILTERTEXT"), QStringLiteral("-sOutputFile=") + dir.filePath(QStringLiteral("page-%04d.png"))};
    runTool(QStringLiteral("gs"), args + paths);
    QList<QImage> pages;
    for (int n = 1;; ++n) {
        const QImage page(dir.filePath(QStringLiteral("page-%1.png").arg(n, 4, 10, QLatin1Char('0'))));
        if (page.isNull())
            break;
        pages << page.convertToFormat(QImage::Format_RGB32);
    }
    return pages;
}

}  // namespace zelk::test
