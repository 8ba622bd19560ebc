#include "Formats.h"

#include <QLocale>

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
