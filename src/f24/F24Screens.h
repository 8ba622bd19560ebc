#pragma once

#include "platform/Screen.h"

// The F24 ELIDE form screen.
class TfrmModello_F24_Elide : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmModello_F24_Elide(QWidget* parent = nullptr);
};

// The F24 screen's dialog screens.
DIALOG_SCREEN(TfrmStampaElide, " Stampa Modello F24 ELIDE")
DIALOG_SCREEN(TfrmAnteprimaF24, " Anteprima di stampa")
DIALOG_SCREEN(TfrmCrea_PDF_F24, " Esporta in PDF")
DIALOG_SCREEN(TfrmTrovaF24, " Trova Modelli F24 ELIDE in archivio")
DIALOG_SCREEN(TfrmExpF24, " Esporta archivio versamenti in Microsoft Excel")
DIALOG_SCREEN(TfrmCodici_Tributo, " Tabella Codici Tributo per versamenti con Modello F24 ELIDE")

// Process-wide references, set by the screen registry at start.
extern TfrmModello_F24_Elide* frmModello_F24_Elide;
extern TfrmStampaElide* frmStampaElide;
extern TfrmAnteprimaF24* frmAnteprimaF24;
extern TfrmCrea_PDF_F24* frmCrea_PDF_F24;
extern TfrmTrovaF24* frmTrovaF24;
extern TfrmExpF24* frmExpF24;
extern TfrmCodici_Tributo* frmCodici_Tributo;
