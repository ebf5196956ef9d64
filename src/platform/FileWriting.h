#pragma once
// Writing a file whole, and saying why a write failed in the user's words.
#include <QByteArray>
#include <QString>

class QFileDevice;

namespace zelk {
// Writes all of `bytes` to the open file and flushes them. False with the
// reason in *why: a disk that fills up part-way is said to be full (Qt reports
// such a short write without a reason of its own). Open the file Unbuffered:
// a buffered flush that falls short loses the system's reason.
bool writeWholeFile(QFileDevice& file, const QByteArray& bytes, QString* why = nullptr);
// The reason for a failed write or commit of the file, the full disk named.
QString writeFailureReason(const QFileDevice& file);
}  // namespace zelk
