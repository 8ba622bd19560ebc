#include "StatisticheRic.h"

#include "SchedaRicevuta.h"
#include "platform/Failure.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace StatisticheRic {

MonthTotals monthTotals(const QString& archivePath, const QString& year)
{
    MonthTotals sums{};
    const QString wanted = Text::trimmed(year);
    const RecordLayout& layout = SchedaRicevuta::layout();
    const int data = layout.indexOf(u"Data"_s);
    const int totale = layout.indexOf(u"TotRicevuta"_s);
    ListSearch::forEachRecord(archivePath, layout, [&](const Record& record, int position) {
        // The date trimmed and padded with blanks: month 4-5, year 7-10, each trimmed.
        const QString date = record.textAt(data) + QString(10, u' ');
        const QStringView month = Text::trimmedView(QStringView(date).mid(3, 2));
        if (Text::trimmedView(QStringView(date).mid(6, 4)) != wanted)
            return;
        bool ok = false;
        const int m = month.size() == 2 ? month.toInt(&ok) : 0;
        if (!ok || m < 1 || m > 12 || !month.front().isDigit())
            return;
        const QString total = record.textAt(totale);
        const std::optional<Money> amount = Money::parse(total);
        if (!amount)
            throw Failure(u"\""_s + total + u"\" non è un importo valido (ricevuta in posizione "_s +
                          QString::number(position) + u")."_s);
        sums[m - 1] += *amount;
    });
    return sums;
}

Money toWholeEuros(const Money& total)
{
    const Money shifted = total + Money::fromUnits(5, 1);
    const Money whole = shifted.truncated();
    // truncated() goes toward zero; below zero a fraction must go one further down.
    return (shifted.sign() < 0 && whole != shifted) ? whole - Money::fromUnits(1) : whole;
}

std::optional<int> copiesToPrint(const QString& answer)
{
    const QString digits = Text::trimmed(answer);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 1;
    QStringView significant(digits);
    while (significant.size() > 1 && significant.front() == u'0')
        significant = significant.mid(1);
    if (significant.size() > 2)
        return std::nullopt;
    const int count = significant.toInt();
    return count == 0 ? 1 : count;
}

const QStringList& monthNames()
{
    static const QStringList names = {u"Gennaio"_s,   u"Febbraio"_s, u"Marzo"_s,    u"Aprile"_s,
                                      u"Maggio"_s,    u"Giugno"_s,   u"Luglio"_s,   u"Agosto"_s,
                                      u"Settembre"_s, u"Ottobre"_s,  u"Novembre"_s, u"Dicembre"_s};
    return names;
}

const QList<QRgb>& monthColours()
{
    static const QList<QRgb> colours = {0xFF0000, 0x0000FF, 0xFFE4C4, 0xFF00FF, 0xC0DCC0, 0xFFFF00,
                                        0x00FF00, 0xC0C0C0, 0xF0FBFF, 0x87CEEB, 0x800000, 0x008000};
    return colours;
}

} // namespace StatisticheRic
