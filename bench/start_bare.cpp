// The floor of the program's start: a bare Qt window of the password window's size holding
// what any window with words holds (a label, a text box and a button), so it pays what every
// such window pays, the font system first. It ends as soon as it is on the screen.
#include "WaitExposed.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(388, 405);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Immetti la password e premi OK."), &window));
    layout->addWidget(new QLineEdit(&window));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &window));
    window.show();
    waitUntilExposed(&window);
    return 0;
}
