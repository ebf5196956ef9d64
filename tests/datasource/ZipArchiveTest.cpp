// Unpacking and packing zip files: the folder layout, the error codes, and
// hostile packages that must fail without writing outside the destination.
#include "TestSupport.h"
#include "ZipTestSupport.h"
#include "datasource/SSZipArchive.h"
#include "datasource/ZipWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/resource.h>
#include <csignal>
#include <unistd.h>

#include <cstdlib>
#include <zlib.h>

using namespace zelk::test;

namespace {

class ZipArchiveTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString zipPath() const { return tmp.filePath(QStringLiteral("in.zip")); }
    QString dest() const { return tmp.filePath(QStringLiteral("work")); }
    // Everything in the temporary folder apart from the package and the
    // destination: what an unpack must never create.
    QStringList outside() const {
        QStringList all = treeOf(tmp.path());
        all.removeIf([](const QString& p) { return p == QLatin1String("in.zip") || p.startsWith(QLatin1String("work")); });
        return all;
    }
};

TEST_F(ZipArchiveTest, UnpacksIntoFoldersMadeOnTheWay) {
    ASSERT_TRUE(writeZip(zipPath(), {{"xl/worksheets/sheet1.xml", "<worksheet/>"},
                                     {"win\\style\\path.txt", "backslashes"},
                                     {"empty/", ""},
                                     {"[Content_Types].xml", "types"}}));
    SSZipArchive::Error error;
    ASSERT_TRUE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true, {}, &error)) << error.description.toStdString();
    EXPECT_EQ(treeOf(dest()), (QStringList{"[Content_Types].xml", "empty", "win", "win/style", "win/style/path.txt",
                                           "xl", "xl/worksheets", "xl/worksheets/sheet1.xml"}));
    EXPECT_EQ(readFile(dest() + "/win/style/path.txt"), "backslashes");
    // The entry's time stamp (2020-05-17 10:30, local time) becomes the file's.
    const QDateTime m = QFileInfo(dest() + "/xl/worksheets/sheet1.xml").lastModified();
    EXPECT_EQ(m.date(), QDate(2020, 5, 17));
    EXPECT_EQ(m.time().hour(), 10);
}

TEST_F(ZipArchiveTest, OverwriteOffKeepsExistingFilesAndStillSucceeds) {
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", "new"}, {"b.txt", "new"}}));
    ASSERT_TRUE(writeFile(dest() + "/a.txt", "old"));
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), false));
    EXPECT_EQ(readFile(dest() + "/a.txt"), "old");
    EXPECT_EQ(readFile(dest() + "/b.txt"), "new");
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true));
    EXPECT_EQ(readFile(dest() + "/a.txt"), "new");
}

// Each hostile or broken package fails with its code and leaves nothing
// outside the destination (and, refused up front, nothing inside it either).
TEST_F(ZipArchiveTest, HostilePackagesFailCleanly) {
    const QByteArray big(8 << 20, '\0');
    const QByteArray bigDeflated = rawDeflate(big);
    const uint32_t bigCrc = crc32(0, reinterpret_cast<const Bytef*>(big.constData()), static_cast<uInt>(big.size()));
    struct Case {
        const char* what;
        QList<ZipEntry> entries;
        int code;
        bool nothingInside;
    };
    const QList<Case> cases = {
        {"parent folder", {{"ok.txt", "x"}, {"../evil.txt", "x"}}, SSZipArchive::ErrorUnsafeEntry, true},
        {"parent inside path", {{"xl/../../evil.txt", "x"}}, SSZipArchive::ErrorUnsafeEntry, true},
        {"backslash parent", {{"..\\evil.txt", "x"}}, SSZipArchive::ErrorUnsafeEntry, true},
        {"absolute path", {{"/tmp/evil.txt", "x"}}, SSZipArchive::ErrorUnsafeEntry, true},
        {"drive path", {{"C:/evil.txt", "x"}}, SSZipArchive::ErrorUnsafeEntry, true},
        {"symbolic link", {{"link", "/etc/passwd", false, 0, 0, 0120777}}, SSZipArchive::ErrorUnsafeEntry, true},
        // Declares 2 GiB: refused from the central directory alone.
        {"declared bomb", {{"bomb.xml", bigDeflated, true, uint64_t(2) << 30, bigCrc}}, SSZipArchive::ErrorTooLarge, true},
        // Declares 1 KiB but inflates to 8 MiB: minizip stops at the declared
        // size and the CRC no longer matches.
        {"lying bomb", {{"bomb.xml", bigDeflated, true, 1024, bigCrc}}, SSZipArchive::ErrorReadEntry, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dest()).removeRecursively();
        ASSERT_TRUE(writeZip(zipPath(), c.entries));
        SSZipArchive::Error error;
        EXPECT_FALSE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true, {}, &error));
        EXPECT_EQ(error.code, c.code);
        EXPECT_EQ(outside(), QStringList());
        if (c.nothingInside)
            EXPECT_EQ(treeOf(dest()), QStringList());
        else
            EXPECT_FALSE(QFile::exists(dest() + "/bomb.xml"));  // the partial file is removed
    }
}

TEST_F(ZipArchiveTest, TooManyEntriesAreRefused) {
    QList<ZipEntry> entries;
    for (int i = 0; i <= SSZipArchive::kMaxEntries; ++i)
        entries.append({QByteArray("f") + QByteArray::number(i), {}});
    ASSERT_TRUE(writeZip(zipPath(), entries));
    SSZipArchive::Error error;
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true, {}, &error));
    EXPECT_EQ(error.code, SSZipArchive::ErrorTooLarge);
    EXPECT_EQ(treeOf(dest()), QStringList());
}

TEST_F(ZipArchiveTest, LinksAlreadyInTheDestinationAreNotFollowed) {
    const QString elsewhere = tmp.filePath("elsewhere");
    QDir().mkpath(elsewhere);
    QDir().mkpath(dest());
    ASSERT_TRUE(QFile::link(elsewhere, dest() + "/xl"));
    ASSERT_TRUE(QFile::link(elsewhere + "/target.txt", dest() + "/file.txt"));
    ASSERT_TRUE(writeZip(zipPath(), {{"xl/sheet.xml", "x"}}));
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true));
    ASSERT_TRUE(writeZip(zipPath(), {{"file.txt", "x"}}));
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true));
    EXPECT_EQ(treeOf(elsewhere), QStringList());
}

TEST_F(ZipArchiveTest, BrokenFilesFailWithTheirCodes) {
    ASSERT_TRUE(writeZip(zipPath(), {{"a.txt", QByteArray(50000, 'a') + QByteArray(50000, 'b')}}));
    const QByteArray good = readFile(zipPath());
    struct Case {
        const char* what;
        QByteArray bytes;
        int code;
    };
    QByteArray flipped = good;
    flipped[60] = static_cast<char>(flipped[60] ^ 0x55);  // inside the deflated data
    QList<Case> cases = {
        {"not a zip", QByteArray("plain text, not a package"), SSZipArchive::ErrorOpenZip},
        {"empty file", QByteArray(), SSZipArchive::ErrorOpenZip},
        {"truncated", good.left(good.size() / 2), SSZipArchive::ErrorOpenZip},
        {"corrupted data", flipped, SSZipArchive::ErrorReadEntry},
    };
    // An empty package is an end-of-central-directory record alone.
    ASSERT_TRUE(writeZip(tmp.filePath("empty.zip"), {}));
    cases.append({"no entries", readFile(tmp.filePath("empty.zip")), SSZipArchive::ErrorOpenFirstFile});
    // The end record points the central directory at the local header.
    QByteArray badDirectory = good;
    const qsizetype eocd = badDirectory.lastIndexOf(QByteArray("PK\x05\x06", 4));
    ASSERT_GT(eocd, 0);
    for (int i = 0; i < 4; ++i)
        badDirectory[eocd + 16 + i] = 0;
    badDirectory[eocd + 12] = 0x2e;  // keeps size + offset inside the file
    for (int i = 1; i < 4; ++i)
        badDirectory[eocd + 12 + i] = 0;
    cases.append({"bad central directory", badDirectory, SSZipArchive::ErrorOpenFirstFile});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeFile(zipPath(), c.bytes));
        SSZipArchive::Error error;
        EXPECT_FALSE(SSZipArchive::unzipFileAtPath(zipPath(), dest(), true, {}, &error));
        EXPECT_EQ(error.code, c.code);
        EXPECT_FALSE(QFile::exists(dest() + "/a.txt"));
    }
    SSZipArchive::Error error;
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(tmp.filePath("missing.zip"), dest(), true, {}, &error));
    EXPECT_EQ(error.code, SSZipArchive::ErrorOpenZip);
}

TEST_F(ZipArchiveTest, ShortWritesFail) {
    // A file-size limit makes write(2) stop short (EFBIG), as a full disk
    // does; the unpack must fail and remove the partial file.
    ASSERT_TRUE(writeZip(zipPath(), {{"small.txt", "ok"}, {"big.txt", QByteArray(64 * 1024, 'x')}}));
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        SSZipArchive::Error error;
        const bool ok = SSZipArchive::unzipFileAtPath(zipPath(), dest(), true, {}, &error);
        ::_exit(ok ? 10 : (error.code == SSZipArchive::ErrorWriteEntry ? 0 : 20));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(dest() + "/small.txt"), "ok");
    EXPECT_FALSE(QFile::exists(dest() + "/big.txt"));
}

TEST_F(ZipArchiveTest, CreatesPackagesThatUnzipAccepts) {
    const QString src = tmp.filePath("src");
    ASSERT_TRUE(writeFile(src + "/xl/worksheets/sheet1.xml", "<worksheet/>"));
    ASSERT_TRUE(writeFile(src + "/xl/b.xml", "b"));
    ASSERT_TRUE(writeFile(src + "/Zoë.txt", "non-ASCII name"));
    QDir().mkpath(src + "/media");
    const QString out = tmp.filePath("out.zip");
    ASSERT_TRUE(SSZipArchive::createZipFileAtPath(out, {src + "/xl/", src + "/media", src + "/Zoë.txt"}));
    // Non-empty folders get no entry of their own; entries carry the zip
    // format's earliest date, 1980-01-01 00:00 (MS-DOS 0x00210000).
    EXPECT_EQ(zipListing(out), (QStringList{"xl/b.xml@00210000", "xl/worksheets/sheet1.xml@00210000",
                                            "media/@00210000", "Zoë.txt@00210000"}));
    const ToolResult t = runTool("unzip", {"-t", out});
    EXPECT_EQ(t.exitCode, 0) << t.out.toStdString() << t.err.toStdString();
    ASSERT_TRUE(SSZipArchive::unzipFileAtPath(out, dest(), true));
    EXPECT_EQ(readFile(dest() + "/xl/worksheets/sheet1.xml"), "<worksheet/>");
    EXPECT_EQ(readFile(dest() + "/Zoë.txt"), "non-ASCII name");
    EXPECT_TRUE(QFileInfo(dest() + "/media").isDir());

    // A new package is 0644; a replaced one keeps its permissions.
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(out).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ASSERT_EQ(::chmod(QFile::encodeName(out).constData(), 0600), 0);
    ASSERT_TRUE(SSZipArchive::createZipFileAtPath(out, {src + "/xl"}));
    ASSERT_EQ(::stat(QFile::encodeName(out).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ZipArchiveTest, FailedCreateKeepsTheOldFileAndLeavesNoTemporary) {
    const QString out = tmp.filePath("out.zip");
    ASSERT_TRUE(writeFile(out, "old package"));
    EXPECT_FALSE(SSZipArchive::createZipFileAtPath(out, {tmp.filePath("does-not-exist.xml")}));
    EXPECT_EQ(readFile(out), "old package");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"out.zip"});
    EXPECT_FALSE(SSZipArchive::createZipFileAtPath(tmp.filePath("no/such/folder/x.zip"), {out}));
}

TEST(ZipWorkFolderTest, PrivateFolderEmptiedWithoutFollowingLinks) {
    const QString work = zelk::ZipWorkFolder::path();
    ASSERT_FALSE(work.isEmpty());
    EXPECT_EQ(work, zelk::ZipWorkFolder::path());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(work).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::getuid());

    QTemporaryDir keep;
    ASSERT_TRUE(writeFile(keep.filePath("precious/data.txt"), "keep me"));
    ASSERT_TRUE(writeFile(work + "/xl/worksheets/sheet1.xml", "x"));
    ASSERT_TRUE(QFile::link(keep.filePath("precious"), work + "/xl/link"));
    Delete_Excel_File_Temp_Folder();
    EXPECT_EQ(treeOf(work), QStringList());
    EXPECT_TRUE(QFileInfo(work).isDir());
    EXPECT_EQ(readFile(keep.filePath("precious/data.txt")), "keep me");
}

TEST(ZipWorkFolderTest, RemovedWhenTheProcessEnds) {
    // A forked child makes a folder of its own and leaves this one alone.
    zelk::ZipWorkFolder::setPathForTesting(QString());
    const QString mine = zelk::ZipWorkFolder::path();
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        zelk::ZipWorkFolder::setPathForTesting(QString());
        const QByteArray path = QFile::encodeName(zelk::ZipWorkFolder::path());
        writeFile(zelk::ZipWorkFolder::path() + "/xl/sharedStrings.xml", "card holders");
        (void)!::write(fds[1], path.constData(), static_cast<size_t>(path.size()));
        std::exit(0);
    }
    ::close(fds[1]);
    char buf[4096] = {};
    const ssize_t n = ::read(fds[0], buf, sizeof buf - 1);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_GT(n, 0);
    const QString childFolder = QFile::decodeName(QByteArray(buf, static_cast<qsizetype>(n)));
    EXPECT_NE(childFolder, mine);
    EXPECT_FALSE(QFileInfo::exists(childFolder));
    EXPECT_TRUE(QFileInfo(mine).isDir());
    EXPECT_EQ(zelk::ZipWorkFolder::path(), mine);
}

}  // namespace
