#pragma once
// The visitor database: the file "Visitor.db" in the data folder's
// "Visitor_Log", table Visitor_Records (an integer key ID and 56 text
// columns). Rows are only ever inserted. Every statement binds its values,
// so no entry or search term becomes SQL. Main thread only; every operation
// works on a connection its caller opened for that one operation.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct sqlite3;

namespace zelk {

// One field of an entry panel: its value and caption boxes and their check
// boxes. Slots 0 to 9 are name, title, company name, slogan, address,
// phone, fax, e-mail, website and unique number; 10 the date, 11 the time.
struct VisitorSlot {
    QString value;
    QString caption;
    bool valueChecked = false;
    bool captionChecked = false;
};

struct VisitorEntrySide {
    std::array<VisitorSlot, 12> fields;
    // The side's user-added rows as text ("caption : value" lines, CR LF).
    QString other;
};

// What the two entry panels hold when "Add to DB" is pressed.
struct VisitorEntry {
    VisitorEntrySide front;
    VisitorEntrySide back;
    // The front panel's photo path (the back's is not stored).
    QString photoPath;
};

// The nine search terms, in the order of the log's search fields: name,
// company name, address, phone, e-mail, purpose, person to meet, visitor
// number, other details.
struct VisitorSearch {
    bool recent = false;      // the ten newest; the rest is ignored
    QString from;             // "yyyy-MM-dd 00:00:00"
    QString to;               // "yyyy-MM-dd 23:59:59"
    std::array<QString, 9> terms;
};

// A row as read: column name to text (NULL reads as "").
using VisitorRecord = QHash<QString, QString>;

class VisitorDatabase {
public:
    // The column stems of the 12 fields ("VName" .. "EntryTime").
    static const QStringList& stems();
    // The 56 written columns in insert order: Photo, Date_Time_Stamp, the
    // front captions, the front values, the back captions, the back values.
    static const QStringList& columns();
    // The search columns of the nine terms ("VName", "CompanyName", ...).
    static const QStringList& searchColumns();

    // The schema the shipped database was made from (Resource_Path/
    // "Visitor_Schema.sql"); "" with the reason in *why when unreadable.
    static QString schemaText(QString* why = nullptr);
    // How long a statement waits while another connection (a second copy
    // of the application) holds the database, before it fails as busy.
    static constexpr int BusyTimeoutMs = 5000;

    // Opens an existing database for reading and writing, never creating
    // one. A 0-byte file first gets the table from the schema; any other
    // unusable file is left untouched. nullptr with the reason in *why.
    // The connection waits BusyTimeoutMs for a busy database and checks each
    // b-tree cell it reads, so a damaged page fails its query.
    static sqlite3* open(const QString& path, QString* why = nullptr);
    static void close(sqlite3* db);

    // The 56 values of an entry in column order, by the panels' check-box
    // rules; the back panel's entries count for nothing on a one-sided card
    // (its date and time still default when unchecked). *empty is set when
    // nothing was entered at all (the visitor must be refused).
    static QStringList rowValues(const VisitorEntry& entry, bool twoSided, const QString& stamp,
                                 const QString& defaultDate, const QString& defaultTime, bool* empty);
    // One new row of those values (all or nothing); its ID, or nullopt with
    // SQLite's reason in *why.
    static std::optional<qint64> insert(sqlite3* db, const QStringList& values, QString* why = nullptr);

    // The ten newest rows (highest ID first), or every row stamped within
    // [from, to] that matches every non-blank term in the front or the back
    // column ("%" and "_" stay wildcards). *ok is false when the query
    // could not be run.
    static QList<VisitorRecord> search(sqlite3* db, const VisitorSearch& search, bool* ok = nullptr);
    // The row with that ID; nullopt when the text is not a whole number or
    // there is no such row. *ok is false when the query could not be run.
    static std::optional<VisitorRecord> record(sqlite3* db, const QString& id, bool* ok = nullptr);
};

}  // namespace zelk
