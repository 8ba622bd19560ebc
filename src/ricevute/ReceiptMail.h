#pragma once

#include "RicevutaReport.h"
#include "scadenze/Instalments.h"

#include <QString>
#include <QStringList>

// A receipt sent to the tenant: the address comes from the property card of the receipt's
// contract at the moment of sending (the receipt record has no address of its own), and the
// message is prepared in the user's own mail program, never sent by us.
namespace ReceiptMail {

struct Address {
    QString address; // EmailCon01, trimmed; empty when no card of the contract holds one
    bool cardFound = false;
};

// The tenant's address on the property card whose tenant codice fiscale and contract code are
// the receipt's, read from Immobili.pro now; of several such cards, the last in the archive
// that holds an address. A missing archive has no cards. Throws Failure when it cannot be read.
Address tenantAddress(const Instalments::Contract& receipt);

// An address of the plausible form name@domain.tld, with nothing a mail program would take
// for a second address or an option: no blanks, commas, semicolons, angle brackets, no leading
// dash, at most 254 characters.
bool plausible(const QString& address);

// A short Italian message: the greeting to the tenant, the receipt, its total, the landlord.
QString body(const RicevutaReport::ValueOf& receipt);

// The arguments of xdg-email for a new message with the file attached.
QStringList xdgEmailArguments(const QString& address, const QString& subject, const QString& body,
                              const QString& attachment);

} // namespace ReceiptMail
