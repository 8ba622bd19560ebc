#pragma once

#include "Manifest.h"

#include <QByteArrayView>
#include <QStringList>

// Checking a copy against its manifest before anything trusts it: every member listed, none
// missing, none more, each of the size and SHA-256 recorded, and no name that could land
// outside the data folder (a "..", an absolute path, a symbolic link) or on a file that is not
// data (the program itself).
namespace Backup {

// Receives the members of a copy as they are read, to put them somewhere; only members that
// passed every check on their name reach it. Throws Failure to stop the reading.
class MemberSink {
public:
    virtual ~MemberSink() = default;
    virtual void begin(const QString& path) = 0;
    virtual void write(QByteArrayView bytes) = 0;
    virtual void end() = 0;
};

struct Checked {
    Manifest manifest;
    QStringList problems; // in Italian, each naming what is wrong; empty when the copy is whole
};

// Reads the whole copy once, handing the members to `sink` when there is one.
Checked check(const QString& zipPath, MemberSink* sink = nullptr);

// The manifest of a whole copy; throws Failure(refusal()) otherwise.
Manifest verify(const QString& zipPath);

// "La copia di sicurezza X non può essere usata: …", the first problems listed.
QString refusal(const QString& zipPath, const QStringList& problems);

// "La copia di sicurezza è integra: N file, salvata in data 15/03/2024 alle ore 09:30."
QString wholeMessage(const Manifest& manifest);
// "in data 15/03/2024 alle ore 09:30" (no article: "il 15" but "l'11")
QString madeOn(const Manifest& manifest);

} // namespace Backup
