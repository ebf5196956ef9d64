#include "visitors/VisitorDatabase.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using zelk::VisitorDatabase;
using zelk::VisitorRecord;

namespace {

QStringList captionColumns(const QString& suffix) {
    QStringList c;
    for (const QString& stem : VisitorDatabase::stems())
        c << stem + QStringLiteral("_lb") + suffix;
    return c;
}

QStringList valueColumns(const QString& suffix) {
    QStringList c;
    for (int i = 0; i < 10; ++i)
        c << VisitorDatabase::stems()[i] + suffix;
    for (const char* name : {"Use_Date", "EntryDate", "Use_Time", "EntryTime", "Other"})
        c << QString::fromLatin1(name) + suffix;
    return c;
}

QString lastError(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

// Frees the statement whatever way the caller leaves.
struct Statement {
    sqlite3_stmt* s = nullptr;
    ~Statement() { sqlite3_finalize(s); }
};

bool bindText(sqlite3_stmt* s, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) == SQLITE_OK;
}

VisitorRecord readRow(sqlite3_stmt* s) {
    VisitorRecord row;
    const int n = sqlite3_column_count(s);
    for (int i = 0; i < n; ++i) {
        const char* name = sqlite3_column_name(s, i);
        if (!name)
            continue;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
        row.insert(QString::fromUtf8(name),
                   text ? QString::fromUtf8(text, sqlite3_column_bytes(s, i)) : QString());
    }
    return row;
}

// The emptiness test of a quoted value list: what is left once every
// apostrophe and comma is gone.
bool listHoldsText(const QStringList& values) {
    QString joined;
    for (const QString& v : values)
        joined += QLatin1Char('\'') + v + QStringLiteral("',");
    joined.remove(QLatin1Char('\'')).remove(QLatin1Char(','));
    return !Trim_Str(joined).isEmpty();
}

struct SideValues {
    QStringList captions;  // 12
    QStringList values;    // 15
    bool useDate = false;
    bool useTime = false;
};

SideValues sideValues(const zelk::VisitorEntrySide& side, bool blank, const QString& defaultDate,
                      const QString& defaultTime) {
    SideValues out;
    for (int i = 0; i < 12; ++i) {
        const zelk::VisitorSlot& slot = side.fields[size_t(i)];
        out.captions << (slot.captionChecked && !blank ? slot.caption : QString());
    }
    for (int i = 0; i < 10; ++i) {
        const zelk::VisitorSlot& slot = side.fields[size_t(i)];
        out.values << (slot.valueChecked && !blank ? slot.value : QString());
    }
    const zelk::VisitorSlot& date = side.fields[10];
    const zelk::VisitorSlot& time = side.fields[11];
    out.useDate = date.valueChecked;
    out.useTime = time.valueChecked;
    out.values << (out.useDate ? QStringLiteral("1") : QStringLiteral("0"))
               << (out.useDate ? (blank ? QString() : date.value) : defaultDate)
               << (out.useTime ? QStringLiteral("1") : QStringLiteral("0"))
               << (out.useTime ? (blank ? QString() : time.value) : defaultTime)
               << (blank ? QString() : side.other);
    return out;
}

}  // namespace

const QStringList& VisitorDatabase::stems() {
    static const QStringList s{QStringLiteral("VName"),    QStringLiteral("Position"), QStringLiteral("CompanyName"),
                               QStringLiteral("Slogan"),   QStringLiteral("Address"),  QStringLiteral("Phone"),
                               QStringLiteral("Fax"),      QStringLiteral("Email"),    QStringLiteral("Website"),
                               QStringLiteral("UniqueNo"), QStringLiteral("EntryDate"), QStringLiteral("EntryTime")};
    return s;
}

const QStringList& VisitorDatabase::columns() {
    static const QStringList c = QStringList{QStringLiteral("Photo"), QStringLiteral("Date_Time_Stamp")} +
                                 captionColumns(QString()) + valueColumns(QString()) +
                                 captionColumns(QStringLiteral("_B")) + valueColumns(QStringLiteral("_B"));
    return c;
}

const QStringList& VisitorDatabase::searchColumns() {
    static const QStringList c{QStringLiteral("VName"),   QStringLiteral("CompanyName"), QStringLiteral("Address"),
                               QStringLiteral("Phone"),   QStringLiteral("Email"),       QStringLiteral("Slogan"),
                               QStringLiteral("Website"), QStringLiteral("UniqueNo"),    QStringLiteral("Other")};
    return c;
}

QString VisitorDatabase::schemaText(QString* why) {
    QFile file(QDir(Resource_Path).filePath(QStringLiteral("Visitor_Schema.sql")));
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("Can not read %1: %2").arg(file.fileName(), file.errorString());
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

sqlite3* VisitorDatabase::open(const QString& path, QString* why) {
    auto fail = [why](const QString& reason, sqlite3* db) -> sqlite3* {
        if (why)
            *why = reason;
        sqlite3_close(db);
        return nullptr;
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return fail(QStringLiteral("The visitor database %1 is missing").arg(path), nullptr);
    const bool fresh = info.size() == 0;
    QString schema;
    if (fresh && (schema = schemaText(why)).isEmpty())
        return nullptr;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return fail(lastError(db), db);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    // A damaged page is then reported as such, never read as visitors.
    sqlite3_exec(db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr);
    if (fresh && sqlite3_exec(db, schema.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(lastError(db), db);
    // Not a database, or one without the table: left as it is.
    Statement probe;
    if (sqlite3_prepare_v2(db, "SELECT * FROM Visitor_Records LIMIT 0", -1, &probe.s, nullptr) != SQLITE_OK)
        return fail(lastError(db), db);
    return db;
}

void VisitorDatabase::close(sqlite3* db) {
    sqlite3_close(db);
}

QStringList VisitorDatabase::rowValues(const VisitorEntry& entry, bool twoSided, const QString& stamp,
                                       const QString& defaultDate, const QString& defaultTime, bool* empty) {
    const SideValues front = sideValues(entry.front, false, defaultDate, defaultTime);
    const SideValues back = sideValues(entry.back, !twoSided, defaultDate, defaultTime);
    const QString photo = Trim_Str(entry.photoPath);
    if (empty) {
        auto sideHolds = [](const SideValues& s) {
            QStringList named = s.values.mid(0, 10);
            named << s.values[14];
            return listHoldsText(named) || s.useDate || s.useTime;
        };
        *empty = !(listHoldsText(front.captions) || listHoldsText(back.captions) || sideHolds(front) ||
                   sideHolds(back) || !photo.isEmpty());
    }
    return QStringList{photo, stamp} + front.captions + front.values + back.captions + back.values;
}

std::optional<qint64> VisitorDatabase::insert(sqlite3* db, const QStringList& values, QString* why) {
    const QStringList& cols = columns();
    if (values.size() != cols.size()) {
        if (why)
            *why = QStringLiteral("%1 values for %2 columns").arg(values.size()).arg(cols.size());
        return std::nullopt;
    }
    QStringList marks;
    for (int i = 0; i < cols.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO Visitor_Records (%1) VALUES (%2)")
                            .arg(cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    Statement st;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st.s, nullptr) != SQLITE_OK) {
        if (why)
            *why = lastError(db);
        return std::nullopt;
    }
    for (int i = 0; i < values.size(); ++i)
        if (!bindText(st.s, i + 1, values[i])) {
            if (why)
                *why = lastError(db);
            return std::nullopt;
        }
    if (sqlite3_step(st.s) != SQLITE_DONE) {
        if (why)
            *why = lastError(db);
        return std::nullopt;
    }
    return sqlite3_last_insert_rowid(db);
}

QList<VisitorRecord> VisitorDatabase::search(sqlite3* db, const VisitorSearch& search, bool* ok) {
    QList<VisitorRecord> rows;
    if (ok)
        *ok = false;
    QString sql;
    QStringList binds;
    if (search.recent) {
        sql = QStringLiteral("SELECT * FROM Visitor_Records ORDER BY ID DESC LIMIT 10");
    } else {
        QString where;
        for (int i = 0; i < 9; ++i) {
            const QString term = Trim_Str(search.terms[size_t(i)]);
            if (term.isEmpty())
                continue;
            const QString& c = searchColumns()[i];
            where += QStringLiteral("(%1 LIKE '%' || ? || '%' OR %1_B LIKE '%' || ? || '%') AND ").arg(c);
            binds << term << term;
        }
        sql = QStringLiteral("SELECT * FROM Visitor_Records WHERE %1Date_Time_Stamp>=? AND Date_Time_Stamp<=?")
                  .arg(where);
        binds << search.from << search.to;
    }
    if (!db)
        return rows;
    Statement st;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st.s, nullptr) != SQLITE_OK)
        return rows;
    for (int i = 0; i < binds.size(); ++i)
        if (!bindText(st.s, i + 1, binds[i]))
            return rows;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW)
        rows << readRow(st.s);
    if (ok)
        *ok = rc == SQLITE_DONE;
    return rows;
}

std::optional<VisitorRecord> VisitorDatabase::record(sqlite3* db, const QString& id, bool* ok) {
    if (ok)
        *ok = false;
    bool isNumber = false;
    const qint64 key = Trim_Str(id).toLongLong(&isNumber);
    if (!db)
        return std::nullopt;
    if (!isNumber) {
        if (ok)
            *ok = true;  // no such visitor, not a failure
        return std::nullopt;
    }
    Statement st;
    if (sqlite3_prepare_v2(db, "SELECT * FROM Visitor_Records WHERE ID=?", -1, &st.s, nullptr) != SQLITE_OK)
        return std::nullopt;
    sqlite3_bind_int64(st.s, 1, key);
    const int rc = sqlite3_step(st.s);
    if (ok)
        *ok = rc == SQLITE_ROW || rc == SQLITE_DONE;
    if (rc != SQLITE_ROW)
        return std::nullopt;
    return readRow(st.s);
}
