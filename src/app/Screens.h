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
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
class TfrmCambiaPassword;

// Process-wide references to the screens of the application shell.
extern TfrmPassword* frmPassword;
extern TfrmAvvio* frmAvvio;
extern TfrmGuida* frmGuida;
extern TfrmInfo* frmInfo;
extern TfrmSplash* frmSplash;
extern TfrmCambiaPassword* frmCambiaPassword;

// Every screen of the program is created once at start, in a fixed order, the password
// screen (the main window) first; nothing is shown and no archive is opened.
namespace ScreenRegistry {
void createAll();
void destroyAll();
QList<QWidget*> all(); // in creation order
} // namespace ScreenRegistry
