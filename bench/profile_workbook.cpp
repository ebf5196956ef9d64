// libs: zelk_profiles
// A profile whose name, title, company and number are bound to a
// workbook's columns, stamped onto a blank CR80 side with their captions:
// each column is laid out for the widest of its rows' values as drawn, so
// every distinct value is measured. Workbooks of 1,000 and 10,000 rows,
// every value a new one (a number of its own), and, with 1,000, nine in
// ten values repeated (a department, a company of a few). Timed: the first
// stamping of the values, and the same stamping again, whose measures are
// kept.
#include "BenchCanvas.h"
#include "BenchMain.h"

#include "canvas/CanvasHost.h"
#include "canvas/FieldPlacement.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolPalette.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTText.h"
#include "foundation/User_Profile_Class.h"
#include "profiles/ProfileLayoutTemplate.h"
#include "profiles/ProfileStamp.h"

#include <QApplication>

namespace {

const QSizeF CardSize(242.65, 153.0);

using zelk::bench::Canvas;

const int Slots[] = {zelk::SlotName, zelk::SlotTitle, zelk::SlotCompany, zelk::SlotUnique};
const char* Captions[] = {"Name :", "Position / Title :", "Company Name :", "Unique No. :"};

// Row `r` of column `c`: a value of its own, or, where `repeated`, one of a
// few for all but every tenth row.
QString cell(int c, int r, bool repeated, int run) {
    static const char* stems[] = {"Holder", "Dispatch Coordinator", "Harbourline Freight", "EMP"};
    const int n = repeated && r % 10 ? r % 7 : r;
    return QStringLiteral("%1 %2-%3").arg(QString::fromLatin1(stems[c])).arg(n).arg(run);
}

// range(0): the rows; range(1): 1 where nine in ten values repeat.
void BM_StampBoundToWorkbook(benchmark::State& state, bool again) {
    const int rows = int(state.range(0));
    const bool repeated = state.range(1) != 0;
    static int runs = 0;
    Canvas c;
    zelk::ProfileStamp stamp;
    stamp.canvas = &c.view;
    stamp.tools = &c.tools;
    stamp.rectFor = [](const QString& id, const QString& value) {
        SKTText caption;
        caption.setBounds(QRectF(0, 0, zelk::NewTextWidth, zelk::NewTextHeight));
        caption.Set_text_value(value);
        return zelk::profileControlRect(id, CardSize, zelk::fittedTextHeight(caption));
    };
    stamp.setLibraryPicture = [](const QString&) {};
    stamp.fileExists = [](const QString&) { return false; };
    int run = 0;
    stamp.boundValues = [&](const User_Profile_Class::Slot& s) {
        QStringList values;
        for (int r = 0; r < rows; ++r)
            values << cell(s.xl_col_indx - 1, r, repeated, run);
        return values;
    };
    for (auto _ : state) {
        state.PauseTiming();
        c.view.mutableGraphics().clear();
        run = ++runs;  // values new to the measures
        User_Profile_Class profile;
        profile.Reset_All_Values();
        for (int k = 0; k < 4; ++k) {
            User_Profile_Class::Slot& s = profile.slot(Slots[k]);
            s.xl = 1;
            s.xl_col_indx = k + 1;
            s.value = cell(k, 0, repeated, run);
            s.label = QString::fromLatin1(Captions[k]);
        }
        if (again)
            stamp.stamp(profile);
        state.ResumeTiming();
        if (!stamp.stamp(profile))
            state.SkipWithError("the stamping failed");
        benchmark::DoNotOptimize(c.view.graphics().size());
    }
}
BENCHMARK_CAPTURE(BM_StampBoundToWorkbook, First, false)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StampBoundToWorkbook, Again, true)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return zelk::bench::runInApplication<QApplication>(argc, argv); }
