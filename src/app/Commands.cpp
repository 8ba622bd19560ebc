#include "CommandLine.h"
#include "ricevute/ReceiptPdfCommand.h"

using namespace Qt::StringLiterals;

// Each option's work lives beside the screens that do the same; this list only names them.
QList<CommandLine::Command> CommandLine::commands()
{
    return {
        ReceiptPdfCommand::command(),
    };
}
