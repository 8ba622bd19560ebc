#include "platform/Text.h"
#include "ricevute/ReceiptLoad.h"
#include "ricevute/RicercaRic.h"
#include "ricevute/RiepilogoRic.h"
#include "ricevute/TfrmSospeseRic.h"
#include "ricevute/TfrmTrovaRicevute.h"
#include "support/ListClicks.h"
#include "support/Receipts.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The receipt search and the unpaid list: matching, file order, and the
// hand-over of the record whose line was clicked, even when two records give the same line.
class TestListeRic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchMatchesTheStoredFields();
    void searchHandsOverTheClickedRecord();
    void searchWithAnotherWordLoadsNothing();
    void unpaidListsOnlyNo();
    void unpaidHandsOverTheClickedRecord();
    void loadFillsTheReceiptScreen();
};

namespace {

// Two receipts with the same list line that differ in a field the line does not show.
QByteArray twins()
{
    const auto twin = [](const QString& note, const QString& paid) {
        return receiptBytes({{"NumRic", u"8"_s},
                             {"Data", u"01/02/2024"_s},
                             {"CognomeCon01", u"GIALLI"_s},
                             {"NomeCon01", u"PIA"_s},
                             {"Note", note},
                             {"TotRicevuta", u"300,00"_s},
                             {"Saldata", paid}});
    };
    return twin(u"la prima"_s, u"No"_s) + twin(u"la seconda"_s, u"Sì"_s);
}

struct Chosen {
    QString note;
    qint64 position = 0;
    int calls = 0;
};

} // namespace

void TestListeRic::searchMatchesTheStoredFields()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"2024.ric"_s);
    QByteArray bytes = receiptFixture();
    bytes += receiptBytes(
        {{"NumRic", u"6"_s}, {"Data", u"02/02/2024"_s}, {"CodFiscCon01", u"BNCNNA80A41F205Z"_s}});
    writeFile(path, bytes);
    const auto positions = [&](const QStringList& criteria) {
        QList<qint64> out;
        for (const ListSearch::ListLine& line : RicercaRic::search(path, criteria))
            out.append(line.position);
        return out;
    };
    QCOMPARE(positions(QStringList(10)), (QList<qint64>{1, 2, 3, 4, 5, 6})); // file order, unsorted
    QStringList byNumber(10);
    byNumber[0] = u"del"_s; // every line shows " del ", no number holds it
    QCOMPARE(positions(byNumber), QList<qint64>{});
    QStringList byCode(10);
    byCode[7] = u"bncnna"_s; // folded
    QCOMPARE(positions(byCode), QList<qint64>{6});
    QStringList byTenant(10);
    byTenant[6] = u"ROSSI"_s;
    QCOMPARE(positions(byTenant), (QList<qint64>{1, 5}));
    Record first(SchedaRicevuta::layout());
    first.bytes() = bytes.left(SchedaRicevuta::recordSize);
    QCOMPARE(RicercaRic::search(path, QStringList(10)).front().text, RiepilogoRic::summaryLine(first));
}

void TestListeRic::searchHandsOverTheClickedRecord()
{
    ScreenFixture f;
    const QString path = f.folder.filePath(u"2024.ric"_s);
    writeFile(path, twins());
    TfrmTrovaRicevute search;
    search.setArchive(path);
    search.lblMemory->setText(u"ricevute"_s);
    Chosen chosen;
    search.setChosen([&](const Record& receipt, qint64 position) {
        chosen.note = Text::trimmed(receipt.text(u"Note"_s));
        chosen.position = position;
        ++chosen.calls;
    });
    search.show();
    click(search.btnCerca);
    QCOMPARE(listCount(search.lstRecords), 2);
    QCOMPARE(listLine(search.lstRecords, 0), listLine(search.lstRecords, 1));
    doubleClickLine(search.lstRecords, 0);
    QCOMPARE(chosen.calls, 1);
    QCOMPARE(chosen.position, 1); // the one clicked, not the later twin
    QCOMPARE(chosen.note, u"la prima"_s);
    QVERIFY(!search.isVisible());
}

void TestListeRic::searchWithAnotherWordLoadsNothing()
{
    ScreenFixture f;
    const QString path = f.folder.filePath(u"2024.ric"_s);
    writeFile(path, twins());
    TfrmTrovaRicevute search;
    search.setArchive(path);
    search.lblMemory->setText(u"altro"_s);
    int calls = 0;
    search.setChosen([&](const Record&, qint64) { ++calls; });
    search.show();
    click(search.btnCerca);
    doubleClickLine(search.lstRecords, 1);
    QCOMPARE(calls, 0);
    QVERIFY(!search.isVisible());
}

void TestListeRic::unpaidListsOnlyNo()
{
    ScreenFixture f;
    const QString path = f.folder.filePath(u"2024.ric"_s);
    QByteArray bytes = receiptFixture();
    bytes += receiptBytes({{"NumRic", u"6"_s}, {"Data", u"02/02/2024"_s}}); // empty flag
    writeFile(path, bytes);
    TfrmSospeseRic unpaid;
    QCOMPARE(unpaid.windowTitle(), u" Riepilogo ricevute non saldate"_s);
    unpaid.setArchive(path);
    unpaid.show();
    QVERIFY(!unpaid.panAvvio->isVisible());
    QVERIFY(unpaid.panContainer->isVisible());
    QCOMPARE(unpaid.lines().size(), 2);
    QVERIFY(unpaid.lines()[0].startsWith(u"Ric. n. 2 del 20/03/2024"_s));
    QVERIFY(unpaid.lines()[1].startsWith(u"Ric. n. 3 del 10/04/2024"_s));
    QVERIFY(f.desktop.messages.isEmpty());

    TfrmSospeseRic missing;
    missing.setArchive(f.folder.filePath(u"2031.ric"_s));
    missing.show();
    QCOMPARE(listCount(missing.lstRecords), 0);
    QVERIFY(QFile::exists(f.folder.filePath(u"2031.ric"_s)));
}

void TestListeRic::unpaidHandsOverTheClickedRecord()
{
    ScreenFixture f;
    const QString path = f.folder.filePath(u"2024.ric"_s);
    writeFile(path, twins()); // the unpaid one first, its paid twin later
    TfrmSospeseRic unpaid;
    unpaid.setArchive(path);
    Chosen chosen;
    unpaid.setChosen([&](const Record& receipt, qint64 position) {
        chosen.note = Text::trimmed(receipt.text(u"Note"_s));
        chosen.position = position;
        ++chosen.calls;
    });
    unpaid.show();
    QCOMPARE(listCount(unpaid.lstRecords), 1);
    doubleClickLine(unpaid.lstRecords, 0);
    QCOMPARE(chosen.calls, 1);
    QCOMPARE(chosen.position, 1);
    QCOMPARE(chosen.note, u"la prima"_s);
}

void TestListeRic::loadFillsTheReceiptScreen()
{
    QWidget screen;
    for (const char* name : {"txtNumRic", "txtNote", "txtTotRicevuta"}) {
        auto* edit = new QLineEdit(u"vecchio"_s, &screen);
        edit->setObjectName(QString::fromLatin1(name));
    }
    auto* paid = new QCheckBox(&screen);
    paid->setObjectName(u"chkSaldata"_s);
    paid->setChecked(true);
    auto* position = new QLabel(&screen);
    position->setObjectName(u"lblPosizione"_s);
    Record receipt(SchedaRicevuta::layout());
    receipt.bytes() = twins().left(SchedaRicevuta::recordSize);
    ReceiptLoad::into(&screen, receipt, 7);
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtNumRic"_s)->text(), u"8"_s);
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtNote"_s)->text(), u"la prima"_s);
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtTotRicevuta"_s)->text(), u"300,00"_s);
    QVERIFY(!paid->isChecked());
    QCOMPARE(position->text(), u"7"_s);
}

TARVENTO_GUI_TEST_MAIN(TestListeRic)
#include "tst_liste_ric.moc"
