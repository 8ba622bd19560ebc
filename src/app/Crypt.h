#pragma once

#include <QString>

// The keyed byte cipher that scrambles the access password. Each character is reduced to
// its low 8 bits; at most 255 characters are handled (longer text is cut).
namespace Crypt {

QString encode(const QString& plain); // two upper-case hexadecimal digits per character
QString decode(const QString& hex);   // throws Failure when a pair is not hexadecimal

} // namespace Crypt
