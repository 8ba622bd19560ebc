#include "Screens.h"

#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmInfo.h"
#include "TfrmPassword.h"
#include "TfrmSplash.h"
#include "platform/TfrmGuida.h"

TfrmPassword* frmPassword = nullptr;
TfrmAvvio* frmAvvio = nullptr;
TfrmGuida* frmGuida = nullptr;
TfrmInfo* frmInfo = nullptr;
TfrmSplash* frmSplash = nullptr;
TfrmCambiaPassword* frmCambiaPassword = nullptr;
TfrmImmobili* frmImmobili = nullptr;
TfrmCodFisc* frmCodFisc = nullptr;
TfrmPartitaIva* frmPartitaIva = nullptr;
TfrmAllegaCartella* frmAllegaCartella = nullptr;
TfrmTrovaImmobili* frmTrovaImmobili = nullptr;
TfrmExpImmobili* frmExpImmobili = nullptr;
TfrmMenuRicevute* frmMenuRicevute = nullptr;
TfrmRicevute* frmRicevute = nullptr;
TfrmStatisticheRic* frmStatisticheRic = nullptr;
TfrmLogo* frmLogo = nullptr;
TfrmVoci* frmVoci = nullptr;
TfrmNumerazioneRic* frmNumerazioneRic = nullptr;
TfrmTrovaRicevute* frmTrovaRicevute = nullptr;
TfrmSospeseRic* frmSospeseRic = nullptr;
TfrmRiepAnnualeRic* frmRiepAnnualeRic = nullptr;
TfrmRiepMensileRic* frmRiepMensileRic = nullptr;
TfrmRiepTrimestraleRic* frmRiepTrimestraleRic = nullptr;
TfrmExpRicevute* frmExpRicevute = nullptr;
TfrmStampaRic* frmStampaRic = nullptr;
TfrmAnteprimaRic* frmAnteprimaRic = nullptr;
TfrmModello_F24_Elide* frmModello_F24_Elide = nullptr;
TfrmStampaElide* frmStampaElide = nullptr;
TfrmAnteprimaF24* frmAnteprimaF24 = nullptr;
TfrmCrea_PDF_F24* frmCrea_PDF_F24 = nullptr;
TfrmTrovaF24* frmTrovaF24 = nullptr;
TfrmExpF24* frmExpF24 = nullptr;
TfrmCodici_Tributo* frmCodici_Tributo = nullptr;

namespace {

QList<QWidget*>& created()
{
    static QList<QWidget*> screens;
    return screens;
}

template <typename Screen> void create(Screen*& reference)
{
    reference = new Screen;
    created().append(reference);
}

} // namespace

namespace ScreenRegistry {

void createAll()
{
    create(frmPassword);
    create(frmAvvio);
    create(frmGuida);
    create(frmInfo);
    create(frmSplash);
    create(frmCambiaPassword);
    create(frmImmobili);
    create(frmCodFisc);
    create(frmPartitaIva);
    create(frmAllegaCartella);
    create(frmTrovaImmobili);
    create(frmExpImmobili);
    create(frmMenuRicevute);
    create(frmRicevute);
    create(frmStatisticheRic);
    create(frmLogo);
    create(frmVoci);
    create(frmNumerazioneRic);
    create(frmTrovaRicevute);
    create(frmSospeseRic);
    create(frmRiepAnnualeRic);
    create(frmRiepMensileRic);
    create(frmRiepTrimestraleRic);
    create(frmExpRicevute);
    create(frmStampaRic);
    create(frmAnteprimaRic);
    create(frmModello_F24_Elide);
    create(frmStampaElide);
    create(frmAnteprimaF24);
    create(frmCrea_PDF_F24);
    create(frmTrovaF24);
    create(frmExpF24);
    create(frmCodici_Tributo);
    ApplicationScreen::setMainMenu(frmAvvio);
}

void destroyAll()
{
    ApplicationScreen::setMainMenu(nullptr);
    // Later screens may refer to earlier ones: destroy in reverse order.
    while (!created().isEmpty())
        delete created().takeLast();
}

QList<QWidget*> all()
{
    return created();
}

} // namespace ScreenRegistry
