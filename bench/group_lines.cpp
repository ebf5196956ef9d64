// libs: zelk_groups zelk_visitors zelk_profiles zelk_production
// A group project's lines on the main window (offscreen): 25 holders on a
// shipped template whose fields the user moved and locked, every third
// holder with values longer than the card has room for.
//  - BM_StepThroughLines: the list's Down key pressed (Up back from the
//    last line), each time until the window has drawn the line's card.
//  - BM_ExportLines: the project's export of both sides of every line as
//    600-dpi PNG files (the export command's batch job, every core).
//  - BM_PrintLines: its print of both sides of every line into a PDF, four
//    cards a sheet (the print command's job, every core).
// Not run in CI; results in bench/README.md.
#include "BenchMain.h"
#include "BenchWindow.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "groups/GroupMode.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ExportBatchJob.h"
#include "production/ExportCardSupply.h"
#include "production/PrintJob.h"
#include "production/ProductionGlobals.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

namespace {

constexpr int Lines = 25;

// Holder n's ten values: long ones for every third holder.
QStringList holder(int n) {
    const QString k = QString::number(n + 1);
    if (n % 3 == 2)
        return QStringList{"Maximiliana Alexandrova Featherstonehaugh " + k, "Chief Executive Procurement Officer, EMEA " + k,
                "Northwind Trading & Logistics Company Limited", "Quarterly supplier contract review and audit",
                "1200 Harbour View Boulevard, Suite 4500, Portsmouth", "+44 20 7946 0958 ext 1234",
                "+44 20 7946 0959 reception", "maximiliana.featherstonehaugh@northwind.example",
                "www.northwind-trading-and-logistics.example", "V-2026-004711-" + k}
            .replaceInStrings(QRegularExpression(QStringLiteral("^(.*)$")), QStringLiteral("\\1 \\1 \\1 \\1"));
    return {"Bo Li " + k, "CEO", "Acme", "We care", "1 Elm St", "+1 555 01", "+1 555 02", "bo@ac.me", "ac.me", "V-" + k};
}

// The main window over a group project of `Lines` holders, every message
// answered as its safe button would be.
struct Project : zelk::bench::QuietWindow {
    Project() {
        SKTWindowController& w = *window;
        w.Read_and_load_design_Log_NEW_METHOD(
            zelk::AppPaths::defaultResourceRoot() + QStringLiteral("/Templates/Corporate/Corporate_Manager.did"),
            StartMode::Template, true);
        ::Fill_User_Profile = true;
        GroupMode::install(w);
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ::Start_Card_Option = StartMode::GroupList;
        ::CARD_SIDE_STR = CardSide::TwoSided;
        w.Reset_Group_Mode_Excel_Col_Index();
        QStringList titles;
        QList<QStringList> rows;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
            titles << QStringLiteral("C%1").arg(i);
            w.excel_cb_value[size_t(i)] = i + 1;
        }
        for (int n = 0; n < Lines; ++n)
            rows << holder(n);
        w.Create_Excel_List_Func(titles, rows);
        w.Calculate_Excel_table_rows();
        w.Update_Excel_Column_Binding(QStringLiteral("A"));
        // As the wizard leaves a new project: the card takes each line's values.
        ::Excel_Binding_Use = true;
        ::Use_Excel_Binding_Values = true;
        // The user's own places: the slogan moved a little, the number locked.
        if (const auto slogan = w._graphicView->Selcect_Ctrl_With_ID(Fup_CompanySlogan)) {
            slogan->setBounds(slogan->bounds().translated(0, 2));
            slogan->setPlacedByUser();
        }
        if (const auto number = w._graphicView->Selcect_Ctrl_With_ID(Fup_UniqueNo))
            number->ctrl_is_locked = true;
        w.show();
        w.Mark_Group_List_New_Selection(0);
        QApplication::processEvents();
    }
};

// Made once, kept until the process ends (after the application, so never
// taken down).
Project& project() {
    static Project* p = new Project;
    return *p;
}

void BM_StepThroughLines(benchmark::State& state) {
    SKTWindowController& w = *project().window;
    QTableView* list = w.groupListView();
    bool down = true;
    int told = 0;
    for (auto _ : state) {
        const int line = w.selectedGroupLine();
        down = line == 0 || (down && line < Lines - 1);
        QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(list, &key);
        QApplication::processEvents();
        told += w.statusBar()->currentMessage().isEmpty() ? 0 : 1;
    }
    // The lines stepped onto whose card the status bar named fields on.
    state.counters["lines_told"] = told;
}
BENCHMARK(BM_StepThroughLines)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_ExportLines(benchmark::State& state) {
    SKTWindowController& w = *project().window;
    w.Check_Series_Or_Excel_Use_or_not();
    for (auto _ : state) {
        QTemporaryDir folder;
        zelk::ExportBatchJob::Settings s;
        s.folder = folder.path();
        s.extension = QStringLiteral("PNG");
        s.card_side = QStringLiteral("BOTH");
        s.end = Lines;
        zelk::ExportBatchJob job(s, zelk::ExportCardSupply::current().cards(w));
        job.run();
        if (job.cardsWritten() != Lines)
            state.SkipWithError("not every card was written");
    }
}
BENCHMARK(BM_ExportLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PrintLines(benchmark::State& state) {
    SKTWindowController& w = *project().window;
    const QSizeF card = w.Front_card_Prop.Card_Size;
    zelk::PrintJobSettings s;
    s.paper = QSizeF(595, 842);
    s.Left_Mar = s.Rite_Mar = s.Top_Mar = s.Bot_Mar = 12;
    s.Print_Row = 2;
    s.Print_Col = 2;
    s.label_width = float(card.width());
    s.label_hight = float(2 * card.height());
    s.Total_Label = Lines;
    s.useData = true;
    s.dataCards = Lines;
    QTemporaryDir dir;
    for (auto _ : state) {
        const zelk::PrintJob job(s, {}, {}, w.printCardSource(false, true));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("lines.pdf")));
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(s.paper, QPageSize::Point));
        if (!job.paintOnWorker(printer, job.view().numberOfPages()))
            state.SkipWithError("the PDF could not be painted");
    }
}
BENCHMARK(BM_PrintLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return zelk::bench::runInApplication<QApplication>(argc, argv); }
