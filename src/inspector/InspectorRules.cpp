#include "inspector/InspectorRules.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/Utilities.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace zelk {

bool isVisitorOrGroupMode(const QString& startMode) {
    return startMode == StartMode::Visitor || startMode == StartMode::GroupList;
}

QString shapeSettingsTitle(const QString& shapeCode) {
    static const QList<std::pair<QString, QString>> titles = {
        {ShapeCode::Rectangle, QStringLiteral("Rectangle Settings")},
        {ShapeCode::Circle, QStringLiteral("Ellipse Settings")},
        {ShapeCode::RoundedRectangle, QStringLiteral("Rounded Rectangle Settings")},
        {ShapeCode::Triangle, QStringLiteral("Triangle Settings")},
        {ShapeCode::Diamond, QStringLiteral("Diamond Settings")},
        {ShapeCode::Star, QStringLiteral("Star Settings")},
        {ShapeCode::DoubleStar, QStringLiteral("Double Star Settings")},
        {ShapeCode::Polygon, QStringLiteral("Polygon Settings")},
    };
    for (const auto& [code, title] : titles)
        if (code == shapeCode)
            return title;
    return {};
}

InspectorTabSet graphicTabSet(GraphicKind kind, const QString& shapeCode, bool locked,
                              const QString& startMode, int selectedImages) {
    using T = InspectorTab;
    const bool visitorOrGroup = isVisitorOrGroupMode(startMode);
    InspectorTabSet set;
    switch (kind) {
    case GraphicKind::Text:
        set.title = QStringLiteral("Text Properties");
        set.tabs = {T::TextEditing, T::TextProperties};
        if (!visitorOrGroup)
            set.tabs << T::DataSource;
        break;
    case GraphicKind::Image:
        set.title = QStringLiteral("Image Properties");
        if (!visitorOrGroup && selectedImages < 2)
            set.tabs << T::DataSource;
        set.tabs << T::Image;
        break;
    case GraphicKind::Line:
        set.title = QStringLiteral("Line Properties");
        set.tabs = {T::Line};
        break;
    case GraphicKind::Signature:
        set.title = QStringLiteral("Signature Properties");
        set.tabs = {T::Signature};
        break;
    case GraphicKind::Barcode:
        set.title = QStringLiteral("Barcode Properties");
        set.tabs = {T::Barcode};
        break;
    case GraphicKind::Shape:
        set.title = QStringLiteral("Shape Properties");
        set.tabs = {T::Shape};
        break;
    }
    set.lockLabel = kind == GraphicKind::Shape ? shapeSettingsTitle(shapeCode) : set.title;
    if (locked)
        set.tabs = {T::Lock};
    else
        set.tabs << T::Alignment;
    return set;
}

int dashIndexOfCode(const QString& dashCode) {
    return int(DashCode::All.indexOf(dashCode));
}

QString dashCodeOfIndex(int index) {
    return index >= 0 && index < DashCode::All.size() ? DashCode::All.at(index) : DashCode::Solid;
}

int percentOfFraction(double fraction) {
    if (!std::isfinite(fraction))
        return 0;
    return int(std::trunc(fraction * 100.0 + (fraction >= 0 ? 1e-4 : -1e-4)));
}

int cardOpacityPercent(float stored) {
    return std::min(100, percentOfFraction(stored));
}

int wholeWidth(double width) {
    if (!std::isfinite(width))
        return 0;
    return int(std::clamp(std::trunc(width), -1e6, 1e6));
}

QStringList textAlignmentItems() {
    return {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")};
}

QStringList textVerticalAlignmentItems() {
    return {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Middle")};
}

QStringList textCaseItems() {
    return {QStringLiteral("As Typed"), QStringLiteral("UPPER CASE"), QStringLiteral("lower case"),
            QStringLiteral("Capitalize Words")};
}

QStringList lineOrientationItems() {
    return {QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Diagonal Down"),
            QStringLiteral("Diagonal Up")};
}

QStringList lineCapItems() {
    return {QStringLiteral("Butt"), QStringLiteral("Round"), QStringLiteral("Square")};
}

QStringList dashStyleItems() {
    return {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"), QStringLiteral("Dash Dot"),
            QStringLiteral("Dash Dot Dot")};
}

QStringList textOrientationItems() {
    return {QStringLiteral("0"),   QStringLiteral("45"),  QStringLiteral("90"),  QStringLiteral("135"),
            QStringLiteral("180"), QStringLiteral("225"), QStringLiteral("270"), QStringLiteral("315")};
}

QStringList datePatterns() {
    return {QStringLiteral("dd/MM/yyyy"), QStringLiteral("MM/dd/yyyy"), QStringLiteral("yyyy-MM-dd"),
            QStringLiteral("dd.MM.yy"),   QStringLiteral("d MMMM yyyy"), QStringLiteral("MMMM d, yyyy"),
            QStringLiteral("dddd, d MMMM yyyy")};
}

QStringList timePatterns() {
    return {QStringLiteral("HH:mm"), QStringLiteral("HH:mm:ss"), QStringLiteral("hh:mm AP"),
            QStringLiteral("hh:mm:ss AP")};
}

QStringList hatchStyleNames() {
    const QString folder = hatchPatternFolder();
    if (folder.isEmpty())
        return {};
    QStringList names;
    for (const QFileInfo& f : QDir(folder).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        names << f.completeBaseName();
    return names;
}

QString pictureFileFilter(const QStringList& extensions) {
    QStringList patterns;
    for (const QString& e : extensions)
        patterns << QStringLiteral("*.") + e.toLower() << QStringLiteral("*.") + e.toUpper();
    patterns.removeDuplicates();
    return QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QString fontDisplayText(const QFont& font) {
    return QStringLiteral("%1 ( %2 )").arg(font.family()).arg(font.pointSizeF(), 0, 'f', 2);
}

QString typedTextRule(const QString& text) {
    QString out = text;
    if (out.contains(TextPlaceholder))
        out = Replace_char_in_string(out, TextPlaceholder, QString());
    if (out.size() > MaxTypedTextLength) {
        // A cut between the two halves of a surrogate pair would leave half
        // a character: the whole pair goes.
        qsizetype keep = MaxTypedTextLength;
        if (out.at(keep - 1).isHighSurrogate())
            --keep;
        out = Left_Str_substringToIndex(out, keep);
    }
    return out;
}

}  // namespace zelk
