#include "datasource/OnlyIntegerValueFormatter.h"

#include <QApplication>
#include <QRegularExpression>

OnlyIntegerValueFormatter::OnlyIntegerValueFormatter(QObject* parent) : QValidator(parent) {}

bool OnlyIntegerValueFormatter::isPartialStringValid(const QString& text) {
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    return text.isEmpty() || integer.match(text).hasMatch();
}

QValidator::State OnlyIntegerValueFormatter::validate(QString& input, int&) const {
    if (isPartialStringValid(input))
        return Acceptable;
    QApplication::beep();
    return Invalid;
}
