#include "ScadenzeCommand.h"

#include "Calendar.h"
#include "Scadenzario.h"
#include "app/CommandLine.h"
#include "platform/Clock.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"

#include <QDir>

using namespace Qt::StringLiterals;
using CommandLine::UsageError;

namespace ScadenzeCommand {

namespace {

constexpr int kDefaultDays = 90; // as the screen opens

QString valueAfter(const QStringList& arguments, qsizetype& i)
{
    if (i + 1 >= arguments.size())
        throw UsageError(u"Manca il valore dopo "_s + arguments[i] + u'.');
    return arguments[++i];
}

QDate date(const QString& text)
{
    const QDate date = Formats::parseLenientDate(text, Clock::today());
    if (!date.isValid())
        throw UsageError(u"Data non valida: "_s + text + u" (usare gg/mm/aaaa)."_s);
    return date;
}

} // namespace

int run(const QStringList& arguments)
{
    std::optional<int> days;
    std::optional<QDate> from, to;
    QString icsPath;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == u"--giorni"_s) {
            const QString value = valueAfter(arguments, i);
            bool number = false;
            days = value.toInt(&number);
            if (!number || *days < 0 || *days > 3660)
                throw UsageError(u"Numero di giorni non valido: "_s + value + u" (da 0 a 3660)."_s);
        } else if (word == u"--dal"_s) {
            from = date(valueAfter(arguments, i));
        } else if (word == u"--al"_s) {
            to = date(valueAfter(arguments, i));
        } else if (word == u"--ics"_s) {
            icsPath = valueAfter(arguments, i);
        } else {
            throw UsageError(u"Argomento sconosciuto per --scadenze: "_s + word);
        }
    }
    if (from.has_value() != to.has_value())
        throw UsageError(u"Indicare sia --dal sia --al."_s);
    if (from && days)
        throw UsageError(u"Indicare --giorni oppure --dal e --al, non entrambi."_s);
    if (from && *from > *to)
        throw UsageError(u"La data di --dal viene dopo quella di --al."_s);

    const QDate today = Clock::today();
    const Scadenzario::Period period =
        from ? Scadenzario::Period{*from, *to} : Scadenzario::nextDays(today, days.value_or(kDefaultDays));
    const QList<Scadenzario::Deadline> deadlines = Scadenzario::collect(ExeFolder::path(), period, today);
    CommandLine::printLine(Scadenzario::title(period));
    if (deadlines.isEmpty())
        CommandLine::printLine(u"Nessuna scadenza nel periodo."_s);
    for (const QString& line : Scadenzario::lines(deadlines))
        CommandLine::printLine(line);
    if (!icsPath.isEmpty())
        Calendar::write(QDir::current().absoluteFilePath(icsPath), deadlines,
                        QDateTime(today, QTime(0, 0), Qt::UTC));
    return CommandLine::Done;
}

} // namespace ScadenzeCommand
