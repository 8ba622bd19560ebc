#include "CommandLine.h"

#include "Startup.h"
#include "backup/RestoreJournal.h"
#include "platform/Application.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Product.h"

#include <QScopeGuard>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLine {

namespace {

QString helpText()
{
    QString text = Product::fullName() + u"\n\nUso: tarvento [OPZIONE ...]\n"
                                         u"Senza opzioni apre il programma. Con un'opzione lavora senza finestre "
                                         u"sui dati della cartella del programma.\n\nOpzioni:\n"_s;
    QList<Command> all = commands();
    all.append({u"--help"_s, {}, u"Mostra questo elenco delle opzioni."_s, nullptr});
    for (const Command& command : all) {
        const QString head = command.arguments.isEmpty() ? command.option : command.option + u' ' + command.arguments;
        text += u"  "_s + head + u"\n      "_s + command.description + u'\n';
    }
    text += u"\nCodici di uscita: 0 riuscito, 1 non riuscito (il motivo è scritto sull'errore standard), "
            u"2 argomenti errati."_s;
    return text;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Standard error carries our Italian messages only: Qt's notes about the environment (no
// runtime folder under cron, say) mean nothing to a landlord reading a mailed cron output.
void keepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, text);
}

// A restore a kill or a power cut interrupted is finished before any option reads or writes
// the data. The running program holding the folder is in the middle of one, or could not finish
// it: nothing is done on a folder holding a mix.
void finishInterruptedRestore()
{
    const QString folder = ExeFolder::path();
    if (!Backup::interruptedRestoreFound(folder))
        return;
    if (!Startup::claimDataFolder(Startup::Notice::Silent))
        throw Failure(u"Il programma aperto su questi dati sta ripristinando una copia di sicurezza: riprovare quando "
                      u"il ripristino è finito."_s);
    const auto release = qScopeGuard([] { Startup::releaseDataFolder(); });
    printError(Backup::recoveredMessage(Backup::finishInterruptedRestore(folder)));
}

} // namespace

void printLine(const QString& text)
{
    print(stdout, text);
}

void printError(const QString& text)
{
    print(stderr, text);
}

bool requested(int argc, char** argv)
{
    return argc > 1 && qstrncmp(argv[1], "--", 2) == 0;
}

int run(int argc, char** argv)
{
    // No window ever opens here, so no display is needed: the reports still lay out their
    // texts with the real fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQtNotesQuiet);
    Application app(argc, argv);
    Application::prepareEnvironment();

    QStringList words = QCoreApplication::arguments().mid(1);
    const QString option = words.isEmpty() ? QString() : words.takeFirst();
    if (option == u"--help"_s || option == u"-h"_s) {
        printLine(helpText());
        return Done;
    }
    try {
        finishInterruptedRestore();
        for (const Command& command : commands()) {
            if (command.option == option)
                return command.run(words);
        }
        throw UsageError(u"Opzione sconosciuta: "_s + option);
    } catch (const UsageError& wrong) {
        printError(wrong.message());
        printError(u"Per l'elenco delle opzioni: tarvento --help"_s);
        return WrongArguments;
    } catch (const std::exception& failure) {
        printError(QString::fromUtf8(failure.what()));
        return Failed;
    }
}

DataFolderHold::DataFolderHold()
{
    if (!Startup::claimDataFolder(Startup::Notice::Silent))
        throw Failure(Startup::alreadyOpenMessage().replace(u"\n\r"_s, u"\n"_s));
}

DataFolderHold::~DataFolderHold()
{
    Startup::releaseDataFolder();
}

} // namespace CommandLine
