#pragma once

#include "F24Report.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;

// The three output dialogs of the F24 screen: print, preview and PDF. Each is handed the
// form's texts by record field name and prints them as given.
class F24OutputScreen : public DialogScreen {
    Q_OBJECT
public:
    F24OutputScreen(const QString& caption, QWidget* owner);

    void setForm(const QHash<QString, QString>& texts) { m_form = texts; }
    const F24Report::Texts& form() const { return m_form; }

    QLabel* lblAttendere; // shown from the moment the main button goes down
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;
    ReportDocument repDocumento;

protected:
    // Heading picture, wait notice and the two buttons, in a window of the given client size.
    void build(const QString& title, const QString& instructions, const QString& mainButton, QSize size);
    void btnStampaMouseDown();
    // The form's one-page PDF, filled into `pdf` (a document of F24Report::createPdf) and written
    // to Modello_F24_ELIDE.pdf, then the question whether to open it: true when it was opened.
    // Also what print and preview offer when the system has no printer.
    bool exportPdf(ReportDocument& pdf) const;
    void exportPdfInstead() const;

private:
    F24Report::Texts m_form;
};

class TfrmStampaElide : public F24OutputScreen {
    Q_OBJECT
public:
    explicit TfrmStampaElide(QWidget* owner = nullptr);
    void btnStampaClick();
};

class TfrmAnteprimaF24 : public F24OutputScreen {
    Q_OBJECT
public:
    explicit TfrmAnteprimaF24(QWidget* owner = nullptr);
    void btnStampaClick();
};

class TfrmCrea_PDF_F24 : public F24OutputScreen {
    Q_OBJECT
public:
    explicit TfrmCrea_PDF_F24(QWidget* owner = nullptr);
    void btnStampaClick();
};
