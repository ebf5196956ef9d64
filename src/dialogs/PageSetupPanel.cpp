#include "dialogs/PageSetupPanel.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/PrintInfo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <array>

namespace zelk {
namespace {

// Qt's panel opens on the printer's default paper with no margins, whatever
// paper the printer was given, and on OK drops a paper that the printer
// refuses with those margins. So the panel is set and read here, through
// the parts its form names.
class PanelParts {
public:
    explicit PanelParts(const QPageSetupDialog& panel)
        : paper(panel.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))),
          unit(panel.findChild<QComboBox*>(QStringLiteral("unitCombo"))),
          width(panel.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))),
          height(panel.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"))),
          portrait(panel.findChild<QAbstractButton*>(QStringLiteral("portrait"))),
          landscape(panel.findChild<QAbstractButton*>(QStringLiteral("landscape"))),
          margins{panel.findChild<QDoubleSpinBox*>(QStringLiteral("leftMargin")),
                  panel.findChild<QDoubleSpinBox*>(QStringLiteral("topMargin")),
                  panel.findChild<QDoubleSpinBox*>(QStringLiteral("rightMargin")),
                  panel.findChild<QDoubleSpinBox*>(QStringLiteral("bottomMargin"))},
          pagesPerSheet(panel.findChild<QWidget*>(QStringLiteral("pagesPerSheetButtonGroup"))) {}

    bool complete() const {
        return paper && unit && width && height && portrait && landscape &&
               std::all_of(margins.begin(), margins.end(), [](const QDoubleSpinBox* m) { return m; });
    }

    QPageLayout::Unit shownUnit() const { return unit->currentData().value<QPageLayout::Unit>(); }

    QPageLayout::Orientation orientation() const {
        return landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    }

    // The paper chosen: a listed one, or the custom size typed (shown in
    // the orientation, kept upright).
    QPageSize chosenPaper() const {
        QPageSize size = paper->currentData().value<QPageSize>();
        if (!size.isValid()) {
            QSizeF typed(width->value(), height->value());
            if (orientation() == QPageLayout::Landscape)
                typed.transpose();
            size = QPageSize(typed, QPageSize::Unit(shownUnit()));
        }
        // A standard paper keeps its own definition, not the driver's sizes
        // rounded to whole points.
        return size.id() == QPageSize::Custom ? size : QPageSize(size.id());
    }

    void show(const PrintInfo& info) const {
        (info.orientation() == QPageLayout::Landscape ? landscape : portrait)->click();
        int listed = -1, custom = -1;
        for (int i = 0; i < paper->count(); ++i) {
            const QPageSize size = paper->itemData(i).value<QPageSize>();
            if (!size.isValid())
                custom = i;
            else if (listed < 0 && size.isEquivalentTo(info.pageSize()))
                listed = i;
        }
        if (listed >= 0) {
            paper->setCurrentIndex(listed);
        } else if (custom >= 0) {
            paper->setCurrentIndex(custom);
            const QSizeF size = info.pageSize().size(QPageSize::Unit(shownUnit()));
            const bool turned = info.orientation() == QPageLayout::Landscape;
            width->setValue(turned ? size.height() : size.width());
            height->setValue(turned ? size.width() : size.height());
        }
        showEdges(info);
    }

    // The margins are the printer's unprintable edges of the paper shown:
    // shown, not typed, as in the print window.
    void showEdges(const PrintInfo& info) const {
        QPageLayout edges(info.pageSize(), info.orientation(), info.unprintableEdges(), QPageLayout::Point);
        edges.setUnits(shownUnit());
        const QMarginsF m = edges.margins();
        const std::array<qreal, 4> values{m.left(), m.top(), m.right(), m.bottom()};
        for (std::size_t i = 0; i < margins.size(); ++i) {
            margins[i]->setReadOnly(true);
            margins[i]->setButtonSymbols(QAbstractSpinBox::NoButtons);
            margins[i]->setValue(values[i]);
        }
    }

    // Shown edges follow the paper, orientation and unit the user picks.
    void followChoices(const PrintInfo& info) const {
        const auto refresh = [parts = *this, info] {
            PrintInfo shown = info;
            shown.setOrientation(parts.orientation());
            shown.setPageSize(parts.chosenPaper());
            parts.showEdges(shown);
        };
        QObject::connect(paper, &QComboBox::currentIndexChanged, paper, refresh);
        QObject::connect(unit, &QComboBox::activated, unit, refresh);
        QObject::connect(width, &QDoubleSpinBox::valueChanged, width, refresh);
        QObject::connect(height, &QDoubleSpinBox::valueChanged, height, refresh);
        for (QAbstractButton* b : {portrait, landscape})
            QObject::connect(b, &QAbstractButton::clicked, b, refresh);
    }

    QComboBox* paper;
    QComboBox* unit;
    QDoubleSpinBox* width;
    QDoubleSpinBox* height;
    QAbstractButton* portrait;
    QAbstractButton* landscape;
    std::array<QDoubleSpinBox*, 4> margins;  // left, top, right, bottom
    QWidget* pagesPerSheet;
};

}  // namespace

bool PageSetupPanel::run(QWidget* parent, PrintInfo& info) {
    // Without an installed printer the panel offers every standard paper.
    QPrinter printer(QPrinterInfo::printerInfo(info.printerName()), QPrinter::HighResolution);
    info.applyTo(printer);
    QPageSetupDialog panel(&printer, parent);
    PanelParts parts(panel);
    if (parts.complete()) {
        parts.show(info);
        parts.followChoices(info);
        // Sheets are laid out by the print window, never several to a page.
        if (parts.pagesPerSheet)
            parts.pagesPerSheet->hide();
    }
    if (DialogRunner::run(&panel) != 1)
        return false;
    PrintInfo chosen = info;
    if (parts.complete()) {
        chosen.setOrientation(parts.orientation());
        chosen.setPageSize(parts.chosenPaper());
    } else {
        chosen = PrintInfo::fromPrinter(printer);
        chosen.jobDisposition = info.jobDisposition;
        chosen.duplex = info.duplex;
    }
    info = chosen;
    return true;
}

}  // namespace zelk
