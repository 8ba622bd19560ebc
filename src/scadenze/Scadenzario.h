#pragma once

#include "DeadlineRules.h"
#include "Instalments.h"
#include "platform/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The deadlines of every property card in a period, as the Scadenze screen, its printed list,
// the calendar file and the command line show them: read from the program folder's archives
// (property cards, receipts, F24 forms) without creating or changing any file.
namespace Scadenzario {

enum class Kind { Registro, FineLocazione, Disdetta, Canone, Promemoria, DaVerificare };

struct Deadline {
    Kind kind = Kind::Registro;
    QDate date;           // invalid for a card whose dates cannot be read
    qint64 position = 0;  // the property card's 1-based position in Immobili.pro
    QString property;     // Immobile
    QString tenant;       // the tenant's surname and first name
    QString contractCode; // CodContratto
    std::optional<Money> amount;
    QString state;        // the last column of the line
    // How the date and the amount were found, in words (detail() gives it): written here, or
    // for a rent instalment written from it when asked, since a long list has thousands.
    QString detailText;
    std::optional<Instalments::Instalment> instalment;
    bool open = false;    // still to be done: a tax not yet prepared, an instalment not paid
    bool overdue = false; // open and its date is past
    // A registration tax that is owed: what the F24 ELIDE form needs.
    std::optional<DeadlineRules::TaxYear> tax;
};

} // namespace Scadenzario

// Moved in memory as a block (its parts are Qt's texts and dates, numbers and optionals of
// them): a long list of deadlines grows by reallocation instead of moving each deadline into
// new memory (nearly a third of the page faults of the deadlines of 20 000 cards).
Q_DECLARE_TYPEINFO(Scadenzario::Deadline, Q_RELOCATABLE_TYPE);

namespace Scadenzario {

// How the deadline's date and amount were found, in words.
QString detail(const Deadline& deadline);

struct Period {
    QDate from;
    QDate to;
};
// From today for `days` days: today to today + days.
Period nextDays(const QDate& today, int days);

// The deadlines of the period, and, when the period holds today, the still open ones of the
// 90 days before it (overdue); a card whose dates cannot be read gives one line naming the fields.
// Sorted: cards to check first, then overdue lines, then by date. Throws Failure when an
// archive cannot be read.
QList<Deadline> collect(const QString& folder, const Period& period, const QDate& today);

enum class Filter { All, Registro, FineEDisdette, Canoni };
QStringList filterNames(); // in the order of Filter: what the screen offers
QList<Deadline> filtered(const QList<Deadline>& deadlines, Filter filter);

QString kindText(Kind kind);
// The fixed-width line of the list: mark ("!" overdue, "?" to check), date, kind, property,
// tenant, amount, state.
QString line(const Deadline& deadline);
QStringList lines(const QList<Deadline>& deadlines);
QString title(const Period& period); // "Scadenzario dal 15/03/2024 al 13/06/2024"

} // namespace Scadenzario
