#include "F24Amounts.h"

#include "platform/Money.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace F24Amounts {

bool acceptsKey(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u',';
}

std::optional<QString> tidy(const QString& text)
{
    const QString trimmed = Text::trimmed(text);
    if (trimmed.isEmpty())
        return QString();
    if (trimmed == u","_s)
        return u"0,00"_s;
    const std::optional<Money> value = Money::parse(trimmed);
    if (!value)
        return std::nullopt;
    return value->toText(2);
}

std::optional<QString> balance(const QString& importo01, const QString& importo02)
{
    Money sum;
    for (const QString& amount : {importo01, importo02}) {
        const QString trimmed = Text::trimmed(amount);
        if (trimmed.isEmpty())
            continue;
        const std::optional<Money> value = Money::parse(trimmed);
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return sum.toText(2);
}

} // namespace F24Amounts
