#include "immobili/SchedaImmobile.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/TfrmGeneraRic.h"
#include "ricevute/TotaliRicevuta.h"
#include "ricevute/YearReceipts.h"
#include "storage/ArchiveFile.h"
#include "support/Files.h"
#include "support/ListClicks.h"
#include "support/ReceiptYear.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

// A contract's year of receipts in one step: what is made and what is left out, the records,
// and the receipt screen's preview and all-or-none append.
class TestGeneraRic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ArchiveFile::failForTests(std::nullopt); }
    void planOfTheYear_data();
    void planOfTheYear();
    void receiptRecords();
    void cardProblems_data();
    void cardProblems();
    void yearMadeInOneConfirmation_data();
    void yearMadeInOneConfirmation();
    void allOrNothingUnderAWriteFailure();
    void unknownPeriodIsAsked();
};

namespace {

const QString kTenant = u"BNCLRA85M41F205K"_s;
const QString kContract = u"TNT23T001234000AB"_s;

Record contractCard(const QString& periodicita, const QString& scadeRata = QString())
{
    Record card(SchedaImmobile::layout());
    const QList<std::pair<QString, QString>> values = {
        {u"Immobile"_s, u"Bilocale in via Roma 12, Milano"_s},
        {u"UfficioTer"_s, u"Milano 2"_s},
        {u"DataStipula"_s, u"01/02/2023"_s},
        {u"CodContratto"_s, kContract},
        {u"DurataCon"_s, u"4 anni + 4"_s},
        {u"CognomeLoc01"_s, u"ROSSI"_s},
        {u"NomeLoc01"_s, u"MARIO"_s},
        {u"CodFiscLoc01"_s, u"RSSMRA60A01F205Z"_s},
        {u"CognomeCon01"_s, u"BIANCHI"_s},
        {u"NomeCon01"_s, u"LAURA"_s},
        {u"CodFiscCon01"_s, kTenant},
        {u"Periodicita"_s, periodicita},
        {u"ScadeRata"_s, scadeRata},
        {u"ImpRata"_s, u"650"_s},
        {u"CentRata"_s, u"00"_s}};
    for (const auto& [field, value] : values)
        card.setText(field, value);
    return card;
}

Instalments::Receipt issued(const QString& number, const QDate& date, const QString& tenant = kTenant,
                            const QString& contract = kContract)
{
    Instalments::Receipt receipt;
    receipt.contract = {Text::capitals(tenant), Text::capitals(contract)};
    receipt.date = date;
    receipt.number = number;
    return receipt;
}

QByteArray receiptBytes(const QString& number, const QString& date, const QString& tenant,
                        const QString& contract = kContract)
{
    Record receipt(SchedaRicevuta::layout());
    receipt.setText(u"NumRic"_s, number);
    receipt.setText(u"Data"_s, date);
    receipt.setText(u"CognomeCon01"_s, u"X"_s);
    receipt.setText(u"CodFiscCon01"_s, tenant);
    receipt.setText(u"CodContratto"_s, contract);
    return receipt.bytes();
}

// The receipt screen's "Genera ricevute dell'anno": the card chosen in the property search,
// then `preview` run on the preview screen.
void generate(const std::function<void(TfrmGeneraRic*)>& preview)
{
    whenModal<TfrmGeneraRic>(preview);
    withModal([] { pressOnReceipt("cmdGenera"); },
              [](QWidget* modal) {
                  auto* search = qobject_cast<TfrmTrovaImmobili*>(modal);
                  QVERIFY(search);
                  click(search->btnCerca);
                  doubleClickLine(search->lstRecords, 0);
              });
}

QStringList rowsOf(QTreeWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(u" | "_s);
    }
    return rows;
}

QList<Record> archiveRecords(const QString& path)
{
    const QByteArray bytes = readFile(path);
    QList<Record> records;
    for (qsizetype at = 0; at + 2314 <= bytes.size(); at += 2314) {
        Record r(SchedaRicevuta::layout());
        r.bytes() = bytes.mid(at, 2314);
        records.append(r);
    }
    return records;
}

} // namespace

void TestGeneraRic::planOfTheYear_data()
{
    QTest::addColumn<QStringList>("card"); // Periodicita, ScadeRata, DurataDAL, DurataAL
    QTest::addColumn<QList<Instalments::Receipt>>("receipts");
    QTest::addColumn<QStringList>("made");    // "dd/mm/yyyy reason"
    QTest::addColumn<QStringList>("leftOut"); // "period: why"
    const QString monthly = u"Rata canone di locazione mensile"_s;

    QStringList months;
    for (const char* m : {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto",
                          "settembre", "ottobre", "novembre", "dicembre"})
        months << QString::fromLatin1(m);
    QStringList everyMonth;
    for (int m = 1; m <= 12; ++m)
        everyMonth << u"05/"_s + QString::number(m).rightJustified(2, u'0') + u"/2024 Canone di locazione "_s +
                          months[m - 1] + u" 2024"_s;
    QTest::newRow("monthly on the 5th") << QStringList{monthly, u"5"_s} << QList<Instalments::Receipt>{}
                                        << everyMonth << QStringList{};

    QTest::newRow("the day of a date, on the last day of shorter months")
        << QStringList{u"RATA CANONE DI LOCAZIONE MENSILE"_s, u"31/01/2020"_s} << QList<Instalments::Receipt>{}
        << QStringList{u"31/01/2024 Canone di locazione gennaio 2024"_s,
                       u"29/02/2024 Canone di locazione febbraio 2024"_s,
                       u"31/03/2024 Canone di locazione marzo 2024"_s,
                       u"30/04/2024 Canone di locazione aprile 2024"_s,
                       u"31/05/2024 Canone di locazione maggio 2024"_s,
                       u"30/06/2024 Canone di locazione giugno 2024"_s,
                       u"31/07/2024 Canone di locazione luglio 2024"_s,
                       u"31/08/2024 Canone di locazione agosto 2024"_s,
                       u"30/09/2024 Canone di locazione settembre 2024"_s,
                       u"31/10/2024 Canone di locazione ottobre 2024"_s,
                       u"30/11/2024 Canone di locazione novembre 2024"_s,
                       u"31/12/2024 Canone di locazione dicembre 2024"_s}
        << QStringList{};

    QStringList withoutFebruaryAndApril = everyMonth;
    withoutFebruaryAndApril.removeAt(3);
    withoutFebruaryAndApril.removeAt(1);
    QTest::newRow("months already covered are left out")
        << QStringList{monthly, u"05"_s}
        << QList<Instalments::Receipt>{issued(u"12"_s, QDate(2024, 2, 3)),
                                       issued(u"13"_s, QDate(2024, 3, 1), kTenant, u"ALTRO"_s), // another contract
                                       issued(u"14"_s, QDate(2024, 3, 2), u"ALTRCF"_s),          // another tenant
                                       issued(u"15"_s, QDate(2024, 4, 30), kTenant.toLower()),
                                       issued(u"16"_s, QDate(2023, 12, 20))} // last year's, in this archive
        << withoutFebruaryAndApril
        << QStringList{u"febbraio 2024: già coperta dalla ricevuta n. 12 del 03/02/2024"_s,
                       u"aprile 2024: già coperta dalla ricevuta n. 15 del 30/04/2024"_s};

    QTest::newRow("quarterly on the 1st when no day is given")
        << QStringList{u"Rata canone di locazione trimestrale"_s, QString()}
        << QList<Instalments::Receipt>{issued(u"3"_s, QDate(2024, 5, 15))}
        << QStringList{u"01/01/2024 Canone di locazione primo trimestre 2024"_s,
                       u"01/07/2024 Canone di locazione terzo trimestre 2024"_s,
                       u"01/10/2024 Canone di locazione quarto trimestre 2024"_s}
        << QStringList{u"secondo trimestre 2024: già coperta dalla ricevuta n. 3 del 15/05/2024"_s};

    QTest::newRow("half-yearly on the 10th")
        << QStringList{u"Rata canone di locazione semestrale"_s, u"10"_s} << QList<Instalments::Receipt>{}
        << QStringList{u"10/01/2024 Canone di locazione primo semestre 2024"_s,
                       u"10/07/2024 Canone di locazione secondo semestre 2024"_s}
        << QStringList{};

    QTest::newRow("only within the lease") << QStringList{monthly, u"5"_s, u"15/03/2024"_s, u"31/10/24"_s} << QList<Instalments::Receipt>{} << everyMonth.mid(2, 8)
                                           << QStringList{u"gennaio 2024: prima dell'inizio della locazione (15/03/2024)"_s,
                                                          u"febbraio 2024: prima dell'inizio della locazione (15/03/2024)"_s,
                                                          u"novembre 2024: dopo la fine della locazione (31/10/2024)"_s,
                                                          u"dicembre 2024: dopo la fine della locazione (31/10/2024)"_s};
}

void TestGeneraRic::planOfTheYear()
{
    QFETCH(QStringList, card);
    QFETCH(QList<Instalments::Receipt>, receipts);
    Record contract = contractCard(card.value(0), card.value(1));
    contract.setText(u"DurataDAL"_s, card.value(2));
    contract.setText(u"DurataAL"_s, card.value(3));
    const auto frequency = *Instalments::frequency(card.value(0));
    const YearReceipts::Plan plan =
        YearReceipts::plan(contract, frequency, *Instalments::dueDay(card.value(1)), 2024, receipts);
    QStringList made, leftOut;
    for (const Instalments::Instalment& instalment : plan.toMake)
        made << Formats::date(instalment.due) + u' ' + YearReceipts::reason(frequency, instalment);
    for (const YearReceipts::LeftOut& out : plan.leftOut)
        leftOut << YearReceipts::periodWords(frequency, out.instalment) + u": "_s + out.why;
    QTEST(made, "made");
    QTEST(leftOut, "leftOut");
}

void TestGeneraRic::receiptRecords()
{
    Record card = contractCard(u"Rata canone di locazione trimestrale"_s, u"5"_s);
    card.setText(u"CentRata"_s, u"5"_s); // as the import reads it: 650,50
    YearReceipts::Plan plan = YearReceipts::plan(card, Instalments::Frequency::Quarterly, 5, 2024, {});
    plan.toMake.removeFirst();
    const QList<Record> made = YearReceipts::receipts(card, plan, 107);
    QCOMPARE(made.size(), 3);
    const QStringList numbers{u"107"_s, u"108"_s, u"109"_s};
    const QStringList dates{u"05/04/2024"_s, u"05/07/2024"_s, u"05/10/2024"_s};
    for (int i = 0; i < 3; ++i) {
        const Record& r = made[i];
        QCOMPARE(r.bytes().size(), 2314);
        QCOMPARE(r.text(u"NumRic"_s), numbers[i]);
        QCOMPARE(r.text(u"Data"_s), dates[i]);
        QCOMPARE(r.bytes().mid(2311, 3), QByteArray("\x02No")); // unpaid
    }
    const Record& first = made.front();
    QCOMPARE(first.text(u"Causale01"_s), u"Canone di locazione secondo trimestre 2024"_s);
    QCOMPARE(first.text(u"Importo01"_s), u"650,50"_s);
    QCOMPARE(first.text(u"TotRicevuta"_s), u"650,50"_s);
    QCOMPARE(first.text(u"Cents"_s), u"50"_s);
    QCOMPARE(first.text(u"ImpLettere"_s), u"SEICENTOCINQUANTA"_s);
    QCOMPARE(first.text(u"Bollo"_s), SchedaRicevuta::bolloNotes().front());
    // Every other field as the import from the card fills it; nothing else.
    for (const auto& [field, value] : SchedaRicevuta::fromPropertyCard(card)) {
        if (field != u"Causale01"_s && field != u"Importo01"_s)
            QCOMPARE(first.text(field), value);
    }
    for (const char* empty : {"Note", "Causale02", "Importo02", "PercIstat", "Istat"})
        QCOMPARE(first.text(QString::fromLatin1(empty)), QString());
}

void TestGeneraRic::cardProblems_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");
    const QString lacks = u"Attenzione: la scheda scelta non indica "_s;
    QTest::newRow("no landlord") << u"CognomeLoc01"_s << QString()
                                 << lacks + u"il cognome del Locatore, necessario per salvare le ricevute."_s;
    QTest::newRow("no tenant") << u"CognomeCon01"_s << u" "_s
                               << lacks + u"il cognome del Conduttore, necessario per salvare le ricevute."_s;
    QTest::newRow("no tenant's code")
        << u"CodFiscCon01"_s << QString()
        << lacks + u"il codice fiscale del Conduttore, necessario per riconoscere le ricevute già emesse per il "
                   u"contratto."_s;
    QTest::newRow("no instalment amount") << u"ImpRata"_s << QString()
                                          << lacks + u"l'importo della rata del canone."_s;
    QTest::newRow("an amount the record cannot hold")
        << u"ImpRata"_s << u"9999999999"_s << TotaliRicevuta::tooLongWarning();
    QTest::newRow("an amount that is no number") << u"ImpRata"_s << u"6.50"_s << TotaliRicevuta::notANumberWarning();
    QTest::newRow("a card that can") << u"Note"_s << QString() << QString();
}

void TestGeneraRic::cardProblems()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    Record card = contractCard(u"Rata canone di locazione mensile"_s);
    if (field != u"Note"_s)
        card.setText(field, value);
    QCOMPARE(YearReceipts::cardProblem(card).value_or(QString()), problem);
}

void TestGeneraRic::yearMadeInOneConfirmation_data()
{
    QTest::addColumn<QString>("periodicita");
    QTest::addColumn<QStringList>("rows"); // the preview: made and left out
    QTest::addColumn<QStringList>("dates");
    const QString covered = u": già coperta dalla ricevuta n. 100 del 03/02/2024 | "_s;
    QStringList monthly;
    QStringList monthlyDates;
    const QStringList months{u"gennaio"_s, u"febbraio"_s, u"marzo"_s,     u"aprile"_s,  u"maggio"_s,   u"giugno"_s,
                             u"luglio"_s,  u"agosto"_s,   u"settembre"_s, u"ottobre"_s, u"novembre"_s, u"dicembre"_s};
    int number = 102;
    for (int m = 1; m <= 12; ++m) {
        const QString date = u"05/"_s + QString::number(m).rightJustified(2, u'0') + u"/2024"_s;
        const QString reason = u"Canone di locazione "_s + months[m - 1] + u" 2024"_s;
        if (m == 2) {
            monthly << u"esclusa | "_s + date + u" | febbraio 2024"_s + covered;
            continue;
        }
        monthly << QString::number(number++) + u" | "_s + date + u" | "_s + reason + u" | 650,00"_s;
        monthlyDates << date;
    }
    QTest::newRow("monthly") << u"Rata canone di locazione mensile"_s << monthly << monthlyDates;
    QTest::newRow("quarterly") << u"Rata canone di locazione trimestrale"_s
                               << QStringList{u"esclusa | 05/01/2024 | primo trimestre 2024"_s + covered,
                                              u"102 | 05/04/2024 | Canone di locazione secondo trimestre 2024 | 650,00"_s,
                                              u"103 | 05/07/2024 | Canone di locazione terzo trimestre 2024 | 650,00"_s,
                                              u"104 | 05/10/2024 | Canone di locazione quarto trimestre 2024 | 650,00"_s}
                               << QStringList{u"05/04/2024"_s, u"05/07/2024"_s, u"05/10/2024"_s};
    QTest::newRow("half-yearly") << u"Rata canone di locazione semestrale"_s
                                 << QStringList{u"esclusa | 05/01/2024 | primo semestre 2024"_s + covered,
                                                u"102 | 05/07/2024 | Canone di locazione secondo semestre 2024 | 650,00"_s}
                                 << QStringList{u"05/07/2024"_s};
}

// The numbering goes on from Affitti.ini's start plus the receipts in the archive; the receipts
// are appended at once and the first new one is shown.
void TestGeneraRic::yearMadeInOneConfirmation()
{
    QFETCH(QString, periodicita);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, dates);
    ScreenFixture f;
    writeFile(f.folder.filePath(u"Affitti.ini"_s), "[Numerazione Ricevute]\r\nInizio=100\r\n");
    writeArchive(f.folder.path(), contractCard(periodicita, u"05/01/2023"_s).bytes());
    const QString path = f.folder.filePath(u"2024.ric"_s);
    const QByteArray before = receiptBytes(u"100"_s, u"03/02/2024"_s, kTenant) +
                              receiptBytes(u"101"_s, u"10/01/2024"_s, u"ALTRCF"_s);
    writeFile(path, before);
    TfrmRicevute* screen = openReceiptYear(u"2024"_s);
    bool previewed = false;
    generate([&](TfrmGeneraRic* preview) {
        previewed = true;
        QCOMPARE(preview->windowTitle(), u" Genera ricevute dell'anno"_s);
        QCOMPARE(preview->cboPeriodicita->currentText(), periodicita);
        QCOMPARE(preview->txtGiorno->value(), 5);
        QVERIFY(preview->lblAvviso->isHidden());
        QCOMPARE(rowsOf(preview->lstRecords), rows);
        QVERIFY(preview->lblEscluse->text().startsWith(u"Ricevute da generare: "_s + QString::number(dates.size())));
        click(preview->btnGenera);
    });
    QVERIFY(previewed);

    const QList<Record> records = archiveRecords(path);
    QCOMPARE(records.size(), 2 + dates.size());
    QCOMPARE(readFile(path).left(before.size()), before);
    for (qsizetype i = 0; i < dates.size(); ++i) {
        QCOMPARE(records[2 + i].text(u"NumRic"_s), QString::number(102 + i));
        QCOMPARE(records[2 + i].text(u"Data"_s), dates[i]);
        QCOMPARE(records[2 + i].text(u"CodFiscCon01"_s), kTenant);
    }
    QVERIFY(!QFile::exists(ArchiveFile::journalPath(path)));
    QCOMPARE(screen->lblPosizione->text(), u"3"_s);
    QCOMPARE(receiptField(u"NumRic"_s), u"102"_s);
    QCOMPARE(receiptField(u"Data"_s), dates.front());
    QCOMPARE(screen->txtTotRicevuta->text(), u"650,00"_s);
    QVERIFY(!screen->chkSaldata->isChecked());
    const QString last = QString::number(101 + dates.size());
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Information,
                                       dates.size() == 1
                                           ? u"La ricevuta n. 102 è stata inserita in archivio."_s
                                           : u"Sono state inserite in archivio "_s + QString::number(dates.size()) +
                                                 u" ricevute, dalla n. 102 alla n. "_s + last +
                                                 u".\r\n\r\nLa prima è ora sulla schermata."_s}));
}

void TestGeneraRic::allOrNothingUnderAWriteFailure()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), contractCard(u"Rata canone di locazione mensile"_s).bytes());
    const QString path = f.folder.filePath(u"2024.ric"_s);
    const QByteArray before = receiptBytes(u"1"_s, u"10/01/2024"_s, u"ALTRCF"_s);
    writeFile(path, before);
    TfrmRicevute* screen = openReceiptYear(u"2024"_s);
    setReceiptField(u"Note"_s, u"sullo schermo"_s);
    generate([](TfrmGeneraRic* preview) {
        QCOMPARE(preview->lstRecords->topLevelItemCount(), 12);
        ArchiveFile::failForTests(ArchiveFile::Step::Write); // a write fails after six of the twelve
        click(preview->btnGenera);
    });
    ArchiveFile::failForTests(std::nullopt);
    QCOMPARE(readFile(path), before);
    QVERIFY(!QFile::exists(ArchiveFile::journalPath(path)));
    QCOMPARE(f.desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind::Warning, CardProtocol::accessMessage()}));
    QCOMPARE(screen->lblPosizione->text(), QString()); // the screen keeps what it showed
    QCOMPARE(receiptField(u"Note"_s), u"sullo schermo"_s);
}

void TestGeneraRic::unknownPeriodIsAsked()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), contractCard(u"Ogni due mesi"_s, u"fine mese"_s).bytes());
    openReceiptYear(u"2024"_s);
    generate([](TfrmGeneraRic* preview) {
        QVERIFY(preview->lblAvviso->isVisible());
        QCOMPARE(preview->lblAvviso->text(),
                 u"La periodicità della rata indicata nella scheda (\"Ogni due mesi\") non è riconosciuta: sceglierla "
                 u"qui sopra.\nLa scadenza della rata indicata nella scheda (\"fine mese\") non è un giorno del mese: "
                 u"è proposto il giorno 1."_s);
        QCOMPARE(preview->cboPeriodicita->currentIndex(), -1);
        QCOMPARE(preview->lstRecords->topLevelItemCount(), 0);
        QVERIFY(!preview->btnGenera->isEnabled());
        preview->cboPeriodicita->setCurrentIndex(2); // half-yearly, chosen by the landlord
        preview->txtGiorno->setValue(15);
        QCOMPARE(rowsOf(preview->lstRecords),
                 (QStringList{u"1 | 15/01/2024 | Canone di locazione primo semestre 2024 | 650,00"_s,
                              u"2 | 15/07/2024 | Canone di locazione secondo semestre 2024 | 650,00"_s}));
        click(preview->btnGenera);
    });
    const QList<Record> records = archiveRecords(f.folder.filePath(u"2024.ric"_s));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.back().text(u"Data"_s), u"15/07/2024"_s);
}

TARVENTO_GUI_TEST_MAIN(TestGeneraRic)
#include "tst_genera_ric.moc"
