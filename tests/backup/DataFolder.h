#pragma once

#include "support/Files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

// A data folder with every kind of file the program keeps, and a few it must leave alone.

// Bytes that do not compress, the same every run.
inline QByteArray noise(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<quint32> words((size + 3) / 4);
    random.fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), size);
}

// The data files, relative to the folder, as a copy must hold them.
inline QStringList dataFileNames()
{
    return {
        QStringLiteral("Immobili.pro"),
        QStringLiteral("2023.ric"),
        QStringLiteral("2024.ric"), // an empty archive
        QStringLiteral("F24_ELIDE.pro"),
        QStringLiteral("Affitti.ini"),
        QStringLiteral("Causali.lst"),
        QStringLiteral("Logo.bmp"),
        QStringLiteral("unins000.dll"),
        QStringLiteral("Documenti_Allegati/contratto firmato è €.pdf"),
        QStringLiteral("Documenti_Allegati/virgolette \"doppie\" e 'singole'.txt"),
        QStringLiteral("Documenti_Allegati/-inizia col trattino.txt"),
        QStringLiteral("Documenti_Allegati/percento %41 e #1.txt"),
        QStringLiteral("Documenti_Allegati/a capo\nnel nome.txt"),
        QStringLiteral("Documenti_Allegati/tab\tnel nome.txt"),
        QStringLiteral("Documenti_Allegati/barra \\ rovescia.txt"),
        QStringLiteral("Documenti_Allegati/*?<>|:.txt"),
        QStringLiteral("Documenti_Allegati/spazio finale "),
        QStringLiteral("Documenti_Allegati/.nascosto"),
        QStringLiteral("Documenti_Allegati/..due punti"),
        QStringLiteral("Documenti_Allegati/") + QString(200, u'x') + QStringLiteral(".txt"),
        QStringLiteral("Documenti_Allegati/sottocartella/verbale.pdf"),
        QStringLiteral("Documenti_Allegati/scansione grande.pdf"),
        QStringLiteral("Ricevute_PDF/2024/Ricevuta_1.pdf"),
    };
}

// Files beside the data that no copy takes: the program, its lock, what it writes for others.
inline QStringList otherFileNames()
{
    return {QStringLiteral("tarvento"), QStringLiteral("Tarvento.lock"), QStringLiteral("Immobili.xls"),
            QStringLiteral("Immobile.pdf")};
}

inline void fillDataFolder(const QString& folder)
{
    const QDir root(folder);
    QVERIFY(root.mkpath(QStringLiteral("Documenti_Allegati/sottocartella")));
    QVERIFY(root.mkpath(QStringLiteral("Ricevute_PDF/2024")));
    quint32 seed = 1;
    for (const QString& name : dataFileNames()) {
        QByteArray bytes = noise(100 + seed * 37, seed);
        if (name == u"Immobili.pro")
            bytes = noise(2 * 6653, seed);
        else if (name == u"2023.ric")
            bytes = noise(3 * 2314, seed);
        else if (name == u"2024.ric")
            bytes.clear();
        else if (name == u"F24_ELIDE.pro")
            bytes = noise(535, seed);
        else if (name == u"Affitti.ini")
            bytes = "[Numerazione Ricevute]\r\nInizio=100\r\n";
        else if (name == u"Causali.lst")
            bytes = "Canone di locazione\r\nSpese condominiali per l'unit\xe0\r\n";
        else if (name.endsWith(u"scansione grande.pdf"))
            bytes = noise(9 << 20, seed); // larger than any piece the copy reads at once
        writeFile(root.filePath(name), bytes);
        ++seed;
    }
    for (const QString& name : otherFileNames())
        writeFile(root.filePath(name), "non fa parte dei dati");
}

// Every entry below `folder` (hidden ones too, links not followed): a file's SHA-256, a
// folder's mark, a link's target. Two equal states mean nothing was touched.
inline QMap<QString, QByteArray> folderState(const QString& folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir root(folder);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString name = root.relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            state[name] = "-> " + entry.symLinkTarget().toUtf8();
        else if (entry.isDir())
            state[name] = "<cartella>";
        else
            state[name] = QCryptographicHash::hash(readFile(entry.filePath()), QCryptographicHash::Sha256).toHex();
    }
    return state;
}

// The state of the data files only.
inline QMap<QString, QByteArray> dataState(const QString& folder)
{
    QMap<QString, QByteArray> all = folderState(folder);
    QMap<QString, QByteArray> data;
    for (const QString& name : dataFileNames())
        data[name] = all.value(name);
    return data;
}

// Python: a reader and writer of ZIP files that is not ours.
inline QString python()
{
    return QStringLiteral("/usr/bin/python3");
}

// Runs a Python script of the tests' folder; its standard output, or a failed test.
inline QByteArray runPython(const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(python(), arguments);
    if (!process.waitForFinished(120000))
        qWarning("python did not finish");
    if (exitCode)
        *exitCode = process.exitCode();
    else if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

// A damaged or hostile copy made from a good one (see alter_copy.py for the modes).
inline void alterCopy(const QString& good, const QString& out, const QString& mode, const QString& name)
{
    QStringList arguments{QStringLiteral(SOURCE_DIR "/tests/backup/alter_copy.py"), good, out, mode};
    if (!name.isEmpty())
        arguments.append(name);
    int code = -1;
    runPython(arguments, &code);
    QCOMPARE(code, 0);
}
