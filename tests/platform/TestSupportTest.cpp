#include <gtest/gtest.h>

#include "TestSupport.h"

// The checkers the suite relies on must be installed: a missing one is a
// failure of the set-up, not a reason to skip.
TEST(TestSetup, IndependentCheckersArePresent) {
    for (const char* tool : {"/usr/bin/python3", "zbarimg", "dmtxread", "zint", "pdftotext", "sqlite3"}) {
        auto r = zelk::test::runTool(QString::fromLatin1(tool), {QStringLiteral("--help")});
        EXPECT_TRUE(r.started) << tool;
    }
}
