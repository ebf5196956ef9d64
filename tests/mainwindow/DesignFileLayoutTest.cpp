// The layout document and the code agree: every table of docs/design-file.md
// names the elements in the positions the reader and writer use.
#include "TestSupport.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/GraphicRecord.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The element names of the table under the heading, by position: rows
// "| <position> | `name` | ...".
QStringList documentedTable(const QString& heading) {
    QFile f(zelk::test::sourceDir() + QStringLiteral("/docs/design-file.md"));
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no docs/design-file.md>")};
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    const qsizetype start = lines.indexOf(heading);
    if (start < 0)
        return {QStringLiteral("<no heading %1>").arg(heading)};
    static const QRegularExpression row(QStringLiteral("^\\|\\s*(\\d+)\\s*\\|\\s*`([^`]+)`"));
    QStringList names;
    for (qsizetype i = start + 1; i < lines.size() && !lines.at(i).startsWith(QLatin1String("#")); ++i) {
        const QRegularExpressionMatch m = row.match(lines.at(i));
        if (!m.hasMatch())
            continue;
        if (m.captured(1).toInt() != names.size())
            return {QStringLiteral("<position %1 out of order>").arg(m.captured(1))};
        names << m.captured(2);
    }
    return names;
}

}  // namespace

TEST(DesignFileLayout, DocumentMatchesTheCode) {
    const auto lines = [](const QStringList& names) { return names.join(QLatin1Char('\n')).toStdString(); };
    EXPECT_EQ(lines(documentedTable(QStringLiteral("## Top-level array"))), lines(DesignFile::elementNames()));
    EXPECT_EQ(lines(documentedTable(QStringLiteral("## Card property record"))),
              lines(DesignFile::cardPropertyElementNames()));
    EXPECT_EQ(lines(documentedTable(QStringLiteral("## Graphic record"))), lines(GraphicRecord::elementNames()));
}
