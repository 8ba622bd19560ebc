#pragma once

#include "ListResults.h"
#include "platform/Screen.h"
#include "storage/ListSearch.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The list screen every search and list shares: a criteria panel, then a result panel with a
// list of fixed-width lines, "Trova" through it, the printed list and a double-click that
// hands the chosen record over to the screen that opened this one. The opener writes its
// navigation word into lblMemory and installs the hand-over that the word stands for.
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
    QListView* lstRecords;
    QLabel* lblAttendere;
    QLabel* lblConta;
    QLabel* lblTrovate;
    QLabel* lblMemory;

    QStringList lines() const;
    QStringList criteriaTexts() const;

    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDblClick(int row);

protected:
    // The criteria in the order Enter walks them, laid out in rows of two.
    void setCriteria(const QList<Criterion>& criteria);
    // How a "Cerca" that cannot read the archive shows the access message (an error by default).
    void setAccessFailureKind(Desktop::Kind kind) { m_accessFailureKind = kind; }
    // What a search lists: the record position of each line, and the lines, held or made
    // when they are shown (for lists as long as an archive).
    struct Found {
        QList<qint64> positions;
        QStringList lines;
        ListResults::LineSource makeLines; // when set, makes the lines instead of `lines`
    };
    // The lines for the criteria as typed, each with its record's position; throws Failure
    // when the archive cannot be used. By default search()'s lines, held.
    virtual Found find(const QStringList& criteria);
    virtual QList<ListSearch::ListLine> search(const QStringList& criteria);
    // Hands the record of the chosen line (its text and its record's position) to the
    // opener's hand-over; throws on failure.
    virtual void handOver(const ListSearch::ListLine& chosen) = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    ListResults* results() const { return m_results; }

private:
    QString m_printTitle;
    ListResults* m_results;
    QList<QLineEdit*> m_criteria;
    QList<qint64> m_positions; // the record position of each line of lstRecords
    Desktop::Kind m_accessFailureKind = Desktop::Kind::Error;
};
