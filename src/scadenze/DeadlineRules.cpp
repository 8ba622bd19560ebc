#include "DeadlineRules.h"

#include "immobili/SchedaImmobile.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Formats.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace DeadlineRules {

std::optional<QDate> cardDate(const Record& card, const QString& field, const QDate& today)
{
    // Read from the stored bytes, as the decoded text would be read.
    const QByteArrayView stored = Cp1252::trimmed(card.rawAt(card.layout().indexOf(field)));
    if (stored.isEmpty())
        return std::nullopt;
    return Formats::parseLenientDate(stored, today);
}

QString fieldCaption(const QString& field)
{
    QString caption = SchedaImmobile::field(field).caption;
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

std::optional<Money> cardAmount(const Record& card, const QString& euros, const QString& cents)
{
    const QString whole = Text::trimmed(card.text(euros));
    const QString fraction = Text::trimmed(card.text(cents));
    if (whole.isEmpty())
        return std::nullopt;
    return Money::parse(fraction.isEmpty() ? whole : whole + u',' + fraction);
}

bool cedolareSecca(const Record& card)
{
    return card.flag(u"CedSi01"_s).value_or(false);
}

std::optional<QDate> extensionEnd(const QString& durataPro, const QDate& leaseEnd)
{
    const QString text = Text::trimmed(durataPro);
    if (text.isEmpty())
        return std::nullopt;
    static const QRegularExpression date(u"\\d{1,2}/\\d{1,2}/\\d{2,4}"_s);
    QString lastDate;
    for (const QRegularExpressionMatch& match : date.globalMatch(text))
        lastDate = match.captured();
    if (!lastDate.isEmpty())
        return Formats::parseLenientDate(lastDate, Clock::today());
    static const QRegularExpression term(u"^(\\d{1,2})\\s*(anni|anno|mesi|mese)?$"_s);
    const QRegularExpressionMatch match = term.match(ListSearch::folded(text));
    if (!match.hasMatch() || !leaseEnd.isValid())
        return QDate();
    const int count = match.captured(1).toInt();
    const QDate from = leaseEnd.addDays(1);
    const bool months = match.captured(2).startsWith(u"mes"_s);
    return (months ? from.addMonths(count) : from.addYears(count)).addDays(-1);
}

QDate anniversary(const QDate& start, int years)
{
    return start.addYears(years); // Qt also puts 29 February on the 28th of a common year
}

QDate laterYearDue(const QDate& yearStart)
{
    return yearStart.addDays(30);
}

QDate extensionDue(const QDate& termEnd)
{
    return termEnd.addDays(30);
}

QDate firstYearDue(const QDate& leaseStart, const std::optional<QDate>& signing)
{
    const bool signedEarlier = signing && signing->isValid() && *signing < leaseStart;
    return (signedEarlier ? *signing : leaseStart).addDays(30);
}

Money yearlyTax(const Money& yearlyRent)
{
    return (yearlyRent * Money::fromUnits(2)).shifted(2).rounded(2);
}

Money withMinimum(const Money& tax)
{
    return std::max(tax, Money::fromUnits(67));
}

std::pair<Money, Money> halves(const Money& tax)
{
    const Money landlord = (tax * Money::fromUnits(5, 1)).rounded(2);
    return {landlord, tax - landlord};
}

QString taxCode(int number, bool extension)
{
    if (number == 1)
        return extension ? u"1504"_s : u"1500"_s;
    return u"1501"_s;
}

int referenceYear(const QString& taxCode, const QDate& leaseStart, const QDate& due)
{
    return taxCode == u"1500"_s ? leaseStart.year() : due.year();
}

QList<TaxYear> taxYears(const QDate& leaseStart, const QDate& leaseEnd, const std::optional<QDate>& signing,
                        const std::optional<QDate>& extensionEnd, const std::optional<Money>& yearlyRent)
{
    QList<TaxYear> years;
    auto addTerm = [&](const QDate& from, const QDate& to, bool extension) {
        for (int k = 0;; ++k) {
            const QDate start = anniversary(from, k);
            if (start > to)
                break;
            TaxYear year;
            year.number = k + 1;
            year.extension = extension;
            year.start = start;
            if (k > 0)
                year.due = laterYearDue(start);
            else
                year.due = extension ? extensionDue(leaseEnd) : firstYearDue(from, signing);
            year.taxCode = taxCode(year.number, extension);
            year.referenceYear = referenceYear(year.taxCode, leaseStart, year.due);
            if (yearlyRent) {
                const Money tax = yearlyTax(*yearlyRent);
                year.tax = k == 0 ? withMinimum(tax) : tax;
            }
            years.append(year);
        }
    };
    addTerm(leaseStart, leaseEnd, false);
    if (extensionEnd && extensionEnd->isValid() && *extensionEnd > leaseEnd)
        addTerm(leaseEnd.addDays(1), *extensionEnd, true);
    return years;
}

bool residential(const QString& utilizzo)
{
    const QString use = ListSearch::folded(Text::trimmed(utilizzo));
    return use == u"abitativo"_s || use == u"posto letto"_s || use == u"turistico"_s;
}

NoticeMonths noticeMonths(const QString& iniPath)
{
    auto months = [&](const QString& key, int fallback) {
        bool number = false;
        const int value = Text::trimmed(ProfileFile::read(iniPath, u"Scadenze"_s, key)).toInt(&number);
        return number && value >= 1 && value <= 60 ? value : fallback;
    };
    NoticeMonths notice;
    notice.residential = months(u"MesiDisdettaAbitativo"_s, notice.residential);
    notice.other = months(u"MesiDisdettaAltriUsi"_s, notice.other);
    return notice;
}

QDate noticeDeadline(const QDate& leaseEnd, int months)
{
    return leaseEnd.addMonths(-months); // Qt puts a missing day on the month's last
}

} // namespace DeadlineRules
