#include "DataFolder.h"
#include "app/Startup.h"
#include "backup/BackupCheck.h"
#include "backup/BackupSave.h"
#include "backup/RestoreJournal.h"
#include "platform/Clock.h"
#include "platform/ExeFolder.h"
#include "support/CommandRun.h"
#include "support/ScriptedDesktop.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// A restore or a copy killed (SIGKILL, in a process of its own) at every point a kill can land
// on, then what the next start of the program makes of the folder.

namespace {

struct Run {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray out;
};

Run runRunner(const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(RUNNER), arguments);
    if (!process.waitForFinished(120000))
        qWarning("backup_runner did not finish");
    return {process.exitStatus(), process.exitCode(), process.readAllStandardOutput()};
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

const QString kJournal = u"Tarvento_ripristino-journal"_s;
const QString kKept = u"Dati_prima_del_ripristino_2024-03-15_093012"_s;
const QString kUndone =
    u"Un ripristino di una copia di sicurezza si era interrotto (il programma si è chiuso "
    u"all'improvviso o il computer si è spento) prima della fine: è stato annullato e i dati "
    u"sono quelli di prima del ripristino. Per rimettere i dati della copia, ripetere il ripristino."_s;
const QString kCompleted =
    u"Un ripristino di una copia di sicurezza si era interrotto (il programma si è chiuso "
    u"all'improvviso o il computer si è spento) quando tutti i file della copia erano già al "
    u"loro posto: il ripristino è stato completato. I dati di prima sono nella cartella "
    u"Dati_prima_del_ripristino_2024-03-15_093012."_s;

// Names close to our temporary names that are not ours, each holding something that must stay.
const QStringList& lookAlikes()
{
    static const QStringList names{
        u".Tarvento_copia-ABCDE"_s,        u".Tarvento_copia-ABCDEF.zip"_s,
        u"Tarvento_copia-ABCDEF"_s,        u".Tarvento_copia-ABCDEF.abcdefg"_s,
        u".Tarvento_copia-GHIJKL"_s,       u".Tarvento_copia-MNOPQR"_s,
        u".Tarvento_ripristino-ABCDEFG"_s, u".Tarvento_ripristino-HIJKLM"_s,
        u".Tarvento_ripristino-NOPQRS"_s,  u"Tarvento_ripristino-ABCDEF"_s,
    };
    return names;
}

// Files, and in their midst a folder with a file (…GHIJKL) and links to a file and to a folder
// elsewhere (…MNOPQR, …NOPQRS), whose targets must stay too.
void placeLookAlikes(const QString& folder, const QString& elsewhere)
{
    const QDir root(folder);
    QVERIFY(QDir(elsewhere).mkpath(u"cartella"_s));
    writeFile(elsewhere + u"/cartella/documento.txt"_s, "da non toccare");
    writeFile(elsewhere + u"/file.txt"_s, "da non toccare");
    for (const QString& name : lookAlikes()) {
        if (name == u".Tarvento_copia-GHIJKL") {
            QVERIFY(root.mkdir(name));
            writeFile(root.filePath(name + u"/dentro.txt"_s), "da non toccare");
        } else if (name == u".Tarvento_copia-MNOPQR") {
            QVERIFY(QFile::link(elsewhere + u"/file.txt"_s, root.filePath(name)));
        } else if (name == u".Tarvento_ripristino-NOPQRS") {
            QVERIFY(QFile::link(elsewhere + u"/cartella"_s, root.filePath(name)));
        } else if (name == u".Tarvento_ripristino-ABCDEFG" || name == u"Tarvento_ripristino-ABCDEF") {
            QVERIFY(root.mkpath(name + u"/Documenti_Allegati"_s));
            writeFile(root.filePath(name + u"/Immobili.pro"_s), "da non toccare");
        } else {
            writeFile(root.filePath(name), "da non toccare");
        }
    }
}

} // namespace

class TestBackupRecovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void killedRestoreEndsWhole_data();
    void killedRestoreEndsWhole();
    void killedUndoEndsWhole_data();
    void killedUndoEndsWhole();
    void commandLineFinishesAKilledRestore();
    void damagedJournalStopsTheProgram_data();
    void damagedJournalStopsTheProgram();
    void killedCopyIsTidiedByTheNextCopy();
    void leftoversOfARunningCopyStay();
    void startRemovesOnlyOurLeftovers();

private:
    QString freshFolder(); // a data folder as the model, of its own
    QString killedRestore(int point);

    QTemporaryDir m_work;
    QString m_model, m_zip, m_home;
    int m_folders = 0;
    QMap<QString, QByteArray> m_copied;   // the data files as the copy holds them
    QMap<QString, QByteArray> m_before;   // the whole folder, changed after the copy
    QMap<QString, QByteArray> m_restored; // the whole folder after an undisturbed restore
};

void TestBackupRecovery::initTestCase()
{
    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12)));
    // The start tidies the home folder too: the test's own.
    m_home = m_work.filePath(u"casa"_s);
    QVERIFY(QDir().mkpath(m_home));
    qputenv("HOME", QFile::encodeName(m_home));

    m_model = m_work.filePath(u"modello"_s);
    fillDataFolder(m_model);
    writeFile(m_model + u"/Documenti_Allegati/scansione grande.pdf"_s,
              noise(5000, 99)); // small: many restores here
    m_zip = m_work.filePath(u"copia.zip"_s);
    Backup::save(m_model, m_zip);
    m_copied = dataState(m_model);
    writeFile(m_model + u"/Immobili.pro"_s, "modificato dopo la copia");
    writeFile(m_model + u"/2025.ric"_s, "un anno nuovo");
    writeFile(m_model + u"/F24_ELIDE.pro-journal"_s, "giornale rimasto da un'interruzione");
    m_before = folderState(m_model);

    const QString reference = freshFolder();
    const Run run = runRunner({u"restore"_s, m_zip, reference, u"0"_s});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("27\n")); // every point a kill can land on: the table below
    m_restored = folderState(reference);
    QCOMPARE(dataState(reference), m_copied);
    QVERIFY(m_restored.contains(kKept + u"/2025.ric"_s));

    const QString undone = killedRestore(20);
    QCOMPARE(runRunner({u"finish"_s, undone, u"0"_s}).out, QByteArray("17\n")); // the table of undo points
    QCOMPARE(folderState(undone), m_before);
}

void TestBackupRecovery::cleanup()
{
    ExeFolder::setForTests({});
    qputenv("HOME", QFile::encodeName(m_home));
}

QString TestBackupRecovery::freshFolder()
{
    const QString folder = m_work.filePath(u"dati%1"_s.arg(++m_folders));
    QProcess copy;
    copy.start(u"cp"_s, {u"-a"_s, m_model, folder});
    if (!copy.waitForFinished(60000) || copy.exitCode() != 0)
        qWarning("cp -a failed");
    return folder;
}

// A data folder as the model after a restore of the copy killed at the given point.
QString TestBackupRecovery::killedRestore(int point)
{
    const QString folder = freshFolder();
    const Run run = runRunner({u"restore"_s, m_zip, folder, QString::number(point)});
    if (run.status != QProcess::CrashExit)
        qWarning("the restore was not killed");
    return folder;
}

void TestBackupRecovery::killedRestoreEndsWhole_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("journalLeft"); // by the kill
    QTest::addColumn<bool>("restored");    // the copy's data in place after the start, or the data of before
    QTest::addColumn<QString>("notice");
    QTest::newRow("copy taken out, no journal yet") << 1 << false << false << QString();
    QTest::newRow("journal half written") << 2 << false << false << QString();
    QTest::newRow("journal written, kept folder not made") << 3 << true << false << kUndone;
    // 12 entries go aside (9 files, a journal, 2 folders), then the copy's 10 come in.
    for (int move = 1; move <= 22; ++move)
        QTest::addRow("before move %d of 22", move) << 3 + move << true << false << kUndone;
    QTest::newRow("after the last move") << 26 << true << true << kCompleted;
    QTest::newRow("journal removed, extraction folder left") << 27 << false << true << QString();
}

void TestBackupRecovery::killedRestoreEndsWhole()
{
    QFETCH(int, point);
    QFETCH(bool, journalLeft);
    QFETCH(bool, restored);
    QFETCH(QString, notice);
    const QString data = killedRestore(point);
    QCOMPARE(QFile::exists(data + u'/' + kJournal), journalLeft);
    const QMap<QString, QByteArray> killed = folderState(data);
    QVERIFY(killed != m_before && killed != m_restored); // the kill left something to mend

    ExeFolder::setForTests(data);
    ScriptedDesktop desktop;
    QVERIFY(Startup::tidyDataFolder());
    QList<ScriptedDesktop::Message> told;
    if (!notice.isEmpty())
        told.append({Desktop::Kind::Plain, notice});
    QCOMPARE(desktop.messages, told);
    QCOMPARE(folderState(data), restored ? m_restored : m_before);

    desktop.messages.clear(); // told once
    QVERIFY(Startup::tidyDataFolder());
    QVERIFY(desktop.messages.isEmpty());
}

void TestBackupRecovery::killedUndoEndsWhole_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("notice");
    // Killed before move 17 of the restore: 16 moves to undo, then the journal goes.
    QTest::newRow("before the first undo") << 1 << kUndone;
    QTest::newRow("halfway through the undo") << 9 << kUndone;
    QTest::newRow("before the last undo") << 16 << kUndone;
    QTest::newRow("journal removed, extraction folder left") << 17 << QString();
}

void TestBackupRecovery::killedUndoEndsWhole()
{
    QFETCH(int, point);
    QFETCH(QString, notice);
    const QString data = killedRestore(20);
    const Run undoing = runRunner({u"finish"_s, data, QString::number(point)});
    QCOMPARE(undoing.status, QProcess::CrashExit);

    ExeFolder::setForTests(data);
    ScriptedDesktop desktop;
    QVERIFY(Startup::tidyDataFolder());
    QCOMPARE(folderState(data), m_before);
    QCOMPARE(desktop.lastMessage().text, notice);
}

void TestBackupRecovery::commandLineFinishesAKilledRestore()
{
    const QString data = killedRestore(20);        // the copy's files halfway in
    QVERIFY(QFile::remove(data + u"/tarvento"_s)); // the real program goes there
    QVERIFY(QFile::exists(data + u'/' + kJournal));
    const QMap<QString, QByteArray> killed = folderState(data);

    // The program open on the folder holds its lock: a copy of a mix is refused.
    QProcess program;
    program.start(u"sh"_s, {u"-c"_s, u"exec 9>>\"$0\" && flock -n 9 && echo preso && exec sleep 60"_s,
                            data + u"/Tarvento.lock"_s});
    QVERIFY(program.waitForReadyRead(10000));
    const QString night = m_work.filePath(u"notte.zip"_s);
    const CommandResult refused = runTarvento(data, {u"--copia"_s, night}, withoutDisplay());
    program.kill();
    program.waitForFinished();
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err,
             u"Il programma aperto su questi dati sta ripristinando una copia di sicurezza: riprovare "
             u"quando il ripristino è finito.\n"_s);
    QVERIFY(!QFile::exists(night));
    QMap<QString, QByteArray> after = folderState(data);
    after.remove(u"tarvento"_s);
    QCOMPARE(after, killed);

    // Alone on the folder, any option first puts the data of before back, and says so once.
    const CommandResult checked = runTarvento(data, {u"--verifica"_s, m_zip}, withoutDisplay());
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(checked.err, kUndone + u'\n');
    QVERIFY2(checked.out.startsWith(u"La copia di sicurezza è integra"_s), qPrintable(checked.out));
    after = folderState(data);
    after.remove(u"tarvento"_s);
    QMap<QString, QByteArray> expected = m_before;
    expected.remove(u"tarvento"_s);
    QCOMPARE(after, expected);
    QCOMPARE(runTarvento(data, {u"--verifica"_s, m_zip}, withoutDisplay()).err, QString());
}

void TestBackupRecovery::damagedJournalStopsTheProgram_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    const QString unreadable = u"il giornale Tarvento_ripristino-journal è illeggibile"_s;
    QTest::newRow("a byte changed") << u"flip"_s << unreadable;
    QTest::newRow("cut short") << u"cut"_s << unreadable;
    QTest::newRow("not a journal") << u"other"_s << unreadable;
    QTest::newRow("a name leading out, hash right") << u"outside"_s << unreadable;
    QTest::newRow("the extraction folder gone")
        << u"noextraction"_s << u"manca la cartella %1, che conteneva i file della copia"_s;
}

void TestBackupRecovery::damagedJournalStopsTheProgram()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    const QString data = killedRestore(12); // in the middle of the moves aside
    const QString journal = data + u'/' + kJournal;
    QByteArray bytes = readFile(journal);
    const QString extraction = Backup::RestoreJournal::parse(bytes).extraction;
    if (damage == u"flip")
        bytes[40] = char(bytes[40] ^ 1);
    else if (damage == u"cut")
        bytes.chop(10);
    else if (damage == u"other")
        bytes = "[Numerazione Ricevute]\r\nInizio=1\r\n";
    else if (damage == u"outside")
        bytes = Backup::RestoreJournal{extraction, kKept, {u"../fuori"_s}, {}}.text();
    else
        QVERIFY(QDir(data + u'/' + extraction).removeRecursively());
    writeFile(journal, bytes);
    const QMap<QString, QByteArray> before = folderState(data);

    ExeFolder::setForTests(data);
    ScriptedDesktop desktop;
    QVERIFY(!Startup::tidyDataFolder()); // the program ends: nothing works on a folder that may hold a mix
    const QString told =
        u"Un ripristino di una copia di sicurezza si è interrotto prima della fine e non si può sapere quali "
        u"file aveva già sostituito: "_s +
        QString(reason).replace(u"%1"_s, extraction) +
        u". Nulla è stato cancellato: i dati di prima che non sono più al loro posto si trovano "
        u"nella più recente delle cartelle che iniziano con Dati_prima_del_ripristino_. Rimettere a posto i "
        u"file a mano, poi cancellare il file "
        u"Tarvento_ripristino-journal nella cartella "_s +
        data + u'.';
    QCOMPARE(desktop.messages, (QList<ScriptedDesktop::Message>{{Desktop::Kind::Error, told}}));
    QCOMPARE(folderState(data), before);
}

void TestBackupRecovery::killedCopyIsTidiedByTheNextCopy()
{
    QTemporaryDir data, out, elsewhere;
    fillDataFolder(data.path());
    const QString zip = out.filePath(u"copia.zip"_s);
    writeFile(zip, "la copia della settimana scorsa");
    placeLookAlikes(out.path(), elsewhere.path());
    const QMap<QString, QByteArray> elsewhereBefore = folderState(elsewhere.path());

    const Run run = runRunner({u"copy"_s, data.path(), zip});
    QCOMPARE(run.status, QProcess::CrashExit);
    QStringList left = entries(out.path());
    for (const QString& name : lookAlikes() + QStringList{u"copia.zip"_s})
        QVERIFY(left.removeOne(name));
    // Ours and libzip's, killed while libzip wrote the ZIP.
    QCOMPARE(left.size(), 2);
    QVERIFY2(left[1].startsWith(left[0] + u'.') && left[0].startsWith(u".Tarvento_copia-"_s),
             qPrintable(left.join(u' ')));
    QCOMPARE(readFile(zip), QByteArray("la copia della settimana scorsa"));

    Backup::save(data.path(), zip);
    QStringList expected = lookAlikes() + QStringList{u"copia.zip"_s};
    expected.sort();
    QStringList now = entries(out.path());
    now.sort();
    QCOMPARE(now, expected);
    QCOMPARE(Backup::verify(zip).entries.size(), dataFileNames().size());
    for (const QString& name : lookAlikes()) {
        if (QFileInfo(out.filePath(name)).isFile() && !QFileInfo(out.filePath(name)).isSymLink())
            QCOMPARE(readFile(out.filePath(name)), QByteArray("da non toccare"));
    }
    QCOMPARE(readFile(out.filePath(u".Tarvento_copia-GHIJKL/dentro.txt"_s)), QByteArray("da non toccare"));
    QCOMPARE(folderState(elsewhere.path()), elsewhereBefore);
}

void TestBackupRecovery::leftoversOfARunningCopyStay()
{
    QTemporaryDir data, out;
    writeFile(data.filePath(u"Immobili.pro"_s), noise(6653, 1));
    const QString running = out.filePath(u".Tarvento_copia-ABCDEF"_s);
    writeFile(running, "una copia che si sta scrivendo");

    // Another copy writing into the same folder: it holds the folder's shared lock.
    QProcess other;
    other.start(u"sh"_s,
                {u"-c"_s, u"exec 9<\"$0\" && flock -s -n 9 && echo preso && exec sleep 60"_s, out.path()});
    QVERIFY(other.waitForReadyRead(10000));
    Backup::save(data.path(), out.filePath(u"copia.zip"_s));
    ExeFolder::setForTests(data.path());
    qputenv("HOME", QFile::encodeName(out.path()));
    QVERIFY(Startup::tidyDataFolder());
    QVERIFY(QFile::exists(running));
    other.kill();
    other.waitForFinished();

    QVERIFY(Startup::tidyDataFolder());
    QVERIFY(!QFile::exists(running));
    QCOMPARE(entries(out.path()), QStringList{u"copia.zip"_s});
}

void TestBackupRecovery::startRemovesOnlyOurLeftovers()
{
    QTemporaryDir data, elsewhere;
    writeFile(data.filePath(u"Immobili.pro"_s), noise(6653, 1));
    placeLookAlikes(data.path(), elsewhere.path());
    placeLookAlikes(m_home, elsewhere.filePath(u"casa"_s));
    const QMap<QString, QByteArray> dataBefore = folderState(data.path());
    const QMap<QString, QByteArray> homeBefore = folderState(m_home);
    const QMap<QString, QByteArray> elsewhereBefore = folderState(elsewhere.path());
    // A copy killed in each folder, a restore killed before its journal in the data folder.
    writeFile(data.filePath(u".Tarvento_copia-AbCdEf"_s), "PK");
    writeFile(m_home + u"/.Tarvento_copia-AbCdEf.0a1b2c"_s, "PK");
    QVERIFY(QDir(data.path()).mkpath(u".Tarvento_ripristino-AbCdEf/Documenti_Allegati/sotto"_s));
    writeFile(data.filePath(u".Tarvento_ripristino-AbCdEf/Immobili.pro"_s), "della copia");

    ExeFolder::setForTests(data.path());
    ScriptedDesktop desktop;
    QVERIFY(Startup::tidyDataFolder());
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(folderState(data.path()), dataBefore);
    QCOMPARE(folderState(m_home), homeBefore);
    QCOMPARE(folderState(elsewhere.path()), elsewhereBefore);
}

TARVENTO_GUI_TEST_MAIN(TestBackupRecovery)
#include "tst_backup_recovery.moc"
