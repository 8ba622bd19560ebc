#pragma once

#include "report/ListScreen.h"

// Finds property cards by up to ten criteria. Opened with "immobili" it loads the chosen
// card into the property card screen.
class TfrmTrovaImmobili : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaImmobili(QWidget* owner = nullptr);

protected:
    QStringList search(const QStringList& criteria) override;
    void handOver(const QString& line) override;
};

extern TfrmTrovaImmobili* frmTrovaImmobili;
