#include "app/TfrmAvvio.h"
#include "platform/ExeFolder.h"
#include "platform/Picture.h"
#include "platform/TfrmGuida.h"
#include "support/Files.h"
#include "support/PdfTools.h"
#include "support/ScreenFixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The manual Guida.pdf as a landlord receives it (built with the program, pictures of the
// real screens, installed beside the executable) and the program's place in the desktop menu.
class TestGuida : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void manualIsA4WithTitleAndEmbeddedFonts();
    void everyPictureOfTheTextIsInTheManual();
    void picturesWereTakenByThisBuild();
    void helpLinkOpensTheInstalledManual();
    void desktopEntryAndDescriptionAreValid();
    void registrationPutsTarventoInTheMenu();
};

namespace {

const QString kManual = QStringLiteral(GUIDA_PDF);
const QString kPictures = QStringLiteral(GUIDA_PICTURES);
const QString kInstalled = QStringLiteral(INSTALL_PREFIX);
const QString kId = u"it.tarvento.Tarvento"_s;

// The pictures the chapters name, in order, once each.
QStringList picturesOfTheText()
{
    QStringList pictures;
    static const QRegularExpression picture(uR"(!\[[^\]]*\]\(([^)\s]+)\))"_s);
    const QDir chapters(QStringLiteral(SOURCE_DIR "/docs/guida"));
    for (const QString& name : chapters.entryList({u"*.md"_s}, QDir::Files, QDir::Name)) {
        const QString text = QString::fromUtf8(readFile(chapters.filePath(name)));
        for (auto it = picture.globalMatch(text); it.hasNext();) {
            const QString file = it.next().captured(1);
            if (!pictures.contains(file))
                pictures.append(file);
        }
    }
    return pictures;
}

struct Run {
    int exitCode;
    QString output;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromUtf8(process.readAll())};
}

// The value of a key of a desktop entry's main group.
QString entryValue(const QString& entry, const QString& key)
{
    for (const QString& line : entry.split(u'\n'))
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

void TestGuida::manualIsA4WithTitleAndEmbeddedFonts()
{
    const QString info = PdfTools::info(kManual);
    QVERIFY2(PdfTools::field(info, u"Title"_s).contains(u"Guida all'utilizzo"_s), qPrintable(info));
    const int pages = PdfTools::field(info, u"Pages"_s).toInt();
    QVERIFY2(pages >= 20, qPrintable(info));
    // Every page, not only the first, is A4.
    const QString sizes =
        PdfTools::run(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, QString::number(pages), kManual});
    QCOMPARE(
        sizes.count(QRegularExpression(uR"(Page +\d+ size: +595(\.\d+)? x 84[12](\.\d+)? pts \(A4\))"_s)),
        pages);

    const QStringList fonts = PdfTools::run(u"pdffonts"_s, {kManual}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    bool body = false;
    for (const QString& font : fonts) {
        const QStringList columns = font.simplified().split(u' ');
        QVERIFY2(columns.size() >= 7 && columns[columns.size() - 5] == u"yes"_s, qPrintable(font));
        body = body || columns[0].contains(u"LiberationSans"_s);
    }
    QVERIFY2(body, "the text is not set in the program's own font");
}

void TestGuida::everyPictureOfTheTextIsInTheManual()
{
    // Each picture the text names appears in the PDF at its own pixel size, as many times as
    // there are pictures of that size (the cover shows the main menu once more).
    QMap<QString, int> wanted;
    const QStringList pictures = picturesOfTheText();
    QVERIFY(pictures.size() >= 20);
    for (const QString& file : pictures) {
        const QImage image(kPictures + u'/' + file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        ++wanted[QString::number(image.width()) + u'x' + QString::number(image.height())];
    }
    QMap<QString, int> found;
    const QStringList list =
        PdfTools::run(u"pdfimages"_s, {u"-list"_s, kManual}).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : list.mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() > 4 && columns[2] == u"image"_s)
            ++found[columns[3] + u'x' + columns[4]];
    }
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        QVERIFY2(found.value(it.key()) >= it.value(),
                 qPrintable(it.key() + u": "_s + QString::number(found.value(it.key())) + u" in the PDF, "_s +
                            QString::number(it.value()) + u" in the text"_s));
}

void TestGuida::picturesWereTakenByThisBuild()
{
    // A picture older than the program's code shows screens that may have changed since.
    const QDateTime built = std::max(QFileInfo(QStringLiteral(GUI_LIBRARY)).lastModified(),
                                     QFileInfo(QStringLiteral(CORE_LIBRARY)).lastModified());
    const QStringList taken =
        QString::fromUtf8(readFile(kPictures + u"/schermate.txt"_s)).split(u'\n', Qt::SkipEmptyParts);
    const QString sources = QStringLiteral(SOURCE_DIR "/src");
    for (const QString& file : picturesOfTheText()) {
        QVERIFY2(taken.contains(file), qPrintable(file + u" was not taken by guida_schermate"_s));
        const QFileInfo picture(kPictures + u'/' + file);
        QVERIFY2(picture.lastModified() >= built, qPrintable(file + u" is older than the program"_s));
        // Named after a window of the program: its objectName, then an optional variant.
        const QString window = file.section(u'-', 0, 0).section(u'.', 0, 0);
        bool named = false;
        for (QDirIterator it(sources, {u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext() && !named;)
            named = readFile(it.next()).contains(QByteArray("setObjectName(u\"" + window.toUtf8() + "\"_s)"));
        QVERIFY2(named, qPrintable(file + u" names no window of the program"_s));
    }
}

void TestGuida::helpLinkOpensTheInstalledManual()
{
    ScreenFixture f;
    ExeFolder::setForTests(kInstalled);
    frmAvvio->present();
    withModal([] { click(frmAvvio->imgGuida); },
              [](QWidget* modal) { click(control<QLabel>(modal, "lnkWeb")); });
    const QString installed = QDir(kInstalled).filePath(u"Guida.pdf"_s);
    QCOMPARE(f.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(installed)});
    QCOMPARE(readFile(installed), readFile(kManual));
}

void TestGuida::desktopEntryAndDescriptionAreValid()
{
    const QString entryPath = QDir(kInstalled).filePath(kId + u".desktop"_s);
    const Run entry = run(u"desktop-file-validate"_s, {entryPath});
    QVERIFY2(entry.exitCode == 0 && entry.output.isEmpty(), qPrintable(entry.output));
    const Run description = run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s,
                                                    QDir(kInstalled).filePath(kId + u".metainfo.xml"_s)});
    QVERIFY2(description.exitCode == 0, qPrintable(description.output));

    // The entry starts this installation's executable, in its folder, with the program's icon.
    const QString text = QString::fromUtf8(readFile(entryPath));
    const QString folder = QFileInfo(kInstalled).absoluteFilePath();
    QCOMPARE(entryValue(text, u"Exec"_s), u'"' + folder + u"/tarvento\""_s);
    QCOMPARE(entryValue(text, u"Path"_s), folder);
    QCOMPARE(entryValue(text, u"Categories"_s), u"Office;Finance;"_s);
    QCOMPARE(entryValue(text, u"Icon"_s), kId);
    QVERIFY(QFileInfo(entryValue(text, u"Exec"_s).mid(1).chopped(1)).isExecutable());
    QCOMPARE(QImage(QDir(kInstalled).filePath(kId + u".png"_s)).size(), QSize(256, 256));
    QVERIFY(readFile(QDir(kInstalled).filePath(kId + u".svg"_s)).startsWith("<svg"));
}

void TestGuida::registrationPutsTarventoInTheMenu()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.remove(u"XDG_DATA_HOME"_s);
    const Run registration =
        run(QStringLiteral(SOURCE_DIR "/scripts/register-desktop"), {kInstalled}, environment);
    QVERIFY2(registration.exitCode == 0 && registration.output.isEmpty(), qPrintable(registration.output));

    const QDir data(home.filePath(u".local/share"_s));
    const QString entry = data.filePath(u"applications/"_s + kId + u".desktop"_s);
    QCOMPARE(readFile(entry), readFile(QDir(kInstalled).filePath(kId + u".desktop"_s)));
    QCOMPARE(run(u"desktop-file-validate"_s, {entry}).exitCode, 0);
    QCOMPARE(QImage(data.filePath(u"icons/hicolor/256x256/apps/"_s + kId + u".png"_s)).size(),
             QSize(256, 256));
    QVERIFY(QFileInfo::exists(data.filePath(u"icons/hicolor/scalable/apps/"_s + kId + u".svg"_s)));
    QVERIFY(QFileInfo::exists(data.filePath(u"metainfo/"_s + kId + u".metainfo.xml"_s)));
}

TARVENTO_GUI_TEST_MAIN(TestGuida)
#include "tst_guida.moc"
