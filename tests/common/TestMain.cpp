#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>

// Sanitizer defaults for every test executable. Leak reports are off: Qt keeps
// process-lifetime allocations that would drown real findings.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }

// Every test executable runs under one QApplication (offscreen unless a
// display is asked for), so model, rendering and widget tests share the same
// start-up whether they run from ctest or by hand.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test sees the machine's printers: only a scheduler a test starts
    // listens on this socket, and no default queue is named elsewhere.
    qputenv("CUPS_SERVER", QFile::encodeName(zelk::test::testCupsSocket()));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/zelk-test-runtime-%1").arg(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    return RUN_ALL_TESTS();
}
