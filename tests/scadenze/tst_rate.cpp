#include "immobili/SchedaImmobile.h"
#include "platform/Clock.h"
#include "ricevute/SchedaRicevuta.h"
#include "scadenze/Instalments.h"
#include "support/Files.h"
#include "support/Receipts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Instalments::Frequency;
using Instalments::State;

Q_DECLARE_METATYPE(Instalments::Frequency)
Q_DECLARE_METATYPE(Instalments::State)

// The rent instalments of a contract and their receipts, without screens.
class TestRate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 0))); }
    void cleanup() { Clock::setFixedForTests({}); }
    void frequency_data();
    void frequency();
    void dueDay_data();
    void dueDay();
    void schedule_data();
    void schedule();
    void contract_data();
    void contract();
    void states_data();
    void states();
    void missingArchiveStaysMissing();
};

void TestRate::frequency_data()
{
    QTest::addColumn<QString>("periodicita");
    QTest::addColumn<int>("perYear"); // 0: not recognised
    QTest::newRow("monthly") << u"Rata canone di locazione mensile"_s << 12;
    QTest::newRow("quarterly") << u"Rata canone di locazione trimestrale"_s << 4;
    QTest::newRow("half-yearly") << u"Rata canone di locazione semestrale"_s << 2;
    QTest::newRow("typed in capitals") << u"  MENSILE "_s << 12;
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("other words") << u"a richiesta"_s << 0;
}

void TestRate::frequency()
{
    QFETCH(QString, periodicita);
    QFETCH(int, perYear);
    const auto found = Instalments::frequency(periodicita);
    QCOMPARE(found ? Instalments::perYear(*found) : 0, perYear);
}

void TestRate::dueDay_data()
{
    QTest::addColumn<QString>("scadeRata");
    QTest::addColumn<int>("day"); // 0: unreadable
    QTest::newRow("empty: the first") << u"  "_s << 1;
    QTest::newRow("a day") << u"5"_s << 5;
    QTest::newRow("two digits") << u"05"_s << 5;
    QTest::newRow("the 31st") << u"31"_s << 31;
    QTest::newRow("a date") << u"10/01/2024"_s << 10;
    QTest::newRow("a short date") << u"7/2/24"_s << 7;
    QTest::newRow("day 0") << u"0"_s << 0;
    QTest::newRow("day 32") << u"32"_s << 0;
    QTest::newRow("impossible date") << u"31/02/2024"_s << 0;
    QTest::newRow("words") << u"inizio mese"_s << 0;
}

void TestRate::dueDay()
{
    QFETCH(QString, scadeRata);
    QFETCH(int, day);
    QCOMPARE(Instalments::dueDay(scadeRata).value_or(0), day);
}

void TestRate::schedule_data()
{
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("dues");   // every due date
    QTest::addColumn<QString>("lastPeriod"); // the last instalment's period
    QTest::newRow("monthly on the 31st, leap year")
        << Frequency::Monthly << 31 << 2024
        << QStringList{u"31/01/2024"_s, u"29/02/2024"_s, u"31/03/2024"_s, u"30/04/2024"_s,
                       u"31/05/2024"_s, u"30/06/2024"_s, u"31/07/2024"_s, u"31/08/2024"_s,
                       u"30/09/2024"_s, u"31/10/2024"_s, u"30/11/2024"_s, u"31/12/2024"_s}
        << u"01/12/2024-31/12/2024"_s;
    QTest::newRow("monthly on the 30th, February of a common year")
        << Frequency::Monthly << 30 << 2023
        << QStringList{u"30/01/2023"_s, u"28/02/2023"_s, u"30/03/2023"_s, u"30/04/2023"_s,
                       u"30/05/2023"_s, u"30/06/2023"_s, u"30/07/2023"_s, u"30/08/2023"_s,
                       u"30/09/2023"_s, u"30/10/2023"_s, u"30/11/2023"_s, u"30/12/2023"_s}
        << u"01/12/2023-31/12/2023"_s;
    QTest::newRow("quarterly on the 5th")
        << Frequency::Quarterly << 5 << 2024
        << QStringList{u"05/01/2024"_s, u"05/04/2024"_s, u"05/07/2024"_s, u"05/10/2024"_s}
        << u"01/10/2024-31/12/2024"_s;
    QTest::newRow("half-yearly on the 1st")
        << Frequency::HalfYearly << 1 << 2025 << QStringList{u"01/01/2025"_s, u"01/07/2025"_s}
        << u"01/07/2025-31/12/2025"_s;
}

void TestRate::schedule()
{
    QFETCH(Frequency, frequency);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QStringList, dues);
    QFETCH(QString, lastPeriod);
    const QList<Instalments::Instalment> instalments = Instalments::ofYear(frequency, day, year);
    QStringList found;
    for (const auto& instalment : instalments)
        found.append(instalment.due.toString(u"dd/MM/yyyy"_s));
    QCOMPARE(found, dues);
    QCOMPARE(instalments.last().number, dues.size());
    QCOMPARE(instalments.last().periodStart.toString(u"dd/MM/yyyy"_s) + u'-' +
                 instalments.last().periodEnd.toString(u"dd/MM/yyyy"_s),
             lastPeriod);
    // The periods follow one another without a gap through the year.
    for (int i = 1; i < instalments.size(); ++i)
        QCOMPARE(instalments[i].periodStart, instalments[i - 1].periodEnd.addDays(1));
    QCOMPARE(instalments.first().periodStart, QDate(year, 1, 1));
}

namespace {
Record card(const QString& tenant, const QString& contract)
{
    Record record(SchedaImmobile::layout());
    record.setText(u"CodFiscCon01"_s, tenant);
    record.setText(u"CodContratto"_s, contract);
    return record;
}
Record receipt(const QString& tenant, const QString& contract)
{
    Record record(SchedaRicevuta::layout());
    record.setText(u"CodFiscCon01"_s, tenant);
    record.setText(u"CodContratto"_s, contract);
    return record;
}
} // namespace

void TestRate::contract_data()
{
    QTest::addColumn<QString>("cardTenant");
    QTest::addColumn<QString>("cardCode");
    QTest::addColumn<QString>("receiptTenant");
    QTest::addColumn<QString>("receiptCode");
    QTest::addColumn<bool>("belongs");
    const QString cf = u"RSSMRA80A01H501U"_s, code = u"TNR24T000123000AB"_s;
    QTest::newRow("same tenant and code") << cf << code << cf << code << true;
    QTest::newRow("case and blanks") << cf << code << u" rssmra80a01h501u"_s << u"tnr24t000123000ab "_s
                                     << true;
    QTest::newRow("another tenant") << cf << code << u"VRDLCU75B02F205X"_s << code << false;
    QTest::newRow("another contract") << cf << code << cf << u"TNR24T000124000AB"_s << false;
    QTest::newRow("both without code") << cf << u""_s << cf << u""_s << true;
    QTest::newRow("card without code") << cf << u""_s << cf << code << false;
    QTest::newRow("no tenant code on either") << u""_s << code << u""_s << code << false;
}

void TestRate::contract()
{
    QFETCH(QString, cardTenant);
    QFETCH(QString, cardCode);
    QFETCH(QString, receiptTenant);
    QFETCH(QString, receiptCode);
    QFETCH(bool, belongs);
    QCOMPARE(Instalments::belongs(Instalments::contractOfCard(card(cardTenant, cardCode)),
                                  Instalments::contractOfReceipt(receipt(receiptTenant, receiptCode))),
             belongs);
}

void TestRate::states_data()
{
    // A hand-built archive of 2024: the contract's receipts of January (paid), February (issued,
    // not paid), March (one unpaid and one paid), April (another tenant's), May (another
    // contract's), June (a date that cannot be read).
    QTest::addColumn<int>("month");
    QTest::addColumn<State>("state");
    QTest::newRow("January: paid") << 1 << State::Paid;
    QTest::newRow("February: issued, not paid") << 2 << State::Unpaid;
    QTest::newRow("March: one of two paid") << 3 << State::Paid;
    QTest::newRow("April: another tenant's receipt") << 4 << State::NotIssued;
    QTest::newRow("May: another contract's receipt") << 5 << State::NotIssued;
    QTest::newRow("June: unreadable date") << 6 << State::NotIssued;
    QTest::newRow("July: nothing") << 7 << State::NotIssued;
}

void TestRate::states()
{
    QFETCH(int, month);
    QFETCH(State, state);
    QTemporaryDir folder;
    const QString cf = u"RSSMRA80A01H501U"_s, code = u"TNR24T000123000AB"_s;
    auto of = [&](const QString& date, const QString& tenant, const QString& contract, const QString& paid) {
        return receiptBytes(
            {{"Data", date}, {"CodFiscCon01", tenant}, {"CodContratto", contract}, {"Saldata", paid}});
    };
    const QString path = folder.filePath(SchedaRicevuta::archiveName(u"2024"_s));
    writeFile(path, of(u"03/01/2024"_s, cf, code, u"Sì"_s) + of(u"28/02/2024"_s, cf, code, u"No"_s) +
                        of(u"01/03/2024"_s, cf, code, u"No"_s) + of(u"9/3/24"_s, cf, code, u"Sì"_s) +
                        of(u"05/04/2024"_s, u"VRDLCU75B02F205X"_s, code, u"Sì"_s) +
                        of(u"05/05/2024"_s, cf, u"TNR24T000999000AB"_s, u"Sì"_s) +
                        of(u"5 giugno"_s, cf, code, u"Sì"_s));
    const QList<Instalments::Receipt> receipts = Instalments::readReceipts(path);
    QCOMPARE(receipts.size(), 7);
    QCOMPARE(receipts[3].position, 4);
    const auto instalments = Instalments::ofYear(Frequency::Monthly, 5, 2024);
    const Instalments::Contract contract = Instalments::contractOfCard(card(cf, code));
    QCOMPARE(Instalments::stateOf(instalments[month - 1], contract, receipts), state);
    // A quarterly contract's first instalment covers January to March: one paid receipt is enough.
    const auto quarters = Instalments::ofYear(Frequency::Quarterly, 5, 2024);
    QCOMPARE(Instalments::stateOf(quarters[0], contract, receipts), State::Paid);
    QCOMPARE(Instalments::covering(quarters, QDate(2024, 6, 30))->number, 2);
}

void TestRate::missingArchiveStaysMissing()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"2031.ric"_s);
    QVERIFY(Instalments::readReceipts(path).isEmpty());
    QVERIFY(!QFile::exists(path)); // looking never creates a year's archive
}

QTEST_GUILESS_MAIN(TestRate)
#include "tst_rate.moc"
