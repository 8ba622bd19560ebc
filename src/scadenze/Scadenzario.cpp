#include "Scadenzario.h"

#include "Instalments.h"
#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ricevute/SchedaRicevuta.h"
#include "storage/ListSearch.h"

#include <QDir>
#include <QFile>
#include <algorithm>

using namespace Qt::StringLiterals;
using DeadlineRules::TaxYear;

namespace Scadenzario {

namespace {

// An F24 ELIDE line already saved: a tax it pays is no longer open.
struct SavedPayment {
    QString code;
    QString contractCode;
    QString tenantCode;
    QString year;
    QString date;
};

QList<SavedPayment> readSavedPayments(const QString& path)
{
    QList<SavedPayment> payments;
    if (!QFile::exists(path))
        return payments;
    ListSearch::forEachRecord(path, SchedaF24::layout(), [&](const Record& form, int) {
        for (const char* line : {"01", "02"}) {
            const QString n = QString::fromLatin1(line);
            auto field = [&](const QString& name) { return Text::capitals(Text::trimmed(form.text(name))); };
            payments.append({field(u"Codice"_s + n), field(u"Elementi"_s + n), field(u"CodFiscCoob"_s),
                             field(u"AnnoRif"_s + n), Text::trimmed(form.text(u"Data"_s))});
        }
    });
    return payments;
}

const SavedPayment* savedPaymentOf(const QList<SavedPayment>& saved, const TaxYear& year,
                                   const Instalments::Contract& contract)
{
    for (const SavedPayment& payment : saved) {
        if (payment.code != year.taxCode || payment.year != QString::number(year.referenceYear))
            continue;
        // A first registration carries no contract code yet: the tenant identifies it.
        const bool same =
            year.taxCode == u"1500"_s
                ? !contract.tenantCode.isEmpty() && payment.tenantCode == contract.tenantCode
                : !contract.contractCode.isEmpty() && payment.contractCode == contract.contractCode;
        if (same)
            return &payment;
    }
    return nullptr;
}

QString money(const Money& amount)
{
    return amount.toText(2);
}

// Everything one card gives, before the period is applied.
class CardDeadlines {
public:
    CardDeadlines(const Record& card, qint64 position, const DeadlineRules::NoticeMonths& notice)
        : m_card(card), m_notice(notice)
    {
        m_base.position = position;
        m_base.property = Text::trimmed(card.text(u"Immobile"_s));
        m_base.tenant = Text::trimmed(Text::trimmed(card.text(u"CognomeCon01"_s)) + u' ' +
                                      Text::trimmed(card.text(u"NomeCon01"_s)));
        m_base.contractCode = Text::trimmed(card.text(u"CodContratto"_s));
        m_contract = Instalments::contractOfCard(card);
        m_start = readDate(u"DurataDAL"_s);
        m_end = readDate(u"DurataAL"_s);
        m_signing = readDate(u"DataStipula"_s);
        m_reminder = readDate(u"ScadeRegistro"_s);
        if (m_end && m_end->isValid()) {
            m_extensionEnd = DeadlineRules::extensionEnd(card.text(u"DurataPro"_s), *m_end);
            if (m_extensionEnd && !m_extensionEnd->isValid())
                m_unreadable.append(DeadlineRules::fieldCaption(u"DurataPro"_s));
        }
    }

    QList<Deadline> all(const QDate& from, const QDate& to, const QList<Instalments::Receipt>& receipts,
                        const QList<SavedPayment>& saved)
    {
        QList<Deadline> found;
        registration(found, saved);
        leaseEnd(found);
        reminder(found);
        instalments(found, from, to, receipts);
        if (!m_unreadable.isEmpty() || !m_problems.isEmpty()) {
            Deadline check = m_base;
            check.kind = Kind::DaVerificare;
            QStringList parts;
            if (!m_unreadable.isEmpty())
                parts.append(u"date non leggibili: "_s + m_unreadable.join(u", "_s));
            parts.append(m_problems);
            check.state = parts.join(u"; "_s);
            check.detail = u"Correggere la scheda: "_s + check.state + u'.';
            found.append(check);
        }
        return found;
    }

private:
    std::optional<QDate> readDate(const QString& field)
    {
        const std::optional<QDate> date = DeadlineRules::cardDate(m_card, field);
        if (date && !date->isValid())
            m_unreadable.append(DeadlineRules::fieldCaption(field));
        return date;
    }
    bool readable(const std::optional<QDate>& date) const { return date && date->isValid(); }
    QDate effectiveEnd() const
    {
        return m_extensionEnd && m_extensionEnd->isValid() && *m_extensionEnd > *m_end ? *m_extensionEnd
                                                                                       : *m_end;
    }

    void registration(QList<Deadline>& found, const QList<SavedPayment>& saved)
    {
        if (!readable(m_start) || !readable(m_end) || (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const std::optional<Money> rent = DeadlineRules::cardAmount(m_card, u"ImpCanone"_s, u"CentCanone"_s);
        const std::optional<Money> onCard =
            DeadlineRules::cardAmount(m_card, u"ImpRegistro"_s, u"CentRegistro"_s);
        const bool cedolare = DeadlineRules::cedolareSecca(m_card);
        for (const TaxYear& year :
             DeadlineRules::taxYears(*m_start, *m_end, m_signing, m_extensionEnd, rent)) {
            Deadline d = m_base;
            d.kind = Kind::Registro;
            d.date = year.due;
            const QString which =
                (year.extension ? u"%1° anno della proroga"_s : u"%1° anno del contratto"_s).arg(year.number);
            if (cedolare) {
                d.state = u"cedolare secca: imposta non dovuta"_s;
                d.detail =
                    u"Contratto in cedolare secca: l'imposta di registro non è dovuta ("_s + which + u")."_s;
                found.append(d);
                continue;
            }
            d.detail = which + u" dal "_s + Formats::date(year.start) + u", da versare entro il "_s +
                       Formats::date(year.due) + u". "_s;
            QStringList state;
            if (!year.tax) {
                state.append(u"canone annuo non indicato"_s);
                d.detail += u"Il canone annuo non è indicato nella scheda: importo non calcolabile."_s;
            } else {
                d.amount = year.tax;
                d.tax = year;
                const Money twoPercent = DeadlineRules::yearlyTax(*rent);
                const auto [landlord, tenant] = DeadlineRules::halves(*year.tax);
                d.detail += u"2% del canone annuo "_s + money(*rent) + u" = "_s + money(twoPercent);
                if (*year.tax != twoPercent)
                    d.detail += u", portato al minimo di 67,00"_s;
                d.detail += u"; metà a carico del locatore "_s + money(landlord) +
                            u", metà a carico del conduttore "_s + money(tenant) + u"; codice tributo "_s +
                            year.taxCode + u", anno di riferimento "_s + QString::number(year.referenceYear) +
                            u'.';
                state.append(u"cod. "_s + year.taxCode + u", metà "_s + money(landlord) + u" + "_s +
                             money(tenant));
                if (onCard && *onCard != *year.tax) {
                    state.append(u"scheda "_s + money(*onCard) + u": diverso"_s);
                    d.detail +=
                        u" Nella scheda: "_s + money(*onCard) + u", diverso dall'importo calcolato."_s;
                }
            }
            const SavedPayment* payment = savedPaymentOf(saved, year, m_contract);
            d.open = payment == nullptr;
            state.prepend(payment ? u"F24 compilato"_s +
                                        (payment->date.isEmpty() ? QString() : u" il "_s + payment->date)
                                  : u"da versare"_s);
            d.state = state.join(u", "_s);
            found.append(d);
        }
    }

    void leaseEnd(QList<Deadline>& found)
    {
        if (!readable(m_end) || (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const QDate end = effectiveEnd();
        const bool extended = end != *m_end;
        Deadline last = m_base;
        last.kind = Kind::FineLocazione;
        last.date = end;
        last.state = extended ? u"fine della proroga"_s : u"fine del contratto"_s;
        last.detail = u"Fine locazione: "_s + Formats::date(end) + (extended ? u" (proroga)."_s : u"."_s);
        found.append(last);

        const QString use = Text::trimmed(m_card.text(u"Utilizzo"_s));
        const bool home = DeadlineRules::residential(use);
        const int months = home ? m_notice.residential : m_notice.other;
        Deadline notice = m_base;
        notice.kind = Kind::Disdetta;
        notice.date = DeadlineRules::noticeDeadline(end, months);
        notice.state = u"preavviso di %1 mesi (%2)"_s.arg(months).arg(
            home ? u"uso abitativo"_s : (use.isEmpty() ? u"utilizzo non indicato"_s : u"altri usi"_s));
        notice.detail =
            u"La disdetta va comunicata almeno %1 mesi prima della fine della locazione (%2)."_s.arg(months)
                .arg(Formats::date(end));
        found.append(notice);
    }

    void reminder(QList<Deadline>& found)
    {
        if (!readable(m_reminder))
            return;
        Deadline d = m_base;
        d.kind = Kind::Promemoria;
        d.date = *m_reminder;
        d.amount = DeadlineRules::cardAmount(m_card, u"ImpRegistro"_s, u"CentRegistro"_s);
        d.state = u"promemoria della scheda"_s;
        d.detail = u"Scadenza dell'imposta di registro annotata nella scheda."_s;
        found.append(d);
    }

    void instalments(QList<Deadline>& found, const QDate& from, const QDate& to,
                     const QList<Instalments::Receipt>& receipts)
    {
        const QString periodicita = Text::trimmed(m_card.text(u"Periodicita"_s));
        if (periodicita.isEmpty())
            return;
        const auto frequency = Instalments::frequency(periodicita);
        const auto day = Instalments::dueDay(m_card.text(u"ScadeRata"_s));
        if (!frequency)
            m_problems.append(u"periodicità non riconosciuta"_s);
        if (!day)
            m_unreadable.append(DeadlineRules::fieldCaption(u"ScadeRata"_s));
        if (!frequency || !day || (m_start && !m_start->isValid()) || (m_end && !m_end->isValid()) ||
            (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const std::optional<Money> amount = DeadlineRules::cardAmount(m_card, u"ImpRata"_s, u"CentRata"_s);
        for (int year = from.year(); year <= to.year(); ++year) {
            for (const Instalments::Instalment& instalment : Instalments::ofYear(*frequency, *day, year)) {
                if (instalment.due < from || instalment.due > to || (m_start && instalment.due < *m_start) ||
                    (m_end && instalment.due > effectiveEnd()))
                    continue;
                Deadline d = m_base;
                d.kind = Kind::Canone;
                d.date = instalment.due;
                d.amount = amount;
                const Instalments::State state = Instalments::stateOf(instalment, m_contract, receipts);
                d.open = state != Instalments::State::Paid;
                d.state = state == Instalments::State::Paid     ? u"pagata"_s
                          : state == Instalments::State::Unpaid ? u"emessa, non saldata"_s
                                                                : u"non emessa"_s;
                d.detail =
                    u"Rata %1 del %2 (dal %3 al %4): %5; ricevute cercate per codice fiscale del conduttore "
                    u"e codice del contratto."_s.arg(instalment.number)
                        .arg(year)
                        .arg(Formats::date(instalment.periodStart), Formats::date(instalment.periodEnd),
                             d.state);
                found.append(d);
            }
        }
    }

    const Record& m_card;
    DeadlineRules::NoticeMonths m_notice;
    Deadline m_base;
    Instalments::Contract m_contract;
    std::optional<QDate> m_start, m_end, m_signing, m_reminder, m_extensionEnd;
    QStringList m_unreadable;
    QStringList m_problems;
};

constexpr int kOverdueDays = 90;

int rank(const Deadline& d)
{
    return d.kind == Kind::DaVerificare ? 0 : (d.overdue ? 1 : 2);
}

} // namespace

Period nextDays(const QDate& today, int days)
{
    return {today, today.addDays(days)};
}

QList<Deadline> collect(const QString& folder, const Period& period, const QDate& today)
{
    const QDir dir(folder);
    const QString cards = dir.filePath(SchedaImmobile::archiveName());
    if (!QFile::exists(cards))
        return {};
    // Open deadlines of the last quarter stay in view, overdue: older ones would only bury the
    // list (instalments of tenants who are given no receipts, taxes paid outside the program).
    const bool holdsToday = period.from <= today && today <= period.to;
    const QDate from = holdsToday ? std::min(period.from, today.addDays(-kOverdueDays)) : period.from;
    QList<Instalments::Receipt> receipts;
    for (int year = from.year() - 1; year <= period.to.year() + 1; ++year)
        receipts +=
            Instalments::readReceipts(dir.filePath(SchedaRicevuta::archiveName(QString::number(year))));
    const QList<SavedPayment> saved = readSavedPayments(dir.filePath(SchedaF24::archiveName()));
    const DeadlineRules::NoticeMonths notice = DeadlineRules::noticeMonths(dir.filePath(u"Affitti.ini"_s));

    QList<Deadline> deadlines;
    ListSearch::forEachRecord(cards, SchedaImmobile::layout(), [&](const Record& card, int position) {
        CardDeadlines of(card, position, notice);
        for (Deadline& d : of.all(from, period.to, receipts, saved)) {
            d.overdue = d.open && d.date < today;
            const bool inPeriod = d.date >= period.from && d.date <= period.to;
            const bool overdueBefore = d.overdue && d.date >= from && d.date < period.from;
            if (d.kind == Kind::DaVerificare || inPeriod || overdueBefore)
                deadlines.append(d);
        }
    });
    std::stable_sort(deadlines.begin(), deadlines.end(), [](const Deadline& a, const Deadline& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if (a.date != b.date)
            return a.date < b.date;
        if (a.position != b.position)
            return a.position < b.position;
        return int(a.kind) < int(b.kind);
    });
    return deadlines;
}

QStringList filterNames()
{
    return {u"Tutte le scadenze"_s, u"Imposta di registro"_s, u"Fine locazione e disdette"_s,
            u"Canoni da incassare"_s};
}

QList<Deadline> filtered(const QList<Deadline>& deadlines, Filter filter)
{
    QList<Deadline> kept;
    for (const Deadline& d : deadlines) {
        const bool keep =
            filter == Filter::All || d.kind == Kind::DaVerificare ||
            (filter == Filter::Registro && (d.kind == Kind::Registro || d.kind == Kind::Promemoria)) ||
            (filter == Filter::FineEDisdette &&
             (d.kind == Kind::FineLocazione || d.kind == Kind::Disdetta)) ||
            (filter == Filter::Canoni && d.kind == Kind::Canone && d.open);
        if (keep)
            kept.append(d);
    }
    return kept;
}

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::Registro:
        return u"Imposta di registro"_s;
    case Kind::FineLocazione:
        return u"Fine locazione"_s;
    case Kind::Disdetta:
        return u"Termine disdetta"_s;
    case Kind::Canone:
        return u"Rata canone"_s;
    case Kind::Promemoria:
        return u"Promemoria imposta"_s;
    case Kind::DaVerificare:
        return u"Scheda da verificare"_s;
    }
    return {};
}

QString line(const Deadline& d)
{
    const QString mark = d.kind == Kind::DaVerificare ? u"?"_s : (d.overdue ? u"!"_s : u" "_s);
    const QString amount = d.amount ? d.amount->toText(2) : QString();
    QString state = d.state;
    if (d.overdue)
        state = u"scaduta, "_s + state;
    return mark + u' ' + ListSearch::fixed(d.date.isValid() ? Formats::date(d.date) : QString(), 10) +
           u"  "_s + ListSearch::fixed(kindText(d.kind), 20) + u"  "_s + ListSearch::fixed(d.property, 30) +
           u"  "_s + ListSearch::fixed(d.tenant, 22) + u"  "_s + amount.rightJustified(10) + u"  "_s + state;
}

QStringList lines(const QList<Deadline>& deadlines)
{
    QStringList all;
    for (const Deadline& d : deadlines)
        all.append(line(d));
    return all;
}

QString title(const Period& period)
{
    return u"Scadenzario dal "_s + Formats::date(period.from) + u" al "_s + Formats::date(period.to);
}

} // namespace Scadenzario
