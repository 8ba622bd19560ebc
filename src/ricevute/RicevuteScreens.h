#pragma once

#include "TfrmLogo.h"
#include "TfrmNumerazioneRic.h"
#include "TfrmRiepilogoRic.h"
#include "TfrmStampaRic.h"
#include "TfrmStatisticheRic.h"
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

// The receipts' dialog screens, shown by the receipt screen and its lists.
class TfrmTrovaRicevute : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaRicevute(QWidget* owner = nullptr);
};

class TfrmSospeseRic : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmSospeseRic(QWidget* owner = nullptr);
};

class TfrmExpRicevute : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmExpRicevute(QWidget* owner = nullptr);
};

// Process-wide references: each screen is built when first used.
extern ScreenReference<TfrmRicevute> frmRicevute;
extern ScreenReference<TfrmStatisticheRic> frmStatisticheRic;
