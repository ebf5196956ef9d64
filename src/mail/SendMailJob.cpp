#include "mail/SendMailJob.h"

#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/Utilities.h"
#include "mail/MailRules.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace zelk {

SendMailJob::Send SendMailJob::scriptSender() {
    return [](const MailMessage& m, const std::function<bool()>& abandon) {
        return MailScript::sendEmail_pyth(mail::scriptPath(), m, abandon);
    };
}

SendMailJob::SendMailJob(Settings settings, std::shared_ptr<const CardSource> cards, ExportPicture front,
                         ExportPicture back, std::unique_ptr<QTemporaryDir> folder, Send send)
    : s_(std::move(settings)),
      cards_(std::move(cards)),
      front_(std::move(front)),
      back_(std::move(back)),
      folder_(std::move(folder)),
      send_(std::move(send)) {
    const int recipients = int(s_.recipients.size());
    const int cardCount = cards_ ? cards_->count() : 0;
    switch (s_.mode) {
    case Mode::WithoutCard:
    case Mode::SameCard:
        end_ = recipients;
        break;
    case Mode::EveryCardToEveryone:
        end_ = cardCount;
        break;
    case Mode::RangeToEveryone:
        first_ = std::max(0, s_.first);
        end_ = std::min(s_.end, cardCount);
        break;
    case Mode::OnePerRecipient:
        end_ = std::min(recipients, cardCount);
        break;
    }
    end_ = std::max(end_, first_);
    planned_ = (end_ - first_) * (toEveryone() ? recipients : 1);
}

SendMailJob::~SendMailJob() = default;

bool SendMailJob::toEveryone() const {
    return s_.mode == Mode::EveryCardToEveryone || s_.mode == Mode::RangeToEveryone;
}

bool SendMailJob::stopped() const {
    return Stop_SMS_Sending_Now.load();
}

bool SendMailJob::writeCard(const QString& path, const ExportPicture& picture, const QString& what) {
    QString why;
    const QByteArray pdf = picture.isNull() ? QByteArray() : picture.encode(QStringLiteral("pdf"), false, &why);
    if (pdf.isEmpty() || !writeFileSafely(path, pdf, &why)) {
        unmade_ << QStringLiteral("%1: %2").arg(what, why.isEmpty() ? QStringLiteral("no picture") : why);
        return false;
    }
    return true;
}

QStringList SendMailJob::attachmentsOfTurn(int i) {
    const bool both = s_.card_side == QLatin1String("BOTH");
    const bool back = s_.card_side == QLatin1String("B");
    switch (s_.mode) {
    case Mode::WithoutCard: {
        const QString path = Trim_Str(s_.attachment);
        return !path.isEmpty() && QFileInfo(path).isFile() ? QStringList{path} : QStringList{};
    }
    case Mode::SameCard:
        // Written once, before the first turn, whatever turn that is.
        if (!sameCardWritten_)
            return {};
        if (both)
            return {s_.backPath, s_.frontPath};
        return {back ? s_.backPath : s_.frontPath};
    default:
        break;
    }
    // A two-sided card attaches its back first.
    QStringList files;
    const QStringList sides = both ? QStringList{QStringLiteral("B"), QStringLiteral("F")}
                                   : QStringList{back ? QStringLiteral("B") : QStringLiteral("F")};
    for (const QString& side : sides) {
        const bool isFront = side == QLatin1String("F");
        const QString what = QStringLiteral("Card %1 (%2)").arg(i + 1).arg(isFront ? "front" : "back");
        const CardSource::Card card = cards_->card(i, side);
        if (!card.ok()) {
            unmade_ << QStringLiteral("%1: %2").arg(what, card.reason);
            return {};
        }
        const QString path = isFront ? s_.frontPath : s_.backPath;
        if (!writeCard(path, ExportPicture(card.image), what))
            return {};
        files << path;
    }
    return files;
}

bool SendMailJob::sendTo(const QString& recipient, const QStringList& attachments) {
    MailMessage m = s_.message;
    m.toAddress = recipient;
    m.Attachments = attachments;
    attempts_ << recipient;
    const bool ok = send_(m, [this] { return abandon_.load(); });
    if (ok) {
        ++sent_;
    } else {
        ++failed_;
        Show_NSLog_Message(QStringLiteral("error in mail"));
    }
    return ok;
}

void SendMailJob::pause() {
    // Sleeps in short steps so that Stop ends the pause at once.
    const QDeadlineTimer until(s_.pauseMs);
    while (!stopped() && !until.hasExpired()) {
        const qint64 left = until.remainingTime();
        pause_.store((left + 999) / 1000 * 1000);
        QThread::msleep(std::min<qint64>(left, 100));
    }
    pause_.store(-1);
}

void SendMailJob::run() {
    const bool cardMode = s_.mode != Mode::WithoutCard;
    if (s_.mode == Mode::SameCard) {
        const bool both = s_.card_side == QLatin1String("BOTH");
        const bool back = s_.card_side == QLatin1String("B");
        bool ok = true;
        if (both || back)
            ok = writeCard(s_.backPath, back_, QStringLiteral("Card (back)"));
        if (ok && (both || !back))
            ok = writeCard(s_.frontPath, front_, QStringLiteral("Card (front)"));
        sameCardWritten_ = ok;
        if (!ok)
            return;
    }
    int turnsSincePause = 0;
    for (int i = first_; i < end_; ++i) {
        if (stopped()) {
            stoppedEarly_ = true;
            break;
        }
        begun_.fetch_add(1);
        const QStringList files = attachmentsOfTurn(i);
        if (cardMode && files.isEmpty())
            continue;  // the card could not be made: no mail, no pause count
        if (toEveryone()) {
            Show_NSLog_Message(QStringLiteral("send card with batch to all image to everyone"));
            for (const QString& r : s_.recipients) {
                if (stopped()) {
                    stoppedEarly_ = true;
                    break;
                }
                if (!sendTo(r, files))
                    break;  // the next card goes on
            }
        } else {
            const QString& r = s_.recipients.at(i);
            if (!sendTo(r, files) && !s_.continueAfterFailure)
                break;
        }
        ++turnsSincePause;
        if (s_.delayed && turnsSincePause >= s_.pauseAfter && i + 1 < end_) {
            pause();
            turnsSincePause = 0;
        }
    }
}

}  // namespace zelk
