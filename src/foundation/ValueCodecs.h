#pragma once
// The text forms of values in stored files.
//   colour: "r:g:b:a", fractions 0-1 ("0.5:0.0:1.0:1.0")
//   font:   "<name>::::<size>" with the size to two decimals ("DejaVu Sans::::12.00")
//   flag:   "Y" / "N"
// Numbers are always written with "." whatever the user's locale.
#include <QColor>
#include <QFont>
#include <QString>

// Decodes "r:g:b:a"; a missing or malformed text gives the clear colour
// (all components 0). Components are clamped to 0-1.
QColor Convert_String_to_Color(const QString& text);

namespace zelk {

// Writes each component with the fewest decimals (one to six) that read back
// as the same colour, so a colour survives a save unchanged and a reader of
// the one-decimal form still reads it.
QString colorToString(const QColor& color);
// Same as Convert_String_to_Color.
QColor colorFromString(const QString& text);

// "<name>::::<size>". A bold or italic font carries the suffix "-Bold",
// "-Italic" or "-BoldItalic" on the family name.
QString fontToString(const QFont& font);
// Decodes fontToString's form; a text that cannot be decoded gives `fallback`.
QFont fontFromString(const QString& text, const QFont& fallback = QFont());
// True and sets `out` only when the text decodes.
bool tryFontFromString(const QString& text, QFont& out);

// "Y" for true, "N" for false.
QString flagToString(bool flag);
// True only for "Y" (blanks around it ignored).
bool flagFromString(const QString& text);

}  // namespace zelk
