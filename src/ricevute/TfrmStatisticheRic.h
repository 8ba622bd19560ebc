#pragma once

#include "platform/Screen.h"

#include <QList>

class MonthChart;
class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

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
    QWidget* ChartStats; // the chart (a chart view), or why it cannot be shown
    QLabel* panInfo;
    Picture* cmdGuida;
    QPushButton* btnTorta;
    QPushButton* btnBarre;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    // Hidden state.
    QLabel* lblFile;
    QList<QLabel*> memMesi; // memGennaio … memDicembre

    MonthChart* chart() const { return m_chart; }

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

    MonthChart* m_chart = nullptr; // none when the chart's module cannot be loaded
    QString m_chartMissing;
    int m_printJobs = 0;
};
