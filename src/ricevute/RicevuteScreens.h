#pragma once

#include "TfrmLogo.h"
#include "TfrmNumerazioneRic.h"
#include "TfrmRicevute.h"
#include "TfrmRiepilogoRic.h"
#include "TfrmStampaRic.h"
#include "TfrmStatisticheRic.h"
#include "TfrmVoci.h"
#include "platform/Screen.h"

class QLabel;

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
