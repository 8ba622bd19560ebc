#include "card/CardForm.h"
#include "card/CardProtocol.h"
#include "card/TypedText.h"
#include "platform/Failure.h"
#include "storage/ArchiveFile.h"
#include "support/ScriptedDesktop.h"
#include "support/TestMain.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using E = CardField::Entry;

namespace {

// A small card with the kinds the receipt and F24 screens add: amounts, a read-only field,
// a stored label.
const QList<CardField>& fields()
{
    static const QList<CardField> table = {
        {u"Causale"_s, 20, E::Text, 0, u"Causale:"_s},
        {u"Importo"_s, 10, E::Amount, 0, u"Importo:"_s},
        {u"Istat"_s, 10, E::Amount, 0, u""_s},
        {u"Lettere"_s, 30, E::ReadOnly, 0, u"Euro:"_s},
        {u"Totale"_s, 10, E::Label, 0, u""_s},
        {u"Causale2"_s, 20, E::Text, 0, u"Causale:"_s},
        {u"Importo2"_s, 10, E::Amount, 0, u"Importo:"_s},
    };
    return table;
}

const RecordLayout& layout()
{
    static const RecordLayout record = layoutOf(fields());
    return record;
}

struct Card {
    QWidget screen;
    CardForm form{fields(), &screen};
    QStringList keys; // "field:key" for every key an amount field saw

    Card()
    {
        form.setAmountRule({[](QChar c) { return c.isDigit() || c == u','; },
                            [](const QString& t) { return t.isEmpty() ? t : t + u"!"_s; }});
        form.onAmountKey(
            [this](const QString& field, int key) { keys.append(field + u':' + QString::number(key)); });
        form.setRing({u"Importo"_s, u"Causale2"_s, u"Istat"_s, u"Importo2"_s, u"Causale"_s});
        form.applyBehaviours();
        form.buildGrid(u"panGriglia"_s,
                       {{u"Causale"_s, u"Importo"_s},
                        {u"'ISTAT:"_s, u""_s, u""_s, u"Istat"_s},
                        {u"Causale2"_s, u"Importo2"_s}},
                       &screen)
            ->setParent(&screen);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
    }
    QLineEdit* edit(const char* name)
    {
        return static_cast<QLineEdit*>(form.control(QString::fromLatin1(name)));
    }
};

} // namespace

class TestCardForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amountFieldKeysAndTidy();
    void typedText_data();
    void typedText();
    void ringGivenAsData();
    void readOnlyFieldsAndStoredLabels();
    void gridColumnsLineUp();
    void unknownNamesFailLoudly();
    void sectionRowsAreChecked_data();
    void sectionRowsAreChecked();
    void accessMessageKindPerOperation();
};

void TestCardForm::amountFieldKeysAndTidy()
{
    Card card;
    QLineEdit* importo = card.edit("Importo");
    importo->setFocus();
    QTest::keyClicks(importo, u"1a2.5-"_s);
    QCOMPARE(importo->text(), u"12,5"_s); // the rule takes digits and the comma; the dot is the comma
    QCOMPARE(card.keys.size(), 6);        // every key was announced, swallowed or not
    QCOMPARE(card.keys.front(), u"Importo:"_s + QString::number(Qt::Key_1));
    QTest::keyClick(importo, Qt::Key_Backspace);
    QTest::keyClick(importo, Qt::Key_Left);
    QTest::keyClick(importo, Qt::Key_Delete);
    QCOMPARE(importo->text(), u"12"_s);

    QTest::keyClick(importo, Qt::Key_Return); // announced too, then moves on
    QCOMPARE(card.keys.last(), u"Importo:"_s + QString::number(Qt::Key_Return));
    QCOMPARE(importo->text(), u"12!"_s); // tidied on leaving
    QCOMPARE(card.screen.focusWidget(), card.form.control(u"Causale2"_s));
    QTest::keyClicks(card.edit("Causale2"), u"a.-"_s); // text fields are not amounts
    QCOMPARE(card.edit("Causale2")->text(), u"a.-"_s);
    QCOMPARE(card.keys.size(), 10);
}

void TestCardForm::typedText_data()
{
    QTest::addColumn<QString>("rule"); // amount, F24 (no minus), digits, euros
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("here");
    QTest::addColumn<QString>("next"); // "-": no separator moved on
    QTest::newRow("a key") << u"amount"_s << u"7"_s << u"7"_s << u"-"_s;
    QTest::newRow("the keypad's dot") << u"amount"_s << u"."_s << u","_s << u"-"_s;
    QTest::newRow("a refused key") << u"amount"_s << u"a"_s << u""_s << u"-"_s;
    QTest::newRow("a decimal dot pasted") << u"amount"_s << u"800.5"_s << u"800,5"_s << u"-"_s;
    QTest::newRow("thousands and decimals") << u"amount"_s << u"1.250,50"_s << u"1250,50"_s << u"-"_s;
    QTest::newRow("thousands only") << u"amount"_s << u"12.000"_s << u"12000"_s << u"-"_s;
    QTest::newRow("millions") << u"amount"_s << u"-1.234.567,8"_s << u"-1234567,8"_s << u"-"_s;
    QTest::newRow("with a euro sign") << u"amount"_s << u"€ 1.250,50"_s << u"1250,50"_s << u"-"_s;
    QTest::newRow("three decimals, not thousands") << u"amount"_s << u"0.125"_s << u"0,125"_s << u"-"_s;
    QTest::newRow("badly grouped") << u"amount"_s << u"1.25.000"_s << u"1,25,000"_s << u"-"_s;
    QTest::newRow("no minus on F24") << u"F24"_s << u"-5,00"_s << u"5,00"_s << u"-"_s;
    QTest::newRow("digits keep digits") << u"digits"_s << u"IT 0123-4"_s << u"01234"_s << u"-"_s;
    QTest::newRow("digits drop a separator") << u"digits"_s << u"12,50"_s << u"1250"_s << u"-"_s;
    QTest::newRow("euros, a key") << u"euros"_s << u"."_s << u""_s << u""_s;
    QTest::newRow("euros and cents") << u"euros"_s << u"1.250,50"_s << u"1250"_s << u"50"_s;
    QTest::newRow("euros, a second separator") << u"euros"_s << u"800,5,1"_s << u"800"_s << u"51"_s;
}

void TestCardForm::typedText()
{
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(QString, here);
    QFETCH(QString, next);
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    TypedText::Rule r{digit};
    if (rule == u"amount"_s)
        r.accepts = [digit](QChar c) { return digit(c) || c == u',' || c == u'-'; };
    else if (rule == u"F24"_s)
        r.accepts = [digit](QChar c) { return digit(c) || c == u','; };
    r.separatorMovesOn = rule == u"euros"_s;
    const TypedText::Typed typed = TypedText::filter(text, r);
    QCOMPARE(typed.here, here);
    QCOMPARE(typed.movesOn ? typed.next : u"-"_s, next);
}

void TestCardForm::ringGivenAsData()
{
    Card card;
    card.edit("Importo")->setFocus();
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(card.screen.focusWidget(), Qt::Key_Return);
        visited.append(card.screen.focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{u"txtCausale2"_s, u"txtIstat"_s, u"txtImporto2"_s, u"txtCausale"_s,
                                   u"txtImporto"_s}));
    QTest::keyClick(card.screen.focusWidget(), Qt::Key_Tab); // Tab follows the ring as well
    QCOMPARE(card.screen.focusWidget()->objectName(), u"txtCausale2"_s);
}

void TestCardForm::readOnlyFieldsAndStoredLabels()
{
    Card card;
    QLineEdit* lettere = card.edit("Lettere");
    auto* totale = qobject_cast<QLabel*>(card.form.control(u"Totale"_s));
    QVERIFY(lettere->isReadOnly());
    QVERIFY(totale);
    QCOMPARE(totale->objectName(), u"txtTotale"_s);
    QCOMPARE(card.form.ring(0).size(), 5); // neither is typed into

    Record r(layout());
    r.setText(u"Lettere"_s, u"SETTECENTONOVE"_s);
    r.setText(u"Totale"_s, u"709,75"_s);
    card.form.showRecord(r);
    QCOMPARE(lettere->text(), u"SETTECENTONOVE"_s);
    QCOMPARE(totale->text(), u"709,75"_s);

    totale->setText(u"1,00"_s);
    Record back(layout());
    card.form.fillRecord(back);
    QCOMPARE(back.text(u"Totale"_s), u"1,00"_s);
    QCOMPARE(back.text(u"Lettere"_s), u"SETTECENTONOVE"_s);
    card.form.clear();
    QCOMPARE(totale->text(), QString());
    QCOMPARE(lettere->text(), QString());
}

void TestCardForm::gridColumnsLineUp()
{
    Card card;
    auto* grid = qobject_cast<QGridLayout*>(card.screen.findChild<QWidget*>(u"panGriglia"_s)->layout());
    QVERIFY(grid);
    auto cell = [&](int row, int column) {
        QLayoutItem* item = grid->itemAtPosition(row, column);
        return item ? item->widget() : nullptr;
    };
    QCOMPARE(cell(0, 1), card.form.control(u"Causale"_s));
    QCOMPARE(cell(0, 3), card.form.control(u"Importo"_s));
    QCOMPARE(cell(1, 3), card.form.control(u"Istat"_s)); // no caption: the control in the amount column
    QCOMPARE(cell(2, 3), card.form.control(u"Importo2"_s));
    QCOMPARE(card.edit("Istat")->x(), card.edit("Importo2")->x());
}

void TestCardForm::unknownNamesFailLoudly()
{
    QWidget screen;
    CardForm form(fields(), &screen);
    try {
        form.buildGrid(u"panX"_s, {{u"Causale"_s, u"Importo9"_s}}, &screen);
        QFAIL("an unknown field was placed");
    } catch (const Failure& f) {
        QVERIFY(f.message().contains(u"Causale Importo9"_s));
    }
    form.setRing({u"Causale"_s, u"Nessuno"_s});
    QVERIFY_THROWS_EXCEPTION(Failure, form.applyBehaviours());
}

void TestCardForm::sectionRowsAreChecked_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("named"); // the row the message names
    QTest::newRow("fine") << QList<QStringList>{{u"Causale"_s, u"'testo"_s}, {u"Importo"_s}} << 0
                          << QString();
    QTest::newRow("unknown field") << QList<QStringList>{{u"Causale"_s}, {u"Importo"_s, u"Nessuno"_s}} << 0
                                   << u"riga Importo Nessuno"_s;
    QTest::newRow("unknown extra") << QList<QStringList>{{u"Causale"_s, u"@btnNessuno"_s}} << 0
                                   << u"riga Causale @btnNessuno"_s;
    QTest::newRow("placed twice") << QList<QStringList>{{u"Causale"_s}, {u"Importo"_s, u"Causale"_s}} << 0
                                  << u"riga Importo Causale"_s;
    QTest::newRow("another section") << QList<QStringList>{{u"Causale"_s}} << 1 << u"riga Causale"_s;
}

void TestCardForm::sectionRowsAreChecked()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(int, section);
    QFETCH(QString, named);
    QWidget screen;
    CardForm form(fields(), &screen);
    try {
        form.buildSection(u"panProva"_s, rows, &screen, section);
        QVERIFY2(named.isEmpty(), "a faulty row was accepted");
        QCOMPARE(form.placedFields(), (QStringList{u"Causale"_s, u"Importo"_s}));
    } catch (const Failure& f) {
        QVERIFY2(!named.isEmpty(), qPrintable(f.message()));
        QVERIFY2(f.message().contains(u"panProva, "_s + named), qPrintable(f.message()));
    }
}

void TestCardForm::accessMessageKindPerOperation()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    QLabel position;
    const RecordLayout layout = layoutOf(fields());
    CardProtocol protocol({[&] { return dir.filePath(u"manca/Prova.ric"_s); },
                           &layout,
                           &position,
                           [](Record&) {},
                           [](const Record&) {},
                           Desktop::Kind::Warning,
                           Desktop::Kind::Error,
                           {{CardOperation::First, Desktop::Kind::Warning}}});
    const QList<std::pair<NavigationButton, Desktop::Kind>> expected = {
        {NavigationButton::First, Desktop::Kind::Warning},
        {NavigationButton::Previous, Desktop::Kind::Error},
        {NavigationButton::Next, Desktop::Kind::Error},
        {NavigationButton::Last, Desktop::Kind::Error}};
    for (const auto& [button, kind] : expected) {
        protocol.navigate(button);
        QCOMPARE(desktop.lastMessage(), (ScriptedDesktop::Message{kind, CardProtocol::accessMessage()}));
    }
    QVERIFY(!protocol.save());
    QCOMPARE(desktop.lastMessage().kind, Desktop::Kind::Warning);
    QCOMPARE(protocol.failureKind(CardOperation::New), Desktop::Kind::Error);
}

TARVENTO_GUI_TEST_MAIN(TestCardForm)
#include "tst_cardform.moc"
