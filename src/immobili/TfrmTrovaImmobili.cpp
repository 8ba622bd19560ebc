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

QList<ListSearch::ListLine> TfrmTrovaImmobili::search(const QStringList& criteria)
{
    return ImmobiliSearch::search(ExeFolder::file(SchedaImmobile::archiveName()), criteria);
}

void TfrmTrovaImmobili::handOver(const ListSearch::ListLine& chosen)
{
    // The card of the clicked line, by its position: two cards can give the same line.
    if (m_chosen)
        m_chosen(ListSearch::recordAt(ExeFolder::file(SchedaImmobile::archiveName()),
                                      SchedaImmobile::layout(), chosen.position),
                 chosen.position);
}
