#pragma once

#include "card/CardField.h"

// The F24 ELIDE record TSchedaF24 (535 bytes, 27 fields, all short texts), in record order:
// each field's capacity, its box on the F24 screen, its caption and how it is typed.
namespace SchedaF24 {

enum class Section { Intestazione, Contribuente, Erario };

constexpr int recordSize = 535;

const QList<CardField>& fields();
const RecordLayout& layout();
const CardField& field(const QString& name);

inline QString archiveName()
{
    return QStringLiteral("F24_ELIDE.pro");
}

} // namespace SchedaF24
