#include "TfrmTrovaRicevute.h"

#include "ReceiptLoad.h"
#include "RicercaRic.h"
#include "RicevuteScreens.h"
#include "platform/Text.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmTrovaRicevute::TfrmTrovaRicevute(QWidget* owner)
    : ListScreen(u" Trova ricevute in archivio"_s, u"Riepilogo ricevute d'affitto emesse"_s, owner)
{
    setObjectName(u"frmTrovaRicevute"_s);
    QList<Criterion> criteria;
    for (const RicercaRic::Criterion& c : RicercaRic::criteria())
        criteria.append({c.caption, u"txt"_s + c.field});
    setCriteria(criteria);
}

QString TfrmTrovaRicevute::archive() const
{
    return m_archive.isEmpty() ? frmRicevute->lblFile->text() : m_archive;
}

QList<ListSearch::ListLine> TfrmTrovaRicevute::search(const QStringList& criteria)
{
    return RicercaRic::search(archive(), criteria);
}

void TfrmTrovaRicevute::handOver(const ListSearch::ListLine& chosen)
{
    if (Text::trimmed(lblMemory->text()) != u"ricevute"_s)
        return;
    // The record of the line clicked, by its position: two receipts can give the same line.
    const Record receipt = RicercaRic::read(archive(), chosen.position);
    if (m_chosen)
        m_chosen(receipt, chosen.position);
    else
        ReceiptLoad::into(frmRicevute, receipt, chosen.position);
}
