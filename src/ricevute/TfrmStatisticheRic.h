#pragma once

#include "platform/Screen.h"

#include <QList>

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class Picture;
class StatisticheChart;

// The statistics of the receipts: the twelve month totals of a year charted as
// bars or as a pie, and printed. The series type chosen stays for the whole run.
class TfrmStatisticheRic : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmStatisticheRic(QWidget* parent = nullptr);

    // Year panel.
    QWidget* panAvvio;
    QLineEdit* txtAnno;
    QPushButton* btnApri;
    Picture* imgGuida;
    Picture* imgEsci;
    // Chart panel.
    QWidget* panContainer;
    QLabel* lblTitolo;
    QChartView* ChartStats;
    QLabel* panInfo;
    Picture* cmdGuida;
    QPushButton* btnTorta;
    QPushButton* btnBarre;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    // Hidden state.
    QLabel* lblFile;
    QList<QLabel*> memMesi; // memGennaio … memDicembre

    StatisticheChart* chart() const { return m_chart; }

    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();
    void imgGuidaClick();

    static QString helpTitle();
    // Print jobs sent since the screen was built (one per copy).
    int printJobs() const { return m_printJobs; }

protected:
    void FormShow() override;

private:
    QWidget* buildYearPanel();
    QWidget* buildChartPanel();

    StatisticheChart* m_chart;
    int m_printJobs = 0;
};
