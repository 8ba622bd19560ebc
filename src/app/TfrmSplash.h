#pragma once

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class Picture;

// The about dialog: the maker's artwork and the web link.
class TfrmSplash : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);

    Picture* imgWeb;
    QLabel* lnkWeb;
    QPushButton* btnChiudi;
};
