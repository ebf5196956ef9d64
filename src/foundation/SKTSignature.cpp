#include "foundation/SKTSignature.h"

#include "foundation/ModelHost.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Where the application's resources are: beside the executables' folder,
// in share/zelk-id-card (the same in the build tree and when installed).
QString resourceFile(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/zelk-id-card/") + name);
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
        chosen = QDir::cleanPath(resourceFile(
            sign_or_fingureprint == Fingerprint ? FingerprintSample : SignatureSample));
    zelk::ModelHost* host = zelk::modelHost();
    _file_path = host->Check_Path_For_App_Resources(chosen);
    _contents = host->Get_Image_For_Path(_file_path, false);
}
