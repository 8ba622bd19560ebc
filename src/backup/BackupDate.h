#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The day of the last copy, kept in Affitti.ini (section [Copia], key Data, dd/mm/yyyy), and
// the reminder the main menu shows when it is long ago.
namespace Backup {

void recordDate(const QString& folder, const QDate& day); // throws Failure
std::optional<QDate> lastDate(const QString& folder);

// Days after which a copy is due again.
constexpr int kReminderDays = 30;

struct Reminder {
    QString text; // empty when there is nothing to say (no copy yet, and no data to lose)
    bool due = false;
};
// Due when the last copy is more than kReminderDays old, or when there was none and the
// archives already hold something.
Reminder reminder(const QString& folder, const QDate& today);

} // namespace Backup
