#include "F24Prefill.h"

#include "platform/Text.h"
#include "storage/RecordLayout.h"

using namespace Qt::StringLiterals;

namespace F24Prefill {

Form forTax(const Record& card, const DeadlineRules::TaxYear& year)
{
    const QString code = Text::trimmed(card.text(u"CodContratto"_s));
    // A first registration has no registration code yet: the instructions leave the box empty.
    const bool needsCode = year.taxCode != u"1500"_s;
    Form form;
    form.fields = {{u"Identificativo"_s, u"63"_s},
                   {u"Tipo01"_s, u"F"_s},
                   {u"Elementi01"_s, needsCode ? code : QString()},
                   {u"Codice01"_s, year.taxCode},
                   {u"AnnoRif01"_s, QString::number(year.referenceYear)},
                   {u"Importo01"_s, year.tax ? year.tax->toText(2) : QString()}};
    QStringList missing;
    if (needsCode && code.isEmpty())
        missing.append(u"il codice identificativo del contratto (17 caratteri)"_s);
    else if (needsCode && code.size() != 17)
        missing.append(
            u"un codice identificativo del contratto di 17 caratteri (quello della scheda ne ha %1)"_s.arg(
                code.size()));
    if (Text::trimmed(card.text(u"CodFiscLoc01"_s)).isEmpty())
        missing.append(u"il codice fiscale del locatore"_s);
    if (Text::trimmed(card.text(u"CodFiscCon01"_s)).isEmpty())
        missing.append(u"il codice fiscale del conduttore"_s);
    if (!year.tax)
        missing.append(u"l'importo intero del canone"_s);
    if (!missing.isEmpty())
        form.warning = u"Attenzione: il modello F24 ELIDE è stato predisposto, ma nella scheda dell'immobile "
                       u"mancano questi dati:\r\n\r\n- "_s +
                       missing.join(u";\r\n- "_s) + u".\r\n\r\nCompletare il modello prima di salvarlo."_s;
    return form;
}

} // namespace F24Prefill
