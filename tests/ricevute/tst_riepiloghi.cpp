#include "platform/PrintDialog.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/RiepilogoRic.h"
#include "ricevute/TfrmRiepilogoRic.h"
#include "support/ListClicks.h"
#include "support/PdfTools.h"
#include "support/Receipts.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The annual, quarterly and monthly summaries on the receipts fixture: March
// 10,40 (paid) and 10,20 (unpaid), April 10,50, July 650,00, and a December 2023 receipt
// stored in the 2024 archive.
class TestRiepiloghi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void summaryLineHasFixedWidths();
    void dateParts_data();
    void dateParts();
    void summaries_data();
    void summaries();
    void totalText_data();
    void totalText();
    void annualScreenFromTheReceiptScreensArchive();
    void monthlyScreenSelectsThenLists();
    void emptyArchive();
    void unreadableRecordMakesTheListIncomplete();
    void findNextAndItsMessage();
    void printedListEndsWithTheTotal();
};

namespace {

QString line(const QString& number, const QString& date, const QString& tenant, const QString& total)
{
    const QString head = number + u" del "_s + date;
    return u"Ric. n. "_s + head + QString(25 - head.size(), u' ') + u"  "_s + tenant +
           QString(30 - tenant.size(), u' ') + u"  C.F. "_s + QString(16, u' ') + u"  "_s +
           QString(45, u' ') + u"  Tot. € "_s + total;
}

QString archive(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(u"2024.ric"_s);
    writeFile(path, bytes);
    return path;
}

} // namespace

void TestRiepiloghi::summaryLineHasFixedWidths()
{
    const QByteArray bytes =
        receiptBytes({{"NumRic", u" 7 "_s},
                      {"Data", u"05/03/2024"_s},
                      {"CognomeCon01", u"DELLA VALLE DI SANTA MARGHERITA"_s},
                      {"NomeCon01", u"MARIA"_s},
                      {"CodFiscCon01", u"DLLMRA80A41F205Z"_s},
                      {"Causale01", u"Canone di locazione del mese di marzo duemilaventiquattro"_s},
                      {"TotRicevuta", u"709,75"_s}});
    Record record(SchedaRicevuta::layout());
    record.bytes() = bytes;
    const QString expected = u"Ric. n. 7 del 05/03/2024"_s + QString(9, u' ') + u"  "_s +
                             u"DELLA VALLE DI SANTA MARGHERIT"_s + u"  C.F. DLLMRA80A41F205Z"_s + u"  "_s +
                             u"Canone di locazione del mese di marzo duemila"_s + u"  Tot. € 709,75"_s;
    QCOMPARE(RiepilogoRic::summaryLine(record), expected);
}

void TestRiepiloghi::dateParts_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::newRow("usual") << u"05/03/2024"_s << u"03"_s << u"2024"_s;
    QTest::newRow("no leading zeros") << u"5/3/2021"_s << u"/2"_s << u"21"_s; // in no summary
    QTest::newRow("short") << u" 01/02 "_s << u"02"_s << u""_s;
}

void TestRiepiloghi::dateParts()
{
    QFETCH(QString, data);
    QFETCH(QString, month);
    QFETCH(QString, year);
    const RiepilogoRic::DateParts parts = RiepilogoRic::dateParts(data);
    QCOMPARE(parts.month, month);
    QCOMPARE(parts.year, year);
    QVERIFY(!parts.empty);
    QVERIFY(RiepilogoRic::dateParts(u"   "_s).empty);
}

void TestRiepiloghi::summaries_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("total");
    const int year = int(RiepilogoRic::Period::Year), quarter = int(RiepilogoRic::Period::Quarter),
              month = int(RiepilogoRic::Period::Month);
    QTest::newRow("year") << year << QString() << QList<int>{1, 2, 3, 5} << u"681,1"_s;
    QTest::newRow("first quarter") << quarter << u"GENNAIO, FEBBRAIO, MARZO"_s << QList<int>{1, 2}
                                   << u"20,6"_s;
    QTest::newRow("second quarter") << quarter << u"aprile, maggio, giugno"_s << QList<int>{3} << u"10,5"_s;
    QTest::newRow("march") << month << u"MARZO"_s << QList<int>{1, 2} << u"20,6"_s;
    QTest::newRow("july") << month << u" LUGLIO "_s << QList<int>{5} << u"650"_s;
    QTest::newRow("december: the 2023 receipt is not this year's")
        << month << u"DICEMBRE"_s << QList<int>{} << u"0"_s;
}

void TestRiepiloghi::summaries()
{
    QFETCH(int, period);
    QFETCH(QString, chosen);
    QFETCH(QList<int>, positions);
    QFETCH(QString, total);
    QTemporaryDir dir;
    const QString path = archive(dir, receiptFixture());
    const RiepilogoRic::Summary s = RiepilogoRic::build(path, u"2024"_s, RiepilogoRic::Period(period), chosen);
    QCOMPARE(s.positions, positions);
    // The lines are made again from the archive, one per receipt listed.
    const QStringList lines = RiepilogoRic::summaryLines(path, s.positions, 0, int(s.positions.size()));
    QCOMPARE(lines.size(), positions.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY(lines[i].startsWith(u"Ric. n. "_s + QString::number(positions[i])));
    QCOMPARE(s.total.toText(), total);
    QVERIFY(s.complete);
    QVERIFY(s.anyDated);
}

void TestRiepiloghi::totalText_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << u"1250"_s << u"€ 1250,00"_s;
    QTest::newRow("one decimal") << u"1250,5"_s << u"€ 1250,50"_s;
    QTest::newRow("three decimals") << u"0,125"_s << u"€ 0,125"_s;
    QTest::newRow("none") << u"0"_s << u"€ 0,00"_s;
    QTest::newRow("tenths") << u"0,30"_s << u"€ 0,30"_s;
    QTest::newRow("five decimals") << u"1,00005"_s << u"€ 1,0001"_s;
}

void TestRiepiloghi::totalText()
{
    QFETCH(QString, total);
    QFETCH(QString, shown);
    QCOMPARE(RiepilogoRic::totalText(*Money::parse(total)), shown);
}

void TestRiepiloghi::annualScreenFromTheReceiptScreensArchive()
{
    ScreenFixture f;
    QTemporaryDir dir;
    frmRicevute->lblFile->setText(archive(dir, receiptFixture()));
    frmRicevute->lblAnno->setText(u"2024"_s);
    TfrmRiepAnnualeRic screen;
    QCOMPARE(screen.windowTitle(), u" Tarvento 5.0 - Riepilogo annuale ricevute emesse"_s);
    screen.show();
    QVERIFY(screen.panContainer->isVisible());
    QVERIFY(!screen.panSelezione->isVisible());
    QCOMPARE(screen.titTipologia->text(), u"Ricevute emesse nell'anno 2024"_s);
    QCOMPARE(screen.lines(), (QStringList{line(u"1"_s, u"05/03/2024"_s, u"ROSSI MARIO"_s, u"10,40"_s),
                                          line(u"2"_s, u"20/03/2024"_s, u"BIANCHI ANNA"_s, u"10,20"_s),
                                          line(u"3"_s, u"10/04/2024"_s, u"VERDI LUCA"_s, u"10,50"_s),
                                          line(u"5"_s, u"01/07/2024"_s, u"ROSSI MARIO"_s, u"650,00"_s)}));
    QCOMPARE(screen.positions(), (QList<int>{1, 2, 3, 5}));
    QCOMPARE(screen.lblTotale->text(), u"€ 681,10"_s);
    QCOMPARE(screen.panInfo->text(), u"Il presente riepilogo contiene 4 ricevute."_s);
    QCOMPARE(screen.focusWidget(), screen.txtTrova);
    QVERIFY(f.desktop.messages.isEmpty());
    screen.close();
    QCOMPARE(listCount(screen.lstRecords), 0);
}

void TestRiepiloghi::monthlyScreenSelectsThenLists()
{
    ScreenFixture f;
    QTemporaryDir dir;
    TfrmRiepMensileRic screen;
    screen.setArchive(archive(dir, receiptFixture()), u"2024"_s);
    screen.show();
    QVERIFY(screen.panSelezione->isVisible());
    QVERIFY(!screen.panContainer->isVisible());
    QCOMPARE(screen.cboSelezione->count(), 12);
    QCOMPARE(screen.cboSelezione->currentText(), u"GENNAIO"_s);
    QCOMPARE(screen.lblAnno->text(), u"2024"_s);
    screen.cboSelezione->setCurrentIndex(2);
    click(screen.btnVisualizza);
    QVERIFY(!screen.panSelezione->isVisible());
    QVERIFY(screen.panContainer->isVisible());
    QCOMPARE(screen.titTipologia->text(), u"Ricevute emesse nel mese di marzo 2024"_s);
    QCOMPARE(screen.lines().size(), 2);
    QCOMPARE(screen.lblTotale->text(), u"€ 20,60"_s);
    QCOMPARE(screen.panInfo->text(), u"Il presente riepilogo contiene 2 ricevute."_s);

    TfrmRiepTrimestraleRic quarterly;
    quarterly.setArchive(archive(dir, receiptFixture()), u"2024"_s);
    quarterly.show();
    QCOMPARE(quarterly.cboSelezione->itemText(3), u"OTTOBRE, NOVEMBRE, DICEMBRE"_s);
    quarterly.cboSelezione->setCurrentIndex(2);
    click(quarterly.btnVisualizza);
    QCOMPARE(quarterly.titTipologia->text(),
             u"Ricevute emesse nel trimestre di luglio, agosto, settembre 2024"_s);
    QCOMPARE(quarterly.lblTotale->text(), u"€ 650,00"_s);
}

void TestRiepiloghi::emptyArchive()
{
    ScreenFixture f;
    QTemporaryDir dir;
    TfrmRiepAnnualeRic screen;
    screen.setArchive(dir.filePath(u"2030.ric"_s), u"2030"_s);
    screen.show();
    QVERIFY(QFile::exists(dir.filePath(u"2030.ric"_s)));
    QCOMPARE(listCount(screen.lstRecords), 0);
    QCOMPARE(screen.lblTotale->text(), u"€ 0,00"_s);
    QCOMPARE(screen.panInfo->text(), u"Il presente riepilogo contiene 0 ricevute."_s);
    QCOMPARE(screen.titTipologia->text(), u"Ricevute emesse nell'anno solare."_s);
}

void TestRiepiloghi::unreadableRecordMakesTheListIncomplete()
{
    ScreenFixture f;
    QTemporaryDir dir;
    QByteArray bytes = receiptFixture();
    bytes.insert(
        SchedaRicevuta::recordSize,
        receiptBytes({{"NumRic", u"9"_s}, {"Data", u"06/03/2024"_s}, {"TotRicevuta", u"1.000,00"_s}}));
    TfrmRiepAnnualeRic screen;
    screen.setArchive(archive(dir, bytes), u"2024"_s);
    screen.show();
    QCOMPARE(screen.positions(), (QList<int>{1, 2})); // the second record is listed, not summed
    QVERIFY(!screen.isComplete());
    QCOMPARE(screen.lblTotale->text(), u"€ 10,40"_s);
    QCOMPARE(screen.panInfo->text(),
             u"Riepilogo incompleto: la lettura dell'archivio si è interrotta dopo 2 ricevute."_s);
    QCOMPARE(f.desktop.messages.size(), 1);
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
    QVERIFY(f.desktop.lastMessage().text.startsWith(u"Attenzione: il riepilogo è incompleto"_s));
}

void TestRiepiloghi::findNextAndItsMessage()
{
    ScreenFixture f;
    QTemporaryDir dir;
    TfrmRiepAnnualeRic screen;
    screen.setArchive(archive(dir, receiptFixture()), u"2024"_s);
    screen.show();
    QTest::keyClicks(screen.txtTrova, u"rossi"_s);
    click(screen.btnTrova);
    QCOMPARE(listCurrentRow(screen.lstRecords), 0);
    click(screen.btnTrova);
    QCOMPARE(listCurrentRow(screen.lstRecords), 3);

    TfrmRiepAnnualeRic empty;
    empty.setArchive(dir.filePath(u"2031.ric"_s), u"2031"_s);
    empty.show();
    click(empty.btnTrova);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Information,
                                       u"Ricerca non applicabile: la lista non contiene nessuna voce."_s}));
}

void TestRiepiloghi::printedListEndsWithTheTotal()
{
    ScreenFixture f;
    QTemporaryDir dir;
    TfrmRiepMensileRic screen;
    screen.setArchive(archive(dir, receiptFixture()), u"2024"_s);
    screen.show();
    screen.cboSelezione->setCurrentIndex(2);
    click(screen.btnVisualizza);
    const QString pdf = dir.filePath(u"riepilogo.pdf"_s);
    PrintDialog::setHandlerForTests([&](QPrinter& printer, int) {
        printer.setOutputFileName(pdf);
        return true;
    });
    click(screen.btnStampa);
    PrintDialog::setHandlerForTests({});
    const QString text = PdfTools::text(pdf);
    QVERIFY2(text.contains(u"Tipologia riepilogo: Ricevute emesse nel mese di marzo 2024"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"Ric. n. 2 del 20/03/2024"_s));
    QVERIFY(text.contains(QString(26, u'-')));
    QVERIFY2(text.contains(u"TOTALE:       € 20,60"_s), qPrintable(text));
    QCOMPARE(RiepilogoRic::printedLines({u"a"_s}, u" € 1,00 "_s),
             (QStringList{u"a"_s, QString(26, u'-'), u"TOTALE:       € 1,00"_s}));
}

TARVENTO_GUI_TEST_MAIN(TestRiepiloghi)
#include "tst_riepiloghi.moc"
