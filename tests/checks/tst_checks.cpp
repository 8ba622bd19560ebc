#include "checks/CheckScreens.h"
#include "checks/IdentityCodes.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QString kCfLength =
    u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
const QString kPivaLength = u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;
const QString kPivaWrong =
    u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
    u"fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s;

QString pivaValid(const QString& office)
{
    return u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di "_s +
           office + u"."_s;
}
} // namespace

class TestChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codiceFiscale_data();
    void codiceFiscale();
    void partitaIva_data();
    void partitaIva();
    void offices_data();
    void offices();
    void codiceFiscaleDialog_data();
    void codiceFiscaleDialog();
    void partitaIvaDialog_data();
    void partitaIvaDialog();
    void dialogFieldsAndEnter();
    void enterOnTheFocusedButtonPressesIt();
    void callerRule_data();
    void callerRule();
};

void TestChecks::codiceFiscale_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << u"RSSMRA80A01H501U"_s << true;
    QTest::newRow("valid, woman") << u"BNCGPP75L45F205E"_s << true;
    QTest::newRow("valid, letters for digits") << u"MRTMTT91D08F205J"_s << true;
    QTest::newRow("wrong check letter") << u"RSSMRA80A01H501V"_s << false;
    QTest::newRow("check character a digit") << u"RSSMRA80A01H5011"_s << false;
    QTest::newRow("lower case is not capitals") << u"rssmra80a01h501u"_s << false;
    QTest::newRow("15 characters") << u"RSSMRA80A01H501"_s << false;
    QTest::newRow("17 characters") << u"RSSMRA80A01H501UX"_s << false;
    QTest::newRow("blank inside") << u"RSSMRA80 01H501U"_s << false;
    QTest::newRow("accented letter") << u"RSSMRÀ80A01H501U"_s << false;
    QTest::newRow("characters beyond Z") << u"RSSMRA80A01H501~"_s << false;
}

void TestChecks::codiceFiscale()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(IdentityCodes::codiceFiscaleValid(code), valid);
}

void TestChecks::partitaIva_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << u"01234560017"_s << true;
    QTest::newRow("valid, office 096") << u"12345670967"_s << true;
    QTest::newRow("valid, all zero but check") << u"00000001206"_s << true;
    QTest::newRow("wrong check digit") << u"01234560018"_s << false;
    QTest::newRow("ten digits") << u"0123456001"_s << false;
    QTest::newRow("a letter") << u"0123456A017"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestChecks::partitaIva()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(IdentityCodes::partitaIvaValid(number), valid);
}

void TestChecks::offices_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("001") << u"001"_s << u"Torino"_s;
    QTest::newRow("040") << u"040"_s << u"Forlì"_s;
    QTest::newRow("096") << u"096"_s << u"Monza (Milano 2)"_s;
    QTest::newRow("102") << u"102"_s << u"Napoli 2"_s;
    QTest::newRow("120") << u"120"_s << u"Bologna 2"_s;
    QTest::newRow("121") << u"121"_s << u"Napoli 2"_s;
    QTest::newRow("000") << u"000"_s << QString();
    QTest::newRow("103") << u"103"_s << QString();
    QTest::newRow("119") << u"119"_s << QString();
    QTest::newRow("122") << u"122"_s << QString();
}

void TestChecks::offices()
{
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(IdentityCodes::partitaIvaOffice(u"1234567"_s + code + u"0"_s), office);
}

void TestChecks::codiceFiscaleDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("valid, typed small") << u"rssmra80a01h501u"_s << int(Desktop::Kind::Information)
                                        << u"Il codice fiscale digitato è VALIDO."_s << false;
    QTest::newRow("wrong") << u"RSSMRA80A01H501V"_s << int(Desktop::Kind::Warning)
                           << u"Attenzione: il codice fiscale digitato è ERRATO."_s << false;
    QTest::newRow("15 characters") << u"RSSMRA80A01H501"_s << int(Desktop::Kind::Warning) << kCfLength
                                   << true;
}

void TestChecks::codiceFiscaleDialog()
{
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    ScriptedDesktop desktop;
    TfrmCodFisc dialog;
    dialog.show();
    QTest::keyClicks(dialog.txtCodFisc, typed);
    QCOMPARE(dialog.txtCodFisc->text(), typed.toUpper());
    QTest::mouseClick(dialog.btnControlla, Qt::LeftButton);
    QCOMPARE(desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind(kind), message}));
    QCOMPARE(dialog.isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(dialog.focusWidget(), dialog.txtCodFisc);
}

void TestChecks::partitaIvaDialog_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("Torino") << u"01234560017"_s << int(Desktop::Kind::Information) << pivaValid(u"Torino"_s);
    QTest::newRow("unknown office") << u"00000001032"_s << int(Desktop::Kind::Information)
                                    << pivaValid(QString());
    QTest::newRow("wrong") << u"01234560018"_s << int(Desktop::Kind::Warning) << kPivaWrong;
    QTest::newRow("letter from a caller") << u"0123456A017"_s << int(Desktop::Kind::Warning) << kPivaWrong;
    QTest::newRow("ten digits") << u"0123456001"_s << int(Desktop::Kind::Warning) << kPivaLength;
}

void TestChecks::partitaIvaDialog()
{
    QFETCH(QString, number);
    QFETCH(int, kind);
    QFETCH(QString, message);
    ScriptedDesktop desktop;
    TfrmPartitaIva dialog;
    dialog.show();
    dialog.txtPartitaIva->setText(number);
    QTest::mouseClick(dialog.btnControlla, Qt::LeftButton);
    QCOMPARE(desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind(kind), message}));
    QCOMPARE(dialog.isVisible(), message == kPivaLength);
}

void TestChecks::dialogFieldsAndEnter()
{
    ScriptedDesktop desktop;
    TfrmPartitaIva piva;
    piva.show();
    QCOMPARE(piva.txtPartitaIva->maxLength(), 11);
    QTest::keyClicks(piva.txtPartitaIva, u"01a2-345.60017"_s);
    QCOMPARE(piva.txtPartitaIva->text(), u"01234560017"_s);
    QTest::keyClick(piva.txtPartitaIva, Qt::Key_Return);
    QCOMPARE(piva.focusWidget(), piva.btnControlla);
    QVERIFY(desktop.messages.isEmpty()); // Enter never starts the check

    TfrmCodFisc cf;
    cf.show();
    QCOMPARE(cf.txtCodFisc->maxLength(), 16);
    QTest::keyClicks(cf.txtCodFisc, u"rss mra"_s);
    QCOMPARE(cf.txtCodFisc->text(), u"RSSMRA"_s); // a blank typed at the end is gone before the next key
    QTest::keyClick(cf.txtCodFisc, Qt::Key_Return);
    QCOMPARE(cf.focusWidget(), cf.btnControlla);
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(cf.windowTitle(), u" Controllo codice fiscale"_s);
    QCOMPARE(piva.windowTitle(), u" Controllo partita IVA"_s);
}

void TestChecks::enterOnTheFocusedButtonPressesIt()
{
    ScriptedDesktop desktop;
    TfrmPartitaIva piva;
    piva.show();
    QVERIFY(QTest::qWaitForWindowActive(&piva));
    const QImage unfocused = piva.btnControlla->grab().toImage();
    QTest::keyClicks(piva.txtPartitaIva, u"01234560017"_s);
    QTest::keyClick(piva.txtPartitaIva, Qt::Key_Return); // the field's Enter only moves the focus
    QCOMPARE(piva.focusWidget(), piva.btnControlla);
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(piva.btnControlla->grab().toImage() != unfocused); // the focus mark shows
    QTest::keyClick(piva.btnControlla, Qt::Key_Return);        // the button's Enter presses it
    QCOMPARE(desktop.messages.size(), 1);
    QVERIFY(desktop.lastMessage().text.startsWith(u"Il numero di partita IVA digitato risulta VALIDO."_s));

    TfrmCodFisc cf;
    cf.show();
    QVERIFY(QTest::qWaitForWindowActive(&cf));
    QTest::keyClicks(cf.txtCodFisc, u"rssmra"_s);
    QTest::keyClick(cf.txtCodFisc, Qt::Key_Enter);
    QCOMPARE(cf.focusWidget(), cf.btnControlla);
    QTest::keyClick(cf.btnControlla, Qt::Key_Enter);
    QCOMPARE(desktop.lastMessage(),
             (ScriptedDesktop::Message{
                 Desktop::Kind::Warning,
                 u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s}));
}

void TestChecks::callerRule_data()
{
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<bool>("partitaIvaButton");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("dialogText");
    QTest::addColumn<QString>("warning");
    const QString noWarning;
    QTest::newRow("11 digits") << u" 01234560017 "_s << false << u"TfrmPartitaIva"_s << u"01234560017"_s << noWarning;
    QTest::newRow("16 characters") << u"rssmra80a01h501u"_s << false << u"TfrmCodFisc"_s
                                   << u"rssmra80a01h501u"_s << noWarning;
    QTest::newRow("empty") << u"   "_s << false << u"TfrmCodFisc"_s << QString() << noWarning;
    QTest::newRow("partita IVA button, letters") << u"ABC"_s << true << u"TfrmPartitaIva"_s << u"ABC"_s << noWarning;
    QTest::newRow("partita IVA button, empty") << QString() << true << u"TfrmPartitaIva"_s << QString() << noWarning;
    // A code too long for its dialog reaches it whole, so the length warning appears.
    QTest::newRow("13 digits") << u"0123456001799"_s << false << u"TfrmPartitaIva"_s << u"0123456001799"_s
                               << u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;
    QTest::newRow("17 characters") << u"RSSMRA80A01H501UX"_s << false << u"TfrmCodFisc"_s
                                   << u"RSSMRA80A01H501UX"_s
                                   << u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
}

void TestChecks::callerRule()
{
    QFETCH(QString, fieldText);
    QFETCH(bool, partitaIvaButton);
    QFETCH(QString, dialogClass);
    QFETCH(QString, dialogText);
    QFETCH(QString, warning);
    ScriptedDesktop desktop;
    QWidget owner;
    owner.show();
    withModal(
        [&] {
            if (partitaIvaButton)
                IdentityChecks::checkPartitaIvaField(&owner, fieldText);
            else
                IdentityChecks::checkCodiceFiscaleField(&owner, fieldText);
        },
        [&](QWidget* modal) {
            QCOMPARE(QString::fromLatin1(modal->metaObject()->className()), dialogClass);
            QCOMPARE(modal->findChild<QLineEdit*>()->text(), dialogText);
            if (!warning.isEmpty()) {
                click(modal->findChild<QPushButton*>(u"btnControlla"_s));
                QCOMPARE(desktop.lastMessage(), (ScriptedDesktop::Message{Desktop::Kind::Warning, warning}));
            }
        });
}

TARVENTO_GUI_TEST_MAIN(TestChecks)
#include "tst_checks.moc"
