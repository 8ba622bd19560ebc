#pragma once

#include "Scadenzario.h"
#include "platform/HelpTopics.h"
#include "platform/Screen.h"

class ListResults;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// Scadenze: every deadline of every contract in a period, as one list of fixed-width lines;
// a double-click opens the card, "Prepara F24" fills a new F24 ELIDE form with a registration
// tax, the list prints and goes to a calendar file.
class TfrmScadenze : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmScadenze(QWidget* parent = nullptr);

    QComboBox* cboPeriodo; // the next 30, 90 or 365 days, or two dates
    QLineEdit* txtDal;
    QLineEdit* txtAl;
    QComboBox* cboTipo; // which kinds of deadline
    QPushButton* btnAggiorna;
    QListView* lstRecords;
    QLabel* lblDettaglio; // how the chosen line's date and amount were found
    QLabel* lblTrovate;
    QLabel* panInfo;

    void btnAggiornaClick();
    void cmdPreparaF24Click();
    void cmdStampaClick();
    void cmdCalendarioClick();
    void cmdGuidaClick();
    void lstRecordsDblClick(int row);

    const QList<Scadenzario::Deadline>& shown() const { return m_shown; }
    Scadenzario::Period period() const { return m_period; }

    static const HelpTopic& help();
    static QString calendarFile(); // "Scadenze.ics" beside the executable

protected:
    void FormShow() override;

private:
    QWidget* buildToolBar();
    QWidget* buildCriteria();
    void showLines();
    void showDetail();
    std::optional<Scadenzario::Period> chosenPeriod();

    ListResults* m_results = nullptr;
    QList<Scadenzario::Deadline> m_all;
    // Shares its deadlines with m_all when every kind is shown: read only through const access
    // (at(), std::as_const), or the first read copies them all.
    QList<Scadenzario::Deadline> m_shown;
    Scadenzario::Period m_period;
};

extern ScreenReference<TfrmScadenze> frmScadenze;
