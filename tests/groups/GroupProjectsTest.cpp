#include "TestServices.h"
#include "TestSupport.h"
#include "foundation/AppPaths.h"
#include "groups/CreateFolder.h"
#include "groups/GroupProjects.h"

#include "../mainwindow/MainWindowTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelk::test;

namespace {

class GroupProjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        saved = Created_Resource_Path;
        Created_Resource_Path = root.filePath(QStringLiteral("data"));
    }
    void TearDown() override { Created_Resource_Path = saved; }

    QString base() const { return GroupProjects::base(); }
    QString touch(const QString& relative) {
        const QString path = base() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBytes(path, QByteArrayLiteral("x"));
        return path;
    }
    QStringList rowNames(GroupProjects& p) {
        p.Fill_Tree_View();
        QStringList names;
        for (const GroupProjects::Row& r : p.rows())
            names << (r.folder ? QStringLiteral("[%1]").arg(r.name) : r.name);
        return names;
    }

    QTemporaryDir root;
    QString saved;
};

TEST_F(GroupProjectsTest, AFreshDataFolderShowsOnlyAll) {
    GroupProjects p;
    EXPECT_EQ(rowNames(p), QStringList{QStringLiteral("[All]")});
    EXPECT_FALSE(p.project_created());
    EXPECT_TRUE(QFileInfo(base() + QStringLiteral("/All")).isDir());
}

TEST_F(GroupProjectsTest, TreeRowsAndTheirPaths) {
    touch(QStringLiteral("All/Team.did"));
    touch(QStringLiteral("All/notes.txt"));
    touch(QStringLiteral("All/Staff/Alpha.did"));
    QDir().mkpath(base() + QStringLiteral("/All/Empty"));
    GroupProjects p;
    EXPECT_EQ(rowNames(p), (QStringList{QStringLiteral("[All]"), QStringLiteral("Team"), QStringLiteral("[All/Empty]"),
                                        QStringLiteral("[All/Staff]"), QStringLiteral("Alpha")}));
    EXPECT_TRUE(p.project_created());
    bool deletable = true;
    EXPECT_EQ(p.Get_Selected_Project_Path(0, &deletable), base() + QStringLiteral("/All"));
    EXPECT_FALSE(deletable);
    EXPECT_EQ(p.Get_Selected_Project_Path(1), base() + QStringLiteral("/All/Team.did"));
    EXPECT_EQ(p.Get_Selected_Project_Path(2, &deletable), base() + QStringLiteral("/All/Empty"));
    EXPECT_FALSE(deletable);
    EXPECT_EQ(p.Get_Selected_Project_Path(3, &deletable), base() + QStringLiteral("/All/Staff"));
    EXPECT_TRUE(deletable);
    EXPECT_EQ(p.Get_Selected_Project_Path(4), base() + QStringLiteral("/All/Staff/Team.did").replace("Team", "Alpha"));
    EXPECT_EQ(p.Get_Selected_Project_Path(5), QString());
    EXPECT_EQ(p.Get_Parent_Name(4), QStringLiteral("All/Staff"));
}

// Every name the wizard accepts gives a file the tree lists; a project
// hidden by an earlier leading dot is listed too.
TEST_F(GroupProjectsTest, NamesLoseLeadingDotsAndEveryProjectIsListed) {
    struct Case {
        const char* typed;
        const char* name;
    };
    const Case cases[] = {
        {"../x", "_x"}, {".hidden", "hidden"}, {" . .Team ", "Team"}, {".*x", "x"}, {"a.b.", "a.b."}, {"...", ""},
    };
    for (const Case& c : cases) {
        const QString name = GroupProjects::cleanName(QString::fromUtf8(c.typed));
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.typed;
        if (name.isEmpty())
            continue;
        const QString path = touch(QStringLiteral("All/%1.did").arg(name));
        GroupProjects p;
        const QStringList rows = rowNames(p);
        const int at = int(rows.indexOf(name));
        ASSERT_GE(at, 0) << c.typed;
        EXPECT_EQ(p.Get_Selected_Project_Path(at), path) << c.typed;
    }
    const QString earlier = touch(QStringLiteral("All/.._old.did"));
    GroupProjects p;
    const QStringList rows = rowNames(p);
    ASSERT_TRUE(rows.contains(QStringLiteral(".._old")));
    EXPECT_EQ(p.Get_Selected_Project_Path(int(rows.indexOf(QStringLiteral(".._old")))), earlier);
}

TEST_F(GroupProjectsTest, CopiesAreNumberedBesideTheProject) {
    const QString team = touch(QStringLiteral("All/Team.did"));
    EXPECT_EQ(GroupProjects::copyProject(team), base() + QStringLiteral("/All/Team (copy 1).did"));
    EXPECT_EQ(GroupProjects::copyProject(team), base() + QStringLiteral("/All/Team (copy 2).did"));
    EXPECT_EQ(GroupProjects::copyProject(base() + QStringLiteral("/All/Missing.did")), QString());
}

TEST_F(GroupProjectsTest, RenameRefusesANameTakenInTheFolder) {
    const QString team = touch(QStringLiteral("All/Team.did"));
    const QString other = touch(QStringLiteral("All/Other.did"));
    writeBytes(other, QByteArrayLiteral("other"));
    EXPECT_EQ(GroupProjects::renameProject(team, QStringLiteral("Other")), GroupProjects::NameTaken);
    EXPECT_EQ(fileBytes(other), QByteArrayLiteral("other"));
    EXPECT_TRUE(QFileInfo::exists(team));
    EXPECT_EQ(GroupProjects::renameProject(team, QStringLiteral("  ")), GroupProjects::NameEmpty);
    EXPECT_EQ(GroupProjects::renameProject(team, QStringLiteral("Team")), GroupProjects::Renamed);
    EXPECT_TRUE(QFileInfo::exists(team));
    QString renamed;
    EXPECT_EQ(GroupProjects::renameProject(team, QStringLiteral("../Staff"), &renamed), GroupProjects::Renamed);
    EXPECT_EQ(renamed, base() + QStringLiteral("/All/_Staff.did"));
    EXPECT_FALSE(QFileInfo::exists(team));
}

TEST_F(GroupProjectsTest, DeletingTheLastProjectRemovesTheFolderButKeepsTheUsersFiles) {
    const QString alpha = touch(QStringLiteral("All/Staff/Alpha.did"));
    EXPECT_TRUE(GroupProjects::deleteProject(alpha));
    EXPECT_FALSE(QFileInfo::exists(base() + QStringLiteral("/All/Staff")));

    const QString beta = touch(QStringLiteral("All/Kept/Beta.did"));
    const QString notes = touch(QStringLiteral("All/Kept/notes.txt"));
    EXPECT_TRUE(GroupProjects::deleteProject(beta));
    EXPECT_TRUE(QFileInfo::exists(notes));

    // "All" goes with its last project and comes back with the next listing.
    QDir(base() + QStringLiteral("/All/Kept")).removeRecursively();
    const QString team = touch(QStringLiteral("All/Team.did"));
    EXPECT_TRUE(GroupProjects::deleteProject(team));
    EXPECT_FALSE(QFileInfo::exists(base() + QStringLiteral("/All")));
    GroupProjects p;
    EXPECT_EQ(rowNames(p), QStringList{QStringLiteral("[All]")});
}

TEST_F(GroupProjectsTest, FolderNames) {
    GroupProjects::folders();
    struct Case {
        const char* name;
        const char* parent;
        GroupProjects::FolderResult result;
        const char* relative;
    };
    const Case cases[] = {
        {"  Staff  ", "All", GroupProjects::FolderMade, "All/Staff"},
        {"a/b", "All", GroupProjects::FolderMade, "All/a_b"},
        {"*Star*", "All", GroupProjects::FolderMade, "All/Star"},
        {"in*side", "All", GroupProjects::FolderMade, "All/in*side"},
        {" */?| ", "All", GroupProjects::FolderNameEmpty, ""},
        {"Staff", "All", GroupProjects::FolderExists, ""},
        {"Staff", "All/Star", GroupProjects::FolderMade, "All/Star/Staff"},
        {"Staff", "", GroupProjects::FolderNoParent, ""},
        {" .Hidden", "All", GroupProjects::FolderMade, "All/Hidden"},
    };
    for (const Case& c : cases) {
        QString relative;
        EXPECT_EQ(GroupProjects::createFolder(QString::fromUtf8(c.name), QString::fromUtf8(c.parent), &relative),
                  c.result)
            << c.name;
        EXPECT_EQ(relative, QString::fromUtf8(c.relative)) << c.name;
        if (c.result == GroupProjects::FolderMade) {
            EXPECT_TRUE(QFileInfo(base() + QLatin1Char('/') + relative).isDir()) << c.name;
        }
    }
}

TEST_F(GroupProjectsTest, FolderDialogStaysOpenWhenTheFolderCannotBeMade) {
    ScopedServices quiet;
    ScriptedSink sink;
    GroupProjects::folders();
    touch(QStringLiteral("All/Blocker"));  // a file where the parent folder should be
    CreateFolder dialog;
    QString added = QStringLiteral("All/Earlier");
    dialog.add_new_folder = &added;
    dialog.folder_combo->addItems({QStringLiteral("All/Blocker")});
    dialog.folder_name->setText(QStringLiteral("Inner"));
    dialog.setResult(-1);
    dialog.OKPressed();
    EXPECT_EQ(sink.shown, QStringList{CreateFolder::AccessErrorMessage});
    EXPECT_EQ(dialog.result(), -1);
    EXPECT_EQ(added, QStringLiteral("All/Earlier"));

    dialog.folder_combo->clear();
    dialog.folder_combo->addItems({QStringLiteral("All")});
    dialog.OKPressed();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(added, QStringLiteral("All/Inner"));
    EXPECT_TRUE(dialog.folder_name->text().isEmpty());
    dialog.CancelPressed();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(added, QString());
}

}  // namespace
