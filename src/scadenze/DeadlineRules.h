#pragma once

#include "platform/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class Record;

// The rules behind the deadlines of a lease, each a small function with the law or the
// official instruction it follows. Amounts are Money; dates are the card's free texts read as
// the screens read dates.
namespace DeadlineRules {

// --- Reading the card ---

// A date field of the card: nothing when empty, an invalid date when it cannot be read (a
// two-digit year falls around `today`).
std::optional<QDate> cardDate(const Record& card, const QString& field, const QDate& today);
// The card's caption of a field ("Fine locazione"), for the line that names unreadable fields.
QString fieldCaption(const QString& field);
// The yearly rent ImpCanone,CentCanone (or the amount of any euros/cents pair): nothing when
// the euros are empty or the pair is not a number.
std::optional<Money> cardAmount(const Record& card, const QString& euros, const QString& cents);
// CedSi01 holds "Sì".
bool cedolareSecca(const Record& card);

// The end of an extension from DurataPro and the lease end: a date in the text ("fino al
// 28/02/2028"; the last one when several), or a number of years ("4 anni", "4") or months
// ("6 mesi") counted from the day after the lease end. Nothing when the text is empty, an
// invalid date when it cannot be read.
std::optional<QDate> extensionEnd(const QString& durataPro, const QDate& leaseEnd);

// --- Registration tax, yearly payment ---

// One year of the lease for the registration tax.
struct TaxYear {
    int number = 0;           // 1 = the first year of the lease
    bool extension = false;   // a year of the extension
    QDate start;              // its first day (the lease start or an anniversary)
    QDate due;                // the last day for the payment
    QString taxCode;          // "1500", "1501" or "1504"
    int referenceYear = 0;    // "Anno di riferimento" of the F24 ELIDE form
    std::optional<Money> tax; // the whole tax of the year; nothing without the yearly rent
};

// Anniversary: the same day `years` later; 29 February falls on 28 February in a common year
// (art. 2963 c.c.: a missing day is the month's last).
QDate anniversary(const QDate& start, int years);
// Yearly payment: within 30 days from the start of each later year (art. 17 c. 3 DPR 131/1986).
QDate laterYearDue(const QDate& yearStart);
// Extension: within 30 days from the end of the term it extends (art. 17 c. 1 DPR 131/1986).
QDate extensionDue(const QDate& termEnd);
// First year: within 30 days from the signing or, if earlier, the start of the lease (art. 13 and
// 17 DPR 131/1986, as the Agenzia delle Entrate's registration instructions say).
QDate firstYearDue(const QDate& leaseStart, const std::optional<QDate>& signing);
// The tax of a year: 2 % of the yearly rent, to the cent half away from zero (Tariffa parte I,
// art. 5 c. 1 lett. b, DPR 131/1986).
Money yearlyTax(const Money& yearlyRent);
// The first payment of a registration (and of an extension) is never below 67,00 euro (art. 41
// DPR 131/1986, as the Agenzia delle Entrate's lease instructions give it); later years have none.
Money withMinimum(const Money& tax);
// Landlord and tenant bear half each (art. 8 L. 392/1978); the landlord's half takes the odd
// cent, so the halves always add up to the tax.
std::pair<Money, Money> halves(const Money& tax);
// Tax code of the F24 ELIDE line (Agenzia delle Entrate, risoluzione 14/E del 24/01/2014):
// 1500 first registration, 1504 extension, 1501 later years.
QString taxCode(int number, bool extension);
// "Anno di riferimento" (same risoluzione): the year of signing or start for the first
// registration, the year the payment falls due for the later ones.
int referenceYear(const QString& taxCode, const QDate& leaseStart, const QDate& due);
// Every year of the lease, from its start up to its end, then of the extension up to its end.
QList<TaxYear> taxYears(const QDate& leaseStart, const QDate& leaseEnd, const std::optional<QDate>& signing,
                        const std::optional<QDate>& extensionEnd, const std::optional<Money>& yearlyRent);

// --- Lease end and notice ---

// Residential uses (Utilizzo "Abitativo", "Posto letto", "Turistico") give notice six months
// before the end (art. 2-3 L. 431/1998); other uses twelve (art. 28 L. 392/1978).
bool residential(const QString& utilizzo);
struct NoticeMonths {
    int residential = 6;
    int other = 12;
};
// Affitti.ini, section [Scadenze], keys MesiDisdettaAbitativo and MesiDisdettaAltriUsi (whole
// months, 1 to 60); a missing file, key or other value keeps the default.
NoticeMonths noticeMonths(const QString& iniPath);
// The last day to give notice: that many months before the end (a missing day is the month's last).
QDate noticeDeadline(const QDate& leaseEnd, int months);

} // namespace DeadlineRules
