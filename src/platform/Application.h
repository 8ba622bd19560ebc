#pragma once

#include <QApplication>

// The application object: an exception that escapes a handler reaches the default error
// report, which shows the failure's own text; the program then goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // What every start needs before the first screen: Italian stock dialogs, the process-wide
    // formats, the font substitutions for the fonts the screens and templates name, and Enter
    // on a focused button pressing it (with the focus mark shown).
    static void prepareEnvironment();
};
