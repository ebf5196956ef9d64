#include "visitors/ImageFilterString.h"

#include "foundation/Utilities.h"
#include "foundation/ValueCodecs.h"
#include "inspector/face/ImageProcesser.h"
#include "inspector/face/ImageTransforms.h"

#include <QStringList>

#include <cmath>

using zelk::ImageFilterString;

const QString ImageFilterString::Marker = QStringLiteral("<IMG_FILTER>");

bool ImageFilterString::readBool(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    while (i < n && text[i] == QLatin1Char('0'))
        ++i;
    if (i >= n)
        return false;
    const QChar c = text[i];
    return c == QLatin1Char('Y') || c == QLatin1Char('y') || c == QLatin1Char('T') || c == QLatin1Char('t') ||
           (c >= QLatin1Char('1') && c <= QLatin1Char('9'));
}

ImageFilterString ImageFilterString::parse(const QString& value) {
    ImageFilterString out;
    const QString trimmed = Trim_Str(value);
    const qsizetype at = trimmed.indexOf(Marker);
    if (at < 0) {
        out.path = trimmed;
        return out;
    }
    out.path = Trim_Str(trimmed.left(at));
    out.filtered = true;
    QStringList fields = Trim_Str(trimmed.mid(at + Marker.size())).split(QLatin1Char('_'));
    fields.removeLast();  // the text after the last "_" is no setting
    PhotoSettings& s = out.settings;
    auto number = [](const QString& t) { return t.toFloat(); };
    for (int i = 0; i < fields.size() && i < 17; ++i) {
        const QString f = Trim_Str(fields[i]);
        switch (i) {
        case 0: s.flipH = readBool(f); break;
        case 1: s.flipV = readBool(f); break;
        case 2: s.grayScale = readBool(f); break;
        case 3: s.sepia = readBool(f); break;
        case 4: s.rotate = number(f); break;
        case 5: s.sharpness = number(f); break;
        case 6: s.exposure = number(f); break;
        case 7: s.blur = number(f); break;
        case 8: s.saturation = number(f); break;
        case 9: s.brightness = number(f); break;
        case 10: s.contrast = number(f); break;
        case 11: s.hue = number(f); break;
        case 12: s.transparency = number(f); break;
        case 13: s.border = readBool(f); break;
        case 14: s.borderWidth = number(f); break;
        case 15: s.borderType = f; break;
        case 16: s.borderColor = Convert_String_to_Color(f); break;
        }
    }
    return out;
}

QImage ImageFilterString::apply(const QImage& picture) const {
    if (!filtered || picture.isNull())
        return picture;
    const PhotoSettings& s = settings;
    QImage result = ImageProcesser::Get_Processed_Image_Full_Combined(
        picture, s.grayScale, s.sepia, false, s.hue, s.saturation, s.brightness, s.contrast,
        qint32(std::trunc(s.rotate)), s.sharpness, s.exposure, s.blur, s.transparency, true, s.flipH, s.flipV, true,
        QRectF(0, 0, picture.width(), picture.height()));
    if (s.border && !result.isNull())
        result = ImageTransforms::image_Drawing_with_border(result, s.borderWidth, s.borderType, s.borderColor);
    return result;
}
