#include "RicevuteScreens.h"
#include "platform/Product.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmTrovaRicevute::TfrmTrovaRicevute(QWidget* owner) : DialogScreen(u" Trova ricevute in archivio"_s, owner)
{
    setObjectName(u"frmTrovaRicevute"_s);
}

TfrmSospeseRic::TfrmSospeseRic(QWidget* owner) : DialogScreen(u" Riepilogo ricevute non saldate"_s, owner)
{
    setObjectName(u"frmSospeseRic"_s);
}

TfrmExpRicevute::TfrmExpRicevute(QWidget* owner)
    : DialogScreen(u" Esporta archivio ricevute d'affitto in Microsoft Excel"_s, owner)
{
    setObjectName(u"frmExpRicevute"_s);
}
