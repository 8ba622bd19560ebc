#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

// The main menu's backup bar: three small picture buttons (save a copy, check a copy, restore
// a copy) and the information line that tells when the last copy was saved, or reminds that
// one is due. It says so and nothing more: no dialog opens by itself.
class BackupBar : public QWidget {
    Q_OBJECT
public:
    explicit BackupBar(QWidget* parent = nullptr);

    QToolButton *cmdCopia, *cmdVerificaCopia, *cmdRipristinaCopia;
    QLabel* lblCopia;

    // Hand-overs installed by the main menu. Before a restore: true when no other copy of the
    // program works on the data (and it stays so). After a restore: the data changed under
    // the program, password file included.
    std::function<bool()> claimDataFolder;
    std::function<void()> restored;

    void cmdCopiaClick();
    void cmdVerificaCopiaClick();
    void cmdRipristinaCopiaClick();
    void refresh(); // the information line, from Affitti.ini and the archives

protected:
    void showEvent(QShowEvent* event) override;
};
