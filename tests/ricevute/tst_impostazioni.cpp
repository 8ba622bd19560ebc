#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/PrintDialog.h"
#include "platform/SafeWrite.h"
#include "ricevute/ReceiptLogo.h"
#include "ricevute/ReceiptSettings.h"
#include "ricevute/TfrmLogo.h"
#include "ricevute/TfrmNumerazioneRic.h"
#include "ricevute/TfrmVoci.h"
#include "support/Files.h"
#include "support/ScriptedDesktop.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The receipt settings: numbering start, payment reasons, logo.
class TestImpostazioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void nextReceiptNumber_data();
    void nextReceiptNumber();
    void numberingStartIsWrittenIntoItsSection();
    void tidyNumberingStart_data();
    void tidyNumberingStart();

    void reasonsKeepTheirBytes();
    void reasonsLines_data();
    void reasonsLines();
    void missingReasonsFileIsAnEmptyList();
    void unreadableReasonsFileIsReported();
    void failedReasonsWriteKeepsTheOldFile();

    void numberingScreenWritesTheStart();
    void numberingScreenTidiesOnLeaving();
    void numberingScreenWithoutItsWordTouchesNothing();
    void reasonsScreenAddsDeletesAndSaves();
    void reasonsDeleteLeavesNothingSelected();
    void reasonsFieldFiltersCharacters();
    void reasonsImportFillsTheNamedLine();
    void reasonsScreenNeverRewritesAnUnreadableFile();
    void reasonsScreenReportsAFailedWrite();
    void reasonsArePrintedAsAList();
    void logoScreenSavesTheChosenPicture();
    void logoScreenDefaultAndBlank();
    void logoThatDoesNotDecodeIsReported();
    void logoThatCannotBeSavedIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString file(const QString& name) const { return QDir(m_folder->path()).filePath(name); }
};

namespace {
// Types a character that QTest::keyClicks cannot (it types ASCII only).
void typeChar(QWidget* field, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &release);
}

template <typename Dialog> std::unique_ptr<Dialog> shown(const QString& memory = QString())
{
    auto dialog = std::make_unique<Dialog>();
    if constexpr (requires { dialog->lblMemory; })
        dialog->lblMemory->setText(memory);
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("dialog not active");
    return dialog;
}

const ScriptedDesktop::Message kNoReasonTyped{
    Desktop::Kind::Warning, u"Attenzione: non è stata indicata alcuna voce da aggiungere all'elenco."_s};
const ScriptedDesktop::Message kNothingToDelete{
    Desktop::Kind::Warning,
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s};
const ScriptedDesktop::Message kNothingToImport{
    Desktop::Kind::Warning,
    u"Attenzione: selezionare dall'elenco la voce da richiamare nel documento prima di "
    u"premere il pulsante di importazione."_s};
} // namespace

void TestImpostazioni::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    ExeFolder::setForTests(m_folder->path());
}

void TestImpostazioni::cleanup()
{
    ReceiptSettings::failReasonsReadForTests(false);
    SafeWrite::failWritesForTests(false);
    ExeFolder::setForTests({});
    m_folder.reset();
}

void TestImpostazioni::nextReceiptNumber_data()
{
    QTest::addColumn<QByteArray>("ini"); // "(none)": no Affitti.ini
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("start");

    QTest::newRow("start 100, 7 receipts")
        << "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba << 7 << 107 << 100;
    QTest::newRow("start 100, empty archive")
        << "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba << 0 << 100 << 100;
    QTest::newRow("no file") << "(none)"_ba << 7 << 8 << 1;
    QTest::newRow("empty file") << QByteArray() << 7 << 8 << 1;
    QTest::newRow("other section") << "[Altro]\r\nInizio=100\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("empty value") << "[Numerazione Ricevute]\r\nInizio=\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("letters") << "[Numerazione Ricevute]\r\nInizio=abc\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("decimals") << "[Numerazione Ricevute]\r\nInizio=12,5\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("ten digits") << "[Numerazione Ricevute]\r\nInizio=1234567890\r\n"_ba << 7 << 8 << 1;
    QTest::newRow("leading zeros, names in other case")
        << "[numerazione ricevute]\nINIZIO = 007\n"_ba << 3 << 10 << 7;
    QTest::newRow("zero") << "[Numerazione Ricevute]\r\nInizio=0\r\n"_ba << 0 << 0 << 0;
    QTest::newRow("bytes that are no text") << "\xFF\xFE\x00[\x01\x02"_ba << 4 << 5 << 1;
}

void TestImpostazioni::nextReceiptNumber()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, count);
    QFETCH(int, expected);
    QFETCH(int, start);
    if (ini != "(none)")
        writeFile(file(u"Affitti.ini"_s), ini);
    QCOMPARE(ReceiptSettings::nextReceiptNumber(count), expected);
    QCOMPARE(ReceiptSettings::numberingStart(), start);
}

void TestImpostazioni::numberingStartIsWrittenIntoItsSection()
{
    QCOMPARE(ReceiptSettings::numberingStartText(), QString());
    ReceiptSettings::setNumberingStart(u"100"_s);
    QCOMPARE(readFile(file(u"Affitti.ini"_s)), "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba);
    QCOMPARE(ReceiptSettings::nextReceiptNumber(4), 104);

    // Only the one line changes; what else the file holds stays.
    writeFile(file(u"Affitti.ini"_s),
              "; nota\r\n[Numerazione Ricevute]\r\nInizio=5\r\n[Altro]\r\nx=1\r\n"_ba);
    ReceiptSettings::setNumberingStart(u" 12 "_s);
    QCOMPARE(readFile(file(u"Affitti.ini"_s)),
             "; nota\r\n[Numerazione Ricevute]\r\nInizio=12\r\n[Altro]\r\nx=1\r\n"_ba);
    QCOMPARE(ReceiptSettings::numberingStartText(), u"12"_s);

    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::setNumberingStart(u"40"_s));
    QCOMPARE(ReceiptSettings::numberingStart(), 12);
}

void TestImpostazioni::tidyNumberingStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("007") << u"007"_s << u"7"_s;
    QTest::newRow("0") << u"0"_s << u"0"_s;
    QTest::newRow("100") << u"100"_s << u"100"_s;
    QTest::newRow("empty") << QString() << u"1"_s;
    QTest::newRow("blanks") << u"   "_s << u"1"_s;
    QTest::newRow("letters") << u"1a"_s << u"1"_s;
    QTest::newRow("point is no decimal separator") << u"2.5"_s << u"1"_s;
    QTest::newRow("lone comma") << u","_s << u"1"_s;
    QTest::newRow("lone minus") << u"-"_s << u"1"_s;
    QTest::newRow("2,4") << u"2,4"_s << u"2"_s;
    QTest::newRow("2,5 half goes up") << u"2,5"_s << u"3"_s;
    QTest::newRow(",5") << u",5"_s << u"1"_s;
    QTest::newRow("12,") << u"12,"_s << u"12"_s;
    QTest::newRow("-2,5 half goes up") << u"-2,5"_s << u"-2"_s;
    QTest::newRow("-2,51") << u"-2,51"_s << u"-3"_s;
    QTest::newRow("-0,2") << u"-0,2"_s << u"0"_s;
    QTest::newRow("+4") << u"+4"_s << u"4"_s;
    QTest::newRow("blanks around") << u" 42 "_s << u"42"_s;
}

void TestImpostazioni::tidyNumberingStart()
{
    QFETCH(QString, typed);
    QFETCH(QString, tidied);
    QCOMPARE(ReceiptSettings::tidyNumberingStart(typed), tidied);
}

void TestImpostazioni::reasonsKeepTheirBytes()
{
    // Windows-1252 (è = E8, euro = 80, an undefined byte 81), CR LF, duplicates and an empty line.
    const QByteArray bytes = "Canone di locazione\r\nSpese condominiali\r\n\r\nCaff\xE8 \x80 5 \x81\r\n"
                             "Canone di locazione\r\n"_ba;
    writeFile(file(u"Causali.lst"_s), bytes);
    const QStringList reasons = ReceiptSettings::loadReasons();
    QCOMPARE(reasons, (QStringList{u"Canone di locazione"_s, u"Spese condominiali"_s, QString(),
                                   u"Caffè € 5 \u0081"_s, u"Canone di locazione"_s}));
    ReceiptSettings::saveReasons(reasons);
    QCOMPARE(readFile(file(u"Causali.lst"_s)), bytes);

    ReceiptSettings::saveReasons({});
    QVERIFY(QFile::exists(file(u"Causali.lst"_s)));
    QCOMPARE(readFile(file(u"Causali.lst"_s)), QByteArray()); // every item deleted: length 0
}

void TestImpostazioni::reasonsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("reasons");
    QTest::newRow("no last line break") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF only") << "a\nb\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR only") << "a\rb\r"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trimmed") << "  Affitto marzo \t\r\n"_ba << QStringList{u"Affitto marzo"_s};
    QTest::newRow("empty lines stay") << "\r\n\r\nx\r\n"_ba << QStringList{QString(), QString(), u"x"_s};
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF"
                                       "Caff\xC3\xA8\r\n"_ba
                                    << QStringList{u"Caffè"_s};
    QTest::newRow("UTF-16 LE with BOM") << "\xFF\xFEx\0\r\0\n\0y\0"_ba << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestImpostazioni::reasonsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, reasons);
    writeFile(file(u"Causali.lst"_s), bytes);
    QCOMPARE(ReceiptSettings::loadReasons(), reasons);
}

void TestImpostazioni::missingReasonsFileIsAnEmptyList()
{
    QCOMPARE(ReceiptSettings::loadReasons(), QStringList());
    QVERIFY(!QFile::exists(file(u"Causali.lst"_s))); // reading creates nothing
}

void TestImpostazioni::unreadableReasonsFileIsReported()
{
    writeFile(file(u"Causali.lst"_s), "Canone\r\n"_ba);
    ReceiptSettings::failReasonsReadForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::loadReasons());

    // A folder named Causali.lst cannot be read as a file either.
    ReceiptSettings::failReasonsReadForTests(false);
    QFile::remove(file(u"Causali.lst"_s));
    QVERIFY(QDir(m_folder->path()).mkdir(u"Causali.lst"_s));
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::loadReasons());
}

void TestImpostazioni::failedReasonsWriteKeepsTheOldFile()
{
    writeFile(file(u"Causali.lst"_s), "Canone\r\n"_ba);
    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, ReceiptSettings::saveReasons({u"Nuova"_s}));
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "Canone\r\n"_ba);
}

void TestImpostazioni::numberingScreenWritesTheStart()
{
    ScriptedDesktop desktop;
    auto screen = shown<TfrmNumerazioneRic>(u"ricevute"_s); // no Affitti.ini yet
    QCOMPARE(screen->windowTitle(), u" Impostazione inizio numerazione ricevute"_s);
    QCOMPARE(screen->size(), QSize(420, 306));
    QCOMPARE(screen->txtInizio->text(), u"1"_s);
    QCOMPARE(screen->txtInizio->maxLength(), 5);
    QCOMPARE(screen->focusWidget(), screen->txtInizio);

    screen->txtInizio->clear();
    QTest::keyClicks(screen->txtInizio, u"1a0 0"_s); // digits only
    QCOMPARE(screen->txtInizio->text(), u"100"_s);
    QTest::mouseClick(screen->btnApplica, Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    QCOMPARE(readFile(file(u"Affitti.ini"_s)), "[Numerazione Ricevute]\r\nInizio=100\r\n"_ba);
    QCOMPARE(ReceiptSettings::nextReceiptNumber(4), 104);

    // The next opening shows the stored start; "Annulla" writes nothing.
    screen = shown<TfrmNumerazioneRic>(u"ricevute"_s);
    QCOMPARE(screen->txtInizio->text(), u"100"_s);
    screen->txtInizio->setText(u"5"_s);
    QTest::mouseClick(screen->btnAnnulla, Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    QCOMPARE(ReceiptSettings::numberingStart(), 100);
    QVERIFY(desktop.messages.isEmpty());
}

void TestImpostazioni::numberingScreenTidiesOnLeaving()
{
    ScriptedDesktop desktop;
    auto screen = shown<TfrmNumerazioneRic>(u"ricevute"_s);
    screen->txtInizio->clear();
    QTest::keyClicks(screen->txtInizio, u"007"_s);
    QTest::keyClick(screen->txtInizio, Qt::Key_Return); // moves to "Applica e chiudi", does not press it
    QCOMPARE(screen->focusWidget(), screen->btnApplica);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->txtInizio->text(), u"7"_s);

    screen->txtInizio->setFocus();
    screen->txtInizio->setText(u"12,5"_s); // pasted
    screen->btnAnnulla->setFocus();
    QCOMPARE(screen->txtInizio->text(), u"13"_s);

    screen->txtInizio->setText(u"abc"_s); // pasted, then applied straight away
    screen->btnApplica->click();
    QCOMPARE(ReceiptSettings::numberingStartText(), u"1"_s);
    QVERIFY(desktop.messages.isEmpty());
}

void TestImpostazioni::numberingScreenWithoutItsWordTouchesNothing()
{
    ScriptedDesktop desktop;
    const QByteArray ini = "[Numerazione Ricevute]\r\nInizio=50\r\n"_ba;
    writeFile(file(u"Affitti.ini"_s), ini);
    auto screen = shown<TfrmNumerazioneRic>();
    QCOMPARE(screen->txtInizio->text(), u"1"_s);
    screen->txtInizio->setText(u"9"_s);
    screen->btnApplica->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(readFile(file(u"Affitti.ini"_s)), ini);
}

void TestImpostazioni::reasonsScreenAddsDeletesAndSaves()
{
    ScriptedDesktop desktop;
    writeFile(file(u"Causali.lst"_s), "Canone di locazione\r\n  Spese condominiali \r\n"_ba);
    auto screen = shown<TfrmVoci>();
    QCOMPARE(screen->windowTitle(), u" Causali di pagamento"_s);
    QCOMPARE(screen->size(), QSize(862, 572));
    QCOMPARE(screen->lstRecords->count(), 2);
    QCOMPARE(screen->lstRecords->item(1)->text(), u"Spese condominiali"_s);
    QCOMPARE(screen->txtTrova->maxLength(), 50);
    QCOMPARE(screen->focusWidget(), screen->txtTrova);

    screen->txtTrova->setText(u"   "_s);
    screen->btnTrova->click();
    QCOMPARE(desktop.messages, QList<ScriptedDesktop::Message>{kNoReasonTyped});
    QCOMPARE(screen->focusWidget(), screen->txtTrova);
    QCOMPARE(screen->lstRecords->count(), 2);

    for (int i = 0; i < 2; ++i) { // the same reason twice gives two lines
        QTest::keyClicks(screen->txtTrova, u" Deposito cauzionale "_s);
        screen->btnTrova->click();
        QCOMPARE(screen->txtTrova->text(), QString());
        QCOMPARE(screen->focusWidget(), screen->txtTrova);
    }
    QCOMPARE(screen->lstRecords->count(), 4);
    QVERIFY(readFile(file(u"Causali.lst"_s)).startsWith("Canone di locazione\r\n  Spese")); // not yet written

    screen->btnElimina->click();
    QCOMPARE(desktop.lastMessage(), kNothingToDelete);
    screen->lstRecords->setCurrentRow(0);
    screen->btnElimina->click(); // at once, without a question
    QCOMPARE(desktop.messages.size(), 2);

    screen->btnChiudi->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(readFile(file(u"Causali.lst"_s)),
             "Spese condominiali\r\nDeposito cauzionale\r\nDeposito cauzionale\r\n"_ba);

    // The window's close box saves too; every item deleted leaves an empty file.
    screen = shown<TfrmVoci>();
    while (screen->lstRecords->count() > 0) {
        screen->lstRecords->setCurrentRow(0);
        screen->btnElimina->click();
    }
    screen->close();
    QVERIFY(QFile::exists(file(u"Causali.lst"_s)));
    QCOMPARE(readFile(file(u"Causali.lst"_s)), QByteArray());
}

void TestImpostazioni::reasonsDeleteLeavesNothingSelected()
{
    // A second press of "Elimina", or "Importa" right after it, must not act on a neighbour.
    ScriptedDesktop desktop;
    writeFile(file(u"Causali.lst"_s), "Canone\r\nSpese\r\nCauzione\r\n"_ba);
    auto screen = shown<TfrmVoci>();
    screen->lblMemory->setText(u"ric_art_02"_s);
    QStringList imported;
    screen->importTo = [&imported](int, const QString& reason) { imported.append(reason); };
    QListWidget* list = screen->lstRecords;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->selectedItems().size(), 1);
    QTest::mouseClick(screen->btnElimina, Qt::LeftButton);
    QCOMPARE(list->count(), 2);
    QVERIFY(list->selectedItems().isEmpty());
    QTest::mouseClick(screen->btnElimina, Qt::LeftButton);
    QCOMPARE(desktop.lastMessage(), kNothingToDelete);
    QCOMPARE(list->count(), 2);
    QTest::mouseClick(screen->btnImporta, Qt::LeftButton);
    QCOMPARE(desktop.lastMessage(), kNothingToImport);
    QVERIFY(imported.isEmpty());
    QVERIFY(screen->isVisible());
    screen->close();
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "Canone\r\nCauzione\r\n"_ba);
}

void TestImpostazioni::reasonsFieldFiltersCharacters()
{
    ScriptedDesktop desktop;
    auto screen = shown<TfrmVoci>();
    QTest::keyClicks(screen->txtTrova, u"a&b/c<d>e 1"_s);
    for (QChar c : u"èÀü£°\u0080€"_s)
        typeChar(screen->txtTrova, c);
    QCOMPARE(screen->txtTrova->text(), u"abcde 1€"_s);

    QTest::keyClick(screen->txtTrova, Qt::Key_Return); // moves to "Aggiungi all'elenco", does not press it
    QCOMPARE(screen->focusWidget(), screen->btnTrova);
    QCOMPARE(screen->lstRecords->count(), 0);
    screen->btnTrova->click();
    screen->close();
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "abcde 1\x80\r\n"_ba);

    // Accented letters written by another program are loaded and shown.
    writeFile(file(u"Causali.lst"_s), "Quota citt\xE0\r\n"_ba);
    screen = shown<TfrmVoci>();
    QCOMPARE(screen->lstRecords->item(0)->text(), u"Quota città"_s);
}

void TestImpostazioni::reasonsImportFillsTheNamedLine()
{
    ScriptedDesktop desktop;
    writeFile(file(u"Causali.lst"_s), "Canone\r\nSpese\r\n"_ba);
    QList<std::pair<int, QString>> imported;
    auto screen = shown<TfrmVoci>(u"ric_art_05"_s);
    screen->importTo = [&](int line, const QString& reason) { imported.append({line, reason}); };
    screen->btnImporta->click();
    QCOMPARE(desktop.lastMessage(), kNothingToImport);
    QVERIFY(screen->isVisible());

    screen->lstRecords->setCurrentRow(1);
    QTest::keyClicks(screen->txtTrova, u"Acqua"_s);
    screen->btnTrova->click();
    screen->lstRecords->setCurrentRow(1);
    screen->btnImporta->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(imported, (QList<std::pair<int, QString>>{{5, u"Spese"_s}}));
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "Canone\r\nSpese\r\nAcqua\r\n"_ba); // closing saved it

    // A word that names no line imports nothing, and the screen still closes.
    screen = shown<TfrmVoci>(u"f24"_s);
    screen->importTo = [&](int line, const QString& reason) { imported.append({line, reason}); };
    screen->lstRecords->setCurrentRow(0);
    screen->btnImporta->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(imported.size(), 1);
}

void TestImpostazioni::reasonsScreenNeverRewritesAnUnreadableFile()
{
    ScriptedDesktop desktop;
    const QByteArray bytes = "Canone di locazione\r\nSpese\r\n"_ba;
    writeFile(file(u"Causali.lst"_s), bytes);
    ReceiptSettings::failReasonsReadForTests(true);
    auto screen = shown<TfrmVoci>();
    QCOMPARE(screen->lstRecords->count(), 0);
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY2(desktop.lastMessage().text.contains(u"Il file non verrà modificato"_s),
             qPrintable(desktop.lastMessage().text));
    QTest::keyClicks(screen->txtTrova, u"Nuova"_s);
    screen->btnTrova->click();
    screen->btnChiudi->click();
    QCOMPARE(readFile(file(u"Causali.lst"_s)), bytes);
}

void TestImpostazioni::reasonsScreenReportsAFailedWrite()
{
    ScriptedDesktop desktop;
    writeFile(file(u"Causali.lst"_s), "Canone\r\n"_ba);
    auto screen = shown<TfrmVoci>();
    QTest::keyClicks(screen->txtTrova, u"Nuova"_s);
    screen->btnTrova->click();
    SafeWrite::failWritesForTests(true);
    screen->btnChiudi->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY2(desktop.lastMessage().text.contains(u"Causali.lst"_s), qPrintable(desktop.lastMessage().text));
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "Canone\r\n"_ba);
}

void TestImpostazioni::reasonsArePrintedAsAList()
{
    ScriptedDesktop desktop;
    writeFile(file(u"Causali.lst"_s), "Canone\r\nSpese\r\n"_ba);
    auto screen = shown<TfrmVoci>();
    int asked = 0;
    int pageCount = 0;
    PrintDialog::setHandlerForTests([&](QPrinter&, int pages) {
        ++asked;
        pageCount = pages;
        return false; // cancelled: nothing printed, nothing said
    });
    screen->btnStampa->click();
    PrintDialog::setHandlerForTests({});
    QCOMPARE(asked, 1);
    QCOMPARE(pageCount, 1);
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(readFile(file(u"Causali.lst"_s)), "Canone\r\nSpese\r\n"_ba); // printing does not save
}

namespace {
QImage bmpOnDisk(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "bmp")
        return {};
    return reader.read();
}
} // namespace

void TestImpostazioni::logoScreenSavesTheChosenPicture()
{
    ScriptedDesktop desktop;
    QImage big(2000, 1000, QImage::Format_RGB32);
    big.fill(QColor(200, 30, 30));
    QVERIFY(big.save(file(u"ditta.jpg"_s), "JPEG"));

    auto screen = shown<TfrmLogo>();
    QCOMPARE(screen->windowTitle(), u" Impostazione logo"_s);
    QCOMPARE(screen->size(), QSize(362, 371));
    QCOMPARE(screen->picture(), ReceiptLogo::defaultPicture()); // no Logo.bmp yet
    desktop.fileNames.enqueue(file(u"ditta.jpg"_s));
    screen->btnSfoglia->click();
    QCOMPARE(screen->picture().size(), QSize(2000, 1000));
    screen->btnApplica->click();
    QVERIFY(!screen->isVisible());
    const QImage saved = bmpOnDisk(file(u"Logo.bmp"_s));
    QCOMPARE(saved.size(), QSize(2000, 1000));
    QVERIFY(qAbs(QColor(saved.pixel(1000, 500)).red() - 200) < 8);
    QVERIFY(desktop.messages.isEmpty());

    // The next opening shows it; a cancelled file dialog and "Annulla" change nothing.
    const QByteArray bytes = readFile(file(u"Logo.bmp"_s));
    screen = shown<TfrmLogo>();
    QCOMPARE(screen->picture().size(), QSize(2000, 1000));
    screen->btnSfoglia->click();
    QCOMPARE(screen->picture().size(), QSize(2000, 1000));
    screen->imgEuroClick();
    screen->btnAnnulla->click();
    QVERIFY(!screen->isVisible());
    QCOMPARE(readFile(file(u"Logo.bmp"_s)), bytes);
}

void TestImpostazioni::logoScreenDefaultAndBlank()
{
    ScriptedDesktop desktop;
    const QImage euro = ReceiptLogo::defaultPicture();
    QCOMPARE(euro.size(), QSize(297, 184));
    QCOMPARE(QColor(euro.pixel(3, 3)), QColor(Qt::white));
    const QColor middle = euro.pixel(96, 92); // on the euro sign's left bow
    QVERIFY2(middle.blue() > 120 && middle.red() < 80, qPrintable(middle.name()));

    auto screen = shown<TfrmLogo>();
    screen->btnCancLogoClick();
    screen->btnApplica->click();
    const QImage blank = bmpOnDisk(file(u"Logo.bmp"_s));
    QCOMPARE(blank.size(), QSize(2, 2));
    QCOMPARE(QColor(blank.pixel(1, 1)), QColor(Qt::white));

    screen = shown<TfrmLogo>();
    QCOMPARE(screen->picture().size(), QSize(2, 2));
    screen->imgEuroClick();
    screen->btnApplica->click();
    QCOMPARE(bmpOnDisk(file(u"Logo.bmp"_s)).size(), QSize(297, 184));
    QVERIFY(desktop.messages.isEmpty());
}

void TestImpostazioni::logoThatDoesNotDecodeIsReported()
{
    ScriptedDesktop desktop;
    writeFile(file(u"finto.jpg"_s), "not a picture at all"_ba);
    writeFile(file(u"Logo.bmp"_s), "BM broken"_ba); // a damaged Logo.bmp shows the default
    QImage gif(10, 10, QImage::Format_RGB32);
    gif.fill(Qt::red);
    QVERIFY(gif.save(file(u"altro.png"_s), "PNG"));

    auto screen = shown<TfrmLogo>();
    QCOMPARE(screen->picture(), ReceiptLogo::defaultPicture());
    QVERIFY(desktop.messages.isEmpty());
    for (const QString& name : {u"finto.jpg"_s, u"altro.png"_s, u"manca.bmp"_s}) {
        screen->btnCancLogoClick();
        desktop.fileNames.enqueue(file(name));
        screen->btnSfoglia->click();
        QCOMPARE(screen->picture(), ReceiptLogo::defaultPicture());
        QCOMPARE(desktop.lastMessage().kind, Desktop::Kind::Warning);
        QVERIFY2(desktop.lastMessage().text.contains(name), qPrintable(desktop.lastMessage().text));
    }
    QCOMPARE(desktop.messages.size(), 3);
}

void TestImpostazioni::logoThatCannotBeSavedIsReported()
{
    ScriptedDesktop desktop;
    const QByteArray old = ReceiptLogo::bmpBytes(ReceiptLogo::blankPicture());
    writeFile(file(u"Logo.bmp"_s), old);
    auto screen = shown<TfrmLogo>();
    screen->imgEuroClick();
    SafeWrite::failWritesForTests(true);
    screen->btnApplica->click();
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.lastMessage().kind, Desktop::Kind::Error);
    QVERIFY2(desktop.lastMessage().text.contains(u"Logo.bmp"_s), qPrintable(desktop.lastMessage().text));
    QVERIFY(screen->isVisible()); // the user may try again or cancel
    QCOMPARE(screen->picture(), ReceiptLogo::defaultPicture());
    QCOMPARE(readFile(file(u"Logo.bmp"_s)), old);
}

TARVENTO_GUI_TEST_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
