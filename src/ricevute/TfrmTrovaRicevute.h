#pragma once

#include "report/ListScreen.h"

#include <functional>

class Record;

// Finds receipts of the open year's archive by up to ten criteria, lists them in
// file order and, opened with the word "ricevute", hands the receipt of the line clicked
// (by its record position, not by its text) to the receipt screen.
class TfrmTrovaRicevute : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaRicevute(QWidget* owner = nullptr);

    // The typed hand-overs the opener installs: the archive, and what a double-click does
    // with the chosen receipt and its position. Without them the screen reads the receipt
    // screen's lblFile and loads the receipt into that screen's controls.
    using Chosen = std::function<void(const Record& receipt, qint64 position)>;
    void setArchive(const QString& path) { m_archive = path; }
    void setChosen(Chosen chosen) { m_chosen = std::move(chosen); }

protected:
    QList<ListSearch::ListLine> search(const QStringList& criteria) override;
    void handOver(const ListSearch::ListLine& chosen) override;

private:
    QString archive() const;
    QString m_archive;
    Chosen m_chosen;
};
