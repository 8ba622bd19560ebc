#pragma once

#include "ReceiptPdf.h"
#include "RicevutaReport.h"
#include "platform/PrintDialog.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;
class QRadioButton;
class ReceiptFormatChoice;

// The receipt's print screen and preview screen. Both read the receipt screen's
// controls as they stand, through the hand-over their opener installs, or else from the
// controls of the screen that opened them (their owner) by the controls' names.
class ReceiptOutputScreen : public DialogScreen {
    Q_OBJECT
public:
    ReceiptOutputScreen(const QString& caption, QWidget* owner);

    // The typed hand-over: the receipt's trimmed field texts, by record field name, and
    // "TotImporti" for the total without ISTAT.
    void setReceipt(RicevutaReport::ValueOf valueOf) { m_valueOf = std::move(valueOf); }
    // The default hand-over: the controls of `screen` named after the fields (txtNumRic…,
    // the hidden txtTotImporti).
    static RicevutaReport::ValueOf controlsOf(const QWidget* screen);
    // What printing offers when the system has no printer: the receipt's PDF in the format
    // being printed, made by the opener.
    void setPdfInstead(std::function<void(ReceiptPdf::Format)> pdf) { m_pdf = std::move(pdf); }

    QLabel* imgLogo; // hidden: the logo to print
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;
    ReportDocument repDocumento;

protected:
    QWidget* titlePicture(const QString& title, const QString& instructions);
    void showEvent(QShowEvent* event) override;
    const QImage& logo();
    RicevutaReport::ValueOf receipt() const;
    PrintDialog::PdfInstead pdfInstead(ReceiptPdf::Format format) const;

private:
    RicevutaReport::ValueOf m_valueOf;
    std::function<void(ReceiptPdf::Format)> m_pdf;
    QImage m_logo;
    bool m_logoLoaded = false;
};

class TfrmStampaRic : public ReceiptOutputScreen {
    Q_OBJECT
public:
    explicit TfrmStampaRic(QWidget* owner = nullptr);

    QRadioButton* optUno;
    QRadioButton* optDue;
    QLabel* lblMemory; // "uno" or "due"
    ReportDocument repDuplice;

    void optUnoClick();
    void optDueClick();
    void btnStampaClick();
};

// Shows either format, so the two-copy sheet can be seen without a printer.
class TfrmAnteprimaRic : public ReceiptOutputScreen {
    Q_OBJECT
public:
    explicit TfrmAnteprimaRic(QWidget* owner = nullptr);
    ReceiptFormatChoice* formato; // optUno, optDue
    ReportDocument repDuplice;
    void btnStampaClick();
};
