#include "TfrmTrovaImmobili.h"

#include "ImmobiliSearch.h"
#include "SchedaImmobile.h"
#include "platform/ExeFolder.h"
#include "storage/ListSearch.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmTrovaImmobili::TfrmTrovaImmobili(QWidget* owner)
    : ListScreen(u" Trova immobili in archivio"_s, u"Riepilogo Immobili"_s, owner)
{
    setObjectName(u"frmTrovaImmobili"_s);
    QList<Criterion> criteria;
    for (const ImmobiliSearch::Criterion& c : ImmobiliSearch::criteria())
        criteria.append({c.caption, u"txt"_s + c.field});
    setCriteria(criteria);
}

void TfrmTrovaImmobili::setChosen(Chosen chosen)
{
    m_chosen = std::move(chosen);
}

ListScreen::Found TfrmTrovaImmobili::find(const QStringList& criteria)
{
    // Every card can be listed: the list keeps the positions and makes the lines in view.
    const QString path = ExeFolder::file(SchedaImmobile::archiveName());
    const QList<int> positions = ImmobiliSearch::search(path, criteria);
    Found found;
    found.positions.reserve(positions.size());
    for (const int position : positions)
        found.positions.append(position);
    found.makeLines = [path, positions](int first, int count) {
        return ImmobiliSearch::lines(path, positions, first, count);
    };
    return found;
}

void TfrmTrovaImmobili::handOver(const ListSearch::ListLine& chosen)
{
    // The card of the clicked line, by its position: two cards can give the same line.
    if (m_chosen)
        m_chosen(ListSearch::recordAt(ExeFolder::file(SchedaImmobile::archiveName()),
                                      SchedaImmobile::layout(), chosen.position),
                 chosen.position);
}
