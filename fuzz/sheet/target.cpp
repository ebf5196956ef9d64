// Reads arbitrary bytes as a worksheet (whole and header row only) and as a
// shared-string table: malformed input gives an error, never a crash.
#include "datasource/SheetReader.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList shared;
    {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        zelk::SheetReader::readSharedStrings(in, shared);
    }
    if (shared.isEmpty())
        shared = {QStringLiteral("one"), QStringLiteral("two")};
    for (bool firstRowOnly : {false, true}) {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const zelk::SheetReader::Result r = zelk::SheetReader::readSheet(in, shared, firstRowOnly);
        if (!r.ok && r.error.isEmpty())
            std::abort();  // a failure must say why
        for (const QStringList& row : r.rows)
            if (row.size() > zelk::SheetReader::kMaxColumns)
                std::abort();
    }
    return 0;
}
