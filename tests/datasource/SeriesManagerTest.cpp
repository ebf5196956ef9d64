// The series manager played through the dialog runner: opening, saving with
// its rename and replace rules and the in-use guard, the empty-value
// question, deleting, editing, adding values, exporting, and the viewer.
#include "SeriesFixture.h"
#include "datasource/BatchWizard.h"
#include "datasource/Generate_List.h"
#include "datasource/SeriesFile.h"
#include "datasource/Update_Ex_Num.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/Open_Export_Log.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace zelk::test {
namespace {

class SeriesManagerTest : public SeriesFixture {
protected:
    BatchWizard* m = BatchWizard::defaultInstance();
    std::function<int(QDialog*)> nested;  // the windows the manager opens
    QStringList successBoxes;

    // Runs the manager and plays `script` on it.
    void manage(const std::function<void()>& script) {
        play = [&](QDialog* d) {
            if (d == m) {
                script();
                return 0;
            }
            if (d->objectName() == "Open_Export_Log") {
                successBoxes << d->findChild<QLineEdit*>()->text();
                d->accept();
                return 1;
            }
            return nested ? nested(d) : 0;
        };
        m->Open_Wnd();
    }
    void select(QListView* view, const QList<int>& rows) {
        view->selectionModel()->clear();
        for (int r : rows)
            view->selectionModel()->select(view->model()->index(r, 0), QItemSelectionModel::Select);
        if (!rows.isEmpty())
            view->selectionModel()->setCurrentIndex(view->model()->index(rows.last(), 0), QItemSelectionModel::NoUpdate);
    }
    void open(const QString& name) {
        select(m->List, {int(m->ListData.indexOf(name))});
        m->Update_Btn_Clicked();
    }
};

TEST_F(SeriesManagerTest, SavingUnderOldNewAndTakenNames) {
    const struct {
        const char* name;
        const char* opened;  // "" for a new series
        QString typed;
        QSet<QString> bound;
        std::deque<MessageAnswer> answers;
        QStringList shown;
        QStringList after;  // the series afterwards, "name=bytes"
    } cases[] = {
        {"new, free name", "", "N", {}, {}, {}, {"E=e\n", "N=v\nw\n", "O=o\n"}},
        {"new over an existing one: no", "", "E", {}, {MessageAnswer::No}, {series::kReplaceQuestion}, {"E=e\n", "O=o\n"}},
        {"new over an existing one: yes", "", "E", {}, {MessageAnswer::Yes}, {series::kReplaceQuestion}, {"E=v\nw\n", "O=o\n"}},
        {"new over a bound one", "", "E", {"E"}, {}, {series::kInUseCreate}, {"E=e\n", "O=o\n"}},
        {"same name", "O", "O", {}, {}, {}, {"E=e\n", "O=v\nw\n"}},
        {"bound", "O", "O", {"O"}, {}, {series::kInUseUpdate}, {"E=e\n", "O=o\n"}},
        {"renamed to a free name", "O", "P", {}, {}, {}, {"E=e\n", "P=v\nw\n"}},
        {"renamed over another", "O", "E", {}, {MessageAnswer::Yes}, {series::kReplaceQuestion}, {"E=v\nw\n", "O=o\n"}},
        {"renamed over a bound one", "O", "E", {"E"}, {}, {series::kInUseUpdate}, {"E=e\n", "O=o\n"}},
        {"a slash inside", "", "a/b", {}, {}, {}, {"E=e\n", "O=o\n", "a_b=v\nw\n"}},
        {"nothing left of the name", "", "/?", {}, {}, {series::kInvalidName}, {"E=e\n", "O=o\n"}},
        {"renamed, the write fails", "O", QString(260, 'm'), {}, {}, {series::kFileError}, {"E=e\n", "O=o\n"}},
        {"the write fails", "O", unreplaceableName(), {}, {MessageAnswer::Yes},
         {series::kReplaceQuestion, series::kFileError}, {"E=e\n", "O=o\n", unreplaceableName() + "=old\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(Data_Folder_Path).removeRecursively();
        QDir().mkpath(Data_Folder_Path);
        writeSeries("E", "e\n");
        writeSeries("O", "o\n");
        if (c.typed == unreplaceableName())
            writeSeries(unreplaceableName(), "old\n");
        bound = c.bound;
        shown.clear();
        bool onFirstScreen = false;
        manage([&] {
            if (QString(c.opened).isEmpty())
                m->AddNew_Btn_Clicked();
            else
                open(c.opened);
            m->ListData_value = {" v ", "w"};
            m->batch_list_name->setText(c.typed);
            answers = c.answers;
            m->Save_Btn_Clicked();
            onFirstScreen = !m->avl_list_box->isHidden();
        });
        EXPECT_EQ(shown, c.shown);
        QStringList after;
        for (const QString& name : Get_datasheet_File_Name_Array(Data_Folder_Path))
            after << name + "=" + QString::fromUtf8(seriesBytes(name));
        after.sort();
        EXPECT_EQ(after, c.after);
        // A save goes back to the list of series; a refusal stays with the values.
        const bool saved = c.shown.isEmpty() || (c.shown == QStringList{series::kReplaceQuestion} && c.answers.front() == MessageAnswer::Yes);
        EXPECT_EQ(onFirstScreen, saved);
    }
}

TEST_F(SeriesManagerTest, EmptyValuesBeforeTheLastOneAreAskedAbout) {
    const QString question = "This series contains 2 empty values. Saving removes them and moves the values after "
                             "them to earlier cards. Do you want to save it?";
    const struct {
        QByteArray file;
        std::deque<MessageAnswer> answers;
        QStringList shown;
        QByteArray after;
    } cases[] = {
        {"  a \n\nb\r\n   \n c\n\n", {MessageAnswer::No}, {question}, "  a \n\nb\r\n   \n c\n\n"},
        {"  a \n\nb\r\n   \n c\n\n", {MessageAnswer::Yes}, {question}, "a\nb\nc\n"},
        {"a\r\nb\n\n\n", {}, {}, "a\nb\n"},  // blank lines at the end make no cards
    };
    for (const auto& c : cases) {
        writeSeries("S", c.file);
        shown.clear();
        QStringList values;
        manage([&] {
            open("S");
            values = m->ListData_value;
            answers = c.answers;
            m->Save_Btn_Clicked();
        });
        EXPECT_EQ(values, (c.file.startsWith(" ") ? QStringList{"a", "b", "c"} : QStringList{"a", "b"}));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(seriesBytes("S"), c.after);
    }
}

TEST_F(SeriesManagerTest, DeletingSeries) {
    for (const char* n : {"A", "B", "C", "D"})
        writeSeries(n, "x\n");
    bound = {"B", "C"};
    QStringList alerts;
    nested = [&](QDialog* d) {
        alerts << d->findChild<QLabel*>("message")->text();
        d->findChild<QCheckBox*>()->setChecked(true);  // "Apply to All"
        return 1;
    };
    answers = {MessageAnswer::Yes};
    manage([&] {
        select(m->List, {0, 1, 2});
        m->Delete_List_Btn_Clicked();
    });
    EXPECT_EQ(alerts, QStringList{"Series is in use\n\nB\n\nBatch Processing Series can't be delete because it is currently in use."});
    EXPECT_EQ(m->ListData, (QStringList{"B", "C", "D"}));  // rebuilt from the folder
    EXPECT_EQ(m->batch_list_count->text(), "Total List : 3");

    bound.clear();
    answers = {MessageAnswer::Yes};
    manage([&] {
        select(m->List, {2});
        m->Delete_List_Btn_Clicked();
        EXPECT_EQ(m->List->currentIndex().row(), 0);  // the last row went: the first is selected
    });
    EXPECT_FALSE(seriesExists("D"));
    EXPECT_EQ(m->ListData, (QStringList{"B", "C"}));
}

TEST_F(SeriesManagerTest, EditingAndAddingValues) {
    Update_Ex_Num* editor = m->Update_Value_Wnd;
    const struct {
        const char* typed;
        QStringList values;
        QStringList shown;
    } edits[] = {{"b", {"a", "b"}, {}}, {"  ", {"a", "b"}, {"Please enter a valid value."}}, {"x ", {"a", "x"}, {}}};
    for (const auto& e : edits) {
        shown.clear();
        nested = [&](QDialog*) {
            editor->m_ex_num_str->setText(e.typed);
            editor->OKPressed();
            return editor->result();
        };
        manage([&] {
            m->AddNew_Btn_Clicked();
            m->Create_Value_List(QStringList{"a", " b ", ""});
            select(m->List_value, {1});
            m->doubleClickInTable(m->List_value);
        });
        EXPECT_EQ(m->ListData_value, e.values) << e.typed;
        EXPECT_EQ(shown, e.shown);
    }

    // Values from the generator: the list is cleared (Yes = 1), kept (No = 0)
    // or the command abandoned (Cancel).
    for (const int answer : {1, 0, -1}) {
        nested = [&](QDialog* d) {
            if (d->objectName() == "Load_Num_Info")
                return answer;
            auto* g = static_cast<Generate_List*>(d);
            g->from_txt->setText("1");
            g->to_txt->setText("2");
            g->OKPressed();
            return g->result();
        };
        manage([&] {
            m->AddNew_Btn_Clicked();
            m->Create_Value_List("old");
            m->Series_Value_Btn_Clicked();
        });
        const QStringList expected = answer == 1 ? QStringList{"1", "2"}
                                   : answer == 0 ? QStringList{"old", "1", "2"} : QStringList{"old"};
        EXPECT_EQ(m->ListData_value, expected) << answer;
    }
}

TEST_F(SeriesManagerTest, ExportingTheValues) {
    QDir().mkpath(tmp.filePath("out"));
    writeBytes(tmp.filePath("a file"), "x");
    const struct {
        QString chosen;
        QString written;  // "" when the write fails
        QString told;     // the message of a failed write
    } cases[] = {
        {tmp.filePath("out/v.xlsx"), tmp.filePath("out/v.xlsx"), ""},
        {tmp.filePath("out/v.txt"), tmp.filePath("out/v.txt"), ""},
        {tmp.filePath("out/v.csv"), tmp.filePath("out/v.csv.txt"), ""},  // any other extension: text
        // Its folder is a file; a workbook also says why.
        {tmp.filePath("a file/v.xlsx"), "", series::kFileError + "\n\n" + tmp.filePath("a file/v.xlsx") + ": Not a directory"},
        {tmp.filePath("a file/v.txt"), "", series::kFileError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        shown.clear();
        successBoxes.clear();
        nested = [&](QDialog* d) {
            auto* panel = qobject_cast<QFileDialog*>(d);
            EXPECT_NE(panel, nullptr);
            panel->selectFile(c.chosen);
            static_cast<QDialog*>(panel)->done(QDialog::Accepted);
            return 1;
        };
        manage([&] {
            m->AddNew_Btn_Clicked();
            m->Create_Value_List(QStringList{"Zoë", "0012", "a b"});
            m->Export_Value_Btn_Clicked();
        });
        EXPECT_EQ(successBoxes, c.written.isEmpty() ? QStringList() : QStringList{c.written});
        EXPECT_EQ(shown, c.written.isEmpty() ? QStringList{c.told} : QStringList());
        if (c.written.endsWith(".txt")) {
            EXPECT_EQ(fileBytes(c.written), QString("Zoë\n0012\na b\n").toUtf8());
        }
    }
    const QByteArray cells = python(R"PY(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
print("|".join(str(r[0].value) for r in ws.iter_rows()), end="")
)PY", {tmp.filePath("out/v.xlsx")});
    EXPECT_EQ(QString::fromUtf8(cells), "Batch Value|Zoë|0012|a b");
    EXPECT_EQ(SeriesFile::readValueList(tmp.filePath("out/v.txt")), (QStringList{"Zoë", "0012", "a b"}));
}

TEST_F(SeriesManagerTest, TheViewerShowsTheValueList) {
    writeSeries("V", " a\nb \n\n\t\nc\n");
    View_Data_Series* viewer = View_Data_Series::defaultInstance();
    QString count;
    play = [&](QDialog*) {
        count = viewer->list_count->text();
        viewer->OK_Btn_Clicked();
        return viewer->result();
    };
    for (const char* name : {"V", "missing"}) {
        viewer->file_name = name;
        viewer->Open_Wnd();
        EXPECT_EQ(viewer->ListData, QString(name) == "V" ? (QStringList{"a", "b", "c"}) : QStringList());
        EXPECT_EQ(count, QString(name) == "V" ? "Total Rows : 3" : "Total Rows : 0");
    }
}

}  // namespace
}  // namespace zelk::test
