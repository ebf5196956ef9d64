#pragma once
// The number fields of the series generator take only a whole integer (an
// optional sign and decimal digits, blanks around allowed) or nothing; any
// other edit is refused with a beep.
#include <QValidator>

class OnlyIntegerValueFormatter : public QValidator {
    Q_OBJECT
public:
    explicit OnlyIntegerValueFormatter(QObject* parent = nullptr);

    // Without the beep: the rule itself.
    static bool isPartialStringValid(const QString& text);

    State validate(QString& input, int& pos) const override;
};
