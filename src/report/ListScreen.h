#pragma once

#include "platform/Screen.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The list screen every search and list shares: a criteria panel, then a result panel with a
// list of fixed-width lines, "Trova" through it, the printed list and a double-click that
// hands the chosen record to the screen that opened this one (named in lblMemory).
class ListScreen : public DialogScreen {
    Q_OBJECT
public:
    struct Criterion {
        QString caption;
        QString controlName;
    };

    ListScreen(const QString& caption, const QString& printTitle, QWidget* owner);

    QWidget* panAvvio;
    QWidget* panContainer;
    QLineEdit* txtTrova;
    QPushButton* btnCerca;
    QPushButton* btnAnnulla;
    QPushButton* btnTrova;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;
    QListWidget* lstRecords;
    QLabel* lblAttendere;
    QLabel* lblConta;
    QLabel* lblTrovate;
    QLabel* lblMemory;

    QStringList lines() const;
    QStringList criteriaTexts() const;

    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDblClick();

protected:
    // The criteria in the order Enter walks them, laid out in rows of two.
    void setCriteria(const QList<Criterion>& criteria);
    // The lines for the criteria as typed; throws Failure when the archive cannot be used.
    virtual QStringList search(const QStringList& criteria) = 0;
    // Hands the record of the chosen line to the opener; throws on failure.
    virtual void handOver(const QString& line) = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_printTitle;
    QString m_lastFind;
    QList<QLineEdit*> m_criteria;
};
