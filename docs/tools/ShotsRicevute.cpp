#include "DemoData.h"
#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "platform/Picture.h"
#include "report/ListScreen.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "ricevute/TfrmRiepilogoRic.h"
#include "ricevute/TfrmStatisticheRic.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

void press(const char* name)
{
    clickOn(controlOf(frmRicevute, name));
}

// A summary opened from the receipt screen, shown for the chosen period.
void summary(Shooter& shooter, const char* button, int period)
{
    onModal([button] { press(button); },
            [&](QWidget* dialog) {
                auto* screen = static_cast<RiepilogoScreen*>(dialog);
                if (period >= 0) {
                    screen->cboSelezione->setCurrentIndex(period);
                    clickOn(screen->btnVisualizza);
                }
                shooter.shoot(dialog);
            });
}

} // namespace

void Shots::ricevute(Shooter& shooter)
{
    const QString year = QString::number(DemoData::kYear);
    frmAvvio->present();
    clickOn(frmAvvio->imgRicevute);
    frmMenuRicevute->txtAnnoFatture->setText(year);
    shooter.shoot(frmMenuRicevute);
    clickOn(frmMenuRicevute->btnApriFatture);

    press("cmdUltimo"); // December's receipt of the flat in via dei Mille: ISTAT, two lines, unpaid
    shooter.shoot(frmRicevute);
    onModal([] { press("impMag02"); }, [&](QWidget* reasons) { shooter.shoot(reasons); });
    onModal([] { press("btnLogo"); }, [&](QWidget* logo) { shooter.shoot(logo); });
    onModal([] { press("cmdNumerazione"); }, [&](QWidget* numbering) { shooter.shoot(numbering); });
    onModal([] { press("cmdStampa"); }, [&](QWidget* print) { shooter.shoot(print); });
    onModal([] { press("cmdAnteprima"); },
            [&](QWidget* format) {
                onModal([format] { clickOn(controlOf(format, "btnStampa")); },
                        [&](QWidget* preview) { shooter.shoot(preview, u"ricevuta"_s); });
            });

    onModal([] { press("cmdTrova"); },
            [&](QWidget* search) {
                static_cast<QLineEdit*>(controlOf(search, "txtCognomeCon01"))->setText(u"Ferrari"_s);
                shooter.shoot(search, u"criteri"_s);
                clickOn(static_cast<ListScreen*>(search)->btnCerca);
                shooter.shoot(search, u"risultati"_s);
            });
    onModal([] { press("cmdSospese"); }, [&](QWidget* unpaid) { shooter.shoot(unpaid); });
    summary(shooter, "cmdRiepMensile", 10);
    summary(shooter, "cmdRiepTrimestrale", 3);
    summary(shooter, "cmdRiepAnnuale", -1);
    onModal([] { press("cmdEsporta"); }, [&](QWidget* exporter) { shooter.shoot(exporter); });
    frmRicevute->close();

    frmAvvio->present();
    clickOn(frmAvvio->imgRicevute);
    clickOn(frmMenuRicevute->btnApriRiepStats);
    frmStatisticheRic->txtAnno->setText(year);
    shooter.shoot(frmStatisticheRic, u"anno"_s);
    clickOn(frmStatisticheRic->btnApri);
    clickOn(frmStatisticheRic->btnBarre);
    shooter.shoot(frmStatisticheRic, u"barre"_s);
    clickOn(frmStatisticheRic->btnTorta);
    shooter.shoot(frmStatisticheRic, u"torta"_s);
    frmStatisticheRic->close();
}
