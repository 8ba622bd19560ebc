#include "Instalments.h"

#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ricevute/SchedaRicevuta.h"
#include "storage/ListSearch.h"
#include "storage/RecordLayout.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace Instalments {

std::optional<Frequency> frequency(const QString& periodicita)
{
    const QString folded = ListSearch::folded(periodicita);
    if (folded.contains(u"semestrale"_s))
        return Frequency::HalfYearly;
    if (folded.contains(u"trimestrale"_s))
        return Frequency::Quarterly;
    if (folded.contains(u"mensile"_s))
        return Frequency::Monthly;
    return std::nullopt;
}

int perYear(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Monthly:
        return 12;
    case Frequency::Quarterly:
        return 4;
    case Frequency::HalfYearly:
        return 2;
    }
    return 12;
}

std::optional<int> dueDay(const QString& scadeRata)
{
    const QString text = Text::trimmed(scadeRata);
    if (text.isEmpty())
        return 1;
    bool number = false;
    const int day = text.toInt(&number);
    if (number && text.size() <= 2 && day >= 1 && day <= 31)
        return day;
    const QDate date = Formats::parseLenientDate(text, Clock::today());
    if (date.isValid())
        return date.day();
    return std::nullopt;
}

QList<Instalment> ofYear(Frequency frequency, int day, int year)
{
    const int count = perYear(frequency);
    const int step = 12 / count;
    QList<Instalment> instalments;
    for (int i = 0; i < count; ++i) {
        const QDate first(year, 1 + i * step, 1);
        Instalment instalment;
        instalment.number = i + 1;
        instalment.due = QDate(year, first.month(), std::min(day, first.daysInMonth()));
        instalment.periodStart = first;
        instalment.periodEnd = first.addMonths(step).addDays(-1);
        instalments.append(instalment);
    }
    return instalments;
}

std::optional<Instalment> covering(const QList<Instalment>& instalments, const QDate& date)
{
    for (const Instalment& instalment : instalments) {
        if (date >= instalment.periodStart && date <= instalment.periodEnd)
            return instalment;
    }
    return std::nullopt;
}

namespace {
Contract contractOf(const Record& record)
{
    return {Text::capitals(Text::trimmed(record.text(u"CodFiscCon01"_s))),
            Text::capitals(Text::trimmed(record.text(u"CodContratto"_s)))};
}
} // namespace

Contract contractOfCard(const Record& card)
{
    return contractOf(card);
}

Contract contractOfReceipt(const Record& receipt)
{
    return contractOf(receipt);
}

bool belongs(const Contract& card, const Contract& receipt)
{
    return !card.tenantCode.isEmpty() && card == receipt;
}

QList<Receipt> readReceipts(const QString& archivePath)
{
    QList<Receipt> receipts;
    if (!QFile::exists(archivePath))
        return receipts;
    const QDate today = Clock::today();
    const int data = SchedaRicevuta::layout().indexOf(u"Data"_s);
    ListSearch::forEachRecord(archivePath, SchedaRicevuta::layout(), [&](const Record& record, int position) {
        Receipt receipt;
        receipt.contract = contractOfReceipt(record);
        receipt.date = Formats::parseLenientDate(record.rawAt(data), today);
        receipt.paid = record.flag(u"Saldata"_s).value_or(false);
        receipt.position = position;
        receipt.number = Text::trimmed(record.text(u"NumRic"_s));
        receipts.append(receipt);
    });
    return receipts;
}

State stateOf(const Instalment& instalment, const Contract& card, const QList<Receipt>& receipts)
{
    bool issued = false;
    for (const Receipt& receipt : receipts) {
        if (!belongs(card, receipt.contract) || !receipt.date.isValid() ||
            receipt.date < instalment.periodStart || receipt.date > instalment.periodEnd)
            continue;
        if (receipt.paid)
            return State::Paid;
        issued = true;
    }
    return issued ? State::Unpaid : State::NotIssued;
}

} // namespace Instalments
