// The program's own start, ending as soon as the password window is on the screen.
#include "WaitExposed.h"
#include "app/Screens.h"
#include "app/Startup.h"
#include "app/TfrmPassword.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Startup::prepare(app);
    waitUntilExposed(frmPassword);
    return 0;
}
