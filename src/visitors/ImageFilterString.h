#pragma once
// A stored photo value: an image path, optionally followed by the marker
// "<IMG_FILTER>" and up to 17 settings, each written as its text and "_".
// The settings are this photo's own: the process-wide photo settings of the
// editors are never read or written here.
#include <QColor>
#include <QImage>
#include <QString>

namespace zelk {

struct PhotoSettings {
    bool flipH = false;
    bool flipV = false;
    bool grayScale = false;
    bool sepia = false;
    float rotate = 0;
    float sharpness = 0;
    float exposure = 0;
    float blur = 0;
    float saturation = 1;
    float brightness = 0;
    float contrast = 1;
    float hue = 0;
    float transparency = 1;
    bool border = false;
    float borderWidth = 0;
    QString borderType;
    QColor borderColor = Qt::black;
};

class ImageFilterString {
public:
    static const QString Marker;  // "<IMG_FILTER>"

    // Splits a value: the trimmed path, whether the marker was there, and
    // the settings it gives over neutral ones (a missing setting stays
    // neutral; fields after the 17th are ignored).
    static ImageFilterString parse(const QString& value);

    QString path;
    bool filtered = false;
    PhotoSettings settings;

    // The picture with these settings (the filter chain with invert off,
    // then the border when on); the picture itself when not filtered.
    QImage apply(const QImage& picture) const;

    // How a stored boolean reads: true when its first significant character
    // (after blanks, a sign and leading zeros) is Y, y, T, t or 1 to 9.
    static bool readBool(const QString& text);
};

}  // namespace zelk
