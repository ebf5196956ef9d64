#pragma once
// A 64 KiB tmpfs in a mount namespace of this thread's own, which nothing
// outside the test sees (mounting needs root, as the test machines run):
// writes to it fail as on a full disk.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace zelk::test {

struct TinyDisk {
    QTemporaryDir dir;
    const QByteArray at = QFile::encodeName(dir.path());
    const bool mounted = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                         && mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") == 0;
    ~TinyDisk() { umount2(at.constData(), MNT_DETACH); }
};

}  // namespace zelk::test
