#pragma once

#include "YearReceipts.h"
#include "platform/Screen.h"

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// " Genera ricevute dell'anno": the receipts a property card's contract gives for the year,
// listed before anything is written, with the instalments left out and why. The period and
// the due day come from the card and may be changed (an unknown period must be chosen).
// "Genera ricevute" hands the plan to the opener, which appends it all or none.
class TfrmGeneraRic : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmGeneraRic(QWidget* owner = nullptr);

    // The card chosen, the year shown, the receipts already in its archive and the number the
    // first new receipt will take.
    void setContract(const Record& card, int year, QList<Instalments::Receipt> receipts, int firstNumber);
    void setConfirmed(std::function<void(const YearReceipts::Plan&)> confirmed) { m_confirmed = std::move(confirmed); }

    QLabel* lblContratto;
    QComboBox* cboPeriodicita; // the card's three periods; none chosen when the card's is unknown
    QSpinBox* txtGiorno;       // the due day, 1 to 31
    QLabel* lblAvviso;         // what could not be read from the card
    QTreeWidget* lstRecords;   // number, date, reason, amount of each receipt to make
    QLabel* lblEscluse;        // the instalments left out and why
    QPushButton* btnAnnulla;
    QPushButton* btnGenera;

    void btnGeneraClick();

private:
    void refresh();

    std::optional<Record> m_card;
    int m_year = 0;
    QList<Instalments::Receipt> m_receipts;
    int m_firstNumber = 1;
    std::optional<YearReceipts::Plan> m_plan;
    std::function<void(const YearReceipts::Plan&)> m_confirmed;
};
