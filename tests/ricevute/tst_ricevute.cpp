#include "app/TfrmAvvio.h"
#include "platform/Picture.h"
#include "platform/TfrmGuida.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestRicevute : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuShowsTheCurrentYear();
    void yearFieldTakesDigitsOnly();
    void openingAYearPointsTheReceiptScreenAtItsArchive();
    void shortYearIsRefused();
    void onlyFourDigitsOpenAYear_data();
    void onlyFourDigitsOpenAYear();
    void statisticsAndExit();
    void helpTopic();
};

namespace {
TfrmMenuRicevute* openMenu()
{
    frmAvvio->present();
    click(frmAvvio->imgRicevute);
    return frmMenuRicevute;
}
} // namespace

void TestRicevute::menuShowsTheCurrentYear()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    QVERIFY(menu->isVisible());
    QVERIFY(!frmAvvio->isVisible());
    QCOMPARE(menu->txtAnnoFatture->text(), u"2024"_s);
    QCOMPARE(menu->lblMemory->text(), u"avvio"_s);
    QCOMPARE(menu->focusWidget(), menu->txtAnnoFatture);
    QCOMPARE(menu->txtAnnoFatture->maxLength(), 4);
}

void TestRicevute::yearFieldTakesDigitsOnly()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    QLineEdit* year = menu->txtAnnoFatture;
    year->clear();
    QTest::keyClicks(year, u"2a0 2,3"_s);
    QCOMPARE(year->text(), u"2023"_s);
    QTest::keyClick(year, Qt::Key_Left);
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), u"203"_s);
    QTest::keyClick(year, Qt::Key_Home); // keys that type nothing edit as in any field
    QTest::keyClick(year, Qt::Key_Delete);
    QCOMPARE(year->text(), u"03"_s);

    year->setFocus();
    QTest::keyClick(year, Qt::Key_Return); // only moves to "Apri"
    QCOMPARE(menu->focusWidget(), menu->btnApriFatture);
    QVERIFY(menu->isVisible());
}

void TestRicevute::openingAYearPointsTheReceiptScreenAtItsArchive()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    menu->txtAnnoFatture->setText(u"2023"_s);
    click(menu->btnApriFatture);

    QVERIFY(frmRicevute->isVisible());
    QVERIFY(!menu->isVisible());
    QCOMPARE(frmRicevute->windowTitle(), u" Tarvento 5.0 - Archivio ricevute d'affitto anno 2023"_s);
    QCOMPARE(frmRicevute->lblFile->text(), QDir(f.folder.path()).filePath(u"2023.ric"_s));
    QCOMPARE(frmRicevute->lblAnno->text(), u"2023"_s);
    QVERIFY(!QFile::exists(frmRicevute->lblFile->text())); // not created yet
    QVERIFY(f.desktop.messages.isEmpty());

    frmRicevute->close(); // back to the main menu, not to the receipts menu
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(!menu->isVisible());

    openMenu();
    QCOMPARE(menu->txtAnnoFatture->text(), u"2024"_s); // every showing starts again
    QCOMPARE(menu->lblMemory->text(), u"avvio"_s);
}

void TestRicevute::shortYearIsRefused()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    for (const QString& text : {u"202"_s, QString()}) {
        menu->txtAnnoFatture->setText(text);
        menu->btnApriFatture->setFocus();
        click(menu->btnApriFatture);
        QCOMPARE(
            f.desktop.lastMessage(),
            (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                      u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->focusWidget(), menu->txtAnnoFatture);
    }
    QCOMPARE(frmRicevute->lblFile->text(), QString());
}

void TestRicevute::onlyFourDigitsOpenAYear_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("opens");
    QTest::newRow("2023") << u"2023"_s << true;
    QTest::newRow("0000") << u"0000"_s << true;
    QTest::newRow("a path outside the folder") << u"../a"_s << false;
    QTest::newRow("letters") << u"abcd"_s << false;
    QTest::newRow("blank inside") << u"20 3"_s << false;
    QTest::newRow("blank before") << u" 202"_s << false;
}

void TestRicevute::onlyFourDigitsOpenAYear()
{
    QFETCH(QString, pasted);
    QFETCH(bool, opens);
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    menu->txtAnnoFatture->setText(pasted); // as pasted: the key filter never saw it
    menu->btnApriFatture->setFocus();
    click(menu->btnApriFatture);
    if (opens) {
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(frmRicevute->isVisible());
        QCOMPARE(frmRicevute->lblFile->text(), QDir(f.folder.path()).filePath(pasted + u".ric"_s));
        return;
    }
    QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{
                                     {Desktop::Kind::Warning,
                                      u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}}));
    QVERIFY(menu->isVisible());
    QVERIFY(!frmRicevute->isVisible());
    QCOMPARE(menu->focusWidget(), menu->txtAnnoFatture);
    QCOMPARE(frmRicevute->lblFile->text(), QString());
}

void TestRicevute::statisticsAndExit()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    menu->txtAnnoFatture->setText(u"2"_s); // the statistics do not look at the year
    click(menu->btnApriRiepStats);
    QVERIFY(frmStatisticheRic->isVisible());
    QVERIFY(!menu->isVisible());
    QVERIFY(f.desktop.messages.isEmpty());
    frmStatisticheRic->close();
    QVERIFY(frmAvvio->isVisible());

    openMenu();
    click(menu->imgEsci);
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(!menu->isVisible());

    openMenu();
    menu->close(); // the close box, like "Esci"
    QVERIFY(frmAvvio->isVisible());
}

void TestRicevute::helpTopic()
{
    ScreenFixture f;
    TfrmMenuRicevute* menu = openMenu();
    withModal([&] { click(menu->imgGuida); },
              [&](QWidget* modal) {
                  auto* help = qobject_cast<TfrmGuida*>(modal);
                  QVERIFY(help);
                  QCOMPARE(help->lblTitolo->text(), u"Emissione di ricevute di affitto."_s);
              });
    const QStringList paragraphs = TfrmMenuRicevute::help().text().split(u"\r\n\r\n"_s);
    QCOMPARE(paragraphs.size(), 5);
    QCOMPARE(paragraphs[3],
             u"Per inserire un nuovo documento in archivio bisogna fare clic sul pulsante Nuovo, compilare i "
             u"campi e "
             u"premere Salva. E' possibile utilizzare la funzione Numerazione automatica se si vuole far "
             u"partire la "
             u"numerazione dei documenti da un numero superiore a 1. L'utente ha la possibilità di "
             u"utilizzare un logo "
             u"personalizzato per rendere più professionale la stampa delle ricevute di affitto."_s);
    QVERIFY(paragraphs[4].endsWith(u"prima di stamparlo su carta."_s));
}

TARVENTO_GUI_TEST_MAIN(TestRicevute)
#include "tst_ricevute.moc"
