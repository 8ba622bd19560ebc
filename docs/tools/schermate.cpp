// guida_schermate FOLDER: photographs the screens the manual shows, with the demonstration
// data, into FOLDER (one PNG per picture and the list schermate.txt). Runs without a display,
// on a screen of 1366 × 768 with its title bar.

#include "DemoData.h"
#include "QuietPlatform.h"
#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/ExeFolder.h"
#include "ricevute/ChartModule.h"
#include "support/ScriptedDesktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A screen of 1366 × 768 less the title bar the pictures draw, at the usual 96 dots per inch.
QByteArray offscreenPlatform(const QTemporaryDir& scratch)
{
    const QString config = scratch.filePath(u"schermo.json"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"windowFrameMargins": false, "screens": [{"name": "guida", "x": 0, "y": 0,
                       "width": 1366, "height": 737, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") <
            0)
        giveUp(u"non posso scrivere "_s + config);
    return "offscreen:configfile=" + QFile::encodeName(config);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: guida_schermate CARTELLA\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QuietPlatform::install();
    QTemporaryDir scratch;
    qputenv("QT_QPA_PLATFORM", offscreenPlatform(scratch));
    Application app(argc, argv);
    Application::prepareEnvironment();
    app.setQuitOnLastWindowClosed(false);

    ScriptedDesktop desktop;
    // TARVENTO_GUIDA_DATI keeps the demonstration data in that folder, to try them in the program.
    QTemporaryDir scratchData;
    QString data = qEnvironmentVariable("TARVENTO_GUIDA_DATI");
    if (data.isEmpty())
        data = scratchData.path();
    else if (!QDir().mkpath(data) || !QDir(data).isEmpty())
        giveUp(data + u" deve essere una cartella vuota"_s);
    ExeFolder::setForTests(data);
    ChartModule::setFileForTests(QStringLiteral(CHART_MODULE)); // the build's, as the program's beside it
    if (!QFile::copy(QStringLiteral(SOURCE_DIR "/resources/unins000.dll"),
                     QDir(data).filePath(u"unins000.dll"_s)))
        giveUp(u"manca il file della password iniziale"_s);
    Clock::setFixedForTests(DemoData::today());
    ScreenRegistry::start();

    DemoData::writeSettings();
    DemoData::writeCards();
    DemoData::enterReceipts();
    DemoData::enterF24Forms();
    DemoData::saveBackup();

    Shooter shooter(output);
    Shots::start(shooter);
    Shots::immobili(shooter);
    Shots::ricevute(shooter);
    Shots::f24(shooter);
    Shots::scadenze(shooter);
    shooter.finish();

    // A failure reported while the pictures were made means a picture may show it.
    for (const ScriptedDesktop::Message& m : desktop.messages)
        if (m.kind == Desktop::Kind::Error)
            giveUp(u"il programma ha segnalato un errore: "_s + m.text);
    ScreenRegistry::destroyAll();
    return 0;
}
