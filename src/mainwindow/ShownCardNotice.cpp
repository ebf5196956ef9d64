// The status bar's notice of the fields of the card on screen that read
// wrong: measured once for each line shown, once an edit or typing pauses,
// never on a repaint.
#include "mainwindow/ShownCardNotice.h"

#include "canvas/ReadingWrongMessage.h"
#include "canvas/SKTGraphicView.h"
#include "foundation/Codes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QStatusBar>
#include <QTimer>

namespace zelk {

namespace {

SKTGraphicView* canvasOf(SKTWindowController& w, int side) {
    return side == 0 ? w._graphicView : w._graphicView_BACK;
}

bool showsAField(const GraphicList& graphics) {
    for (const std::shared_ptr<SKTGraphic>& g : graphics)
        if (g && g->ctrl_is_visible && isExactlyText(g.get()) && isFieldId(g->control_ID))
            return true;
    return false;
}

}  // namespace

ShownCardNotice::ShownCardNotice(SKTWindowController& window)
    : QObject(&window), window_(window), soon_(new QTimer(this)) {
    setObjectName(QStringLiteral("ShownCardNotice"));
    soon_->setSingleShot(true);
    soon_->setInterval(AfterTyping);
    connect(soon_, &QTimer::timeout, this, [this] {
        for (int side = 0; side < 2; ++side)
            if (pending_[size_t(side)])
                measure(side);
    });
    for (int side = 0; side < 2; ++side)
        if (SKTGraphicView* canvas = canvasOf(window_, side))
            connect(canvas, &SKTGraphicView::undoStateChanged, this, [this, side] { edited(side); });
}

ShownCardNotice& ShownCardNotice::of(SKTWindowController& window) {
    if (auto* notice = window.findChild<ShownCardNotice*>(QStringLiteral("ShownCardNotice"), Qt::FindDirectChildrenOnly))
        return *notice;
    return *new ShownCardNotice(window);
}

void ShownCardNotice::measure(int side) {
    for (int s = 0; s < 2; ++s) {
        if (side != -1 && side != s)
            continue;
        pending_[size_t(s)] = false;
        SKTGraphicView* canvas = canvasOf(window_, s);
        // A side without a field shown has none that reads wrong: its
        // ground is not drawn for nothing.
        fields_[size_t(s)] = canvas && showsAField(canvas->graphics())
                                 ? namedOn(canvas->fieldsReadingWrong(), canvas->graphics())
                                 : QList<NamedReadingWrong>();
        emit measured();
    }
    show();
}

void ShownCardNotice::measureSoon(int side) {
    pending_[size_t(side != 0 ? 1 : 0)] = true;
    soon_->start();
}

bool ShownCardNotice::pending() const {
    return pending_[0] || pending_[1];
}

void ShownCardNotice::keep(int side, const QList<FieldReadingWrong>& fields) {
    if (SKTGraphicView* canvas = side == 0 || side == 1 ? canvasOf(window_, side) : nullptr)
        fields_[size_t(side)] = namedOn(fields, canvas->graphics());
}

QString ShownCardNotice::sideLabel(int side) const {
    const int shownSide = ::Card_Front_Or_Back != 0 ? 1 : 0;
    if (side == shownSide && fields_[size_t(1 - side)].isEmpty())
        return {};
    return side == 0 ? QStringLiteral("On the front: ") : QStringLiteral("On the back: ");
}

QString ShownCardNotice::linePrefix() const {
    const int line = ::Start_Card_Option == StartMode::GroupList ? window_.selectedGroupLine() : -1;
    return line >= 0 ? QStringLiteral("Line %1: ").arg(line + 1) : QString();
}

QString ShownCardNotice::text() const {
    QList<NoticePart> parts;
    for (int s = 0; s < 2; ++s)
        if (!fields_[size_t(s)].isEmpty())
            parts.append({sideLabel(s), fields_[size_t(s)]});
    const QString notice = readingWrongNotice(parts);
    return notice.isEmpty() ? notice : linePrefix() + notice;
}

QString ShownCardNotice::toolTip() const {
    QStringList parts;
    for (int s = 0; s < 2; ++s)
        if (!fields_[size_t(s)].isEmpty())
            parts << sideLabel(s) + readingWrongMessage(fields_[size_t(s)]);
    return parts.isEmpty() ? QString() : linePrefix() + parts.join(QStringLiteral("\n\n"));
}

void ShownCardNotice::show() {
    const QString now = text();
    QStatusBar* bar = window_.statusBar();
    // Only what this notice put there is taken away.
    if (now.isEmpty()) {
        if (!shown_.isEmpty() && bar->currentMessage() == shown_)
            bar->clearMessage();
    } else {
        bar->showMessage(now);
    }
    // The whole message, where the line is cut short or is not enough.
    bar->setToolTip(toolTip());
    shown_ = now;
}

void ShownCardNotice::edited(int side) {
    if (!fields_[size_t(side)].isEmpty())
        measureSoon(side);
}

}  // namespace zelk
