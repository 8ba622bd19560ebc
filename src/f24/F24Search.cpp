#include "F24Search.h"

#include "SchedaF24.h"

using namespace Qt::StringLiterals;

namespace F24Search {

const QList<Criterion>& criteria()
{
    static const QList<Criterion> list = {
        {u"Data del versamento (gg/mm/aaaa):"_s, u"Data"_s},
        {u"Saldo finale:"_s, u"Totale"_s},
        {u"Cognome o Ragione Sociale del Contribuente:"_s, u"CognomeCont"_s},
        {u"Nome del Contribuente:"_s, u"NomeCont"_s},
        {u"Codice fiscale del Contribuente:"_s, u"CodFiscCont"_s},
        {u"Codice fiscale del Coobbligato:"_s, u"CodFiscCoob"_s},
        {u"Elementi identificativi (1^ voce):"_s, u"Elementi01"_s},
        {u"Anno di riferimento (1^ voce):"_s, u"AnnoRif01"_s},
        {u"Elementi identificativi (2^ voce):"_s, u"Elementi02"_s},
        {u"Anno di riferimento (2^ voce):"_s, u"AnnoRif02"_s},
    };
    return list;
}

QString listLine(const Record& form)
{
    using ListSearch::fixed;
    static const struct {
        int cognome, nome, codFisc, coob, anno, data, totale;
    } at = [] {
        const RecordLayout& l = SchedaF24::layout();
        return decltype(at){l.indexOf(u"CognomeCont"_s), l.indexOf(u"NomeCont"_s),
                            l.indexOf(u"CodFiscCont"_s), l.indexOf(u"CodFiscCoob"_s),
                            l.indexOf(u"AnnoRif01"_s),   l.indexOf(u"Data"_s),
                            l.indexOf(u"Totale"_s)};
    }();
    return fixed(form.textAt(at.cognome) + u' ' + form.textAt(at.nome), 35) + u"  C.F. "_s +
           fixed(form.textAt(at.codFisc), 16) + u"  C.F. Coobbligato: "_s + fixed(form.textAt(at.coob), 16) +
           u"  Anno rif. "_s + fixed(form.textAt(at.anno), 4) + u"  Data: "_s +
           fixed(form.textAt(at.data), 10) + u"  Tot. € "_s + form.textAt(at.totale);
}

QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts)
{
    QStringList fields;
    for (const Criterion& c : criteria())
        fields.append(c.field);
    const ListSearch::Matcher matcher(criteriaTexts, SchedaF24::layout(), fields);
    QList<ListSearch::ListLine> lines;
    ListSearch::forEachRecord(archivePath, SchedaF24::layout(), [&](const Record& form, int position) {
        if (matcher.matches(form))
            lines.append({listLine(form), position});
    });
    ListSearch::sortLines(lines);
    return lines;
}

Record read(const QString& archivePath, qint64 position)
{
    return ListSearch::recordAt(archivePath, SchedaF24::layout(), position);
}

} // namespace F24Search
