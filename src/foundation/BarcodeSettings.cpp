#include "foundation/BarcodeSettings.h"

#include <mutex>

namespace zelk {

namespace {
std::mutex& fontMutex() {
    static std::mutex m;
    return m;
}
QString& fontFamily() {
    // A family every Debian desktop has; the main window replaces it.
    static QString family = QStringLiteral("DejaVu Sans");
    return family;
}
}  // namespace

QString defaultTextFontFamily() {
    std::lock_guard lock(fontMutex());
    return fontFamily();
}

void setDefaultTextFontFamily(const QString& family) {
    std::lock_guard lock(fontMutex());
    if (!family.isEmpty())
        fontFamily() = family;
}

QFont defaultFont(double pointSize) {
    QFont font(defaultTextFontFamily());
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace zelk

BarcodeSettings::BarcodeSettings()
    : value_font_val(zelk::defaultFont(zelk::DefaultBarcodeFontSize)),
      header_font_val(zelk::defaultFont(zelk::DefaultBarcodeFontSize)),
      footer_font_val(zelk::defaultFont(zelk::DefaultBarcodeFontSize)) {}

void BarcodeSettings::resetBarcodeSettings() {
    *this = BarcodeSettings();
}
