// Graphic archive fuzz target: any input must give graphics or a clear error
// (never a crash, never a half-read result), and graphics that were read must
// archive and read back equal.
#include "foundation/GraphicArchive.h"
#include "foundation/SKTGraphic.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void checkRoundTrip(const SKTGraphic& g) {
    QString error;
    const auto again = GraphicArchive::unarchiveGraphic(GraphicArchive::archivedData(g), &error);
    if (!again || !zelk::sameGraphic(g, *again))
        std::abort();  // what we write, we must read back equal
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    QString error;
    if (const auto g = GraphicArchive::unarchiveGraphic(input, &error))
        checkRoundTrip(*g);
    else if (error.isEmpty())
        std::abort();  // a refusal must say why

    const auto sentinel = zelk::makeGraphic(zelk::GraphicKind::Line);
    QList<std::shared_ptr<SKTGraphic>> graphics = {sentinel};
    error.clear();
    if (GraphicArchive::unarchiveGraphics(input, &graphics, &error)) {
        for (const auto& g : graphics)
            checkRoundTrip(*g);
    } else if (error.isEmpty() || graphics.size() != 1 || graphics.first() != sentinel) {
        std::abort();  // a refused array leaves the target as it was
    }
    return 0;
}
