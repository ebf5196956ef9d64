#include "barcode/BarcodeLimits.h"

#include <algorithm>
#include <cmath>

namespace zelk {

double StepperRange::clamp(double value) const {
    if (std::isnan(value))
        return fallback;
    return std::clamp(value, minimum, maximum);
}

int BarcodeLimits::qrMinimumSize(int versionIndex) {
    // ISO/IEC 18004: version v has 17 + 4v modules a side.
    return std::max(21, (versionIndex - 1) * 4 + 21);
}

const QStringList& BarcodeLimits::resolutionTitles() {
    // Designs store the index: append only.
    static const QStringList titles = {QStringLiteral("Auto"), QStringLiteral("72"),  QStringLiteral("150"),
                                       QStringLiteral("300"),  QStringLiteral("600"), QStringLiteral("1200"),
                                       QStringLiteral("Custom")};
    return titles;
}

int BarcodeLimits::customResolutionIndex() {
    return static_cast<int>(resolutionTitles().indexOf(QStringLiteral("Custom")));
}

int BarcodeLimits::resolutionOf(int index, const QString& customText) {
    const QStringList& titles = resolutionTitles();
    if (index < 0 || index >= titles.size() || index == 0)
        return 600;
    if (index == customResolutionIndex())
        return static_cast<int>(customDpi.clamp(customText.trimmed().toInt()));
    return titles.at(index).toInt();
}

QFont BarcodeLimits::clampedFont(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(fontSize.clamp(font.pointSizeF()));
    else if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(fontSize.clamp(font.pixelSize())));
    else
        font.setPointSizeF(fontSize.fallback);
    return font;
}

int BarcodeLimits::indexOr(int index, int count, int fallback) {
    return index >= 0 && index < count ? index : fallback;
}

}  // namespace zelk
