#include "DozenCards.h"
#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "platform/Clock.h"
#include "ricevute/SchedaRicevuta.h"
#include "scadenze/DeadlineRules.h"
#include "scadenze/Scadenzario.h"
#include "support/Files.h"
#include "support/Receipts.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

using Fields = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Fields)

namespace {

const QDate kToday(2024, 3, 15);

QByteArray cardBytes(const Fields& fields)
{
    Record card(SchedaImmobile::layout());
    card.setText(u"Immobile"_s, u"Appartamento via Roma 1"_s);
    card.setText(u"CognomeCon01"_s, u"ROSSI"_s);
    card.setText(u"NomeCon01"_s, u"MARIO"_s);
    card.setText(u"CodFiscCon01"_s, u"RSSMRA80A01H501U"_s);
    card.setText(u"CodContratto"_s, u"TNR24T000123000AB"_s);
    for (const auto& [name, value] : fields) {
        if (name == u"CedSi01"_s)
            card.setFlag(name, value == u"Sì"_s);
        else
            card.setText(name, value);
    }
    return card.bytes();
}

// What a test compares of a deadline: mark|date|kind|amount|state.
QStringList projected(const QList<Scadenzario::Deadline>& deadlines)
{
    QStringList out;
    for (const auto& d : deadlines) {
        const QString mark =
            d.kind == Scadenzario::Kind::DaVerificare ? u"?"_s : (d.overdue ? u"!"_s : QString());
        out.append(mark + u'|' + (d.date.isValid() ? d.date.toString(u"dd/MM/yyyy"_s) : QString()) + u'|' +
                   Scadenzario::kindText(d.kind) + u'|' + (d.amount ? d.amount->toText(2) : QString()) +
                   u'|' + d.state);
    }
    return out;
}

} // namespace

// The deadline rules and the list they make, without screens.
class TestScadenze : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixedForTests(QDateTime(kToday, QTime(9, 0))); }
    void cleanup() { Clock::setFixedForTests({}); }
    void rules_data();
    void rules();
    void taxYears_data();
    void taxYears();
    void noticeSetting();
    void instalmentsAgainstReceipts();
    void savedF24ClosesTheTax();
    void linesAreFixedWidth();
    void noArchiveNoFileCreated();
    void longArchiveGivesEveryCardItsDeadlines();
};

void TestScadenze::rules_data()
{
    QTest::addColumn<Fields>("card");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("expected");

    const Fields lease2022{{u"DurataDAL"_s, u"01/04/2022"_s},
                           {u"DurataAL"_s, u"31/03/2026"_s},
                           {u"ImpCanone"_s, u"1200"_s},
                           {u"CentCanone"_s, u"00"_s}};
    QTest::newRow("first year: never below 67,00, due 30 days from the earlier signing")
        << Fields{{u"DurataDAL"_s, u"01/04/2024"_s},
                  {u"DurataAL"_s, u"31/03/2028"_s},
                  {u"DataStipula"_s, u"20/03/2024"_s},
                  {u"ImpCanone"_s, u"1200"_s}}
        << QDate(2024, 3, 15) << QDate(2024, 12, 31)
        << QStringList{u"|19/04/2024|Imposta di registro|67,00|da versare, cod. 1500, metà 33,50 + 33,50"_s};
    QTest::newRow("later year: no minimum")
        << lease2022 << QDate(2024, 4, 1) << QDate(2024, 12, 31)
        << QStringList{u"|01/05/2024|Imposta di registro|24,00|da versare, cod. 1501, metà 12,00 + 12,00"_s};
    QTest::newRow("cedolare secca: no tax, said so")
        << lease2022 + Fields{{u"CedSi01"_s, u"Sì"_s}} << QDate(2024, 4, 1) << QDate(2024, 12, 31)
        << QStringList{u"|01/05/2024|Imposta di registro||cedolare secca: imposta non dovuta"_s};
    QTest::newRow("started on 29 February: the anniversary of a common year is the 28th")
        << Fields{{u"DurataDAL"_s, u"29/02/2024"_s},
                  {u"DurataAL"_s, u"28/02/2028"_s},
                  {u"ImpCanone"_s, u"7825"_s},
                  {u"CentCanone"_s, u"50"_s}}
        << QDate(2025, 2, 1) << QDate(2025, 4, 30)
        << QStringList{u"|30/03/2025|Imposta di registro|156,51|da versare, cod. 1501, metà 78,26 + 78,25"_s};
    QTest::newRow("started on 31 January, the later year overdue today")
        << Fields{{u"DurataDAL"_s, u"31/1/2023"_s},
                  {u"DurataAL"_s, u"30/01/2027"_s},
                  {u"ImpCanone"_s, u"6000"_s}}
        << QDate(2024, 1, 1) << QDate(2024, 3, 31)
        << QStringList{
               u"!|01/03/2024|Imposta di registro|120,00|da versare, cod. 1501, metà 60,00 + 60,00"_s};
    QTest::newRow("a lease ending this month")
        << Fields{{u"DurataDAL"_s, u"01/04/2020"_s},
                  {u"DurataAL"_s, u"31/03/2024"_s},
                  {u"Utilizzo"_s, u"Abitativo"_s},
                  {u"CedSi01"_s, u"Sì"_s}}
        << QDate(2024, 3, 1) << QDate(2024, 3, 31)
        << QStringList{u"|31/03/2024|Fine locazione||fine del contratto"_s};
    QTest::newRow("an extension: its first year is 1504 with the minimum, due 30 days from the end")
        << Fields{{u"DurataDAL"_s, u"01/04/2020"_s},
                  {u"DurataAL"_s, u"31/03/2024"_s},
                  {u"DurataPro"_s, u"4 anni"_s},
                  {u"ImpCanone"_s, u"1200"_s},
                  {u"Utilizzo"_s, u"Negozio"_s}}
        << QDate(2024, 4, 1) << QDate(2024, 6, 30)
        << QStringList{u"|30/04/2024|Imposta di registro|67,00|da versare, cod. 1504, metà 33,50 + 33,50"_s};
    QTest::newRow("the extension's end and notice replace the contract's")
        << Fields{{u"DurataDAL"_s, u"01/04/2020"_s},
                  {u"DurataAL"_s, u"31/03/2024"_s},
                  {u"DurataPro"_s, u"fino al 31/03/2028"_s},
                  {u"Utilizzo"_s, u"Negozio"_s},
                  {u"ImpCanone"_s, u"1200"_s}}
        << QDate(2027, 1, 1) << QDate(2028, 12, 31)
        << QStringList{u"|31/03/2027|Termine disdetta||preavviso di 12 mesi (altri usi)"_s,
                       u"|01/05/2027|Imposta di registro|24,00|da versare, cod. 1501, metà 12,00 + 12,00"_s,
                       u"|31/03/2028|Fine locazione||fine della proroga"_s};
    QTest::newRow("an unreadable date: one line naming the field, nothing guessed")
        << Fields{{u"DurataDAL"_s, u"01/04/2020"_s},
                  {u"DurataAL"_s, u"31/13/2024"_s},
                  {u"ImpCanone"_s, u"1200"_s},
                  {u"DataStipula"_s, u"marzo"_s}}
        << QDate(2020, 1, 1) << QDate(2030, 12, 31)
        << QStringList{u"?||Scheda da verificare||date non leggibili: Fine locazione, Data stipula"_s};
    QTest::newRow("an unreadable extension")
        << Fields{{u"DurataDAL"_s, u"01/04/2020"_s},
                  {u"DurataAL"_s, u"31/03/2024"_s},
                  {u"DurataPro"_s, u"da definire"_s}}
        << QDate(2024, 3, 15) << QDate(2024, 6, 13)
        << QStringList{u"?||Scheda da verificare||date non leggibili: Durata proroga"_s};
    QTest::newRow("2 % rounded to the cent, half away from zero")
        << Fields{{u"DurataDAL"_s, u"01/04/2022"_s},
                  {u"DurataAL"_s, u"31/03/2026"_s},
                  {u"ImpCanone"_s, u"1000"_s},
                  {u"CentCanone"_s, u"25"_s}}
        << QDate(2024, 4, 1) << QDate(2024, 12, 31)
        << QStringList{u"|01/05/2024|Imposta di registro|20,01|da versare, cod. 1501, metà 10,01 + 10,00"_s};
    QTest::newRow("the card's own amount shown when it differs, and its reminder")
        << lease2022 + Fields{{u"ImpRegistro"_s, u"25"_s},
                              {u"CentRegistro"_s, u"00"_s},
                              {u"ScadeRegistro"_s, u"25/04/2024"_s}}
        << QDate(2024, 4, 1) << QDate(2024, 12, 31)
        << QStringList{
               u"|25/04/2024|Promemoria imposta|25,00|promemoria della scheda"_s,
               u"|01/05/2024|Imposta di registro|24,00|da versare, cod. 1501, metà 12,00 + 12,00, scheda 25,00: diverso"_s};
    QTest::newRow("no yearly rent: the payment is listed, its amount cannot be")
        << Fields{{u"DurataDAL"_s, u"01/04/2022"_s}, {u"DurataAL"_s, u"31/03/2026"_s}} << QDate(2024, 4, 1)
        << QDate(2024, 12, 31)
        << QStringList{u"|01/05/2024|Imposta di registro||da versare, canone annuo non indicato"_s};
    QTest::newRow("notice: six months for a home")
        << Fields{{u"DurataDAL"_s, u"01/10/2020"_s},
                  {u"DurataAL"_s, u"30/09/2024"_s},
                  {u"Utilizzo"_s, u"Posto letto"_s},
                  {u"CedSi01"_s, u"Sì"_s}}
        << QDate(2024, 3, 15) << QDate(2024, 6, 13)
        << QStringList{u"|30/03/2024|Termine disdetta||preavviso di 6 mesi (uso abitativo)"_s};
    QTest::newRow("notice: twelve months when the use is not given")
        << Fields{{u"DurataDAL"_s, u"01/04/2021"_s},
                  {u"DurataAL"_s, u"31/03/2025"_s},
                  {u"CedSi01"_s, u"Sì"_s}}
        << QDate(2024, 3, 15) << QDate(2024, 4, 15)
        << QStringList{u"|31/03/2024|Termine disdetta||preavviso di 12 mesi (utilizzo non indicato)"_s};
}

void TestScadenze::rules()
{
    QFETCH(Fields, card);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    writeArchive(folder.path(), cardBytes(card));
    const QStringList found = projected(Scadenzario::collect(folder.path(), {from, to}, kToday));
    if (found != expected)
        qWarning() << found;
    QCOMPARE(found, expected);
}

void TestScadenze::taxYears_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("years"); // start|due|code|reference year
    QTest::newRow("lease from December: the first year refers to its start, later ones to their due year")
        << QDate(2023, 12, 15) << QDate(2025, 12, 14)
        << QStringList{u"15/12/2023|14/01/2024|1500|2023"_s, u"15/12/2024|14/01/2025|1501|2025"_s};
    QTest::newRow("a term shorter than a year has one payment")
        << QDate(2024, 1, 10) << QDate(2024, 7, 9) << QStringList{u"10/01/2024|09/02/2024|1500|2024"_s};
}

void TestScadenze::taxYears()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, years);
    QStringList found;
    for (const auto& y :
         DeadlineRules::taxYears(start, end, std::nullopt, std::nullopt, Money::fromUnits(100)))
        found.append(y.start.toString(u"dd/MM/yyyy"_s) + u'|' + y.due.toString(u"dd/MM/yyyy"_s) + u'|' +
                     y.taxCode + u'|' + QString::number(y.referenceYear));
    QCOMPARE(found, years);
}

void TestScadenze::noticeSetting()
{
    QTemporaryDir folder;
    writeArchive(folder.path(), cardBytes({{u"DurataDAL"_s, u"01/10/2020"_s},
                                           {u"DurataAL"_s, u"30/09/2024"_s},
                                           {u"Utilizzo"_s, u"Abitativo"_s}}));
    writeFile(folder.filePath(u"Affitti.ini"_s),
              "[Numerazione Ricevute]\r\nInizio=1\r\n[Scadenze]\r\nMesiDisdettaAbitativo=3\r\n"
              "MesiDisdettaAltriUsi=tanti\r\n");
    QCOMPARE(projected(Scadenzario::collect(folder.path(), {QDate(2024, 6, 1), QDate(2024, 6, 30)}, kToday)),
             QStringList{u"|30/06/2024|Termine disdetta||preavviso di 3 mesi (uso abitativo)"_s});
    QCOMPARE(DeadlineRules::noticeMonths(folder.filePath(u"Affitti.ini"_s)).other, 12);
}

void TestScadenze::instalmentsAgainstReceipts()
{
    // Monthly on the 5th from January; receipts: January paid, February none, March issued
    // unpaid (in the archive of 2024), and another tenant's April receipt.
    QTemporaryDir folder;
    writeArchive(folder.path(), cardBytes({{u"DurataDAL"_s, u"01/01/2024"_s},
                                           {u"DurataAL"_s, u"31/12/2027"_s},
                                           {u"CedSi01"_s, u"Sì"_s},
                                           {u"Periodicita"_s, u"Rata canone di locazione mensile"_s},
                                           {u"ScadeRata"_s, u"5"_s},
                                           {u"ImpRata"_s, u"650"_s},
                                           {u"CentRata"_s, u"00"_s}}));
    const QString cf = u"RSSMRA80A01H501U"_s, code = u"TNR24T000123000AB"_s;
    writeFile(
        folder.filePath(u"2024.ric"_s),
        receiptBytes(
            {{"Data", u"04/01/2024"_s}, {"CodFiscCon01", cf}, {"CodContratto", code}, {"Saldata", u"Sì"_s}}) +
            receiptBytes({{"Data", u"06/03/2024"_s},
                          {"CodFiscCon01", cf},
                          {"CodContratto", code},
                          {"Saldata", u"No"_s}}) +
            receiptBytes({{"Data", u"05/04/2024"_s},
                          {"CodFiscCon01", u"VRDLCU75B02F205X"_s},
                          {"CodContratto", code},
                          {"Saldata", u"Sì"_s}}));
    const auto all = Scadenzario::collect(folder.path(), Scadenzario::nextDays(kToday, 30), kToday);
    // The open instalments before today come first, marked; January, paid, is not in view.
    QCOMPARE(projected(Scadenzario::filtered(all, Scadenzario::Filter::Canoni)),
             (QStringList{u"!|05/02/2024|Rata canone|650,00|non emessa"_s,
                          u"!|05/03/2024|Rata canone|650,00|emessa, non saldata"_s,
                          u"|05/04/2024|Rata canone|650,00|non emessa"_s}));
    // A period in the past shows every instalment with its state, overdue ones marked.
    QCOMPARE(projected(Scadenzario::collect(folder.path(), {QDate(2024, 1, 1), QDate(2024, 2, 29)}, kToday)),
             (QStringList{u"!|05/02/2024|Rata canone|650,00|non emessa"_s,
                          u"|05/01/2024|Rata canone|650,00|pagata"_s,
                          u"|31/01/2024|Imposta di registro||cedolare secca: imposta non dovuta"_s}));
}

void TestScadenze::savedF24ClosesTheTax()
{
    QTemporaryDir folder;
    writeArchive(folder.path(), cardBytes({{u"DurataDAL"_s, u"31/01/2023"_s},
                                           {u"DurataAL"_s, u"30/01/2027"_s},
                                           {u"ImpCanone"_s, u"6000"_s}}));
    Record form(SchedaF24::layout());
    form.setText(u"Data"_s, u"20/02/2024"_s);
    form.setText(u"Codice02"_s, u"1501"_s);
    form.setText(u"Elementi02"_s, u"TNR24T000123000AB"_s);
    form.setText(u"AnnoRif02"_s, u"2024"_s);
    writeFile(folder.filePath(u"F24_ELIDE.pro"_s), form.bytes());
    QCOMPARE(
        projected(Scadenzario::collect(folder.path(), {QDate(2024, 1, 1), QDate(2024, 3, 31)}, kToday)),
        QStringList{
            u"|01/03/2024|Imposta di registro|120,00|F24 compilato il 20/02/2024, cod. 1501, metà 60,00 + 60,00"_s});
}

void TestScadenze::linesAreFixedWidth()
{
    Scadenzario::Deadline d;
    d.kind = Scadenzario::Kind::Registro;
    d.date = QDate(2024, 5, 1);
    d.property = u"Un appartamento dalla descrizione molto lunga"_s;
    d.tenant = u"ROSSI MARIO"_s;
    d.amount = Money::fromUnits(2400, 2);
    d.state = u"da versare"_s;
    d.open = d.overdue = true;
    const QString line = Scadenzario::line(d);
    QCOMPARE(line, u"! 01/05/2024  Imposta di registro   Un appartamento dalla descrizi  ROSSI MARIO"_s
                   u"                  24,00  scaduta, da versare"_s);
    QCOMPARE(Scadenzario::title({QDate(2024, 3, 15), QDate(2024, 6, 13)}),
             u"Scadenzario dal 15/03/2024 al 13/06/2024"_s);
}

void TestScadenze::noArchiveNoFileCreated()
{
    QTemporaryDir folder;
    QVERIFY(Scadenzario::collect(folder.path(), Scadenzario::nextDays(kToday, 90), kToday).isEmpty());
    QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

void TestScadenze::longArchiveGivesEveryCardItsDeadlines()
{
    // Seventeen copies of the dozen, a list longer than one block of the archive read: each copy
    // gives its dozen's deadlines, in the list's order: cards to check, then overdue lines, then
    // by date, card and kind.
    QTemporaryDir dozen, many;
    DozenCards::write(dozen.path());
    DozenCards::write(many.path());
    constexpr int copies = 17;
    writeArchive(many.path(), DozenCards::cards().repeated(copies));
    const Scadenzario::Period year = Scadenzario::nextDays(kToday, 365);
    const QList<Scadenzario::Deadline> one = Scadenzario::collect(dozen.path(), year, kToday);
    QVERIFY(one.size() > 12);
    QList<Scadenzario::Deadline> expected;
    for (int copy = 0; copy < copies; ++copy) {
        for (Scadenzario::Deadline d : one) {
            d.position += 12 * copy;
            expected.append(d);
        }
    }
    const auto rank = [](const Scadenzario::Deadline& d) {
        return d.kind == Scadenzario::Kind::DaVerificare ? 0 : (d.overdue ? 1 : 2);
    };
    std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
        return std::tuple(rank(a), a.date, a.position, int(a.kind)) <
               std::tuple(rank(b), b.date, b.position, int(b.kind));
    });
    const QList<Scadenzario::Deadline> all = Scadenzario::collect(many.path(), year, kToday);
    QCOMPARE(projected(all), projected(expected));
    QList<qint64> positions, expectedPositions;
    for (qsizetype i = 0; i < all.size(); ++i) {
        positions.append(all[i].position);
        expectedPositions.append(expected[i].position);
    }
    QCOMPARE(positions, expectedPositions);
}

QTEST_GUILESS_MAIN(TestScadenze)
#include "tst_scadenze.moc"
