#pragma once

#include "card/CardForm.h"
#include "card/CardProtocol.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Screen.h"

#include <QHash>
#include <memory>

class QLabel;
class QLineEdit;
class Record;

// The F24 ELIDE form: one payment form of F24_ELIDE.pro at a time, laid out like the paper
// form (heading, payer, tax lines with the final balance).
class TfrmModello_F24_Elide : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmModello_F24_Elide(QWidget* parent = nullptr);
    ~TfrmModello_F24_Elide() override;

    CardForm& form() { return *m_form; }
    QLineEdit* edit(const QString& field) const; // "Importo01" → txtImporto01
    QLabel* lblPosizione;
    QLabel* panInfo;

    void cmdNuovoClick();
    bool cmdSalvaClick(); // true when the form was saved
    // The final balance; false when an amount is not a number (the total shows 0,00) or the
    // balance is too large for the form (a warning says so).
    bool cmdCalcolaClick();
    void impDataClick();
    void cmdImportaClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdExcelClick();
    void cmdGuidaClick();
    void impCodiceClick(int line); // 1 or 2
    void clearForm();

    // The import from a property card (the property search's "f24" hand-over).
    void importPropertyCard(const Record& card);
    // A new form: the card's import, then the given field texts (a prepared payment), and the
    // balance as "Calcola" gives it. Nothing is saved.
    void prepareNewForm(const Record& card, const QList<std::pair<QString, QString>>& fields);
    // What is printed: the amounts and the total tidied and recomputed on screen, the dates
    // in dd/mm/yyyy, and the 27 texts keyed by field name ("Importo01").
    QHash<QString, QString> formForOutput();

    static const HelpTopic& help();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;

private:
    QWidget* buildToolBar();
    QWidget* buildForm();
    QWidget* section(const QString& objectName, const QString& banner, QWidget* content);
    void addFieldHelpers();
    void tidyAmounts();
    bool amountsReady();
    bool canonicalDate(const QString& field,
                       Formats::TwoDigitYears years = Formats::TwoDigitYears::AroundToday);
    QString text(const QString& field) const;

    std::unique_ptr<CardForm> m_form;
    std::unique_ptr<CardProtocol> m_protocol;
};
