#include "Clock.h"

namespace {
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

namespace Clock {

QDateTime now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

void setFixedForTests(const QDateTime& moment)
{
    fixedMoment() = moment;
}

} // namespace Clock
