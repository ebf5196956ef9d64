// PDF417 symbols: the patterns by the rules of ISO/IEC 15438, symbols module
// for module against zint, decoding by zxing-cpp, and the view's states.
#include "BarcodeDecode.h"
#include "TestSupport.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/pdf417View.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using zelk::test::zxingDecode;

namespace {

struct Symbol {
    int error, rows, columns, level;
    QList<QByteArray> bitmapRows;  // 1 a bar
};

Symbol paint(const QByteArray& data, int columns, int level) {
    pdf417param p;
    pdf417init(&p);
    p.text = data.constData();
    p.lenText = static_cast<int>(data.size());
    p.options = PDF417_FIXED_COLUMNS | PDF417_USE_ERROR_LEVEL;
    p.codeColumns = columns;
    p.errorLevel = level;
    paintCode(&p);
    Symbol s{p.error, p.codeRows, p.codeColumns, p.errorLevel, {}};
    for (int r = 0; p.outBits && r < p.codeRows; ++r)
        s.bitmapRows << QByteArray(p.outBits + r * (p.lenBits / p.codeRows), p.lenBits / p.codeRows);
    pdf417free(&p);
    return s;
}

// Modules 3 pixels wide, rows 9 high, in a quiet zone.
QImage picture(const Symbol& s) {
    QImage mono(17 * (s.columns + 4) + 1, s.rows, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int r = 0; r < s.rows; ++r)
        std::memcpy(mono.scanLine(r), s.bitmapRows[r].constData(), static_cast<size_t>(s.bitmapRows[r].size()));
    return zelk::test::onWhite(mono.scaled(mono.width() * 3, mono.height() * 9), 30);
}

}  // namespace

// Each pattern: a bar first, 8 elements of 1 to 6 modules, 17 in all, in the
// cluster that (b1 - b2 + b3 - b4 + 9) mod 9 gives; no two alike.
TEST(Pdf417Symbol, PatternsFollowTheClusterRules) {
    QSet<int> seen;
    for (int cluster = 0; cluster < 3; ++cluster) {
        for (int cw = 0; cw < 929; ++cw) {
            const int v = zelk::pdf417ClusterPatterns(cluster)[cw];
            const QString bits = QString::number(v, 2);
            ASSERT_EQ(bits.size(), 17) << cw;
            QList<int> runs;
            for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("1+|0+")).globalMatch(bits))
                runs << int(m.capturedLength());
            ASSERT_EQ(runs.size(), 8) << cluster << " " << cw;
            EXPECT_LE(*std::max_element(runs.begin(), runs.end()), 6) << cluster << " " << cw;
            EXPECT_EQ((runs[0] - runs[2] + runs[4] - runs[6] + 9) % 9, 3 * cluster) << cw;
            seen.insert(v);
        }
    }
    EXPECT_EQ(seen.size(), 3 * 929);
}

// Values other than those the patterns were measured on (another seed),
// drawn by zint with the same columns and level: every row equal, start and
// stop patterns and row indicators included.
TEST(Pdf417Symbol, SymbolsEqualZintsModuleForModule) {
    std::mt19937 rng(20240417);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int compared = 0; compared < 200;) {
        const int level = uniform(0, 8), columns = uniform(1, 30);
        // From two bytes: zint writes a lone byte with the text mode's byte shift.
        QByteArray data(uniform(2, 300), '\0');
        for (char& c : data)
            c = static_cast<char>(uniform(0x80, 0xFF));
        const Symbol ours = paint(data, columns, level);
        // zint keeps the level it is given where ours raises it into spare room.
        if (ours.error || ours.level != level || ours.columns != columns)
            continue;
        const auto r = zelk::test::runTool(
            QStringLiteral("zint"), {"-b", "PDF417", "--binary", "--esc", QStringLiteral("--cols=%1").arg(columns),
                                     QStringLiteral("--secure=%1").arg(level), "--dump", "-d",
                                     QString::fromLatin1("\\x" + data.toHex('x').replace("x", "\\x"))});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        QList<QByteArray> zintRows;  // four modules a hexadecimal digit
        for (QByteArray line : r.out.split('\n'))
            if (!(line = line.trimmed().replace(' ', "")).isEmpty())
                zintRows << QByteArray::fromHex(line.size() % 2 ? line + '0' : line);
        ASSERT_EQ(ours.bitmapRows, zintRows) << compared << ": " << columns << " columns, level " << level;
        ++compared;
    }
}

TEST(Pdf417Symbol, ZxingReadsEveryLevelAndWidth) {
    const QString text = QStringLiteral("Zelk ID 4711 visitor pass 0123456789012345 · Besucher");
    zelk::TwoDSettings s;
    s.pdfWidth = 300;
    s.pdfHeight = 150;
    s.dpi = 300;
    for (int level = 0; level <= 8; ++level) {
        s.pdfErrorLevel = level;
        const auto d = zxingDecode(zelk::test::onWhite(TwoDBarcode::Draw_PDF_417_Barcode(text, s), 40),
                                   QStringLiteral("PDF417"));
        ASSERT_TRUE(d.has_value()) << "level " << level;
        EXPECT_EQ(d->text, text) << "level " << level;
    }
    for (int columns : {1, 5, 30}) {
        const Symbol sym = paint(text.toUtf8(), columns, 2);
        ASSERT_EQ(sym.columns, columns);
        const auto d = zxingDecode(picture(sym), QStringLiteral("PDF417"));
        ASSERT_TRUE(d.has_value()) << columns << " columns";
        EXPECT_EQ(d->text, text);
    }
}

TEST(Pdf417Symbol, ViewStatesAndLogLines) {
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& msg) { logged << msg; });
    pdf417View view(QSizeF(100, 20), 2, 600);
    view.setErrorLevel(5);
    auto painted = [&view] {
        QImage canvas(100, 20, QImage::Format_RGB32);
        canvas.fill(Qt::red);
        QPainter p(&canvas);
        view.drawRect(p);
        return canvas;
    };
    EXPECT_EQ(view.drawWithText(QString()), 1);
    const QImage empty = painted();
    const QRgb grey = empty.pixel(0, 0);  // a light grey box over the frame
    EXPECT_TRUE(qRed(grey) == qBlue(grey) && qRed(grey) > 128 && qRed(grey) < 255);
    EXPECT_EQ(empty.pixel(99, 19), grey);
    EXPECT_EQ(view.drawWithText(QStringLiteral("A1")), 0);
    const QImage first = view.getImage();
    EXPECT_EQ(first.size(), QSize(834, 167));  // 100 x 20 points at 600 dpi
    EXPECT_EQ(view.drawWithText(QString(5421, QLatin1Char('a'))), 2);
    EXPECT_EQ(view.getImage(), first);
    QImage white(100, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QImage failed = painted();
    EXPECT_EQ(failed.pixel(99, 19), white.pixel(0, 0));
    EXPECT_NE(failed, white);  // the words on white
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, (QStringList{QStringLiteral("ErrorLevel set to 5"),
                                   QStringLiteral("Error encountered while drawing barcode, error 1.")}));
}
