#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class Record;

// The rent instalments of a property card's contract in a calendar year, and the receipts
// issued for that contract: the deadlines list them with their state, and a year of receipts
// is made from them. No widgets, no archive written.
namespace Instalments {

enum class Frequency { Monthly, Quarterly, HalfYearly };

// Periodicita ("Rata canone di locazione mensile", "... trimestrale", "... semestrale"),
// recognised by those words whatever the case; nothing for any other text.
std::optional<Frequency> frequency(const QString& periodicita);
int perYear(Frequency frequency); // 12, 4, 2

// The day of the month the instalments fall due, from ScadeRata: a day ("5", "05") or a date
// whose day is used ("05/01/2024", read as leniently as the screens read dates); the 1st when
// empty; nothing when the text is neither.
std::optional<int> dueDay(const QString& scadeRata);

struct Instalment {
    int number = 0;    // 1-based within the year
    QDate due;         // the due day in its month, or the month's last day when shorter
    QDate periodStart; // the first day of its month
    QDate periodEnd;   // the day before the next instalment's month begins
};

// The instalments of `year`: every month (monthly), January, April, July and October
// (quarterly), January and July (half-yearly). `day` is 1 to 31.
QList<Instalment> ofYear(Frequency frequency, int day, int year);

// The instalment whose period holds `date`, or nothing.
std::optional<Instalment> covering(const QList<Instalment>& instalments, const QDate& date);

// What identifies a contract in the receipts: the tenant's codice fiscale and the contract
// code, trimmed, a to z in capitals.
struct Contract {
    QString tenantCode;
    QString contractCode;
    bool operator==(const Contract&) const = default;
};
Contract contractOfCard(const Record& card);       // CodFiscCon01, CodContratto of a property card
Contract contractOfReceipt(const Record& receipt); // the same fields of a receipt
// A receipt belongs to a card's contract when both name the same tenant and the same contract
// code; a card without the tenant's codice fiscale has no receipts (nothing to match them by).
bool belongs(const Contract& card, const Contract& receipt);

// A receipt as the instalments need it.
struct Receipt {
    Contract contract;
    QDate date; // Data, read leniently; invalid when unreadable
    bool paid = false;
    qint64 position = 0; // 1-based in its archive
    QString number;      // NumRic, trimmed
};

// Every receipt of a year's archive, in file order. A missing archive has none and is not
// created. Throws Failure when the archive cannot be read.
QList<Receipt> readReceipts(const QString& archivePath);

enum class State { Paid, Unpaid, NotIssued };
// The state of an instalment: paid when a receipt of the contract dated within its period is
// marked paid, issued but unpaid when there is such a receipt and none is paid, else not issued.
State stateOf(const Instalment& instalment, const Contract& card, const QList<Receipt>& receipts);

} // namespace Instalments
