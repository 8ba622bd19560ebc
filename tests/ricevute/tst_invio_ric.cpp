#include "f24/TfrmStampaElide.h"
#include "immobili/SchedaImmobile.h"
#include "immobili/TfrmImmobili.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/PrintDialog.h"
#include "platform/SafeWrite.h"
#include "report/ReportPreview.h"
#include "ricevute/ReceiptFormatChoice.h"
#include "ricevute/ReceiptMail.h"
#include "ricevute/ReceiptPdf.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/TfrmPdfRic.h"
#include "ricevute/TfrmStampaRic.h"
#include "ricevute/TotaliRicevuta.h"
#include "support/CommandRun.h"
#include "support/Files.h"
#include "support/PdfTools.h"
#include "support/ReceiptYear.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The receipt beyond paper: its PDF, the e-mail to the tenant, printing without a printer, the
// preview of both formats and the PDF from the command line.
class TestInvioRic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void pdfIsThePrintedPage_data();
    void pdfIsThePrintedPage();
    void pdfRefusedBeforeAnythingIsWritten_data();
    void pdfRefusedBeforeAnythingIsWritten();
    void pdfReplacesAnOlderFileOnlyWhole();
    void emailGoesToTheAddressOfTheCard();
    void emailAsksForAnAddress_data();
    void emailAsksForAnAddress();
    void emailFallsBackToTheFolder();
    void noPrinterOffersThePdf_data();
    void noPrinterOffersThePdf();
    void noPrinterWithoutPdfSaysSo();
    void thePrintServerIsAPrinter();
    void previewShowsBothFormats();
    void commandWritesTheButtonsPdf_data();
    void commandWritesTheButtonsPdf();
    void commandExitCodes_data();
    void commandExitCodes();
};

namespace {

const QString kAddress = u"laura.bianchi@example.it"_s;

QList<std::pair<QString, QString>> receiptValues()
{
    return {{u"NumRic"_s, u"12"_s},
            {u"Data"_s, u"05/03/2024"_s},
            {u"UfficioTer"_s, u"Milano 2"_s},
            {u"CodContratto"_s, u"TNT23T001234000AB"_s},
            {u"CognomeLoc01"_s, u"ROSSI"_s},
            {u"NomeLoc01"_s, u"MARIO"_s},
            {u"CognomeCon01"_s, u"BIANCHI"_s},
            {u"NomeCon01"_s, u"LAURA"_s},
            {u"CodFiscCon01"_s, u"BNCLRA85M41F205K"_s},
            {u"Immobile"_s, u"Bilocale in via Roma 12, Milano"_s},
            {u"Causale01"_s, u"Canone di locazione marzo 2024"_s},
            {u"Importo01"_s, u"650,00"_s},
            {u"PercIstat"_s, u"1,50"_s},
            {u"Istat"_s, u"9,75"_s},
            {u"Causale02"_s, u"Spese condominiali"_s},
            {u"Importo02"_s, u"50,00"_s}};
}

TfrmRicevute* openFilledReceipt()
{
    TfrmRicevute* screen = openReceiptYear(u"2024"_s);
    for (const auto& [field, value] : receiptValues())
        setReceiptField(field, value);
    return screen;
}

QString pdfOf(const ScreenFixture& f, const QString& number = u"12"_s)
{
    return f.folder.filePath(u"Ricevute_PDF/Ricevuta_"_s + number + u"_2024.pdf"_s);
}

// The property card of the receipt's contract, with the tenant's address.
QByteArray cardOfTheContract(const QString& address, const QString& contract = u"TNT23T001234000AB"_s)
{
    Record card(SchedaImmobile::layout());
    card.setText(u"Immobile"_s, u"Bilocale in via Roma 12, Milano"_s);
    card.setText(u"CodFiscCon01"_s, u"BNCLRA85M41F205K"_s);
    card.setText(u"CodContratto"_s, contract);
    card.setText(u"EmailCon01"_s, address);
    return card.bytes();
}

// The PDF screen, opened from the receipt screen: the format chosen, then "Crea PDF".
void makePdf(bool copies)
{
    withModal([] { pressOnReceipt("cmdPDF"); },
              [copies](QWidget* modal) {
                  auto* pdf = qobject_cast<TfrmPdfRic*>(modal);
                  QVERIFY(pdf);
                  QCOMPARE(pdf->windowTitle(), u" Esporta in PDF"_s);
                  if (copies)
                      click(pdf->formato->optDue);
                  click(pdf->btnStampa);
              });
}

void printTo(const QString& file, bool copies)
{
    PrintDialog::setHandlerForTests([file](QPrinter& printer, int) {
        printer.setOutputFileName(file);
        return true;
    });
    withModal([] { pressOnReceipt("cmdStampa"); },
              [copies](QWidget* modal) {
                  auto* print = qobject_cast<TfrmStampaRic*>(modal);
                  QVERIFY(print);
                  if (copies)
                      click(print->optDue);
                  click(print->btnStampa);
              });
    PrintDialog::setHandlerForTests({});
}

QString pageSize(const QString& pdf)
{
    return PdfTools::field(PdfTools::info(pdf), u"Page size"_s);
}

// Closes any modal dialog the action opens; true when one opened.
bool opensADialog(const std::function<void()>& action)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    action();
    QCoreApplication::processEvents();
    return opened;
}

// The e-mail screen, opened from the receipt screen; the address it shows.
QString sendByMail()
{
    QString shown;
    withModal([] { pressOnReceipt("cmdEmail"); },
              [&shown](QWidget* modal) {
                  auto* mail = qobject_cast<TfrmEmailRic*>(modal);
                  QVERIFY(mail);
                  shown = mail->lblDestinatario->text();
                  click(mail->btnStampa);
              });
    return shown;
}

} // namespace

void TestInvioRic::cleanup()
{
    PrintDialog::setPrinterConfiguredForTests(std::nullopt);
    PrintDialog::setHandlerForTests({});
    SafeWrite::failWritesForTests(false);
}

void TestInvioRic::pdfIsThePrintedPage_data()
{
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QString>("size");
    QTest::newRow("one large receipt") << false << u"595 x 842"_s;
    QTest::newRow("two small copies") << true << u"842 x 595"_s;
}

// The PDF holds the page the printer gets: the same text, read back by poppler, in the same
// format; the title and subject name the receipt and the tenant, and the fonts travel with it.
void TestInvioRic::pdfIsThePrintedPage()
{
    QFETCH(bool, copies);
    QFETCH(QString, size);
    ScreenFixture f;
    openFilledReceipt();
    f.desktop.answers.enqueue(Desktop::Answer::No); // do not open it
    makePdf(copies);
    const QString pdf = pdfOf(f);
    QCOMPARE(f.desktop.messages,
             (QList<ScriptedDesktop::Message>{{Desktop::Kind::Confirmation, ReceiptPdf::doneQuestion(pdf)}}));
    QVERIFY(f.desktop.opened.isEmpty());
    QVERIFY(f.desktop.lastMessage().text.endsWith(u"\r\n\r\nSi vuole aprire il file PDF?"_s));

    const QString info = PdfTools::info(pdf);
    QCOMPARE(PdfTools::field(info, u"Title"_s), u"Ricevuta d'affitto n. 12 del 05/03/2024"_s);
    QCOMPARE(PdfTools::field(info, u"Subject"_s), u"BIANCHI LAURA"_s);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"1"_s);
    QVERIFY2(pageSize(pdf).startsWith(size), qPrintable(info));
    const QStringList fonts = PdfTools::run(u"pdffonts"_s, {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts)
        QVERIFY2(font.contains(u" yes "_s), qPrintable(font)); // embedded

    const QString printed = f.folder.filePath(u"stampata.pdf"_s);
    printTo(printed, copies);
    QVERIFY2(pageSize(printed).startsWith(size), qPrintable(pageSize(printed)));
    const QString text = PdfTools::text(pdf);
    QCOMPARE(text, PdfTools::text(printed));
    const QString words = text.simplified();
    QCOMPARE(words.count(u"€ 709,75 dicasi euro SETTECENTONOVE/75"_s), copies ? 2 : 1);
    QCOMPARE(words.count(u"Ricevuta d'affitto n. 12"_s), copies ? 2 : 1);
    for (const QString& amount : {u" 650,00 "_s, u" 50,00 "_s, u" 700,00 "_s, u" 1,50% "_s, u" 9,75 "_s})
        QVERIFY2(words.contains(amount), qPrintable(amount));

    makePdf(copies); // asked again, Yes opens it; the file is replaced, not doubled
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(pdf)});
    QCOMPARE(QDir(f.folder.filePath(u"Ricevute_PDF"_s)).entryList(QDir::Files), QStringList{u"Ricevuta_12_2024.pdf"_s});
}

void TestInvioRic::pdfRefusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("warning"); // empty: the one printing gives
    for (const QString& button : {u"cmdPDF"_s, u"cmdEmail"_s}) {
        QTest::addRow("%s: an amount that is no number", qPrintable(button))
            << button << u"Importo02"_s << u"1-2"_s << QString();
        QTest::addRow("%s: an amount the record cannot hold", qPrintable(button))
            << button << u"Importo02"_s << u"9999999999"_s << QString();
        QTest::addRow("%s: no number, after which the file is named", qPrintable(button))
            << button << u"NumRic"_s << QString()
            << u"Attenzione: per creare il file PDF è necessario indicare il numero della ricevuta."_s;
    }
}

// The checks printing makes come first, with the same warning and the same field to correct.
void TestInvioRic::pdfRefusedBeforeAnythingIsWritten()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, warning);
    ScreenFixture f;
    writeArchive(f.folder.path(), cardOfTheContract(kAddress));
    TfrmRicevute* screen = openFilledReceipt();
    setReceiptField(field, value);
    QWidget* focus = screen->form().control(field);
    if (warning.isEmpty()) {
        QVERIFY(!opensADialog([] { pressOnReceipt("cmdStampa"); }));
        QCOMPARE(f.desktop.messages.size(), 1);
        warning = f.desktop.messages.takeFirst().text;
        QVERIFY(warning.contains(u"\"Importo 2\""_s));
        focus = screen->focusWidget();
        setReceiptField(field, value);
    }
    QVERIFY(!opensADialog([&button] { pressOnReceipt(qPrintable(button)); }));
    QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{{Desktop::Kind::Warning, warning}}));
    QCOMPARE(screen->focusWidget(), focus);
    QVERIFY(!QFile::exists(f.folder.filePath(u"Ricevute_PDF"_s)));
    QVERIFY(f.desktop.mails.isEmpty());
}

void TestInvioRic::pdfReplacesAnOlderFileOnlyWhole()
{
    ScreenFixture f;
    openFilledReceipt();
    QVERIFY(QDir(f.folder.path()).mkdir(u"Ricevute_PDF"_s));
    writeFile(pdfOf(f), "ricevuta precedente");
    SafeWrite::failWritesForTests(true); // a full disk
    f.desktop.answers.enqueue(Desktop::Answer::No);
    makePdf(false);
    SafeWrite::failWritesForTests(false);
    QCOMPARE(readFile(pdfOf(f)), QByteArray("ricevuta precedente"));
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error); // the failure, in Italian
    QVERIFY(f.desktop.lastMessage().text.contains(u"Ricevuta_12_2024.pdf"_s));
    QCOMPARE(QDir(f.folder.filePath(u"Ricevute_PDF"_s)).entryList(QDir::Files), QStringList{u"Ricevuta_12_2024.pdf"_s});
}

void TestInvioRic::emailGoesToTheAddressOfTheCard()
{
    ScreenFixture f;
    // Another contract of the same tenant first, then this contract's card.
    writeArchive(f.folder.path(), cardOfTheContract(u"altro@example.it"_s, u"TNT20T000999000ZZ"_s) +
                                      cardOfTheContract(u" "_s + kAddress + u" "_s));
    openFilledReceipt();
    setReceiptField(u"CodFiscCon01"_s, u"bnclra85m41f205k"_s); // compared in capitals
    const QString shown = sendByMail();
    QVERIFY2(shown.contains(u"Destinatario: "_s + kAddress), qPrintable(shown));
    QVERIFY(shown.contains(u"scheda dell'immobile"_s));
    const QString pdf = pdfOf(f);
    const QStringList expected = {
        u"--utf8"_s,
        u"--subject"_s,
        u"Ricevuta d'affitto n. 12 del 05/03/2024"_s,
        u"--body"_s,
        u"Gentile LAURA BIANCHI,\n\nin allegato trova la ricevuta d'affitto n. 12 del 05/03/2024, per un totale "
        u"di € 709,75.\n\nCordiali saluti\nMARIO ROSSI"_s,
        u"--attach"_s,
        pdf,
        kAddress};
    QCOMPARE(f.desktop.mails, QList<QStringList>{expected});
    QCOMPARE(PdfTools::field(PdfTools::info(pdf), u"Title"_s), u"Ricevuta d'affitto n. 12 del 05/03/2024"_s);
    QVERIFY(f.desktop.messages.isEmpty());
    QCOMPARE(SchedaRicevuta::layout().size(), 2314); // no address field in the receipt
}

void TestInvioRic::emailAsksForAnAddress_data()
{
    QTest::addColumn<QByteArray>("cards");
    QTest::addColumn<QList<std::optional<QString>>>("typed");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("sentTo"); // empty: no message prepared
    using Typed = QList<std::optional<QString>>;
    QTest::newRow("no card of the contract") << QByteArray() << Typed{u" laura@example.it "_s} << 0
                                             << u"laura@example.it"_s;
    QTest::newRow("a card without an address")
        << cardOfTheContract(QString()) << Typed{u"laura at example.it"_s, u"-laura@example.it"_s, u"laura@example.it"_s}
        << 2 << u"laura@example.it"_s;
    QTest::newRow("an address that is not one, then cancelled")
        << cardOfTheContract(u"laura@example"_s) << Typed{std::nullopt} << 0 << QString();
}

void TestInvioRic::emailAsksForAnAddress()
{
    QFETCH(QByteArray, cards);
    QFETCH(QList<std::optional<QString>>, typed);
    QFETCH(int, warnings);
    QFETCH(QString, sentTo);
    ScreenFixture f;
    if (!cards.isEmpty())
        writeArchive(f.folder.path(), cards);
    openFilledReceipt();
    for (const auto& answer : typed)
        f.desktop.inputs.enqueue(answer);
    if (sentTo.isEmpty()) {
        QVERIFY(!opensADialog([] { pressOnReceipt("cmdEmail"); }));
        QVERIFY(f.desktop.mails.isEmpty());
        QVERIFY(!QFile::exists(pdfOf(f)));
        return;
    }
    QVERIFY(sendByMail().contains(u"Destinatario: "_s + sentTo + u"\n(indirizzo indicato ora"_s));
    QVERIFY(f.desktop.inputs.isEmpty());
    QCOMPARE(f.desktop.messages.size(), warnings);
    for (const auto& message : f.desktop.messages)
        QVERIFY(message.text.endsWith(u"non è un indirizzo e-mail valido. Indicare un indirizzo nella forma "
                                      u"nome@dominio.it."_s));
    QCOMPARE(f.desktop.mails.size(), 1);
    QCOMPARE(f.desktop.mails.front().last(), sentTo);
}

void TestInvioRic::emailFallsBackToTheFolder()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), cardOfTheContract(kAddress));
    openFilledReceipt();
    f.desktop.mailFails = true; // no mail program answers
    sendByMail();
    const QString pdf = pdfOf(f);
    QCOMPARE(f.desktop.mails.size(), 1);
    QCOMPARE(f.desktop.messages,
             (QList<ScriptedDesktop::Message>{
                 {Desktop::Kind::Warning,
                  u"Non è stato possibile aprire un programma di posta elettronica per preparare il messaggio a "_s +
                      kAddress + u".\r\n\r\nLa ricevuta è stata salvata nel file:\r\n"_s + pdf +
                      u"\r\n\r\nOra si apre la cartella che lo contiene, così da poterlo allegare a mano a un "
                      u"nuovo messaggio."_s}}));
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(f.folder.filePath(u"Ricevute_PDF"_s))});
    QVERIFY(QFile::exists(pdf));
}

void TestInvioRic::noPrinterOffersThePdf_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("pdf");  // the file offered instead, from the program's folder
    QTest::addColumn<QString>("size"); // its page size
    QTest::newRow("receipt, one large") << u"uno"_s << u"Ricevute_PDF/Ricevuta_12_2024.pdf"_s << u"595 x 842"_s;
    QTest::newRow("receipt, two copies") << u"due"_s << u"Ricevute_PDF/Ricevuta_12_2024.pdf"_s << u"842 x 595"_s;
    QTest::newRow("receipt preview, two copies")
        << u"anteprima due"_s << u"Ricevute_PDF/Ricevuta_12_2024.pdf"_s << u"842 x 595"_s;
    QTest::newRow("property card") << u"scheda"_s << u"Immobile.pdf"_s << u"595 x 842"_s;
    QTest::newRow("F24 form") << u"f24"_s << u"Modello_F24_ELIDE.pdf"_s << u"595 x 842"_s;
}

// Without a printer, Stampa says so instead of failing on a printer with no name, and offers
// the same page as a PDF.
void TestInvioRic::noPrinterOffersThePdf()
{
    QFETCH(QString, screen);
    QFETCH(QString, pdf);
    QFETCH(QString, size);
    ScreenFixture f;
    PrintDialog::setPrinterConfiguredForTests(false);
    bool dialogShown = false;
    PrintDialog::setHandlerForTests([&dialogShown](QPrinter&, int) { return dialogShown = true, false; });
    f.desktop.answers << Desktop::Answer::Yes << Desktop::Answer::No; // the PDF, yes; open it, no
    if (screen == u"f24"_s) {
        TfrmStampaElide print;
        print.setForm({{u"CognomeCont"_s, u"ROSSI"_s}});
        click(print.btnStampa);
    } else if (screen == u"scheda"_s) {
        openCard();
        FieldBehaviour::setTextOf(frmImmobili->findChild<QWidget*>(u"txtImmobile"_s), u"Bilocale"_s);
        click(control<QAbstractButton>(frmImmobili, "cmdStampa"));
    } else if (screen.startsWith(u"anteprima"_s)) {
        openFilledReceipt();
        withModal([] { pressOnReceipt("cmdAnteprima"); },
                  [](QWidget* modal) {
                      auto* preview = qobject_cast<TfrmAnteprimaRic*>(modal);
                      QVERIFY(preview);
                      click(preview->formato->optDue);
                      withModal([preview] { click(preview->btnStampa); },
                                [](QWidget* window) { click(control<QToolButton>(window, "cmdStampa")); });
                  });
    } else {
        openFilledReceipt();
        withModal([] { pressOnReceipt("cmdStampa"); },
                  [&screen](QWidget* modal) {
                      auto* print = qobject_cast<TfrmStampaRic*>(modal);
                      if (screen == u"due"_s)
                          click(print->optDue);
                      click(print->btnStampa);
                  });
    }
    QVERIFY(!dialogShown);
    QCOMPARE(f.desktop.messages.size(), 2);
    QCOMPARE(f.desktop.messages.front(),
             (ScriptedDesktop::Message{Desktop::Kind::Confirmation, PrintDialog::noPrinterMessage(true)}));
    QCOMPARE(f.desktop.messages.front().text,
             u"Non è configurata alcuna stampante. Per stampare è necessario installarne una nelle impostazioni "
             u"del sistema.\r\n\r\nSi vuole salvare il documento in un file PDF, da stampare in seguito o da "
             u"inviare?"_s);
    QCOMPARE(f.desktop.messages.back().kind, Desktop::Kind::Confirmation); // open the PDF?
    QVERIFY2(pageSize(f.folder.filePath(pdf)).startsWith(size), qPrintable(pdf));
}

void TestInvioRic::noPrinterWithoutPdfSaysSo()
{
    ScreenFixture f;
    PrintDialog::setPrinterConfiguredForTests(false);
    writeArchive(f.folder.path(), cardOfTheContract(kAddress));
    openCard();
    withModal([] { click(control<QAbstractButton>(frmImmobili, "cmdTrova")); },
              [](QWidget* modal) {
                  auto* search = qobject_cast<TfrmTrovaImmobili*>(modal);
                  click(search->btnCerca);
                  click(search->btnStampa); // the list has no PDF
              });
    QCOMPARE(f.desktop.messages,
             (QList<ScriptedDesktop::Message>{{Desktop::Kind::Warning, PrintDialog::noPrinterMessage(false)}}));
    QVERIFY(PrintDialog::noPrinterMessage(false).startsWith(u"Non è configurata alcuna stampante. "_s));
}

// The check asks the system: the test command's print server counts as a printer.
void TestInvioRic::thePrintServerIsAPrinter()
{
    if (qEnvironmentVariableIsEmpty("TARVENTO_PRINT_OUTPUT"))
        QSKIP("no print server: run through the test command");
    QVERIFY(PrintDialog::printerConfigured());
}

void TestInvioRic::previewShowsBothFormats()
{
    ScreenFixture f;
    openFilledReceipt();
    withModal([] { pressOnReceipt("cmdAnteprima"); },
              [](QWidget* modal) {
                  auto* preview = qobject_cast<TfrmAnteprimaRic*>(modal);
                  QVERIFY(preview);
                  QVERIFY(preview->formato->optUno->isChecked()); // the large receipt, as before
                  click(preview->formato->optDue);
                  withModal([preview] { click(preview->btnStampa); },
                            [](QWidget* window) { QVERIFY(qobject_cast<ReportPreview*>(window)); });
                  const QList<PreparedPage>& pages = preview->repDuplice.preparedPages();
                  QCOMPARE(pages.size(), 1);
                  QCOMPARE(pages.front().size.toSize(), QSize(1123, 794)); // A4 landscape
                  QCOMPARE(pages.front().find(u"titCopia_A"_s)->text(), u"COPIA PER IL CONDUTTORE"_s);
                  QCOMPARE(pages.front().find(u"titCopia_B"_s)->text(), u"COPIA PER IL LOCATORE"_s);
                  QCOMPARE(pages.front().find(u"txtTotRicevuta_B"_s)->text(),
                           u"€  709,75   dicasi euro   SETTECENTONOVE/75"_s);
                  QVERIFY(preview->repDocumento.preparedPages().isEmpty());
              });
}

void TestInvioRic::commandWritesTheButtonsPdf_data()
{
    QTest::addColumn<bool>("copies");
    QTest::newRow("uno") << false;
    QTest::newRow("due") << true;
}

// The command line writes the PDF the button writes for the same receipt loaded on screen,
// with no display and no password.
void TestInvioRic::commandWritesTheButtonsPdf()
{
    QFETCH(bool, copies);
    ScreenFixture f;
    Record stored(SchedaRicevuta::layout());
    for (const auto& [field, value] : receiptValues())
        stored.setText(field, value);
    stored.setText(u"TotRicevuta"_s, u"1,00"_s); // stale: printing computes the totals again
    stored.setText(u"Bollo"_s, SchedaRicevuta::bolloNotes().back());
    Record other(SchedaRicevuta::layout());
    other.setText(u"NumRic"_s, u"11"_s);
    writeFile(f.folder.filePath(u"2024.ric"_s), other.bytes() + stored.bytes());

    const QString written = f.folder.filePath(u"da riga di comando.pdf"_s);
    QStringList arguments{u"--ricevuta-pdf"_s, u"2024"_s, u"12"_s, written};
    if (copies)
        arguments << u"--due-copie"_s;
    const CommandResult result = runTarvento(f.folder.path(), arguments, withoutDisplay());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());

    openReceiptYear(u"2024"_s);
    pressOnReceipt("cmdUltimo");
    f.desktop.answers.enqueue(Desktop::Answer::No);
    makePdf(copies);
    const QString button = pdfOf(f);
    QCOMPARE(PdfTools::text(written), PdfTools::text(button));
    QVERIFY(PdfTools::text(written).simplified().contains(u"€ 709,75 dicasi euro SETTECENTONOVE/75"_s));
    const QString info = PdfTools::info(written);
    for (const QString& key : {u"Title"_s, u"Subject"_s, u"Page size"_s})
        QCOMPARE(PdfTools::field(info, key), PdfTools::field(PdfTools::info(button), key));
}

void TestInvioRic::commandExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // the start of standard error
    QTest::newRow("no archive of that year")
        << QStringList{u"2023"_s, u"1"_s, u"x.pdf"_s} << 1
        << u"L'archivio delle ricevute 2023.ric non esiste nella cartella del programma."_s;
    QTest::newRow("no receipt of that number") << QStringList{u"2024"_s, u"9"_s, u"x.pdf"_s} << 1
                                               << u"Nell'archivio 2024.ric non c'è nessuna ricevuta con il numero 9."_s;
    QTest::newRow("two receipts of that number")
        << QStringList{u"2024"_s, u"7"_s, u"x.pdf"_s} << 1
        << u"Nell'archivio 2024.ric ci sono 2 ricevute con il numero 7 (posizioni 2, 3): non si può sapere quale "
           u"scrivere."_s;
    QTest::newRow("a total that cannot be computed")
        << QStringList{u"2024"_s, u"5"_s, u"x.pdf"_s} << 1 << TotaliRicevuta::notANumberWarning();
    QTest::newRow("a folder that does not exist")
        << QStringList{u"2024"_s, u"1"_s, u"manca/x.pdf"_s} << 1 << u"Impossibile"_s;
    QTest::newRow("a year of two digits") << QStringList{u"24"_s, u"1"_s, u"x.pdf"_s} << 2
                                          << u"L'anno va indicato con quattro cifre: 24"_s;
    QTest::newRow("no file") << QStringList{u"2024"_s, u"1"_s} << 2 << u"--ricevuta-pdf vuole l'anno"_s;
    QTest::newRow("an unknown option") << QStringList{u"2024"_s, u"1"_s, u"x.pdf"_s, u"--tre-copie"_s} << 2
                                       << u"Opzione sconosciuta per --ricevuta-pdf: --tre-copie"_s;
}

void TestInvioRic::commandExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QByteArray archive;
    for (const char* number : {"1", "7", "7", "5"}) {
        Record receipt(SchedaRicevuta::layout());
        receipt.setText(u"NumRic"_s, QString::fromLatin1(number));
        receipt.setText(u"Importo01"_s, QByteArray(number) == "5" ? u"1-2"_s : u"10,00"_s);
        archive += receipt.bytes();
    }
    writeFile(folder.filePath(u"2024.ric"_s), archive);
    if (arguments.size() > 2)
        arguments[2] = folder.filePath(arguments[2]);
    const CommandResult result = runTarvento(folder.path(), QStringList{u"--ricevuta-pdf"_s} + arguments, withoutDisplay());
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.startsWith(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(folder.filePath(u"x.pdf"_s)));
    if (exitCode == 2)
        QVERIFY(result.err.contains(u"tarvento --help"_s));
    QCOMPARE(readFile(folder.filePath(u"2024.ric"_s)), archive); // only read
}

TARVENTO_GUI_TEST_MAIN(TestInvioRic)
#include "tst_invio_ric.moc"
