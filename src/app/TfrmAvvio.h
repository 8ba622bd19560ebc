#pragma once

#include "platform/HelpTopics.h"
#include "platform/Screen.h"

class Picture;
class BackupBar;

// The main menu: the three applications, information, help, about, the web site and exit,
// and the bar of the data's backup copies.
class TfrmAvvio : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    Picture *imgImmobili, *btnImmobili, *infImmobili;
    Picture *imgRicevute, *btnRicevute, *infRicevute;
    Picture *imgModelloF24, *btnModelloF24, *infModelloF24;
    Picture *imgScadenze, *btnScadenze, *infScadenze;
    Picture *imgInfo, *imgGuida, *imgCopyright, *imgSito, *imgEsci, *imgLogo;
    BackupBar* panCopia; // copies of the data and the reminder, above the footer

    void imgImmobiliClick();
    void imgRicevuteClick();
    void imgModelloF24Click();
    void imgScadenzeClick();
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();

    static const HelpTopic& help(); // title and topic of the screen's help

protected:
    void FormClose() override; // closing the main menu ends the program
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildTile(const QString& key, const QString& caption, const QString& description,
                       Picture*& picture, Picture*& captionBar, Picture*& descriptionBox,
                       void (TfrmAvvio::*open)());
};
