// libs: zelk_datasource
// Reading a workbook of 100,000 rows by 20 columns (written once by our own
// writer): unpacking with the shared strings, the header row alone, and all
// rows; then the peak memory of each step, each in a process of its own, and
// openpyxl's read-only mode on the same file for comparison.
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 20;
QString g_book;

// Half text (shared strings), half numbers, as a card-holder list is.
SpreadsheetWriter::Rows makeRows() {
    SpreadsheetWriter::Rows rows;
    rows.reserve(kRows);
    QStringList title;
    for (int c = 0; c < kColumns; ++c)
        title << QStringLiteral("Column title %1").arg(c + 1);
    rows << title;
    for (int r = 1; r < kRows; ++r) {
        QStringList row;
        row.reserve(kColumns);
        for (int c = 0; c < kColumns; ++c)
            row << (c % 2 == 0 ? QStringLiteral("Holder %1 field %2").arg(r).arg(c) : QString::number(r * 37 + c));
        rows << row;
    }
    return rows;
}

void unpack() {
    Delete_Excel_File_Temp_Folder();
    SpreadsheetWriter::ReadWorkbook(g_book, true);
}

void BM_UnpackAndSharedStrings(benchmark::State& state) {
    for (auto _ : state)
        unpack();
}

void BM_HeaderRow(benchmark::State& state) {
    unpack();
    for (auto _ : state) {
        const SpreadsheetWriter::Rows h = SpreadsheetWriter::ReadData_only_column();
        if (h.size() != 1 || h.first().size() != kColumns)
            state.SkipWithError("wrong header");
    }
}

void BM_AllRows(benchmark::State& state) {
    unpack();
    for (auto _ : state) {
        const SpreadsheetWriter::Rows all = SpreadsheetWriter::ReadWorkbook(QString(), false);
        if (all.size() != kRows)
            state.SkipWithError("wrong row count");
    }
}

struct Measure {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs the step in a child process so that its peak resident size is its own.
Measure inChild(const std::function<void()>& step) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QElapsedTimer t;
        t.start();
        step();
        Measure m;
        m.seconds = t.nsecsElapsed() / 1e9;
        struct rusage ru{};
        ::getrusage(RUSAGE_SELF, &ru);
        m.peakKiB = ru.ru_maxrss;
        (void)!::write(fds[1], &m, sizeof m);
        ::_exit(0);
    }
    ::close(fds[1]);
    Measure m;
    (void)!::read(fds[0], &m, sizeof m);
    ::close(fds[0]);
    ::waitpid(pid, nullptr, 0);
    return m;
}

Measure openpyxl(bool headerOnly) {
    const char* script = R"PY(
import sys, time, resource, openpyxl
t = time.perf_counter()
ws = openpyxl.load_workbook(sys.argv[1], read_only=True).active
n = 0
for row in ws.iter_rows(max_row=1 if sys.argv[2] == "1" else None, values_only=True):
    n += 1
print(time.perf_counter() - t, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss, n)
)PY";
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), g_book,
                                                 headerOnly ? QStringLiteral("1") : QStringLiteral("0")});
    p.waitForFinished(-1);
    const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char(' '));
    if (out.size() < 2)
        return {};
    return {out.at(0).toDouble(), out.at(1).trimmed().toLong()};
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir tmp;
    zelk::ZipWorkFolder::setPathForTesting(tmp.filePath(QStringLiteral("ziptmp")));
    const QString exeDir = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    SpreadsheetWriter::setTemplatePath(exeDir + QStringLiteral("/../share/zelk-id-card/Template.xlsx"));
    g_book = tmp.filePath(QStringLiteral("book.xlsx"));
    const Measure write = inChild([] {
        if (!SpreadsheetWriter::WriteWorkbook(g_book, makeRows()))
            std::fprintf(stderr, "cannot write the workbook\n");
    });
    std::printf("Workbook of %d rows x %d columns: %.1f MB (written in %.2f s)\n", kRows, kColumns,
                QFileInfo(g_book).size() / 1e6, write.seconds);

    const Measure header = inChild([] {
        unpack();
        SpreadsheetWriter::ReadData_only_column();
    });
    const Measure all = inChild([] {
        unpack();
        SpreadsheetWriter::ReadData_only_column();
        SpreadsheetWriter::ReadWorkbook(QString(), false);
    });
    const Measure pyHeader = openpyxl(true);
    const Measure pyAll = openpyxl(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("UnpackAndSharedStrings", BM_UnpackAndSharedStrings)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("HeaderRow", BM_HeaderRow)->Unit(benchmark::kMillisecond)->Iterations(20);
    benchmark::RegisterBenchmark("AllRows", BM_AllRows)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%-36s %10s %14s\n", "step (own process)", "time s", "peak RSS MiB");
    std::printf("%-36s %10.2f %14.1f\n", "ours: unpack + header row", header.seconds, header.peakKiB / 1024.0);
    std::printf("%-36s %10.2f %14.1f\n", "ours: unpack + header + all rows", all.seconds, all.peakKiB / 1024.0);
    std::printf("%-36s %10.2f %14.1f\n", "openpyxl read-only: header row", pyHeader.seconds, pyHeader.peakKiB / 1024.0);
    std::printf("%-36s %10.2f %14.1f\n", "openpyxl read-only: all rows", pyAll.seconds, pyAll.peakKiB / 1024.0);
    if (all.seconds > 0)
        std::printf("full read: %.1f times faster than openpyxl\n", pyAll.seconds / all.seconds);
    return 0;
}
