#include "Screens.h"

#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"

ScreenReference<TfrmPassword> frmPassword;
ScreenReference<TfrmAvvio> frmAvvio;
ScreenReference<TfrmCambiaPassword> frmCambiaPassword;
ScreenReference<TfrmImmobili> frmImmobili;
ScreenReference<TfrmMenuRicevute> frmMenuRicevute;
ScreenReference<TfrmRicevute> frmRicevute;
ScreenReference<TfrmStatisticheRic> frmStatisticheRic;
ScreenReference<TfrmModello_F24_Elide> frmModello_F24_Elide;

namespace ScreenRegistry {

void start()
{
    ApplicationScreen::setMainMenu([]() -> ApplicationScreen* { return frmAvvio; });
    frmPassword.get();
}

} // namespace ScreenRegistry
