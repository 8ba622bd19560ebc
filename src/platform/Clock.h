#pragma once

#include <QDateTime>

// The current date and time; tests fix it so that nothing depends on the day they run.
namespace Clock {

QDateTime now();
inline QDate today()
{
    return now().date();
}

void setFixedForTests(const QDateTime& moment); // an invalid moment restores the real clock

} // namespace Clock
