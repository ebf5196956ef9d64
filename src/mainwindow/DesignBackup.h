#pragma once
// The archive of a design taken before a batch (print, export, mail) and the
// choice of the production array. Every graphic of both sides is archived
// through GraphicArchive; a graphic whose archive cannot be made or cannot be
// read back is reported, and no backup is handed out: a batch must never run
// on a design it could not restore whole.
//
// No window, no process-wide value: the main window keeps the result in
// Graphics_array_Batch_Front_Bkup and Graphics_array_Batch_BAck_Bkup (one
// element each: the list below) and sets its own state from the answers.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class SKTGraphic;

namespace zelk {

struct DesignBackupResult {
    bool ok = false;
    // The GraphicArchive data of every graphic of a side, in array order.
    QList<QByteArray> front;
    QList<QByteArray> back;
    // When not ok: the message for the user (DesignBackup::ArchiveFailedMessage
    // filled in) and the log line.
    QString message;
    QString logText;
};

struct DesignRestoreResult {
    bool ok = false;
    QList<std::shared_ptr<SKTGraphic>> front;
    QList<std::shared_ptr<SKTGraphic>> back;
    QString message;
    QString logText;
};

// What Set_Graphic_Array_According_Side decides.
struct BatchSideChoice {
    QList<std::shared_ptr<SKTGraphic>> Graphics_array_Batch;  // the current side's live graphics
    bool Card_Value_In_Process = false;                       // always cleared
    bool selectSideAgain = false;  // group mode: select the side (front or back) again
    int side = 0;                  // Card_Front_Or_Back it was made for
};

}  // namespace zelk

class DesignBackup {
public:
    // Shown when a graphic cannot be archived; %1 the side ("front" or
    // "back"), %2 the graphic's position on it (1 = topmost), %3 the reason.
    static inline const QString ArchiveFailedMessage = QStringLiteral(
        "Graphic %2 of the %1 side could not be saved for the batch (%3). Nothing was produced.");
    // Shown when the archive cannot be read back after a batch; the design
    // on screen is kept as it is.
    static inline const QString RestoreFailedMessage = QStringLiteral(
        "Graphic %2 of the %1 side could not be restored after the batch (%3). The design was left as it is.");
    // The log line of an archiving failure: "NSException in ENCODING:\n\n %d - \n%@\n\n%@ - %@"
    // (position, reason, side, kind).
    static inline const QString ArchiveLogFormat = QStringLiteral("NSException in ENCODING:\n\n %1 - \n%2\n\n%3 - %4");

    // Archives both sides; each archive is read back once to prove it can be
    // restored. All or nothing.
    static zelk::DesignBackupResult Create_Design_Backup_Array(
        const QList<std::shared_ptr<SKTGraphic>>& front, const QList<std::shared_ptr<SKTGraphic>>& back);

    // New graphics from a backup, both sides, all or nothing.
    static zelk::DesignRestoreResult restoreDesignBackup(const QList<QByteArray>& front,
                                                         const QList<QByteArray>& back);

    // Clears the batch-in-process state and makes the graphics of the side
    // `Card_Front_Or_Back` names (0 front, otherwise back) the production
    // array; in start mode "G" that side is selected again.
    static zelk::BatchSideChoice Set_Graphic_Array_According_Side(
        int Card_Front_Or_Back, const QString& Start_Card_Option,
        const QList<std::shared_ptr<SKTGraphic>>& front, const QList<std::shared_ptr<SKTGraphic>>& back);
};
