#include "ZipTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>
#include <zlib.h>

#include <algorithm>

namespace zelk::test {

QByteArray rawDeflate(const QByteArray& bytes) {
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&zs, static_cast<uLong>(bytes.size()))), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    zs.avail_in = static_cast<uInt>(bytes.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(static_cast<qsizetype>(zs.total_out));
    deflateEnd(&zs);
    return out;
}

bool writeZip(const QString& path, const QList<ZipEntry>& entries) {
    zipFile zf = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zf)
        return false;
    bool ok = true;
    for (const ZipEntry& e : entries) {
        zip_fileinfo zi{};
        zi.tmz_date.tm_year = 2020;
        zi.tmz_date.tm_mon = 4;
        zi.tmz_date.tm_mday = 17;
        zi.tmz_date.tm_hour = 10;
        zi.tmz_date.tm_min = 30;
        zi.external_fa = static_cast<uLong>(e.unixMode) << 16;
        const uLong madeBy = e.unixMode ? (3u << 8) | 20u : 0u;
        if (zipOpenNewFileInZip4_64(zf, e.name.constData(), &zi, nullptr, 0, nullptr, 0, nullptr,
                                    Z_DEFLATED, Z_DEFAULT_COMPRESSION, e.raw ? 1 : 0, -MAX_WBITS,
                                    DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, madeBy, 0, 1) != ZIP_OK) {
            ok = false;
            break;
        }
        if (!e.data.isEmpty())
            zipWriteInFileInZip(zf, e.data.constData(), static_cast<unsigned>(e.data.size()));
        if (e.raw)
            zipCloseFileInZipRaw64(zf, e.declaredSize, e.declaredCrc);
        else
            zipCloseFileInZip(zf);
    }
    return zipClose(zf, nullptr) == ZIP_OK && ok;
}

QStringList zipListing(const QString& path) {
    QStringList out;
    unzFile uf = unzOpen64(QFile::encodeName(path).constData());
    if (!uf)
        return out;
    for (int rc = unzGoToFirstFile(uf); rc == UNZ_OK; rc = unzGoToNextFile(uf)) {
        unz_file_info64 info{};
        char name[1024] = {};
        unzGetCurrentFileInfo64(uf, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
        out << QStringLiteral("%1@%2").arg(QString::fromUtf8(name)).arg(info.dosDate, 8, 16, QLatin1Char('0'));
    }
    unzClose(uf);
    return out;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList treeOf(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace zelk::test
