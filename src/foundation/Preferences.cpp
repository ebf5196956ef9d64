#include "foundation/Preferences.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

Preferences Preferences::sharedInstance() {
    return Preferences(defaultPath());
}

QString Preferences::defaultPath() {
    return QDir(Created_Resource_Path).filePath(QString::fromLatin1(fileName));
}

Preferences::Preferences(const QString& path) : mPreferencesPath(path) {
    QVariant root;
    // An unreadable file is kept: it may be the user's only copy of the
    // settings, and Save replaces it anyway.
    if (!path.isEmpty() && QFileInfo(path).isFile() && zelk::PropertyList::readFile(path, root) &&
        root.typeId() == QMetaType::QVariantMap) {
        mDict = root.toMap();
        return;
    }
    setDefaults();
}

void Preferences::setDefaults() {
    for (const char* key : {"SendEmailRecipient", "SendEmailSender", "SendEmailPwd", "SendEmailSMTP", "SendEmailPORT"})
        setValue(key, QString(""));
}

QString Preferences::value(const char* key) const {
    const QVariant v = mDict.value(QString::fromLatin1(key));
    // The file holds strings only; anything else in a key's place is no setting.
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

void Preferences::setValue(const char* key, const QString& v) {
    mDict.insert(QString::fromLatin1(key), v.isNull() ? QString("") : v);
}

bool Preferences::flush(QString* why) const {
    QString error;
    const QByteArray bytes = zelk::PropertyList::write(mDict, &error);
    if (bytes.isEmpty()) {
        if (why)
            *why = error;
        return false;
    }
    QSaveFile file(mPreferencesPath);
    // The mode is set on the temporary file before anything is in it: the
    // renamed file never was readable by others, whatever the old one's mode.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !zelk::writeWholeFile(file, bytes, why) || !file.commit()) {
        if (why && why->isEmpty())
            *why = zelk::writeFailureReason(file);
        return false;
    }
    return true;
}
