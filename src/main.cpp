#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    return Startup::run(app);
}
