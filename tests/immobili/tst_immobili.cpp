#include "app/TfrmAvvio.h"
#include "card/FieldBehaviour.h"
#include "immobili/SchedaImmobile.h"
#include "immobili/TfrmImmobili.h"
#include "platform/Picture.h"
#include "platform/TfrmGuida.h"
#include "support/Files.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QGroupBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRecord = 6653;

// A record built by hand at the record's offsets (6653 bytes, Immobile at 0).
QByteArray handRecord(const QList<std::pair<int, QByteArray>>& fields)
{
    QByteArray bytes(kRecord, '\0');
    for (const auto& [offset, field] : fields)
        bytes.replace(offset, field.size(), field);
    return bytes;
}

QWidget* fieldOf(const char* name)
{
    return control<QWidget>(frmImmobili, name);
}
QLineEdit* edit(const char* name)
{
    return control<QLineEdit>(frmImmobili, name);
}
QString textOf(const char* name)
{
    return FieldBehaviour::textOf(fieldOf(name));
}
void press(const char* button)
{
    click(control<QAbstractButton>(frmImmobili, button));
}
bool sectionShown(const char* panel)
{
    return control<QWidget>(frmImmobili, panel)->isVisible();
}

const ScriptedDesktop::Message kInserted{Desktop::Kind::Information,
                                         u"La scheda corrente è stata inserita in archivio."_s};

} // namespace

class TestImmobili : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codeFieldsShowTheirWholeText_data();
    void codeFieldsShowTheirWholeText();
    void recordTable();
    void everyVisibleFieldIsPlacedOnce();
    void handBuiltRecordLoadsIntoTheCard();
    void saveTwiceAppendsOnce();
    void saveNeedsADescription();
    void duplicate();
    void navigationFromANewCardAndAtTheEnds();
    void cardStartsBlankEachTime();
    void sectionPictures();
    void typingBehaviours_data();
    void typingBehaviours();
    void accentedLettersStayInCapitalsFields();
    void enterRings_data();
    void enterRings();
    void highlightFollowsFocus();
    void dropDowns();
    void codeButtonsAndEmail();
    void hints();
    void contextHelp();
};

void TestImmobili::everyVisibleFieldIsPlacedOnce()
{
    ScreenFixture f;
    const QStringList placed = openCard()->form().placedFields(); // a field placed twice fails to build
    QStringList visible;
    for (const CardField& field : SchedaImmobile::fields()) {
        if (field.entry != CardField::Entry::Hidden)
            visible.append(field.name);
    }
    QCOMPARE(QSet<QString>(placed.begin(), placed.end()), QSet<QString>(visible.begin(), visible.end()));
    QCOMPARE(placed.size(), visible.size());
}

void TestImmobili::recordTable()
{
    const RecordLayout& l = SchedaImmobile::layout();
    QCOMPARE(l.size(), kRecord);
    QCOMPARE(l.fields().size(), 130);
    const std::pair<const char*, int> offsets[] = {
        {"Immobile", 0},        {"Tipologia", 251},     {"Prov01", 400},        {"CentRend01", 1057},
        {"CognomeLoc01", 1060}, {"EmailLoc01", 1452},   {"CognomeCon01", 2310}, {"Pattuizioni", 4045},
        {"UfficioTer", 4296},   {"RateCauzione", 5093}, {"Mappe", 5129},        {"Accatasta01", 5132},
        {"Sospensiva", 5144},   {"File01", 5147},       {"Desc03", 6402}};
    for (const auto& [name, offset] : offsets)
        QCOMPARE(l.offset(QString::fromLatin1(name)), offset);
    QCOMPARE(l.offset(u"Desc03"_s) + l.field(u"Desc03"_s).size(), kRecord);

    ScreenFixture f;
    QCOMPARE(edit("txtImmobile")->maxLength(), 250);
    QCOMPARE(edit("txtSessoLoc01")->maxLength(), 1);
    QCOMPARE(control<QComboBox>(frmImmobili, "txtProvRes")->lineEdit()->maxLength(), 2);
    QCOMPARE(edit("txtCodContratto")->maxLength(), 17);
}

void TestImmobili::handBuiltRecordLoadsIntoTheCard()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), handRecord({{0, pascal("Villa al mare")},
                                              {251, pascal("Villa")},
                                              {1060, pascal("Bianch\xEC")},
                                              {1172, pascal("MI")},
                                              {2374, pascal("RSSMRA80A01H501U")},
                                              {4342, pascal("650")},
                                              {5129, pascal("3")},
                                              {5132, "\x02\x53\xEC"},
                                              {5135, "\x02No"},
                                              {5138, "\x02\x53\xEC"},
                                              {5398, pascal("foto.jpg")},
                                              {6402, pascal("Planimetria")}}) +
                                      handRecord({{0, pascal("Box")}, {5132, "\x02No"}}));
    TfrmImmobili* card = openCard();
    press("cmdPrimo");
    QCOMPARE(textOf("txtImmobile"), u"Villa al mare"_s);
    QCOMPARE(textOf("txtTipologia"), u"Villa"_s);
    QCOMPARE(textOf("txtCognomeLoc01"), u"Bianchì"_s);
    QCOMPARE(textOf("txtProvLoc01"), u"MI"_s);
    QCOMPARE(textOf("txtCodFiscCon01"), u"RSSMRA80A01H501U"_s);
    QCOMPARE(textOf("txtImpCanone"), u"650"_s);
    QCOMPARE(textOf("txtMappe"), u"3"_s);
    QVERIFY(control<QCheckBox>(card, "chkAccatasta01")->isChecked());
    QVERIFY(!control<QCheckBox>(card, "chkCedSi01")->isChecked());
    QVERIFY(control<QCheckBox>(card, "chkCedNo01")->isChecked());
    QCOMPARE(control<QLabel>(card, "lblFile02")->text(), u"foto.jpg"_s);
    QCOMPARE(control<QLabel>(card, "lblDesc03")->text(), u"Planimetria"_s);
    QCOMPARE(card->lblPosizione->text(), u"1"_s);

    // Record 2 holds "No" for one flag and nothing in the others: only that one changes.
    press("cmdAvanti");
    QCOMPARE(textOf("txtImmobile"), u"Box"_s);
    QCOMPARE(textOf("txtCognomeLoc01"), QString());
    QVERIFY(!control<QCheckBox>(card, "chkAccatasta01")->isChecked());
    QVERIFY(control<QCheckBox>(card, "chkCedNo01")->isChecked());
    QCOMPARE(control<QLabel>(card, "lblFile02")->text(), QString());
    QCOMPARE(card->lblPosizione->text(), u"2"_s);
}

void TestImmobili::saveTwiceAppendsOnce()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    edit("txtImmobile")->setText(u"  Appartamento in centro "_s);
    control<QComboBox>(card, "txtProvCon01")->setEditText(u"EE"_s);
    edit("txtImpCanone")->setText(u"650"_s);
    control<QCheckBox>(card, "chkCedSi01")->setChecked(true);
    control<QCheckBox>(card, "chkCedNo01")->setChecked(true); // the two are independent
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage(), kInserted);
    QCOMPARE(card->lblPosizione->text(), u"1"_s);

    edit("txtImmobile")->setText(u"Appartamento in centro storico"_s);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage().text,
             u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);

    const QByteArray bytes = readFile(propertyArchive(f.folder.path()));
    QCOMPARE(bytes.size(), kRecord);
    QCOMPARE(bytes.mid(0, 31), pascal("Appartamento in centro storico"));
    QCOMPARE(bytes.mid(2422, 3), pascal("EE"));
    QCOMPARE(bytes.mid(4342, 4), pascal("650"));
    QCOMPARE(bytes.mid(5132, 15), QByteArray("\x02No\x02\x53\xEC\x02\x53\xEC\x02No\x02No"));
    QCOMPARE(bytes.mid(5147, 1), QByteArray(1, '\0')); // no attachment
}

void TestImmobili::saveNeedsADescription()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    card->showSection(TfrmImmobili::Section::Contratto);
    edit("txtImmobile")->setText(u"   "_s);
    edit("txtUfficioTer")->setText(u"Roma 1"_s);
    press("cmdSalva");
    QCOMPARE(
        f.desktop.lastMessage(),
        (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                  u"Attenzione: per salvare la scheda è necessario indicare la descrizione "
                                  u"dell'immobile."_s}));
    QVERIFY(sectionShown("panImmobile"));
    QVERIFY(!sectionShown("panContratto"));
    QCOMPARE(card->focusWidget(), fieldOf("txtImmobile"));
    QVERIFY(readFile(propertyArchive(f.folder.path())).isEmpty());
}

void TestImmobili::duplicate()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    press("cmdDuplica");
    QCOMPARE(
        f.desktop.lastMessage(),
        (ScriptedDesktop::Message{Desktop::Kind::Warning,
                                  u"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                  u"questa è stata inserita in archivio."_s}));

    writeArchive(f.folder.path(), handRecord({{0, pascal("Casa")},
                                              {1060, pascal("Verdi")},
                                              {5132, "\x02\x53\xEC"},
                                              {5147, pascal("atto.pdf")},
                                              {5900, pascal("Atto")}}));
    press("cmdUltimo");
    card->showSection(TfrmImmobili::Section::Locatore);
    press("cmdDuplica");
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{
                 Desktop::Kind::Information,
                 u"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                 u"Al termine premere Salva per inserire la scheda in archivio."_s}));
    QVERIFY(sectionShown("panImmobile"));
    QCOMPARE(card->lblPosizione->text(), QString());
    QCOMPARE(control<QLabel>(card, "lblFile01")->text(), QString());
    QCOMPARE(control<QLabel>(card, "lblDesc01")->text(), QString());
    QCOMPARE(textOf("txtCognomeLoc01"), u"Verdi"_s);
    QVERIFY(control<QCheckBox>(card, "chkAccatasta01")->isChecked());

    edit("txtCognomeLoc01")->setText(u"Neri"_s);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage(), kInserted);
    const QByteArray bytes = readFile(propertyArchive(f.folder.path()));
    QCOMPARE(bytes.size(), 2 * kRecord);
    QCOMPARE(bytes.mid(1060, 6), pascal("Verdi")); // the original is unchanged
    QCOMPARE(bytes.mid(kRecord + 1060, 5), pascal("Neri"));
    QCOMPARE(bytes.mid(kRecord + 0, 5), pascal("Casa"));
    QCOMPARE(bytes.mid(kRecord + 5147, 1), pascal(""));
}

void TestImmobili::navigationFromANewCardAndAtTheEnds()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    press("cmdAvanti"); // a missing archive is created empty
    QCOMPARE(
        f.desktop.lastMessage(),
        (ScriptedDesktop::Message{Desktop::Kind::Information, u"L'archivio non contiene nessuna scheda."_s}));
    QVERIFY(QFile::exists(f.folder.filePath(u"Immobili.pro"_s)));

    writeArchive(f.folder.path(),
                 handRecord({{0, pascal("Uno")}}) + handRecord({{0, pascal("Due")}}) + QByteArray(100, 'x'));
    f.desktop.messages.clear();
    edit("txtImmobile")->setText(u"testo non salvato"_s);
    press("cmdAvanti");
    QCOMPARE(textOf("txtImmobile"), u"Uno"_s);
    press("cmdIndietro");
    QCOMPARE(card->lblPosizione->text(), u"1"_s);
    press("cmdUltimo");
    QCOMPARE(textOf("txtImmobile"), u"Due"_s);
    press("cmdAvanti");
    QCOMPARE(card->lblPosizione->text(), u"2"_s);
    QVERIFY(f.desktop.messages.isEmpty());

    QFile::remove(f.folder.filePath(u"Immobili.pro"_s));
    QVERIFY(QDir().mkdir(f.folder.filePath(u"Immobili.pro"_s))); // cannot be opened as an archive
    press("cmdPrimo");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Error);
    QCOMPARE(textOf("txtImmobile"), u"Due"_s);
    press("cmdSalva");
    QCOMPARE(f.desktop.lastMessage().kind, Desktop::Kind::Warning);
    QCOMPARE(card->lblPosizione->text(), u"2"_s);
}

void TestImmobili::cardStartsBlankEachTime()
{
    ScreenFixture f;
    writeArchive(f.folder.path(), handRecord({{0, pascal("Uno")}, {5398, pascal("a.jpg")}}));
    TfrmImmobili* card = openCard();
    press("cmdPrimo");
    card->showSection(TfrmImmobili::Section::Conduttore);
    press("cmdEsci");
    QVERIFY(frmAvvio->isVisible());
    openCard();
    QCOMPARE(textOf("txtImmobile"), QString());
    QCOMPARE(card->lblPosizione->text(), QString());
    QCOMPARE(control<QLabel>(card, "lblFile02")->text(), QString());
    QVERIFY(sectionShown("panImmobile"));
    QCOMPARE(card->focusWidget(), fieldOf("txtImmobile"));
    QCOMPARE(card->panInfo->text(), u"Pronto per archiviare una nuova scheda..."_s);

    press("cmdPrimo");
    press("cmdNuovo");
    QCOMPARE(textOf("txtImmobile"), QString());
    QCOMPARE(card->lblPosizione->text(), QString());
}

void TestImmobili::sectionPictures()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    const char* sections[][3] = {{"panImmobile", "cmdImmobile_Blu", "cmdImmobile_Red"},
                                 {"panLocatore", "cmdLocatore_Blu", "cmdLocatore_Red"},
                                 {"panConduttore", "cmdConduttore_Blu", "cmdConduttore_Red"},
                                 {"panContratto", "cmdContratto_Blu", "cmdContratto_Red"}};
    for (int chosen : {2, 1, 3, 0}) {
        click(control<QWidget>(card, sections[chosen][1]));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(sectionShown(sections[i][0]), i == chosen);
            QCOMPARE(control<QWidget>(card, sections[i][1])->isVisible(), i != chosen);
            QCOMPARE(control<QWidget>(card, sections[i][2])->isVisible(), i == chosen);
        }
    }
    click(control<QWidget>(card, "cmdImmobile_Red")); // no click handler
    QVERIFY(sectionShown("panImmobile"));
}

void TestImmobili::typingBehaviours_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits only") << u"txtImpCanone"_s << u"1.2,5a 0"_s << u"1250"_s;
    QTest::newRow("digits only, partita IVA") << u"txtPartitaIvaLoc01"_s << u"IT0123"_s << u"0123"_s;
    QTest::newRow("capitals on release") << u"txtCodFiscLoc01"_s << u"rss"_s << u"RSS"_s;
    QTest::newRow("a blank after capitals is dropped") << u"txtCodFiscLoc01"_s << u"RSS "_s << u"RSS"_s;
    QTest::newRow("blank gone before the next key") << u"txtCategoria01"_s << u"a 2"_s << u"A2"_s;
    QTest::newRow("trim on release") << u"txtEmailLoc01"_s << u" a@b.it "_s << u"a@b.it"_s;
    QTest::newRow("plain text") << u"txtComune01"_s << u"roma "_s << u"roma "_s;
    QTest::newRow("province while typing") << u"txtProv01"_s << u"mi"_s << u"MI"_s;
    QTest::newRow("province outside the list") << u"txtProvRes"_s << u"xx"_s << u"XX"_s;
}

void TestImmobili::typingBehaviours()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScreenFixture f;
    openCard();
    QWidget* w = frmImmobili->form().control(field.mid(3));
    QTest::keyClicks(w, typed);
    QCOMPARE(FieldBehaviour::textOf(w), shown);
}

void TestImmobili::accentedLettersStayInCapitalsFields()
{
    ScreenFixture f;
    openCard();
    QLineEdit* cf = edit("txtCodFiscLoc01");
    QTest::keyClick(cf, Qt::Key_A);
    QTest::sendKeyEvent(QTest::Press, cf, Qt::Key_unknown, u"à"_s, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, cf, Qt::Key_unknown, u"à"_s, Qt::NoModifier);
    QCOMPARE(cf->text(), u"Aà"_s);

    QLineEdit* digits = edit("txtImpRata");
    QTest::keyClicks(digits, u"12"_s);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Delete, Qt::Key_Home})
        QTest::keyClick(digits, key);
    QCOMPARE(digits->text(), u"1"_s); // Left and Delete work, Home moves to the start
    QTest::keyClicks(digits, u"3"_s);
    QCOMPARE(digits->text(), u"31"_s);
    QTest::keyClick(digits, Qt::Key_End);
    QTest::keyClick(digits, Qt::Key_Backspace);
    QCOMPARE(digits->text(), u"3"_s);
}

void TestImmobili::enterRings_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("property, next") << u"txtImmobile"_s << u"txtTipologia"_s;
    QTest::newRow("property, digits field") << u"txtImpRend01"_s << u"txtCentRend01"_s;
    QTest::newRow("property, ring closes") << u"txtCentRend01"_s << u"txtImmobile"_s;
    QTest::newRow("landlord, ring closes") << u"txtClausoleAge"_s << u"txtCognomeLoc01"_s;
    QTest::newRow("landlord, drop-down") << u"txtProvLoc01"_s << u"txtDataNascLoc01"_s;
    QTest::newRow("tenant, ring closes") << u"txtPattuizioni"_s << u"txtCognomeCon01"_s;
    QTest::newRow("contract, drop-down") << u"txtPeriodicita"_s << u"txtImpRata"_s;
    QTest::newRow("contract, ring closes") << u"txtMappe"_s << u"txtUfficioTer"_s;
}

void TestImmobili::enterRings()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    QWidget* start = card->form().control(from.mid(3));
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(card->focusWidget()->objectName(), to);
}

void TestImmobili::highlightFollowsFocus()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    QVERIFY(QTest::qWaitForWindowActive(card));
    QWidget* first = fieldOf("txtImmobile");
    QWidget* second = fieldOf("txtTipologia");
    QVERIFY(FieldBehaviour::isHighlighted(first));
    QTest::keyClick(first, Qt::Key_Return);
    QVERIFY(!FieldBehaviour::isHighlighted(first));
    QVERIFY(FieldBehaviour::isHighlighted(second));

    card->showSection(TfrmImmobili::Section::Locatore);
    QLineEdit* email = edit("txtEmailLoc01");
    email->setFocus();
    email->setText(u"  mario@example.it  "_s);
    fieldOf("txtFaxLoc01")->setFocus(); // leaving the e-mail field trims it
    QCOMPARE(email->text(), u"mario@example.it"_s);
    int highlighted = 0;
    for (QWidget* w : card->findChildren<QWidget*>())
        highlighted += FieldBehaviour::isHighlighted(w);
    QCOMPARE(highlighted, 1);
}

void TestImmobili::dropDowns()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    auto* tipologia = control<QComboBox>(card, "txtTipologia");
    QCOMPARE(tipologia->count(), 12);
    QCOMPARE(tipologia->itemText(11), u"Villa"_s);
    QCOMPARE(control<QComboBox>(card, "txtUtilizzo")->count(), 14);
    QCOMPARE(control<QComboBox>(card, "txtPeriodicita")->itemText(2),
             u"Rata canone di locazione semestrale"_s);
    auto* prov = control<QComboBox>(card, "txtProvDom");
    QCOMPARE(prov->count(), 112);
    QCOMPARE(prov->itemText(31), u"EE"_s);

    tipologia->setCurrentIndex(11);
    fieldOf("txtImmobile")->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(card));
    tipologia->setFocus();
    QCOMPARE(tipologia->currentText(), u"Villa"_s);
    QCOMPARE(tipologia->currentIndex(), -1);
}

void TestImmobili::codeButtonsAndEmail()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    card->showSection(TfrmImmobili::Section::Conduttore);
    edit("txtCodFiscCon01")->setText(u"01234560017"_s);
    withModal([&] { click(control<QWidget>(card, "btnCodFiscCon01")); },
              [&](QWidget* modal) {
                  QCOMPARE(modal->windowTitle(), u" Controllo partita IVA"_s);
                  QCOMPARE(modal->findChild<QLineEdit*>(u"txtPartitaIva"_s)->text(), u"01234560017"_s);
              });
    edit("txtCodFiscCon01")->setText(u"RSSMRA80A01H501U"_s);
    withModal([&] { click(control<QWidget>(card, "btnCodFiscCon01")); },
              [&](QWidget* modal) {
                  QCOMPARE(modal->findChild<QLineEdit*>(u"txtCodFisc"_s)->text(), u"RSSMRA80A01H501U"_s);
              });
    withModal([&] { click(control<QWidget>(card, "btnPartitaIvaCon01")); },
              [&](QWidget* modal) {
                  QCOMPARE(modal->windowTitle(), u" Controllo partita IVA"_s); // even when the field is empty
              });

    edit("txtEmailCon01")->setText(u"  mario.rossi@example.it "_s);
    click(control<QWidget>(card, "btnEmailCon01"));
    QCOMPARE(f.desktop.opened.size(), 1);
    QCOMPARE(f.desktop.opened[0].scheme(), u"mailto"_s);
    QCOMPARE(f.desktop.opened[0].path(), u"mario.rossi@example.it"_s);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestImmobili::hints()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    auto moveOver = [](QWidget* w, QPoint at = QPoint(2, 2)) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    moveOver(control<QWidget>(card, "cmdSalva"));
    QCOMPARE(card->panInfo->text(), u"Salva o aggiorna la scheda corrente."_s);
    moveOver(fieldOf("txtImmobile"));
    QCOMPARE(card->panInfo->text(), u"Salva o aggiorna la scheda corrente."_s);
    moveOver(control<QWidget>(card, "cmdLocatore_Blu"));
    QCOMPARE(card->panInfo->text(), u"Visualizza la sezione relativa ai dati del Locatore."_s);
    click(control<QWidget>(card, "cmdLocatore_Blu")); // the section shown, as under a real mouse
    moveOver(control<QWidget>(card, "btnCodFiscLoc01"));
    QCOMPARE(card->panInfo->text(), u"Controlla il codice fiscale."_s);
    click(control<QWidget>(card, "cmdImmobile_Blu"));
    QWidget* panel = control<QWidget>(card, "panImmobile");
    moveOver(panel, QPoint(panel->width() - 3, panel->height() - 3)); // the panel's own background
    QCOMPARE(card->panInfo->text(), QString());
    // The inside of a framed box and the gaps of the tool bar are background too.
    moveOver(control<QWidget>(card, "cmdSalva"));
    QGroupBox* box = nullptr;
    for (QGroupBox* b : card->findChildren<QGroupBox*>())
        box = b->isVisible() ? b : box;
    QVERIFY(box);
    moveOver(box, QPoint(box->width() - 3, box->height() - 3));
    QCOMPARE(card->panInfo->text(), QString());
    moveOver(control<QWidget>(card, "cmdSalva"));
    QWidget* bar = control<QWidget>(card, "panToolBar");
    QList<QWidget*> groups = bar->findChildren<QWidget*>(u"toolGroup"_s, Qt::FindDirectChildrenOnly);
    std::sort(groups.begin(), groups.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QVERIFY(groups.size() > 1 && groups[1]->x() > groups[0]->geometry().right() + 1);
    moveOver(bar, QPoint(groups[0]->geometry().right() + 1, bar->height() / 2));
    QCOMPARE(card->panInfo->text(), QString());
}

void TestImmobili::contextHelp()
{
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    withModal([&] { press("cmdGuida"); },
              [&](QWidget* modal) {
                  auto* help = qobject_cast<TfrmGuida*>(modal);
                  QVERIFY(help);
                  QCOMPARE(help->lblTitolo->text(), u"Archivio Immobili."_s);
              });
    const QStringList paragraphs = TfrmImmobili::help().text().split(u"\r\n\r\n"_s);
    QCOMPARE(paragraphs.size(), 6);
    QVERIFY(paragraphs[2].contains(u"Duplica"_s));
    QVERIFY(paragraphs[4].contains(u"Apri"_s));
    Q_UNUSED(card);
}

namespace {
struct PeekLineEdit : QLineEdit {
    using QLineEdit::cursorRect;
};
} // namespace

void TestImmobili::codeFieldsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    // Wide capitals make the widest codice fiscale; a contract code is capitals and digits.
    QTest::newRow("Locatore") << u"CodFiscLoc01"_s << u"WWWMMM80M41W999W"_s;
    QTest::newRow("Rappresentante") << u"CodFiscRap"_s << u"WWWMMM80M41W999W"_s;
    QTest::newRow("Conduttore") << u"CodFiscCon01"_s << u"WWWMMM80M41W999W"_s;
    QTest::newRow("contratto") << u"CodContratto"_s << u"TNB23T012345000AB"_s;
}

void TestImmobili::codeFieldsShowTheirWholeText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    ScreenFixture f;
    TfrmImmobili* card = openCard();
    auto* edit = card->findChild<QLineEdit*>(u"txt"_s + field);
    QVERIFY(edit);
    edit->setText(text);
    // With the whole text in view, the caret at the end stands one text width after the
    // caret at the start; a field too narrow scrolls, and the distance is shorter.
    // (A line edit scrolls when it paints.)
    edit->setCursorPosition(0);
    edit->grab();
    const int start = static_cast<PeekLineEdit*>(edit)->cursorRect().center().x();
    edit->setCursorPosition(int(text.size()));
    edit->grab();
    const int end = static_cast<PeekLineEdit*>(edit)->cursorRect().center().x();
    QVERIFY2(qAbs(end - start - edit->fontMetrics().horizontalAdvance(text)) <= 1,
             qPrintable(u"%1 of %2 pixels shown"_s.arg(end - start).arg(edit->fontMetrics().horizontalAdvance(text))));
}

TARVENTO_GUI_TEST_MAIN(TestImmobili)
#include "tst_immobili.moc"
