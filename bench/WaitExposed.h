#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

// Returns once the window is on the screen (exposed), processing events meanwhile.
inline void waitUntilExposed(QWidget* window)
{
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
