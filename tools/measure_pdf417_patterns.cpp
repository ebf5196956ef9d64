// Measures the 3 × 929 PDF417 codeword bar-space patterns from zint's
// drawings and writes them as src/barcode/Pdf417Patterns.inc.
//
// Random byte strings (every byte 0x80 or above, so that both encoders use
// byte compaction alone) are encoded by our encoder and drawn by zint with the
// same columns and error correction level. Our encoder gives the codewords of
// every row; zint's `--dump` gives the modules, so each 17-module slice of a
// data column is the pattern of a known codeword in the row's cluster. A
// codeword seen twice must be drawn the same way both times (else the two
// encoders disagree on the codewords, and the tool stops); the table is
// complete when every pattern has been seen.
//
// To make the table again (zint on PATH):
//   bin/zelk_measure_pdf417_patterns <source>/src/barcode/Pdf417Patterns.inc
#include "barcode/Pdf417Encoder.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kCodewords = 929;
constexpr unsigned kSeed = 15438;
constexpr int kMaxSymbols = 2000;

struct Symbol {
    int rows = 0, columns = 0;
    std::vector<int> codewords;          // row by row, the data columns only
    std::vector<std::vector<bool>> modules;  // zint's rows
};

using Table = std::array<std::array<int, kCodewords>, 3>;

// zint --dump: one line a row, four modules a hexadecimal digit.
std::vector<std::vector<bool>> zintRows(const QByteArray& data, int columns, int level, QString* error) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("data.bin")));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        *error = QStringLiteral("cannot write %1").arg(f.fileName());
        return {};
    }
    f.close();
    QProcess zint;
    zint.start(QStringLiteral("zint"), {QStringLiteral("-b"), QStringLiteral("PDF417"), QStringLiteral("--binary"),
                                        QStringLiteral("--cols=%1").arg(columns), QStringLiteral("--secure=%1").arg(level),
                                        QStringLiteral("--dump"), QStringLiteral("-i"), f.fileName()});
    if (!zint.waitForFinished(60000) || zint.exitStatus() != QProcess::NormalExit || zint.exitCode() != 0) {
        *error = QStringLiteral("zint failed: %1 %2").arg(zint.errorString(), QString::fromLocal8Bit(zint.readAllStandardError()));
        return {};
    }
    std::vector<std::vector<bool>> rows;
    for (const QByteArray& line : zint.readAllStandardOutput().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        std::vector<bool> row;
        const QByteArray digits = line.simplified().replace(' ', "");
        for (const char digit : digits) {
            const int v = QByteArray(1, digit).toInt(nullptr, 16);
            for (int b = 3; b >= 0; --b)
                row.push_back(v & (1 << b));
        }
        rows.push_back(row);
    }
    return rows;
}

int slice(const std::vector<bool>& row, int at) {
    int v = 0;
    for (int i = 0; i < 17; ++i)
        v = (v << 1) | (at + i < static_cast<int>(row.size()) && row[static_cast<size_t>(at + i)] ? 1 : 0);
    return v;
}

// One random symbol, or none when our encoder raises the level (zint keeps
// the level it is given and pads).
bool makeSymbol(std::mt19937& rng, Symbol& s, QString* error) {
    const int level = std::uniform_int_distribution<int>(4, 8)(rng);
    const int columns = std::uniform_int_distribution<int>(1, 30)(rng);
    // Room for data codewords, two taken by the length descriptor and the latch.
    const int room = std::min(928 - (2 << level), 90 * columns - (2 << level)) - 2;
    if (room < 2)
        return false;
    const int maxBytes = room / 5 * 6;
    const int n = std::uniform_int_distribution<int>(2, std::max(2, maxBytes))(rng);
    QByteArray data(n, '\0');
    for (char& c : data)
        c = static_cast<char>(std::uniform_int_distribution<int>(0x80, 0xFF)(rng));

    pdf417param p;
    pdf417init(&p);
    p.text = data.constData();
    p.lenText = n;
    p.options = PDF417_FIXED_COLUMNS | PDF417_USE_ERROR_LEVEL;
    p.codeColumns = columns;
    p.errorLevel = level;
    paintCode(&p);
    pdf417free(&p);
    if (p.error || p.errorLevel != level || p.codeColumns != columns)
        return false;
    s.rows = p.codeRows;
    s.columns = columns;
    s.codewords.assign(p.codewords, p.codewords + p.lenCodewords);
    s.modules = zintRows(data, columns, level, error);
    if (!error->isEmpty())
        return false;
    if (static_cast<int>(s.modules.size()) != s.rows) {
        *error = QStringLiteral("zint drew %1 rows where we have %2 (%3 columns, level %4, %5 bytes)")
                     .arg(s.modules.size()).arg(s.rows).arg(columns).arg(level).arg(n);
        return false;
    }
    return true;
}

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return fail(QStringLiteral("usage: zelk_measure_pdf417_patterns OUTPUT.inc"));
    Table table;
    for (auto& c : table)
        c.fill(-1);
    int missing = 3 * kCodewords;
    std::mt19937 rng(kSeed);
    int symbols = 0;
    for (int tries = 0; missing > 0 && tries < kMaxSymbols; ++tries) {
        Symbol s;
        QString error;
        if (!makeSymbol(rng, s, &error)) {
            if (!error.isEmpty())
                return fail(error);
            continue;
        }
        for (int r = 0; r < s.rows; ++r) {
            for (int c = 0; c < s.columns; ++c) {
                const int cw = s.codewords[static_cast<size_t>(r * s.columns + c)];
                const int pattern = slice(s.modules[static_cast<size_t>(r)], 17 * (c + 2));
                int& cell = table[static_cast<size_t>(r % 3)][static_cast<size_t>(cw)];
                if (cell >= 0 && cell != pattern)
                    return fail(QStringLiteral("codeword %1 of cluster %2 drawn two ways: the encoders disagree")
                                    .arg(cw).arg(3 * (r % 3)));
                if (cell < 0)
                    --missing;
                cell = pattern;
            }
        }
        ++symbols;
    }
    if (missing > 0)
        return fail(QStringLiteral("%1 patterns not seen after %2 symbols").arg(missing).arg(kMaxSymbols));

    QByteArray out =
        "// The bar-space patterns of the 929 PDF417 codewords in clusters 0, 3 and 6,\n"
        "// measured from zint's drawings by tools/measure_pdf417_patterns.cpp; do not\n"
        "// edit. 17 modules each, the first module the most significant bit, 1 a bar.\n";
    for (size_t c = 0; c < 3; ++c) {
        out += "{\n";
        for (int cw = 0; cw < kCodewords; ++cw) {
            out += QByteArray("0x") + QByteArray::number(table[c][static_cast<size_t>(cw)], 16).rightJustified(5, '0') +
                   (cw + 1 < kCodewords ? "," : "");
            out += (cw % 10 == 9 || cw + 1 == kCodewords) ? "\n" : " ";
        }
        out += c < 2 ? "},\n" : "}\n";
    }
    QSaveFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size() || !f.commit())
        return fail(QStringLiteral("cannot write %1").arg(f.fileName()));
    std::printf("%d symbols measured, %d patterns written to %s\n", symbols, 3 * kCodewords,
                argv[1]);
    return 0;
}
