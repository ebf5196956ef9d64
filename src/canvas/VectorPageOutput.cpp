#include "canvas/VectorPageOutput.h"

#include "foundation/DrawingCodes.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

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

// The character a text extractor should read for a glyph. Qt's PDF writer
// names each glyph by the lowest code point the font maps to it, so with
// fonts that map compatibility characters to their ordinary glyphs a name
// reads back as Kangxi radicals (山 as U+2F2D) or Arabic presentation forms,
// and every space as a tab. Those become the characters they stand for.
char16_t readableCode(char16_t c) {
    // CJK radicals with no compatibility decomposition and the ideograph each
    // is drawn like (Unicode's EquivalentUnifiedIdeograph.txt, BMP only).
    static constexpr std::pair<char16_t, char16_t> radicals[] = {
    {0x2E81, 0x5382}, {0x2E82, 0x4E5B}, {0x2E83, 0x4E5A}, {0x2E84, 0x4E59}, {0x2E85, 0x4EBB}, {0x2E86, 0x5182},
    {0x2E88, 0x5200}, {0x2E89, 0x5202}, {0x2E8A, 0x535C}, {0x2E8B, 0x353E}, {0x2E8C, 0x5C0F}, {0x2E8D, 0x5C0F},
    {0x2E8E, 0x5140}, {0x2E8F, 0x5C23}, {0x2E90, 0x5C22}, {0x2E92, 0x5DF3}, {0x2E93, 0x5E7A}, {0x2E94, 0x5F51},
    {0x2E96, 0x5FC4}, {0x2E97, 0x5FC3}, {0x2E98, 0x624C}, {0x2E99, 0x6535}, {0x2E9B, 0x65E1}, {0x2E9C, 0x65E5},
    {0x2E9D, 0x6708}, {0x2E9E, 0x6B7A}, {0x2E9F, 0x6BCD}, {0x2EA0, 0x6C11}, {0x2EA1, 0x6C35}, {0x2EA2, 0x6C3A},
    {0x2EA3, 0x706C}, {0x2EA4, 0x722B}, {0x2EA5, 0x722B}, {0x2EA6, 0x4E2C}, {0x2EA7, 0x725B}, {0x2EA8, 0x72AD},
    {0x2EA9, 0x738B}, {0x2EAB, 0x76EE}, {0x2EAC, 0x793A}, {0x2EAD, 0x793B}, {0x2EAF, 0x7CF9}, {0x2EB0, 0x7E9F},
    {0x2EB1, 0x7F53}, {0x2EB2, 0x7F52}, {0x2EB3, 0x34C1}, {0x2EB4, 0x5197}, {0x2EB6, 0x7F8A}, {0x2EB9, 0x8002},
    {0x2EBA, 0x8080}, {0x2EBB, 0x807F}, {0x2EBC, 0x8089}, {0x2EBE, 0x8279}, {0x2EBF, 0x8279}, {0x2EC0, 0x8279},
    {0x2EC1, 0x864E}, {0x2EC2, 0x8864}, {0x2EC3, 0x8980}, {0x2EC4, 0x897F}, {0x2EC5, 0x89C1}, {0x2EC6, 0x89D2},
    {0x2EC8, 0x8BA0}, {0x2EC9, 0x8D1D}, {0x2ECB, 0x8F66}, {0x2ECC, 0x8FB6}, {0x2ECD, 0x8FB6}, {0x2ECE, 0x8FB6},
    {0x2ECF, 0x9091}, {0x2ED0, 0x9485}, {0x2ED1, 0x9577}, {0x2ED2, 0x9578}, {0x2ED3, 0x957F}, {0x2ED4, 0x95E8},
    {0x2ED6, 0x961D}, {0x2ED7, 0x96E8}, {0x2ED8, 0x9752}, {0x2ED9, 0x97E6}, {0x2EDA, 0x9875}, {0x2EDB, 0x98CE},
    {0x2EDC, 0x98DE}, {0x2EDD, 0x98DF}, {0x2EDF, 0x98E0}, {0x2EE0, 0x9963}, {0x2EE2, 0x9A6C}, {0x2EE3, 0x9AA8},
    {0x2EE4, 0x9B3C}, {0x2EE5, 0x9C7C}, {0x2EE6, 0x9E1F}, {0x2EE7, 0x5364}, {0x2EE8, 0x9EA6}, {0x2EE9, 0x9EC4},
    {0x2EEA, 0x9EFE}, {0x2EEB, 0x6589}, {0x2EEC, 0x9F50}, {0x2EED, 0x6B6F}, {0x2EEE, 0x9F7F}, {0x2EEF, 0x7ADC},
    {0x2EF0, 0x9F99}, {0x2EF1, 0x9F9C}, {0x2EF2, 0x4E80}, {0x2EF3, 0x9F9F},
    };
    if (c == u'\t')
        return u' ';
    if (c >= 0x2E80 && c <= 0x2EFF) {
        const auto* it = std::lower_bound(std::begin(radicals), std::end(radicals), c,
                                          [](const auto& entry, char16_t code) { return entry.first < code; });
        return it != std::end(radicals) && it->first == c ? it->second : c;
    }
    const bool compatibility = (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0xF900 && c <= 0xFAFF) ||
                               (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFC);
    if (!compatibility)
        return c;
    const QString normal = QString(QChar(c)).normalized(QString::NormalizationForm_KC);
    return normal.size() == 1 && !normal.at(0).isSurrogate() ? normal.at(0).unicode() : c;
}

// Rewrites, in place, the characters that the fonts' ToUnicode maps give
// their glyphs (see readableCode). Only codes of one UTF-16 unit are replaced,
// each by four hex digits, so every byte offset stays valid as in
// fitMediaBox; ranges that count up from one code are left alone.
void makeTextReadable(QByteArray& pdf) {
    struct Hex {
        qsizetype at = -1;  // of the first digit
        qsizetype digits = 0;
    };
    auto rewrite = [&pdf](const Hex& h) {
        if (h.digits != 4)
            return;
        bool ok = false;
        const uint code = pdf.mid(h.at, 4).toUInt(&ok, 16);
        if (!ok)
            return;
        const char16_t better = readableCode(char16_t(code));
        if (better != code)
            pdf.replace(h.at, 4, QByteArray::number(uint(better), 16).toUpper().rightJustified(4, '0'));
    };
    for (const bool ranges : {true, false}) {
        const QByteArray open = ranges ? "beginbfrange" : "beginbfchar";
        const QByteArray close = ranges ? "endbfrange" : "endbfchar";
        for (qsizetype begin = pdf.indexOf(open); begin >= 0; begin = pdf.indexOf(open, begin + 1)) {
            const qsizetype end = pdf.indexOf(close, begin);
            if (end < 0)
                return;
            // The block's tokens: <hex>, '[' and ']'.
            QList<Hex> tokens;
            for (qsizetype i = begin + open.size(); i < end; ++i) {
                const char ch = pdf.at(i);
                if (ch == '[' || ch == ']') {
                    tokens.append({ch == '[' ? -2 : -3, 0});
                } else if (ch == '<') {
                    const qsizetype close = pdf.indexOf('>', i);
                    if (close < 0 || close > end)
                        break;
                    tokens.append({i + 1, close - i - 1});
                    i = close;
                }
            }
            qsizetype k = 0;
            while (k < tokens.size()) {
                if (!ranges) {  // <source> <destination>
                    if (k + 1 < tokens.size() && tokens[k + 1].at >= 0)
                        rewrite(tokens[k + 1]);
                    k += 2;
                    continue;
                }
                // <first> <last> <destination>, or <first> <last> [<destination> ...]
                if (k + 2 >= tokens.size())
                    break;
                const bool single = pdf.mid(tokens[k].at, tokens[k].digits) ==
                                    pdf.mid(tokens[k + 1].at, tokens[k + 1].digits);
                k += 2;
                if (tokens[k].at == -2) {
                    for (++k; k < tokens.size() && tokens[k].at != -3; ++k)
                        rewrite(tokens[k]);
                    ++k;
                } else {
                    if (single)
                        rewrite(tokens[k]);
                    ++k;
                }
            }
            begin = end;
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
    makeTextReadable(data);
    return data;
}
