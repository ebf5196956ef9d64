#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
    // The offscreen platform takes its screen from a configuration file
    // named in the platform's arguments.
    const QSize screen = zelk::test::requestedOffscreenScreen();
    QString screenFile;
    if (screen.isValid() && qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QJsonObject one{{"name", "test"},        {"x", 0},          {"y", 0},
                              {"width", screen.width()}, {"height", screen.height()},
                              {"logicalDpi", 96},      {"logicalBaseDpi", 96}, {"dpr", 1.0}};
        screenFile = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/offscreen-screen-%1.json").arg(getpid());
        QFile file(screenFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QJsonDocument(QJsonObject{{"screens", QJsonArray{one}}}).toJson());
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screenFile));
    }
    QApplication app(argc, argv);
    if (!screenFile.isEmpty())
        QFile::remove(screenFile);  // read once, when the platform started
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    return RUN_ALL_TESTS();
}
