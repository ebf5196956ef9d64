#include "foundation/PictureLoadCache.h"

#include "foundation/ModelHost.h"

namespace zelk {

namespace {
thread_local PictureLoadCache* openCache = nullptr;
}  // namespace

PictureLoadCache::PictureLoadCache() : outer_(openCache) { openCache = this; }

PictureLoadCache::~PictureLoadCache() { openCache = outer_; }

QImage PictureLoadCache::picture(const QString& path) {
    PictureLoadCache* cache = openCache;
    if (!cache)
        return modelHost()->Get_Image_For_Path(path, false);
    const auto found = cache->pictures_.constFind(path);
    if (found != cache->pictures_.cend())
        return found.value();
    // Failures are kept too: a missing file is looked for once.
    const QImage image = modelHost()->Get_Image_For_Path(path, false);
    cache->pictures_.insert(path, image);
    return image;
}

}  // namespace zelk
