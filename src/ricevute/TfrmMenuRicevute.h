#pragma once

#include "platform/HelpTopics.h"
#include "platform/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

// The entry of the rent receipts: choose the year whose archive to work on, or open the
// statistics. Its hidden navigation word names the screen that follows when it closes; the
// hand-over to that screen is installed with the word.
class TfrmMenuRicevute : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(QWidget* parent = nullptr);

    QLineEdit* txtAnnoFatture;
    QPushButton* btnApriFatture;
    QPushButton* btnApriRiepStats;
    Picture* imgGuida;
    Picture* imgEsci;
    QLabel* lblMemory;

    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void imgEsciClick();
    void imgGuidaClick();

    static const HelpTopic& help(); // title and topic of the screen's help

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void followWith(const QString& word, std::function<void()> next);
    QWidget* buildArchiveBox();
    QWidget* buildStatisticsBox();

    std::function<void()> m_next;
};

extern ScreenReference<TfrmMenuRicevute> frmMenuRicevute;
