#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QListView;
class QWidget;

// Pictures of the real screens for the manual. Each picture is named after the objectName of
// the window it shows (frmImmobili.png, frmImmobili-locatore.png), drawn with a plain title
// bar carrying the window's caption, and listed in schermate.txt, which the manual's build
// and its tests read.
class Shooter {
public:
    explicit Shooter(const QString& folder);

    // Grabs `window` as it stands; `variant` tells apart several pictures of one screen.
    void shoot(QWidget* window, const QString& variant = {});
    // Writes schermate.txt; fails when a picture was named twice.
    void finish();

private:
    QString m_folder;
    QStringList m_written;
};

// A person's click in the middle of a control, or of the control `name` of `screen`.
void clickOn(QWidget* widget);
void clickOn(QWidget* screen, const char* name);
// The control `name` of `screen`; the program ends when there is none (a renamed control
// must not leave the manual with a picture of the wrong thing).
QWidget* controlOf(QWidget* screen, const char* name);
// A person's click on the first line of `list` that contains `text`; the program ends when
// there is none.
void clickLine(QListView* list, const QString& text);
// Lets pending layouts and paints happen.
void settle();
// Runs `inside` on the modal dialog that `open` shows, then closes it. The program ends when
// no dialog opens.
void onModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside);
// Stops the program with a message on standard error.
[[noreturn]] void giveUp(const QString& why);
