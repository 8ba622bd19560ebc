#pragma once

#include "report/ListScreen.h"

#include <functional>

class Record;

// Finds property cards by up to ten criteria and hands the chosen card to its opener: the
// property card ("immobili") now, the receipt ("ricevute") and F24 ("f24") screens next.
class TfrmTrovaImmobili : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaImmobili(QWidget* owner = nullptr);

    // What a double-click does with the chosen card and its 1-based position in the archive,
    // installed by the opener; without one a double-click only closes the screen.
    using Chosen = std::function<void(const Record& card, qint64 position)>;
    void setChosen(Chosen chosen);

protected:
    Found find(const QStringList& criteria) override;
    void handOver(const ListSearch::ListLine& chosen) override;

private:
    Chosen m_chosen;
};
