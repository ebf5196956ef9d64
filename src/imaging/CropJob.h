#pragma once
// The batch crop of the cropping tool's list: each row's picture is loaded,
// edited and cropped on the job's thread from its own file, and written by
// the export file writer (keep-or-replace questions through the asker).
// Headless: the tool shows the progress sheet, follows the rows on screen
// and writes the series or the Excel column from the results.
#include "dialogs/RunScope.h"
#include "imaging/CropPicture.h"
#include "production/ExportFileWriter.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace zelk {

// The output file names of the full tool.
struct CropNaming {
    QString folder;          // Crop_Output_Path
    bool customName = false; // output-name row 1
    QString custom;          // output_custom_name
    int formatIndex = 0;     // 0 jpg, 1 bmp, 2 png, 3 tiff
    int crop_num = 0;        // names handed out so far

    static QString extensionOf(int formatIndex);
    // The custom name as files get it: reserved characters removed, "/"
    // made "_", no leading dots; empty when nothing is left.
    static QString cleanedCustom(const QString& typed);
    // folder/name.ext: the input's name without extension, or the cleaned
    // custom name and from the second name on "%@_%d" with crop_num;
    // crop_num grows by one.
    QString Cropped_File_Name(const QString& inputPath);
};

class CropJob {
public:
    struct Settings {
        CropSettings crop;
        CropNaming naming;
        QStringList rows;   // the list's Image_Path values
        int crop_direct = 0;
        // The face cascade (tests give their own).
        QString cascadePath;
    };

    CropJob(Settings settings, ExportFileWriter::Ask ask = ExportFileWriter::askReplcaeConfirmBox);

    // Told of each row before it is cropped (on the job's thread).
    std::function<void(int row)> rowStarted;

    // The whole run on the calling thread. Call once.
    void run();

    int total() const { return int(settings_.rows.size()); }
    int rowsDone() const { return done_.load(); }

    // ---- What the run did (read after run()) ----
    // croped_file of each row begun: the path written, or "".
    const QStringList& results() const { return results_; }
    int filesWritten() const { return written_; }
    // Cancel all or Stop came during the run; the row in progress when
    // Stop came was finished, no later one begun.
    bool stopped() const { return stopped_; }
    // The rows whose selection holds nothing of their picture, and those
    // whose file holds no picture that decodes: nothing was written for them.
    const QStringList& outside() const { return outside_; }
    const QStringList& unreadable() const { return unreadable_; }
    // A write that failed, or a failure of the run, with its reason.
    const QString& failure() const { return failure_; }
    int crop_num() const { return settings_.naming.crop_num; }

    // One picture: the crop of `input` written by the rules of the mode;
    // the path written or "". Used by the run and by the single crops.
    static ExportFileWriter::Result writeCrop(const QImage& cropped, const QString& target, bool direct,
                                              const ExportFileWriter::Ask& ask);

private:
    RunScope run_;
    Settings settings_;
    ExportFileWriter::Ask ask_;
    std::atomic<int> done_{0};
    QStringList results_;
    int written_ = 0;
    bool stopped_ = false;
    QStringList outside_;
    QStringList unreadable_;
    QString failure_;
};

}  // namespace zelk
