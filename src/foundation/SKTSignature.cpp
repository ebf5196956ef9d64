#include "foundation/SKTSignature.h"

#include "foundation/AppPaths.h"
#include "foundation/ModelHost.h"
#include "foundation/PictureLoadCache.h"

#include <QDir>

namespace {

QString resourceFile(const QString& name) {
    const QString root = Resource_Path.isEmpty() ? zelk::AppPaths::defaultResourceRoot() : Resource_Path;
    return QDir::cleanPath(QDir(root).filePath(name));
}

}  // namespace

SKTSignature::SKTSignature() {
    _isDrawingStroke = false;
    _isDrawingFill = false;
    sign_or_fingureprint = Signature;
}

std::shared_ptr<SKTGraphic> SKTSignature::clone() const {
    return std::make_shared<SKTSignature>(*this);
}

void SKTSignature::makeNaturalSize() {
    if (ctrl_is_locked)
        return;
    if (_contents.isNull()) {
        SKTGraphic::makeNaturalSize();
        return;
    }
    setBounds(QRectF(_bounds.topLeft(), zelk::pictureSizeInPoints(_contents)));
}

void SKTSignature::setFilePath(const QString& path) {
    QString chosen = path;
    if (path == DefaultPathWord)
        chosen = resourceFile(sign_or_fingureprint == Fingerprint ? FingerprintSample
                                                                 : SignatureSample);
    _file_path = zelk::modelHost()->Check_Path_For_App_Resources(chosen);
    _contents = zelk::PictureLoadCache::picture(_file_path);
}
