#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "f24/F24Screens.h"
#include "platform/Picture.h"
#include "scadenze/TfrmScadenze.h"

#include <QListView>

using namespace Qt::StringLiterals;

void Shots::scadenze(Shooter& shooter)
{
    frmAvvio->present();
    clickOn(frmAvvio->imgScadenze);
    shooter.shoot(frmScadenze);
    clickLine(frmScadenze->lstRecords, u"Imposta di registro"_s);
    shooter.shoot(frmScadenze, u"imposta"_s);
    clickOn(controlOf(frmScadenze, "cmdPreparaF24"));
    shooter.shoot(frmModello_F24_Elide, u"preparato"_s);
    frmModello_F24_Elide->hide(); // nothing of the prepared form is saved
    frmAvvio->present();
}
