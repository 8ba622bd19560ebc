#pragma once

#include <QDate>
#include <QString>

// Saving a copy of every data file into one standard ZIP file with its manifest.
namespace Backup {

struct Saved {
    int files = 0;          // data files in the copy (the manifest not counted)
    qint64 bytes = 0;       // the size of the ZIP file
    bool dateRecorded = true; // false when Affitti.ini could not take the date
};

// Writes the copy of `folder`'s data to `zipPath`: the archives read under their locks, the
// ZIP made in a temporary file beside `zipPath`, checked member by member, synced and only
// then put in place, so a failure leaves nothing half-written. Then records the day in
// Affitti.ini. Throws Failure with an Italian message.
Saved save(const QString& folder, const QString& zipPath);

// "Copia di sicurezza completata: N file, X MB."
QString savedMessage(const Saved& saved);

// The name the save dialog proposes: Tarvento_copia_AAAA-MM-GG.zip.
QString proposedName(const QDate& day);

} // namespace Backup
