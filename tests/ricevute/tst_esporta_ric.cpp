#include "ricevute/RicevuteExport.h"
#include "ricevute/TfrmExpRicevute.h"
#include "support/Receipts.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The receipts' export: the columns, the editable ones, the right-aligned
// amounts, Ricevute.xls byte by byte, and LibreOffice Calc reading it back.
class TestEsportaRic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gridShowsTheReceipts();
    void fileHoldsTheFirstFivePaymentLines();
    void calcOpensOneHeaderRowAndOneRowPerReceipt();
};

namespace {

QByteArray sevenLines()
{
    return receiptBytes({{"NumRic", u"1"_s},
                         {"Data", u"05/03/2024"_s},
                         {"CognomeLoc01", u"ROSSI"_s},
                         {"NomeLoc01", u"MARIO"_s},
                         {"CognomeCon01", u"BIANCHI"_s},
                         {"NomeCon01", u"ANNA"_s},
                         {"Immobile", u"Appartamento <A> & box"_s},
                         {"Causale01", u"Canone"_s},
                         {"Importo01", u"700,00"_s},
                         {"Causale02", u"Spese"_s},
                         {"Importo02", u"50,00"_s},
                         {"Causale03", u"C3"_s},
                         {"Importo03", u"3,00"_s},
                         {"Causale04", u"C4"_s},
                         {"Importo04", u"4,00"_s},
                         {"Causale05", u"C5"_s},
                         {"Importo05", u"5,00"_s},
                         {"Causale06", u"C6"_s},
                         {"Importo06", u"6,00"_s},
                         {"Causale07", u"C7"_s},
                         {"Importo07", u"7,00"_s},
                         {"TotRicevuta", u"775,00"_s},
                         {"Saldata", u"No"_s}});
}

QString exportArchive(ScreenFixture& f, const QByteArray& bytes)
{
    const QString archive = f.folder.filePath(u"2024.ric"_s);
    writeFile(archive, bytes);
    TfrmExpRicevute exporter;
    exporter.setArchive(archive);
    exporter.show();
    f.desktop.answers.enqueue(Desktop::Answer::Yes); // export now
    f.desktop.answers.enqueue(Desktop::Answer::No);  // do not open it
    click(exporter.cmdEsporta);
    return f.folder.filePath(u"Ricevute.xls"_s);
}

QByteArray headerCell(const QByteArray& text, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
           text + "</td>";
}

QByteArray cell(const QByteArray& text, bool right = false)
{
    // The right-aligned amounts are numbers shown with two decimals; every other cell is
    // marked as text.
    return QByteArray(right ? "<td sdnum=\"1040;1040;0,00\"" : "<td class=\"t\"") +
           " style=\"text-align: " + (right ? "right" : "left") + ";\">" + text + "</td>";
}

} // namespace

void TestEsportaRic::gridShowsTheReceipts()
{
    ScreenFixture f;
    const QString archive = f.folder.filePath(u"2024.ric"_s);
    writeFile(archive, receiptFixture());
    TfrmExpRicevute exporter;
    QCOMPARE(exporter.windowTitle(), u" Esporta archivio ricevute d'affitto in Microsoft Excel"_s);
    exporter.setArchive(archive);
    exporter.show();
    const QAbstractItemModel* grid = exporter.grdRecords->model();
    const auto text = [grid](int row, int column) { return grid->index(row, column).data().toString(); };
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(grid->columnCount(), 26);
    QCOMPARE(grid->headerData(24, Qt::Horizontal).toString(), u"TOTALE RICEVUTA"_s);
    QCOMPARE(text(1, 25), u"No"_s);
    QCOMPARE(text(0, 25), u"Sì"_s);
    QCOMPARE(text(4, 24), u"650,00"_s);
    for (int column = 1; column <= 25; ++column) {
        const bool editable = column == 13 || column >= 21;
        QCOMPARE(bool(grid->flags(grid->index(0, column)) & Qt::ItemIsEditable), editable);
    }
    // The amounts stand right-aligned, as in the file; the texts keep to the left.
    const auto rightAligned = [grid](int column) {
        return bool(grid->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    };
    QVERIFY(rightAligned(24));
    QVERIFY(!rightAligned(25));
    QVERIFY(!rightAligned(1));
}

void TestEsportaRic::fileHoldsTheFirstFivePaymentLines()
{
    ScreenFixture f;
    const QByteArray bytes = readFile(exportArchive(f, sevenLines()));
    const QByteArray header =
        "<tr>" + headerCell("Ricevuta n.", 160) + headerCell("Data emissione", 120) +
        headerCell("Ufficio territoriale", 250) + headerCell("Data stipula contratto", 180) +
        headerCell("Data registrazione", 180) + headerCell("Codice ID contratto", 250) +
        headerCell("Durata contratto", 250) + headerCell("Cognome e nome Locatore", 250) +
        headerCell("Codice Fiscale Locatore", 250) + headerCell("Cognome e nome Conduttore", 250) +
        headerCell("Codice Fiscale Conduttore", 250) + headerCell("Descrizione unit\xE0 immobiliare", 350) +
        headerCell("Note", 350) + headerCell("Causale 1", 250) + headerCell("Importo 1", 150) +
        headerCell("Causale 2", 250) + headerCell("Importo 2", 150) + headerCell("Causale 3", 250) +
        headerCell("Importo 3", 150) + headerCell("Causale 4", 250) + headerCell("Importo 4", 150) +
        headerCell("Causale 5", 250) + headerCell("Importo 5", 150) + headerCell("TOTALE RICEVUTA", 200) +
        headerCell("Saldata", 100) + "</tr>";
    const QByteArray row = "<tr>" + cell("1") + cell("05/03/2024") + cell("") + cell("") + cell("") +
                           cell("") + cell("") + cell("ROSSI MARIO") + cell("") + cell("BIANCHI ANNA") +
                           cell("") + cell("Appartamento &lt;A&gt; &amp; box") + cell("") + cell("Canone") +
                           cell("700,00", true) + cell("Spese") + cell("50,00", true) + cell("C3") +
                           cell("3,00", true) + cell("C4") + cell("4,00", true) + cell("C5") +
                           cell("5,00", true) + cell("775,00", true) + cell("No") + "</tr>";
    QVERIFY2(bytes.contains("<x:Name>Riepilogo annuale ricevute</x:Name>"), bytes.constData());
    const QByteArray tail = header + row + "</table></body></html>";
    QVERIFY2(bytes.endsWith(tail), bytes.right(3000).constData());
    QVERIFY(!bytes.contains("C6"));
    QVERIFY(!bytes.contains("7,00"));
}

void TestEsportaRic::calcOpensOneHeaderRowAndOneRowPerReceipt()
{
    if (QStandardPaths::findExecutable(u"soffice"_s).isEmpty())
        QSKIP("LibreOffice is not installed");
    ScreenFixture f;
    const QString xls = exportArchive(f, receiptFixture() + sevenLines());
    QTemporaryDir out;
    QProcess soffice;
    soffice.start(u"soffice"_s,
                  {u"-env:UserInstallation=file://"_s + out.filePath(u"profile"_s), u"--headless"_s,
                   u"--infilter=calc_HTML_WebQuery"_s, u"--convert-to"_s,
                   u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"--outdir"_s, out.path(), xls});
    QVERIFY(soffice.waitForFinished(120000));
    QFile csv(out.filePath(u"Ricevute.csv"_s));
    QVERIFY2(csv.open(QIODevice::ReadOnly), soffice.readAllStandardError().constData());
    const QStringList rows = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + 6);
    QVERIFY2(rows[0].startsWith(u"Ricevuta n.,Data emissione,Ufficio territoriale"_s), qPrintable(rows[0]));
    QVERIFY2(rows[1].startsWith(u"1,05/03/2024,"_s), qPrintable(rows[1]));
    QVERIFY2(rows[6].contains(u"\"Appartamento <A> & box\""_s) ||
                 rows[6].contains(u"Appartamento <A> & box"_s),
             qPrintable(rows[6]));
    QVERIFY2(rows[6].endsWith(u",No"_s) || rows[6].endsWith(u",No\r"_s), qPrintable(rows[6]));
}

TARVENTO_GUI_TEST_MAIN(TestEsportaRic)
#include "tst_esporta_ric.moc"
