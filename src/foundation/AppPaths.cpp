#include "foundation/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString Resource_Path;
QString Created_Resource_Path;
QString Data_Folder_Path;
QString print_profile_path;
QString Cropped_Img_Path;
QString Database_Path;
QString default_file_name = QStringLiteral("Untitled");
QString design_file_EXT = QStringLiteral("did");
QString batch_file_EXT = QStringLiteral("txt");

namespace zelk {

void AppPaths::init() { initWithRoots(defaultResourceRoot(), defaultDataRoot()); }

void AppPaths::initWithRoots(const QString& resourceRoot, const QString& dataRoot) {
    Resource_Path = QDir::cleanPath(resourceRoot);
    Created_Resource_Path = QDir::cleanPath(dataRoot);
    const QDir data(Created_Resource_Path);
    Data_Folder_Path = data.filePath(QStringLiteral("DataSet"));
    print_profile_path = data.filePath(QStringLiteral("PrintProfile"));
    Cropped_Img_Path = data.filePath(QStringLiteral("Cropped_Images"));
    Database_Path = data.filePath(QStringLiteral("Visitor_Log/Visitor.db"));
}

QString AppPaths::defaultResourceRoot() {
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                        : QDir::currentPath();
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/zelk-id-card"));
}

QString AppPaths::defaultDataRoot() {
    // The generic data location joined with the fixed application name is what
    // AppDataLocation gives for this application; building it here keeps the
    // folder the same whatever organisation or application name a process sets.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(base).filePath(QString::fromLatin1(applicationName));
}

const QStringList& AppPaths::dataFolderTree() {
    static const QStringList tree = {
        QStringLiteral("Templates"),        QStringLiteral("Templates/User"),
        QStringLiteral("DataSet"),          QStringLiteral("Cropped_Images"),
        QStringLiteral("Visitor_Log"),      QStringLiteral("Group_Excel_Data"),
        QStringLiteral("Group_Excel_Data/All"), QStringLiteral("Images_save_by_user"),
        QStringLiteral("PrintProfile"),
    };
    return tree;
}

QString AppPaths::relocatedIntoResources(const QString& path, const QString& resourceRoot) {
    // Designs name pictures of the resources (backgrounds, the library, the
    // no-picture file) by full path. A design made with the application
    // installed elsewhere names the resources folder of that install: the
    // part after the resources folder's name is looked up in ours.
    if (path.isEmpty() || resourceRoot.isEmpty())
        return path;
    const QString clean = QDir::cleanPath(path);
    const QString ours = QDir::cleanPath(resourceRoot);
    if (clean.startsWith(ours + QLatin1Char('/')))
        return path;
    const QString marker = QLatin1Char('/') + QFileInfo(ours).fileName() + QLatin1Char('/');
    const qsizetype at = clean.lastIndexOf(marker);
    if (at < 0)
        return path;
    const QString relative = clean.mid(at + marker.size());
    if (relative.isEmpty() || relative.startsWith(QLatin1String("../")))
        return path;
    const QString relocated = QDir(ours).filePath(relative);
    return QFileInfo::exists(relocated) ? relocated : path;
}

bool AppPaths::isNoPicture(const QString& path) {
    return QFileInfo(path).fileName() == QLatin1String("no.png");
}

}  // namespace zelk
