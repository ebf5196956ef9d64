#include "mainwindow/DesignBackup.h"

#include "foundation/Codes.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

namespace {

const QString FrontName = QStringLiteral("front");
const QString BackName = QStringLiteral("back");

// Archives one side; false with the failing position and reason.
bool archiveSide(const QList<std::shared_ptr<SKTGraphic>>& graphics, QList<QByteArray>* out,
                 int* failedAt, QString* reason, QString* kindName) {
    out->reserve(graphics.size());
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& g = graphics.at(i);
        if (!g)
            continue;
        const QByteArray data = GraphicArchive::archivedData(*g);
        QString error;
        // A backup that cannot be read back would lose the graphic after
        // the batch: prove it now, while the design is still whole.
        if (data.isEmpty() || !GraphicArchive::unarchiveGraphic(data, &error)) {
            *failedAt = int(i) + 1;
            *reason = data.isEmpty() ? QStringLiteral("a picture too large to archive") : error;
            *kindName = zelk::graphicKindName(g->kind());
            return false;
        }
        out->append(data);
    }
    return true;
}

bool restoreSide(const QList<QByteArray>& data, QList<std::shared_ptr<SKTGraphic>>* out, int* failedAt,
                 QString* reason) {
    out->reserve(data.size());
    for (qsizetype i = 0; i < data.size(); ++i) {
        QString error;
        std::shared_ptr<SKTGraphic> g = GraphicArchive::unarchiveGraphic(data.at(i), &error);
        if (!g) {
            *failedAt = int(i) + 1;
            *reason = error;
            return false;
        }
        out->append(std::move(g));
    }
    return true;
}

}  // namespace

zelk::DesignBackupResult DesignBackup::Create_Design_Backup_Array(
    const QList<std::shared_ptr<SKTGraphic>>& front, const QList<std::shared_ptr<SKTGraphic>>& back) {
    zelk::DesignBackupResult result;
    int failedAt = 0;
    QString reason;
    QString kindName;
    const QString* side = &FrontName;
    bool ok = archiveSide(front, &result.front, &failedAt, &reason, &kindName);
    if (ok) {
        side = &BackName;
        ok = archiveSide(back, &result.back, &failedAt, &reason, &kindName);
    }
    if (!ok) {
        result.front.clear();
        result.back.clear();
        result.message = ArchiveFailedMessage.arg(*side).arg(failedAt).arg(reason);
        result.logText = ArchiveLogFormat.arg(failedAt).arg(reason, *side, kindName);
        Show_NSLog_Message(result.logText);
        return result;
    }
    result.ok = true;
    return result;
}

zelk::DesignRestoreResult DesignBackup::restoreDesignBackup(const QList<QByteArray>& front,
                                                          const QList<QByteArray>& back) {
    zelk::DesignRestoreResult result;
    int failedAt = 0;
    QString reason;
    const QString* side = &FrontName;
    bool ok = restoreSide(front, &result.front, &failedAt, &reason);
    if (ok) {
        side = &BackName;
        ok = restoreSide(back, &result.back, &failedAt, &reason);
    }
    if (!ok) {
        result.front.clear();
        result.back.clear();
        result.message = RestoreFailedMessage.arg(*side).arg(failedAt).arg(reason);
        result.logText = result.message;
        Show_NSLog_Message(result.logText);
        return result;
    }
    result.ok = true;
    return result;
}

zelk::BatchSideChoice DesignBackup::Set_Graphic_Array_According_Side(
    int Card_Front_Or_Back, const QString& Start_Card_Option,
    const QList<std::shared_ptr<SKTGraphic>>& front, const QList<std::shared_ptr<SKTGraphic>>& back) {
    zelk::BatchSideChoice choice;
    choice.Card_Value_In_Process = false;
    choice.side = Card_Front_Or_Back == CardSide::Front ? CardSide::Front : CardSide::Back;
    choice.Graphics_array_Batch = choice.side == CardSide::Front ? front : back;
    choice.selectSideAgain = Start_Card_Option == StartMode::GroupList;
    return choice;
}
