#include "YearReceipts.h"

#include "SchedaRicevuta.h"
#include "TotaliRicevuta.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace YearReceipts {

namespace {

QString cardText(const Record& card, const QString& field)
{
    return Text::trimmed(card.text(field));
}

std::optional<TotaliRicevuta::Totals> totalsOf(const QString& amount)
{
    return TotaliRicevuta::compute(
        [&](const QString& field) { return field == u"Importo01"_s ? amount : QString(); });
}

// Why an instalment is left out, or nothing: a receipt of the contract dated in its period, or
// a period wholly before the lease begins or after it ends (dates the card may not hold).
std::optional<QString> leftOutBecause(const Instalments::Instalment& instalment, const Record& card,
                                      const QList<Instalments::Receipt>& receipts)
{
    const Instalments::Contract contract = Instalments::contractOfCard(card);
    for (const Instalments::Receipt& receipt : receipts) {
        if (Instalments::belongs(contract, receipt.contract) && receipt.date.isValid() &&
            Instalments::covering({instalment}, receipt.date))
            return u"già coperta dalla ricevuta n. "_s + receipt.number + u" del "_s + Formats::date(receipt.date);
    }
    const QDate today = Clock::today();
    const QDate start = Formats::parseLenientDate(card.text(u"DurataDAL"_s), today);
    if (start.isValid() && instalment.periodEnd < start)
        return u"prima dell'inizio della locazione ("_s + Formats::date(start) + u")"_s;
    const QDate end = Formats::parseLenientDate(card.text(u"DurataAL"_s), today);
    if (end.isValid() && instalment.periodStart > end)
        return u"dopo la fine della locazione ("_s + Formats::date(end) + u")"_s;
    return std::nullopt;
}

} // namespace

std::optional<QString> cardProblem(const Record& card)
{
    const QString lacks = u"Attenzione: la scheda scelta non indica "_s;
    if (cardText(card, u"CognomeLoc01"_s).isEmpty())
        return lacks + u"il cognome del Locatore, necessario per salvare le ricevute."_s;
    if (cardText(card, u"CognomeCon01"_s).isEmpty())
        return lacks + u"il cognome del Conduttore, necessario per salvare le ricevute."_s;
    if (cardText(card, u"CodFiscCon01"_s).isEmpty())
        return lacks + u"il codice fiscale del Conduttore, necessario per riconoscere le ricevute già "
                       u"emesse per il contratto."_s;
    if (cardText(card, u"ImpRata"_s).isEmpty())
        return lacks + u"l'importo della rata del canone."_s;
    return TotaliRicevuta::outputProblem(totalsOf(amount(card)));
}

QString amount(const Record& card)
{
    const QString cents = cardText(card, u"CentRata"_s);
    return TotaliRicevuta::twoDecimalForm(cardText(card, u"ImpRata"_s) + u',' + (cents.isEmpty() ? u"00"_s : cents));
}

QString periodWords(Instalments::Frequency frequency, const Instalments::Instalment& instalment)
{
    static const QStringList months = {u"gennaio"_s, u"febbraio"_s, u"marzo"_s,     u"aprile"_s,
                                       u"maggio"_s,  u"giugno"_s,   u"luglio"_s,    u"agosto"_s,
                                       u"settembre"_s, u"ottobre"_s, u"novembre"_s, u"dicembre"_s};
    static const QStringList ordinals = {u"primo"_s, u"secondo"_s, u"terzo"_s, u"quarto"_s};
    const QString year = QString::number(instalment.periodStart.year());
    switch (frequency) {
    case Instalments::Frequency::Monthly:
        return months[instalment.periodStart.month() - 1] + u' ' + year;
    case Instalments::Frequency::Quarterly:
        return ordinals[instalment.number - 1] + u" trimestre "_s + year;
    case Instalments::Frequency::HalfYearly:
        return ordinals[instalment.number - 1] + u" semestre "_s + year;
    }
    return year;
}

QString reason(Instalments::Frequency frequency, const Instalments::Instalment& instalment)
{
    return u"Canone di locazione "_s + periodWords(frequency, instalment);
}

Plan plan(const Record& card, Instalments::Frequency frequency, int dueDay, int year,
          const QList<Instalments::Receipt>& receipts)
{
    Plan result;
    result.frequency = frequency;
    for (const Instalments::Instalment& instalment : Instalments::ofYear(frequency, dueDay, year)) {
        if (const auto why = leftOutBecause(instalment, card, receipts))
            result.leftOut.append({instalment, *why});
        else
            result.toMake.append(instalment);
    }
    return result;
}

QList<Record> receipts(const Record& card, const Plan& plan, int firstNumber)
{
    const QString rent = amount(card);
    const std::optional<TotaliRicevuta::Totals> totals = totalsOf(rent);
    QList<Record> made;
    for (const Instalments::Instalment& instalment : plan.toMake) {
        Record receipt(SchedaRicevuta::layout());
        for (const auto& [field, value] : SchedaRicevuta::fromPropertyCard(card))
            receipt.setText(field, value);
        receipt.setText(u"NumRic"_s, QString::number(firstNumber + made.size()));
        receipt.setText(u"Data"_s, Formats::date(instalment.due));
        receipt.setText(u"Causale01"_s, reason(plan.frequency, instalment));
        receipt.setText(u"Importo01"_s, rent);
        if (totals) {
            receipt.setText(u"TotRicevuta"_s, totals->total);
            receipt.setText(u"Cents"_s, totals->cents);
            receipt.setText(u"ImpLettere"_s, totals->words);
        }
        receipt.setText(u"Bollo"_s, SchedaRicevuta::bolloNotes().front());
        receipt.setFlag(u"Saldata"_s, false);
        made.append(receipt);
    }
    return made;
}

} // namespace YearReceipts
