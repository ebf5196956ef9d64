// The main window's own small dialogs, played through the dialog runner.
#include "TestSupport.h"

#include "canvas/SKTGrid.h"
#include "dialogs/DialogRunner.h"
#include "foundation/AppPaths.h"
#include "mainwindow/Grid_Wizard.h"
#include "mainwindow/Insert_Template.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Grid_Wizard, ChangesApplyAtOnceAndCancelKeepsThem) {
    SKTGrid grid;
    grid.setColor(Qt::gray);
    grid.setSpacing(9);
    Grid_Wizard* w = Grid_Wizard::defaultInstance();
    w->setGrid(&grid);
    zelk::ScopedDialogRunner runner([&](QDialog*) {
        EXPECT_FALSE(w->Show_hide_grid_chk->isChecked());
        EXPECT_FALSE(w->Grid_Opt_box->isEnabled());
        EXPECT_EQ(w->Grid_Space_slidr->value(), 9);
        w->Show_hide_grid_chk->setChecked(true);
        EXPECT_TRUE(grid.isAlwaysShown());
        w->Grid_Space_slidr->setValue(18);
        EXPECT_EQ(grid.spacing(), 18.0);
        w->Grid_Clr_Changed(Qt::red);
        return 0;  // Cancel
    });
    EXPECT_EQ(w->Open_Wnd(), 0);
    EXPECT_TRUE(grid.isAlwaysShown());
    EXPECT_EQ(grid.spacing(), 18.0);
    EXPECT_EQ(grid.color(), QColor(Qt::red));
    w->setGrid(nullptr);
}

TEST(Insert_Template, ChosenTextOrNothing) {
    QTemporaryDir dir;
    const QString saved = Resource_Path;
    Resource_Path = dir.path();
    {
        QFile f(dir.filePath(QStringLiteral("Title.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Visitor\n\n  Staff  \r\nPress\n");
    }
    EXPECT_EQ(Insert_Template::readSnippets(dir.filePath(QStringLiteral("Title.txt"))),
              (QStringList{"Visitor", "Staff", "Press"}));
    Insert_Template* t = Insert_Template::defaultInstance();
    t->title_or_msg = QStringLiteral("T");
    {
        zelk::ScopedDialogRunner runner([&](QDialog*) {
            t->template_list->setCurrentRow(1);
            t->OK_Clicked();
            return t->result();
        });
        EXPECT_EQ(t->Open_Template_Dialog(), 1);
        EXPECT_EQ(Template_Msg_Val, QStringLiteral("Staff"));
    }
    {
        // Messages: no file, nothing to choose.
        t->title_or_msg = QStringLiteral("M");
        zelk::ScopedDialogRunner runner([&](QDialog*) {
            EXPECT_EQ(t->template_list->count(), 0);
            t->OK_Clicked();
            return t->result();
        });
        EXPECT_EQ(t->Open_Template_Dialog(), 0);
        EXPECT_EQ(Template_Msg_Val, QString());
    }
    Resource_Path = saved;
}

TEST(Insert_Template, ShippedTextsAreThere) {
    for (const char* file : {"Title.txt", "Message.txt"}) {
        const QStringList snippets = Insert_Template::readSnippets(QDir(zelk::test::resourceDir()).filePath(QString::fromLatin1(file)));
        EXPECT_GE(snippets.size(), 5) << file;
    }
}

}  // namespace
