// Free names beside a kept file.
#include "TestSupport.h"

#include "foundation/ExportNames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zelk::ExportNames;
using zelk::test::writeBytes;

TEST(ExportNames, FreeNamesBesideTheFilesThatExist) {
    // The examples and edge cases of the keep-both rule.
    const struct {
        QStringList existing;
        const char* asked;
        const char* given;
    } cases[] = {
        {{}, "Card_1.PNG", "Card_1.png"},
        {{"Card_1_Front.PNG"}, "Card_1_Front.PNG", "Card_1_Front (1).png"},
        {{"Card_1_Front.png"}, "Card_1_Front.PNG", "Card_1_Front (1).png"},
        {{"Card_1_Front.png", "Card_1_Front (1).PNG"}, "Card_1_Front.PNG", "Card_1_Front (2).png"},
        {{"photo (3).jpg"}, "photo (3).jpg", "photo (4).jpg"},
        {{"photo (3).jpg", "photo (4).jpg"}, "photo (3).jpg", "photo (5).jpg"},
        {{"x (0).png"}, "x (0).png", "x (0) (1).png"},
        {{"x (a).png"}, "x (a).png", "x (a) (1).png"},
        {{"notes"}, "notes", "notes (1)"},
    };
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        for (const QString& name : c.existing)
            writeBytes(dir.filePath(name), "old");
        EXPECT_EQ(ExportNames::freeName(dir.filePath(c.asked)), dir.filePath(c.given)) << c.asked;
    }
}
