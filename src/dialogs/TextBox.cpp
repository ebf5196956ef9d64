#include "dialogs/TextBox.h"

#include <QMimeData>

namespace zelk {

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace zelk
