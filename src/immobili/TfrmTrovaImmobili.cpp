#include "TfrmTrovaImmobili.h"

#include "ImmobiliSearch.h"
#include "SchedaImmobile.h"
#include "TfrmImmobili.h"
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

QStringList TfrmTrovaImmobili::search(const QStringList& criteria)
{
    return ImmobiliSearch::search(ExeFolder::file(SchedaImmobile::archiveName()), criteria);
}

void TfrmTrovaImmobili::handOver(const QString& line)
{
    const QString word = Text::trimmed(lblMemory->text());
    const QString chosen = Text::trimmed(line);
    // Every card giving the same line is handed over in turn: the last one in the file stays.
    ListSearch::forEachRecord(ExeFolder::file(SchedaImmobile::archiveName()), SchedaImmobile::layout(),
                              [&](const Record& card, int position) {
                                  if (Text::trimmed(ImmobiliSearch::listLine(card)) != chosen)
                                      return;
                                  if (word == u"immobili"_s) {
                                      frmImmobili->form().showRecord(card);
                                      frmImmobili->lblPosizione->setText(QString::number(position));
                                  }
                              });
}
