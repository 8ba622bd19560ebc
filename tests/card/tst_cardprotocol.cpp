#include "card/CardNavigation.h"
#include "card/CardProtocol.h"
#include "storage/ArchiveFile.h"
#include "support/Files.h"
#include "support/ScriptedDesktop.h"
#include "support/TestCard.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = NavigationStep::Kind;

Q_DECLARE_METATYPE(NavigationButton)
Q_DECLARE_METATYPE(NavigationStep)

// The card protocol every card screen shares, on a small card of the tests' own: save,
// navigation, messages, and what a failure leaves on the card.
class TestCardProtocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ArchiveFile::failForTests(std::nullopt); }
    void navigationTable_data();
    void navigationTable();
    void saveAppendsThenOverwrites();
    void navigationLoadsRecords();
    void navigationOfMissingOrEmptyArchive();
    void failuresLeaveTheCardAsItWas();
    void accessMessageText();
    void archiveBeyondTwoGigaRecords();
};

void TestCardProtocol::archiveBeyondTwoGigaRecords()
{
    // A sparse file of 2^31 + 1 records: counts, positions and offsets past 32 bits.
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Grande.pro"_s);
    const qint64 records = (qint64(1) << 31) + 1;
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(records * 51));
    }
    ArchiveFile archive(path, 51);
    archive.openOrCreate();
    QCOMPARE(archive.count(), records);
    archive.close();

    TestCard card(path);
    card.protocol.navigate(NavigationButton::Last);
    QCOMPARE(card.position->text(), u"2147483649"_s);
    card.nome->setText(u"ultimo"_s);
    QVERIFY(card.protocol.save());
    QCOMPARE(card.position->text(), u"2147483649"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.size(), records * 51);
    QVERIFY(f.seek((records - 1) * 51));
    QCOMPARE(f.read(7), pascal("ultimo"));
}

void TestCardProtocol::navigationTable_data()
{
    QTest::addColumn<NavigationButton>("button");
    QTest::addColumn<int>("position"); // 0: a new card
    QTest::addColumn<int>("count");
    QTest::addColumn<NavigationStep>("step");
    using B = NavigationButton;
    const NavigationStep empty{Kind::EmptyArchive}, nothing{Kind::Nothing};
    auto load = [](int k) { return NavigationStep{Kind::Load, k}; };
    QTest::newRow("first, new card") << B::First << 0 << 5 << load(1);
    QTest::newRow("first, card 3") << B::First << 3 << 5 << load(1);
    QTest::newRow("first, empty") << B::First << 2 << 0 << empty;
    QTest::newRow("previous, new card") << B::Previous << 0 << 5 << load(1);
    QTest::newRow("previous, card 1") << B::Previous << 1 << 5 << nothing;
    QTest::newRow("previous, card 4") << B::Previous << 4 << 5 << load(3);
    QTest::newRow("previous, empty, new card") << B::Previous << 0 << 0 << empty;
    QTest::newRow("previous, empty, card 1") << B::Previous << 1 << 0 << nothing;
    QTest::newRow("previous, empty, card 2") << B::Previous << 2 << 0 << empty;
    QTest::newRow("next, new card") << B::Next << 0 << 5 << load(1);
    QTest::newRow("next, card 2") << B::Next << 2 << 5 << load(3);
    QTest::newRow("next, last card") << B::Next << 5 << 5 << nothing;
    QTest::newRow("next, beyond the end") << B::Next << 7 << 5 << nothing;
    QTest::newRow("next, empty, new card")
        << B::Next << 0 << 0 << NavigationStep{Kind::ClearThenEmptyArchive};
    QTest::newRow("next, empty, card 1") << B::Next << 1 << 0 << NavigationStep{Kind::ClearThenEmptyArchive};
    QTest::newRow("last, new card") << B::Last << 0 << 5 << load(5);
    QTest::newRow("last, card 5") << B::Last << 5 << 5 << load(5);
    QTest::newRow("last, empty") << B::Last << 0 << 0 << empty;
}

void TestCardProtocol::navigationTable()
{
    QFETCH(NavigationButton, button);
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(NavigationStep, step);
    const NavigationStep got =
        navigationStep(button, position ? std::optional<int>(position) : std::nullopt, count);
    QCOMPARE(int(got.kind), int(step.kind));
    QCOMPARE(got.position, step.position);
}

void TestCardProtocol::saveAppendsThenOverwrites()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    TestCard card(path);
    card.nome->setText(u"  Bianchi "_s);
    card.pagata->setChecked(true);

    QVERIFY(card.protocol.save());
    QCOMPARE(card.position->text(), u"1"_s);
    QCOMPARE(desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Information,
                                       u"La scheda corrente è stata inserita in archivio."_s}));

    card.note->setText(u"secondo salvataggio"_s);
    QVERIFY(card.protocol.save());
    QCOMPARE(card.position->text(), u"1"_s);
    QCOMPARE(desktop.lastMessage(),
             (ScriptedDesktop::Message{
                 Desktop::Kind::Information,
                 u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s}));

    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 51); // appended once, then overwritten
    QCOMPARE(bytes.left(8), pascal("Bianchi"));
    QCOMPARE(bytes.mid(17, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(bytes.mid(20, 20), pascal("secondo salvataggio"));

    card.position->clear();
    QVERIFY(card.protocol.save());
    QCOMPARE(card.position->text(), u"2"_s);
    QCOMPARE(readFile(path).size(), 102);
}

void TestCardProtocol::navigationLoadsRecords()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    writeFile(path, handRecord(pascal("uno"), pascal("1"), "\x02\x53\xEC", pascal("")) +
                        handRecord(pascal("due"), pascal("2"), QByteArray("\x00xx", 3), pascal(" nota ")) +
                        handRecord(pascal("tre"), pascal("3"), "\x02No", pascal("")) + QByteArray(40, 'z'));
    TestCard card(path);

    card.protocol.navigate(NavigationButton::Last);
    QCOMPARE(card.nome->text(), u"tre"_s);
    QCOMPARE(card.position->text(), u"3"_s);
    QVERIFY(!card.pagata->isChecked());

    card.protocol.navigate(NavigationButton::Next); // at the end: nothing changes
    QCOMPARE(card.position->text(), u"3"_s);

    card.pagata->setChecked(true);
    card.protocol.navigate(NavigationButton::Previous);
    QCOMPARE(card.nome->text(), u"due"_s);
    QCOMPARE(card.note->text(), u"nota"_s);
    QVERIFY(card.pagata->isChecked()); // an empty flag leaves the check box as it was

    card.protocol.navigate(NavigationButton::First);
    card.protocol.navigate(NavigationButton::Previous);
    QCOMPARE(card.position->text(), u"1"_s);
    QCOMPARE(card.nome->text(), u"uno"_s);

    card.position->clear();
    card.nome->setText(u"non salvato"_s);
    card.protocol.navigate(NavigationButton::Next);
    QCOMPARE(card.nome->text(), u"uno"_s);
    QVERIFY(desktop.messages.isEmpty());
}

void TestCardProtocol::navigationOfMissingOrEmptyArchive()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Immobili.pro"_s);
    TestCard card(path);
    card.protocol.navigate(NavigationButton::First);
    QVERIFY(QFile::exists(path));
    QCOMPARE(readFile(path).size(), 0);
    QCOMPARE(desktop.lastMessage(), kEmpty);

    card.position->setText(u"4"_s);
    card.protocol.navigate(NavigationButton::Next);
    QCOMPARE(card.position->text(), QString());
    QCOMPARE(desktop.messages.size(), 2);
}

void TestCardProtocol::failuresLeaveTheCardAsItWas()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.pro"_s);
    writeFile(path, handRecord(pascal("uno"), pascal("1"), "\x02No", pascal("")) +
                        handRecord(pascal("due"), pascal("2"), "\x02No", pascal("")));
    TestCard card(path);
    card.protocol.navigate(NavigationButton::First);

    ArchiveFile::failForTests(ArchiveFile::Step::Read);
    card.protocol.navigate(NavigationButton::Next);
    QCOMPARE(card.nome->text(), u"uno"_s);
    QCOMPARE(card.position->text(), u"1"_s);
    QCOMPARE(desktop.lastMessage(), kAccessError);

    ArchiveFile::failForTests(ArchiveFile::Step::Write);
    card.position->clear();
    QVERIFY(!card.protocol.save());
    QCOMPARE(card.position->text(), QString()); // the next save tries the same append again
    QCOMPARE(desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Warning, CardProtocol::accessMessage()}));
    QCOMPARE(readFile(path).size(), 102);

    ArchiveFile::failForTests(ArchiveFile::Step::Open);
    card.protocol.navigate(NavigationButton::Last);
    QCOMPARE(card.nome->text(), u"uno"_s);
    QCOMPARE(desktop.lastMessage(), kAccessError);

    ArchiveFile::failForTests(std::nullopt);
    card.position->setText(u"abc"_s); // a label that is not a number fails like the file
    card.protocol.navigate(NavigationButton::Next);
    QCOMPARE(desktop.lastMessage(), kAccessError);

    TestCard nowhere(dir.filePath(u"manca/Prova.pro"_s)); // a folder that cannot be written
    nowhere.nome->setText(u"x"_s);
    QVERIFY(!nowhere.protocol.save());
    QCOMPARE(nowhere.position->text(), QString());
    QCOMPARE(desktop.lastMessage().text, CardProtocol::accessMessage());
}

void TestCardProtocol::accessMessageText()
{
    QCOMPARE(
        CardProtocol::accessMessage(),
        u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
        u"privilegi di scrittura nella cartella di installazione del programma."_s);
}

TARVENTO_GUI_TEST_MAIN(TestCardProtocol)
#include "tst_cardprotocol.moc"
