#include "datasource/ZipWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelk {
namespace {

QMutex g_mutex;
QString g_path;        // the private folder, once made
pid_t g_owner = 0;     // the process that made it: a forked child makes its own
QString g_testPath;    // override for tests
bool g_atExitRegistered = false;

int removeEntry(const char* p, const struct stat*, int type, struct FTW*) {
    // FTW_PHYS: a link is reported as FTW_SL and removed as a link.
    const int rc = (type == FTW_DP) ? ::rmdir(p) : ::unlink(p);
    return rc == 0 || errno == ENOENT ? 0 : -1;
}

void removeAtExit() {
    QString p;
    {
        QMutexLocker lock(&g_mutex);
        if (g_owner != ::getpid())
            return;  // the parent's folder, inherited through fork
        p = g_path;
        g_path.clear();
    }
    if (!p.isEmpty())
        ZipWorkFolder::removeTree(p);
}

}  // namespace

bool ZipWorkFolder::removeTree(const QString& path) {
    if (path.isEmpty())
        return true;
    const QByteArray p = QFile::encodeName(path);
    struct stat st;
    if (::lstat(p.constData(), &st) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(p.constData()) == 0;
    ::nftw(p.constData(), removeEntry, 32, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
    return ::lstat(p.constData(), &st) != 0;
}

QString ZipWorkFolder::path() {
    QMutexLocker lock(&g_mutex);
    if (!g_testPath.isEmpty()) {
        QDir().mkpath(g_testPath);
        return g_testPath;
    }
    if (!g_path.isEmpty() && g_owner != ::getpid())
        g_path.clear();
    if (!g_path.isEmpty()) {
        struct stat st;
        const QByteArray p = QFile::encodeName(g_path);
        if (::lstat(p.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            return g_path;
        g_path.clear();  // removed behind our back: make a new one
    }
    // mkdtemp makes a new folder with mode 0700 under a name nobody else
    // holds, so no other user can plant links or read what we unpack.
    QByteArray tmpl = QFile::encodeName(QDir::tempPath() +
        QStringLiteral("/ziptmp-%1-%2-XXXXXX").arg(::getuid()).arg(::getpid()));
    if (!::mkdtemp(tmpl.data()))
        return {};
    g_path = QFile::decodeName(tmpl);
    g_owner = ::getpid();
    if (!g_atExitRegistered) {
        g_atExitRegistered = true;
        std::atexit(removeAtExit);
    }
    return g_path;
}

void ZipWorkFolder::clear() {
    const QString root = path();
    if (root.isEmpty())
        return;
    const QDir dir(root);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        removeTree(dir.filePath(e));
}

void ZipWorkFolder::setPathForTesting(const QString& p) {
    QMutexLocker lock(&g_mutex);
    g_testPath = p;
}

}  // namespace zelk

void Delete_Excel_File_Temp_Folder() { zelk::ZipWorkFolder::clear(); }
