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
    QStringList fields;
    for (const Criterion& c : criteria())
        fields.append(c.field);
    const ListSearch::Matcher matcher(criteriaTexts, SchedaRicevuta::layout(), fields);
    QList<ListSearch::ListLine> lines;
    lines.reserve(ListSearch::expectedRecords(archivePath, SchedaRicevuta::layout()));
    ListSearch::forEachRecord(archivePath, SchedaRicevuta::layout(), [&](const Record& receipt, int position) {
        if (matcher.matches(receipt))
            lines.append({RiepilogoRic::summaryLine(receipt), position});
    });
    return lines;
}

QList<ListSearch::ListLine> unpaid(const QString& archivePath)
{
    static const int saldata = SchedaRicevuta::layout().indexOf(u"Saldata"_s);
    QList<ListSearch::ListLine> lines;
    try {
        ListSearch::forEachRecord(archivePath, SchedaRicevuta::layout(),
                                  [&](const Record& receipt, int position) {
                                      if (receipt.textAt(saldata) == u"No"_s)
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
