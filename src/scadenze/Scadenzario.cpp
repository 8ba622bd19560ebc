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
#include <QHash>
#include <algorithm>
#include <tuple>
#include <vector>

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

// The saved lines by what a tax year looks them up by, each key to the first line in file order:
// with a line of every form for every card, a scan of all of them per card grew with the
// square of the archives.
class SavedPayments {
public:
    void add(const SavedPayment& payment)
    {
        m_all.append(payment);
        for (const Key& key : {Key{payment.code, payment.year, true, payment.tenantCode},
                               Key{payment.code, payment.year, false, payment.contractCode}}) {
            if (!m_first.contains(key))
                m_first.insert(key, m_all.size() - 1);
        }
    }

    // The first line that pays this tax year of the contract.
    const SavedPayment* of(const TaxYear& year, const Instalments::Contract& contract) const
    {
        // A first registration carries no contract code yet: the tenant identifies it.
        const bool byTenant = year.taxCode == u"1500"_s;
        const QString& code = byTenant ? contract.tenantCode : contract.contractCode;
        if (code.isEmpty())
            return nullptr;
        const auto it =
            m_first.constFind(Key{year.taxCode, QString::number(year.referenceYear), byTenant, code});
        return it == m_first.cend() ? nullptr : &m_all[*it];
    }

private:
    struct Key {
        QString code, year;
        bool byTenant;
        QString identifier;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.code, key.year, key.byTenant, key.identifier);
        }
    };
    QList<SavedPayment> m_all;
    QHash<Key, qsizetype> m_first;
};

SavedPayments readSavedPayments(const QString& path)
{
    SavedPayments payments;
    if (!QFile::exists(path))
        return payments;
    const RecordLayout& layout = SchedaF24::layout();
    const int coobligato = layout.indexOf(u"CodFiscCoob"_s), data = layout.indexOf(u"Data"_s);
    struct Line {
        int codice, elementi, annoRif;
    };
    QList<Line> lines;
    for (const QString& n : {u"01"_s, u"02"_s})
        lines.append({layout.indexOf(u"Codice"_s + n), layout.indexOf(u"Elementi"_s + n),
                      layout.indexOf(u"AnnoRif"_s + n)});
    ListSearch::forEachRecord(path, layout, [&](const Record& form, int) {
        auto field = [&](int index) { return Text::capitals(Text::trimmed(form.textAt(index))); };
        for (const Line& line : lines) {
            // A line without a tax code pays no tax: most forms fill one line of two.
            QString code = field(line.codice);
            if (!code.isEmpty())
                payments.add({std::move(code), field(line.elementi), field(coobligato), field(line.annoRif),
                              Text::trimmed(form.textAt(data))});
        }
    });
    return payments;
}

// The receipts of each contract, so a card's instalments look only at its own.
using ReceiptsByContract = QHash<std::pair<QString, QString>, QList<Instalments::Receipt>>;

ReceiptsByContract byContract(const QList<Instalments::Receipt>& receipts)
{
    ReceiptsByContract grouped;
    for (const Instalments::Receipt& receipt : receipts)
        grouped[{receipt.contract.tenantCode, receipt.contract.contractCode}].append(receipt);
    return grouped;
}

// What every card's deadlines are read against, read once for the whole pass.
struct Sources {
    QDate today;
    DeadlineRules::NoticeMonths notice;
    ReceiptsByContract receipts;
    SavedPayments saved;
    // The instalments of a year for each frequency and due day: most cards share them.
    QHash<std::pair<int, int>, QList<Instalments::Instalment>> instalmentsOfYear[3];

    // Each Periodicita text read once: cards repeat the same few.
    QHash<QString, std::optional<Instalments::Frequency>> frequencies;

    std::optional<Instalments::Frequency> frequency(const QString& periodicita)
    {
        auto it = frequencies.constFind(periodicita);
        if (it == frequencies.cend())
            it = frequencies.insert(periodicita, Instalments::frequency(periodicita));
        return *it;
    }

    const QList<Instalments::Instalment>& instalments(Instalments::Frequency frequency, int day, int year)
    {
        auto& ofYear = instalmentsOfYear[int(frequency)];
        auto it = ofYear.find({day, year});
        if (it == ofYear.end())
            it = ofYear.insert({day, year}, Instalments::ofYear(frequency, day, year));
        return *it;
    }
};

QString money(const Money& amount)
{
    return amount.toText(2);
}

// Everything one card gives, before the period is applied.
class CardDeadlines {
public:
    CardDeadlines(const Record& card, qint64 position, Sources& sources) : m_card(card), m_sources(sources)
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

    QList<Deadline> all(const QDate& from, const QDate& to)
    {
        QList<Deadline> found;
        found.reserve(8);
        m_from = from;
        m_to = to;
        registration(found);
        leaseEnd(found);
        reminder(found);
        instalments(found, from, to);
        if (!m_unreadable.isEmpty() || !m_problems.isEmpty()) {
            Deadline check = m_base;
            check.kind = Kind::DaVerificare;
            QStringList parts;
            if (!m_unreadable.isEmpty())
                parts.append(u"date non leggibili: "_s + m_unreadable.join(u", "_s));
            parts.append(m_problems);
            check.state = parts.join(u"; "_s);
            check.detailText = u"Correggere la scheda: "_s + check.state + u'.';
            found.append(std::move(check));
        }
        return found;
    }

private:
    std::optional<QDate> readDate(const QString& field)
    {
        const std::optional<QDate> date = DeadlineRules::cardDate(m_card, field, m_sources.today);
        if (date && !date->isValid())
            m_unreadable.append(DeadlineRules::fieldCaption(field));
        return date;
    }
    bool readable(const std::optional<QDate>& date) const { return date && date->isValid(); }
    // Only dates of the period asked for (overdue days before it included) reach the list: what
    // falls outside is not even written out.
    bool inWindow(const QDate& date) const { return date >= m_from && date <= m_to; }
    QDate effectiveEnd() const
    {
        return m_extensionEnd && m_extensionEnd->isValid() && *m_extensionEnd > *m_end ? *m_extensionEnd
                                                                                       : *m_end;
    }

    void registration(QList<Deadline>& found)
    {
        if (!readable(m_start) || !readable(m_end) || (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const std::optional<Money> rent = DeadlineRules::cardAmount(m_card, u"ImpCanone"_s, u"CentCanone"_s);
        const std::optional<Money> onCard =
            DeadlineRules::cardAmount(m_card, u"ImpRegistro"_s, u"CentRegistro"_s);
        const bool cedolare = DeadlineRules::cedolareSecca(m_card);
        for (const TaxYear& year :
             DeadlineRules::taxYears(*m_start, *m_end, m_signing, m_extensionEnd, rent)) {
            if (!inWindow(year.due))
                continue;
            Deadline d = m_base;
            d.kind = Kind::Registro;
            d.date = year.due;
            const QString which = QString::number(year.number) +
                                  (year.extension ? u"° anno della proroga"_s : u"° anno del contratto"_s);
            if (cedolare) {
                d.state = u"cedolare secca: imposta non dovuta"_s;
                d.detailText =
                    u"Contratto in cedolare secca: l'imposta di registro non è dovuta ("_s + which + u")."_s;
                found.append(std::move(d));
                continue;
            }
            d.detailText = which + u" dal "_s + Formats::date(year.start) + u", da versare entro il "_s +
                           Formats::date(year.due) + u". "_s;
            QStringList state;
            if (!year.tax) {
                state.append(u"canone annuo non indicato"_s);
                d.detailText += u"Il canone annuo non è indicato nella scheda: importo non calcolabile."_s;
            } else {
                d.amount = year.tax;
                d.tax = year;
                const Money twoPercent = DeadlineRules::yearlyTax(*rent);
                const auto [landlord, tenant] = DeadlineRules::halves(*year.tax);
                d.detailText += u"2% del canone annuo "_s + money(*rent) + u" = "_s + money(twoPercent);
                if (*year.tax != twoPercent)
                    d.detailText += u", portato al minimo di 67,00"_s;
                d.detailText += u"; metà a carico del locatore "_s + money(landlord) +
                                u", metà a carico del conduttore "_s + money(tenant) +
                                u"; codice tributo "_s + year.taxCode + u", anno di riferimento "_s +
                                QString::number(year.referenceYear) + u'.';
                state.append(u"cod. "_s + year.taxCode + u", metà "_s + money(landlord) + u" + "_s +
                             money(tenant));
                if (onCard && *onCard != *year.tax) {
                    state.append(u"scheda "_s + money(*onCard) + u": diverso"_s);
                    d.detailText +=
                        u" Nella scheda: "_s + money(*onCard) + u", diverso dall'importo calcolato."_s;
                }
            }
            const SavedPayment* payment = m_sources.saved.of(year, m_contract);
            d.open = payment == nullptr;
            state.prepend(payment ? u"F24 compilato"_s +
                                        (payment->date.isEmpty() ? QString() : u" il "_s + payment->date)
                                  : u"da versare"_s);
            d.state = state.join(u", "_s);
            found.append(std::move(d));
        }
    }

    void leaseEnd(QList<Deadline>& found)
    {
        if (!readable(m_end) || (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const QDate end = effectiveEnd();
        const bool extended = end != *m_end;
        if (inWindow(end)) {
            Deadline last = m_base;
            last.kind = Kind::FineLocazione;
            last.date = end;
            last.state = extended ? u"fine della proroga"_s : u"fine del contratto"_s;
            last.detailText =
                u"Fine locazione: "_s + Formats::date(end) + (extended ? u" (proroga)."_s : u"."_s);
            found.append(std::move(last));
        }

        const QString use = Text::trimmed(m_card.text(u"Utilizzo"_s));
        const bool home = DeadlineRules::residential(use);
        const int months = home ? m_sources.notice.residential : m_sources.notice.other;
        const QDate noticeDate = DeadlineRules::noticeDeadline(end, months);
        if (!inWindow(noticeDate))
            return;
        Deadline notice = m_base;
        notice.kind = Kind::Disdetta;
        notice.date = noticeDate;
        notice.state =
            u"preavviso di "_s + QString::number(months) + u" mesi ("_s +
            (home ? u"uso abitativo"_s : (use.isEmpty() ? u"utilizzo non indicato"_s : u"altri usi"_s)) +
            u')';
        notice.detailText = u"La disdetta va comunicata almeno "_s + QString::number(months) +
                            u" mesi prima della fine della locazione ("_s + Formats::date(end) + u")."_s;
        found.append(std::move(notice));
    }

    void reminder(QList<Deadline>& found)
    {
        if (!readable(m_reminder) || !inWindow(*m_reminder))
            return;
        Deadline d = m_base;
        d.kind = Kind::Promemoria;
        d.date = *m_reminder;
        d.amount = DeadlineRules::cardAmount(m_card, u"ImpRegistro"_s, u"CentRegistro"_s);
        d.state = u"promemoria della scheda"_s;
        d.detailText = u"Scadenza dell'imposta di registro annotata nella scheda."_s;
        found.append(std::move(d));
    }

    void instalments(QList<Deadline>& found, const QDate& from, const QDate& to)
    {
        const QString periodicita = Text::trimmed(m_card.text(u"Periodicita"_s));
        if (periodicita.isEmpty())
            return;
        const auto frequency = m_sources.frequency(periodicita);
        const auto day = Instalments::dueDay(m_card.text(u"ScadeRata"_s));
        if (!frequency)
            m_problems.append(u"periodicità non riconosciuta"_s);
        if (!day)
            m_unreadable.append(DeadlineRules::fieldCaption(u"ScadeRata"_s));
        if (!frequency || !day || (m_start && !m_start->isValid()) || (m_end && !m_end->isValid()) ||
            (m_extensionEnd && !m_extensionEnd->isValid()))
            return;
        const std::optional<Money> amount = DeadlineRules::cardAmount(m_card, u"ImpRata"_s, u"CentRata"_s);
        static const QList<Instalments::Receipt> none;
        const auto own = m_sources.receipts.constFind({m_contract.tenantCode, m_contract.contractCode});
        const QList<Instalments::Receipt>& contractReceipts = own == m_sources.receipts.cend() ? none : *own;
        for (int year = from.year(); year <= to.year(); ++year) {
            for (const Instalments::Instalment& instalment : m_sources.instalments(*frequency, *day, year)) {
                if (instalment.due < from || instalment.due > to || (m_start && instalment.due < *m_start) ||
                    (m_end && instalment.due > effectiveEnd()))
                    continue;
                Deadline d = m_base;
                d.kind = Kind::Canone;
                d.date = instalment.due;
                d.amount = amount;
                const Instalments::State state =
                    Instalments::stateOf(instalment, m_contract, contractReceipts);
                d.open = state != Instalments::State::Paid;
                d.state = state == Instalments::State::Paid     ? u"pagata"_s
                          : state == Instalments::State::Unpaid ? u"emessa, non saldata"_s
                                                                : u"non emessa"_s;
                d.instalment = instalment;
                found.append(std::move(d));
            }
        }
    }

    const Record& m_card;
    Sources& m_sources;
    Deadline m_base;
    Instalments::Contract m_contract;
    std::optional<QDate> m_start, m_end, m_signing, m_reminder, m_extensionEnd;
    QDate m_from, m_to;
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
    Sources sources{today,
                    DeadlineRules::noticeMonths(dir.filePath(u"Affitti.ini"_s)),
                    byContract(receipts),
                    readSavedPayments(dir.filePath(SchedaF24::archiveName())),
                    {}};

    QList<Deadline> deadlines;
    ListSearch::forEachRecord(cards, SchedaImmobile::layout(), [&](const Record& card, int position) {
        CardDeadlines of(card, position, sources);
        for (Deadline& d : of.all(from, period.to)) {
            d.overdue = d.open && d.date < today;
            const bool inPeriod = d.date >= period.from && d.date <= period.to;
            const bool overdueBefore = d.overdue && d.date >= from && d.date < period.from;
            if (d.kind == Kind::DaVerificare || inPeriod || overdueBefore)
                deadlines.append(std::move(d));
        }
    });
    // Sorted by small keys, then each deadline moved to its place: moving the deadlines
    // themselves through a sort of a large archive's list was a third of the work.
    struct Key {
        quint64 rankAndDay; // the rank above the day, so one comparison orders both
        quint64 positionAndKind;
        qsizetype index; // equal deadlines keep their order
        bool operator<(const Key& other) const
        {
            return std::tie(rankAndDay, positionAndKind, index) <
                   std::tie(other.rankAndDay, other.positionAndKind, other.index);
        }
    };
    std::vector<Key> keys;
    keys.reserve(size_t(deadlines.size()));
    for (qsizetype i = 0; i < deadlines.size(); ++i) {
        const Deadline& d = deadlines[i];
        // Dates of years 1 to 9999 have Julian days far inside 55 bits; an invalid date (the
        // lowest day) comes first, as QDate orders it.
        const quint64 day =
            d.date.isValid() ? quint64(std::clamp<qint64>(d.date.toJulianDay(), 0, qint64(1) << 54)) + 1 : 0;
        keys.push_back({quint64(rank(d)) << 56 | day, quint64(d.position) << 8 | quint64(d.kind), i});
    }
    std::sort(keys.begin(), keys.end());
    // Each deadline moved once to its place, along the cycles of the order: no second list of a
    // large archive's deadlines made in new memory.
    std::vector<bool> placed(keys.size(), false);
    for (size_t start = 0; start < keys.size(); ++start) {
        if (placed[start] || size_t(keys[start].index) == start)
            continue;
        Deadline held = std::move(deadlines[qsizetype(start)]);
        for (size_t at = start;;) {
            placed[at] = true;
            const size_t from = size_t(keys[at].index);
            if (from == start) {
                deadlines[qsizetype(at)] = std::move(held);
                break;
            }
            deadlines[qsizetype(at)] = std::move(deadlines[qsizetype(from)]);
            at = from;
        }
    }
    return deadlines;
}

QString detail(const Deadline& d)
{
    if (!d.instalment)
        return d.detailText;
    const Instalments::Instalment& instalment = *d.instalment;
    return u"Rata "_s + QString::number(instalment.number) + u" del "_s +
           QString::number(instalment.due.year()) + u" (dal "_s + Formats::date(instalment.periodStart) +
           u" al "_s + Formats::date(instalment.periodEnd) + u"): "_s + d.state +
           u"; ricevute cercate per codice fiscale del conduttore e codice del contratto."_s;
}

QStringList filterNames()
{
    return {u"Tutte le scadenze"_s, u"Imposta di registro"_s, u"Fine locazione e disdette"_s,
            u"Canoni da incassare"_s};
}

QList<Deadline> filtered(const QList<Deadline>& deadlines, Filter filter)
{
    if (filter == Filter::All)
        return deadlines; // shared, not copied
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
