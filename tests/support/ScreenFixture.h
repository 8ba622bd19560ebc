#pragma once

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "immobili/TfrmImmobili.h"
#include "platform/Clock.h"
#include "platform/ExeFolder.h"
#include "platform/Picture.h"
#include "support/ScriptedDesktop.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The screens as at start (the password window built), in a temporary program folder holding the shipped
// password file, with a fixed clock and the scripted desktop.
struct ScreenFixture {
    QTemporaryDir folder;
    ScriptedDesktop desktop;

    ScreenFixture()
    {
        ExeFolder::setForTests(folder.path());
        QFile::copy(QStringLiteral(SOURCE_DIR "/resources/unins000.dll"),
                    folder.filePath(QStringLiteral("unins000.dll")));
        Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 30)));
        ScreenRegistry::start();
    }
    ~ScreenFixture()
    {
        ScreenRegistry::destroyAll();
        Clock::setFixedForTests({});
        ExeFolder::setForTests({});
    }
};

template <typename T> T* control(QWidget* screen, const char* name)
{
    T* found = screen->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("control %s not found on %s", name, qPrintable(screen->objectName()));
    return found;
}

inline void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The property card, opened from the main menu as a person does.
inline TfrmImmobili* openCard()
{
    frmAvvio->present();
    click(frmAvvio->imgImmobili);
    return frmImmobili;
}

// Runs `inspect` on the modal dialog that `open` shows, then closes the dialog.
inline void withModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            seen = true;
            inspect(modal);
            modal->close();
        }
    });
    open();
    QVERIFY2(seen, "no modal dialog was shown");
}
