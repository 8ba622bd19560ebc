#include "f24/F24Form.h"
#include "f24/F24Report.h"
#include "f24/TfrmStampaElide.h"
#include "platform/PrintDialog.h"
#include "report/ReportPdf.h"
#include "report/ReportPreview.h"
#include "support/PdfTools.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The F24 ELIDE form printed, previewed and written to PDF, read back from the prepared
// pages and from the files.
class TestF24Print : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void threeCopiesHoldEveryDatum();
    void paymentLinesSitFurtherRightOnTheOtherCopies();
    void amountsSplitIntoEurosAndCents_data();
    void amountsSplitIntoEurosAndCents();
    void characterGroups_data();
    void characterGroups();
    void everyBoxFallsInsideTheDrawnForm();
    void captionsOnTheCopiesNoneInThePdf();
    void printedCopiesAreVectors();
    void printCancelledClosesTheDialog();
    void previewShowsTheThreeCopies();
    void pdfWrittenAndOpened();
    void answeringNoKeepsThePdfDialogOpen();
};

namespace {

F24Report::Texts filledForm()
{
    return {{u"Delegato"_s, u" BANCA DI PROVA "_s},
            {u"Agenzia"_s, u"MILANO 12"_s},
            {u"ProvAg"_s, u"MI"_s},
            {u"CodFiscCont"_s, u"RSSMRA80C05F205X"_s},
            {u"CognomeCont"_s, u"ROSSI"_s},
            {u"NomeCont"_s, u"MARIO"_s},
            {u"DataNasc"_s, u"05/03/1980"_s},
            {u"Sesso"_s, u"M"_s},
            {u"ComuneNasc"_s, u"MILANO"_s},
            {u"ProvNasc"_s, u"MI"_s},
            {u"ComuneDom"_s, u"PAVIA"_s},
            {u"ProvDom"_s, u"PV"_s},
            {u"ViaDom"_s, u"VIA ROMA 7"_s},
            {u"CodFiscCoob"_s, u"01234567890"_s},
            {u"Identificativo"_s, u"63"_s},
            {u"Tipo01"_s, u"F"_s},
            {u"Elementi01"_s, u"TNM20T000123000AB"_s},
            {u"Codice01"_s, u"1500"_s},
            {u"AnnoRif01"_s, u"2024"_s},
            {u"Importo01"_s, u"1234,56"_s},
            {u"Tipo02"_s, u"F"_s},
            {u"Elementi02"_s, u"ZXCVBNMLKJ"_s},
            {u"Codice02"_s, u"1501"_s},
            {u"AnnoRif02"_s, u"2025"_s},
            {u"Importo02"_s, u"0,00"_s},
            {u"Totale"_s, u"1234,56"_s},
            {u"Data"_s, u"16/07/2024"_s}};
}

const PreparedItem& item(const PreparedPage& page, const QString& name)
{
    const PreparedItem* found = page.find(name);
    if (found == nullptr)
        qFatal("no box %s on the page", qPrintable(name));
    return *found;
}

// A row of boxes read back as one text, a blank where a box holds nothing.
QString row(const PreparedPage& page, const QString& prefix, int count, const QString& suffix)
{
    QString out;
    for (int i = 1; i <= count; ++i) {
        const QString text = item(page, prefix + QString::number(i).rightJustified(2, u'0') + suffix).text();
        out += text.isEmpty() ? u" "_s : text;
    }
    return out;
}

QString suffixOf(int page)
{
    return QStringList{QString(), u"X"_s, u"Y"_s}.at(page);
}

bool isPaymentLineOrPayerCode(const QString& name)
{
    for (const QString& prefix : {u"txtCodFiscCont"_s, u"txtTipo"_s, u"txtElementi"_s, u"txtCodice"_s,
                                  u"txtAnnoRif"_s, u"txtImporto"_s, u"txtCentA_"_s, u"txtCentB_"_s}) {
        if (name.startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

void TestF24Print::threeCopiesHoldEveryDatum()
{
    ReportDocument report = F24Report::createPrint();
    QCOMPARE(report.name, u"Modello F24 ELIDE"_s);
    F24Report::fillPrint(report, filledForm());
    const QList<PreparedPage>& pages = report.preparedPages();
    QCOMPARE(pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        const PreparedPage& page = pages[p];
        const QString s = suffixOf(p);
        QCOMPARE(page.size.toSize(), QSize(794, 1123));
        QCOMPARE(std::count_if(page.items.cbegin(), page.items.cend(),
                               [](const PreparedItem& i) { return i.object->name.startsWith(u"txt"_s); }),
                 112);
        const auto& background = static_cast<const PictureBox&>(*item(page, u"picSfondo"_s + s).object);
        QVERIFY(!background.vector.isEmpty());
        QCOMPARE(background.rect, QRectF(0, 0, 793.70, 1122.52));
        const auto text = [&](const QString& name) { return item(page, name + s).text(); };
        QCOMPARE(text(u"txtDelegato"_s), u"BANCA DI PROVA"_s);
        QCOMPARE(text(u"txtAgenzia"_s), u"MILANO 12"_s);
        QCOMPARE(text(u"txtProvAg"_s), u"MI"_s);
        QCOMPARE(text(u"txtCognomeCont"_s), u"ROSSI"_s);
        QCOMPARE(text(u"txtNomeCont"_s), u"MARIO"_s);
        QCOMPARE(text(u"txtSesso"_s), u"M"_s);
        QCOMPARE(text(u"txtComuneNasc"_s), u"MILANO"_s);
        QCOMPARE(text(u"txtComuneDom"_s), u"PAVIA"_s);
        QCOMPARE(text(u"txtViaDom"_s), u"VIA ROMA 7"_s);
        QCOMPARE(text(u"txtTipo01"_s), u"F"_s);
        QCOMPARE(text(u"txtTipo02"_s), u"F"_s);
        QCOMPARE(text(u"txtCodice01"_s), u"1500"_s);
        QCOMPARE(text(u"txtCodice02"_s), u"1501"_s);
        QCOMPARE(text(u"txtAnnoRif01"_s), u"2024"_s);
        QCOMPARE(text(u"txtAnnoRif02"_s), u"2025"_s);
        QCOMPARE(text(u"txtImporto01"_s), u"1234"_s);
        QCOMPARE(text(u"txtImporto02"_s), u"0"_s);
        QCOMPARE(text(u"txtTotale"_s), u"1234"_s);
        QCOMPARE(row(page, u"txtCentA_"_s, 2, s), u"56"_s);
        QCOMPARE(row(page, u"txtCentB_"_s, 2, s), u"00"_s);
        QCOMPARE(row(page, u"txtCentTot_"_s, 2, s), u"56"_s);
        QCOMPARE(row(page, u"txtCodFiscCont"_s, 16, s), u"RSSMRA80C05F205X"_s);
        QCOMPARE(row(page, u"txtCodFiscCoob"_s, 16, s), u"01234567890     "_s);
        QCOMPARE(row(page, u"txtDataNasc"_s, 8, s), u"05031980"_s);
        QCOMPARE(row(page, u"txtData"_s, 8, s), u"16072024"_s);
        QCOMPARE(row(page, u"txtProvNasc"_s, 2, s), u"MI"_s);
        QCOMPARE(row(page, u"txtProvDom"_s, 2, s), u"PV"_s);
        QCOMPARE(row(page, u"txtIdentificativo"_s, 2, s), u"63"_s);
        QCOMPARE(row(page, u"txtElementiA_"_s, 17, s), u"TNM20T000123000AB"_s);
        QCOMPARE(row(page, u"txtElementiB_"_s, 17, s), u"ZXCVBNMLKJ       "_s);
        for (const PreparedItem& i : page.items) {
            if (auto* box = dynamic_cast<const TextBox*>(i.object.get())) {
                QVERIFY2(box->name.endsWith(s) && (s.isEmpty() || !box->name.endsWith(u"X"_s) || s == u"X"_s),
                         qPrintable(box->name));
                QCOMPARE(box->fontFamily, u"Arial"_s);
            }
        }
    }
}

void TestF24Print::paymentLinesSitFurtherRightOnTheOtherCopies()
{
    ReportDocument report = F24Report::createPrint();
    const QList<F24Report::Box> boxes = F24Report::boxes(F24Report::Output::Print);
    QCOMPARE(boxes.size(), 112);
    int moved = 0;
    for (const F24Report::Box& b : boxes) {
        const QRectF first = report.text(b.name).rect;
        QCOMPARE(first, b.rect);
        const double dx = isPaymentLineOrPayerCode(b.name) ? 0.38 : 0;
        moved += dx > 0;
        for (const QString& s : {u"X"_s, u"Y"_s}) {
            const QRectF other = report.text(b.name + s).rect;
            QVERIFY2(qAbs(other.left() - first.left() - dx) < 1e-9, qPrintable(b.name + s));
            QCOMPARE(other.top(), first.top());
            QCOMPARE(other.size(), first.size());
        }
    }
    QCOMPARE(moved, 16 + 2 + 34 + 2 + 2 + 2 + 4); // payer's code, tipo, elementi, codice, anno, euros, cents
    // A few positions as the form has them.
    QCOMPARE(report.text(u"txtCodFiscCont16X"_s).rect, QRectF(444.85, 142.11, 15.12, 18.14));
    QCOMPARE(report.text(u"txtCentTot_02Y"_s).rect, QRectF(757.42, 929.76, 9.83, 12.09));
    QCOMPARE(report.text(u"txtImporto01"_s).horizontal, Qt::AlignRight);
    QCOMPARE(report.text(u"txtDataNasc08"_s).fontPoints, 8.0);
}

void TestF24Print::amountsSplitIntoEurosAndCents_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<QString>("pdfEuros");
    QTest::newRow("euros and cents") << u"1234,56"_s << u"1234"_s << u"56"_s << u"1234 "_s;
    QTest::newRow("zero") << u"0,00"_s << u"0"_s << u"00"_s << u"0 "_s;
    QTest::newRow("empty") << QString() << QString() << u"  "_s << QString();
    QTest::newRow("blanks around") << u"  7,05 "_s << u"7"_s << u"05"_s << u"7 "_s;
    QTest::newRow("twelve digits") << u"123456789012,34"_s << u"123456789012"_s << u"34"_s
                                   << u"123456789012 "_s;
}

void TestF24Print::amountsSplitIntoEurosAndCents()
{
    QFETCH(QString, amount);
    QFETCH(QString, euros);
    QFETCH(QString, cents);
    QFETCH(QString, pdfEuros);
    const F24Report::Amount split = F24Report::splitAmount(amount);
    QCOMPARE(split.euros, euros);
    QCOMPARE(QString(split.tens) + split.units, cents);
    F24Report::Texts form{{u"Importo02"_s, amount}};
    const auto print = F24Report::boxTexts(form, F24Report::Output::Print);
    const auto pdf = F24Report::boxTexts(form, F24Report::Output::Pdf);
    QCOMPARE(print.value(u"txtImporto02"_s), euros);
    QCOMPARE(pdf.value(u"txtImporto02"_s), pdfEuros);
    QCOMPARE(print.value(u"txtCentB_01"_s) + print.value(u"txtCentB_02"_s), cents);
    QCOMPARE(pdf.value(u"txtCentB_01"_s) + pdf.value(u"txtCentB_02"_s), cents);
}

void TestF24Print::characterGroups_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("boxes");
    QTest::newRow("codice fiscale") << u"CodFiscCont"_s << u"RSSMRA80C05F205X"_s << u"txtCodFiscCont"_s << 16
                                    << u"RSSMRA80C05F205X"_s;
    QTest::newRow("partita IVA") << u"CodFiscCont"_s << u"01234567890"_s << u"txtCodFiscCont"_s << 16
                                 << u"01234567890     "_s;
    QTest::newRow("too long") << u"CodFiscCoob"_s << u"RSSMRA80C05F205XYZ"_s << u"txtCodFiscCoob"_s << 16
                              << u"RSSMRA80C05F205X"_s;
    QTest::newRow("birth date") << u"DataNasc"_s << u"05/03/1980"_s << u"txtDataNasc"_s << 8 << u"05031980"_s;
    QTest::newRow("no birth date") << u"DataNasc"_s << QString() << u"txtDataNasc"_s << 8 << u"        "_s;
    QTest::newRow("payment date") << u"Data"_s << u" 31/12/2024"_s << u"txtData"_s << 8 << u"31122024"_s;
    QTest::newRow("province") << u"ProvNasc"_s << u"RM"_s << u"txtProvNasc"_s << 2 << u"RM"_s;
    QTest::newRow("one letter province") << u"ProvDom"_s << u"X"_s << u"txtProvDom"_s << 2 << u"X "_s;
    QTest::newRow("identificativo") << u"Identificativo"_s << u"62"_s << u"txtIdentificativo"_s << 2
                                    << u"62"_s;
    QTest::newRow("elementi of 10") << u"Elementi01"_s << u"ABCDE12345"_s << u"txtElementiA_"_s << 17
                                    << u"ABCDE12345       "_s;
    QTest::newRow("elementi with blank")
        << u"Elementi02"_s << u"AB CD"_s << u"txtElementiB_"_s << 17 << u"AB CD            "_s;
}

void TestF24Print::characterGroups()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, prefix);
    QFETCH(int, count);
    QFETCH(QString, boxes);
    for (auto output : {F24Report::Output::Print, F24Report::Output::Pdf}) {
        const auto texts = F24Report::boxTexts({{field, text}}, output);
        QString read;
        for (int i = 1; i <= count; ++i) {
            const QString box = texts.value(prefix + QString::number(i).rightJustified(2, u'0'));
            QCOMPARE(box.size(), 1);
            read += box;
        }
        QCOMPARE(read, boxes);
        QVERIFY(!texts.contains(prefix + QString::number(count + 1).rightJustified(2, u'0')));
    }
}

// Every text box, on the three copies and on the PDF page, lies inside a box of the drawing.
void TestF24Print::everyBoxFallsInsideTheDrawnForm()
{
    const QList<QRectF> cells = F24Form::dataCells();
    const auto inside = [&](const QRectF& r, double shift) {
        for (const QRectF& c : cells) {
            if (c.translated(shift, 0).adjusted(-0.005, -0.005, 0.005, 0.005).contains(r))
                return true;
        }
        return false;
    };
    ReportDocument print = F24Report::createPrint();
    for (const PreparedPage& page : (print.PrepareReport(), print.preparedPages())) {
        for (const PreparedItem& i : page.items) {
            if (i.object->name.startsWith(u"txt"_s))
                QVERIFY2(inside(i.object->rect, 0), qPrintable(i.object->name));
        }
    }
    ReportDocument pdf = F24Report::createPdf();
    pdf.PrepareReport();
    QCOMPARE(pdf.preparedPages().size(), 1);
    for (const PreparedItem& i : pdf.preparedPages().front().items) {
        if (i.object->name.startsWith(u"txt"_s))
            QVERIFY2(inside(i.object->rect, F24Form::pdfShift), qPrintable(i.object->name));
    }
    // and no two data boxes of the drawing overlap
    for (qsizetype a = 0; a < cells.size(); ++a)
        for (qsizetype b = a + 1; b < cells.size(); ++b)
            QVERIFY(!cells[a].adjusted(0.01, 0.01, -0.01, -0.01).intersects(cells[b]));
}

void TestF24Print::captionsOnTheCopiesNoneInThePdf()
{
    const auto words = [](const ReportDocument& report, int page) {
        ReportDocument& r = const_cast<ReportDocument&>(report);
        QStringList out;
        for (const auto& object : r.pages[page].objects) {
            if (auto* box = dynamic_cast<const TextBox*>(object.get()); box && box->name.startsWith(u"tit"_s))
                out += box->lines;
        }
        return out;
    };
    ReportDocument print = F24Report::createPrint();
    const QStringList captions = {F24Report::copyCaption(1), F24Report::copyCaption(2),
                                  F24Report::copyCaption(3)};
    for (int p = 0; p < 3; ++p) {
        const QStringList printed = words(print, p);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(printed.contains(captions[c]), c == p);
        for (const QString& heading :
             {u"MODELLO DI PAGAMENTO UNIFICATO"_s, u"DELEGA IRREVOCABILE A:"_s, u"AGENZIA"_s, u"PROV."_s,
              u"CONTRIBUENTE"_s, u"CODICE FISCALE"_s, u"SEZIONE ERARIO ED ALTRO"_s, u"codice ufficio"_s,
              u"codice atto"_s, u"tipo"_s, u"elementi identificativi"_s, u"codice"_s, u"riferimento"_s,
              u"importi a debito versati"_s, u"FIRMA"_s, u"SALDO FINALE"_s, u"DATA"_s})
            QVERIFY2(printed.contains(heading), qPrintable(heading));
        QVERIFY(print.picture(u"picSfondo"_s + suffixOf(p)).vector.contains("translate(0.00,0)"));
    }
    ReportDocument pdf = F24Report::createPdf();
    const QStringList printed = words(pdf, 0);
    QVERIFY(printed.contains(u"SEZIONE ERARIO ED ALTRO"_s));
    QVERIFY(!printed.join(u' ').contains(u"COPIA"_s));
    QVERIFY(pdf.picture(u"picSfondo"_s).vector.contains("translate(3.78,0)"));
}

// The three sheets as the printer gets them: text and lines, no picture of the form.
void TestF24Print::printedCopiesAreVectors()
{
    ScreenFixture f;
    TfrmStampaElide dialog;
    dialog.setForm(filledForm());
    const QString pdf = f.folder.filePath(u"stampa.pdf"_s);
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int pages) {
        printer.setOutputFileName(pdf);
        return pages == 3;
    });
    click(dialog.btnStampa);
    PrintDialog::setHandlerForTests({});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    if (const QString keep = qEnvironmentVariable("TARVENTO_F24_PNG"); !keep.isEmpty())
        PdfTools::run(u"pdftoppm"_s, {u"-r"_s, u"100"_s, u"-png"_s, pdf, keep});
    QCOMPARE(PdfTools::field(PdfTools::info(pdf), u"Pages"_s), u"3"_s);
    const QString text = PdfTools::text(pdf);
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(text.count(F24Report::copyCaption(c)), 1);
    QCOMPARE(text.count(u"SEZIONE ERARIO ED ALTRO"_s), 3);
    QCOMPARE(text.count(u"BANCA DI PROVA"_s), 3);
    const QStringList images =
        PdfTools::run(u"pdfimages"_s, {u"-list"_s, pdf}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // the two heading lines, no image
    QVERIFY(dialog.lblAttendere->isHidden());
}

void TestF24Print::printCancelledClosesTheDialog()
{
    ScreenFixture f;
    TfrmStampaElide dialog;
    QCOMPARE(dialog.windowTitle(), u" Stampa Modello F24 ELIDE"_s);
    QCOMPARE(dialog.btnStampa->text(), u"Stampa"_s);
    QCOMPARE(dialog.lblAttendere->text(), u"Elaborazione in corso. Attendere..."_s);
    dialog.setForm(filledForm());
    int asked = 0;
    PrintDialog::setHandlerForTests([&](QPrinter&, int) {
        ++asked;
        return false;
    });
    dialog.show();
    QTest::mousePress(dialog.btnStampa, Qt::LeftButton);
    QVERIFY(dialog.lblAttendere->isVisible()); // while the pages are filled
    QTest::mouseRelease(dialog.btnStampa, Qt::LeftButton);
    PrintDialog::setHandlerForTests({});
    QCOMPARE(asked, 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.repDocumento.preparedPages().size(), 3);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestF24Print::previewShowsTheThreeCopies()
{
    ScreenFixture f;
    TfrmAnteprimaF24 dialog;
    QCOMPARE(dialog.windowTitle(), u" Anteprima di stampa"_s);
    QCOMPARE(dialog.btnStampa->text(), u"Mostra anteprima"_s);
    dialog.setForm(filledForm());
    withModal([&] { click(dialog.btnStampa); },
              [&](QWidget* modal) { QVERIFY(qobject_cast<ReportPreview*>(modal) != nullptr); });
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<PreparedPage>& pages = dialog.repDocumento.preparedPages();
    QCOMPARE(pages.size(), 3);
    QCOMPARE(item(pages[2], u"txtTotaleY"_s).text(), u"1234"_s);
    QCOMPARE(row(pages[1], u"txtCodFiscContX"_s.chopped(1), 16, u"X"_s), u"RSSMRA80C05F205X"_s);
}

void TestF24Print::pdfWrittenAndOpened()
{
    ScreenFixture f;
    TfrmCrea_PDF_F24 dialog;
    QCOMPARE(dialog.windowTitle(), u" Esporta in PDF"_s);
    QCOMPARE(dialog.btnStampa->text(), u"Crea PDF"_s);
    dialog.setForm(filledForm());
    dialog.show();
    click(dialog.btnStampa);
    const QString path = f.folder.filePath(u"Modello_F24_ELIDE.pdf"_s);
    QCOMPARE(F24Report::pdfPath(), path);
    QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{
                                     {Desktop::Kind::Confirmation,
                                      u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                      u"Si vuole aprire il file?"_s}}));
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    if (const QString keep = qEnvironmentVariable("TARVENTO_F24_PNG"); !keep.isEmpty()) {
        PdfTools::run(u"pdftoppm"_s, {u"-r"_s, u"100"_s, u"-png"_s, path, keep + u"-pdf"_s});
        QFile::copy(path, keep + u".pdf"_s);
    }
    const QString info = PdfTools::info(path);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"1"_s);
    QCOMPARE(PdfTools::field(info, u"Title"_s), u"Modello F24 ELIDE"_s);
    QCOMPARE(PdfTools::field(info, u"Subject"_s), u"Modello F24 ELIDE"_s);
    QVERIFY2(PdfTools::field(info, u"Page size"_s).startsWith(u"595"_s), qPrintable(info));
    QVERIFY2(QFileInfo(path).size() <= 150 * 1024, qPrintable(QString::number(QFileInfo(path).size())));
    const QString text = PdfTools::text(path);
    QVERIFY(!text.contains(u"COPIA"_s));
    QVERIFY(text.contains(u"MODELLO DI PAGAMENTO UNIFICATO"_s));
    for (const QString& datum :
         {u"BANCA DI PROVA"_s, u"MILANO 12"_s, u"ROSSI"_s, u"MARIO"_s, u"MILANO"_s, u"PAVIA"_s,
          u"VIA ROMA 7"_s, u"1500"_s, u"1501"_s, u"2024"_s, u"2025"_s, u"1234"_s})
        QVERIFY2(text.contains(datum), qPrintable(datum));
    // One character per box: the codes and dates read back as their characters.
    const QString squeezed = QString(text).remove(u' ');
    for (const QString& datum : {u"RSSMRA80C05F205X"_s, u"01234567890"_s, u"05031980"_s, u"16072024"_s,
                                 u"TNM20T000123000AB"_s, u"ZXCVBNMLKJ"_s})
        QVERIFY2(squeezed.contains(datum), qPrintable(datum));
    const QStringList images =
        PdfTools::run(u"pdfimages"_s, {u"-list"_s, path}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // no picture of the form: vectors only
}

void TestF24Print::answeringNoKeepsThePdfDialogOpen()
{
    ScreenFixture f;
    TfrmCrea_PDF_F24 dialog;
    dialog.show();
    F24Report::Texts form = filledForm();
    dialog.setForm(form);
    f.desktop.answers.enqueue(Desktop::Answer::No);
    click(dialog.btnStampa);
    QVERIFY(dialog.isVisible());
    QVERIFY(f.desktop.opened.isEmpty());
    QVERIFY(dialog.lblAttendere->isHidden());
    const QString path = F24Report::pdfPath();
    QVERIFY(PdfTools::text(path).contains(u"ROSSI"_s));

    // Exporting again rewrites the file with the form now handed over, and asks again.
    form.insert(u"CognomeCont"_s, u"VERDI"_s);
    dialog.setForm(form);
    f.desktop.answers.enqueue(Desktop::Answer::No);
    click(dialog.btnStampa);
    QCOMPARE(f.desktop.messages.size(), 2);
    QVERIFY(dialog.isVisible());
    const QString text = PdfTools::text(path);
    QVERIFY(text.contains(u"VERDI"_s));
    QVERIFY(!text.contains(u"ROSSI"_s));
    click(dialog.btnAnnulla);
    QVERIFY(!dialog.isVisible());
    QVERIFY(f.desktop.opened.isEmpty());
}

TARVENTO_GUI_TEST_MAIN(TestF24Print)
#include "tst_f24_print.moc"
