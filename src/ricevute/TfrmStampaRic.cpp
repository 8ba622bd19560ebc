#include "TfrmStampaRic.h"

#include "ReceiptFormatChoice.h"
#include "ReceiptLogo.h"
#include "RicevuteScreens.h"
#include "SchedaRicevuta.h"
#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "report/ReportOutput.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReceiptOutputScreen::ReceiptOutputScreen(const QString& caption, QWidget* owner)
    : DialogScreen(caption, owner), repDocumento(RicevutaReport::createLarge())
{
    // FormCreate
    Formats::apply();
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(u"imgLogo"_s);
    imgLogo->hide();
    btnAnnulla = new QPushButton(u"Annulla"_s, this);
    btnAnnulla->setObjectName(u"btnAnnulla"_s);
    btnStampa = new QPushButton(this);
    btnStampa->setObjectName(u"btnStampa"_s);
    for (QPushButton* b : {btnAnnulla, btnStampa})
        b->setMinimumHeight(32);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* ReceiptOutputScreen::titlePicture(const QString& title, const QString& instructions)
{
    return Controls::titlePicture(title, instructions, this);
}

RicevutaReport::ValueOf ReceiptOutputScreen::controlsOf(const QWidget* screen)
{
    return [screen](const QString& field) -> QString {
        if (screen == nullptr)
            return {};
        if (field == u"TotImporti"_s) {
            const auto* label = screen->findChild<const QLabel*>(u"txtTotImporti"_s);
            return label ? Text::trimmed(label->text()) : QString();
        }
        const QWidget* control =
            screen->findChild<const QWidget*>(SchedaRicevuta::field(field).controlName());
        return control ? Text::trimmed(FieldBehaviour::textOf(control)) : QString();
    };
}

RicevutaReport::ValueOf ReceiptOutputScreen::receipt() const
{
    if (m_valueOf)
        return m_valueOf;
    return controlsOf(parentWidget() ? parentWidget() : static_cast<QWidget*>(frmRicevute));
}

PrintDialog::PdfInstead ReceiptOutputScreen::pdfInstead(ReceiptPdf::Format format) const
{
    if (!m_pdf)
        return {};
    return [pdf = m_pdf, format] { pdf(format); };
}

void ReceiptOutputScreen::showEvent(QShowEvent* event)
{
    // FormShow: the logo is read again at each opening.
    m_logo = ReceiptLogo::current();
    m_logoLoaded = true;
    imgLogo->setPixmap(QPixmap::fromImage(m_logo));
    DialogScreen::showEvent(event);
}

const QImage& ReceiptOutputScreen::logo()
{
    if (!m_logoLoaded) {
        m_logo = ReceiptLogo::current();
        m_logoLoaded = true;
    }
    return m_logo;
}

TfrmStampaRic::TfrmStampaRic(QWidget* owner)
    : ReceiptOutputScreen(u" Stampa ricevuta d'affitto"_s, owner), repDuplice(RicevutaReport::createCopies())
{
    setObjectName(u"frmStampaRic"_s);
    fixClientSize(364, 363);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(12);
    layout->addWidget(
        titlePicture(u"Stampa ricevuta d'affitto"_s,
                     u"Questa operazione consente di stampare su carta il documento con i dati "
                     u"inseriti nei campi. Premere \"Stampa\" per stampare oppure \"Annulla\" per "
                     u"annullare l'operazione."_s));

    auto* formato = new ReceiptFormatChoice(this, u"Stampa una ricevuta grande su foglio A4."_s,
                                            u"Stampa due ricevute piccole su foglio A4."_s);
    optUno = formato->optUno;
    optDue = formato->optDue;
    layout->addWidget(formato);
    layout->addStretch();

    btnStampa->setText(u"Stampa"_s);
    layout->addLayout(Controls::buttonRow(btnAnnulla, btnStampa));

    lblMemory = new QLabel(u"uno"_s, this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    connect(optUno, &QRadioButton::clicked, this, &TfrmStampaRic::optUnoClick);
    connect(optDue, &QRadioButton::clicked, this, &TfrmStampaRic::optDueClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaRic::btnStampaClick);
}

void TfrmStampaRic::optUnoClick()
{
    lblMemory->setText(u"uno"_s);
}

void TfrmStampaRic::optDueClick()
{
    lblMemory->setText(u"due"_s);
}

void TfrmStampaRic::btnStampaClick()
{
    const QString format = Text::trimmed(lblMemory->text());
    if (format == u"uno"_s) {
        RicevutaReport::fillLarge(repDocumento, receipt(), logo());
        ReportOutput::Print(repDocumento, 0, pdfInstead(ReceiptPdf::Format::Large));
    } else if (format == u"due"_s) {
        RicevutaReport::fillCopies(repDuplice, receipt(), logo());
        ReportOutput::Print(repDuplice, 0, pdfInstead(ReceiptPdf::Format::Copies));
    } else {
        return;
    }
    accept(); // printed or cancelled, the print screen closes
}

TfrmAnteprimaRic::TfrmAnteprimaRic(QWidget* owner)
    : ReceiptOutputScreen(u" Anteprima di stampa"_s, owner), repDuplice(RicevutaReport::createCopies())
{
    setObjectName(u"frmAnteprimaRic"_s);
    fixClientSize(364, 287);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(12);
    layout->addWidget(
        titlePicture(u"Anteprima di stampa"_s,
                     u"Questa operazione consente di visualizzare in anteprima i dati che verranno "
                     u"stampati. Scegliere il formato e fare clic su \"Mostra anteprima\" per vedere il "
                     u"documento a video prima di stamparlo."_s));
    formato = new ReceiptFormatChoice(this);
    layout->addWidget(formato);
    layout->addStretch();
    btnStampa->setText(u"Mostra anteprima"_s);
    layout->addLayout(Controls::buttonRow(btnAnnulla, btnStampa));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaRic::btnStampaClick);
}

void TfrmAnteprimaRic::btnStampaClick()
{
    const ReceiptPdf::Format format = formato->format();
    ReportDocument& shown = format == ReceiptPdf::Format::Large ? repDocumento : repDuplice;
    if (format == ReceiptPdf::Format::Large)
        RicevutaReport::fillLarge(shown, receipt(), logo());
    else
        RicevutaReport::fillCopies(shown, receipt(), logo());
    ReportOutput::ShowReport(shown, this, pdfInstead(format));
    accept();
}
