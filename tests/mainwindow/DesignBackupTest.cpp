// The design backup before a batch: both sides archived and restored whole;
// a graphic that cannot be archived or restored stops the batch instead of
// being dropped; the production array follows the current side.
#include "DesignFileTestSupport.h"

#include "foundation/Codes.h"
#include "foundation/GraphicArchive.h"
#include "mainwindow/DesignBackup.h"
#include "platform/MessageSink.h"

#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

using Graphics = QList<std::shared_ptr<SKTGraphic>>;

Graphics everyKind(const QString& picture) {
    Graphics graphics;
    for (GraphicKind kind : allGraphicKinds())
        graphics << makeStorableGraphic(kind, picture);
    return graphics;
}

// A graphic whose archive is refused when read back: its barcode picture is
// wider than an archive may hold.
std::shared_ptr<SKTGraphic> unrestorableGraphic() {
    std::shared_ptr<SKTGraphic> g = makeGraphic(GraphicKind::Barcode);
    g->_barcode_image = QImage(GraphicArchive::MaxPictureSide + 1, 1, QImage::Format_Mono);
    g->_barcode_image.fill(0);
    return g;
}

}  // namespace

TEST(DesignBackup, BothSidesRestoreEqualAndInOrder) {
    QTemporaryDir dir;
    const QString picture = writePictureFile(QDir(dir.path()), QStringLiteral("p.png"), qRgb(3, 4, 5));
    const Graphics front = everyKind(picture);
    Graphics back = everyKind(picture);
    std::reverse(back.begin(), back.end());

    const DesignBackupResult backup = DesignBackup::Create_Design_Backup_Array(front, back);
    ASSERT_TRUE(backup.ok) << qPrintable(backup.message);
    ASSERT_EQ(backup.front.size(), front.size());
    ASSERT_EQ(backup.back.size(), back.size());

    const DesignRestoreResult restored = DesignBackup::restoreDesignBackup(backup.front, backup.back);
    ASSERT_TRUE(restored.ok) << qPrintable(restored.message);
    ASSERT_EQ(restored.front.size(), front.size());
    ASSERT_EQ(restored.back.size(), back.size());
    for (qsizetype i = 0; i < front.size(); ++i) {
        EXPECT_TRUE(graphicsMatch(*front.at(i), *restored.front.at(i))) << i;
        EXPECT_TRUE(graphicsMatch(*back.at(i), *restored.back.at(i))) << i;
        EXPECT_NE(restored.front.at(i).get(), front.at(i).get()) << "new graphics, not the live ones";
    }

    const DesignBackupResult empty = DesignBackup::Create_Design_Backup_Array({}, {});
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.front.isEmpty() && empty.back.isEmpty());
}

TEST(DesignBackup, AGraphicThatCannotBeArchivedStopsTheBatch) {
    const struct {
        bool onBack;
        int position;
        const char* side;
    } cases[] = {{false, 1, "front"}, {false, 3, "front"}, {true, 2, "back"}};
    for (const auto& c : cases) {
        Graphics front{makeGraphic(GraphicKind::Text), makeGraphic(GraphicKind::Line),
                       makeGraphic(GraphicKind::Shape)};
        Graphics back{makeGraphic(GraphicKind::Text), makeGraphic(GraphicKind::Shape)};
        (c.onBack ? back : front)[c.position - 1] = unrestorableGraphic();

        const DesignBackupResult backup = DesignBackup::Create_Design_Backup_Array(front, back);
        EXPECT_FALSE(backup.ok);
        EXPECT_TRUE(backup.front.isEmpty()) << "no partial backup";
        EXPECT_TRUE(backup.back.isEmpty());
        EXPECT_TRUE(backup.message.startsWith(
            QStringLiteral("Graphic %1 of the %2 side could not be saved for the batch")
                .arg(c.position)
                .arg(QLatin1String(c.side))))
            << qPrintable(backup.message);
        EXPECT_TRUE(backup.logText.startsWith(QStringLiteral("NSException in ENCODING:\n\n %1 - \n").arg(c.position)))
            << qPrintable(backup.logText);
        EXPECT_TRUE(backup.logText.endsWith(QStringLiteral("%1 - SKTBarcode").arg(QLatin1String(c.side))));
    }
}

TEST(DesignBackup, ADamagedArchiveRestoresNothing) {
    const Graphics front{makeGraphic(GraphicKind::Text), makeGraphic(GraphicKind::Image)};
    const Graphics back{makeGraphic(GraphicKind::Line)};
    const DesignBackupResult backup = DesignBackup::Create_Design_Backup_Array(front, back);
    ASSERT_TRUE(backup.ok);

    QList<QByteArray> damagedBack = backup.back;
    damagedBack[0].chop(3);
    const DesignRestoreResult r = DesignBackup::restoreDesignBackup(backup.front, damagedBack);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.front.isEmpty() && r.back.isEmpty());
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("Graphic 1 of the back side could not be restored")))
        << qPrintable(r.message);
}

TEST(DesignBackup, ProductionArrayFollowsTheCurrentSide) {
    const Graphics front{makeGraphic(GraphicKind::Text)};
    const Graphics back{makeGraphic(GraphicKind::Line), makeGraphic(GraphicKind::Shape)};
    const struct {
        int side;
        QString mode;
        bool backChosen;
        bool selectAgain;
    } cases[] = {
        {CardSide::Front, StartMode::DesignFile, false, false},
        {CardSide::Back, StartMode::Template, true, false},
        {CardSide::Front, StartMode::GroupList, false, true},
        {CardSide::Back, StartMode::GroupList, true, true},
        {CardSide::Back, StartMode::Visitor, true, false},
    };
    for (const auto& c : cases) {
        const BatchSideChoice choice = DesignBackup::Set_Graphic_Array_According_Side(c.side, c.mode, front, back);
        EXPECT_FALSE(choice.Card_Value_In_Process);
        EXPECT_EQ(choice.side, c.side);
        const Graphics& expected = c.backChosen ? back : front;
        ASSERT_EQ(choice.Graphics_array_Batch.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            EXPECT_EQ(choice.Graphics_array_Batch.at(i).get(), expected.at(i).get()) << "the live graphics";
        EXPECT_EQ(choice.selectSideAgain, c.selectAgain) << qPrintable(c.mode);
    }
}
