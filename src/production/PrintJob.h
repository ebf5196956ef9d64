#pragma once
// One preview or print run: the settings and cards copied when it starts,
// its page view, and the painting of its pages onto a printer. The cards of
// the next page are made on other cores while a page is painted; the pages
// themselves may be painted on a thread of their own (QPainter on a QPrinter
// works off the GUI thread). Nothing here reads a global or a widget.
#include "canvas/SideSnapshot.h"
#include "production/PrintCardSource.h"
#include "production/PrintJobSettings.h"
#include "production/Printing_View.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThreadPool>

class QPrinter;

namespace zelk {

class PrintJob {
public:
    // The design's own sides print the cards of a run without data.
    PrintJob(const PrintJobSettings& settings, SideSnapshot designFront, SideSnapshot designBack,
             PrintCardSource source);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // A preview shows its cards as pictures of this resolution, made on the
    // job's threads: the preview keeps all its pages, and replays them each
    // time it shows one.
    static constexpr double PreviewDpi = 150;

    const Printing_View& view() const { return view_; }

    // Hands the memory of a closed preview back to the system: the C library
    // keeps what the job's threads freed for their own use otherwise.
    static void returnFreedMemory();
    const PrintJobSettings& settings() const { return settings_; }

    // The card images of every cell of a page, made on the job's threads.
    QList<CellArt> pageArt(int page) const;
    // The card image of one side: the renderer's vector card, mirrored and
    // turned as asked.
    static TransformedCardImage cardArt(const SideSnapshot& side, bool mirror, bool vertical, bool turned);

    // Paints pages 1 to `pages` onto the printer, on the calling thread;
    // false when the printer could not be painted on.
    bool paint(QPrinter& printer, int pages) const;
    // The same on a thread of its own, the calling thread handling its
    // events until the last page is done.
    bool paintOnWorker(QPrinter& printer, int pages) const;

    // The cards that could not be made, "Card n: reason" (n from 1), in card
    // order; a message naming them ("" when none failed).
    QStringList failures() const;
    QString failureMessage() const;
    // The cards made whose fields read wrong (PrintCard::readingWrong): the
    // 0-based card and what reads wrong on it, both sides'.
    QMap<int, QList<NamedReadingWrong>> cardsReadingWrong() const;

private:
    CellArt makeCell(int page, int cell) const;
    PrintCard cardOf(int index, QChar side) const;

    PrintJobSettings settings_;
    SideSnapshot designFront_;
    SideSnapshot designBack_;
    PrintCardSource source_;
    Printing_View view_;
    mutable QThreadPool pool_;
    mutable QMutex failuresLock_;  // guards failures_ and readingWrong_
    mutable QMap<int, QString> failures_;
    mutable QMap<int, QList<NamedReadingWrong>> readingWrong_;
};

}  // namespace zelk
