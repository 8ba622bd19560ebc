#pragma once

#include "Manifest.h"

#include <QString>

// Putting a copy back in place of the data: all of it or nothing.
namespace Backup {

struct Restored {
    Manifest manifest;
    QString keptFolder; // where the data found in place went (its name); empty when there was none
};

// Checks the copy while taking it out into a hidden folder beside the data (nothing else is
// touched when anything is wrong), then moves the data in place into
// Dati_prima_del_ripristino_AAAA-MM-GG_hhmmss in `folder` and the copy's files into their
// places. When a move fails, every move made is undone. The caller holds the data folder's
// lock, so no other copy of the program works on the data meanwhile. Throws Failure with an
// Italian message.
Restored restore(const QString& zipPath, const QString& folder);

// "Ripristinare la copia di sicurezza salvata in data …, che contiene N file? …"
QString confirmation(const Manifest& manifest);
// "Ripristino completato: N file dalla copia salvata in data …."
QString restoredMessage(const Restored& restored);

} // namespace Backup
