#include "RicercaRic.h"

#include "RiepilogoRic.h"
#include "SchedaRicevuta.h"
#include "platform/Failure.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace RicercaRic {

const QList<Criterion>& criteria()
{
    static const QList<Criterion> list = {
        {u"Ricevuta n."_s, u"NumRic"_s},
        {u"Data emissione (gg/mm/aaaa):"_s, u"Data"_s},
        {u"Descrizione unità immobiliare locata:"_s, u"Immobile"_s},
        {u"Note:"_s, u"Note"_s},
        {u"Cognome Locatore:"_s, u"CognomeLoc01"_s},
        {u"Codice fiscale Locatore:"_s, u"CodFiscLoc01"_s},
        {u"Cognome Conduttore:"_s, u"CognomeCon01"_s},
        {u"Codice fiscale Conduttore:"_s, u"CodFiscCon01"_s},
        {u"Data stipula contratto (gg/mm/aaaa):"_s, u"DataStipula"_s},
        {u"Codice identificativo contratto:"_s, u"CodContratto"_s},
    };
    return list;
}

QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts)
{
    const int used = ListSearch::usedCriteria(criteriaTexts);
    QList<ListSearch::ListLine> lines;
    QStringList fields;
    ListSearch::forEachRecord(archivePath, SchedaRicevuta::layout(),
                              [&](const Record& receipt, int position) {
                                  fields.clear();
                                  for (const Criterion& c : criteria())
                                      fields.append(receipt.text(c.field));
                                  if (ListSearch::matches(criteriaTexts, fields, used))
                                      lines.append({RiepilogoRic::summaryLine(receipt), position});
                              });
    return lines;
}

QList<ListSearch::ListLine> unpaid(const QString& archivePath)
{
    QList<ListSearch::ListLine> lines;
    try {
        ListSearch::forEachRecord(archivePath, SchedaRicevuta::layout(),
                                  [&](const Record& receipt, int position) {
                                      if (Text::trimmed(receipt.text(u"Saldata"_s)) == u"No"_s)
                                          lines.append({RiepilogoRic::summaryLine(receipt), position});
                                  });
    } catch (const Failure&) {
        // The list stops silently; what was gathered stays.
    }
    return lines;
}

Record read(const QString& archivePath, qint64 position)
{
    return ListSearch::recordAt(archivePath, SchedaRicevuta::layout(), position);
}

} // namespace RicercaRic
