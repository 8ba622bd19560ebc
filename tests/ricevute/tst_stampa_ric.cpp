#include "platform/PrintDialog.h"
#include "report/ReportPreview.h"
#include "ricevute/ReceiptLogo.h"
#include "ricevute/TfrmStampaRic.h"
#include "support/PdfTools.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

// The receipt print and preview, read back from the prepared pages.
class TestStampaRic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void largeReceiptPrintsTheScreenAsItStands();
    void twoSmallCopiesSideBySide();
    void backToTheLargeFormat();
    void typedHandOverWins();
    void logoOfTheFolderOrTheDefault();
    void printedSheetReadsRight_data();
    void printedSheetReadsRight();
    void previewShowsTheLargeReceipt();
};

namespace {

// An unsaved receipt on a screen of its own: the controls named as the receipt screen's.
struct ReceiptScreen {
    QWidget screen;
    explicit ReceiptScreen(const QList<std::pair<QString, QString>>& values)
    {
        for (const auto& [field, value] : values) {
            if (field == u"TotImporti"_s) {
                auto* label = new QLabel(value, &screen);
                label->setObjectName(u"txtTotImporti"_s);
            } else if (field == u"Bollo"_s) {
                auto* combo = new QComboBox(&screen);
                combo->setEditable(true);
                combo->setObjectName(u"txtBollo"_s);
                combo->setEditText(value);
            } else {
                auto* edit = new QLineEdit(value, &screen);
                edit->setObjectName(u"txt"_s + field);
            }
        }
    }
};

QList<std::pair<QString, QString>> filledReceipt()
{
    return {{u"NumRic"_s, u"12"_s},
            {u"Data"_s, u"05/03/2024"_s},
            {u"UfficioTer"_s, u"Milano 2 "_s},
            {u"DataStipula"_s, u"01/01/2020"_s},
            {u"DataReg"_s, u"15/01/2020"_s},
            {u"CodContratto"_s, u"TNM20T000123000AB"_s},
            {u"DurataCon"_s, u"4 + 4 anni"_s},
            {u"CognomeLoc01"_s, u"ROSSI"_s},
            {u"NomeLoc01"_s, u"MARIO"_s},
            {u"CodFiscLoc01"_s, u"RSSMRA70A01F205X"_s},
            {u"CognomeCon01"_s, u"BIANCHI"_s},
            {u"NomeCon01"_s, u"ANNA"_s},
            {u"Immobile"_s, u"Appartamento in via Roma 1, Milano"_s},
            {u"Note"_s, u"<b>non in grassetto</b>"_s},
            {u"Causale01"_s, u"Canone di locazione marzo 2024"_s},
            {u"Importo01"_s, u"700,00"_s},
            {u"Causale02"_s, u"Spese condominiali"_s},
            {u"Importo02"_s, u"0,00"_s},
            {u"PercIstat"_s, u"1,393"_s},
            {u"Istat"_s, u"9,75"_s},
            {u"TotImporti"_s, u"700,00"_s},
            {u"TotRicevuta"_s, u"709,75"_s},
            {u"ImpLettere"_s, u"SETTECENTONOVE"_s},
            {u"Cents"_s, u"75"_s},
            {u"Bollo"_s, u"Documento soggetto a imposta di bollo in base alle normative vigenti."_s}};
}

const PreparedItem& item(const ReportDocument& report, const QString& name)
{
    const PreparedItem* found = report.preparedPages().front().find(name);
    if (found == nullptr)
        qFatal("no prepared object %s", qPrintable(name));
    return *found;
}

QString printed(const ReportDocument& report, const QString& name)
{
    return item(report, name).text();
}

// Prints through a print dialog that is cancelled: the pages are prepared, nothing printed.
void printCancelled(TfrmStampaRic& dialog)
{
    PrintDialog::setHandlerForTests([](QPrinter&, int) { return false; });
    click(dialog.btnStampa);
    PrintDialog::setHandlerForTests({});
}

} // namespace

void TestStampaRic::largeReceiptPrintsTheScreenAsItStands()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmStampaRic dialog(&receipt.screen);
    QCOMPARE(dialog.windowTitle(), u" Stampa ricevuta d'affitto"_s);
    QCOMPARE(dialog.size(), QSize(364, 363));
    QVERIFY(dialog.optUno->isChecked());
    QCOMPARE(dialog.lblMemory->text(), u"uno"_s);
    printCancelled(dialog);

    QCOMPARE(dialog.result(), int(QDialog::Accepted)); // closes, printed or not
    const ReportDocument& r = dialog.repDocumento;
    QCOMPARE(r.name, u"Ricevuta"_s);
    QCOMPARE(r.preparedPages().size(), 1);
    QCOMPARE(r.preparedPages().front().size.toSize(), QSize(794, 1123)); // A4 portrait
    QCOMPARE(printed(r, u"txtNumRic"_s), u"Ricevuta d'affitto n. 12"_s);
    QVERIFY(item(r, u"txtNumRic"_s).lines.front().front().bold);
    QCOMPARE(printed(r, u"txtData"_s), u"Data emissione:  05/03/2024"_s);
    QCOMPARE(printed(r, u"txtTotRicevuta"_s), u"€  709,75   dicasi euro   SETTECENTONOVE/75"_s);
    QCOMPARE(printed(r, u"txtUfficioTer"_s), u"Milano 2"_s); // trimmed
    QCOMPARE(printed(r, u"txtLocatore"_s), u"ROSSI MARIO"_s);
    QCOMPARE(printed(r, u"txtConduttore"_s), u"BIANCHI ANNA"_s);
    QCOMPARE(printed(r, u"txtCodFiscLoc01"_s), u"C.F.  RSSMRA70A01F205X"_s);
    QCOMPARE(printed(r, u"txtCodFiscCon01"_s), u"C.F.  "_s);          // empty on screen
    QCOMPARE(printed(r, u"txtNote"_s), u"<b>non in grassetto</b>"_s); // no tags: literal
    QCOMPARE(printed(r, u"txtCausale01"_s), u"Canone di locazione marzo 2024"_s);
    QCOMPARE(printed(r, u"txtImporto01"_s), u"700,00"_s);
    QCOMPARE(printed(r, u"txtCausale03"_s), QString());
    QCOMPARE(printed(r, u"txtTotImporti"_s), u"700,00"_s);
    QCOMPARE(printed(r, u"txtPercIstat"_s), u"1,393%"_s);
    QCOMPARE(printed(r, u"txtIstat"_s), u"9,75"_s);
    QCOMPARE(printed(r, u"txtTotale"_s), u"709,75 "_s);
    QCOMPARE(printed(r, u"txtBollo"_s),
             u"Documento soggetto a imposta di bollo in base alle normative vigenti."_s);
    QCOMPARE(
        printed(r, u"titTitoli01"_s),
        u"Con la presente, in riferimento al contratto di locazione di cui sopra, il Locatore dichiara di "
        u"aver ricevuto dal Conduttore"_s);
    QVERIFY(item(r, u"titTitoli01"_s).lines.front().front().italic);
    QCOMPARE(printed(r, u"titTitoli02"_s), u"la somma di"_s);
    QCOMPARE(printed(r, u"titBollo"_s), u"BOLLO VIGENTE"_s);
    QCOMPARE(printed(r, u"Memo10"_s), u"Tutti gli importi sono espressi in euro e centesimi di euro."_s);
    QCOMPARE(item(r, u"txtTotRicevuta"_s).object->rect, QRectF(56.69, 638.74, 680.32, 15.12));
    QCOMPARE(item(r, u"lineBottom"_s).object->rect, QRectF(37.8, 1088.5, 718.11, 0));
}

void TestStampaRic::twoSmallCopiesSideBySide()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmStampaRic dialog(&receipt.screen);
    click(dialog.optDue);
    QCOMPARE(dialog.lblMemory->text(), u"due"_s);
    printCancelled(dialog);

    const ReportDocument& r = dialog.repDuplice;
    QVERIFY(dialog.repDocumento.preparedPages().isEmpty());
    QCOMPARE(r.preparedPages().size(), 1);
    QCOMPARE(r.preparedPages().front().size.toSize(), QSize(1123, 794)); // A4 landscape
    QCOMPARE(printed(r, u"titCopia_A"_s), u"COPIA PER IL CONDUTTORE"_s);
    QCOMPARE(printed(r, u"titCopia_B"_s), u"COPIA PER IL LOCATORE"_s);
    for (const QString& box : {u"txtNumRic"_s, u"txtTotRicevuta"_s, u"txtLocatore"_s, u"txtImporto01"_s,
                               u"txtTotale"_s, u"txtBollo"_s, u"titTitoli01"_s}) {
        QCOMPARE(printed(r, box + u"_B"_s), printed(r, box + u"_A"_s));
        const QRectF a = item(r, box + u"_A"_s).object->rect;
        const QRectF b = item(r, box + u"_B"_s).object->rect;
        QCOMPARE(b, a.translated(529.13, 0));
    }
    QCOMPARE(printed(r, u"txtTotRicevuta_A"_s), u"€  709,75   dicasi euro   SETTECENTONOVE/75"_s);
    QCOMPARE(
        printed(r, u"titTitoli01_A"_s),
        u"Con la presente, in riferimento al contratto di locazione di cui sopra, il Locatore dichiara di aver"_s);
    QCOMPARE(printed(r, u"titTitoli02_B"_s), u"ricevuto dal Conduttore la somma di"_s);
    QVERIFY(r.preparedPages().front().find(u"titPrivacy01_A"_s) == nullptr);
}

void TestStampaRic::backToTheLargeFormat()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmStampaRic dialog(&receipt.screen);
    click(dialog.optDue);
    click(dialog.optUno);
    QCOMPARE(dialog.lblMemory->text(), u"uno"_s);
    printCancelled(dialog);
    QCOMPARE(dialog.repDocumento.preparedPages().size(), 1);
    QVERIFY(dialog.repDuplice.preparedPages().isEmpty());
}

void TestStampaRic::typedHandOverWins()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmStampaRic dialog(&receipt.screen);
    dialog.setReceipt([](const QString& field) { return field == u"NumRic"_s ? u"99"_s : QString(); });
    printCancelled(dialog);
    QCOMPARE(printed(dialog.repDocumento, u"txtNumRic"_s), u"Ricevuta d'affitto n. 99"_s);
    QCOMPARE(printed(dialog.repDocumento, u"txtPercIstat"_s), u"%"_s); // an empty ISTAT row
    QCOMPARE(printed(dialog.repDocumento, u"txtLocatore"_s), u" "_s);
}

void TestStampaRic::logoOfTheFolderOrTheDefault()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    {
        TfrmStampaRic dialog(&receipt.screen);
        printCancelled(dialog);
        const auto& picture = static_cast<const PictureBox&>(*item(dialog.repDocumento, u"imgLogo"_s).object);
        QCOMPARE(picture.picture, ReceiptLogo::defaultPicture());
    }
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ReceiptLogo::save(red);
    TfrmStampaRic dialog(&receipt.screen);
    click(dialog.optDue);
    printCancelled(dialog);
    for (const QString& name : {u"imgLogo_A"_s, u"imgLogo_B"_s}) {
        const auto& picture = static_cast<const PictureBox&>(*item(dialog.repDuplice, name).object);
        QCOMPARE(picture.picture.size(), QSize(40, 20));
        QCOMPARE(picture.picture.pixelColor(5, 5), QColor(Qt::red));
    }
}

void TestStampaRic::printedSheetReadsRight_data()
{
    QTest::addColumn<bool>("copies");
    QTest::newRow("uno") << false;
    QTest::newRow("due") << true;
}

// The sheet as a person gets it: a PDF through the print dialog, read back with pdftotext
// and rendered with pdftoppm (TARVENTO_RECEIPT_PNG=/tmp/ricevuta keeps the pictures).
void TestStampaRic::printedSheetReadsRight()
{
    QFETCH(bool, copies);
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmStampaRic dialog(&receipt.screen);
    if (copies)
        click(dialog.optDue);
    const QString pdf = f.folder.filePath(u"ricevuta.pdf"_s);
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int) {
        printer.setOutputFileName(pdf);
        return true;
    });
    click(dialog.btnStampa);
    PrintDialog::setHandlerForTests({});

    const QString info = PdfTools::info(pdf);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"1"_s);
    QVERIFY2(PdfTools::field(info, u"Page size"_s).startsWith(copies ? u"842 x 595"_s : u"595 x 842"_s),
             qPrintable(info));
    // pdftotext writes a run of blanks as one; the exact blanks are tested on the prepared pages.
    const QString text = PdfTools::text(pdf).simplified();
    QCOMPARE(text.count(u"€ 709,75 dicasi euro SETTECENTONOVE/75"_s), copies ? 2 : 1);
    QCOMPARE(text.count(u"Ricevuta d'affitto n. 12"_s), copies ? 2 : 1);
    if (copies) {
        QVERIFY(text.contains(u"COPIA PER IL CONDUTTORE"_s));
        QVERIFY(text.contains(u"COPIA PER IL LOCATORE"_s));
    }
    if (const QString keep = qEnvironmentVariable("TARVENTO_RECEIPT_PNG"); !keep.isEmpty())
        PdfTools::run(u"pdftoppm"_s, {u"-r"_s, u"80"_s, u"-png"_s, u"-singlefile"_s, pdf,
                                      keep + (copies ? u"-due"_s : u"-uno"_s)});
}

void TestStampaRic::previewShowsTheLargeReceipt()
{
    ScreenFixture f;
    ReceiptScreen receipt(filledReceipt());
    TfrmAnteprimaRic dialog(&receipt.screen);
    QCOMPARE(dialog.windowTitle(), u" Anteprima di stampa"_s);
    QCOMPARE(dialog.size(), QSize(364, 287));
    QCOMPARE(dialog.btnStampa->text(), u"Mostra anteprima"_s);
    withModal([&] { click(dialog.btnStampa); },
              [&](QWidget* modal) { QVERIFY(qobject_cast<ReportPreview*>(modal) != nullptr); });
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(printed(dialog.repDocumento, u"txtTotRicevuta"_s),
             u"€  709,75   dicasi euro   SETTECENTONOVE/75"_s);
    QCOMPARE(dialog.repDocumento.preparedPages().front().size.toSize(), QSize(794, 1123));
}

TARVENTO_GUI_TEST_MAIN(TestStampaRic)
#include "tst_stampa_ric.moc"
