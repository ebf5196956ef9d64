#include "datasource/ZipWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <ftw.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelk {
namespace {

QMutex g_mutex;
QString g_path;        // the private folder, once made
pid_t g_owner = 0;     // the process that made it: a forked child makes its own
int g_lock = -1;       // the folder opened and locked while the owner lives
QString g_testPath;    // override for tests
bool g_atExitRegistered = false;

// "ziptmp-<uid>-<pid>-XXXXXX": the user and the process that made it.
QString folderPrefix(uid_t uid) { return QStringLiteral("ziptmp-%1-").arg(uid); }

// Whether the process still runs: it answers a signal and is not a zombie
// whose parent has yet to collect it (its files, the lock among them, are
// closed already).
bool processRuns(pid_t pid) {
    if (::kill(pid, 0) != 0)
        return errno != ESRCH;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end < 0 || end + 2 >= line.size() || line.at(end + 2) != 'Z';
}

void dropLock() {
    if (g_lock >= 0)
        ::close(g_lock);
    g_lock = -1;
}

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
    dropLock();
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
    if (!g_path.isEmpty() && g_owner != ::getpid()) {
        g_path.clear();
        dropLock();  // the parent's lock stays with the parent
    }
    if (!g_path.isEmpty()) {
        struct stat st;
        const QByteArray p = QFile::encodeName(g_path);
        if (::lstat(p.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            return g_path;
        g_path.clear();  // removed behind our back: make a new one
        dropLock();
    }
    // mkdtemp makes a new folder with mode 0700 under a name nobody else
    // holds, so no other user can plant links or read what we unpack.
    QByteArray tmpl = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + folderPrefix(::getuid()) +
                                        QStringLiteral("%1-XXXXXX").arg(::getpid()));
    if (!::mkdtemp(tmpl.data()))
        return {};
    // The lock goes with the process, however it ends: a later start
    // that can take it knows the folder is left over.
    g_lock = ::open(tmpl.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (g_lock >= 0)
        ::flock(g_lock, LOCK_EX);
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

void ZipWorkFolder::removeLeftovers(const QString& tempFolder) {
    const QDir dir(tempFolder);
    const QString prefix = folderPrefix(::getuid());
    QString mine;
    {
        QMutexLocker lock(&g_mutex);
        mine = g_owner == ::getpid() ? g_path : QString();
    }
    const QStringList names = dir.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (path == mine)
            continue;
        // A live process keeps its folder: its number answers, or it holds
        // the folder's lock (a process of another PID namespace).
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (!isNumber || pid <= 0 || pid == ::getpid() || processRuns(pid_t(pid)))
            continue;
        const QByteArray p = QFile::encodeName(path);
        struct stat st;
        if (::lstat(p.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
            continue;
        const int fd = ::open(p.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            removeTree(path);
        ::close(fd);
    }
}

void ZipWorkFolder::setPathForTesting(const QString& p) {
    QMutexLocker lock(&g_mutex);
    g_testPath = p;
}

}  // namespace zelk

void Delete_Excel_File_Temp_Folder() { zelk::ZipWorkFolder::clear(); }
