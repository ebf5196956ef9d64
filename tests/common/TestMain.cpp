#include <gtest/gtest.h>
#include <QApplication>

// Every test executable runs under one QApplication (offscreen in CI), so
// model, rendering and widget tests share the same start-up.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    return RUN_ALL_TESTS();
}
