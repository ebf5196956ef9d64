#include "datasource/SeriesSupport.h"

#include "datasource/SeriesFile.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"

#include <QFileInfo>

namespace zelk::series {
namespace {

InUseCheck& installedCheck() {
    static InUseCheck check;
    return check;
}

}  // namespace

InUseCheck setInUseCheck(InUseCheck check) {
    return std::exchange(installedCheck(), std::move(check));
}

bool inUse(const QString& name) {
    return installedCheck() && installedCheck()(name);
}

QString pathOf(const QString& name) {
    return SeriesFile::filePath(name, Data_Folder_Path);
}

std::optional<QString> cleanedName(const QString& typed) {
    const QString name = Remove_Reserve_Char_In_File_Name(typed);
    if (name.isEmpty()) {
        Show_MessageBox(kInvalidName);
        return std::nullopt;
    }
    return name;
}

bool mayWriteNew(const QString& name) {
    if (!QFileInfo::exists(pathOf(name)))
        return true;
    if (inUse(name)) {
        Show_MessageBox(kInUseCreate);
        return false;
    }
    return Show_YES_NO_MessageBox(kReplaceQuestion) == 1;
}

int Check_And_Validate_File_Path(const QString& path) {
    const QString trimmed = Trim_Str(path);
    if (!trimmed.isEmpty() && QFileInfo::exists(trimmed))
        return 0;
    Show_MessageBox(QStringLiteral("Please select valid file path."));
    return 1;
}

const QStringList& imageTypes() {
    static const QStringList types = {"jpg", "jpeg", "jpe", "jfif", "gif", "bmp", "png", "tif", "tiff"};
    return types;
}

bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = a.at(i).isDigit(), db = b.at(j).isDigit();
        if (da && db) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a.at(ei).isDigit())
                ++ei;
            while (ej < b.size() && b.at(ej).isDigit())
                ++ej;
            // Leading zeros do not make a number larger.
            QStringView na = QStringView(a).mid(i, ei - i), nb = QStringView(b).mid(j, ej - j);
            while (na.size() > 1 && na.front() == QLatin1Char('0'))
                na = na.mid(1);
            while (nb.size() > 1 && nb.front() == QLatin1Char('0'))
                nb = nb.mid(1);
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (const int c = na.compare(nb); c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded(), cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

}  // namespace zelk::series
