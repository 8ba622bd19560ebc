#include "TfrmTrovaF24.h"

#include "F24Search.h"
#include "SchedaF24.h"
#include "platform/ExeFolder.h"
#include "platform/Text.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmTrovaF24::TfrmTrovaF24(QWidget* owner)
    : ListScreen(u" Trova Modelli F24 ELIDE in archivio"_s, u"Riepilogo Modelli F24 ELIDE"_s, owner)
{
    setObjectName(u"frmTrovaF24"_s);
    QList<Criterion> criteria;
    for (const F24Search::Criterion& c : F24Search::criteria())
        criteria.append({c.caption, u"txt"_s + c.field});
    setCriteria(criteria);
    setAccessFailureKind(Desktop::Kind::Plain);
}

QList<ListSearch::ListLine> TfrmTrovaF24::search(const QStringList& criteria)
{
    return F24Search::search(ExeFolder::file(SchedaF24::archiveName()), criteria);
}

void TfrmTrovaF24::handOver(const ListSearch::ListLine& chosen)
{
    if (Text::trimmed(lblMemory->text()) != u"f24"_s)
        return;
    // The form of the line clicked, by its position: two forms can give the same line.
    const Record form = F24Search::read(ExeFolder::file(SchedaF24::archiveName()), chosen.position);
    if (m_chosen)
        m_chosen(form, chosen.position);
}
