// Writes the seed corpus of the graphic archive fuzz target. Disabled in
// ordinary runs; regenerate with
//   test_foundation --gtest_also_run_disabled_tests --gtest_filter='GraphicArchiveSeeds.*'
#include "GraphicTestSupport.h"

#include "TestSupport.h"
#include "foundation/GraphicArchive.h"

#include <QCborArray>
#include <QCborMap>
#include <QDir>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

void writeSeed(const QDir& dir, const QString& name, const QByteArray& bytes) {
    writeBytes(dir.filePath(name), bytes);
}

QByteArray mapWith(const QString& key, const QCborValue& value) {
    QCborMap map = GraphicArchive::toCbor(*makeFilledGraphic(GraphicKind::Text));
    map.insert(key, value);
    return QCborValue(map).toCbor();
}

}  // namespace

TEST(GraphicArchiveSeeds, DISABLED_WriteFuzzCorpus) {
    QDir dir(sourceDir() + QStringLiteral("/fuzz/graphic_archive/corpus"));
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    for (GraphicKind kind : allGraphicKinds()) {
        const QString name = graphicKindName(kind);
        writeSeed(dir, QStringLiteral("filled_%1.cbor").arg(name),
                  GraphicArchive::archivedData(*makeFilledGraphic(kind)));
        writeSeed(dir, QStringLiteral("default_%1.cbor").arg(name),
                  GraphicArchive::archivedData(*makeGraphic(kind)));
    }
    const QList<std::shared_ptr<SKTGraphic>> three = {makeGraphic(GraphicKind::Text),
                                                      makeGraphic(GraphicKind::Shape),
                                                      makeGraphic(GraphicKind::Line)};
    const QByteArray array = GraphicArchive::archivedData(three);
    writeSeed(dir, QStringLiteral("array_of_three.cbor"), array);
    writeSeed(dir, QStringLiteral("array_empty.cbor"),
              GraphicArchive::archivedData(QList<std::shared_ptr<SKTGraphic>>{}));

    // Malformed seeds: each is refused for its own reason.
    const QByteArray filled = GraphicArchive::archivedData(*makeFilledGraphic(GraphicKind::Image));
    writeSeed(dir, QStringLiteral("bad_truncated.cbor"), filled.left(filled.size() / 3));
    writeSeed(dir, QStringLiteral("bad_array_truncated.cbor"), array.left(array.size() - 5));
    writeSeed(dir, QStringLiteral("bad_trailing_byte.cbor"), filled + QByteArray(1, '\xff'));
    writeSeed(dir, QStringLiteral("bad_version.cbor"), mapWith(GraphicArchive::VersionKey, 99));
    writeSeed(dir, QStringLiteral("bad_kind.cbor"), mapWith(GraphicArchive::ClassKey, QStringLiteral("SKTGroup")));
    writeSeed(dir, QStringLiteral("bad_font.cbor"),
              mapWith(QStringLiteral("text_ctrl_font"), QStringLiteral("X,nan,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")));
    writeSeed(dir, QStringLiteral("bad_colour.cbor"),
              mapWith(QStringLiteral("txt_clr"), QCborArray{70000, 0, 0, 1}));
    writeSeed(dir, QStringLiteral("bad_rect.cbor"), mapWith(QStringLiteral("_bounds"), QCborArray{1, 2}));
    writeSeed(dir, QStringLiteral("bad_picture.cbor"),
              mapWith(QStringLiteral("_contents"), QByteArray("\x89PNG\r\n\x1a\nnot really", 18)));
    writeSeed(dir, QStringLiteral("bad_not_cbor.txt"), QByteArray("SKTText{_bounds:[0,0,1,1]}"));
}
