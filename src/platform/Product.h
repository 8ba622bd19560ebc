#pragma once

#include <QString>

// The product's name, version and addresses, as captions and links show them.
namespace Product {
using namespace Qt::StringLiterals;
inline const QString name = u"Tarvento"_s;
inline const QString version = u"5.0"_s;
inline const QString webAddress = u"https://www.tarvento.it"_s;
inline const QString webLabel = u"www.tarvento.it"_s;
inline const QString contactAddress = u"info@tarvento.it"_s;

// "Tarvento 5.0", as captions and texts name the program.
inline QString fullName()
{
    return name + u' ' + version;
}
// A window caption: one blank, the program's full name, " - " and the screen's own words.
inline QString caption(const QString& words)
{
    return u' ' + fullName() + u" - "_s + words;
}
} // namespace Product
