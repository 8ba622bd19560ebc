#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>

// An application screen: a window created once at start, shown and hidden for the whole
// run. Exactly one is visible at a time; a hand-over shows the next one before hiding this.
class ApplicationScreen : public QWidget {
    Q_OBJECT
public:
    explicit ApplicationScreen(const QString& caption, QWidget* parent = nullptr);

    // Shows the screen as it wants to be seen (maximised, unless a screen says otherwise).
    virtual void present();
    void handOverTo(ApplicationScreen* next);
    // For the small fixed-size screens (password, change of password).
    void presentCentred();

    // The main menu, to which every application returns.
    static void setMainMenu(ApplicationScreen* menu);
    static ApplicationScreen* mainMenu();

protected:
    // Runs on every show; each screen decides there what it displays.
    virtual void FormShow() {}
    // Runs when the screen is closed (its exit button or the window's close box). By
    // default the main menu comes back.
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
};

// A dialog screen whose only design so far is its caption.
#define DIALOG_SCREEN(Class, Caption)                                                                        \
    class Class : public DialogScreen {                                                                      \
    public:                                                                                                  \
        explicit Class(QWidget* owner = nullptr) : DialogScreen(QStringLiteral(Caption), owner) {}           \
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

class QPushButton;

// The band across the top of a screen with its title and an exit button (objectName
// cmdEsci) that closes the screen.
QPushButton* addTitleBand(QWidget* screen, const QString& title);
