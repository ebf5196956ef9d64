#pragma once
// The program's multi-line text box. Qt 6.4's text boxes crash when they
// paste a clipboard that offers no format at all, which an X11 clipboard
// without an owner is and which another program may leave behind; this one
// pastes nothing from it.
#include <QPlainTextEdit>

namespace zelk {

class TextBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace zelk
