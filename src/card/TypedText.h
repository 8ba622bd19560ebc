#pragma once

#include <QChar>
#include <QString>
#include <functional>

// What a field that takes only some characters (digits, amounts) makes of what is typed or
// pasted into it: one rule for both, so a paste never brings in what a key could not.
namespace TypedText {

struct Rule {
    std::function<bool(QChar)> accepts;
    // The whole part of an amount whose cents have a field of their own: a decimal separator
    // ("." or ",") moves on to the cents field, which gets what follows it.
    bool separatorMovesOn = false;
};

struct Typed {
    QString here;      // what goes into the field
    bool movesOn = false;
    QString next;      // after a separator that moves on: what goes into the cents field
};

// Character by character: an accepted character stays; a dot is the decimal comma where the
// comma is accepted (the numeric keypad's decimal key types a dot); every other character is
// dropped. A pasted amount grouped in thousands with dots ("1.250,50", "12.000") loses those
// dots first, so it is never read as decimals.
Typed filter(const QString& text, const Rule& rule);

} // namespace TypedText
