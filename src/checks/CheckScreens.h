#pragma once

#include "platform/Screen.h"

DIALOG_SCREEN(TfrmCodFisc, " Controllo codice fiscale")
DIALOG_SCREEN(TfrmPartitaIva, " Controllo partita IVA")

// Process-wide references, set by the screen registry at start.
extern TfrmCodFisc* frmCodFisc;
extern TfrmPartitaIva* frmPartitaIva;
