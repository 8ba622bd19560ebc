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
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1000 || year > 9999)
        return date.toString(u"dd/MM/yyyy"_s);
    // Written by hand: the locale's formatter was most of the time of a long list of dates.
    const char16_t text[10] = {char16_t(u'0' + day / 10),   char16_t(u'0' + day % 10),    u'/',
                               char16_t(u'0' + month / 10), char16_t(u'0' + month % 10),  u'/',
                               char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10),
                               char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, u"dd/MM/yyyy"_s);
}

QDate parseLenientDate(const QString& text, const QDate& today, TwoDigitYears years)
{
    // Read in place, with no list of parts made: passes read dates by the ten thousand.
    const QStringView trimmed = Text::trimmedView(text);
    const qsizetype first = trimmed.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : trimmed.indexOf(u'/', first + 1);
    if (second < 0 || trimmed.indexOf(u'/', second + 1) >= 0)
        return {};
    const QStringView dayPart = trimmed.first(first), monthPart = trimmed.sliced(first + 1, second - first - 1),
                      yearPart = trimmed.sliced(second + 1);
    auto digits = [](QStringView part, int minimum, int maximum) {
        if (part.size() < minimum || part.size() > maximum)
            return -1;
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return -1;
        }
        return part.toInt();
    };
    const int day = digits(dayPart, 1, 2), month = digits(monthPart, 1, 2);
    int year = yearPart.size() == 2 ? digits(yearPart, 2, 2) : digits(yearPart, 4, 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    if (yearPart.size() == 2) {
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
