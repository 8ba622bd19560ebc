#pragma once

#include "ReceiptPdf.h"
#include "platform/Screen.h"

#include <functional>

class QLabel;
class QPushButton;
class ReceiptFormatChoice;

// The receipt's PDF and e-mail screens: the format, as on the print screen, then the main
// button runs what the opener installed with the chosen format and the screen closes.
class ReceiptFileScreen : public DialogScreen {
    Q_OBJECT
public:
    ReceiptFileScreen(const QString& caption, QWidget* owner);

    void setAction(std::function<void(ReceiptPdf::Format)> action) { m_action = std::move(action); }

    ReceiptFormatChoice* formato; // optUno, optDue
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

    void btnStampaClick();

protected:
    // Heading picture, `middle` (may be null), the format and the two buttons.
    void build(const QString& title, const QString& instructions, QWidget* middle, const QString& mainButton);

private:
    std::function<void(ReceiptPdf::Format)> m_action;
};

class TfrmPdfRic : public ReceiptFileScreen {
    Q_OBJECT
public:
    explicit TfrmPdfRic(QWidget* owner = nullptr);
};

class TfrmEmailRic : public ReceiptFileScreen {
    Q_OBJECT
public:
    explicit TfrmEmailRic(QWidget* owner = nullptr);
    // The address the message goes to, and where it was found.
    void setRecipient(const QString& address, const QString& source);

    QLabel* lblDestinatario;
};
