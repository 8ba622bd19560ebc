#pragma once

#include "report/ListScreen.h"

#include <functional>

class Record;

// Finds F24 ELIDE forms by up to ten criteria and, opened with the word "f24", hands the form
// of the line clicked (by its record position, not by its text) to its opener.
class TfrmTrovaF24 : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaF24(QWidget* owner = nullptr);

    // What a double-click does with the chosen form and its 1-based position in the archive,
    // installed by the opener; without one a double-click only closes the screen.
    using Chosen = std::function<void(const Record& form, qint64 position)>;
    void setChosen(Chosen chosen) { m_chosen = std::move(chosen); }

protected:
    QList<ListSearch::ListLine> search(const QStringList& criteria) override;
    void handOver(const ListSearch::ListLine& chosen) override;

private:
    Chosen m_chosen;
};
