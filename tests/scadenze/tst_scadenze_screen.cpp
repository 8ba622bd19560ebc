#include "DozenCards.h"
#include "app/TfrmAvvio.h"
#include "f24/F24Screens.h"
#include "immobili/TfrmImmobili.h"
#include "scadenze/Scadenzario.h"
#include "scadenze/TfrmScadenze.h"
#include "support/CommandRun.h"
#include "support/ListClicks.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TfrmScadenze* openScadenze()
{
    frmAvvio->present();
    click(frmAvvio->imgScadenze);
    return frmScadenze;
}

int rowOf(QListView* list, const QString& kind, const QString& property)
{
    for (int row = 0; row < listCount(list); ++row) {
        const QString line = listLine(list, row);
        if (line.contains(kind) && line.contains(property))
            return row;
    }
    return -1;
}

void selectLine(QListView* list, int row)
{
    QCoreApplication::processEvents();
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->visualRect(index).center().y()));
}

// The iCalendar file read back by python3-icalendar: its events as JSON objects.
QJsonArray parsedEvents(const QString& path)
{
    const QString script = uR"(
import json, sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
assert cal['VERSION'] == '2.0' and 'PRODID' in cal
out = []
for e in cal.walk('VEVENT'):
    alarm = e.walk('VALARM')[0]
    out.append({'uid': str(e['UID']), 'start': e.decoded('DTSTART').isoformat(),
                'allday': type(e.decoded('DTSTART')).__name__ == 'date', 'stamp': 'DTSTAMP' in e,
                'summary': str(e['SUMMARY']), 'description': str(e['DESCRIPTION']),
                'trigger': int(alarm.decoded('TRIGGER').total_seconds())})
print(json.dumps(out))
)"_s;
    QProcess python;
    python.start(u"/usr/bin/python3"_s, {u"-c"_s, script, path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

} // namespace

// The Scadenze screen through the main menu, the card and the F24 screen, and the same list
// from the command line.
class TestScadenzeScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuTileOpensTheList();
    void doubleClickOpensTheCard();
    void prepareF24_data();
    void prepareF24();
    void prepareF24NeedsATaxLine();
    void periodAndFilter();
    void calendarFromTheScreen();
    void commandLinePrintsTheLines();
    void calendarReadByARealParser();
    void commandLineArguments_data();
    void commandLineArguments();
};

void TestScadenzeScreen::menuTileOpensTheList()
{
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    QCOMPARE(frmAvvio->btnScadenze->text(), u"SCADENZE"_s);
    QCOMPARE(frmAvvio->infScadenze->text(),
             u"Imposta di registro, fine locazione, disdette e canoni da incassare."_s);
    TfrmScadenze* screen = openScadenze();
    QVERIFY(screen->isVisible());
    QVERIFY(!frmAvvio->isVisible());
    QListView* list = screen->lstRecords;
    // The card to check first, then the overdue lines, then by date from today.
    QCOMPARE(listLine(list, 0).left(2), u"? "_s);
    QVERIFY(listLine(list, 0).contains(u"Cantina via Garibaldi 7"_s));
    QVERIFY(listLine(list, 0).endsWith(u"date non leggibili: Fine locazione"_s));
    const int rossi = rowOf(list, u"01/05/2024  Imposta di registro"_s, u"Appartamento via Roma 1"_s);
    QCOMPARE(
        listLine(list, rossi),
        u"  01/05/2024  Imposta di registro   Appartamento via Roma 1         ROSSI MARIO                 "
        u"156,00  da versare, cod. 1501, metà 78,00 + 78,00"_s);
    const int ricci = rowOf(list, u"01/02/2024  Rata canone"_s, u"Posto letto via Manzoni 5"_s);
    QVERIFY(listLine(list, ricci).startsWith(u"! "_s));
    QVERIFY(listLine(list, ricci).endsWith(u"scaduta, emessa, non saldata"_s));
    QVERIFY(rowOf(list, u"31/05/2024  Fine locazione"_s, u"Negozio corso Italia 12"_s) > ricci);
    QVERIFY(rowOf(list, u"30/03/2024  Termine disdetta"_s, u"Villa via dei Pini 20"_s) > 0);
    // How the chosen line's amount was found, under the list.
    selectLine(list, rossi);
    QVERIFY(screen->lblDettaglio->text().contains(u"2% del canone annuo 7800,00 = 156,00"_s));
    QVERIFY(screen->lblTrovate->text().startsWith(u"Scadenze in elenco: "_s));
    // Closing returns to the main menu.
    click(control<QToolButton>(screen, "cmdEsci"));
    QVERIFY(frmAvvio->isVisible());
}

void TestScadenzeScreen::doubleClickOpensTheCard()
{
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    TfrmScadenze* screen = openScadenze();
    doubleClickLine(screen->lstRecords,
                    rowOf(screen->lstRecords, u"Imposta di registro"_s, u"via Cavour 9"_s));
    QVERIFY(frmImmobili->isVisible());
    QCOMPARE(frmImmobili->lblPosizione->text(), u"12"_s);
    QCOMPARE(control<QLineEdit>(frmImmobili, "txtImmobile")->text(), u"Appartamento via Cavour 9"_s);
    QCOMPARE(control<QLineEdit>(frmImmobili, "txtCognomeCon01")->text(), u"GRECO"_s);
}

void TestScadenzeScreen::prepareF24_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QStringList>("line1"); // Tipo01, Elementi01, Codice01, AnnoRif01, Importo01
    QTest::addColumn<QString>("warning");   // a part of it; empty: none
    QTest::newRow("later year") << u"Appartamento via Roma 1"_s << u"01/05/2024"_s
                                << QStringList{u"F"_s, DozenCards::code(1), u"1501"_s, u"2024"_s, u"156,00"_s}
                                << QString();
    QTest::newRow("first registration: no contract code yet")
        << u"Appartamento via Verdi 8"_s << u"24/04/2024"_s
        << QStringList{u"F"_s, u""_s, u"1500"_s, u"2024"_s, u"67,00"_s} << QString();
    QTest::newRow("extension") << u"Magazzino via Napoli 40"_s << u"30/05/2024"_s
                               << QStringList{u"F"_s, DozenCards::code(9), u"1504"_s, u"2024"_s, u"192,00"_s}
                               << QString();
    QTest::newRow("short contract code: the form opens with a warning")
        << u"Ufficio piazza Duomo 2"_s << u"31/03/2024"_s
        << QStringList{u"F"_s, u"TNR20T0001"_s, u"1501"_s, u"2024"_s, u"240,00"_s}
        << u"un codice identificativo del contratto di 17 caratteri (quello della scheda ne ha 10)"_s;
}

void TestScadenzeScreen::prepareF24()
{
    QFETCH(QString, property);
    QFETCH(QString, due);
    QFETCH(QStringList, line1);
    const QString kind = due + u"  Imposta di registro"_s;
    QFETCH(QString, warning);
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    TfrmScadenze* screen = openScadenze();
    const int row = rowOf(screen->lstRecords, kind, property);
    QVERIFY(row >= 0);
    selectLine(screen->lstRecords, row);
    click(control<QToolButton>(screen, "cmdPreparaF24"));
    TfrmModello_F24_Elide* f24 = frmModello_F24_Elide;
    QVERIFY(f24->isVisible());
    QVERIFY(!screen->isVisible());
    auto text = [f24](const char* field) { return f24->edit(QString::fromLatin1(field))->text(); };
    // The payer is the landlord, the co-obliged party the tenant with code 63.
    QCOMPARE(text("CognomeCont"), u"BIANCO"_s);
    QCOMPARE(text("CodFiscCont"), u"BNCLRT60A01H501X"_s);
    QCOMPARE(text("ViaDom"), u"VIA APPIA 10"_s);
    QCOMPARE(text("CodFiscCoob").left(13), u"CNDTNT80A01H5"_s);
    QCOMPARE(text("Identificativo"), u"63"_s);
    QCOMPARE((QStringList{text("Tipo01"), text("Elementi01"), text("Codice01"), text("AnnoRif01"),
                          text("Importo01")}),
             line1);
    QCOMPARE(text("Totale"), line1.last()); // the balance, as "Calcola" gives it
    for (const char* empty :
         {"Tipo02", "Elementi02", "Codice02", "AnnoRif02", "Importo02", "Data", "Delegato"})
        QCOMPARE(text(empty), QString());
    // A new form: nothing saved until Salva.
    QCOMPARE(f24->lblPosizione->text(), QString());
    QVERIFY(!QFile::exists(f.folder.filePath(u"F24_ELIDE.pro"_s)));
    if (warning.isEmpty()) {
        QCOMPARE(f.desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind::Plain, QString()}));
    } else {
        QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
        QVERIFY(f.desktop.lastMessage().text.contains(warning));
    }
    // Saved (with a payment date), the payment is no longer open on the list.
    f24->edit(u"Data"_s)->setText(u"20/03/2024"_s);
    click(control<QToolButton>(f24, "cmdSalva"));
    QCOMPARE(f24->lblPosizione->text(), u"1"_s);
    click(control<QToolButton>(f24, "cmdEsci"));
    openScadenze();
    const QString saved = listLine(frmScadenze->lstRecords, rowOf(frmScadenze->lstRecords, kind, property));
    QVERIFY2(saved.contains(u"F24 compilato il 20/03/2024"_s), qPrintable(saved));
}

void TestScadenzeScreen::prepareF24NeedsATaxLine()
{
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    TfrmScadenze* screen = openScadenze();
    selectLine(screen->lstRecords,
               rowOf(screen->lstRecords, u"Fine locazione"_s, u"Negozio corso Italia 12"_s));
    click(control<QToolButton>(screen, "cmdPreparaF24"));
    QVERIFY(screen->isVisible());
    QCOMPARE(
        f.desktop.lastMessage(),
        (ScriptedDesktop::Message{Desktop::Kind::Information,
                                  u"Per preparare il Modello F24 ELIDE selezionare nell'elenco un versamento "
                                  u"dell'imposta di registro."_s}));
}

void TestScadenzeScreen::periodAndFilter()
{
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    TfrmScadenze* screen = openScadenze();
    QCOMPARE(screen->txtAl->text(), u"13/06/2024"_s); // 90 days from 15/03/2024
    // Only the rent still to collect.
    screen->cboTipo->setFocus();
    QTest::keyClick(screen->cboTipo, Qt::Key_End);
    QVERIFY(listCount(screen->lstRecords) > 3);
    for (int row = 1; row < listCount(screen->lstRecords); ++row) {
        QVERIFY(listLine(screen->lstRecords, row).contains(u"Rata canone"_s));
        QVERIFY(!listLine(screen->lstRecords, row).endsWith(u"pagata"_s));
    }
    // Two dates typed: May only, its instalments and payments; an impossible date is refused.
    QTest::keyClick(screen->cboTipo, Qt::Key_Home);
    screen->cboPeriodo->setFocus();
    QTest::keyClick(screen->cboPeriodo, Qt::Key_End);
    QVERIFY(screen->txtDal->isEnabled());
    screen->txtDal->clear();
    screen->txtAl->clear();
    QTest::keyClicks(screen->txtDal, u"1/5/24"_s);
    QTest::keyClicks(screen->txtAl, u"31/05/2024"_s);
    click(screen->btnAggiorna);
    QCOMPARE(screen->txtDal->text(), u"01/05/2024"_s);
    QVERIFY(rowOf(screen->lstRecords, u"01/05/2024  Imposta di registro"_s, u"via Roma 1"_s) >= 0);
    QCOMPARE(rowOf(screen->lstRecords, u"05/04/2024"_s, u""_s), -1);
    QCOMPARE(rowOf(screen->lstRecords, u"13/06/2024"_s, u""_s), -1);
    screen->txtAl->clear();
    QTest::keyClicks(screen->txtAl, u"31/02/2024"_s);
    click(screen->btnAggiorna);
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
    QVERIFY(f.desktop.lastMessage().text.startsWith(u"Attenzione: la data indicata non esiste."_s));
    QCOMPARE(screen->focusWidget(), screen->txtAl);
}

void TestScadenzeScreen::calendarFromTheScreen()
{
    ScreenFixture f;
    DozenCards::write(f.folder.path());
    TfrmScadenze* screen = openScadenze();
    click(control<QToolButton>(screen, "cmdCalendario"));
    const QString path = f.folder.filePath(u"Scadenze.ics"_s);
    QVERIFY(QFile::exists(path));
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Confirmation);
    QCOMPARE(f.desktop.opened.size(), 1);
    const QJsonArray events = parsedEvents(path);
    int dated = 0;
    for (const auto& d : screen->shown())
        dated += d.date.isValid() ? 1 : 0;
    QCOMPARE(events.size(), dated);
    // DTSTAMP from the program's clock: the file of a day is the same file.
    const QByteArray first = readFile(path);
    QVERIFY(first.contains("DTSTAMP:20240315T000000Z\r\n"));
    click(control<QToolButton>(screen, "cmdCalendario"));
    QCOMPARE(readFile(path), first);
}

void TestScadenzeScreen::commandLinePrintsTheLines()
{
    QTemporaryDir folder;
    DozenCards::write(folder.path());
    const CommandResult result =
        runTarvento(folder.path(), {u"--scadenze"_s, u"--dal"_s, u"01/04/2024"_s, u"--al"_s, u"30/06/2024"_s},
                    withoutDisplay());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QStringList lines = result.out.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.takeFirst(), u"Scadenzario dal 01/04/2024 al 30/06/2024"_s);
    // The screen's lines, the same text (the overdue marks depend on the day the test runs).
    const auto deadlines =
        Scadenzario::collect(folder.path(), {QDate(2024, 4, 1), QDate(2024, 6, 30)}, QDate::currentDate());
    QCOMPARE(lines, Scadenzario::lines(deadlines));
    QVERIFY(lines.filter(u"01/05/2024  Imposta di registro   Appartamento via Roma 1"_s).size() == 1);
    QVERIFY(lines.filter(u"30/05/2024  Imposta di registro   Magazzino via Napoli 40"_s).size() == 1);
    // Nothing was created in the data folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             (QStringList{u"2024.ric"_s, u"Immobili.pro"_s, u"tarvento"_s}));
}

void TestScadenzeScreen::calendarReadByARealParser()
{
    QTemporaryDir folder;
    QByteArray cards = DozenCards::cards();
    // A hostile description: the characters TEXT escapes, accents, and more than 75 octets.
    const QString hostile =
        u"Casa \"Il Poggio\"; scala B, interno 3\\bis — più lunga di settantacinque ottetti àèìòù"_s;
    cards += DozenCards::card({{"Immobile", hostile},
                               {"CognomeCon01", u"NICOLÒ"_s},
                               {"DurataDAL", u"01/04/2023"_s},
                               {"DurataAL", u"31/03/2027"_s},
                               {"ImpCanone", u"1000"_s},
                               {"CodFiscCon01", u"X"_s}});
    writeArchive(folder.path(), cards);
    const QStringList args{u"--scadenze"_s,
                           u"--dal"_s,
                           u"01/04/2024"_s,
                           u"--al"_s,
                           u"30/06/2024"_s,
                           u"--ics"_s,
                           folder.filePath(u"uscita.ics"_s)};
    QCOMPARE(runTarvento(folder.path(), args, withoutDisplay()).exitCode, 0);
    const QString path = folder.filePath(u"uscita.ics"_s);
    const QByteArray bytes = readFile(path);
    // CRLF after every line, none longer than 75 octets, no UTF-8 sequence split by a fold.
    QVERIFY(bytes.endsWith("END:VCALENDAR\r\n"));
    for (const QByteArray& physical : bytes.split('\n')) {
        QVERIFY(physical.isEmpty() || physical.endsWith('\r'));
        QVERIFY2(physical.size() - 1 <= 75, physical.constData());
        QVERIFY(QString::fromUtf8(physical).toUtf8() == physical);
    }
    const QJsonArray events = parsedEvents(path);
    QVERIFY(events.size() > 5);
    bool foundRossi = false, foundHostile = false;
    QStringList uids;
    for (const QJsonValue& value : events) {
        const QJsonObject e = value.toObject();
        uids.append(e[u"uid"_s].toString());
        QVERIFY(e[u"allday"_s].toBool());
        QVERIFY(e[u"stamp"_s].toBool());
        QCOMPARE(e[u"trigger"_s].toInt(), -7 * 24 * 3600);
        if (e[u"uid"_s].toString() == u"scheda1-registro-20240501@tarvento"_s) {
            foundRossi = true;
            QCOMPARE(e[u"start"_s].toString(), u"2024-05-01"_s);
            QCOMPARE(e[u"summary"_s].toString(),
                     u"Imposta di registro: Appartamento via Roma 1 - ROSSI MARIO"_s);
            QVERIFY(e[u"description"_s].toString().startsWith(u"Importo: 156,00 euro\nCodice contratto: "_s +
                                                              DozenCards::code(1) +
                                                              u"\nStato: da versare"_s));
        }
        if (e[u"summary"_s].toString() == u"Imposta di registro: "_s + hostile + u" - NICOLÒ"_s)
            foundHostile = true;
    }
    QVERIFY(foundRossi);
    QVERIFY(foundHostile);
    QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    // Run again, and again after a card is added at the end: the same events keep their UIDs.
    QCOMPARE(runTarvento(folder.path(), args, withoutDisplay()).exitCode, 0);
    QStringList again;
    for (const QJsonValue& value : parsedEvents(path))
        again.append(value.toObject()[u"uid"_s].toString());
    QCOMPARE(again, uids);
    writeArchive(folder.path(),
                 cards + DozenCards::card({{"Immobile", u"Nuovo"_s}, {"DurataAL", u"15/06/2024"_s}}));
    QCOMPARE(runTarvento(folder.path(), args, withoutDisplay()).exitCode, 0);
    QStringList added;
    for (const QJsonValue& value : parsedEvents(path))
        added.append(value.toObject()[u"uid"_s].toString());
    for (const QString& uid : uids)
        QVERIFY(added.contains(uid));
    QVERIFY(added.contains(u"scheda14-fine-20240615@tarvento"_s));
}

void TestScadenzeScreen::commandLineArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // the first line of standard error
    QTest::newRow("days") << QStringList{u"--giorni"_s, u"30"_s} << 0 << QString();
    QTest::newRow("days not a number") << QStringList{u"--giorni"_s, u"trenta"_s} << 2
                                       << u"Numero di giorni non valido: trenta (da 0 a 3660)."_s;
    QTest::newRow("only one date") << QStringList{u"--dal"_s, u"01/01/2024"_s} << 2
                                   << u"Indicare sia --dal sia --al."_s;
    QTest::newRow("impossible date") << QStringList{u"--dal"_s, u"31/02/2024"_s, u"--al"_s, u"01/03/2024"_s}
                                     << 2 << u"Data non valida: 31/02/2024 (usare gg/mm/aaaa)."_s;
    QTest::newRow("dates reversed") << QStringList{u"--dal"_s, u"01/03/2024"_s, u"--al"_s, u"01/02/2024"_s}
                                    << 2 << u"La data di --dal viene dopo quella di --al."_s;
    QTest::newRow("unknown word") << QStringList{u"--mesi"_s, u"3"_s} << 2
                                  << u"Argomento sconosciuto per --scadenze: --mesi"_s;
    QTest::newRow("calendar in a missing folder")
        << QStringList{u"--ics"_s, u"/manca/del/tutto/uscita.ics"_s} << 1 << QString();
}

void TestScadenzeScreen::commandLineArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QTemporaryDir folder;
    DozenCards::write(folder.path());
    const CommandResult result =
        runTarvento(folder.path(), QStringList{u"--scadenze"_s} + arguments, withoutDisplay());
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0)
        QVERIFY(result.out.startsWith(u"Scadenzario dal "_s));
    else
        QVERIFY(!result.err.isEmpty());
    if (!error.isEmpty())
        QCOMPARE(result.err.section(u'\n', 0, 0), error);
}

TARVENTO_GUI_TEST_MAIN(TestScadenzeScreen)
#include "tst_scadenze_screen.moc"
