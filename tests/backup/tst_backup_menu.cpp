#include "DataFolder.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "backup/BackupCheck.h"
#include "backup/BackupRestore.h"
#include "backup/BackupSave.h"
#include "platform/ProfileFile.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

using Message = ScriptedDesktop::Message;

// The main menu as the landlord reaches it: the password typed and Enter pressed.
void logIn()
{
    frmPassword->present();
    QTest::keyClicks(frmPassword->txtPassword, u"chiavepartenza"_s);
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QVERIFY(frmAvvio->isVisible());
}

QToolButton* button(const char* name)
{
    return control<QToolButton>(frmAvvio, name);
}

QLabel* reminderLine()
{
    return control<QLabel>(frmAvvio, "lblCopia");
}

// A folder with data in its archive beside the fixture's password file.
void addData(const ScreenFixture& f)
{
    writeFile(f.folder.filePath(u"Immobili.pro"_s), noise(6653, 7));
}

// A copy of the fixture's folder, "buona.zip", and one damaged as `mode` says, "rovinata.zip".
std::pair<QString, QString> goodAndDamaged(const ScreenFixture& f, const QTemporaryDir& out, const QString& mode,
                                           const QString& name)
{
    const QString good = out.filePath(u"buona.zip"_s);
    const QString bad = out.filePath(u"rovinata.zip"_s);
    Backup::save(f.folder.path(), good);
    alterCopy(good, bad, mode, name);
    return {good, bad};
}

} // namespace

class TestBackupMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsWithTheirHints();
    void saveACopy();
    void checkACopy();
    void restoreACopy();
    void damagedCopyIsNeverOffered();
    void restoreRefusedWhileAnotherCopyUsesTheData();
    void reminderAtLogIn_data();
    void reminderAtLogIn();
};

void TestBackupMenu::buttonsWithTheirHints()
{
    ScreenFixture f;
    logIn();
    const std::pair<const char*, QString> buttons[] = {
        {"cmdCopia", u"Salva una copia di sicurezza di tutti i dati."_s},
        {"cmdVerificaCopia", u"Verifica copia: controlla che una copia di sicurezza sia integra."_s},
        {"cmdRipristinaCopia", u"Ripristina copia: rimette al loro posto i dati di una copia di sicurezza."_s}};
    for (const auto& [name, hint] : buttons) {
        QVERIFY2(button(name)->isVisible(), name);
        QCOMPARE(button(name)->toolTip(), hint);
        QVERIFY(!button(name)->icon().isNull());
    }
}

void TestBackupMenu::saveACopy()
{
    ScreenFixture f;
    addData(f);
    QTemporaryDir out;
    logIn();
    QCOMPARE(reminderLine()->text(),
             u"Non è mai stata salvata una copia di sicurezza dei dati: è consigliabile salvarne una."_s);

    click(button("cmdCopia")); // the save dialog cancelled: nothing happens
    QCOMPARE(f.desktop.proposedSaveNames, QStringList{QDir::homePath() + u"/Tarvento_copia_2024-03-15.zip"_s});
    QVERIFY(f.desktop.messages.isEmpty());

    const QString zip = out.filePath(u"Tarvento_copia_2024-03-15.zip"_s);
    f.desktop.saveFileNames.enqueue(zip);
    click(button("cmdCopia"));
    QCOMPARE(f.desktop.messages,
             (QList<Message>{{Desktop::Kind::Information, u"Copia di sicurezza completata: 3 file, 0,1 MB."_s}}));
    QCOMPARE(Backup::verify(zip).entries.size(), 3); // with Affitti.ini, made for the day
    QCOMPARE(ProfileFile::read(f.folder.filePath(u"Affitti.ini"_s), u"Copia"_s, u"Data"_s), u"15/03/2024"_s);
    QCOMPARE(reminderLine()->text(), u"Ultima copia di sicurezza dei dati: 15/03/2024."_s);

    const QString nowhere = out.filePath(u"manca/copia.zip"_s);
    f.desktop.saveFileNames.enqueue(nowhere);
    click(button("cmdCopia"));
    QCOMPARE(f.desktop.lastMessage(),
             (Message{Desktop::Kind::Error,
                      u"Impossibile scrivere il file "_s + nowhere +
                          u". Verificare che la cartella sia accessibile, che il disco non sia pieno e che il file "
                          u"non sia aperto in un altro programma."_s}));
}

void TestBackupMenu::checkACopy()
{
    ScreenFixture f;
    addData(f);
    QTemporaryDir out;
    const auto [good, bad] = goodAndDamaged(f, out, u"flip"_s, u"unins000.dll"_s);
    logIn();

    f.desktop.fileNames.enqueue(good);
    f.desktop.fileNames.enqueue(bad);
    click(button("cmdVerificaCopia"));
    click(button("cmdVerificaCopia"));
    QCOMPARE(f.desktop.messages,
             (QList<Message>{{Desktop::Kind::Information,
                              u"La copia di sicurezza è integra: 3 file, salvata in data 15/03/2024 alle ore 09:30."_s},
                             {Desktop::Kind::Error, u"La copia di sicurezza rovinata.zip non può essere usata: il file "
                                                    u"«unins000.dll» è danneggiato."_s}}));
}

void TestBackupMenu::restoreACopy()
{
    ScreenFixture f;
    addData(f);
    QTemporaryDir out;
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(f.folder.path(), zip);
    writeFile(f.folder.filePath(u"Immobili.pro"_s), "cambiato dopo la copia");
    QVERIFY(Startup::claimDataFolder()); // as the program does from its start
    const auto release = qScopeGuard([] { Startup::releaseDataFolder(); });
    const QMap<QString, QByteArray> changed = folderState(f.folder.path());
    logIn();

    const QString question =
        u"Ripristinare la copia di sicurezza salvata in data 15/03/2024 alle ore 09:30, che contiene 3 file?\n\nI dati "
        u"attuali saranno spostati in una cartella Dati_prima_del_ripristino_... accanto al programma: nulla "
        u"viene cancellato."_s;
    f.desktop.fileNames.enqueue(zip);
    f.desktop.answers.enqueue(Desktop::Answer::No);
    click(button("cmdRipristinaCopia"));
    QCOMPARE(f.desktop.messages, (QList<Message>{{Desktop::Kind::Confirmation, question}}));
    QCOMPARE(folderState(f.folder.path()), changed);
    QVERIFY(frmAvvio->isVisible());

    f.desktop.messages.clear();
    f.desktop.fileNames.enqueue(zip);
    click(button("cmdRipristinaCopia")); // Yes
    QCOMPARE(f.desktop.messages,
             (QList<Message>{{Desktop::Kind::Confirmation, question},
                             {Desktop::Kind::Information,
                              u"Ripristino completato: 3 file dalla copia salvata in data 15/03/2024 alle ore 09:30. I dati di prima "
                              u"sono nella cartella Dati_prima_del_ripristino_2024-03-15_093000.\n\nImmettere di nuovo "
                              u"la password: potrebbe essere cambiata con i dati ripristinati."_s}}));
    QCOMPARE(readFile(f.folder.filePath(u"Immobili.pro"_s)), noise(6653, 7));
    QCOMPARE(readFile(f.folder.filePath(u"Dati_prima_del_ripristino_2024-03-15_093000/Immobili.pro"_s)),
             QByteArray("cambiato dopo la copia"));
    // Back to the password window, since the password file may have changed with the data.
    QVERIFY(frmPassword->isVisible());
    QVERIFY(!frmAvvio->isVisible());
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    logIn(); // the restored settings know the day of their copy
    QCOMPARE(reminderLine()->text(), u"Ultima copia di sicurezza dei dati: 15/03/2024."_s);
}

void TestBackupMenu::damagedCopyIsNeverOffered()
{
    ScreenFixture f;
    addData(f);
    QTemporaryDir out;
    const QString bad = goodAndDamaged(f, out, u"drop"_s, u"Immobili.pro"_s).second;
    const QMap<QString, QByteArray> before = folderState(f.folder.path());
    logIn();

    f.desktop.fileNames.enqueue(bad);
    click(button("cmdRipristinaCopia"));
    QCOMPARE(f.desktop.messages,
             (QList<Message>{{Desktop::Kind::Error, u"La copia di sicurezza rovinata.zip non può essere usata: manca "
                                                    u"il file «Immobili.pro»."_s}})); // no question asked
    QCOMPARE(folderState(f.folder.path()), before);
    QVERIFY(frmAvvio->isVisible());
}

void TestBackupMenu::restoreRefusedWhileAnotherCopyUsesTheData()
{
    ScreenFixture f;
    addData(f);
    QTemporaryDir out;
    const QString zip = out.filePath(u"copia.zip"_s);
    Backup::save(f.folder.path(), zip);
    logIn();

    QProcess other; // another copy of the program, or a restore from the command line
    other.start(u"sh"_s, {u"-c"_s, u"exec 9>>\"$0\" && flock -n 9 && echo preso && exec sleep 60"_s,
                          f.folder.filePath(u"Tarvento.lock"_s)});
    QVERIFY(other.waitForReadyRead(10000));
    const QMap<QString, QByteArray> before = folderState(f.folder.path());
    f.desktop.fileNames.enqueue(zip);
    click(button("cmdRipristinaCopia"));
    other.kill();
    other.waitForFinished();
    QCOMPARE(f.desktop.messages,
             (QList<Message>{{Desktop::Kind::Warning,
                              u"Attenzione: un'altra copia del programma sta usando questi dati. Chiuderla prima di "
                              u"ripristinare la copia di sicurezza."_s}}));
    QCOMPARE(folderState(f.folder.path()), before);

    // This program holding the lock, as it does from its start: the restore goes ahead.
    QVERIFY(Startup::claimDataFolder());
    f.desktop.messages.clear();
    f.desktop.fileNames.enqueue(zip);
    click(button("cmdRipristinaCopia"));
    Startup::releaseDataFolder();
    QCOMPARE(f.desktop.messages.size(), 2);
    QVERIFY(f.desktop.messages[1].text.startsWith(u"Ripristino completato"_s));
    QVERIFY(frmPassword->isVisible());
}

void TestBackupMenu::reminderAtLogIn_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("due");
    QTest::newRow("never") << QByteArray() << u"Non è mai stata salvata una copia di sicurezza dei dati: è "
                                              u"consigliabile salvarne una."_s
                           << true;
    QTest::newRow("31 days ago") << QByteArray("[Copia]\r\nData=13/02/2024\r\n")
                                 << u"L'ultima copia di sicurezza dei dati è stata salvata in data 13/02/2024: è consigliabile "
                                    u"salvarne una nuova."_s
                                 << true;
    QTest::newRow("last week") << QByteArray("[Copia]\r\nData=08/03/2024\r\n")
                               << u"Ultima copia di sicurezza dei dati: 08/03/2024."_s << false;
}

void TestBackupMenu::reminderAtLogIn()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, text);
    QFETCH(bool, due);
    ScreenFixture f;
    addData(f);
    if (!settings.isEmpty())
        writeFile(f.folder.filePath(u"Affitti.ini"_s), settings);
    logIn();
    QCOMPARE(reminderLine()->text(), text);
    QCOMPARE(reminderLine()->property("due").toBool(), due);
    QVERIFY(reminderLine()->isVisible());
    QVERIFY(f.desktop.messages.isEmpty()); // said on the menu, never in a dialog
}

TARVENTO_GUI_TEST_MAIN(TestBackupMenu)
#include "tst_backup_menu.moc"
