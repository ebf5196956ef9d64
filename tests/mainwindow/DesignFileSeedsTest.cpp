// Writes the seed corpus of the design-file fuzz target. Disabled in ordinary
// runs; regenerate with
//   test_mainwindow --gtest_also_run_disabled_tests --gtest_filter='DISABLED_DesignFileSeeds.*'
#include "DesignFileTestSupport.h"

#include "TestSupport.h"
#include "platform/PropertyList.h"

#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

void writeSeed(const QDir& dir, const QString& name, const QByteArray& bytes) {
    writeBytes(dir.filePath(name), bytes);
}

QByteArray changed(const QByteArray& good, int at, const QVariant& value) {
    QVariant top;
    EXPECT_TRUE(PropertyList::read(good, top));
    QVariantList list = top.toList();
    list[at] = value;
    return PropertyList::write(list);
}

}  // namespace

TEST(DISABLED_DesignFileSeeds, Write) {
    const QDir dir(sourceDir() + QStringLiteral("/fuzz/design_file/corpus"));
    ASSERT_TRUE(dir.exists());
    // Pictures of image graphics come from files the fuzzer's machine lacks;
    // the seeds keep the paths only.
    DesignContents full = makeFullDesign(QStringLiteral("/nonexistent/holder.png"));
    for (auto* side : {&full.frontGraphics, &full.backGraphics}) {
        for (auto& g : *side) {
            g->_contents = QImage();
            g->_contents_with_settings = QImage();
            // Small pictures keep the seeds small.
            if (!g->_barcode_image.isNull())
                g->_barcode_image = makeTestPicture(6, 3, 300, qRgb(0, 0, 0));
        }
    }
    const QByteArray good = DesignFile::designFileData(full, QStringLiteral("L"));
    ASSERT_FALSE(good.isEmpty());
    writeSeed(dir, QStringLiteral("full_design.did"), good);
    writeSeed(dir, QStringLiteral("template.did"), DesignFile::designFileData(full, QStringLiteral("T")));
    writeSeed(dir, QStringLiteral("empty_design.did"), DesignFile::designFileData(DesignContents(), QStringLiteral("L")));

    DesignContents noPicture;
    noPicture.frontGraphics << makeGraphic(GraphicKind::Barcode);
    writeSeed(dir, QStringLiteral("barcode_without_picture.did"), DesignFile::designFileData(noPicture, QStringLiteral("L")));

    writeSeed(dir, QStringLiteral("bad_magic.did"), changed(good, 0, QStringLiteral("VEDAREZEDUZEX")));
    writeSeed(dir, QStringLiteral("bad_version.did"), changed(good, 1, QStringLiteral("2")));
    writeSeed(dir, QStringLiteral("bad_start_mode.did"), changed(good, 2, QStringLiteral("Q")));
    writeSeed(dir, QStringLiteral("bad_rows.did"), changed(good, 12, QStringLiteral("rows")));
    writeSeed(dir, QStringLiteral("bad_truncated.did"), good.left(good.size() / 2));
    writeSeed(dir, QStringLiteral("bad_not_plist.txt"), QByteArray("VEDAREZEDUZER\n"));
    writeSeed(dir, QStringLiteral("bad_entities.did"),
              "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [<!ENTITY a \"VEDAREZEDUZER\">"
              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
              "<plist version=\"1.0\"><array><string>&b;</string></array></plist>\n");
    QByteArray deep = "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">";
    deep += QByteArray("<array>").repeated(400) + QByteArray("</array>").repeated(400) + "</plist>\n";
    writeSeed(dir, QStringLiteral("bad_deep.did"), deep);
}
