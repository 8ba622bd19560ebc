#include "F24Screens.h"

#include <QLayout>

using namespace Qt::StringLiterals;

TfrmModello_F24_Elide::TfrmModello_F24_Elide(QWidget* parent)
    : ApplicationScreen(u" Tarvento 5.0 - Compilazione e stampa Modello F24 ELIDE"_s, parent)
{
    setObjectName(u"frmModello_F24_Elide"_s);
    addTitleBand(this, u"Compilazione e stampa Modello F24 ELIDE"_s);
    layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
}
