#pragma once

#include "platform/Screen.h"

// The property card's dialog screens whose design is still only their caption.
DIALOG_SCREEN(TfrmAllegaCartella, " Allega file")
DIALOG_SCREEN(TfrmTrovaImmobili, " Trova immobili in archivio")
DIALOG_SCREEN(TfrmExpImmobili, " Esporta archivio immobili in Microsoft Excel")

class TfrmImmobili;

// Process-wide references, set by the screen registry at start.
extern TfrmImmobili* frmImmobili;
extern TfrmAllegaCartella* frmAllegaCartella;
extern TfrmTrovaImmobili* frmTrovaImmobili;
extern TfrmExpImmobili* frmExpImmobili;
