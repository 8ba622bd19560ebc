#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The day of the last copy, kept in Affitti.ini (section [Copia], key Data, dd/mm/yyyy), and
// the reminder the main menu shows when it is long ago.
namespace Backup {

void recordDate(const QString& folder, const QDate& day); // throws Failure
// Affitti.ini as recordDate() leaves it. A copy holds it so, with its own day: the folder after
// a successful copy and the folder restored from it are the same, byte for byte.
QByteArray settingsWithDate(const QString& folder, const QDate& day);
const QString& settingsName(); // "Affitti.ini"
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
