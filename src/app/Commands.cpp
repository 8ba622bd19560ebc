#include "CommandLine.h"
#include "scadenze/ScadenzeCommand.h"

using namespace Qt::StringLiterals;

// Each option's work lives beside the screens that do the same; this list only names them.
QList<CommandLine::Command> CommandLine::commands()
{
    return {
        {u"--scadenze"_s, u"[--giorni N] [--dal gg/mm/aaaa --al gg/mm/aaaa] [--ics FILE.ics]"_s,
         u"Stampa le scadenze dei contratti (dei prossimi 90 giorni, dei prossimi N giorni o del periodo "
         u"indicato) e con --ics le scrive in un file di calendario."_s,
         &ScadenzeCommand::run},
    };
}
