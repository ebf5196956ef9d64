#include "production/ExportBatchJob.h"

#include "foundation/Utilities.h"
#include "production/CardsReadingWrong.h"
#include "production/ExportPicture.h"

#include <QDir>
#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <deque>

using zelk::ExportBatchJob;

const QString ExportBatchJob::FolderName = QStringLiteral("Zelk ID Card");

struct ExportBatchJob::File {
    QString path;
    QByteArray bytes;
    QString unmade;  // the card could not be made: why
    QString reason;  // the file could not be encoded: why
};

struct ExportBatchJob::CardFiles {
    QList<File> files;
    QList<NamedReadingWrong> readingWrong;  // of both sides
};

ExportBatchJob::ExportBatchJob(Settings settings, std::shared_ptr<const CardSource> cards,
                               ExportFileWriter::Ask ask)
    : settings_(std::move(settings)), cards_(std::move(cards)), ask_(std::move(ask)) {
    // Only rows the source has are ever asked for, whatever the range says.
    const int count = cards_ ? cards_->count() : 0;
    first_ = qBound(0, settings_.first, count);
    end_ = qBound(first_, settings_.end, count);
}

QString ExportBatchJob::outputFolder() const {
    return QDir(settings_.folder).filePath(FolderName);
}

ExportBatchJob::CardFiles ExportBatchJob::make(int index) const {
    CardFiles out;
    if (abandon_)
        return out;
    const QString base = QDir(outputFolder()).filePath(QStringLiteral("Card_%1").arg(index + 1));
    const QString ext = settings_.extension;
    auto card = [&](const QString& side) {
        CardSource::Card c = cards_->card(index, side);
        zelk::addReadingWrong(out.readingWrong, c.readingWrong);
        return c;
    };
    auto unmade = [&](const QString& side, const CardSource::Card& c) {
        return QStringLiteral("Card %1 (%2): %3")
            .arg(index + 1)
            .arg(side, c.reason.isEmpty() ? QStringLiteral("it could not be made.") : c.reason);
    };
    auto encoded = [&](const QString& path, const QString& side, const CardSource::Card& c) {
        File f;
        f.path = path;
        if (c.ok())
            f.bytes = ExportPicture(c.image).encode(ext, true, &f.reason);
        else
            f.unmade = unmade(side, c);
        return f;
    };
    const QString front = base + QStringLiteral("_Front.") + ext;
    const QString back = base + QStringLiteral("_Back.") + ext;
    const QString frontName = QStringLiteral("front"), backName = QStringLiteral("back");
    if (settings_.card_side == QLatin1String("BOTH")) {
        const CardSource::Card b = card(QStringLiteral("B"));
        const CardSource::Card f = card(QStringLiteral("F"));
        if (!settings_.combined) {
            out.files << encoded(back, backName, b) << encoded(front, frontName, f);
            return out;
        }
        File both;
        both.path = base + QLatin1Char('.') + ext;
        if (!f.ok())
            both.unmade = unmade(frontName, f);
        else if (!b.ok())
            both.unmade = unmade(backName, b);
        else
            both.bytes = ExportPicture::combined(ExportPicture(f.image), ExportPicture(b.image), settings_.sideBySide)
                             .encode(ext, true, &both.reason);
        out.files << both;
    } else if (settings_.card_side == QLatin1String("B")) {
        out.files << encoded(back, backName, card(QStringLiteral("B")));
    } else {
        out.files << encoded(front, frontName, card(QStringLiteral("F")));
    }
    return out;
}

void ExportBatchJob::run() {
    if (!zelk::createOutputFolder(outputFolder())) {
        folderFailed_ = true;
        return;
    }
    const int threads = settings_.threads > 0 ? settings_.threads : qMax(1, QThread::idealThreadCount());
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    // Cards made ahead of the writing: enough to keep every core busy while
    // one card is written, few enough that a waiting question holds little.
    const int ahead = 2 * threads;
    std::deque<QFuture<CardFiles>> pending;
    int next = first_;
    auto submit = [&] {
        if (next < end_)
            pending.push_back(QtConcurrent::run(&pool, [this, i = next] { return make(i); }));
        ++next;
    };
    for (int k = 0; k < ahead; ++k)
        submit();

    for (int i = first_; i < end_; ++i) {
        if (ExportFileWriter::runStopped()) {
            stopped_ = true;
            break;
        }
        ++begun_;
        const CardFiles card = pending.front().result();
        pending.pop_front();
        submit();
        // A card with a side that could not be made writes neither side.
        bool unmade = false;
        for (const File& f : card.files) {
            if (!f.unmade.isEmpty()) {
                unmade_ << f.unmade;
                unmade = true;
            }
        }
        if (unmade)
            continue;
        int filesOfCard = 0;
        for (const File& f : card.files) {
            const ExportFileWriter::Result r = ExportFileWriter::write(
                f.path,
                [&f](QString* why) {
                    if (why)
                        *why = f.reason;
                    return f.bytes;
                },
                false, ask_);
            if (r.outcome == ExportFileWriter::Outcome::Written) {
                ++written_;
                ++filesOfCard;
            } else if (r.outcome == ExportFileWriter::Outcome::Stopped) {
                stopped_ = true;
                break;
            } else if (r.outcome == ExportFileWriter::Outcome::Failed) {
                writeFailure_ = r;
                break;
            }
        }
        if (filesOfCard == card.files.size()) {
            ++cardsWritten_;
            if (!card.readingWrong.isEmpty())
                readingWrong_.insert(i, card.readingWrong);
        }
        if (stopped_ || writeFailure_)
            break;
    }
    // Cards made ahead are dropped unwritten.
    abandon_ = true;
    pool.waitForDone();
}
