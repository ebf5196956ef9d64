// Free names beside a kept file: numbering goes on after " (k)" and a name
// is taken under its extension as given and lower-cased.
#include "TestSupport.h"
#include "foundation/FileNaming.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FileNaming, KeepBothNames) {
    const struct {
        QStringList existing;
        const char* path;
        const char* expected;
    } cases[] = {
        {{}, "Card_1_Front.PNG", "Card_1_Front.png"},                             // free: extension lower-cased
        {{"Card_1_Front.PNG"}, "Card_1_Front.PNG", "Card_1_Front (1).png"},       // taken as given
        {{"Card_1_Front.png"}, "Card_1_Front.PNG", "Card_1_Front (1).png"},       // taken lower-cased
        {{"photo (3).jpg"}, "photo (3).jpg", "photo (4).jpg"},                    // continues after k
        {{"photo (3).jpg", "photo (4).jpg"}, "photo (3).jpg", "photo (5).jpg"},
        {{"x (0).txt"}, "x (0).txt", "x (0) (1).txt"},                            // k = 0 is no number
        {{"x (a).txt"}, "x (a).txt", "x (a) (1).txt"},
        {{"Name.txt", "Name (1).txt"}, "Name.txt", "Name (2).txt"},
        {{"notes"}, "notes", "notes (1)"},                                        // no extension
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (const QString& name : c.existing)
            zelk::test::writeBytes(dir.filePath(name), "x");
        EXPECT_EQ(Check_Exist_Path_and_Create_New(dir.filePath(QString::fromUtf8(c.path))),
                  dir.filePath(QString::fromUtf8(c.expected)))
            << c.path << " with " << c.existing.join(',').toStdString();
    }
}

}  // namespace
