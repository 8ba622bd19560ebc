#include "TfrmStampaElide.h"

#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Formats.h"
#include "report/ReportOutput.h"
#include "report/ReportPdf.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

F24OutputScreen::F24OutputScreen(const QString& caption, QWidget* owner) : DialogScreen(caption, owner)
{
    // FormCreate
    Formats::apply();
    lblAttendere = new QLabel(u"Elaborazione in corso. Attendere..."_s, this);
    lblAttendere->setObjectName(u"lblAttendere"_s);
    lblAttendere->setStyleSheet(u"color: crimson; font-style: italic;"_s);
    lblAttendere->hide();
    btnAnnulla = Controls::button(u"Annulla"_s, u"btnAnnulla"_s, this, QSize(0, 32));
    btnStampa = Controls::button(QString(), u"btnStampa"_s, this, QSize(0, 32));
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::pressed, this, &F24OutputScreen::btnStampaMouseDown);
}

void F24OutputScreen::build(const QString& title, const QString& instructions, const QString& mainButton,
                            QSize size)
{
    fixClientSize(size.width(), size.height());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(12);
    layout->addWidget(Controls::titlePicture(title, instructions, this));
    layout->addStretch();
    auto* notice = new QHBoxLayout;
    notice->setContentsMargins(14, 0, 14, 0);
    notice->addWidget(lblAttendere);
    layout->addLayout(notice);
    btnStampa->setText(mainButton);
    layout->addLayout(Controls::buttonRow(btnAnnulla, btnStampa));
}

void F24OutputScreen::btnStampaMouseDown()
{
    // On screen while the pages are filled.
    lblAttendere->show();
    lblAttendere->repaint();
}

TfrmStampaElide::TfrmStampaElide(QWidget* owner) : F24OutputScreen(u" Stampa Modello F24 ELIDE"_s, owner)
{
    setObjectName(u"frmStampaElide"_s);
    repDocumento = F24Report::createPrint();
    build(u"Stampa scheda"_s,
          u"Questa operazione consente di stampare su carta il modello corrente con i dati inseriti. "
          u"Premere \"Stampa\" per avviare la stampa oppure \"Annulla\" per annullare l'operazione."_s,
          u"Stampa"_s, QSize(364, 200));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaElide::btnStampaClick);
}

bool F24OutputScreen::exportPdf(ReportDocument& pdf) const
{
    const QString path = F24Report::pdfPath();
    F24Report::fillPdf(pdf, form());
    ReportPdf::Export(pdf, path);
    lblAttendere->hide();
    if (!Desktop::confirm(ReportPdf::doneQuestion()))
        return false;
    TMisc::Open(u"\""_s + path + u"\""_s);
    return true;
}

void F24OutputScreen::exportPdfInstead() const
{
    ReportDocument pdf = F24Report::createPdf();
    exportPdf(pdf);
}

void TfrmStampaElide::btnStampaClick()
{
    lblAttendere->show();
    F24Report::fillPrint(repDocumento, form());
    lblAttendere->hide();
    ReportOutput::Print(repDocumento, 0, [this] { exportPdfInstead(); });
    accept(); // printed or cancelled, the print screen closes
}

TfrmAnteprimaF24::TfrmAnteprimaF24(QWidget* owner) : F24OutputScreen(u" Anteprima di stampa"_s, owner)
{
    setObjectName(u"frmAnteprimaF24"_s);
    repDocumento = F24Report::createPrint();
    build(u"Anteprima di stampa"_s,
          u"Questa operazione consente di visualizzare in anteprima i dati che verranno stampati. Fare "
          u"clic su \"Mostra anteprima\" per vedere il modello a video prima di stamparlo."_s,
          u"Mostra anteprima"_s, QSize(364, 200));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaF24::btnStampaClick);
}

void TfrmAnteprimaF24::btnStampaClick()
{
    lblAttendere->show();
    F24Report::fillPrint(repDocumento, form());
    lblAttendere->hide();
    ReportOutput::ShowReport(repDocumento, this, [this] { exportPdfInstead(); });
    accept();
}

TfrmCrea_PDF_F24::TfrmCrea_PDF_F24(QWidget* owner) : F24OutputScreen(u" Esporta in PDF"_s, owner)
{
    setObjectName(u"frmCrea_PDF_F24"_s);
    repDocumento = F24Report::createPdf();
    build(u"Esporta in PDF"_s,
          u"Questa operazione consente di esportare in formato PDF il modello con i dati inseriti. "
          u"Premere \"Crea PDF\" per creare il file PDF oppure \"Annulla\" per annullare l'operazione."_s,
          u"Crea PDF"_s, QSize(364, 200));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmCrea_PDF_F24::btnStampaClick);
}

void TfrmCrea_PDF_F24::btnStampaClick()
{
    lblAttendere->show();
    if (exportPdf(repDocumento))
        accept(); // otherwise the dialog stays open: the user may export again or cancel
}
