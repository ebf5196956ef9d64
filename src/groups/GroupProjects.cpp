#include "groups/GroupProjects.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString GroupProjects::base() {
    return QDir(Created_Resource_Path).filePath(QStringLiteral("Group_Excel_Data"));
}

QString GroupProjects::cleanName(const QString& rawName) { return zelk::visibleFileName(rawName); }

QString GroupProjects::projectPath(const QString& folder, const QString& name) {
    return base() + QLatin1Char('/') + folder + QLatin1Char('/') + name + QLatin1Char('.') + design_file_EXT;
}

QStringList GroupProjects::folders() {
    Create_Folder(base());
    Create_Folder(QDir(base()).filePath(DefaultFolder));
    QStringList list;
    const QDir root(base());
    // Hidden ones too: a name given a leading dot before it was dropped.
    QDirIterator it(base(), QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).isDir())
            list << root.relativeFilePath(path);
    }
    // A parent sorts before its children ("All" < "All/Staff").
    list.sort(Qt::CaseInsensitive);
    return list;
}

void GroupProjects::Fill_Tree_View() {
    rows_.clear();
    for (const QString& folder : folders()) {
        QStringList projects;
        const QFileInfoList files = QDir(QDir(base()).filePath(folder))
                                        .entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& f : files)
            if (f.suffix() == design_file_EXT)
                projects << f.completeBaseName();
        rows_.append(Row{folder, true, !projects.isEmpty()});
        for (const QString& p : projects)
            rows_.append(Row{p, false, false});
    }
}

QString GroupProjects::Get_Selected_Project_Path(int r, bool* deleteFolderEnabled) const {
    if (deleteFolderEnabled)
        *deleteFolderEnabled = false;
    if (r < 0 || r >= rows_.size())
        return QString();
    const Row& row = rows_.at(r);
    if (row.hasChildren) {
        if (deleteFolderEnabled)
            *deleteFolderEnabled = row.name != DefaultFolder;
        return base() + QLatin1Char('/') + row.name;
    }
    // Any folder row without projects is a folder, "All" included: its name
    // is not a project's.
    if (row.folder)
        return base() + QLatin1Char('/') + row.name;
    return projectPath(Get_Parent_Name(r), row.name);
}

QString GroupProjects::Get_Parent_Name(int r) const {
    for (int i = std::min(r, int(rows_.size())) - 1; i >= 0; --i) {
        const Row& row = rows_.at(i);
        if (row.hasChildren)
            return row.name;
        if (row.folder)
            return QString();
    }
    return QString();
}

QString GroupProjects::Create_New_File_Path(const QString& path) {
    const QFileInfo info(path);
    QString candidate;
    for (int n = 1; n < 100000; ++n) {
        QString name = QStringLiteral("%1 (copy %2)").arg(info.completeBaseName()).arg(n);
        if (!info.suffix().isEmpty())
            name += QLatin1Char('.') + info.suffix();
        candidate = info.dir().filePath(name);
        if (!QFileInfo::exists(candidate))
            break;
    }
    return candidate;
}

bool GroupProjects::isUsableProject(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && !info.suffix().isEmpty() && info.isFile();
}

QString GroupProjects::copyProject(const QString& path) {
    if (!isUsableProject(path))
        return QString();
    const QString target = Create_New_File_Path(path);
    return QFile::copy(path, target) ? target : QString();
}

GroupProjects::RenameResult GroupProjects::renameProject(const QString& path, const QString& rawName,
                                                         QString* newPath) {
    const QString name = cleanName(rawName);
    if (name.isEmpty())
        return NameEmpty;
    const QFileInfo info(path);
    const QString target = info.dir().filePath(name + QLatin1Char('.') + design_file_EXT);
    if (newPath)
        *newPath = target;
    if (QFileInfo(target).absoluteFilePath() == info.absoluteFilePath())
        return Renamed;
    // A different file of that name in the folder (case-insensitive file
    // systems would otherwise take "team" for "Team").
    if (QFileInfo::exists(target) && info.fileName().compare(QFileInfo(target).fileName(), Qt::CaseInsensitive))
        return NameTaken;
    if (!QFile::copy(path, target))
        return RenameFailed;
    QFile::remove(path);
    return Renamed;
}

bool GroupProjects::deleteProject(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !QFile::remove(path))
        return false;
    QDir folder = info.dir();
    if (QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) &&
        QFileInfo(folder.path()).absoluteFilePath() != QFileInfo(base()).absoluteFilePath())
        folder.removeRecursively();
    return true;
}

bool GroupProjects::deleteFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir() || info.absoluteFilePath() == QFileInfo(base()).absoluteFilePath())
        return false;
    Delete_Folder(path);
    return !QFileInfo::exists(path);
}

GroupProjects::FolderResult GroupProjects::createFolder(const QString& rawName, const QString& parentItem,
                                                        QString* relativePath) {
    const QString name = cleanName(rawName);
    if (name.isEmpty())
        return FolderNameEmpty;
    const QString parent = Trim_Str(parentItem);
    if (parent.isEmpty())
        return FolderNoParent;
    const QString relative = parent + QLatin1Char('/') + name;
    const QString full = base() + QLatin1Char('/') + relative;
    if (QFileInfo::exists(full))
        return FolderExists;
    if (!Create_Folder(full) || !QFileInfo(full).isDir())
        return FolderFailed;
    if (relativePath)
        *relativePath = relative;
    return FolderMade;
}
