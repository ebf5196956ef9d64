#pragma once
// The column picker for a workbook: the user chooses a sheet and checks
// columns. Mode "E" replaces the Excel table with the checked columns (the
// profile dialogs); mode "D" hands every checked cell, row by row, to the
// series manager's value list (the import wizard).
#include "datasource/ExcelColumnDialog.h"

#include <QString>

class Import_Excel : public zelk::ExcelColumnDialog {
    Q_OBJECT
public:
    // The one object; also published as imp_xl_Window.
    static Import_Excel* defaultInstance();

    // "E" or "D"; set by the caller before every opening.
    QString open_mode = QStringLiteral("D");

    // Runs the dialog over the workbook: 1 after OK, 0 after Cancel and
    // when mode "E" loaded no row (the table then stays as it was).
    int Open_excel_Wnd(const QString& path);

    void OKPressed();
    void CancelPressed();
    // Loads the checked columns as the Excel table; false when nothing was loaded.
    bool Create_Excel_List_Func();
    void Insert_file_Func();

private:
    explicit Import_Excel(QWidget* parent = nullptr);
};

extern Import_Excel* imp_xl_Window;
