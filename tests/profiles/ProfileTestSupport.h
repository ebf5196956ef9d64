#pragma once
// The main window with the profile dialogs played by the test: `play` runs
// each dialog opened (the import window's column choice is played here),
// workbooks are written by openpyxl, and the reader works in a private
// folder.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/NewControlPoint.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/ExcelColumnList.h"
#include "datasource/Import_Excel.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"
#include "foundation/Codes.h"
#include "mainwindow/AppGlobals.h"
#include "profiles/Show_User_Profile.h"
#include "profiles/User_profile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace zelk::test {

class ProfileDialogTest : public MainWindowTest {
protected:
    std::function<int(QDialog*)> play;
    // The columns (0-based sheet columns) the import window checks; empty:
    // it is cancelled.
    QList<int> importColumns = {0, 1, 2};
    int imports = 0;

    void SetUp() override {
        MainWindowTest::SetUp();
        ZipWorkFolder::setPathForTesting(data.filePath(QStringLiteral("ziptmp")));
        SpreadsheetWriter::setTemplatePath(resourceDir() + QStringLiteral("/Template.xlsx"));
        open();
        runner_ = std::make_unique<ScopedServices>(changed([this](Services& s) {
            s.runDialog = [this](QDialog* d) {
                d->setResult(0);  // as a modal run starts
                if (auto* import = qobject_cast<Import_Excel*>(d)) {
                    ++imports;
                    if (importColumns.isEmpty())
                        return 0;
                    for (int c : importColumns)
                        import->ListData_xl->setState(c, true);
                    import->OKPressed();
                    return import->result();
                }
                return play ? play(d) : 0;
            };
        }));
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ::Excel_Source_Path.clear();
        ::Excel_Binding_Use = false;
        ::Browse_Excel_AGAIN = false;
    }
    void TearDown() override {
        runner_.reset();
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ZipWorkFolder::setPathForTesting(QString());
        MainWindowTest::TearDown();
    }

    // A workbook written by openpyxl: `rows` is a Python list of lists.
    QString workbook(const QString& name, const QString& rows) {
        const QString path = data.filePath(name);
        const ToolResult r = runTool(debianPython(),
                                     {QStringLiteral("-c"),
                                      QStringLiteral("import sys, openpyxl\nwb = openpyxl.Workbook()\nws = wb.active\n"
                                                     "for row in %1:\n    ws.append(row)\nwb.save(sys.argv[1])\n")
                                          .arg(rows),
                                      path});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return path;
    }
    // The table as the binding reads it, for comparisons.
    static QStringList tableTitles() { return Data_From_Excel::defaultInstance()->columnTitles(); }
    static QList<QVariantMap> tableRows() { return Data_From_Excel::defaultInstance()->ListData; }

private:
    std::unique_ptr<ScopedServices> runner_;
};

// The profile dialogs' slot row by number.
inline const ProfileDialogBase::SlotRow& rowOf(ProfileDialogBase* d, int slot) { return d->rows[size_t(slot)]; }

}  // namespace zelk::test
