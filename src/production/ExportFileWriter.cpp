#include "production/ExportFileWriter.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/RunScope.h"
#include "foundation/ExportNames.h"
#include "foundation/Utilities.h"

#include <QFileInfo>

using zelk::ExportFileWriter;

int ExportFileWriter::askReplcaeConfirmBox(const QString& path) {
    Replcae_Confirm_Box* box = Replcae_Confirm_Box::defaultInstance();
    box->title_val = QStringLiteral("File already exists :");
    box->msg_val_str = QFileInfo(path).fileName() +
                       QStringLiteral("\n\nFile already exists in this location.\n\nDo you want to replace it with "
                                      "one you processed?");
    box->apply_chk_show = true;
    box->file_path_str = path;
    return box->Open_box_in_thread();
}

bool ExportFileWriter::runStopped() {
    return RunScope::underWay() && replace_keep_file_flag == 5 && Stop_SMS_Sending_Now;
}

ExportFileWriter::Result ExportFileWriter::write(const QString& path,
                                                 const std::function<QByteArray(QString* why)>& make,
                                                 bool skip_keep_replace_msg, const Ask& ask) {
    if (runStopped()) {
        Result r;
        r.path = path;
        r.outcome = Outcome::Stopped;
        return r;
    }
    return finish(path, make, skip_keep_replace_msg, ask);
}

ExportFileWriter::Result ExportFileWriter::finish(const QString& path,
                                                  const std::function<QByteArray(QString* why)>& make,
                                                  bool skip_keep_replace_msg, const Ask& ask) {
    Result r;
    r.path = path;
    if (!skip_keep_replace_msg && QFileInfo::exists(path)) {
        const int given = replace_keep_file_flag;
        const int answer = runStopped() ? 5 : given == 2 || given == 3 ? given : ask(path);
        replace_keep_file_flag = answer;
        switch (answer) {
        case 0:
        case 2:
            break;  // the write below replaces it once the new file is whole
        case 1:
        case 3:
            r.path = ExportNames::freeName(path);
            break;
        case 4:
            r.outcome = Outcome::Cancelled;
            return r;
        default:
            Stop_SMS_Sending_Now = true;
            r.outcome = Outcome::Stopped;
            return r;
        }
    }
    const QByteArray bytes = make(&r.reason);
    if (bytes.isEmpty()) {
        if (r.reason.isEmpty())
            r.reason = QStringLiteral("There is nothing to write.");
        return r;
    }
    if (!writeFileSafely(r.path, bytes, &r.reason))
        return r;
    r.reason.clear();
    r.outcome = Outcome::Written;
    return r;
}
