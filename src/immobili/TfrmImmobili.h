#pragma once

#include "card/CardForm.h"
#include "card/CardProtocol.h"
#include "immobili/SchedaImmobile.h"
#include "platform/HelpTopics.h"
#include "platform/Screen.h"
#include "report/ReportModel.h"

#include <memory>

class CardSections;
class QLabel;
class QToolButton;

// The property card: one record of Immobili.pro at a time, in four sections.
class TfrmImmobili : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmImmobili(QWidget* parent = nullptr);
    ~TfrmImmobili() override;

    using Section = SchedaImmobile::Section;
    void showSection(Section section);

    CardForm& form() { return *m_form; }
    QLabel* lblPosizione;
    QLabel* panInfo;

    void cmdNuovoClick();
    void cmdDuplicaClick();
    bool cmdSalvaClick(); // true when the card was saved
    void cmdGuidaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdTrovaClick();
    void cmdExcelClick();
    void cmdAllegaClick();
    ReportDocument& repScheda() { return m_repScheda; }
    // Shows a card another screen hands over (a deadline's double-click) at its position.
    void showCard(const Record& card, qint64 position) { m_protocol->show(card, position); }

    static const HelpTopic& help(); // title and topic of the screen's help

protected:
    void FormShow() override;
    bool FormCloseQuery() override;

private:
    QWidget* buildToolBar();
    QWidget* buildSectionHeaders();
    void addFieldHelpers();
    void clearCard();
    void fillReport();
    void exportPdf(); // the filled report to Immobile.pdf, then the offer to open it
    QWidget* field(const char* name) const;

    std::unique_ptr<CardForm> m_form;
    std::unique_ptr<CardProtocol> m_protocol;
    ReportDocument m_repScheda;
    CardSections* m_sections = nullptr;
};

extern ScreenReference<TfrmImmobili> frmImmobili;
