#pragma once

#include "Scadenzario.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The deadlines as an iCalendar file (RFC 5545) that calendar programs import: one all-day
// event per dated deadline with a reminder a week before. Each event's UID comes from the
// card's position, the kind and the date, so importing a newer file updates the events
// instead of adding them twice.
namespace Calendar {

// The file's bytes: UTF-8, CRLF line ends, lines folded at 75 octets. `stamp` is every
// event's DTSTAMP (the program uses the start of today, so a day's files are identical).
QByteArray ics(const QList<Scadenzario::Deadline>& deadlines, const QDateTime& stamp);

// Writes the file through the safe writer: a failure leaves the previous file intact and
// throws Failure.
void write(const QString& path, const QList<Scadenzario::Deadline>& deadlines, const QDateTime& stamp);

// The parts of the format, for the tests.
QString escaped(const QString& text);      // TEXT value: \ ; , and line breaks escaped
QByteArray folded(const QByteArray& line); // one content line, folded, with its CRLF
QString uid(const Scadenzario::Deadline& deadline);

} // namespace Calendar
