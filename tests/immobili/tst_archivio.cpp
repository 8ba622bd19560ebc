#include "app/TfrmAvvio.h"
#include "card/FieldBehaviour.h"
#include "immobili/Attachments.h"
#include "immobili/ImmobiliScreens.h"
#include "immobili/SchedaImmobile.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "platform/Picture.h"
#include "platform/PrintDialog.h"
#include "platform/SafeWrite.h"
#include "support/Files.h"
#include "support/ListClicks.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A card written field by field through the record table.
QByteArray card(const QList<std::pair<QString, QString>>& values)
{
    Record r(SchedaImmobile::layout());
    for (const auto& [field, value] : values)
        r.setText(field, value);
    return r.bytes();
}

void pressTool(QWidget* screen, const char* name)
{
    click(control<QAbstractButton>(screen, name));
}

// The export file as its shape says, written out here by hand.
const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo "
    "Immobili</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</"
    "x:ProtectContents><x:ProtectObjects>"
    "False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></"
    "x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
    "<style>td.t{mso-number-format:\"\\@\";}</style></head><body><table x:str><tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Descrizione immobile</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tipologia</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Indirizzo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Comune</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Anno costruzione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Utilizzo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Costituzione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Accessori</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Valore di mercato</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Dati in tabelle millesimali</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tasse comunali</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Categoria catastale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Rendita catastale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome Locatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice fiscale Locatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Perc. di possesso</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. cellulare Locatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Comproprietari</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice fiscale Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. cellulare Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Persone conviventi</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice ID Contratto</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Periodicit\xE0 rata canone</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Importo rata canone</td></tr>";
const QByteArray kTail = "</table></body></html>";

QByteArray row(const QList<QByteArray>& cells)
{
    // Every cell is text but the rent's, the last one: a number, with two decimals when it is an
    // amount (not when it is empty or the lone comma of an empty rent).
    QByteArray out = "<tr>";
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const bool rent = i + 1 == cells.size();
        const bool amount = rent && !cells[i].isEmpty() && cells[i] != ",";
        out += (!rent     ? "<td class=\"t\" style=\"text-align: left;\">"
                : amount ? "<td sdnum=\"1040;1040;0,00\" style=\"text-align: left;\">"
                         : "<td style=\"text-align: left;\">") +
               cells[i] + "</td>";
    }
    return out + "</tr>";
}

QList<QByteArray> emptyCells()
{
    return QList<QByteArray>(25);
}

const QString kExportQuestion =
    u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    u"schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchListsMatchingCards();
    void searchOfAnEmptyArchive();
    void findNextAndPrintTheList();
    void doubleClickLoadsTheClickedOfIdenticalCards();
    void exportWritesTheGridAsItStands();
    void exportOfAnEmptyArchive();
    void exportThatCannotBeWrittenKeepsTheOldFile();
    void attachments();
    void attachmentNamesStayInTheirFolder();
    void attachmentLinkIsReplacedNotFollowed();
    void attachmentsRefused_data();
    void attachmentsRefused();
};

void TestArchivio::searchListsMatchingCards()
{
    ScreenFixture f;
    writeArchive(f.folder.path(),
                 card({{u"Immobile"_s, u"Villa al mare"_s},
                       {u"CognomeLoc01"_s, u"ROSSI"_s},
                       {u"Comune01"_s, u"Milano"_s},
                       {u"CodContratto"_s, u"TZZ21T001234000AB"_s},
                       {u"CognomeCon01"_s, u"Bianchi"_s},
                       {u"DataStipula"_s, u"01/02/2021"_s}}) +
                     card({{u"Immobile"_s, u"Appartamento"_s},
                           {u"CognomeLoc01"_s, u"Grossi"_s},
                           {u"Comune01"_s, u"Roma"_s}}) +
                     card({{u"Immobile"_s, QString(70, u'x')}, {u"CognomeLoc01"_s, u"Verdi"_s}}));
    TfrmTrovaImmobili search;
    search.show();
    QCOMPARE(search.focusWidget()->objectName(), u"txtImmobile"_s);
    QTest::keyClicks(control<QLineEdit>(&search, "txtCognomeLoc01"), u"ross"_s);
    click(search.btnCerca);
    QCOMPARE(search.lblConta->text(), u"1"_s);
    QCOMPARE(search.lblTrovate->text(), u"Il presente riepilogo contiene 2 schede."_s);
    QVERIFY(search.panContainer->isVisible());
    QVERIFY(!search.panAvvio->isVisible());
    QCOMPARE(search.focusWidget(), search.txtTrova);
    const QStringList lines = search.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].left(12), u"Appartamento"_s); // sorted
    QCOMPARE(lines[1], u"Villa al mare"_s.leftJustified(60) + u"  ID: TZZ21T001234000AB  Loc. ROSSI"_s +
                           QString(13, u' ') + u"  Con. Bianchi"_s + QString(11, u' ') +
                           u"  Stipula: 01/02/2021"_s);
    QCOMPARE(lines[1].size(), 144 + 10);

    TfrmTrovaImmobili both;
    both.show();
    control<QLineEdit>(&both, "txtCognomeLoc01")->setText(u"rossi"_s);
    control<QLineEdit>(&both, "txtComune01")->setText(u"MILANO"_s);
    click(both.btnCerca);
    QCOMPARE(both.lines().size(), 1);

    TfrmTrovaImmobili all;
    all.show();
    click(all.btnCerca);
    QCOMPARE(all.lblConta->text(), u"0"_s);
    QCOMPARE(all.lines().size(), 3);
    QCOMPARE(all.lines()[2].left(62), QString(60, u'x') + u"  "_s); // a description cut at 60
}

void TestArchivio::searchOfAnEmptyArchive()
{
    ScreenFixture f;
    TfrmTrovaImmobili search;
    search.show();
    click(search.btnCerca);
    QCOMPARE(search.lblTrovate->text(), u"Il presente riepilogo contiene 0 schede."_s);
    QVERIFY(QFile::exists(f.folder.filePath(u"Immobili.pro"_s)));
    click(search.btnTrova);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Plain,
                                       u"Ricerca non applicabile: la lista non contiene nessuna voce."_s}));

    QFile::remove(f.folder.filePath(u"Immobili.pro"_s));
    QDir().mkdir(f.folder.filePath(u"Immobili.pro"_s)); // an archive that cannot be opened
    TfrmTrovaImmobili failing;
    failing.show();
    click(failing.btnCerca);
    QCOMPARE(f.desktop.lastMessage().text, CardProtocol::accessMessage());
    QVERIFY(failing.panAvvio->isVisible());
}

void TestArchivio::findNextAndPrintTheList()
{
    ScreenFixture f;
    QByteArray cards;
    for (const char* name : {"A uno", "B due", "C verdi", "D tre", "E quattro", "F Verdi"})
        cards += card({{u"Immobile"_s, QString::fromUtf8(name)}});
    writeArchive(f.folder.path(), cards);
    TfrmTrovaImmobili search;
    search.show();
    click(search.btnCerca);
    search.txtTrova->setText(u"VERDI"_s);
    for (int expected : {2, 5, 2}) {
        click(search.btnTrova);
        QCOMPARE(listCurrentRow(search.lstRecords), expected);
    }
    search.txtTrova->setFocus();
    QTest::keyClick(search.txtTrova, Qt::Key_Return); // moves to "Trova" without pressing it
    QCOMPARE(search.focusWidget(), search.btnTrova);
    QCOMPARE(listCurrentRow(search.lstRecords), 2);

    int pages = 0;
    PrintDialog::setHandlerForTests([&](QPrinter&, int count) {
        pages = count;
        return false;
    });
    click(search.btnStampa);
    PrintDialog::setHandlerForTests({});
    QCOMPARE(pages, 1);
}

void TestArchivio::doubleClickLoadsTheClickedOfIdenticalCards()
{
    // Two cards give the same line; each line loads its own card.
    const struct {
        int twin; // which of the two identical lines is clicked
        QString nome;
        QString file;
        QString position;
    } cases[] = {{0, u"primo"_s, QString(), u"1"_s}, {1, u"secondo"_s, u"foto.jpg"_s, u"3"_s}};
    for (const auto& c : cases) {
        ScreenFixture f;
        writeArchive(f.folder.path(), card({{u"Immobile"_s, u"Gemello"_s}, {u"NomeLoc01"_s, u"primo"_s}}) +
                                          card({{u"Immobile"_s, u"Altro"_s}}) +
                                          card({{u"Immobile"_s, u"Gemello"_s},
                                                {u"NomeLoc01"_s, u"secondo"_s},
                                                {u"File01"_s, u"foto.jpg"_s}}));
        TfrmImmobili* cardScreen = openCard();
        cardScreen->showSection(TfrmImmobili::Section::Contratto);
        withModal([&] { pressTool(cardScreen, "cmdTrova"); },
                  [&](QWidget* modal) {
                      auto* search = qobject_cast<TfrmTrovaImmobili*>(modal);
                      QVERIFY(search);
                      QCOMPARE(search->lblMemory->text(), u"immobili"_s);
                      click(search->btnCerca);
                      const QStringList twins = search->lines().filter(u"Gemello"_s);
                      QCOMPARE(twins.size(), 2);
                      QCOMPARE(twins[0], twins[1]);
                      const int row = search->lines().indexOf(twins.front()) + c.twin;
                      doubleClickLine(search->lstRecords, row);
                      QVERIFY(!search->isVisible());
                  });
        QCOMPARE(FieldBehaviour::textOf(cardScreen->form().control(u"NomeLoc01"_s)), c.nome);
        QCOMPARE(control<QLabel>(cardScreen, "lblFile01")->text(), c.file);
        QCOMPARE(cardScreen->lblPosizione->text(), c.position);
        QVERIFY(control<QWidget>(cardScreen, "panContratto")->isVisible()); // nothing else changes
    }
}

void TestArchivio::exportWritesTheGridAsItStands()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), card({{u"Immobile"_s, u"Villa <Rosa> & \"figli\""_s},
                                        {u"Via01"_s, u"Via"_s},
                                        {u"Indirizzo01"_s, u"Roma"_s},
                                        {u"Civico01"_s, u"1"_s},
                                        {u"CognomeLoc01"_s, u"Rossi"_s},
                                        {u"ImpRata"_s, u"650"_s},
                                        {u"CentRata"_s, u"00"_s},
                                        {u"Periodicita"_s, u"Rata canone di locazione mensile"_s}}) +
                                      card({{u"Immobile"_s, u"Box"_s}, {u"Indirizzo01"_s, u"Garibaldi"_s}}));
    TfrmImmobili* cardScreen = openCard();
    withModal(
        [&] { pressTool(cardScreen, "cmdExcel"); },
        [&](QWidget* modal) {
            auto* exporter = qobject_cast<TfrmExpImmobili*>(modal);
            QVERIFY(exporter);
            QAbstractItemModel* grid = exporter->grdRecords->model();
            QCOMPARE(grid->rowCount(), 2);
            QCOMPARE(grid->columnCount(), 26);
            QCOMPARE(grid->index(1, 0).data().toString(), u"2"_s);
            QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(), u"Descrizione Immobile"_s);
            QVERIFY(!(grid->flags(grid->index(0, 1)) & Qt::ItemIsEditable));
            QVERIFY(grid->flags(grid->index(0, 14)) & Qt::ItemIsEditable);
            // an edited cell is exported as edited
            QVERIFY(grid->setData(grid->index(1, 22), u"  Anna e Luca "_s));
            QCOMPARE(grid->index(1, 22).data().toString(), u"  Anna e Luca "_s);

            f.desktop.answers.enqueue(Desktop::Answer::No);
            click(exporter->cmdEsporta);
            QCOMPARE(f.desktop.lastMessage(),
                     (ScriptedDesktop::Message{Desktop::Kind::Confirmation, kExportQuestion}));
            QVERIFY(!QFile::exists(f.folder.filePath(u"Immobili.xls"_s)));

            f.desktop.answers.enqueue(Desktop::Answer::Yes);
            f.desktop.answers.enqueue(Desktop::Answer::Yes);
            click(exporter->cmdEsporta);
            QCOMPARE(
                f.desktop.lastMessage().text,
                u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s);
        });
    const QString path = f.folder.filePath(u"Immobili.xls"_s);
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});

    QList<QByteArray> first = emptyCells();
    first[0] = "Villa &lt;Rosa&gt; &amp; &quot;figli&quot;";
    first[2] = "Via Roma 1";
    first[6] = "Volume:  Superficie:  Vani:";
    first[12] = ",";
    first[13] = "Rossi";
    first[15] = ",";
    first[23] = "Rata canone di locazione mensile";
    first[24] = "650,00";
    QList<QByteArray> second = first;
    second = emptyCells();
    second[0] = "Box";
    second[2] = "Garibaldi";
    second[6] = "Volume:  Superficie:  Vani:";
    second[12] = ",";
    second[15] = ",";
    second[21] = "Anna e Luca";
    second[24] = ",";
    QCOMPARE(readFile(path), kHead + row(first) + row(second) + kTail);
}

void TestArchivio::exportOfAnEmptyArchive()
{
    ScreenFixture f;
    TfrmExpImmobili exporter;
    exporter.show();
    QCOMPARE(exporter.grdRecords->model()->rowCount(), 10);
    f.desktop.answers.enqueue(Desktop::Answer::Yes);
    f.desktop.answers.enqueue(Desktop::Answer::No);
    click(exporter.cmdEsporta);
    QByteArray rows;
    for (int i = 0; i < 10; ++i)
        rows += row(emptyCells());
    QCOMPARE(readFile(f.folder.filePath(u"Immobili.xls"_s)), kHead + rows + kTail);
    QVERIFY(f.desktop.opened.isEmpty());
}

void TestArchivio::exportThatCannotBeWrittenKeepsTheOldFile()
{
    ScreenFixture f;
    const QString path = f.folder.filePath(u"Immobili.xls"_s);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("esportazione precedente");
    }
    writeArchive(f.folder.path(), card({{u"Immobile"_s, u"Villa"_s}}));
    TfrmExpImmobili exporter;
    exporter.show();
    const ScriptedDesktop::Message refused{
        Desktop::Kind::Plain, u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                              u"che il file di Excel non sia già aperto."_s};
    SafeWrite::failWritesForTests(true); // the disk is full
    click(exporter.cmdEsporta);
    SafeWrite::failWritesForTests(false);
    QCOMPARE(f.desktop.lastMessage(), refused);
    QCOMPARE(readFile(path), QByteArray("esportazione precedente"));

    // Something named Immobili.xls that cannot be replaced at all: a folder holding a file.
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path + u"/dentro"_s));
    click(exporter.cmdEsporta);
    QCOMPARE(f.desktop.lastMessage(), refused);
    QVERIFY(QFileInfo(path + u"/dentro"_s).isDir());
    QVERIFY(f.desktop.opened.isEmpty());
}

void TestArchivio::attachments()
{
    ScreenFixture f;
    QTemporaryDir elsewhere;
    const QString photo = elsewhere.filePath(u"facciata.jpg"_s);
    {
        QFile p(photo);
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write("nuova foto");
    }
    TfrmImmobili* cardScreen = openCard();
    control<QLabel>(cardScreen, "lblDesc02")->setText(u"Vecchia descrizione"_s);

    withModal([&] { pressTool(cardScreen, "cmdAllega"); },
              [&](QWidget* modal) {
                  auto* dialog = qobject_cast<TfrmAllegaCartella*>(modal);
                  QVERIFY(dialog);
                  QCOMPARE(dialog->txtDesc[1]->text(), u"Vecchia descrizione"_s);
                  QVERIFY(!dialog->btnApri[0]->isEnabled());

                  click(dialog->btnSfoglia[0]); // the file dialog cancelled: nothing changes
                  QCOMPARE(dialog->txtFile[0]->text(), QString());

                  f.desktop.fileNames.enqueue(photo);
                  click(dialog->btnSfoglia[0]);
                  QCOMPARE(dialog->txtFile[0]->text(), u"facciata.jpg"_s);
                  QVERIFY(dialog->btnApri[0]->isEnabled());
                  QCOMPARE(readFile(Attachments::folder() + u"facciata.jpg"_s), QByteArray("nuova foto"));
                  QVERIFY(f.desktop.messages.isEmpty());

                  // The same name again: the question, and No keeps the folder's file.
                  QFile p(photo);
                  QVERIFY(p.open(QIODevice::WriteOnly));
                  p.write("altra foto");
                  p.close();
                  f.desktop.fileNames.enqueue(photo);
                  f.desktop.answers.enqueue(Desktop::Answer::No);
                  click(dialog->btnSfoglia[2]);
                  QCOMPARE(f.desktop.lastMessage(),
                           (ScriptedDesktop::Message{
                               Desktop::Kind::Confirmation,
                               u"Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                               u"stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"_s}));
                  QCOMPARE(dialog->txtFile[2]->text(), u"facciata.jpg"_s);
                  QCOMPARE(readFile(Attachments::folder() + u"facciata.jpg"_s), QByteArray("nuova foto"));
                  f.desktop.fileNames.enqueue(photo);
                  click(dialog->btnSfoglia[2]); // Yes replaces it
                  QCOMPARE(readFile(Attachments::folder() + u"facciata.jpg"_s), QByteArray("altra foto"));

                  // A full disk while copying: the folder keeps its copy whole.
                  QVERIFY(p.open(QIODevice::WriteOnly));
                  p.write("terza foto");
                  p.close();
                  f.desktop.fileNames.enqueue(photo);
                  SafeWrite::failWritesForTests(true);
                  click(dialog->btnSfoglia[2]);
                  SafeWrite::failWritesForTests(false);
                  QCOMPARE(readFile(Attachments::folder() + u"facciata.jpg"_s), QByteArray("altra foto"));

                  click(dialog->btnApri[0]);
                  QCOMPARE(f.desktop.opened,
                           QList<QUrl>{QUrl::fromLocalFile(Attachments::folder() + u"facciata.jpg"_s)});

                  click(dialog->imgCancella[2]);
                  QCOMPARE(dialog->txtFile[2]->text(), QString());
                  QVERIFY(!dialog->btnApri[2]->isEnabled());
                  dialog->txtDesc[0]->setText(u" Facciata sud "_s);
                  click(dialog->btnApplica);
              });
    QCOMPARE(control<QLabel>(cardScreen, "lblFile01")->text(), u"facciata.jpg"_s);
    QCOMPARE(control<QLabel>(cardScreen, "lblDesc01")->text(), u"Facciata sud"_s);
    QCOMPARE(control<QLabel>(cardScreen, "lblFile03")->text(), QString());
    QCOMPARE(control<QLabel>(cardScreen, "lblDesc02")->text(), u"Vecchia descrizione"_s);

    withModal([&] { pressTool(cardScreen, "cmdAllega"); },
              [&](QWidget* modal) {
                  auto* dialog = qobject_cast<TfrmAllegaCartella*>(modal);
                  dialog->txtDesc[0]->setText(u"cambiata"_s);
                  click(dialog->btnAnnulla); // nothing handed back
              });
    QCOMPARE(control<QLabel>(cardScreen, "lblDesc01")->text(), u"Facciata sud"_s);
}

void TestArchivio::attachmentNamesStayInTheirFolder()
{
    ScreenFixture f;
    QCOMPARE(Attachments::safeName(u"../../unins000.dll"_s), u"unins000.dll"_s);
    QCOMPARE(Attachments::safeName(u"..\\Immobili.pro"_s), u"Immobili.pro"_s);
    QCOMPARE(Attachments::safeName(u".."_s), QString());
    QCOMPARE(Attachments::safeName(u"."_s), QString());
    QCOMPARE(Attachments::pathOf(u"/etc/passwd"_s), Attachments::folder() + u"passwd"_s);
    QCOMPARE(Attachments::pathOf(u".."_s), QString());

    // A stored name with a path part opens the file of that name inside the folder only.
    TfrmAllegaCartella dialog;
    dialog.txtFile[0]->setText(u"../Immobili.pro"_s);
    click(dialog.btnApri[0]);
    QVERIFY(f.desktop.opened.isEmpty()); // no such file in the folder: nothing is opened
    QDir().mkpath(Attachments::folder());
    QFile inside(Attachments::folder() + u"Immobili.pro"_s);
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.close();
    click(dialog.btnApri[0]);
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(Attachments::folder() + u"Immobili.pro"_s)});
}

void TestArchivio::attachmentLinkIsReplacedNotFollowed()
{
    ScreenFixture f;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(u"fuori.txt"_s);
    const QString photo = elsewhere.filePath(u"facciata.jpg"_s);
    for (const auto& [path, content] : {std::pair{outside, "da non toccare"}, std::pair{photo, "foto"}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QVERIFY(QDir().mkpath(Attachments::folder()));
    QVERIFY(QFile::link(outside, Attachments::folder() + u"facciata.jpg"_s));

    TfrmAllegaCartella dialog;
    f.desktop.fileNames.enqueue(photo);
    f.desktop.answers.enqueue(Desktop::Answer::Yes); // replace the file of the same name
    click(dialog.btnSfoglia[0]);
    QCOMPARE(dialog.txtFile[0]->text(), u"facciata.jpg"_s);
    QCOMPARE(readFile(outside), QByteArray("da non toccare"));
    const QFileInfo copied(Attachments::folder() + u"facciata.jpg"_s);
    QVERIFY(!copied.isSymLink());
    QCOMPARE(readFile(copied.filePath()), QByteArray("foto"));
}

void TestArchivio::attachmentsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString badName =
        u"Attenzione: il nome del file contiene caratteri che la scheda non può registrare "
        u"(lettere di altri alfabeti, simboli particolari o caratteri di controllo).\r\n\r\n"
        u"Rinominare il file e selezionarlo di nuovo."_s;
    QTest::newRow("letters outside Windows-1252") << u"договор.pdf"_s << badName;
    QTest::newRow("emoji") << u"casa\U0001F3E0.jpg"_s << badName;
    QTest::newRow("control character") << u"contratto\tfirmato.pdf"_s << badName;
    QTest::newRow("longer than the card holds") << QString(251, u'a') << badName;
    QTest::newRow("FIFO")
        << u"coda"_s
        << u"Attenzione: l'elemento scelto non è un file ordinario (ad esempio una coda o un "
           u"dispositivo) e non può essere allegato."_s;
}

void TestArchivio::attachmentsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    ScreenFixture f;
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(name);
    if (name == u"coda"_s) {
        QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
    } else {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("documento");
    }
    TfrmAllegaCartella dialog;
    f.desktop.fileNames.enqueue(source);
    click(dialog.btnSfoglia[1]);
    QCOMPARE(f.desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind::Plain, message}));
    QCOMPARE(dialog.txtFile[1]->text(), QString());
    QVERIFY(!QFileInfo::exists(Attachments::folder() + name));
    QVERIFY_THROWS_EXCEPTION(Failure, Attachments::copyIn(source)); // never blocks, never mangles
}

TARVENTO_GUI_TEST_MAIN(TestArchivio)
#include "tst_archivio.moc"
