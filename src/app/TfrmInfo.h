#pragma once

#include "platform/Screen.h"

class QLabel;
class QPushButton;
class Picture;

// The information dialog: the product and how to write to its maker.
class TfrmInfo : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner = nullptr);

    Picture* imgEmail;
    QLabel* lnkWeb;
    QPushButton* btnChiudi;

    static QString mailCommand();

private:
    void lnkWebClick();
};
