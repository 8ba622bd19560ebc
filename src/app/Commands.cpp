#include "CommandLine.h"
#include "backup/BackupCommands.h"
#include "scadenze/ScadenzeCommand.h"
#include "ricevute/ReceiptPdfCommand.h"

using namespace Qt::StringLiterals;

// Each option's work lives beside the screens that do the same; this list only names them.
QList<CommandLine::Command> CommandLine::commands()
{
    return {
        {u"--copia"_s, u"FILE.zip"_s, u"Salva in FILE.zip una copia di sicurezza di tutti i dati."_s,
         &BackupCommands::save},
        {u"--verifica"_s, u"FILE.zip"_s, u"Verifica che la copia di sicurezza FILE.zip sia integra."_s,
         &BackupCommands::verify},
        {u"--ripristina"_s, u"FILE.zip"_s,
         u"Verifica la copia di sicurezza FILE.zip e ne rimette i dati al loro posto; i dati attuali vanno in "
         u"una cartella Dati_prima_del_ripristino_... accanto al programma."_s,
         &BackupCommands::restore},
        {u"--scadenze"_s, u"[--giorni N] [--dal gg/mm/aaaa --al gg/mm/aaaa] [--ics FILE.ics]"_s,
         u"Stampa le scadenze dei contratti (dei prossimi 90 giorni, dei prossimi N giorni o del periodo "
         u"indicato) e con --ics le scrive in un file di calendario."_s,
         &ScadenzeCommand::run},
        {u"--ricevuta-pdf"_s, u"ANNO NUMERO FILE.pdf [--due-copie]"_s,
         u"Scrive in FILE.pdf la ricevuta con quel numero dell'archivio ANNO.ric, come il pulsante PDF della "
         u"ricevuta; con --due-copie le due ricevute piccole su un foglio."_s,
         &ReceiptPdfCommand::run},
    };
}
