#pragma once

#include "card/CardField.h"

// The property card record TSchedaImmobile (6653 bytes, 130 fields): for each field, in
// record order, its capacity, its section on the card, its caption and how it is typed.
namespace SchedaImmobile {

enum class Section { Immobile, Locatore, Conduttore, Contratto, Allegati };

const QList<CardField>& fields();
const RecordLayout& layout();
const CardField& field(const QString& name);
inline QString archiveName()
{
    return QStringLiteral("Immobili.pro");
}

} // namespace SchedaImmobile
