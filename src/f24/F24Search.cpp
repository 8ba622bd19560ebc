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
    static const struct {
        int cognome, nome, codFisc, coob, anno, data, totale;
    } at = [] {
        const RecordLayout& l = SchedaF24::layout();
        return decltype(at){l.indexOf(u"CognomeCont"_s), l.indexOf(u"NomeCont"_s),
                            l.indexOf(u"CodFiscCont"_s), l.indexOf(u"CodFiscCoob"_s),
                            l.indexOf(u"AnnoRif01"_s),   l.indexOf(u"Data"_s),
                            l.indexOf(u"Totale"_s)};
    }();
    // One string per line, straight from the stored bytes.
    QString line;
    line.reserve(35 + 7 + 16 + 20 + 16 + 12 + 4 + 8 + 10 + 8 + 12);
    const auto column = [&](int width, std::initializer_list<int> fields) {
        const qsizetype start = line.size();
        for (auto field = fields.begin(); field != fields.end(); ++field) {
            if (field != fields.begin())
                line += u' ';
            ListSearch::appendField(line, form, *field, start + width);
        }
        ListSearch::fitFrom(line, start, width);
    };
    column(35, {at.cognome, at.nome});
    line += u"  C.F. "_s;
    column(16, {at.codFisc});
    line += u"  C.F. Coobbligato: "_s;
    column(16, {at.coob});
    line += u"  Anno rif. "_s;
    column(4, {at.anno});
    line += u"  Data: "_s;
    column(10, {at.data});
    line += u"  Tot. € "_s;
    ListSearch::appendField(line, form, at.totale);
    return line;
}

QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts)
{
    QStringList fields;
    for (const Criterion& c : criteria())
        fields.append(c.field);
    const ListSearch::Matcher matcher(criteriaTexts, SchedaF24::layout(), fields);
    QList<ListSearch::ListLine> lines;
    lines.reserve(ListSearch::expectedRecords(archivePath, SchedaF24::layout()));
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
