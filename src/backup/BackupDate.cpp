#include "BackupDate.h"

#include "DataFiles.h"
#include "platform/Formats.h"
#include "platform/Failure.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

QString settingsFile(const QString& folder)
{
    return QDir(folder).filePath(settingsName());
}

const QString kSection = u"Copia"_s;
const QString kKey = u"Data"_s;

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

const QString& settingsName()
{
    static const QString name = u"Affitti.ini"_s;
    return name;
}

void recordDate(const QString& folder, const QDate& day)
{
    ProfileFile::write(settingsFile(folder), kSection, kKey, Formats::date(day));
}

QByteArray settingsWithDate(const QString& folder, const QDate& day)
{
    QFile file(settingsFile(folder));
    QByteArray bytes;
    if (file.exists() && (!file.open(QIODevice::ReadOnly) || (bytes = file.readAll(), file.error() != QFile::NoError)))
        throw Failure(u"Impossibile leggere il file "_s + file.fileName() + u" per la copia di sicurezza."_s);
    return ProfileFile::written(bytes, kSection, kKey, Formats::date(day));
}

std::optional<QDate> lastDate(const QString& folder)
{
    const QDate day = Formats::parseDate(ProfileFile::read(settingsFile(folder), kSection, kKey));
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
        return {u"L'ultima copia di sicurezza dei dati è stata salvata in data "_s + Formats::date(*last) +
                    u": è consigliabile salvarne una nuova."_s,
                true};
    return {u"Ultima copia di sicurezza dei dati: "_s + Formats::date(*last) + u'.', false};
}

} // namespace Backup
