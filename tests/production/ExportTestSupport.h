#pragma once
// Cards, supplies and players shared by the export tests.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTText.h"
#include "inspector/face/CardFace.h"
#include "production/CardSource.h"
#include "mainwindow/AppGlobals.h"
#include "production/ExportCardSupply.h"
#include "production/ExportGlobals.h"
#include "production/ExportWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>

namespace zelk::test {

// 90 x 54 points: 750 x 450 pixels at 600 dpi, and whole points in EPS.
inline const QRectF kCard(0, 0, 90, 54);

// Two-sided cards on a rounded light-blue card, each side saying "Card n
// front" or "Card n back". Card `failAt` cannot be made; a card at `holdAt`
// waits until `gate` is released.
class TestCards : public CardSource {
public:
    explicit TestCards(int count) : count_(count) { CardFace::install(); }
    int count() const override { return count_; }
    Card card(int index, const QString& side) const override {
        if (index == holdAt) {
            gate.acquire();
            gate.release();
        }
        if (index == failAt && (failSide.isEmpty() || failSide == side))
            return {{}, QStringLiteral("its photo is missing")};
        const bool back = side != QLatin1String("F");
        auto text = std::make_shared<SKTText>();
        text->_bounds = QRectF(8, 18, 76, 16);
        text->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
        text->text_ctrl_font.setPointSizeF(9);
        text->Set_text_value(QStringLiteral("Card %1 %2").arg(index + 1).arg(back ? "back" : "front"));
        const QList<std::shared_ptr<SKTGraphic>> graphics{text};
        Card_Property f(QStringLiteral("F")), b(QStringLiteral("B"));
        f.Card_fill_clr = QColor(170, 200, 255);
        b.Card_fill_clr = QColor(255, 220, 150);
        const SideSnapshot s = SideSnapshot::take(&graphics, &f, &b, 1, back ? 1 : 0, kCard);
        return {TransformedCardImage(SKTRenderingView::image_From_Card_Graphics(s), QTransform()), QString()};
    }
    int failAt = -1;
    QString failSide;  // "F" or "B": only that side of card failAt; empty: both
    int holdAt = -1;
    mutable QSemaphore gate;

private:
    int count_;
};

// Runs export with these cards and data values on, for its lifetime.
class ScopedCards {
public:
    explicit ScopedCards(std::shared_ptr<TestCards> cards) {
        ExportCardSupply s;
        s.checkUse = [n = cards->count()](SKTWindowController&) {
            Use_Data_Sheet_Values = true;
            Total_Batch_Excel_Card = n;
        };
        s.recount = [](SKTWindowController&) {};
        s.cards = [cards](SKTWindowController&) { return cards; };
        previous_ = ExportCardSupply::install(std::move(s));
    }
    ~ScopedCards() { ExportCardSupply::install(std::move(previous_)); }

private:
    ExportCardSupply previous_;
};

// Plays the user over the services installed: the export window is set by
// `setUp` and confirmed, the keep-or-replace box answers from `answers`
// (button, "Apply to All"), the after-export box is counted and closed.
struct Player {
    std::function<void(ExportWindow&)> setUp = [](ExportWindow& w) { w.exportOkay(); };
    // A set-up: every card's front as a PDF file of its own.
    static void frontsAsPdf(ExportWindow& w) {
        w.fileFormatPopup->setCurrentIndex(w.fileFormatPopup->findText(QStringLiteral("PDF")));
        w.matrix_export_card_side->button(1)->click();
        w.exportOkay();
    }
    QList<std::pair<Replcae_Confirm_Box::Button, bool>> answers;
    int questions = 0;
    int afterExportBoxes = 0;
    QStringList afterExportPaths;  // the files the last after-export box named
    QString afterExportMessage;    // and its message
    QString folder;
    QStringList savePaths;  // given in turn by the save panel
    QStringList suggested;  // what the save panel suggested

    ScopedServices services{changed([this](Services& s) {
        s.runDialog = [this](QDialog* d) {
            if (auto* w = qobject_cast<ExportWindow*>(d)) {
                setUp(*w);
                return w->result();
            }
            if (auto* box = qobject_cast<Replcae_Confirm_Box*>(d)) {
                ++questions;
                const auto [button, all] = answers.isEmpty() ? std::pair{Replcae_Confirm_Box::Cancel, true}
                                                              : answers.takeFirst();
                box->Apply_All_Chk->setChecked(all);
                box->findChild<QPushButton*>(button == Replcae_Confirm_Box::Keep      ? "Keep"
                                             : button == Replcae_Confirm_Box::Replace ? "Replace"
                                                                                      : "Cancel")
                    ->click();
                return box->result();
            }
            if (auto* log = qobject_cast<Open_Export_Log*>(d)) {
                ++afterExportBoxes;
                afterExportPaths = QStringList{log->_open_log_path->text()};
                afterExportMessage = log->_open_log_message->text();
                if (!log->_open_log_back_path->isHidden())
                    afterExportPaths << log->_open_log_back_path->text();
                log->Cancel_Clicked();
            }
            return 0;
        };
        s.chooseFolder = [this](QWidget*, const QString&, const QString&) { return folder; };
        s.chooseSavePath = [this](QWidget*, const QString&, const QString& s, const QString&) {
            suggested << QFileInfo(s).fileName();
            return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
        };
    })};
};

}  // namespace zelk::test
