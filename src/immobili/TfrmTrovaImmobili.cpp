#include "TfrmTrovaImmobili.h"

#include "ImmobiliSearch.h"
#include "SchedaImmobile.h"
#include "platform/ExeFolder.h"
#include "platform/Text.h"
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
    if (!m_chosen)
        return;
    const QString line = Text::trimmed(chosen.text);
    // As the property search has always done, the card is found again by its line: every
    // card giving the same line is handed over in turn, so the last one in the file stays.
    ListSearch::forEachRecord(ExeFolder::file(SchedaImmobile::archiveName()), SchedaImmobile::layout(),
                              [&](const Record& card, int position) {
                                  if (Text::trimmed(ImmobiliSearch::listLine(card)) == line)
                                      m_chosen(card, position);
                              });
}
