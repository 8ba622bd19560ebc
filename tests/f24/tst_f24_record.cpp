#include "f24/F24Amounts.h"
#include "f24/SchedaF24.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What a tidy rule gives for a text that is not an amount.
static const QString kNotAnAmount = u"(non è un importo)"_s;

// The F24 ELIDE record and its amounts, without screens.
class TestF24Record : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordTablePinned();
    void fullCapacityRoundTrip();
    void tidy_data();
    void tidy();
    void balance_data();
    void balance();
    void amountKeys();
};

void TestF24Record::recordTablePinned()
{
    const RecordLayout& l = SchedaF24::layout();
    QCOMPARE(l.size(), 535);
    QCOMPARE(SchedaF24::fields().size(), 27);
    const QList<std::pair<const char*, int>> offsets = {
        {"Data", 0},           {"Delegato", 11},      {"Agenzia", 62},      {"ProvAg", 113},
        {"CodFiscCont", 116},  {"CognomeCont", 133},  {"NomeCont", 184},    {"DataNasc", 235},
        {"Sesso", 246},        {"ComuneNasc", 248},   {"ProvNasc", 299},    {"ComuneDom", 302},
        {"ProvDom", 353},      {"ViaDom", 356},       {"CodFiscCoob", 407}, {"Identificativo", 424},
        {"Tipo01", 427},       {"Elementi01", 429},   {"Codice01", 447},    {"AnnoRif01", 452},
        {"Importo01", 457},    {"Tipo02", 473},       {"Elementi02", 475},  {"Codice02", 493},
        {"AnnoRif02", 498},    {"Importo02", 503},    {"Totale", 519}};
    for (const auto& [name, offset] : offsets)
        QCOMPARE(l.offset(QString::fromLatin1(name)), offset);
    QCOMPARE(SchedaF24::field(u"Totale"_s).caption, u"SALDO FINALE IN  EURO:"_s);
    QCOMPARE(SchedaF24::archiveName(), u"F24_ELIDE.pro"_s);
}

void TestF24Record::fullCapacityRoundTrip()
{
    Record r(SchedaF24::layout());
    QVERIFY(r.bytes().count('\0') == r.bytes().size()); // a fresh buffer is zero-filled
    for (const CardField& f : SchedaF24::fields()) {
        const QString text = QString(f.capacity - 1, u'Z') + u"è"_s;
        r.setText(f.name, text + u"in più"_s);
        QCOMPARE(r.text(f.name), text);
    }
    // A 60-character Delegato keeps its first 50, written after its length byte.
    r.setText(u"Delegato"_s, QString(60, u'B'));
    QCOMPARE(r.bytes().mid(11, 51), QByteArray(1, char(50)) + QByteArray(50, 'B'));
}

void TestF24Record::tidy_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("empty") << u"  "_s << u""_s;
    QTest::newRow("whole") << u"12"_s << u"12,00"_s;
    QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
    QTest::newRow("three decimals up") << u"2,345"_s << u"2,35"_s;
    QTest::newRow("half a cent goes up") << u"0,015"_s << u"0,02"_s;
    QTest::newRow("one and a half cents") << u"1,005"_s << u"1,01"_s;
    QTest::newRow("leading comma") << u",5"_s << u"0,50"_s;
    QTest::newRow("trailing comma") << u"7,"_s << u"7,00"_s;
    QTest::newRow("lone comma") << u","_s << u"0,00"_s;
    QTest::newRow("not a number") << u"1,2,3"_s << kNotAnAmount; // kept as typed, not made 0,00
    QTest::newRow("blanks around") << u" 67,5 "_s << u"67,50"_s;
}

void TestF24Record::tidy()
{
    QFETCH(QString, typed);
    QFETCH(QString, tidied);
    QCOMPARE(F24Amounts::tidy(typed).value_or(kNotAnAmount), tidied);
}

void TestF24Record::balance_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("total"); // "-": no total
    QTest::newRow("two amounts") << u"100,10"_s << u"50,25"_s << u"150,35"_s;
    QTest::newRow("both empty") << u""_s << u" "_s << u"0,00"_s;
    QTest::newRow("line 1 only") << u"67,5"_s << u""_s << u"67,50"_s;
    QTest::newRow("untidied thirds") << u"0,005"_s << u"0,005"_s << u"0,01"_s;
    QTest::newRow("not a number") << u"1,2,3"_s << u"5"_s << u"-"_s;
}

void TestF24Record::balance()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, total);
    const std::optional<QString> sum = F24Amounts::balance(a, b);
    QCOMPARE(sum.value_or(u"-"_s), total);
}

void TestF24Record::amountKeys()
{
    for (QChar c : u"0123456789,"_s)
        QVERIFY(F24Amounts::acceptsKey(c));
    for (QChar c : u".-+ ea€"_s)
        QVERIFY(!F24Amounts::acceptsKey(c));
}

QTEST_GUILESS_MAIN(TestF24Record)
#include "tst_f24_record.moc"
