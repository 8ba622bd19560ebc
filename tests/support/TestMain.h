#pragma once

#include "platform/Application.h"
#include "ricevute/ChartModule.h"

#include <QTest>

// A test program run with the application object of the program itself, so the default
// error report and the process-wide formats are those the user gets, and the chart module
// of the build.
#define TARVENTO_GUI_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        Application app(argc, argv);                                                                         \
        Application::prepareEnvironment();                                                                   \
        app.setQuitOnLastWindowClosed(false);                                                                \
        ChartModule::setFileForTests(QStringLiteral(TARVENTO_CHART_MODULE));                                 \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
