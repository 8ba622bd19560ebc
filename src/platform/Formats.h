#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

// Process-wide formats, whatever the user's regional settings: dates dd/mm/yyyy and the
// comma as decimal separator, with no thousands separator.
namespace Formats {

void apply(); // sets the default locale; called once at start-up

QString date(const QDate& date);      // "15/03/2024"
QDate parseDate(const QString& text); // invalid unless exactly dd/mm/yyyy and a real day
// Where a two-digit year falls: in the hundred years from 50 years before today (a payment,
// a receipt), or in the hundred years up to this year (a birth, never in the future).
enum class TwoDigitYears { AroundToday, UpToToday };

// A date as a person types it: day/month/year with "/", one or two digits for the day and
// the month, two or four for the year (a two-digit year placed as `years` says), blanks around
// ignored. Invalid for an impossible day (31/02/2021) or text that is no date. Callers store it
// back as date(): dd/mm/yyyy.
QDate parseLenientDate(const QString& text, const QDate& today,
                       TwoDigitYears years = TwoDigitYears::AroundToday);
// The same for a date as a record stores it (Windows-1252 bytes), read as its decoded text.
QDate parseLenientDate(QByteArrayView stored, const QDate& today,
                       TwoDigitYears years = TwoDigitYears::AroundToday);
QString year(const QDate& date); // "2024"

// Amount text with "," as decimal separator; ok is false for anything that is not a number.
double parseNumber(const QString& text, bool* ok);
QString number(double value, int decimals);

} // namespace Formats
