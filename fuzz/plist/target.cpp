// Property-list reader fuzz target: any input must give a value or a clear
// error, and a value that was read must write and read back.
#include "platform/PropertyList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    zelk::PropertyListLimits limits;
    limits.maxBytes = 1 << 20;
    limits.maxElements = 100000;
    QVariant value;
    QString error;
    if (!zelk::PropertyList::read(input, value, &error, limits)) {
        if (error.isEmpty())
            std::abort();  // a failure must say why
        return 0;
    }
    QString writeError;
    const QByteArray written = zelk::PropertyList::write(value, &writeError);
    if (written.isEmpty())
        return 0;  // e.g. text holding U+FFFE that XML cannot carry
    QVariant again;
    if (!zelk::PropertyList::read(written, again, &error))
        std::abort();  // what we write, we must read
    return 0;
}
