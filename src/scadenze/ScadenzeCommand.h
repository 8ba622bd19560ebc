#pragma once

#include <QStringList>

// tarvento --scadenze [--giorni N] [--dal gg/mm/aaaa --al gg/mm/aaaa] [--ics FILE.ics]: the
// deadlines' lines on standard output, and the calendar file when asked. Reads only.
namespace ScadenzeCommand {
int run(const QStringList& arguments);
} // namespace ScadenzeCommand
