#include "app/TfrmAvvio.h"
#include "card/CardProtocol.h"
#include "card/FieldBehaviour.h"
#include "f24/F24Screens.h"
#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "support/Files.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

// What the three card screens (property, receipt, F24) share and a habit must not break: the
// tool bar never takes the focus, a section switch focuses its first field, amount fields take
// the keys every field takes and never change what was typed, and closing with unsaved
// changes asks first.
class TestCardScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolBarTakesNoFocus_data();
    void toolBarTakesNoFocus();
    void sectionSwitchFocusesItsFirstField_data();
    void sectionSwitchFocusesItsFirstField();
    void dotAndKeypadDecimalAreTheComma_data();
    void dotAndKeypadDecimalAreTheComma();
    void editingKeysWorkInAmounts_data();
    void editingKeysWorkInAmounts();
    void pasteGoesThroughTheTypingRule_data();
    void pasteGoesThroughTheTypingRule();
    void eurosMoveToTheirCents();
    void notAnAmountStaysAsTypedAndIsRefused_data();
    void notAnAmountStaysAsTypedAndIsRefused();
    void f24RefusesAmountsItCannotHold();
    void closingWithUnsavedChanges_data();
    void closingWithUnsavedChanges();
    void cardsOnlyLookedAtCloseWithoutAQuestion_data();
    void cardsOnlyLookedAtCloseWithoutAQuestion();
    void navigationAndNewAskNothing();
};

namespace {

enum class Card { Immobili, Ricevute, F24 };

// A card screen as opened from the main menu, with what a valid save needs.
struct Opened {
    ApplicationScreen* screen = nullptr;
    CardForm* form = nullptr;
    QLabel* position = nullptr;
    QLabel* panInfo = nullptr;
    QString archive;
    int recordSize = 0;
    QStringList required; // field=text pairs a save asks for
};

Opened open(Card card, ScreenFixture& f)
{
    Opened o;
    frmAvvio->present();
    switch (card) {
    case Card::Immobili:
        click(frmAvvio->imgImmobili);
        o = {frmImmobili, &frmImmobili->form(), frmImmobili->lblPosizione, frmImmobili->panInfo,
             f.folder.filePath(SchedaImmobile::archiveName()), SchedaImmobile::layout().size(),
             {u"Immobile=Villa"_s}};
        break;
    case Card::Ricevute:
        click(frmAvvio->imgRicevute);
        frmMenuRicevute->txtAnnoFatture->setText(u"2024"_s);
        click(frmMenuRicevute->btnApriFatture);
        o = {frmRicevute, &frmRicevute->form(), frmRicevute->lblPosizione, frmRicevute->panInfo,
             f.folder.filePath(u"2024.ric"_s), SchedaRicevuta::layout().size(),
             {u"CognomeLoc01=Rossi"_s, u"CognomeCon01=Bianchi"_s, u"NumRic=7"_s, u"Data=15/03/2024"_s}};
        break;
    case Card::F24:
        click(frmAvvio->imgModelloF24);
        o = {frmModello_F24_Elide, &frmModello_F24_Elide->form(), frmModello_F24_Elide->lblPosizione,
             frmModello_F24_Elide->panInfo, f.folder.filePath(SchedaF24::archiveName()),
             SchedaF24::layout().size(), {u"CognomeCont=Rossi"_s, u"Data=15/03/2024"_s}};
        break;
    }
    o.screen->activateWindow();
    if (!QTest::qWaitForWindowActive(o.screen)) // leaving a field needs an active window
        qWarning("the card screen did not become active");
    return o;
}

QLineEdit* edit(const Opened& o, const QString& field)
{
    return qobject_cast<QLineEdit*>(o.form->control(field));
}

void fillRequired(const Opened& o)
{
    for (const QString& pair : o.required)
        FieldBehaviour::setTextOf(o.form->control(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
}

void press(const Opened& o, const char* name)
{
    click(control<QAbstractButton>(o.screen, name));
}

qint64 records(const Opened& o)
{
    return readFile(o.archive).size() / o.recordSize;
}

// Types into a field as a person does: focus, then keys.
void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(field, text);
}

// Presses a button whose action may open a modal dialog; the dialog, if any, is closed, and
// the result says whether one opened.
bool opensADialog(const Opened& o, const char* button)
{
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    press(o, button);
    QCoreApplication::processEvents();
    return opened;
}

} // namespace

void TestCardScreens::toolBarTakesNoFocus_data()
{
    QTest::addColumn<Card>("card");
    QTest::newRow("property") << Card::Immobili;
    QTest::newRow("receipt") << Card::Ricevute;
    QTest::newRow("F24") << Card::F24;
}

void TestCardScreens::toolBarTakesNoFocus()
{
    QFETCH(Card, card);
    ScreenFixture f;
    const Opened o = open(card, f);
    const QList<QToolButton*> buttons = control<QWidget>(o.screen, "panToolBar")->findChildren<QToolButton*>();
    QVERIFY(buttons.size() >= 14);
    for (QToolButton* button : buttons)
        QVERIFY2(button->focusPolicy() == Qt::NoFocus, qPrintable(button->objectName()));
    // Walking the whole screen with Tab never stops on one.
    for (int i = 0; i < 300; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QVERIFY2(!buttons.contains(focused), qPrintable(focused->objectName()));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

void TestCardScreens::sectionSwitchFocusesItsFirstField_data()
{
    QTest::addColumn<QString>("typedIn");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("property to tenant") << u"Immobile"_s << u"cmdConduttore_Blu"_s << u"CognomeCon01"_s
                                        << u"NomeCon01"_s;
    QTest::newRow("cadastral income to landlord")
        << u"CentRend01"_s << u"cmdLocatore_Blu"_s << u"CognomeLoc01"_s << u"NomeLoc01"_s;
    QTest::newRow("landlord to contract") << u"ClausoleAge"_s << u"cmdContratto_Blu"_s << u"UfficioTer"_s
                                          << u"TipoContratto"_s;
    QTest::newRow("contract to property") << u"Mappe"_s << u"cmdImmobile_Blu"_s << u"Immobile"_s
                                          << u"Tipologia"_s;
}

void TestCardScreens::sectionSwitchFocusesItsFirstField()
{
    QFETCH(QString, typedIn);
    QFETCH(QString, header);
    QFETCH(QString, first);
    QFETCH(QString, second);
    ScreenFixture f;
    const Opened o = open(Card::Immobili, f);
    // The section of the field typed into is shown first.
    for (const char* name : {"cmdImmobile_Blu", "cmdLocatore_Blu", "cmdConduttore_Blu", "cmdContratto_Blu"}) {
        auto* blue = control<QWidget>(o.screen, name);
        if (blue->isVisible())
            click(blue);
        if (o.form->control(typedIn)->isVisible())
            break;
    }
    FieldBehaviour::setTextOf(o.form->control(u"Immobile"_s), u"Villa al mare"_s);
    QWidget* field = o.form->control(typedIn);
    field->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(field, u"12"_s);

    click(control<QWidget>(o.screen, qPrintable(header)));
    QCOMPARE(QApplication::focusWidget(), o.form->control(first));
    // Space and Enter land in the field: no check box ticked, the card not cleared.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), o.form->control(second));
    for (QCheckBox* box : o.screen->findChildren<QCheckBox*>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(FieldBehaviour::textOf(o.form->control(u"Immobile"_s)).left(13), u"Villa al mare"_s);
    QVERIFY(FieldBehaviour::textOf(field).contains(u"12"_s));
}

void TestCardScreens::dotAndKeypadDecimalAreTheComma_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("field");
    QTest::newRow("receipt line") << Card::Ricevute << u"Importo01"_s;
    QTest::newRow("ISTAT percentage") << Card::Ricevute << u"PercIstat"_s;
    QTest::newRow("F24 line") << Card::F24 << u"Importo02"_s;
    QTest::newRow("F24 balance") << Card::F24 << u"Totale"_s;
}

void TestCardScreens::dotAndKeypadDecimalAreTheComma()
{
    QFETCH(Card, card);
    QFETCH(QString, field);
    ScreenFixture f;
    const Opened o = open(card, f);
    QLineEdit* amount = edit(o, field);
    typeInto(amount, u"800.5"_s); // the typed dot
    QCOMPARE(amount->text(), u"800,5"_s);
    amount->clear();
    QTest::keyClicks(amount, u"12"_s);
    QTest::keyClick(amount, Qt::Key_Period, Qt::KeypadModifier); // the keypad's decimal key
    QTest::keyClicks(amount, u"25"_s);
    QCOMPARE(amount->text(), u"12,25"_s);
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(amount->text(), u"12,25"_s);
    QVERIFY(!FieldBehaviour::isMarkedInvalid(amount));
}

void TestCardScreens::editingKeysWorkInAmounts_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("field");
    QTest::newRow("receipt") << Card::Ricevute << u"Importo03"_s;
    QTest::newRow("F24") << Card::F24 << u"Importo01"_s;
    QTest::newRow("property, digits") << Card::Immobili << u"ImpRend01"_s;
}

void TestCardScreens::editingKeysWorkInAmounts()
{
    QFETCH(Card, card);
    QFETCH(QString, field);
    ScreenFixture f;
    const Opened o = open(card, f);
    QLineEdit* amount = edit(o, field);
    amount->setText(u"8005"_s);
    amount->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier); // select all, then type over it
    QTest::keyClicks(amount, u"750"_s);
    QCOMPARE(amount->text(), u"750"_s);
    QTest::keyClick(amount, Qt::Key_Home);
    QTest::keyClicks(amount, u"1"_s);
    QCOMPARE(amount->text(), u"1750"_s);
    QTest::keyClick(amount, Qt::Key_End);
    QTest::keyClick(amount, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(amount, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(amount, u"9"_s);
    QCOMPARE(amount->text(), u"179"_s);
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"179"_s);
    QTest::keyClick(amount, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(amount->text(), QString());
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(amount->text(), u"179179"_s);
    QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(amount->text(), u"179"_s);
}

void TestCardScreens::pasteGoesThroughTheTypingRule_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("euro sign, thousands") << Card::Ricevute << u"Importo01"_s << u"€ 1.250,50"_s
                                          << u"1250,50"_s;
    QTest::newRow("a decimal dot") << Card::Ricevute << u"Importo02"_s << u"800.5"_s << u"800,5"_s;
    QTest::newRow("letters") << Card::Ricevute << u"Importo02"_s << u"abc"_s << u""_s;
    QTest::newRow("thousands, no decimals") << Card::F24 << u"Importo01"_s << u"12.000"_s << u"12000"_s;
    QTest::newRow("no minus sign on F24") << Card::F24 << u"Importo02"_s << u"-5,00"_s << u"5,00"_s;
    QTest::newRow("a partita IVA with its prefix") << Card::Immobili << u"PartitaIvaLoc01"_s
                                                   << u"IT 01234567890"_s << u"01234567890"_s;
}

void TestCardScreens::pasteGoesThroughTheTypingRule()
{
    QFETCH(Card, card);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    ScreenFixture f;
    const Opened o = open(card, f);
    if (card == Card::Immobili)
        click(control<QWidget>(o.screen, "cmdLocatore_Blu"));
    QLineEdit* target = edit(o, field);
    target->setFocus(Qt::OtherFocusReason);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(target->text(), result);
    // The field's menu pastes the same way.
    target->clear();
    QGuiApplication::clipboard()->setText(pasted);
    bool pastedFromTheMenu = false;
    QTimer::singleShot(0, [&pastedFromTheMenu] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(u"&Incolla"_s)) {
                pastedFromTheMenu = true;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            }
        }
        menu->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, target->rect().center(),
                              target->mapToGlobal(target->rect().center()));
    QApplication::sendEvent(target, &menuKey);
    QVERIFY(pastedFromTheMenu);
    QCOMPARE(target->text(), result);
    QCOMPARE(target->maxLength(), card == Card::Immobili ? 11 : 15 - 5 * int(card == Card::Ricevute));
}

void TestCardScreens::eurosMoveToTheirCents()
{
    ScreenFixture f;
    const Opened o = open(Card::Immobili, f);
    click(control<QWidget>(o.screen, "cmdContratto_Blu"));
    QLineEdit* euros = edit(o, u"ImpRata"_s);
    QLineEdit* cents = edit(o, u"CentRata"_s);
    // Keys go where the focus is, as a person's do.
    const auto type = [](const QString& keys) {
        for (const QChar c : keys)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    };
    euros->setFocus(Qt::OtherFocusReason);
    type(u"800.5"_s);
    QCOMPARE(euros->text(), u"800"_s);
    QCOMPARE(cents->text(), u"5"_s);
    QCOMPARE(QApplication::focusWidget(), cents);
    // A comma too, and the cents typed after it replace those there.
    edit(o, u"ImpCanone"_s)->setFocus(Qt::OtherFocusReason);
    type(u"9600,00"_s);
    QCOMPARE(edit(o, u"ImpCanone"_s)->text(), u"9600"_s);
    QCOMPARE(edit(o, u"CentCanone"_s)->text(), u"00"_s);
    edit(o, u"ImpCanone"_s)->setFocus(Qt::OtherFocusReason);
    type(u",25"_s);
    QCOMPARE(edit(o, u"CentCanone"_s)->text(), u"25"_s);
    // A pasted amount splits the same way.
    euros->clear();
    euros->setFocus(Qt::OtherFocusReason);
    QGuiApplication::clipboard()->setText(u"1.250,50"_s);
    QTest::keyClick(euros, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(euros->text(), u"1250"_s);
    QCOMPARE(cents->text(), u"50"_s);
}

void TestCardScreens::notAnAmountStaysAsTypedAndIsRefused_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("receipt") << Card::Ricevute << u"Importo03"_s << u"1-2"_s << u"Importo 3"_s
                             << QStringList{u"cmdStampa"_s, u"cmdAnteprima"_s};
    QTest::newRow("receipt, ISTAT") << Card::Ricevute << u"PercIstat"_s << u"-"_s << u"Percentuale ISTAT"_s
                                    << QStringList{u"cmdStampa"_s};
    QTest::newRow("F24") << Card::F24 << u"Importo01"_s << u"96,50,00"_s << u"Importo versato (1^ voce)"_s
                         << QStringList{u"cmdStampa"_s, u"cmdAnteprima"_s, u"cmdPDF"_s};
}

void TestCardScreens::notAnAmountStaysAsTypedAndIsRefused()
{
    QFETCH(Card, card);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QStringList, outputs);
    ScreenFixture f;
    const Opened o = open(card, f);
    fillRequired(o);
    QLineEdit* amount = edit(o, field);
    typeInto(amount, typed);
    QTest::keyClick(amount, Qt::Key_Return); // leaving the field keeps the text, marked
    QCOMPARE(amount->text(), typed);
    QVERIFY(FieldBehaviour::isMarkedInvalid(amount));
    QCOMPARE(amount->palette().color(QPalette::Text), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(o.panInfo->text(), u"\""_s + name +
                                    u"\": importo non valido. Scrivere solo le cifre e la virgola dei decimali, "
                                    u"ad esempio 650,50."_s);

    const ScriptedDesktop::Message refusal{
        Desktop::Kind::Warning,
        u"Attenzione: il campo \""_s + name + u"\" non contiene un importo valido (\""_s + typed +
            u"\").\n\r\n\rScrivere l'importo con le sole cifre e la virgola dei decimali, ad esempio 650,50, "
            u"e ripetere l'operazione."_s};
    press(o, "cmdSalva");
    QCOMPARE(f.desktop.lastMessage(), refusal);
    QCOMPARE(QApplication::focusWidget(), amount);
    QCOMPARE(records(o), 0);
    for (const QString& output : outputs) {
        f.desktop.messages.clear();
        QVERIFY2(!opensADialog(o, qPrintable(output)), qPrintable(output));
        QCOMPARE(f.desktop.messages, QList<ScriptedDesktop::Message>{refusal});
    }
    QCOMPARE(amount->text(), typed); // never turned into 0,00

    // Corrected, the mark goes and the card saves.
    amount->setText(u"1,5"_s);
    QVERIFY(!FieldBehaviour::isMarkedInvalid(amount));
    press(o, "cmdSalva");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Information);
    QCOMPARE(records(o), 1);
}

void TestCardScreens::f24RefusesAmountsItCannotHold()
{
    ScreenFixture f;
    const Opened o = open(Card::F24, f);
    fillRequired(o);
    // Ctrl+A and a new amount replace the old one.
    QLineEdit* first = edit(o, u"Importo01"_s);
    first->setText(u"100,00"_s);
    first->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(first, u"96,5"_s);
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(first->text(), u"96,50"_s);

    // Thirteen whole digits do not fit fifteen characters with their decimals.
    QLineEdit* second = edit(o, u"Importo02"_s);
    typeInto(second, u"1234567890123"_s);
    QTest::keyClick(second, Qt::Key_Return);
    QCOMPARE(second->text(), u"1234567890123"_s);
    QVERIFY(FieldBehaviour::isMarkedInvalid(second));
    QCOMPARE(o.panInfo->text(),
             u"\"Importo versato (2^ voce)\": importo troppo grande, al massimo 12 cifre prima della virgola."_s);
    press(o, "cmdSalva");
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                       u"Attenzione: l'importo indicato nel campo \"Importo versato (2^ voce)\" "
                                       u"è troppo grande: l'archivio ne conserva al massimo 12 cifre prima della "
                                       u"virgola.\n\r\n\rCorreggere l'importo e ripetere l'operazione."_s}));
    QCOMPARE(records(o), 0);

    // Twelve fit, but not a balance of thirteen.
    second->setText(u"999999999999,99"_s);
    first->setText(u"1"_s);
    press(o, "cmdCalcola");
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                       u"Attenzione: il saldo finale è troppo grande: il modello ne conserva al "
                                       u"massimo 12 cifre prima della virgola.\n\r\n\rCorreggere gli importi e "
                                       u"ripetere l'operazione."_s}));
    QCOMPARE(edit(o, u"Totale"_s)->text(), QString());
    press(o, "cmdSalva");
    QCOMPARE(f.desktop.lastMessage().text.left(38), u"Attenzione: il saldo finale è troppo g"_s);
    QCOMPARE(records(o), 0);
    second->setText(u"999999999998,99"_s);
    press(o, "cmdSalva");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Information);
    QCOMPARE(edit(o, u"Totale"_s)->text(), u"999999999999,99"_s);
    QCOMPARE(records(o), 1);
}

void TestCardScreens::closingWithUnsavedChanges_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<bool>("closeBox"); // or Esci
    QTest::addColumn<Desktop::Answer>("answer");
    QTest::addColumn<bool>("valid");   // the card can be saved
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("saved");
    using A = Desktop::Answer;
    for (Card card : {Card::Immobili, Card::Ricevute, Card::F24}) {
        const char* name = card == Card::Immobili ? "property" : card == Card::Ricevute ? "receipt" : "F24";
        QTest::addRow("%s, Sì", name) << card << false << A::Yes << true << true << 1;
        QTest::addRow("%s, Sì but the save refused", name) << card << false << A::Yes << false << false << 0;
        QTest::addRow("%s, No", name) << card << false << A::No << true << true << 0;
        QTest::addRow("%s, Annulla", name) << card << false << A::Cancel << true << false << 0;
        QTest::addRow("%s, close box, Annulla", name) << card << true << A::Cancel << true << false << 0;
        QTest::addRow("%s, close box, No", name) << card << true << A::No << true << true << 0;
    }
}

void TestCardScreens::closingWithUnsavedChanges()
{
    QFETCH(Card, card);
    QFETCH(bool, closeBox);
    QFETCH(Desktop::Answer, answer);
    QFETCH(bool, valid);
    QFETCH(bool, closes);
    QFETCH(int, saved);
    ScreenFixture f;
    const Opened o = open(card, f);
    // A field no save asks for: typed into alone, the card cannot be saved.
    QLineEdit* optional = edit(o, card == Card::Immobili ? u"Via01"_s : card == Card::Ricevute ? u"Note"_s
                                                                                            : u"Agenzia"_s);
    if (valid)
        fillRequired(o);
    else
        typeInto(optional, u"Bozza"_s);
    f.desktop.answers.enqueue(answer);
    if (closeBox)
        o.screen->close();
    else
        press(o, "cmdEsci");
    QVERIFY(!f.desktop.messages.isEmpty());
    QCOMPARE(f.desktop.messages.front(),
             (ScriptedDesktop::Message{Desktop::Kind::Confirmation,
                                       u"Le modifiche alla scheda corrente non sono state salvate. "
                                       u"Salvarle adesso?"_s}));
    QCOMPARE(o.screen->isVisible(), !closes);
    QCOMPARE(frmAvvio->isVisible(), closes);
    QCOMPARE(records(o), saved);
    if (!valid) // the save's own warning said why
        QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
    if (!closes) { // nothing typed is lost
        const QString first = o.required.front().section(u'=', 0, 0);
        QVERIFY(!FieldBehaviour::textOf(valid ? o.form->control(first) : optional).isEmpty());
    }
}

void TestCardScreens::cardsOnlyLookedAtCloseWithoutAQuestion_data()
{
    toolBarTakesNoFocus_data();
}

void TestCardScreens::cardsOnlyLookedAtCloseWithoutAQuestion()
{
    QFETCH(Card, card);
    ScreenFixture f;
    const auto closesSilently = [&f](const Opened& o) {
        f.desktop.messages.clear();
        press(o, "cmdEsci");
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(!o.screen->isVisible());
    };
    closesSilently(open(card, f)); // blank, never typed into

    Opened o = open(card, f);
    fillRequired(o);
    press(o, "cmdSalva");
    QCOMPARE(records(o), 1);
    closesSilently(o); // saved

    o = open(card, f);
    press(o, "cmdNuovo"); // a proposed number or date alone
    closesSilently(o);

    // Loaded by the arrows and looked through: keys that change nothing, even in an amount
    // field (which empties the total on screen).
    o = open(card, f);
    press(o, "cmdPrimo");
    QCOMPARE(o.position->text(), u"1"_s);
    const QString amount = card == Card::Immobili ? u"ImpRend01"_s : u"Importo01"_s;
    for (const QString& name : {o.required.front().section(u'=', 0, 0), amount}) {
        QWidget* field = o.form->control(name);
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    closesSilently(o);
}

void TestCardScreens::navigationAndNewAskNothing()
{
    ScreenFixture f;
    Opened o = open(Card::Ricevute, f);
    fillRequired(o);
    press(o, "cmdSalva");
    typeInto(edit(o, u"Note"_s), u"da rivedere"_s);
    f.desktop.messages.clear();
    press(o, "cmdNuovo"); // as always: no question
    QVERIFY(f.desktop.messages.isEmpty());
    typeInto(edit(o, u"Note"_s), u"altro"_s);
    press(o, "cmdPrimo");
    QVERIFY(f.desktop.messages.isEmpty());
    QCOMPARE(o.position->text(), u"1"_s);
}

TARVENTO_GUI_TEST_MAIN(TestCardScreens)
#include "tst_cardscreens.moc"
