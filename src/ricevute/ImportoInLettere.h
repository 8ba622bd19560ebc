#pragma once

#include "platform/Money.h"

#include <QString>

// A sum of money in Italian words, as a receipt stores it in ImpLettere: capitals, no vowel
// dropped (VENTIOTTO, CENTOOTTANTA), groups joined without blanks, at most the four lowest
// groups of three digits written (up to the miliardi).

// The words of a group of three digits, 0 to 999, in lower case; 0 gives the empty text.
QString GruppoInLettere(int n);

// The words of an amount: "- " before a negative one, "ZERO" for no euros, and the cents
// (after rounding the amount to two decimals, half away from zero) as " E … CENTESIMI"
// when there are any: 1021,50 gives MILLEVENTUNO E CINQUANTA CENTESIMI.
QString ImportoInLettere(const Money& value);
