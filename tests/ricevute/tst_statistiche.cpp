#include "app/TfrmAvvio.h"
#include "platform/PrintDialog.h"
#include "ricevute/ChartModule.h"
#include "ricevute/StatisticheChart.h"
#include "ricevute/StatisticheRic.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "ricevute/TfrmStatisticheRic.h"
#include "support/PdfTools.h"
#include "support/Receipts.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>

using namespace Qt::StringLiterals;

class TestStatistiche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void monthTotalsCountEveryReceiptOfTheYear();
    void wholeEuros_data();
    void wholeEuros();
    void copies_data();
    void copies();
    void yearMustHaveFourDigits();
    void chartShowsTheRoundedMonthTotals();
    void yearWithoutReceiptsChartsTwelveZeros();
    void pieChoiceStaysAcrossOpenings();
    void totalThatIsNoNumberReachesTheErrorReport();
    void printingAsksThenPrintsOneJobPerCopy();
    void tooManyCopiesAreRefused();
    void answeringNoPrintsNothing();
    void hints();
    void missingChartModuleIsSaidOnApri();
};

namespace {

TfrmStatisticheRic* openStatistics()
{
    frmAvvio->present();
    click(frmAvvio->imgRicevute);
    click(frmMenuRicevute->btnApriRiepStats);
    return frmStatisticheRic;
}

void openYear(TfrmStatisticheRic* screen, const QString& year)
{
    screen->txtAnno->setText(year);
    click(screen->btnApri);
}

// The chart on the screen, as the chart module draws it.
StatisticheChart* chartOf(TfrmStatisticheRic* screen)
{
    auto* view = qobject_cast<QChartView*>(screen->ChartStats);
    return view ? static_cast<StatisticheChart*>(view->chart()) : nullptr;
}

QStringList monthLabels(TfrmStatisticheRic* screen)
{
    QStringList texts;
    for (QLabel* label : screen->memMesi)
        texts.append(label->text());
    return texts;
}

// Whether the picture holds a pixel of exactly this colour.
bool hasColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                return true;
    return false;
}

QImage rendered(StatisticheChart* chart)
{
    QImage image(1123, 794, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart->renderCopy(painter, QRectF(image.rect()), QSizeF(1123, 794));
    painter.end();
    // To look at the chart: TARVENTO_CHART_PNG=/tmp/chart saves each picture drawn here.
    static int count = 0;
    if (const QString base = qEnvironmentVariable("TARVENTO_CHART_PNG"); !base.isEmpty())
        image.save(base + QString::number(++count) + u".png"_s);
    return image;
}

} // namespace

void TestStatistiche::monthTotalsCountEveryReceiptOfTheYear()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"2024.ric"_s);
    writeFile(path, receiptFixture());
    const StatisticheRic::MonthTotals totals = StatisticheRic::monthTotals(path, u"2024"_s);
    QStringList texts;
    for (const Money& m : totals)
        texts.append(m.toText());
    // March: 10,40 paid and 10,20 unpaid; the December receipt of 2023 is not counted.
    QCOMPARE(texts, (QStringList{u"0"_s, u"0"_s, u"20,6"_s, u"10,5"_s, u"0"_s, u"0"_s, u"650"_s, u"0"_s,
                                 u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
}

void TestStatistiche::wholeEuros_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("whole");
    QTest::newRow("up") << u"20,6"_s << u"21"_s;
    QTest::newRow("half") << u"10,50"_s << u"11"_s;
    QTest::newRow("down") << u"10,49"_s << u"10"_s;
    QTest::newRow("zero") << u"0"_s << u"0"_s;
    QTest::newRow("minus half") << u"-0,50"_s << u"0"_s;
    QTest::newRow("minus") << u"-0,51"_s << u"-1"_s;
}

void TestStatistiche::wholeEuros()
{
    QFETCH(QString, total);
    QFETCH(QString, whole);
    QCOMPARE(StatisticheRic::toWholeEuros(*Money::parse(total)).toText(), whole);
}

void TestStatistiche::copies_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("copies"); // 0: refused
    QTest::newRow("one") << u"1"_s << 1;
    QTest::newRow("blanks") << u" 3 "_s << 3;
    QTest::newRow("letters") << u"2x"_s << 1;
    QTest::newRow("empty") << u""_s << 1;
    QTest::newRow("minus") << u"-2"_s << 1;
    QTest::newRow("zero") << u"0"_s << 1;
    QTest::newRow("most") << u"99"_s << 99;
    QTest::newRow("leading zeros") << u"0099"_s << 99;
    QTest::newRow("too many") << u"100"_s << 0;
    QTest::newRow("absurd") << u"99999999999999999999"_s << 0;
}

void TestStatistiche::copies()
{
    QFETCH(QString, answer);
    QFETCH(int, copies);
    QCOMPARE(StatisticheRic::copiesToPrint(answer).value_or(0), copies);
}

void TestStatistiche::yearMustHaveFourDigits()
{
    ScreenFixture f;
    TfrmStatisticheRic* screen = openStatistics();
    QVERIFY(screen->isVisible());
    QVERIFY(screen->panAvvio->isVisible());
    QVERIFY(!screen->panContainer->isVisible());
    QCOMPARE(screen->txtAnno->text(), u"2024"_s);
    QCOMPARE(screen->txtAnno->maxLength(), 4);
    openYear(screen, u"21"_s);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                       u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}));
    QVERIFY(screen->panAvvio->isVisible());
    QVERIFY(!QFile::exists(f.folder.filePath(u"21.ric"_s)));
}

void TestStatistiche::chartShowsTheRoundedMonthTotals()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(u"2024.ric"_s), receiptFixture());
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2024"_s);

    QVERIFY(screen->panContainer->isVisible());
    QVERIFY(!screen->panAvvio->isVisible());
    QCOMPARE(screen->lblTitolo->text(), u"Rappresentazione grafica delle ricevute emesse nell'anno 2024."_s);
    QCOMPARE(screen->lblFile->text(), f.folder.filePath(u"2024.ric"_s));
    QCOMPARE(screen->memMesi[2]->objectName(), u"memMarzo"_s);
    QCOMPARE(monthLabels(screen), (QStringList{u"0"_s, u"0"_s, u"21"_s, u"11"_s, u"0"_s, u"0"_s, u"650"_s,
                                               u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));

    if (qEnvironmentVariableIsSet("TARVENTO_CHART_PNG")) {
        screen->resize(1366, 768);
        QTest::qWait(100);
        screen->grab().save(qEnvironmentVariable("TARVENTO_CHART_PNG") + u"-screen.png"_s);
    }
    StatisticheChart* chart = chartOf(screen);
    QVERIFY(chart != nullptr);
    QCOMPARE(screen->chart()->view(), screen->ChartStats);
    QCOMPARE(chart->title(), u"Statistiche incassi annuali"_s);
    QVERIFY(!chart->isPie());
    QCOMPARE(chart->series().size(), 1);
    QCOMPARE(chart->series().front(), chart->barSeries());
    // One bar per month, in the month's colour, with its value at its own place.
    QCOMPARE(chart->barSeries()->barSets().size(), 13);
    QCOMPARE(chart->barSeries()->barSets().front()->label(), u"Incassi:"_s); // the legend's title
    QCOMPARE(chart->monthSet(2)->label(), u"Marzo"_s);
    QCOMPARE(chart->monthSet(2)->color(), QColor(0xFF, 0xE4, 0xC4));
    QCOMPARE(chart->monthSet(2)->at(2), 21.0);
    QCOMPARE(chart->monthSet(6)->at(6), 650.0);
    QCOMPARE(chart->monthSet(6)->at(2), 0.0);

    // The printed picture shows the month colours and the painted depth (a darker face).
    const QImage image = rendered(chart);
    QVERIFY(hasColour(image, 0xFFE4C4));                                              // March
    QVERIFY(hasColour(image, QColor(0xC0, 0xC0, 0xC0).rgb() & 0xFFFFFF));             // August in the legend
    QVERIFY(hasColour(image, QColor(0x00, 0xFF, 0x00).darker(150).rgb() & 0xFFFFFF)); // July's side face
}

void TestStatistiche::yearWithoutReceiptsChartsTwelveZeros()
{
    ScreenFixture f;
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2035"_s);
    QVERIFY(QFile::exists(f.folder.filePath(u"2035.ric"_s)));
    QCOMPARE(QFileInfo(f.folder.filePath(u"2035.ric"_s)).size(), 0);
    QCOMPARE(monthLabels(screen), QStringList(12, u"0"_s));
    QCOMPARE(screen->chart()->values(), QList<qint64>(12, 0));
    QVERIFY(!rendered(chartOf(screen)).isNull());
    click(screen->btnTorta);
    QCOMPARE(chartOf(screen)->pieSeries()->sum(), 0.0);
    const QImage pie = rendered(chartOf(screen));
    QVERIFY(!hasColour(pie, QColor(0xFF, 0, 0).darker(160).rgb() & 0xFFFFFF)); // no rim: nothing to divide
    QVERIFY(f.desktop.messages.isEmpty());
    click(screen->btnBarre); // leave the bars for the next test's fresh screens
}

void TestStatistiche::pieChoiceStaysAcrossOpenings()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(u"2024.ric"_s), receiptFixture());
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2024"_s);
    click(screen->btnTorta);
    QVERIFY(screen->chart()->isPie());
    QCOMPARE(chartOf(screen)->series().front(), chartOf(screen)->pieSeries());
    QPieSlice* july = chartOf(screen)->monthSlice(6);
    QCOMPARE(july->value(), 650.0);
    QCOMPARE(july->color(), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(july->label(), u"650"_s);
    QVERIFY(hasColour(rendered(chartOf(screen)), QColor(0x00, 0xFF, 0x00).darker(160).rgb() & 0xFFFFFF));

    click(screen->btnEsci);
    QVERIFY(!screen->isVisible());
    QVERIFY(frmAvvio->isVisible());
    screen = openStatistics();
    QVERIFY(screen->panAvvio->isVisible());
    openYear(screen, u"2024"_s);
    QVERIFY(screen->chart()->isPie());
    click(screen->btnBarre);
    QVERIFY(!screen->chart()->isPie());
    QCOMPARE(chartOf(screen)->series().front(), chartOf(screen)->barSeries());
}

void TestStatistiche::totalThatIsNoNumberReachesTheErrorReport()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(u"2024.ric"_s),
              receiptFixture() + receiptBytes({{"Data", u"02/02/2024"_s}, {"TotRicevuta", u"12a"_s}}));
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2024"_s);
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY2(f.desktop.lastMessage().text.contains(u"12a"_s), qPrintable(f.desktop.lastMessage().text));
    QVERIFY(screen->panAvvio->isVisible());
    QVERIFY(!screen->panContainer->isVisible());
}

void TestStatistiche::printingAsksThenPrintsOneJobPerCopy()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(u"2024.ric"_s), receiptFixture());
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2024"_s);

    const QString pdf = f.folder.filePath(u"grafico.pdf"_s);
    int offered = -1;
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int pages) {
        offered = printer.copyCount();
        [&] { QCOMPARE(pages, 1); }();
        printer.setOutputFileName(pdf);
        printer.setCopyCount(3); // the person asks for three in the dialog
        return true;
    });
    f.desktop.inputs.enqueue(u"2x"_s);
    click(screen->btnStampa);
    PrintDialog::setHandlerForTests({});
    if (qEnvironmentVariableIsSet("TARVENTO_CHART_PNG"))
        QFile::copy(pdf, qEnvironmentVariable("TARVENTO_CHART_PNG") + u".pdf"_s);

    QCOMPARE(f.desktop.messages.size(), 1);
    QCOMPARE(f.desktop.messages.front(),
             (ScriptedDesktop::Message{Desktop::Kind::Confirmation,
                                       u"Si vuole stampare il presente grafico statistico?"_s}));
    QCOMPARE(offered, 1); // "2x" is one copy
    QCOMPARE(screen->printJobs(), 3);
    const QString info = PdfTools::info(pdf);
    QCOMPARE(PdfTools::field(info, u"Pages"_s), u"1"_s);
    QVERIFY2(PdfTools::field(info, u"Page size"_s).startsWith(u"842 x 595"_s), qPrintable(info));
    const QString text = PdfTools::text(pdf);
    for (const QString& expected :
         {u"Statistiche incassi annuali"_s, u"Tutti gli importi sono arrotondati all'euro"_s, u"Incassi:"_s,
          u"Dicembre"_s, u"650"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
}

void TestStatistiche::tooManyCopiesAreRefused()
{
    ScreenFixture f;
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2035"_s);
    bool asked = false;
    PrintDialog::setHandlerForTests([&](QPrinter&, int) { return asked = true, false; });
    f.desktop.inputs.enqueue(u"5000"_s);
    click(screen->btnStampa);
    PrintDialog::setHandlerForTests({});
    QVERIFY(!asked);
    QCOMPARE(
        f.desktop.lastMessage(),
        (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                  u"Attenzione: si possono stampare al massimo 99 copie del grafico."_s}));
    QCOMPARE(screen->printJobs(), 0);
}

void TestStatistiche::answeringNoPrintsNothing()
{
    ScreenFixture f;
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2035"_s);
    bool asked = false;
    PrintDialog::setHandlerForTests([&](QPrinter&, int) { return asked = true, false; });
    f.desktop.answers.enqueue(Desktop::Answer::No);
    click(screen->btnStampa);
    f.desktop.inputs.enqueue(std::nullopt); // Yes, then the copies box is cancelled
    click(screen->btnStampa);
    PrintDialog::setHandlerForTests({});
    QVERIFY(!asked);
    QCOMPARE(f.desktop.messages.size(), 2);
}

void TestStatistiche::hints()
{
    ScreenFixture f;
    TfrmStatisticheRic* screen = openStatistics();
    openYear(screen, u"2035"_s);
    QCOMPARE(screen->panInfo->text(), u"Grafico statistico degli incassi annuali."_s);
    QTest::mouseMove(screen->btnStampa);
    QTRY_COMPARE(screen->panInfo->text(), u"Stampa il grafico corrente."_s);
    QTest::mouseMove(screen->btnTorta);
    QTRY_COMPARE(
        screen->panInfo->text(),
        u"Visualizza le statistiche degli affitti percepiti sotto forma di grafico a torta tridimensionale."_s);
}

void TestStatistiche::missingChartModuleIsSaidOnApri()
{
    ScreenFixture f;
    writeFile(f.folder.filePath(u"2024.ric"_s), receiptFixture());
    const QString missing = f.folder.filePath(u"tarvento_grafico.so"_s);
    ChartModule::setFileForTests(missing);
    TfrmStatisticheRic* screen = openStatistics();
    ChartModule::setFileForTests(QStringLiteral(TARVENTO_CHART_MODULE));
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->chart(), nullptr);
    openYear(screen, u"2024"_s);
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY(f.desktop.lastMessage().text.contains(missing));
    QVERIFY(f.desktop.lastMessage().text.startsWith(u"Impossibile mostrare il grafico"_s));
    QVERIFY(screen->panAvvio->isVisible()); // the year panel stays, nothing else happens
    QVERIFY(!screen->panContainer->isVisible());
}

TARVENTO_GUI_TEST_MAIN(TestStatistiche)
#include "tst_statistiche.moc"
