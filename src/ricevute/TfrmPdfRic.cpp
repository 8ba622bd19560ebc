#include "TfrmPdfRic.h"

#include "ReceiptFormatChoice.h"
#include "platform/Controls.h"
#include "platform/Formats.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReceiptFileScreen::ReceiptFileScreen(const QString& caption, QWidget* owner) : DialogScreen(caption, owner)
{
    Formats::apply();
    formato = new ReceiptFormatChoice(this);
    btnAnnulla = Controls::button(u"Annulla"_s, u"btnAnnulla"_s, this, QSize(0, 32));
    btnStampa = Controls::button(QString(), u"btnStampa"_s, this, QSize(0, 32));
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &ReceiptFileScreen::btnStampaClick);
}

void ReceiptFileScreen::build(const QString& title, const QString& instructions, QWidget* middle,
                              const QString& mainButton)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(12);
    layout->addWidget(Controls::titlePicture(title, instructions, this));
    if (middle != nullptr)
        layout->addWidget(middle);
    layout->addWidget(formato);
    layout->addStretch();
    btnStampa->setText(mainButton);
    layout->addLayout(Controls::buttonRow(btnAnnulla, btnStampa));
}

void ReceiptFileScreen::btnStampaClick()
{
    const ReceiptPdf::Format format = formato->format();
    accept();
    if (m_action)
        m_action(format);
}

TfrmPdfRic::TfrmPdfRic(QWidget* owner) : ReceiptFileScreen(u" Esporta in PDF"_s, owner)
{
    setObjectName(u"frmPdfRic"_s);
    fixClientSize(364, 287);
    build(u"Esporta in PDF"_s,
          u"Questa operazione consente di salvare la ricevuta in un file PDF, nella cartella "
          u"Ricevute_PDF del programma. Scegliere il formato e premere \"Crea PDF\" oppure \"Annulla\" "
          u"per annullare l'operazione."_s,
          nullptr, u"Crea PDF"_s);
}

TfrmEmailRic::TfrmEmailRic(QWidget* owner) : ReceiptFileScreen(u" Invia per e-mail"_s, owner)
{
    setObjectName(u"frmEmailRic"_s);
    fixClientSize(364, 340);
    lblDestinatario = new QLabel(this);
    lblDestinatario->setObjectName(u"lblDestinatario"_s);
    lblDestinatario->setWordWrap(true);
    lblDestinatario->setTextFormat(Qt::PlainText);
    lblDestinatario->setContentsMargins(14, 0, 14, 0);
    build(u"Invia per e-mail"_s,
          u"La ricevuta sarà salvata in un file PDF e allegata a un nuovo messaggio del programma di "
          u"posta, da controllare e inviare. Scegliere il formato e premere \"Invia per e-mail\"."_s,
          lblDestinatario, u"Invia per e-mail"_s);
}

void TfrmEmailRic::setRecipient(const QString& address, const QString& source)
{
    lblDestinatario->setText(u"Destinatario: "_s + address + u"\n("_s + source + u")"_s);
}
