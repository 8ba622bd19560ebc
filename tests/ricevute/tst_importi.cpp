#include "immobili/SchedaImmobile.h"
#include "platform/Cp1252.h"
#include "platform/Formats.h"
#include "platform/Money.h"
#include "ricevute/ImportoInLettere.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/TotaliRicevuta.h"

#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

// What a tidy rule gives for a text that is not an amount.
static const QString kNotAnAmount = u"(non è un importo)"_s;

// The receipt's arithmetic and record, without screens: the money type, the amount field
// tidy, the ISTAT amount, the totals, the amount in words and the record table.
class TestImporti : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void moneyParses_data();
    void moneyParses();
    void moneyRoundsHalfAwayFromZero_data();
    void moneyRoundsHalfAwayFromZero();
    void moneyAddsExactly();
    void tidyOnLeaving_data();
    void tidyOnLeaving();
    void istatAmount_data();
    void istatAmount();
    void totals_data();
    void totals();
    void totalOfANonNumberIsNothing();
    void words_data();
    void words();
    void groupWords();
    void recordTablePinned();
    void recordFieldsAtFullCapacityRoundTrip();
    void importFromAPropertyCard();
    void lenientDates_data();
    void lenientDates();
};

void TestImporti::moneyParses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact"); // empty: not a number
    QTest::newRow("whole") << u"650"_s << u"650"_s;
    QTest::newRow("two decimals") << u"709,75"_s << u"709,75"_s;
    QTest::newRow("trailing zeros") << u"1021,50"_s << u"1021,5"_s;
    QTest::newRow("leading comma") << u",5"_s << u"0,5"_s;
    QTest::newRow("trailing comma") << u"12,"_s << u"12"_s;
    QTest::newRow("leading zeros") << u"007"_s << u"7"_s;
    QTest::newRow("negative") << u"-100,00"_s << u"-100"_s;
    QTest::newRow("negative comma") << u"-,5"_s << u"-0,5"_s;
    QTest::newRow("blanks around") << u"  12,5 \t"_s << u"12,5"_s;
    QTest::newRow("minus zero") << u"-0"_s << u"0"_s;
    QTest::newRow("thirty digits") << u"-123456789012345678901234567,891"_s
                                   << u"-123456789012345678901234567,891"_s;
    QTest::newRow("lone comma") << u","_s << QString();
    QTest::newRow("lone minus") << u"-"_s << QString();
    QTest::newRow("empty") << u""_s << QString();
    QTest::newRow("dot") << u"1.000"_s << QString();
    QTest::newRow("thousands") << u"1.000,00"_s << QString();
    QTest::newRow("inner minus") << u"1-2"_s << QString();
    QTest::newRow("two commas") << u"1,2,3"_s << QString();
    QTest::newRow("plus") << u"+1"_s << QString();
    QTest::newRow("exponent") << u"1e3"_s << QString();
    QTest::newRow("inner blank") << u"1 2"_s << QString();
}

void TestImporti::moneyParses()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    const std::optional<Money> m = Money::parse(text);
    QCOMPARE(m.has_value(), !exact.isEmpty());
    if (m)
        QCOMPARE(m->toText(), exact);
}

void TestImporti::moneyRoundsHalfAwayFromZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("twoDecimals");
    QTest::newRow("1,005 up (a double gives 1,00)") << u"1,005"_s << u"1,01"_s;
    QTest::newRow("10,005 up") << u"10,005"_s << u"10,01"_s;
    QTest::newRow("0,125 up") << u"0,125"_s << u"0,13"_s;
    QTest::newRow("12,345 up") << u"12,345"_s << u"12,35"_s;
    QTest::newRow("0,015 up") << u"0,015"_s << u"0,02"_s;
    QTest::newRow("under a half") << u"2,3449999"_s << u"2,34"_s;
    QTest::newRow("negative away") << u"-0,125"_s << u"-0,13"_s;
    QTest::newRow("negative to zero") << u"-0,004"_s << u"0,00"_s;
    QTest::newRow("whole") << u"650"_s << u"650,00"_s;
    QTest::newRow("one decimal") << u"662,5"_s << u"662,50"_s;
    QTest::newRow("beyond 64 bits") << u"-98765432109876543210,005"_s << u"-98765432109876543210,01"_s;
}

void TestImporti::moneyRoundsHalfAwayFromZero()
{
    QFETCH(QString, text);
    QFETCH(QString, twoDecimals);
    QCOMPARE(Money::parse(text)->toText(2), twoDecimals);
}

void TestImporti::moneyAddsExactly()
{
    const Money a = *Money::parse(u"0,10"_s), b = *Money::parse(u"0,20"_s);
    QCOMPARE((a + b).toText(), u"0,3"_s);
    QVERIFY(a + b == *Money::parse(u"0,3"_s));
    QCOMPARE((a - b).toText(2), u"-0,10"_s);
    QCOMPARE((*Money::parse(u"450,50"_s) * *Money::parse(u"1"_s)).shifted(2).toText(), u"4,505"_s);
    QCOMPARE(Money::fromUnits(70975, 2).toText(), u"709,75"_s);
    QCOMPARE(Money::parse(u"-12,99"_s)->truncated().toText(), u"-12"_s);
    QVERIFY(*Money::parse(u"2"_s) > *Money::parse(u"1,999"_s));
    // Far beyond any receipt: 30 digits still add exactly.
    const Money big = *Money::parse(u"999999999999999999999999999999"_s);
    QCOMPARE((big - big + Money::fromUnits(1)).toText(), u"1"_s);
}

void TestImporti::tidyOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tidy");
    QTest::newRow("whole") << u"650"_s << u"650,00"_s;
    QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
    QTest::newRow("leading comma") << u",5"_s << u"0,50"_s;
    QTest::newRow("trailing comma") << u"12,"_s << u"12,00"_s;
    QTest::newRow("three decimals stay") << u"1,234"_s << u"1,234"_s;
    QTest::newRow("leading zeros stay") << u"007"_s << u"007,00"_s;
    QTest::newRow("lone comma") << u","_s << u"0,00"_s;
    // Not amounts: the field keeps them as typed, marked, rather than making them 0,00.
    QTest::newRow("lone minus") << u"-"_s << kNotAnAmount;
    QTest::newRow("pasted dot") << u"1.000"_s << kNotAnAmount;
    QTest::newRow("pasted 1-2") << u"1-2"_s << kNotAnAmount;
    QTest::newRow("negative") << u"-100"_s << u"-100,00"_s;
    QTest::newRow("negative comma") << u"-,5"_s << u"-,50"_s;
    QTest::newRow("blanks") << u" 12 "_s << u"12,00"_s;
    QTest::newRow("empty") << u""_s << u""_s;
    QTest::newRow("blank") << u"   "_s << u""_s;
}

void TestImporti::tidyOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, tidy);
    QCOMPARE(TotaliRicevuta::tidyAmount(typed).value_or(kNotAnAmount), tidy);
}

void TestImporti::istatAmount_data()
{
    QTest::addColumn<QString>("rent");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("istat");
    QTest::newRow("the worked example") << u"650,00"_s << u"1,5"_s << u"9,75"_s;
    QTest::newRow("tie 450,50 at 1 % (a double gives 4,50)") << u"450,50"_s << u"1"_s << u"4,51"_s;
    QTest::newRow("1000,50 at 1 %") << u"1000,50"_s << u"1"_s << u"10,01"_s;
    QTest::newRow("under a half") << u"333,33"_s << u"1,2"_s << u"4,00"_s;
    QTest::newRow("negative percentage") << u"800,00"_s << u"-0,3"_s << u"-2,40"_s;
    QTest::newRow("negative tie") << u"450,50"_s << u"-1"_s << u"-4,51"_s;
    QTest::newRow("rent not a number") << u"1-2"_s << u"1,5"_s << u"0,00"_s;
    QTest::newRow("percentage not a number") << u"650,00"_s << u","_s << u"0,00"_s;
}

void TestImporti::istatAmount()
{
    QFETCH(QString, rent);
    QFETCH(QString, percentage);
    QFETCH(QString, istat);
    QCOMPARE(TotaliRicevuta::istatAmount(rent, percentage), istat);
}

void TestImporti::totals_data()
{
    QTest::addColumn<QStringList>("fields"); // field=value pairs
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("withoutIstat");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<QString>("words");
    QTest::newRow("rent, expenses and ISTAT")
        << QStringList{u"Importo01=650,00"_s, u"Importo02=50,00"_s, u"Istat=9,75"_s} << u"709,75"_s
        << u"700,00"_s << u"75"_s << u"SETTECENTONOVE"_s;
    QTest::newRow("one line") << QStringList{u"Importo05=1021,5"_s} << u"1021,50"_s << u"1021,50"_s << u"50"_s
                              << u"MILLEVENTUNO"_s;
    QTest::newRow("all empty") << QStringList{} << u"0,00"_s << u"0,00"_s << u"00"_s << u"ZERO"_s;
    QTest::newRow("0,10 + 0,20") << QStringList{u"Importo01=0,10"_s, u"Importo08=0,20"_s} << u"0,30"_s
                                 << u"0,30"_s << u"30"_s << u"ZERO"_s;
    QTest::newRow("a negative line") << QStringList{u"Importo01=650,00"_s, u"Importo02=-100,00"_s}
                                     << u"550,00"_s << u"550,00"_s << u"00"_s << u"CINQUECENTOCINQUANTA"_s;
    QTest::newRow("negative total") << QStringList{u"Importo03=-5,00"_s} << u"-5,00"_s << u"-5,00"_s
                                    << u"00"_s << u"- CINQUE"_s;
    QTest::newRow("negative under a euro")
        << QStringList{u"Importo03=-0,50"_s} << u"-0,50"_s << u"-0,50"_s << u"50"_s << u"ZERO"_s;
    QTest::newRow("third decimal 10,005")
        << QStringList{u"Importo01=10,005"_s} << u"10,01"_s << u"10,01"_s << u"01"_s << u"DIECI"_s;
    QTest::newRow("third decimal 1,005")
        << QStringList{u"Importo01=1,005"_s} << u"1,01"_s << u"1,01"_s << u"01"_s << u"UNO"_s;
    QTest::newRow("blank fields count 0")
        << QStringList{u"Importo01=  "_s, u"Istat=2"_s} << u"2,00"_s << u"0,00"_s << u"00"_s << u"DUE"_s;
}

void TestImporti::totals()
{
    QFETCH(QStringList, fields);
    QHash<QString, QString> texts;
    for (const QString& pair : fields)
        texts.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    const auto t = TotaliRicevuta::compute([&](const QString& field) { return texts.value(field); });
    QVERIFY(t.has_value());
    QTEST(t->total, "total");
    QTEST(t->withoutIstat, "withoutIstat");
    QTEST(t->cents, "cents");
    QTEST(t->words, "words");
}

void TestImporti::totalOfANonNumberIsNothing()
{
    QHash<QString, QString> texts{{u"Importo01"_s, u"650,00"_s}, {u"Importo04"_s, u"1-2"_s}};
    QVERIFY(!TotaliRicevuta::compute([&](const QString& field) { return texts.value(field); }));
    QCOMPARE(TotaliRicevuta::amountFields().size(), 9);
}

void TestImporti::words_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("words");
    const QList<std::pair<const char*, const char*>> rows = {
        {"0", "ZERO"},
        {"1", "UNO"},
        {"16", "SEDICI"},
        {"21", "VENTUNO"},
        {"28", "VENTIOTTO"},
        {"38", "TRENTAOTTO"},
        {"83", "OTTANTATRE"},
        {"100", "CENTO"},
        {"101", "CENTOUNO"},
        {"108", "CENTOOTTO"},
        {"180", "CENTOOTTANTA"},
        {"650", "SEICENTOCINQUANTA"},
        {"709", "SETTECENTONOVE"},
        {"1000", "MILLE"},
        {"1001", "MILLEUNO"},
        {"1021", "MILLEVENTUNO"},
        {"1100", "MILLECENTO"},
        {"2000", "DUEMILA"},
        {"21000", "VENTUNOMILA"},
        {"101000", "CENTOUNOMILA"},
        {"201000", "DUECENTOUNOMILA"},
        {"1000000", "UNMILIONE"},
        {"1000001", "UNMILIONEUNO"},
        {"2001000", "DUEMILIONIMILLE"},
        {"2500000", "DUEMILIONICINQUECENTOMILA"},
        {"1000000000", "UNMILIARDO"},
        {"999999999999", "NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONINOVECENTONOVANTANOVEMILA"
                         "NOVECENTONOVANTANOVE"},
        {"1000000000000", ""},
        {"-5", "- CINQUE"},
        {"-0", "ZERO"},
        {"1021,50", "MILLEVENTUNO E CINQUANTA CENTESIMI"},
        {"0,50", "ZERO E CINQUANTA CENTESIMI"},
        {"-0,50", "- ZERO E CINQUANTA CENTESIMI"},
        {"2,005", "DUE E UNO CENTESIMI"},
    };
    for (const auto& [value, words] : rows)
        QTest::newRow(value) << QString::fromLatin1(value) << QString::fromLatin1(words);
}

void TestImporti::words()
{
    QFETCH(QString, value);
    QTEST(ImportoInLettere(*Money::parse(value)), "words");
}

void TestImporti::groupWords()
{
    QCOMPARE(GruppoInLettere(0), QString());
    QCOMPARE(GruppoInLettere(11), u"undici"_s);
    QCOMPARE(GruppoInLettere(91), u"novantuno"_s);
    QCOMPARE(GruppoInLettere(999), u"novecentonovantanove"_s);
    QCOMPARE(GruppoInLettere(310), u"trecentodieci"_s);
}

void TestImporti::recordTablePinned()
{
    const RecordLayout& l = SchedaRicevuta::layout();
    QCOMPARE(l.size(), 2314);
    QCOMPARE(SchedaRicevuta::fields().size(), 38);
    const QList<std::pair<const char*, int>> offsets = {
        {"NumRic", 0},         {"Data", 31},          {"UfficioTer", 52},   {"CodContratto", 105},
        {"CognomeLoc01", 187}, {"CodFiscCon01", 328}, {"Immobile", 345},    {"Note", 596},
        {"Causale01", 847},    {"Importo01", 968},    {"PercIstat", 979},   {"Istat", 990},
        {"Causale02", 1001},   {"Importo08", 1914},   {"ImpLettere", 1925}, {"Cents", 2176},
        {"TotRicevuta", 2179}, {"Bollo", 2190},       {"Saldata", 2311}};
    for (const auto& [name, offset] : offsets)
        QCOMPARE(l.offset(QString::fromLatin1(name)), offset);

    // A paid receipt, by hand: the length 2, "S" and the single byte 236.
    Record r(l);
    r.setFlag(u"Saldata"_s, true);
    QCOMPARE(r.bytes().mid(2311), QByteArray("\x02\x53\xEC"));
    r.setFlag(u"Saldata"_s, false);
    QCOMPARE(r.bytes().mid(2311), QByteArray("\x02No"));
    r.setText(u"TotRicevuta"_s, u"709,75"_s);
    QCOMPARE(r.bytes().mid(2179, 7), QByteArray("\x06"
                                                "709,75"));
    QCOMPARE(SchedaRicevuta::field(u"Bollo"_s).vocabulary, SchedaRicevuta::bolloNotes());
    QCOMPARE(SchedaRicevuta::archiveName(u"2021"_s), u"2021.ric"_s);
}

void TestImporti::recordFieldsAtFullCapacityRoundTrip()
{
    Record r(SchedaRicevuta::layout());
    for (const CardField& f : SchedaRicevuta::fields()) {
        if (f.entry == CardField::Entry::Check)
            continue;
        // One character too many, ending in an accented letter where it is kept.
        QString text = QString(f.capacity - 1, QChar(char16_t(u'A' + f.name.size() % 26))) + u"à"_s;
        r.setText(f.name, text + u"X"_s);
        QCOMPARE(r.text(f.name), text);
    }
    QCOMPARE(r.bytes().size(), 2314);
    QCOMPARE(quint8(r.bytes().at(345)), quint8(250)); // Immobile holds 250, never a 251st
}

void TestImporti::importFromAPropertyCard()
{
    Record card(SchedaImmobile::layout());
    card.setText(u"UfficioTer"_s, u" Milano 2 "_s);
    card.setText(u"CognomeLoc01"_s, u"ROSSI"_s);
    card.setText(u"CodFiscCon01"_s, u"VRDLGU80A01F205X"_s);
    card.setText(u"Immobile"_s, u"Appartamento in via Roma 1"_s);
    card.setText(u"Periodicita"_s, u"Rata canone di locazione mensile"_s);
    card.setText(u"ImpRata"_s, u"650"_s);
    card.setText(u"CentRata"_s, u"00"_s);
    const auto values = SchedaRicevuta::fromPropertyCard(card);
    QCOMPARE(values.size(), 14);
    QCOMPARE(values.front(), std::make_pair(u"UfficioTer"_s, u"Milano 2"_s));
    QCOMPARE(values.at(5), std::make_pair(u"CognomeLoc01"_s, u"ROSSI"_s));
    QCOMPARE(values.at(12), std::make_pair(u"Causale01"_s, u"Rata canone di locazione mensile"_s));
    QCOMPARE(values.back(), std::make_pair(u"Importo01"_s, u"650,00"_s));

    card.setText(u"CentRata"_s, u"  "_s); // the rent without its cents: the first amount is not touched
    QCOMPARE(SchedaRicevuta::fromPropertyCard(card).size(), 13);
    QCOMPARE(SchedaRicevuta::fromPropertyCard(card).back().first, u"Causale01"_s);
}

void TestImporti::lenientDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::newRow("canonical") << u"15/03/2024"_s << u"15/03/2024"_s;
    QTest::newRow("leap day") << u"29/02/2024"_s << u"29/02/2024"_s;
    QTest::newRow("no leap day") << u"29/02/2023"_s << QString();
    QTest::newRow("impossible") << u"31/02/2021"_s << QString();
    QTest::newRow("one digit") << u"5/3/2024"_s << u"05/03/2024"_s;
    QTest::newRow("two-digit year") << u"05/03/24"_s << u"05/03/2024"_s;
    QTest::newRow("two-digit year, last century") << u"05/03/80"_s << u"05/03/1980"_s;
    QTest::newRow("blanks") << u"  15/03/2024 "_s << u"15/03/2024"_s;
    QTest::newRow("dashes") << u"15-03-2024"_s << QString();
    QTest::newRow("words") << u"oggi"_s << QString();
    QTest::newRow("three-digit year") << u"15/03/202"_s << QString();
    QTest::newRow("month 13") << u"15/13/2024"_s << QString();
    QTest::newRow("inner blank") << u"15/ 3/2024"_s << QString();
    QTest::newRow("four parts") << u"15/03/2024/"_s << QString();
    QTest::newRow("no day") << u"/03/2024"_s << QString();
    QTest::newRow("end of year") << u"31/12/1999"_s << u"31/12/1999"_s;
}

void TestImporti::lenientDates()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const QDate date = Formats::parseLenientDate(typed, QDate(2024, 3, 15));
    QCOMPARE(date.isValid(), !stored.isEmpty());
    // Read from a record's stored bytes, the same date.
    QCOMPARE(Formats::parseLenientDate(QByteArrayView(Cp1252::encode(typed)), QDate(2024, 3, 15)), date);
    if (date.isValid())
        QCOMPARE(Formats::date(date), stored);
}

QTEST_GUILESS_MAIN(TestImporti)
#include "tst_importi.moc"
