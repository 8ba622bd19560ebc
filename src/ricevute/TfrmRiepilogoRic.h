#pragma once

#include "RiepilogoRic.h"
#include "platform/Screen.h"

class ListResults;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class Picture;

// The three summaries of the open year's receipts, one pattern: the annual one
// builds its list when shown; the quarterly and monthly ones first offer a selection panel
// and build the list on "Visualizza". The result panel follows the list screens' pattern
// (find next, printed list) with a total bar and the count in panInfo. A list that stops at
// a record it cannot read says it is incomplete.
class RiepilogoScreen : public DialogScreen {
    Q_OBJECT
public:
    RiepilogoScreen(RiepilogoRic::Period period, const QString& caption, QWidget* owner);

    // The typed hand-over of the opener: the year's archive and its year. Without it the
    // screen reads the receipt screen's lblFile and lblAnno.
    void setArchive(const QString& path, const QString& year);

    // Selection panel (quarterly and monthly).
    QWidget* panSelezione;
    QComboBox* cboSelezione;
    QLabel* lblAnno;
    QPushButton* btnVisualizza;
    Picture* icoGuida;
    Picture* icoEsci;
    // Result panel.
    QWidget* panContainer;
    QLabel* titTipologia;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    Picture* imgGuida;
    QListView* lstRecords;
    QLabel* lblTotale;
    QLabel* panInfo;
    QPushButton* btnStampa;
    QPushButton* btnEsci;

    QStringList lines() const;
    // The record position of each line, in list order.
    const QList<int>& positions() const { return m_summary.positions; }
    bool isComplete() const { return m_summary.complete; }

    void btnVisualizzaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void imgGuidaClick();

    static QString helpTitle();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSelection();
    QWidget* buildResults();
    void buildList();
    QString archivePath() const;
    QString archiveYear() const;

    RiepilogoRic::Period m_period;
    RiepilogoRic::Summary m_summary;
    QString m_path, m_year;
    bool m_handedOver = false;
    ListResults* m_results;
};

class TfrmRiepAnnualeRic : public RiepilogoScreen {
    Q_OBJECT
public:
    explicit TfrmRiepAnnualeRic(QWidget* owner = nullptr);
};

class TfrmRiepTrimestraleRic : public RiepilogoScreen {
    Q_OBJECT
public:
    explicit TfrmRiepTrimestraleRic(QWidget* owner = nullptr);
};

class TfrmRiepMensileRic : public RiepilogoScreen {
    Q_OBJECT
public:
    explicit TfrmRiepMensileRic(QWidget* owner = nullptr);
};
