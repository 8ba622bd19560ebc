#pragma once

#include "TfrmExpRicevute.h"
#include "TfrmLogo.h"
#include "TfrmNumerazioneRic.h"
#include "TfrmRicevute.h"
#include "TfrmRiepilogoRic.h"
#include "TfrmSospeseRic.h"
#include "TfrmStampaRic.h"
#include "TfrmStatisticheRic.h"
#include "TfrmTrovaRicevute.h"
#include "TfrmVoci.h"
#include "platform/Screen.h"

class QLabel;

// Process-wide references: each screen is built when first used.
extern ScreenReference<TfrmRicevute> frmRicevute;
extern ScreenReference<TfrmStatisticheRic> frmStatisticheRic;
