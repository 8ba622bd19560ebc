#pragma once

#include "HelpTopics.h"
#include "Screen.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Picture;

// The help dialog: a titled help text chosen by the screen that opens it.
class TfrmGuida : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    Picture* imgPDF;
    QLabel* lnkWeb;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lnkWebClick();
};

// Opening the help, the same from every screen: a fresh dialog owned by the caller, with
// the topic's title and text, shown modally and destroyed on return.
void showHelp(QWidget* owner, const HelpTopic& help);
