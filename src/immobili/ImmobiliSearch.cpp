#include "ImmobiliSearch.h"

#include "SchedaImmobile.h"
#include "storage/ListSearch.h"

using namespace Qt::StringLiterals;

namespace ImmobiliSearch {

const QList<Criterion>& criteria()
{
    static const QList<Criterion> list = {{u"Descrizione Immobile:"_s, u"Immobile"_s},
                                          {u"Tipologia:"_s, u"Tipologia"_s},
                                          {u"Comune ubicazione Immobile:"_s, u"Comune01"_s},
                                          {u"Zona:"_s, u"Zona01"_s},
                                          {u"Cognome Locatore:"_s, u"CognomeLoc01"_s},
                                          {u"Codice fiscale Locatore:"_s, u"CodFiscLoc01"_s},
                                          {u"Cognome Conduttore:"_s, u"CognomeCon01"_s},
                                          {u"Codice fiscale Conduttore:"_s, u"CodFiscCon01"_s},
                                          {u"Data stipula contratto (gg/mm/aaaa):"_s, u"DataStipula"_s},
                                          {u"Codice identificativo contratto:"_s, u"CodContratto"_s}};
    return list;
}

QString listLine(const Record& card)
{
    using ListSearch::fixed;
    return fixed(card.text(u"Immobile"_s), 60) + u"  ID: "_s + fixed(card.text(u"CodContratto"_s), 17) +
           u"  Loc. "_s + fixed(card.text(u"CognomeLoc01"_s), 18) + u"  Con. "_s +
           fixed(card.text(u"CognomeCon01"_s), 18) + u"  Stipula: "_s + card.text(u"DataStipula"_s);
}

QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts)
{
    const int used = ListSearch::usedCriteria(criteriaTexts);
    QList<ListSearch::ListLine> lines;
    QStringList fields;
    ListSearch::forEachRecord(archivePath, SchedaImmobile::layout(), [&](const Record& card, int position) {
        fields.clear();
        for (const Criterion& c : criteria())
            fields.append(card.text(c.field));
        if (ListSearch::matches(criteriaTexts, fields, used))
            lines.append({listLine(card), position});
    });
    ListSearch::sortLines(lines);
    return lines;
}

} // namespace ImmobiliSearch
