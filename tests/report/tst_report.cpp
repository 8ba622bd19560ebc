#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/PrintDialog.h"
#include "platform/SafeWrite.h"
#include "report/ListReport.h"
#include "report/ListResults.h"
#include "report/ReportPdf.h"
#include "report/ReportPreview.h"
#include "report/RecordCells.h"
#include "report/ReportTemplate.h"
#include "report/Spreadsheet.h"
#include "f24/F24Export.h"
#include "f24/TfrmExpF24.h"
#include "immobili/ImmobiliExport.h"
#include "immobili/TfrmExpImmobili.h"
#include "ricevute/RicevuteExport.h"
#include "ricevute/TfrmExpRicevute.h"
#include "support/Files.h"
#include "support/PdfTools.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"riga "_s + QString::number(i));
    return lines;
}

ReportDocument oneBox(const QByteArray& boxJson)
{
    return ReportTemplate::parse(
        R"({"name": "Prova", "pages": [{"paper": [210, 297], "objects": [)" + boxJson + "]}]}", u"prova"_s);
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 30, 5))); }
    void cleanup() { Clock::setFixedForTests({}); }
    void templatesAreChecked_data();
    void templatesAreChecked();
    void listReportSplitsAcrossPages();
    void listReportWithoutLines();
    void tagsAndExpressions();
    void linesAreCutAtTheBoxEdge();
    void pdfExport();
    void spreadsheetCellsInCalc();
    void exportGridsShowWholeHeadersAndKeepTheirEditableColumns_data();
    void exportGridsShowWholeHeadersAndKeepTheirEditableColumns();
    void recordRowsMatchTextRows();
    void longCellsEscapedAnywhere_data();
    void longCellsEscapedAnywhere();
    void listLinesMadeWhenShown();
    void everyLineShownWhole();
    void previewFitsTheScreen();
    void previewPrintsThePageInView();
    void printedSizesAreExact();
    void vectorPicturesStayVectors();
};

namespace {
// One line of the CSV that LibreOffice writes: ';' between fields, '"' around a field that
// needs it, '""' for a quote inside one.
QStringList csvFields(const QString& line)
{
    QStringList fields(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
            fields.last() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u';' && !quoted) {
            fields.append(QString());
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

// A cell of a flat OpenDocument sheet: its value type, its value and the text it shows.
struct SheetCell {
    QString type;
    QString value;
    QString shown;
};

QList<QList<SheetCell>> sheetCells(const QString& path)
{
    QFile file(path);
    QList<QList<SheetCell>> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.qualifiedName() == u"table:table-row"_s) {
            rows.append(QList<SheetCell>());
        } else if (xml.qualifiedName() == u"table:table-cell"_s && !rows.isEmpty()) {
            rows.last().append({xml.attributes().value(u"office:value-type"_s).toString(),
                                xml.attributes().value(u"office:value"_s).toString(), QString()});
        } else if (xml.qualifiedName() == u"text:p"_s && !rows.isEmpty() && !rows.last().isEmpty()) {
            rows.last().last().shown += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return rows;
}
} // namespace

void TestReport::templatesAreChecked_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not json") << QByteArray("{ nome");
    QTest::newRow("no pages") << QByteArray(R"({"name": "x", "pages": []})");
    QTest::newRow("object without rect") << QByteArray(
        R"({"name": "x", "pages": [{"paper": [210, 297], "objects": [{"type": "line", "name": "l"}]}]})");
    QTest::newRow("repeated name") << QByteArray(
        R"({"name": "x", "pages": [{"paper": [210, 297], "objects": [{"type": "line", "name": "l", "rect": [0,0,1,0]}, {"type": "line", "name": "l", "rect": [0,0,1,0]}]}]})");
    QTest::newRow("unknown type") << QByteArray(
        R"({"name": "x", "pages": [{"paper": [210, 297], "objects": [{"type": "ellipse", "name": "e", "rect": [0,0,1,1]}]}]})");
    QTest::newRow("unknown band kind") << QByteArray(
        R"({"name": "x", "pages": [{"paper": [210, 297], "bands": [{"name": "b", "kind": "detail", "height": 10}]}]})");
    QTest::newRow("paper without a height")
        << QByteArray(R"({"name": "x", "pages": [{"paper": [210], "objects": []}]})");
    QTest::newRow("paper size by name")
        << QByteArray(R"({"name": "x", "pages": [{"paper": ["A4", "A4"], "objects": []}]})");
    QTest::newRow("unknown units") << QByteArray(
        R"({"name": "x", "units": "in", "pages": [{"paper": [210, 297], "objects": []}]})");
    QTest::newRow("picture that does not load") << QByteArray(
        R"({"name": "x", "pages": [{"paper": [210, 297], "objects": [{"type": "picture", "name": "p", "rect": [0,0,1,1], "source": ":/manca.png"}]}]})");
}

void TestReport::templatesAreChecked()
{
    QFETCH(QByteArray, json);
    QVERIFY_THROWS_EXCEPTION(Failure, ReportTemplate::parse(json, u"prova"_s));

    ReportDocument list = ListReport::create();
    QCOMPARE(list.name, u"Riepilogo dati"_s);
    QVERIFY(list.FindObject(u"txtPagina"_s));
    QVERIFY(!list.FindObject(u"txtManca"_s));
    QVERIFY_THROWS_EXCEPTION(Failure, list.text(u"txtManca"_s)); // print code never skips a box
}

void TestReport::listReportSplitsAcrossPages()
{
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo Immobili"_s, numberedLines(100));
    QCOMPARE(report.text(u"txtRiepilogo"_s).rect.height(), 1282.2);
    QCOMPARE(report.band(u"MasterData"_s).height, 1292.2);
    report.PrepareReport();

    const QList<PreparedPage>& pages = report.preparedPages();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(qRound(pages[0].size.width()), 1123); // A4 landscape
    QCOMPARE(pages[0].find(u"txtTitolo"_s)->text(), u"Riepilogo Immobili"_s);
    QVERIFY(!pages[1].find(u"txtTitolo"_s));

    const QStringList first = pages[0].find(u"txtRiepilogo"_s)->text().split(u'\n');
    const QStringList second = pages[1].find(u"txtRiepilogo"_s)->text().split(u'\n');
    QCOMPARE(first.size() + second.size(), 100);
    QCOMPARE(first.size(), 53); // what fits under the title within the 10 mm margins
    QCOMPARE(second.front(), u"riga 54"_s);
    QCOMPARE(second.back(), u"riga 100"_s);
    const double margin = 10 * 96 / 25.4;
    QCOMPARE(pages[1].find(u"txtRiepilogo"_s)->object->rect.top(), margin);

    QVERIFY(!pages[0].find(u"txtPagina"_s));
    const PreparedItem* footer = pages[1].find(u"txtPagina"_s);
    QVERIFY(footer);
    QCOMPARE(footer->text(), u"Stampa eseguita in data 15/03/2024"_s);
    const QRectF lastLines = pages[1].find(u"txtRiepilogo"_s)->object->rect;
    QVERIFY(footer->object->rect.top() > lastLines.bottom() + 10);
    QVERIFY(footer->object->rect.bottom() < pages[1].size.height() - margin);
}

void TestReport::listReportWithoutLines()
{
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo ricevute non saldate"_s, {});
    QCOMPARE(report.text(u"txtRiepilogo"_s).rect.height(), 0.0);
    QCOMPARE(report.band(u"MasterData"_s).height, 10.0);
    report.PrepareReport();
    QCOMPARE(report.preparedPages().size(), 1);
    const PreparedPage& page = report.preparedPages().front();
    QCOMPARE(page.find(u"txtTitolo"_s)->text(), u"Riepilogo ricevute non saldate"_s);
    QCOMPARE(page.find(u"txtRiepilogo"_s)->lines.size(), 0);
    QCOMPARE(page.find(u"txtPagina"_s)->text(), u"Stampa eseguita in data 15/03/2024"_s);

    // Preparing again starts from the template and the texts set so far.
    ListReport::fill(report, u"Altro"_s, numberedLines(2));
    report.PrepareReport();
    QCOMPARE(report.preparedPages().size(), 1);
    QCOMPARE(report.preparedPages().front().find(u"txtRiepilogo"_s)->text(), u"riga 1\nriga 2"_s);
}

void TestReport::tagsAndExpressions()
{
    ReportDocument doc = oneBox(
        R"({"type": "text", "name": "t", "rect": [0, 0, 600, 40], "font": ["Arial", 10], "tags": true})");
    TextBox& box = doc.text(u"t"_s);
    box.setText(u"<b>Data stipula:</b> 01/02/2024\r\n[DATE]"_s);
    QCOMPARE(box.lineCount(), 2);
    doc.PrepareReport();
    const PreparedItem* item = doc.preparedPages().front().find(u"t"_s);
    QCOMPARE(item->lines.size(), 2);
    QCOMPARE(item->lines[0].size(), 2);
    QCOMPARE(item->lines[0][0].text, u"Data stipula:"_s);
    QVERIFY(item->lines[0][0].bold);
    QCOMPARE(item->lines[0][1].text, u" 01/02/2024"_s);
    QVERIFY(!item->lines[0][1].bold);
    QCOMPARE(item->text(), u"Data stipula: 01/02/2024\n[DATE]"_s); // expressions off: printed as typed

    box.tags = false;
    box.expressions = true;
    doc.PrepareReport();
    QCOMPARE(doc.preparedPages().front().find(u"t"_s)->text(),
             u"<b>Data stipula:</b> 01/02/2024\n15/03/2024"_s);
}

void TestReport::linesAreCutAtTheBoxEdge()
{
    ReportDocument doc =
        oneBox(R"({"type": "text", "name": "t", "rect": [0, 0, 100, 20], "font": ["Arial", 10]})");
    const QString longText = u"Via Giuseppe Garibaldi numero centoventitré, scala B"_s;
    doc.text(u"t"_s).setText(longText);
    doc.PrepareReport();
    const QString printed = doc.preparedPages().front().find(u"t"_s)->text();
    QVERIFY(printed.size() > 5);
    QVERIFY(printed.size() < longText.size());
    QVERIFY(longText.startsWith(printed));
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    QFont font(u"Arial"_s);
    font.setPointSizeF(10);
    const QFontMetricsF metrics(font, &device);
    QVERIFY(metrics.horizontalAdvance(printed) <= 100.01);
    QVERIFY(metrics.horizontalAdvance(longText.left(printed.size() + 1)) > 100);
}

void TestReport::pdfExport()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Lista.pdf"_s);
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo Immobili"_s, numberedLines(70));
    report.PrepareReport();
    ReportPdf::Export(report, path);
    const QString info = PdfTools::info(path);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"2"_s);
    QCOMPARE(PdfTools::field(info, u"Title"_s), u"Riepilogo dati"_s);
    QCOMPARE(PdfTools::field(info, u"Subject"_s), u"Riepilogo dati"_s);
    QCOMPARE(PdfTools::field(info, u"Encrypted"_s), u"no"_s);
    QVERIFY(PdfTools::field(info, u"Page size"_s).startsWith(u"842 x 595"_s)); // A4 landscape
    const QString text = PdfTools::text(path);
    QVERIFY(text.contains(u"Riepilogo Immobili"_s));
    QVERIFY(text.contains(u"riga 70"_s));
    QVERIFY(text.contains(u"Stampa eseguita in data 15/03/2024"_s));
    // Viewers are to print the pages at their size: the catalog, written again in an update at
    // the end of the file, says so, and the last cross-reference leads to it.
    const QByteArray bytes = readFile(path);
    const qint64 xref = bytes.mid(bytes.lastIndexOf("startxref\n") + 10).split('\n').front().toLongLong();
    const QList<QByteArray> xrefLines = bytes.mid(xref).split('\n'); // "xref", "2 1", "<offset> 00000 n "
    QCOMPARE(xrefLines.front(), QByteArray("xref"));
    const qint64 catalog = xrefLines[2].left(10).toLongLong();
    QVERIFY(bytes.mid(catalog).startsWith(QByteArray(xrefLines[1].split(' ').front() + " 0 obj")));
    const QByteArray catalogText = bytes.mid(catalog, xref - catalog);
    QVERIFY(catalogText.contains("/Type /Catalog"));
    QVERIFY(catalogText.contains("/PrintScaling /None"));

    // A folder that is not there fails with a message; a write that fails on the way leaves
    // the old file as it was.
    QVERIFY_THROWS_EXCEPTION(Failure, ReportPdf::Export(report, dir.filePath(u"manca/Lista.pdf"_s)));
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(before.startsWith("%PDF"));
    report.text(u"txtTitolo"_s).setText(u"Altro titolo"_s);
    report.PrepareReport();
    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReportPdf::Export(report, path));
    SafeWrite::failWritesForTests(false);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestReport::spreadsheetCellsInCalc()
{
    // The real client opens the exported file: every text cell must read back exactly as its
    // text (no formula, no lost zero, no date), and the amounts must become numbers that show
    // two decimals the Italian way (650,00, worth 650).
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    QVERIFY2(!soffice.isEmpty(), "LibreOffice is missing: scripts/setup --test installs it");
    const QStringList texts = {u"=HYPERLINK(\"http://example.invalid\";\"clic\")"_s,
                               u"=1+1"_s,
                               u"01234567890"_s,
                               u"0612345678"_s,
                               u"+39 333 1234567"_s,
                               u"-5"_s,
                               u"1/2"_s,
                               u"15/03/2024"_s,
                               u"3,50"_s,
                               u"1E5"_s,
                               u"VERO"_s,
                               u"'apostrofo"_s,
                               u"@nota"_s,
                               u"Villa <Rosa> & \"figli\""_s,
                               u"Città"_s};
    const QStringList amounts = {u"650,00"_s, u"1250,5"_s, u"0,99"_s, u"12"_s,   u"7,10"_s,
                                 u"100"_s,    u"2,00"_s,   u"3"_s,    u"4,25"_s, u"5"_s,
                                 u"6"_s,      u"8"_s,      u"9"_s,    u"10"_s,   u"11"_s};
    // What the sheet holds (a value) and what it shows.
    const QStringList numbers = {u"650"_s, u"1250.5"_s, u"0.99"_s, u"12"_s,   u"7.1"_s,
                                 u"100"_s, u"2"_s,      u"3"_s,    u"4.25"_s, u"5"_s,
                                 u"6"_s,   u"8"_s,      u"9"_s,    u"10"_s,   u"11"_s};
    const QStringList shown = {u"650,00"_s, u"1250,50"_s, u"0,99"_s,  u"12,00"_s, u"7,10"_s,
                               u"100,00"_s, u"2,00"_s,    u"3,00"_s,  u"4,25"_s,  u"5,00"_s,
                               u"6,00"_s,   u"8,00"_s,    u"9,00"_s,  u"10,00"_s, u"11,00"_s};
    QList<QStringList> rows;
    for (qsizetype i = 0; i < texts.size(); ++i)
        rows.append({texts[i], amounts[i]});
    const QList<Spreadsheet::Column> columns = {{u"Descrizione"_s, 300, false, false},
                                                {u"Importo"_s, 100, true, true}};
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.xls"_s);
    Spreadsheet::write(path, u"Prova"_s, columns, rows);

    // The filter Calc picks for such a file, with the Italian locale (1040) of the users.
    QProcess calc;
    calc.setProcessChannelMode(QProcess::MergedChannels);
    calc.start(soffice, {u"-env:UserInstallation=file://"_s + dir.filePath(u"profilo"_s), u"--headless"_s,
                         u"--infilter=calc_HTML_WebQuery:1040 0"_s, u"--convert-to"_s,
                         u"csv:Text - txt - csv (StarCalc):59,34,76,1,,1040,false,true,false,false"_s,
                         u"--outdir"_s, dir.path(), path});
    QVERIFY(calc.waitForFinished(180000));
    QFile csv(dir.filePath(u"Prova.csv"_s));
    QVERIFY2(csv.open(QIODevice::ReadOnly), calc.readAll().constData());
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), texts.size() + 1);
    QCOMPARE(csvFields(lines[0]), (QStringList{u"Descrizione"_s, u"Importo"_s}));
    for (qsizetype i = 0; i < texts.size(); ++i)
        QCOMPARE(csvFields(lines[i + 1]).value(0), texts[i]);

    // The sheet itself, as an Italian user's Calc holds it: each amount a number with its value
    // and the text it shows.
    QProcess sheet;
    sheet.setProcessChannelMode(QProcess::MergedChannels);
    QStringList environment = QProcess::systemEnvironment();
    environment << u"LANG=it_IT.UTF-8"_s << u"LC_ALL=it_IT.UTF-8"_s;
    sheet.setEnvironment(environment);
    sheet.start(soffice, {u"-env:UserInstallation=file://"_s + dir.filePath(u"profilo"_s), u"--headless"_s,
                          u"--infilter=calc_HTML_WebQuery:1040 0"_s, u"--convert-to"_s, u"fods"_s,
                          u"--outdir"_s, dir.path(), path});
    QVERIFY(sheet.waitForFinished(180000));
    const QList<QList<SheetCell>> cells = sheetCells(dir.filePath(u"Prova.fods"_s));
    QVERIFY2(cells.size() == texts.size() + 1, sheet.readAll().constData());
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        QCOMPARE(cells[i + 1].size(), 2);
        QCOMPARE(cells[i + 1][0].type, u"string"_s);
        QCOMPARE(cells[i + 1][1].type, u"float"_s);
        QCOMPARE(cells[i + 1][1].value, numbers[i]);
        QCOMPARE(cells[i + 1][1].shown, shown[i]);
    }
}

void TestReport::exportGridsShowWholeHeadersAndKeepTheirEditableColumns_data()
{
    QTest::addColumn<QString>("archive");
    QTest::newRow("properties") << u"Immobili"_s;
    QTest::newRow("receipts") << u"Ricevute"_s;
    QTest::newRow("F24") << u"Versamenti"_s;
}

void TestReport::exportGridsShowWholeHeadersAndKeepTheirEditableColumns()
{
    QFETCH(QString, archive);
    ScreenFixture f;
    std::unique_ptr<ExportScreen> exporter;
    QList<Spreadsheet::GridColumn> columns;
    if (archive == u"Immobili"_s) {
        exporter = std::make_unique<TfrmExpImmobili>();
        columns = ImmobiliExport::columns();
    } else if (archive == u"Ricevute"_s) {
        auto receipts = std::make_unique<TfrmExpRicevute>();
        receipts->setArchive(f.folder.filePath(u"2024.ric"_s));
        exporter = std::move(receipts);
        columns = RicevuteExport::columns();
    } else {
        exporter = std::make_unique<TfrmExpF24>();
        columns = F24Export::columns();
    }
    exporter->show();
    QVERIFY(QTest::qWaitForWindowActive(exporter.get()));
    QTableView* grid = exporter->grdRecords;
    QCOMPARE(grid->model()->rowCount(), 10); // an empty archive's rows
    const QFontMetrics header(grid->horizontalHeader()->font());
    for (int c = 0; c <= columns.size(); ++c) {
        const QString caption = grid->model()->headerData(c, Qt::Horizontal).toString();
        QVERIFY2(grid->columnWidth(c) >= header.horizontalAdvance(caption) + 8, qPrintable(caption));
        // Typing into the cell, as a person does: only the editable columns take it.
        const bool editable = c > 0 && columns[c - 1].editable;
        grid->scrollTo(grid->model()->index(0, c));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, c)).center());
        QTest::keyClicks(grid, u"7"_s);
        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the grid takes what was typed right after the key
        }
        QVERIFY2(grid->model()->index(0, c).data().toString() == (editable ? u"7"_s : QString()),
                 qPrintable(caption));
    }
}

void TestReport::previewFitsTheScreen()
{
    // The offscreen screen is 800 x 600, smaller than the preview's 1000 x 760.
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo"_s, numberedLines(3));
    report.PrepareReport();
    ReportPreview preview(report, nullptr);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(area.contains(preview.frameGeometry()), "the preview does not fit the screen");
    QVERIFY((preview.frameGeometry().center() - area.center()).manhattanLength() <= 2);
}

void TestReport::previewPrintsThePageInView()
{
    // "Current page" in the print dialog opened from the preview is the page on screen.
    QTemporaryDir dir;
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo"_s, numberedLines(70));
    report.PrepareReport();
    QCOMPARE(report.preparedPages().size(), 2);
    ReportPreview preview(report, nullptr);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.pageInView(), 0);
    auto* scroll = preview.findChild<QScrollArea*>(u"scrPagine"_s);
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    QCOMPARE(preview.pageInView(), 1);
    const QString pdf = dir.filePath(u"pagina.pdf"_s);
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int) {
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::CurrentPage);
        return true;
    });
    preview.findChild<QToolButton*>(u"cmdStampa"_s)->click();
    PrintDialog::setHandlerForTests({});
    QCOMPARE(PdfTools::field(PdfTools::info(pdf), u"Pages"_s), u"1"_s);
    const QString text = PdfTools::text(pdf);
    QVERIFY(text.contains(u"riga 70"_s));
    QVERIFY(!text.contains(u"riga 1\n"_s));
}

void TestReport::printedSizesAreExact()
{
    const QByteArray json = R"({"name": "Misure", "units": "mm", "pages": [{"paper": [210, 297], "objects": [
        {"type": "text", "name": "t16", "rect": [10, 10, 150, 20], "font": ["Arial", 16], "text": "Misura"},
        {"type": "text", "name": "t10", "rect": [10, 40, 150, 20], "font": ["Arial", 10], "text": "Misura"},
        {"type": "text", "name": "t8", "rect": [10, 70, 150, 20], "font": ["Arial", 8], "text": "Misura"},
        {"type": "picture", "name": "imgLogo", "rect": [10, 100, 60, 20], "source": ":/pictures/app_icon.svg"}]}]})";
    ReportDocument report = ReportTemplate::parse(json, u"prova"_s);

    // The square drawing keeps its proportions in a wide box.
    const QImage logo = static_cast<PictureBox*>(report.FindObject(u"imgLogo"_s))->picture;
    QCOMPARE(logo.width(), logo.height());

    // The PDF's words are as tall as their font sizes say: 16, 10 and 8 pt, none rounded to a
    // whole dot (that would print 15.75, 9.75 and 8.25).
    report.PrepareReport();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Misure.pdf"_s);
    ReportPdf::Export(report, path);
    const QString html = PdfTools::run(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
    QList<double> heights;
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">Misura</word>)re"_s);
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        heights.append(m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    QCOMPARE(heights.size(), 3);
    QVERIFY2(qAbs(heights[0] / heights[2] - 2.0) < 0.002,
             qPrintable(QString::number(heights[0] / heights[2])));
    QVERIFY2(qAbs(heights[1] / heights[2] - 1.25) < 0.002,
             qPrintable(QString::number(heights[1] / heights[2])));
}

// A drawing set as SVG reaches the PDF as lines and fills, in its own proportions, not as a
// picture of dots.
void TestReport::vectorPicturesStayVectors()
{
    ReportDocument report;
    report.name = u"Disegno"_s;
    ReportPage page;
    auto drawing = std::make_unique<PictureBox>();
    drawing->name = u"picDisegno"_s;
    drawing->rect = QRectF(0, 0, 200, 200);
    drawing->vector =
        R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="10" )"
        R"(height="20" viewBox="0 0 10 20"><rect x="0" y="0" width="10" height="20" fill="#000"/></svg>)";
    page.objects.push_back(std::move(drawing));
    report.pages.push_back(std::move(page));
    report.PrepareReport();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Disegno.pdf"_s);
    ReportPdf::Export(report, path);
    const QStringList images =
        PdfTools::run(u"pdfimages"_s, {u"-list"_s, path}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2);                               // the heading lines only
    const QImage sheet = PdfTools::firstPage(path, 96);       // one dot per report unit
    QCOMPARE(sheet.pixelColor(50, 100).value() < 64, true);   // inside: 100 wide, 200 high
    QCOMPARE(sheet.pixelColor(150, 100).value() > 192, true); // beside it, white
    QCOMPARE(sheet.pixelColor(50, 210).value() > 192, true);
}

void TestReport::recordRowsMatchTextRows()
{
    // A row written straight from a record's bytes must be the row of the same cells as texts
    // (which is what the grid shows and what an edited row writes), whatever the fields hold.
    const RecordLayout layout{RecordField::text("A", 12), RecordField::text("B", 12), RecordField::text("C", 6)};
    const RecordCells cells(layout, {{"A"}, {"A", RecordCells::Text{u" & "_s}, "B"}, {RecordCells::Text{u"n° "_s}, "C"}});
    const QList<Spreadsheet::Column> columns = {{u"a"_s, 10, false, false}, {u"b"_s, 10, true, false}, {u"c"_s, 10, false, true}};
    // A stored field: its length byte, its bytes, zeros up to the capacity.
    const auto field = [](const QByteArray& bytes, int capacity) -> QByteArray {
        return char(bytes.size()) + bytes + QByteArray(capacity - bytes.size(), '\0');
    };
    const QList<QByteArray> records = {
        // Escapes, line breaks of every kind, blanks at the ends of fields and of the cell.
        field("  <a> \"b\"\r\n", 12) + field("x\ry\nz\r\n\rq", 12) + field("", 6),
        // Windows-1252: the euro, letters with accents, the undefined 0x81, a zero byte inside.
        field("\x80 citt\xe0", 12) + field(QByteArray("a\0b\x81", 4), 12) + field("   ", 6),
        // A length byte beyond the capacity: the field's bytes only.
        QByteArray(1, char(40)) + "ABCDEFGHIJKL" + field("", 12) + char(7) + "123456",
    };
    QBuffer fromBytes, fromTexts;
    fromBytes.open(QIODevice::WriteOnly);
    fromTexts.open(QIODevice::WriteOnly);
    Spreadsheet::Writer bytesWriter(fromBytes, u"Prova"_s, columns), textsWriter(fromTexts, u"Prova"_s, columns);
    Record record(layout);
    for (const QByteArray& bytes : records) {
        QCOMPARE(bytes.size(), layout.size());
        record.bytes() = bytes;
        QVERIFY(cells.writeRow(bytesWriter, record));
        QVERIFY(textsWriter.row(cells.values(record)));
    }
    QVERIFY(bytesWriter.finish());
    QVERIFY(textsWriter.finish());
    QCOMPARE(fromBytes.data(), fromTexts.data());
    QVERIFY(fromBytes.data().contains("<td class=\"t\" style=\"text-align: left;\">&lt;a&gt; &quot;b&quot;</td>"));
    QVERIFY(fromBytes.data().contains(" &amp; x y z  q</td>")); // CR LF is one blank, CR alone another
    QVERIFY(fromBytes.data().contains("<td style=\"text-align: left;\">n\xb0</td>"));
}

void TestReport::longCellsEscapedAnywhere_data()
{
    // Long texts are read sixteen bytes at a time: a character to escape first, last, on
    // either side of a sixteen-byte boundary, a CR LF split across one, in the short tail.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("cell");
    const QString sixteen = u"0123456789abcdef"_s;
    QTest::newRow("plain") << sixteen + sixteen + u"xyz"_s
                           << QByteArray("0123456789abcdef0123456789abcdefxyz");
    QTest::newRow("first") << u"&"_s + sixteen + sixteen
                           << QByteArray("&amp;0123456789abcdef0123456789abcdef");
    QTest::newRow("last of a block") << u"0123456789abcde<"_s + sixteen
                                     << QByteArray("0123456789abcde&lt;0123456789abcdef");
    QTest::newRow("first of a block")
        << sixteen + u">"_s + sixteen << QByteArray("0123456789abcdef&gt;0123456789abcdef");
    QTest::newRow("CR LF across a boundary")
        << u"0123456789abcde\r\n"_s + sixteen << QByteArray("0123456789abcde 0123456789abcdef");
    QTest::newRow("in the tail") << sixteen + u"ab\"c\nd&e"_s
                                 << QByteArray("0123456789abcdefab&quot;c d&amp;e");
    QTest::newRow("one in every block") << u"a<cdefghijklmnop"_s + u"&bcdefghijklmno\""_s + u"zz"_s
                                        << QByteArray("a&lt;cdefghijklmnop&amp;bcdefghijklmno&quot;zz");
}

void TestReport::longCellsEscapedAnywhere()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, cell);
    const QByteArray file = Spreadsheet::build(u"Prova"_s, {{u"a"_s, 10, false, false}}, {{text}});
    const QByteArray expected = "<td class=\"t\" style=\"text-align: left;\">" + cell + "</td>";
    QVERIFY2(file.contains(expected), file.constData());
}

void TestReport::listLinesMadeWhenShown()
{
    // A list as long as an archive makes only the lines in view, a block at a time; "Trova" and
    // the whole list still see every line.
    QWidget window;
    ListResults results(&window, {});
    window.resize(600, 400);
    window.show();
    QList<std::pair<int, int>> asked;
    results.setLines(600, [&asked](int first, int count) {
        asked.append({first, count});
        QStringList lines;
        for (int i = first; i < first + count; ++i)
            lines.append(u"riga "_s + QString::number(i + 1));
        return lines;
    });
    QCoreApplication::processEvents();
    QCOMPARE(results.count(), 600);
    QCOMPARE(results.currentRow(), 0);
    // The first rows (those in view) and the last one (which the view asks for too): two blocks.
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked.contains(std::pair<int, int>{0, 256}));
    QVERIFY(asked.contains(std::pair<int, int>{512, 88}));
    QCOMPARE(results.line(599), u"riga 600"_s);
    QCOMPARE(results.line(300), u"riga 301"_s);
    QCOMPARE(asked.back(), (std::pair<int, int>{256, 256}));
    window.update();
    QCoreApplication::processEvents();
    QCOMPARE(asked.size(), 3); // painting again makes nothing again

    results.txtTrova->setText(u"riga 55"_s);
    results.btnTrova->click(); // riga 55, then riga 550 to riga 559
    QCOMPARE(results.currentRow(), 54);
    results.btnTrova->click();
    QCOMPARE(results.currentRow(), 549);
    QCOMPARE(results.lines().size(), 600);
    QCOMPARE(results.lines()[300], u"riga 301"_s);
    const qsizetype asks = asked.size();
    results.btnTrova->click(); // the lines are kept once all were made
    QCOMPARE(results.currentRow(), 550);
    QCOMPARE(asked.size(), asks);
}

void TestReport::everyLineShownWhole()
{
    // Rows are laid out like one sample row; a line longer than the sample (a larger total at
    // the end) must still show whole, in a held list and in one made as it scrolls.
    QWidget window;
    ListResults results(&window, {});
    window.resize(600, 400);
    window.show();
    const auto shownWhole = [&results](int row) {
        QListView* view = results.lstRecords;
        return view->visualRect(view->model()->index(row, 0)).width() >
               view->fontMetrics().horizontalAdvance(results.line(row));
    };
    results.setLines({u"Rossi Mario       Tot. € 1250,00"_s, u"Bianchi Anna      Tot. € 650,00"_s});
    QCoreApplication::processEvents();
    QVERIFY(shownWhole(0));

    results.setLines(600, [](int first, int count) {
        QStringList lines;
        for (int i = first; i < first + count; ++i)
            lines.append(u"riga "_s + QString::number(i + 1) + (i == 400 ? u" con un totale più lungo"_s : QString()));
        return lines;
    });
    QCoreApplication::processEvents();
    results.setCurrentRow(400);
    QTRY_VERIFY(shownWhole(400));
}

TARVENTO_GUI_TEST_MAIN(TestReport)
#include "tst_report.moc"
