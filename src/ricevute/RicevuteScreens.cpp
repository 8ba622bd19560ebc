#include "RicevuteScreens.h"
#include "platform/Product.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmRicevute::TfrmRicevute(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Archivio ricevute d'affitto"_s), parent)
{
    setObjectName(u"frmRicevute"_s);
    addTitleBand(this, u"Archivio ricevute d'affitto"_s);
    layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    lblFile = new QLabel(this);
    lblFile->setObjectName(u"lblFile"_s);
    lblFile->hide();
    lblAnno = new QLabel(this);
    lblAnno->setObjectName(u"lblAnno"_s);
    lblAnno->hide();
}

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
