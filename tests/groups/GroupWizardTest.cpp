#include "../production/ExportTestSupport.h"
#include "../profiles/ProfileTestSupport.h"
#include "HolderFields.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "groups/GroupMode.h"
#include "groups/GroupProjects.h"
#include "groups/Group_Mode_Wizard.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/TemplateGallery.h"
#include "mainwindow/UserTemplates.h"
#include "production/ExportWindow.h"

#include <QDirIterator>
#include <QFile>
#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace zelk::test {
namespace {

class GroupWizardTest : public ProfileDialogTest {
protected:
    void SetUp() override {
        ProfileDialogTest::SetUp();
        GroupMode::install(*window);
        ::Start_Card_Option = QStringLiteral("L");
        play = [this](QDialog* d) {
            if (d == wizard) {
                if (script)
                    script(wizard);
                return wizard->result();
            }
            if (auto* name = qobject_cast<Export_Template*>(d)) {
                // The user tries each name in turn while the dialog stays open.
                ++nameDialogs;
                nameCaptions << name->template_name_label->text();
                while (!renames.isEmpty() && name->result() != 1) {
                    name->template_name->setText(renames.takeFirst());
                    name->OKPressed();
                }
                return name->result();
            }
            return 0;
        };
    }
    void TearDown() override {
        wizard->add_new_folder.clear();
        ProfileDialogTest::TearDown();
    }

    // A workbook of eleven sheets whose second holds `count` card holders
    // (name, title, photo) under a title row; the photos are real PNGs.
    QString peopleBook(int count, const QString& file = QStringLiteral("people.xlsx")) {
        QStringList rows;
        for (int i = 1; i <= count; ++i) {
            const QString photo = data.filePath(QStringLiteral("photo%1.png").arg(i));
            QImage picture(40, 50, QImage::Format_RGB32);
            picture.fill(QColor(200, (i * 5) % 256, 40));
            picture.save(photo);
            rows << QStringLiteral("['Person %1', 'Title %1', '%2']").arg(i).arg(photo);
        }
        const QString path = data.filePath(file);
        const ToolResult r = runTool(
            debianPython(),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, openpyxl\nwb = openpyxl.Workbook()\nwb.active.append(['cover'])\n"
                            "ws = wb.create_sheet('People')\nws.append(['Name', 'Title', 'Photo'])\n"
                            "for row in [%1]:\n    ws.append(row)\n"
                            "for k in range(9):\n    wb.create_sheet('Extra%d' % k).append(['x', 'y'])\n"
                            "wb.save(sys.argv[1])\n")
                 .arg(rows.join(QLatin1Char(','))),
             path});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return path;
    }

    // The new-project way up to the column screen.
    static void toColumns(Group_Mode_Wizard* w, const QString& name, const QString& book) {
        w->New_Radio_Click();
        w->proj_name->setText(name);
        w->excel_path->setText(book);
        w->OK_Click();
        w->OK_Click();
    }
    // Sheet 2, name and title columns, the front photo from column 3.
    static void chooseColumns(Group_Mode_Wizard* w) {
        w->Sheet_ComboBox->setCurrentIndex(1);
        w->col_combos[0]->setCurrentIndex(1);
        w->col_combos[1]->setCurrentIndex(2);
        w->col_combos[10]->setCurrentIndex(3);
    }
    int run(std::function<void(Group_Mode_Wizard*)> s) {
        script = std::move(s);
        return wizard->Open_Wnd(*window);
    }
    std::shared_ptr<SKTGraphic> front(const QString& id) { return window->_graphicView->Selcect_Ctrl_With_ID(id); }

    Group_Mode_Wizard* wizard = Group_Mode_Wizard::defaultInstance();
    std::function<void(Group_Mode_Wizard*)> script;
    QStringList renames;
    int nameDialogs = 0;
    QStringList nameCaptions;
};

TEST_F(GroupWizardTest, ANewProjectFromTheSecondOfElevenSheets) {
    const QString book = peopleBook(50);
    window->Show_Hide_Profile_Panel_Live_Mode(false);  // as the start chooser leaves it
    ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                  EXPECT_EQ(w->new_or_open_or_log, 0);
                  EXPECT_EQ(w->proj_name->text(), QStringLiteral("MyProject"));
                  toColumns(w, QStringLiteral(" Team "), book);
                  EXPECT_EQ(w->Sheet_ComboBox->count(), 11);
                  EXPECT_EQ(w->Sheet_ComboBox->itemText(1), QStringLiteral("sheet2"));
                  chooseColumns(w);
                  EXPECT_EQ(w->col_combos[2]->itemText(3), QStringLiteral("Photo"));
                  w->OK_Click();
              }),
              1)
        << sink.text();
    const QString project = GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Team"));
    EXPECT_TRUE(QFileInfo(project).isFile());
    EXPECT_EQ(::Project_File_Name, project);
    EXPECT_EQ(::Start_Card_Option, QStringLiteral("G"));
    EXPECT_EQ(tableTitles().mid(1), (QStringList{QStringLiteral("Name"), QStringLiteral("Title"),
                                                 QStringLiteral("Photo"), QStringLiteral("MFPC"),
                                                 QStringLiteral("MBPC")}));
    EXPECT_EQ(window->excel_cb_value_f_man, 4);
    EXPECT_EQ(window->excel_cb_value_b_man, 5);
    EXPECT_TRUE(Data_From_Excel::defaultInstance()->ColList().at(4).hidden);
    EXPECT_EQ(tableRows().size(), 50);
    EXPECT_EQ(tableRows().at(24).value(QStringLiteral("Column1")).toString(), QStringLiteral("Person 25"));
    EXPECT_EQ(tableRows().at(0).value(QStringLiteral("Column4")).toString(), window->NO_Image_Path);
    ASSERT_EQ(window->GroupListData.size(), 50);
    EXPECT_EQ(window->GroupListData.at(49).value(QStringLiteral("BatchList")).toString(),
              QStringLiteral("50 - Person 50"));
    EXPECT_EQ(window->excel_cb_value[0], 1);
    EXPECT_EQ(window->excel_cb_value[2], -1);
    EXPECT_EQ(window->excel_cb_value[10], 3);
    // The slots are bound to their columns and show the first holder.
    const auto name = front(QStringLiteral("Fup_Name"));
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->excel_binding);
    EXPECT_EQ(name->excel_col_indx, 1);
    const auto photo = front(QStringLiteral("Fup_Photo"));
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->excel_col_indx, 3);

    // The stored file carries the rows and the manual-photo titles.
    const DesignReadResult stored = DesignFile::readDesignFile(project);
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored.contents->excelRows.size(), 50);
    EXPECT_TRUE(stored.contents->excelColumnTitles.contains(QStringLiteral("MBPC")));
    EXPECT_EQ(stored.contents->Start_Card_Option, QStringLiteral("G"));

    // Opened again from the tree (the wizard now starts in that way).
    window->New_Project();
    Data_From_Excel::defaultInstance()->clearRows();
    ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                  EXPECT_EQ(w->new_or_open_or_log, 1);
                  EXPECT_EQ(w->Selected_GP_Project, project);
                  w->OK_Click();
              }),
              1)
        << sink.text();
    window->Load_Group_Mode_After_log_reading();
    EXPECT_EQ(tableRows().size(), 50);
    EXPECT_EQ(window->excel_cb_value[0], 1);
    EXPECT_EQ(window->excel_cb_value_f_man, 4);
    EXPECT_EQ(window->GroupListData.size(), 50);
    EXPECT_EQ(::Project_File_Name, project);
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Team"))) << window->windowTitle().toStdString();
}

TEST_F(GroupWizardTest, FirstScreenRefusals) {
    const QString book = peopleBook(2);
    writeBytes(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Taken")), "x");
    run([&](Group_Mode_Wizard* w) {
        w->New_Radio_Click();
        struct Case {
            QString name, excel, message;
        };
        const Case cases[] = {
            {QStringLiteral("   "), book, Group_Mode_Wizard::EnterNameMessage},
            {QStringLiteral("/..."), book, Group_Mode_Wizard::EnterNameMessage},
            {QStringLiteral("Fine"), QStringLiteral(" "), Group_Mode_Wizard::SelectExcelMessage},
            {QStringLiteral("Taken"), book, GroupProjects::NameExistsMessage},
            {QStringLiteral(" ..Taken"), book, GroupProjects::NameExistsMessage},
        };
        for (const Case& c : cases) {
            sink.shown.clear();
            w->proj_name->setText(c.name);
            w->excel_path->setText(c.excel);
            w->OK_Click();
            EXPECT_EQ(sink.shown, QStringList{c.message}) << c.name.toStdString();
            EXPECT_EQ(w->next_counter, 0);
        }
        // A name that climbs out of its folder is cleaned into a file name
        // that the project tree lists (no leading dot hides it).
        w->proj_name->setText(QStringLiteral("../x"));
        w->OK_Click();
        EXPECT_EQ(w->next_counter, 1);
        EXPECT_EQ(w->final_grp_design_path, GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("_x")));
        writeBytes(w->final_grp_design_path, "x");
        GroupProjects tree;
        tree.Fill_Tree_View();
        EXPECT_EQ(tree.Get_Selected_Project_Path(1), w->final_grp_design_path);
        w->Cancel_Click();
    });
}

TEST_F(GroupWizardTest, ASheetWithoutDataRowsIsRefusedBeforeTheDesignChanges) {
    const QString headerOnly = workbook(QStringLiteral("header.xlsx"), QStringLiteral("[['Name', 'Title']]"));
    const int result = run([&](Group_Mode_Wizard* w) {
        toColumns(w, QStringLiteral("Empty"), headerOnly);
        w->col_combos[0]->setCurrentIndex(1);
        w->OK_Click();
        EXPECT_EQ(sink.shown.value(0), Group_Mode_Wizard::NoRowsMessage);
        EXPECT_EQ(w->next_counter, 2);
        w->Cancel_Click();
    });
    EXPECT_EQ(result, 0);
    EXPECT_NE(::Start_Card_Option, QStringLiteral("G"));
    EXPECT_FALSE(QFileInfo::exists(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Empty"))));
}

// The sheet is up while a workbook is read (a timer due at once fires in the
// sheet's first paint) and gone afterwards, also when the read failed.
TEST_F(GroupWizardTest, ThePleaseWaitSheetCoversEachWorkbookRead) {
    const QString headerOnly = workbook(QStringLiteral("header.xlsx"), QStringLiteral("[['Name', 'Title']]"));
    const QString broken = data.filePath(QStringLiteral("broken.xlsx"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a zip");
    file.close();
    int seenUp = 0;
    auto watchNextRead = [&](Group_Mode_Wizard* w) {
        QTimer::singleShot(0, w, [&seenUp, w] { seenUp += w->plz_wait_Window->isSheetShown() ? 1 : 0; });
    };
    run([&](Group_Mode_Wizard* w) {
        toColumns(w, QStringLiteral("Wait"), headerOnly);
        watchNextRead(w);
        w->Load_file_Func(broken);
        EXPECT_FALSE(w->plz_wait_Window->isSheetShown());
        EXPECT_EQ(w->Sheet_ComboBox->count(), 0);
        watchNextRead(w);
        w->Load_file_Func(headerOnly);
        EXPECT_FALSE(w->plz_wait_Window->isSheetShown());
        w->col_combos[0]->setCurrentIndex(1);
        watchNextRead(w);
        w->OK_Click();  // the commit reads the rows again, and refuses
        EXPECT_FALSE(w->plz_wait_Window->isSheetShown());
        EXPECT_EQ(sink.shown.value(0), Group_Mode_Wizard::NoRowsMessage);
        w->Cancel_Click();
    });
    EXPECT_EQ(seenUp, 3);
}

// After the start chooser's group road the project is where undo starts:
// no step at all, also once the list shows another holder (undoing that
// would put the first holder's values under the selected line).
TEST_F(GroupWizardTest, TheRoadAndSelectingALineLeaveNoUndoStep) {
    const QString book = peopleBook(3);
    script = [&](Group_Mode_Wizard* w) {
        toColumns(w, QStringLiteral("Undo"), book);
        chooseColumns(w);
        w->OK_Click();
    };
    // The chooser answers "G" once, then the road is taken.
    struct GroupRoad : MainWindowStartSteps {
        using MainWindowStartSteps::MainWindowStartSteps;
        QString chooseStartMode() override { return QStringLiteral("G"); }
    } steps(*window);
    ASSERT_EQ(StartChooser::Open_Start_Window(steps), StartChooser::Started) << sink.text();
    QAction* undo = window->actionNamed(QStringLiteral("Undo_Button"));
    EXPECT_FALSE(window->_graphicView->canUndo());
    // As on screen: the photo is selected, so the inspector shows it while
    // the line changes.
    window->Set_Selected_Graphic(front(QStringLiteral("Fup_Photo")));
    window->Mark_Group_List_New_Selection(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(front(QStringLiteral("Fup_Name"))->Text_Value, QStringLiteral("Person 3"));
    EXPECT_FALSE(window->_graphicView->canUndo());
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(GroupWizardTest, TemplateAndColumnScreenRefusals) {
    const QString book = peopleBook(2);
    run([&](Group_Mode_Wizard* w) {
        w->New_Radio_Click();
        w->proj_name->setText(QStringLiteral("P"));
        w->excel_path->setText(book);
        w->OK_Click();
        ASSERT_EQ(w->next_counter, 1);
        // A preview whose design file is missing is no template.
        const QString orphan = data.filePath(QStringLiteral("orphan.png"));
        QImage(4, 4, QImage::Format_RGB32).save(orphan);
        ::Selected_Template_Path = orphan;
        w->OK_Click();
        EXPECT_EQ(sink.shown, QStringList{UserTemplates::SelectTemplateMessage});
        EXPECT_EQ(w->next_counter, 1);
        w->gallery.imageBrowserSelectionDidChange(0);
        w->OK_Click();
        ASSERT_EQ(w->next_counter, 2);
        w->OK_Click();
        EXPECT_EQ(sink.shown.value(1), Group_Mode_Wizard::NoneColumnMessage);
        EXPECT_EQ(w->next_counter, 2);
        w->Cancel_Click();
    });
}

TEST_F(GroupWizardTest, BackBrowseAndNextStillReadTheRows) {
    const QString book = peopleBook(3);
    nextOpenPath = book;
    ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                  toColumns(w, QStringLiteral("Again"), book);
                  w->Back_Click();
                  w->Back_Click();
                  w->Browse_excel_Btn_Clicked();  // empties the working folder
                  w->OK_Click();
                  w->OK_Click();
                  chooseColumns(w);
                  w->OK_Click();
              }),
              1)
        << sink.text();
    EXPECT_EQ(tableRows().size(), 3);
}

TEST_F(GroupWizardTest, AFailedFirstSaveKeepsTheWizardOpen) {
    const QString book = peopleBook(2);
    QDir().mkpath(GroupProjects::base() + QStringLiteral("/All/Gone"));
    const int result = run([&](Group_Mode_Wizard* w) {
        w->New_Radio_Click();
        w->proj_name->setText(QStringLiteral("Lost"));
        w->proj_path->setCurrentIndex(w->proj_path->findText(QStringLiteral("All/Gone")));
        w->excel_path->setText(book);
        w->OK_Click();
        w->OK_Click();
        chooseColumns(w);
        // The folder becomes a file before the project is written.
        QDir(GroupProjects::base() + QStringLiteral("/All/Gone")).removeRecursively();
        writeBytes(GroupProjects::base() + QStringLiteral("/All/Gone"), "file");
        sink.shown.clear();
        w->OK_Click();
        EXPECT_EQ(w->next_counter, 2);
        EXPECT_EQ(w->result(), 0);
        EXPECT_FALSE(sink.shown.isEmpty());
        EXPECT_FALSE(sink.shown.join(QLatin1Char(' ')).contains(QStringLiteral("successfully")));
        w->Cancel_Click();
    });
    EXPECT_EQ(result, 0);
}

TEST_F(GroupWizardTest, OpenWaysRefuseFilesWithoutRows) {
    // A design file with no table rows.
    window->Save_project_file(false, false, DesignFile::DesignMode);  // untitled: no path given
    DesignContents empty;
    empty.Start_Card_Option = QStringLiteral("G");
    const QString emptyProject = GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Empty"));
    GroupProjects::folders();
    ASSERT_TRUE(DesignFile::writeDesignFile(emptyProject, empty, DesignFile::DesignMode).ok);
    run([&](Group_Mode_Wizard* w) {
        w->Open_Radio_Click();
        EXPECT_EQ(w->Selected_GP_Project, emptyProject);
        w->OK_Click();
        EXPECT_EQ(sink.shown, QStringList{GroupProjects::SelectProjectMessage});
        w->Open_log_Radio_Click();
        w->log_path->setText(emptyProject);
        w->OK_Click();
        w->log_path->setText(data.filePath(QStringLiteral("missing.did")));
        w->OK_Click();
        EXPECT_EQ(sink.shown.mid(1), (QStringList{Group_Mode_Wizard::BadLogMessage, Group_Mode_Wizard::BadLogMessage}));
        w->Cancel_Click();
    });
    EXPECT_NE(::Start_Card_Option, QStringLiteral("G"));
}

TEST_F(GroupWizardTest, RenamingToATakenNameAsksAgain) {
    GroupProjects::folders();
    writeBytes(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Alpha")), "a");
    writeBytes(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Beta")), "b");
    // A user template of the new name is no reason to refuse a project's.
    QDir().mkpath(UserTemplates::folder());
    writeBytes(UserTemplates::designPathOf(QStringLiteral("Gamma")), "t");
    renames = {QStringLiteral("Beta"), QStringLiteral("Gamma")};
    run([&](Group_Mode_Wizard* w) {
        EXPECT_EQ(w->new_or_open_or_log, 1);
        EXPECT_EQ(QFileInfo(w->Selected_GP_Project).fileName(), QStringLiteral("Alpha.did"));
        w->Rename_Prj_Click();
        w->Cancel_Click();
    });
    EXPECT_EQ(nameDialogs, 1);
    EXPECT_EQ(nameCaptions, QStringList{QStringLiteral("Project name")});
    EXPECT_EQ(sink.shown, QStringList{GroupProjects::NameExistsMessage});
    EXPECT_EQ(fileBytes(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Beta"))), "b");
    EXPECT_EQ(fileBytes(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Gamma"))), "a");
}

TEST_F(GroupWizardTest, TheStartChooserRoadRunsTheWizard) {
    MainWindowStartSteps steps(*window);
    EXPECT_EQ(run([](Group_Mode_Wizard* w) { w->Cancel_Click(); }), 0);
    script = [](Group_Mode_Wizard* w) { w->Cancel_Click(); };
    EXPECT_EQ(steps.runGroupWizard(), 0);
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

// The whole road: a workbook becomes a project, rows are edited, added,
// deleted and saved, the project opens again as it was left, and the
// first, 25th and last holders render to PDF with their own values.
TEST_F(GroupWizardTest, EditReopenAndRenderHolders) {
    const QString book = peopleBook(50);
    window->Show_Hide_Profile_Panel_Live_Mode(false);  // as the start chooser leaves it
    ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                  toColumns(w, QStringLiteral("Staff"), book);
                  chooseColumns(w);
                  w->OK_Click();
              }),
              1)
        << sink.text();
    window->Load_Group_Mode_After_log_reading();
    for (const QWidget* pane : {window->group_control_view, window->group_mode_view, window->Visitor_mode_view,
                                window->front_vistr_view})
        EXPECT_FALSE(pane->isHidden()) << pane->objectName().toStdString();
    // The front panel's name and title boxes, played: selecting a line
    // shows its row there.
    QString panel[2];
    window->visitorPanels.panelSlotValue = [&](int side, int slot, QString* value, bool* ticked) {
        if (side != 0 || slot > 1)
            return false;
        *value = panel[slot];
        *ticked = true;
        return true;
    };
    window->visitorPanels.setPanelSlotValue = [&](int side, int slot, const QString& value) {
        if (side == 0 && slot <= 1)
            panel[slot] = value;
    };
    window->Set_GP_mode_Value_From_Excel(QStringLiteral("F"), 0);  // line 0 is selected
    ASSERT_EQ(panel[0], QStringLiteral("Person 1"));
    panel[0] = QStringLiteral("Person 1 edited");
    window->Save_In_Excel_Details_Btn_Clicked();
    window->Mark_Group_List_New_Selection(49);
    panel[0] = QStringLiteral("Person 51");
    panel[1] = QStringLiteral("Title 51");
    window->Add_In_Excel_Details_Btn_Clicked();
    window->Mark_Group_List_New_Selection(1);
    sink.answers = {MessageAnswer::Yes};
    window->Delete_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(sink.shown.filter(QStringLiteral("successfully")),
              (QStringList{QStringLiteral("Record saved successfully."), QStringLiteral("Record added successfully."),
                           QStringLiteral("Record deleted successfully.")}));
    const QList<QVariantMap> rowsLeft = tableRows();
    ASSERT_EQ(rowsLeft.size(), 50);
    const std::array<int, 12> bindings = window->excel_cb_value;

    // Opened again.
    window->New_Project();
    Data_From_Excel::defaultInstance()->clearRows();
    Data_From_Excel::defaultInstance()->removeDataColumns();
    ASSERT_EQ(run([](Group_Mode_Wizard* w) { w->OK_Click(); }), 1) << sink.text();
    window->Load_Group_Mode_After_log_reading();
    EXPECT_EQ(tableRows(), rowsLeft);
    EXPECT_EQ(window->excel_cb_value, bindings);
    EXPECT_EQ(window->excel_cb_value_f_man, 4);
    EXPECT_EQ(window->excel_cb_value_b_man, 5);
    EXPECT_TRUE(Data_From_Excel::defaultInstance()->ColList().at(5).hidden);
    ASSERT_EQ(window->GroupListData.size(), 50);
    EXPECT_EQ(window->GroupListData.at(0).value(QStringLiteral("BatchList")).toString(),
              QStringLiteral("1 - Person 1 edited"));

    struct Holder {
        int line;
        const char* name;
        int green;  // of the photo
    };
    const Holder holders[] = {{0, "Person 1 edited", 5}, {24, "Person 26", 130}, {49, "Person 51", 250}};
    for (const Holder& h : holders) {
        SCOPED_TRACE(h.name);
        window->Mark_Group_List_New_Selection(h.line);
        const QString stem = data.filePath(QStringLiteral("holder%1").arg(h.line));
        Player player;
        player.setUp = [](ExportWindow& w) {
            w.Export_with_excel_chk->setChecked(false);
            w.matrix_file_type->button(4)->click();         // PDF
            w.matrix_export_card_side->button(1)->click();  // front
            w.exportOkay();
        };
        player.savePaths = {stem + QStringLiteral(".PDF")};
        window->Export_Button();
        QString pdf;
        for (const QString& f : QDir(data.path()).entryList({QStringLiteral("holder%1*").arg(h.line)}))
            pdf = data.filePath(f);
        ASSERT_FALSE(pdf.isEmpty()) << sink.text();
        const QString text = QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out);
        // A long name may wrap in its box.
        EXPECT_TRUE(text.simplified().contains(QString::fromUtf8(h.name))) << text.toStdString();
        // A pixel in the middle of the photo, rendered by poppler.
        const QString png = stem + QStringLiteral("-page");
        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdf, png});
        const QImage page(png + QStringLiteral(".png"));
        ASSERT_FALSE(page.isNull());
        const auto photo = front(QStringLiteral("Fup_Photo"));
        ASSERT_TRUE(photo);
        const QSizeF card = window->document()->documentSize();
        const QPointF centre = photo->bounds().center();
        const QColor pixel = page.pixelColor(int(centre.x() / card.width() * page.width()),
                                             int(centre.y() / card.height() * page.height()));
        EXPECT_NEAR(pixel.red(), 200, 12);
        EXPECT_NEAR(pixel.green(), h.green, 12);
        EXPECT_NEAR(pixel.blue(), 40, 12);
    }
}

// A shipped template's own name, title and photo take the chosen columns
// where the template has them; nothing is placed over them.
TEST_F(GroupWizardTest, AShippedTemplatesOwnFieldsTakeTheColumns) {
    const QString book = peopleBook(2);
    const QString preview = resourceDir() + QStringLiteral("/Templates/Education/Education_Faculty.png");
    const DesignReadResult shipped = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
    ASSERT_TRUE(shipped.ok());
    QHash<QString, QRectF> frames;
    for (const auto& g : shipped.contents->frontGraphics)
        frames.insert(g->control_ID, g->bounds());
    ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                  w->New_Radio_Click();
                  w->proj_name->setText(QStringLiteral("Faculty"));
                  w->excel_path->setText(book);
                  w->OK_Click();
                  ::Selected_Template_Path = preview;
                  w->OK_Click();
                  chooseColumns(w);
                  w->OK_Click();
              }),
              1)
        << sink.text();
    window->Load_Group_Mode_After_log_reading();  // as the start chooser's road goes on
    const GraphicList& side = window->Get_Front_Controls_Array();
    EXPECT_EQ(side.size(), shipped.contents->frontGraphics.size());
    struct Bound {
        QString id, value;
        int column;
    };
    for (const Bound& b : {Bound{Fup_Name, QStringLiteral("Person 1"), 1}, Bound{Fup_Title, QStringLiteral("Title 1"), 2},
                           Bound{Fup_Photo, data.filePath(QStringLiteral("photo1.png")), 3}}) {
        SCOPED_TRACE(b.id.toStdString());
        const auto g = front(b.id);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->excel_col_indx, b.column);
        EXPECT_EQ(g->kind() == GraphicKind::Image ? g->_file_path : g->Text_Value, b.value);
        EXPECT_NEAR(g->bounds().x(), frames.value(b.id).x(), 1e-4);
        EXPECT_NEAR(g->bounds().y(), frames.value(b.id).y(), 1e-4);
        EXPECT_NEAR(g->bounds().width(), frames.value(b.id).width(), 1e-4);
    }
    for (const auto& g : side) {
        if (g->control_ID != Fup_Name && g->kind() == GraphicKind::Text && g->ctrl_is_visible) {
            EXPECT_FALSE(g->bounds().intersects(front(Fup_Name)->bounds())) << g->Text_Value.toStdString();
        }
    }
    // The slots left on "None" print no sample text ("ID 000123") on either
    // side, nor a back photo without its column; the front photo stays.
    for (SKTGraphicView* canvas : {window->_graphicView, window->_graphicView_BACK}) {
        const auto number = canvas->Selcect_Ctrl_With_ID(Fup_UniqueNo);
        ASSERT_TRUE(number);
        EXPECT_FALSE(number->ctrl_is_visible);
        EXPECT_TRUE(canvas->Selcect_Ctrl_With_ID(Fup_Name)->ctrl_is_visible);
    }
    EXPECT_TRUE(front(Fup_Photo)->ctrl_is_visible);
    EXPECT_FALSE(window->_graphicView_BACK->Selcect_Ctrl_With_ID(Fup_Photo)->ctrl_is_visible);
    // So the project stores them.
    const DesignReadResult stored = DesignFile::readDesignFile(::Project_File_Name);
    ASSERT_TRUE(stored.ok());
    for (const auto& g : stored.contents->frontGraphics) {
        if (g->control_ID == Fup_UniqueNo) {
            EXPECT_FALSE(g->ctrl_is_visible);
        }
    }
}

// A project on each shipped template with every column bound: the
// template's own frames take the columns on both sides; a field shows where
// the template shows it and, where it shows it nowhere, on the front alone;
// nothing is placed anew, no two texts or pictures meet, the photos stay in
// their frames.
TEST_F(GroupWizardTest, EveryColumnOnEachShippedTemplateFillsItsOwnFrames) {
    QStringList titles, values;
    for (const HolderSample& h : holderSamples().mid(0, ProfileTextSlotCount)) {
        titles << h.valueId;
        values << h.value;
    }
    for (const char* side : {"front", "back"}) {
        const QString photo = data.filePath(QStringLiteral("%1.png").arg(QLatin1String(side)));
        QImage(40, 50, QImage::Format_RGB32).save(photo);
        titles << QLatin1String(side);
        values << photo;
    }
    const QString book = data.filePath(QStringLiteral("holders.xlsx"));
    const ToolResult r =
        runTool(debianPython(), {QStringLiteral("-c"),
                                 QStringLiteral("import sys, openpyxl\nwb = openpyxl.Workbook()\n"
                                                "wb.active.append(sys.argv[2].split('|'))\n"
                                                "wb.active.append(sys.argv[3].split('|'))\nwb.save(sys.argv[1])\n"),
                                 book, titles.join(QLatin1Char('|')), values.join(QLatin1Char('|'))});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    QStringList previews;
    const QDir root(resourceDir() + QStringLiteral("/Templates"));
    for (const QString& folder : TemplateGallery::categoryFolderNames())
        previews << TemplateGallery::previewFilesIn(root.filePath(folder));
    ASSERT_GE(previews.size(), 14);
    for (const QString& preview : previews) {
        const QString name = QFileInfo(preview).baseName();
        SCOPED_TRACE(name.toStdString());
        const DesignReadResult shipped = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(shipped.ok());
        ASSERT_EQ(run([&](Group_Mode_Wizard* w) {
                      w->New_Radio_Click();
                      w->proj_name->setText(name);
                      w->excel_path->setText(book);
                      w->OK_Click();
                      ::Selected_Template_Path = preview;
                      w->OK_Click();
                      for (int c = 0; c < 12; ++c)
                          w->col_combos[size_t(c)]->setCurrentIndex(c + 1);
                      w->OK_Click();
                  }),
                  1)
            << sink.text();
        window->Load_Group_Mode_After_log_reading();
        auto shippedShows = [&](int s, const QString& id) {
            for (const auto& g : s == 0 ? shipped.contents->frontGraphics : shipped.contents->backGraphics)
                if (g->control_ID == id)
                    return g->ctrl_is_visible;
            return false;
        };
        for (int s = 0; s < 2; ++s) {
            const GraphicList& side = s == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array();
            EXPECT_EQ(side.size(), (s == 0 ? shipped.contents->frontGraphics : shipped.contents->backGraphics).size());
            SKTGraphicView* canvas = s == 0 ? window->_graphicView : window->_graphicView_BACK;
            for (int i = 0; i < 12; ++i) {
                const auto g = canvas->Selcect_Ctrl_With_ID(i < ProfileTextSlotCount ? titles[i] : Fup_Photo);
                if (i >= ProfileTextSlotCount && i - ProfileTextSlotCount != s)
                    continue;
                ASSERT_TRUE(g) << i;
                const bool shows = i >= ProfileTextSlotCount || shippedShows(s, titles[i]) ||
                                   (s == 0 && !shippedShows(1, titles[i]));
                EXPECT_EQ(g->ctrl_is_visible, shows) << g->control_ID.toStdString() << " side " << s;
                EXPECT_EQ(g->excel_col_indx, i + 1) << g->control_ID.toStdString();
                EXPECT_EQ(g->kind() == GraphicKind::Image ? g->_file_path : g->Text_Value, values[i]);
            }
            EXPECT_EQ(overlapsOn(side, window->Front_card_Prop.Card_Size).join(" | ").toStdString(), "") << "side " << s;
            EXPECT_TRUE(photoInItsFrame(side)) << "side " << s;
        }
    }
}

TEST_F(GroupWizardTest, AnUnreadableTemplateStopsTheCommit) {
    const QString book = peopleBook(2);
    const QString preview = data.filePath(QStringLiteral("Broken.png"));
    QImage(8, 8, QImage::Format_RGB32).save(preview);
    writeBytes(data.filePath(QStringLiteral("Broken.did")), "not a design");
    const int result = run([&](Group_Mode_Wizard* w) {
        w->New_Radio_Click();
        w->proj_name->setText(QStringLiteral("Broken"));
        w->excel_path->setText(book);
        w->OK_Click();
        ::Selected_Template_Path = preview;
        w->OK_Click();
        chooseColumns(w);
        w->OK_Click();
        EXPECT_EQ(sink.shown, QStringList{DesignFile::CorruptMessage});
        EXPECT_EQ(w->next_counter, 2);
        w->Cancel_Click();
    });
    EXPECT_EQ(result, 0);
    EXPECT_NE(::Start_Card_Option, QStringLiteral("G"));
    EXPECT_FALSE(QFileInfo::exists(GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Broken"))));
}

}  // namespace
}  // namespace zelk::test
