// The program's own start, ending as soon as the password window is on the screen; with
// "menu", going on: the first password typed and OK pressed, ending once the main menu is on
// the screen. The folder given stands for the program's own (it holds the password file).
//   bench_start_tarvento <folder> [menu]
#include "WaitExposed.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/ExeFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <cstring>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    Application app(argc, argv);
    if (argc < 2)
        return 2;
    ExeFolder::setForTests(QString::fromLocal8Bit(argv[1]));
    Startup::prepare(app);
    QWidget* password = waitForWindow(u"frmPassword"_s);
    if (argc > 2 && std::strcmp(argv[2], "menu") == 0) {
        password->findChild<QLineEdit*>(u"txtPassword"_s)->setText(u"chiavepartenza"_s);
        password->findChild<QPushButton*>(u"cmdOK"_s)->click();
        waitForWindow(u"frmAvvio"_s);
    }
    return 0;
}
