#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "platform/Formats.h"
#include "platform/ProfileFile.h"
#include "platform/SafeWrite.h"
#include "platform/QtDesktop.h"
#include "platform/Text.h"
#include "ricevute/ReceiptMail.h"
#include "support/ScriptedDesktop.h"
#include "support/TestMain.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// An object whose handler fails, to reach the default error report.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw Failure(u"Il file Affitti.ini non è leggibile."_s);
        return QObject::event(e);
    }
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cp1252_data();
    void cp1252();
    void cp1252KeepsUndefinedBytes();
    void cp1252ReplacesMissingCharacters();
    void textRules();
    void profileReadsWindowsFiles_data();
    void profileReadsWindowsFiles();
    void profileWriteChangesOnlyItsLine();
    void profileWriteCreatesFileAndSection();
    void profileWriteFailureKeepsOldFile();
    void shellOpen();
    void mailProgramGetsTheMessage_data();
    void mailProgramGetsTheMessage();
    void formatsIgnoreUserLocale();
    void defaultErrorReportShowsTheFailure();
};

void TestPlatform::cp1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Via Roma 12") << u"Via Roma 12"_s;
    QTest::newRow("accents") << QByteArray("S\xEC \xE0\xE8\xE9\xEC\xF2\xF9") << u"Sì àèéìòù"_s;
    QTest::newRow("euro and quotes") << QByteArray("\x80 \x93x\x94 \x92", 7) << u"€ “x” ’"_s;
    QTest::newRow("high range") << QByteArray("\x8A\x9F\xA0\xFF", 4) << u"ŠŸ\u00A0ÿ"_s;
}

void TestPlatform::cp1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp1252::decode(bytes), text);
    QCOMPARE(Cp1252::encode(text), bytes);
}

void TestPlatform::cp1252KeepsUndefinedBytes()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    const QByteArray undefined("\x81\x8D\x8F\x90\x9D", 5);
    QCOMPARE(Cp1252::encode(Cp1252::decode(undefined)), undefined);
}

void TestPlatform::cp1252ReplacesMissingCharacters()
{
    QCOMPARE(Cp1252::encode(u"Ωmega ł"_s), QByteArray("?mega ?"));
    QCOMPARE(Cp1252::encode(u"casa 🏠!"_s), QByteArray("casa ?!")); // one character, one "?"
    QCOMPARE(Cp1252::encode(QString(QChar(0x80))), QByteArray("?"));
    // Halves of a pair standing alone are one character each.
    const QChar high(0xD83C), low(0xDFE0);
    QCOMPARE(Cp1252::encode(QString(high) + u'a' + low + high), QByteArray("?a??"));
    QByteArray bytes("S\xEC: ", 4);
    Cp1252::append(bytes, u"€ 🏠 è"_s);
    QCOMPARE(bytes, QByteArray("S\xEC: \x80 ? \xE8", 9));
}

void TestPlatform::textRules()
{
    QCOMPARE(Text::trimmed(u"\t  Rossi Mario \r\n"_s), u"Rossi Mario"_s);
    QCOMPARE(Text::trimmed(u"\u00A0x\u00A0"_s), u"\u00A0x\u00A0"_s); // only up to U+0020
    QCOMPARE(Text::capitals(u"rossì àb z"_s), u"ROSSì àB Z"_s);
}

void TestPlatform::profileReadsWindowsFiles_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("section with a blank") << u"Inizio numerazione"_s << u"Numero"_s << u"15"_s;
    QTest::newRow("names in another case") << u"INIZIO NUMERAZIONE"_s << u"numero"_s << u"15"_s;
    QTest::newRow("accented value") << u"Causali"_s << u"Prima"_s << u"Canone di locazione più spese"_s;
    QTest::newRow("quoted value") << u"Causali"_s << u"Seconda"_s << u" Spese condominiali "_s;
    QTest::newRow("missing key") << u"Causali"_s << u"Terza"_s << u"(predefinito)"_s;
    QTest::newRow("missing section") << u"Altro"_s << u"Numero"_s << u"(predefinito)"_s;
    QTest::newRow("key of another section") << u"Causali"_s << u"Numero"_s << u"(predefinito)"_s;
}

void TestPlatform::profileReadsWindowsFiles()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Affitti.ini"_s);
    writeBytes(path,
               "; impostazioni\r\n[Inizio numerazione]\r\nNumero = 15\r\n\r\n"
               "[Causali]\r\nPRIMA=Canone di locazione pi\xF9 spese\r\nSeconda=\" Spese condominiali \"\r\n");
    QCOMPARE(ProfileFile::read(path, section, key, u"(predefinito)"_s), expected);
    QCOMPARE(ProfileFile::read(dir.filePath(u"manca.ini"_s), section, key, u"x"_s), u"x"_s);
}

void TestPlatform::profileWriteChangesOnlyItsLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"unins000.dll"_s);
    const QByteArray before =
        "[Altro]\r\nvalore=1\r\n; nota \x81\x8D\r\n[ACCESSO]\r\nValore=AB12\r\nExtra=\xE8\r\n";
    writeBytes(path, before);

    ProfileFile::write(path, u"Accesso"_s, u"Valore"_s, u"FF00"_s);
    QCOMPARE(
        readAll(path),
        QByteArray("[Altro]\r\nvalore=1\r\n; nota \x81\x8D\r\n[ACCESSO]\r\nValore=FF00\r\nExtra=\xE8\r\n"));

    ProfileFile::write(path, u"altro"_s, u"Nuovo"_s, u"città"_s);
    QCOMPARE(readAll(path),
             QByteArray("[Altro]\r\nvalore=1\r\n; nota "
                        "\x81\x8D\r\nNuovo=citt\xE0\r\n[ACCESSO]\r\nValore=FF00\r\nExtra=\xE8\r\n"));
    QCOMPARE(ProfileFile::read(path, u"Altro"_s, u"nuovo"_s), u"città"_s);
}

void TestPlatform::profileWriteCreatesFileAndSection()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Affitti.ini"_s);
    ProfileFile::write(path, u"Inizio numerazione"_s, u"Numero"_s, u"7"_s);
    QCOMPARE(readAll(path), QByteArray("[Inizio numerazione]\r\nNumero=7\r\n"));

    writeBytes(path, "[A]\nk=1"); // LF only, no final line break
    ProfileFile::write(path, u"B"_s, u"x"_s, u"2"_s);
    QCOMPARE(readAll(path), QByteArray("[A]\nk=1\n[B]\nx=2\n"));
}

void TestPlatform::profileWriteFailureKeepsOldFile()
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(u"manca/Affitti.ini"_s);
    QVERIFY_THROWS_EXCEPTION(Failure, ProfileFile::write(missingFolder, u"A"_s, u"k"_s, u"v"_s));

    QVERIFY_THROWS_EXCEPTION(Failure, SafeWrite::replaceFile(dir.filePath(u"manca/Logo.bmp"_s), "nuovo"));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"manca"_s)));

    // A write that fails on the way (a full disk) leaves the file it would replace as it was.
    const QString path = dir.filePath(u"Logo.bmp"_s);
    writeBytes(path, "vecchio");
    SafeWrite::failWritesForTests(true);
    QVERIFY_THROWS_EXCEPTION(Failure, SafeWrite::replaceFile(path, "nuovo"));
    SafeWrite::failWritesForTests(false);
    QCOMPARE(readAll(path), QByteArray("vecchio"));
}

void TestPlatform::mailProgramGetsTheMessage_data()
{
    QTest::addColumn<QString>("mailer"); // what xdg-email runs as the mail program
    QTest::addColumn<bool>("attachment");
    QTest::addColumn<bool>("answered");
    QTest::newRow("a mail program answers") << u"recorder"_s << true << true;
    QTest::newRow("the mail program fails") << u"false"_s << true << false;
    QTest::newRow("the attachment is gone") << u"recorder"_s << false << false;
}

// The production backend through the real xdg-email, whose MAILER variable names the mail
// program: a script that keeps the message it is given.
void TestPlatform::mailProgramGetsTheMessage()
{
    QFETCH(QString, mailer);
    QFETCH(bool, attachment);
    QFETCH(bool, answered);
    QTemporaryDir dir;
    const QString recorder = dir.filePath(u"posta.sh"_s);
    const QString kept = dir.filePath(u"mailto.txt"_s);
    writeBytes(recorder, "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/mailto.txt\"\n");
    QFile(recorder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString pdf = dir.filePath(u"Ricevuta 12_2024.pdf"_s);
    if (attachment)
        writeBytes(pdf, "%PDF-1.4");
    qputenv("MAILER", (mailer == u"recorder"_s ? recorder : mailer).toLocal8Bit());
    const QString body = u"Gentile LAURA BIANCHI,\n\nin allegato la ricevuta, per un totale di € 709,75."_s;
    QtDesktop desktop;
    const bool result = desktop.composeMail(ReceiptMail::xdgEmailArguments(
        u"laura.bianchi@example.it"_s, u"Ricevuta d'affitto n. 12 del 05/03/2024"_s, body, pdf));
    qunsetenv("MAILER");
    QCOMPARE(result, answered);
    if (!answered)
        return;
    const QUrl message(QString::fromUtf8(readAll(kept)));
    QCOMPARE(message.scheme(), u"mailto"_s);
    QCOMPARE(message.path(), u"laura.bianchi@example.it"_s);
    const QUrlQuery fields(message);
    QCOMPARE(fields.queryItemValue(u"subject"_s, QUrl::FullyDecoded), u"Ricevuta d'affitto n. 12 del 05/03/2024"_s);
    QCOMPARE(fields.queryItemValue(u"body"_s, QUrl::FullyDecoded), QString(body).replace(u"\n"_s, u"\r\n"_s));
    QCOMPARE(fields.queryItemValue(u"attach"_s, QUrl::FullyDecoded), pdf);
}

void TestPlatform::shellOpen()
{
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"Guida.pdf"_s);

    TMisc::Open(u"\""_s + pdf + u"\""_s); // missing file: nothing happens
    QVERIFY(desktop.opened.isEmpty());

    writeBytes(pdf, "%PDF");
    TMisc::Open(u"\""_s + pdf + u"\""_s);
    TMisc::Open(u"\"mailto:mario.rossi@example.it\""_s);
    TMisc::Open(u"https://www.example.it/istat"_s);
    QCOMPARE(desktop.opened.size(), 3);
    QCOMPARE(desktop.opened[0], QUrl::fromLocalFile(pdf));
    QCOMPARE(desktop.opened[1].scheme(), u"mailto"_s);
    QCOMPARE(desktop.opened[1].path(), u"mario.rossi@example.it"_s);
    QCOMPARE(desktop.opened[2], QUrl(u"https://www.example.it/istat"_s));
}

void TestPlatform::formatsIgnoreUserLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Formats::apply();
    QCOMPARE(QLocale().toString(1234.5, 'f', 2), u"1234,50"_s);
    QCOMPARE(Formats::date(QDate(2024, 3, 5)), u"05/03/2024"_s);
    QCOMPARE(Formats::date(QDate(1999, 12, 31)), u"31/12/1999"_s);
    QCOMPARE(Formats::date(QDate()), QString());
    QCOMPARE(Formats::parseDate(u"29/02/2024"_s), QDate(2024, 2, 29));
    QVERIFY(!Formats::parseDate(u"30/02/2024"_s).isValid());
    QVERIFY(!Formats::parseDate(u"02/30/2024"_s).isValid());
    bool ok = false;
    QCOMPARE(Formats::parseNumber(u"650,25"_s, &ok), 650.25);
    QVERIFY(ok);
    Formats::parseNumber(u"1.650,25"_s, &ok);
    QVERIFY(!ok);
    Formats::parseNumber(u"abc"_s, &ok);
    QVERIFY(!ok);

    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
    QCOMPARE(Formats::year(Clock::today()), u"2024"_s);
    Clock::setFixedForTests({});
}

void TestPlatform::defaultErrorReportShowsTheFailure()
{
    ScriptedDesktop desktop;
    FailingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.lastMessage(),
             (ScriptedDesktop::Message{Desktop::Kind::Error, u"Il file Affitti.ini non è leggibile."_s}));
}

TARVENTO_GUI_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
