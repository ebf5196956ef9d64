#include "imaging/FaceFinder.h"

#include <QFileInfo>

#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

#include <algorithm>
#include <vector>

using zelk::FaceFinder;

QString FaceFinder::defaultCascadePath() {
    return QStringLiteral("/usr/share/opencv4/haarcascades/haarcascade_frontalface_default.xml");
}

FaceFinder::FaceFinder(const QString& cascadePath) : classifier_(std::make_unique<cv::CascadeClassifier>()) {
    if (!QFileInfo(cascadePath).isFile())
        return;
    try {
        classifier_->load(QFileInfo(cascadePath).absoluteFilePath().toStdString());
    } catch (const cv::Exception&) {
        // A damaged cascade leaves the finder without one.
    }
}

FaceFinder::~FaceFinder() = default;

bool FaceFinder::loaded() const { return classifier_ && !classifier_->empty(); }

bool FaceFinder::available() {
    static const bool ok = FaceFinder().loaded();
    return ok;
}

QList<FaceFinder::Found> FaceFinder::detect(const QImage& picture) const {
    QList<Found> found;
    if (!loaded() || picture.isNull())
        return found;
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat view(gray.height(), gray.width(), CV_8UC1, const_cast<uchar*>(gray.constBits()),
                       size_t(gray.bytesPerLine()));
    std::vector<cv::Rect> rects;
    std::vector<int> detections;
    try {
        classifier_->detectMultiScale(view, rects, detections, 1.1, 3);
    } catch (const cv::Exception&) {
        return found;
    }
    for (size_t i = 0; i < rects.size(); ++i) {
        const cv::Rect& r = rects[i];
        found << Found{QRect(r.x, r.y, r.width, r.height), i < detections.size() ? detections[i] : 0};
    }
    return found;
}

QList<QRect> FaceFinder::faces(const QImage& picture) const {
    QList<QRect> rects;
    for (const Found& f : detect(picture))
        rects << f.rect;
    return rects;
}

std::optional<QRect> FaceFinder::firstFace(const QImage& picture) const {
    const QList<Found> all = detect(picture);
    if (all.isEmpty())
        return std::nullopt;
    return std::max_element(all.begin(), all.end(), [](const Found& a, const Found& b) {
               if (a.detections != b.detections)
                   return a.detections < b.detections;
               return qint64(a.rect.width()) * a.rect.height() < qint64(b.rect.width()) * b.rect.height();
           })->rect;
}
