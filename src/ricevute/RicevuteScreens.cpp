#include "RicevuteScreens.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmRicevute::TfrmRicevute(QWidget* parent)
    : ApplicationScreen(u" Tarvento 5.0 - Archivio ricevute d'affitto"_s, parent)
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

TfrmStatisticheRic::TfrmStatisticheRic(QWidget* parent)
    : ApplicationScreen(u" Tarvento 5.0 - Statistiche ricevute emesse"_s, parent)
{
    setObjectName(u"frmStatisticheRic"_s);
    addTitleBand(this, u"Statistiche ricevute emesse"_s);
    layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
}
