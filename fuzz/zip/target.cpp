// Unpacks arbitrary bytes as a zip package into a scratch folder: whatever
// the input, the unpack must not crash and must write nothing outside it.
#include "datasource/SSZipArchive.h"
#include "datasource/ZipWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 0;
    const QString zip = tmp.filePath(QStringLiteral("in.zip"));
    {
        QFile f(zip);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const QString dest = tmp.filePath(QStringLiteral("out/inner"));
    SSZipArchive::Error error;
    const bool ok = SSZipArchive::unzipFileAtPath(zip, dest, true, QString(), &error);
    if (!ok && error.code == 0)
        std::abort();  // a failure must say why
    // Only the package and the destination may exist in the scratch folder.
    const QStringList top = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& e : top)
        if (e != QLatin1String("in.zip") && e != QLatin1String("out"))
            std::abort();
    const QStringList mid = QDir(tmp.filePath(QStringLiteral("out"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (mid.size() > 1 || (mid.size() == 1 && mid.first() != QLatin1String("inner")))
        std::abort();
    zelk::ZipWorkFolder::removeTree(tmp.path());
    return 0;
}
