#pragma once
// Face detection for the cropping tool: OpenCV's cascade classifier with
// the system's frontal-face cascade. One object per thread (detection
// changes the classifier's state).
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

namespace cv {
class CascadeClassifier;
}

namespace zelk {

class FaceFinder {
public:
    // Debian's opencv-data cascade.
    static QString defaultCascadePath();
    explicit FaceFinder(const QString& cascadePath = defaultCascadePath());
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // The cascade was read: detection is possible.
    bool loaded() const;
    // Whether the default cascade loads (checked once per process).
    static bool available();

    // Faces in the picture's pixels (top-left origin), as the detector gives
    // them (scale 1.1, 3 neighbours).
    QList<QRect> faces(const QImage& picture) const;
    // The first face: the one the detector is surest of (the most
    // neighbouring detections), then the largest. The largest alone is not
    // enough: at 300 px the astronaut photograph gives a false face larger
    // than the real one, with 5 detections against 37.
    std::optional<QRect> firstFace(const QImage& picture) const;

private:
    struct Found {
        QRect rect;
        int detections = 0;
    };
    QList<Found> detect(const QImage& picture) const;

    std::unique_ptr<cv::CascadeClassifier> classifier_;
};

}  // namespace zelk
