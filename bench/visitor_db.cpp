// libs: zelk_visitors
// The visitor database: 10,000 visitors stored one by one as the desk does
// (a connection and a commit each), then the log's newest-ten list and a
// two-term search over the whole date range.
#include "foundation/AppPaths.h"
#include "visitors/VisitorDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kVisitors = 10000;

std::unique_ptr<QTemporaryDir> g_dir;

QString databasePath() {
    return g_dir->filePath(QStringLiteral("Visitor.db"));
}

zelk::VisitorEntry visitor(int i) {
    zelk::VisitorEntry e;
    const char* first[] = {"Ann", "Bo", "Cy", "Dana", "Eli", "Fay", "Gus", "Hal"};
    e.front.fields[0] = {QStringLiteral("%1 Visitor %2").arg(QString::fromLatin1(first[i % 8])).arg(i),
                         QStringLiteral("Name :"), true, true};
    e.front.fields[2] = {QStringLiteral("Company %1").arg(i % 97), QStringLiteral("Company Name :"), true, true};
    e.front.fields[5] = {QStringLiteral("555-%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Phone No. :"),
                         true, true};
    e.front.fields[8] = {QStringLiteral("Host %1").arg(i % 13), QStringLiteral("Person to Meet :"), true, true};
    e.front.other = QStringLiteral("Car : AB %1").arg(i);
    e.photoPath = QStringLiteral("/photos/%1.png").arg(i);
    return e;
}

void BM_Insert10000(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(databasePath());
        QFile(databasePath()).open(QIODevice::WriteOnly);  // 0 bytes: the schema makes the table
        state.ResumeTiming();
        for (int i = 0; i < kVisitors; ++i) {
            sqlite3* db = zelk::VisitorDatabase::open(databasePath());
            const QString stamp =
                QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(qint64(i) * 600).toString("yyyy-MM-dd HH:mm:ss");
            const QStringList values = zelk::VisitorDatabase::rowValues(visitor(i), false, stamp, "01-Jan-2026",
                                                                        "08:00:00", nullptr);
            if (!db || !zelk::VisitorDatabase::insert(db, values)) {
                state.SkipWithError("insert failed");
                zelk::VisitorDatabase::close(db);
                return;
            }
            zelk::VisitorDatabase::close(db);
        }
    }
}
BENCHMARK(BM_Insert10000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_RecentTen(benchmark::State& state) {
    for (auto _ : state) {
        sqlite3* db = zelk::VisitorDatabase::open(databasePath());
        zelk::VisitorSearch s;
        s.recent = true;
        const auto rows = zelk::VisitorDatabase::search(db, s);
        zelk::VisitorDatabase::close(db);
        if (rows.size() != 10)
            state.SkipWithError("not ten rows");
    }
}
BENCHMARK(BM_RecentTen)->Unit(benchmark::kMicrosecond);

void BM_TwoTermSearch(benchmark::State& state) {
    for (auto _ : state) {
        sqlite3* db = zelk::VisitorDatabase::open(databasePath());
        zelk::VisitorSearch s;
        s.from = QStringLiteral("2026-01-01 00:00:00");
        s.to = QStringLiteral("2026-12-31 23:59:59");
        s.terms[0] = QStringLiteral("ann");  // name
        s.terms[3] = QStringLiteral("55");   // phone
        const auto rows = zelk::VisitorDatabase::search(db, s);
        zelk::VisitorDatabase::close(db);
        benchmark::DoNotOptimize(rows.size());
        state.counters["rows"] = double(rows.size());
    }
}
BENCHMARK(BM_TwoTermSearch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The schema comes with the resources beside the build's bin folder.
    Resource_Path = QDir(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath())
                        .filePath(QStringLiteral("../share/zelk-id-card"));
    g_dir = std::make_unique<QTemporaryDir>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_dir.reset();
    return 0;
}
