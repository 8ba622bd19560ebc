#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"
#include "ricevute/ReceiptSettings.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The receipt settings of Part 4.6: numbering start, payment reasons, logo.
class TestImpostazioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void nextReceiptNumber_data();
    void nextReceiptNumber();
    void numberingStartIsWrittenIntoItsSection();
    void tidyNumberingStart_data();
    void tidyNumberingStart();

    void reasonsKeepTheirBytes();
    void reasonsLines_data();
    void reasonsLines();
    void missingReasonsFileIsAnEmptyList();
    void unreadableReasonsFileIsReported();
    void failedReasonsWriteKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString file(const QString& name) const { return QDir(m_folder->path()).filePath(name); }
};

namespace {
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
} // namespace

void TestImpostazioni::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    ExeFolder::setForTests(m_folder->path());
}

void TestImpostazioni::cleanup()
{
    ReceiptSettings::failReasonsReadForTests(false);
    SafeWrite::failWritesForTests(false);
    ExeFolder::setForTests({});
    m_folder.reset();
}

void TestImpostazioni::nextReceiptNumber_data()
{
    QTest::addColumn<QByteArray>("ini"); // "(none)": no Affitti.ini
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("start");

    QTest::newRow("start 100, 7 receipts") << "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba << 7 << 107 << 100;
    QTest::newRow("start 100, empty archive") << "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba << 0 << 100 << 100;
    QTest::newRow("no file") << "(none)"_ba << 7 << 8 << 1;
    QTest::newRow("empty file") << QByteArray() << 7 << 8 << 1;
    QTest::newRow("other section") << "[Altro]\r\nInizio=100\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("empty value") << "[Numerazione Ricevute]\r\nInizio=\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("letters") << "[Numerazione Ricevute]\r\nInizio=abc\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("decimals") << "[Numerazione Ricevute]\r\nInizio=12,5\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("ten digits") << "[Numerazione Ricevute]\r\nInizio=1234567890\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("leading zeros, names in other case")
        << "[numerazione ricevute]\nINIZIO = 007\n"_ba << 3 << 10 << 7;
    QTest::newRow("zero") << "[Numerazione Ricevute]\r\nInizio=0\r\n"_ba << 0 << 0 << 0;
    QTest::newRow("bytes that are no text") << "\xFF\xFE\x00[\x01\x02"_ba << 4 << 5 << 1;
}

void TestImpostazioni::nextReceiptNumber()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, count);
    QFETCH(int, expected);
    QFETCH(int, start);
    if (ini != "(none)")
        writeBytes(file(u"Affitti.ini"_s), ini);
    QCOMPARE(ReceiptSettings::nextReceiptNumber(count), expected);
    QCOMPARE(ReceiptSettings::numberingStart(), start);
}

void TestImpostazioni::numberingStartIsWrittenIntoItsSection()
{
    QCOMPARE(ReceiptSettings::numberingStartText(), QString());
    ReceiptSettings::setNumberingStart(u"100"_s);
    QCOMPARE(readAll(file(u"Affitti.ini"_s)), "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba);
    QCOMPARE(ReceiptSettings::nextReceiptNumber(4), 104);

    // Only the one line changes; what else the file holds stays.
    writeBytes(file(u"Affitti.ini"_s), "; nota\r\n[Numerazione Ricevute]\r\nInizio=5\r\n[Altro]\r\nx=1\r\n"_ba);
    ReceiptSettings::setNumberingStart(u" 12 "_s);
    QCOMPARE(readAll(file(u"Affitti.ini"_s)), "; nota\r\n[Numerazione Ricevute]\r\nInizio=12\r\n[Altro]\r\nx=1\r\n"_ba);
    QCOMPARE(ReceiptSettings::numberingStartText(), u"12"_s);

    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::setNumberingStart(u"40"_s));
    QCOMPARE(ReceiptSettings::numberingStart(), 12);
}

void TestImpostazioni::tidyNumberingStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("007") << u"007"_s << u"7"_s;
    QTest::newRow("0") << u"0"_s << u"0"_s;
    QTest::newRow("100") << u"100"_s << u"100"_s;
    QTest::newRow("empty") << QString() << u"1"_s;
    QTest::newRow("blanks") << u"   "_s << u"1"_s;
    QTest::newRow("letters") << u"1a"_s << u"1"_s;
    QTest::newRow("point is no decimal separator") << u"2.5"_s << u"1"_s;
    QTest::newRow("lone comma") << u","_s << u"1"_s;
    QTest::newRow("lone minus") << u"-"_s << u"1"_s;
    QTest::newRow("2,4") << u"2,4"_s << u"2"_s;
    QTest::newRow("2,5 half goes up") << u"2,5"_s << u"3"_s;
    QTest::newRow(",5") << u",5"_s << u"1"_s;
    QTest::newRow("12,") << u"12,"_s << u"12"_s;
    QTest::newRow("-2,5 half goes up") << u"-2,5"_s << u"-2"_s;
    QTest::newRow("-2,51") << u"-2,51"_s << u"-3"_s;
    QTest::newRow("-0,2") << u"-0,2"_s << u"0"_s;
    QTest::newRow("+4") << u"+4"_s << u"4"_s;
    QTest::newRow("blanks around") << u" 42 "_s << u"42"_s;
}

void TestImpostazioni::tidyNumberingStart()
{
    QFETCH(QString, typed);
    QFETCH(QString, tidied);
    QCOMPARE(ReceiptSettings::tidyNumberingStart(typed), tidied);
}

void TestImpostazioni::reasonsKeepTheirBytes()
{
    // Windows-1252 (è = E8, euro = 80, an undefined byte 81), CR LF, duplicates and an empty line.
    const QByteArray bytes = "Canone di locazione\r\nSpese condominiali\r\n\r\nCaff\xE8 \x80 5 \x81\r\n"
                             "Canone di locazione\r\n"_ba;
    writeBytes(file(u"Causali.lst"_s), bytes);
    const QStringList reasons = ReceiptSettings::loadReasons();
    QCOMPARE(reasons, (QStringList{u"Canone di locazione"_s, u"Spese condominiali"_s, QString(),
                                   u"Caffè € 5 \u0081"_s, u"Canone di locazione"_s}));
    ReceiptSettings::saveReasons(reasons);
    QCOMPARE(readAll(file(u"Causali.lst"_s)), bytes);

    ReceiptSettings::saveReasons({});
    QCOMPARE(readAll(file(u"Causali.lst"_s)), QByteArray()); // every item deleted: length 0
}

void TestImpostazioni::reasonsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("reasons");
    QTest::newRow("no last line break") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF only") << "a\nb\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR only") << "a\rb\r"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trimmed") << "  Affitto marzo \t\r\n"_ba << QStringList{u"Affitto marzo"_s};
    QTest::newRow("empty lines stay") << "\r\n\r\nx\r\n"_ba << QStringList{QString(), QString(), u"x"_s};
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" "Caff\xC3\xA8\r\n"_ba << QStringList{u"Caffè"_s};
    QTest::newRow("UTF-16 LE with BOM") << "\xFF\xFEx\0\r\0\n\0y\0"_ba << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestImpostazioni::reasonsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, reasons);
    writeBytes(file(u"Causali.lst"_s), bytes);
    QCOMPARE(ReceiptSettings::loadReasons(), reasons);
}

void TestImpostazioni::missingReasonsFileIsAnEmptyList()
{
    QCOMPARE(ReceiptSettings::loadReasons(), QStringList());
    QVERIFY(!QFile::exists(file(u"Causali.lst"_s))); // reading creates nothing
}

void TestImpostazioni::unreadableReasonsFileIsReported()
{
    writeBytes(file(u"Causali.lst"_s), "Canone\r\n"_ba);
    ReceiptSettings::failReasonsReadForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::loadReasons());

    // A folder named Causali.lst cannot be read as a file either.
    ReceiptSettings::failReasonsReadForTests(false);
    QFile::remove(file(u"Causali.lst"_s));
    QVERIFY(QDir(m_folder->path()).mkdir(u"Causali.lst"_s));
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::loadReasons());
}

void TestImpostazioni::failedReasonsWriteKeepsTheOldFile()
{
    writeBytes(file(u"Causali.lst"_s), "Canone\r\n"_ba);
    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::saveReasons({u"Nuova"_s}));
    QCOMPARE(readAll(file(u"Causali.lst"_s)), "Canone\r\n"_ba);
}

TARVENTO_GUI_TEST_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
