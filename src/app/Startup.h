#pragma once

class Application;
class QWidget;

// The start of the program: environment, the desktop backend, every screen, then the
// password screen shown and the message loop run until the program ends.
namespace Startup {
void prepare(Application& app); // everything up to the password screen shown
int run(Application& app);      // prepare, then the message loop
} // namespace Startup
