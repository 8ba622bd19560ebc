#include "BackupCommands.h"

#include "BackupCheck.h"
#include "BackupRestore.h"
#include "BackupSave.h"
#include "app/CommandLine.h"
#include "platform/ExeFolder.h"

using namespace Qt::StringLiterals;

namespace {

QString theCopy(const QStringList& arguments, const QString& option)
{
    if (arguments.size() != 1 || arguments.constFirst().isEmpty())
        throw CommandLine::UsageError(u"L'opzione "_s + option +
                                      u" vuole un solo argomento: il file della copia di sicurezza (FILE.zip)."_s);
    return arguments.constFirst();
}

} // namespace

namespace BackupCommands {

int save(const QStringList& arguments)
{
    const QString copy = theCopy(arguments, u"--copia"_s);
    CommandLine::printLine(Backup::savedMessage(Backup::save(ExeFolder::path(), copy)));
    return CommandLine::Done;
}

int verify(const QStringList& arguments)
{
    const QString copy = theCopy(arguments, u"--verifica"_s);
    CommandLine::printLine(Backup::wholeMessage(Backup::verify(copy)));
    return CommandLine::Done;
}

int restore(const QStringList& arguments)
{
    const QString copy = theCopy(arguments, u"--ripristina"_s);
    const CommandLine::DataFolderHold hold;
    CommandLine::printLine(Backup::restoredMessage(Backup::restore(copy, ExeFolder::path())));
    return CommandLine::Done;
}

} // namespace BackupCommands
