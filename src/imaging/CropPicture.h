#pragma once
// The crop of one picture as the crop screen shows it: the editing settings
// that make the shown picture from its preview, the three crop methods
// (a selection, a face widened by a margin, a given size) and their
// arithmetic. Values only: the batch run copies them and crops on a worker.
// Rectangles named "canvas" or "picture" use the selection canvas's
// convention: origin at the lower left, y upwards, points.
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace zelk {

class FaceFinder;

// The editing controls' values (the IMG_ globals of the crop screen).
struct CropEditSettings {
    bool grayscale = false, sepia = false, invert = false, flipH = false, flipV = false;
    float rotate = 0, transparency = 100, hue = 0, saturation = 1, brightness = 0, contrast = 1;
    float sharpness = 0, exposure = 0, blur = 0;
    // The preview after the settings (the filter chain).
    QImage apply(const QImage& preview) const;
};

struct CropSettings {
    enum Method { Manual = 0, Face = 1, GivenSize = 2 };
    int method = Manual;
    QRectF cropRect;        // the selection, canvas coordinates (manual)
    QSizeF viewSize;        // the picture view's size
    int scaling = 0;        // its scaling code (MSSScaledImage)
    double faceMargin = 0;  // percent
    int width = 50, height = 50;
    bool keepAspect = false;
    CropEditSettings edit;
};

class CropPicture {
public:
    CropPicture() = delete;

    // Reads the picture as the crop screen shows it: the preview of at most
    // 500 x 500 points, then the editing settings. Null when unreadable.
    static QImage loadShown(const QString& path, const CropEditSettings& edit);

    // View points per picture point (the tool's originalImageRatio).
    static QSizeF originalImageRatio(const QSizeF& picture, const QSizeF& view, int scaling);
    // The selection in picture points: x and width divided by rx, y and
    // height by ry.
    static QRectF sourceRect(const QRectF& cropRect, const QSizeF& ratio);
    // A face found in the picture's pixels (top-left origin) as a crop
    // rectangle on the canvas: flipped to the bottom-left origin, widened by
    // half the margin on each side, times the ratio (which the crop then
    // divides by, so the crop is the widened face).
    static QRectF faceCropRect(const QRect& facePixels, const QImage& picture, double marginPercent,
                               const QSizeF& ratio);
    // The output size of the given-size method: W x H, or the picture
    // fitted inside it when the aspect is kept.
    static QSizeF givenSize(int width, int height, bool keepAspect, const QSizeF& picture);
    // The size texts as the user types: empty or 0 gives "1", more than five
    // characters keep the first five, above 10000 gives "10000".
    static QString sizeText(const QString& typed);

    // The part of the picture under a rectangle of picture points, clipped
    // to the picture; null when the rectangle has no width or height or
    // holds nothing of the picture.
    static QImage cut(const QImage& picture, const QRectF& pictureRect);
    // The whole picture drawn into size (points = pixels of the output).
    static QImage scaled(const QImage& picture, const QSizeF& size);

    // What a crop of the shown picture gives.
    struct Result {
        QImage image;          // null: nothing to write
        bool noFace = false;   // the face method found none
        bool outside = false;  // the rectangle holds nothing of the picture
        QRectF cropRect;       // the canvas rectangle used (face: the widened face)
    };
    // The crop by the settings' method. The face method searches `faces`.
    static Result crop(const QImage& shown, const CropSettings& settings, const FaceFinder* faces);
};

}  // namespace zelk
