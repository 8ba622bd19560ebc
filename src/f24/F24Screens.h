#pragma once

#include "TfrmExpF24.h"
#include "TfrmStampaElide.h"
#include "TfrmTrovaF24.h"
#include "platform/Screen.h"

// The F24 ELIDE form screen.
class TfrmModello_F24_Elide : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmModello_F24_Elide(QWidget* parent = nullptr);
};

// The F24 screen's other dialog screens.
class TfrmCodici_Tributo : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Tributo(QWidget* owner = nullptr);
};

// Process-wide references: each screen is built when first used.
extern ScreenReference<TfrmModello_F24_Elide> frmModello_F24_Elide;
