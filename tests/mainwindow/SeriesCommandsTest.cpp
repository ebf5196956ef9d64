// The main window's series commands open the series windows with the design
// on screen as their in-use guard.
#include "MainWindowTestSupport.h"

#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "datasource/BatchWizard.h"
#include "datasource/Generate_List.h"
#include "datasource/SeriesSupport.h"
#include "foundation/SKTGraphic.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace zelk::test {
namespace {

TEST_F(MainWindowTest, SeriesCommandsGuardTheSeriesTheDesignUses) {
    SKTWindowController& w = open();
    for (const char* name : {"A", "B"})
        writeBytes(series::pathOf(name), "x\n");
    w.toolPalette()->selectTool(zelk::TextTool);
    ASSERT_EQ(w.Get_Front_Control_Count(), 1);
    w.Get_Front_Controls_Array().first()->Set_Data_source_type(1);
    w.Get_Front_Controls_Array().first()->Set_Batch_List_Name("B");

    BatchWizard* manager = BatchWizard::defaultInstance();
    Generate_List* generator = Generate_List::defaultInstance();
    QStringList alerts;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (d == manager) {
            manager->List->selectAll();
            manager->Delete_List_Btn_Clicked();
        } else if (d == generator) {
            generator->from_txt->setText("1");
            generator->to_txt->setText("2");
            generator->seq_file_name->setText("B");
            generator->OKPressed();
        } else {
            alerts << d->findChild<QLabel*>("message")->text();
        }
        return d->result();
    });
    sink.answers = {MessageAnswer::Yes};
    w.actionNamed("Batch_Series_Button")->trigger();
    EXPECT_FALSE(QFileInfo::exists(series::pathOf("A")));
    EXPECT_TRUE(QFileInfo::exists(series::pathOf("B")));
    EXPECT_EQ(alerts.size(), 1);

    sink.shown.clear();
    w.actionNamed("Create_Series_Button")->trigger();
    EXPECT_EQ(sink.shown, QStringList{series::kInUseCreate});
    EXPECT_EQ(fileBytes(series::pathOf("B")), "x\n");
    // The guard lasts as long as the command.
    EXPECT_FALSE(series::inUse("B"));
}

}  // namespace
}  // namespace zelk::test
