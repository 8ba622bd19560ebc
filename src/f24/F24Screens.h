#pragma once

#include "platform/Screen.h"

// The F24 ELIDE form screen.
class TfrmModello_F24_Elide : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmModello_F24_Elide(QWidget* parent = nullptr);
};

// The F24 screen's dialog screens.
class TfrmStampaElide : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmStampaElide(QWidget* owner = nullptr);
};

class TfrmAnteprimaF24 : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmAnteprimaF24(QWidget* owner = nullptr);
};

class TfrmCrea_PDF_F24 : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmCrea_PDF_F24(QWidget* owner = nullptr);
};

class TfrmTrovaF24 : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaF24(QWidget* owner = nullptr);
};

class TfrmExpF24 : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmExpF24(QWidget* owner = nullptr);
};

class TfrmCodici_Tributo : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Tributo(QWidget* owner = nullptr);
};

// Process-wide references: each screen is built when first used.
extern ScreenReference<TfrmModello_F24_Elide> frmModello_F24_Elide;
