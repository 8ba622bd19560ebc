#include "app/TfrmAvvio.h"
#include "card/FieldBehaviour.h"
#include "immobili/SchedaReport.h"
#include "immobili/TfrmImmobili.h"
#include "platform/Picture.h"
#include "platform/PrintDialog.h"
#include "platform/SafeWrite.h"
#include "report/ReportPreview.h"
#include "support/PdfTools.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

void setField(const char* name, const QString& text)
{
    FieldBehaviour::setTextOf(frmImmobili->form().control(QString::fromLatin1(name)), text);
}

void press(const char* name)
{
    click(control<QAbstractButton>(frmImmobili, name));
}

QString printed(const char* name)
{
    const PreparedItem* item =
        frmImmobili->repScheda().preparedPages().front().find(QString::fromLatin1(name));
    return item ? item->text() : u"(manca)"_s;
}

} // namespace

class TestScheda : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyCardPrintsEveryCaptionAndSeparator();
    void valuesComeFromTheScreenAsItStands();
    void pdfExportAndQuestion();
    void previewOpensAtFullSize();
    void cancelledPrintPrintsNothing();
    void printerThatFailsIsReported();
    void pdfThatCannotBeWrittenIsReported();
    void printsThroughThePrintSystem();
};

void TestScheda::emptyCardPrintsEveryCaptionAndSeparator()
{
    ScreenFixture f;
    openCard();
    f.desktop.answers.enqueue(Desktop::Answer::No);
    press("cmdPDF");
    QCOMPARE(frmImmobili->repScheda().preparedPages().size(), 1);
    QCOMPARE(printed("txtTitolo"), u"SCHEDA DATI IMMOBILE"_s);
    const QStringList captions = {u"Descrizione immobile:"_s,
                                  u"Tipologia:"_s,
                                  u"Indirizzo:"_s,
                                  u"Comune:"_s,
                                  u"Anno costruzione:"_s,
                                  u"Utilizzo:"_s,
                                  u"Costituzione:"_s,
                                  u"Accessori:"_s,
                                  u"Valore di mercato:"_s,
                                  u"Dati in tabelle millesimali:"_s,
                                  u"Tasse comunali:"_s,
                                  u"Dati catastali:"_s,
                                  u"Categoria catastale:"_s,
                                  u"Rendita catastale:"_s,
                                  u"Locatore:"_s,
                                  u"Percentuale di possesso:"_s,
                                  u"Tel. cellulare Locatore:"_s,
                                  u"Comproprietari:"_s,
                                  u"Conduttore:"_s,
                                  u"Tel. cellulare Conduttore:"_s,
                                  u"Persone conviventi:"_s,
                                  u"Codice ID Contratto:"_s,
                                  u"Periodicità rata canone:"_s,
                                  u"Importo rata canone:"_s};
    for (int n = 1; n <= 24; ++n)
        QCOMPARE(printed(qPrintable(u"titCampo%1"_s.arg(n, 2, 10, QChar(u'0')))), captions[n - 1]);
    const std::pair<const char*, QString> separators[] = {
        {"txtCampo03", u"  "_s},
        {"txtCampo04", u"  "_s},
        {"txtCampo07", u"Volume:   Superficie:   Vani: "_s},
        {"txtCampo09", u"€ "_s},
        {"txtCampo12", u"Comune:   Sez. urb.   Foglio:   Part.  /   Sub. "_s},
        {"txtCampo14", u"€ ,"_s},
        {"txtCampo15", u"   C.F. "_s},
        {"txtCampo16", u","_s},
        {"txtCampo19", u"   C.F. "_s},
        {"txtCampo24", u"€ ,"_s},
        {"txtCampo01", QString()}};
    for (const auto& [box, text] : separators)
        QCOMPARE(printed(box), text);
    QCOMPARE(printed("txtCalce"), u"Stampa eseguita in data 15/03/2024 alle ore 09:30:00"_s);

    // Places on the sheet: 10 mm margins, then the template's millimetres.
    const double mm = 3.7795;
    const QRectF row24 = frmImmobili->repScheda().preparedPages().front().find(u"txtCampo24"_s)->object->rect;
    QCOMPARE(qRound(row24.left() * 100), qRound((10 * 96 / 25.4 + 60 * mm) * 100));
    QCOMPARE(qRound(row24.top() * 100), qRound((10 * 96 / 25.4 + (24 + 230) * mm) * 100));
}

void TestScheda::valuesComeFromTheScreenAsItStands()
{
    ScreenFixture f;
    openCard();
    setField("Immobile", u"  Villa [DATE] <b>al mare</b> "_s);
    setField("Via01", u"Via"_s);
    setField("Indirizzo01", u"Roma"_s);
    setField("Civico01", u"3"_s);
    setField("CognomeLoc01", u"Rossi"_s);
    setField("NomeLoc01", u"Mario"_s);
    setField("CodFiscLoc01", u"RSSMRA80A01H501U"_s);
    setField("ImpRata", u"650"_s);
    setField("CentRata", u"00"_s);
    setField("Periodicita", u"Rata canone di locazione mensile"_s);
    setField("Accessori", QString(120, u'W')); // far wider than its box
    f.desktop.answers.enqueue(Desktop::Answer::No);
    press("cmdPDF");
    QCOMPARE(printed("txtCampo01"), u"Villa [DATE] <b>al mare</b>"_s); // literal boxes
    QCOMPARE(printed("txtCampo03"), u"Via Roma 3"_s);
    QCOMPARE(printed("txtCampo15"), u"Rossi Mario  C.F. RSSMRA80A01H501U"_s);
    QCOMPARE(printed("txtCampo23"), u"Rata canone di locazione mensile"_s);
    QCOMPARE(printed("txtCampo24"), u"€ 650,00"_s);
    const QString cut = printed("txtCampo08");
    QVERIFY(cut.size() > 10 && cut.size() < 120);
    QVERIFY(frmImmobili->lblPosizione->text().isEmpty()); // a card never saved prints as well
}

void TestScheda::pdfExportAndQuestion()
{
    ScreenFixture f;
    openCard();
    const QString path = f.folder.filePath(u"Immobile.pdf"_s);
    setField("Immobile", u"Prima scheda"_s);
    f.desktop.answers.enqueue(Desktop::Answer::No);
    press("cmdPDF");
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{
                 Desktop::Kind::Confirmation,
                 u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole "
                 u"aprire il file?"_s}));
    QVERIFY(f.desktop.opened.isEmpty()); // No: the file stays, nothing opens
    QVERIFY(QFile::exists(path));

    setField("Immobile", u"Seconda scheda"_s);
    f.desktop.answers.enqueue(Desktop::Answer::Yes);
    press("cmdPDF");
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    QCOMPARE(QDir(f.folder.path()).entryList({u"*.pdf"_s}), QStringList{u"Immobile.pdf"_s});

    const QString info = PdfTools::info(path);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"1"_s);
    QCOMPARE(PdfTools::field(info, u"Title"_s), u"Scheda informativa"_s);
    QCOMPARE(PdfTools::field(info, u"Subject"_s), u"Scheda informativa"_s);
    QVERIFY(PdfTools::field(info, u"Page size"_s).startsWith(u"595"_s)); // A4 portrait
    const QString text = PdfTools::text(path);
    QVERIFY(text.contains(u"SCHEDA DATI IMMOBILE"_s));
    QVERIFY(text.contains(u"Seconda scheda"_s));
    QVERIFY(!text.contains(u"Prima scheda"_s));
    QVERIFY(text.contains(u"Periodicità rata canone:"_s));
    QVERIFY(text.contains(u"Stampa eseguita in data 15/03/2024 alle ore 09:30:00"_s));
}

void TestScheda::previewOpensAtFullSize()
{
    ScreenFixture f;
    openCard();
    setField("Immobile", u"Anteprima"_s);
    withModal([&] { press("cmdAnteprima"); },
              [&](QWidget* modal) {
                  auto* preview = qobject_cast<ReportPreview*>(modal);
                  QVERIFY(preview);
                  QCOMPARE(preview->zoom(), 1.0);
                  QCOMPARE(modal->findChild<QLabel*>(u"lblZoom"_s)->text(), u"100 %"_s);
                  click(modal->findChild<QAbstractButton*>(u"cmdZoomPiu"_s));
                  QCOMPARE(preview->zoom(), 1.25);
              });
    QCOMPARE(printed("txtCampo01"), u"Anteprima"_s);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestScheda::cancelledPrintPrintsNothing()
{
    ScreenFixture f;
    openCard();
    int asked = 0;
    PrintDialog::setHandlerForTests([&](QPrinter&, int pages) {
        ++asked;
        return pages == 0; // cancel
    });
    press("cmdStampa");
    PrintDialog::setHandlerForTests({});
    QCOMPARE(asked, 1);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestScheda::printerThatFailsIsReported()
{
    ScreenFixture f;
    openCard();
    PrintDialog::setHandlerForTests([](QPrinter& printer, int) {
        printer.setPrinterName(u"Stampante spenta"_s);
        printer.setOutputFileName(u"/cartella/che/non/esiste/stampa.pdf"_s); // the device cannot be opened
        return true;
    });
    press("cmdStampa"); // the handler catches nothing: the default error report speaks
    PrintDialog::setHandlerForTests({});
    QCOMPARE(f.desktop.messages.size(), 1);
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY2(f.desktop.lastMessage().text.startsWith(u"Impossibile stampare sulla stampante"_s),
             qPrintable(f.desktop.lastMessage().text));
}

void TestScheda::pdfThatCannotBeWrittenIsReported()
{
    ScreenFixture f;
    openCard();
    const QString path = f.folder.filePath(u"Immobile.pdf"_s);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("scheda precedente");
    }
    SafeWrite::failWritesForTests(true);
    press("cmdPDF");
    SafeWrite::failWritesForTests(false);
    QCOMPARE(f.desktop.messages.size(), 1); // the failure, and no question about opening the file
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY(f.desktop.lastMessage().text.contains(u"Immobile.pdf"_s));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("scheda precedente"));
}

void TestScheda::printsThroughThePrintSystem()
{
    // The test command starts a print server whose default queue writes PDF files here.
    const QString spool = qEnvironmentVariable("TARVENTO_PRINT_OUTPUT");
    if (spool.isEmpty())
        QSKIP("no print server: run through the test command");
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

    ScreenFixture f;
    openCard();
    setField("Immobile", u"Stampata davvero"_s);
    QString printerName;
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int) {
        printerName = printer.printerName(); // the default printer, as the dialog preselects it
        return true;
    });
    press("cmdStampa");
    PrintDialog::setHandlerForTests({});
    QVERIFY(!printerName.isEmpty());
    QVERIFY(f.desktop.messages.isEmpty());

    QString produced;
    QElapsedTimer waited;
    waited.start();
    while (produced.isEmpty() && waited.elapsed() < 60000) {
        // The queue may reuse a file name: what counts is a file written since printing began.
        for (const QFileInfo& file : QDir(spool).entryInfoList({u"*.pdf"_s}, QDir::Files, QDir::Time)) {
            if (file.lastModified() >= started && file.size() > 0)
                produced = file.filePath();
        }
        QTest::qWait(200);
    }
    QVERIFY2(!produced.isEmpty(), "the print queue wrote no PDF");
    QTest::qWait(1000); // let the queue finish writing
    QCOMPARE(PdfTools::field(PdfTools::info(produced), u"Pages"_s), u"1"_s);

    // The queue turns text into outlines, so the printed sheet is compared by eye with the
    // card's own PDF: it must match this card better than the same card with another description.
    auto exported = [&](const QString& description) {
        setField("Immobile", description);
        f.desktop.answers.enqueue(Desktop::Answer::No);
        press("cmdPDF");
        return PdfTools::firstPage(f.folder.filePath(u"Immobile.pdf"_s), 60);
    };
    const QImage printedPage = PdfTools::firstPage(produced, 60);
    const double same = PdfTools::meanDifference(printedPage, exported(u"Stampata davvero"_s));
    const double other =
        PdfTools::meanDifference(printedPage, exported(u"Un'altra descrizione, ben piu' lunga"_s));
    QVERIFY2(same < 6 && same < other, qPrintable(u"%1 / %2"_s.arg(same).arg(other)));
    QImage blank(printedPage.size(), QImage::Format_Grayscale8);
    blank.fill(255);
    QVERIFY(PdfTools::meanDifference(printedPage, blank) > 8); // not an empty sheet
}

TARVENTO_GUI_TEST_MAIN(TestScheda)
#include "tst_scheda.moc"
