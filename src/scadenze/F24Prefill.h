#pragma once

#include "DeadlineRules.h"

#include <QList>
#include <QString>
#include <utility>

class Record;

// The yearly registration tax of a card as a new F24 ELIDE form, as the Agenzia delle
// Entrate's instructions for lease payments ask (risoluzione 14/E del 24/01/2014): the
// co-obliged party is the other side of the contract ("63"), type "F", the contract's
// 17-character registration code as identifying elements (none for a first registration),
// the tax code, the reference year and the amount. The payer's data come from the card's
// import into the F24 screen.
namespace F24Prefill {

struct Form {
    QList<std::pair<QString, QString>> fields; // F24 field and text, set after the card's import
    QString warning;                           // names what the card lacks; empty when nothing
};

Form forTax(const Record& card, const DeadlineRules::TaxYear& year);

} // namespace F24Prefill
