// Design-file reader fuzz target: any input gives a design or the corrupt-file
// message with a reason, and a design that was read saves and reads back.
#include "mainwindow/DesignFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const zelk::DesignReadResult result = DesignFile::readDesignData(input);
    if (!result.ok()) {
        if (result.message != DesignFile::CorruptMessage || result.detail.isEmpty())
            std::abort();  // a refusal must show the message and say why
        return 0;
    }
    QString error;
    const QByteArray written = DesignFile::designFileData(*result.contents, DesignFile::DesignMode, &error);
    if (written.isEmpty())
        return 0;  // e.g. a picture made on loading that the file cannot hold
    const zelk::DesignReadResult again = DesignFile::readDesignData(written);
    if (!again.ok())
        std::abort();  // what we write, we must read
    // A second save of what was read back is the same file.
    if (DesignFile::designFileData(*again.contents, DesignFile::DesignMode) != written)
        std::abort();
    return 0;
}
