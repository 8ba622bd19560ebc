#pragma once

#include "ReceiptPdf.h"
#include "RicevutaReport.h"
#include "card/CardForm.h"
#include "card/CardProtocol.h"
#include "platform/Screen.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class Record;

// The receipt card: one receipt of the year's archive (lblFile) at a time, in five boxes,
// with its payment lines, the ISTAT update and the totals in figures and words.
class TfrmRicevute : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmRicevute(QWidget* parent = nullptr);
    ~TfrmRicevute() override;

    CardForm& form() { return *m_form; }
    QLabel* lblFile;       // hidden: the archive path, set by the receipts menu
    QLabel* lblAnno;       // hidden: its year
    QLabel* lblInizio;     // hidden: the numbering start last read
    QLabel* txtTotImporti; // hidden: the total without ISTAT, printed by the receipt
    QLabel* lblPosizione;
    QLabel* panInfo;
    QLabel* txtTotRicevuta;
    QComboBox* txtBollo;
    QCheckBox* chkSaldata;

    void cmdNuovoClick();
    bool cmdSalvaClick(); // true when the receipt was saved
    void cmdImportaClick();
    void cmdIstatClick();
    // The total computation; false when an amount is not a number (the total shows 0,00).
    bool cmdCalcolaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdGuidaClick();
    void cmdRiepMensileClick();
    void cmdRiepTrimestraleClick();
    void cmdRiepAnnualeClick();
    void impOggiClick();

    // The import from a property card (the property search's "ricevute" hand-over).
    void importPropertyCard(const Record& card);
    // A receipt chosen in the receipt search or the unpaid list, shown as loaded.
    void showChosen(const Record& receipt, qint64 position);

    // Beyond paper (TfrmRicevuteSending.cpp, TfrmRicevuteYear.cpp): the receipt as a PDF, sent
    // to the tenant by e-mail, and a contract's year of receipts in one step.
    void cmdPDFClick();
    void cmdEmailClick();
    void cmdGeneraClick();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;

private:
    QWidget* buildToolBar();
    QWidget* buildBoxes();
    QWidget* buildPayments();
    QWidget* buildStrip();
    QWidget* buildStatusBar();
    QWidget* box(const QString& objectName, const QString& title, const QString& picture, QWidget* content);
    void addFieldHelpers();
    void clearScreen();
    void amountKey(const QString& field);
    bool totalReadyForOutput();
    RicevutaReport::ValueOf shownReceipt() const;
    template <typename Summary> void openSummary();
    bool numberedForPdf();
    void exportPdf(ReceiptPdf::Format format);
    std::optional<std::pair<QString, QString>> mailRecipient(); // address, where it comes from
    void sendByMail(ReceiptPdf::Format format, const QString& address);
    QLineEdit* edit(const QString& field) const;
    QString text(const QString& field) const;

    std::unique_ptr<CardForm> m_form;
    std::unique_ptr<CardProtocol> m_protocol;
};
