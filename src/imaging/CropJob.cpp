#include "imaging/CropJob.h"

#include "foundation/ExportNames.h"
#include "foundation/Utilities.h"
#include "imaging/FaceFinder.h"
#include "production/ExportPicture.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <memory>

using zelk::CropJob;
using zelk::CropNaming;
using zelk::ExportFileWriter;

QString CropNaming::extensionOf(int formatIndex) {
    static const char* const names[] = {"jpg", "bmp", "png", "tiff"};
    return formatIndex >= 0 && formatIndex < 4 ? QString::fromLatin1(names[formatIndex]) : QString();
}

QString CropNaming::cleanedCustom(const QString& typed) { return zelk::visibleFileName(typed); }

QString CropNaming::Cropped_File_Name(const QString& inputPath) {
    QString name;
    if (!customName) {
        name = QFileInfo(inputPath).completeBaseName();
        if (name.isEmpty())
            name = QFileInfo(inputPath).fileName();
    } else {
        // Typed, so cleaned: it never leaves the folder nor hides in it.
        const QString cleaned = cleanedCustom(custom);
        name = crop_num == 0 ? cleaned : QStringLiteral("%1_%2").arg(cleaned).arg(crop_num);
    }
    const QString ext = extensionOf(formatIndex);
    ++crop_num;
    return QDir(folder).filePath(ext.isEmpty() ? name : name + QLatin1Char('.') + ext);
}

CropJob::CropJob(Settings settings, ExportFileWriter::Ask ask) : settings_(std::move(settings)), ask_(std::move(ask)) {}

ExportFileWriter::Result CropJob::writeCrop(const QImage& cropped, const QString& target, bool direct,
                                            const ExportFileWriter::Ask& ask) {
    const ExportPicture picture(cropped);
    // The crop in hand is written even when Stop came while it was made.
    return ExportFileWriter::finish(
        target, [&](QString* why) { return picture.encode(QFileInfo(target).suffix(), false, why); }, direct, ask);
}

void CropJob::run() {
    const bool direct = settings_.crop_direct == 2 || settings_.crop_direct == 3;
    std::unique_ptr<FaceFinder> faces;
    if (settings_.crop.method == CropSettings::Face)
        faces = std::make_unique<FaceFinder>(settings_.cascadePath.isEmpty() ? FaceFinder::defaultCascadePath()
                                                                             : settings_.cascadePath);
    try {
        for (int i = 0; i < total(); ++i) {
            if (ExportFileWriter::runStopped()) {
                stopped_ = true;
                break;
            }
            if (rowStarted)
                rowStarted(i);
            const QString input = settings_.rows.at(i).trimmed();
            QString croped_file;
            // Each row is cropped from its own file, read here.
            const bool present = QFileInfo(input).isFile();
            const QImage shown = present ? CropPicture::loadShown(input, settings_.crop.edit) : QImage();
            if (present && shown.isNull())
                unreadable_ << input;
            const CropPicture::Result cut = CropPicture::crop(shown, settings_.crop, faces.get());
            if (cut.outside)
                outside_ << input;
            if (!cut.image.isNull()) {
                const QString target =
                    direct ? ExportNames::freeName(QDir(settings_.naming.folder).filePath(QFileInfo(input).fileName()))
                           : settings_.naming.Cropped_File_Name(input);
                const ExportFileWriter::Result w = writeCrop(cut.image, target, direct, ask_);
                if (w.written()) {
                    croped_file = w.path;
                    ++written_;
                } else if (w.outcome == ExportFileWriter::Outcome::Failed) {
                    failure_ = QStringLiteral("%1\n%2").arg(w.path, w.reason);
                }
            }
            results_ << croped_file;
            done_.store(i + 1);
            if (!failure_.isEmpty())
                break;
            // Stop, or cancel all answered for this row: nothing more.
            if (ExportFileWriter::runStopped()) {
                stopped_ = true;
                break;
            }
        }
    } catch (const std::exception& e) {
        failure_ = QString::fromUtf8(e.what());
    }
    if (!failure_.isEmpty())
        return;
    if (ExportFileWriter::runStopped())
        stopped_ = true;
}
