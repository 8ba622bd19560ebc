// The receipt screen's PDF and e-mail: the receipt on screen, checked as printing checks it,
// written by the one receipt PDF maker into Ricevute_PDF.
#include "TfrmRicevute.h"

#include "ReceiptMail.h"
#include "SchedaRicevuta.h"
#include "TfrmPdfRic.h"
#include "card/FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "platform/Text.h"

#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;

// The file is named after the receipt's number, so a receipt without one has no PDF.
bool TfrmRicevute::numberedForPdf()
{
    if (!Text::trimmed(text(u"NumRic"_s)).isEmpty())
        return true;
    Desktop::warning(u"Attenzione: per creare il file PDF è necessario indicare il numero della ricevuta."_s);
    m_form->control(u"NumRic"_s)->setFocus(Qt::OtherFocusReason);
    return false;
}

void TfrmRicevute::exportPdf(ReceiptPdf::Format format)
{
    if (!numberedForPdf())
        return;
    const QString path = ReceiptPdf::writeInFolder(shownReceipt(), format, Text::trimmed(lblAnno->text()));
    if (Desktop::confirm(ReceiptPdf::doneQuestion(path)))
        TMisc::Open(u"\""_s + path + u"\""_s);
}

void TfrmRicevute::cmdPDFClick()
{
    if (!totalReadyForOutput() || !numberedForPdf())
        return;
    openDialog<TfrmPdfRic>(this, [this](TfrmPdfRic& pdf) {
        pdf.setAction([this](ReceiptPdf::Format format) { exportPdf(format); });
    });
}

void TfrmRicevute::cmdEmailClick()
{
    if (!totalReadyForOutput() || !numberedForPdf())
        return;
    const auto recipient = mailRecipient();
    if (!recipient)
        return;
    openDialog<TfrmEmailRic>(this, [this, &recipient](TfrmEmailRic& mail) {
        mail.setRecipient(recipient->first, recipient->second);
        mail.setAction([this, address = recipient->first](ReceiptPdf::Format format) { sendByMail(format, address); });
    });
}

// The tenant's address on the property card of the receipt's contract, read now; when there is
// no such card or no plausible address on it, the one the user types.
std::optional<std::pair<QString, QString>> TfrmRicevute::mailRecipient()
{
    Record shown(SchedaRicevuta::layout());
    m_form->fillRecord(shown);
    ReceiptMail::Address found;
    try {
        found = ReceiptMail::tenantAddress(Instalments::contractOfReceipt(shown));
    } catch (const Failure&) {
        // An archive that cannot be read gives no address: the user is asked for one.
    }
    if (ReceiptMail::plausible(found.address))
        return std::pair(found.address, u"indirizzo e-mail del Conduttore nella scheda dell'immobile del contratto"_s);

    QString prompt =
        !found.cardFound
            ? u"Nessuna scheda dell'archivio immobili ha il codice fiscale del Conduttore e il codice del "
              u"contratto di questa ricevuta, quindi l'indirizzo e-mail non è noto."_s
        : found.address.isEmpty()
            ? u"La scheda dell'immobile del contratto non indica l'indirizzo e-mail del Conduttore."_s
            : u"L'indirizzo e-mail della scheda dell'immobile del contratto non sembra valido."_s;
    prompt += u"\n\nIndicare l'indirizzo a cui inviare la ricevuta:"_s;
    QString typed = found.address;
    for (;;) {
        const std::optional<QString> answer = Desktop::backend().inputBox(u" Invia per e-mail"_s, prompt, typed);
        if (!answer)
            return std::nullopt;
        typed = Text::trimmed(*answer);
        if (ReceiptMail::plausible(typed))
            return std::pair(typed, u"indirizzo indicato ora, non salvato nella scheda dell'immobile"_s);
        Desktop::warning(u"Attenzione: \""_s + typed +
                         u"\" non è un indirizzo e-mail valido. Indicare un indirizzo nella forma "
                         u"nome@dominio.it."_s);
    }
}

void TfrmRicevute::sendByMail(ReceiptPdf::Format format, const QString& address)
{
    const RicevutaReport::ValueOf receipt = shownReceipt();
    const QString path = ReceiptPdf::writeInFolder(receipt, format, Text::trimmed(lblAnno->text()));
    if (Desktop::composeMail(ReceiptMail::xdgEmailArguments(address, RicevutaReport::title(receipt),
                                                            ReceiptMail::body(receipt), path)))
        return;
    Desktop::warning(u"Non è stato possibile aprire un programma di posta elettronica per preparare il "
                     u"messaggio a "_s +
                     address + u".\r\n\r\nLa ricevuta è stata salvata nel file:\r\n"_s +
                     QDir::toNativeSeparators(path) +
                     u"\r\n\r\nOra si apre la cartella che lo contiene, così da poterlo allegare a mano a un "
                     u"nuovo messaggio."_s);
    TMisc::Open(u"\""_s + ReceiptPdf::folder() + u"\""_s);
}
