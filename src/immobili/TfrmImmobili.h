#pragma once

#include "card/CardForm.h"
#include "card/CardProtocol.h"
#include "platform/Screen.h"
#include "report/ReportModel.h"

#include <memory>

class QLabel;
class QToolButton;
class Picture;

// The property card: one record of Immobili.pro at a time, in four sections.
class TfrmImmobili : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmImmobili(QWidget* parent = nullptr);
    ~TfrmImmobili() override;

    enum class Section { Immobile, Locatore, Conduttore, Contratto };
    void showSection(Section section);

    CardForm& form() { return *m_form; }
    QLabel* lblPosizione;
    QLabel* panInfo;

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdGuidaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdTrovaClick();
    void cmdExcelClick();
    void cmdAllegaClick();
    ReportDocument& repScheda() { return m_repScheda; }

    static QString helpTitle();
    static QString helpText();

protected:
    void FormShow() override;

private:
    QWidget* buildToolBar();
    QWidget* buildSectionHeaders();
    QWidget* buildSections();
    void addFieldHelpers();
    void clearCard();
    void fillReport();
    QWidget* field(const char* name) const;

    std::unique_ptr<CardForm> m_form;
    std::unique_ptr<CardProtocol> m_protocol;
    ReportDocument m_repScheda;
    QList<QWidget*> m_panels;
    QList<Picture*> m_blue;
    QList<Picture*> m_red;
};

extern ScreenReference<TfrmImmobili> frmImmobili;
