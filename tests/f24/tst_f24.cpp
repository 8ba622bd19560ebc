#include "app/TfrmAvvio.h"
#include "card/FieldBehaviour.h"
#include "f24/F24Screens.h"
#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "storage/ArchiveFile.h"
#include "support/Files.h"
#include "support/ListClicks.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

// The F24 ELIDE form as a landlord fills it: by hand or from a property card, the balance,
// save and browse, and the tax code table.
class TestF24 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ArchiveFile::failForTests(std::nullopt); }
    void menuTileOpensTheForm();
    void saveAppendsThenOverwrites();
    void navigationAtBothEnds();
    void accessMessageKinds();
    void saveWarningsInTheirOrder_data();
    void saveWarningsInTheirOrder();
    void amountTidiedOnLeaving_data();
    void amountTidiedOnLeaving();
    void balanceThroughTheScreen_data();
    void balanceThroughTheScreen();
    void typingAnAmountEmptiesTheTotal();
    void enterWalksTheFormInReadingOrder();
    void formForOutputIsTidy();
    void importFromAPropertyCard();
    void taxCodeTableContent();
    void taxCodeFindSequence_data();
    void taxCodeFindSequence();
    void taxCodeHandedToTheSecondLine();
    void fitsASmallScreen();
};

namespace {

TfrmModello_F24_Elide* openForm()
{
    frmAvvio->present();
    click(frmAvvio->imgModelloF24);
    return frmModello_F24_Elide;
}

void press(const char* name)
{
    click(control<QAbstractButton>(frmModello_F24_Elide, name));
}

QWidget* field(const QString& name)
{
    return frmModello_F24_Elide->form().control(name);
}

QString textOf(const QString& name)
{
    return FieldBehaviour::textOf(field(name));
}

void set(const QString& name, const QString& text)
{
    FieldBehaviour::setTextOf(field(name), text);
}

QString archive(const ScreenFixture& f)
{
    return f.folder.filePath(SchedaF24::archiveName());
}

Record readBack(const ScreenFixture& f, qint64 position)
{
    ArchiveFile file(archive(f), SchedaF24::recordSize);
    file.openOrCreate();
    Record r(SchedaF24::layout());
    file.seek(position - 1);
    file.read(r.bytes());
    file.close();
    return r;
}

QByteArray form(const QString& cognome)
{
    Record r(SchedaF24::layout());
    r.setText(u"CognomeCont"_s, cognome);
    r.setText(u"Data"_s, u"01/02/2024"_s);
    r.setText(u"Totale"_s, u"0,00"_s);
    return r.bytes();
}

void activate(QWidget* screen)
{
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen)); // leaving a field needs an active window
}

} // namespace

void TestF24::menuTileOpensTheForm()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), u" Tarvento 5.0 - Compilazione e stampa Modello F24 ELIDE"_s);
    QCOMPARE(screen->panInfo->text(), u"Pronto per archiviare una nuova scheda..."_s);
    for (const CardField& c : SchedaF24::fields())
        QCOMPARE(qobject_cast<QLineEdit*>(field(c.name))->maxLength(), c.capacity);
    QCOMPARE(screen->edit(u"Importo01"_s)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(screen->edit(u"Codice02"_s)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    withModal([] { press("cmdGuida"); },
              [](QWidget* modal) {
                  auto* help = qobject_cast<TfrmGuida*>(modal);
                  QVERIFY(help);
                  QCOMPARE(help->lblTitolo->text(), u"Gestione Modello F24 ELIDE."_s);
                  const QStringList paragraphs = help->txtGuida->toPlainText().split(u"\n\n"_s);
                  QCOMPARE(paragraphs.size(), 7);
                  QVERIFY(paragraphs.front().startsWith(u"Tarvento 5.0 gestisce il Modello F24 ELIDE"_s));
              });
}

void TestF24::saveAppendsThenOverwrites()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    press("cmdNuovo");
    QCOMPARE(textOf(u"Data"_s), u"15/03/2024"_s);
    set(u"CognomeCont"_s, u"Rossi"_s);
    set(u"Data"_s, u"5/3/24"_s);
    set(u"DataNasc"_s, u"1/2/60"_s); // a birth: 1960, not 2060
    set(u"Importo01"_s, u"100,1"_s);
    set(u"Importo02"_s, u"50,25"_s);
    set(u"Delegato"_s, QString(60, u'x'));
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Information,
                                       u"La scheda corrente è stata inserita in archivio."_s}));
    QCOMPARE(screen->lblPosizione->text(), u"1"_s);
    QCOMPARE(QFileInfo(archive(f)).size(), 535);
    Record saved = readBack(f, 1);
    QCOMPARE(saved.text(u"Data"_s), u"05/03/2024"_s);
    QCOMPARE(saved.text(u"DataNasc"_s), u"01/02/1960"_s);
    QCOMPARE(saved.text(u"Importo01"_s), u"100,10"_s);
    QCOMPARE(saved.text(u"Totale"_s), u"150,35"_s);
    QCOMPARE(saved.text(u"Delegato"_s).size(), 50);

    set(u"NomeCont"_s, u"Mario"_s);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage().text,
             u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
    QCOMPARE(screen->lblPosizione->text(), u"1"_s);
    QCOMPARE(QFileInfo(archive(f)).size(), 535);
    QCOMPARE(readBack(f, 1).text(u"NomeCont"_s), u"Mario"_s);
}

void TestF24::navigationAtBothEnds()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    press("cmdAvanti");
    QCOMPARE(f.desktop.lastMessage().text, u"L'archivio non contiene nessuna scheda."_s);
    QCOMPARE(screen->lblPosizione->text(), QString());
    writeFile(archive(f), form(u"Primo"_s) + form(u"Secondo"_s));
    const int messages = int(f.desktop.messages.size());
    press("cmdIndietro"); // a new form: shows the first
    QCOMPARE(textOf(u"CognomeCont"_s), u"Primo"_s);
    press("cmdIndietro");
    QCOMPARE(screen->lblPosizione->text(), u"1"_s);
    press("cmdUltimo");
    QCOMPARE(textOf(u"CognomeCont"_s), u"Secondo"_s);
    press("cmdAvanti");
    QCOMPARE(screen->lblPosizione->text(), u"2"_s);
    press("cmdNuovo");
    press("cmdAvanti");
    QCOMPARE(screen->lblPosizione->text(), u"1"_s);
    QCOMPARE(int(f.desktop.messages.size()), messages);

    // A form chosen in the search is shown with its position.
    withModal([] { press("cmdTrova"); },
              [](QWidget* modal) {
                  auto* search = qobject_cast<TfrmTrovaF24*>(modal);
                  QVERIFY(search);
                  QCOMPARE(search->lblMemory->text(), u"f24"_s);
                  click(search->btnCerca);
                  QCOMPARE(listCount(search->lstRecords), 2);
                  const int row =
                      listLine(search->lstRecords, 0).contains(u"SECONDO"_s, Qt::CaseInsensitive) ||
                              listLine(search->lstRecords, 0).contains(u"Secondo"_s)
                          ? 0
                          : 1;
                  doubleClickLine(search->lstRecords, row);
              });
    QCOMPARE(textOf(u"CognomeCont"_s), u"Secondo"_s);
    QCOMPARE(screen->lblPosizione->text(), u"2"_s);
}

void TestF24::accessMessageKinds()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    set(u"CognomeCont"_s, u"Rossi"_s);
    set(u"Data"_s, u"01/03/2024"_s);
    ArchiveFile::failForTests(ArchiveFile::Step::Open);
    press("cmdPrimo");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QCOMPARE(textOf(u"CognomeCont"_s), u"Rossi"_s);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
    QCOMPARE(f.desktop.lastMessage().text, f.desktop.messages.front().text); // the access message both times
    QCOMPARE(screen->lblPosizione->text(), QString());
    ArchiveFile::failForTests(std::nullopt);
}

void TestF24::saveWarningsInTheirOrder_data()
{
    QTest::addColumn<QString>("cognome");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString valid =
        u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno."_s;
    QTest::newRow("no surname")
        << u" "_s << u""_s << u""_s
        << u"Attenzione: per salvare la scheda è necessario indicare il cognome o la ragione sociale del contribuente."_s
        << u"CognomeCont"_s;
    QTest::newRow("no date")
        << u"Rossi"_s << u" "_s << u""_s
        << u"Attenzione: per salvare la scheda è necessario indicare la data del versamento."_s << u"Data"_s;
    QTest::newRow("31/02") << u"Rossi"_s << u"31/02/2024"_s << u""_s
                           << u"Attenzione: la data di versamento indicata non esiste."_s + valid
                           << u"Data"_s;
    QTest::newRow("birth 30/02") << u"Rossi"_s << u"01/03/2024"_s << u"30/02/1980"_s
                                 << u"Attenzione: la data di nascita indicata non esiste."_s + valid
                                 << u"DataNasc"_s;
}

void TestF24::saveWarningsInTheirOrder()
{
    QFETCH(QString, cognome);
    QFETCH(QString, data);
    QFETCH(QString, nascita);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    activate(screen);
    set(u"CognomeCont"_s, cognome);
    set(u"Data"_s, data);
    set(u"DataNasc"_s, nascita);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind::Warning, message}));
    QCOMPARE(screen->focusWidget(), field(focus));
    QVERIFY(!QFile::exists(archive(f)) || QFileInfo(archive(f)).size() == 0);
}

void TestF24::amountTidiedOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tidy");
    QTest::newRow("whole") << u"12"_s << u"12,00"_s;
    QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
    QTest::newRow("half cent") << u"2,345"_s << u"2,35"_s;
    QTest::newRow("leading comma") << u",5"_s << u"0,50"_s;
    QTest::newRow("not a number, kept") << u"1,2,3"_s << u"1,2,3"_s;
    QTest::newRow("the dot is the comma") << u"7.5"_s << u"7,50"_s;
}

void TestF24::amountTidiedOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, tidy);
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    activate(screen);
    for (const QString& amount : {u"Importo02"_s, u"Totale"_s}) {
        field(amount)->setFocus();
        QTest::keyClicks(field(amount), typed);
        field(u"Delegato"_s)->setFocus();
        QCOMPARE(textOf(amount), tidy);
    }
}

void TestF24::balanceThroughTheScreen_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("focusOnTotal");
    QTest::newRow("both") << u"100,10"_s << u"50,25"_s << u"150,35"_s << false;
    QTest::newRow("none") << u""_s << u""_s << u"0,00"_s << false;
    QTest::newRow("first only") << u"67,5"_s << u""_s << u"67,50"_s << false;
    QTest::newRow("not a number") << u"1,2,3"_s << u"4"_s << u"0,00"_s << true;
}

void TestF24::balanceThroughTheScreen()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, total);
    QFETCH(bool, focusOnTotal);
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    activate(screen);
    set(u"Importo01"_s, first);
    set(u"Importo02"_s, second);
    press("cmdCalcola");
    QCOMPARE(textOf(u"Totale"_s), total);
    QCOMPARE(screen->focusWidget() == field(u"Totale"_s), focusOnTotal);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestF24::typingAnAmountEmptiesTheTotal()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    activate(screen);
    set(u"Importo01"_s, u"10"_s);
    press("cmdCalcola");
    QCOMPARE(textOf(u"Totale"_s), u"10,00"_s);
    field(u"Importo01"_s)->setFocus();
    QTest::keyClick(field(u"Importo01"_s), Qt::Key_A); // refused, yet the total goes
    QCOMPARE(textOf(u"Totale"_s), QString());
    QCOMPARE(textOf(u"Importo01"_s), u"10"_s);
    QTest::keyClicks(field(u"Importo01"_s), u"5"_s);
    QTest::keyClick(field(u"Importo01"_s), Qt::Key_Return); // on to line 2; the total stays empty
    QCOMPARE(screen->focusWidget(), field(u"Tipo02"_s));
    QCOMPARE(textOf(u"Importo01"_s), u"105,00"_s);
    QCOMPARE(textOf(u"Totale"_s), QString());
    QTest::keyClicks(field(u"Tipo02"_s), u"f"_s);
    QCOMPARE(textOf(u"Tipo02"_s), u"F"_s);
}

void TestF24::enterWalksTheFormInReadingOrder()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    activate(screen);
    const QStringList ring = {u"Delegato"_s,    u"Agenzia"_s,     u"ProvAg"_s,         u"CodFiscCont"_s,
                              u"CognomeCont"_s, u"NomeCont"_s,    u"DataNasc"_s,       u"Sesso"_s,
                              u"ComuneNasc"_s,  u"ProvNasc"_s,    u"ComuneDom"_s,      u"ProvDom"_s,
                              u"ViaDom"_s,      u"CodFiscCoob"_s, u"Identificativo"_s, u"Tipo01"_s,
                              u"Elementi01"_s,  u"Codice01"_s,    u"AnnoRif01"_s,      u"Importo01"_s,
                              u"Tipo02"_s,      u"Elementi02"_s,  u"Codice02"_s,       u"AnnoRif02"_s,
                              u"Importo02"_s,   u"Data"_s,        u"Totale"_s,         u"Delegato"_s};
    QCOMPARE(screen->focusWidget(), field(ring.front()));
    for (qsizetype i = 1; i < ring.size(); ++i) {
        QTest::keyClick(screen->focusWidget(), Qt::Key_Return);
        QCOMPARE(screen->focusWidget()->objectName(), u"txt"_s + ring[i]);
    }
    // Codes go into capitals as they are typed; a blank at the end goes at once.
    field(u"CodFiscCont"_s)->setFocus();
    QTest::keyClicks(field(u"CodFiscCont"_s), u"abc "_s);
    QCOMPARE(textOf(u"CodFiscCont"_s), u"ABC"_s);
    field(u"AnnoRif01"_s)->setFocus();
    QTest::keyClicks(field(u"AnnoRif01"_s), u"2a0x24"_s);
    QCOMPARE(textOf(u"AnnoRif01"_s), u"2024"_s);
}

void TestF24::formForOutputIsTidy()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    set(u"Importo01"_s, u"12,5"_s);
    set(u"Importo02"_s, u"0,015"_s);
    set(u"Totale"_s, u"999"_s);
    set(u"Data"_s, u"5/3/24"_s);
    const QHash<QString, QString> out = screen->formForOutput();
    QCOMPARE(out.size(), 27);
    QCOMPARE(out.value(u"Importo01"_s), u"12,50"_s);
    QCOMPARE(out.value(u"Importo02"_s), u"0,02"_s);
    QCOMPARE(out.value(u"Totale"_s), u"12,52"_s);
    QCOMPARE(out.value(u"Data"_s), u"05/03/2024"_s);
    QCOMPARE(textOf(u"Totale"_s), u"12,52"_s);

    // The output dialogs get the same texts.
    for (const char* output : {"cmdStampa", "cmdAnteprima", "cmdPDF"})
        withModal([output] { press(output); },
                  [&](QWidget* modal) {
                      auto* dialog = qobject_cast<F24OutputScreen*>(modal);
                      QVERIFY(dialog);
                      QCOMPARE(dialog->form().value(u"Totale"_s), u"12,52"_s);
                      QCOMPARE(dialog->form().value(u"Importo01"_s), u"12,50"_s);
                  });
}

void TestF24::importFromAPropertyCard()
{
    ScreenFixture f;
    Record card(SchedaImmobile::layout());
    const struct {
        QString from, to, value;
    } copied[] = {{u"CognomeLoc01"_s, u"CognomeCont"_s, u" Rossi "_s},
                  {u"NomeLoc01"_s, u"NomeCont"_s, u"Mario"_s},
                  {u"SessoLoc01"_s, u"Sesso"_s, u"M"_s},
                  {u"CodFiscLoc01"_s, u"CodFiscCont"_s, u"RSSMRA60B01H501X"_s},
                  {u"ComuneLoc01"_s, u"ComuneNasc"_s, u"Roma"_s},
                  {u"ProvLoc01"_s, u"ProvNasc"_s, u"RM"_s},
                  {u"DataNascLoc01"_s, u"DataNasc"_s, u"01/02/1960"_s},
                  {u"ComuneDom"_s, u"ComuneDom"_s, u"Milano "_s},
                  {u"ProvDom"_s, u"ProvDom"_s, u"MI"_s},
                  {u"ViaDom"_s, u"ViaDom"_s, u"Via Po 1"_s},
                  {u"CodFiscCon01"_s, u"CodFiscCoob"_s, u"VRDLGU70C41F205Y"_s},
                  {u"CodContratto"_s, u"Elementi01"_s, u"TNT21T000123000LX"_s}};
    for (const auto& c : copied)
        card.setText(c.from, c.value);
    card.setText(u"ImpRegistro"_s, u"120"_s);
    card.setText(u"CentRegistro"_s, u"5"_s);
    writeArchive(f.folder.path(), card.bytes());
    TfrmModello_F24_Elide* screen = openForm();
    set(u"Delegato"_s, u"Banca"_s);
    set(u"Totale"_s, u"1,00"_s);
    withModal([] { press("cmdImporta"); },
              [](QWidget* modal) {
                  auto* search = qobject_cast<TfrmTrovaImmobili*>(modal);
                  QVERIFY(search);
                  QCOMPARE(search->lblMemory->text(), u"f24"_s);
                  click(search->btnCerca);
                  QCOMPARE(listCount(search->lstRecords), 1);
                  doubleClickLine(search->lstRecords, 0);
              });
    for (const auto& c : copied)
        QCOMPARE(textOf(c.to), Text::trimmed(c.value));
    QCOMPARE(textOf(u"Importo01"_s), u"120,5"_s); // as the card has it, tidied only on leaving
    QCOMPARE(textOf(u"Delegato"_s), u"Banca"_s);
    QCOMPARE(textOf(u"Totale"_s), u"1,00"_s);
    QCOMPARE(screen->lblPosizione->text(), QString());

    // Without cents the amount is left alone.
    card.setText(u"CentRegistro"_s, u" "_s);
    screen->importPropertyCard(card);
    QCOMPARE(textOf(u"Importo01"_s), u"120,5"_s);
}

void TestF24::taxCodeTableContent()
{
    const QStringList& table = TfrmCodici_Tributo::table();
    QCOMPARE(table.size(), 15);
    QCOMPARE(table.first(), u"1500  -  Imposta di Registro per prima registrazione"_s);
    QCOMPARE(
        table.at(11),
        u"A135  -  Imposta di Registro - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s);
    QCOMPARE(table.last(),
             u"A138  -  Interessi - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s);
    for (const QString& line : table)
        QCOMPARE(line.mid(4, 5), u"  -  "_s);
    ScreenFixture f;
    openForm();
    withModal([] { click(control<QWidget>(frmModello_F24_Elide, "impCodice01")); },
              [](QWidget* modal) {
                  auto* codes = qobject_cast<TfrmCodici_Tributo*>(modal);
                  QVERIFY(codes);
                  QCOMPARE(codes->windowTitle(),
                           u" Tabella Codici Tributo per versamenti con Modello F24 ELIDE"_s);
                  QCOMPARE(codes->lblMemory->text(), u"f24_codice01"_s);
                  QCOMPARE(codes->lines(), TfrmCodici_Tributo::table());
                  QCOMPARE(listCurrentRow(codes->lstRecords), 0);
                  QCOMPARE(codes->lstRecords->font().family(), u"Courier New"_s);
              });
}

void TestF24::taxCodeFindSequence_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("afterReopening");
    QTest::newRow("registro") << u"registro"_s << QStringList{u"1500"_s, u"1501"_s, u"1502"_s, u"1503"_s,
                                                              u"1504"_s, u"A135"_s, u"1500"_s}
                              << u"1501"_s;
    QTest::newRow("bollo") << u"Bollo"_s << QStringList{u"1505"_s, u"A136"_s, u"1505"_s} << u"1505"_s;
}

void TestF24::taxCodeFindSequence()
{
    QFETCH(QString, word);
    QFETCH(QStringList, codes);
    QFETCH(QString, afterReopening);
    ScreenFixture f;
    openForm();
    withModal([] { click(control<QWidget>(frmModello_F24_Elide, "impCodice02")); },
              [&](QWidget* modal) {
                  auto* table = qobject_cast<TfrmCodici_Tributo*>(modal);
                  QVERIFY(QTest::qWaitForWindowExposed(table));
                  table->txtTrova->setText(word);
                  for (const QString& code : codes) {
                      click(table->btnTrova);
                      QCOMPARE(listLine(table->lstRecords, listCurrentRow(table->lstRecords)).left(4), code);
                  }
              });
    // Reopened with the same word, the search goes on from the first line without testing it.
    withModal([] { click(control<QWidget>(frmModello_F24_Elide, "impCodice02")); },
              [&](QWidget* modal) {
                  auto* table = qobject_cast<TfrmCodici_Tributo*>(modal);
                  QVERIFY(QTest::qWaitForWindowExposed(table));
                  QCOMPARE(table->txtTrova->text(), QString());
                  table->txtTrova->setText(word);
                  table->btnTrova->click(); // a mouse click here would pair with the last one
                  QCOMPARE(listLine(table->lstRecords, listCurrentRow(table->lstRecords)).left(4), afterReopening);
              });
}

void TestF24::taxCodeHandedToTheSecondLine()
{
    ScreenFixture f;
    openForm();
    set(u"Codice01"_s, u"1500"_s);
    withModal([] { click(control<QWidget>(frmModello_F24_Elide, "impCodice02")); },
              [](QWidget* modal) {
                  auto* table = qobject_cast<TfrmCodici_Tributo*>(modal);
                  QVERIFY(QTest::qWaitForWindowExposed(table));
                  doubleClickLine(table->lstRecords, 13);
                  QVERIFY(!table->isVisible());
              });
    QCOMPARE(textOf(u"Codice02"_s), u"A137"_s);
    QCOMPARE(textOf(u"Codice01"_s), u"1500"_s);
}

void TestF24::fitsASmallScreen()
{
    ScreenFixture f;
    TfrmModello_F24_Elide* screen = openForm();
    screen->showNormal();
    screen->resize(1366, 738);
    QCoreApplication::processEvents();
    // Every field and button stands inside the screen's width, and the form scrolls at worst.
    for (const CardField& c : SchedaF24::fields()) {
        QWidget* w = field(c.name);
        const QPoint right = w->mapTo(screen, QPoint(w->width(), 0));
        QVERIFY2(right.x() <= screen->width(), qPrintable(c.name));
        QVERIFY2(w->width() >= 30, qPrintable(c.name));
    }
    const QString shot = qEnvironmentVariable("F24_SCREENSHOT");
    if (!shot.isEmpty())
        screen->grab().save(shot);
}

TARVENTO_GUI_TEST_MAIN(TestF24)
#include "tst_f24.moc"
