#include "ImmobiliScreens.h"

#include <QLayout>

using namespace Qt::StringLiterals;

TfrmImmobili::TfrmImmobili(QWidget* parent) : ApplicationScreen(u" Tarvento 5.0 - Archivio immobili"_s, parent)
{
    setObjectName(u"frmImmobili"_s);
    addTitleBand(this, u"Archivio immobili"_s);
    layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
}
