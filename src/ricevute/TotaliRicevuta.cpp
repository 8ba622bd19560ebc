#include "TotaliRicevuta.h"

#include "ImportoInLettere.h"
#include "SchedaRicevuta.h"
#include "platform/Failure.h"
#include "platform/Money.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace TotaliRicevuta {

QString twoDecimalForm(const QString& text)
{
    QString t = Text::trimmed(text);
    if (!t.contains(u','))
        t += u",00"_s;
    if (t == u","_s)
        t = u"0,00"_s;
    if (t.startsWith(u','))
        t.prepend(u'0');
    if (t.endsWith(u','))
        t += u"00"_s;
    if (t.size() >= 2 && t.at(t.size() - 2) == u',' && t.back().isDigit())
        t += u'0';
    return t;
}

std::optional<QString> tidyAmount(const QString& text)
{
    const QString trimmed = Text::trimmed(text);
    if (trimmed.isEmpty())
        return QString();
    if (trimmed != u","_s && !Money::parse(trimmed))
        return std::nullopt;
    return twoDecimalForm(trimmed);
}

bool amountCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'-';
}

QString istatAmount(const QString& rent, const QString& percentage)
{
    const std::optional<Money> a = Money::parse(rent), p = Money::parse(percentage);
    if (!a || !p)
        return u"0,00"_s;
    try {
        return (*a * *p).shifted(2).toText(2);
    } catch (const Failure&) {
        return u"0,00"_s;
    }
}

const QStringList& amountFields()
{
    static const QStringList fields = {u"Importo01"_s, u"Istat"_s,     u"Importo02"_s,
                                       u"Importo03"_s, u"Importo04"_s, u"Importo05"_s,
                                       u"Importo06"_s, u"Importo07"_s, u"Importo08"_s};
    return fields;
}

std::optional<Totals> compute(const std::function<QString(const QString& field)>& textOf)
{
    try {
        Money sum;
        Money istat;
        for (const QString& field : amountFields()) {
            const QString text = textOf(field);
            if (Text::trimmed(text).isEmpty())
                continue;
            const std::optional<Money> value = Money::parse(text);
            if (!value)
                return std::nullopt;
            sum += *value;
            if (field == u"Istat"_s)
                istat = *value;
        }
        Totals t;
        t.total = sum.toText(2);
        t.withoutIstat = (sum - istat).toText(2);
        t.cents = t.total.right(2);
        t.words = ImportoInLettere(*Money::parse(t.total.left(t.total.size() - 3)));
        return t;
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::optional<QString> outputProblem(const std::optional<Totals>& totals)
{
    if (!totals)
        return notANumberWarning();
    if (totals->total.size() > SchedaRicevuta::field(u"TotRicevuta"_s).capacity)
        return tooLongWarning();
    return std::nullopt;
}

QString notANumberWarning()
{
    return u"Attenzione: il totale della ricevuta non può essere calcolato perché uno degli importi "
           u"indicati non è un numero valido."_s;
}

QString tooLongWarning()
{
    return u"Attenzione: il totale della ricevuta supera le dieci cifre che l'archivio può contenere."_s;
}

} // namespace TotaliRicevuta
