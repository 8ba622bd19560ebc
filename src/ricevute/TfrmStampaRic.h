#pragma once

#include "RicevutaReport.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;
class QRadioButton;

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

    QLabel* imgLogo; // hidden: the logo to print
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;
    ReportDocument repDocumento;

protected:
    QWidget* titlePicture(const QString& title, const QString& instructions);
    void showEvent(QShowEvent* event) override;
    const QImage& logo();
    RicevutaReport::ValueOf receipt() const;

private:
    RicevutaReport::ValueOf m_valueOf;
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

class TfrmAnteprimaRic : public ReceiptOutputScreen {
    Q_OBJECT
public:
    explicit TfrmAnteprimaRic(QWidget* owner = nullptr);
    void btnStampaClick();
};
