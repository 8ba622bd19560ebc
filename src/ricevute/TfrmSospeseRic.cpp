#include "TfrmSospeseRic.h"

#include "ReceiptLoad.h"
#include "RicercaRic.h"
#include "RicevuteScreens.h"

#include <QLabel>
#include <QShowEvent>

using namespace Qt::StringLiterals;

TfrmSospeseRic::TfrmSospeseRic(QWidget* owner)
    : ListScreen(u" Riepilogo ricevute non saldate"_s, u"Riepilogo ricevute non saldate"_s, owner)
{
    setObjectName(u"frmSospeseRic"_s);
    panAvvio->hide();
    lblTrovate->hide(); // no count label here
}

QString TfrmSospeseRic::archive() const
{
    return m_archive.isEmpty() ? frmRicevute->lblFile->text() : m_archive;
}

void TfrmSospeseRic::showEvent(QShowEvent* event)
{
    ListScreen::showEvent(event);
    if (!event->spontaneous())
        btnCercaClick(); // the list is built on show, with no criteria
}

QList<ListSearch::ListLine> TfrmSospeseRic::search(const QStringList&)
{
    return RicercaRic::unpaid(archive());
}

void TfrmSospeseRic::handOver(const ListSearch::ListLine& chosen)
{
    const Record receipt = RicercaRic::read(archive(), chosen.position);
    if (m_chosen)
        m_chosen(receipt, chosen.position);
    else
        ReceiptLoad::into(frmRicevute, receipt, chosen.position);
}
