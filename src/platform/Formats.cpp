#include "Formats.h"

#include "Cp1252.h"
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
    const char16_t text[10] = {
        char16_t(u'0' + day / 10),    char16_t(u'0' + day % 10),        u'/',
        char16_t(u'0' + month / 10),  char16_t(u'0' + month % 10),      u'/',
        char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10),
        char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, u"dd/MM/yyyy"_s);
}

namespace {
char16_t unitAt(QStringView text, qsizetype i)
{
    return text[i].unicode();
}
char16_t unitAt(QByteArrayView bytes, qsizetype i)
{
    return static_cast<unsigned char>(bytes[i]); // only digits and '/' count: all ASCII
}

// The reading of parseLenientDate over text already trimmed, decoded or as stored; in place,
// with no list of parts made: passes read dates by the ten thousand.
template <typename View> QDate lenientDate(View text, const QDate& today, Formats::TwoDigitYears years)
{
    qsizetype slashes[2] = {-1, -1};
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (unitAt(text, i) == u'/' && count++ < 2)
            slashes[count - 1] = i;
    }
    if (count != 2)
        return {};
    // A number of `minimum` to `maximum` digits, or -1.
    auto digits = [&](qsizetype from, qsizetype to, int minimum, int maximum) {
        if (to - from < minimum || to - from > maximum)
            return -1;
        int value = 0;
        for (qsizetype i = from; i < to; ++i) {
            const char16_t c = unitAt(text, i);
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const qsizetype yearSize = text.size() - slashes[1] - 1;
    const int day = digits(0, slashes[0], 1, 2), month = digits(slashes[0] + 1, slashes[1], 1, 2);
    int year =
        yearSize == 2 ? digits(slashes[1] + 1, text.size(), 2, 2) : digits(slashes[1] + 1, text.size(), 4, 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    if (yearSize == 2) {
        const int first = today.year() - (years == Formats::TwoDigitYears::UpToToday ? 99 : 50);
        year += first - first % 100;
        if (year < first)
            year += 100;
    }
    return QDate(year, month, day); // invalid for an impossible day
}
} // namespace

QDate parseLenientDate(const QString& text, const QDate& today, TwoDigitYears years)
{
    return lenientDate(Text::trimmedView(text), today, years);
}

QDate parseLenientDate(QByteArrayView stored, const QDate& today, TwoDigitYears years)
{
    return lenientDate(Cp1252::trimmed(stored), today, years);
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
