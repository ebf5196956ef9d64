#pragma once
// One mailing run: the card files made and sent turn by turn through the
// mail script, with the optional pause between turns. Headless, on the
// thread that calls run(): what the user sees (the progress sheet, the
// closing message) is the caller's. Cards come from a source taken when
// the run starts, so the live design is never touched.
#include "dialogs/RunScope.h"
#include "platform/MailScript.h"
#include "production/CardSource.h"
#include "production/ExportPicture.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

#include <QTemporaryDir>

namespace zelk {

class SendMailJob {
public:
    enum class Mode {
        WithoutCard,          // the chosen file (or nothing) to recipient i
        SameCard,             // the current card's file(s) to recipient i
        EveryCardToEveryone,  // card i to every recipient
        RangeToEveryone,      // cards first..end-1 to every recipient
        OnePerRecipient,      // card i to recipient i
    };
    struct Settings {
        Mode mode = Mode::WithoutCard;
        QStringList recipients;
        // Subject, body, sender, password, server, port and SSL flag; the
        // recipient and the attachments are set per send.
        MailMessage message;
        QString card_side = QStringLiteral("F");  // "BOTH", "F" or "B"
        QString frontPath, backPath;              // the card files
        QString attachment;                       // without card: the chosen file
        int first = 0;                            // first card of a range, 0-based
        int end = 0;                              // range end, exclusive
        // Direct mail goes on with the next recipient after a failed send;
        // the Mail window's run ends there (except to everyone).
        bool continueAfterFailure = false;
        bool delayed = false;
        int pauseAfter = 1;  // turns between pauses
        qint64 pauseMs = 0;
    };
    // One send; `abandon` says that nobody waits for it any more (the
    // window went), so it may be cut short. Stop never cuts a send short.
    using Send = std::function<bool(const MailMessage& m, const std::function<bool()>& abandon)>;
    static Send scriptSender();

    // `cards` serves the batch modes, `front` and `back` the same-card mode.
    // The job owns `folder` (the card files' private folder) and removes it
    // when it is destroyed.
    SendMailJob(Settings settings, std::shared_ptr<const CardSource> cards, ExportPicture front, ExportPicture back,
                std::unique_ptr<QTemporaryDir> folder, Send send = scriptSender());
    ~SendMailJob();

    // The whole run; polls Stop_SMS_Sending_Now between sends and each
    // moment of a pause, so the message in flight always ends on its own
    // (its timeout bounds it). Call once.
    void run();
    // Cuts the send in flight short as well; any thread.
    void abort() { abandon_.store(true); }

    // Turns of the run (show_count) and turns begun (curr_card_count);
    // safe from any thread.
    int total() const { return end_ - first_; }
    int turnsBegun() const { return begun_.load(); }
    // The pause still to wait, in milliseconds; -1 when not pausing.
    qint64 pauseRemainingMs() const { return pause_.load(); }

    // ---- What the run did (read after run()) ----
    int planned() const { return planned_; }
    int sent() const { return sent_; }
    // Sends that failed.
    int failed() const { return failed_; }
    // Stop ended the run before its last turn.
    bool stoppedEarly() const { return stoppedEarly_; }
    bool allSent() const { return planned_ > 0 && sent_ == planned_; }
    // Card sides that could not be made or written: "Card n (front): reason".
    const QStringList& unmadeCards() const { return unmade_; }
    // The recipient of each send attempted, in order (sent or not).
    const QStringList& attempts() const { return attempts_; }

private:
    bool toEveryone() const;
    bool stopped() const;
    QStringList attachmentsOfTurn(int i);
    bool writeCard(const QString& path, const ExportPicture& picture, const QString& what);
    bool sendTo(const QString& recipient, const QStringList& attachments);
    void pause();

    RunScope run_;
    Settings s_;
    std::shared_ptr<const CardSource> cards_;
    ExportPicture front_, back_;
    std::unique_ptr<QTemporaryDir> folder_;
    Send send_;
    int first_ = 0, end_ = 0;
    std::atomic<int> begun_{0};
    std::atomic<qint64> pause_{-1};
    std::atomic<bool> abandon_{false};
    int planned_ = 0;
    int sent_ = 0;
    int failed_ = 0;
    bool stoppedEarly_ = false;
    bool sameCardWritten_ = false;
    QStringList unmade_;
    QStringList attempts_;
};

}  // namespace zelk
