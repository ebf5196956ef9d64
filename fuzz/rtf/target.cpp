// RTF import fuzz target: any bytes give plain text or, without the RTF
// header, a null string; the text is well-formed UTF-16, and the series
// values taken from it are one line each.
#include "datasource/RtfReader.h"
#include "datasource/SeriesText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = zelk::RtfReader::plainText(input);
    qsizetype start = 0;
    while (start < input.size() && QByteArray(" \t\r\n").contains(input.at(start)))
        ++start;
    if (text.isNull() != !input.sliced(start).startsWith("{\\rtf"))
        std::abort();  // only a document without the header is refused
    if (text.isNull())
        return 0;
    if (!text.isValidUtf16())
        std::abort();  // an unpaired surrogate must not reach the values
    for (const QString& value : zelk::series::valuesOfText(text, zelk::series::TextKind::Rtf)) {
        if (value.isEmpty() || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
            std::abort();  // every paragraph is a value of its own
    }
    return 0;
}
