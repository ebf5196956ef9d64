#include "foundation/ValueCodecs.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QString fontSeparator = QStringLiteral("::::");

// The shortest text of one to six decimals that reads back as the same 16-bit
// channel value: six always suffice, and a colour read from the old one-decimal
// form ("0.5") is written the same way again.
QString componentText(quint16 channel) {
    const double value = channel / 65535.0;
    QString text;
    for (int decimals = 1; decimals <= 6; ++decimals) {
        text = QString::number(value, 'f', decimals);
        const QColor probe = QColor::fromRgbF(text.toFloat(), 0, 0, 1);
        if (probe.rgba64().red() == channel)
            break;
    }
    return text;
}

bool parseNumber(const QString& text, double& out) {
    bool ok = false;
    // QString::toDouble always reads the C locale's "." form.
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

struct StyleSuffix {
    const char* text;
    bool bold;
    bool italic;
};

// PostScript-style face suffixes; the longest first so "-BoldItalic" wins.
constexpr StyleSuffix styleSuffixes[] = {
    {"-BoldItalic", true, true}, {"-BoldOblique", true, true}, {"-Italic", false, true},
    {"-Oblique", false, true},   {"-Bold", true, false},
};

// Sizes beyond this are not fonts anyone sets; they only come from damaged files.
constexpr double maxFontPointSize = 4096.0;

}  // namespace

QColor Convert_String_to_Color(const QString& text) {
    const QColor clear = QColor::fromRgbF(0, 0, 0, 0);
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 4)
        return clear;
    float c[4];
    for (int i = 0; i < 4; ++i) {
        double v = 0;
        if (!parseNumber(parts[i], v))
            return clear;
        c[i] = float(std::clamp(v, 0.0, 1.0));
    }
    return QColor::fromRgbF(c[0], c[1], c[2], c[3]);
}

namespace zelk {

QString colorToString(const QColor& color) {
    const QRgba64 c = color.isValid() ? color.toRgb().rgba64() : QRgba64::fromRgba64(0, 0, 0, 0);
    return componentText(c.red()) + QLatin1Char(':') + componentText(c.green()) + QLatin1Char(':') +
           componentText(c.blue()) + QLatin1Char(':') + componentText(c.alpha());
}

QColor colorFromString(const QString& text) { return Convert_String_to_Color(text); }

QString fontToString(const QFont& font) {
    QString name = font.family();
    const bool bold = font.weight() >= QFont::DemiBold;
    const bool italic = font.style() != QFont::StyleNormal;
    if (bold && italic)
        name += QLatin1String("-BoldItalic");
    else if (bold)
        name += QLatin1String("-Bold");
    else if (italic)
        name += QLatin1String("-Italic");
    double size = font.pointSizeF();
    if (size <= 0)  // a pixel-sized font: report its size in points at 72 dpi
        size = font.pixelSize() > 0 ? font.pixelSize() : 12.0;
    return name + fontSeparator + QString::number(size, 'f', 2);
}

bool tryFontFromString(const QString& text, QFont& out) {
    const qsizetype sep = text.lastIndexOf(fontSeparator);
    if (sep <= 0)
        return false;
    double size = 0;
    if (!parseNumber(text.mid(sep + fontSeparator.size()), size) || size <= 0 ||
        size > maxFontPointSize)
        return false;
    QString family = text.left(sep).trimmed();
    bool bold = false;
    bool italic = false;
    for (const StyleSuffix& s : styleSuffixes) {
        const QLatin1String suffix(s.text);
        if (family.size() > suffix.size() && family.endsWith(suffix)) {
            family.chop(suffix.size());
            bold = s.bold;
            italic = s.italic;
            break;
        }
    }
    if (family.isEmpty())
        return false;
    QFont font(family);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setItalic(italic);
    out = font;
    return true;
}

QFont fontFromString(const QString& text, const QFont& fallback) {
    QFont font;
    return tryFontFromString(text, font) ? font : fallback;
}

QString flagToString(bool flag) { return flag ? QStringLiteral("Y") : QStringLiteral("N"); }

bool flagFromString(const QString& text) { return text.trimmed() == QLatin1String("Y"); }

}  // namespace zelk
