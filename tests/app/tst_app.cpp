#include "app/CommandLine.h"
#include "app/Crypt.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "platform/Failure.h"
#include "platform/LinkBehaviour.h"
#include "platform/Picture.h"
#include "platform/ProfileFile.h"
#include "platform/TfrmGuida.h"
#include "support/CommandRun.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QPushButton>
#include <QUrlQuery>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const ScriptedDesktop::Message kWrongPassword{Desktop::Kind::Plain, u"Attenzione: password errata."_s};

QString storedValue(const QString& folder)
{
    return ProfileFile::read(folder + u"/unins000.dll"_s, u"Accesso"_s, u"Valore"_s);
}

void present(ApplicationScreen* screen)
{
    screen->present();
    QVERIFY(QTest::qWaitForWindowActive(screen));
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

void pressEnter(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Return);
}

// Whether Qt Charts is mapped into this process.
bool chartsLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cipher();
    void cipherRejectsBadHex();
    void shippedPasswordFileHoldsTheStartPassword();
    void screensBuiltWhenFirstNeeded();
    void loginEnablingAndWrongPassword();
    void loginIsCaseInsensitiveAndTrimmed();
    void loginReadFailures();
    void changePassword();
    void changePasswordRefusals();
    void changePasswordKeepsOnlyWhatLogsIn_data();
    void changePasswordKeepsOnlyWhatLogsIn();
    void passwordFileReadWithinLimits_data();
    void secondCopyOnTheSameDataIsRefused();
    void commandLineWithoutDisplay();
    void passwordFileReadWithinLimits();
    void mainMenuHandOvers();
    void endingTheProgram();
    void helpDialog();
    void informationAndAboutLinks();
    void linkColours();
};

void TestApp::cipher()
{
    for (int first : {0, 1}) { // every byte value, in two texts of 255 characters
        QString all;
        for (int c = first; c < first + 255; ++c)
            all.append(QChar(c));
        const QString hex = Crypt::encode(all);
        QCOMPARE(hex.size(), 510);
        QCOMPARE(Crypt::decode(hex), all);
        QCOMPARE(Crypt::decode(hex.toLower()), all);
    }

    // The first byte is the character XOR the high byte of the start key 9386 (0x24AA).
    QCOMPARE(Crypt::encode(u"C"_s), u"67"_s);
    QCOMPARE(Crypt::encode(u"CHIAVEPARTENZA"_s), u"67D5E0CF8D26283905416B14446A"_s);
    QCOMPARE(Crypt::decode(u"67D5E0CF8D26283905416B14446A7"_s), u"CHIAVEPARTENZA"_s); // odd digit ignored
    QCOMPARE(Crypt::encode(QString()), QString());
    QCOMPARE(Crypt::encode(QString(300, u'a')).size(), 510); // at most 255 characters
}

void TestApp::cipherRejectsBadHex()
{
    QVERIFY_THROWS_EXCEPTION(Failure, Crypt::decode(u"67ZZ"_s));
    QVERIFY_THROWS_EXCEPTION(Failure, Crypt::decode(u"6 "_s));
}

void TestApp::shippedPasswordFileHoldsTheStartPassword()
{
    const QString value =
        ProfileFile::read(QStringLiteral(SOURCE_DIR "/resources/unins000.dll"), u"Accesso"_s, u"Valore"_s);
    QCOMPARE(value, u"67D5E0CF8D26283905416B14446A"_s); // CHIAVEPARTENZA, pinned in cipher()
}

void TestApp::screensBuiltWhenFirstNeeded()
{
    ScreenFixture f;
    QCOMPARE(ScreenRegistry::built(),
             QList<QWidget*>{frmPassword.get()}); // start builds the password window alone

    // The application screens, each built on first use and kept; then a fresh instance of
    // every dialog screen. Each of the 33 has its own class and a caption after one blank.
    // Qt Charts comes with the statistics screen's chart, not with the start.
    QVERIFY(!chartsLoaded());
    QList<QWidget*> screens = {
        frmPassword.get(),     frmAvvio.get(),    frmCambiaPassword.get(), frmImmobili.get(),
        frmMenuRicevute.get(), frmRicevute.get(), frmStatisticheRic.get(), frmModello_F24_Elide.get()};
    QCOMPARE(ScreenRegistry::built(), screens);
    QVERIFY(chartsLoaded());
    QCOMPARE(frmImmobili.get(), screens[3]); // kept: the same screen every time
    std::vector<std::unique_ptr<QWidget>> dialogs;
    auto fresh = [&](QWidget* dialog) {
        dialogs.emplace_back(dialog);
        screens.append(dialog);
    };
    fresh(new TfrmGuida);
    fresh(new TfrmInfo);
    fresh(new TfrmSplash);
    fresh(new TfrmCodFisc);
    fresh(new TfrmPartitaIva);
    fresh(new TfrmAllegaCartella);
    fresh(new TfrmTrovaImmobili);
    fresh(new TfrmExpImmobili);
    fresh(new TfrmLogo);
    fresh(new TfrmVoci);
    fresh(new TfrmNumerazioneRic);
    fresh(new TfrmTrovaRicevute);
    fresh(new TfrmSospeseRic);
    fresh(new TfrmRiepAnnualeRic);
    fresh(new TfrmRiepMensileRic);
    fresh(new TfrmRiepTrimestraleRic);
    fresh(new TfrmExpRicevute);
    fresh(new TfrmStampaRic);
    fresh(new TfrmAnteprimaRic);
    fresh(new TfrmStampaElide);
    fresh(new TfrmAnteprimaF24);
    fresh(new TfrmCrea_PDF_F24);
    fresh(new TfrmTrovaF24);
    fresh(new TfrmExpF24);
    fresh(new TfrmCodici_Tributo);
    const QStringList expected = {
        u"TfrmPassword"_s,      u"TfrmAvvio"_s,          u"TfrmCambiaPassword"_s, u"TfrmImmobili"_s,
        u"TfrmMenuRicevute"_s,  u"TfrmRicevute"_s,       u"TfrmStatisticheRic"_s, u"TfrmModello_F24_Elide"_s,
        u"TfrmGuida"_s,         u"TfrmInfo"_s,           u"TfrmSplash"_s,         u"TfrmCodFisc"_s,
        u"TfrmPartitaIva"_s,    u"TfrmAllegaCartella"_s, u"TfrmTrovaImmobili"_s,  u"TfrmExpImmobili"_s,
        u"TfrmLogo"_s,          u"TfrmVoci"_s,           u"TfrmNumerazioneRic"_s, u"TfrmTrovaRicevute"_s,
        u"TfrmSospeseRic"_s,    u"TfrmRiepAnnualeRic"_s, u"TfrmRiepMensileRic"_s, u"TfrmRiepTrimestraleRic"_s,
        u"TfrmExpRicevute"_s,   u"TfrmStampaRic"_s,      u"TfrmAnteprimaRic"_s,   u"TfrmStampaElide"_s,
        u"TfrmAnteprimaF24"_s,  u"TfrmCrea_PDF_F24"_s,   u"TfrmTrovaF24"_s,       u"TfrmExpF24"_s,
        u"TfrmCodici_Tributo"_s};
    QCOMPARE(screens.size(), 33);
    for (int i = 0; i < screens.size(); ++i) {
        QCOMPARE(QString::fromLatin1(screens[i]->metaObject()->className()), expected[i]);
        const QString caption = screens[i]->windowTitle();
        QVERIFY2(caption.startsWith(u' ') && !caption.startsWith(u"  "_s), qPrintable(caption));
        QVERIFY(!screens[i]->isVisible());
    }
    QCOMPARE(screens[1]->windowTitle(), u" Tarvento 5.0"_s);
    QCOMPARE(screens[5]->windowTitle(), u" Tarvento 5.0 - Archivio ricevute d'affitto"_s);
    QCOMPARE(screens[32]->windowTitle(), u" Tabella Codici Tributo per versamenti con Modello F24 ELIDE"_s);
}

void TestApp::loginEnablingAndWrongPassword()
{
    ScreenFixture f;
    present(frmPassword);
    QVERIFY(frmPassword->isVisible());
    QCOMPARE(frmPassword->focusWidget(), frmPassword->txtPassword);
    QVERIFY(!frmPassword->cmdOK->isEnabled());

    typeInto(frmPassword->txtPassword, u"   "_s);
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    pressEnter(frmPassword->txtPassword); // blanks only: Enter does nothing
    QVERIFY(f.desktop.messages.isEmpty());

    typeInto(frmPassword->txtPassword, u"sbagliata"_s);
    QVERIFY(frmPassword->cmdOK->isEnabled());
    click(frmPassword->cmdOK);
    QCOMPARE(f.desktop.lastMessage(), kWrongPassword);
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    QVERIFY(frmPassword->isVisible());
    QVERIFY(!frmAvvio->isVisible());
}

void TestApp::loginIsCaseInsensitiveAndTrimmed()
{
    ScreenFixture f;
    present(frmPassword);
    for (int attempt = 0; attempt < 3; ++attempt) {
        typeInto(frmPassword->txtPassword, u"CHIAVE"_s);
        pressEnter(frmPassword->txtPassword);
    }
    QCOMPARE(f.desktop.messages.size(), 3);
    typeInto(frmPassword->txtPassword, u"  chiavePartenza "_s);
    pressEnter(frmPassword->txtPassword);
    QCOMPARE(f.desktop.messages.size(), 3);
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(!frmPassword->isVisible());
}

void TestApp::loginReadFailures()
{
    ScreenFixture f;
    present(frmPassword);
    QFile::remove(f.folder.filePath(u"unins000.dll"_s));
    typeInto(frmPassword->txtPassword, u"chiavepartenza"_s);
    click(frmPassword->cmdOK);
    QCOMPARE(f.desktop.lastMessage(), kWrongPassword);

    ProfileFile::write(f.folder.filePath(u"unins000.dll"_s), u"Accesso"_s, u"Valore"_s, u"67XY"_s);
    typeInto(frmPassword->txtPassword, u"chiavepartenza"_s);
    click(frmPassword->cmdOK);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{
                 Desktop::Kind::Plain,
                 u"Attenzione: si è verificato un errore durante la procedura di lettura della "
                 u"password. Si consiglia di reinstallare il software."_s}));
    QCOMPARE(frmPassword->txtPassword->text(), u"chiavepartenza"_s); // the screen stays unchanged
    QVERIFY(!frmAvvio->isVisible());
}

void TestApp::changePassword()
{
    ScreenFixture f;
    present(frmPassword);
    frmPassword->txtPassword->setText(u"abc"_s);
    click(frmPassword->btnCambiaPassword);
    TfrmCambiaPassword* c = frmCambiaPassword;
    QVERIFY(c->isVisible());
    QVERIFY(!frmPassword->isVisible());
    frmPassword->move(0, 0); // wherever it was, the password window comes back centred
    QCOMPARE(c->focusWidget(), c->txtPasswordOld);

    QTest::keyClicks(c->txtPasswordOld, u"chiavepartenza"_s);
    QVERIFY(!c->cmdOK->isEnabled());
    pressEnter(c->txtPasswordOld);
    QCOMPARE(c->focusWidget(), c->txtPasswordNew);
    QTest::keyClicks(c->txtPasswordNew, u" Casa2024 "_s);
    pressEnter(c->txtPasswordNew);
    QCOMPARE(c->focusWidget(), c->txtConferma);
    QVERIFY(!c->cmdOK->isEnabled());
    QTest::keyClicks(c->txtConferma, u"Casa2024"_s);
    QVERIFY(c->cmdOK->isEnabled());
    pressEnter(c->txtConferma); // Enter never presses OK
    QCOMPARE(c->focusWidget(), c->txtPasswordOld);
    QVERIFY(f.desktop.messages.isEmpty());

    click(c->cmdOK);
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Plain,
                                       u"Modifica della password completata con successo."_s}));
    QCOMPARE(storedValue(f.folder.path()), u"67DC5A4D0441B003"_s); // CASA2024, worked out by hand
    QVERIFY(!c->isVisible());
    QVERIFY(frmPassword->isVisible());
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QCOMPARE(frmPassword->focusWidget(), frmPassword->txtPassword);
    // Centred again, whole on the screen, with no system buttons.
    const QRect area = frmPassword->screen()->availableGeometry();
    QVERIFY(area.contains(frmPassword->frameGeometry()));
    QVERIFY((frmPassword->frameGeometry().center() - area.center()).manhattanLength() <= 2);
    const Qt::WindowFlags systemButtons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY(!(frmPassword->windowFlags() & systemButtons));
    QVERIFY(frmPassword->windowFlags() & Qt::CustomizeWindowHint);

    typeInto(frmPassword->txtPassword, u"chiavepartenza"_s);
    pressEnter(frmPassword->txtPassword);
    QCOMPARE(f.desktop.lastMessage(), kWrongPassword);
    typeInto(frmPassword->txtPassword, u"casa2024"_s);
    pressEnter(frmPassword->txtPassword);
    QVERIFY(frmAvvio->isVisible());
}

void TestApp::changePasswordKeepsOnlyWhatLogsIn_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("kept");
    QTest::newRow("euro sign") << u"casa€"_s << false;
    QTest::newRow("emoji") << u"casa\U0001F3E0"_s << false;
    QTest::newRow("accented letters") << u"città°"_s << true;
}

void TestApp::changePasswordKeepsOnlyWhatLogsIn()
{
    QFETCH(QString, password);
    QFETCH(bool, kept);
    ScreenFixture f;
    present(frmPassword);
    click(frmPassword->btnCambiaPassword);
    TfrmCambiaPassword* c = frmCambiaPassword;
    const QString before = storedValue(f.folder.path());
    c->txtPasswordOld->setText(u"chiavepartenza"_s);
    c->txtPasswordNew->setText(password);
    c->txtConferma->setText(password);
    click(c->cmdOK);
    if (!kept) {
        // Refused before anything is written, and the old password still logs in.
        QCOMPARE(f.desktop.lastMessage(),
                 (ScriptedDesktop::Message{
                     Desktop::Kind::Plain,
                     u"Attenzione: la nuova password contiene caratteri che non possono essere memorizzati "
                     u"(come il simbolo dell'euro o le emoji). E' necessario reinserire entrambi i valori "
                     u"usando lettere, cifre e simboli comuni."_s}));
        QCOMPARE(storedValue(f.folder.path()), before);
        QVERIFY(c->isVisible());
        QCOMPARE(c->txtPasswordNew->text(), QString());
        QCOMPARE(c->txtConferma->text(), QString());
        QCOMPARE(c->focusWidget(), c->txtPasswordNew);
        click(c->cmdEsci);
        frmPassword->txtPassword->setText(u"chiavepartenza"_s);
    } else {
        QCOMPARE(f.desktop.lastMessage().text, u"Modifica della password completata con successo."_s);
        frmPassword->txtPassword->setText(password);
    }
    click(frmPassword->cmdOK); // a changed password always logs in
    QVERIFY(frmAvvio->isVisible());
}

void TestApp::passwordFileReadWithinLimits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"fifo"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("huge file holding the password") << u"huge"_s;
}

void TestApp::passwordFileReadWithinLimits()
{
    QFETCH(QString, kind);
    ScreenFixture f;
    present(frmPassword);
    const QString path = f.folder.filePath(u"unins000.dll"_s);
    if (kind != u"huge"_s)
        QVERIFY(QFile::remove(path));
    if (kind == u"fifo"_s) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"zero"_s) {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    } else if (kind == u"folder"_s) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path); // the shipped file, then 100 MB of nothing
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.resize(100 * 1024 * 1024));
    }
    typeInto(frmPassword->txtPassword, u"chiavepartenza"_s);
    click(frmPassword->cmdOK); // answers at once, as a wrong password
    QCOMPARE(f.desktop.lastMessage(), kWrongPassword);
    QVERIFY(!frmAvvio->isVisible());
}

void TestApp::secondCopyOnTheSameDataIsRefused()
{
    ScreenFixture f;
    const QString lockFile = f.folder.filePath(u"Tarvento.lock"_s);
    // Another running copy: a process of its own holding the data folder's lock file.
    QProcess other;
    other.start(u"sh"_s,
                {u"-c"_s, u"exec 9>>\"$0\" && flock -n 9 && echo preso && exec sleep 60"_s, lockFile});
    QVERIFY(other.waitForReadyRead(10000));
    QVERIFY(!Startup::claimDataFolder());
    QCOMPARE(f.desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Plain, Startup::alreadyOpenMessage()}));
    QCOMPARE(
        Startup::alreadyOpenMessage(),
        u"Attenzione: il programma è già aperto su questi dati.\n\r\n\rUtilizzare la finestra già aperta "
        u"oppure chiuderla prima di avviare di nuovo il programma."_s);
    other.kill();
    QVERIFY(other.waitForFinished(10000));

    f.desktop.messages.clear();
    QVERIFY(Startup::claimDataFolder()); // alone on the data: no message, and the lock is held
    QVERIFY(f.desktop.messages.isEmpty());
    QProcess third;
    third.start(u"flock"_s, {u"-n"_s, lockFile, u"true"_s});
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 1);
    Startup::releaseDataFolder();

    // No lock can be made at all (a folder that cannot be written): the program still starts.
    QVERIFY(QFile::remove(lockFile));
    QVERIFY(QFile::link(f.folder.filePath(u"manca/Tarvento.lock"_s), lockFile));
    QVERIFY(Startup::claimDataFolder());
    QVERIFY(f.desktop.messages.isEmpty());
    Startup::releaseDataFolder();
}

void TestApp::commandLineWithoutDisplay()
{
    QTemporaryDir folder;
    const CommandResult help = runTarvento(folder.path(), {u"--help"_s}, withoutDisplay());
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.contains(u"Uso: tarvento [OPZIONE ...]"_s), qPrintable(help.out));
    for (const CommandLine::Command& command : CommandLine::commands())
        QVERIFY2(help.out.contains(u"  "_s + command.option), qPrintable(command.option));

    const CommandResult unknown = runTarvento(folder.path(), {u"--sconosciuta"_s}, withoutDisplay());
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.out.isEmpty());
    QCOMPARE(unknown.err, u"Opzione sconosciuta: --sconosciuta\nPer l'elenco delle opzioni: tarvento --help\n"_s);
    // Only what the program was asked for: no lock file, no archive.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"tarvento"_s});
}

void TestApp::changePasswordRefusals()
{
    ScreenFixture f;
    present(frmPassword);
    click(frmPassword->btnCambiaPassword);
    TfrmCambiaPassword* c = frmCambiaPassword;
    const QString before = storedValue(f.folder.path());

    c->txtPasswordOld->setText(u"sbagliata"_s);
    c->txtPasswordNew->setText(u"nuova"_s);
    c->txtConferma->setText(u"nuova"_s);
    click(c->cmdOK);
    QCOMPARE(f.desktop.lastMessage().text, u"Attenzione: vecchia password errata."_s);
    QCOMPARE(c->txtPasswordOld->text(), QString());
    QCOMPARE(c->focusWidget(), c->txtPasswordOld);

    c->txtPasswordOld->setText(u"CHIAVEPARTENZA"_s);
    c->txtPasswordNew->setText(u"Nuova"_s);
    c->txtConferma->setText(u"nuova"_s); // differs only in case: refused
    click(c->cmdOK);
    QCOMPARE(f.desktop.lastMessage().text,
             u"Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire "
             u"entrambi i valori."_s);
    QCOMPARE(c->txtPasswordNew->text(), QString());
    QCOMPARE(c->txtConferma->text(), QString());
    QCOMPARE(c->txtPasswordOld->text(), u"CHIAVEPARTENZA"_s);
    QCOMPARE(c->focusWidget(), c->txtPasswordNew);
    QCOMPARE(storedValue(f.folder.path()), before);

    frmPassword->txtPassword->setText(u"resto"_s);
    click(c->cmdEsci); // "Chiudi"
    QVERIFY(!c->isVisible());
    QVERIFY(frmPassword->isVisible());
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QCOMPARE(storedValue(f.folder.path()), before);

    click(frmPassword->btnCambiaPassword); // the fields start empty every time
    QCOMPARE(c->txtPasswordOld->text(), QString());
}

void TestApp::mainMenuHandOvers()
{
    ScreenFixture f;
    present(frmAvvio);
    const std::pair<const char*, QWidget*> tiles[] = {{"imgImmobili", frmImmobili},
                                                      {"btnImmobili", frmImmobili},
                                                      {"infImmobili", frmImmobili},
                                                      {"imgRicevute", frmMenuRicevute},
                                                      {"btnModelloF24", frmModello_F24_Elide},
                                                      {"infModelloF24", frmModello_F24_Elide}};
    for (const auto& [name, screen] : tiles) {
        click(control<QWidget>(frmAvvio, name));
        QVERIFY2(screen->isVisible(), name);
        QVERIFY(!frmAvvio->isVisible());
        screen->close();
        QVERIFY(!screen->isVisible());
        QVERIFY(frmAvvio->isVisible());
    }
    click(frmAvvio->imgImmobili); // leaving by the screen's own exit button
    click(control<QAbstractButton>(frmImmobili, "cmdEsci"));
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(!frmImmobili->isVisible());
    QCOMPARE(f.desktop.terminations, 0);
}

void TestApp::endingTheProgram()
{
    ScreenFixture f;
    present(frmAvvio);
    click(frmAvvio->imgEsci);
    QCOMPARE(f.desktop.terminations, 1);
    frmAvvio->close(); // the close box ends the program too
    QCOMPARE(f.desktop.terminations, 2);
    present(frmPassword);
    click(frmPassword->cmdEsci);
    QCOMPARE(f.desktop.terminations, 3);
}

void TestApp::helpDialog()
{
    ScreenFixture f;
    present(frmAvvio);
    withModal([&] { click(frmAvvio->imgGuida); },
              [&](QWidget* modal) {
                  auto* help = qobject_cast<TfrmGuida*>(modal);
                  QVERIFY(help);
                  QCOMPARE(help->windowTitle(), u" Guida all'utilizzo del software"_s);
                  QCOMPARE(help->size(), QSize(676, 598));
                  QCOMPARE(help->lblTitolo->text(), u"Uno sguardo a Tarvento 5.0"_s);
                  const QStringList paragraphs = help->txtGuida->toPlainText().split(u"\n\n"_s);
                  QCOMPARE(paragraphs.size(), 16);
                  QVERIFY(paragraphs[14].contains(u"\"chiavepartenza\""_s));
                  click(help->lnkWeb); // no Guida.pdf: nothing happens
                  QVERIFY(f.desktop.opened.isEmpty());
              });
    QCOMPARE(TfrmAvvio::help().text().count(u"\r\n\r\n"_s), 15);

    QFile pdf(f.folder.filePath(u"Guida.pdf"_s));
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    withModal([&] { click(frmAvvio->imgGuida); },
              [&](QWidget* modal) { click(control<QWidget>(modal, "imgPDF")); });
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(pdf.fileName())});
}

void TestApp::informationAndAboutLinks()
{
    ScreenFixture f;
    present(frmAvvio);
    withModal([&] { click(frmAvvio->imgInfo); },
              [&](QWidget* modal) {
                  QCOMPARE(modal->windowTitle(), u" Informazioni su Tarvento 5.0"_s);
                  click(control<QLabel>(modal, "lnkWeb"));
              });
    QCOMPARE(f.desktop.opened.size(), 1);
    const QUrl mail = f.desktop.opened.last();
    QCOMPARE(mail.scheme(), u"mailto"_s);
    QCOMPARE(mail.path(), u"info@tarvento.it"_s);
    QCOMPARE(QUrlQuery(mail).queryItemValue(u"subject"_s, QUrl::FullyDecoded), u"Software Tarvento 5.0"_s);
    QCOMPARE(QUrlQuery(mail).queryItemValue(u"body"_s, QUrl::FullyDecoded),
             u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s);

    withModal([&] { click(frmAvvio->imgCopyright); },
              [&](QWidget* modal) {
                  QVERIFY(qobject_cast<TfrmSplash*>(modal));
                  click(control<QWidget>(modal, "imgWeb"));
              });
    click(frmAvvio->imgSito);
    QCOMPARE(f.desktop.opened.size(), 3);
    QCOMPARE(f.desktop.opened[1], QUrl(u"https://www.tarvento.it"_s));
    QCOMPARE(f.desktop.opened[2], QUrl(u"https://www.tarvento.it"_s));
}

void TestApp::linkColours()
{
    ScriptedDesktop desktop;
    TfrmSplash about;
    about.show();
    QLabel* link = about.lnkWeb;
    QCOMPARE(LinkBehaviour::colourOf(link), LinkBehaviour::linkColour);

    QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(LinkBehaviour::colourOf(link), LinkBehaviour::pressedColour);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, -20)); // released elsewhere
    QCOMPARE(LinkBehaviour::colourOf(link), LinkBehaviour::pressedColour);
    QVERIFY(desktop.opened.isEmpty());

    QTest::mousePress(about.imgWeb, Qt::LeftButton, {}, about.imgWeb->rect().center()); // the icon too
    QCOMPARE(LinkBehaviour::colourOf(link), LinkBehaviour::pressedColour);
    QTest::mouseRelease(about.imgWeb, Qt::LeftButton, {}, about.imgWeb->rect().center());
    QCOMPARE(LinkBehaviour::colourOf(link), LinkBehaviour::linkColour);
    QCOMPARE(desktop.opened.size(), 1);
}

TARVENTO_GUI_TEST_MAIN(TestApp)
#include "tst_app.moc"
