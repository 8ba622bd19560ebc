#include "RiepilogoRic.h"

#include "SchedaRicevuta.h"
#include "platform/Failure.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

using namespace Qt::StringLiterals;

namespace RiepilogoRic {

namespace {
const QStringList& monthNames()
{
    static const QStringList names = {u"gennaio"_s,   u"febbraio"_s, u"marzo"_s,    u"aprile"_s,
                                      u"maggio"_s,    u"giugno"_s,   u"luglio"_s,   u"agosto"_s,
                                      u"settembre"_s, u"ottobre"_s,  u"novembre"_s, u"dicembre"_s};
    return names;
}

// 1 to 12 for "01" to "12"; 0 for any other text.
int monthNumber(const QString& month)
{
    const int index = QStringList{u"01"_s, u"02"_s, u"03"_s, u"04"_s, u"05"_s, u"06"_s,
                                  u"07"_s, u"08"_s, u"09"_s, u"10"_s, u"11"_s, u"12"_s}
                          .indexOf(month);
    return index + 1;
}

// Lower case for A to Z only, as the program's searches fold.
QString lowered(const QString& text)
{
    return ListSearch::folded(Text::trimmed(text));
}
} // namespace

DateParts dateParts(const QString& data)
{
    const QString trimmed = Text::trimmed(data);
    const QString padded = trimmed + QString(10, u' ');
    return {Text::trimmed(padded.mid(0, 2)), Text::trimmed(padded.mid(3, 2)), Text::trimmed(padded.mid(6, 4)),
            trimmed.isEmpty()};
}

QString summaryLine(const Record& r)
{
    const auto v = [&r](const char* name) { return Text::trimmed(r.text(QString::fromLatin1(name))); };
    return u"Ric. n. "_s + ListSearch::fixed(v("NumRic") + u" del "_s + v("Data"), 25) + u"  "_s +
           ListSearch::fixed(v("CognomeCon01") + u" "_s + v("NomeCon01"), 30) + u"  C.F. "_s +
           ListSearch::fixed(v("CodFiscCon01"), 16) + u"  "_s + ListSearch::fixed(v("Causale01"), 45) +
           u"  Tot. € "_s + v("TotRicevuta");
}

QString monthName(const QString& month)
{
    const int m = monthNumber(month);
    return m == 0 ? QString() : monthNames().at(m - 1);
}

QString quarterName(const QString& month)
{
    const int m = monthNumber(month);
    if (m == 0)
        return {};
    const int first = (m - 1) / 3 * 3;
    return monthNames().mid(first, 3).join(u", "_s);
}

QStringList monthChoices()
{
    QStringList choices;
    for (const QString& name : monthNames())
        choices.append(Text::capitals(name));
    return choices;
}

QStringList quarterChoices()
{
    QStringList choices;
    for (int q = 0; q < 4; ++q)
        choices.append(Text::capitals(monthNames().mid(q * 3, 3).join(u", "_s)));
    return choices;
}

Summary build(const QString& archivePath, const QString& year, Period period, const QString& chosen)
{
    Summary summary;
    const QString wantedYear = Text::trimmed(year);
    const QString wanted = lowered(chosen);
    try {
        ListSearch::forEachRecord(
            archivePath, SchedaRicevuta::layout(), [&](const Record& record, int position) {
                const DateParts date = dateParts(record.text(u"Data"_s));
                if (date.empty)
                    return;
                summary.anyDated = true;
                if (period == Period::Quarter && quarterName(date.month) != wanted)
                    return;
                if (period == Period::Month && monthName(date.month) != wanted)
                    return;
                if (date.year != wantedYear)
                    return;
                const QString total = record.text(u"TotRicevuta"_s);
                const std::optional<Money> amount = Money::parse(total);
                summary.lines.append(summaryLine(record));
                summary.positions.append(position);
                if (!amount)
                    throw Failure(u"il totale \""_s + total + u"\" della ricevuta in posizione "_s +
                                  QString::number(position) + u" non è un numero"_s);
                summary.total += *amount;
            });
    } catch (const Failure& failure) {
        // The receipt whose total is not a number is listed (as the original adds the line
        // before it converts the total) but not summed: the list says it is incomplete.
        summary.complete = false;
        summary.failure = failure.message();
    }
    return summary;
}

QString totalText(const Money& total)
{
    QString text = total.rounded(4).toText();
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        text += u",00"_s;
    else if (text.size() - comma - 1 == 1)
        text += u'0';
    return u"€ "_s + text;
}

QStringList printedLines(const QStringList& lines, const QString& totalText)
{
    return lines + QStringList{QString(26, u'-'), u"TOTALE:       "_s + Text::trimmed(totalText)};
}

} // namespace RiepilogoRic
