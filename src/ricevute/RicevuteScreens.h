#pragma once

#include "TfrmLogo.h"
#include "TfrmNumerazioneRic.h"
#include "TfrmVoci.h"
#include "platform/Screen.h"

class QLabel;

// The receipt screen. The receipts menu points it at a year through its hidden labels
// lblFile (the archive path) and lblAnno (the year), which every receipt screen reads.
class TfrmRicevute : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmRicevute(QWidget* parent = nullptr);
    QLabel* lblFile;
    QLabel* lblAnno;
};

// The monthly statistics of the receipts.
class TfrmStatisticheRic : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmStatisticheRic(QWidget* parent = nullptr);
};

// The receipts' dialog screens, shown by the receipt screen and its lists.
DIALOG_SCREEN(TfrmTrovaRicevute, " Trova ricevute in archivio")
DIALOG_SCREEN(TfrmSospeseRic, " Riepilogo ricevute non saldate")
DIALOG_SCREEN(TfrmRiepAnnualeRic, " Tarvento 5.0 - Riepilogo annuale ricevute emesse")
DIALOG_SCREEN(TfrmRiepMensileRic, " Tarvento 5.0 - Riepilogo mensile ricevute emesse")
DIALOG_SCREEN(TfrmRiepTrimestraleRic, " Tarvento 5.0 - Riepilogo trimestrale ricevute emesse")
DIALOG_SCREEN(TfrmExpRicevute, " Esporta archivio ricevute d'affitto in Microsoft Excel")
DIALOG_SCREEN(TfrmStampaRic, " Stampa ricevuta d'affitto")
DIALOG_SCREEN(TfrmAnteprimaRic, " Anteprima di stampa")

// Process-wide references, set by the screen registry at start.
extern TfrmRicevute* frmRicevute;
extern TfrmStatisticheRic* frmStatisticheRic;
extern TfrmLogo* frmLogo;
extern TfrmVoci* frmVoci;
extern TfrmNumerazioneRic* frmNumerazioneRic;
extern TfrmTrovaRicevute* frmTrovaRicevute;
extern TfrmSospeseRic* frmSospeseRic;
extern TfrmRiepAnnualeRic* frmRiepAnnualeRic;
extern TfrmRiepMensileRic* frmRiepMensileRic;
extern TfrmRiepTrimestraleRic* frmRiepTrimestraleRic;
extern TfrmExpRicevute* frmExpRicevute;
extern TfrmStampaRic* frmStampaRic;
extern TfrmAnteprimaRic* frmAnteprimaRic;
