#include "mainwindow/TemplateGallery.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>

const QStringList& TemplateGallery::categoryCodes() {
    static const QStringList codes{QStringLiteral("C"), QStringLiteral("E"), QStringLiteral("H"), QStringLiteral("M"),
                                   QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("V")};
    return codes;
}

const QStringList& TemplateGallery::categoryFolderNames() {
    static const QStringList names{QStringLiteral("Corporate"), QStringLiteral("Education"),
                                   QStringLiteral("Health"),    QStringLiteral("Misc"),
                                   QStringLiteral("Press"),     QStringLiteral("Transport"),
                                   QStringLiteral("Visitor")};
    return names;
}

QString TemplateGallery::categoryFolder(const QString& code) {
    const QString upper = code.trimmed().toUpper();
    if (upper == QLatin1String("A"))
        return {};
    const qsizetype at = categoryCodes().indexOf(upper);
    return categoryFolderNames().at(at < 0 ? 0 : at);
}

QString TemplateGallery::templatesRoot() {
    return QDir(Resource_Path).filePath(QStringLiteral("Templates"));
}

QString TemplateGallery::userTemplateFolder() {
    return QDir(Created_Resource_Path).filePath(QStringLiteral("Templates/User"));
}

QString TemplateGallery::designPathOfPreview(const QString& previewPath) {
    const QFileInfo info(previewPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".did"));
}

QStringList TemplateGallery::previewFilesIn(const QString& folder) {
    QStringList out;
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files);
    QCollator collator(QLocale::c());
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    for (const QString& name : names) {
        const QString ext = QFileInfo(name).suffix().toLower();
        if (ext == QLatin1String("png") || ext == QLatin1String("jpg"))
            out << dir.filePath(name);
    }
    return out;
}

QString TemplateGallery::nextUserUid() {
    // The running counter makes every user entry's ID unique for the run.
    static std::atomic<unsigned long long> counter{0};
    return QStringLiteral("TEMP%1.png").arg(++counter);
}

void TemplateGallery::selectFirst() {
    imageBrowserSelectionDidChange(0);
}

int TemplateGallery::selectedIndex() const {
    if (Selected_Template_Path.isEmpty())
        return -1;
    for (qsizetype i = 0; i < images.size(); ++i)
        if (images.at(i).path() == Selected_Template_Path)
            return int(i);
    return -1;
}

bool TemplateGallery::Fill_Templates() {
    showsTitles = false;
    QString code = Sel_Template_Category;
    if (!onlyCategory_.isEmpty())
        code = onlyCategory_;
    QStringList folders;
    QString mustExist;
    if (code.trimmed().toUpper() == QLatin1String("A")) {
        mustExist = templatesRoot();
        const QDir root(mustExist);
        for (const QString& sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (sub != QLatin1String("User"))
                folders << sub;
    } else {
        folders << categoryFolder(code);
        mustExist = QDir(templatesRoot()).filePath(folders.first());
    }
    if (!QFileInfo(mustExist).isDir())
        return false;
    images.clear();
    for (const QString& folder : folders)
        for (const QString& path : previewFilesIn(QDir(templatesRoot()).filePath(folder)))
            addImageWithPath(path, QFileInfo(path).fileName(), folder + QLatin1Char('/') + QFileInfo(path).fileName());
    if (!images.isEmpty()) {
        sliderEnabled = true;
        selectFirst();
    }
    return true;
}

bool TemplateGallery::Fill_Templates_User_Defined() {
    showsTitles = true;
    const QString folder = userTemplateFolder();
    Show_NSLog_Message(folder);
    if (!QFileInfo(folder).isDir())
        return false;
    images.clear();
    for (const QString& path : previewFilesIn(folder))
        addImageWithPath(path, QFileInfo(path).fileName(), nextUserUid());
    if (!images.isEmpty()) {
        sliderEnabled = true;
        templateButtonsEnabled = true;
        selectFirst();
    } else {
        sliderEnabled = false;
        templateButtonsEnabled = false;
        Selected_Template_Path = QString();
    }
    return true;
}

void TemplateGallery::addImageWithPath(const QString& path, const QString& imageName, const QString& imageUid) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return;
    MyImageObject item = MyImageObject::initWithImage_Path(trimmed, imageName, imageUid);
    item.setPath(trimmed);
    images.append(item);
}

void TemplateGallery::imageBrowserSelectionDidChange(int index) {
    if (index < 0 || index >= images.size())
        return;
    Selected_Template_Path = images.at(index).path();
}

bool TemplateGallery::moveItemsAtIndexes(QList<int> indexes, int toIndex) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    QList<MyImageObject> moved;
    int before = 0;
    for (int i = int(indexes.size()) - 1; i >= 0; --i) {
        const int at = indexes.at(i);
        if (at < 0 || at >= images.size())
            continue;
        moved.prepend(images.takeAt(at));
        if (at < toIndex)
            ++before;
    }
    int insertAt = std::clamp(toIndex - before, 0, int(images.size()));
    for (const MyImageObject& e : moved)
        images.insert(insertAt++, e);
    return true;
}

void TemplateGallery::zoomSliderDidChange(double value) {
    Show_NSLog_Message(QStringLiteral("ZOOM : %1\n").arg(value, 0, 'f', 6));
    zoom_ = std::clamp(value, 0.0, 1.0);
}

void TemplateGallery::sourceSelectionDidChange(int item) {
    Selected_Template_Path = QString();
    if (item != 0)
        Fill_Templates_User_Defined();
    else
        Fill_Templates();
}

void TemplateGallery::categorySelectionDidChange(const QString& itemText) {
    const QString trimmed = itemText.trimmed();
    if (trimmed.isEmpty())
        return;
    Sel_Template_Category = trimmed.left(1).toUpper();
    Fill_Templates();
}
