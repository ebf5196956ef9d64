#include "production/PrintJob.h"

#include "canvas/SKTRenderingView.h"
#include "inspector/face/ImageTransforms.h"
#include "production/CardsReadingWrong.h"

#include <QEventLoop>
#include <QFuture>
#include <QPainter>
#include <QPrinter>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <numeric>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zelk {

PrintJob::PrintJob(const PrintJobSettings& settings, SideSnapshot designFront, SideSnapshot designBack,
                   PrintCardSource source)
    : settings_(settings),
      designFront_(std::move(designFront)),
      designBack_(std::move(designBack)),
      source_(std::move(source)),
      view_(QRectF(QPointF(0, 0), settings.paper), settings) {}

PrintJob::~PrintJob() {
    pool_.waitForDone();
}

TransformedCardImage PrintJob::cardArt(const SideSnapshot& side, bool mirror, bool vertical, bool turned) {
    const SKTRenderingView card = SKTRenderingView::image_From_Card_Graphics(side, true);
    QTransform t;
    if (mirror)
        t = ImageTransforms::Create_Mirror_Image_With_CG_Image(card, vertical).transform();
    if (turned)
        t = t * ImageTransforms::imageRotatedByDegrees_Angle(card, 180.0, card.frame()).transform();
    return TransformedCardImage(card, t);
}

PrintCard PrintJob::cardOf(int index, QChar side) const {
    if (!settings_.useData) {
        PrintCard c;
        c.side = side == QLatin1Char('F') ? designFront_ : designBack_;
        return c;
    }
    if (!source_.card)
        return PrintCard{{}, QStringLiteral("No card can be made.")};
    return source_.card(index, side);
}

CellArt PrintJob::makeCell(int page, int index) const {
    CellArt art;
    const PrintPlan::Cell c = view_.plan().cell(page, index);
    if (c.isEmpty())
        return art;
    auto make = [&](QChar side, bool turned) -> std::optional<TransformedCardImage> {
        const PrintCard card = cardOf(c.card, side);
        if (!card.ok()) {
            art.failure = card.reason.isEmpty() ? QStringLiteral("The card is empty.") : card.reason;
            QMutexLocker lock(&failuresLock_);
            failures_.insert(c.card, art.failure);
            return std::nullopt;
        }
        if (!card.readingWrong.isEmpty()) {
            QMutexLocker lock(&failuresLock_);
            addReadingWrong(readingWrong_[c.card], card.readingWrong);
        }
        return cardArt(card.side, settings_.Mirror_Image_Create, settings_.Mirror_Vertical_Not_Horz, turned);
    };
    if (c.drawFront)
        art.front = make(QLatin1Char('F'), c.frontTurned);
    if (c.drawBack && art.failure.isEmpty())
        art.back = make(QLatin1Char('B'), c.backTurned);
    if (settings_.preview) {
        if (art.front)
            art.frontPicture = art.front->imageAtResolution(PreviewDpi);
        if (art.back)
            art.backPicture = art.back->imageAtResolution(PreviewDpi);
        art.front.reset();
        art.back.reset();
    }
    return art;
}

QList<CellArt> PrintJob::pageArt(int page) const {
    QList<int> cells(view_.plan().cellsPerPage());
    std::iota(cells.begin(), cells.end(), 0);
    return QtConcurrent::blockingMapped(&pool_, cells, [this, page](int cell) { return makeCell(page, cell); });
}

bool PrintJob::paint(QPrinter& printer, int pages) const {
    if (pages < 1)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The printer's device units to points.
    const double scale = printer.resolution() / 72.0;
    QList<int> cells(view_.plan().cellsPerPage());
    std::iota(cells.begin(), cells.end(), 0);
    auto produce = [&](int page) {
        return QtConcurrent::mapped(&pool_, cells, [this, page](int cell) { return makeCell(page, cell); });
    };
    QFuture<CellArt> next = produce(1);
    for (int page = 1; page <= pages; ++page) {
        const QList<CellArt> art = next.results();
        if (page < pages)
            next = produce(page + 1);
        if (page > 1 && !printer.newPage()) {
            next.waitForFinished();
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        view_.drawRect(painter, page, art);
        painter.restore();
    }
    return painter.end();
}

bool PrintJob::paintOnWorker(QPrinter& printer, int pages) const {
    bool ok = false;
    std::unique_ptr<QThread> worker(QThread::create([&] { ok = paint(printer, pages); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    return ok;
}

void PrintJob::returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

QStringList PrintJob::failures() const {
    QMutexLocker lock(&failuresLock_);
    QStringList lines;
    for (auto it = failures_.cbegin(); it != failures_.cend(); ++it)
        lines << QStringLiteral("Card %1: %2").arg(it.key() + 1).arg(it.value());
    return lines;
}

QMap<int, QList<NamedReadingWrong>> PrintJob::cardsReadingWrong() const {
    QMutexLocker lock(&failuresLock_);
    return readingWrong_;
}

QString PrintJob::failureMessage() const {
    const QStringList lines = failures();
    if (lines.isEmpty())
        return {};
    return QStringLiteral("These cards could not be made from their data and show \"Invalid Data\":\n%1")
        .arg(lines.join(QLatin1Char('\n')));
}

}  // namespace zelk
