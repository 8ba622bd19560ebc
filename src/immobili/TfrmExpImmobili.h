#pragma once

#include "report/ExportScreen.h"

// The property archive shown as a grid and exported to Immobili.xls.
class TfrmExpImmobili : public ExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpImmobili(QWidget* owner = nullptr);
};
