#include "BackupDate.h"

#include "DataFiles.h"
#include "platform/Formats.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

QString settingsFile(const QString& folder)
{
    return QDir(folder).filePath(u"Affitti.ini"_s);
}

bool archivesHoldData(const QString& folder)
{
    const QDir root(folder);
    for (const QFileInfo& file : root.entryInfoList(QDir::Files)) {
        if (DataFiles::isArchive(file.fileName()) && file.size() > 0)
            return true;
    }
    return false;
}

} // namespace

void recordDate(const QString& folder, const QDate& day)
{
    ProfileFile::write(settingsFile(folder), u"Copia"_s, u"Data"_s, Formats::date(day));
}

std::optional<QDate> lastDate(const QString& folder)
{
    const QDate day = Formats::parseDate(ProfileFile::read(settingsFile(folder), u"Copia"_s, u"Data"_s));
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

Reminder reminder(const QString& folder, const QDate& today)
{
    const std::optional<QDate> last = lastDate(folder);
    if (!last) {
        if (!archivesHoldData(folder))
            return {};
        return {u"Non è mai stata salvata una copia di sicurezza dei dati: è consigliabile salvarne una."_s, true};
    }
    if (last->daysTo(today) > kReminderDays)
        return {u"L'ultima copia di sicurezza dei dati risale al "_s + Formats::date(*last) +
                    u": è consigliabile salvarne una nuova."_s,
                true};
    return {u"Ultima copia di sicurezza dei dati: "_s + Formats::date(*last) + u'.', false};
}

} // namespace Backup
