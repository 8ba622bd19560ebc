#pragma once

#include "platform/Screen.h"

class QLineEdit;
class QPushButton;

// Checks a codice fiscale by its check letter; the result is only shown.
class TfrmCodFisc : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* owner = nullptr);
    QLineEdit* txtCodFisc;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;
    void btnControllaClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// Checks a partita IVA by its check digit and names the office that issued it.
class TfrmPartitaIva : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* owner = nullptr);
    QLineEdit* txtPartitaIva;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;
    void btnControllaClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// What the arrow buttons beside the code fields open, the same on every screen.
namespace IdentityChecks {
// A field holding digits only is a company's code: its partita IVA is checked instead.
void checkCodiceFiscaleField(QWidget* owner, const QString& fieldText);
void checkPartitaIvaField(QWidget* owner, const QString& fieldText);
} // namespace IdentityChecks
