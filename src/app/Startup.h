#pragma once

#include <QString>

class Application;
class QWidget;

// The start of the program: environment, the desktop backend, the data folder claimed, every
// screen, then the password screen shown and the message loop run until the program ends.
namespace Startup {
bool prepare(Application& app); // everything up to the password screen shown; false: end now
int run(Application& app);      // prepare, then the message loop

// Holds the lock file in the data folder until releaseDataFolder() or the end of the process.
// When another running copy of the program holds it, returns false, having told the user so
// unless asked to stay silent (the command line says it in its own way). True at once when this
// process holds it already.
enum class Notice { Shown, Silent };
bool claimDataFolder(Notice notice = Notice::Shown);
void releaseDataFolder();
QString alreadyOpenMessage();

// Before anything reads the data: a restore a kill or a power cut interrupted is finished (the
// user is told so once) and the temporary files of killed copies are removed. False when the
// data cannot be used, the user having been told why. The data folder is claimed already.
bool tidyDataFolder();
} // namespace Startup
