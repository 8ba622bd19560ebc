#pragma once

#include "checks/CheckScreens.h"
#include "f24/F24Screens.h"
#include "immobili/ImmobiliScreens.h"
#include "immobili/TfrmImmobili.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/TfrmMenuRicevute.h"

#include <QList>

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;

// Process-wide references to the screens of the application shell; the other application
// screens' references sit beside their classes. Dialog screens have none: each is a fresh
// instance opened by its caller (openDialog).
extern ScreenReference<TfrmPassword> frmPassword;
extern ScreenReference<TfrmAvvio> frmAvvio;
extern ScreenReference<TfrmCambiaPassword> frmCambiaPassword;

// Start-up builds only the password window (the main window) and names the main menu;
// every other application screen is built the first time it is used and kept for the run.
namespace ScreenRegistry {
void start();
} // namespace ScreenRegistry
