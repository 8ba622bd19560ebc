#pragma once

#include "report/ListScreen.h"

#include <functional>

class Record;

// The unpaid receipts of the open year's archive: the list screen without its
// criteria panel, built when shown; a double-click hands the receipt of the line clicked (by
// its record position) to the receipt screen.
class TfrmSospeseRic : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmSospeseRic(QWidget* owner = nullptr);

    // The typed hand-overs the opener installs, as on the receipt search.
    using Chosen = std::function<void(const Record& receipt, qint64 position)>;
    void setArchive(const QString& path) { m_archive = path; }
    void setChosen(Chosen chosen) { m_chosen = std::move(chosen); }

protected:
    QList<ListSearch::ListLine> search(const QStringList& criteria) override;
    void handOver(const ListSearch::ListLine& chosen) override;
    void showEvent(QShowEvent* event) override;

private:
    QString archive() const;
    QString m_archive;
    Chosen m_chosen;
};
