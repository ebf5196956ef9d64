#pragma once
// The writing of one exported file: the keep-or-replace rules with their
// "apply to all" answers, the free name of a kept file, and a write that
// replaces the old file only once the new one is whole. It shows nothing
// itself: the question goes through the given asker, and the caller
// reports the result. Callable from any thread.
#include <QByteArray>
#include <QString>

#include <functional>

namespace zelk {

class ExportFileWriter {
public:
    enum class Outcome {
        Written,    // the file is at `path`
        Cancelled,  // the user kept the old file and wrote none (answer 4)
        Stopped,    // cancel all or Stop: nothing more of the run is written
        Failed,     // nothing written; `reason` says why, the old file is kept
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString path;    // the path written, or the path meant
        QString reason;  // for Failed
        bool written() const { return outcome == Outcome::Written; }
    };

    // Asks keep or replace about the existing file at the path and returns
    // the answer in replace_keep_file_flag's codes: 0 replace, 1 keep both,
    // 2 replace all, 3 keep all, 4 cancel, 5 cancel all.
    using Ask = std::function<int(const QString& path)>;
    // The keep-or-replace box on the GUI thread, the caller waiting.
    static int askReplcaeConfirmBox(const QString& path);

    // The run under way is over: cancel all was answered or Stop pressed
    // (replace_keep_file_flag 5 with Stop_SMS_Sending_Now). Never outside a
    // run (RunScope), whatever a run or a question left behind.
    static bool runStopped();

    // Writes the bytes that `make` gives to `path`, or to a free name beside
    // it when the old file is kept. Unless `skip_keep_replace_msg`, an
    // existing file is asked about (or answered by an earlier "apply to
    // all"); the answer is left in replace_keep_file_flag. `make` runs only
    // once the file is to be written.
    static Result write(const QString& path, const std::function<QByteArray(QString* why)>& make,
                        bool skip_keep_replace_msg, const Ask& ask = askReplcaeConfirmBox);
    // As write, for the item a run finishes after Stop came while it was
    // being made: it is written, but Stop stands for cancel all, so an
    // existing file is neither asked about nor touched (Stopped).
    static Result finish(const QString& path, const std::function<QByteArray(QString* why)>& make,
                         bool skip_keep_replace_msg, const Ask& ask = askReplcaeConfirmBox);
};

}  // namespace zelk
