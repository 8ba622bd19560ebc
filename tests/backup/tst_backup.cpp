#include "DataFolder.h"
#include "backup/BackupCheck.h"
#include "backup/BackupDate.h"
#include "backup/BackupRestore.h"
#include "backup/BackupSave.h"
#include "backup/RestoreJournal.h"
#include "backup/ZipFile.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/ProfileFile.h"
#include "platform/SafeWrite.h"
#include "support/CommandRun.h"
#include "support/TestMain.h"
#include "support/TestRecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// What Python's zipfile finds in a ZIP: every member's SHA-256 by name, after its own test of
// every member's checksum.
QMap<QString, QByteArray> readByPython(const QString& zip)
{
    const QString script = u"import hashlib, json, sys, zipfile\n"
                           u"z = zipfile.ZipFile(sys.argv[1])\n"
                           u"assert z.testzip() is None\n"
                           u"print(json.dumps({i.filename: hashlib.sha256(z.read(i)).hexdigest() for i in z.infolist()}))\n"_s;
    int code = -1;
    const QByteArray out = runPython({u"-c"_s, script, zip}, &code);
    if (code != 0)
        return {};
    QMap<QString, QByteArray> members;
    const QJsonObject object = QJsonDocument::fromJson(out).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        members[it.key()] = it.value().toString().toUtf8();
    return members;
}

// The message of the Failure `work` throws, or nothing when it throws none.
template <typename Work> QString failureOf(Work work)
{
    try {
        work();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

// The bytes of one member as our reader gives them.
QByteArray memberOf(const QString& zip, const QString& name)
{
    ZipReader reader(zip);
    for (qint64 i = 0; i < reader.count(); ++i) {
        if (reader.member(i).name == name) {
            QByteArray bytes;
            reader.read(i, [&bytes](QByteArrayView piece) { bytes.append(piece); });
            return bytes;
        }
    }
    return {};
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12))); }
    void cleanup()
    {
        Clock::setFixedForTests({});
        SafeWrite::failWritesForTests(false);
        Backup::setRestoreSeamForTests({});
    }
    void roundTrip();
    void manifestOfHostileNames();
    void damagedCopiesTouchNothing_data();
    void damagedCopiesTouchNothing();
    void failedRestorePutsEverythingBack_data();
    void failedRestorePutsEverythingBack();
    void fullDiskDuringRestoreTouchesNothing();
    void copyWhileAnotherProcessAppends();
    void journalsStayWithTheirArchives();
    void failedSaveLeavesNoFile();
    void reminder_data();
    void reminder();
    void commandLine();
    void commandLineRestoreRefusedWhileTheProgramRuns();
};

void TestBackup::roundTrip()
{
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    const QString zip = out.filePath(u"Tarvento_copia_2024-03-15.zip"_s);

    const Backup::Saved saved = Backup::save(data.path(), zip);
    QCOMPARE(saved.files, dataFileNames().size());
    QCOMPARE(saved.bytes, QFileInfo(zip).size());
    QCOMPARE(Backup::savedMessage(saved), u"Copia di sicurezza completata: 23 file, 9,5 MB."_s);
    // The day of the copy is in the settings, and in the copy's own settings too: a folder
    // restored from it knows when its copy was made.
    QCOMPARE(ProfileFile::read(data.filePath(u"Affitti.ini"_s), u"Copia"_s, u"Data"_s), u"15/03/2024"_s);
    QCOMPARE(readFile(data.filePath(u"Affitti.ini"_s)),
             QByteArray("[Numerazione Ricevute]\r\nInizio=100\r\n[Copia]\r\nData=15/03/2024\r\n"));
    const QMap<QString, QByteArray> before = dataState(data.path());
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(zip).fileName()}); // no temporary file left beside it

    // Two readers that are not ours: every member whole, byte for byte the data files, and
    // nothing else but the manifest.
    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-tq"_s, zip});
    QVERIFY(unzip.waitForFinished(60000));
    QVERIFY2(unzip.exitCode() == 0, unzip.readAllStandardOutput().constData());
    QMap<QString, QByteArray> inZip = readByPython(zip);
    QVERIFY(inZip.remove(Manifest::fileName) == 1);
    QCOMPARE(inZip, before);

    // The landlord loses or damages the data, then restores.
    QVERIFY(QDir(data.filePath(u"Documenti_Allegati"_s)).removeRecursively());
    QVERIFY(QFile::remove(data.filePath(u"2023.ric"_s)));
    writeFile(data.filePath(u"Immobili.pro"_s), "rovinato");
    writeFile(data.filePath(u"2025.ric"_s), "nuovo anno");
    const QMap<QString, QByteArray> damaged = folderState(data.path());

    const Backup::Restored restored = Backup::restore(zip, data.path());
    QCOMPARE(restored.keptFolder, u"Dati_prima_del_ripristino_2024-03-15_093012"_s);
    QCOMPARE(Backup::restoredMessage(restored),
             u"Ripristino completato: 23 file dalla copia salvata in data 15/03/2024 alle ore 09:30. I dati di prima sono nella "
             u"cartella Dati_prima_del_ripristino_2024-03-15_093012."_s);
    QMap<QString, QByteArray> after = folderState(data.path());
    // The copy's files in place, byte for byte; the program and its other files untouched.
    QCOMPARE(dataState(data.path()), before);
    QVERIFY(!after.contains(u"2025.ric"_s));
    for (const QString& other : otherFileNames())
        QCOMPARE(after.value(other), damaged.value(other));
    // What was there moved aside whole, nothing deleted.
    QMap<QString, QByteArray> kept;
    const QString prefix = restored.keptFolder + u'/';
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (it.key().startsWith(prefix))
            kept[it.key().mid(prefix.size())] = it.value();
    }
    QMap<QString, QByteArray> expectedKept = damaged;
    for (const QString& other : otherFileNames())
        expectedKept.remove(other);
    QCOMPARE(kept, expectedKept);
    QVERIFY(!QDir(data.path()).entryList(QDir::Hidden | QDir::AllEntries).join(u' ').contains(u"Tarvento_ripristino"_s));
}

void TestBackup::manifestOfHostileNames()
{
    Manifest manifest{u"Tarvento 5.0"_s, QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12)), {}};
    for (const QString& name : dataFileNames())
        manifest.entries.append({name, 7, QByteArray(32, '\xab')});
    const QByteArray text = manifest.text();
    QVERIFY(text.startsWith("TARVENTO-MANIFEST 1\nProgramma: Tarvento 5.0\nCreata: 2024-03-15 09:30:12\nFile: 23\n"));
    QVERIFY(text.contains(" Documenti_Allegati/a capo%0Anel nome.txt\n"));
    QVERIFY(text.contains(" Documenti_Allegati/percento %2541 e #1.txt\n"));
    QCOMPARE(text.count('\n'), 4 + 23); // every name on its own line
    const Manifest back = Manifest::parse(text);
    QCOMPARE(back.entries, manifest.entries);
    QCOMPARE(back.created, manifest.created);

    const QByteArray header = "TARVENTO-MANIFEST 1\nProgramma: Tarvento 5.0\nCreata: 2024-03-15 09:30:12\n";
    const QByteArray line = "7 " + QByteArray(32, '\xab').toHex() + " Immobili.pro\n";
    const std::pair<QByteArray, QString> refused[] = {
        {header + "File: 2\n" + line, u"l'elenco TARVENTO-MANIFEST.txt è illeggibile (riga 4)"_s},
        {header + "File: 2\n" + line + line, u"l'elenco TARVENTO-MANIFEST.txt è illeggibile (riga 6)"_s},
        {header + "File: 1\n" + QByteArray(line).replace(" Imm", "x Imm"), u"l'elenco TARVENTO-MANIFEST.txt è illeggibile (riga 5)"_s},
        {header + "File: 1\n7 abc Immobili.pro\n", u"l'elenco TARVENTO-MANIFEST.txt è illeggibile (riga 5)"_s},
        {"TARVENTO-MANIFEST 2\n", u"è stata salvata da una versione più recente del programma"_s},
        {"PK\3\4", u"l'elenco TARVENTO-MANIFEST.txt è illeggibile (riga 1)"_s},
    };
    for (const auto& [bad, message] : refused)
        QCOMPARE(failureOf([&] { Manifest::parse(bad); }), message);
}

void TestBackup::damagedCopiesTouchNothing_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a byte flipped on the disk")
        << u"flip"_s << u"Immobili.pro"_s << u"il file «Immobili.pro» è danneggiato"_s;
    QTest::newRow("a member changed, the ZIP consistent")
        << u"replace"_s << u"2023.ric"_s << u"il file «2023.ric» è danneggiato"_s;
    QTest::newRow("a member of another size")
        << u"resize"_s << u"Causali.lst"_s << u"il file «Causali.lst» non ha la dimensione registrata"_s;
    QTest::newRow("a member missing") << u"drop"_s << u"unins000.dll"_s << u"manca il file «unins000.dll»"_s;
    QTest::newRow("a member more") << u"extra"_s << u"Documenti_Allegati/intruso.txt"_s
                                   << u"il file «Documenti_Allegati/intruso.txt» non è elencato in TARVENTO-MANIFEST.txt"_s;
    QTest::newRow("a path leaving the folder")
        << u"listed"_s << u"../fuori.txt"_s << u"il nome «../fuori.txt» porta fuori dalla cartella dei dati"_s;
    QTest::newRow("a path leaving from inside") << u"listed"_s << u"Documenti_Allegati/../../fuori.txt"_s
                                                << u"il nome «Documenti_Allegati/../../fuori.txt» porta fuori dalla cartella dei dati"_s;
    QTest::newRow("an absolute path")
        << u"listed"_s << u"/tmp/assoluto.txt"_s << u"il nome «/tmp/assoluto.txt» è un percorso assoluto"_s;
    QTest::newRow("a symbolic link") << u"link"_s << u"Documenti_Allegati/collegamento"_s
                                     << u"«Documenti_Allegati/collegamento» è un collegamento simbolico"_s;
    QTest::newRow("the program itself")
        << u"listed"_s << u"tarvento"_s << u"«tarvento» non fa parte dei dati del programma"_s;
    QTest::newRow("no manifest") << u"nomanifest"_s << QString()
                                 << u"manca l'elenco TARVENTO-MANIFEST.txt: non è una copia di sicurezza di questo programma"_s;
}

void TestBackup::damagedCopiesTouchNothing()
{
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QTemporaryDir around, out;
    const QString data = around.filePath(u"Tarvento"_s);
    fillDataFolder(data);
    const QString good = out.filePath(u"buona.zip"_s);
    const QString bad = out.filePath(u"rovinata.zip"_s);
    Backup::save(data, good);
    alterCopy(good, bad, mode, name);
    const QMap<QString, QByteArray> before = folderState(around.path());

    const QString message = u"La copia di sicurezza rovinata.zip non può essere usata: "_s + problem + u'.';
    QCOMPARE(failureOf([&] { Backup::verify(bad); }), message);
    QCOMPARE(failureOf([&] { Backup::restore(bad, data); }), message);
    QCOMPARE(folderState(around.path()), before); // nothing in the data folder, nothing beside it
    QVERIFY(!QFile::exists(u"/tmp/assoluto.txt"_s));
}

void TestBackup::failedRestorePutsEverythingBack_data()
{
    QTest::addColumn<int>("failingMove");
    // The folder holds 12 entries to move aside (9 files, a journal, 2 folders), then the
    // copy's 10 come in (8 files, 2 folders).
    QTest::newRow("the first move aside") << 1;
    QTest::newRow("in the middle of the moves aside") << 6;
    QTest::newRow("the first of the copy's files") << 13;
    QTest::newRow("the last of the copy's files") << 22;
}

void TestBackup::failedRestorePutsEverythingBack()
{
    QFETCH(int, failingMove);
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(data.path(), zip);
    writeFile(data.filePath(u"Immobili.pro"_s), "modificato dopo la copia");
    writeFile(data.filePath(u"2025.ric"_s), "un anno nuovo");
    writeFile(data.filePath(u"F24_ELIDE.pro-journal"_s), "giornale rimasto da un'interruzione");
    const QMap<QString, QByteArray> before = folderState(data.path());

    Backup::setRestoreSeamForTests([failingMove](Backup::RestorePoint point, int move) {
        if (point == Backup::RestorePoint::BeforeMove && move == failingMove)
            throw Failure(u"Impossibile spostare il file (errore simulato)."_s);
    });
    const QString message = failureOf([&] { Backup::restore(zip, data.path()); });
    QVERIFY2(message.startsWith(u"Il ripristino non è riuscito; i dati sono rimasti quelli di prima."_s),
             qPrintable(message));
    QCOMPARE(folderState(data.path()), before);

    Backup::setRestoreSeamForTests({}); // the same restore, undisturbed, goes through
    Backup::restore(zip, data.path());
    QCOMPARE(readFile(data.filePath(u"Immobili.pro"_s)), memberOf(zip, u"Immobili.pro"_s));
}

void TestBackup::fullDiskDuringRestoreTouchesNothing()
{
    QTemporaryDir around, out;
    const QString data = around.filePath(u"Tarvento"_s);
    fillDataFolder(data);
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(data, zip);
    writeFile(data + u"/Immobili.pro"_s, "modificato dopo la copia");
    const QMap<QString, QByteArray> before = folderState(around.path());

    SafeWrite::failWritesForTests(true); // the disk fills up while the copy is taken out
    QCOMPARE(failureOf([&] { Backup::restore(zip, data); }),
             u"Impossibile preparare il ripristino nella cartella "_s + data +
                 u": verificare che sia accessibile e che il disco non sia pieno. I dati non sono stati toccati."_s);
    QCOMPARE(folderState(around.path()), before);
}

void TestBackup::copyWhileAnotherProcessAppends()
{
    QTemporaryDir data, out;
    const QString archive = data.filePath(u"2024.ric"_s);
    QProcess appender;
    appender.start(QString::fromUtf8(APPENDER), {archive, u"A"_s, u"400"_s, u"slow"_s});
    QVERIFY(appender.waitForStarted());
    int copies = 0;
    while (!appender.waitForFinished(0) || copies < 3) {
        const QString zip = out.filePath(u"copia%1.zip"_s.arg(copies++));
        Backup::save(data.path(), zip);
        const QByteArray copied = memberOf(zip, u"2024.ric"_s);
        QVERIFY2(copied.size() % 51 == 0, qPrintable(u"%1 byte"_s.arg(copied.size())));
        for (qsizetype i = 0; i < copied.size() / 51; ++i) {
            Record record(testLayout());
            record.bytes() = copied.mid(i * 51, 51);
            QCOMPARE(record.text(u"Seq"_s), QString::number(i));
            QCOMPARE(record.text(u"Note"_s), u"scrittura concorrente"_s);
        }
    }
    QCOMPARE(appender.exitCode(), 0);
    QVERIFY(copies >= 3);
}

void TestBackup::journalsStayWithTheirArchives()
{
    // A journal left by an interrupted save belongs to the archive in place; restored beside
    // another archive it would "repair" the wrong record.
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(data.path(), zip);
    const QByteArray journal = "TRVJRN01 non completo";
    writeFile(data.filePath(u"2023.ric-journal"_s), journal);
    Backup::restore(zip, data.path());
    QVERIFY(!QFile::exists(data.filePath(u"2023.ric-journal"_s)));
    QCOMPARE(readFile(data.filePath(u"Dati_prima_del_ripristino_2024-03-15_093012/2023.ric-journal"_s)), journal);
}

void TestBackup::failedSaveLeavesNoFile()
{
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    const QString zip = out.filePath(u"copia.zip"_s);
    writeFile(zip, "la copia della settimana scorsa");

    SafeWrite::failWritesForTests(true); // the disk fills up as the copy is put in place
    QCOMPARE(failureOf([&] { Backup::save(data.path(), zip); }),
             u"Impossibile scrivere il file "_s + zip +
                 u". Verificare che la cartella sia accessibile, che il disco non sia pieno e che il file non sia "
                 u"aperto in un altro programma."_s);
    SafeWrite::failWritesForTests(false);
    QCOMPARE(readFile(zip), QByteArray("la copia della settimana scorsa"));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"copia.zip"_s});
    QVERIFY(ProfileFile::read(data.filePath(u"Affitti.ini"_s), u"Copia"_s, u"Data"_s).isEmpty());

    const QString nowhere = out.filePath(u"manca/copia.zip"_s);
    QCOMPARE(failureOf([&] { Backup::save(data.path(), nowhere); }),
             u"Impossibile scrivere il file "_s + nowhere +
                 u". Verificare che la cartella sia accessibile, che il disco non sia pieno e che il file non sia "
                 u"aperto in un altro programma."_s);

    // Never over the data it copies.
    const QMap<QString, QByteArray> before = folderState(data.path());
    for (const QString& name : {u"Immobili.pro"_s, u"Documenti_Allegati/copia.zip"_s}) {
        const QString target = data.filePath(name);
        QCOMPARE(failureOf([&] { Backup::save(data.path(), target); }),
                 u"Il file "_s + target + u" è uno dei file del programma: scegliere un altro nome per la copia di sicurezza."_s);
    }
    QCOMPARE(folderState(data.path()), before);
}

void TestBackup::reminder_data()
{
    QTest::addColumn<QString>("lastCopy");
    QTest::addColumn<bool>("archivesHoldData");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("due");
    QTest::newRow("never, nothing to lose") << QString() << false << QString() << false;
    QTest::newRow("never, with data") << QString() << true
                                      << u"Non è mai stata salvata una copia di sicurezza dei dati: è consigliabile salvarne una."_s
                                      << true;
    QTest::newRow("30 days ago") << u"14/02/2024"_s << true << u"Ultima copia di sicurezza dei dati: 14/02/2024."_s
                                 << false;
    QTest::newRow("31 days ago") << u"13/02/2024"_s << true
                                 << u"L'ultima copia di sicurezza dei dati è stata salvata in data 13/02/2024: è consigliabile salvarne "
                                    u"una nuova."_s
                                 << true;
    QTest::newRow("today") << u"15/03/2024"_s << false << u"Ultima copia di sicurezza dei dati: 15/03/2024."_s << false;
}

void TestBackup::reminder()
{
    QFETCH(QString, lastCopy);
    QFETCH(bool, archivesHoldData);
    QFETCH(QString, text);
    QFETCH(bool, due);
    QTemporaryDir data;
    writeFile(data.filePath(u"Immobili.pro"_s), archivesHoldData ? noise(6653, 1) : QByteArray());
    writeFile(data.filePath(u"2024.ric"_s), QByteArray());
    if (!lastCopy.isEmpty())
        writeFile(data.filePath(u"Affitti.ini"_s), "[Numerazione Ricevute]\r\nInizio=5\r\n[Copia]\r\nData=" + lastCopy.toLatin1() + "\r\n");
    const Backup::Reminder reminder = Backup::reminder(data.path(), QDate(2024, 3, 15));
    QCOMPARE(reminder.text, text);
    QCOMPARE(reminder.due, due);
}

void TestBackup::commandLine()
{
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    QFile::remove(data.filePath(u"tarvento"_s)); // the real program goes there
    const QString zip = out.filePath(u"notturna.zip"_s);

    const CommandResult saved = runTarvento(data.path(), {u"--copia"_s, zip}, withoutDisplay());
    QCOMPARE(saved.err, QString());
    QCOMPARE(saved.exitCode, 0);
    QCOMPARE(saved.out, u"Copia di sicurezza completata: 23 file, 9,5 MB.\n"_s);
    const QMap<QString, QByteArray> before = folderState(data.path());

    const CommandResult whole = runTarvento(data.path(), {u"--verifica"_s, zip}, withoutDisplay());
    QCOMPARE(whole.exitCode, 0);
    QVERIFY2(whole.out.startsWith(u"La copia di sicurezza è integra: 23 file, salvata in data "_s), qPrintable(whole.out));
    QCOMPARE(whole.out.count(u'\n'), 1);

    const QString bad = out.filePath(u"rovinata.zip"_s);
    alterCopy(zip, bad, u"flip"_s, u"Immobili.pro"_s);
    for (const QString& option : {u"--verifica"_s, u"--ripristina"_s}) {
        const CommandResult refused = runTarvento(data.path(), {option, bad}, withoutDisplay());
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.out, QString());
        QCOMPARE(refused.err,
                 u"La copia di sicurezza rovinata.zip non può essere usata: il file «Immobili.pro» è danneggiato.\n"_s);
    }
    QCOMPARE(folderState(data.path()), before);

    const QList<QStringList> wrong = {{u"--copia"_s}, {u"--verifica"_s, zip, zip}, {u"--ripristina"_s, QString()}};
    for (const QStringList& arguments : wrong) {
        const CommandResult refused = runTarvento(data.path(), arguments, withoutDisplay());
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.startsWith(u"L'opzione "_s + arguments[0] + u" vuole un solo argomento"_s),
                 qPrintable(refused.err));
    }
    QCOMPARE(folderState(data.path()), before);

    writeFile(data.filePath(u"Immobili.pro"_s), "rovinato");
    const CommandResult restored = runTarvento(data.path(), {u"--ripristina"_s, zip}, withoutDisplay());
    QCOMPARE(restored.exitCode, 0);
    QVERIFY2(restored.out.startsWith(u"Ripristino completato: 23 file dalla copia salvata in data "_s), qPrintable(restored.out));
    QCOMPARE(restored.out.count(u'\n'), 1);
    QCOMPARE(readFile(data.filePath(u"Immobili.pro"_s)), memberOf(zip, u"Immobili.pro"_s));
}

void TestBackup::commandLineRestoreRefusedWhileTheProgramRuns()
{
    QTemporaryDir data, out;
    fillDataFolder(data.path());
    QFile::remove(data.filePath(u"tarvento"_s));
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(data.path(), zip);
    writeFile(data.filePath(u"Immobili.pro"_s), "modificato dopo la copia");
    const QMap<QString, QByteArray> before = folderState(data.path());

    // The program open on the same data: a process holding the data folder's lock file.
    QProcess program;
    program.start(u"sh"_s, {u"-c"_s, u"exec 9>>\"$0\" && flock -n 9 && echo preso && exec sleep 60"_s,
                            data.filePath(u"Tarvento.lock"_s)});
    QVERIFY(program.waitForReadyRead(10000));
    const CommandResult refused = runTarvento(data.path(), {u"--ripristina"_s, zip}, withoutDisplay());
    program.kill();
    program.waitForFinished();
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err, u"Attenzione: il programma è già aperto su questi dati.\n\nUtilizzare la finestra già aperta "
                          u"oppure chiuderla prima di avviare di nuovo il programma.\n"_s);
    QMap<QString, QByteArray> after = folderState(data.path());
    after.remove(u"tarvento"_s);
    QMap<QString, QByteArray> expected = before;
    expected.remove(u"tarvento"_s);
    QCOMPARE(after, expected);

    // A copy needs no lock: the nightly one works while the program is open.
    program.start(u"sh"_s, {u"-c"_s, u"exec 9>>\"$0\" && flock -n 9 && echo preso && exec sleep 60"_s,
                            data.filePath(u"Tarvento.lock"_s)});
    QVERIFY(program.waitForReadyRead(10000));
    const CommandResult saved = runTarvento(data.path(), {u"--copia"_s, out.filePath(u"notte.zip"_s)}, withoutDisplay());
    program.kill();
    program.waitForFinished();
    QCOMPARE(saved.exitCode, 0);
}

TARVENTO_GUI_TEST_MAIN(TestBackup)
#include "tst_backup.moc"
