// A bare Qt program showing one empty window: the floor the program's start is compared to.
#include "WaitExposed.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(388, 405);
    window.show();
    waitUntilExposed(&window);
    return 0;
}
