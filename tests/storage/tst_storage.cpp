#include "card/CardProtocol.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "storage/ArchiveFile.h"
#include "storage/ListSearch.h"
#include "support/Files.h"
#include "support/ScriptedDesktop.h"
#include "support/TestCard.h"
#include "support/TestMain.h"
#include "support/TestRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A rollback journal built by hand: "TRVJRN01", the offset (8 bytes) and the record size
// (4 bytes) little-endian, the old record, the SHA-256 of all that.
QByteArray handJournal(const QByteArray& offsetLE, const QByteArray& sizeLE, const QByteArray& old)
{
    const QByteArray body = "TRVJRN01" + offsetLE + sizeLE + old;
    return body + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

// An append journal built by hand: "TRVAPP01", the archive's old length (8 bytes) and the
// record size (4 bytes) little-endian, the SHA-256 of those 20 bytes.
QByteArray handAppendJournal(const QByteArray& lengthLE, const QByteArray& sizeLE)
{
    const QByteArray body = "TRVAPP01" + lengthLE + sizeLE;
    return body + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

QList<QByteArray> numbered(const QStringList& names)
{
    QList<QByteArray> records;
    for (const QString& name : names) {
        Record r(testLayout());
        r.setText(u"Nome"_s, name);
        records.append(r.bytes());
    }
    return records;
}

QString nameIn(const QByteArray& record)
{
    Record r(testLayout());
    r.bytes() = record.left(51);
    return r.text(u"Nome"_s);
}

} // namespace

class TestStorage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ArchiveFile::failForTests(std::nullopt); }
    void layoutOffsets();
    void fieldsFromHandBuiltBytes();
    void fieldsWritten_data();
    void fieldsWritten();
    void archiveCountsWholeRecords();
    void archiveIsCreatedOnlyWhenMissing();
    void archiveAppendsOverPartialRecord();
    void archiveRollsBackJournal_data();
    void archiveRollsBackJournal();
    void interruptedOverwriteLeavesOldRecord();
    void twoProcessesAppending();
    void appendAllAddsEveryRecord();
    void appendAllIsAllOrNone_data();
    void appendAllIsAllOrNone();
    void appendJournalRolledBack_data();
    void appendJournalRolledBack();
    void killedAppendLeavesTheArchive();
    void listMatching_data();
    void listMatching();
    void matcherReadsStoredBytes();
    void listLinesAndOrder();
    void sortedPositionsFollowTheLines();
    void findNext();
};

void TestStorage::layoutOffsets()
{
    const RecordLayout& l = testLayout();
    QCOMPARE(l.size(), 51);
    QCOMPARE(l.offset(u"Nome"_s), 0);
    QCOMPARE(l.offset(u"Seq"_s), 11);
    QCOMPARE(l.offset(u"Pagata"_s), 17);
    QCOMPARE(l.offset(u"Note"_s), 20);
    QVERIFY_THROWS_EXCEPTION(Failure, l.offset(u"Manca"_s));
}

void TestStorage::fieldsFromHandBuiltBytes()
{
    Record r(testLayout());
    // Length above the capacity: at most the capacity is read, never past the field.
    r.bytes() = handRecord(char(200) + QByteArray("ABCDEFGHIJKLMNOP"), pascal("  7 "), "\x02\x53\xEC",
                           pascal("citt\xE0"));
    QCOMPARE(r.text(u"Nome"_s), u"ABCDEFGHIJ"_s);
    QCOMPARE(r.text(u"Seq"_s), u"7"_s);
    QCOMPARE(r.flag(u"Pagata"_s), std::optional<bool>(true));
    QCOMPARE(r.text(u"Note"_s), u"città"_s);

    r.bytes() = handRecord(pascal(""), pascal("\x81"), "\x02No", QByteArray(1, '\0'));
    QCOMPARE(r.text(u"Nome"_s), QString());
    QCOMPARE(r.text(u"Seq"_s), QString(QChar(0x81)));
    QCOMPARE(r.flag(u"Pagata"_s), std::optional<bool>(false));
    r.bytes().replace(17, 3, QByteArray("\x00xx", 3));
    QCOMPARE(r.flag(u"Pagata"_s), std::nullopt); // length 0: leaves the check box as it was
    r.bytes().replace(17, 3, "\x02si");
    QCOMPARE(r.flag(u"Pagata"_s), std::nullopt);

    // A record shown in place of a block of a pass: a copy keeps its bytes when the block
    // changes, and writing to the shown record leaves the block alone.
    QByteArray block = handRecord(pascal("Rossi"), pascal("1"), "\x02Si", pascal("a"));
    Record shown(testLayout());
    shown.view(block.constData());
    QCOMPARE(shown.text(u"Nome"_s), u"Rossi"_s);
    const Record kept = shown;
    Record assigned(testLayout());
    assigned = shown;
    block.replace(1, 5, "Verdi");
    QCOMPARE(shown.text(u"Nome"_s), u"Verdi"_s);
    QCOMPARE(kept.text(u"Nome"_s), u"Rossi"_s);
    QCOMPARE(assigned.text(u"Nome"_s), u"Rossi"_s);
    shown.setText(u"Nome"_s, u"Bianchi"_s);
    QCOMPARE(block.mid(0, 6), pascal("Verdi"));
}

void TestStorage::fieldsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("trimmed") << u"  Rossi \t"_s << pascal("Rossi");
    QTest::newRow("cut to capacity") << u"Abcdefghijklmno"_s << pascal("Abcdefghij");
    QTest::newRow("missing character") << u"Łódź"_s
                                       << pascal("?\xF3"
                                                 "d?");
    QTest::newRow("empty") << QString() << pascal("");
}

void TestStorage::fieldsWritten()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    Record r(testLayout());
    r.setText(u"Nome"_s, text);
    QCOMPARE(r.bytes().left(stored.size()), stored);
    r.setFlag(u"Pagata"_s, true);
    QCOMPARE(r.bytes().mid(17, 3), QByteArray("\x02\x53\xEC"));
    r.setFlag(u"Pagata"_s, false);
    QCOMPARE(r.bytes().mid(17, 3), QByteArray("\x02\x4E\x6F"));
}

void TestStorage::archiveCountsWholeRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    writeFile(path, handRecord(pascal("uno"), pascal("1"), "\x02No", pascal("")) +
                        handRecord(pascal("due"), pascal("2"), "\x02No", pascal("")) + QByteArray(30, 'z'));
    ArchiveFile archive(path, 51);
    archive.openOrCreate();
    QCOMPARE(archive.count(), 2);
    Record r(testLayout());
    archive.seek(1);
    archive.read(r.bytes());
    QCOMPARE(r.text(u"Nome"_s), u"due"_s);
    QCOMPARE(archive.currentIndex(), 2);
    QVERIFY(archive.atEnd());
    QVERIFY_THROWS_EXCEPTION(Failure, archive.read(r.bytes())); // the partial record is never read
}

void TestStorage::archiveIsCreatedOnlyWhenMissing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Nuovo.pro"_s);
    {
        ArchiveFile archive(path, 51);
        archive.openOrCreate();
        QCOMPARE(archive.count(), 0);
    }
    QVERIFY(QFile::exists(path));

    // Something that exists but cannot be opened as a file is reported, never replaced.
    const QString folder = dir.filePath(u"Cartella.pro"_s);
    QVERIFY(QDir().mkdir(folder));
    ArchiveFile blocked(folder, 51);
    QVERIFY_THROWS_EXCEPTION(Failure, blocked.openOrCreate());
    QVERIFY(QFileInfo(folder).isDir());

    ArchiveFile nowhere(dir.filePath(u"manca/Immobili.pro"_s), 51);
    QVERIFY_THROWS_EXCEPTION(Failure, nowhere.openOrCreate());
}

void TestStorage::archiveAppendsOverPartialRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray first = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal(""));
    writeFile(path, first + QByteArray(20, 'z'));
    Record r(testLayout());
    r.setText(u"Nome"_s, u"due"_s);
    ArchiveFile archive(path, 51);
    archive.openOrCreate();
    archive.seek(archive.count());
    archive.write(r.bytes());
    archive.close();
    QCOMPARE(readFile(path), first + r.bytes());
}

void TestStorage::archiveRollsBackJournal_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QByteArray>("record2");

    const QByteArray oldRecord = handRecord(pascal("vecchio"), pascal("2"), "\x02No", pascal("prima"));
    const QByteArray whole = handJournal(QByteArray("\x33\0\0\0\0\0\0\0", 8), QByteArray("\x33\0\0\0", 4), oldRecord);
    QTest::newRow("whole journal: the old record is put back") << whole << oldRecord;
    // A journal cut while it was written means the archive was not touched yet.
    const QByteArray torn = handRecord(pascal("nuovo"), pascal("2"), "\x02No", pascal("prima"));
    QTest::newRow("cut journal: the archive stays") << whole.left(whole.size() - 5) << torn;
    QByteArray corrupt = whole;
    corrupt[30] = 'Z';
    QTest::newRow("damaged journal: the archive stays") << corrupt << torn;
}

void TestStorage::archiveRollsBackJournal()
{
    QFETCH(QByteArray, journal);
    QFETCH(QByteArray, record2);
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray first = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal(""));
    // Record 2 as a crash leaves it: the new name written, the rest still old.
    const QByteArray torn = handRecord(pascal("nuovo"), pascal("2"), "\x02No", pascal("prima"));
    writeFile(path, first + torn);
    writeFile(path + u"-journal"_s, journal);
    QCOMPARE((path + u"-journal"_s), path + u"-journal"_s);

    TestCard card(path); // the first operation on the archive puts it right
    card.position->setText(u"1"_s);
    card.protocol.navigate(NavigationButton::Next);
    QCOMPARE(readFile(path), first + record2);
    QCOMPARE(card.nome->text(), nameIn(record2));
    QVERIFY(!QFile::exists(path + u"-journal"_s));
    QCOMPARE(desktop.messages.size(), 0);
}

void TestStorage::interruptedOverwriteLeavesOldRecord()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    TestCard card(path);
    card.nome->setText(u"Rossi"_s);
    card.note->setText(u"prima versione"_s);
    QVERIFY(card.protocol.save());
    const QByteArray saved = readFile(path);

    card.nome->setText(u"Verdi"_s);
    card.note->setText(u"seconda versione"_s);
    ArchiveFile::failForTests(ArchiveFile::Step::Tear); // killed halfway through the overwrite
    QVERIFY(!card.protocol.save());
    ArchiveFile::failForTests(std::nullopt);
    QVERIFY(readFile(path) != saved); // half of the new record reached the file
    QVERIFY(QFile::exists((path + u"-journal"_s)));

    card.protocol.navigate(NavigationButton::First); // the next run's first operation
    QCOMPARE(readFile(path), saved);
    QCOMPARE(card.nome->text(), u"Rossi"_s);
    QCOMPARE(card.note->text(), u"prima versione"_s);
    QVERIFY(!QFile::exists((path + u"-journal"_s)));

    card.nome->setText(u"Verdi"_s); // a save that completes leaves the new record and no journal
    QVERIFY(card.protocol.save());
    QCOMPARE(nameIn(readFile(path)), u"Verdi"_s);
    QVERIFY(!QFile::exists((path + u"-journal"_s)));
}

void TestStorage::twoProcessesAppending()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Concorrente.pro"_s);
    const int perWriter = 3000;
    QProcess a, b;
    a.start(QString::fromUtf8(APPENDER), {path, u"A"_s, QString::number(perWriter)});
    b.start(QString::fromUtf8(APPENDER), {path, u"B"_s, QString::number(perWriter)});
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);

    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 2 * perWriter * 51);
    QSet<QString> seen;
    int lastSeq[2] = {-1, -1};
    for (int i = 0; i < 2 * perWriter; ++i) {
        Record r(testLayout());
        r.bytes() = bytes.mid(i * 51, 51);
        const QString writer = r.text(u"Nome"_s);
        QVERIFY2(writer == u"A"_s || writer == u"B"_s, qPrintable(writer));
        QCOMPARE(r.text(u"Note"_s), u"scrittura concorrente"_s);
        const int seq = r.text(u"Seq"_s).toInt();
        int& last = lastSeq[writer == u"B"_s];
        QCOMPARE(seq, last + 1); // each writer's records in its own order, none lost
        last = seq;
        QCOMPARE(r.flag(u"Pagata"_s), std::optional<bool>(seq % 2 == 0));
    }
    QCOMPARE(lastSeq[0], perWriter - 1);
    QCOMPARE(lastSeq[1], perWriter - 1);
}

void TestStorage::appendAllAddsEveryRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray first = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal(""));
    writeFile(path, first + QByteArray(20, 'z')); // a partial record, never counted, is written over
    const QList<QByteArray> added = numbered({u"due"_s, u"tre"_s, u"quattro"_s});
    ArchiveFile archive(path, 51);
    archive.openOrCreate();
    archive.appendAll(added);
    QCOMPARE(archive.currentIndex(), 4);
    archive.close();
    QCOMPARE(readFile(path), first + added[0] + added[1] + added[2]);
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

void TestStorage::appendAllIsAllOrNone_data()
{
    QTest::addColumn<ArchiveFile::Step>("fault");
    QTest::addColumn<bool>("journalStays");
    QTest::newRow("a write fails midway: cut back at once") << ArchiveFile::Step::Write << false;
    QTest::newRow("killed midway: cut back at the next opening") << ArchiveFile::Step::Tear << true;
}

void TestStorage::appendAllIsAllOrNone()
{
    QFETCH(ArchiveFile::Step, fault);
    QFETCH(bool, journalStays);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray before = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal("")) +
                              handRecord(pascal("due"), pascal("2"), "\x02No", pascal(""));
    writeFile(path, before);
    {
        ArchiveFile archive(path, 51);
        archive.openOrCreate();
        ArchiveFile::failForTests(fault);
        QVERIFY_THROWS_EXCEPTION(Failure, archive.appendAll(numbered({u"a"_s, u"b"_s, u"c"_s, u"d"_s})));
        ArchiveFile::failForTests(std::nullopt);
    }
    QCOMPARE(QFile::exists(path + u"-journal"_s), journalStays);
    if (journalStays)
        QCOMPARE(readFile(path).size(), before.size() + 2 * 51); // two of the four reached the file

    ArchiveFile again(path, 51); // the next operation on the archive
    again.openOrCreate();
    QCOMPARE(again.count(), 2);
    again.close();
    QCOMPARE(readFile(path), before);
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

void TestStorage::appendJournalRolledBack_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<int>("records"); // left in the archive, or -1 when opening fails
    const QByteArray size51("\x33\0\0\0", 4);
    const QByteArray whole = handAppendJournal(QByteArray("\x33\0\0\0\0\0\0\0", 8), size51);
    QTest::newRow("whole journal: cut to the old length") << whole << 1;
    QTest::newRow("cut journal: the archive was not touched yet") << whole.left(whole.size() - 1) << 3;
    QTest::newRow("odd length: another archive's journal")
        << handAppendJournal(QByteArray("\x34\0\0\0\0\0\0\0", 8), size51) << -1;
}

void TestStorage::appendJournalRolledBack()
{
    QFETCH(QByteArray, journal);
    QFETCH(int, records);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray archiveBytes = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal("")) +
                                    handRecord(pascal("due"), pascal("2"), "\x02No", pascal("")) +
                                    handRecord(pascal("tre"), pascal("3"), "\x02No", pascal(""));
    writeFile(path, archiveBytes);
    writeFile(path + u"-journal"_s, journal);
    ArchiveFile archive(path, 51);
    if (records < 0) {
        QVERIFY_THROWS_EXCEPTION(Failure, archive.openOrCreate());
        QCOMPARE(readFile(path), archiveBytes); // both files left as they are
        QVERIFY(QFile::exists(path + u"-journal"_s));
        return;
    }
    archive.openOrCreate();
    QCOMPARE(archive.count(), records);
    archive.close();
    QCOMPARE(readFile(path), archiveBytes.left(records * 51));
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

// A real kill: the kernel ends the appending program when its third record would pass the file
// size limit it runs under.
void TestStorage::killedAppendLeavesTheArchive()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    const QByteArray before = handRecord(pascal("uno"), pascal("1"), "\x02No", pascal(""));
    writeFile(path, before);
    QProcess appender;
    appender.start(QString::fromUtf8(APPENDER), {path, u"K"_s, u"5"_s, u"batch"_s, QString::number(3 * 51)});
    QVERIFY(appender.waitForFinished(60000));
    QCOMPARE(appender.exitStatus(), QProcess::CrashExit);
    QCOMPARE(readFile(path).size(), 3 * 51); // two of the five reached the file
    QVERIFY(QFile::exists(path + u"-journal"_s));

    ArchiveFile archive(path, 51);
    archive.openOrCreate();
    QCOMPARE(archive.count(), 1);
    archive.close();
    QCOMPARE(readFile(path), before);
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

void TestStorage::listMatching_data()
{
    QTest::addColumn<QStringList>("criteria");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("listed");
    const QStringList rossi{u"ROSSI"_s, u"Milano"_s};
    QTest::newRow("substring anywhere")
        << QStringList{u"ross"_s, QString()} << QStringList{u"Grossi"_s, u"x"_s} << true;
    QTest::newRow("capitals typed, small stored")
        << QStringList{u"ROSSI"_s, QString()} << QStringList{u"rossi"_s, u""_s} << true;
    QTest::newRow("both criteria needed") << QStringList{u"rossi"_s, u"milano"_s} << rossi << true;
    QTest::newRow("one of two is not enough") << QStringList{u"rossi"_s, u"roma"_s} << rossi << false;
    QTest::newRow("accented letters as they are")
        << QStringList{u"CITTÀ"_s, QString()} << QStringList{u"città"_s, u""_s} << false;
    QTest::newRow("accented letters equal")
        << QStringList{u"città"_s, QString()} << QStringList{u"Città Alta"_s, u""_s} << true;
    QTest::newRow("criterion with a blank is searched with it")
        << QStringList{u"rossi "_s, QString()} << rossi << false;
    QTest::newRow("blank criterion: unused but searched")
        << QStringList{u"  "_s, u"milano"_s} << QStringList{u"a  b"_s, u"Milano"_s} << true;
    QTest::newRow("all empty lists everything")
        << QStringList{QString(), QString()} << QStringList{u"x"_s, u"y"_s} << true;
    QTest::newRow("euro sign and quotes")
        << QStringList{u"€ 5"_s, u"“x”"_s} << QStringList{u"rata € 50"_s, u"detto “x”"_s} << true;
    QTest::newRow("character no field can hold")
        << QStringList{u"Ω"_s, QString()} << QStringList{u"?"_s, u""_s} << false;
}

void TestStorage::listMatching()
{
    QFETCH(QStringList, criteria);
    QFETCH(QStringList, fields);
    QFETCH(bool, listed);
    QCOMPARE(ListSearch::matches(criteria, fields, ListSearch::usedCriteria(criteria)), listed);
    // The same rule on the stored bytes of a record.
    Record r(testLayout());
    r.setText(u"Nome"_s, fields[0]);
    r.setText(u"Note"_s, fields[1]);
    QCOMPARE(ListSearch::Matcher(criteria, testLayout(), {u"Nome"_s, u"Note"_s}).matches(r), listed);
}

void TestStorage::matcherReadsStoredBytes()
{
    // A length byte over the capacity, blanks around the text, a control character inside.
    Record r(testLayout());
    r.bytes() = handRecord(char(200) + QByteArray(" \tABC\x01"
                                                  "DEFG"),
                           pascal("1"), "\x02No", pascal("  \x80 citt\xE0 "));
    const QStringList fields{u"Nome"_s, u"Note"_s};
    const auto listed = [&](const QStringList& criteria) {
        return ListSearch::Matcher(criteria, testLayout(), fields).matches(r);
    };
    QVERIFY(listed({u"abc\u0001d"_s, u"€ città"_s}));
    QVERIFY(listed({u"defg"_s, QString()})); // the length byte claims 200: the capacity holds
    QVERIFY(!listed({u"defgx"_s, QString()}));
    QVERIFY(!listed({u"\tabc"_s, QString()})); // the stored text is trimmed first
    QVERIFY(!listed({QString(), u"città "_s}));
}

void TestStorage::listLinesAndOrder()
{
    QCOMPARE(ListSearch::usedCriteria({u" "_s, u"a"_s, QString(), u" b "_s}), 2);
    QCOMPARE(ListSearch::fixed(u"abc"_s, 5), u"abc  "_s);
    QCOMPARE(ListSearch::fixed(u"abcdefg"_s, 5), u"abcde"_s);
    QStringList lines{u"villa"_s, u"Appartamento"_s, u"_box"_s,        u"Zeta"_s,
                      u"ápice"_s, u"appartamento"_s, u"Villa sul lago b"_s, u"Villa sul lago A"_s};
    ListSearch::sortLines(lines);
    // a to z fold to capitals, then plain character codes: "_" (95) after the capitals; a long
    // common beginning does not change that.
    QCOMPARE(lines, (QStringList{u"Appartamento"_s, u"appartamento"_s, u"villa"_s, u"Villa sul lago A"_s,
                                 u"Villa sul lago b"_s, u"Zeta"_s, u"_box"_s, u"ápice"_s}));
}

void TestStorage::sortedPositionsFollowTheLines()
{
    // Sorting the lines' bytes must give the order of sortLines() on the decoded lines: a to z
    // as capitals, the euro (0x80) and other bytes 0x80 to 0x9F after the letters with accents
    // (they decode above U+00FF), a line before a longer one it begins, equal lines by position.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"prova.dat"_s);
    const QList<QByteArray> notes = {"villa",   "Appartamento", "\x80 box", "_box",         "\xe1pice",
                                     "\xff",   "appartamento", "Zeta",      "villa",        "vill",
                                     "\x81x",  "VILLA",        "\x8a",     "appartamento", "",
                                     "Villa sul lago b", "Villa sul lago A"};
    QByteArray bytes;
    for (const QByteArray& note : notes)
        bytes += handRecord(pascal("n"), pascal("1"), "\x02No", pascal(note));
    writeFile(path, bytes);
    const int note = testLayout().indexOf(u"Note"_s);
    const auto lineOf = [note](const Record& r) -> QString { return u"> "_s + r.textAt(note); };
    const ListSearch::Matcher everything(QStringList(1), testLayout(), {u"Note"_s});
    // A line built as bytes is the text line in the code page: trimmed, cut and padded alike.
    {
        Record r(testLayout());
        r.bytes() = handRecord(pascal("  n\x80me  "), pascal("1"), "\x02No", pascal(" a long note, cut at ten "));
        QString text;
        ListSearch::ByteLine bytes;
        for (const int width : {4, 12}) {
            const qsizetype t = text.size(), b = bytes.size();
            ListSearch::appendField(text, r, testLayout().indexOf(u"Nome"_s), t + width);
            ListSearch::fitFrom(text, t, width);
            ListSearch::appendField(bytes, r, testLayout().indexOf(u"Nome"_s), b + width);
            ListSearch::fitFrom(bytes, b, width);
            ListSearch::appendField(text, r, note, text.size() + 10);
            ListSearch::appendField(bytes, r, note, bytes.size() + 10);
        }
        QCOMPARE(Cp1252::encode(text), bytes.view().toByteArray());
        QCOMPARE(text, u"n€mea long notn€me        a long not"_s);
    }
    const QList<int> sorted = ListSearch::sortedPositions(
        path, testLayout(), everything,
        [&](ListSearch::ByteLine& out, const Record& r) { out.append(Cp1252::encode(lineOf(r))); });

    QList<ListSearch::ListLine> lines;
    ListSearch::forEachRecord(path, testLayout(),
                              [&](const Record& r, int position) { lines.append({lineOf(r), position}); });
    ListSearch::sortLines(lines);
    QList<int> expected;
    for (const ListSearch::ListLine& line : lines)
        expected.append(int(line.position));
    QCOMPARE(sorted, expected);
    QCOMPARE(sorted.size(), notes.size());
    QCOMPARE(sorted.mid(0, 4), (QList<int>{15, 2, 7, 14})); // "> ", then the three "appartamento"
}

void TestStorage::findNext()
{
    const QStringList lines{u"uno"_s,     u"due"_s,       u"Verdi Mario"_s, u"tre"_s,
                            u"quattro"_s, u"Via Verdi"_s, u"sei"_s};
    QString last;
    int selected = -1;
    for (int expected : {2, 5, 2}) {
        selected = ListSearch::findNext(lines, selected, u"verdi"_s, last);
        QCOMPARE(selected, expected);
    }
    // A new text tests line 0 first, even when another line is selected.
    QCOMPARE(ListSearch::findNext(lines, 5, u"UNO"_s, last), 0);
    QCOMPARE(ListSearch::findNext(lines, 0, u"uno"_s, last), 0); // the only match, found again after wrapping
    QCOMPARE(ListSearch::findNext(lines, 3, u"nessuno"_s, last), 3); // no match: the selection stays
    QCOMPARE(ListSearch::findNext(lines, -1, QString(), last), 0);   // empty text: first line, nothing found
}

TARVENTO_GUI_TEST_MAIN(TestStorage)
#include "tst_storage.moc"
