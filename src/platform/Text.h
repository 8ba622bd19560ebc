#pragma once

#include <QString>

// The program's own text rules, independent of the user's locale.
namespace Text {

// Removes every character up to U+0020 (blanks and control characters) at both ends.
QString trimmed(const QString& text);

// Turns the letters a to z into capitals; accented letters stay as they are.
QString capitals(const QString& text);

// Folds only a to z for case-insensitive searches.
inline QString folded(const QString& text)
{
    return capitals(text);
}

} // namespace Text
