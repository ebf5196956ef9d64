#pragma once
// What an export run makes its cards from: card n of a side, ready to draw.
// A run takes one source when it starts and asks it for cards on worker
// threads, several at once; a source never touches the live design.
#include "canvas/ReadingWrongMessage.h"
#include "inspector/face/TransformedCardImage.h"

#include <QString>
#include <QStringList>

namespace zelk {

class CardSource {
public:
    struct Card {
        // The side with card n's values, mirrored as the run asks; null
        // when the card could not be made.
        TransformedCardImage image;
        QString reason;  // why not
        // What reads wrong on it (CardsReadingWrong::of).
        QList<NamedReadingWrong> readingWrong{};
        bool ok() const { return reason.isEmpty() && !image.isNull(); }
    };

    virtual ~CardSource() = default;
    // Cards of the batch; a run writes none beyond.
    virtual int count() const = 0;
    // Card `index` (the 0-based data row) of side "F", or "B" for the back.
    // Safe from any thread.
    virtual Card card(int index, const QString& card_side) const = 0;
};

}  // namespace zelk
