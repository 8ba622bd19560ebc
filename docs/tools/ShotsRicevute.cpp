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
#include "ricevute/TfrmGeneraRic.h"
#include "ricevute/TfrmStatisticheRic.h"
#include "support/ListClicks.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A summary opened from the receipt screen, shown for the chosen period.
void summary(Shooter& shooter, const char* button, int period)
{
    onModal([button] { clickOn(frmRicevute, button); },
            [&](QWidget* dialog) {
                auto* screen = static_cast<RiepilogoScreen*>(dialog);
                if (period >= 0) {
                    screen->cboSelezione->setCurrentIndex(period);
                    clickOn(screen->btnVisualizza);
                }
                shooter.shoot(dialog);
            });
}

// "Genera ricevute dell'anno": the card chosen in the property search, then the preview of the
// year's receipts, which opens when the search has closed.
void yearOfReceipts(Shooter& shooter)
{
    bool seen = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<TfrmGeneraRic*>(QApplication::activeModalWidget());
        if (preview == nullptr || seen)
            return;
        seen = true;
        settle();
        shooter.shoot(preview);
        preview->close(); // nothing is made
    });
    watch.start();
    onModal([] { clickOn(frmRicevute, "cmdGenera"); },
            [](QWidget* dialog) {
                auto* search = static_cast<ListScreen*>(dialog);
                static_cast<QLineEdit*>(controlOf(search, "txtCognomeCon01"))->setText(u"Ferrari"_s);
                clickOn(search->btnCerca);
                doubleClickLine(search->lstRecords, 0);
            });
    watch.stop();
    if (!seen)
        giveUp(u"l'anteprima delle ricevute dell'anno non si è aperta"_s);
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

    clickOn(frmRicevute,
            "cmdUltimo"); // December's receipt of the flat in via dei Mille: ISTAT, two lines, unpaid
    shooter.shoot(frmRicevute);
    Shots::dialog(shooter, frmRicevute, "impMag02");
    Shots::dialog(shooter, frmRicevute, "btnLogo");
    Shots::dialog(shooter, frmRicevute, "cmdNumerazione");
    Shots::dialog(shooter, frmRicevute, "cmdStampa");
    Shots::preview(shooter, frmRicevute, u"ricevuta"_s);
    Shots::dialog(shooter, frmRicevute, "cmdPDF");
    Shots::dialog(shooter, frmRicevute, "cmdEmail"); // to the address of the flat's card

    Shots::search(shooter, frmRicevute, "cmdTrova", "txtCognomeCon01", u"Ferrari"_s);
    Shots::dialog(shooter, frmRicevute, "cmdSospese");
    summary(shooter, "cmdRiepMensile", 10);
    summary(shooter, "cmdRiepTrimestrale", 3);
    summary(shooter, "cmdRiepAnnuale", -1);
    Shots::dialog(shooter, frmRicevute, "cmdEsporta");
    frmRicevute->close();

    // The next year's archive, still empty: the year of receipts of the flat in via dei Mille.
    frmAvvio->present();
    clickOn(frmAvvio->imgRicevute);
    frmMenuRicevute->txtAnnoFatture->setText(QString::number(DemoData::kYear + 1));
    clickOn(frmMenuRicevute->btnApriFatture);
    yearOfReceipts(shooter);
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
