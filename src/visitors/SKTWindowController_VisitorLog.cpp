// The hub's visitor database and log: storing a visitor from the entry
// panels, the connection the log's queries run on, and the log command.
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "visitors/VisitorDatabase.h"
#include "visitors/Visitor_Log_Records.h"

#include <QDateTime>

using zelk::VisitorDatabase;

QString SKTWindowController::Get_Visitor_DB_Path() const {
    return Database_Path;
}

bool SKTWindowController::Open_DB_Connection() {
    Close_DB_Connection();
    // A removed folder or database comes back before every open: opening a
    // missing file would otherwise leave an empty one that stops the copy.
    Check_Path_And_Create_VISITOR_Files();
    QString why;
    visitor_db = VisitorDatabase::open(Get_Visitor_DB_Path(), &why);
    if (!visitor_db) {
        Show_NSLog_Message(why);
        Show_NSLog_Message(QStringLiteral("Database failed to open"));
        return false;
    }
    return true;
}

bool SKTWindowController::Close_DB_Connection() {
    if (!visitor_db)
        return false;
    VisitorDatabase::close(visitor_db);
    visitor_db = nullptr;
    return true;
}

bool SKTWindowController::Add_Visitor_Record_To_DB(const zelk::VisitorEntry& entry) {
    Check_Path_And_Create_VISITOR_Files();
    const bool twoSided = CARD_SIDE_STR == QLatin1String("2");
    int graphics = Get_Front_Control_Count();
    if (graphics == 0 && twoSided)
        graphics = Get_Back_Control_Count();
    if (graphics == 0) {
        Show_MessageBox(QStringLiteral("There is no details for Visitor.\nPlease enter some details."));
        return false;
    }
    // The stamp sorts as a date: ASCII digits whatever the locale.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    bool empty = true;
    const QStringList values =
        VisitorDatabase::rowValues(entry, twoSided, stamp, Get_date_Value(QStringLiteral("dd-MMM-yyyy")),
                                   Get_time_Value(QStringLiteral("HH:mm:ss")), &empty);
    if (empty) {
        Show_MessageBox(QStringLiteral("Please enter some details of visitor."));
        return false;
    }
    if (!Open_DB_Connection()) {
        Show_MessageBox(QStringLiteral("Error in database access."));
        return false;
    }
    QString why;
    const bool stored = VisitorDatabase::insert(visitor_db, values, &why).has_value();
    Close_DB_Connection();
    if (!stored) {
        Show_NSLog_Message(why);
        Show_NSLog_Message(QStringLiteral("Error Inserting/Updating Table"));
        Show_MessageBox(QStringLiteral("Error in database access."));
        return false;
    }
    Show_MessageBox(QStringLiteral("Visitor Details has been saved successfully"));
    return true;
}

void SKTWindowController::View_Vistor_Record() {
    Visitor_Log_Records::defaultInstance(*this)->Open_Log_Wnd();
}
