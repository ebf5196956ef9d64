#include "datasource/SSZipArchive.h"

#include "platform/FileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kUnzipChunk = 4096;
constexpr int kZipChunk = 16384;

void setError(SSZipArchive::Error* error, int code) {
    if (!error)
        return;
    error->domain = QStringLiteral("SSZipArchiveErrorDomain");
    error->code = code;
    switch (code) {
    case SSZipArchive::ErrorOpenZip: error->description = QStringLiteral("failed to open zip file"); break;
    case SSZipArchive::ErrorOpenFirstFile: error->description = QStringLiteral("failed to open first file in zip file"); break;
    case SSZipArchive::ErrorUnsafeEntry: error->description = QStringLiteral("unsafe entry name in zip file"); break;
    case SSZipArchive::ErrorTooLarge: error->description = QStringLiteral("zip file unpacks too large"); break;
    case SSZipArchive::ErrorReadEntry: error->description = QStringLiteral("failed to read file in zip file"); break;
    default: error->description = QStringLiteral("failed to write file from zip file"); break;
    }
}

struct EntryInfo {
    unz_file_info64 info{};
    QString name;           // as stored, "\" turned into "/"
    QStringList parts;      // safe relative path components
    bool folder = false;
};

bool readEntryInfo(unzFile uf, EntryInfo& e) {
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(uf, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    std::vector<char> name(info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(uf, &info, name.data(), static_cast<uLong>(name.size()),
                                nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    e.info = info;
    e.name = QString::fromUtf8(name.data(), static_cast<qsizetype>(info.size_filename));
    e.name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    e.folder = e.name.endsWith(QLatin1Char('/'));
    return true;
}

// A name is safe when it is relative and none of its components climbs out
// of the destination; link entries (Unix mode S_IFLNK in the high half of
// the external attributes of an entry made on Unix, host 3) are refused too.
bool makeSafe(EntryInfo& e) {
    const QString& n = e.name;
    if (n.isEmpty() || n.startsWith(QLatin1Char('/')) || n.contains(QChar(0)))
        return false;
    if (n.size() >= 2 && n.at(0).isLetter() && n.at(1) == QLatin1Char(':'))  // "C:..." drive paths
        return false;
    e.parts.clear();
    for (const QString& p : n.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (p == QLatin1String(".."))
            return false;
        if (p != QLatin1String("."))
            e.parts << p;
    }
    if (e.parts.isEmpty() && !e.folder)
        return false;
    const unsigned host = (e.info.version >> 8) & 0xff;
    const unsigned mode = (e.info.external_fa >> 16) & 0xffff;
    if (host == 3 && (mode & S_IFMT) == S_IFLNK)
        return false;
    return true;
}

// Creates the folders of `parts` below `root` one by one, refusing any
// component that exists as a link or a file.
bool makeFolders(const QString& root, const QStringList& parts, int count) {
    QString p = root;
    for (int i = 0; i < count; ++i) {
        p += QLatin1Char('/') + parts.at(i);
        const QByteArray c = QFile::encodeName(p);
        struct stat st;
        if (::lstat(c.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return false;
            continue;
        }
        if (::mkdir(c.constData(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

void setModificationTime(const QByteArray& path, const tm_unz& d) {
    if (d.tm_year < 1980)
        return;
    struct tm t{};
    t.tm_sec = static_cast<int>(d.tm_sec);
    t.tm_min = static_cast<int>(d.tm_min);
    t.tm_hour = static_cast<int>(d.tm_hour);
    t.tm_mday = static_cast<int>(d.tm_mday);
    t.tm_mon = static_cast<int>(d.tm_mon);
    t.tm_year = static_cast<int>(d.tm_year) - 1900;
    t.tm_isdst = -1;
    const time_t when = ::mktime(&t);
    if (when == static_cast<time_t>(-1))
        return;
    struct timespec times[2];
    times[0].tv_sec = when; times[0].tv_nsec = 0;
    times[1] = times[0];
    ::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// A package of no entries: nothing but an end-of-central-directory record
// (APPNOTE 4.3.16) that counts zero entries.
bool isEmptyPackage(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 22 || f.size() > 22 + 65535)
        return false;
    const QByteArray all = f.readAll();
    const qsizetype at = all.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (at < 0 || all.size() - at < 22)
        return false;
    const auto u16 = [&all](qsizetype i) {
        return static_cast<unsigned>(static_cast<unsigned char>(all[i])) |
               static_cast<unsigned>(static_cast<unsigned char>(all[i + 1])) << 8;
    };
    return u16(at + 8) == 0 && u16(at + 10) == 0;
}

class UnzipHandle {
public:
    explicit UnzipHandle(unzFile f) : f_(f) {}
    ~UnzipHandle() { if (f_) unzClose(f_); }
    unzFile get() const { return f_; }
private:
    unzFile f_;
};

}  // namespace

bool SSZipArchive::unzipFileAtPath(const QString& path, const QString& destination,
                                   bool overwrite, const QString& password, Error* error) {
    const QByteArray zipPath = QFile::encodeName(path);
    UnzipHandle zip(unzOpen64(zipPath.constData()));
    if (!zip.get()) {
        // minizip refuses a package without entries; it is a zip file all
        // the same, only without a first file.
        setError(error, isEmptyPackage(path) ? ErrorOpenFirstFile : ErrorOpenZip);
        return false;
    }
    unzFile uf = zip.get();
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(uf, &global) != UNZ_OK) {
        setError(error, ErrorOpenZip);
        return false;
    }
    if (global.number_entry > static_cast<ZPOS64_T>(kMaxEntries)) {
        setError(error, ErrorTooLarge);
        return false;
    }
    if (unzGoToFirstFile(uf) != UNZ_OK) {
        setError(error, ErrorOpenFirstFile);
        return false;
    }

    // First pass over the central directory: every name must be safe and the
    // declared sizes must fit the caps before a single byte is written.
    // minizip never inflates an entry beyond its declared size (an entry
    // that claims less than it holds fails its CRC), so the declared total
    // bounds what the second pass writes.
    std::vector<EntryInfo> entries;
    qint64 total = 0;
    for (;;) {
        EntryInfo e;
        if (!readEntryInfo(uf, e)) {
            setError(error, ErrorReadEntry);
            return false;
        }
        if (!makeSafe(e)) {
            setError(error, ErrorUnsafeEntry);
            return false;
        }
        total += static_cast<qint64>(std::min<ZPOS64_T>(e.info.uncompressed_size, kMaxTotalUnpackedSize + 1));
        if (total > kMaxTotalUnpackedSize || static_cast<qint64>(entries.size()) >= kMaxEntries) {
            setError(error, ErrorTooLarge);
            return false;
        }
        entries.push_back(std::move(e));
        const int rc = unzGoToNextFile(uf);
        if (rc == UNZ_END_OF_LIST_OF_FILE)
            break;
        if (rc != UNZ_OK) {
            setError(error, ErrorReadEntry);
            return false;
        }
    }

    QString root = QDir::cleanPath(destination);
    if (!QDir().mkpath(root)) {
        setError(error, ErrorWriteEntry);
        return false;
    }
    if (unzGoToFirstFile(uf) != UNZ_OK) {
        setError(error, ErrorOpenFirstFile);
        return false;
    }
    const QByteArray pwd = password.toLatin1();
    std::vector<char> buffer(kUnzipChunk);
    qint64 written = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && unzGoToNextFile(uf) != UNZ_OK) {
            setError(error, ErrorReadEntry);
            return false;
        }
        const EntryInfo& e = entries[i];
        const int parents = static_cast<int>(e.parts.size()) - (e.folder ? 0 : 1);
        if (!makeFolders(root, e.parts, parents)) {
            setError(error, ErrorWriteEntry);
            return false;
        }
        if (e.folder)
            continue;
        const QByteArray target = QFile::encodeName(root + QLatin1Char('/') + e.parts.join(QLatin1Char('/')));
        struct stat st;
        const bool exists = ::lstat(target.constData(), &st) == 0;
        if (exists && !overwrite)
            continue;
        if (exists && !S_ISREG(st.st_mode)) {  // a folder or link in the way
            setError(error, ErrorWriteEntry);
            return false;
        }
        const int openRc = pwd.isEmpty() ? unzOpenCurrentFile(uf)
                                         : unzOpenCurrentFilePassword(uf, pwd.constData());
        if (openRc != UNZ_OK) {
            setError(error, ErrorReadEntry);
            return false;
        }
        const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            unzCloseCurrentFile(uf);
            setError(error, ErrorWriteEntry);
            return false;
        }
        int failure = 0;
        for (;;) {
            const int n = unzReadCurrentFile(uf, buffer.data(), kUnzipChunk);
            if (n == 0)
                break;
            if (n < 0) {
                failure = ErrorReadEntry;
                break;
            }
            written += n;
            if (written > kMaxTotalUnpackedSize) {
                failure = ErrorTooLarge;
                break;
            }
            if (!writeAll(fd, buffer.data(), n)) {
                failure = ErrorWriteEntry;
                break;
            }
        }
        if (::close(fd) != 0 && !failure)
            failure = ErrorWriteEntry;
        // The CRC verdict comes with closing the entry after its last byte.
        if (unzCloseCurrentFile(uf) != UNZ_OK && !failure)
            failure = ErrorReadEntry;
        if (failure) {
            ::unlink(target.constData());
            setError(error, failure);
            return false;
        }
        setModificationTime(target, e.info.tmu_date);
    }
    return true;
}

namespace {

// minizip's file functions over an open file, so that the package is
// written only to the file the caller opened: minizip never opens a name
// itself.
QFileDevice* fileOf(voidpf stream) { return static_cast<QFileDevice*>(stream); }

voidpf ZCALLBACK deviceOpen(voidpf, const void* device, int) {
    return const_cast<void*>(device);
}

uLong ZCALLBACK deviceRead(voidpf, voidpf stream, void* buf, uLong size) {
    const qint64 n = fileOf(stream)->read(static_cast<char*>(buf), qint64(size));
    return n > 0 ? uLong(n) : 0;
}

uLong ZCALLBACK deviceWrite(voidpf, voidpf stream, const void* buf, uLong size) {
    // Anything short of the whole block fails the package.
    const QByteArray block = QByteArray::fromRawData(static_cast<const char*>(buf), qsizetype(size));
    return zelk::writeWholeFile(*fileOf(stream), block) ? size : 0;
}

ZPOS64_T ZCALLBACK deviceTell(voidpf, voidpf stream) { return ZPOS64_T(fileOf(stream)->pos()); }

long ZCALLBACK deviceSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    QFileDevice* file = fileOf(stream);
    qint64 to = qint64(offset);
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        to += file->pos();
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        to += file->size();
    return file->seek(to) ? 0 : -1;
}

// The caller closes the file: committing it is its decision.
int ZCALLBACK deviceClose(voidpf, voidpf) { return 0; }

int ZCALLBACK deviceError(voidpf, voidpf stream) { return fileOf(stream)->error() != QFileDevice::NoError ? 1 : 0; }

}  // namespace

SSZipArchive::SSZipArchive(QFileDevice* file) : _device(file) {}

SSZipArchive::~SSZipArchive() {
    if (_zip)
        zipClose(static_cast<zipFile>(_zip), nullptr);
}

bool SSZipArchive::open() {
    Q_ASSERT_X(!_zip, "SSZipArchive::open", "Attempting open an archive which is already open");
    if (_zip || !_device)
        return false;
    zlib_filefunc64_def io{deviceOpen, deviceRead, deviceWrite, deviceTell, deviceSeek, deviceClose, deviceError,
                           nullptr};
    _zip = zipOpen2_64(_device, APPEND_STATUS_CREATE, nullptr, &io);
    return _zip != nullptr;
}

bool SSZipArchive::close() {
    Q_ASSERT_X(_zip, "SSZipArchive::close", "Attempting to close an archive which was never opened");
    if (!_zip)
        return false;
    const int rc = zipClose(static_cast<zipFile>(_zip), nullptr);
    _zip = nullptr;
    return rc == ZIP_OK;
}

namespace {

// Entries carry the zip format's earliest date, 1980-01-01 00:00, so the
// same content always gives the same package.
zip_fileinfo fixedFileInfo() {
    zip_fileinfo zi{};
    zi.tmz_date.tm_year = 1980;
    zi.tmz_date.tm_mon = 0;
    zi.tmz_date.tm_mday = 1;
    return zi;
}

// Bit 11 of the general purpose flags: the name is UTF-8 (APPNOTE 4.4.4).
uLong nameFlags(const QByteArray& utf8) {
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80)
            return 1u << 11;
    return 0;
}

}  // namespace

bool SSZipArchive::writeFolderEntry(const QString& name) {
    const QByteArray n = (name + QLatin1Char('/')).toUtf8();
    zip_fileinfo zi = fixedFileInfo();
    zipFile zf = static_cast<zipFile>(_zip);
    if (zipOpenNewFileInZip4_64(zf, n.constData(), &zi, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 0, nameFlags(n), 0) != ZIP_OK)
        return false;
    return zipCloseFileInZip(zf) == ZIP_OK;
}

bool SSZipArchive::writeEntry(const QString& name, const QString& filePath) {
    QFile in(filePath);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray n = name.toUtf8();
    zip_fileinfo zi = fixedFileInfo();
    zipFile zf = static_cast<zipFile>(_zip);
    const int zip64 = in.size() >= 0xffffffffLL ? 1 : 0;
    if (zipOpenNewFileInZip4_64(zf, n.constData(), &zi, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 0, nameFlags(n), zip64) != ZIP_OK)
        return false;
    std::vector<char> buffer(kZipChunk);
    bool ok = true;
    for (;;) {
        const qint64 got = in.read(buffer.data(), kZipChunk);
        if (got == 0)
            break;
        if (got < 0 || zipWriteInFileInZip(zf, buffer.data(), static_cast<unsigned>(got)) != ZIP_OK) {
            ok = false;
            break;
        }
    }
    return zipCloseFileInZip(zf) == ZIP_OK && ok;
}

bool SSZipArchive::writeFile(const QString& name, const QString& baseFolder) {
    Q_ASSERT_X(_zip, "SSZipArchive::writeFile", "Attempting to write to an archive which was never opened");
    if (!_zip)
        return false;
    const QString p = baseFolder + name;
    const QFileInfo fi(p);
    if (fi.isDir() && !fi.isSymLink()) {
        // Sorted by name so that the same folder always packs the same way.
        QStringList items = QDir(p).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot, QDir::Unsorted);
        std::sort(items.begin(), items.end());
        if (items.isEmpty())
            return writeFolderEntry(name);
        for (const QString& item : items)
            if (!writeFile(name + QLatin1Char('/') + item, baseFolder))
                return false;
        return true;
    }
    return writeEntry(name, p);
}

bool SSZipArchive::createZipFileAtPath(const QString& path, const QStringList& paths, QString* why) {
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    // Renaming over a device or a pipe would replace it with a plain file.
    const QFileInfo dest(path);
    if (path.isEmpty() || dest.isDir() || (dest.exists() && !dest.isFile()))
        return fail(QStringLiteral("%1 is not a file").arg(path));
    // As design files are saved: a temporary file that only this process
    // holds (unnamed where the file system allows, so a killed process
    // leaves nothing), synced and renamed over the destination by commit.
    // It takes the permissions of the file it replaces.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QString unreadable;
    bool ok = true;
    {
        SSZipArchive archive(&file);
        if (!archive.open())
            return fail(QStringLiteral("%1: %2").arg(path, zelk::writeFailureReason(file)));
        for (QString item : paths) {
            while (item.size() > 1 && item.endsWith(QLatin1Char('/')))
                item.chop(1);
            const int slash = item.lastIndexOf(QLatin1Char('/'));
            const QString base = slash >= 0 ? item.left(slash + 1) : QString();
            const QString name = item.mid(slash + 1);
            if (name.isEmpty() || !archive.writeFile(name, base)) {
                if (file.error() == QFileDevice::NoError)
                    unreadable = item;
                ok = false;
                break;
            }
        }
        if (!archive.close())
            ok = false;
    }
    if (!ok) {
        const QString reason = unreadable.isEmpty()
                                   ? QStringLiteral("%1: %2").arg(path, zelk::writeFailureReason(file))
                                   : QStringLiteral("%1 cannot be read").arg(unreadable);
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(QStringLiteral("%1: %2").arg(path, zelk::writeFailureReason(file)));
    return true;
}
