#include "ReceiptMail.h"

#include "immobili/SchedaImmobile.h"
#include "platform/ExeFolder.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace ReceiptMail {

namespace {
// "Mario Rossi", or whichever of the two is there.
QString fullName(const QString& first, const QString& last)
{
    return Text::trimmed(first + u' ' + last);
}
} // namespace

Address tenantAddress(const Instalments::Contract& receipt)
{
    Address found;
    const QString archive = ExeFolder::file(SchedaImmobile::archiveName());
    if (!QFile::exists(archive))
        return found;
    ListSearch::forEachRecord(archive, SchedaImmobile::layout(), [&](const Record& card, int) {
        if (!Instalments::belongs(Instalments::contractOfCard(card), receipt))
            return;
        found.cardFound = true;
        const QString address = Text::trimmed(card.text(u"EmailCon01"_s));
        if (!address.isEmpty())
            found.address = address;
    });
    return found;
}

bool plausible(const QString& address)
{
    static const QRegularExpression form(
        u"^[A-Za-z0-9_%+'][A-Za-z0-9._%+'-]*@[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?"
        u"(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)*\\.[A-Za-z]{2,}$"_s);
    return address.size() <= 254 && form.match(address).hasMatch();
}

QString body(const RicevutaReport::ValueOf& receipt)
{
    const QString tenant = fullName(receipt(u"NomeCon01"_s), receipt(u"CognomeCon01"_s));
    const QString landlord = fullName(receipt(u"NomeLoc01"_s), receipt(u"CognomeLoc01"_s));
    return (tenant.isEmpty() ? u"Buongiorno,"_s : u"Gentile "_s + tenant + u","_s) +
           u"\n\nin allegato trova la ricevuta d'affitto n. "_s + receipt(u"NumRic"_s) + u" del "_s +
           receipt(u"Data"_s) + u", per un totale di € "_s + receipt(u"TotRicevuta"_s) +
           u".\n\nCordiali saluti\n"_s + landlord;
}

QStringList xdgEmailArguments(const QString& address, const QString& subject, const QString& body,
                              const QString& attachment)
{
    // --utf8: the texts arrive as UTF-8 whatever the locale of the session.
    return {u"--utf8"_s, u"--subject"_s, subject, u"--body"_s, body, u"--attach"_s, attachment, address};
}

} // namespace ReceiptMail
