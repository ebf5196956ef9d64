#include "canvas/MyImageObject.h"

#include <QFileInfo>

MyImageObject MyImageObject::initWithImage_Path(const QString& path, const QString& image_Name,
                                                const QString& image_UID) {
    MyImageObject item;
    item.path_ = path;
    item.name_ = image_Name;
    item.uid_ = image_UID;
    return item;
}

QString MyImageObject::imageTitle() const { return QFileInfo(name_).completeBaseName(); }

QVariant MyImageObject::valueForKey(const QString& key) const {
    if (key == QLatin1String("path"))
        return path_;
    return {};
}
