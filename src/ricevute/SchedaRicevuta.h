#pragma once

#include "card/CardField.h"

// The receipt record TSchedaRicevuta (2314 bytes, 38 fields): for each field, in record
// order, its capacity, its box on the receipt screen, its caption and how it is typed. The
// record order is not the screen's: PercIstat and Istat follow Importo01, Cents and
// TotRicevuta follow ImpLettere.
namespace SchedaRicevuta {

enum class Section { Ricevuta, Contratto, Parti, Immobile, Pagamenti, Striscia, Stato };

constexpr int recordSize = 2314;

const QList<CardField>& fields();
const RecordLayout& layout();
const CardField& field(const QString& name);

// The two stamp-duty notes of the Bollo list, the first being the default.
const QStringList& bolloNotes();

// What the import from a property card writes into a receipt, in the order it is written:
// receipt field and value, each trimmed. Contract, parties, property, the payment period as
// the first reason, and ImpRata,CentRata as the first amount only when both are filled.
QList<std::pair<QString, QString>> fromPropertyCard(const Record& property);

// The archive of a year beside the executable: "2021" gives 2021.ric.
inline QString archiveName(const QString& year)
{
    return year + QStringLiteral(".ric");
}

} // namespace SchedaRicevuta
