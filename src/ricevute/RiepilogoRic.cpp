#include "RiepilogoRic.h"

#include "SchedaRicevuta.h"
#include "platform/Failure.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <algorithm>

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

namespace {
// The trimmed date's parts as views: padding with blanks and trimming the parts again comes
// down to cutting short parts and trimming them.
struct DateViews {
    QStringView day, month, year;
};
DateViews dateViews(QStringView trimmed)
{
    const auto part = [trimmed](qsizetype from, qsizetype length) {
        return from < trimmed.size() ? Text::trimmedView(trimmed.mid(from, std::min(length, trimmed.size() - from)))
                                     : QStringView();
    };
    return {part(0, 2), part(3, 2), part(6, 4)};
}
} // namespace

DateParts dateParts(const QString& data)
{
    const QString trimmed = Text::trimmed(data);
    const DateViews v = dateViews(trimmed);
    return {v.day.toString(), v.month.toString(), v.year.toString(), trimmed.isEmpty()};
}

QString summaryLine(const Record& r)
{
    static const struct {
        int numRic, data, cognome, nome, codFisc, causale, totale;
    } at = [] {
        const RecordLayout& l = SchedaRicevuta::layout();
        return decltype(at){l.indexOf(u"NumRic"_s),       l.indexOf(u"Data"_s),      l.indexOf(u"CognomeCon01"_s),
                            l.indexOf(u"NomeCon01"_s),    l.indexOf(u"CodFiscCon01"_s),
                            l.indexOf(u"Causale01"_s),    l.indexOf(u"TotRicevuta"_s)};
    }();
    // Every list line and summary goes through here once per receipt.
    using ListSearch::appendField;
    using ListSearch::fitFrom;
    static const qsizetype length = 8 + 25 + 2 + 30 + 7 + 16 + 2 + 45 + 9 + SchedaRicevuta::layout().fieldAt(at.totale).capacity;
    QString line;
    line.reserve(length);
    // Each column: its fields appended up to the column's end, then cut or padded to its width.
    qsizetype start = 0, end = ListSearch::kNoLimit;
    const auto column = [&](int width) {
        start = line.size();
        end = start + width;
    };
    const auto append = [&](int index) { appendField(line, r, index, end); };
    const auto fit = [&] {
        fitFrom(line, start, int(end - start));
        end = ListSearch::kNoLimit;
    };
    line += u"Ric. n. "_s;
    column(25);
    append(at.numRic);
    line += u" del "_s;
    append(at.data);
    fit();
    line += u"  "_s;
    column(30);
    append(at.cognome);
    line += u' ';
    append(at.nome);
    fit();
    line += u"  C.F. "_s;
    column(16);
    append(at.codFisc);
    fit();
    line += u"  "_s;
    column(45);
    append(at.causale);
    fit();
    line += u"  Tot. € "_s;
    append(at.totale);
    return line;
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
        const RecordLayout& layout = SchedaRicevuta::layout();
        const int data = layout.indexOf(u"Data"_s);
        const int totale = layout.indexOf(u"TotRicevuta"_s);
        summary.positions.reserve(ListSearch::expectedRecords(archivePath, layout));
        ListSearch::forEachRecord(
            archivePath, layout, [&](const Record& record, int position) {
                const QString trimmed = record.textAt(data);
                if (trimmed.isEmpty())
                    return;
                summary.anyDated = true;
                const DateViews date = dateViews(trimmed);
                if (date.year != wantedYear)
                    return;
                if (period == Period::Quarter && quarterName(date.month.toString()) != wanted)
                    return;
                if (period == Period::Month && monthName(date.month.toString()) != wanted)
                    return;
                const QString total = record.textAt(totale);
                const std::optional<Money> amount = Money::parse(total);
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

QStringList summaryLines(const QString& archivePath, const QList<int>& positions, int first, int count)
{
    return ListSearch::linesAt(archivePath, SchedaRicevuta::layout(), positions, first, count, summaryLine);
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
