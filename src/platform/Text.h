#pragma once

#include <QString>

// The program's own text rules, independent of the user's locale.
namespace Text {

// Removes every character up to U+0020 (blanks and control characters) at both ends.
QString trimmed(const QString& text);
// The same without a copy.
QStringView trimmedView(QStringView text);

// Turns the letters a to z into capitals; accented letters stay as they are.
QString capitals(const QString& text);

} // namespace Text
