#include "TestSupport.h"
#include "TinyDisk.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "platform/MessageSink.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using zelk::MessageAnswer;
using zelk::MessageButtons;
using zelk::MessageSink;
using zelk::test::writeBytes;

namespace {

unsigned modeOf(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 01000000;
}

struct RecordingSink {
    QStringList texts;
    RecordingSink() {
        MessageSink::install([this](MessageButtons, const QString& text) {
            texts << text;
            return MessageAnswer::Ok;
        });
    }
    ~RecordingSink() { MessageSink::install({}); }
};

}  // namespace

TEST(UtilitiesFile, DataFoldersArePrivateAndOutputFoldersFollowTheUmask) {
    // Expected modes: a data folder is 0700 whatever the umask; missing
    // parents and output folders get what mkdir(0777) gives under it.
    const struct { mode_t umask; unsigned parent; unsigned output; } cases[] = {
        {022, 0755, 0755}, {002, 0775, 0775}, {077, 0700, 0700}, {000, 0777, 0777}, {027, 0750, 0750},
    };
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        ASSERT_TRUE(tmp.isValid());
        const mode_t old = ::umask(c.umask);
        const QString deep = tmp.filePath(QStringLiteral("a/b/c"));
        const QString out = tmp.filePath(QStringLiteral("chosen/Zelk ID Card"));
        const bool made = Create_Folder(deep);
        const bool madeOut = zelk::createOutputFolder(out);
        ::umask(old);
        ASSERT_TRUE(made && madeOut) << std::oct << c.umask;
        EXPECT_EQ(modeOf(deep), 0700u) << std::oct << c.umask;
        EXPECT_EQ(modeOf(tmp.filePath(QStringLiteral("a"))), c.parent) << std::oct << c.umask;
        EXPECT_EQ(modeOf(out), c.output) << std::oct << c.umask;
        EXPECT_EQ(modeOf(tmp.filePath(QStringLiteral("chosen"))), c.output) << std::oct << c.umask;
    }

    QTemporaryDir tmp;
    const QString deep = tmp.filePath(QStringLiteral("a/b/c"));
    ASSERT_TRUE(Create_Folder(deep));
    EXPECT_TRUE(Create_Folder(deep));  // already there
    EXPECT_TRUE(zelk::createOutputFolder(deep));
    const QString file = tmp.filePath(QStringLiteral("plain.txt"));
    writeBytes(file, "x");
    for (const QString& bad : {file, file + QStringLiteral("/sub"), QString()}) {
        EXPECT_FALSE(Create_Folder(bad)) << bad.toStdString();  // a file is not a folder
        EXPECT_FALSE(zelk::createOutputFolder(bad)) << bad.toStdString();
    }
}

TEST(UtilitiesFile, DeleteFileAndFolderRemoveWhatIsThereAndNeverFollowLinks) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QDir d(tmp.path());
    writeBytes(d.filePath(QStringLiteral("f.txt")), "x");
    ASSERT_TRUE(d.mkpath(QStringLiteral("full/inner")));
    writeBytes(d.filePath(QStringLiteral("full/inner/g.txt")), "y");
    ASSERT_TRUE(d.mkpath(QStringLiteral("target")));
    writeBytes(d.filePath(QStringLiteral("target/keep.txt")), "keep");
    ASSERT_TRUE(QFile::link(d.filePath(QStringLiteral("target")), d.filePath(QStringLiteral("link"))));
    ASSERT_TRUE(QFile::link(d.filePath(QStringLiteral("target")), d.filePath(QStringLiteral("full/inner/link"))));

    Delete_File(d.filePath(QStringLiteral("f.txt")));
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("f.txt"))));

    Delete_Folder(d.filePath(QStringLiteral("link")));
    EXPECT_FALSE(QFileInfo(d.filePath(QStringLiteral("link"))).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(d.filePath(QStringLiteral("target/keep.txt"))));

    Delete_File(d.filePath(QStringLiteral("full")));  // a folder, with a link inside
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("full"))));
    EXPECT_TRUE(QFileInfo::exists(d.filePath(QStringLiteral("target/keep.txt"))));

    Delete_Folder(d.filePath(QStringLiteral("target")));
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("target"))));

    // Missing paths and empty paths are quietly ignored.
    Delete_File(d.filePath(QStringLiteral("missing")));
    Delete_Folder(d.filePath(QStringLiteral("missing")));
    Delete_File(QString());
    Delete_Folder(QString());
    EXPECT_TRUE(QFileInfo(tmp.path()).isDir());
}

TEST(UtilitiesFile, SetObjEnabledReachesEveryObjectWithTheProperty) {
    QAction box;
    auto* plain = new QObject(&box);          // no "enabled" property
    auto* button = new QAction(&box);
    auto* nested = new QAction(plain);        // inside an object without the property
    for (bool flag : {false, true, false}) {
        SetObjEnabled(&box, flag);
        EXPECT_EQ(box.isEnabled(), flag);
        EXPECT_EQ(button->isEnabled(), flag);
        EXPECT_EQ(nested->isEnabled(), flag);
        EXPECT_FALSE(plain->property("enabled").isValid());
    }
    SetObjEnabled(nullptr, true);
}

TEST(UtilitiesFile, NSLogWritesNonEmptyTextsToTheLog) {
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& msg) { logged << msg; });
    Show_NSLog_Message(QStringLiteral("NSException in ENCODING"));
    Show_NSLog_Message(QString());
    Show_NSLog_Message(QStringLiteral(""));
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, QStringList{QStringLiteral("NSException in ENCODING")});
}

TEST(UtilitiesFile, MissingOrUnopenableHelpFileIsReported) {
    QTemporaryDir res;
    QTemporaryDir data;
    ASSERT_TRUE(res.isValid() && data.isValid());
    zelk::AppPaths::initWithRoots(res.path(), data.path());
    RecordingSink sink;
    Open_Help_File();
    EXPECT_EQ(sink.texts, QStringList{QStringLiteral("\nHelp file does not exist!")});
    // The offscreen platform opens no document, as a desktop without a PDF program.
    writeBytes(QDir(res.path()).filePath(QStringLiteral("Help.pdf")), "%PDF-1.4\n");
    Open_Help_File();
    EXPECT_TRUE(sink.texts.size() == 2 && sink.texts.last().contains("PDF files")) << qPrintable(sink.texts.last());
    zelk::AppPaths::init();
}

TEST(UtilitiesFile, AWriteThatFailsKeepsTheOldFile) {
    zelk::test::TinyDisk disk;
    ASSERT_TRUE(disk.mounted) << "cannot mount a small tmpfs: " << strerror(errno);
    const QTemporaryDir& tmp = disk.dir;
    const QString card = tmp.filePath("card.png");
    writeBytes(card, "old");
    QString why;
    EXPECT_FALSE(zelk::writeFileSafely(card, QByteArray(100000, 'x'), &why));
    EXPECT_TRUE(why.contains("disk is full")) << qPrintable(why);
    EXPECT_EQ(zelk::test::fileBytes(card), "old");
    EXPECT_FALSE(zelk::writeFileSafely(tmp.filePath("new.png"), QByteArray(100000, 'x'), &why));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.png"});
}
