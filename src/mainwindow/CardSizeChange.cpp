#include "mainwindow/CardSizeChange.h"

#include "canvas/SideGraphicsModel.h"
#include "foundation/SKTGraphic.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

bool hasArea(const QSizeF& size) {
    return std::isfinite(size.width()) && std::isfinite(size.height()) && size.width() > 0 && size.height() > 0;
}

bool isLandscape(const QSizeF& size) {
    return size.width() >= size.height();
}

// Sizes within a thousandth of a point each way are one card: the same
// size written in millimetres and read back as points differs from itself
// by less, and scaling a design by so little would only move its boxes off
// the whole points they stood on.
bool sameCard(const QSizeF& a, const QSizeF& b) {
    return std::abs(a.width() - b.width()) < 0.001 && std::abs(a.height() - b.height()) < 0.001;
}

}  // namespace

QChar CardSizeChange::orientationMark(const QString& templatePath) {
    const QString base = QFileInfo(templatePath).completeBaseName();
    if (base.size() < 3 || base.at(base.size() - 2) != QLatin1Char('_'))
        return {};
    const QChar mark = base.back();
    if (mark == QLatin1Char('L') || mark == QLatin1Char('P'))
        return mark;
    return {};
}

QString CardSizeChange::otherOrientationPath(const QString& templatePath) {
    const QChar mark = orientationMark(templatePath);
    if (mark.isNull())
        return {};
    const QFileInfo info(templatePath);
    QString base = info.completeBaseName();
    base.back() = mark == QLatin1Char('L') ? QLatin1Char('P') : QLatin1Char('L');
    const QString suffix = info.suffix();
    const QString name = suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
    return info.dir().filePath(name);
}

void CardSizeChange::scaleGraphics(Graphics& graphics, const QSizeF& oldSize, const QSizeF& newSize) {
    if (!hasArea(oldSize) || !hasArea(newSize))
        return;
    const double sx = newSize.width() / oldSize.width();
    const double sy = newSize.height() / oldSize.height();
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        if (!g)
            continue;
        const QRectF b = g->bounds();
        const QRectF scaled(b.x() * sx, b.y() * sy, b.width() * sx, b.height() * sy);
        if (zelk::isExactlyBarcode(g.get())) {
            // Stretched, the bars would no longer match the picture's modules:
            // the barcode keeps its size, centred where the scaled box is.
            QRectF kept(QPointF(), b.size());
            kept.moveCenter(scaled.center());
            g->setBounds(kept);
            zelk::SideGraphicsModel::refitBarcode(g.get());
        } else {
            g->setBounds(scaled);
        }
    }
}

CardSizeChange::Outcome CardSizeChange::Card_Control_Size_Change_or_not(
    Graphics& front, Graphics& back, const QSizeF& oldSize, const QSizeF& newSize, const QString& templatePath,
    bool untouchedNewDesign, const std::function<bool(const QString& designPath)>& loadTemplate) {
    // A size without area cannot be scaled from or to (and would divide by zero).
    if (!hasArea(oldSize) || !hasArea(newSize) || sameCard(oldSize, newSize))
        return Unchanged;

    const QChar mark = orientationMark(templatePath);
    if (untouchedNewDesign && !mark.isNull() && loadTemplate) {
        // Only a turn of the card asks for the other orientation; the new
        // orientation must be the one the other template was drawn for.
        const bool wantLandscape = isLandscape(newSize);
        const bool markLandscape = mark == QLatin1Char('L');
        if (wantLandscape != markLandscape) {
            const QString other = otherOrientationPath(templatePath);
            const QFileInfo info(other);
            const QString design = info.dir().filePath(info.completeBaseName() + QStringLiteral(".did"));
            if (QFileInfo(design).isFile() && loadTemplate(design))
                return TemplateSwapped;
        }
    }
    scaleGraphics(front, oldSize, newSize);
    scaleGraphics(back, oldSize, newSize);
    return GraphicsScaled;
}
