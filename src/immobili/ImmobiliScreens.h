#pragma once

#include "platform/Screen.h"

// The property card.
class TfrmImmobili : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmImmobili(QWidget* parent = nullptr);
};

// The property card's dialog screens.
DIALOG_SCREEN(TfrmAllegaCartella, " Allega file")
DIALOG_SCREEN(TfrmTrovaImmobili, " Trova immobili in archivio")
DIALOG_SCREEN(TfrmExpImmobili, " Esporta archivio immobili in Microsoft Excel")

// Process-wide references, set by the screen registry at start.
extern TfrmImmobili* frmImmobili;
extern TfrmAllegaCartella* frmAllegaCartella;
extern TfrmTrovaImmobili* frmTrovaImmobili;
extern TfrmExpImmobili* frmExpImmobili;
