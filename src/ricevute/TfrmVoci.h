#pragma once

#include "platform/Screen.h"

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The user's list of payment reasons, kept in Causali.lst. The opener names the
// receipt line an import fills by writing "ric_art_01" … "ric_art_08" into lblMemory, and
// installs importTo, which receives that line's number (1 to 8) and the chosen reason.
// The list is written back whenever the screen closes, unless the file could not be read
// when the screen opened: then the user's file is never replaced.
class TfrmVoci : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmVoci(QWidget* owner = nullptr);

    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QListWidget* lstRecords;
    QPushButton* btnImporta;
    QPushButton* btnElimina;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
    QLabel* lblMemory;

    std::function<void(int line, const QString& reason)> importTo;

    void btnTrovaClick();
    void btnEliminaClick();
    void btnImportaClick();
    void btnStampaClick();
    void btnChiudiClick();

    // The characters the reason field swallows when typed.
    static bool isFiltered(QChar c);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormClose();
    QStringList items() const;

    bool m_fileUnreadable = false;
    bool m_closed = false;
};
