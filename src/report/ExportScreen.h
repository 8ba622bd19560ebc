#pragma once

#include "Spreadsheet.h"
#include "platform/HelpTopics.h"
#include "platform/Screen.h"
#include "storage/RecordLayout.h"

#include <functional>

class QLabel;
class QTableWidget;
class QToolButton;

// The export screen the three archives share: every record as a row of a grid (some
// columns editable), written as it stands to a spreadsheet file beside the executable.
class ExportScreen : public DialogScreen {
    Q_OBJECT
public:
    using Column = Spreadsheet::GridColumn;
    struct Setup {
        QString caption;
        std::function<QString()> archivePath;
        const RecordLayout* layout = nullptr;
        QList<Column> columns;
        std::function<QStringList(const Record&)> values;
        QString fileName; // beside the executable
        QString worksheet;
        HelpTopic help;
    };

    explicit ExportScreen(Setup setup, QWidget* owner);

    QTableWidget* grdRecords;
    QToolButton* cmdEsporta;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QLabel* panInfo;

    void cmdEsportaClick();
    void cmdGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid();
    QStringList gridRow(int r) const; // the cells of row r after the number column

    Setup m_setup;
};
