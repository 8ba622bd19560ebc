#include "Formats.h"

#include "Text.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
QLocale programLocale()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}
} // namespace

namespace Formats {

void apply()
{
    QLocale::setDefault(programLocale());
}

QString date(const QDate& date)
{
    return date.toString(u"dd/MM/yyyy"_s);
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, u"dd/MM/yyyy"_s);
}

QDate parseLenientDate(const QString& text, const QDate& today, TwoDigitYears years)
{
    const QStringList parts = Text::trimmed(text).split(u'/');
    if (parts.size() != 3)
        return {};
    auto digits = [](const QString& part, int minimum, int maximum) {
        if (part.size() < minimum || part.size() > maximum)
            return -1;
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return -1;
        }
        return part.toInt();
    };
    const int day = digits(parts[0], 1, 2), month = digits(parts[1], 1, 2);
    int year = parts[2].size() == 2 ? digits(parts[2], 2, 2) : digits(parts[2], 4, 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    if (parts[2].size() == 2) {
        const int first = today.year() - (years == TwoDigitYears::UpToToday ? 99 : 50);
        year += first - first % 100;
        if (year < first)
            year += 100;
    }
    return QDate(year, month, day); // invalid for an impossible day
}

QString year(const QDate& date)
{
    return date.toString(u"yyyy"_s);
}

double parseNumber(const QString& text, bool* ok)
{
    return programLocale().toDouble(text, ok);
}

QString number(double value, int decimals)
{
    return programLocale().toString(value, 'f', decimals);
}

} // namespace Formats
