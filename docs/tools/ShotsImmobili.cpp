#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "platform/Picture.h"
#include "report/ListScreen.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

void press(const char* name)
{
    clickOn(controlOf(frmImmobili, name));
}

} // namespace

void Shots::immobili(Shooter& shooter)
{
    frmAvvio->present();
    clickOn(frmAvvio->imgImmobili);
    press("cmdPrimo");
    shooter.shoot(frmImmobili, u"immobile"_s);
    press("cmdLocatore_Blu");
    shooter.shoot(frmImmobili, u"locatore"_s);
    press("cmdConduttore_Blu");
    shooter.shoot(frmImmobili, u"conduttore"_s);
    onModal([] { press("btnCodFiscCon01"); }, [&](QWidget* check) { shooter.shoot(check); });
    press("cmdContratto_Blu");
    shooter.shoot(frmImmobili, u"contratto"_s);

    onModal([] { press("cmdAllega"); }, [&](QWidget* attach) { shooter.shoot(attach); });
    onModal([] { press("cmdAnteprima"); }, [&](QWidget* preview) { shooter.shoot(preview, u"scheda"_s); });
    onModal([] { press("cmdTrova"); },
            [&](QWidget* search) {
                auto* list = static_cast<ListScreen*>(search);
                static_cast<QLineEdit*>(controlOf(search, "txtComune01"))->setText(u"Bologna"_s);
                shooter.shoot(search, u"criteri"_s);
                clickOn(list->btnCerca);
                shooter.shoot(search, u"risultati"_s);
            });
    onModal([] { press("cmdExcel"); }, [&](QWidget* exporter) { shooter.shoot(exporter); });

    // The partita IVA check of the shop's tenant, the third card.
    press("cmdUltimo");
    press("cmdConduttore_Blu");
    onModal([] { press("btnPartitaIvaCon01"); }, [&](QWidget* check) { shooter.shoot(check); });
    frmImmobili->close();
}
