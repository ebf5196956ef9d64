#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Only the user may enter, read or change a data folder.
constexpr QFileDevice::Permissions privateMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
    QFileDevice::WriteUser | QFileDevice::ExeUser;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

// Temporary resource and data roots; the real ones come back afterwards.
class AppPathsTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(res.isValid() && home.isValid());
        data = QDir(home.path()).filePath(QStringLiteral("Zelk ID Card"));
        zelk::AppPaths::initWithRoots(res.path(), data);
    }
    void TearDown() override { zelk::AppPaths::init(); }
    QTemporaryDir res;
    QTemporaryDir home;
    QString data;
};

}  // namespace

TEST(AppPaths, DefaultsFollowTheInstalledLayout) {
    zelk::AppPaths::init();
    // Test executables live in <build>/bin, resources in <build>/share/zelk-id-card.
    EXPECT_EQ(QFileInfo(Resource_Path).canonicalFilePath(),
              QFileInfo(zelk::test::resourceDir()).canonicalFilePath());
    EXPECT_TRUE(Created_Resource_Path.endsWith(QStringLiteral("/Zelk ID Card")));
    EXPECT_TRUE(QDir::isAbsolutePath(Created_Resource_Path));
}

TEST_F(AppPathsTree, BuildsTheDataFolderTreeAndCopiesTheDefaultProfile) {
    writeFile(QDir(res.path()).filePath(QStringLiteral("PrintProfile/Default.zkd")), "default profile");
    QFile::setPermissions(QDir(res.path()).filePath(QStringLiteral("PrintProfile/Default.zkd")),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    Check_Path_And_Create_Files();

    const QStringList expected = {
        QStringLiteral("Templates"), QStringLiteral("Templates/User"), QStringLiteral("DataSet"),
        QStringLiteral("Cropped_Images"), QStringLiteral("Visitor_Log"), QStringLiteral("Group_Excel_Data"),
        QStringLiteral("Group_Excel_Data/All"), QStringLiteral("Images_save_by_user"), QStringLiteral("PrintProfile"),
    };
    for (const QString& sub : expected) {
        const QFileInfo info(QDir(data).filePath(sub));
        EXPECT_TRUE(info.isDir()) << sub.toStdString();
        EXPECT_EQ(info.permissions(), privateMode) << sub.toStdString();
    }
    EXPECT_EQ(QFileInfo(data).permissions(), privateMode);
    const QString copied = QDir(print_profile_path).filePath(QStringLiteral("Default.zkd"));
    EXPECT_EQ(readAll(copied), QByteArray("default profile"));
    EXPECT_TRUE(QFileInfo(copied).isWritable());  // the user may overwrite the default profile

    // A second run keeps the user's own profile.
    writeFile(copied, "edited by the user");
    Check_Path_And_Create_Files();
    EXPECT_EQ(readAll(copied), QByteArray("edited by the user"));
}

TEST_F(AppPathsTree, WithoutShippedResourcesOnlyTheFoldersAreMade) {
    Check_Path_And_Create_Files();
    Check_Path_And_Create_VISITOR_Files();
    EXPECT_TRUE(QFileInfo(print_profile_path).isDir());
    EXPECT_FALSE(QFileInfo::exists(QDir(print_profile_path).filePath(QStringLiteral("Default.zkd"))));
    EXPECT_EQ(Database_Path, QDir(data).filePath(QStringLiteral("Visitor_Log/Visitor.db")));
    EXPECT_FALSE(QFileInfo::exists(Database_Path));
}

TEST_F(AppPathsTree, VisitorFilesCopyTheEmptyDatabaseOnce) {
    writeFile(QDir(res.path()).filePath(QStringLiteral("Visitor.db")), "empty database");
    Database_Path.clear();
    Check_Path_And_Create_VISITOR_Files();
    EXPECT_EQ(Database_Path, QDir(data).filePath(QStringLiteral("Visitor_Log/Visitor.db")));
    EXPECT_EQ(readAll(Database_Path), QByteArray("empty database"));
    EXPECT_EQ(QFileInfo(QFileInfo(Database_Path).path()).permissions(), privateMode);
    EXPECT_EQ(QFileInfo(data).permissions(), privateMode);

    writeFile(Database_Path, "visitors recorded");
    Check_Path_And_Create_VISITOR_Files();
    EXPECT_EQ(readAll(Database_Path), QByteArray("visitors recorded"));
}
