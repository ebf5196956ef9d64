#include "production/PrintProfileFile.h"

#include "foundation/Utilities.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantList>

#include <algorithm>

const QString PrintProfileFile::defaultProfileName = QStringLiteral("Default");
const QString PrintProfileFile::defaultNameMessage =
    QStringLiteral("This is a Default profile name.\n\nPlease enter another profile name.");

QString PrintProfileFile::pathOf(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".zkd"));
}

QStringList PrintProfileFile::listNames(const QString& folder) {
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // Exactly "zkd": a file "X.ZKD" would be listed, then read as "X.zkd".
        if (entry.suffix() == QLatin1String("zkd"))
            names << entry.completeBaseName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool PrintProfileFile::write(const QString& path, const QStringList& fields, QString* error) {
    if (fields.size() != FieldCount) {
        if (error)
            *error = QStringLiteral("a print profile holds %1 values, not %2").arg(FieldCount).arg(fields.size());
        return false;
    }
    QVariantList array;
    for (const QString& field : fields)
        array << field;
    return zelk::PropertyList::writeFile(path, array, error);
}

bool PrintProfileFile::read(const QString& path, QStringList& fields, QString* error) {
    QVariant root;
    if (!zelk::PropertyList::readFile(path, root, error))
        return false;
    if (root.typeId() != QMetaType::QVariantList) {
        if (error)
            *error = QStringLiteral("%1 holds no list of print settings").arg(path);
        return false;
    }
    const QVariantList array = root.toList();
    if (array.size() < FieldCount) {
        if (error)
            *error = QStringLiteral("%1 holds %2 print settings, not %3").arg(path).arg(array.size()).arg(FieldCount);
        return false;
    }
    QStringList read;
    for (int i = 0; i < FieldCount; ++i)
        read << array.at(i).toString();
    fields = read;
    return true;
}

QString PrintProfileFile::cleanName(const QString& typed) {
    return Remove_Reserve_Char_In_File_Name(Trim_Str(typed));
}

QString PrintProfileFile::nameRefusal(const QString& typed) {
    const QString name = cleanName(typed);
    if (name.isEmpty())
        return QStringLiteral("Please enter profile name.");
    // The Default profile keeps its name: no profile takes it, in any case.
    if (name.compare(defaultProfileName, Qt::CaseInsensitive) == 0)
        return defaultNameMessage;
    return {};
}
