#pragma once
// Many graphics of a design may name one picture file. While a cache is open
// on the loading thread, each path is read through the model host once and
// its picture handed to every graphic that names it.
#include <QHash>
#include <QImage>
#include <QString>

namespace zelk {

class PictureLoadCache {
public:
    // Opens a cache on this thread until the object is destroyed; an inner
    // cache hides an outer one while it lives.
    PictureLoadCache();
    ~PictureLoadCache();
    PictureLoadCache(const PictureLoadCache&) = delete;
    PictureLoadCache& operator=(const PictureLoadCache&) = delete;

    // The host's preview of the picture file (ModelHost::Get_Image_For_Path),
    // read once per path while a cache is open on this thread, else each time.
    static QImage picture(const QString& path);

private:
    PictureLoadCache* outer_;
    QHash<QString, QImage> pictures_;
};

}  // namespace zelk
