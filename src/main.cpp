#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    if (CommandLine::requested(argc, argv))
        return CommandLine::run(argc, argv);
    Application app(argc, argv);
    return Startup::run(app);
}
