#include "platform/FileWriting.h"

#include <QFileDevice>

namespace zelk {

QString writeFailureReason(const QFileDevice& file) {
    if (file.error() == QFileDevice::ResourceError)
        return QStringLiteral("The disk is full: there is no space left to write the file.");
    if (file.error() == QFileDevice::NoError)
        return QStringLiteral("The file could not be written whole.");
    return file.errorString();
}

bool writeWholeFile(QFileDevice& file, const QByteArray& bytes, QString* why) {
    qint64 done = 0;
    // A short write sets no error; writing the rest makes the system say why.
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    if (done == bytes.size() && file.flush())
        return true;
    if (why)
        *why = writeFailureReason(file);
    return false;
}

}  // namespace zelk
