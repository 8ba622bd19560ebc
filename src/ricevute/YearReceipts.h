#pragma once

#include "scadenze/Instalments.h"
#include "storage/RecordLayout.h"

#include <QList>
#include <QString>
#include <optional>

// A year of receipts made in one step from a property card's contract: one receipt per rent
// instalment of the year, dated on its due day, numbered on from the next number, for the
// instalment amount, every other field as the import from the card fills it, unpaid.
// Instalments already covered by a receipt of the same contract, and those wholly outside the
// lease, are left out, each with the reason.
namespace YearReceipts {

// Why the card cannot give receipts (a surname a receipt needs to be saved, the tenant's
// codice fiscale that recognises the receipts already issued, the instalment amount), as a
// warning; nothing when it can.
std::optional<QString> cardProblem(const Record& card);

// The instalment amount of the card, ImpRata,CentRata in the two-decimal form ("650,00").
QString amount(const Record& card);

// "gennaio 2025", "primo trimestre 2025", "secondo semestre 2025".
QString periodWords(Instalments::Frequency frequency, const Instalments::Instalment& instalment);
// The first payment reason: "Canone di locazione gennaio 2025".
QString reason(Instalments::Frequency frequency, const Instalments::Instalment& instalment);

struct LeftOut {
    Instalments::Instalment instalment;
    QString why; // "già coperta dalla ricevuta n. 12 del 03/02/2025"
};

struct Plan {
    Instalments::Frequency frequency = Instalments::Frequency::Monthly;
    QList<Instalments::Instalment> toMake;
    QList<LeftOut> leftOut;
};

// The instalments of `year` to make receipts for, given the receipts already in its archive.
Plan plan(const Record& card, Instalments::Frequency frequency, int dueDay, int year,
          const QList<Instalments::Receipt>& receipts);

// The receipts of the plan as whole records, numbered from `firstNumber` on.
QList<Record> receipts(const Record& card, const Plan& plan, int firstNumber);

} // namespace YearReceipts
