#pragma once

#include <QDialog>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

// An application screen: a window built the first time it is needed (ScreenReference), then
// shown and hidden for the whole run. Exactly one is visible at a time; a hand-over shows the
// next one before hiding this.
class ApplicationScreen : public QWidget {
    Q_OBJECT
public:
    explicit ApplicationScreen(const QString& caption, QWidget* parent = nullptr);

    // Shows the screen as it wants to be seen (maximised, unless a screen says otherwise).
    virtual void present();
    void handOverTo(ApplicationScreen* next);
    // For the small fixed-size screens (password, change of password).
    void presentCentred();

    // The main menu, to which every application returns (reached through `menu`, which
    // builds it when it is first needed).
    static void setMainMenu(ApplicationScreen* (*menu)());
    static ApplicationScreen* mainMenu();

protected:
    // Runs on every show; each screen decides there what it displays.
    virtual void FormShow() {}
    // Asked first when the screen is closed (its exit button or the window's close box): false
    // keeps it open. By default it closes.
    virtual bool FormCloseQuery() { return true; }
    // Runs when the screen is closed. By default the main menu comes back.
    virtual void FormClose();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// A dialog screen: created fresh by the handler that needs it, shown modally and destroyed
// on return, so every opening starts from its design state.
class DialogScreen : public QDialog {
    Q_OBJECT
public:
    explicit DialogScreen(const QString& caption, QWidget* owner = nullptr);

protected:
    // Fixed-size window with the given client area and no system buttons but close.
    void fixClientSize(int width, int height);
    // Enter belongs to the fields (it moves to the next one), never to a default button.
    void showEvent(QShowEvent* event) override;

private:
    void growToContents();
};

// Opening a dialog screen, the same from every caller: a fresh instance owned by the caller,
// prepared by the caller (a field to check, a navigation word, a title), shown modally and
// destroyed when it closes, so every opening starts from the dialog's design state.
template <typename Dialog, typename Prepare> void openDialog(QWidget* owner, Prepare prepare)
{
    auto dialog = std::make_unique<Dialog>(owner);
    prepare(*dialog);
    dialog->exec();
}

template <typename Dialog> void openDialog(QWidget* owner)
{
    openDialog<Dialog>(owner, [](Dialog&) {});
}

// The application screens built so far, in the order they were built, kept for the run.
namespace ScreenRegistry {
QList<QWidget*> built();
// Destroys every built screen, the newest first, and empties its reference.
void destroyAll();
// Records a screen just built; `forget` empties its reference when it is destroyed.
void keep(QWidget* screen, std::function<void()> forget);
} // namespace ScreenRegistry

// A process-wide reference to an application screen (frmImmobili, frmAvvio…): the screen is
// built the first time the reference is used and kept until ScreenRegistry::destroyAll().
template <typename Screen> class ScreenReference {
public:
    Screen* get()
    {
        if (m_screen == nullptr) {
            m_screen = new Screen;
            ScreenRegistry::keep(m_screen, [this] { m_screen = nullptr; });
        }
        return m_screen;
    }
    bool isBuilt() const { return m_screen != nullptr; }
    Screen* operator->() { return get(); }
    operator Screen*() { return get(); }

private:
    Screen* m_screen = nullptr;
};

class QPushButton;

// Every window fits the available area of its screen (a larger one is made smaller) and
// stands centred in it, its title bar included; with `size`, the window takes that size as
// far as the screen allows. Before the window system has framed a window, a usual frame is
// reserved so the title bar still ends up on the screen. A maximised window is left alone.
void fitAndCentre(QWidget* window, QSize size = QSize());
// The frame a window manager usually puts around a window: reserved before it is known.
QMargins usualFrame();

// The band across the top of a screen with its title and an exit button (objectName
// cmdEsci) that closes the screen.
QPushButton* addTitleBand(QWidget* screen, const QString& title);

class QLabel;

// The look of the card screens: the blue gradient down to white behind the whole screen.
void paintCardBackground(QWidget* screen);
// The information bar along the bottom of a card screen (objectName panInfo), with its text.
QLabel* cardInfoBar(QWidget* screen, const QString& text);
