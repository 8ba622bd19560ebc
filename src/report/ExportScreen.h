#pragma once

#include "RecordCells.h"
#include "platform/HelpTopics.h"
#include "platform/Screen.h"
#include "storage/RecordLayout.h"

#include <functional>

class QLabel;
class QTableView;
class ExportRecordsModel;
class QToolButton;

// The export screen the three archives share: every record as a row of a grid (some
// columns editable), written as it stands to a spreadsheet file beside the executable.
// The grid reads the rows it shows from the archive as they come into view and keeps only
// the edited cells, so its memory does not grow with the archive.
class ExportScreen : public DialogScreen {
    Q_OBJECT
public:
    using Column = Spreadsheet::GridColumn;
    struct Setup {
        QString caption;
        std::function<QString()> archivePath;
        const RecordLayout* layout = nullptr;
        QList<Column> columns;
        const RecordCells* cells = nullptr; // one per column
        QString fileName; // beside the executable
        QString worksheet;
        HelpTopic help;
    };

    explicit ExportScreen(Setup setup, QWidget* owner);

    QTableView* grdRecords;
    QToolButton* cmdEsporta;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QLabel* panInfo;

    void cmdEsportaClick();
    void cmdGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Setup m_setup;
    ExportRecordsModel* m_records;
};
