#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>

// Returns once the window is on the screen (exposed), processing events meanwhile.
inline void waitUntilExposed(QWidget* window)
{
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The top-level window of that object name once it is on the screen, however it was created.
inline QWidget* waitForWindow(const QString& objectName)
{
    for (;;) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == objectName && w->isVisible() && w->windowHandle() != nullptr &&
                w->windowHandle()->isExposed())
                return w;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}
