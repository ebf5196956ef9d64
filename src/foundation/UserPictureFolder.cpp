#include "foundation/UserPictureFolder.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace zelk {

QString UserPictureFolder::recordFile() {
    return QDir(Created_Resource_Path).filePath(QStringLiteral("idcardcampics.txt"));
}

QString UserPictureFolder::path() {
    QFile file(recordFile());
    if (file.size() <= 64 * 1024 && file.open(QIODevice::ReadOnly)) {
        const QString folder = QString::fromUtf8(file.readAll()).trimmed();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return QDir(Created_Resource_Path).filePath(QStringLiteral("Images_save_by_user"));
}

QString UserPictureFolder::storePicture(const QImage& picture, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return QString();
    };
    if (picture.isNull())
        return fail(QStringLiteral("There is no picture."));
    if (Created_Resource_Path.isEmpty())
        return fail(QStringLiteral("The data folder is not set."));
    const QString folder = path();
    if (!Create_Folder(folder))
        return fail(QStringLiteral("The folder %1 cannot be made.").arg(folder));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        bytes.clear();
        buffer.seek(0);
        QImageWriter again(&buffer, "png");
        if (!again.write(picture.convertToFormat(QImage::Format_ARGB32)))
            return fail(again.errorString());
    }

    // NewOnly claims the name: two pastes in one millisecond, or a second
    // process, never share a file.
    const QString stem = QStringLiteral("Pasted %1").arg(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss.zzz")));
    for (int n = 1; n <= 1000; ++n) {
        const QString name = n == 1 ? stem : QStringLiteral("%1 (%2)").arg(stem).arg(n);
        QFile file(QDir(folder).filePath(name + QStringLiteral(".png")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (file.exists())
                continue;
            return fail(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
        }
        QString why;
        if (!writeWholeFile(file, bytes, &why)) {
            file.remove();
            return fail(QStringLiteral("%1: %2").arg(file.fileName(), why));
        }
        file.close();
        return file.fileName();
    }
    return fail(QStringLiteral("No free file name in %1.").arg(folder));
}

}  // namespace zelk
