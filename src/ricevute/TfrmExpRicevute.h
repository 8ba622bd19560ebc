#pragma once

#include "report/ExportScreen.h"

#include <memory>

// The open year's receipts shown as a grid and exported to Ricevute.xls.
class TfrmExpRicevute : public ExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpRicevute(QWidget* owner = nullptr);
    // The typed hand-over of the opener: the archive to export. Without it the screen reads
    // the receipt screen's lblFile.
    void setArchive(const QString& path) { *m_archive = path; }

private:
    explicit TfrmExpRicevute(std::shared_ptr<QString> archive, QWidget* owner);
    std::shared_ptr<QString> m_archive;
};
