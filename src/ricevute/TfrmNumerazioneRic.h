#pragma once

#include "platform/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The numbering start of new receipts, kept in Affitti.ini. The opener writes
// "ricevute" into lblMemory; with any other word the screen neither reads nor writes.
class TfrmNumerazioneRic : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmNumerazioneRic(QWidget* owner = nullptr);

    QLineEdit* txtInizio;
    QPushButton* btnAnnulla;
    QPushButton* btnApplica;
    QLabel* lblMemory;

    void btnApplicaClick();
    void btnAnnullaClick();
    void txtInizioExit();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
};
