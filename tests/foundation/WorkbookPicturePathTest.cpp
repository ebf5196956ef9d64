// Pictures named in workbook cells are read beside the workbook.
#include "foundation/WorkbookPicturePath.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkbookPicturePath, RelativeCellsLieBesideTheWorkbook) {
    struct Case {
        const char *value, *workbook, *expected;
    };
    const Case cases[] = {
        {"photos/p1.png", "/data/book.xlsx", "/data/photos/p1.png"},
        {"../p.png", "/data/sub/book.xlsx", "/data/p.png"},
        {"/abs/p.png", "/data/book.xlsx", "/abs/p.png"},    // absolute: as it is
        {"photos/p1.png", "", "photos/p1.png"},             // no workbook bound
        {"", "/data/book.xlsx", ""},                        // an empty cell
        {"  ", "/data/book.xlsx", "  "},
        {"写真/ä.png", "/data/book.xlsx", "/data/写真/ä.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zelk::workbookPicturePath(QString::fromUtf8(c.value), QString::fromUtf8(c.workbook)),
                  QString::fromUtf8(c.expected))
            << c.value;
}

}  // namespace
