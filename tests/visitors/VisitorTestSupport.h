#pragma once
// The hub over a temporary data folder with a text on the card, the
// visitor database read back through the sqlite3 program, and entries.
#include "../mainwindow/MainWindowTestSupport.h"
#include "foundation/SKTText.h"
#include "mainwindow/AppGlobals.h"
#include "foundation/SKTDocument.h"
#include "visitors/VisitorDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zelk::test {

// Rows of a query, each column name to its text, read by the sqlite3 program.
inline QList<QVariantMap> sqliteRows(const QString& db, const QString& sql) {
    const ToolResult r = runTool(QStringLiteral("sqlite3"), {QStringLiteral("-json"), db, sql});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QList<QVariantMap> rows;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.out).array())
        rows << v.toObject().toVariantMap();
    return rows;
}

// An entry whose every box is filled and checked; the texts say their side
// and slot ("F0 value", "B11 caption").
inline VisitorEntry filledEntry() {
    VisitorEntry e;
    for (int i = 0; i < 12; ++i) {
        e.front.fields[size_t(i)] = {QStringLiteral("F%1 value").arg(i), QStringLiteral("F%1 caption").arg(i), true, true};
        e.back.fields[size_t(i)] = {QStringLiteral("B%1 value").arg(i), QStringLiteral("B%1 caption").arg(i), true, true};
    }
    e.front.other = QStringLiteral("Car : AB 12");
    e.back.other = QStringLiteral("Badge : 7");
    e.photoPath = QStringLiteral("  /photos/visitor.png ");
    return e;
}

class VisitorTest : public MainWindowTest {
protected:
    SKTWindowController& openWithCard() {
        SKTWindowController& w = open();
        ::CARD_SIDE_STR = QStringLiteral("2");
        w.document()->graphics.append(std::make_shared<SKTText>());
        return w;
    }
    void TearDown() override {
        ::CARD_SIDE_STR = QStringLiteral("2");
        MainWindowTest::TearDown();
    }
    QString db() const { return Database_Path; }
    QList<QVariantMap> rows() { return sqliteRows(db(), QStringLiteral("SELECT * FROM Visitor_Records ORDER BY ID")); }
};

}  // namespace zelk::test
