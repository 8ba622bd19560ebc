#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "platform/Picture.h"
#include "report/ListScreen.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

void Shots::immobili(Shooter& shooter)
{
    frmAvvio->present();
    clickOn(frmAvvio->imgImmobili);
    clickOn(frmImmobili, "cmdPrimo");
    shooter.shoot(frmImmobili, u"immobile"_s);
    clickOn(frmImmobili, "cmdLocatore_Blu");
    shooter.shoot(frmImmobili, u"locatore"_s);
    clickOn(frmImmobili, "cmdConduttore_Blu");
    shooter.shoot(frmImmobili, u"conduttore"_s);
    Shots::dialog(shooter, frmImmobili, "btnCodFiscCon01");
    clickOn(frmImmobili, "cmdContratto_Blu");
    shooter.shoot(frmImmobili, u"contratto"_s);

    Shots::dialog(shooter, frmImmobili, "cmdAllega");
    Shots::dialog(shooter, frmImmobili, "cmdAnteprima", u"scheda"_s);
    Shots::search(shooter, frmImmobili, "cmdTrova", "txtComune01", u"Bologna"_s);
    Shots::dialog(shooter, frmImmobili, "cmdExcel");

    // The partita IVA check of the shop's tenant, the third card.
    clickOn(frmImmobili, "cmdUltimo");
    clickOn(frmImmobili, "cmdConduttore_Blu");
    Shots::dialog(shooter, frmImmobili, "btnPartitaIvaCon01");
    frmImmobili->close();
}
