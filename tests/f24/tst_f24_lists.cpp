#include "card/CardProtocol.h"
#include "f24/F24Export.h"
#include "f24/F24Screens.h"
#include "f24/F24Search.h"
#include "f24/SchedaF24.h"
#include "f24/TfrmExpF24.h"
#include "f24/TfrmModello_F24_Elide.h"
#include "f24/TfrmTrovaF24.h"
#include "support/Files.h"
#include "support/ListClicks.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The F24 search and export: the criteria against the stored fields, the list line, the
// hand-over of the clicked form by its position, and Versamenti.xls byte by byte.
class TestF24Lists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void criteriaInEnterOrder();
    void searchMatches_data();
    void searchMatches();
    void listLineWidths();
    void handOverLoadsTheClickedTwin();
    void handOverNeedsTheWord();
    void unreadableArchiveSaysSoPlainly();
    void exportBytes();
    void editedCellExportedAsEdited();
    void formScreenLoadsTheClickedTwinAndSavesIt();
    void formScreenOpensTheExport();
};

namespace {

using Fields = QList<std::pair<const char*, QString>>;

QByteArray form(const Fields& fields)
{
    Record r(SchedaF24::layout());
    for (const auto& [name, value] : fields)
        r.setText(QString::fromLatin1(name), value);
    return r.bytes();
}

// Five forms that differ in the searched fields.
QByteArray fiveForms()
{
    return form({{"Data", u"10/01/2023"_s},
                 {"CognomeCont", u"ROSSI"_s},
                 {"AnnoRif01", u"2023"_s},
                 {"Totale", u"150,00"_s}}) +
           form({{"Data", u"05/02/2024"_s},
                 {"CognomeCont", u"BIANCHI"_s},
                 {"AnnoRif01", u"2024"_s},
                 {"AnnoRif02", u"2023"_s},
                 {"Totale", u"1150,35"_s}}) +
           form({{"Data", u"23/03/2022"_s},
                 {"CognomeCont", u"VERDI"_s},
                 {"AnnoRif01", u"2022"_s},
                 {"Totale", u"15,00"_s},
                 {"CodFiscCoob", u"VRDLGU70A01H501X"_s}}) +
           form({{"Data", u"01/12/2024"_s},
                 {"CognomeCont", u"NERI"_s},
                 {"AnnoRif01", u"2024"_s},
                 {"Totale", u"250,00"_s},
                 {"Elementi01", u"24012345678901234"_s}}) +
           form({{"Data", u"02/04/2021"_s},
                 {"CognomeCont", u"Gialli"_s},
                 {"NomeCont", u"Anna"_s},
                 {"AnnoRif01", u"2021"_s},
                 {"Totale", u"0,00"_s}});
}

QList<qint64> positions(const QString& archive, const QStringList& criteria)
{
    QList<qint64> out;
    for (const ListSearch::ListLine& line : F24Search::search(archive, criteria))
        out.append(line.position);
    std::sort(out.begin(), out.end());
    return out;
}

// Two forms giving the same list line, told apart by their Delegato.
QByteArray twins()
{
    const auto twin = [](const QString& bank) {
        return form({{"Data", u"16/07/2024"_s},
                     {"Delegato", bank},
                     {"CognomeCont", u"ROSSI"_s},
                     {"NomeCont", u"MARIO"_s},
                     {"AnnoRif01", u"2024"_s},
                     {"Totale", u"67,00"_s}});
    };
    return twin(u"BANCA PRIMA"_s) + twin(u"BANCA SECONDA"_s);
}

QString exportArchive(ScreenFixture& f, const QByteArray& bytes,
                      const std::function<void(TfrmExpF24&)>& edit = {})
{
    writeFile(f.folder.filePath(SchedaF24::archiveName()), bytes);
    TfrmExpF24 exporter;
    exporter.show();
    if (edit)
        edit(exporter);
    f.desktop.answers.enqueue(Desktop::Answer::Yes); // export now
    f.desktop.answers.enqueue(Desktop::Answer::No);  // do not open it
    click(exporter.cmdEsporta);
    return f.folder.filePath(u"Versamenti.xls"_s);
}

QByteArray headerCell(const QByteArray& text, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
           text + "</td>";
}

// Every cell left-aligned; the amounts are numbers, every other cell is marked as text.
QByteArray cell(const QByteArray& text, bool number = false)
{
    return QByteArray(number ? "<td" : "<td class=\"t\"") + " style=\"text-align: left;\">" + text + "</td>";
}

// An amount in a number column, shown with two decimals.
QByteArray amount(const QByteArray& text)
{
    return "<td sdnum=\"1040;1040;0,00\" style=\"text-align: left;\">" + text + "</td>";
}

} // namespace

void TestF24Lists::criteriaInEnterOrder()
{
    ScreenFixture f;
    TfrmTrovaF24 search;
    QCOMPARE(search.windowTitle(), u" Trova Modelli F24 ELIDE in archivio"_s);
    const QStringList order = {u"Data"_s,        u"Totale"_s,      u"CognomeCont"_s, u"NomeCont"_s,
                               u"CodFiscCont"_s, u"CodFiscCoob"_s, u"Elementi01"_s,  u"AnnoRif01"_s,
                               u"Elementi02"_s,  u"AnnoRif02"_s};
    QCOMPARE(F24Search::criteria().size(), 10);
    for (int i = 0; i < order.size(); ++i) {
        QCOMPARE(F24Search::criteria()[i].field, order[i]);
        QVERIFY(search.findChild<QLineEdit*>(u"txt"_s + order[i]));
    }
    QCOMPARE(F24Search::criteria()[0].caption, u"Data del versamento (gg/mm/aaaa):"_s);
    QCOMPARE(F24Search::criteria()[9].caption, u"Anno di riferimento (2^ voce):"_s);
    // Enter walks the ten criteria and comes back to the first.
    search.show();
    auto* first = search.findChild<QLineEdit*>(u"txtData"_s);
    first->setFocus();
    QStringList walked;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(search.focusWidget(), Qt::Key_Return);
        walked.append(search.focusWidget()->objectName());
    }
    QCOMPARE(walked.last(), u"txtData"_s);
    QCOMPARE(walked.first(), u"txtTotale"_s);
    QCOMPARE(walked[6], u"txtAnnoRif01"_s);
}

void TestF24Lists::searchMatches_data()
{
    QTest::addColumn<int>("criterion");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<qint64>>("listed");
    QTest::newRow("none: every form") << -1 << QString() << QList<qint64>{1, 2, 3, 4, 5};
    QTest::newRow("first-line year") << 7 << u"2023"_s << QList<qint64>{1};
    QTest::newRow("second-line year") << 9 << u"2023"_s << QList<qint64>{2};
    QTest::newRow("23 anywhere in the date") << 0 << u"23"_s << QList<qint64>{1, 3};
    QTest::newRow("150 in the balance") << 1 << u"150"_s << QList<qint64>{1, 2};
    QTest::newRow("folded surname") << 2 << u"gIaLLi"_s << QList<qint64>{5};
    QTest::newRow("blanks as typed") << 2 << u" rossi"_s << QList<qint64>{};
    QTest::newRow("co-obliged code") << 5 << u"vrdlgu"_s << QList<qint64>{3};
    QTest::newRow("identifying elements") << 6 << u"2401"_s << QList<qint64>{4};
}

void TestF24Lists::searchMatches()
{
    QFETCH(int, criterion);
    QFETCH(QString, typed);
    QFETCH(QList<qint64>, listed);
    QTemporaryDir dir;
    const QString archive = dir.filePath(SchedaF24::archiveName());
    writeFile(archive, fiveForms());
    QStringList criteria(10);
    if (criterion >= 0)
        criteria[criterion] = typed;
    QCOMPARE(positions(archive, criteria), listed);
}

void TestF24Lists::listLineWidths()
{
    const QString surname = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789WXYZ"_s; // 40 characters
    QCOMPARE(surname.size(), 40);
    Record r(SchedaF24::layout());
    r.bytes() = form({{"CognomeCont", surname},
                      {"NomeCont", u"MARIO"_s},
                      {"CodFiscCont", u"RSSMRA80A01H501U"_s},
                      {"CodFiscCoob", u"BNC"_s},
                      {"AnnoRif01", u"2024"_s},
                      {"AnnoRif02", u"2025"_s},
                      {"Data", u"16/07/2024"_s},
                      {"Totale", u"1234,50"_s}});
    const QString line = F24Search::listLine(r);
    QCOMPARE(line, surname.left(35) + u"  C.F. RSSMRA80A01H501U  C.F. Coobbligato: BNC             "
                                      u"  Anno rif. 2024  Data: 16/07/2024  Tot. € 1234,50"_s);
    QCOMPARE(line.size(), 137 + 7);
    // Short texts are padded: the line keeps its width.
    r.bytes() = form({{"CognomeCont", u"NERI"_s}, {"Totale", u"0,00"_s}});
    QCOMPARE(F24Search::listLine(r).size(), 137 + 4);
    QVERIFY(F24Search::listLine(r).startsWith(u"NERI " + QString(30, u' ') + u"  C.F. "_s));
}

void TestF24Lists::handOverLoadsTheClickedTwin()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(SchedaF24::archiveName()), twins());
    for (int row : {0, 1}) {
        TfrmTrovaF24 search;
        search.lblMemory->setText(u"f24"_s);
        QString bank;
        qint64 position = 0;
        int calls = 0;
        search.setChosen([&](const Record& chosen, qint64 at) {
            bank = chosen.text(u"Delegato"_s);
            position = at;
            ++calls;
        });
        search.show();
        click(search.btnCerca);
        QCOMPARE(listCount(search.lstRecords), 2);
        QCOMPARE(listLine(search.lstRecords, 0), listLine(search.lstRecords, 1));
        QCOMPARE(search.lblTrovate->text(), u"Il presente riepilogo contiene 2 schede."_s);
        doubleClickLine(search.lstRecords, row);
        QCOMPARE(calls, 1);
        QCOMPARE(position, row + 1); // the one clicked, not the later twin
        QCOMPARE(bank, row == 0 ? u"BANCA PRIMA"_s : u"BANCA SECONDA"_s);
        QVERIFY(!search.isVisible());
    }
}

void TestF24Lists::handOverNeedsTheWord()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(SchedaF24::archiveName()), twins());
    TfrmTrovaF24 search;
    search.lblMemory->setText(u"ricevute"_s);
    int calls = 0;
    search.setChosen([&](const Record&, qint64) { ++calls; });
    search.show();
    click(search.btnCerca);
    doubleClickLine(search.lstRecords, 0);
    QCOMPARE(calls, 0);
    QVERIFY(!search.isVisible());
}

void TestF24Lists::unreadableArchiveSaysSoPlainly()
{
    ScreenFixture f;
    QVERIFY(QDir().mkdir(f.folder.filePath(SchedaF24::archiveName()))); // cannot be opened as a file
    TfrmTrovaF24 search;
    search.show();
    click(search.btnCerca);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Plain, CardProtocol::accessMessage()}));
    QVERIFY(search.panAvvio->isVisible());
}

void TestF24Lists::exportBytes()
{
    ScreenFixture f;
    const QByteArray bytes = readFile(exportArchive(f, form({{"Data", u"16/07/2024"_s},
                                                             {"Delegato", u"BANCA <UNO> & C."_s},
                                                             {"ProvAg", u"MI"_s},
                                                             {"CodFiscCont", u"RSSMRA80A01H501U"_s},
                                                             {"CognomeCont", u"ROSSI"_s},
                                                             {"NomeCont", u"MARIO"_s},
                                                             {"DataNasc", u"01/01/1980"_s},
                                                             {"Sesso", u"M"_s},
                                                             {"ComuneNasc", u"ROMA"_s},
                                                             {"ProvNasc", u"RM"_s},
                                                             {"ComuneDom", u"Città"_s},
                                                             {"ViaDom", u"VIA ROMA 1"_s},
                                                             {"CodFiscCoob", u"BNCNNA80A41F205Z"_s},
                                                             {"Identificativo", u"63"_s},
                                                             {"Tipo01", u"F"_s},
                                                             {"Elementi01", u"24071600123456789"_s},
                                                             {"Codice01", u"1500"_s},
                                                             {"AnnoRif01", u"2024"_s},
                                                             {"Importo01", u"0067,00"_s},
                                                             {"Totale", u"67,00"_s}})));
    const QByteArray header =
        "<tr>" + headerCell("Data versamento", 200) + headerCell("Delega irrevocabile a", 250) +
        headerCell("Agenzia", 250) + headerCell("Codice Fiscale Contribuente", 280) +
        headerCell("Cognome o Ragione Sociale Contribuente", 300) + headerCell("Nome Contribuente", 250) +
        headerCell("Data di nascita", 200) + headerCell("Sesso", 100) +
        headerCell("Comune (o Stato estero) di nascita", 250) + headerCell("Comune di domicilio", 250) +
        headerCell("Via e numero civico", 250) + headerCell("Codice Fiscale del Coobbligato", 280) +
        headerCell("Codice identificativo", 150) + headerCell("Elementi identificativi (1^ voce)", 250) +
        headerCell("Anno rif. (1^ voce)", 150) + headerCell("Importo versato (1^ voce)", 200) +
        headerCell("Elementi identificativi (2^ voce)", 250) + headerCell("Anno rif. (2^ voce)", 150) +
        headerCell("Importo versato (2^ voce)", 200) + headerCell("Saldo finale", 200) + "</tr>";
    // Agenzia empty and ProvAg MI give MI; Comune di domicilio without its province keeps no blank;
    // the second payment line's cells are empty; Tipo and Codice are not exported.
    const QByteArray row = "<tr>" + cell("16/07/2024") + cell("BANCA &lt;UNO&gt; &amp; C.") + cell("MI") +
                           cell("RSSMRA80A01H501U") + cell("ROSSI") + cell("MARIO") + cell("01/01/1980") +
                           cell("M") + cell("ROMA RM") + cell("Citt\xE0") + cell("VIA ROMA 1") +
                           cell("BNCNNA80A41F205Z") + cell("63") + cell("24071600123456789") + cell("2024") +
                           amount("0067,00") + cell("") + cell("") + cell("", true) + amount("67,00") +
                           "</tr>";
    QVERIFY2(bytes.contains("<x:Name>Riepilogo versamenti</x:Name>"), bytes.constData());
    QVERIFY2(bytes.endsWith(QByteArray(header + row + "</table></body></html>")),
             bytes.right(3000).constData());
    QVERIFY(!bytes.contains("1500"));
}

void TestF24Lists::editedCellExportedAsEdited()
{
    ScreenFixture f;
    const QByteArray archived = form({{"Data", u"16/07/2024"_s},
                                      {"CognomeCont", u"ROSSI"_s},
                                      {"Importo01", u"67,00"_s},
                                      {"Totale", u"67,00"_s}});
    const QByteArray bytes = readFile(exportArchive(f, archived, [](TfrmExpF24& exporter) {
        QAbstractItemModel* grid = exporter.grdRecords->model();
        QCOMPARE(grid->columnCount(), 21);
        QCOMPARE(grid->headerData(16, Qt::Horizontal).toString(), u"Importo versato (1^ voce)"_s);
        QCOMPARE(grid->data(grid->index(0, 16)).toString(), u"67,00"_s);
        for (int column = 1; column <= 20; ++column) {
            const bool editable =
                column == 6 || column == 14 || column == 16 || (column >= 17 && column <= 19);
            QCOMPARE(bool(grid->flags(grid->index(0, column)) & Qt::ItemIsEditable), editable);
        }
        QVERIFY(grid->setData(grid->index(0, 16), u"99,00"_s));
    }));
    QByteArray unfilled;
    for (int column = 6; column <= 15; ++column)
        unfilled += cell("");
    QVERIFY2(bytes.contains(QByteArray(cell("ROSSI") + unfilled + amount("99,00") + cell("") + cell("") +
                                       cell("", true) + amount("67,00") + "</tr>")),
             bytes.right(2000).constData());
    QCOMPARE(readFile(f.folder.filePath(SchedaF24::archiveName())), archived); // the archive keeps 67,00
}

void TestF24Lists::formScreenLoadsTheClickedTwinAndSavesIt()
{
    ScreenFixture f;
    const QString archive = f.folder.filePath(SchedaF24::archiveName());
    writeFile(archive, twins());
    frmAvvio->present();
    click(frmAvvio->imgModelloF24);
    TfrmModello_F24_Elide* screen = frmModello_F24_Elide;
    screen->edit(u"CognomeCont"_s)->setText(u"NON SALVATO"_s);
    withModal([] { click(control<QAbstractButton>(frmModello_F24_Elide, "cmdTrova")); },
              [](QWidget* modal) {
                  auto* search = qobject_cast<TfrmTrovaF24*>(modal);
                  QVERIFY(search);
                  QCOMPARE(search->lblMemory->text(), u"f24"_s);
                  click(search->btnCerca);
                  QCOMPARE(listCount(search->lstRecords), 2);
                  doubleClickLine(search->lstRecords, 0);
              });
    // The first twin, the one clicked, replaces what the screen showed.
    QCOMPARE(screen->edit(u"Delegato"_s)->text(), u"BANCA PRIMA"_s);
    QCOMPARE(screen->edit(u"CognomeCont"_s)->text(), u"ROSSI"_s);
    QCOMPARE(screen->lblPosizione->text(), u"1"_s);
    // Saving overwrites that form and leaves its twin alone.
    screen->edit(u"NomeCont"_s)->setText(u"LUIGI"_s);
    click(control<QAbstractButton>(screen, "cmdSalva"));
    const QByteArray bytes = readFile(archive);
    QCOMPARE(bytes.size(), 2 * SchedaF24::recordSize);
    Record first(SchedaF24::layout());
    first.bytes() = bytes.left(SchedaF24::recordSize);
    QCOMPARE(first.text(u"NomeCont"_s), u"LUIGI"_s);
    QCOMPARE(first.text(u"Delegato"_s), u"BANCA PRIMA"_s);
    QCOMPARE(bytes.mid(SchedaF24::recordSize), twins().mid(SchedaF24::recordSize));
}

void TestF24Lists::formScreenOpensTheExport()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(SchedaF24::archiveName()), twins());
    frmAvvio->present();
    click(frmAvvio->imgModelloF24);
    withModal(
        [] { click(control<QAbstractButton>(frmModello_F24_Elide, "cmdExcel")); },
        [](QWidget* modal) {
            auto* exporter = qobject_cast<TfrmExpF24*>(modal);
            QVERIFY(exporter);
            QCOMPARE(exporter->grdRecords->model()->rowCount(), 2);
            QCOMPARE(
                exporter->grdRecords->model()->data(exporter->grdRecords->model()->index(1, 2)).toString(),
                u"BANCA SECONDA"_s);
        });
}

TARVENTO_GUI_TEST_MAIN(TestF24Lists)
#include "tst_f24_lists.moc"
