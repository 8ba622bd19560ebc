#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The list a copy carries as its first member, TARVENTO-MANIFEST.txt: the program that made
// it, when, and every other member with its size and SHA-256. A text anyone can read:
//
//   TARVENTO-MANIFEST 1
//   Programma: Tarvento 5.0
//   Creata: 2024-03-15 09:30:00
//   File: 2
//   6653 <64 hexadecimal digits> Immobili.pro
//   120 <64 hexadecimal digits> Documenti_Allegati/contratto firmato.pdf
//
// One line per member (size, SHA-256, path), lines ending in a line feed, UTF-8. In a path,
// '%' and the control characters are written as %XX, so every name fits on its line.
struct ManifestEntry {
    QString path;
    qint64 size = 0;
    QByteArray sha256; // the 32 bytes of the digest
    bool operator==(const ManifestEntry&) const = default;
};

struct Manifest {
    static const QString fileName; // "TARVENTO-MANIFEST.txt"

    QString program;
    QDateTime created;
    QList<ManifestEntry> entries;

    QByteArray text() const;
    // Throws Failure with an Italian text when `text` is not a manifest this program can read.
    static Manifest parse(const QByteArray& text);
};
