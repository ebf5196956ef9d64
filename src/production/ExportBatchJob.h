#pragma once
// A batch export: card files of the rows of a run written into the folder
// "Zelk ID Card" inside the chosen folder. Cards are made and encoded on
// every core, ahead of the writing by a few cards; the files are written on
// the job's thread in card order, so the keep-or-replace questions and the
// order of the files are those of one card after the other. Headless: what
// the user sees (the progress sheet, the messages) is the caller's.
#include "dialogs/RunScope.h"
#include "production/CardSource.h"
#include "production/ExportFileWriter.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

namespace zelk {

class ExportBatchJob {
public:
    struct Settings {
        QString folder;              // the chosen folder
        QString extension;           // the file type's title, as it stands
        QString card_side;           // "F", "B" or "BOTH"
        bool combined = false;       // "BOTH" in one picture, Card_n
        bool sideBySide = false;     // combined: front left of the back, else above
        int first = 0;               // first card, 0-based (Print_Start)
        int end = 0;                 // loop end, exclusive (Total_Label)
        int threads = 0;             // 0: one per core
    };
    static const QString FolderName;  // "Zelk ID Card"

    ExportBatchJob(Settings settings, std::shared_ptr<const CardSource> cards,
                   ExportFileWriter::Ask ask = ExportFileWriter::askReplcaeConfirmBox);

    // The whole run, on the calling thread; it returns when the last file is
    // written or the run stopped. Call once.
    void run();

    // Cards of the run (the range bounded to the cards of the source), and
    // cards begun so far; safe from any thread while the job runs.
    int total() const { return end_ - first_; }
    int cardsBegun() const { return begun_.load(); }

    // ---- What the run did (read after run()) ----
    QString outputFolder() const;
    bool folderFailed() const { return folderFailed_; }
    int filesWritten() const { return written_; }
    // Cards every file of which was written.
    int cardsWritten() const { return cardsWritten_; }
    // Cancel all or Stop ended the run early.
    bool stopped() const { return stopped_; }
    // The failed write that ended the run.
    const std::optional<ExportFileWriter::Result>& writeFailure() const { return writeFailure_; }
    // "Card n (front): reason" for each side that could not be made; such a
    // card writes nothing, not even its other side, and removes nothing.
    const QStringList& unmadeCards() const { return unmade_; }
    // The cards written whose fields read wrong (CardSource::Card::readingWrong):
    // the 0-based card and what reads wrong on it, both sides'.
    const QMap<int, QList<NamedReadingWrong>>& cardsReadingWrong() const { return readingWrong_; }

private:
    struct File;
    struct CardFiles;
    CardFiles make(int index) const;

    RunScope run_;
    Settings settings_;
    std::shared_ptr<const CardSource> cards_;
    ExportFileWriter::Ask ask_;
    int first_ = 0;
    int end_ = 0;
    std::atomic<int> begun_{0};
    std::atomic<bool> abandon_{false};
    bool folderFailed_ = false;
    int written_ = 0;
    int cardsWritten_ = 0;
    bool stopped_ = false;
    std::optional<ExportFileWriter::Result> writeFailure_;
    QStringList unmade_;
    QMap<int, QList<NamedReadingWrong>> readingWrong_;
};

}  // namespace zelk
