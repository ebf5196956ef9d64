#pragma once
// Deterministic test values for the 2D barcode benchmarks: texts of 20 to 60
// characters (words, numbers, URLs), the same every run; the loop over them
// and the main() these benchmarks share.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace zelk::bench {

inline QList<QByteArray> barcodeValues(int count = 10000) {
    static const char* const words[] = {"zelk", "card", "visitor", "ID", "2026", "ACCESS", "gate", "badge",
                                        "Berlin", "no.", "00417", "staff", "https://example.com/v?id=",
                                        "Mueller", "SMITH", "#", "level-3", "42"};
    QList<QByteArray> out;
    uint32_t x = 12345;
    auto next = [&] {
        x = x * 1664525u + 1013904223u;
        return x >> 8;
    };
    for (int i = 0; i < count; ++i) {
        const int len = 20 + static_cast<int>(next() % 41);
        QByteArray v;
        while (v.size() < len) {
            v += words[next() % (sizeof words / sizeof *words)];
            v += (next() % 3) ? ' ' : '-';
        }
        v.truncate(len);
        if (v.endsWith(' '))
            v.back() = 'x';
        out.append(v);
    }
    return out;
}

// Writes the values one per line, for the batch mode of a command line encoder.
inline bool writeValues(const QString& path, const QList<QByteArray>& values) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& v : values)
        f.write(v + '\n');
    return true;
}

// Each iteration encodes every value once; the sum of what `encode` returns
// for each value (modules, codewords, pixels) keeps the work from being
// optimised away.
template <class Encode>
void encodeEveryValue(benchmark::State& state, Encode encode) {
    const QList<QByteArray> values = barcodeValues();
    for (auto _ : state) {
        qint64 total = 0;
        for (const QByteArray& v : values)
            total += encode(v);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}

// The benchmarks' main(): `--write-values FILE` writes the values instead.
inline int barcodeBenchMain(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == "--write-values")
        return writeValues(QString::fromLocal8Bit(argv[2]), barcodeValues()) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

}  // namespace zelk::bench
