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

namespace {
void appendText(QString& line, QLatin1StringView text)
{
    line += text;
}
void appendText(ListSearch::ByteLine& line, QLatin1StringView text)
{
    line.append(QByteArrayView(text.data(), text.size()));
}

// The line as text for the list, or as bytes in the code page for sorting: the same columns.
template <typename Line> void appendListLine(Line& line, const Record& card)
{
    static const struct {
        int immobile, contratto, locatore, conduttore, stipula;
    } at = [] {
        const RecordLayout& l = SchedaImmobile::layout();
        return decltype(at){l.indexOf(u"Immobile"_s), l.indexOf(u"CodContratto"_s),
                            l.indexOf(u"CognomeLoc01"_s), l.indexOf(u"CognomeCon01"_s),
                            l.indexOf(u"DataStipula"_s)};
    }();
    const auto field = [&](int index, int width) {
        const qsizetype start = line.size();
        ListSearch::appendField(line, card, index, start + width);
        ListSearch::fitFrom(line, start, width);
    };
    field(at.immobile, 60);
    appendText(line, "  ID: "_L1);
    field(at.contratto, 17);
    appendText(line, "  Loc. "_L1);
    field(at.locatore, 18);
    appendText(line, "  Con. "_L1);
    field(at.conduttore, 18);
    appendText(line, "  Stipula: "_L1);
    ListSearch::appendField(line, card, at.stipula);
}
} // namespace

QString listLine(const Record& card)
{
    QString line;
    line.reserve(60 + 6 + 17 + 7 + 18 + 7 + 18 + 11 + 10);
    appendListLine(line, card);
    return line;
}

QList<int> search(const QString& archivePath, const QStringList& criteriaTexts)
{
    QStringList fields;
    for (const Criterion& c : criteria())
        fields.append(c.field);
    const ListSearch::Matcher matcher(criteriaTexts, SchedaImmobile::layout(), fields);
    return ListSearch::sortedPositions(archivePath, SchedaImmobile::layout(), matcher,
                                       appendListLine<ListSearch::ByteLine>);
}

QStringList lines(const QString& archivePath, const QList<int>& positions, int first, int count)
{
    return ListSearch::linesAt(archivePath, SchedaImmobile::layout(), positions, first, count, listLine);
}

} // namespace ImmobiliSearch
