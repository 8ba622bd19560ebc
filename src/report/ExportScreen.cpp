#include "ExportScreen.h"

#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/TfrmGuida.h"
#include "storage/ListSearch.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kEmptyRows = 10;
}

ExportScreen::ExportScreen(Setup setup, QWidget* owner)
    : DialogScreen(setup.caption, owner), m_setup(std::move(setup))
{
    resize(1100, 640);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);

    panInfo = new QLabel(u"Esportazione archivio in Microsoft Excel."_s, this);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->setStyleSheet(u"background: #6A5ACD; color: white; font: 11pt; padding: 4px 10px;"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(260, 61), this));
    top->addStretch();
    auto* bar = new ToolBar(this, panInfo);
    cmdEsporta =
        bar->add({"cmdEsporta", u"excel"_s, u"Esporta"_s, u"Esporta l'archivio in formato Microsoft Excel."_s,
                  [this] { cmdEsportaClick(); }});
    cmdGuida =
        bar->add({"cmdGuida", u"help"_s, u"Guida"_s,
                  u"Visualizza la pagina della guida sensibile al contesto."_s, [this] { cmdGuidaClick(); }});
    cmdEsci = bar->add(
        {"cmdEsci", u"exit"_s, u"Esci"_s, u"Esci da questo ambiente di lavoro."_s, [this] { close(); }});
    bar->addGroup(QList<QWidget*>{cmdEsporta, cmdGuida, cmdEsci});
    top->addWidget(bar);
    layout->addLayout(top);

    grdRecords = new QTableWidget(kEmptyRows, int(m_setup.columns.size()) + 1, this);
    grdRecords->setObjectName(u"grdRecords"_s);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->verticalHeader()->hide();
    QStringList headers{u"N."_s};
    for (const Column& c : m_setup.columns)
        headers.append(c.gridHeader);
    grdRecords->setHorizontalHeaderLabels(headers);
    grdRecords->setColumnWidth(0, 50);
    for (int c = 0; c < m_setup.columns.size(); ++c)
        grdRecords->setColumnWidth(c + 1, std::max(120, m_setup.columns[c].exported.width * 2 / 3));
    layout->addWidget(grdRecords, 1);
    layout->addWidget(panInfo);

    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(grdRecords->viewport(), panInfo);
}

void ExportScreen::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    fillGrid();
}

void ExportScreen::fillGrid()
{
    QList<QStringList> rows;
    try {
        ListSearch::forEachRecord(m_setup.archivePath(), *m_setup.layout,
                                  [&](const Record& record, int) { rows.append(m_setup.values(record)); });
    } catch (const std::exception&) {
        // Filling stops without a word; the rows read so far stay.
    }
    if (rows.isEmpty())
        return; // the grid keeps its ten empty rows
    grdRecords->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        grdRecords->setItem(r, 0, number);
        for (int c = 0; c < m_setup.columns.size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r].value(c));
            item->setFlags(m_setup.columns[c].editable
                               ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grdRecords->setItem(r, c + 1, item);
        }
    }
}

QStringList ExportScreen::gridRow(int r) const
{
    QStringList row;
    row.reserve(grdRecords->columnCount() - 1);
    for (int c = 1; c < grdRecords->columnCount(); ++c) {
        const QTableWidgetItem* item = grdRecords->item(r, c);
        row.append(item ? item->text() : QString());
    }
    return row;
}

void ExportScreen::cmdEsportaClick()
{
    if (!Desktop::confirm(
            u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
            u"schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s))
        return;
    QList<Spreadsheet::Column> columns;
    for (const Column& c : m_setup.columns)
        columns.append(c.exported);
    const QString path = ExeFolder::file(m_setup.fileName);
    try {
        // Row by row from the grid into the file: no copy of the whole table is made first.
        Spreadsheet::write(path, m_setup.worksheet, columns, [this](Spreadsheet::Writer& writer) {
            for (int r = 0; r < grdRecords->rowCount(); ++r) {
                if (!writer.row(gridRow(r)))
                    return;
            }
        });
    } catch (const std::exception&) {
        Desktop::plain(u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                       u"Accertarsi che il file di Excel non sia già aperto."_s);
        return;
    }
    if (Desktop::confirm(u"Le schede in archivio sono state esportate con successo.\r\n\r\n"
                         u"Si vuole aprire il file di Excel?"_s))
        TMisc::Open(u"\""_s + path + u"\""_s);
}

void ExportScreen::cmdGuidaClick()
{
    showHelp(this, m_setup.help);
}
