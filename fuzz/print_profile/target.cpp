// Print profile fuzz target: any bytes as a profile file give its 26
// settings or a refusal that says why; settings that were read write and
// read back the same.
#include "production/PrintProfileFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = PrintProfileFile::pathOf(folder.path(), QStringLiteral("Profile"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QStringList fields;
    QString error;
    if (!PrintProfileFile::read(path, fields, &error)) {
        if (error.isEmpty() || !fields.isEmpty())
            std::abort();  // a refusal says why and gives nothing
        return 0;
    }
    if (fields.size() != PrintProfileFile::FieldCount)
        std::abort();
    QString writeError;
    if (!PrintProfileFile::write(path, fields, &writeError)) {
        if (writeError.isEmpty())
            std::abort();
        return 0;  // e.g. a setting holding U+FFFE, which XML cannot carry
    }
    QStringList again;
    if (!PrintProfileFile::read(path, again, &error) || again != fields)
        std::abort();  // what we write, we must read
    return 0;
}
