#pragma once

#include "TfrmCodici_Tributo.h"
#include "TfrmExpF24.h"
#include "TfrmModello_F24_Elide.h"
#include "TfrmStampaElide.h"
#include "TfrmTrovaF24.h"
#include "platform/Screen.h"

// Process-wide references: each screen is built when first used.
extern ScreenReference<TfrmModello_F24_Elide> frmModello_F24_Elide;
