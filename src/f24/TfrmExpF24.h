#pragma once

#include "report/ExportScreen.h"

// The F24 ELIDE forms shown as a grid and exported to Versamenti.xls.
class TfrmExpF24 : public ExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpF24(QWidget* owner = nullptr);
};
